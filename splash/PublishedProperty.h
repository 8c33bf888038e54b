#pragma once
// Published properties of an object by name, as the animations reach them: the object's Qt
// properties (Q_PROPERTY), names compared without regard to ASCII case.

#include <QString>

class QObject;

bool IsPublishedProp(const QObject* instance, const QString& name);

// Read and write an integer property; the name must be a published property of the instance.
int GetOrdProp(const QObject* instance, const QString& name);
void SetOrdProp(QObject* instance, const QString& name, int value);
