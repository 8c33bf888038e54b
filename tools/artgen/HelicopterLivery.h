#pragma once
// The gunship in its painted livery, and as a flat silhouette. Both paint in the design space of
// HelicopterShape.h; map it onto the target first (art::FitDesign).

#include <QBrush>
#include <QPainter>

namespace heli {

// Olive camouflage, tinted canopy, rotors turning (translucent discs). outlineWidth is in design
// units: small pictures need a heavier line to keep the shape.
void PaintLivery(QPainter& painter, double outlineWidth = 2.4);

// One flat shape: rotor blades, body, wing stores and skids, thickened by a stroke of strokeWidth
// design units so that thin parts survive at icon sizes.
void PaintSilhouette(QPainter& painter, const QBrush& brush, double strokeWidth);

} // namespace heli
