#pragma once
// Where things go on a panel picture: the face, the title plate and one cell per control.

#include <QList>
#include <QRectF>
#include <QSize>

namespace panelgen {

struct PanelLayout {
    QSize size;            // the whole picture
    QRectF face;           // the panel face inside its dark rim
    QRectF title;          // the engraved title plate
    QRectF controlArea;    // the engraved frame around the controls
    QList<QRectF> cells;   // one per control, in table order, row by row
};

// Bigger panels get a bigger picture so that no label has to shrink below readable size.
PanelLayout LayOutPanel(int controlCount);

} // namespace panelgen
