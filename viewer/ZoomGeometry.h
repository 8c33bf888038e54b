#pragma once
// The viewer's geometry without a window: zoom, centre, the picture <-> screen mappings and the
// picture window a paint stretches. Every rounding is to the nearest integer with halves to even,
// the rounding the picture-pixel borders and the overlay lines must share to line up.

#include "Types.h"

#include <optional>

// Rounds half to even; raises ERangeError when the result does not fit a signed 32-bit integer.
int RoundToInt(long double value);

class TZoomGeometry {
public:
    // Client size of the control.
    int Width = 100;
    int Height = 100;
    // Picture size as last recorded (at a load, a fit and a paint).
    int PictureWidth = 0;
    int PictureHeight = 0;
    // The picture point shown at (Width / 2, Height / 2).
    double xCent = 0;
    double yCent = 0;
    // Screen pixels per picture pixel.
    long double Zoom = 1.0L;
    // Picture rectangle stretched at the last paint; whole numbers.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    // Where that rectangle lands on the screen.
    TRect ScreenRect;

    int WorldToScreenX(double x) const;
    int WorldToScreenY(double y) const;
    double ScreenToWorldX(int sx) const;
    double ScreenToWorldY(int sy) const;

    // The value part of the zoom rule: false when v is the current zoom or either is not a number
    // (then nothing at all may follow); otherwise Zoom becomes min(v, 100) if the picture would
    // stay wider and taller than 8 screen pixels, else it keeps its value, and the result is true.
    bool ApplyZoomRule(long double v);

    // Records the picture size and centres on it; returns the zoom that makes the whole picture fit,
    // to be set through the zoom rule. Nothing changes and nothing is returned for a control without height.
    std::optional<long double> PrepareFit(int pictureWidth, int pictureHeight);

    // Records the picture size, clamps the centre into the picture unless overMove, and sets the drawn
    // window (one picture pixel beyond the visible area on every side) and its screen rectangle.
    void CalcWindow(int pictureWidth, int pictureHeight, bool overMove);
};
