#include "HelicopterLivery.h"

#include "HelicopterShape.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace heli {
namespace {

const QColor kSkinLight{150, 160, 124};
const QColor kSkin{108, 119, 86};
const QColor kSkinDark{66, 74, 54};
const QColor kCamo{78, 88, 62};
const QColor kMetal{58, 63, 68};
const QColor kOutline{36, 41, 32};

QLinearGradient VerticalShade(double top, double bottom, const QColor& light, const QColor& mid,
                              const QColor& dark) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, light);
    g.setColorAt(0.45, mid);
    g.setColorAt(1, dark);
    return g;
}

void PaintRotorDisc(QPainter& painter) {
    QRadialGradient disc(kRotorHub, kMainRotorRadius);
    disc.setColorAt(0, QColor(40, 44, 48, 70));
    disc.setColorAt(0.85, QColor(40, 44, 48, 40));
    disc.setColorAt(1, QColor(40, 44, 48, 0));
    painter.save();
    painter.translate(kRotorHub);
    painter.scale(1, 20.0 / kMainRotorRadius);
    painter.translate(-kRotorHub);
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    painter.drawEllipse(kRotorHub, kMainRotorRadius, kMainRotorRadius);
    painter.restore();
}

// Disruptive pattern patches, clipped to the body by the caller.
void PaintCamouflage(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCamo);
    QPainterPath patches;
    patches.moveTo(140, 330);
    patches.cubicTo(180, 300, 236, 320, 214, 350);
    patches.cubicTo(190, 376, 120, 360, 140, 330);
    patches.moveTo(300, 310);
    patches.cubicTo(360, 284, 430, 296, 416, 330);
    patches.cubicTo(396, 366, 330, 352, 300, 310);
    patches.moveTo(520, 240);
    patches.cubicTo(580, 232, 620, 250, 600, 262);
    patches.cubicTo(570, 276, 500, 262, 520, 240);
    patches.moveTo(630, 310);
    patches.cubicTo(690, 290, 760, 290, 800, 296);
    patches.cubicTo(760, 316, 690, 330, 630, 310);
    patches.moveTo(880, 200);
    patches.cubicTo(910, 190, 950, 220, 930, 260);
    patches.cubicTo(900, 280, 870, 240, 880, 200);
    painter.drawPath(patches);
}

void PaintPanelLines(QPainter& painter) {
    painter.setPen(QPen(QColor(40, 46, 34, 150), 1.6));
    painter.setBrush(Qt::NoBrush);
    QPainterPath lines;
    lines.moveTo(206, 296);
    lines.cubicTo(198, 326, 204, 352, 220, 374); // nose bay
    lines.moveTo(432, 268);
    lines.cubicTo(428, 310, 432, 350, 440, 386); // cabin to engine bay
    lines.moveTo(300, 352);
    lines.lineTo(430, 356);
    lines.moveTo(716, 278);
    lines.lineTo(714, 320);
    lines.moveTo(800, 284);
    lines.lineTo(800, 318);
    painter.drawPath(lines);
    painter.drawRoundedRect(QRectF(300, 300, 52, 34), 4, 4); // ammunition bay door
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 46, 34, 140));
    for (double x = 736; x < 890; x += 22)
        painter.drawEllipse(QPointF(x, 304 + (x - 736) * 0.08), 1.6, 1.6);
}

void PaintBodyHighlight(QPainter& painter) {
    QPainterPath sheen;
    sheen.moveTo(130, 314);
    sheen.cubicTo(160, 304, 300, 286, 430, 272);
    sheen.lineTo(716, 284);
    sheen.lineTo(890, 298);
    sheen.lineTo(890, 302);
    sheen.lineTo(716, 292);
    sheen.lineTo(430, 284);
    sheen.cubicTo(300, 296, 180, 308, 130, 320);
    sheen.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 240, 60));
    painter.drawPath(sheen);
}

