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
    // small icons get a darker sky, so that the white aircraft keeps its contrast at the top too
    QRadialGradient sky(c + QPointF(-30, -50), 150);
    sky.setColorAt(0, small ? QColor(70, 124, 200) : QColor(150, 196, 240));
    sky.setColorAt(0.6, small ? QColor(30, 70, 150) : QColor(46, 96, 170));
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

// At 16 and 32 pixels even the thickened silhouette blurs into a bar; this one is laid out on the
// 16-pixel grid so that rotor, body, boom, fin and skid each get whole pixels.
void PaintTinyHelicopter(QPainter& p) {
    p.save();
    p.scale(256 / 16.0, 256 / 16.0);
    const QColor white(250, 252, 255);
    const auto line = [&](QPointF a, QPointF b, double width) {
        p.setPen(QPen(white, width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(a, b);
    };
    line({1.5, 4.5}, {14.5, 4.5}, 1);  // rotor
    line({8, 4.5}, {8, 6.5}, 1);       // mast
    line({9, 7.8}, {14, 7.2}, 1.3);    // boom
    line({13.5, 5.4}, {13.5, 9}, 1.2); // fin
    line({3, 11.5}, {11, 11.5}, 1);    // skid
    line({5, 9.5}, {5, 11.5}, 1);
    line({9, 9.5}, {9, 11.5}, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    QPainterPath body;
    body.moveTo(2, 8.6);
    body.cubicTo(2.5, 6.8, 4.5, 6, 6.5, 6);
    body.lineTo(9, 6);
    body.cubicTo(10.5, 6, 11, 7.5, 10.5, 8.5);
    body.cubicTo(9.5, 9.8, 7, 10, 5, 10);
    body.cubicTo(3.2, 10, 2, 9.5, 2, 8.6);
    p.drawPath(body);
    p.restore();
}

} // namespace

QImage MakeIcon(int size) {
    QImage canvas = art::NewCanvas({size, size});
    QPainter p;
    art::BeginSmooth(p, canvas);
    p.scale(size / 256.0, size / 256.0);
    // Below 64 pixels the livery turns to mud; a white silhouette keeps the shape.
    const bool small = size < 64;
    PaintBadge(p, small);

    p.save();
    QPainterPath badge;
    badge.addEllipse(QPointF(128, 128), 119, 119);
    p.setClipPath(badge);
    if (size <= 32) {
        PaintTinyHelicopter(p);
    } else if (small) {
        const QRectF target(-4, 46, 264, 150);
        art::FitDesign(p, heli::Bounds(), target);
        const double designUnitsPerPixel = 256.0 / size * heli::Bounds().width() / target.width();
        heli::PaintSilhouette(p, QColor(250, 252, 255), 0.9 * designUnitsPerPixel);
    } else {
        art::FitDesign(p, heli::Bounds(), QRectF(6, 44, 244, 140));
        heli::PaintLivery(p, 5);
    }
    p.restore();

    if (size >= 48) PaintKeyCap(p);
    return canvas;
}
