// The application-wide message hook of Messages.h: an event filter on the application object.
#include "Exceptions.h"
#include "KeyEventMessage.h"
#include "KeyState.h"
#include "MessageBox.h"
#include "Messages.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

class TApplicationMessageFilter final : public QObject {
public:
    explicit TApplicationMessageFilter(QCoreApplication* app) : QObject(app) {
        FFromXServer = QGuiApplication::platformName() == QLatin1String("xcb");
        app->installEventFilter(this);
    }

    TMessageHook Hook;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == TMessageEvent::Type()) {
            auto* message = static_cast<TMessageEvent*>(event);
            if (message->FSeenByHook) return false;
            message->FSeenByHook = true;
            return RunHook(message->Msg());
        }
        // Key events of the window system reach the program's windows first and the focused
        // control afterwards; taking them at the window sees each exactly once.
        if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
            receiver->isWindowType())
            return OwnKey(static_cast<QWindow*>(receiver), static_cast<QKeyEvent*>(event));
        return false;
    }

private:
    // True when the message is to be dropped.
    bool RunHook(MSG& msg) {
        if (!Hook) return false;
        bool handled = false;
        try {
            Hook(msg, handled);
        } catch (const Exception& e) {
            ShowMessage(e.Message());
            return true;
        } catch (const std::exception& e) {
            ShowMessage(QString::fromUtf8(e.what()));
            return true;
        }
        return handled;
    }

    static QObject* TopLevelOf(QWindow* window) {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->windowHandle() == window) return widget;
        return window;
    }

    bool OwnKey(QWindow* window, QKeyEvent* event) {
        QObject* form = TopLevelOf(window);
        QObject* focused = window->focusObject() ? window->focusObject() : form;
        std::optional<TKeyEventMessage> key = KeyEventMessage(*event, focused, FFromXServer);
        if (!key) return false;
        if (event->type() == QEvent::KeyPress)
            NoteKeyDown(key->Key.SidedVK);
        else
            NoteKeyUp(key->Key.SidedVK);

        const UINT pressed = key->Msg.message;
        const WPARAM vk = key->Msg.wParam;
        if (RunHook(key->Msg)) return true;
        TMessageEvent preview(key->Msg);
        preview.FSeenByHook = true;
        QPointer<QObject> alive = form;
        QCoreApplication::sendEvent(form, &preview);
        if (!alive) return true;
        return preview.Msg().message != pressed || preview.Msg().wParam != vk;
    }

    bool FFromXServer = false;
};

namespace {
QPointer<TApplicationMessageFilter> filter;
}

void SetApplicationMessageHook(TMessageHook hook) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) throw EAssertionFailed("SetApplicationMessageHook needs the application object");
    if (!filter) filter = new TApplicationMessageFilter(app);
    filter->Hook = std::move(hook);
}
