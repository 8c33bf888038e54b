#include "PanelPicture.h"

#include "ControlPainter.h"
#include "Engraving.h"
#include "PanelLayout.h"
#include "dmKeys.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

namespace panelgen {
namespace {

// qHash is seeded per process; the pictures must come out the same on every run.
quint32 StableHash(const QString& text) {
    quint32 hash = 2166136261u;
    for (const char byte : text.toUtf8())
        hash = (hash ^ quint8(byte)) * 16777619u;
    return hash;
}

// Paint is never perfectly even: a fine grain gives the face the look of a sprayed metal plate.
void AddGrain(QImage& image, const QRectF& face, quint32 seed) {
    QRandomGenerator random(seed);
    const QRect area = face.toAlignedRect() & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uchar* pixel = image.scanLine(y) + area.left() * 3;
        for (int x = area.left(); x <= area.right(); ++x, pixel += 3) {
            const int grain = int(random.bounded(9u)) - 4;
            for (int channel = 0; channel < 3; ++channel)
                pixel[channel] = uchar(std::clamp(pixel[channel] + grain, 0, 255));
        }
    }
}

void DrawFace(QPainter& painter, const PanelLayout& layout) {
    painter.fillRect(QRect(QPoint(0, 0), layout.size), kRimPaint);
    QLinearGradient light(layout.face.topLeft(), layout.face.bottomRight());
    light.setColorAt(0, kFacePaint.lighter(118));
    light.setColorAt(1, kFacePaint.darker(112));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawRoundedRect(layout.face, 14, 14);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 45), 3));
    painter.drawRoundedRect(layout.face.adjusted(2, 2, -2, -2), 13, 13);
}

void DrawScrew(QPainter& painter, QPointF centre, double turn) {
    const double radius = 13;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawEllipse(centre + QPointF(2, 2.5), radius + 1, radius + 1);
    QRadialGradient metal(centre, radius * 1.3, centre - QPointF(4, 5));
    metal.setColorAt(0, QColor(215, 218, 214));
    metal.setColorAt(1, QColor(78, 82, 80));
    painter.setPen(QPen(QColor(25, 27, 26), 1.2));
    painter.setBrush(metal);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(30, 32, 31), 3.2, Qt::SolidLine, Qt::RoundCap));
    for (double angle : {turn, turn + 90}) {
        const QPointF arm(qCos(qDegreesToRadians(angle)) * radius * 0.65,
                          qSin(qDegreesToRadians(angle)) * radius * 0.65);
        painter.drawLine(centre - arm, centre + arm);
    }
}

void DrawScrews(QPainter& painter, const PanelLayout& layout, QRandomGenerator& random) {
    const QRectF inset = layout.face.adjusted(26, 26, -26, -26);
    // No screw in the middle of the top edge: the title plate sits there.
    const QPointF points[] = {inset.topLeft(), inset.topRight(), inset.bottomLeft(), inset.bottomRight(),
                              {inset.center().x(), inset.bottom()},
                              {inset.left(), inset.center().y()}, {inset.right(), inset.center().y()}};
    for (const QPointF& point : points)
        DrawScrew(painter, point, random.bounded(90.0));
}

void DrawTitle(QPainter& painter, const PanelLayout& layout, const QString& category) {
    DrawEngravedRect(painter, layout.title, 10);
    const QString title = category.toUpper();
    painter.setFont(PanelFont(FittingSize(title, layout.title.adjusted(20, 0, -20, 0), 1, 46, 26)));
    DrawEngraved(painter, layout.title, Qt::AlignCenter, title);
}

