#pragma once
// The application-wide table of cursors by identifier. Identifier 0 is the default arrow; an
// identifier nobody registered shows the default arrow as well.

#include <QCursor>

void RegisterCursor(int id, const QCursor& cursor);
bool CursorRegistered(int id);
QCursor ScreenCursor(int id);
