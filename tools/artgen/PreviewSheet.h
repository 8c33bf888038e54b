#pragma once
// A sheet that shows the freshly drawn pictures where the program shows them: the top of the main
// window with its labels, the "Panel View" page, the splash, the icon and the cursors. Only for
// looking at the artwork; nothing of it is shipped.

#include <QHash>
#include <QImage>
#include <QString>

// pictures are keyed by resource name ("BACKGROUND", "KEY_SHIFT", "SKEZ_1", "ICON_32", ...).
QImage MakePreviewSheet(const QHash<QString, QImage>& pictures);
