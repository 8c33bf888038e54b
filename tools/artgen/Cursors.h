#pragma once
// The viewer's cursors: 32 x 32 two-colour pictures with a mask, each kept as a pixel map in
// CursorArt.cpp. They are stored as PNG files whose pixels are only opaque black, opaque white or fully
// transparent, with the hot spot in the text chunks "HotSpotX" and "HotSpotY".

#include <QImage>
#include <array>
#include <span>

struct CursorArt {
    const char* name; // resource name
    int hotX, hotY;
    // '#' black, '.' white, ' ' transparent; 32 rows of 32 characters
    std::array<const char*, 32> rows;
};

std::span<const CursorArt> AllCursors();

// Raises std::invalid_argument for a pixel map of the wrong size or with another character.
QImage MakeCursor(const CursorArt& art);
