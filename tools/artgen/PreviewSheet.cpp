#include "PreviewSheet.h"

#include "ArtCanvas.h"

#include <QFont>

namespace {

QFont PixelFont(const char* family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void DrawPicture(QPainter& p, const QHash<QString, QImage>& pictures, const QString& name, QPointF at,
                 double scale = 1) {
    const QImage image = pictures.value(name);
    if (image.isNull()) return;
    p.drawImage(QRectF(at, image.size() * scale), image);
}

// The main window's top panel, collapsed, with a command on display and some modifiers lit.
void DrawTopPanel(QPainter& p, const QHash<QString, QImage>& pictures) {
    p.save();
    p.setClipRect(QRect(0, 0, 752, 294));
    art::FillVerticalGradient(p, QRectF(-2, -51, 757, 345), art::kWindowTop, art::kWindowBottom);
    const QImage background = pictures.value("BACKGROUND");
    p.drawImage(QPointF(-2 + (757 - background.width()) / 2, -51 + (345 - background.height()) / 2),
                background);
    p.setPen(Qt::black);
    p.setFont(PixelFont("DejaVu Sans", 16, true));
    p.drawText(QRect(8, 23, 735, 19), Qt::AlignCenter, "Weapons - Rockets");
    p.setPen(art::kNavy);
    p.setFont(PixelFont("DejaVu Sans", 21, true));
    p.drawText(QRect(8, 64, 735, 57), Qt::AlignCenter | Qt::TextWordWrap, "Fire selected rocket salvo");
    p.setPen(Qt::black);
    p.setFont(PixelFont("DejaVu Sans", 33));
    p.drawText(QRect(296, 175, 176, 57), Qt::AlignCenter, "SPACE");
    p.setFont(PixelFont("DejaVu Sans", 16, true));
    p.setPen(QPen(QColor(160, 170, 190), 1));
    p.drawRoundedRect(QRect(8, 135, 281, 143), 3, 3);
    p.drawRoundedRect(QRect(478, 135, 265, 143), 3, 3);
    p.setPen(art::kNavy);
    p.drawText(QRect(8, 127, 281, 18), Qt::AlignHCenter | Qt::AlignTop, "LEFT");
    p.setPen(QColor(0, 128, 0));
    p.drawText(QRect(478, 127, 265, 18), Qt::AlignHCenter | Qt::AlignTop, "RIGHT");
    DrawPicture(p, pictures, "KEY_SHIFT", {8 + 14, 127 + 25});
    DrawPicture(p, pictures, "KEY_CTRL", {8 + 38, 127 + 83});
    p.drawImage(QRectF(8 + 129, 127 + 83, 55, 52), pictures.value("KEY_WIN"));
    DrawPicture(p, pictures, "KEY_ALT", {8 + 190, 127 + 83});
    DrawPicture(p, pictures, "KEY_ALT", {478 + 17, 127 + 83});
    DrawPicture(p, pictures, "KEY_CTRL", {478 + 134, 127 + 83});
    DrawPicture(p, pictures, "KEY_SHIFT", {478 + 166, 127 + 25});
    DrawPicture(p, pictures, "CLOSE", {707, 4});
    DrawPicture(p, pictures, "FORM_SIZE", {8, 4});
    p.restore();
}

void DrawPanelPage(QPainter& p, const QHash<QString, QImage>& pictures, QPointF at) {
    const QRectF page(at, QSizeF(744, 560));
    art::FillVerticalGradient(p, page, art::kWindowTop, art::kWindowBottom);
    const QImage cutAway = pictures.value("PANEL_VIEW");
    p.drawImage(page.center() - QPointF(cutAway.width() / 2, cutAway.height() / 2), cutAway);
}

void DrawSplash(QPainter& p, const QHash<QString, QImage>& pictures, QPointF at) {
    p.save();
    p.translate(at);
    p.fillRect(QRect(0, 0, 367, 290), art::kNavy);
    art::FillVerticalGradient(p, QRectF(1, 1, 365, 288), art::kSplashTop, art::kSplashBottom);
    p.translate(1, 1);
    DrawPicture(p, pictures, "SPLASH", {43, 30});
    QFont title = PixelFont("DejaVu Sans", 27);
    title.setUnderline(true);
    p.setPen(art::kNavy);
    p.setFont(title);
    p.drawText(QRect(19, 1, 331, 33), Qt::AlignLeft | Qt::AlignVCenter, "Vortal Kestrova - Shortcuts");
    p.setFont(PixelFont("DejaVu Sans", 17));
    p.drawText(QRect(267, 32, 83, 21), Qt::AlignLeft | Qt::AlignVCenter, "Version 1.2");
    p.setFont(PixelFont("DejaVu Sans", 13, true));
    p.drawText(QRect(114, 238, 128, 16), Qt::AlignCenter, "Kestrova Tools");
    p.restore();
}

// Icons at their sizes on both backgrounds, cursors twice enlarged on white and on the gradient.
void DrawSmallArt(QPainter& p, const QHash<QString, QImage>& pictures, QPointF at) {
    p.save();
    p.translate(at);
    art::FillVerticalGradient(p, QRectF(0, 0, 760, 300), art::kWindowTop, art::kWindowBottom);
    p.fillRect(QRectF(0, 300, 760, 90), Qt::white);
    double x = 10;
    for (const char* name : {"ICON_16", "ICON_32", "ICON_48", "ICON_256"}) {
        const QImage icon = pictures.value(name);
        p.drawImage(QPointF(x, 10), icon);
        x += icon.width() + 12;
    }
    x = 10;
    for (const char* name : {"SKEZ_1", "SKEZ_2", "SREAL_ZOOM", "SNYIL_UP", "SNYIL_DOWN", "SNYIL_LEFT",
                             "SNYIL_RIGHT", "SZOOM_IN", "SZOOM_OUT", "SHELP_CUR"}) {
        p.drawImage(QRectF(x, 310, 64, 64), pictures.value(name));
        p.drawImage(QRectF(x + 20, 270, 32, 32), pictures.value(name));
        x += 74;
    }
    p.restore();
}

} // namespace

QImage MakePreviewSheet(const QHash<QString, QImage>& pictures) {
    QImage sheet(1530, 990, QImage::Format_ARGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter p;
    art::BeginSmooth(p, sheet);
    p.translate(8, 8);
    DrawTopPanel(p, pictures);
    DrawPanelPage(p, pictures, {768, 0});
    DrawSplash(p, pictures, {0, 310});
    DrawSmallArt(p, pictures, {380, 580});
    return sheet;
}
