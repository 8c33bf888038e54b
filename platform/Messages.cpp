#include "Messages.h"

#include "Clock.h"

#include <QCoreApplication>

QEvent::Type TMessageEvent::Type() {
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!hwnd) return false;
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = quint32(GetTickCount64());
    QCoreApplication::postEvent(hwnd, new TMessageEvent(msg));
    return true;
}
