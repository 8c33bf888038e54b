#include "WindowsFonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {
// Where Debian's fonts-wine puts them; fontconfig does not look there.
const char* const WineFontFolder = "/usr/share/wine/fonts/";
const char* const WineFonts[] = {"tahoma.ttf", "tahomabd.ttf", "ms_sans_serif.ttf"};
} // namespace

void UseWindowsFonts() {
    static bool done = false;
    if (done) return;
    done = true;
    const QStringList installed = QFontDatabase::families();
    for (const char* file : WineFonts) {
        const QString path = QLatin1String(WineFontFolder) + QLatin1String(file);
        if (QFile::exists(path)) QFontDatabase::addApplicationFont(path);
    }
    if (!installed.contains(QStringLiteral("Verdana")))
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}
