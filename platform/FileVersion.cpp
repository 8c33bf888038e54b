#include "FileVersion.h"

QString GetFileVersion() { return QStringLiteral(KES_FILE_VERSION); }
