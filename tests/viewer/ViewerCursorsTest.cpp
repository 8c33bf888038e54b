// The viewer's cursors: registered from the program's own pictures under their identifiers.
#include "CursorTable.h"
#include "Resources.h"
#include "ViewerFixture.h"
#include "ViewerCursors.h"

#include <QPixmap>

namespace {

struct CursorCase {
    int Id;
    const char* Name;
    QPoint HotSpot;
};

class ViewerCursor : public ViewerTest, public testing::WithParamInterface<CursorCase> {};

TEST_P(ViewerCursor, IsRegisteredFromItsPictureWithItsHotSpot) {
    const CursorCase& c = GetParam();
    ASSERT_TRUE(ResourceExists(QString::fromLatin1(c.Name)));
    ASSERT_TRUE(CursorRegistered(c.Id));
    const QCursor cursor = ScreenCursor(c.Id);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(cursor.hotSpot(), c.HotSpot);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ViewerCursor,
    testing::Values(CursorCase{crSKEZ_1, "SKEZ_1", {16, 16}}, CursorCase{crSKEZ_2, "SKEZ_2", {16, 16}},
                    CursorCase{crSREAL_ZOOM, "SREAL_ZOOM", {9, 10}}, CursorCase{crSNYIL_UP, "SNYIL_UP", {16, 0}},
                    CursorCase{crSNYIL_DOWN, "SNYIL_DOWN", {16, 31}}, CursorCase{crSNYIL_LEFT, "SNYIL_LEFT", {0, 16}},
                    CursorCase{crSNYIL_RIGHT, "SNYIL_RIGHT", {30, 16}}, CursorCase{crSZOOM_IN, "SZOOM_IN", {9, 10}},
                    CursorCase{crSZOOM_OUT, "SZOOM_OUT", {9, 10}}, CursorCase{crSHELP_CUR, "SHELP_CUR", {0, 0}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ViewerTest, TheCrossSlotStaysUnassignedAndShowsTheArrow) {
    EXPECT_FALSE(CursorRegistered(crSKERESZT));
    EXPECT_EQ(ScreenCursor(crSKERESZT).shape(), Qt::ArrowCursor);
}

TEST_F(ViewerTest, TheViewerShowsTheCursorOfItsMode) {
    Move({9, 150});
    EXPECT_EQ(View->cursor().hotSpot(), ScreenCursor(crSNYIL_LEFT).hotSpot());
    EXPECT_EQ(View->cursor().shape(), Qt::BitmapCursor);
    Move({200, 150});
    EXPECT_EQ(View->cursor().shape(), Qt::ArrowCursor);
}

QImage Picture(const char* hotX, const char* hotY) {
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    if (hotX) picture.setText(QStringLiteral("HotSpotX"), QLatin1String(hotX));
    if (hotY) picture.setText(QStringLiteral("HotSpotY"), QLatin1String(hotY));
    // Through PNG and back, as the pictures are carried.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    QImage read;
    read.loadFromData(png, "PNG");
    return read;
}

TEST(CursorFromPicture, TakesTheHotSpotFromThePicturesText) {
    EXPECT_EQ(CursorFromPicture(Picture("5", "7"), {16, 16}).hotSpot(), QPoint(5, 7));
    EXPECT_EQ(CursorFromPicture(Picture(nullptr, nullptr), {16, 16}).hotSpot(), QPoint(16, 16));
    EXPECT_EQ(CursorFromPicture(Picture("x", "3"), {9, 10}).hotSpot(), QPoint(9, 3));
}

} // namespace
