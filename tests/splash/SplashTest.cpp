#include "Shader.h"
#include "URLLabel.h"
#include "animator.h"
#include "dlgSplash.h"

#include "Resources.h"
#include "support/FakeClock.h"
#include "support/FakeTimer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QUrl>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The owner as the main window is at start-up: frameless, left 100, top 50, outer size 760 x 320.
class Splash : public ::testing::Test {
protected:
    Splash() {
        owner->setGeometry(100, 50, 760, 320);
    }
    ~Splash() override {
        owner.reset(); // takes a splash still owned along
        TAnimator::FreeRunner();
    }

    TfrmSplash* Open(const QString& version = QStringLiteral("1.1")) {
        const QRect bounds = owner->frameGeometry();
        TRect rect{bounds.left(), bounds.top() + 8, bounds.left() + bounds.width(), bounds.top() + bounds.height()};
        return new TfrmSplash(owner.get(), rect, [this](QObject*) { ++fadedIn; }, [this](QObject*) { FadedOut(); }, version);
    }
    // Lets the event loop turn once on a clock moved on by ms: window activation and one animation pass.
    void LoopAfter(quint64 ms) {
        clock.Advance(ms);
        QApplication::processEvents();
    }
    void ActivateOwner() {
        owner->show();
        owner->activateWindow();
        LoopAfter(0);
    }
    // Fades the splash in and lets it take the activation.
    void FadeIn() {
        LoopAfter(0);
        LoopAfter(500);
        LoopAfter(0);
    }
    virtual void FadedOut() { ++fadedOut; }

    FakeClock clock;
    std::unique_ptr<QWidget> owner = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    int fadedIn = 0;
    int fadedOut = 0;
};

TEST_F(Splash, ShowsTheVersionItIsGiven) {
    TfrmSplash* splash = Open("1.1");
    EXPECT_EQ(splash->lblVersion->text(), "Version 1.1");
}

TEST_F(Splash, IsCentredOnItsOwnerOffsetByTheRectangle) {
    TfrmSplash* splash = Open();
    EXPECT_EQ(splash->frameGeometry().size(), QSize(367, 290));
    EXPECT_EQ(splash->frameGeometry().topLeft(), QPoint(296, 73));
}

TEST_F(Splash, HasANavyFrameAroundTheGradient) {
    TfrmSplash* splash = Open();
    EXPECT_EQ(splash->Shader->geometry(), QRect(1, 1, 365, 288));
    const QImage image = splash->grab().toImage();
    for (const QPoint& p : {QPoint(0, 0), QPoint(366, 0), QPoint(0, 289), QPoint(366, 289), QPoint(183, 289)})
        EXPECT_EQ(image.pixel(p), qRgb(0, 0, 128)) << p.x() << "," << p.y();
    EXPECT_EQ(image.pixel(1, 1), qRgb(218, 234, 253));
    EXPECT_EQ(image.pixel(1, 288), qRgb(137, 175, 228));
}

TEST_F(Splash, LaysOutItsLabelsInTheirFonts) {
    TfrmSplash* splash = Open("1.10");
    const struct {
        QLabel* Label;
        QPoint TopLeft;
        int Height;
        const char* Family;
        int Pixels;
        bool Bold, Underline;
    } layout[] = {
        {splash->lblTop, {19, 1}, 33, "Tahoma", 27, false, true},
        {splash->lblVersion, {267, 32}, 21, "Tahoma", 17, false, false},
        {splash->lblMaker, {114, 238}, 16, "Tahoma", 13, true, false},
        {splash->lblURL, {133, 253}, 13, "MS Sans Serif", 11, false, true},
        {splash->lblEPost, {125, 269}, 13, "MS Sans Serif", 11, false, true},
    };
    for (const auto& l : layout) {
        const QString name = l.Label->text();
        EXPECT_EQ(l.Label->parentWidget(), splash->Shader) << name.toStdString();
        EXPECT_EQ(l.Label->pos(), l.TopLeft) << name.toStdString();
        EXPECT_EQ(l.Label->height(), l.Height) << name.toStdString();
        EXPECT_EQ(l.Label->font().family(), l.Family) << name.toStdString();
        EXPECT_EQ(l.Label->font().pixelSize(), l.Pixels) << name.toStdString();
        EXPECT_EQ(l.Label->font().bold(), l.Bold) << name.toStdString();
        EXPECT_EQ(l.Label->font().underline(), l.Underline) << name.toStdString();
        EXPECT_EQ(l.Label->palette().color(QPalette::WindowText), QColor(0, 0, 128)) << name.toStdString();
        EXPECT_LE(QFontMetrics(l.Label->font()).horizontalAdvance(name), l.Label->width()) << name.toStdString();
    }
    EXPECT_EQ(splash->lblTop->text(), "Vortal Kestrova - Shortcuts");
    EXPECT_EQ(splash->lblURL->Address().left(8), "https://");
    EXPECT_EQ(splash->lblEPost->Address().left(7), "mailto:");
}

