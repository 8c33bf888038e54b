// The colour-channel filter and the two settings objects that notify the viewer.
#include "Channels.h"
#include "ImageGrid.h"
#include "RGBChanel.h"

#include <gtest/gtest.h>

namespace {

QImage OnePixel(int r, int g, int b, int width = 1) {
    QImage image(width, 1, QImage::Format_RGB888);
    image.fill(QColor(r, g, b));
    return image;
}

struct ChannelCase {
    const char* Name;
    TChannelFlags Flags;
    QRgb Expected; // for the pixel (90, 30, 210)
};

class Channels : public testing::TestWithParam<ChannelCase> {};

TEST_P(Channels, FilterEveryPixel) {
    QImage image = OnePixel(90, 30, 210, 3);
    ApplyChannels(image, GetParam().Flags);
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(image.pixel(x, 0) & 0xFFFFFFu, GetParam().Expected) << x;
}

INSTANTIATE_TEST_SUITE_P(Cases, Channels,
                         testing::Values(ChannelCase{"allOn", {false, true, true, true}, 0x5A1ED2},
                                         ChannelCase{"onlyRed", {false, true, false, false}, 0x5A0000},
                                         ChannelCase{"noGreen", {false, true, false, true}, 0x5A00D2},
                                         ChannelCase{"allOff", {false, false, false, false}, 0x000000},
                                         ChannelCase{"greyAverage", {true, true, true, true}, 0x6E6E6E},
                                         ChannelCase{"greyGreenAndBlue", {true, false, true, true}, 0x1E1E1E},
                                         ChannelCase{"greyRedAndBlue", {true, true, false, true}, 0x5A5A5A},
                                         ChannelCase{"greyBlue", {true, false, false, true}, 0xD2D2D2},
                                         ChannelCase{"greyNone", {true, false, false, false}, 0x5A1ED2}),
                         [](const auto& info) { return info.param.Name; });

TEST(Channels, FilterRowsWiderThan32768Pixels) {
    QImage image = OnePixel(90, 30, 210, 40000);
    ApplyChannels(image, {false, false, true, false});
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFFu, 0x001E00u);
    EXPECT_EQ(image.pixel(39999, 0) & 0xFFFFFFu, 0x001E00u);
}

TEST(Channels, ConvertToTwentyFourBits) {
    QImage image = OnePixel(90, 30, 210).convertToFormat(QImage::Format_RGB32);
    ApplyChannels(image, {false, true, true, true});
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
}

TEST(RGBChanel, SettingRGBNotifiesFourTimesAndSetsEveryChannel) {
    TRGBChanel channels;
    std::vector<bool> redAtEachNotice;
    channels.OnChange = [&](QObject* sender) {
        EXPECT_EQ(sender, &channels);
        redAtEachNotice.push_back(channels.R());
    };
    channels.SetRGB(false);
    EXPECT_EQ(redAtEachNotice, (std::vector<bool>{false, false, false, false}));
    EXPECT_FALSE(channels.G());
    EXPECT_FALSE(channels.B());
    EXPECT_FALSE(channels.RGB());
}

TEST(RGBChanel, CopyingFlagsNotifiesNobody) {
    TRGBChanel source, target;
    source.SetMonoRGB(true);
    source.SetG(false);
    int notices = 0;
    target.OnChange = [&](QObject*) { ++notices; };
    target.CopyFlagsFrom(source);
    EXPECT_EQ(notices, 0);
    EXPECT_TRUE(target.MonoRGB());
    EXPECT_FALSE(target.G());
    EXPECT_TRUE(target.R());
}

TEST(ImageGrid, EverySetterNotifiesAfterStoring) {
    TImageGrid grid;
    EXPECT_EQ(grid.GridPen().Color, QColor(255, 255, 255));
    EXPECT_EQ(grid.SubGridPen().Color, QColor(128, 128, 128));
    EXPECT_TRUE(grid.OnlyOnPaper());
    EXPECT_FALSE(grid.Visible());
    std::vector<double> distanceAtEachNotice;
    grid.OnChange = [&](QObject* sender) {
        EXPECT_EQ(sender, &grid);
        distanceAtEachNotice.push_back(grid.GridDistance());
    };
    grid.SetGridDistance(10);
    grid.SetVisible(true);
    grid.SetOnlyOnPaper(false);
    const TPen thick{Qt::yellow, 3, Qt::DashLine, TPenMode::pmNotXor};
    grid.SetGridPen(thick);
    grid.SetSubGridPen(thick);
    EXPECT_EQ(distanceAtEachNotice.size(), 5u);
    EXPECT_EQ(distanceAtEachNotice.front(), 10);
    EXPECT_EQ(grid.GridPen(), thick);
    EXPECT_EQ(grid.SubGridPen(), thick);
}

} // namespace
