// The main window as it stands after creation: components where the design puts them, with their
// faces, colours and texts, the caps hidden, the caption carrying the version, the window collapsed.
#include "GradientBackground.h"
#include "MainWindowFixture.h"
#include "PictureImage.h"
#include "locVortal.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

class MainWindowLayout : public TMainWindowFixture {
protected:
    template <class T> T* Child(const char* name) {
        T* child = Window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
};

struct TPlaced {
    const char* Name;
    const char* Parent;
    QRect Geometry;
};

// component      parent        left, top, width, height
const TPlaced Placed[] = {
    {"pnlTop", "frmVortal_Kes_Commands", {0, 0, 752, 294}},
    {"Background", "pnlTop", {-2, -51, 757, 345}},
    {"imgClose", "pnlTop", {707, 4, 32, 32}},
    {"imgFormSize", "pnlTop", {8, 4, 36, 36}},
    {"lblCategory", "pnlTop", {8, 23, 735, 19}},
    {"lblCommand", "pnlTop", {8, 64, 735, 57}},
    {"lblKey", "pnlTop", {296, 175, 176, 57}},
    {"GroupBoxL", "pnlTop", {8, 127, 281, 151}},
    {"GroupBoxR", "pnlTop", {478, 127, 265, 151}},
    {"imgLShift", "GroupBoxL", {14, 25, 81, 48}},
    {"imgLCtrl", "GroupBoxL", {38, 83, 81, 48}},
    {"imgLWin", "GroupBoxL", {129, 83, 55, 52}},
    {"imgLAlt", "GroupBoxL", {190, 83, 71, 48}},
    {"imgRAlt", "GroupBoxR", {17, 83, 71, 48}},
    {"imgRCtrl", "GroupBoxR", {134, 83, 81, 48}},
    {"imgRShift", "GroupBoxR", {166, 25, 81, 48}},
};

} // namespace

TEST_F(MainWindowLayout, ComponentsSitWhereTheDesignPutsThem) {
    for (const TPlaced& placed : Placed) {
        QWidget* widget = Child<QWidget>(placed.Name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1String(placed.Parent)) << placed.Name;
        EXPECT_EQ(widget->geometry(), placed.Geometry) << placed.Name;
    }
}

TEST_F(MainWindowLayout, StartsCollapsedWithEmptyKeyAndDesignTexts) {
    EXPECT_EQ(Window->Height(), 320);
    EXPECT_EQ(Window->Width(), 760);
    EXPECT_EQ(Window->size(), QSize(752, 294));
    EXPECT_EQ(Window->minimumSize(), Window->maximumSize()) << "the user cannot resize it";
    EXPECT_EQ(Window->pnlBottom->height(), 0);
    EXPECT_EQ(Window->lblCategory->text(), QStringLiteral("Category"));
    EXPECT_EQ(Window->lblCommand->text(), QStringLiteral("Command"));
    EXPECT_TRUE(Window->lblKey->text().isEmpty());
    for (const char* cap : {"imgLShift", "imgLCtrl", "imgLWin", "imgLAlt", "imgRAlt", "imgRCtrl", "imgRShift"})
        EXPECT_TRUE(Child<QWidget>(cap)->isHidden()) << cap;
}

TEST_F(MainWindowLayout, CaptionCarriesTheFileVersion) {
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("   Vortal Kestrova -  Shortcuts  (V.1.2)"));
    EXPECT_EQ(Window->Version(), QStringLiteral("1.2"));
}

TEST_F(MainWindowLayout, HasNoCaptionButtons) {
    const Qt::WindowFlags flags = Window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
}

TEST_F(MainWindowLayout, PagesInOrderWithPanelViewActive) {
    ASSERT_EQ(Window->PageControl->count(), 2);
    EXPECT_EQ(Window->PageControl->tabText(0), QStringLiteral("Panel View"));
    EXPECT_EQ(Window->PageControl->tabText(1), QStringLiteral("Panel Keys"));
    EXPECT_EQ(Window->PageControl->currentWidget(), Window->tshPanelView);
}

TEST_F(MainWindowLayout, HintsAreSwitchedOn) {
    EXPECT_EQ(Window->imgClose->toolTip(), QStringLiteral("Close - (Right click for About)"));
    EXPECT_EQ(Window->imgFormSize->toolTip(), QStringLiteral("Show panel"));
    ASSERT_NE(Window->imgClose->PopupMenu(), nullptr);
    ASSERT_EQ(Window->imgClose->PopupMenu()->actions().size(), 1);
    EXPECT_EQ(Window->imgClose->PopupMenu()->actions().first()->text(), QStringLiteral("About"));
    EXPECT_EQ(Window->imgFormSize->PopupMenu(), nullptr);
}

struct TLabelFace {
    const char* Name;
    const char* Family;
    int PixelHeight;
    bool Bold;
    QColor Color;
};

// component     face       height bold  colour
const TLabelFace Faces[] = {
    {"lblCategory", "Tahoma", 16, true, QColor(0, 0, 0)},
    {"lblCommand", "Tahoma", 21, true, QColor(0, 0, 128)},
    {"lblKey", "Tahoma", 33, false, QColor(0, 0, 0)},
    {"GroupBoxL", "Verdana", 16, true, QColor(0, 0, 128)},
    {"GroupBoxR", "Verdana", 16, true, QColor(0, 128, 0)},
};

TEST_F(MainWindowLayout, TextsHaveTheirFacesAndColours) {
    for (const TLabelFace& face : Faces) {
        QWidget* widget = Child<QWidget>(face.Name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->font().family(), QLatin1String(face.Family)) << face.Name;
        EXPECT_EQ(widget->font().pixelSize(), face.PixelHeight) << face.Name;
        EXPECT_EQ(QFontInfo(widget->font()).bold(), face.Bold) << face.Name;
        EXPECT_EQ(widget->palette().color(QPalette::WindowText), face.Color) << face.Name;
    }
}

// The longest texts the display shows must fit their fixed boxes.
TEST_F(MainWindowLayout, TextsFitTheirBoxes) {
    const QFontMetrics category(Window->lblCategory->font());
    EXPECT_LE(category.height(), Window->lblCategory->height());
    const QFontMetrics key(Window->lblKey->font());
    EXPECT_LE(key.horizontalAdvance(QStringLiteral("PAGEDOWN")), Window->lblKey->width());
    EXPECT_LE(key.height(), Window->lblKey->height());
    const QFontMetrics command(Window->lblCommand->font());
    EXPECT_LE(2 * command.lineSpacing(), Window->lblCommand->height() + command.leading());
    const QFontMetrics group(Window->GroupBoxL->font());
    EXPECT_LE(group.horizontalAdvance(QStringLiteral("RIGHT")), Window->GroupBoxR->width());
}
