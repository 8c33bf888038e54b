#pragma once
// The system tick count: milliseconds from a monotonic clock, 64 bits wide so it never wraps.

#include <QtGlobal>

class IClock {
public:
    virtual ~IClock() = default;
    virtual quint64 NowMs() = 0;
};

quint64 GetTickCount64();

// Installs clock for all later GetTickCount64 calls; nullptr restores the real one. Returns the previous one.
IClock* SetClock(IClock* clock);
