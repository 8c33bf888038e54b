#include "FakeClock.h"

FakeClock::FakeClock(quint64 start) : FNow(start), FPrevious(SetClock(this)) {}

FakeClock::~FakeClock() { SetClock(FPrevious); }