TEST_F(Splash, DrawsItsTextsInTahomaWhereWinesFontsAreInstalled) {
    if (!QFile::exists(":/kes_splash_fonts/tahoma.ttf")) GTEST_SKIP() << "built without fonts-wine";
    TfrmSplash* splash = Open();
    EXPECT_EQ(QFontInfo(splash->lblTop->font()).family(), "Tahoma");
    EXPECT_EQ(QFontInfo(splash->lblMaker->font()).family(), "Tahoma");
    EXPECT_EQ(QFontInfo(splash->lblURL->font()).family(), "MS Sans Serif");
}

TEST_F(Splash, ShowsThePictureWhenTheProgramCarriesIt) {
    TfrmSplash* splash = Open();
    EXPECT_EQ(splash->imgSplash->geometry().topLeft(), QPoint(43, 30));
    if (ResourceExists("SPLASH")) {
        QPixmap picture;
        ASSERT_TRUE(picture.loadFromData(LoadResource("SPLASH")));
        EXPECT_EQ(splash->imgSplash->pixmap().size(), picture.size());
        EXPECT_EQ(splash->imgSplash->size(), picture.size());
    } else {
        EXPECT_TRUE(splash->imgSplash->pixmap().isNull());
    }
}

// The offscreen platform activates every window it shows; that the splash is not activated before its
// fade-in has finished shows only on a real window system.
TEST_F(Splash, ShowsTransparentAndAsksNotToBeActivated) {
    TfrmSplash* splash = Open();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash->AlphaBlendValue(), 0);
    EXPECT_EQ(splash->windowOpacity(), 0.0);
}

TEST_F(Splash, FadesInOverHalfASecondThenTakesTheActivation) {
    TfrmSplash* splash = Open();
    std::vector<int> opacity;
    for (int step = 0; step <= 5; ++step) {
        LoopAfter(step == 0 ? 0 : 100);
        opacity.push_back(splash->AlphaBlendValue());
    }
    EXPECT_EQ(opacity, (std::vector<int>{0, 51, 102, 153, 204, 255}));
    EXPECT_DOUBLE_EQ(splash->windowOpacity(), 1.0);
    EXPECT_EQ(fadedIn, 1);
}

TEST_F(Splash, HoldsForATenthWhenDeactivatedThenFadesOutInAFifth) {
    TfrmSplash* splash = Open();
    FadeIn();
    ActivateOwner();
    std::vector<int> opacity;
    for (int step = 0; step < 6; ++step) {
        LoopAfter(50);
        opacity.push_back(splash->AlphaBlendValue());
    }
    EXPECT_EQ(opacity, (std::vector<int>{255, 255, 192, 128, 64, 0}));
    EXPECT_EQ(fadedOut, 1);
    EXPECT_FALSE(splash->isVisible()); // closed, not destroyed, by its own faded-out step
    EXPECT_EQ(TAnimator::Runner()->Count(), 0u);
}

TEST_F(Splash, AnotherApplicationTakingTheActivationIsNoDeactivation) {
    TfrmSplash* splash = Open();
    FadeIn();
    emit qApp->focusWindowChanged(nullptr);
    EXPECT_EQ(TAnimator::Runner()->Count(), 0u);
    ActivateOwner();
    EXPECT_EQ(TAnimator::Runner()->Count(), 1u);
    EXPECT_EQ(splash->AlphaBlendValue(), 255);
}

TEST_F(Splash, ADeactivationDuringTheFadeInFadesOutToo) {
    TfrmSplash* splash = Open();
    LoopAfter(0);
    splash->FormDeactivate();
    LoopAfter(300);
    EXPECT_EQ(splash->AlphaBlendValue(), 0); // the later fade-out writes last
    LoopAfter(200);
    EXPECT_EQ(fadedIn, 1);
    EXPECT_EQ(fadedOut, 1);
}

