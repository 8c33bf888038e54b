#pragma once
// The look every panel shares: the paint of the face and the engraved white lettering.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace panelgen {

inline const QColor kFacePaint{52, 64, 58};     // dark grey-green cockpit paint
inline const QColor kRimPaint{28, 33, 31};
inline const QColor kEngraving{236, 238, 228};  // white fill of the engraved letters
inline const QColor kKeyPlate{18, 20, 20};
inline const QColor kKeyLettering{255, 200, 70}; // amber, so that the keys stand out from the labels

// DejaVu Sans (condensed when asked), bold, at a pixel size.
QFont PanelFont(double pixelSize, bool condensed = true);

// Text in the given rectangle as engraved lettering: a dark cut under a light fill.
void DrawEngraved(QPainter& painter, const QRectF& rect, int flags, const QString& text);

// An engraved line, as used for the frames around groups of controls.
void DrawEngravedRect(QPainter& painter, const QRectF& rect, double radius);

// The pixel size at which the text fits the rectangle in at most maxLines word-wrapped lines.
double FittingSize(const QString& text, const QRectF& rect, int maxLines, double largest, double smallest);

} // namespace panelgen
