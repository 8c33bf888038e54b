// The key browser on "Panel Keys" with the shipped key tables: what it lists and opens, how the
// mouse switches it, which row is highlighted, and what a double-clicked command posts.
#include "DesignFonts.h"
#include "KeyGrid.h"
#include "KeyGridModel.h"
#include "MainWindowFixture.h"
#include "PictureImage.h"
#include "Resources.h"
#include "VirtualKeys.h"
#include "dmGridDataSource.h"
#include "dmKeys.h"
#include "support/FakeClock.h"
#include "support/FakeMessageBox.h"
#include "support/FakeTimer.h"

#include <QAbstractItemModelTester>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// Bindings of a category of their own, added to the shipped ones where a case needs what the
// shipped table avoids (both sides of a modifier, unknown key names).
const char TestBindings[] =
    "key = 'F9'@ reformers = 'LShift;RShift;LCtrl;RCtrl;LAlt;RAlt;LWin;RWin'@ name = 'Both sides of "
    "everything'@ "
    "category = 'Grid Test'\n"
    "key = 'F9'@ reformers = 'RShift;RCtrl;RAlt;RWin'@ name = 'Right side of everything'@ category = 'Grid "
    "Test'\n"
    "key = 'W'@ reformers = 'LShift;RCtrl'@ name = 'Mixed sides'@ category = 'Grid Test'\n"
    "key = 'NoSuchKey'@ name = 'Unknown key name'@ category = 'Grid Test'\n"
    "key = ';'@ name = 'Semicolon'@ category = 'Grid Test'\n"
    "key = 'F9'@ name = 'No modifiers, and a command name far too long to be shown whole in its column'@ "
    "category = 'Grid Test'\n";

// Stands for the main window: keeps what is posted to it.
class TMessageRecorder final : public QObject {
public:
    std::vector<MSG> Messages;

protected:
    void customEvent(QEvent* event) override {
        if (event->type() == TMessageEvent::Type())
            Messages.push_back(static_cast<TMessageEvent*>(event)->Msg());
    }
};

// Collects the model tester's complaints instead of printing them.
class TWarningCollector {
public:
    TWarningCollector() { FPrevious = qInstallMessageHandler(&TWarningCollector::collect); }
    ~TWarningCollector() { qInstallMessageHandler(FPrevious); }
    TWarningCollector(const TWarningCollector&) = delete;
    TWarningCollector& operator=(const TWarningCollector&) = delete;
    static QStringList& Messages() {
        static QStringList messages;
        return messages;
    }

private:
    static void collect(QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg) Messages().append(text);
    }
    QtMessageHandler FPrevious;
};

// Whether a pixel of rect passes test: text of a colour drawn there.
template <typename TPixelTest> bool HasPixel(const QImage& image, const QRect& rect, TPixelTest test) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (test(image.pixelColor(x, y))) return true;
    return false;
}
bool IsNavy(const QColor& c) {
    return c.blue() > 90 && c.red() < 50 && c.green() < 50;
}
bool IsDark(const QColor& c) {
    return c.blue() < 90 && c.red() < 90 && c.green() < 90;
}

class KeyGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterDesignFonts();
        const QByteArray extra = ExtraBindings();
        Keys = std::make_unique<TdmKeys>([extra](const QString& name) {
            QByteArray table = LoadResource(name);
            if (name == QLatin1String("KES_KEYS") && !extra.isEmpty()) table += "\n" + extra;
            return table;
        });
        Grid = std::make_unique<TKeyGrid>();
        TKeyGridHost host;
        host.Keys = Keys.get();
        host.RefreshGrid = [this] {
            ++Refreshes;
            Refresh();
        };
        host.SetModifiers = [this](const TModifierSet& modifiers) { ModifierSets.push_back(modifiers); };
        host.Window = &Window;
        Grid->SetHost(std::move(host));
        Grid->resize(752, 560);
        Grid->show();
    }

    virtual QByteArray ExtraBindings() const { return {}; }

    void Refresh() { Grid->RefreshGrid(CategoryDS, KeysDS); }

    // What the key database leaves behind when it found a command of this category with the panel
    // visible, followed by the grid's reload.
    void ShowCategory(const QString& category) {
        Keys->FilterByCategory(category, true, true);
        Refresh();
    }

    QAbstractItemModel& View() const { return *Grid->model(); }
    int Rows() const { return View().rowCount(); }
    QString Text(const QModelIndex& index) const { return index.data().toString(); }

    QStringList CategoryTexts() const {
        QStringList texts;
        for (int row = 0; row < Rows(); ++row)
            texts << Text(View().index(row, 0));
        return texts;
    }
    int ExpandedRows() const {
        int expanded = 0;
        for (int row = 0; row < Rows(); ++row)
            expanded += Grid->isExpanded(View().index(row, 0));
        return expanded;
    }
    QModelIndex CategoryRow(const QString& category) const {
        for (int row = 0; row < Rows(); ++row)
            if (Text(View().index(row, 0)) == category) return View().index(row, 0);
        return {};
    }
    // The row of a command among the opened categories.
    QModelIndex CommandRow(const QString& command) const {
        for (int row = 0; row < Rows(); ++row) {
            const QModelIndex category = View().index(row, 0);
            if (!Grid->isExpanded(category)) continue;
            for (int child = 0; child < View().rowCount(category); ++child)
                if (Text(View().index(child, 0, category)) == command)
                    return View().index(child, 0, category);
        }
        return {};
    }

    void Click(Qt::MouseButton button, const QModelIndex& over) {
        QTest::mouseClick(Grid->viewport(), button, {}, Grid->CellRect(over).center());
    }
    void DoubleClick(QPoint at) { QTest::mouseDClick(Grid->viewport(), Qt::LeftButton, {}, at); }

    FakeClock Clock;
    FakeTimerFactory Timers{Clock};
    FakeMessageBox Boxes;
    std::unique_ptr<TdmKeys> Keys;
    std::unique_ptr<TViewCategoryDS> CategoryDS;
    std::unique_ptr<TViewKeysDS> KeysDS;
    TMessageRecorder Window;
    std::vector<TModifierSet> ModifierSets;
    int Refreshes = 0;
    std::unique_ptr<TKeyGrid> Grid;
};

class KeyGridWithTestBindings : public KeyGridTest {
protected:
    QByteArray ExtraBindings() const override { return TestBindings; }
};

// --- what the grid lists ---------------------------------------------------------------------------

TEST_F(KeyGridTest, BeforeAnyKeyItShowsNoKeysAndARightClickListsEveryCategoryNoneOpened) {
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(Grid->EmptyText(), "<No keys>");

    QTest::mouseClick(Grid->viewport(), Qt::RightButton, {}, {40, 40});

    EXPECT_EQ(Rows(), 54);
    EXPECT_EQ(ExpandedRows(), 0);
    EXPECT_FALSE(Keys->KeysFiltered());
    EXPECT_EQ(Grid->EmptyText(), "");
}

TEST_F(KeyGridTest, AShownCommandsCategoryIsListedAloneAndOpened) {
    ShowCategory(QStringLiteral("Flight Control"));

    ASSERT_EQ(CategoryTexts(), QStringList{"Flight Control"});
    const QModelIndex category = View().index(0, 0);
    EXPECT_TRUE(Grid->isExpanded(category));
    EXPECT_EQ(View().rowCount(category), 30);
    EXPECT_TRUE(CommandRow(QStringLiteral("Pedal left")).isValid());
}

TEST_F(KeyGridTest, ALookUpThatFoundNothingLeavesNoKeys) {
    ShowCategory(QStringLiteral("Flight Control"));
    QString command, category;
    Keys->PanelVisible = true;
    Keys->FindCommand(VK_F12, false, false, false, false, true, true, true, true, command, category);
    Refresh();

    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(Grid->EmptyText(), "<No keys>");
}

