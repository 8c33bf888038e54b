#include "KeyCaps.h"

#include "ArtCanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <functional>

namespace {

// Backlit legend: warm amber on a dark cap, as on a cockpit panel at night.
const QColor kLegend{255, 190, 60};
const QColor kGlow{255, 170, 30};

// Paints a dark key cap filling size and returns the rectangle of its top face.
QRectF PaintCap(QPainter& p, QSizeF size) {
    const QRectF outer(1, 1, size.width() - 2, size.height() - 3);
    // shadow on the window below the key
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        p.setBrush(QColor(0, 20, 60, 26 * (4 - i)));
        p.drawRoundedRect(outer.translated(0, 1.5).adjusted(-i * 0.4, -i * 0.2, i * 0.4, i * 0.6), 7, 7);
    }
    // amber light escaping round the skirt
    p.setPen(QPen(QColor(kGlow.red(), kGlow.green(), kGlow.blue(), 150), 1.4));
    QLinearGradient skirt(outer.topLeft(), outer.bottomLeft());
    skirt.setColorAt(0, QColor(66, 74, 88));
    skirt.setColorAt(1, QColor(20, 24, 30));
    p.setBrush(skirt);
    p.drawRoundedRect(outer, 7, 7);

    const QRectF top = outer.adjusted(4, 2.5, -4, -6.5);
    QLinearGradient face(top.topLeft(), top.bottomLeft());
    face.setColorAt(0, QColor(92, 102, 118));
    face.setColorAt(0.5, QColor(62, 70, 84));
    face.setColorAt(1, QColor(46, 52, 64));
    p.setPen(QPen(QColor(120, 130, 146), 0.8));
    p.setBrush(face);
    p.drawRoundedRect(top, 5, 5);
    // sheen along the upper edge of the face
    QLinearGradient sheen(top.topLeft(), top.topLeft() + QPointF(0, top.height() * 0.45));
    sheen.setColorAt(0, QColor(255, 255, 255, 60));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawRoundedRect(top.adjusted(1, 1, -1, -top.height() * 0.5), 4, 4);
    return top;
}

// Draws a legend with a soft glow of the same shape around it.
void PaintLitLegend(QPainter& p, const QPainterPath& legend, double strokeWidth) {
    p.setBrush(Qt::NoBrush);
    for (int i = 3; i >= 1; --i) {
        p.setPen(QPen(QColor(kGlow.red(), kGlow.green(), kGlow.blue(), 34), strokeWidth + i * 2.2,
                      Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(legend);
    }
    p.setPen(QPen(kLegend.lighter(115), strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kLegend);
    p.drawPath(legend);
}

QImage Draw(QSize size, const std::function<QPainterPath(const QRectF&)>& legendOn, double strokeWidth) {
    QImage canvas = art::NewCanvas(size);
    QPainter p;
    art::BeginSmooth(p, canvas);
    const QRectF face = PaintCap(p, size);
    PaintLitLegend(p, legendOn(face), strokeWidth);
    return canvas;
}

} // namespace

QImage MakeLabelledKeyCap(QSize size, const QString& label) {
    return Draw(
        size,
        [&](const QRectF& face) {
            QFont font("DejaVu Sans");
            font.setBold(true);
            font.setPixelSize(15);
            QPainterPath text;
            text.addText(0, 0, font, label);
            const QRectF box = text.boundingRect();
            return text.translated(face.center() - box.center());
        },
        0.3);
}

QImage MakeWindowKeyCap() {
    return Draw(
        {51, 47},
        [](const QRectF& face) {
            // a window frame of four panes, slightly wider than high
            const QRectF frame(face.center() - QPointF(10.5, 8.5), QSizeF(21, 17));
            QPainterPath window;
            window.addRoundedRect(frame, 1.5, 1.5);
            QPainterPath panes;
            const double gap = 2.4;
            const double w = (frame.width() - 3 * gap) / 2, h = (frame.height() - 3 * gap) / 2;
            for (int row = 0; row < 2; ++row)
                for (int col = 0; col < 2; ++col)
                    panes.addRect(QRectF(frame.left() + gap + col * (w + gap),
                                         frame.top() + gap + row * (h + gap), w, h));
            return window.subtracted(panes);
        },
        0.2);
}
