#include "Clock.h"

#include <QElapsedTimer>

namespace {

class MonotonicClock final : public IClock {
public:
    MonotonicClock() { FStart.start(); }
    // Offset so that the count is never 0, which callers may use as "not started".
    quint64 NowMs() override { return quint64(FStart.elapsed()) + 1; }

private:
    QElapsedTimer FStart;
};

MonotonicClock& systemClock() {
    static MonotonicClock clock;
    return clock;
}

IClock* current = nullptr;

} // namespace

quint64 GetTickCount64() { return (current ? current : &systemClock())->NowMs(); }

IClock* SetClock(IClock* clock) {
    IClock* previous = current ? current : &systemClock();
    current = clock;
    return previous;
}
