#include "InputSymbols.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace symbols {
namespace {

const QColor kInk{16, 28, 70};

QPen Outline(double width = 2.4) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient Shade(double top, double bottom, const QColor& light, const QColor& dark) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    return g;
}

void Shadow(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 20, 70, 60));
    p.drawEllipse(r);
}

} // namespace

void PaintJoystick(QPainter& p) {
    Shadow(p, QRectF(12, 86, 76, 12));
    // base
    p.setPen(Outline());
    p.setBrush(Shade(70, 94, QColor(110, 118, 132), QColor(40, 44, 54)));
    p.drawRoundedRect(QRectF(14, 72, 72, 22), 10, 10);
    // boot and shaft
    p.setBrush(QColor(34, 36, 42));
    QPainterPath boot;
    boot.moveTo(36, 74);
    boot.cubicTo(38, 64, 44, 60, 50, 60);
    boot.cubicTo(56, 60, 62, 64, 64, 74);
    boot.closeSubpath();
    p.drawPath(boot);
    p.setBrush(QColor(150, 156, 166));
    p.drawRect(QRectF(46, 44, 8, 18));
    // grip, leaning forward, with hat switch and trigger
    QPainterPath grip;
    grip.moveTo(40, 48);
    grip.cubicTo(34, 30, 36, 10, 52, 6);
    grip.cubicTo(66, 4, 70, 18, 64, 30);
    grip.cubicTo(60, 38, 62, 44, 62, 48);
    grip.closeSubpath();
    p.setBrush(Shade(4, 48, QColor(96, 100, 110), QColor(30, 32, 38)));
    p.drawPath(grip);
    p.setPen(Outline(1.6));
    p.setBrush(QColor(255, 190, 60));
    p.drawEllipse(QPointF(55, 12), 4.5, 4.5); // hat switch
    p.setBrush(QColor(220, 40, 36));
    p.drawRoundedRect(QRectF(34, 20, 7, 13), 3, 3); // trigger
    p.setPen(QPen(QColor(255, 255, 255, 90), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(44, 40), QPointF(43, 20));
}

void PaintKeyboard(QPainter& p) {
    Shadow(p, QRectF(4, 66, 92, 10));
    p.setPen(Outline());
    p.setBrush(Shade(26, 72, QColor(120, 128, 142), QColor(44, 48, 58)));
    p.drawRoundedRect(QRectF(2, 26, 96, 46), 6, 6);
    // rows of keys; left Shift, Ctrl and Alt glow as in the main window
    const QColor key(232, 236, 242), lit(255, 190, 60);
    p.setPen(QPen(kInk, 1));
    const double unit = 7.2, gap = 1.3, left = 7, right = 93, top = 31;
    const auto row = [&](double y, double x, std::initializer_list<std::pair<double, bool>> firstKeys) {
        for (const auto& [width, isLit] : firstKeys) {
            p.setBrush(isLit ? lit : key);
            p.drawRoundedRect(QRectF(x, y, width, unit), 1.2, 1.2);
            x += width + gap;
        }
        p.setBrush(key);
        for (; x + unit <= right; x += unit + gap)
            p.drawRoundedRect(QRectF(x, y, unit, unit), 1.2, 1.2);
    };
    row(top, left, {});
    row(top + (unit + gap), left, {{10, false}});
    row(top + 2 * (unit + gap), left, {{12, false}});
    row(top + 3 * (unit + gap), left, {{15, true}});
    // bottom row: Ctrl, Win, Alt, the space bar, then the keys of the right hand
    row(top + 4 * (unit + gap) - 0.5, left, {{10, true}, {unit, false}, {9, true}, {34, false}});
}

void PaintMouse(QPainter& p) {
    Shadow(p, QRectF(22, 86, 56, 12));
    // cable running off to the left
    p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(50, 12);
    cable.cubicTo(50, 0, 20, 4, 0, 10);
    p.drawPath(cable);
    QPainterPath body;
    body.addRoundedRect(QRectF(26, 12, 48, 80), 24, 26);
    p.setPen(Outline());
    p.setBrush(Shade(12, 92, QColor(250, 252, 255), QColor(170, 182, 204)));
    p.drawPath(body);
    p.setPen(Outline(1.6));
    p.drawLine(QPointF(28, 42), QPointF(72, 42));
    p.drawLine(QPointF(50, 12), QPointF(50, 42));
    p.setBrush(QColor(255, 190, 60));
    p.drawRoundedRect(QRectF(46.5, 18, 7, 14), 3.5, 3.5); // wheel
}

} // namespace symbols
