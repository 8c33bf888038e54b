#include "AnimationTarget.h"
#include "animator.h"

#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A runner of its own per test, driven pass by pass on a manual clock.
class Animator : public ::testing::Test {
protected:
    TIntegerAnimation* Fade(int to, qint64 duration, TAnimationEvent onFinish = {}) {
        return runner.AddIntegerAnimation(&target, "AlphaBlendValue", to, duration, std::move(onFinish), {});
    }
    // Moves the clock on and runs one pass; returns the done flag.
    bool PassAfter(quint64 ms) {
        clock.Advance(ms);
        return runner.Idle();
    }

    FakeClock clock{5000};
    TAnimationTarget target;
    TAnimator runner;
};

TEST_F(Animator, LinearFadeReachesItsValuesAndFinishesAtTheEnd) {
    int finished = 0;
    Fade(255, 500, [&](TBaseAnimation*) { ++finished; })->SetFrom(0);
    EXPECT_FALSE(runner.Idle()); // the first pass starts the clock and writes nothing: progress 0
    EXPECT_TRUE(target.Writes.empty());
    EXPECT_FALSE(PassAfter(100));
    EXPECT_EQ(target.AlphaBlendValue(), 51);
    EXPECT_FALSE(PassAfter(399));
    EXPECT_EQ(finished, 0);
    EXPECT_TRUE(PassAfter(1));
    EXPECT_EQ(target.AlphaBlendValue(), 255);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(runner.Count(), 0u);
}

TEST_F(Animator, APassLateForTheEndWritesTheEndValueAndFinishes) {
    int finished = 0;
    Fade(255, 500, [&](TBaseAnimation*) { ++finished; })->SetFrom(0);
    runner.Idle();
    PassAfter(400);
    EXPECT_TRUE(PassAfter(250));
    EXPECT_EQ(target.Writes, (std::vector<int>{204, 255}));
    EXPECT_EQ(finished, 1);
}

TEST_F(Animator, WritesOnlyWhenTheIntegerValueChanges) {
    Fade(3, 1000)->SetFrom(0);
    runner.Idle();
    while (!PassAfter(10)) {
    }
    EXPECT_EQ(target.Writes, (std::vector<int>{1, 2, 3}));
}

TEST_F(Animator, AStartValueEqualToTheEndNeverWritesButFinishesOnTime) {
    int finished = 0;
    Fade(255, 300, [&](TBaseAnimation*) { ++finished; })->SetFrom(255);
    runner.Idle();
    PassAfter(299);
    EXPECT_EQ(finished, 0);
    EXPECT_TRUE(PassAfter(1));
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(target.Writes.empty());
}

TEST_F(Animator, WithoutSetFromTheStartIsThePropertyAtTheFirstTick) {
    target.SetAlphaBlendValue(80);
    Fade(0, 100);
    target.SetAlphaBlendValue(90);
    target.Writes.clear();
    runner.Idle();
    PassAfter(50);
    EXPECT_EQ(target.Writes, (std::vector<int>{45}));
}

TEST_F(Animator, StartAfterWritesNothingForTheDelayYetTheLoopKeepsTurning) {
    Fade(0, 200)->SetFrom(255)->StartAfter(100);
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(PassAfter(10)) << "pass " << i;
    EXPECT_TRUE(target.Writes.empty());
    EXPECT_FALSE(PassAfter(100));
    EXPECT_EQ(target.Writes, (std::vector<int>{128}));
    EXPECT_TRUE(PassAfter(100));
    EXPECT_EQ(target.AlphaBlendValue(), 0);
}

TEST_F(Animator, TheClockOfAnAnimationStartsAtItsFirstPass) {
    TIntegerAnimation* fade = Fade(100, 100);
    clock.Advance(70);
    runner.Idle();
    EXPECT_TRUE(fade->Started());
    EXPECT_EQ(fade->StartTime(), 5070);
}

