// Our stretch, pixel by pixel, on a 4 x 3 picture whose pixels all differ: a shift by one pixel or a
// smoothed border shows as a wrong letter.
#include "NearestStretch.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

namespace {

struct StretchCase {
    const char* Name;
    int Width, Height;
    long double Zoom;
    double xCent, yCent;
    TLabelRows Expected;
};

TLabelRows StretchInto(const QImage& picture, const StretchCase& c, const TRect* clip = nullptr) {
    TZoomGeometry g;
    g.Width = c.Width;
    g.Height = c.Height;
    g.Zoom = c.Zoom;
    g.xCent = c.xCent;
    g.yCent = c.yCent;
    g.CalcWindow(picture.width(), picture.height(), true);
    QImage target(c.Width, c.Height, QImage::Format_RGB32);
    target.fill(LabelColor('.'));
    StretchWindow(picture, g, clip ? *clip : g.ScreenRect, target);
    return Labels(target);
}

class Stretch : public testing::TestWithParam<StretchCase> {};

TEST_P(Stretch, ShowsEachPictureBetweenItsMappedBorders) {
    EXPECT_EQ(StretchInto(TwelveColours(), GetParam()), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Stretch,
    testing::Values(
        // Borders at 3i + 1 across and 3j + 1 down: sharp 3 x 3 blocks, background around them.
        StretchCase{"zoom3", 14, 11, 3, 2, 1.5,
                    {"..............", ".aaabbbcccddd.", ".aaabbbcccddd.", ".aaabbbcccddd.", ".eeefffggghhh.",
                     ".eeefffggghhh.", ".eeefffggghhh.", ".iiijjjkkklll.", ".iiijjjkkklll.", ".iiijjjkkklll.",
                     ".............."}},
        // Borders 2, 2, 3, 4, 4 across and 1, 2, 2, 3 down: pixels between equal borders are dropped.
        StretchCase{"zoomHalf", 6, 4, 0.5L, 2, 1.5, {"......", "..bc..", "..jk..", "......"}},
        // Centre off every pixel border; borders 2, 4, 7, 9, 12 across and 1, 4, 6, 9 down.
        StretchCase{"zoomTwoAndAHalfOffBorder", 10, 8, 2.5L, 1.3, 1.1,
                    {"..........", "..aabbbccd", "..aabbbccd", "..aabbbccd", "..eefffggh", "..eefffggh",
                     "..iijjjkkl", "..iijjjkkl"}},
        // The picture's left edge at x = 5; borders down at -2, 0, 2, 4 (halves to even).
        StretchCase{"pictureAtTheEdge", 6, 3, 2, -1, 1.5, {".....e", ".....e", ".....i"}},
        StretchCase{"pictureOutOfSight", 6, 3, 2, 40, 1.5, {"......", "......", "......"}}),
    [](const auto& info) { return info.param.Name; });

TEST(Stretch, WritesNothingOutsideTheClip) {
    const StretchCase zoom3{"", 14, 11, 3, 2, 1.5, {}};
    const TRect clip{4, 3, 8, 5};
    const TLabelRows expected{"..............", "..............", "..............", "....bbbc......",
                              "....fffg......", "..............",
                              "..............", "..............", "..............", "..............",
                              ".............."};
    TLabelRows got = StretchInto(TwelveColours(), zoom3, &clip);
    EXPECT_EQ(got, expected);
}

TEST(Stretch, ReadsAnyPictureFormat) {
    const StretchCase zoom3{"", 14, 11, 3, 2, 1.5, {}};
    const TLabelRows from24 = StretchInto(TwelveColours(), zoom3);
    EXPECT_EQ(StretchInto(TwelveColours().convertToFormat(QImage::Format_RGB32), zoom3), from24);
}

} // namespace
