#include "BmpReader.h"

#include "Exceptions.h"
#include "PictureLimits.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr quint32 kUncompressed = 0;

[[noreturn]] void Refuse(const QString& why) { throw EReadError(QStringLiteral("Bitmap image is not valid: ") + why); }

class TBytes {
public:
    explicit TBytes(const QByteArray& data) : FData(data) {}
    qint64 Size() const { return FData.size(); }
    quint32 U16(qint64 at) const { return Byte(at) | Byte(at + 1) << 8; }
    quint32 U32(qint64 at) const { return U16(at) | U16(at + 2) << 16; }
    qint32 I32(qint64 at) const { return static_cast<qint32>(U32(at)); }
    const uchar* At(qint64 at) const { return reinterpret_cast<const uchar*>(FData.constData()) + at; }

private:
    quint32 Byte(qint64 at) const {
        if (at < 0 || at >= FData.size()) Refuse(QStringLiteral("the data ends inside the header"));
        return static_cast<uchar>(FData[at]);
    }
    const QByteArray& FData;
};

struct TRgb {
    uchar R = 0, G = 0, B = 0;
};

std::vector<TRgb> ReadPalette(const TBytes& bytes, qint64 at, int bitCount, quint32 colorsUsed) {
    const quint32 maxColors = 1u << bitCount;
    const quint32 count = colorsUsed == 0 ? maxColors : colorsUsed;
    if (count > maxColors) Refuse(QStringLiteral("the palette is larger than the pixels can address"));
    std::vector<TRgb> palette(maxColors);
    for (quint32 i = 0; i < count; ++i) {
        const quint32 bgr = bytes.U32(at + 4 * qint64(i));
        palette[i] = {uchar(bgr >> 16), uchar(bgr >> 8), uchar(bgr)};
    }
    return palette;
}

void ReadRow(const uchar* in, int width, int bitCount, const std::vector<TRgb>& palette, uchar* out) {
    for (int x = 0; x < width; ++x, out += 3) {
        TRgb c;
        switch (bitCount) {
        case 1: c = palette[(in[x / 8] >> (7 - x % 8)) & 1]; break;
        case 4: c = palette[(in[x / 2] >> (x % 2 ? 0 : 4)) & 15]; break;
        case 8: c = palette[in[x]]; break;
        case 16: {
            const quint32 v = in[2 * x] | in[2 * x + 1] << 8;
            auto five = [](quint32 bits) { return uchar((bits << 3) | (bits >> 2)); };
            c = {five((v >> 10) & 31), five((v >> 5) & 31), five(v & 31)};
            break;
        }
        case 24: c = {in[3 * x + 2], in[3 * x + 1], in[3 * x]}; break;
        default: c = {in[4 * x + 2], in[4 * x + 1], in[4 * x]}; break;
        }
        out[0] = c.R;
        out[1] = c.G;
        out[2] = c.B;
    }
}

} // namespace

QImage ReadBmp(const QByteArray& data) {
    const TBytes bytes(data);
    if (bytes.Size() < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        Refuse(QStringLiteral("no bitmap signature"));
    const quint32 pixelOffset = bytes.U32(10);
    const quint32 headerSize = bytes.U32(kFileHeaderSize);
    if (headerSize < 40) Refuse(QStringLiteral("unsupported header of %1 bytes").arg(headerSize));

    const qint32 width = bytes.I32(18);
    const qint32 rawHeight = bytes.I32(22);
    const int bitCount = static_cast<int>(bytes.U16(28));
    const quint32 compression = bytes.U32(30);
    const quint32 colorsUsed = bytes.U32(46);

    const qint64 height = std::llabs(static_cast<long long>(rawHeight));
    if (width <= 0 || height == 0 || width > kMaxPictureSide || height > kMaxPictureSide)
        Refuse(QStringLiteral("size %1 x %2 is out of range").arg(width).arg(rawHeight));
    if (compression != kUncompressed) Refuse(QStringLiteral("compression %1 is not supported").arg(compression));
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        Refuse(QStringLiteral("%1 bits per pixel are not supported").arg(bitCount));

    const qint64 stride = (qint64(width) * bitCount + 31) / 32 * 4;
    if (qint64(pixelOffset) + stride * height > bytes.Size()) Refuse(QStringLiteral("the pixel data ends early"));
    const std::vector<TRgb> palette =
        bitCount <= 8 ? ReadPalette(bytes, kFileHeaderSize + headerSize, bitCount, colorsUsed) : std::vector<TRgb>();

    QImage picture(width, static_cast<int>(height), QImage::Format_RGB888);
    if (picture.isNull()) Refuse(QStringLiteral("no memory for %1 x %2 pixels").arg(width).arg(height));
    const bool bottomUp = rawHeight > 0;
    for (int y = 0; y < picture.height(); ++y) {
        const qint64 fileRow = bottomUp ? height - 1 - y : y;
        ReadRow(bytes.At(pixelOffset + fileRow * stride), width, bitCount, palette, picture.scanLine(y));
    }
    return picture;
}
