#include "easing.h"

#include "Exceptions.h"

#include <vector>

namespace {

// The overshoot of the "Back" curves. Their table form s1 * p - s0 with s1 = s0 + 1 is written here as
// p + s0 * (p - 1): the same value, but exact at both ends in plain double arithmetic, where
// 2.70158 - 1.70158 is not exactly 1 and an "EaseInBack" animation would never reach 1.0.
constexpr double Overshoot = 1.70158;

double Progress(qint64 t, qint64 d) { return double(t) / double(d); }

double EaseNone(qint64 t, qint64 d, double b, double c) { return c * double(t) / double(d) + b; }

double EaseInQuad(qint64 t, qint64 d, double b, double c) {
    const double p = Progress(t, d);
    return c * p * p + b;
}

double EaseOutQuad(qint64 t, qint64 d, double b, double c) {
    const double p = Progress(t, d);
    return -c * p * (p - 2) + b;
}

// The halves run the quadratic curves on doubled time; p exactly 0.5 belongs to the second half.
double EaseInOutQuad(qint64 t, qint64 d, double b, double c) {
    if (Progress(t, d) < 0.5) return c * EaseInQuad(2 * t, d, 0, 0.5) + b;
    return c * EaseOutQuad(2 * t - d, d, 0.5, 0.5) + b;
}

double EaseOutInQuad(qint64 t, qint64 d, double b, double c) {
    if (Progress(t, d) < 0.5) return c * EaseOutQuad(2 * t, d, 0, 0.5) + b;
    return c * EaseInQuad(2 * t - d, d, 0.5, 0.5) + b;
}

double EaseInBack(qint64 t, qint64 d, double b, double c) {
    const double p = Progress(t, d);
    return c * p * p * (p + Overshoot * (p - 1)) + b;
}

double EaseOutBack(qint64 t, qint64 d, double b, double c) {
    const double q = Progress(t, d) - 1;
    return c * (q * q * (q + Overshoot * (q + 1)) + 1) + b;
}

struct TEasingEntry {
    QString Name;
    TEasingFunction Easing;
};

std::vector<TEasingEntry>& Registry() {
    static std::vector<TEasingEntry> list{
        {QStringLiteral("EaseNone"), EaseNone},           {QStringLiteral("EaseInQuad"), EaseInQuad},
        {QStringLiteral("EaseOutQuad"), EaseOutQuad},     {QStringLiteral("EaseInOutQuad"), EaseInOutQuad},
        {QStringLiteral("EaseOutInQuad"), EaseOutInQuad}, {QStringLiteral("EaseInBack"), EaseInBack},
        {QStringLiteral("EaseOutBack"), EaseOutBack},
    };
    return list;
}

} // namespace

void TEasingManager::RegisterEasing(const QString& name, TEasingFunction easing) {
    Registry().push_back({name, easing});
}

TEasingFunction TEasingManager::GetEasing(const QString& name) {
    for (const TEasingEntry& entry : Registry())
        if (entry.Name.compare(name, Qt::CaseInsensitive) == 0) return entry.Easing;
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(-1));
}
