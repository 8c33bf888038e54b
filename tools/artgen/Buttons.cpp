#include "Buttons.h"

#include "ArtCanvas.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace {

// A soft shadow under a round button, one pixel lower than the button.
void PaintRoundShadow(QPainter& p, QPointF centre, double radius) {
    QRadialGradient shadow(centre + QPointF(0, 1), radius + 1);
    shadow.setColorAt(0.8, QColor(0, 20, 60, 90));
    shadow.setColorAt(1, QColor(0, 20, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(centre + QPointF(0, 1), radius + 1, radius + 1);
}

// The glassy highlight over the upper half of a round face.
void PaintGloss(QPainter& p, QPointF centre, double radius, int alpha) {
    QLinearGradient gloss(centre.x(), centre.y() - radius, centre.x(), centre.y());
    gloss.setColorAt(0, QColor(255, 255, 255, alpha));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(
        QRectF(centre.x() - radius * 0.72, centre.y() - radius * 0.92, radius * 1.44, radius * 1.0));
}

} // namespace

QImage MakeCloseButton() {
    QImage canvas = art::NewCanvas({32, 32});
    QPainter p;
    art::BeginSmooth(p, canvas);
    const QPointF c(16, 15.5);
    PaintRoundShadow(p, c, 14.5);

    p.setBrush(QColor(110, 8, 8));
    p.drawEllipse(c, 14.5, 14.5);
    QRadialGradient body(c + QPointF(-3, -4), 15);
    body.setColorAt(0, QColor(255, 112, 96));
    body.setColorAt(0.55, QColor(222, 34, 28));
    body.setColorAt(1, QColor(150, 10, 8));
    p.setBrush(body);
    p.drawEllipse(c, 13.3, 13.3);
    PaintGloss(p, c, 13.3, 150);

    const double arm = 5.6;
    p.setPen(QPen(QColor(100, 0, 0, 140), 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-arm, -arm + 0.8), c + QPointF(arm, arm + 0.8));
    p.drawLine(c + QPointF(arm, -arm + 0.8), c + QPointF(-arm, arm + 0.8));
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-arm, -arm), c + QPointF(arm, arm));
    p.drawLine(c + QPointF(arm, -arm), c + QPointF(-arm, arm));
    return canvas;
}

QImage MakeGaugeButton() {
    QImage canvas = art::NewCanvas({36, 36});
    QPainter p;
    art::BeginSmooth(p, canvas);
    const QPointF c(18, 17.5);
    PaintRoundShadow(p, c, 16.5);

    // brushed bezel
    QLinearGradient bezel(0, 1, 0, 34);
    bezel.setColorAt(0, QColor(236, 240, 244));
    bezel.setColorAt(0.5, QColor(150, 158, 168));
    bezel.setColorAt(1, QColor(70, 76, 86));
    p.setBrush(bezel);
    p.setPen(QPen(QColor(40, 46, 56), 1));
    p.drawEllipse(c, 16.5, 16.5);

    QRadialGradient face(c + QPointF(-2, -3), 15);
    face.setColorAt(0, QColor(52, 58, 66));
    face.setColorAt(1, QColor(14, 16, 20));
    p.setBrush(face);
    p.setPen(QPen(QColor(30, 34, 40), 1));
    p.drawEllipse(c, 13.5, 13.5);

    // scale over 270 degrees, with a green and a red arc
    const auto at = [&](double degrees, double r) {
        const double a = qDegreesToRadians(degrees);
        return c + QPointF(std::cos(a) * r, -std::sin(a) * r);
    };
    p.setBrush(Qt::NoBrush);
    const QRectF arcBox(c.x() - 10.5, c.y() - 10.5, 21, 21);
    p.setPen(QPen(QColor(70, 200, 90), 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(arcBox, 90 * 16, -70 * 16);
    p.setPen(QPen(QColor(230, 60, 50), 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(arcBox, -15 * 16, -30 * 16);
    for (int i = 0; i <= 9; ++i) {
        const double degrees = 225 - i * 30;
        const bool major = i % 3 == 0;
        p.setPen(QPen(QColor(240, 240, 236), major ? 1.6 : 1.0));
        p.drawLine(at(degrees, major ? 8.0 : 9.6), at(degrees, 12.2));
    }

    // needle
    p.setPen(QPen(QColor(255, 176, 40), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(220, 3), at(40, 10.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 204, 210));
    p.drawEllipse(c, 2.4, 2.4);
    PaintGloss(p, c, 13.5, 90);
    return canvas;
}