TEST_F(KeyGridTest, BothViewsAreSortedAscendingByTheirFirstColumn) {
    Keys->SetCategoryFilter(false);
    Refresh();
    QStringList categories = CategoryTexts();
    ASSERT_EQ(categories.size(), 54);
    QStringList sorted = categories;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(categories, sorted);

    ShowCategory(QStringLiteral("View"));
    const QModelIndex view = View().index(0, 0);
    QStringList commands;
    for (int row = 0; row < View().rowCount(view); ++row)
        commands << Text(View().index(row, 0, view));
    ASSERT_EQ(commands.size(), 71);
    sorted = commands;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(commands, sorted);
}

TEST_F(KeyGridTest, ACategoryShowsNoExpandButtonWhileKeysShowsNoBindings) {
    Keys->SetCategoryFilter(false);
    Refresh();
    ASSERT_TRUE(View().hasChildren(View().index(0, 0)));
    // A look-up with the panel hidden leaves Keys filtered to a key combination bound nowhere.
    QString command, category;
    Keys->FindCommand(VK_F12, false, false, false, false, true, true, true, true, command, category);

    for (int row = 0; row < Rows(); ++row)
        EXPECT_FALSE(View().hasChildren(View().index(row, 0))) << row;
}

TEST_F(KeyGridTest, TheModelAnswersConsistentlyAtBothLevels) {
    TWarningCollector warnings;
    TWarningCollector::Messages().clear();
    ShowCategory(QStringLiteral("Systems"));
    {
        QAbstractItemModelTester source(&Grid->Model(),
                                        QAbstractItemModelTester::FailureReportingMode::Warning);
        QAbstractItemModelTester sorted(&Grid->SortModel(),
                                        QAbstractItemModelTester::FailureReportingMode::Warning);
        Keys->SetCategoryFilter(false);
        Refresh();
        Grid->expand(CategoryRow(QStringLiteral("General")));
        Keys->SetCategoryFilter(true);
        Refresh();
    }
    EXPECT_EQ(TWarningCollector::Messages(), QStringList());
}

// --- the mouse ------------------------------------------------------------------------------------

TEST_F(KeyGridTest, ARightClickOverEitherViewSwitchesBetweenTheCategoryAndAll) {
    ShowCategory(QStringLiteral("Flight Control"));

    Click(Qt::RightButton, CommandRow(QStringLiteral("Pedal left")));
    EXPECT_EQ(Rows(), 54);
    EXPECT_EQ(ExpandedRows(), 0);

    Click(Qt::RightButton, CategoryRow(QStringLiteral("Systems")));
    EXPECT_EQ(CategoryTexts(), QStringList{"Flight Control"});
    EXPECT_EQ(ExpandedRows(), 1);
    EXPECT_EQ(Refreshes, 2);
}

TEST_F(KeyGridTest, AfterACategoryWasOpenedInTheFullListARightClickListsAllAgain) {
    ShowCategory(QStringLiteral("Flight Control"));
    Click(Qt::RightButton, View().index(0, 0));
    Grid->expand(CategoryRow(QStringLiteral("View")));
    // The opened category asked for its commands, which filtered Keys to it.
    ASSERT_GT(View().rowCount(CategoryRow(QStringLiteral("View"))), 0);

    Click(Qt::RightButton, CategoryRow(QStringLiteral("General")));
    EXPECT_EQ(Rows(), 54);

    Click(Qt::RightButton, CategoryRow(QStringLiteral("General")));
    EXPECT_EQ(CategoryTexts(), QStringList{"Flight Control"});
}

TEST_F(KeyGridTest, ACategoryOpenedInTheFullListLeavesEveryCategoryListed) {
    Keys->SetCategoryFilter(false);
    Refresh();
    const QStringList all = CategoryTexts();
    const QModelIndex view = CategoryRow(QStringLiteral("View"));
    Grid->expand(view);
    Grid->scrollTo(view, QAbstractItemView::PositionAtTop);
    QImage image(Grid->size(), QImage::Format_RGB32);
    Grid->render(&image);

    EXPECT_EQ(CategoryTexts(), all);
    EXPECT_EQ(View().rowCount(CategoryRow(QStringLiteral("View"))), 71);
    EXPECT_TRUE(CommandRow(QStringLiteral("Cockpit view")).isValid());
    EXPECT_TRUE(HasPixel(image, Grid->CellRect(View().index(1, 0, view)).translated(Grid->viewport()->pos()),
                         IsDark));
}

