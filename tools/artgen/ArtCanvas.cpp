#include "ArtCanvas.h"

#include <QLinearGradient>
#include <algorithm>

namespace art {

QImage NewCanvas(QSize size) {
    QImage canvas(size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    return canvas;
}

void BeginSmooth(QPainter& painter, QImage& canvas) {
    painter.begin(&canvas);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
}

void FitDesign(QPainter& painter, const QRectF& source, const QRectF& target) {
    const qreal scale = std::min(target.width() / source.width(), target.height() / source.height());
    painter.translate(target.center());
    painter.scale(scale, scale);
    painter.translate(-source.center());
}

void Fade(QImage& picture, const QColor& tint, double strength, double opacity) {
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = line[x];
            const auto mix = [&](int from, int to) { return qRound(from + (to - from) * strength); };
            line[x] = qRgba(mix(qRed(c), tint.red()), mix(qGreen(c), tint.green()),
                            mix(qBlue(c), tint.blue()), qRound(qAlpha(c) * opacity));
        }
    }
}

void FillVerticalGradient(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}

} // namespace art
