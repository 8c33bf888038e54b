#pragma once
// An item shaped like a key binding: a key name and eight modifier flags.

#include "ZURData.h"

class TBenchKey : public TSDLItem {
    Q_OBJECT
    Q_PROPERTY(QString KeyName MEMBER KeyName)
    Q_PROPERTY(bool LAlt MEMBER LAlt)
    Q_PROPERTY(bool RAlt MEMBER RAlt)
    Q_PROPERTY(bool LWin MEMBER LWin)
    Q_PROPERTY(bool RWin MEMBER RWin)
    Q_PROPERTY(bool LShift MEMBER LShift)
    Q_PROPERTY(bool RShift MEMBER RShift)
    Q_PROPERTY(bool LCtrl MEMBER LCtrl)
    Q_PROPERTY(bool RCtrl MEMBER RCtrl)

public:
    Q_INVOKABLE TBenchKey() = default;

    QString KeyName;
    bool LAlt = false, RAlt = false, LWin = false, RWin = false;
    bool LShift = false, RShift = false, LCtrl = false, RCtrl = false;
};
