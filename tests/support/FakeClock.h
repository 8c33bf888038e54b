#pragma once
// A manual clock for tests: installed for its lifetime, moves only when told to.

#include "Clock.h"

class FakeClock final : public IClock {
public:
    explicit FakeClock(quint64 start = 1000);
    ~FakeClock() override;
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    quint64 NowMs() override { return FNow; }
    void Set(quint64 now) { FNow = now; }
    void Advance(quint64 ms) { FNow += ms; }

private:
    quint64 FNow;
    IClock* FPrevious;
};
