#include "WindowsFonts.h"

#include <QDir>
#include <QFontDatabase>

namespace {
// Where splash/CMakeLists.txt embeds the font files it found at build time.
const char* const EmbeddedFontFolder = ":/kes_splash_fonts";
} // namespace

void UseWindowsFonts() {
    static bool done = false;
    if (done) return;
    done = true;
    const QDir folder(QString::fromLatin1(EmbeddedFontFolder));
    for (const QString& file : folder.entryList(QDir::Files)) QFontDatabase::addApplicationFont(folder.filePath(file));
}
