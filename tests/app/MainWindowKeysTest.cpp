// Keys reaching the main window: what the display shows, how the modifier set follows the modifier
// keys, and which messages the window consumes, with the shipped key tables.
#include "MainWindowFixture.h"

#include "AL_ZoomImg.h"
#include "PictureImage.h"
#include "VirtualKeys.h"

#include <QLabel>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>

#include <set>
#include <string>
#include <vector>

namespace {

enum class TStrokeKind { Tap, Down, Repeat, Up };

// A key of another application, given by its sided virtual key.
struct TStroke {
    TStrokeKind Kind;
    quint16 VK;
};

TStroke Tap(quint16 vk) { return {TStrokeKind::Tap, vk}; }
TStroke Down(quint16 vk) { return {TStrokeKind::Down, vk}; }
TStroke Repeat(quint16 vk) { return {TStrokeKind::Repeat, vk}; }
TStroke Up(quint16 vk) { return {TStrokeKind::Up, vk}; }

struct TFlowCase {
    const char* Name;
    std::vector<TStroke> Strokes;
    const char* Key; // nullptr: a key without a name of its own, shown by whatever was typed before
    const char* Command;
    const char* Category;
    std::set<std::string> Lit; // the key caps showing at the end
};

const std::vector<TFlowCase> FlowCases = {
    {"a bound key", {Tap(VK_NEXT)}, "PAGEDOWN", "Collective decrease", "Flight Control", {}},
    {"an unbound key", {Tap(VK_SELECT)}, "SELECT", "< NONE >", "", {}},
    {"the first key is a modifier: nothing is re-shown", {Tap(VK_LSHIFT)}, "", "Command", "Category",
     {"imgLShift"}},
    {"left Shift tapped, then a letter", {Tap(VK_LSHIFT), Tap('Z')}, "Z", "Time normal", "General",
     {"imgLShift"}},
    {"left Shift stays on for the next letter", {Tap(VK_LSHIFT), Tap('Z'), Tap(VK_NEXT)}, "PAGEDOWN",
     "Collective decrease fast", "Flight Control", {"imgLShift"}},
    {"left Shift, then right Ctrl: the last key again with right Ctrl alone",
     {Tap('Z'), Tap(VK_LSHIFT), Tap(VK_RCONTROL)}, "Z", "Time accelerate fast", "General", {"imgRCtrl"}},
    {"left Shift and left Ctrl tapped one after the other", {Tap('Z'), Tap(VK_LSHIFT), Tap(VK_LCONTROL)}, "Z",
     "Hydraulic main system", "Systems", {"imgLShift", "imgLCtrl"}},
    {"left Shift held while left Ctrl is tapped: the tap inverts left Shift, left Ctrl stays",
     {Tap(VK_LSHIFT), Down(VK_LSHIFT), Tap(VK_LCONTROL)}, "", "Command", "Category", {"imgLShift"}},
    {"a modifier held while a letter goes down: found with it, off afterwards",
     {Down(VK_LCONTROL), Tap('Z'), Up(VK_LCONTROL)}, "Z", "Time accelerate", "General", {}},
    {"an auto-repeating modifier switches on and off, re-showing each time",
     {Tap('Z'), Down(VK_LSHIFT), Repeat(VK_LSHIFT)}, "Z", "Pedal left", "Flight Control", {}},
    {"an auto-repeating modifier, one repeat more",
     {Tap('Z'), Down(VK_LSHIFT), Repeat(VK_LSHIFT), Repeat(VK_LSHIFT)}, "Z", "Time normal", "General",
     {"imgLShift"}},
    {"a tapped left Ctrl, then Z", {Tap(VK_LCONTROL), Tap('Z')}, "Z", "Time accelerate", "General", {"imgLCtrl"}},
    {"right Win is no modifier: the key is looked up without it", {Down(VK_RWIN), Tap('Z'), Up(VK_RWIN)}, "Z",
     "Pedal left", "Flight Control", {}},
    {"Shift as a key-down never reaches the display", {Tap(VK_NEXT), Tap(VK_RSHIFT)}, "PAGEDOWN", "< NONE >", "",
     {"imgRShift"}},
    {"Alt as a key-down is displayed, and its key preview toggles left Alt", {Tap(VK_LMENU)}, nullptr, "< NONE >",
     "", {"imgLAlt"}},
};

const char* const AllCaps[] = {"imgLShift", "imgLCtrl", "imgLWin", "imgLAlt", "imgRAlt", "imgRCtrl", "imgRShift"};

void PrintTo(const TFlowCase& c, std::ostream* out) { *out << c.Name; }

class MainWindowKeys : public TMainWindowFixture {
protected:
    void Play(const TStroke& stroke) {
        switch (stroke.Kind) {
        case TStrokeKind::Tap:
            HookTap(stroke.VK);
            break;
        case TStrokeKind::Down:
            HookKeyDown(stroke.VK);
            break;
        case TStrokeKind::Repeat:
            HookKeyDown(stroke.VK, true);
            break;
        case TStrokeKind::Up:
            HookKeyUp(stroke.VK);
            break;
        }
    }

