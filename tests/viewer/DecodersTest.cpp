// The picture readers: JPEG through libjpeg, and our own BMP reader.
#include "BmpReader.h"
#include "Exceptions.h"
#include "JpegDecoder.h"
#include "Resources.h"
#include "TestPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

// Byte offset of the first JPEG marker of that kind (0xFF, marker).
qsizetype MarkerAt(const QByteArray& jpeg, uchar marker) {
    return jpeg.indexOf(QByteArray("\xFF") + char(marker));
}

TEST(Jpeg, DecodesIntoA24BitPicture) {
    // Smooth, so that the encoder's losses stay small: red grows to the right, green downwards.
    QImage original(64, 48, QImage::Format_RGB888);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) original.setPixelColor(x, y, QColor(x * 4, y * 5, 100));
    const QImage decoded = DecodeJpeg(EncodeJpeg(original, 95));
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.format(), QImage::Format_RGB888);
    EXPECT_EQ(decoded.size(), original.size());
    EXPECT_LE(LargestDifference(decoded, original), 8);
}

TEST(Jpeg, DecodesAGreyPictureAsRgb) {
    QImage grey = PhotoLikePicture(32, 16).convertToFormat(QImage::Format_Grayscale8);
    const QImage decoded = DecodeJpeg(EncodeJpeg(grey, 90));
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.format(), QImage::Format_RGB888);
}

struct DamageCase {
    const char* Name;
    QByteArray (*Damage)(const QByteArray& sound);
};

