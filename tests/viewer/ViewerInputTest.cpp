// The viewer under synthetic pointer, wheel and key events: drag, wheel zoom, fit, double-click,
// edge scrolling, cursor zones and the rubber-band selection, state by state.
#include "ViewerFixture.h"

namespace {

struct Notice {
    double xCent, yCent, xWorld, yWorld, Zoom;
    int X, Y;
};

class ViewerInput : public ViewerTest {
protected:
    ViewerInput() {
        LoadPlain(1000, 800);
        CentreOn(500, 400);
    }
    void RecordChangeWindow() {
        View->OnChangeWindow = [this](QObject*, double xc, double yc, double xw, double yw, double z, int x, int y) {
            Notices.push_back({xc, yc, xw, yw, z, x, y});
        };
    }
    // Click, move, click: a fixed selection from (100, 100) to (200, 180).
    void FixSelection(QPoint from = {100, 100}, QPoint to = {200, 180}) {
        Click(from);
        Move(to);
        Click(to);
        ASSERT_EQ(View->SelectionState(), ssFixed);
    }
    std::vector<Notice> Notices;
};

// --- Wheel -----------------------------------------------------------------------------------------

TEST_F(ViewerInput, EachWheelMessageZoomsTenPercentAboutTheMiddle) {
    Wheel(120, {30, 40});
    EXPECT_EQ(View->Zoom(), 1.1L);
    Wheel(360); // one step, whatever the size
    EXPECT_EQ(View->Zoom(), 1.1L * 1.1L);
    Wheel(-120);
    EXPECT_EQ(View->Zoom(), 1.1L * 1.1L * 0.9L);
    EXPECT_NEAR(double(View->Zoom()), 1.089, 1e-12);
    Wheel(0);
    EXPECT_EQ(View->Zoom(), 1.1L * 1.1L * 0.9L * 1.1L);
    EXPECT_EQ(View->xCent(), 500);
    EXPECT_EQ(View->yCent(), 400);
}

TEST_F(ViewerInput, AWheelStepNotifiesFromTheZoomRuleThenWithThePointer) {
    Press({10, 20}, Qt::MiddleButton); // the anchor
    RecordChangeWindow();
    Wheel(120, {250, 100});
    ASSERT_EQ(Notices.size(), 2u);
    EXPECT_EQ(Notices[0].X, 10);
    EXPECT_EQ(Notices[0].Y, 20);
    EXPECT_EQ(Notices[1].X, 250);
    EXPECT_EQ(Notices[1].Y, 100);
    EXPECT_DOUBLE_EQ(Notices[1].xWorld, 500 + 50 / 1.1);
    EXPECT_DOUBLE_EQ(Notices[1].Zoom, double(1.1L));
}

TEST_F(ViewerInput, WheelEventsFireForEachNotchUnlessTheFirstClaimsTheMessage) {
    int up = 0, down = 0;
    bool claim = false;
    View->OnMouseWheel = [&](QObject*, TShiftState, int, QPoint, bool& handled) { handled = claim; };
    View->OnMouseWheelUp = [&](QObject*, TShiftState, QPoint, bool&) { ++up; };
    View->OnMouseWheelDown = [&](QObject*, TShiftState, QPoint, bool&) { ++down; };
    Wheel(240);
    Wheel(-360);
    Wheel(60);
    EXPECT_EQ(up, 2);
    EXPECT_EQ(down, 3);
    claim = true;
    const long double before = View->Zoom();
    Wheel(120);
    EXPECT_EQ(up, 2);
    EXPECT_EQ(View->Zoom(), before * 1.1L); // zooms all the same
}

class RecordingParent : public QWidget {
public:
    int Wheels = 0, Keys = 0;

protected:
    void wheelEvent(QWheelEvent*) override { ++Wheels; }
    void keyPressEvent(QKeyEvent*) override { ++Keys; }
};

TEST_F(ViewerInput, WheelAndKeysNeverReachTheParentAndKeysChangeNothing) {
    RecordingParent parent;
    auto* view = new TALZoomImage(&parent);
    view->resize(400, 300);
    QWheelEvent wheel({200, 150}, {200, 150}, {}, {0, 120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    EXPECT_EQ(parent.Wheels, 0);

    for (int key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Space,
                    Qt::Key_Home, Qt::Key_A}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(key & 0x7F)));
        Send(press);
        QApplication::sendEvent(view, &press);
    }
    EXPECT_EQ(parent.Keys, 0);
    EXPECT_EQ(View->Zoom(), 1);
    EXPECT_EQ(View->xCent(), 500);
    EXPECT_EQ(View->yCent(), 400);
}

