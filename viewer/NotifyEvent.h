#pragma once
// A call-back that only names who sent it; an empty one is skipped by the sender.

#include <QObject>
#include <functional>

using TNotifyEvent = std::function<void(QObject* Sender)>;
