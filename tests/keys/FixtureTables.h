#pragma once
// Small key tables for the database's tests, given to TdmKeys in place of the embedded ones.

#include "dmKeys.h"

#include <QHash>
#include <QStringList>

struct TFixtureTables {
    // Table texts by resource name; a table left out is a missing resource.
    QHash<QString, QByteArray> Tables;
    // The names asked for, in order.
    std::shared_ptr<QStringList> Asked = std::make_shared<QStringList>();

    TFixtureTables& Set(const QString& name, const QStringList& lines);
    TKeyTableSource Source() const;
};

// Tables with the given binding lines, no key names and no finer categories.
TFixtureTables KeysOnly(const QStringList& kesLines);

TKey_Kes* KeyAt(const TdmKeys& keys, int index); // in AllItems order
