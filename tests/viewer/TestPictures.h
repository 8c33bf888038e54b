#pragma once
// Small synthetic pictures for the viewer's tests, written as rows of labels: each letter stands for
// one colour of a fixed palette, '.' for the viewer's default background (silver).

#include "JpegWriter.h"

#include <QByteArray>
#include <QImage>
#include <string>
#include <vector>

using TLabelRows = std::vector<std::string>;

QColor LabelColor(char label);
// A 24-bit picture from label rows.
QImage LabelledPicture(const TLabelRows& rows);
// The labels of image's pixels; '?' for a colour outside the palette.
TLabelRows Labels(const QImage& image);

// 4 x 3 picture, every pixel its own colour: a b c d / e f g h / i j k l.
QImage TwelveColours();

// A smooth picture with some detail, as a photograph would have.
QImage PhotoLikePicture(int width, int height);

// File images written by the tests themselves.
using panelgen::EncodeJpeg;
QByteArray EncodeBmp(const QImage& picture, int bitCount, bool topDown);
