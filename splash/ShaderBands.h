#pragma once
// The colour bands of the gradient panel: Steps bands from FromColor towards ToColor, each one pixel
// longer than its share so that it overlaps the next, which paints over it. ToColor itself is never
// reached: the last band has FromColor + (Steps - 1) steps.

#include "SystemColors.h"

#include <vector>

struct TShaderBand {
    // Right and bottom are exclusive.
    int Left, Top, Right, Bottom;
    TColor Color;
};

// direction false: bands from top to bottom; true: from left to right. steps must be at least 1.
// Positions wrap at 65536, as the 16-bit coordinates of the drawing did.
std::vector<TShaderBand> ShaderBands(TColor fromRGB, TColor toRGB, quint16 steps, bool direction, int width,
                                     int height);

// The nearest integer, halves to the even one.
qint64 RoundHalfEven(double value);
