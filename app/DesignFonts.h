#pragma once
// The faces of the window's design. Tahoma is the metric-compatible free copy the splash registers (or DejaVu
// Sans where the build had none); Verdana is drawn with DejaVu Sans, which shares its wide metrics.

#include <QFont>
#include <QString>

// Registers the embedded faces and the substitutes; safe to call more than once.
void RegisterDesignFonts();

// A font of the design; pixelHeight is the character height in pixels.
QFont DesignFont(const QString& family, int pixelHeight, bool bold = false);
