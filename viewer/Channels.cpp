#include "Channels.h"

namespace {

void FilterPixel(uchar* p, const TChannelFlags& f) {
    uchar& r = p[0];
    uchar& g = p[1];
    uchar& b = p[2];
    if (!f.MonoRGB) {
        if (!f.R) r = 0;
        if (!f.G) g = 0;
        if (!f.B) b = 0;
        return;
    }
    // The steps run in this order on purpose: with all three on, the average is spread by the
    // first of them and the later ones copy it unchanged.
    if (f.R && f.G && f.B) r = g = b = uchar((r + g + b) / 3);
    if (f.R) g = b = r;
    if (f.G) r = b = g;
    if (f.B) r = g = b;
}

} // namespace

void ApplyChannels(QImage& picture, const TChannelFlags& flags) {
    if (picture.isNull()) return;
    if (picture.format() != QImage::Format_RGB888) picture = picture.convertToFormat(QImage::Format_RGB888);
    if (!flags.MonoRGB && flags.R && flags.G && flags.B) return; // every pixel stays as it is
    for (int y = 0; y < picture.height(); ++y) {
        uchar* p = picture.scanLine(y);
        for (int x = 0; x < picture.width(); ++x, p += 3) FilterPixel(p, flags);
    }
}