void PaintCanopy(QPainter& painter, const QPen& outline) {
    const QPainterPath canopy = Canopy();
    QLinearGradient glass(300, 200, 360, 290);
    glass.setColorAt(0, QColor(30, 58, 74));
    glass.setColorAt(0.6, QColor(58, 98, 118));
    glass.setColorAt(1, QColor(110, 152, 170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glass);
    painter.drawPath(canopy);

    painter.save();
    painter.setClipPath(canopy);
    // the pilot's helmet and seat back, dim behind the tinted glass
    painter.setBrush(QColor(20, 30, 36, 150));
    painter.drawEllipse(QPointF(336, 256), 17, 19);
    painter.drawRoundedRect(QRectF(366, 240, 20, 50), 6, 6);
    // reflection
    QPainterPath glint;
    glint.moveTo(222, 286);
    glint.lineTo(264, 250);
    glint.cubicTo(290, 240, 320, 238, 350, 238);
    glint.lineTo(350, 244);
    glint.cubicTo(318, 246, 292, 248, 270, 256);
    glint.lineTo(234, 288);
    glint.closeSubpath();
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawPath(glint);
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(outline);
    painter.drawPath(canopy);
    QPen frame = outline;
    frame.setWidthF(outline.widthF() * 1.6);
    painter.setPen(frame);
    painter.drawLine(QPointF(262, 244), QPointF(280, 288)); // windscreen frame
}

void PaintTailRotor(QPainter& painter, const QPen& outline) {
    QRadialGradient disc(kTailRotorHub, kTailRotorRadius);
    disc.setColorAt(0, QColor(40, 44, 48, 90));
    disc.setColorAt(0.9, QColor(40, 44, 48, 55));
    disc.setColorAt(1, QColor(40, 44, 48, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    painter.drawEllipse(kTailRotorHub, kTailRotorRadius, kTailRotorRadius);
    painter.setPen(QPen(QColor(46, 50, 54, 200), 7, Qt::SolidLine, Qt::RoundCap));
    const QPointF d1(46, -30), d2(-30, -46);
    painter.drawLine(kTailRotorHub - d1, kTailRotorHub + d1);
    painter.drawLine(kTailRotorHub - d2, kTailRotorHub + d2);
    painter.setPen(outline);
    painter.setBrush(kMetal);
    painter.drawEllipse(kTailRotorHub, 9, 9);
}

// Painted tips, so that the ground crew sees the blades turn.
void PaintBladeTips(QPainter& painter) {
    painter.save();
    painter.setClipPath(MainBlades());
    painter.fillRect(QRectF(70, 160, 44, 40), QColor(236, 200, 60));
    painter.fillRect(QRectF(966, 160, 44, 40), QColor(236, 200, 60));
    painter.restore();
}

// Anti-collision beacon on the deck, the port navigation light at the wing tip, a whip antenna.
void PaintLights(QPainter& painter, const QPen& outline) {
    painter.setPen(QPen(outline.color(), outline.widthF() * 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(770, 282), QPointF(796, 246));
    painter.setPen(outline);
    painter.setBrush(QColor(230, 40, 36));
    painter.drawEllipse(QPointF(630, 232), 7, 6);
    painter.drawEllipse(QPointF(604, 313), 5, 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 190, 180, 200));
    painter.drawEllipse(QPointF(628, 230), 2.5, 2);
}

// The pod's open front: a dark face with the rocket tubes in it.
void PaintPodTubes(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 33, 28));
    painter.drawEllipse(QPointF(426, 358), 7, 16);
    painter.setBrush(QColor(120, 124, 110));
    for (double y : {348.0, 358.0, 368.0})
        painter.drawEllipse(QPointF(426, y), 2.6, 3.4);
}

void FillPart(QPainter& painter, const QPainterPath& part, const QBrush& brush, const QPen& outline) {
    painter.setPen(outline);
    painter.setBrush(brush);
    painter.drawPath(part);
}

} // namespace

void PaintLivery(QPainter& painter, double outlineWidth) {
    const QPen outline(kOutline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QBrush metal(VerticalShade(150, 470, QColor(110, 116, 122), kMetal, QColor(34, 37, 40)));

    PaintRotorDisc(painter);

    // far skid, a little higher and set back
    painter.save();
    painter.translate(-14, -8);
    FillPart(painter, Skids(), QColor(52, 56, 60), Qt::NoPen);
    painter.restore();

    FillPart(painter, TailFin(), VerticalShade(160, 370, kSkinLight, kSkin, kSkinDark), outline);

    const QPainterPath body = Fuselage();
    FillPart(painter, body, VerticalShade(222, 410, kSkinLight, kSkin, kSkinDark), Qt::NoPen);
    painter.save();
    painter.setClipPath(body);
    PaintCamouflage(painter);
    PaintBodyHighlight(painter);
    PaintPanelLines(painter);
    painter.fillRect(QRectF(760, 270, 16, 70), QColor(230, 168, 40)); // tail band
    painter.restore();
    FillPart(painter, body, Qt::NoBrush, outline);

    PaintCanopy(painter, outline);
    FillPart(painter, EngineNacelle(), VerticalShade(250, 302, kSkinLight, kSkin, kSkinDark), outline);
    FillPart(painter, EngineIntake(), QColor(26, 28, 30), outline);
    FillPart(painter, Exhaust(), metal, outline);

    FillPart(painter, Stabiliser(), VerticalShade(290, 312, kSkinLight, kSkin, kSkinDark), outline);

    FillPart(painter, WingtipMissile(), QColor(226, 228, 222), outline);
    FillPart(painter, StubWing(), VerticalShade(306, 348, kSkinLight, kSkin, kSkinDark), outline);
    FillPart(painter, RocketPod(),
             VerticalShade(350, 386, QColor(132, 140, 112), QColor(92, 100, 76), QColor(56, 62, 46)),
             outline);
    painter.setPen(QPen(kOutline, outlineWidth * 0.7));
    for (double x : {460.0, 570.0})
        painter.drawLine(QPointF(x, 341), QPointF(x, 375));
    PaintPodTubes(painter);

    FillPart(painter, ChinGun(), metal, outline);
    FillPart(painter, NoseSensor(), QBrush(QColor(44, 48, 52)), outline);
    QRadialGradient lens(QPointF(106, 338), 12);
    lens.setColorAt(0, QColor(150, 210, 230));
    lens.setColorAt(1, QColor(20, 60, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(lens);
    painter.drawEllipse(QPointF(108, 342), 9, 11);

    FillPart(painter, Skids(), metal, outline);
    FillPart(painter, RotorMast(), metal, outline);
    FillPart(painter, MainBlades(), QColor(46, 50, 54), outline);
    PaintBladeTips(painter);
    PaintLights(painter, outline);
    PaintTailRotor(painter, outline);
}

void PaintSilhouette(QPainter& painter, const QBrush& brush, double strokeWidth) {
    painter.setPen(QPen(brush, strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(brush);
    painter.drawPath(Solid());
}

} // namespace heli