class DamagedJpeg : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedJpeg, GivesNoPictureRatherThanAPartOfOne) {
    const QByteArray sound = EncodeJpeg(PhotoLikePicture(64, 48), 90);
    EXPECT_TRUE(DecodeJpeg(GetParam().Damage(sound)).isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedJpeg,
    testing::Values(
        DamageCase{"empty", [](const QByteArray&) { return QByteArray(); }},
        DamageCase{"notAJpeg", [](const QByteArray&) { return QByteArray("BM this is no JPEG at all"); }},
        DamageCase{"headerOnly", [](const QByteArray& s) { return s.left(MarkerAt(s, 0xDA)); }},
        DamageCase{"truncatedHalfway", [](const QByteArray& s) { return s.left(s.size() / 2); }},
        DamageCase{"noEndMarker", [](const QByteArray& s) { return s.left(s.size() - 2); }},
        DamageCase{"markerInsideTheData",
                   [](const QByteArray& s) {
                       QByteArray d = s;
                       const qsizetype middle = (MarkerAt(s, 0xDA) + s.size()) / 2;
                       d[middle] = char(0xFF);
                       d[middle + 1] = char(0xD3); // a restart marker where none belongs
                       return d;
                   }},
        DamageCase{"absurdSize",
                   [](const QByteArray& s) {
                       QByteArray d = s;
                       const qsizetype sof = MarkerAt(s, 0xC0);
                       qToBigEndian(quint16(60000), d.data() + sof + 5); // height
                       qToBigEndian(quint16(60000), d.data() + sof + 7); // width
                       return d;
                   }}),
    [](const auto& info) { return info.param.Name; });

TEST(Jpeg, DecodesEveryPanelPictureTheProgramCarries) {
    int panels = 0;
    for (const QFileInfo& file : QDir(QStringLiteral(":/kes")).entryInfoList(QDir::Files)) {
        const QByteArray data = LoadResource(file.fileName());
        if (!data.startsWith("\xFF\xD8")) continue; // not a JPEG
        ++panels;
        const QImage picture = DecodeJpeg(data);
        EXPECT_FALSE(picture.isNull()) << file.fileName().toStdString();
        EXPECT_GE(picture.width(), 100) << file.fileName().toStdString();
    }
    EXPECT_GT(panels, 0);
}

struct BmpCase {
    const char* Name;
    int BitCount;
    bool TopDown;
};

class BmpRoundTrip : public testing::TestWithParam<BmpCase> {};

TEST_P(BmpRoundTrip, ReadsEveryPixel) {
    // 5 pixels wide: rows need padding at 8 and 24 bits.
    const QImage original = LabelledPicture({"abcde", "fghij", "kl.ab"});
    const QImage read = ReadBmp(EncodeBmp(original, GetParam().BitCount, GetParam().TopDown));
    EXPECT_EQ(read.format(), QImage::Format_RGB888);
    EXPECT_EQ(Labels(read), Labels(original));
}

INSTANTIATE_TEST_SUITE_P(Cases, BmpRoundTrip,
                         testing::Values(BmpCase{"bits24BottomUp", 24, false}, BmpCase{"bits24TopDown", 24, true},
                                         BmpCase{"bits32", 32, false}, BmpCase{"bits8Palette", 8, false}),
                         [](const auto& info) { return info.param.Name; });

// A one-row bitmap written by hand: bitCount bits per pixel, palette as 0xRRGGBB, then the row's bytes.
QByteArray OneRowBmp(int bitCount, int width, const QList<quint32>& palette, const QByteArray& row) {
    const int offset = 14 + 40 + 4 * int(palette.size());
    QByteArray data(offset, '\0');
    data[0] = 'B';
    data[1] = 'M';
    qToLittleEndian(quint32(offset), data.data() + 10);
    qToLittleEndian(quint32(40), data.data() + 14);
    qToLittleEndian(qint32(width), data.data() + 18);
    qToLittleEndian(qint32(1), data.data() + 22);
    qToLittleEndian(quint16(1), data.data() + 26);
    qToLittleEndian(quint16(bitCount), data.data() + 28);
    qToLittleEndian(quint32(palette.size()), data.data() + 46);
    for (int i = 0; i < palette.size(); ++i) qToLittleEndian(palette[i], data.data() + 54 + 4 * i);
    QByteArray padded = row;
    padded.resize((row.size() + 3) / 4 * 4, '\0');
    return data + padded;
}

struct SmallBmpCase {
    const char* Name;
    QByteArray Data;
    std::vector<QRgb> Pixels;
};

class SmallBmp : public testing::TestWithParam<SmallBmpCase> {};

TEST_P(SmallBmp, ReadsPackedPixels) {
    const QImage read = ReadBmp(GetParam().Data);
    ASSERT_EQ(read.width(), int(GetParam().Pixels.size()));
    for (int x = 0; x < read.width(); ++x) EXPECT_EQ(read.pixel(x, 0) & 0xFFFFFFu, GetParam().Pixels[x]) << x;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SmallBmp,
    testing::Values(
        // 1 0 1 from the top bit down.
        SmallBmpCase{"bits1", OneRowBmp(1, 3, {0x102030, 0xA0B0C0}, QByteArray("\xA0", 1)),
                     {0xA0B0C0, 0x102030, 0xA0B0C0}},
        // 2 0 1, high nibble first.
        SmallBmpCase{"bits4", OneRowBmp(4, 3, {0x000000, 0x00FF00, 0x0000FF}, QByteArray("\x20\x10", 2)),
                     {0x0000FF, 0x000000, 0x00FF00}},
        // 5-5-5: full red, full green, full blue, black.
        SmallBmpCase{"bits16", OneRowBmp(16, 4, {}, QByteArray("\x00\x7C\xE0\x03\x1F\x00\x00\x00", 8)),
                     {0xFF0000, 0x00FF00, 0x0000FF, 0x000000}}),
    [](const auto& info) { return info.param.Name; });

struct BadBmpCase {
    const char* Name;
    QByteArray (*Damage)(const QByteArray& sound);
    const char* Reason;
};

class BadBmp : public testing::TestWithParam<BadBmpCase> {};

TEST_P(BadBmp, IsRefusedWithAReason) {
    const QByteArray sound = EncodeBmp(TwelveColours(), 24, false);
    try {
        ReadBmp(GetParam().Damage(sound));
        FAIL() << "read without complaint";
    } catch (const EReadError& e) {
        EXPECT_TRUE(e.Message().contains(QLatin1String(GetParam().Reason))) << e.Message().toStdString();
    }
}

QByteArray WithU32(const QByteArray& s, int at, quint32 value) {
    QByteArray d = s;
    qToLittleEndian(value, d.data() + at);
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadBmp,
    testing::Values(
        BadBmpCase{"noSignature", [](const QByteArray& s) { return QByteArray("XX") + s.mid(2); }, "signature"},
        BadBmpCase{"cutInTheHeader", [](const QByteArray& s) { return s.left(30); }, "header"},
        BadBmpCase{"cutInThePixels", [](const QByteArray& s) { return s.left(s.size() - 1); }, "ends early"},
        // Nothing of this size is there to read, and nothing of it is allocated either.
        BadBmpCase{"absurdWidth", [](const QByteArray& s) { return WithU32(s, 18, 100000); }, "out of range"},
        BadBmpCase{"absurdHeight", [](const QByteArray& s) { return WithU32(s, 22, quint32(-100000)); },
                   "out of range"},
        BadBmpCase{"zeroWidth", [](const QByteArray& s) { return WithU32(s, 18, 0); }, "out of range"},
        BadBmpCase{"compressed", [](const QByteArray& s) { return WithU32(s, 30, 1); }, "compression"},
        BadBmpCase{"twoBitsPerPixel",
                   [](const QByteArray& s) {
                       QByteArray d = s;
                       qToLittleEndian(quint16(2), d.data() + 28);
                       return d;
                   },
                   "bits per pixel"},
        BadBmpCase{"oldHeader", [](const QByteArray& s) { return WithU32(s, 14, 12); }, "header"}),
    [](const auto& info) { return info.param.Name; });

} // namespace