void DrawFooter(QPainter& painter, const PanelLayout& layout, const QString& category) {
    const QRectF footer(layout.face.left() + 70, layout.face.bottom() - 50, layout.face.width() - 140, 30);
    painter.setFont(PanelFont(19, false));
    DrawEngraved(painter, footer, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VORTAL KESTROVA"));
    const QString partNumber = QStringLiteral("P/N KV-%1").arg(StableHash(PanelPictureName(category).toUpper()) % 9000 + 1000);
    DrawEngraved(painter, footer, Qt::AlignRight | Qt::AlignVCenter, partNumber);
}

// The key combination on a black plate in amber, so that it is found at a glance.
void DrawKeyPlate(QPainter& painter, const QRectF& row, const QString& combination, double size) {
    painter.setFont(PanelFont(size, false));
    const QFontMetricsF metrics(painter.font());
    const double width = std::min(row.width(), metrics.horizontalAdvance(combination) + 2 * size * 0.8);
    const QRectF plate(row.center().x() - width / 2, row.top(), width, row.height());
    painter.setPen(QPen(QColor(0, 0, 0, 120), 2));
    painter.setBrush(kKeyPlate);
    painter.drawRoundedRect(plate, 6, 6);
    painter.setPen(QPen(QColor(110, 116, 112), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(plate.adjusted(2, 2, -2, -2), 5, 5);
    painter.setPen(kKeyLettering);
    painter.drawText(plate, Qt::AlignCenter, combination);
}

// The sizes of a cell's parts; every cell of a panel has the same, so that controls and labels line up.
struct CellParts {
    double nameSize = 0;   // largest size of the command names
    double keySize = 0;
    double plateHeight = 0;
    double nameHeight = 0; // room for the tallest name of the panel
};

QRectF Inner(const QRectF& cell) {
    return cell.adjusted(12, 14, -12, -14);
}

QFont NameFont(const QString& name, const QRectF& inner, double largest) {
    return PanelFont(FittingSize(name, inner, 2, largest, 16));
}

CellParts MeasureCells(const PanelLayout& layout, const QList<PanelCommand>& commands) {
    CellParts parts;
    if (layout.cells.isEmpty())
        return parts;
    const QRectF inner = Inner(layout.cells.first());
    parts.nameSize = std::clamp(inner.width() / 14.5, 22.0, 28.0);
    parts.keySize = parts.nameSize + 1;
    parts.plateHeight = parts.keySize * 1.55;
    for (const PanelCommand& command : commands) {
        const QString name = command.name.toUpper();
        const QFontMetricsF metrics(NameFont(name, inner, parts.nameSize));
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, inner.width(), 1e6),
                                                   Qt::AlignHCenter | Qt::TextWordWrap, name);
        parts.nameHeight = std::max(parts.nameHeight, needed.height());
    }
    return parts;
}

void DrawCell(QPainter& painter, const QRectF& cell, const CellParts& parts, const PanelCommand& command,
              unsigned variant) {
    const QRectF inner = Inner(cell);
    const QRectF plateRow(inner.left(), inner.bottom() - parts.plateHeight, inner.width(), parts.plateHeight);
    const QRectF nameBox(inner.left(), plateRow.top() - 8 - parts.nameHeight, inner.width(), parts.nameHeight);
    const QRectF controlBox(inner.left(), inner.top(), inner.width(), nameBox.top() - inner.top() - 6);

    DrawControl(painter, controlBox, command, variant);
    const QString name = command.name.toUpper();
    painter.setFont(NameFont(name, inner, parts.nameSize));
    DrawEngraved(painter, nameBox, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, name);
    DrawKeyPlate(painter, plateRow, command.combination, parts.keySize);
}

} // namespace

QImage DrawPanelPicture(const QString& category, const QList<PanelCommand>& commands) {
    const PanelLayout layout = LayOutPanel(int(commands.size()));
    QImage picture(layout.size, QImage::Format_RGB888);
    const quint32 seed = StableHash(category);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        DrawFace(painter, layout);
    }
    AddGrain(picture, layout.face, seed);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QRandomGenerator random(seed);
    DrawScrews(painter, layout, random);
    DrawTitle(painter, layout, category);
    DrawEngravedRect(painter, layout.controlArea, 16);
    const CellParts parts = MeasureCells(layout, commands);
    for (qsizetype index = 0; index < commands.size(); ++index)
        DrawCell(painter, layout.cells[index], parts, commands[index], unsigned(index) + seed);
    DrawFooter(painter, layout, category);
    return picture;
}

} // namespace panelgen
