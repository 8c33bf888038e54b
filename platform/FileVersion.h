#pragma once

#include <QString>

// The "FileVersion" of the program's own file, four dotted numbers ("1.2.0.0").
QString GetFileVersion();
