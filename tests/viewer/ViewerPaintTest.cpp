// The paint routine: background, the stretched picture, the overlays in their order, the selection
// outline and the pointer cross, on the back buffer the window is shown from.
#include "ViewerFixture.h"

#include <cmath>
#include <set>

namespace {

const QColor kSilver(192, 192, 192);
const QColor kRed(255, 0, 0);

class ViewerPaint : public ViewerTest {
protected:
    ViewerPaint() {
        View->SetCentralCross(false);
        View->SetCursorCross(false);
    }
    // The columns of row y that show colour.
    static std::set<int> ColumnsOf(const QImage& frame, int y, const QColor& colour) {
        std::set<int> columns;
        for (int x = 0; x < frame.width(); ++x)
            if (frame.pixelColor(x, y) == colour) columns.insert(x);
        return columns;
    }
};

TEST_F(ViewerPaint, WithoutPictureShowsTheBackgroundAndTheCentralCross) {
    View->resize(100, 80);
    View->SetCentralCross(true);
    bool before = false;
    int after = 0;
    View->OnBeforePaint = [&](QObject*, double, double, TRect&) { before = true; };
    View->OnAfterPaint = [&](QObject* sender, double, double, TRect& rect) {
        EXPECT_EQ(sender, View);
        EXPECT_EQ(rect, TRect{});
        ++after;
    };
    const QImage frame = Frame();
    EXPECT_EQ(frame.size(), QSize(100, 80));
    EXPECT_EQ(frame.pixelColor(10, 10), kSilver);
    EXPECT_EQ(ColumnsOf(frame, 10, kRed), std::set<int>{50});
    EXPECT_EQ(frame.pixelColor(10, 40), kRed);
    EXPECT_FALSE(before);
    EXPECT_EQ(after, 1);
}

TEST_F(ViewerPaint, TheWindowShowsTheStretchedPictureOnTheBackground) {
    View->resize(14, 11);
    Load(TwelveColours());
    View->SetZoom(3);
    CentreOn(2, 1.5);
    const TLabelRows expected{"..............", ".aaabbbcccddd.", ".aaabbbcccddd.", ".aaabbbcccddd.",
                              ".eeefffggghhh.", ".eeefffggghhh.", ".eeefffggghhh.", ".iiijjjkkklll.",
                              ".iiijjjkkklll.", ".iiijjjkkklll.", ".............."};
    EXPECT_EQ(Labels(View->grab().toImage()), expected);
    EXPECT_EQ(View->Geometry().ScreenRect, (TRect{-2, -2, 16, 13}));
}

TEST_F(ViewerPaint, PaintEventsSeeTheScreenRectangleAndMayNarrowIt) {
    View->resize(14, 11);
    Load(TwelveColours());
    View->SetZoom(3);
    CentreOn(2, 1.5);
    View->OnBeforePaint = [](QObject*, double xCent, double yCent, TRect& rect) {
        EXPECT_EQ(xCent, 2);
        EXPECT_EQ(yCent, 1.5);
        rect.Right = 4; // only the first picture column
    };
    TRect seenAfter;
    View->OnAfterPaint = [&](QObject*, double, double, TRect& rect) { seenAfter = rect; };
    const TLabelRows rows = Labels(Frame());
    EXPECT_EQ(rows[1], ".aaa..........");
    EXPECT_EQ(seenAfter, (TRect{-2, -2, 4, 13}));
}

TEST_F(ViewerPaint, BackCrossShowsOnlyWhereTheBackgroundShows) {
    View->resize(100, 100);
    View->SetBackCross(true);
    QImage frame = Frame();
    EXPECT_EQ(frame.pixelColor(10, 10), kRed);
    EXPECT_EQ(frame.pixelColor(10, 90), kRed);
    EXPECT_EQ(frame.pixelColor(10, 50), kSilver);
    LoadPlain(100, 100);
    View->SetZoom(0.5);
    CentreOn(50, 50); // the picture covers the middle 50 x 50
    frame = Frame();
    EXPECT_EQ(frame.pixelColor(10, 10), kRed);
    EXPECT_EQ(frame.pixelColor(40, 40), LabelColor('a'));
}

TEST_F(ViewerPaint, OverlaysAreDrawnPixelGridThenGridThenCentralCross) {
    View->resize(200, 100);
    LoadPlain(100, 80);
    View->SetZoom(7);
    CentreOn(50, 40);
    View->SetPixelGrid(true);
    View->Grid()->SetVisible(true);
    View->Grid()->SetGridDistance(2);
    View->SetCentralCross(true);
    const QImage frame = Frame();
    const int row = 53; // between horizontal lines at 50 and 57
    EXPECT_EQ(frame.pixelColor(100, row), kRed);                // all three meet at the middle
    EXPECT_EQ(frame.pixelColor(107, row), QColor(128, 128, 128)); // pixel border 51: pixel grid only
    EXPECT_EQ(frame.pixelColor(114, row), QColor(255, 255, 255)); // border 52: the grid covers it
    EXPECT_EQ(frame.pixelColor(110, row), LabelColor('a'));
}

struct GridCase {
    const char* Name;
    double Distance;
    long double Zoom;
    bool OnlyOnPaper;
    std::set<int> Columns; // white columns of a row between horizontal lines
};

class GridOverlay : public ViewerPaint, public testing::WithParamInterface<GridCase> {};

TEST_P(GridOverlay, CoversThePictureAtItsSpacing) {
    const GridCase& c = GetParam();
    View->resize(200, 100);
    LoadPlain(100, 80);
    View->SetZoom(c.Zoom);
    CentreOn(50, 40);
    View->Grid()->SetVisible(true);
    View->Grid()->SetGridDistance(c.Distance);
    View->Grid()->SetOnlyOnPaper(c.OnlyOnPaper);
    EXPECT_EQ(ColumnsOf(Frame(), 52, Qt::white), c.Columns);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridOverlay,
    testing::Values(GridCase{"zeroDistance", 0, 7, true, {}}, GridCase{"fivePixelsApart", 10, 0.5L, true, {}},
                    // World x 0, 10, ..., 100 at screen (x - 50) * 0.7 + 100.
                    GridCase{"sevenPixelsApart", 10, 0.7L, true, {65, 72, 79, 86, 93, 100, 107, 114, 121, 128, 135}},
                    GridCase{"notOnPaper", 10, 0.7L, false, {}}),
    [](const auto& info) { return info.param.Name; });

TEST_F(ViewerPaint, PixelGridNeedsAZoomAboveFour) {
    View->resize(200, 100);
    LoadPlain(100, 80);
    CentreOn(50, 40);
    View->SetPixelGrid(true);
    const QColor grey(128, 128, 128);
    View->SetZoom(4);
    EXPECT_TRUE(ColumnsOf(Frame(), 52, grey).empty());
    View->SetZoom(5);
    std::set<int> everyBorder; // borders at 5 x - 150 over the whole drawn window
    for (int x = 0; x < 200; x += 5) everyBorder.insert(x);
    EXPECT_EQ(ColumnsOf(Frame(), 52, grey), everyBorder);
    View->Grid()->SetOnlyOnPaper(false);
    EXPECT_TRUE(ColumnsOf(Frame(), 52, grey).empty());
}

TEST_F(ViewerPaint, GridLinesDoubleTheirWidthOverAPixelGrid) {
    View->resize(200, 100);
    LoadPlain(100, 80);
    CentreOn(50, 40);
    View->SetZoom(7);
    View->Grid()->SetVisible(true);
    View->Grid()->SetGridDistance(10);
    // Picture x = 40, 50, 60 in sight, at screen x = 30, 100, 170.
    EXPECT_EQ(ColumnsOf(Frame(), 52, Qt::white), (std::set<int>{30, 100, 170}));
    View->SetPixelGrid(true);
    const std::set<int> wide = ColumnsOf(Frame(), 52, Qt::white);
    EXPECT_EQ(wide.size(), 6u);
    EXPECT_EQ(wide.count(100) + wide.count(99) + wide.count(101), 2u);
}

TEST_F(ViewerPaint, StepsAfterAFailedOneStillRun) {
    View->resize(100, 100);
    LoadPlain(10, 10);
    View->SetZoom(100);
    CentreOn(1e9, 0); // the grid's picture corners lie far outside the 32-bit range
    View->Grid()->SetVisible(true);
    View->Grid()->SetGridDistance(1);
    View->SetCentralCross(true);
    int after = 0;
    View->OnAfterPaint = [&](QObject*, double, double, TRect&) { ++after; };
    const QImage frame = Frame();
    EXPECT_EQ(frame.pixelColor(50, 10), kRed);
    EXPECT_EQ(after, 1);
}

TEST_F(ViewerPaint, SelectionOutlineInvertsWhatIsBeneathIt) {
    View->resize(100, 100);
    Leave(); // no pointer cross in the way
    View->SetCursorCross(false);
    Press({30, 30});
    Release({30, 30});
    Move({60, 50}); // the rubber band repaints at once
    const QImage frame = View->BackBuffer();
    const QColor inverted(255 - 192, 255 - 192, 255 - 192);
    EXPECT_EQ(frame.pixelColor(30, 30), inverted);
    EXPECT_EQ(frame.pixelColor(59, 30), inverted);
    EXPECT_EQ(frame.pixelColor(59, 49), inverted);
    EXPECT_EQ(frame.pixelColor(30, 49), inverted);
    EXPECT_EQ(frame.pixelColor(60, 30), kSilver);
    EXPECT_EQ(frame.pixelColor(30, 50), kSilver);
    EXPECT_EQ(frame.pixelColor(45, 40), kSilver);
}

TEST_F(ViewerPaint, PointerCrossTwiceLeavesTheWindowAsItWas) {
    View->resize(100, 100);
    Load(TwelveColours());
    View->SetZoom(20); // the picture covers x 10..89, y 10..69
    CentreOn(2, 1.5);
    View->SetBulbRadius(1); // 20 screen pixels
    const QImage clean = Frame();
    View->DrawCursorCross({50, 40});
    const QImage crossed = View->BackBuffer();
    // NOT (blue XOR silver) on the background beside the picture.
    EXPECT_EQ(crossed.pixelColor(5, 40), QColor(63, 63, 192));
    EXPECT_EQ(crossed.pixelColor(50, 95), QColor(63, 63, 192));
    // Off the two lines, only a ring about 20 pixels from the pointer changed: the circle's outline.
    int ring = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            if (x == 50 || y == 40 || crossed.pixel(x, y) == clean.pixel(x, y)) continue;
            const double distance = std::hypot(x - 50, y - 40);
            EXPECT_TRUE(distance > 18.5 && distance < 21.5) << x << "," << y;
            ++ring;
        }
    EXPECT_GT(ring, 80);
    View->DrawCursorCross({50, 40});
    EXPECT_EQ(View->BackBuffer(), clean);
}

TEST_F(ViewerPaint, APaintRedrawsThePointerCrossWhereItWasLastDrawn) {
    View->resize(100, 100);
    View->SetCursorCross(true);
    Frame();
    Move({40, 30});
    EXPECT_EQ(View->BackBuffer().pixelColor(5, 30), QColor(63, 63, 192));
    const QImage frame = Frame();
    EXPECT_EQ(frame.pixelColor(5, 30), QColor(63, 63, 192));
    EXPECT_EQ(frame.pixelColor(40, 5), QColor(63, 63, 192));
    // The next move erases it there and draws it at the new place.
    Move({60, 70});
    EXPECT_EQ(View->BackBuffer().pixelColor(5, 30), kSilver);
    EXPECT_EQ(View->BackBuffer().pixelColor(5, 70), QColor(63, 63, 192));
}

} // namespace
