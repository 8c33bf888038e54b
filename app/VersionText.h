#pragma once
// The version the window and the splash show: major and minor of the file version, "1.2" for "1.2.0.0".

#include <QString>

// Cuts at the first "." into a first part and a rest, and the rest again at its first "." (a piece without
// "." is taken whole), and joins the first two parts with "."; "7" gives "7.".
QString ShortVersion(const QString& fileVersion);

// The window caption: the design caption followed by two blanks and "(V.<version>)".
QString CaptionWithVersion(const QString& designCaption, const QString& version);
