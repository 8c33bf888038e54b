#pragma once
// Reads a Windows bitmap (BMP) file image into a 24-bit picture.

#include <QByteArray>
#include <QImage>

// Uncompressed bitmaps with an info header of 40 bytes or more, at 1, 4, 8, 16 (5-5-5), 24 or 32 bits
// per pixel, bottom-up or top-down. Returns QImage::Format_RGB888. Raises EReadError for anything else:
// no bitmap, a kind we do not read, a size over kMaxPictureSide (refused before any allocation) or
// data that ends early.
QImage ReadBmp(const QByteArray& data);
