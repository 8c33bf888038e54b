#include "X11KeyboardWatcher.h"

#include "KeyboardLayout.h"

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// Xlib's macros (None, KeyPress, Bool...) clash with Qt's names: its headers come last.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

namespace {

constexpr int DefaultDelayMs = 660;
constexpr int DefaultIntervalMs = 40; // 25 per second

quint64 NowMs() {
    using namespace std::chrono;
    return quint64(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// Xlib reports errors through one handler per process. Ours are expected (a focus window that
// vanished while we looked at it) and are ignored; other connections keep the handler they had.
std::atomic<Display*> watchedDisplay = nullptr;
XErrorHandler previousHandler = nullptr;

int IgnoreOurErrors(Display* display, XErrorEvent* error) {
    if (display == watchedDisplay.load()) return 0;
    return previousHandler ? previousHandler(display, error) : 0;
}

} // namespace

std::unique_ptr<TX11KeyboardWatcher> TX11KeyboardWatcher::Start(HWND window) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return nullptr;
    int opcode = 0, event = 0, error = 0;
    int major = 2, minor = 2;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error) ||
        XIQueryVersion(display, &major, &minor) != Success || major < 2) {
        XCloseDisplay(display);
        return nullptr;
    }
    // Num Lock comes from the keyboard extension's state events, in order with the keys.
    int xkbOpcode = 0, xkbEvent = 0, xkbError = 0, xkbMajor = XkbMajorVersion, xkbMinor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &xkbOpcode, &xkbEvent, &xkbError, &xkbMajor, &xkbMinor)) xkbEvent = -1;
    unsigned delay = DefaultDelayMs, interval = DefaultIntervalMs;
    if (!XkbGetAutoRepeatRate(display, XkbUseCoreKbd, &delay, &interval) || !delay || !interval) {
        delay = DefaultDelayMs;
        interval = DefaultIntervalMs;
    }
    std::unique_ptr<TX11KeyboardWatcher> watcher(
        new TX11KeyboardWatcher(display, opcode, xkbEvent, window, int(delay), int(interval)));
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return nullptr;
    watcher->FWakeRead = pipeEnds[0];
    watcher->FWakeWrite = pipeEnds[1];

    unsigned char maskBits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(maskBits, XI_RawKeyPress);
    XISetMask(maskBits, XI_RawKeyRelease);
    XIEventMask mask = {XIAllMasterDevices, int(sizeof maskBits), maskBits};
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    if (xkbEvent >= 0) {
        XkbSelectEventDetails(display, XkbUseCoreKbd, XkbStateNotify, XkbModifierLockMask,
                              XkbModifierLockMask);
        watcher->FNumLock = watcher->NumLockOn();
    }
    XSync(display, False);
    // From here on only the watcher's thread uses the connection.
    watcher->FThread = std::thread([w = watcher.get()] { w->Run(); });
    return watcher;
}

TX11KeyboardWatcher::TX11KeyboardWatcher(Display* display, int xiOpcode, int xkbEventBase, HWND window,
                                         int delayMs, int intervalMs)
    : FDisplay(display), FXiOpcode(xiOpcode), FXkbEventBase(xkbEventBase), FRoot(DefaultRootWindow(display)),
      FPidAtom(XInternAtom(display, "_NET_WM_PID", False)),
      FNumLockMask(XkbKeysymToModifiers(display, XK_Num_Lock)),
      FKeys([window](WPARAM vk, LPARAM data) { PostMessage(window, WM_KEYDOWN, vk, data); }, delayMs,
            intervalMs) {
    static const bool handlerInstalled = [] {
        previousHandler = XSetErrorHandler(IgnoreOurErrors);
        return true;
    }();
    Q_UNUSED(handlerInstalled);
    watchedDisplay = display;
}

