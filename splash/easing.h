#pragma once
// Named easing curves: the course an animation takes from its start to its end.

#include <QString>
#include <QtGlobal>

// t: elapsed milliseconds, d: duration in milliseconds, b: begin value, c: change (end minus begin).
// The animations call every curve with b = 0 and c = 1 and read the result as their progress, and they
// stop when it is exactly 1.0; so every curve gives exactly b at t = 0 and exactly b + c at t = d.
using TEasingFunction = double (*)(qint64 t, qint64 d, double b, double c);

// One process-wide list of (name, curve) pairs in registration order, filled with the standard curves
// before first use: "EaseNone", "EaseInQuad", "EaseOutQuad", "EaseInOutQuad", "EaseOutInQuad",
// "EaseInBack", "EaseOutBack".
class TEasingManager {
public:
    TEasingManager() = delete;

    // Appends the pair; an existing entry of the same name keeps precedence.
    static void RegisterEasing(const QString& name, TEasingFunction easing);

    // The curve of the first entry whose name matches without regard to case. An unknown name raises
    // EListError "List index out of bounds (-1)", the list's error for the index a failed search yields.
    static TEasingFunction GetEasing(const QString& name);
};
