#include "TestPictures.h"

#include <QtEndian>
#include <cstdio>

namespace {

const char kLabels[] = "abcdefghijkl";

} // namespace

QColor LabelColor(char label) {
    if (label == '.') return QColor(192, 192, 192);
    const int k = label - 'a';
    return QColor(20 * k + 5, 250 - 20 * k, (k * 67) % 256);
}

QImage LabelledPicture(const TLabelRows& rows) {
    QImage image(int(rows[0].size()), int(rows.size()), QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixelColor(x, y, LabelColor(rows[y][x]));
    return image;
}

TLabelRows Labels(const QImage& image) {
    TLabelRows rows(image.height(), std::string(image.width(), '?'));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xFF000000u;
            for (char label : std::string(".") + kLabels)
                if (LabelColor(label).rgb() == pixel) rows[y][x] = label;
        }
    return rows;
}

QImage TwelveColours() { return LabelledPicture({"abcd", "efgh", "ijkl"}); }

QImage PhotoLikePicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* p = image.scanLine(y);
        for (int x = 0; x < width; ++x, p += 3) {
            p[0] = uchar((x * 255) / std::max(width - 1, 1));
            p[1] = uchar((y * 255) / std::max(height - 1, 1));
            p[2] = uchar(((x / 16 + y / 16) % 2) * 128 + (x * y) % 64);
        }
    }
    return image;
}

QByteArray EncodeBmp(const QImage& picture, int bitCount, bool topDown) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    // An 8-bit bitmap gets a palette of the picture's own colours, in order of appearance.
    QList<QRgb> palette;
    if (bitCount == 8)
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x)
                if (!palette.contains(rgb.pixel(x, y))) palette.append(rgb.pixel(x, y));
    const int stride = (rgb.width() * bitCount + 31) / 32 * 4;
    const int paletteBytes = int(palette.size()) * 4;
    const int offset = 14 + 40 + paletteBytes;
    QByteArray data(offset + stride * rgb.height(), '\0');
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, data.data() + at); };
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, data.data() + at); };
    data[0] = 'B';
    data[1] = 'M';
    put32(2, quint32(data.size()));
    put32(10, quint32(offset));
    put32(14, 40);
    put32(18, quint32(rgb.width()));
    put32(22, quint32(topDown ? -rgb.height() : rgb.height()));
    put16(26, 1);
    put16(28, quint16(bitCount));
    put32(46, quint32(palette.size()));
    for (int i = 0; i < palette.size(); ++i) put32(54 + 4 * i, palette[i] & 0xFFFFFFu);
    for (int y = 0; y < rgb.height(); ++y) {
        uchar* row = reinterpret_cast<uchar*>(data.data()) + offset + stride * (topDown ? y : rgb.height() - 1 - y);
        const uchar* in = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x, in += 3) {
            if (bitCount == 8) {
                row[x] = uchar(palette.indexOf(qRgb(in[0], in[1], in[2])));
            } else {
                uchar* p = row + x * (bitCount / 8);
                p[0] = in[2];
                p[1] = in[1];
                p[2] = in[0];
            }
        }
    }
    return data;
}
