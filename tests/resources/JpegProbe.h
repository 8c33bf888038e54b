#pragma once
// What a JPEG file is, found by decoding it completely with libjpeg.

#include <QByteArray>

struct JpegFacts {
    bool decoded = false;     // the whole picture decoded without an error or warning
    int width = 0;
    int height = 0;
    int components = 0;       // 3 for a 24-bit colour picture
    bool progressive = false; // the program's pictures are baseline
};

JpegFacts ProbeJpeg(const QByteArray& data);
