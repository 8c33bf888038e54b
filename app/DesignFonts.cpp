#include "DesignFonts.h"

#include <QDir>
#include <QFontDatabase>

namespace {

// Where app/CMakeLists.txt embeds the font files it found at build time.
const char* const EmbeddedFontFolder = ":/kes_fonts";

} // namespace

void RegisterDesignFonts() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    const QDir folder(QString::fromLatin1(EmbeddedFontFolder));
    for (const QString& file : folder.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(folder.filePath(file));
    if (!QFontDatabase::hasFamily(QStringLiteral("Tahoma")))
        QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                                   {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    if (!QFontDatabase::hasFamily(QStringLiteral("Verdana")))
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

QFont DesignFont(const QString& family, int pixelHeight, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
