#pragma once
// Our own stretch of the drawn window: nearest picture pixel, no smoothing, no blending.
// Picture pixel i covers the screen columns [WorldToScreenX(i), WorldToScreenX(i + 1)), and rows
// likewise, so magnified pixels are sharp blocks whose borders are exactly where the overlays draw
// them. Only pixels inside the picture, the clip rectangle and the target are written; the rest of
// the target keeps what it holds (the background). The cost follows the visible area only.

#include "ZoomGeometry.h"

#include <QImage>

// picture: 24-bit (QImage::Format_RGB888); target: 32-bit (QImage::Format_RGB32).
// Raises ERangeError when a border maps outside the 32-bit range.
void StretchWindow(const QImage& picture, const TZoomGeometry& geometry, const TRect& clip, QImage& target);
