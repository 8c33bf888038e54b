#include "ControlPainter.h"

#include "Engraving.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <QLinearGradient>
#include <QRegularExpression>
#include <QtMath>

namespace panelgen {
namespace {

// A round metal part lit from the upper left.
QRadialGradient Metal(QPointF centre, double radius, QColor light, QColor dark) {
    QRadialGradient gradient(centre, radius * 1.3, centre - QPointF(radius * 0.45, radius * 0.45));
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    return gradient;
}

void DrawShadow(QPainter& painter, QPointF centre, double radius) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawEllipse(centre + QPointF(radius * 0.12, radius * 0.16), radius * 1.04, radius * 1.04);
}

void DrawNut(QPainter& painter, QPointF centre, double radius) {
    DrawShadow(painter, centre, radius);
    QPolygonF hexagon;
    for (int corner = 0; corner < 6; ++corner)
        hexagon << centre + QPointF(radius * qCos(qDegreesToRadians(30.0 + 60 * corner)),
                                    radius * qSin(qDegreesToRadians(30.0 + 60 * corner)));
    painter.setPen(QPen(QColor(20, 22, 22), 1.5));
    painter.setBrush(Metal(centre, radius, QColor(205, 208, 205), QColor(70, 74, 74)));
    painter.drawPolygon(hexagon);
    painter.setBrush(Metal(centre, radius * 0.55, QColor(150, 152, 150), QColor(40, 42, 42)));
    painter.drawEllipse(centre, radius * 0.55, radius * 0.55);
}

void DrawLever(QPainter& painter, QPointF centre, double scale, bool up) {
    const double direction = up ? -1 : 1;
    const QPointF tip = centre + QPointF(0, direction * 50 * scale);
    QPainterPath bat;
    bat.moveTo(centre + QPointF(-6 * scale, 0));
    bat.lineTo(tip + QPointF(-9 * scale, 0));
    bat.lineTo(tip + QPointF(9 * scale, 0));
    bat.lineTo(centre + QPointF(6 * scale, 0));
    bat.closeSubpath();
    QLinearGradient shine(centre - QPointF(9 * scale, 0), centre + QPointF(9 * scale, 0));
    shine.setColorAt(0, QColor(120, 124, 124));
    shine.setColorAt(0.35, QColor(245, 246, 244));
    shine.setColorAt(1, QColor(90, 94, 94));
    painter.setPen(QPen(QColor(30, 32, 32), 1.2));
    painter.setBrush(shine);
    painter.drawPath(bat);
    painter.setBrush(Metal(tip, 10 * scale, QColor(250, 250, 248), QColor(110, 114, 114)));
    painter.drawEllipse(tip, 10 * scale, 10 * scale);
}

// The position words stand beside the lever, at the height of its two ends.
void DrawPositionMarks(QPainter& painter, QPointF centre, double scale, const PositionWords& words) {
    painter.setFont(PanelFont(std::max(17.0, 21 * scale)));
    const QRectF above(centre.x() + 30 * scale, centre.y() - 62 * scale, 160 * scale, 28 * scale);
    const QRectF below(centre.x() + 30 * scale, centre.y() + 34 * scale, 160 * scale, 28 * scale);
    DrawEngraved(painter, above, Qt::AlignLeft | Qt::AlignVCenter, words.upper);
    DrawEngraved(painter, below, Qt::AlignLeft | Qt::AlignVCenter, words.lower);
}

void DrawToggle(QPainter& painter, QPointF centre, double scale, bool up, const PositionWords& words) {
    DrawPositionMarks(painter, centre, scale, words);
    DrawNut(painter, centre, 27 * scale);
    DrawLever(painter, centre, scale * 1.05, up);
}

void DrawGuarded(QPainter& painter, QPointF centre, double scale) {
    // Yellow and black stripes on the guard's base, the red cover swung up and open.
    const QRectF base(centre.x() - 40 * scale, centre.y() - 34 * scale, 80 * scale, 68 * scale);
    painter.save();
    painter.setClipRect(base);
    painter.fillRect(base, QColor(230, 185, 30));
    painter.setPen(QPen(QColor(20, 20, 20), 9 * scale));
    for (double x = base.left() - base.height(); x < base.right(); x += 22 * scale)
        painter.drawLine(QPointF(x, base.bottom()), QPointF(x + base.height(), base.top()));
    painter.restore();
    painter.setPen(QPen(QColor(15, 15, 15), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(base);

    const QRectF cover(centre.x() - 36 * scale, centre.y() - 100 * scale, 72 * scale, 60 * scale);
    QLinearGradient red(cover.topLeft(), cover.topRight());
    red.setColorAt(0, QColor(150, 20, 18));
    red.setColorAt(0.4, QColor(225, 45, 35));
    red.setColorAt(1, QColor(120, 15, 12));
    painter.setPen(QPen(QColor(60, 8, 6), 2));
    painter.setBrush(red);
    painter.drawRoundedRect(cover, 6 * scale, 6 * scale);
    painter.setBrush(QColor(80, 82, 82));
    painter.drawRect(QRectF(cover.left() + 6 * scale, cover.bottom() - 2 * scale, cover.width() - 12 * scale,
                            8 * scale)); // the hinge
    DrawNut(painter, centre + QPointF(0, 6 * scale), 20 * scale);
    DrawLever(painter, centre + QPointF(0, 6 * scale), scale * 0.8, false);
}

QColor ButtonColour(const PanelCommand& command, unsigned variant) {
    static const QRegularExpression danger(QStringLiteral("\\b(jettison|fire|emergency|abort|stop|disengage)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression check(QStringLiteral("\\b(test|check)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const std::pair<const char*, QColor> named[] = {
        {"red", QColor(200, 35, 30)}, {"green", QColor(55, 150, 75)},
        {"yellow", QColor(230, 200, 40)}, {"white", QColor(215, 218, 214)}};
    for (const auto& [word, colour] : named)
        if (command.name.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(QLatin1String(word)),
                                                     QRegularExpression::CaseInsensitiveOption)))
            return colour;
    if (check.match(command.name).hasMatch())
        return QColor(225, 165, 30);
    if (danger.match(command.name).hasMatch())
        return QColor(200, 35, 30);
    static const QColor ordinary[] = {QColor(70, 74, 76), QColor(55, 150, 75), QColor(70, 74, 76)};
    return ordinary[variant % 3];
}

void DrawPushButton(QPainter& painter, QPointF centre, double scale, QColor cap) {
    const double bezel = 38 * scale;
    DrawShadow(painter, centre, bezel);
    painter.setPen(QPen(QColor(15, 16, 16), 1.5));
    painter.setBrush(Metal(centre, bezel, QColor(120, 124, 122), QColor(25, 27, 27)));
    painter.drawEllipse(centre, bezel, bezel);
    const double radius = 27 * scale;
    painter.setBrush(Metal(centre, radius, cap.lighter(160), cap.darker(170)));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawEllipse(centre - QPointF(radius * 0.35, radius * 0.4), radius * 0.35, radius * 0.22);
}

void DrawKeycap(QPainter& painter, QPointF centre, double scale, const QString& legend) {
    const double half = 36 * scale;
    const QRectF cap(centre.x() - half, centre.y() - half, 2 * half, 2 * half);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 100));
    painter.drawRoundedRect(cap.translated(4 * scale, 5 * scale), 9 * scale, 9 * scale);
    QLinearGradient face(cap.topLeft(), cap.bottomRight());
    face.setColorAt(0, QColor(95, 100, 100));
    face.setColorAt(1, QColor(22, 24, 24));
    painter.setPen(QPen(QColor(10, 10, 10), 2));
    painter.setBrush(face);
    painter.drawRoundedRect(cap, 9 * scale, 9 * scale);
    painter.setFont(PanelFont(legend.size() > 1 ? 26 * scale : 40 * scale, false));
    DrawEngraved(painter, cap, Qt::AlignCenter, legend);
}

void DrawKnob(QPainter& painter, QPointF centre, double scale, unsigned variant) {
    const double scaleRadius = 50 * scale;
    painter.setPen(QPen(kEngraving, 2.5 * scale, Qt::SolidLine, Qt::RoundCap));
    for (int tick = 0; tick <= 8; ++tick) {
        const double angle = qDegreesToRadians(-225.0 + tick * 270.0 / 8);
        const QPointF direction(qCos(angle), qSin(angle));
        const double inner = tick % 2 == 0 ? scaleRadius - 12 * scale : scaleRadius - 6 * scale;
        painter.drawLine(centre + direction * inner, centre + direction * scaleRadius);
    }
    painter.setFont(PanelFont(std::max(16.0, 20 * scale), false));
    const double mark = 66 * scale;
    DrawEngraved(painter, QRectF(centre.x() - mark - 14 * scale, centre.y() + 24 * scale, 28 * scale, 28 * scale),
                 Qt::AlignCenter, QStringLiteral("-"));
    DrawEngraved(painter, QRectF(centre.x() + mark - 14 * scale, centre.y() + 24 * scale, 28 * scale, 28 * scale),
                 Qt::AlignCenter, QStringLiteral("+"));

    const double radius = 32 * scale;
    DrawShadow(painter, centre, radius);
    painter.setPen(QPen(QColor(8, 8, 8), 1.5));
    painter.setBrush(Metal(centre, radius, QColor(90, 92, 92), QColor(12, 12, 12)));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(0, 0, 0, 160), 1.2 * scale));
    for (int groove = 0; groove < 36; ++groove) {
        const double angle = qDegreesToRadians(groove * 10.0);
        const QPointF direction(qCos(angle), qSin(angle));
        painter.drawLine(centre + direction * radius * 0.86, centre + direction * radius);
    }
    const double pointer = qDegreesToRadians(-225.0 + (variant % 7 + 1) * 270.0 / 8);
    painter.setPen(QPen(kEngraving, 5 * scale, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(qCos(pointer), qSin(pointer)) * radius * 0.2,
                     centre + QPointF(qCos(pointer), qSin(pointer)) * radius * 0.8);
}

