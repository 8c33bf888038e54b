#include "DesignPictures.h"

#include "Resources.h"

#include <QPixmap>

QImage DesignPicture(const QString& name) {
    if (!ResourceExists(name)) return {};
    return QImage::fromData(LoadResource(name), "PNG");
}

QIcon DesignIcon() {
    QIcon icon;
    for (const char* size : {"16", "32", "48", "256"}) {
        const QImage picture = DesignPicture(QStringLiteral("ICON_") + QLatin1String(size));
        if (!picture.isNull()) icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}
