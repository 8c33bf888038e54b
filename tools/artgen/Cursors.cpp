#include "Cursors.h"

#include <cstring>
#include <stdexcept>
#include <string>

QImage MakeCursor(const CursorArt& art) {
    constexpr int kSize = 32;
    QImage cursor(kSize, kSize, QImage::Format_ARGB32);
    for (int y = 0; y < kSize; ++y) {
        const char* row = art.rows[y];
        if (std::strlen(row) != kSize)
            throw std::invalid_argument(std::string(art.name) + ": row " + std::to_string(y) +
                                        " is not 32 wide");
        for (int x = 0; x < kSize; ++x) {
            switch (row[x]) {
            case '#':
                cursor.setPixel(x, y, qRgba(0, 0, 0, 255));
                break;
            case '.':
                cursor.setPixel(x, y, qRgba(255, 255, 255, 255));
                break;
            case ' ':
                cursor.setPixel(x, y, qRgba(0, 0, 0, 0));
                break;
            default:
                throw std::invalid_argument(std::string(art.name) + ": unknown pixel '" + row[x] + "'");
            }
        }
    }
    cursor.setText("HotSpotX", QString::number(art.hotX));
    cursor.setText("HotSpotY", QString::number(art.hotY));
    return cursor;
}
