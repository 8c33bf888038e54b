// The pictures, cursors and icon that the program carries: each must be there under its resource name
// and decode at the size its control is laid out for.

#include "Resources.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage Decode(const char* name) {
    return QImage::fromData(LoadResource(name), "PNG");
}

struct PictureCase {
    const char* name;
    int width, height;
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.name;
}

class Picture : public testing::TestWithParam<PictureCase> {};

TEST_P(Picture, DecodesAtItsLayoutSizeOnATransparentGround) {
    const PictureCase& c = GetParam();
    ASSERT_TRUE(ResourceExists(c.name));
    const QImage picture = Decode(c.name);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(c.width, c.height));
    ASSERT_TRUE(picture.hasAlphaChannel());
    // Every one of them sits on the window's gradient, so at least its corner lets the gradient through.
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
}

INSTANTIATE_TEST_SUITE_P(Artwork, Picture,
                         testing::Values(PictureCase{"BACKGROUND", 533, 300},
                                         PictureCase{"PANEL_VIEW", 661, 372}, PictureCase{"CLOSE", 32, 32},
                                         PictureCase{"FORM_SIZE", 36, 36}, PictureCase{"KEY_SHIFT", 81, 48},
                                         PictureCase{"KEY_CTRL", 81, 48}, PictureCase{"KEY_ALT", 71, 48},
                                         PictureCase{"KEY_WIN", 51, 47}, PictureCase{"SPLASH", 279, 202},
                                         PictureCase{"ICON_16", 16, 16}, PictureCase{"ICON_32", 32, 32},
                                         PictureCase{"ICON_48", 48, 48}, PictureCase{"ICON_256", 256, 256}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CursorCase {
    const char* name;
    int hotX, hotY;
};

void PrintTo(const CursorCase& c, std::ostream* os) {
    *os << c.name;
}

class Cursor : public testing::TestWithParam<CursorCase> {};

TEST_P(Cursor, IsATwoColourPictureWithMaskAndItsHotSpot) {
    const CursorCase& c = GetParam();
    ASSERT_TRUE(ResourceExists(c.name));
    const QImage cursor = Decode(c.name);
    ASSERT_EQ(cursor.size(), QSize(32, 32));
    const QImage pixels = cursor.convertToFormat(QImage::Format_ARGB32);
    int black = 0, white = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = pixels.pixel(x, y);
            if (qAlpha(p) == 0) continue;
            ASSERT_EQ(qAlpha(p), 255) << "half-transparent pixel at " << x << "," << y;
            if (qRgb(qRed(p), qGreen(p), qBlue(p)) == qRgb(0, 0, 0))
                ++black;
            else if (qRgb(qRed(p), qGreen(p), qBlue(p)) == qRgb(255, 255, 255))
                ++white;
            else
                ADD_FAILURE() << "pixel at " << x << "," << y << " is neither black nor white";
        }
    EXPECT_GT(black, 0);
    EXPECT_GT(white, 0);

    EXPECT_EQ(cursor.text("HotSpotX"), QString::number(c.hotX));
    EXPECT_EQ(cursor.text("HotSpotY"), QString::number(c.hotY));
    // The hot spot is a pixel the user sees: the tip of the arrow, the lens, the palm.
    EXPECT_EQ(qAlpha(pixels.pixel(c.hotX, c.hotY)), 255);
}

INSTANTIATE_TEST_SUITE_P(Viewer, Cursor,
                         testing::Values(CursorCase{"SKEZ_1", 16, 16}, CursorCase{"SKEZ_2", 16, 16},
                                         CursorCase{"SREAL_ZOOM", 9, 10}, CursorCase{"SNYIL_UP", 16, 0},
                                         CursorCase{"SNYIL_DOWN", 16, 31}, CursorCase{"SNYIL_LEFT", 0, 16},
                                         CursorCase{"SNYIL_RIGHT", 30, 16}, CursorCase{"SZOOM_IN", 9, 10},
                                         CursorCase{"SZOOM_OUT", 9, 10}, CursorCase{"SHELP_CUR", 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Cursors, CrossHairIsNotCarried) {
    EXPECT_FALSE(ResourceExists("SKERESZT"));
}

} // namespace