class KeyGridOtherButtons : public KeyGridTest, public ::testing::WithParamInterface<Qt::MouseButton> {};

TEST_P(KeyGridOtherButtons, ChangeNothingInEitherState) {
    for (const bool filtered : {true, false}) {
        SCOPED_TRACE(filtered ? "one category" : "every category");
        ShowCategory(QStringLiteral("Flight Control"));
        if (!filtered) Click(Qt::RightButton, View().index(0, 0));
        const QStringList before = CategoryTexts();
        const int expanded = ExpandedRows();
        const int refreshes = Refreshes;
        const bool keysFiltered = Keys->KeysFiltered();

        Click(GetParam(), View().index(0, 0));
        Grid->viewKeysMouseUp(GetParam());

        EXPECT_EQ(CategoryTexts(), before);
        EXPECT_EQ(ExpandedRows(), expanded);
        EXPECT_EQ(Refreshes, refreshes);
        EXPECT_EQ(Keys->KeysFiltered(), keysFiltered);
    }
}

INSTANTIATE_TEST_SUITE_P(LeftAndMiddle, KeyGridOtherButtons,
                         ::testing::Values(Qt::LeftButton, Qt::MiddleButton));

// --- the command view's columns ---------------------------------------------------------------------

struct TColumnsCase {
    const char* Command;
    const char* Key;
    const char* Shift;
    const char* Ctrl;
    const char* Alt;
    const char* Win;
};

class KeyGridColumns : public KeyGridWithTestBindings, public ::testing::WithParamInterface<TColumnsCase> {};

TEST_P(KeyGridColumns, TheLeftKeyWinsWhereABindingNamesBothSides) {
    ShowCategory(QStringLiteral("Grid Test"));
    const QModelIndex row = CommandRow(GetParam().Command);
    ASSERT_TRUE(row.isValid());
    const QStringList columns = {Text(row.siblingAtColumn(1)), Text(row.siblingAtColumn(2)),
                                 Text(row.siblingAtColumn(3)), Text(row.siblingAtColumn(4)),
                                 Text(row.siblingAtColumn(5))};
    EXPECT_EQ(columns, (QStringList{GetParam().Key, GetParam().Shift, GetParam().Ctrl, GetParam().Alt,
                                    GetParam().Win}));
}

INSTANTIATE_TEST_SUITE_P(
    Bindings, KeyGridColumns,
    ::testing::Values(TColumnsCase{"Both sides of everything", "F9", "LShift", "LCtrl", "LAlt", "LWin"},
                      TColumnsCase{"Right side of everything", "F9", "RShift", "RCtrl", "RAlt", "RWin"},
                      TColumnsCase{"Mixed sides", "W", "LShift", "RCtrl", "", ""},
                      TColumnsCase{"Semicolon", ";", "", "", "", ""}));

