#pragma once
// Colours as the forms store them: plain RGB with red in the low byte, then green, then blue; or, with
// the high byte set, a system colour given by its index, whose RGB value is looked up when it is used.

#include <QColor>
#include <QtGlobal>

using TColor = qint32;

constexpr TColor clSystemColor = qint32(0xFF000000u);
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clGradientActiveCaption = clSystemColor | 27;
constexpr TColor clGradientInactiveCaption = clSystemColor | 28;

constexpr TColor clBlack = 0x000000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clBlue = 0xFF0000;

constexpr TColor RGBColor(int red, int green, int blue) { return TColor(red | green << 8 | blue << 16); }
constexpr int RedOf(TColor rgb) { return rgb & 0xFF; }
constexpr int GreenOf(TColor rgb) { return rgb >> 8 & 0xFF; }
constexpr int BlueOf(TColor rgb) { return rgb >> 16 & 0xFF; }
inline QColor ToQColor(TColor rgb) { return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb)); }

// The current RGB value of system colour index (0 for an index the system does not know).
TColor GetSysColor(int index);
// Changes system colour index, as a user's change of the colour scheme does.
void SetSysColor(int index, TColor rgb);

// A system colour's current RGB value; a plain RGB colour unchanged.
TColor ColorToRGB(TColor color);
