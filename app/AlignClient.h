#pragma once
// Keeps a child control filling its parent's client area as the parent changes size, without a layout:
// a layout would give the window a minimum size of its own and fight the two fixed window heights.

#include <QWidget>

void AlignClient(QWidget* child);
