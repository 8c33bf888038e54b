#include "SystemColors.h"

#include <array>
#include <utility>

namespace {

constexpr int SysColorCount = 31;

// The standard Windows colour scheme, for the system colours the windows use.
std::array<TColor, SysColorCount> StandardScheme() {
    std::array<TColor, SysColorCount> scheme{};
    const std::pair<int, TColor> standard[] = {
        // index, RGB
        {5, RGBColor(255, 255, 255)},  // window
        {8, RGBColor(0, 0, 0)},        // window text
        {13, RGBColor(0, 120, 215)},   // highlight
        {14, RGBColor(255, 255, 255)}, // highlight text
        {15, RGBColor(240, 240, 240)}, // button face
        {18, RGBColor(0, 0, 0)},       // button text
        {27, RGBColor(185, 209, 234)}, // gradient of an active caption
        {28, RGBColor(215, 228, 242)}, // gradient of an inactive caption
    };
    for (const auto& [index, rgb] : standard) scheme[index] = rgb;
    return scheme;
}

std::array<TColor, SysColorCount>& Scheme() {
    static std::array<TColor, SysColorCount> scheme = StandardScheme();
    return scheme;
}

bool Known(int index) { return index >= 0 && index < SysColorCount; }

} // namespace

TColor GetSysColor(int index) { return Known(index) ? Scheme()[index] : 0; }

void SetSysColor(int index, TColor rgb) {
    if (Known(index)) Scheme()[index] = rgb;
}

TColor ColorToRGB(TColor color) { return color < 0 ? GetSysColor(color & 0xFF) : color; }
