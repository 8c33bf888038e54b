#include "ShaderBands.h"

#include <cmath>

qint64 RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) return qint64(below) + 1;
    return qint64(below);
}

std::vector<TShaderBand> ShaderBands(TColor fromRGB, TColor toRGB, quint16 steps, bool direction, int width,
                                     int height) {
    const int from[3] = {RedOf(fromRGB), GreenOf(fromRGB), BlueOf(fromRGB)};
    const int to[3] = {RedOf(toRGB), GreenOf(toRGB), BlueOf(toRGB)};
    double channelStep[3];
    for (int c = 0; c < 3; ++c) channelStep[c] = double(to[c] - from[c]) / steps;
    const double band = double(direction ? width : height) / steps;
    const int length = int(RoundHalfEven(band)) + 1;

    std::vector<TShaderBand> bands;
    bands.reserve(steps);
    for (int i = 0; i < steps; ++i) {
        int channel[3];
        for (int c = 0; c < 3; ++c) channel[c] = from[c] + int(RoundHalfEven(i * channelStep[c]));
        const TColor color = channel[0] + channel[1] * 256 + channel[2] * 65536;
        const int pos = quint16(RoundHalfEven(i * band));
        if (direction)
            bands.push_back({pos, 0, pos + length, height, color});
        else
            bands.push_back({0, pos, width, pos + length, color});
    }
    return bands;
}
