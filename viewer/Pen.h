#pragma once
// A drawing pen as the overlays use it: colour, width, style and how it combines with the pixels.

#include <QColor>
#include <QPainter>

enum class TPenMode {
    pmCopy,   // the pen's colour replaces the pixel
    pmNotXor, // the pixel becomes NOT (pen XOR pixel): drawing a figure twice restores the pixels
};

struct TPen {
    QColor Color = Qt::black;
    int Width = 1;
    Qt::PenStyle Style = Qt::SolidLine;
    TPenMode Mode = TPenMode::pmCopy;

    bool operator==(const TPen&) const = default;
};

// Sets painter's pen (flat caps: a line stops at its end point) and composition mode from pen.
void SelectPen(QPainter& painter, const TPen& pen);
