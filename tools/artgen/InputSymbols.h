#pragma once
// Symbols of the pilot's three input devices, drawn in a design space of 100 x 100 each; map it onto the
// target first (art::FitDesign).

#include <QPainter>

namespace symbols {

inline constexpr QRectF kDesignBox{0, 0, 100, 100};

void PaintJoystick(QPainter& p);
void PaintKeyboard(QPainter& p); // wide: fills the box's width, half its height
void PaintMouse(QPainter& p);

} // namespace symbols
