#include "Shader.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

QRgb Rgb(int red, int green, int blue) { return qRgb(red, green, blue); }

QImage Painted(TShader& shader) { return shader.grab().toImage(); }

TEST(Shader, PublishesItsDefaults) {
    TShader shader;
    EXPECT_EQ(shader.property("FromColor").toInt(), 16711680);
    EXPECT_EQ(shader.property("ToColor").toInt(), 0);
    EXPECT_EQ(shader.property("Steps").toInt(), 20);
    EXPECT_EQ(shader.property("Direction").toBool(), false);
    EXPECT_EQ(shader.property("Version").toString(), "1.1.0.0");
}

TEST(Shader, IgnoresWritesOfItsVersion) {
    TShader shader;
    EXPECT_TRUE(shader.setProperty("Version", QStringLiteral("9.9.9.9")));
    EXPECT_EQ(shader.Version(), "1.1.0.0");
}

// The gradient keeps the colour a system colour had when it was set.
TEST(Shader, StoresTheRGBValueOfASystemColourAtTheMomentOfSetting) {
    TShader shader;
    shader.SetFromColor(clBtnFace);
    shader.SetToColor(clGradientInactiveCaption);
    const TColor face = GetSysColor(15);
    SetSysColor(15, RGBColor(10, 20, 30));
    EXPECT_EQ(shader.FromColor(), RGBColor(240, 240, 240));
    EXPECT_EQ(shader.ToColor(), RGBColor(215, 228, 242));
    shader.SetFromColor(clBtnFace);
    EXPECT_EQ(shader.FromColor(), RGBColor(10, 20, 30));
    SetSysColor(15, face);
}

TEST(Shader, PaintsTheSplashBackgroundBandByBand) {
    TShader shader;
    shader.resize(365, 288);
    shader.SetFromColor(16640730);
    shader.SetToColor(14986888);
    shader.SetSteps(100);
    const QImage image = Painted(shader);
    ASSERT_EQ(image.size(), QSize(365, 288));
    const struct {
        int Row;
        QRgb Color;
    } rows[] = {
        {0, Rgb(218, 234, 253)},   {2, Rgb(218, 234, 253)},
        {3, Rgb(217, 233, 253)},   // band 1 starts at nearest(2.88) = 3 and paints over band 0's last row
        {284, Rgb(138, 175, 229)}, // band 98, its blue rounded half to even
        {285, Rgb(137, 175, 228)}, {287, Rgb(137, 175, 228)},
    };
    for (const auto& r : rows)
        for (int x : {0, 182, 364}) EXPECT_EQ(image.pixel(x, r.Row), r.Color) << "row " << r.Row << " column " << x;
    for (int y = 0; y < 288; ++y) ASSERT_NE(image.pixel(0, y), Rgb(136, 174, 228)) << "ToColor painted at row " << y;
}

TEST(Shader, ZeroStepsPaintOneBandOfFromColorAndBecomeOne) {
    TShader shader;
    shader.resize(50, 40);
    shader.SetFromColor(RGBColor(10, 200, 30));
    shader.SetToColor(RGBColor(250, 0, 0));
    shader.SetSteps(0);
    const QImage image = Painted(shader);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x) ASSERT_EQ(image.pixel(x, y), Rgb(10, 200, 30)) << x << "," << y;
    EXPECT_EQ(shader.Steps(), 1);
}

TEST(Shader, PaintsThreeBandsAcrossAHundredColumns) {
    TShader shader;
    shader.resize(100, 20);
    shader.SetFromColor(RGBColor(0, 0, 0));
    shader.SetToColor(RGBColor(90, 30, 255));
    shader.SetSteps(3);
    shader.SetDirection(true);
    const QImage image = Painted(shader);
    const struct {
        int Column;
        QRgb Color;
    } columns[] = {{0, Rgb(0, 0, 0)},       {32, Rgb(0, 0, 0)},       {33, Rgb(30, 10, 85)},
                   {66, Rgb(30, 10, 85)},   {67, Rgb(60, 20, 170)},   {99, Rgb(60, 20, 170)}};
    for (const auto& c : columns)
        for (int y : {0, 19}) EXPECT_EQ(image.pixel(c.Column, y), c.Color) << "column " << c.Column;
}

} // namespace
