#pragma once
// Decodes a JPEG into a 24-bit picture with libjpeg-turbo.

#include <QByteArray>
#include <QImage>

// The whole picture as QImage::Format_RGB888, or a null image when the data is not a complete, sound
// JPEG: corrupt, truncated (libjpeg would pad it with grey), of a colour space we cannot show as RGB,
// or larger than kMaxPictureSide. A half-decoded picture is never returned.
QImage DecodeJpeg(const QByteArray& data);
