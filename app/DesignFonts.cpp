#include "DesignFonts.h"

#include "WindowsFonts.h"

#include <QFontDatabase>
#include <QStringList>

void RegisterDesignFonts() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    UseWindowsFonts();
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
