#include "ZoomGeometry.h"

#include "Exceptions.h"

#include <cmath>
#include <limits>

int RoundToInt(long double value) {
    // rint follows the current rounding mode, which is round-half-to-even unless someone changed it.
    const long double rounded = std::rint(value);
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        throw ERangeError(QStringLiteral("Range check error"));
    return static_cast<int>(rounded);
}

int TZoomGeometry::WorldToScreenX(double x) const {
    return RoundToInt((x - xCent) * Zoom + Width / 2.0L);
}

int TZoomGeometry::WorldToScreenY(double y) const {
    return RoundToInt((y - yCent) * Zoom + Height / 2.0L);
}

double TZoomGeometry::ScreenToWorldX(int sx) const {
    return static_cast<double>((sx - Width / 2.0L) / Zoom + xCent);
}

double TZoomGeometry::ScreenToWorldY(int sy) const {
    return static_cast<double>((sy - Height / 2.0L) / Zoom + yCent);
}

bool TZoomGeometry::ApplyZoomRule(long double v) {
    if (v == Zoom || std::isnan(v) || std::isnan(Zoom)) return false;
    if (v > 100)
        Zoom = 100;
    else if (v * PictureWidth > 8 && v * PictureHeight > 8)
        Zoom = v;
    return true;
}

std::optional<long double> TZoomGeometry::PrepareFit(int pictureWidth, int pictureHeight) {
    if (Height == 0 || pictureWidth <= 0 || pictureHeight <= 0) return std::nullopt;
    const double controlAspect = static_cast<double>(Width) / Height;
    PictureWidth = pictureWidth;
    PictureHeight = pictureHeight;
    const double pictureAspect = static_cast<double>(pictureWidth) / pictureHeight;
    xCent = pictureWidth / 2.0;
    yCent = pictureHeight / 2.0;
    if (controlAspect >= pictureAspect) return static_cast<long double>(Height) / pictureHeight;
    return static_cast<long double>(Width) / pictureWidth;
}

void TZoomGeometry::CalcWindow(int pictureWidth, int pictureHeight, bool overMove) {
    PictureWidth = pictureWidth;
    PictureHeight = pictureHeight;
    const long double hw = Width / (Zoom * 2);
    const long double hh = Height / (Zoom * 2);
    if (!overMove) {
        if (xCent < 0) xCent = 0;
        if (yCent < 0) yCent = 0;
        if (xCent > PictureWidth) xCent = PictureWidth;
        if (yCent > PictureHeight) yCent = PictureHeight;
    }
    x1 = static_cast<double>(std::rint(xCent - hw - 1));
    y1 = static_cast<double>(std::rint(yCent - hh - 1));
    x2 = static_cast<double>(std::rint(xCent + hw + 1));
    y2 = static_cast<double>(std::rint(yCent + hh + 1));
    ScreenRect = {WorldToScreenX(x1), WorldToScreenY(y1), WorldToScreenX(x2), WorldToScreenY(y2)};
}