TEST_F(KeyGridWithTestBindings, AClippedCellHintsItsFullTextAndAWholeOneNothing) {
    ShowCategory(QStringLiteral("Grid Test"));
    const QString longName =
        QStringLiteral("No modifiers, and a command name far too long to be shown whole in its column");
    const QModelIndex clipped = CommandRow(longName);
    const QModelIndex whole = CommandRow(QStringLiteral("Semicolon"));
    ASSERT_TRUE(clipped.isValid() && whole.isValid());

    EXPECT_EQ(Grid->ClippedText(clipped), longName);
    EXPECT_EQ(Grid->ClippedText(whole), "");
    EXPECT_EQ(Grid->ClippedText(View().index(0, 0)), "");

    const QPoint at = Grid->CellRect(clipped).center();
    QHelpEvent help(QEvent::ToolTip, at, Grid->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(Grid->viewport(), &help);
    EXPECT_EQ(QToolTip::text(), longName);
    QToolTip::hideText();
}

// --- a double click ---------------------------------------------------------------------------------

struct TDoubleClickCase {
    const char* Category;
    const char* Command;
    quint16 PostedKey;
    TModifierSet Modifiers;
};

TModifierSet Set(std::initializer_list<bool TModifierSet::*> flags) {
    TModifierSet set;
    for (bool TModifierSet::*flag : flags)
        set.*flag = true;
    return set;
}

class KeyGridDoubleClick : public KeyGridWithTestBindings,
                           public ::testing::WithParamInterface<TDoubleClickCase> {};

TEST_P(KeyGridDoubleClick, PostsTheKeyToTheWindowWithExactlyTheBindingsFlags) {
    ShowCategory(GetParam().Category);
    const QModelIndex row = CommandRow(GetParam().Command);
    ASSERT_TRUE(row.isValid());

    DoubleClick(Grid->CellRect(row.siblingAtColumn(1)).center());
    QCoreApplication::sendPostedEvents(&Window);

    ASSERT_EQ(ModifierSets.size(), 1u);
    EXPECT_EQ(ModifierSets[0], GetParam().Modifiers);
    ASSERT_EQ(Window.Messages.size(), 1u);
    EXPECT_EQ(Window.Messages[0].message, WM_KEYDOWN);
    EXPECT_EQ(Window.Messages[0].wParam, GetParam().PostedKey);
    EXPECT_EQ(Window.Messages[0].lParam, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Bindings, KeyGridDoubleClick,
    ::testing::Values(
        // An upper-case letter: its key, without the layout's shift flag for the capital.
        TDoubleClickCase{"General", "Time accelerate", 0x5A, Set({&TModifierSet::LCtrl})},
        // Left Shift with right Ctrl: a set no key presses can make.
        TDoubleClickCase{"Grid Test", "Mixed sides", 0x57,
                         Set({&TModifierSet::LShift, &TModifierSet::RCtrl})},
        TDoubleClickCase{"Flight Control", "Collective decrease fast", VK_NEXT, Set({&TModifierSet::LShift})},
        // Right Win has no flag of the window's.
        TDoubleClickCase{"Grid Test", "Right side of everything", VK_F9,
                         Set({&TModifierSet::RShift, &TModifierSet::RCtrl, &TModifierSet::RAlt})},
        TDoubleClickCase{"Grid Test", "Semicolon", VK_OEM_1, {}},
        TDoubleClickCase{"Grid Test", "Unknown key name", 0, {}}));

TEST_F(KeyGridTest, ADoubleClickOffTheCommandsPostsNothing) {
    ShowCategory(QStringLiteral("Flight Control"));
    const QModelIndex first = View().index(0, 0, View().index(0, 0));
    const QRect header = Grid->visualRect(first);

    DoubleClick({header.center().x(), header.top() + 2}); // the command view's header
    DoubleClick(Grid->CellRect(View().index(0, 0)).center());
    QCoreApplication::sendPostedEvents(&Window);

    EXPECT_TRUE(Window.Messages.empty());
    EXPECT_TRUE(ModifierSets.empty());
}

// --- the highlight ----------------------------------------------------------------------------------

struct THighlightCase {
    const char* Name;
    quint16 VK;
    bool LShift, LCtrl;
    const char* Highlighted; // empty: none
};

class KeyGridHighlight : public KeyGridTest, public ::testing::WithParamInterface<THighlightCase> {};

TEST_P(KeyGridHighlight, OnlyTheCategoryOfTheLastCommandShownWithThePanelIsDrawnSelected) {
    const THighlightCase& c = GetParam();
    Keys->PanelVisible = true;
    QString command, category;
    Keys->FindCommand(c.VK, false, false, false, false, c.LShift, false, c.LCtrl, false, command, category);
    Keys->SetCategoryFilter(false);
    Refresh();
    Grid->resize(752, 54 * 40);
    QImage image(Grid->size(), QImage::Format_RGB32);
    Grid->render(&image);

    int highlighted = 0;
    for (int row = 0; row < Rows(); ++row) {
        const QModelIndex index = View().index(row, 0);
        const bool expected = Text(index) == QLatin1String(c.Highlighted);
        EXPECT_EQ(Grid->ContentStyle(index), expected ? &Grid->cxStyle_Selected : nullptr)
            << Text(index).toStdString();
        const QRect cell = Grid->CellRect(index).translated(Grid->viewport()->pos());
        EXPECT_EQ(HasPixel(image, cell, IsNavy), expected) << Text(index).toStdString();
        highlighted += expected;
    }
    EXPECT_EQ(highlighted, QString(c.Highlighted).isEmpty() ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Commands, KeyGridHighlight,
                         ::testing::Values(THighlightCase{"MainCategory", 0x5A, false, true, "General"},
                                           THighlightCase{"FinerCategory", 0x51, true, true,
                                                          "Electrical Power Controls"},
                                           THighlightCase{"NothingFound", VK_F12, true, true, ""}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(KeyGridTest, CommandRowsAlwaysUseTheDefaultStyle) {
    Keys->PanelVisible = true;
    QString command, category;
    Keys->FindCommand(0x5A, false, false, false, false, false, false, true, false, command, category);
    Refresh();
    const QModelIndex general = View().index(0, 0);
    ASSERT_EQ(Text(general), "General");
    ASSERT_EQ(Grid->ContentStyle(general), &Grid->cxStyle_Selected);
    for (int row = 0; row < View().rowCount(general); ++row)
        EXPECT_EQ(Grid->ContentStyle(View().index(row, 0, general)), nullptr) << row;
    EXPECT_EQ(Grid->cxStyle_Selected.Font.family(), "Tahoma");
    EXPECT_EQ(Grid->cxStyle_Selected.Font.pixelSize(), 11);
    EXPECT_TRUE(Grid->cxStyle_Selected.Font.bold());
    EXPECT_EQ(Grid->cxStyle_Selected.TextColor, QColor(0, 0, 0x80));
}

// --- through the main window ------------------------------------------------------------------------

class GridInMainWindow : public TMainWindowFixture {};

TEST_F(GridInMainWindow, AShownKeyListsItsCategoryAndADoubleClickShowsAnotherOfItsCommands) {
    Window->imgFormSizeClick();
    Pump();
    TKeyGrid& grid = *Window->Grid;
    EXPECT_EQ(grid.EmptyText(), "<No keys>");

    HookTap('Z');
    ASSERT_EQ(Window->lblCommand->text(), "Pedal left");
    Timers.Advance(800);
    Pump();
    // The grid reloaded while its page was hidden; it is looked at only now.
    Window->PageControl->setCurrentWidget(Window->tshPanelKeys);
    Pump();

    QAbstractItemModel& view = *grid.model();
    ASSERT_EQ(view.rowCount(), 1);
    const QModelIndex category = view.index(0, 0);
    EXPECT_EQ(category.data().toString(), "Flight Control");
    EXPECT_TRUE(grid.isExpanded(category));
    EXPECT_EQ(grid.ContentStyle(category), &grid.cxStyle_Selected);

    QModelIndex other;
    for (int row = 0; row < view.rowCount(category); ++row)
        if (view.index(row, 0, category).data().toString() == "Collective decrease fast")
            other = view.index(row, 0, category);
    ASSERT_TRUE(other.isValid());
    grid.scrollTo(other);
    ASSERT_TRUE(grid.viewport()->rect().contains(grid.CellRect(other))) << grid.CellRect(other).y();
    // Drawn, not only laid out, below the command view's header.
    QImage image(grid.size(), QImage::Format_RGB32);
    grid.render(&image);
    EXPECT_TRUE(HasPixel(image, grid.CellRect(other).translated(grid.viewport()->pos()), IsDark));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(other).center());
    Pump();

    EXPECT_EQ(Window->lblCommand->text(), "Collective decrease fast");
    EXPECT_EQ(Window->lblCategory->text(), "Flight Control");
    EXPECT_EQ(Window->lblKey->text(), "PAGEDOWN");
    EXPECT_TRUE(Window->imgLShift->isVisibleTo(Window.get()));
    for (QWidget* cap : {Window->imgRShift, Window->imgLCtrl, Window->imgRCtrl, Window->imgLAlt,
                         Window->imgRAlt, Window->imgLWin})
        EXPECT_FALSE(cap->isVisibleTo(Window.get())) << cap->objectName().toStdString();
    EXPECT_TRUE(Boxes.Texts.isEmpty());
}

} // namespace
