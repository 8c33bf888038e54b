// The real program on an X display with a window manager: it starts transparent, its splash fades in
// and out, the window fades in, About brings the splash back, and the close button ends the program.
// Run by run-e2e.sh, which gives it a virtual display of its own; openbox is started on it here, since
// only a window manager honours showing a window without activating it.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace {

std::string Listed(const std::vector<int>& values) {
    std::string text;
    for (int value : values) text += std::to_string(value) + ' ';
    return text;
}

// Paths given on the command line.
QString ProgramPath;
QString XShotPath;
QString ArtifactFolder;

constexpr int Patience = 15000; // ms the longest step takes at most: About holds its splash for 6 s
constexpr QSize SplashSize{367, 290};

// Polls the display until the condition holds. QTest::qWaitFor hands each round to the event loop for
// as long as is left, which here made whole fades pass between two looks.
bool WaitUntil(const std::function<bool()>& condition) {
    const QDeadlineTimer deadline(Patience);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents();
        QTest::qSleep(10);
    }
    return true;
}

// A window that went away between listing and reading is no failure.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

struct TopWindow {
    Window Id = 0;
    QSize Size;
    QString Name;
};

class ProgramFadesE2E : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) return;
        FDisplay = XOpenDisplay(nullptr);
        if (!FDisplay) return;
        XSetErrorHandler(IgnoreXError);
        if (QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty()) return;
        FWindowManager = new QProcess;
        FWindowManager->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (!FWindowManager->waitForStarted()) return;
        // Whether it came up is told by each test's SetUp.
        WaitUntil([] { return WindowManagerRunning(); });
    }

    static void TearDownTestSuite() {
        if (FWindowManager) {
            FWindowManager->kill();
            FWindowManager->waitForFinished();
            delete FWindowManager;
            FWindowManager = nullptr;
        }
        if (FDisplay) XCloseDisplay(FDisplay);
        FDisplay = nullptr;
    }

    void SetUp() override {
        if (!FDisplay) GTEST_SKIP() << "no X display: Xvfb is missing";
        if (!FWindowManager || !WindowManagerRunning()) GTEST_SKIP() << "openbox is missing or did not start";
        Program.setProcessChannelMode(QProcess::ForwardedChannels);
        Program.start(ProgramPath, {});
        ASSERT_TRUE(Program.waitForStarted());
    }

    void TearDown() override {
        if (Program.state() != QProcess::NotRunning) {
            Program.kill();
            Program.waitForFinished();
        }
    }

    static bool WindowManagerRunning() {
        const Atom check = XInternAtom(FDisplay, "_NET_SUPPORTING_WM_CHECK", False);
        return ReadCardinal(DefaultRootWindow(FDisplay), check).has_value();
    }

    static std::optional<unsigned long> ReadCardinal(Window window, Atom property) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::optional<unsigned long> value;
        if (XGetWindowProperty(FDisplay, window, property, 0, 1, False, AnyPropertyType, &type, &format, &count,
                               &after, &data) == Success &&
            data && count == 1 && format == 32)
            value = *reinterpret_cast<unsigned long*>(data) & 0xffffffffUL; // Xlib widens 32-bit items to long
        if (data) XFree(data);
        return value;
    }

    static bool Exists(Window window) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        const bool found = XGetWindowProperty(FDisplay, window, XA_WM_NAME, 0, 0, False, AnyPropertyType, &type,
                                              &format, &count, &after, &data) == Success;
        if (data) XFree(data);
        return found;
    }

    // The opacity in the 0..255 steps the program sets it in; a window without the property is opaque.
    static int Opacity(Window window) {
        const auto value = ReadCardinal(window, XInternAtom(FDisplay, "_NET_WM_WINDOW_OPACITY", False));
        return value ? int((*value * 255 + 0x7fffffffUL) / 0xffffffffUL) : 255;
    }

    // The program's windows on the screen now: those the window manager manages, and those it leaves
    // alone (menus) among the root's children. Looking no deeper keeps the X server free for the program.
    std::vector<TopWindow> ProgramWindows() {
        const Window root = DefaultRootWindow(FDisplay);
        std::vector<Window> candidates = ManagedWindows();
        Window rootReturn = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(FDisplay, root, &rootReturn, &parent, &children, &count)) {
            candidates.insert(candidates.end(), children, children + count);
            if (children) XFree(children);
        }
        std::vector<TopWindow> found;
        const Atom pidAtom = XInternAtom(FDisplay, "_NET_WM_PID", False);
        const unsigned long pid = static_cast<unsigned long>(Program.processId());
        for (const Window window : candidates) {
            if (ReadCardinal(window, pidAtom) != pid) continue;
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(FDisplay, window, &attributes) || attributes.map_state != IsViewable) continue;
            char* name = nullptr;
            XFetchName(FDisplay, window, &name);
            found.push_back({window, {attributes.width, attributes.height}, QString::fromUtf8(name)});
            if (name) XFree(name);
        }
        return found;
    }

    static std::vector<Window> ManagedWindows() {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::vector<Window> windows;
        if (XGetWindowProperty(FDisplay, DefaultRootWindow(FDisplay), XInternAtom(FDisplay, "_NET_CLIENT_LIST", False),
                               0, 1024, False, XA_WINDOW, &type, &format, &count, &after, &data) == Success &&
            data && format == 32) {
            const auto* ids = reinterpret_cast<const unsigned long*>(data);
            windows.assign(ids, ids + count);
        }
        if (data) XFree(data);
        return windows;
    }

    std::optional<TopWindow> Find(const std::function<bool(const TopWindow&)>& which) {
        for (const TopWindow& window : ProgramWindows())
            if (which(window)) return window;
        return std::nullopt;
    }
    std::optional<TopWindow> MainWindow() {
        return Find([](const TopWindow& w) { return w.Size != SplashSize && w.Name.contains(QStringLiteral("Vortal Kestrova")); });
    }
    std::optional<TopWindow> Splash() {
        return Find([](const TopWindow& w) { return w.Size == SplashSize; });
    }

    // Follows the splash's opacity until it has gone, every change in order, and the main window's
    // opacity while the splash was opaque.
    struct SplashCourse {
        std::vector<int> Splash;
        std::vector<int> MainWhileSplashOpaque;
        bool Gone = false;
    };
    SplashCourse FollowSplash(const std::function<void()>& whenOpaque) {
        SplashCourse course;
        bool shot = false;
        course.Gone = WaitUntil(
            [&] {
                const auto splash = Splash();
                if (!splash) return !course.Splash.empty();
                // Read as opaque, a window being destroyed would seem to flash up at its end.
                if (!Exists(splash->Id)) return !course.Splash.empty();
                const int opacity = Opacity(splash->Id);
                if (course.Splash.empty() || course.Splash.back() != opacity) course.Splash.push_back(opacity);
                if (opacity == 255) {
                    if (const auto main = MainWindow()) course.MainWhileSplashOpaque.push_back(Opacity(main->Id));
                    if (!shot) whenOpaque();
                    shot = true;
                }
                return false;
            });
        return course;
    }

    static void ExpectFadesInAndOut(const SplashCourse& followed) {
        EXPECT_TRUE(followed.Gone) << "the splash did not go";
        const std::vector<int>& course = followed.Splash;
        SCOPED_TRACE("splash opacities: " + Listed(course));
        const auto top = std::find(course.begin(), course.end(), 255);
        ASSERT_NE(top, course.end()) << "the splash never became opaque";
        EXPECT_TRUE(std::is_sorted(course.begin(), top)) << "fading in";
        EXPECT_TRUE(std::any_of(course.begin(), top, [](int v) { return v < 255; })) << "appeared opaque at once";
        EXPECT_TRUE(std::is_sorted(top, course.end(), std::greater<>())) << "fading out";
        EXPECT_LT(course.back(), 255) << "vanished without fading out";
    }

    // A click of the mouse at a point of a window's client area, as the user would make it.
    void Click(Window window, QPoint at, unsigned int button) {
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(FDisplay, window, DefaultRootWindow(FDisplay), at.x(), at.y(), &x, &y, &child);
        XTestFakeMotionEvent(FDisplay, -1, x, y, 0);
        XTestFakeButtonEvent(FDisplay, button, True, 0);
        XTestFakeButtonEvent(FDisplay, button, False, 0);
        XFlush(FDisplay);
    }

    // Taken beside the polling: the screenshot program takes longer to start than the splash stays.
    void SaveScreenshot(const QString& name) {
        Screenshot.start(XShotPath, {QDir(ArtifactFolder).filePath(name + QStringLiteral(".png"))});
    }
    void ExpectScreenshotSaved() {
        if (Screenshot.state() != QProcess::NotRunning) {
            ASSERT_TRUE(Screenshot.waitForFinished(Patience));
        }
        EXPECT_EQ(Screenshot.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(Screenshot.exitCode(), 0);
    }

    QProcess Program;
    QProcess Screenshot;

private:
    static Display* FDisplay;
    static QProcess* FWindowManager;
};