TEST_F(Animator, AnAnimationStartedByOnFinishGetsItsFirstTickInTheSamePass) {
    TAnimationTarget other(7);
    TIntegerAnimation* second = nullptr;
    Fade(10, 100, [&](TBaseAnimation*) {
        second = runner.AddIntegerAnimation(&other, "AlphaBlendValue", 50, 300, {}, {});
    });
    runner.Idle();
    EXPECT_FALSE(PassAfter(100));
    ASSERT_EQ(runner.Count(), 1u);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->Started());
    EXPECT_EQ(second->StartTime(), 5100);
    EXPECT_EQ(second->From(), 7);
}

TEST_F(Animator, TwoAnimationsOfOnePropertyWriteInListOrder) {
    Fade(100, 100)->SetFrom(0);
    Fade(100, 100)->SetFrom(200);
    runner.Idle();
    PassAfter(50);
    EXPECT_EQ(target.Writes, (std::vector<int>{50, 150}));
    EXPECT_EQ(target.AlphaBlendValue(), 150);
}

TEST_F(Animator, AnUnpublishedPropertyRaisesAndAddsNothing) {
    Fade(255, 500);
    try {
        runner.AddIntegerAnimation(&target, "Opacity", 255, 500, {}, {});
        FAIL() << "no error";
    } catch (const EAnimation& e) {
        EXPECT_EQ(e.Message(), "'Opacity' is not a published property of 'TAnimationTarget'");
    }
    EXPECT_EQ(runner.Count(), 1u);
}

TEST_F(Animator, PropertyNamesIgnoreCase) {
    runner.AddIntegerAnimation(&target, "alphablendvalue", 10, 10, {}, {})->SetFrom(0);
    runner.Idle();
    PassAfter(10);
    EXPECT_EQ(target.AlphaBlendValue(), 10);
}

TEST_F(Animator, AnUnknownEasingKeepsTheAnimationsCurve) {
    TIntegerAnimation* fade = Fade(100, 1000)->SetFrom(0)->SetEasing("EaseInQuad");
    EXPECT_THROW(fade->SetEasing("EaseInCubic"), EListError);
    runner.Idle();
    PassAfter(500);
    EXPECT_EQ(target.AlphaBlendValue(), 25);
}

TEST_F(Animator, OvershootingCurvesLeaveTheRangeUnclamped) {
    TAnimationTarget dipping;
    Fade(100, 1000)->SetFrom(0)->SetEasing("EaseOutBack");
    runner.AddIntegerAnimation(&dipping, "AlphaBlendValue", 100, 1000, {}, {})->SetFrom(0)->SetEasing("EaseInBack");
    runner.Idle();
    PassAfter(500);
    EXPECT_EQ(target.AlphaBlendValue(), 108);
    EXPECT_EQ(dipping.AlphaBlendValue(), -8);
}

TEST_F(Animator, AnAnimationWithAnyRegisteredCurveFinishes) {
    for (const char* name : {"EaseNone", "EaseInQuad", "EaseOutQuad", "EaseInOutQuad", "EaseOutInQuad",
                             "EaseInBack", "EaseOutBack"}) {
        Fade(255, 333)->SetFrom(0)->SetEasing(name);
        runner.Idle();
        EXPECT_TRUE(PassAfter(333)) << name;
        EXPECT_EQ(target.AlphaBlendValue(), 255) << name;
    }
}

// A 32-bit tick count wraps after 49.7 days; the 64-bit one carries on across that point.
TEST_F(Animator, AFadeAcrossTheThirtyTwoBitWrapRunsOn) {
    clock.Set(0xFFFFFFFFull - 100);
    Fade(255, 500)->SetFrom(0);
    runner.Idle();
    PassAfter(200);
    EXPECT_EQ(target.AlphaBlendValue(), 102);
    EXPECT_TRUE(PassAfter(300));
    EXPECT_EQ(target.AlphaBlendValue(), 255);
}

class NoDuration : public Animator, public ::testing::WithParamInterface<qint64> {};

TEST_P(NoDuration, FinishesOnItsFirstTickAtTheEndValue) {
    int finished = 0;
    Fade(200, GetParam(), [&](TBaseAnimation*) { ++finished; })->SetFrom(0);
    EXPECT_TRUE(runner.Idle());
    EXPECT_EQ(target.Writes, (std::vector<int>{200}));
    EXPECT_EQ(finished, 1);
}

