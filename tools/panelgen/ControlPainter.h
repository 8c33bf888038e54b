#pragma once
// Draws one cockpit control, centred in a box, sized to the box.

#include "ControlKind.h"

#include <QPainter>
#include <QRectF>

namespace panelgen {

// variant varies the look between controls of one kind (knob pointer angle, button colour).
void DrawControl(QPainter& painter, const QRectF& box, const PanelCommand& command, unsigned variant);

} // namespace panelgen
