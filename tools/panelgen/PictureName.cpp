#include "PictureName.h"

namespace panelgen {

QString PictureName(const QString& displayCategory) {
    QString name = displayCategory;
    name.replace(QLatin1Char(' '), QLatin1Char('_'));
    name.remove(QLatin1String("_&"));
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    name.remove(QLatin1String("__"));
    return name.toUpper();
}

} // namespace panelgen
