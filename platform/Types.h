#pragma once
// Small value types shared by the windows and controls: a rectangle by its edges and the plain
// call-back that names its sender.

#include <QObject>
#include <functional>

// A rectangle of four 32-bit integers; right and bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const TRect&) const = default;
    // left <= x < right and top <= y < bottom: a rectangle of zero size contains no point.
    bool Contains(int x, int y) const { return Left <= x && x < Right && Top <= y && y < Bottom; }
    TRect Normalized() const;
};

// The rectangle spanned by two corners, in any order.
TRect NormalizedRect(int x1, int y1, int x2, int y2);

// A call-back that only names who sent it; an empty one is skipped by the sender.
using TNotifyEvent = std::function<void(QObject* Sender)>;
