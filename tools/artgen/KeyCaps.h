#pragma once
// The lit modifier key caps of the command display.

#include <QImage>
#include <QSize>
#include <QString>

QImage MakeLabelledKeyCap(QSize size, const QString& label); // Shift, Ctrl, Alt
QImage MakeWindowKeyCap();                                   // 51 x 47, a four-pane window on the cap