TX11KeyboardWatcher::~TX11KeyboardWatcher() {
    if (FThread.joinable()) {
        FStop = true;
        const char wake = 1;
        [[maybe_unused]] ssize_t written = write(FWakeWrite, &wake, 1);
        FThread.join();
    }
    if (FWakeRead >= 0) close(FWakeRead);
    if (FWakeWrite >= 0) close(FWakeWrite);
    watchedDisplay = nullptr;
    XCloseDisplay(FDisplay);
}

void TX11KeyboardWatcher::Run() {
    pollfd fds[2] = {{ConnectionNumber(FDisplay), POLLIN, 0}, {FWakeRead, POLLIN, 0}};
    while (!FStop) {
        HandlePendingEvents();
        int timeout = -1;
        if (std::optional<quint64> due = FKeys.NextRepeatDue()) {
            const quint64 now = NowMs();
            timeout = *due > now ? int(*due - now) : 0;
        }
        if (timeout != 0) poll(fds, 2, timeout);
        if (std::optional<quint64> due = FKeys.NextRepeatDue(); due && NowMs() >= *due)
            FKeys.Repeat(OwnWindowFocused(), NowMs());
    }
    // Keys that went down before the hook was freed are still delivered: the round trip makes sure
    // the server has sent every event it made until now.
    XSync(FDisplay, False);
    HandlePendingEvents();
}

void TX11KeyboardWatcher::HandlePendingEvents() {
    while (XPending(FDisplay)) {
        XEvent event;
        XNextEvent(FDisplay, &event);
        if (event.type == FXkbEventBase) {
            const auto& xkb = reinterpret_cast<const XkbEvent&>(event);
            if (xkb.any.xkb_type == XkbStateNotify) FNumLock = xkb.state.locked_mods & FNumLockMask;
            continue;
        }
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != FXiOpcode) continue;
        if (!XGetEventData(FDisplay, cookie)) continue;
        const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
        if (raw->detail > 0 && raw->detail < 256) {
            const quint8 keyCode = quint8(raw->detail);
            if (cookie->evtype == XI_RawKeyPress) {
                FKeys.Press(keyCode, FNumLock, OwnWindowFocused(), NowMs());
            } else if (cookie->evtype == XI_RawKeyRelease) {
                FKeys.Release(keyCode);
            }
        }
        XFreeEventData(FDisplay, cookie);
    }
}

bool TX11KeyboardWatcher::OwnWindowFocused() {
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(FDisplay, &focus, &revertTo);
    if (focus == PointerRoot) {
        // The focus follows the pointer: the keys go to the top-level window under it.
        Window root = None, child = None;
        int rootX = 0, rootY = 0, x = 0, y = 0;
        unsigned buttons = 0;
        if (!XQueryPointer(FDisplay, FRoot, &root, &child, &rootX, &rootY, &x, &y, &buttons)) return false;
        focus = child;
    }
    if (focus == None) return false;
    if (auto known = FOwnWindows.find(focus); known != FOwnWindows.end()) return known->second;
    const bool own = BelongsToThisProcess(focus);
    // An id stays with the client that made it, so an answer holds; the bound only caps the memory.
    if (FOwnWindows.size() > 256) FOwnWindows.clear();
    FOwnWindows[focus] = own;
    return own;
}

bool TX11KeyboardWatcher::BelongsToThisProcess(unsigned long window) {
    for (int depth = 0; window && window != FRoot && depth < 32; ++depth) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(FDisplay, window, FPidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                               &after, &data) == Success &&
            data) {
            const bool ours =
                format == 32 && items == 1 && *reinterpret_cast<unsigned long*>(data) == unsigned(getpid());
            XFree(data);
            return ours;
        }
        Window root = None, parent = None, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(FDisplay, window, &root, &parent, &children, &count)) return false;
        if (children) XFree(children);
        window = parent;
    }
    return false;
}

bool TX11KeyboardWatcher::NumLockOn() {
    XkbStateRec state;
    if (!FNumLockMask || XkbGetState(FDisplay, XkbUseCoreKbd, &state) != Success) return false;
    return state.locked_mods & FNumLockMask;
}