// --- Buttons ---------------------------------------------------------------------------------------

TEST_F(ViewerInput, RightReleaseFitsAndFiresNoMouseUp) {
    int ups = 0;
    View->OnMouseUp = [&](QObject*, Qt::MouseButton, TShiftState, int, int) { ++ups; };
    View->SetZoom(3);
    CentreOn(10, 10);
    Press({100, 100}, Qt::RightButton);
    Release({100, 100}, Qt::RightButton);
    EXPECT_EQ(View->Zoom(), 300.0L / 800);
    EXPECT_EQ(View->xCent(), 500);
    EXPECT_EQ(ups, 0);
    Click({100, 100});
    EXPECT_EQ(ups, 1);
}

TEST_F(ViewerInput, DoubleClickBringsTheLastPressToTheMiddle) {
    View->SetZoom(2);
    int doubles = 0;
    View->OnDblClick = [&](QObject*) {
        ++doubles;
        EXPECT_FALSE(View->SelectionShown());
        EXPECT_EQ(View->SelectionState(), ssNone);
    };
    Click({300, 200});
    DoubleClick({300, 200});
    EXPECT_EQ(View->xCent(), 550);
    EXPECT_EQ(View->yCent(), 425);
    EXPECT_EQ(View->Zoom(), 2);
    EXPECT_EQ(doubles, 1);
    // The second press's own handling follows and starts a new selection there.
    EXPECT_EQ(View->SelectionState(), ssStarted);
    EXPECT_EQ(View->SelectionRect(), (TRect{300, 200, 300, 200}));
}

TEST_F(ViewerInput, DragMovesThePictureWithThePointer) {
    View->SetZoom(2);
    Press({100, 100});
    Move({110, 90}, Qt::LeftButton);
    EXPECT_EQ(View->xCent(), 495);
    EXPECT_EQ(View->yCent(), 405);
    EXPECT_EQ(View->CursorId(), crSKEZ_2);
    EXPECT_FALSE(View->SelectionShown());
    EXPECT_EQ(View->AnchorPoint(), QPoint(110, 90));
    Move({120, 90}, Qt::LeftButton);
    EXPECT_EQ(View->xCent(), 490);
    Release({120, 90});
    EXPECT_EQ(View->CursorId(), crDefault); // the cursor the drag step found
}

class ModifierDrag : public ViewerInput, public testing::WithParamInterface<Qt::KeyboardModifier> {};

TEST_P(ModifierDrag, NeitherMovesThePictureNorStretchesARubberBand) {
    Press({100, 100}, Qt::LeftButton, GetParam());
    Move({130, 120}, Qt::LeftButton, GetParam());
    Move({140, 130}, Qt::NoButton, GetParam());
    EXPECT_EQ(View->xCent(), 500);
    EXPECT_EQ(View->yCent(), 400);
    EXPECT_EQ(View->SelectionState(), ssStarted);
    EXPECT_EQ(View->SelectionRect(), (TRect{100, 100, 100, 100}));
}

INSTANTIATE_TEST_SUITE_P(Keys, ModifierDrag, testing::Values(Qt::ShiftModifier, Qt::ControlModifier));

TEST_F(ViewerInput, ClickTakesTheFocusWhileTabStop) {
    View->SetTabStop(false);
    Parent.show();
    QApplication::setActiveWindow(&Parent);
    int clicks = 0;
    View->OnClick = [&](QObject*) { ++clicks; };
    Click({100, 100});
    EXPECT_FALSE(View->hasFocus());
    View->SetTabStop(true);
    Click({100, 100});
    EXPECT_TRUE(View->hasFocus());
    EXPECT_EQ(clicks, 2);
    Press({100, 100});
    Release({500, 100}); // released outside: no click
    EXPECT_EQ(clicks, 2);
}