Display* ProgramFadesE2E::FDisplay = nullptr;
QProcess* ProgramFadesE2E::FWindowManager = nullptr;

constexpr QPoint CloseButton{707 + 16, 4 + 16};
constexpr QPoint FormSizeButton{8 + 18, 4 + 18};

} // namespace

TEST_F(ProgramFadesE2E, StartsThroughItsSplashShowsItForAboutAndClosesCleanly) {
    std::optional<TopWindow> main;
    ASSERT_TRUE(WaitUntil([&] { return (main = MainWindow()).has_value(); }));
    EXPECT_EQ(Opacity(main->Id), 0) << "the window shows before its splash has gone";

    const SplashCourse start = FollowSplash([this] { SaveScreenshot(QStringLiteral("splash")); });
    ExpectScreenshotSaved();
    ExpectFadesInAndOut(start);
    ASSERT_FALSE(start.MainWhileSplashOpaque.empty());
    EXPECT_EQ(*std::max_element(start.MainWhileSplashOpaque.begin(), start.MainWhileSplashOpaque.end()), 0)
        << Listed(start.MainWhileSplashOpaque);

    std::vector<int> mainCourse;
    ASSERT_TRUE(WaitUntil(
        [&] {
            const int opacity = Opacity(main->Id);
            if (mainCourse.empty() || mainCourse.back() != opacity) mainCourse.push_back(opacity);
            return opacity == 255;
        }))
        << Listed(mainCourse);
    EXPECT_TRUE(std::is_sorted(mainCourse.begin(), mainCourse.end())) << Listed(mainCourse);

    const int collapsed = main->Size.height();
    Click(main->Id, FormSizeButton, Button1);
    ASSERT_TRUE(WaitUntil([&] { return MainWindow() && MainWindow()->Size.height() > collapsed; }));

    Click(main->Id, CloseButton, Button3);
    std::optional<TopWindow> menu;
    ASSERT_TRUE(WaitUntil([&] { return (menu = Find([&](const TopWindow& w) { return w.Id != main->Id; })).has_value(); }))
        << "no menu came up";
    Click(menu->Id, {menu->Size.width() / 2, menu->Size.height() / 2}, Button1); // its only entry
    const SplashCourse about = FollowSplash([this] { SaveScreenshot(QStringLiteral("about-expanded")); });
    ExpectScreenshotSaved();
    ExpectFadesInAndOut(about);
    EXPECT_EQ(Opacity(main->Id), 255) << "About fades only its splash";

    Click(main->Id, CloseButton, Button1);
    ASSERT_TRUE(Program.waitForFinished(Patience));
    EXPECT_EQ(Program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(Program.exitCode(), 0);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: %s <program> <kes_xshot> <artifact folder>\n", argv[0]);
        return 2;
    }
    ProgramPath = arguments.at(1);
    XShotPath = arguments.at(2);
    ArtifactFolder = arguments.at(3);
    QDir().mkpath(ArtifactFolder);
    return RUN_ALL_TESTS();
}
