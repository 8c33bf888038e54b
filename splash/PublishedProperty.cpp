#include "PublishedProperty.h"

#include "Exceptions.h"

#include <QMetaProperty>
#include <QObject>

namespace {

int PropertyIndex(const QObject* instance, const QString& name) {
    const QMetaObject* meta = instance->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i)
        if (name.compare(QLatin1String(meta->property(i).name()), Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QMetaProperty RequireProperty(const QObject* instance, const QString& name) {
    const int index = PropertyIndex(instance, name);
    if (index < 0)
        throw EPropertyError(QStringLiteral("Unknown property: '%1'").arg(name));
    return instance->metaObject()->property(index);
}

} // namespace

bool IsPublishedProp(const QObject* instance, const QString& name) { return PropertyIndex(instance, name) >= 0; }

int GetOrdProp(const QObject* instance, const QString& name) {
    return RequireProperty(instance, name).read(instance).toInt();
}

void SetOrdProp(QObject* instance, const QString& name, int value) {
    RequireProperty(instance, name).write(instance, value);
}
