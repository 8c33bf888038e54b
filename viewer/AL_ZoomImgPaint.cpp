// Painting of the viewer: the frame composed in the back buffer, its overlays and the pointer cross.
#include "AL_ZoomImg.h"

#include "Exceptions.h"
#include "NearestStretch.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

const TPen kPointerCrossPen{QColor(0, 0, 255), 1, Qt::SolidLine, TPenMode::pmNotXor};
const TPen kSelectionPen{QColor(0, 0, 0), 1, Qt::SolidLine, TPenMode::pmNotXor};

// Runs one paint step; a failure there (a screen position outside the 32-bit range) must not keep the
// closing steps from running, and must never leave through Qt's paint event.
template <typename Step>
void Guarded(Step step) {
    try {
        step();
    } catch (const Exception&) {
    }
}

} // namespace

void TALCustomZoomImage::paintEvent(QPaintEvent* event) {
    if (FFrameRequested || FBackBuffer.size() != size()) Paint();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // A pointer move asks for two thin lines only; their bounding box would be the whole window.
    for (const QRect& part : event->region()) painter.drawImage(part, FBackBuffer, part);
}

void TALCustomZoomImage::resizeEvent(QResizeEvent*) { RequestRepaint(); }

void TALCustomZoomImage::Paint() {
    FFrameRequested = false;
    if (FWorkingPicture.isNull() || FBusy)
        DrawBackground();
    else
        Guarded([this] { DrawPicture(); });
    DrawOverlays();
    // The window is repainted from the finished buffer only, so the buffer also stands for what the
    // window shows: the pointer cross is drawn into it (step "on the window") and erased from it.
    if (FPointerCrossShown) Guarded([this] { DrawCursorCross(FPreviousPointer); });
    if (OnAfterPaint) {
        TZoomGeometry& g = Geo();
        OnAfterPaint(this, g.xCent, g.yCent, g.ScreenRect);
    }
}

void TALCustomZoomImage::DrawBackground() {
    if (FBackBuffer.size() != size()) FBackBuffer = QImage(size(), QImage::Format_RGB32);
    FBackBuffer.fill(FBackColor);
    if (!FBackCross) return;
    QPainter painter(&FBackBuffer);
    SelectPen(painter, FCrossPen);
    painter.drawLine(0, 0, width(), height());
    painter.drawLine(0, height(), width(), 0);
}

void TALCustomZoomImage::DrawPicture() {
    DrawBackground();
    TZoomGeometry& g = Geo();
    g.CalcWindow(FPicture.width(), FPicture.height(), FOverMove);
    if (OnBeforePaint) OnBeforePaint(this, g.xCent, g.yCent, g.ScreenRect);
    // A handler may narrow the rectangle; the picture's pixel borders stay where the mapping puts them.
    StretchWindow(FWorkingPicture, g, g.ScreenRect, FBackBuffer);
}

void TALCustomZoomImage::DrawOverlays() {
    // An outline without width or height has nothing to show.
    const TRect& s = FSelection;
    const bool selection = FSelectionShown && s.Left != s.Right && s.Top != s.Bottom;
    if (!FPixelGrid && !FGrid->Visible() && !FCentralCross && !selection) return;
    QPainter painter(&FBackBuffer);
    if (FPixelGrid) Guarded([&] { DrawPixelGrid(painter); });
    if (FGrid->Visible()) Guarded([&] { DrawGrid(painter); });
    if (FCentralCross) DrawCentralCross(painter);
    if (selection) DrawSelectionOutline(painter);
}

void TALCustomZoomImage::DrawPixelGrid(QPainter& painter) {
    const TZoomGeometry& g = Geo();
    if (!FGrid->OnlyOnPaper() || g.Zoom <= 4) return;
    TPen pen = FGrid->SubGridPen();
    pen.Width = 1;
    SelectPen(painter, pen);
    const int top = g.WorldToScreenY(g.y1), bottom = g.WorldToScreenY(g.y2);
    const int left = g.WorldToScreenX(g.x1), right = g.WorldToScreenX(g.x2);
    for (double x = g.x1; x <= g.x2; ++x) {
        const int sx = g.WorldToScreenX(x);
        painter.drawLine(sx, top, sx, bottom);
    }
    for (double y = g.y1; y <= g.y2; ++y) {
        const int sy = g.WorldToScreenY(y);
        painter.drawLine(left, sy, right, sy);
    }
}

void TALCustomZoomImage::DrawGrid(QPainter& painter) {
    const TZoomGeometry& g = Geo();
    const double distance = FGrid->GridDistance();
    if (!FGrid->OnlyOnPaper() || g.Zoom * distance <= 6) return;
    TPen pen = FGrid->GridPen();
    if (FPixelGrid && g.Zoom > 6) pen.Width *= 2;
    SelectPen(painter, pen);
    const int pw = FPicture.width(), ph = FPicture.height();
    const int top = g.WorldToScreenY(0), bottom = g.WorldToScreenY(ph);
    const int left = g.WorldToScreenX(0), right = g.WorldToScreenX(pw);
    for (double x = 0; x <= pw; x += distance) {
        const int sx = g.WorldToScreenX(x);
        painter.drawLine(sx, top, sx, bottom);
    }
    for (double y = 0; y <= ph; y += distance) {
        const int sy = g.WorldToScreenY(y);
        painter.drawLine(left, sy, right, sy);
    }
}

void TALCustomZoomImage::DrawCentralCross(QPainter& painter) {
    SelectPen(painter, FCrossPen);
    const int w = FBackBuffer.width(), h = FBackBuffer.height();
    painter.drawLine(w / 2, 0, w / 2, h);
    painter.drawLine(0, h / 2, w, h / 2);
}

void TALCustomZoomImage::DrawSelectionOutline(QPainter& painter) {
    const TRect& r = FSelection;
    SelectPen(painter, kSelectionPen);
    painter.setBrush(Qt::NoBrush);
    // The outline covers left..right-1 and top..bottom-1, like the rectangle it stands for.
    painter.drawRect(std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::abs(r.Right - r.Left) - 1,
                     std::abs(r.Bottom - r.Top) - 1);
}

void TALCustomZoomImage::DrawCursorCross(QPoint at) {
    if (FBackBuffer.size() != size()) return; // nothing shown yet: nothing to draw on or erase from
    int r = 0;
    if (FBulbRadius != 0) r = RoundToInt(FBulbRadius * Geo().Zoom);
    // Both lines off the window and no circle (the pointer outside, say at (-1, -1)): nothing to draw.
    const bool rowOff = at.y() < 0 || at.y() >= height(), columnOff = at.x() < 0 || at.x() >= width();
    if (r == 0 && rowOff && columnOff) return;
    QPainter painter(&FBackBuffer);
    SelectPen(painter, kPointerCrossPen);
    painter.drawLine(0, at.y(), width(), at.y());
    painter.drawLine(at.x(), 0, at.x(), height());
    QRegion touched = QRegion(0, at.y(), width(), 1) + QRegion(at.x(), 0, 1, height());
    if (r != 0) {
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, r, r);
        touched += QRect(at.x() - r, at.y() - r, 2 * r + 1, 2 * r + 1).normalized().adjusted(-1, -1, 1, 1);
    }
    update(touched);
}
