#include "ShaderBands.h"

#include <gtest/gtest.h>

namespace {

TEST(RoundHalfEven, TakesTheNearestIntegerAndTheEvenOneOfTwo) {
    const struct {
        double Value;
        qint64 Rounded;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-24.5, -24}, {-24.75, -25},
                 {-81.18, -81}, {285.12, 285}, {66.666, 67}, {2.88, 3}, {0.0, 0}, {3.49, 3}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.Value), c.Rounded) << c.Value;
}

const TColor SplashFrom = 16640730; // red 218, green 234, blue 253
const TColor SplashTo = 14986888;   // red 136, green 174, blue 228

TEST(ShaderBands, SplashBackgroundHasBandsOfTwoPointEightEightRows) {
    const auto bands = ShaderBands(SplashFrom, SplashTo, 100, false, 365, 288);
    ASSERT_EQ(bands.size(), 100u);
    EXPECT_EQ(bands[0].Left, 0);
    EXPECT_EQ(bands[0].Top, 0);
    EXPECT_EQ(bands[0].Right, 365);
    EXPECT_EQ(bands[0].Bottom, 4);
    EXPECT_EQ(bands[0].Color, RGBColor(218, 234, 253));
    EXPECT_EQ(bands[1].Top, 3); // overlaps band 0 by one row
    EXPECT_EQ(bands[99].Top, 285);
    EXPECT_EQ(bands[99].Bottom, 289);
    EXPECT_EQ(bands[99].Color, RGBColor(137, 175, 228));
    // Blue of band 98: 253 + nearest(98 * -0.25 = -24.5) takes the even -24.
    EXPECT_EQ(bands[98].Color, RGBColor(138, 175, 229));
}

TEST(ShaderBands, HorizontalBandsOfAHundredPixelsInThree) {
    const auto bands = ShaderBands(RGBColor(0, 0, 0), RGBColor(90, 30, 255), 3, true, 100, 40);
    ASSERT_EQ(bands.size(), 3u);
    const int lefts[] = {0, 33, 67};
    const TColor colors[] = {RGBColor(0, 0, 0), RGBColor(30, 10, 85), RGBColor(60, 20, 170)};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(bands[i].Left, lefts[i]) << i;
        EXPECT_EQ(bands[i].Right - bands[i].Left, 34) << i;
        EXPECT_EQ(bands[i].Top, 0) << i;
        EXPECT_EQ(bands[i].Bottom, 40) << i;
        EXPECT_EQ(bands[i].Color, colors[i]) << i;
    }
}

TEST(ShaderBands, PositionsWrapAtSixteenBits) {
    const auto bands = ShaderBands(clBlack, clBlue, 2, false, 10, 140000);
    EXPECT_EQ(bands[1].Top, 70000 - 65536);
}

TEST(SystemColors, ColorToRGBLooksUpSystemColoursOnly) {
    EXPECT_EQ(ColorToRGB(clNavy), RGBColor(0, 0, 128));
    EXPECT_EQ(ColorToRGB(clGradientInactiveCaption), RGBColor(215, 228, 242));
    EXPECT_EQ(ColorToRGB(clBtnFace), RGBColor(240, 240, 240));
    EXPECT_EQ(ColorToRGB(clSystemColor | 200), 0);
}

} // namespace
