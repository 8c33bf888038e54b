#include "HelicopterCutAway.h"

#include "HelicopterShape.h"

#include <QFont>
#include <QLinearGradient>

namespace heli {
namespace {

const QColor kInk{38, 66, 112};
const QColor kGhost{255, 255, 255, 110};

QPen Ink(double width, Qt::PenStyle style = Qt::SolidLine) {
    return QPen(kInk, width, style, Qt::RoundCap, Qt::RoundJoin);
}

void Part(QPainter& p, const QPainterPath& path, const QBrush& fill, double width = 2) {
    p.setPen(Ink(width));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath Rounded(const QRectF& r, double radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// The skin, its fittings and the rotors, ghosted so the inside shows through.
void PaintSkin(QPainter& p) {
    Part(p, TailFin(), kGhost);
    Part(p, Fuselage(), kGhost, 2.4);
    Part(p, EngineNacelle(), QColor(255, 255, 255, 60), 1.6);
    Part(p, Canopy(), QColor(170, 205, 230, 90));
    Part(p, Stabiliser(), kGhost);
    Part(p, ChinGun(), kGhost);
    Part(p, NoseSensor(), QColor(120, 170, 210, 120));
    Part(p, Skids(), kGhost, 1.6);
    Part(p, RotorMast(), kGhost);
    Part(p, MainBlades(), QColor(255, 255, 255, 90), 1.6);
    p.setPen(Ink(1.4, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kTailRotorHub, kTailRotorRadius, kTailRotorRadius);
    p.drawEllipse(kTailRotorHub, 8, 8);
}

// The near wing and its stores hang outside the skin, in front of what is inside.
void PaintWingStores(QPainter& p) {
    Part(p, WingtipMissile(), kGhost, 1.6);
    Part(p, StubWing(), kGhost);
    Part(p, RocketPod(), kGhost);
}

void PaintAvionics(QPainter& p) {
    const QColor box(150, 196, 160, 200);
    for (const QRectF& r : {QRectF(140, 312, 30, 26), QRectF(172, 306, 26, 32), QRectF(150, 340, 46, 16)})
        Part(p, Rounded(r, 3), box, 1.4);
    p.setPen(Ink(1));
    for (double y = 316; y < 336; y += 5)
        p.drawLine(QPointF(176, y), QPointF(194, y));
}

void PaintCockpit(QPainter& p) {
    // instrument panel with its displays and the sight glass above it
    Part(p, Rounded(QRectF(236, 270, 26, 40), 4), QColor(70, 84, 100, 220), 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 220, 170));
    p.drawRect(QRectF(241, 276, 16, 12));
    p.drawRect(QRectF(241, 292, 16, 12));
    p.setPen(Ink(1.6));
    p.drawLine(QPointF(256, 268), QPointF(270, 250));
    // armoured seat and pilot
    Part(p, Rounded(QRectF(354, 262, 24, 80), 6), QColor(90, 100, 110, 220), 1.6);
    Part(p, Rounded(QRectF(318, 318, 56, 20), 6), QColor(90, 100, 110, 220), 1.6);
    Part(
        p,
        [] {
            QPainterPath body;
            body.addEllipse(QPointF(338, 256), 15, 17); // helmet
            body.addRoundedRect(QRectF(326, 270, 30, 50), 10, 10);
            return body.simplified();
        }(),
        QColor(120, 134, 96, 230), 1.6);
    p.setPen(Ink(3));
    p.drawLine(QPointF(300, 336), QPointF(312, 300)); // cyclic stick
    Part(p, Rounded(QRectF(306, 294, 10, 12), 3), QColor(40, 40, 40), 1.2);
}

void PaintAmmunition(QPainter& p) {
    Part(p, Rounded(QRectF(262, 342, 70, 30), 4), QColor(224, 186, 96, 210), 1.6);
    p.setPen(Ink(1));
    for (double x = 270; x < 330; x += 8)
        p.drawLine(QPointF(x, 346), QPointF(x, 368));
    p.setPen(Ink(2.4, Qt::DotLine));
    p.drawLine(QPointF(262, 362), QPointF(246, 376)); // feed chute to the gun
}

void PaintFuel(QPainter& p) {
    Part(p, Rounded(QRectF(446, 300, 100, 68), 14), QColor(246, 176, 66, 150), 1.8);
    Part(p, Rounded(QRectF(566, 304, 64, 56), 12), QColor(246, 176, 66, 150), 1.8);
}

void PaintEngine(QPainter& p) {
    QLinearGradient heat(480, 0, 660, 0);
    heat.setColorAt(0, QColor(170, 182, 196, 230));
    heat.setColorAt(0.6, QColor(190, 170, 160, 230));
    heat.setColorAt(1, QColor(226, 110, 70, 230));
    Part(p, Rounded(QRectF(484, 252, 160, 30), 12), heat, 1.6);
    p.setPen(Ink(1.1));
    for (double x = 496; x < 560; x += 7)
        p.drawLine(QPointF(x, 255), QPointF(x, 279)); // compressor stages
    p.drawLine(QPointF(600, 254), QPointF(600, 280));
    p.drawLine(QPointF(616, 254), QPointF(616, 280));
}

void PaintDriveTrain(QPainter& p) {
    // main gearbox under the mast, with its gears
    Part(p, Rounded(QRectF(536, 230, 60, 26), 6), QColor(176, 186, 198, 230), 1.6);
    p.setBrush(QColor(220, 226, 232));
    p.setPen(Ink(1.2));
    p.drawEllipse(QPointF(552, 243), 8, 8);
    p.drawEllipse(QPointF(578, 243), 10, 10);
    // tail drive shaft with its couplings, up the fin to the tail gearbox
    p.setPen(Ink(2.6, Qt::DashLine));
    p.drawLine(QPointF(596, 250), QPointF(718, 286));
    p.drawLine(QPointF(718, 286), QPointF(900, 298));
    p.drawLine(QPointF(900, 298), QPointF(930, 226));
    p.setPen(Ink(1.4));
    p.setBrush(QColor(176, 186, 198));
    for (const QPointF c : {QPointF(718, 286), QPointF(810, 292), QPointF(900, 298)})
        p.drawRect(QRectF(c - QPointF(5, 5), QSizeF(10, 10)));
    Part(p, Rounded(QRectF(920, 202, 26, 26), 6), QColor(176, 186, 198, 230), 1.4);
}

// Short leader lines from a part to its name above or below the aircraft.
void PaintCallouts(QPainter& p) {
    struct Callout {
        QPointF part, label;
        const char* name;
    };
    const Callout callouts[] = {
        {{170, 320}, {130, 250}, "AVIONICS"},   {{340, 262}, {300, 176}, "COCKPIT"},
        {{300, 358}, {394, 432}, "AMMUNITION"}, {{500, 350}, {516, 432}, "FUEL"},
        {{540, 266}, {430, 210}, "ENGINE"},     {{586, 236}, {676, 208}, "GEARBOX"},
        {{820, 292}, {800, 240}, "TAIL DRIVE"},
    };
    QFont font("DejaVu Sans");
    font.setPixelSize(17);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    p.setFont(font);
    for (const Callout& c : callouts) {
        p.setPen(Ink(1.2));
        p.drawLine(c.part, c.label);
        p.setBrush(kInk);
        p.drawEllipse(c.part, 2.6, 2.6);
        const QRectF box(c.label.x() - 100, c.label.y() - (c.label.y() < c.part.y() ? 20 : 0), 200, 20);
        p.drawText(box, Qt::AlignHCenter | (c.label.y() < c.part.y() ? Qt::AlignBottom : Qt::AlignTop),
                   c.name);
    }
}

} // namespace

void PaintCutAway(QPainter& painter) {
    PaintSkin(painter);
    PaintAvionics(painter);
    PaintFuel(painter);
    PaintEngine(painter);
    PaintDriveTrain(painter);
    PaintAmmunition(painter);
    PaintCockpit(painter);
    PaintWingStores(painter);
    PaintCallouts(painter);
}

} // namespace heli