    std::set<std::string> LitCaps() {
        std::set<std::string> lit;
        for (const char* cap : AllCaps)
            if (!Window->findChild<QWidget*>(QLatin1String(cap))->isHidden()) lit.insert(cap);
        return lit;
    }

    QWindow* Handle() { return Window->windowHandle(); }
};

} // namespace

class MainWindowKeyFlows : public MainWindowKeys, public ::testing::WithParamInterface<TFlowCase> {};

TEST_P(MainWindowKeyFlows, KeysFromOtherApplications) {
    const TFlowCase& c = GetParam();
    for (const TStroke& stroke : c.Strokes) Play(stroke);
    if (c.Key) {
        EXPECT_EQ(Window->lblKey->text(), QLatin1String(c.Key));
    }
    EXPECT_EQ(Window->lblCommand->text(), QLatin1String(c.Command));
    EXPECT_EQ(Window->lblCategory->text(), QLatin1String(c.Category));
    EXPECT_EQ(LitCaps(), c.Lit);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, MainWindowKeyFlows, ::testing::ValuesIn(FlowCases));

TEST_F(MainWindowKeys, GenericModifiersNeverChangeTheKeyShown) {
    HookTap('Z');
    for (quint16 modifier : {VK_LSHIFT, VK_RCONTROL, VK_LWIN}) {
        HookTap(modifier);
        EXPECT_EQ(Window->lblKey->text(), QStringLiteral("Z"));
        EXPECT_EQ(Window->LastKeyMsg().wParam, WPARAM('Z'));
    }
}

TEST_F(MainWindowKeys, KeepsTheWholeMessageOfTheLastKeyShown) {
    PostMessage(Window.get(), WM_KEYDOWN, VK_NEXT, 0x01510001);
    Pump();
    EXPECT_EQ(Window->LastKeyMsg().hwnd, Window.get());
    EXPECT_EQ(Window->LastKeyMsg().message, WM_KEYDOWN);
    EXPECT_EQ(Window->LastKeyMsg().wParam, WPARAM(VK_NEXT));
    EXPECT_EQ(Window->LastKeyMsg().lParam, LPARAM(0x01510001));
}

TEST_F(MainWindowKeys, ConsumesEveryReShowRequestWhateverItIsFor) {
    struct TCounter : QObject {
        int Seen = 0;
        bool event(QEvent* e) override {
            if (e->type() == TMessageEvent::Type()) ++Seen;
            return QObject::event(e);
        }
    } other;
    HookTap('Z');
    HookTap(VK_LCONTROL);
    ASSERT_EQ(Window->lblCommand->text(), QStringLiteral("Time accelerate"));
    HookKeyDown(VK_LCONTROL);
    HookKeyUp(VK_LCONTROL);
    PostMessage(&other, WM_USER, 'Q', 0);
    Pump();
    EXPECT_EQ(other.Seen, 0);
    // The request's own key is not read: the last key shown is looked up again.
    EXPECT_EQ(Window->lblCommand->text(), QStringLiteral("Pedal left"));
    EXPECT_EQ(Window->lblKey->text(), QStringLiteral("Z"));
}