void DrawRocker(QPainter& painter, QPointF centre, double scale, RockerDirection direction) {
    const bool vertical = direction == RockerDirection::Up || direction == RockerDirection::Down;
    const QSizeF size = vertical ? QSizeF(46 * scale, 96 * scale) : QSizeF(96 * scale, 46 * scale);
    const QRectF body(centre - QPointF(size.width() / 2, size.height() / 2), size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 100));
    painter.drawRoundedRect(body.translated(4 * scale, 5 * scale), 12 * scale, 12 * scale);
    QLinearGradient face(body.topLeft(), vertical ? body.topRight() : body.bottomLeft());
    face.setColorAt(0, QColor(30, 32, 32));
    face.setColorAt(0.45, QColor(88, 92, 92));
    face.setColorAt(1, QColor(20, 22, 22));
    painter.setPen(QPen(QColor(8, 8, 8), 2));
    painter.setBrush(face);
    painter.drawRoundedRect(body, 12 * scale, 12 * scale);

    // An arrow on the end that is pressed, in the engraving's white.
    static const QPointF arrowUp[] = {{0, -1}, {0.8, 0.45}, {-0.8, 0.45}};
    const double turn = direction == RockerDirection::Up ? 0 : direction == RockerDirection::Right ? 90
                        : direction == RockerDirection::Down ? 180 : 270;
    const double along = 28 * scale;
    const QPointF tipCentre = centre + QPointF(qSin(qDegreesToRadians(turn)), -qCos(qDegreesToRadians(turn))) * along;
    QPolygonF arrow;
    for (const QPointF& corner : arrowUp) {
        const double angle = qDegreesToRadians(turn);
        const QPointF rotated(corner.x() * qCos(angle) - corner.y() * qSin(angle),
                              corner.x() * qSin(angle) + corner.y() * qCos(angle));
        arrow << tipCentre + rotated * 13 * scale;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kEngraving);
    painter.drawPolygon(arrow);
    painter.setPen(QPen(QColor(0, 0, 0, 140), 2 * scale));
    if (vertical)
        painter.drawLine(QPointF(body.left() + 8 * scale, centre.y()), QPointF(body.right() - 8 * scale, centre.y()));
    else
        painter.drawLine(QPointF(centre.x(), body.top() + 8 * scale), QPointF(centre.x(), body.bottom() - 8 * scale));
}

} // namespace

