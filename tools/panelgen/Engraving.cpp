#include "Engraving.h"

#include <QFontMetricsF>

namespace panelgen {

QFont PanelFont(double pixelSize, bool condensed) {
    QFont font(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setBold(true);
    if (condensed)
        font.setStretch(QFont::SemiCondensed);
    return font;
}

void DrawEngraved(QPainter& painter, const QRectF& rect, int flags, const QString& text) {
    painter.setPen(QColor(0, 0, 0, 170));
    painter.drawText(rect.translated(1.5, 1.5), flags, text);
    painter.setPen(kEngraving);
    painter.drawText(rect, flags, text);
}

void DrawEngravedRect(QPainter& painter, const QRectF& rect, double radius) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 150), 3));
    painter.drawRoundedRect(rect.translated(1.5, 1.5), radius, radius);
    painter.setPen(QPen(QColor(225, 228, 218, 220), 2.5));
    painter.drawRoundedRect(rect, radius, radius);
}

double FittingSize(const QString& text, const QRectF& rect, int maxLines, double largest, double smallest) {
    for (double size = largest; size > smallest; size -= 1) {
        const QFontMetricsF metrics(PanelFont(size));
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, rect.width(), 1e6),
                                                   Qt::AlignHCenter | Qt::TextWordWrap, text);
        if (needed.width() <= rect.width() && needed.height() <= metrics.lineSpacing() * maxLines + 1)
            return size;
    }
    return smallest;
}

} // namespace panelgen
