#pragma once
// The colours of the window's design, named as the system colours they stand for. The system colours
// take the values of the platform's standard light scheme.

#include <QColor>

namespace kes_colors {

inline QColor BtnFace() { return QColor(240, 240, 240); }
inline QColor WindowText() { return QColor(0, 0, 0); }
inline QColor GradientInactiveCaption() { return QColor(215, 228, 242); } // system colour index 28
inline QColor Navy() { return QColor(0, 0, 128); }
inline QColor Green() { return QColor(0, 128, 0); }
inline QColor BackgroundBottomEnd() { return QColor(240, 251, 255); } // 16776176 as a design colour

} // namespace kes_colors
