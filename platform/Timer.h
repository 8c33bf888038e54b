#pragma once
// A timer of the user-interface thread: an interval, an enabled flag and an event.
// Enabling starts the count from now; changing the interval of an enabled timer restarts it.
// Timers are made through a replaceable factory so that tests drive them with a manual clock.

#include <functional>
#include <memory>

class TTimer {
public:
    virtual ~TTimer() = default;

    int Interval() const { return FInterval; }
    bool Enabled() const { return FEnabled; }
    void SetInterval(int ms);
    void SetEnabled(bool enabled);

    std::function<void()> OnTimer;

protected:
    // Called when the interval or the enabled flag changed; the backend (re)starts or stops.
    virtual void Restart() = 0;
    void Fire();

private:
    int FInterval = 1000;
    bool FEnabled = false;
};

class ITimerFactory {
public:
    virtual ~ITimerFactory() = default;
    virtual std::unique_ptr<TTimer> Create() = 0;
};

std::unique_ptr<TTimer> CreateTimer();

// Installs factory for all later CreateTimer calls; nullptr restores the real timers. Returns the previous one.
ITimerFactory* SetTimerFactory(ITimerFactory* factory);