// The owner's faded-out call-back destroys the splash, as the main window does.
class DestroyedSplash : public Splash {
protected:
    void FadedOut() override {
        ++fadedOut;
        delete splash;
    }
    QPointer<TfrmSplash> splash;
};

TEST_F(DestroyedSplash, FadedOutStepLeavesASplashItsOwnerDestroyed) {
    splash = Open();
    FadeIn();
    ActivateOwner();
    LoopAfter(300);
    EXPECT_EQ(fadedOut, 1);
    EXPECT_TRUE(splash.isNull());
    EXPECT_EQ(TAnimator::Runner()->Count(), 0u);
}

TEST_F(DestroyedSplash, EveryDeactivationFadesOutAndTheFirstToFinishEndsTheSplash) {
    splash = Open();
    FadeIn();
    ActivateOwner();
    LoopAfter(150);
    splash->activateWindow();
    LoopAfter(0);
    ActivateOwner();
    EXPECT_EQ(TAnimator::Runner()->Count(), 2u);
    LoopAfter(150);
    EXPECT_TRUE(splash.isNull());
    LoopAfter(300);
    EXPECT_EQ(fadedOut, 1);
    EXPECT_EQ(TAnimator::Runner()->Count(), 0u);
}

// The owner's side of the hand-over, as the main window has it: the faded-in call-back enables a
// 2000 ms timer that gives the activation back to the owner; the faded-out call-back destroys the splash.
TEST_F(DestroyedSplash, RunsTheWholeCourseFromFadeInToItsEnd) {
    FakeTimerFactory timers(clock);
    std::unique_ptr<TTimer> timerSplash = CreateTimer();
    timerSplash->SetInterval(2000);
    timerSplash->OnTimer = [&] {
        timerSplash->SetEnabled(false);
        owner->activateWindow();
    };
    owner->show();
    LoopAfter(0);
    const QRect bounds = owner->frameGeometry();
    splash = new TfrmSplash(owner.get(), {bounds.left(), bounds.top() + 8, bounds.right() + 1, bounds.bottom() + 1},
                            [&](QObject*) { timerSplash->SetEnabled(true); }, [this](QObject*) { FadedOut(); }, "1.2");
    const struct {
        quint64 At;
        int Opacity; // -1: the splash is gone
    } course[] = {{0, 0},      {250, 127},  {500, 255},  {2000, 255}, {2499, 255}, {2500, 255},
                  {2600, 255}, {2700, 128}, {2799, 2},   {2800, -1}};
    quint64 now = 0;
    for (const auto& step : course) {
        timers.Advance(step.At - now);
        QApplication::processEvents();
        QApplication::processEvents(); // the activation, then the pass that sees it
        now = step.At;
        EXPECT_EQ(splash ? splash->AlphaBlendValue() : -1, step.Opacity) << "at " << step.At << " ms";
    }
    EXPECT_EQ(fadedOut, 1);
    EXPECT_FALSE(timerSplash->Enabled());
}

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Opened;
public slots:
    void Open(const QUrl& url) { Opened.append(url); }
};

void Click(QWidget* widget) {
    const QPointF inside(widget->width() / 2, widget->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, widget->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, widget->mapToGlobal(inside), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

TEST_F(Splash, LinksOpenTheirAddressesAndTurnPurple) {
    UrlRecorder recorder;
    for (const char* scheme : {"https", "mailto"}) QDesktopServices::setUrlHandler(scheme, &recorder, "Open");
    TfrmSplash* splash = Open();
    EXPECT_EQ(splash->lblURL->cursor().shape(), Qt::PointingHandCursor);
    Click(splash->lblURL);
    Click(splash->lblEPost);
    for (const char* scheme : {"https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
    ASSERT_EQ(recorder.Opened.size(), 2);
    EXPECT_EQ(recorder.Opened[0], QUrl(splash->lblURL->Address()));
    EXPECT_EQ(recorder.Opened[1].scheme(), "mailto");
    for (TURLLabel* link : {splash->lblURL, splash->lblEPost}) {
        EXPECT_TRUE(link->Visited());
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    }
}

} // namespace

#include "SplashTest.moc"
