// The window comes and goes by fading its opacity, and hands the screen to and from the splash
// window at start-up and for About.
#include "locVortal.h"

#include "PictureImage.h"
#include "Timer.h"
#include "animator.h"
#include "dlgSplash.h"

#include <QGuiApplication>

TfrmSplash* frmSplash = nullptr;

int TfrmVortal_Kes_Commands::AlphaBlendValue() const { return FAlphaBlendValue; }

void TfrmVortal_Kes_Commands::SetAlphaBlendValue(int value) {
    FAlphaBlendValue = std::clamp(value, 0, 255);
    setWindowOpacity(FAlphaBlendValue / 255.0);
    // Without other traffic to the X server the new opacity could wait unsent, and a fade seem to stop.
    QGuiApplication::sync();
}

void TfrmVortal_Kes_Commands::OpenSplash(int topOffset) {
    const QRect bounds = frameGeometry();
    const TRect rect{bounds.left(), bounds.top() + topOffset, bounds.left() + Width(), bounds.top() + Height()};
    // A splash still showing is replaced here, and goes when its own fade-out ends.
    frmSplash = new TfrmSplash(this, rect, [this](QObject*) { SplashFadedIn(); }, [this](QObject*) { SplashFadedOut(); }, FVersion);
}

void TfrmVortal_Kes_Commands::imgCloseClick() { FadeOutAndClose(); }

void TfrmVortal_Kes_Commands::FadeOutAndClose() {
    TAnimator::AnimateInteger(this, QStringLiteral("AlphaBlendValue"), 0, 300,
                              [this](TBaseAnimation*) { CloseAfterFade(); })
        ->SetFrom(255)
        ->StartAfter(100);
}

void TfrmVortal_Kes_Commands::CloseAfterFade() {
    if (isVisible()) close();
}

void TfrmVortal_Kes_Commands::imgClosePropertiesCustomClick() {
    TimerSplash->SetInterval(6000);
    OpenSplash(14);
}

void TfrmVortal_Kes_Commands::SplashFadedIn() { TimerSplash->SetEnabled(true); }

void TfrmVortal_Kes_Commands::TimerSplashTimer() {
    TimerSplash->SetEnabled(false);
    // Taking the activation is what makes the splash fade out.
    if (isVisible() && isEnabled()) activateWindow();
}

void TfrmVortal_Kes_Commands::SplashFadedOut() {
    if (AlphaBlendValue() != 255) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
        TAnimator::AnimateInteger(this, QStringLiteral("AlphaBlendValue"), 255, 300)->SetFrom(50)->SetEasing(
            QStringLiteral("EaseNone"));
    }
    // The splash is inside its own faded-out step here; it touches nothing of itself once released.
    ReleaseSplash();
    TimerSplash->SetInterval(2000);
}

void TfrmVortal_Kes_Commands::ReleaseSplash() {
    delete frmSplash;
    frmSplash = nullptr;
}
