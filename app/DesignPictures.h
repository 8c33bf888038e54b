#pragma once
// The window's pictures, embedded PNG files opened by name ("BACKGROUND", "KEY_SHIFT").

#include <QIcon>
#include <QImage>
#include <QString>

// The picture, or a null image when the program carries none of that name or it does not decode.
QImage DesignPicture(const QString& name);

// The window icon from every size the program carries.
QIcon DesignIcon();
