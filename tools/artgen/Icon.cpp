#include "Icon.h"

#include "ArtCanvas.h"
#include "HelicopterLivery.h"
#include "HelicopterShape.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// The icon is drawn on a 256 grid and scaled; the smaller sizes get heavier shapes of their own.
void PaintBadge(QPainter& p, bool small) {
    const QPointF c(128, 128);
    QRadialGradient sky(c + QPointF(-30, -50), 150);
    sky.setColorAt(0, QColor(150, 196, 240));
    sky.setColorAt(0.6, QColor(46, 96, 170));
    sky.setColorAt(1, QColor(10, 30, 90));
    p.setPen(QPen(QColor(8, 20, 60), small ? 10 : 6));
    p.setBrush(sky);
    p.drawEllipse(c, 122, 122);
    if (!small) {
        p.setPen(QPen(QColor(255, 255, 255, 110), 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 112, 112);
    }
}

void PaintKeyCap(QPainter& p) {
    const QRectF cap(150, 160, 92, 78);
    p.setPen(QPen(QColor(255, 170, 30), 4));
    QLinearGradient skirt(cap.topLeft(), cap.bottomLeft());
    skirt.setColorAt(0, QColor(70, 78, 92));
    skirt.setColorAt(1, QColor(18, 22, 28));
    p.setBrush(skirt);
    p.drawRoundedRect(cap, 16, 16);
    p.setPen(QPen(QColor(120, 130, 146), 2));
    p.setBrush(QColor(66, 74, 88));
    p.drawRoundedRect(cap.adjusted(9, 6, -9, -16), 10, 10);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(44);
    p.setFont(font);
    p.setPen(QColor(255, 190, 60));
    p.drawText(cap.adjusted(9, 6, -9, -16), Qt::AlignCenter, "K");
}

} // namespace

QImage MakeIcon(int size) {
    // Below 64 pixels the livery turns to mud; a white silhouette keeps the shape.
    const bool small = size < 64;
    QImage canvas = art::NewCanvas({size, size});
    QPainter p;
    art::BeginSmooth(p, canvas);
    p.scale(size / 256.0, size / 256.0);
    PaintBadge(p, small);
    p.save();
    QPainterPath badge;
    badge.addEllipse(QPointF(128, 128), 119, 119);
    p.setClipPath(badge);
    if (small) {
        const QRectF target(-4, 46, 264, 150);
        art::FitDesign(p, heli::Bounds(), target);
        const double designUnitsPerPixel = 256.0 / size * heli::Bounds().width() / target.width();
        heli::PaintSilhouette(p, QColor(250, 252, 255), 0.9 * designUnitsPerPixel);
    } else {
        art::FitDesign(p, heli::Bounds(), QRectF(6, 44, 244, 140));
        heli::PaintLivery(p, 5);
    }
    p.restore();
    if (size >= 48)
        PaintKeyCap(p);
    return canvas;
}
