#include "support/FakeTimer.h"

#include <gtest/gtest.h>

// The fake timers follow the platform timer's rules, which the system's schedules depend on.
TEST(Timer, EnablingStartsTheCountFromNow) {
    FakeClock clock;
    FakeTimerFactory timers(clock);
    auto timer = CreateTimer();
    int fired = 0;
    timer->OnTimer = [&] { ++fired; };
    timer->SetInterval(800);
    timers.Advance(500);
    timer->SetEnabled(true);
    timers.Advance(799);
    EXPECT_EQ(fired, 0);
    timers.Advance(1);
    EXPECT_EQ(fired, 1);
    timers.Advance(1600);
    EXPECT_EQ(fired, 3);
}

TEST(Timer, ChangingTheIntervalOfARunningTimerRestartsIt) {
    FakeClock clock;
    FakeTimerFactory timers(clock);
    auto timer = CreateTimer();
    int fired = 0;
    timer->OnTimer = [&] { ++fired; };
    timer->SetInterval(2000);
    timer->SetEnabled(true);
    timers.Advance(1500);
    timer->SetInterval(6000);
    timers.Advance(5999);
    EXPECT_EQ(fired, 0);
    timers.Advance(1);
    EXPECT_EQ(fired, 1);
}

TEST(Timer, AHandlerThatStopsItsTimerFiresOnce) {
    FakeClock clock;
    FakeTimerFactory timers(clock);
    auto timer = CreateTimer();
    int fired = 0;
    timer->OnTimer = [&] {
        ++fired;
        timer->SetEnabled(false);
    };
    timer->SetInterval(10);
    timer->SetEnabled(true);
    timers.Advance(100);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(clock.NowMs(), 1100u);
}
