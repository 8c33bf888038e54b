#pragma once
// The two round picture buttons in the corners of the main window.

#include <QImage>

QImage MakeCloseButton(); // 32 x 32: red, with a white cross
QImage MakeGaugeButton(); // 36 x 36: a small round instrument
