#pragma once
// Timers driven by a FakeClock: installed as the timer factory for the factory's lifetime.
// Advance() moves the clock and fires every timer that falls due, in order of due time.

#include "FakeClock.h"
#include "Timer.h"

#include <vector>

class FakeTimer;

class FakeTimerFactory final : public ITimerFactory {
public:
    explicit FakeTimerFactory(FakeClock& clock);
    ~FakeTimerFactory() override;
    FakeTimerFactory(const FakeTimerFactory&) = delete;
    FakeTimerFactory& operator=(const FakeTimerFactory&) = delete;

    std::unique_ptr<TTimer> Create() override;

    void Advance(quint64 ms);
    // Timers made by this factory that still exist, in creation order.
    const std::vector<FakeTimer*>& Timers() const { return FTimers; }

private:
    friend class FakeTimer;
    FakeClock& FClock;
    std::vector<FakeTimer*> FTimers;
    ITimerFactory* FPrevious;
};

class FakeTimer final : public TTimer {
public:
    FakeTimer(FakeTimerFactory& factory);
    ~FakeTimer() override;

    bool Running() const { return Enabled() && Interval() > 0; }
    quint64 Due() const { return FDue; }
    void FireNow() { Fire(); }

protected:
    void Restart() override;

private:
    friend class FakeTimerFactory;
    FakeTimerFactory& FFactory;
    quint64 FDue = 0;
};
