#pragma once
// The resource name under which the program looks for a display category's panel picture.

#include <QString>

namespace panelgen {

// Spaces become "_", then "_&" goes, "-" becomes "_", "__" goes, and the result is upper-cased:
// "Radio & Data - Panel" -> "RADIO_DATA_PANEL".
QString PictureName(const QString& displayCategory);

} // namespace panelgen
