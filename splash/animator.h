#pragma once
// Animates one integer property of an object (a window's "AlphaBlendValue") from a start value to an
// end value over a number of milliseconds along a named easing curve. There is no timer per animation:
// one shared runner advances every running animation in the application's idle time.

#include "Exceptions.h"
#include "easing.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QObject;
class QTimer;
class TBaseAnimation;

// A property name that the target does not publish.
class EAnimation : public Exception {
public:
    using Exception::Exception;
};

using TAnimationEvent = std::function<void(TBaseAnimation* sender)>;
using TAnimationChangeEvent = std::function<void(TBaseAnimation* sender, double progress)>;

class TBaseAnimation {
public:
    TBaseAnimation();
    virtual ~TBaseAnimation() = default;
    TBaseAnimation(const TBaseAnimation&) = delete;
    TBaseAnimation& operator=(const TBaseAnimation&) = delete;

    // Raises EAnimation "'<name>' is not a published property of '<class of target>'".
    TBaseAnimation* SetTarget(QObject* target, const QString& propName);
    TBaseAnimation* SetDuration(qint64 ms);
    // An unknown name raises the registry's EListError and keeps the current curve.
    TBaseAnimation* SetEasing(const QString& name);
    // Fixes the start at now + delay; until then ticks write nothing.
    TBaseAnimation* StartAfter(qint64 delay);
    TBaseAnimation* SetOnFinish(TAnimationEvent onFinish);
    TBaseAnimation* SetOnChange(TAnimationChangeEvent onChange);

    // Advances the animation to the tick count now; only the runner calls it. The tick on which the
    // progress reaches exactly 1.0 marks it finished and calls on-finish; after that it never touches
    // its target again. An animation whose target was destroyed finishes silently: there is nobody
    // left to animate or to tell.
    void Tick();

    bool Started() const { return FStarted; }
    bool Finished() const { return FFinished; }
    qint64 Duration() const { return FDuration; }
    qint64 StartTime() const { return FStartTime; }
    QObject* Target() const { return FTarget.data(); }
    const QString& PropName() const { return FPropName; }

protected:
    // Writes the property for the progress; true when it wrote.
    virtual bool Apply(double progress) = 0;
    // Called by the first tick: marks the animation started and starts its clock unless StartAfter did.
    virtual void Start();

private:
    qint64 FDuration = 0;
    qint64 FStartTime = -1; // a tick count; -1: not fixed yet
    QPointer<QObject> FTarget;
    QString FPropName;
    bool FStarted = false;
    bool FFinished = false;
    TAnimationEvent FOnFinish;
    TAnimationChangeEvent FOnChange;
    TEasingFunction FEasing;
};

class TIntegerAnimation : public TBaseAnimation {
public:
    TIntegerAnimation* SetFrom(qint32 value);
    TIntegerAnimation* SetTo(qint32 value);

    // The base setters again, returning the integer animation so that chains can go on in any order.
    TIntegerAnimation* SetDuration(qint64 ms) {
        TBaseAnimation::SetDuration(ms);
        return this;
    }
    TIntegerAnimation* SetEasing(const QString& name) {
        TBaseAnimation::SetEasing(name);
        return this;
    }
    TIntegerAnimation* StartAfter(qint64 delay) {
        TBaseAnimation::StartAfter(delay);
        return this;
    }

    qint32 From() const { return FFrom; }
    qint32 To() const { return FTo; }
    qint32 Last() const { return FLast; }

protected:
    // Writes From + trunc((To - From) * progress) when it differs from the value last written; no clamping,
    // so the overshooting curves leave the From..To range on the way.
    bool Apply(double progress) override;
    // Without SetFrom the start value is the property's value at the first tick.
    void Start() override;

private:
    bool FFromSet = false;
    qint32 FFrom = 0;
    qint32 FLast = 0;
    qint32 FTo = 0;
};

// Owns the running animations and advances them all in one idle pass. With an application object an
// idle timer (interval 0) turns the passes while there are animations and stops when there are none,
// so an idle program costs nothing; without one the owner calls Idle() itself.
class TAnimator {
public:
    TAnimator();
    ~TAnimator();
    TAnimator(const TAnimator&) = delete;
    TAnimator& operator=(const TAnimator&) = delete;

    // On the shared runner, made by the first call. The returned animation belongs to the runner: use
    // it only to chain setters right away.
    static TIntegerAnimation* AnimateInteger(QObject* target, const QString& propName, qint32 to,
                                             qint32 duration, TAnimationEvent onFinish = {},
                                             TAnimationChangeEvent onChange = {});
    // The shared runner, or nullptr before the first AnimateInteger.
    static TAnimator* Runner();
    // Frees the shared runner and, without their on-finish, the animations it still holds. Run at the
    // program's end; never from a call-back of an animation.
    static void FreeRunner();

    // Nothing is added when SetTarget raises.
    TIntegerAnimation* AddIntegerAnimation(QObject* target, const QString& propName, qint32 to, qint64 duration,
                                           TAnimationEvent onFinish, TAnimationChangeEvent onChange);

    // One idle pass: ticks every animation in list order, animations appended by call-backs during the
    // pass included, and frees each one that finished. Returns the done flag: true when the list is
    // empty. An exception of a tick leaves the pass; the animation stays and, if it had finished, the
    // next pass frees it. A pass started from inside a pass (a nested event loop) does nothing.
    bool Idle();

    std::size_t Count() const { return FList.size(); }
    // Whether the idle timer turns.
    bool Turning() const;

private:
    void Append(std::unique_ptr<TBaseAnimation> animation);
    void IdleTimerTimeout();

    std::vector<std::unique_ptr<TBaseAnimation>> FList;
    std::unique_ptr<QTimer> FEvents;
    bool FInPass = false;
};
