#include "ViewerCursors.h"

#include "CursorTable.h"
#include "Resources.h"

#include <QPixmap>

namespace {

struct TCursorSpec {
    int Id;
    const char* Name;
    QPoint HotSpot;
    Qt::CursorShape Fallback;
};

// id            resource name   hot spot    standard shape while the picture is missing
const TCursorSpec kCursors[] = {
    {crSKEZ_1, "SKEZ_1", {16, 16}, Qt::OpenHandCursor},
    {crSKEZ_2, "SKEZ_2", {16, 16}, Qt::ClosedHandCursor},
    {crSREAL_ZOOM, "SREAL_ZOOM", {9, 10}, Qt::CrossCursor},
    {crSNYIL_UP, "SNYIL_UP", {16, 0}, Qt::UpArrowCursor},
    {crSNYIL_DOWN, "SNYIL_DOWN", {16, 31}, Qt::SizeVerCursor},
    {crSNYIL_LEFT, "SNYIL_LEFT", {0, 16}, Qt::SizeHorCursor},
    {crSNYIL_RIGHT, "SNYIL_RIGHT", {30, 16}, Qt::SizeHorCursor},
    {crSZOOM_IN, "SZOOM_IN", {9, 10}, Qt::CrossCursor},
    {crSZOOM_OUT, "SZOOM_OUT", {9, 10}, Qt::CrossCursor},
    {crSHELP_CUR, "SHELP_CUR", {0, 0}, Qt::WhatsThisCursor},
};

int TextNumber(const QImage& picture, const char* key, int fallback) {
    bool ok = false;
    const int value = picture.text(QString::fromLatin1(key)).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

QCursor CursorFromPicture(const QImage& picture, QPoint fallbackHotSpot) {
    const int x = TextNumber(picture, "HotSpotX", fallbackHotSpot.x());
    const int y = TextNumber(picture, "HotSpotY", fallbackHotSpot.y());
    return QCursor(QPixmap::fromImage(picture), x, y);
}

void RegisterViewerCursors() {
    for (const TCursorSpec& entry : kCursors) {
        const QString name = QString::fromLatin1(entry.Name);
        QImage picture;
        if (ResourceExists(name)) picture.loadFromData(LoadResource(name), "PNG");
        RegisterCursor(entry.Id, picture.isNull() ? QCursor(entry.Fallback) : CursorFromPicture(picture, entry.HotSpot));
    }
}
