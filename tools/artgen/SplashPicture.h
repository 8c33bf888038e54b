#pragma once
// The splash window's picture: the gunship above the pilot's joystick, keyboard and mouse.

#include <QImage>

QImage MakeSplashPicture(); // 279 x 202
