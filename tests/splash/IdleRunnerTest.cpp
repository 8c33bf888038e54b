#include "AnimationTarget.h"
#include "animator.h"

#include "support/FakeClock.h"
#include "support/FakeMessageBox.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

// The shared runner as the program has it: passes turned by the event loop's idle timer.
class IdleRunner : public ::testing::Test {
protected:
    ~IdleRunner() override { TAnimator::FreeRunner(); }

    // Lets the event loop turn once on a clock moved on by ms.
    void LoopAfter(quint64 ms) {
        clock.Advance(ms);
        QCoreApplication::processEvents();
    }

    FakeClock clock;
    TAnimationTarget target;
};

TEST_F(IdleRunner, TurnsOnlyWhileThereAreAnimations) {
    TAnimator::AnimateInteger(&target, "AlphaBlendValue", 255, 500)->SetFrom(0);
    EXPECT_TRUE(TAnimator::Runner()->Turning());
    LoopAfter(0);
    LoopAfter(250);
    EXPECT_EQ(target.AlphaBlendValue(), 127);
    EXPECT_TRUE(TAnimator::Runner()->Turning());
    LoopAfter(250);
    EXPECT_EQ(target.AlphaBlendValue(), 255);
    EXPECT_EQ(TAnimator::Runner()->Count(), 0u);
    EXPECT_FALSE(TAnimator::Runner()->Turning());

    TAnimator::AnimateInteger(&target, "AlphaBlendValue", 0, 100);
    EXPECT_TRUE(TAnimator::Runner()->Turning());
}

TEST_F(IdleRunner, ReportsAnExceptionOfATickAndFreesTheFinishedAnimationNextPass) {
    FakeMessageBox messages;
    TAnimator::AnimateInteger(&target, "AlphaBlendValue", 255, 100, [](TBaseAnimation*) {
        throw EAssertionFailed("on-finish failed");
    })->SetFrom(0);
    LoopAfter(0);
    LoopAfter(100);
    EXPECT_EQ(messages.Texts, QStringList{"on-finish failed"});
    EXPECT_EQ(TAnimator::Runner()->Count(), 1u);
    LoopAfter(0);
    EXPECT_EQ(TAnimator::Runner()->Count(), 0u);
    EXPECT_FALSE(TAnimator::Runner()->Turning());
    EXPECT_EQ(messages.Texts.size(), 1);
}

} // namespace
