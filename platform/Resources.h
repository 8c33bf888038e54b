#pragma once
// Raw data embedded in the program, opened by name ("KES_KEYS", "SKEZ_1", a panel picture's name).

#include <QByteArray>
#include <QString>

// The resource's bytes; raises EResNotFound "Resource %s not found" when there is none of that name.
QByteArray LoadResource(const QString& name);

bool ResourceExists(const QString& name);
