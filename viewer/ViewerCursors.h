#pragma once
// The viewer's cursors: identifiers, and their registration from the program's own resources.

#include <QCursor>
#include <QImage>
#include <QPoint>

enum TViewerCursor : int {
    crDefault = 0,
    crSKEZ_1 = 18000,     // open hand
    crSKEZ_2 = 18001,     // closed, grabbing hand: during a drag
    crSREAL_ZOOM = 18002, // magnifier with plus and minus beside it
    crSNYIL_UP = 18003,   // edge arrows: pointer at that edge; the edge scrolling reads them
    crSNYIL_DOWN = 18004,
    crSNYIL_LEFT = 18005,
    crSNYIL_RIGHT = 18006,
    crSZOOM_IN = 18007,   // magnifier with a plus: pointer inside a shown selection
    crSZOOM_OUT = 18008,
    crSKERESZT = 18009,   // no picture of this name is carried; the slot stays unassigned
    crSHELP_CUR = 18100,
};

// Registers every viewer cursor in the application-wide table, each from the PNG resource of its
// name, or as the nearest standard shape while that picture is missing or unreadable.
void RegisterViewerCursors();

// A cursor from a two-colour picture; the hot spot comes from its "HotSpotX" / "HotSpotY" text,
// else fallbackHotSpot.
QCursor CursorFromPicture(const QImage& picture, QPoint fallbackHotSpot);