void DrawControl(QPainter& painter, const QRectF& box, const PanelCommand& command, unsigned variant) {
    // Each kind is drawn around its centre at scale 1 within the extent given here, then scaled to
    // fill the box it gets.
    const ControlKind kind = KindOf(command);
    const QSizeF extent = kind == ControlKind::Toggle    ? QSizeF(210, 130)
                          : kind == ControlKind::Guarded ? QSizeF(100, 160)
                          : kind == ControlKind::Knob    ? QSizeF(165, 125)
                          : kind == ControlKind::Rocker  ? QSizeF(110, 110)
                                                         : QSizeF(90, 90);
    const double scale = std::clamp(std::min(box.width() / extent.width(), box.height() / extent.height()), 0.5, 1.8);
    const QPointF centre = box.center();
    switch (kind) {
    case ControlKind::Toggle:
        DrawToggle(painter, centre - QPointF(30 * scale, 0), scale, variant % 2 == 0, PositionWordsOf(command));
        break;
    case ControlKind::Guarded: DrawGuarded(painter, centre + QPointF(0, 26 * scale), scale); break;
    case ControlKind::PushButton: DrawPushButton(painter, centre, scale, ButtonColour(command, variant)); break;
    case ControlKind::Keycap: DrawKeycap(painter, centre, scale, CapLegend(command)); break;
    case ControlKind::Knob: DrawKnob(painter, centre + QPointF(0, -8 * scale), scale, variant); break;
    case ControlKind::Rocker: DrawRocker(painter, centre, scale, DirectionOf(command)); break;
    }
}

} // namespace panelgen