TEST_F(ViewerInput, AMoveNotifiesThePointerAndThePicturePointUnderIt) {
    RecordChangeWindow();
    int moves = 0;
    View->OnMouseMove = [&](QObject*, TShiftState, int x, int y) {
        ++moves;
        EXPECT_EQ(QPoint(x, y), QPoint(250, 100));
        EXPECT_EQ(Notices.size(), 1u); // fired after the change notice
    };
    Move({250, 100});
    ASSERT_EQ(Notices.size(), 1u);
    EXPECT_EQ(Notices[0].xWorld, 550);
    EXPECT_EQ(Notices[0].yWorld, 350);
    EXPECT_EQ(Notices[0].X, 250);
    EXPECT_EQ(moves, 1);
}

TEST_F(ViewerInput, EnteringCopiesCursorCrossAndLeavingGivesItBack) {
    int enters = 0, leaves = 0;
    View->OnMouseEnter = [&](QObject*) { ++enters; };
    View->OnMouseLeave = [&](QObject*) { ++leaves; };
    Enter();
    EXPECT_TRUE(View->PointerCrossShown());
    View->SetCursorCross(false);
    Leave();
    EXPECT_TRUE(View->CursorCross());
    EXPECT_FALSE(View->PointerCrossShown());
    View->SetCursorCross(false);
    Enter();
    EXPECT_FALSE(View->PointerCrossShown());
    EXPECT_EQ(enters, 2);
    EXPECT_EQ(leaves, 1);
}

// --- Edge scrolling and cursor zones ----------------------------------------------------------------

struct EdgeCase {
    const char* Name;
    QPoint Press;
    int Cursor;
    double dx, dy; // centre movement per tick at zoom 2
};

class EdgeScroll : public ViewerInput, public testing::WithParamInterface<EdgeCase> {};

TEST_P(EdgeScroll, MovesTenScreenPixelsPerTickWhileTheButtonIsHeld) {
    const EdgeCase& c = GetParam();
    View->SetZoom(2);
    Press(c.Press);
    EXPECT_EQ(View->CursorId(), c.Cursor);
    Timers.Advance(10);
    EXPECT_EQ(View->xCent(), 500 + c.dx);
    EXPECT_EQ(View->yCent(), 400 + c.dy);
    EXPECT_EQ(View->SelectionState(), ssNone);
    Timers.Advance(30);
    EXPECT_EQ(View->xCent(), 500 + 4 * c.dx);
    EXPECT_EQ(View->yCent(), 400 + 4 * c.dy);
    Release(c.Press);
    Timers.Advance(50);
    EXPECT_EQ(View->xCent(), 500 + 4 * c.dx);
    EXPECT_EQ(View->yCent(), 400 + 4 * c.dy);
}

