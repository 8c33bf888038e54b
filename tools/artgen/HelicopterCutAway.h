#pragma once
// The gunship as a technical cut-away: the skin as a thin ghosted outline, the parts inside drawn in
// colour. Paints in the design space of HelicopterShape.h.

#include <QPainter>

namespace heli {

void PaintCutAway(QPainter& painter);

} // namespace heli
