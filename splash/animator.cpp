#include "animator.h"

#include "Clock.h"
#include "MessageBox.h"
#include "PublishedProperty.h"

#include <QCoreApplication>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {
qint64 Now() { return qint64(GetTickCount64()); }
} // namespace

// ---- TBaseAnimation ----

TBaseAnimation::TBaseAnimation() : FEasing(TEasingManager::GetEasing(QStringLiteral("EaseNone"))) {}

TBaseAnimation* TBaseAnimation::SetTarget(QObject* target, const QString& propName) {
    if (!target) throw EAssertionFailed(QStringLiteral("An animation needs a target"));
    if (!IsPublishedProp(target, propName))
        throw EAnimation(QStringLiteral("'%1' is not a published property of '%2'")
                             .arg(propName, QLatin1String(target->metaObject()->className())));
    FTarget = target;
    FPropName = propName;
    return this;
}

TBaseAnimation* TBaseAnimation::SetDuration(qint64 ms) {
    FDuration = ms;
    return this;
}

TBaseAnimation* TBaseAnimation::SetEasing(const QString& name) {
    FEasing = TEasingManager::GetEasing(name);
    return this;
}

TBaseAnimation* TBaseAnimation::StartAfter(qint64 delay) {
    FStartTime = Now() + delay;
    return this;
}

TBaseAnimation* TBaseAnimation::SetOnFinish(TAnimationEvent onFinish) {
    FOnFinish = std::move(onFinish);
    return this;
}

TBaseAnimation* TBaseAnimation::SetOnChange(TAnimationChangeEvent onChange) {
    FOnChange = std::move(onChange);
    return this;
}

void TBaseAnimation::Start() {
    FStarted = true;
    FFinished = false;
    if (FStartTime == -1) FStartTime = Now();
}

void TBaseAnimation::Tick() {
    if (FFinished) return;
    if (!FTarget) { // destroyed while animated (or never set): nothing to write, nobody to tell
        FStarted = true;
        FFinished = true;
        return;
    }
    if (!FStarted) Start();

    const qint64 elapsed = Now() - FStartTime;
    if (elapsed < 0) return; // StartAfter put the start in the future
    // A duration of zero or less has nothing to run through: it is at its end at once.
    const double progress = FDuration <= 0 ? 1.0 : FEasing(std::min(elapsed, FDuration), FDuration, 0.0, 1.0);

    if (Apply(progress) && FOnChange) FOnChange(this, progress);
    FFinished = progress == 1.0;
    if (FFinished && FOnFinish) FOnFinish(this);
}

// ---- TIntegerAnimation ----

TIntegerAnimation* TIntegerAnimation::SetFrom(qint32 value) {
    FFrom = value;
    FFromSet = true;
    return this;
}

TIntegerAnimation* TIntegerAnimation::SetTo(qint32 value) {
    FTo = value;
    return this;
}

void TIntegerAnimation::Start() {
    TBaseAnimation::Start();
    if (!FFromSet) FFrom = GetOrdProp(Target(), PropName());
    FLast = FFrom;
}

bool TIntegerAnimation::Apply(double progress) {
    // The difference and the sum are 32-bit values that wrap, as the integer type of the property does.
    const qint32 change = qint32(qint64(FTo) - qint64(FFrom));
    const qint32 value = qint32(qint64(FFrom) + qint64(std::trunc(double(change) * progress)));
    if (value == FLast) return false;
    SetOrdProp(Target(), PropName(), value);
    FLast = value;
    return true;
}

// ---- TAnimator ----

namespace {
std::unique_ptr<TAnimator> sharedRunner;
void FreeSharedRunner() { sharedRunner.reset(); }
} // namespace

TAnimator::TAnimator() = default;

TAnimator::~TAnimator() {
    // No idle pass may come once the animations are going.
    FEvents.reset();
    FList.clear();
}

TIntegerAnimation* TAnimator::AnimateInteger(QObject* target, const QString& propName, qint32 to, qint32 duration,
                                             TAnimationEvent onFinish, TAnimationChangeEvent onChange) {
    if (!sharedRunner) {
        sharedRunner = std::make_unique<TAnimator>();
        // Freed while the application object still stands, so that its idle timer goes with the event loop.
        if (QCoreApplication::instance()) qAddPostRoutine(FreeSharedRunner);
    }
    return sharedRunner->AddIntegerAnimation(target, propName, to, qint64(duration), std::move(onFinish),
                                             std::move(onChange));
}

TAnimator* TAnimator::Runner() { return sharedRunner.get(); }

void TAnimator::FreeRunner() {
    qRemovePostRoutine(FreeSharedRunner);
    sharedRunner.reset();
}

TIntegerAnimation* TAnimator::AddIntegerAnimation(QObject* target, const QString& propName, qint32 to,
                                                  qint64 duration, TAnimationEvent onFinish,
                                                  TAnimationChangeEvent onChange) {
    auto animation = std::make_unique<TIntegerAnimation>();
    animation->SetTo(to);
    animation->SetTarget(target, propName);
    animation->SetDuration(duration);
    animation->SetEasing(QStringLiteral("EaseNone"));
    animation->SetOnFinish(std::move(onFinish));
    animation->SetOnChange(std::move(onChange));
    TIntegerAnimation* result = animation.get();
    Append(std::move(animation));
    return result;
}

void TAnimator::Append(std::unique_ptr<TBaseAnimation> animation) {
    FList.push_back(std::move(animation));
    if (!FEvents && QCoreApplication::instance()) {
        FEvents = std::make_unique<QTimer>();
        FEvents->setInterval(0);
        QObject::connect(FEvents.get(), &QTimer::timeout, [this] { IdleTimerTimeout(); });
    }
    if (FEvents && !FEvents->isActive()) FEvents->start();
}

bool TAnimator::Idle() {
    if (FInPass) return false;
    FInPass = true;
    struct PassEnd {
        bool& InPass;
        ~PassEnd() { InPass = false; }
    } passEnd{FInPass};

    // The size is read again before each step: a call-back may append an animation, which then gets its
    // first tick in this same pass.
    for (std::size_t i = 0; i < FList.size();) {
        TBaseAnimation* animation = FList[i].get();
        animation->Tick();
        if (animation->Finished())
            FList.erase(FList.begin() + std::ptrdiff_t(i));
        else
            ++i;
    }
    const bool done = FList.empty();
    if (done && FEvents) FEvents->stop();
    return done;
}

bool TAnimator::Turning() const { return FEvents && FEvents->isActive(); }

void TAnimator::IdleTimerTimeout() {
    // The event loop cannot carry exceptions: report them as the application's handler does, and let
    // the timer go on with the next pass.
    try {
        Idle();
    } catch (const Exception& e) {
        ShowMessage(e.Message());
    } catch (const std::exception& e) {
        ShowMessage(QString::fromLocal8Bit(e.what()));
    }
}
