#include "Pen.h"

void SelectPen(QPainter& painter, const TPen& pen) {
    painter.setPen(QPen(pen.Color, pen.Width, pen.Style, Qt::FlatCap, Qt::MiterJoin));
    painter.setCompositionMode(pen.Mode == TPenMode::pmNotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                              : QPainter::CompositionMode_SourceOver);
}
