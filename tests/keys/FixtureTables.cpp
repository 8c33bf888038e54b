#include "FixtureTables.h"

#include "Exceptions.h"

TFixtureTables& TFixtureTables::Set(const QString& name, const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines)
        text += line.toLatin1() + "\r\n";
    Tables.insert(name, text);
    return *this;
}

TKeyTableSource TFixtureTables::Source() const {
    return [tables = Tables, asked = Asked](const QString& name) {
        asked->append(name);
        if (!tables.contains(name)) throw EResNotFound(QStringLiteral("Resource %1 not found").arg(name));
        return tables.value(name);
    };
}

TFixtureTables KeysOnly(const QStringList& kesLines) {
    TFixtureTables tables;
    tables.Set("KES_KEYS", kesLines).Set("VK_KEYS", {}).Set("EXTRA_CATEGORY", {});
    return tables;
}

TKey_Kes* KeyAt(const TdmKeys& keys, int index) {
    return static_cast<TKey_Kes*>(keys.Keys().AllItems().at(size_t(index)));
}
