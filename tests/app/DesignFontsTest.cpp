// The design's faces must be real ones that draw as asked: a bold design text must look bold.
#include "DesignFonts.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// The amount of ink a text leaves on white, summed over all pixels.
qint64 InkOf(const QFont& font, const QString& text) {
    QImage image(400, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(5, 45, text);
    painter.end();
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += 255 - qGray(image.pixel(x, y));
    return ink;
}

} // namespace

TEST(DesignFonts, TahomaIsTheEmbeddedFace) {
    RegisterDesignFonts();
    EXPECT_EQ(QFontInfo(DesignFont(QStringLiteral("Tahoma"), 11)).family(), QStringLiteral("Tahoma"));
}

class DesignFontsBold : public ::testing::TestWithParam<std::tuple<const char*, int>> {};

TEST_P(DesignFontsBold, BoldLeavesClearlyMoreInk) {
    RegisterDesignFonts();
    const auto [family, height] = GetParam();
    const QString text = QStringLiteral("Command LEFT");
    const qint64 regular = InkOf(DesignFont(QLatin1String(family), height), text);
    const qint64 bold = InkOf(DesignFont(QLatin1String(family), height, true), text);
    EXPECT_GT(bold, regular * 6 / 5) << family << " " << height;
}

// The bold faces of the design at their heights.
INSTANTIATE_TEST_SUITE_P(DesignFaces, DesignFontsBold,
                         ::testing::Values(std::make_tuple("Tahoma", 11), std::make_tuple("Tahoma", 16),
                                           std::make_tuple("Tahoma", 21), std::make_tuple("Verdana", 16)));
