#pragma once
// Window messages: the record the system's message handling is written against, posting a message
// to a window from any thread, and the application-wide message hook.
//
// A window is any QObject; a message reaches it as a TMessageEvent, which the window handles in
// its event() (or, for a plain QObject, customEvent()). Posted messages wait in the queue of the
// window's thread like any posted Qt event, and vanish with the window when it is destroyed.

#include <QEvent>
#include <QObject>

#include <functional>

using HWND = QObject*;
using UINT = unsigned int;
using WPARAM = quintptr;
using LPARAM = qintptr;

struct POINT {
    int x = 0;
    int y = 0;
};

// time: milliseconds of the tick count (GetTickCount64, low 32 bits) when the message was made.
// pt: not tracked (always 0, 0): reading the pointer costs a server round trip per key, and nothing
// here reads it.
struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    quint32 time = 0;
    POINT pt;
};

constexpr UINT WM_KEYDOWN = 0x100;
constexpr UINT WM_KEYUP = 0x101;
constexpr UINT WM_SYSKEYDOWN = 0x104; // a key with Alt held (and no Ctrl), Alt itself, F10
constexpr UINT WM_SYSKEYUP = 0x105;
constexpr UINT WM_USER = 0x400;

class TMessageEvent final : public QEvent {
public:
    explicit TMessageEvent(const MSG& msg) : QEvent(Type()), FMsg(msg) {}
    static QEvent::Type Type();

    MSG& Msg() { return FMsg; }
    const MSG& Msg() const { return FMsg; }

private:
    friend class TApplicationMessageFilter;
    MSG FMsg;
    bool FSeenByHook = false;
};

// Puts the message into the queue of hwnd's thread; the tick count is stamped now. Safe from any
// thread as long as hwnd outlives the call. False when hwnd is null.
bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The application-wide message hook: hook(msg, handled) runs on the user-interface thread, before
// dispatch, for
//  - every message posted with PostMessage, whatever window it is for, and
//  - every key press and release that the window system gives one of the program's windows,
//    translated into a key message: WM_KEYDOWN / WM_KEYUP, or WM_SYSKEYDOWN / WM_SYSKEYUP for
//    keys with Alt held (and no Ctrl), for Alt itself and for F10; wParam the virtual key (generic
//    for Shift, Ctrl and Alt), lParam the keystroke data (Keyboard.h); hwnd the control with the
//    keyboard focus. Auto-repeat shows as WM_KEYDOWN with the was-down bit, as on the platform;
//    the window system's synthetic releases between repeats are not translated. Keys the layout
//    does not know pass untranslated. The key state (KeyState.h) has taken the key in beforehand.
//    Key events sent straight to a widget (sendEvent, QTest on a QWidget) are outside the queue
//    and pass by the hook, as messages sent to a window do on the platform; tests go through the
//    window (QTest on widget->windowHandle()).
// Dispatch after the hook:
//  - handled true: the message is dropped.
//  - a posted message goes on to its window, carrying whatever the hook changed in it.
//  - a key message is first shown to the top-level widget of the focused control as a
//    TMessageEvent (the window's key preview), carrying the hook's changes. When the message
//    number and wParam are still those of the key after that (neither the hook nor the preview
//    changed them), the key event goes on to the focused control as usual; otherwise the control
//    never sees it.
//  - an Exception (or other std::exception) thrown by the hook is shown with ShowMessage, the
//    application's standard error report, and the message is dropped.
// The hook must be set on the thread of the application object, which must exist. An empty hook
// removes it; key messages then still reach the key preview and the key state.
using TMessageHook = std::function<void(MSG& msg, bool& handled)>;
void SetApplicationMessageHook(TMessageHook hook);