TEST_F(MainWindowKeys, AKeyCodeOutOfRangeIsReportedAndNotKept) {
    HookTap(VK_NEXT);
    PostMessage(Window.get(), WM_KEYDOWN, 0x10000, 0);
    Pump();
    ASSERT_EQ(Boxes.Texts.size(), 1);
    EXPECT_EQ(Boxes.Texts[0], QStringLiteral("Range check error"));
    EXPECT_EQ(Window->LastKeyMsg().wParam, WPARAM(VK_NEXT));
    EXPECT_EQ(Window->lblKey->text(), QStringLiteral("PAGEDOWN"));
    // The program goes on, and a modifier re-shows the last good key.
    HookTap(VK_LSHIFT);
    EXPECT_EQ(Window->lblCommand->text(), QStringLiteral("Collective decrease fast"));
    EXPECT_EQ(Boxes.Texts.size(), 1);
}

TEST_F(MainWindowKeys, F10InTheOwnWindowIsShownAtItsPressAndAgainAtItsRelease) {
    Activate();
    QTest::keyPress(Handle(), Qt::Key_F10);
    EXPECT_EQ(Window->lblKey->text(), QStringLiteral("F10"));
    EXPECT_EQ(Window->LastKeyMsg().message, WM_SYSKEYDOWN);
    QTest::keyRelease(Handle(), Qt::Key_F10);
    EXPECT_EQ(Window->LastKeyMsg().message, WM_SYSKEYUP);
    EXPECT_EQ(Window->lblKey->text(), QStringLiteral("F10"));
}

TEST_F(MainWindowKeys, OwnKeyUpsAndAltCombinationsAreNotShown) {
    Activate();
    QTest::keyClick(Handle(), Qt::Key_PageDown);
    ASSERT_EQ(Window->lblKey->text(), QStringLiteral("PAGEDOWN"));
    QTest::keyClick(Handle(), Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(Window->lblKey->text(), QStringLiteral("PAGEDOWN"));
    EXPECT_EQ(Window->LastKeyMsg().message, WM_KEYDOWN);
}

TEST_F(MainWindowKeys, AnArrowIsShownAndTheGridKeepsItsFocusedRow) {
    QStandardItemModel rows(5, 1);
    auto* grid = Window->findChild<QTreeView*>(QStringLiteral("Grid"));
    ASSERT_NE(grid, nullptr);
    QAbstractItemModel* ownRows = grid->model();
    Window->imgFormSizeClick();
    Window->PageControl->setCurrentWidget(Window->tshPanelKeys);
    grid->setModel(&rows);
    grid->setCurrentIndex(rows.index(2, 0));
    Activate();
    grid->setFocus();
    ASSERT_TRUE(grid->hasFocus());
    QTest::keyClick(Handle(), Qt::Key_Down);
    EXPECT_EQ(Window->lblKey->text(), QStringLiteral("DOWN"));
    EXPECT_EQ(grid->currentIndex().row(), 2);
    grid->setModel(ownRows);
}

TEST_F(MainWindowKeys, AModifierTypedIntoTheOwnWindowTogglesLikeOneFromTheHook) {
    Activate();
    QTest::keyClick(Handle(), Qt::Key_Z);
    QTest::keyClick(Handle(), Qt::Key_Control);
    Pump();
    EXPECT_TRUE(Window->Modifiers().LCtrl);
    EXPECT_FALSE(Window->imgLCtrl->isHidden());
    EXPECT_EQ(Window->lblCommand->text(), QStringLiteral("Time accelerate"));
}

TEST_F(MainWindowKeys, PanelPictureShownFitsAndFocusesTheViewerAndHiddenHidesIt) {
    Window->imgFormSizeClick();
    Activate();
    Window->PanelPictureChanged(true);
    EXPECT_TRUE(Window->Viewer()->isVisible());
    EXPECT_TRUE(Window->Viewer()->hasFocus());
    Window->PanelPictureChanged(false);
    EXPECT_FALSE(Window->Viewer()->isVisible());
}
