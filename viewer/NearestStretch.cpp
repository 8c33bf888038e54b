#include "NearestStretch.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// For one axis: the first target position written and, for each position from there on, the picture
// index it shows. Picture indices run over [first, last), the window clipped to the picture.
struct TAxisMap {
    int Start = 0;
    std::vector<int> Source;
};

template <typename Map>
TAxisMap MapAxis(double windowFrom, double windowTo, int pictureExtent, int clipFrom, int clipTo, Map toScreen) {
    TAxisMap axis;
    const double from = std::max(windowFrom, 0.0);
    const double to = std::min(windowTo, static_cast<double>(pictureExtent));
    if (!(from < to) || clipFrom >= clipTo) return axis;
    const int first = static_cast<int>(from);
    const int last = static_cast<int>(to);
    int border = toScreen(first);
    axis.Start = std::max(border, clipFrom);
    for (int i = first; i < last && border < clipTo; ++i) {
        const int next = toScreen(i + 1);
        for (int s = std::max(border, clipFrom); s < std::min(next, clipTo); ++s) axis.Source.push_back(i);
        border = next;
    }
    return axis;
}

} // namespace

void StretchWindow(const QImage& picture, const TZoomGeometry& geometry, const TRect& clip, QImage& target) {
    if (picture.isNull() || target.isNull() || geometry.Zoom <= 0) return;
    const QImage source =
        picture.format() == QImage::Format_RGB888 ? picture : picture.convertToFormat(QImage::Format_RGB888);

    const TAxisMap columns = MapAxis(geometry.x1, geometry.x2, source.width(), std::max(clip.Left, 0),
                                     std::min(clip.Right, target.width()),
                                     [&](int x) { return geometry.WorldToScreenX(x); });
    const TAxisMap rows = MapAxis(geometry.y1, geometry.y2, source.height(), std::max(clip.Top, 0),
                                  std::min(clip.Bottom, target.height()),
                                  [&](int y) { return geometry.WorldToScreenY(y); });
    if (columns.Source.empty() || rows.Source.empty()) return;

    std::vector<int> byteOffsets(columns.Source.size());
    std::transform(columns.Source.begin(), columns.Source.end(), byteOffsets.begin(), [](int x) { return 3 * x; });
    const size_t count = byteOffsets.size();
    // The last picture column may end its row's data (and the picture's): it is read byte by byte.
    const size_t fourByteReads = size_t(
        std::find(columns.Source.begin(), columns.Source.end(), source.width() - 1) - columns.Source.begin());

    const quint32* previous = nullptr;
    for (size_t r = 0; r < rows.Source.size(); ++r) {
        auto* out = reinterpret_cast<quint32*>(target.scanLine(rows.Start + static_cast<int>(r))) + columns.Start;
        if (previous && rows.Source[r] == rows.Source[r - 1]) {
            std::memcpy(out, previous, count * sizeof(quint32));
        } else {
            const uchar* in = source.constScanLine(rows.Source[r]);
            for (size_t k = 0; k < fourByteReads; ++k) {
                // One 4-byte read holds R, G, B and the next pixel's R; swapped, R G B sit where RGB32 wants them.
                quint32 rgbx;
                std::memcpy(&rgbx, in + byteOffsets[k], sizeof rgbx);
                out[k] = 0xFF000000u | (qFromBigEndian(rgbx) >> 8);
            }
            for (size_t k = fourByteReads; k < count; ++k) {
                const uchar* p = in + byteOffsets[k];
                out[k] = 0xFF000000u | (quint32(p[0]) << 16) | (quint32(p[1]) << 8) | quint32(p[2]);
            }
        }
        previous = out;
    }
}
