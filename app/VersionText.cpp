#include "VersionText.h"

namespace {

// Splits text at its first "."; without one, the whole text is the head and the tail is empty.
void CutAtPoint(const QString& text, QString& head, QString& tail) {
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point < 0) {
        head = text;
        tail.clear();
    } else {
        head = text.left(point);
        tail = text.mid(point + 1);
    }
}

} // namespace

QString ShortVersion(const QString& fileVersion) {
    QString major, rest, minor, unused;
    CutAtPoint(fileVersion, major, rest);
    CutAtPoint(rest, minor, unused);
    return major + QLatin1Char('.') + minor;
}

QString CaptionWithVersion(const QString& designCaption, const QString& version) {
    return designCaption + QStringLiteral("  (V.") + version + QLatin1Char(')');
}
