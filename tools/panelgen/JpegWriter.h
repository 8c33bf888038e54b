#pragma once
// Baseline JPEG encoding with libjpeg, and the choice of quality that lands a picture in a size range.

#include <QByteArray>
#include <QImage>

namespace panelgen {

// The picture as a baseline JFIF file of the given quality (1 to 100).
QByteArray EncodeJpeg(const QImage& picture, int quality);

struct SizedJpeg {
    QByteArray data;
    int quality = 0;
};

// The best quality whose file is at most maxBytes long. The caller checks the lower bound:
// a picture with too little detail stays small at every quality.
SizedJpeg EncodeJpegWithin(const QImage& picture, qsizetype maxBytes);

} // namespace panelgen
