#include "PanelLayout.h"

#include <algorithm>
#include <cmath>

namespace panelgen {
namespace {

constexpr double kRim = 28;         // dark edge of the panel around its face
constexpr double kTitleHeight = 90;
constexpr double kFooterHeight = 72;
constexpr double kMaxCellWidth = 470;
constexpr double kMaxCellHeight = 380;
constexpr double kCellAspect = 1.55; // a control over two label lines and a key plate

// The column count whose cells come nearest to the aspect that suits one control.
int BestColumns(int count, double width, double height) {
    int best = 1;
    double bestScore = 1e9;
    for (int columns = 1; columns <= count; ++columns) {
        const int rows = (count + columns - 1) / columns;
        const double aspect = std::min(width / columns, kMaxCellWidth) / std::min(height / rows, kMaxCellHeight);
        const double empty = columns * rows - count;
        const double score = std::abs(std::log(aspect / kCellAspect)) + 0.08 * empty + 0.05 * rows;
        if (score <= bestScore + 1e-9) { // on a tie the wider grid suits the wide picture
            bestScore = score;
            best = columns;
        }
    }
    return best;
}

} // namespace

PanelLayout LayOutPanel(int controlCount) {
    PanelLayout layout;
    layout.size = controlCount > 12 ? QSize(1800, 1200) : QSize(1600, 1000);
    const double width = layout.size.width();
    const double height = layout.size.height();
    layout.face = QRectF(kRim, kRim, width - 2 * kRim, height - 2 * kRim);
    layout.title = QRectF(width * 0.14, kRim + 26, width * 0.72, kTitleHeight - 22);

    const double top = kRim + kTitleHeight + 30;
    const QRectF area(kRim + 56, top, width - 2 * (kRim + 56), height - top - kRim - kFooterHeight);
    const int count = std::max(controlCount, 1);
    const int columns = BestColumns(count, area.width(), area.height());
    const int rows = (count + columns - 1) / columns;
    const double cellWidth = std::min(area.width() / columns, kMaxCellWidth);
    const double cellHeight = std::min(area.height() / rows, kMaxCellHeight);

    // The controls sit together in the middle of the area; a short last row is centred too.
    const double gridTop = area.top() + (area.height() - rows * cellHeight) / 2;
    for (int index = 0; index < controlCount; ++index) {
        const int row = index / columns;
        const int inRow = std::min(columns, controlCount - row * columns);
        const double rowLeft = area.left() + (area.width() - inRow * cellWidth) / 2;
        layout.cells << QRectF(rowLeft + (index % columns) * cellWidth, gridTop + row * cellHeight,
                               cellWidth, cellHeight);
    }
    const double frameWidth = std::min(area.width() + 24, columns * cellWidth + 40);
    const double frameHeight = std::min(area.height() + 24, rows * cellHeight + 40);
    layout.controlArea = QRectF(area.center().x() - frameWidth / 2, area.center().y() - frameHeight / 2,
                                frameWidth, frameHeight);
    return layout;
}

} // namespace panelgen
