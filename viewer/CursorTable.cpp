#include "CursorTable.h"

#include <QHash>

namespace {

QHash<int, QCursor>& Table() {
    static QHash<int, QCursor> table;
    return table;
}

} // namespace

void RegisterCursor(int id, const QCursor& cursor) { Table().insert(id, cursor); }

bool CursorRegistered(int id) { return Table().contains(id); }

QCursor ScreenCursor(int id) { return Table().value(id, QCursor(Qt::ArrowCursor)); }
