// The viewer's geometry without a window: zoom rule, fitting, mappings and the drawn window.
#include "Exceptions.h"
#include "ZoomGeometry.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TZoomGeometry Geometry(int width, int height, int pictureWidth = 0, int pictureHeight = 0) {
    TZoomGeometry g;
    g.Width = width;
    g.Height = height;
    g.PictureWidth = pictureWidth;
    g.PictureHeight = pictureHeight;
    return g;
}

struct ZoomRuleCase {
    const char* Name;
    int PictureWidth, PictureHeight;
    long double Value;
    bool Runs;
    long double Result;
};

class ZoomRule : public testing::TestWithParam<ZoomRuleCase> {};

TEST_P(ZoomRule, KeepsTheZoomWithinItsLimits) {
    const ZoomRuleCase& c = GetParam();
    TZoomGeometry g = Geometry(400, 300, c.PictureWidth, c.PictureHeight);
    EXPECT_EQ(g.ApplyZoomRule(c.Value), c.Runs);
    EXPECT_EQ(g.Zoom, c.Result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZoomRule,
    testing::Values(ZoomRuleCase{"above100", 1000, 800, 150, true, 100},
                    ZoomRuleCase{"exactly100", 1000, 800, 100, true, 100},
                    ZoomRuleCase{"sameValue", 1000, 800, 1, false, 1},
                    ZoomRuleCase{"notANumber", 1000, 800, NAN, false, 1},
                    ZoomRuleCase{"heightTooSmall", 1000, 800, 0.009L, true, 1},
                    ZoomRuleCase{"bothAboveEight", 1000, 800, 0.02L, true, 0.02L},
                    ZoomRuleCase{"justAboveEight", 8, 100, 1.5L, true, 1.5L},
                    ZoomRuleCase{"widthExactlyEight", 8, 100, 1.0L, false, 1},
                    ZoomRuleCase{"noPicture", 0, 0, 2, true, 1},
                    ZoomRuleCase{"noPictureAbove100", 0, 0, 150, true, 100}),
    [](const auto& info) { return info.param.Name; });

TEST(ZoomRule, RefusesAPictureOnlyEightPixelsWide) {
    TZoomGeometry g = Geometry(400, 300, 16, 100);
    g.ApplyZoomRule(0.5L); // 16 x 0.5 = 8: not more than 8
    EXPECT_EQ(g.Zoom, 1);
    g.ApplyZoomRule(0.51L);
    EXPECT_EQ(g.Zoom, 0.51L);
}

TEST(Mapping, HalvesRoundToEven) {
    TZoomGeometry g = Geometry(101, 100);
    g.xCent = 7;
    EXPECT_EQ(g.WorldToScreenX(7), 50); // 50.5
    g.Width = 103;
    EXPECT_EQ(g.WorldToScreenX(7), 52); // 51.5
    g.Height = 99;
    g.yCent = 3;
    EXPECT_EQ(g.WorldToScreenY(3), 50); // 49.5
}

TEST(Mapping, ScreenAndPictureAreInverse) {
    TZoomGeometry g = Geometry(200, 100);
    g.Zoom = 2;
    g.xCent = 10;
    g.yCent = -4;
    EXPECT_DOUBLE_EQ(g.ScreenToWorldX(120), 20);
    EXPECT_DOUBLE_EQ(g.ScreenToWorldY(51), -3.5);
    EXPECT_EQ(g.WorldToScreenX(20), 120);
    EXPECT_EQ(g.WorldToScreenY(-3.5), 51);
}

TEST(Mapping, ScreenPositionOutsideThe32BitRangeIsARangeError) {
    TZoomGeometry g = Geometry(100, 100);
    g.Zoom = 100;
    EXPECT_THROW(g.WorldToScreenX(1e9), ERangeError);
    EXPECT_THROW(g.WorldToScreenY(-1e9), ERangeError);
    EXPECT_EQ(g.WorldToScreenX(2e7), 2000000050);
}

struct FitCase {
    const char* Name;
    int Width, Height, PictureWidth, PictureHeight;
    long double Zoom;
};

class Fit : public testing::TestWithParam<FitCase> {};

TEST_P(Fit, CentresAndChoosesTheBindingSide) {
    const FitCase& c = GetParam();
    TZoomGeometry g = Geometry(c.Width, c.Height);
    const auto zoom = g.PrepareFit(c.PictureWidth, c.PictureHeight);
    ASSERT_TRUE(zoom.has_value());
    EXPECT_EQ(*zoom, c.Zoom);
    EXPECT_EQ(g.xCent, c.PictureWidth / 2.0);
    EXPECT_EQ(g.yCent, c.PictureHeight / 2.0);
    EXPECT_EQ(g.PictureWidth, c.PictureWidth);
    EXPECT_EQ(g.PictureHeight, c.PictureHeight);
}

INSTANTIATE_TEST_SUITE_P(Cases, Fit,
                         testing::Values(FitCase{"heightBound", 200, 100, 1000, 1000, 100.0L / 1000},
                                         FitCase{"widthBound", 100, 200, 1000, 1000, 100.0L / 1000},
                                         FitCase{"panel", 752, 560, 1600, 1000, 752.0L / 1600},
                                         FitCase{"sameAspectUsesHeight", 400, 300, 800, 600, 300.0L / 600}),
                         [](const auto& info) { return info.param.Name; });

TEST(Fit, ControlWithoutHeightChangesNothing) {
    TZoomGeometry g = Geometry(200, 0);
    g.xCent = 3;
    EXPECT_FALSE(g.PrepareFit(1000, 1000).has_value());
    EXPECT_EQ(g.xCent, 3);
    EXPECT_EQ(g.PictureWidth, 0);
}

TEST(CalcWindow, ReachesOnePixelBeyondTheVisibleArea) {
    TZoomGeometry g = Geometry(100, 100);
    g.Zoom = 2;
    g.xCent = 50;
    g.yCent = 40;
    g.CalcWindow(1000, 800, true);
    EXPECT_EQ(g.x1, 24);
    EXPECT_EQ(g.x2, 76);
    EXPECT_EQ(g.y1, 14);
    EXPECT_EQ(g.y2, 66);
    EXPECT_EQ(g.ScreenRect, (TRect{-2, -2, 102, 102}));
}

TEST(CalcWindow, RoundsWindowHalvesToEven) {
    TZoomGeometry g = Geometry(100, 100);
    g.xCent = 10.5;
    g.yCent = 0.5;
    g.CalcWindow(1000, 800, true);
    EXPECT_EQ(g.x1, -40); // -40.5
    EXPECT_EQ(g.x2, 62);  // 61.5
    EXPECT_EQ(g.y1, -50); // -50.5
    EXPECT_EQ(g.y2, 52);  // 51.5
}

TEST(CalcWindow, ClampsTheCentreIntoThePictureUnlessOverMove) {
    TZoomGeometry g = Geometry(100, 100);
    g.xCent = -50;
    g.yCent = 3000;
    g.CalcWindow(1000, 800, true);
    EXPECT_EQ(g.xCent, -50);
    EXPECT_EQ(g.yCent, 3000);
    g.CalcWindow(1000, 800, false);
    EXPECT_EQ(g.xCent, 0);
    EXPECT_EQ(g.yCent, 800);
}

TEST(Rect, ContainsIsHalfOpenAndNormalisingOrdersCorners) {
    const TRect r = NormalizedRect(30, 40, 10, 20);
    EXPECT_EQ(r, (TRect{10, 20, 30, 40}));
    EXPECT_TRUE(r.Contains(10, 20));
    EXPECT_FALSE(r.Contains(30, 39));
    EXPECT_FALSE(r.Contains(29, 40));
    EXPECT_FALSE((TRect{5, 5, 5, 5}).Contains(5, 5));
}

} // namespace
