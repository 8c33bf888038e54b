#pragma once
// The window icon: the gunship over a round badge, a lit key cap beside it from 48 pixels up.

#include <QImage>

QImage MakeIcon(int size);
