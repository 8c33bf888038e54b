#include "FakeTimer.h"

#include <algorithm>

FakeTimerFactory::FakeTimerFactory(FakeClock& clock) : FClock(clock), FPrevious(SetTimerFactory(this)) {}

FakeTimerFactory::~FakeTimerFactory() { SetTimerFactory(FPrevious); }

std::unique_ptr<TTimer> FakeTimerFactory::Create() { return std::make_unique<FakeTimer>(*this); }

void FakeTimerFactory::Advance(quint64 ms) {
    const quint64 target = FClock.NowMs() + ms;
    for (;;) {
        // Re-searched after every event: a timer's handler may start, stop or destroy timers.
        FakeTimer* next = nullptr;
        for (FakeTimer* t : FTimers)
            if (t->Running() && t->FDue <= target && (!next || t->FDue < next->FDue)) next = t;
        if (!next) break;
        FClock.Set(next->FDue);
        next->FDue += quint64(next->Interval());
        next->FireNow();
    }
    FClock.Set(target);
}

FakeTimer::FakeTimer(FakeTimerFactory& factory) : FFactory(factory) { FFactory.FTimers.push_back(this); }

FakeTimer::~FakeTimer() {
    auto& all = FFactory.FTimers;
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void FakeTimer::Restart() { FDue = FFactory.FClock.NowMs() + quint64(std::max(Interval(), 0)); }
