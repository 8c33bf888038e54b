#include "HelicopterShape.h"

#include <QTransform>

namespace heli {

QPainterPath Fuselage() {
    QPainterPath p;
    p.moveTo(100, 330);
    p.cubicTo(104, 316, 130, 306, 206, 294); // long, slightly drooped nose
    p.lineTo(424, 266);                      // deck under the canopy
    p.cubicTo(440, 250, 452, 238, 480, 236); // front of the engine deck
    p.lineTo(650, 236);
    p.cubicTo(680, 238, 700, 256, 716, 276); // deck running down into the boom
    p.lineTo(902, 292);                      // boom, top
    p.lineTo(908, 314);
    p.lineTo(712, 320);                      // boom, bottom
    p.cubicTo(680, 336, 650, 360, 590, 376); // rear belly
    p.cubicTo(520, 388, 360, 390, 280, 384);
    p.cubicTo(200, 378, 130, 360, 100, 330); // chin
    p.closeSubpath();
    return p;
}

QPainterPath Canopy() {
    QPainterPath p;
    p.moveTo(204, 296);
    p.lineTo(262, 244); // raked windscreen
    p.cubicTo(280, 234, 340, 228, 372, 232);
    p.cubicTo(396, 236, 414, 250, 428, 268);
    p.closeSubpath();
    return p;
}

QPainterPath TailFin() {
    QPainterPath p;
    p.moveTo(866, 300);
    p.lineTo(912, 176);
    p.cubicTo(918, 162, 948, 156, 962, 164);
    p.lineTo(956, 318);
    p.lineTo(962, 364); // ventral fin
    p.cubicTo(950, 370, 934, 368, 926, 362);
    p.lineTo(904, 322);
    p.closeSubpath();
    return p;
}

QPainterPath Stabiliser() {
    QPainterPath p;
    p.moveTo(806, 304);
    p.lineTo(858, 292);
    p.lineTo(888, 292);
    p.lineTo(884, 304);
    p.lineTo(810, 311);
    p.closeSubpath();
    return p;
}

QPainterPath StubWing() {
    QPainterPath p;
    p.moveTo(440, 320);
    p.cubicTo(456, 308, 540, 304, 604, 308);
    p.lineTo(608, 316);
    p.cubicTo(560, 322, 480, 328, 440, 320);
    p.closeSubpath();
    p.addRect(QRectF(492, 318, 40, 24)); // pylon down to the pod
    return p.simplified();
}

QPainterPath RocketPod() {
    QPainterPath p;
    p.moveTo(426, 340);
    p.lineTo(602, 340);
    p.cubicTo(616, 340, 624, 350, 624, 358);
    p.cubicTo(624, 366, 616, 376, 602, 376);
    p.lineTo(426, 376);
    p.closeSubpath();
    p.addEllipse(QPointF(426, 358), 9, 18); // the open front with its tubes
    return p.simplified();
}

QPainterPath WingtipMissile() {
    QPainterPath p;
    p.addRoundedRect(QRectF(480, 293, 120, 10), 5, 5);
    QPainterPath nose;
    nose.moveTo(482, 293);
    nose.cubicTo(472, 293, 464, 296, 460, 298);
    nose.cubicTo(464, 300, 472, 303, 482, 303);
    nose.closeSubpath();
    QPainterPath fins;
    fins.moveTo(584, 293);
    fins.lineTo(600, 286);
    fins.lineTo(604, 293);
    fins.closeSubpath();
    QPainterPath rail;
    rail.addRect(QRectF(510, 301, 60, 6));
    return p.united(nose).united(fins).united(rail);
}

QPainterPath Skids() {
    QPainterPathStroker strutStroker;
    strutStroker.setWidth(9);
    strutStroker.setCapStyle(Qt::RoundCap);
    QPainterPath lines;
    lines.moveTo(324, 384);
    lines.lineTo(306, 456);
    lines.moveTo(566, 374);
    lines.lineTo(584, 456);
    const QPainterPath struts = strutStroker.createStroke(lines);

    QPainterPath tube;
    tube.moveTo(646, 460);
    tube.lineTo(256, 460);
    tube.cubicTo(230, 460, 216, 450, 208, 434);
    QPainterPathStroker tubeStroker;
    tubeStroker.setWidth(8);
    tubeStroker.setCapStyle(Qt::RoundCap);
    return struts.united(tubeStroker.createStroke(tube));
}

QPainterPath ChinGun() {
    QPainterPath p;
    p.addEllipse(QPointF(236, 382), 20, 16);
    QPainterPath barrel;
    barrel.addRoundedRect(QRectF(130, 383, 106, 7), 3, 3);
    barrel.addRoundedRect(QRectF(126, 380, 14, 13), 3, 3); // muzzle brake
    return p.united(barrel);
}

QPainterPath NoseSensor() {
    QPainterPath p;
    p.addEllipse(QPointF(118, 344), 22, 20);
    return p;
}

QPainterPath RotorMast() {
    QPainterPath p;
    p.addRect(QRectF(555, 186, 20, 52));
    p.addRoundedRect(QRectF(528, 170, 74, 20), 8, 8);
    p.addRoundedRect(QRectF(552, 154, 26, 20), 6, 6); // hub cap
    return p.simplified();
}

QPainterPath MainBlades() {
    QPainterPath p;
    // forward blade, drooping a little towards its tip
    p.moveTo(540, 175);
    p.cubicTo(400, 177, 200, 183, 80, 188);
    p.lineTo(78, 194);
    p.cubicTo(200, 190, 400, 186, 540, 184);
    p.closeSubpath();
    // aft blade
    p.moveTo(590, 175);
    p.cubicTo(730, 177, 880, 183, 1000, 188);
    p.lineTo(1002, 194);
    p.cubicTo(880, 190, 730, 186, 590, 184);
    p.closeSubpath();
    return p;
}

QPainterPath EngineIntake() {
    QPainterPath p;
    p.addEllipse(QPointF(478, 267), 11, 14);
    return p;
}

QPainterPath Exhaust() {
    QPainterPath p;
    p.moveTo(640, 262);
    p.lineTo(690, 262);
    p.cubicTo(706, 260, 716, 248, 718, 238);
    p.lineTo(698, 234);
    p.cubicTo(694, 244, 684, 248, 672, 248);
    p.lineTo(640, 248);
    p.closeSubpath();
    return p;
}

QPainterPath EngineNacelle() {
    QPainterPath p;
    p.addRoundedRect(QRectF(466, 244, 190, 46), 20, 20);
    return p;
}

QRectF Bounds() {
    return Solid()
        .boundingRect()
        .adjusted(-8, -20, 8, 4)
        .united(QRectF(kTailRotorHub.x() - kTailRotorRadius, kTailRotorHub.y() - kTailRotorRadius,
                       2 * kTailRotorRadius, 2 * kTailRotorRadius));
}

QPainterPath Solid() {
    QPainterPath all = Fuselage();
    for (const QPainterPath& part :
         {Canopy(), TailFin(), Stabiliser(), StubWing(), RocketPod(), WingtipMissile(), Skids(), ChinGun(),
          NoseSensor(), RotorMast(), MainBlades(), Exhaust()})
        all = all.united(part);
    return all;
}

} // namespace heli
