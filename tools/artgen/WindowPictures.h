#pragma once
// The main window's two background drawings.

#include <QImage>

QImage MakeBackground(); // 533 x 300, the gunship behind the command display
QImage MakePanelView();  // 661 x 372, the cut-away behind the "Panel View" page
