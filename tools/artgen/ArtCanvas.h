#pragma once
// Small helpers every picture of the generator shares: a transparent canvas and the window's colours.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

namespace art {

// The main window's gradient runs from the inactive-caption gradient colour down to a very light cyan;
// every picture has to read well on it.
inline const QColor kWindowTop{215, 228, 242};
inline const QColor kWindowBottom{240, 251, 255};
// The splash window's own gradient.
inline const QColor kSplashTop{218, 234, 253};
inline const QColor kSplashBottom{136, 174, 228};
inline const QColor kNavy{0, 0, 128};

// A fully transparent 32-bit canvas with straight (not premultiplied) alpha, as PNG stores it.
QImage NewCanvas(QSize size);

// A painter with antialiasing on the given canvas.
void BeginSmooth(QPainter& painter, QImage& canvas);

// Maps the part source of a drawing's design space into target, keeping its proportions and centring
// it.
void FitDesign(QPainter& painter, const QRectF& source, const QRectF& target);

// Fades a finished picture into a soft watermark: colours are pulled towards tint by strength (0..1)
// and every alpha is multiplied by opacity, so that text drawn over it stays easy to read.
void Fade(QImage& picture, const QColor& tint, double strength, double opacity);

// Paints a vertical gradient over the whole rectangle.
void FillVerticalGradient(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom);

} // namespace art