INSTANTIATE_TEST_SUITE_P(Edges, EdgeScroll,
                         testing::Values(EdgeCase{"left", {15, 150}, crSNYIL_LEFT, -5, 0},
                                         EdgeCase{"right", {385, 150}, crSNYIL_RIGHT, 5, 0},
                                         EdgeCase{"top", {200, 5}, crSNYIL_UP, 0, -5},
                                         EdgeCase{"bottom", {200, 290}, crSNYIL_DOWN, 0, 5}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(ViewerInput, TheFirstDragStepEndsEdgeScrolling) {
    Press({15, 150});
    Timers.Advance(10);
    EXPECT_EQ(View->xCent(), 490);
    Move({16, 150}, Qt::LeftButton);
    EXPECT_EQ(View->CursorId(), crSKEZ_2);
    EXPECT_EQ(View->xCent(), 489);
    Timers.Advance(100);
    EXPECT_EQ(View->xCent(), 489);
    Release({16, 150});
    EXPECT_EQ(View->CursorId(), crSNYIL_LEFT); // the cursor the drag step found
}

TEST_F(ViewerInput, TheTimerDoesNothingWithoutTheLeftButton) {
    Press({15, 150}, Qt::RightButton);
    Timers.Advance(100);
    EXPECT_EQ(View->xCent(), 500);
}

TEST_F(ViewerInput, MovesUseTenPixelZonesAndKeepTheCursorBetweenTenAndTwenty) {
    const struct {
        QPoint To;
        int Cursor;
    } steps[] = {
        {{200, 150}, crDefault},     {{15, 150}, crDefault},      {{9, 150}, crSNYIL_LEFT},
        {{15, 150}, crSNYIL_LEFT},   {{200, 150}, crDefault},     {{391, 150}, crSNYIL_RIGHT},
        {{200, 150}, crDefault},     {{5, 5}, crSNYIL_UP},        {{395, 5}, crSNYIL_UP},
        {{5, 295}, crSNYIL_DOWN},    {{200, 150}, crDefault},     {{200, 285}, crDefault},
        {{200, 291}, crSNYIL_DOWN},
    };
    for (const auto& step : steps) {
        Move(step.To);
        EXPECT_EQ(View->CursorId(), step.Cursor) << step.To.x() << "," << step.To.y();
    }
}

TEST_F(ViewerInput, PressesUseTwentyPixelZones) {
    const struct {
        QPoint At;
        int Cursor;
    } presses[] = {
        {{15, 150}, crSNYIL_LEFT}, {{200, 150}, crDefault},  {{381, 150}, crSNYIL_RIGHT}, {{10, 10}, crSNYIL_UP},
        {{10, 290}, crSNYIL_DOWN}, {{380, 150}, crSNYIL_DOWN}, // 380 is no zone: the cursor stays
    };
    for (const auto& press : presses) {
        Press(press.At);
        EXPECT_EQ(View->CursorId(), press.Cursor) << press.At.x() << "," << press.At.y();
    }
}

// --- Selection ---------------------------------------------------------------------------------------

TEST_F(ViewerInput, ClickMoveClickFixesHoverShowsZoomInAndAClickInsideZooms) {
    Click({100, 100});
    Move({200, 180});
    Click({200, 180});
    EXPECT_EQ(View->SelectionState(), ssFixed);
    EXPECT_EQ(View->SelectionRect(), (TRect{100, 100, 200, 180}));
    Move({150, 140});
    EXPECT_EQ(View->CursorId(), crSZOOM_IN);
    Click({150, 140});
    // Centre on the selection's middle; its height (80) fills the control's (300).
    EXPECT_EQ(View->xCent(), 450);
    EXPECT_EQ(View->yCent(), 390);
    EXPECT_EQ(View->Zoom(), 300.0L / 80);
    EXPECT_FALSE(View->SelectionShown());
    EXPECT_EQ(View->SelectionState(), ssNone);
}

TEST_F(ViewerInput, AWideSelectionFillsTheControlsWidth) {
    FixSelection({100, 100}, {300, 140});
    Click({150, 120});
    EXPECT_EQ(View->Zoom(), 400.0L / 200);
}

TEST_F(ViewerInput, ASecondSeparateClickHidesTheEmptySelectionAndStartsNone) {
    Click({100, 100});
    EXPECT_EQ(View->SelectionState(), ssStarted);
    Click({100, 100});
    EXPECT_FALSE(View->SelectionShown());
    EXPECT_EQ(View->SelectionState(), ssNone);
}

struct TinyCase {
    const char* Name;
    QPoint To, Inside;
};

class TinySelection : public ViewerInput, public testing::WithParamInterface<TinyCase> {};

TEST_P(TinySelection, KeepsTheZoomCentresOnItAndCancels) {
    FixSelection({100, 100}, GetParam().To);
    Move(GetParam().Inside);
    Click(GetParam().Inside);
    EXPECT_EQ(View->Zoom(), 1);
    const TRect r = NormalizedRect(100, 100, GetParam().To.x(), GetParam().To.y());
    EXPECT_EQ(View->xCent(), 500 + (r.Left + r.Right) / 2 - 200);
    EXPECT_EQ(View->yCent(), 400 + (r.Top + r.Bottom) / 2 - 150);
    EXPECT_EQ(View->SelectionState(), ssNone);
    EXPECT_FALSE(View->SelectionShown());
}

INSTANTIATE_TEST_SUITE_P(Cases, TinySelection,
                         testing::Values(TinyCase{"onePixelTall", {200, 101}, {150, 100}},
                                         TinyCase{"onePixelWide", {101, 200}, {100, 150}}),
                         [](const auto& info) { return info.param.Name; });

// The selection's transitions, one row of its table each.

TEST_F(ViewerInput, Row1_LeftPressWhileHiddenWithTheDefaultCursorStarts) {
    Press({120, 130});
    EXPECT_TRUE(View->SelectionShown());
    EXPECT_EQ(View->SelectionState(), ssStarted);
    EXPECT_EQ(View->SelectionRect(), (TRect{120, 130, 120, 130}));
}

TEST_F(ViewerInput, Row1_NoStartWithAnotherCursorShown) {
    Move({5, 150});
    Press({5, 150});
    EXPECT_FALSE(View->SelectionShown());
    EXPECT_EQ(View->SelectionState(), ssNone);
}

TEST_F(ViewerInput, Row2_MoveWithoutButtonsStretchesAndRepaintsAtOnce) {
    View->SetCursorCross(false);
    Leave();
    Click({100, 100});
    Move({60, 70});
    EXPECT_EQ(View->SelectionState(), ssStretching);
    EXPECT_EQ(View->SelectionRect(), (TRect{60, 70, 100, 100}));
    // Without a pass of the event loop the outline already inverts the picture beneath it.
    const QColor a = LabelColor('a');
    EXPECT_EQ(View->BackBuffer().pixelColor(60, 80), QColor(255 - a.red(), 255 - a.green(), 255 - a.blue()));
    Move({150, 120});
    EXPECT_EQ(View->SelectionRect(), (TRect{100, 100, 150, 120}));
    Move({170, 130}, Qt::NoButton, Qt::ShiftModifier); // a modifier key: no stretching
    EXPECT_EQ(View->SelectionRect(), (TRect{100, 100, 150, 120}));
}

TEST_F(ViewerInput, Row3_LeftPressWhileStretchingOutsideFixes) {
    Click({100, 100});
    Move({160, 150});
    Press({170, 160});
    EXPECT_TRUE(View->SelectionShown());
    EXPECT_EQ(View->SelectionState(), ssFixed);
    EXPECT_EQ(View->SelectionRect(), (TRect{100, 100, 170, 160}));
}

TEST_F(ViewerInput, Row4_LeftPressInsideAShownSelectionZoomsToIt) {
    FixSelection();
    Press({150, 140});
    EXPECT_EQ(View->SelectionState(), ssNone);
    EXPECT_FALSE(View->SelectionShown());
    EXPECT_NE(View->Zoom(), 1);
}

TEST_F(ViewerInput, Row5_LeftPressOutsideAShownSelectionHidesIt) {
    FixSelection();
    Press({300, 250});
    EXPECT_EQ(View->SelectionState(), ssNone);
    EXPECT_FALSE(View->SelectionShown());
    EXPECT_EQ(View->Zoom(), 1);
}

TEST_F(ViewerInput, Row6_ZoomRuleAndDragStepHideButKeepTheState) {
    FixSelection();
    View->SetZoom(2);
    EXPECT_FALSE(View->SelectionShown());
    EXPECT_EQ(View->SelectionState(), ssFixed);
    View->SetSelectionVisible(true);
    Move({210, 190}, Qt::LeftButton);
    EXPECT_FALSE(View->SelectionShown());
    EXPECT_EQ(View->SelectionState(), ssFixed);
}

TEST_F(ViewerInput, Row7_DoubleClickCancels) {
    FixSelection();
    TSelectionState during = ssFixed;
    View->OnDblClick = [&](QObject*) { during = View->SelectionState(); };
    DoubleClick({150, 140});
    EXPECT_EQ(during, ssNone);
}

TEST_F(ViewerInput, Row7_EdgeTickOnAnArrowCancels) {
    Press({15, 150}); // starts a selection and shows the left arrow
    ASSERT_EQ(View->SelectionState(), ssStarted);
    Timers.Advance(10);
    EXPECT_EQ(View->SelectionState(), ssNone);
    EXPECT_FALSE(View->SelectionShown());
}

TEST_F(ViewerInput, WithSelectionDisabledNoneIsEverStarted) {
    View->SetEnableSelect(false);
    Click({100, 100});
    Move({200, 180});
    Click({200, 180});
    EXPECT_FALSE(View->SelectionShown());
    EXPECT_EQ(View->SelectionState(), ssNone);
}

} // namespace
