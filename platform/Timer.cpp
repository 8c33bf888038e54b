#include "Timer.h"

#include <QTimer>

void TTimer::SetInterval(int ms) {
    if (ms == FInterval) return;
    FInterval = ms;
    Restart();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == FEnabled) return;
    FEnabled = enabled;
    Restart();
}

void TTimer::Fire() {
    if (FEnabled && OnTimer) OnTimer();
}

namespace {

class QtTimer final : public TTimer {
public:
    QtTimer() {
        FTimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&FTimer, &QTimer::timeout, [this] { Fire(); });
    }

protected:
    void Restart() override {
        FTimer.stop();
        if (Enabled() && Interval() > 0) FTimer.start(Interval());
    }

private:
    QTimer FTimer;
};

class QtTimerFactory final : public ITimerFactory {
public:
    std::unique_ptr<TTimer> Create() override { return std::make_unique<QtTimer>(); }
};

QtTimerFactory qtFactory;
ITimerFactory* current = &qtFactory;

} // namespace

std::unique_ptr<TTimer> CreateTimer() { return current->Create(); }

ITimerFactory* SetTimerFactory(ITimerFactory* factory) {
    ITimerFactory* previous = current;
    current = factory ? factory : &qtFactory;
    return previous;
}
