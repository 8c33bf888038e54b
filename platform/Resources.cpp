#include "Resources.h"

#include "Exceptions.h"

#include <QFile>

namespace {
// Every file under resources/ is embedded under this prefix with its bare name as alias.
QString pathOf(const QString& name) { return QStringLiteral(":/kes/") + name; }
} // namespace

QByteArray LoadResource(const QString& name) {
    QFile file(pathOf(name));
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly))
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(name));
    return file.readAll();
}

bool ResourceExists(const QString& name) { return !name.isEmpty() && QFile::exists(pathOf(name)); }
