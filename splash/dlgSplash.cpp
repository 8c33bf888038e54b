#include "dlgSplash.h"

#include "Resources.h"
#include "Shader.h"
#include "SystemColors.h"
#include "URLLabel.h"
#include "WindowsFonts.h"
#include "animator.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int ClientWidth = 365;
constexpr int ClientHeight = 288;
constexpr int BorderWidth = 1;

const char* const Maker = "Made by Kestrova Tools";
const char* const WebCaption = "kestrova.example";
const char* const WebAddress = "https://kestrova.example/";
const char* const MailCaption = "help@kestrova.example";
const char* const MailAddress = "mailto:help@kestrova.example";

QFont FontOf(const char* family, int pixels, bool bold = false, bool underline = false) {
    QFont font{QString::fromLatin1(family)};
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void SetTextColor(QWidget* widget, TColor color) {
    QPalette colors = widget->palette();
    colors.setColor(QPalette::WindowText, ToQColor(color));
    widget->setPalette(colors);
}

// A label is as wide as its text, so that no text is cut off whatever the version or the face's exact
// widths, and keeps the designed height with its text at the bottom: the free Tahoma has a shorter
// ascent than the face the heights were designed with, but the same descent, so the baselines stay.
void FitWidth(QLabel* label) { label->resize(label->sizeHint().width(), label->height()); }

QLabel* SizedLabel(QLabel* label, const QRect& designed, const QFont& font) {
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    label->setGeometry(designed.x(), designed.y(), designed.width(),
                       std::max(designed.height(), label->sizeHint().height()));
    FitWidth(label);
    return label;
}

QLabel* NavyLabel(QLabel* label, const QRect& designed, const QFont& font) {
    SetTextColor(label, clNavy);
    return SizedLabel(label, designed, font);
}

} // namespace

TfrmSplash::TfrmSplash(QWidget* AOwner, const TRect& ARect, TNotifyEvent AOnFadedIn, TNotifyEvent AOnFadedOut,
                       const QString& AVersion)
    : QWidget(AOwner, Qt::Window | Qt::FramelessWindowHint) {
    CreateLayout();
    FRect = ARect;
    FOnFadedIn = std::move(AOnFadedIn);
    FOnFadedOut = std::move(AOnFadedOut);
    SetAlphaBlendValue(0);

    const QSize owner = AOwner ? AOwner->frameGeometry().size() : frameGeometry().size();
    const QSize own = frameGeometry().size();
    move((owner.width() - own.width()) / 2 + FRect.Left, (owner.height() - own.height()) / 2 + FRect.Top);

    lblVersion->setText(QStringLiteral("Version ") + AVersion);
    FitWidth(lblVersion);

    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TfrmSplash::FocusWindowChanged);
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();

    TAnimator::AnimateInteger(this, "AlphaBlendValue", 255, 500, [this](TBaseAnimation*) { SplashFadedIn(); })
        ->SetFrom(0)
        ->SetEasing("EaseNone");
}

void TfrmSplash::CreateLayout() {
    UseWindowsFonts();
    setFont(FontOf("Tahoma", 11));
    // The frame: the window's own colour around the client area.
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, ToQColor(clNavy));
    setPalette(colors);
    setFixedSize(ClientWidth + 2 * BorderWidth, ClientHeight + 2 * BorderWidth);

    Shader = new TShader(this);
    Shader->setGeometry(BorderWidth, BorderWidth, ClientWidth, ClientHeight);
    Shader->SetFromColor(16640730);
    Shader->SetToColor(14986888);
    Shader->SetSteps(100);
    Shader->SetDirection(false);

    lblTop = NavyLabel(new QLabel(QStringLiteral("Vortal Kestrova - Shortcuts"), Shader), {19, 1, 331, 33},
                       FontOf("Tahoma", 27, false, true));
    lblVersion = NavyLabel(new QLabel(QStringLiteral("Version 1.1"), Shader), {267, 32, 83, 21},
                           FontOf("Tahoma", 17));
    lblMaker = NavyLabel(new QLabel(QLatin1String(Maker), Shader), {114, 238, 128, 16},
                         FontOf("Tahoma", 13, true));
    lblURL = new TURLLabel(QLatin1String(WebCaption), QLatin1String(WebAddress), Shader);
    SizedLabel(lblURL, {133, 253, 93, 13}, FontOf("MS Sans Serif", 11, false, true));
    lblEPost = new TURLLabel(QLatin1String(MailCaption), QLatin1String(MailAddress), Shader);
    SizedLabel(lblEPost, {125, 269, 112, 13}, FontOf("MS Sans Serif", 11, false, true));

    imgSplash = new QLabel(Shader);
    imgSplash->setGeometry(43, 30, 279, 202);
    imgSplash->setFocusPolicy(Qt::StrongFocus);
    // The picture is drawn separately; a build without it shows the splash without a picture.
    QPixmap picture;
    if (ResourceExists(QStringLiteral("SPLASH")) && picture.loadFromData(LoadResource(QStringLiteral("SPLASH")))) {
        imgSplash->setPixmap(picture);
        imgSplash->resize(picture.size());
    }
    setFocusProxy(imgSplash);
}

void TfrmSplash::SetAlphaBlendValue(int value) {
    FAlphaBlendValue = value;
    setWindowOpacity(value / 255.0);
    // Without other traffic to the X server the new opacity could wait unsent, and a fade seem to stop.
    QGuiApplication::sync();
}

void TfrmSplash::SplashFadedIn() {
    QPointer<TfrmSplash> self(this);
    if (const TNotifyEvent onFadedIn = FOnFadedIn) onFadedIn(this);
    // Being the active window is what lets a later activation of the owner start the fade-out.
    if (self && isVisible() && isEnabled()) {
        activateWindow();
        imgSplash->setFocus();
    }
}

void TfrmSplash::FormDeactivate() {
    TAnimator::AnimateInteger(this, "AlphaBlendValue", 0, 200, [this](TBaseAnimation*) { SplashFadedOut(); })
        ->SetFrom(255)
        ->StartAfter(100);
}

void TfrmSplash::SplashFadedOut() {
    // The owner's call-back normally destroys this window, call-back included: call a copy, and touch
    // nothing of this window afterwards unless it still exists.
    QPointer<TfrmSplash> self(this);
    if (const TNotifyEvent onFadedOut = FOnFadedOut) onFadedOut(this);
    if (self && self->isVisible()) self->close();
}

void TfrmSplash::FocusWindowChanged(QWindow* focusWindow) {
    if (!focusWindow) return;
    if (focusWindow == windowHandle()) {
        FActive = true;
    } else if (FActive) {
        FActive = false;
        FormDeactivate();
    }
}
