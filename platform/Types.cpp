#include "Types.h"

#include <algorithm>

TRect TRect::Normalized() const { return NormalizedRect(Left, Top, Right, Bottom); }

TRect NormalizedRect(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}
