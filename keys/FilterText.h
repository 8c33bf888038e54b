#pragma once
// Condition lines of the filters the key database builds.

#include <QString>

// "LShift=True" / "LShift=False".
inline QString FlagCondition(const char* flag, bool on) {
    return QString::fromLatin1(flag) + (on ? QStringLiteral("=True") : QStringLiteral("=False"));
}