TEST_P(NoDuration, StillWaitsForItsDelay) {
    Fade(200, GetParam())->SetFrom(0)->StartAfter(100);
    EXPECT_FALSE(PassAfter(99));
    EXPECT_TRUE(target.Writes.empty());
    EXPECT_TRUE(PassAfter(1));
    EXPECT_EQ(target.AlphaBlendValue(), 200);
}

INSTANTIATE_TEST_SUITE_P(Animator, NoDuration, ::testing::Values(0, -1, -500));

TEST_F(Animator, AnExceptionOfOnFinishLeavesThePassAndTheNextPassFreesTheAnimation) {
    int calls = 0;
    Fade(255, 100, [&](TBaseAnimation*) {
        ++calls;
        throw EAssertionFailed("call-back failed");
    })->SetFrom(0);
    TAnimationTarget other;
    runner.AddIntegerAnimation(&other, "AlphaBlendValue", 10, 100, {}, {})->SetFrom(0);
    runner.Idle();
    clock.Advance(100);
    EXPECT_THROW(runner.Idle(), EAssertionFailed);
    EXPECT_EQ(runner.Count(), 2u);
    EXPECT_TRUE(other.Writes.empty()); // the pass ended at the failing animation
    EXPECT_TRUE(runner.Idle());
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(other.Writes, (std::vector<int>{10}));
}

TEST_F(Animator, AnExceptionOfOnChangeKeepsTheAnimationRunning) {
    bool fail = true;
    runner.AddIntegerAnimation(&target, "AlphaBlendValue", 100, 100, {}, [&](TBaseAnimation*, double) {
        if (fail) throw EAssertionFailed("on-change failed");
    })->SetFrom(0);
    runner.Idle();
    EXPECT_THROW(PassAfter(50), EAssertionFailed);
    EXPECT_EQ(target.AlphaBlendValue(), 50);
    fail = false;
    EXPECT_TRUE(PassAfter(50));
    EXPECT_EQ(target.AlphaBlendValue(), 100);
}

TEST_F(Animator, OnChangeGetsTheProgressOfEveryWrite) {
    std::vector<double> progress;
    runner.AddIntegerAnimation(&target, "AlphaBlendValue", 100, 100, {},
                               [&](TBaseAnimation* sender, double p) {
                                   EXPECT_EQ(sender->Target(), &target);
                                   progress.push_back(p);
                               })
        ->SetFrom(0);
    runner.Idle();
    PassAfter(25);
    PassAfter(0); // no change of value: no call
    PassAfter(75);
    EXPECT_EQ(progress, (std::vector<double>{0.25, 1.0}));
}

TEST_F(Animator, AnAnimationOfADestroyedTargetEndsSilently) {
    auto doomed = std::make_unique<TAnimationTarget>();
    int finished = 0;
    runner.AddIntegerAnimation(doomed.get(), "AlphaBlendValue", 255, 500, [&](TBaseAnimation*) { ++finished; }, {});
    runner.Idle();
    doomed.reset();
    EXPECT_TRUE(PassAfter(100));
    EXPECT_EQ(finished, 0);
}

TEST(SharedAnimator, IsMadeByTheFirstAnimationAndFreedWithoutCallingOnFinish) {
    FakeClock clock;
    TAnimationTarget target;
    int finished = 0;
    ASSERT_EQ(TAnimator::Runner(), nullptr);
    TAnimator::AnimateInteger(&target, "AlphaBlendValue", 255, 500, [&](TBaseAnimation*) { ++finished; })
        ->SetFrom(0)
        ->SetEasing("EaseNone");
    ASSERT_NE(TAnimator::Runner(), nullptr);
    EXPECT_EQ(TAnimator::Runner()->Count(), 1u);
    TAnimator::FreeRunner();
    EXPECT_EQ(TAnimator::Runner(), nullptr);
    EXPECT_EQ(finished, 0);
}

} // namespace
