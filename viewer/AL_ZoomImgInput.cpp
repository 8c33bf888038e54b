// The viewer under the pointer: drag, wheel zoom, fit, double-click centring, edge scrolling and the
// rubber-band selection. The keyboard is ignored.
#include "AL_ZoomImg.h"

#include "CursorTable.h"
#include "Exceptions.h"
#include "MessageBox.h"
#include "Timer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

constexpr Qt::KeyboardModifiers kModifierKeys =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// A handler's error is reported like any other error of the program; it must never leave through
// Qt's event dispatch.
template <typename Handler>
void Guarded(Handler handler) {
    try {
        handler();
    } catch (const Exception& e) {
        ShowMessage(e.Message());
    }
}

TShiftState ShiftOf(const QInputEvent& event, Qt::MouseButtons buttons) {
    return {event.modifiers() & kModifierKeys, buttons};
}

bool IsEdgeArrow(int cursor) {
    return cursor == crSNYIL_UP || cursor == crSNYIL_DOWN || cursor == crSNYIL_LEFT || cursor == crSNYIL_RIGHT;
}

} // namespace

// --- Operations ------------------------------------------------------------------------------------

void TALCustomZoomImage::CancelSelection() {
    FSelectionShown = false;
    FSelectionState = ssNone;
}

void TALCustomZoomImage::DragPicture(double dx, double dy) {
    TZoomGeometry& g = Geo();
    g.xCent -= dx;
    g.yCent -= dy;
    RequestRepaint();
}

void TALCustomZoomImage::ScrollView(int dx, int dy) {
    TZoomGeometry& g = Geo();
    g.xCent = static_cast<double>(g.xCent + dx / g.Zoom);
    g.yCent = static_cast<double>(g.yCent + dy / g.Zoom);
    RequestRepaint();
}

void TALCustomZoomImage::ZoomToSelection() {
    if (!FSelectionShown) return;
    FSelection = FSelection.Normalized();
    const TRect& r = FSelection;
    const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
    const int hw = (r.Right - r.Left) / 2, hh = (r.Bottom - r.Top) / 2;
    TZoomGeometry& g = Geo();
    const double x = g.ScreenToWorldX(cx), y = g.ScreenToWorldY(cy);
    g.xCent = x;
    g.yCent = y;
    // A selection under 2 pixels tall or wide gives no zoom to aim at: keep the zoom, centre on it.
    if (hw > 0 && hh > 0) {
        if (static_cast<double>(width()) / height() >= static_cast<double>(hw) / hh)
            SetZoom(height() * Zoom() / (2 * hh));
        else
            SetZoom(width() * Zoom() / (2 * hw));
    }
    CancelSelection();
    RequestRepaint();
}

void TALCustomZoomImage::SetCursorId(int id) {
    FCursorId = id;
    setCursor(ScreenCursor(id));
}

// Later rules override earlier ones, so a corner shows the vertical arrow; between edge and the
// 20-pixel inner border no rule may match and the cursor stays as it is.
void TALCustomZoomImage::CursorByPosition(int x, int y, int edge) {
    const int w = width(), h = height();
    int id = FCursorId;
    if (x < edge) id = crSNYIL_LEFT;
    if (x > w - edge) id = crSNYIL_RIGHT;
    if (y < edge) id = crSNYIL_UP;
    if (y > h - edge) id = crSNYIL_DOWN;
    if (20 <= x && x < w - 20 && 20 <= y && y < h - 20) id = crDefault;
    if (id != FCursorId) SetCursorId(id);
}

// --- Handlers --------------------------------------------------------------------------------------

void TALCustomZoomImage::PressOnSelection(int x, int y) {
    if (FSelectionShown && FSelectionState == ssStretching && FCursorId != crSZOOM_IN) {
        FSelection = NormalizedRect(FPressPoint.x(), FPressPoint.y(), x, y);
        FSelectionState = ssFixed;
    } else if (FSelectionShown) {
        if (FSelection.Contains(x, y)) {
            ZoomToSelection();
        } else {
            CancelSelection();
            RequestRepaint();
        }
    } else if (FCursorId == crDefault) {
        FSelection = {x, y, x, y};
        FSelectionShown = true;
        FSelectionState = ssStarted;
        RequestRepaint();
    }
}

void TALCustomZoomImage::MouseDown(Qt::MouseButton button, TShiftState shift, int x, int y) {
    FAnchor = {x, y};
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
    if (FMoved && FBusy) return;
    if (button == Qt::LeftButton) {
        if (FEnableSelect) PressOnSelection(x, y);
        FPressPoint = FCurrentPointer = FPreviousPointer = {x, y};
        CursorByPosition(x, y, 20);
    }
    FLeftButtonHeld = button == Qt::LeftButton;
    FMoved = false;
}

void TALCustomZoomImage::MouseMove(TShiftState shift, int x, int y) {
    FCurrentPointer = {x, y};
    if (!(FMoved && FBusy)) {
        if (FCursorCross) {
            DrawCursorCross(FPreviousPointer);
            DrawCursorCross(FCurrentPointer);
        }
        CursorByPosition(x, y, 10);
        if (FSelectionShown && FSelection.Contains(x, y)) SetCursorId(crSZOOM_IN);
        if (shift.Buttons == Qt::LeftButton && shift.Keys == Qt::NoModifier) {
            FSavedCursor = FCursorId;
            SetCursorId(crSKEZ_2);
            DragPicture((x - FAnchor.x()) / Zoom(), (y - FAnchor.y()) / Zoom());
            FAnchor = {x, y};
            FMoved = true;
            SetSelectionVisible(false);
        }
        if (shift.Buttons == Qt::NoButton && shift.Keys == Qt::NoModifier && FEnableSelect && FSelectionShown &&
            (FSelectionState == ssStarted || FSelectionState == ssStretching)) {
            FSelection = NormalizedRect(FPressPoint.x(), FPressPoint.y(), x, y);
            FSelectionState = ssStretching;
            RepaintNow();
        }
    }
    FireChangeWindow(x, y);
    FPreviousPointer = {x, y};
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TALCustomZoomImage::MouseUp(Qt::MouseButton button, TShiftState shift, int x, int y) {
    if (button == Qt::RightButton) {
        FitToWindow();
        return;
    }
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
    SetCursorId(FSavedCursor);
    FLeftButtonHeld = false;
    FCurrentPointer = FPreviousPointer = {x, y};
    FMoved = false;
}

void TALCustomZoomImage::Click() {
    if (TabStop()) setFocus(Qt::MouseFocusReason);
    if (OnClick) OnClick(this);
}

void TALCustomZoomImage::DblClick() {
    if (FBusy) return;
    DragPicture((width() / 2.0 - FAnchor.x()) / Zoom(), (height() / 2.0 - FAnchor.y()) / Zoom());
    CancelSelection();
    if (OnDblClick) OnDblClick(this);
}

void TALCustomZoomImage::MouseWheel(TShiftState shift, int delta, QPoint at) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, shift, delta, at, handled);
    if (!handled) {
        TMouseWheelUpDownEvent& notch = delta < 0 ? OnMouseWheelDown : OnMouseWheelUp;
        for (int n = std::abs(delta) / 120; n > 0 && notch; --n) notch(this, shift, at, handled);
    }
    // One step per message whatever its size; zero counts as forward.
    SetZoom(delta < 0 ? Zoom() * 0.9L : Zoom() * 1.1L);
    FireChangeWindow(at.x(), at.y());
}

void TALCustomZoomImage::EdgeTimerTimer() {
    if (!FLeftButtonHeld) return;
    switch (FCursorId) {
    case crSNYIL_UP: ScrollView(0, -10); break;
    case crSNYIL_DOWN: ScrollView(0, 10); break;
    case crSNYIL_LEFT: ScrollView(-10, 0); break;
    case crSNYIL_RIGHT: ScrollView(10, 0); break;
    default: break;
    }
    if (IsEdgeArrow(FCursorId)) CancelSelection();
    FMoved = true;
}

// --- Qt events -------------------------------------------------------------------------------------

void TALCustomZoomImage::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    FClickPending = event->button() == Qt::LeftButton;
    Guarded([&] { MouseDown(event->button(), ShiftOf(*event, event->buttons()), at.x(), at.y()); });
}

// Qt delivers the second press of a double-click as this event alone: the double-click comes first,
// then that press's own handling.
void TALCustomZoomImage::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Guarded([&] { DblClick(); });
    mousePressEvent(event);
}

void TALCustomZoomImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Guarded([&] { MouseMove(ShiftOf(*event, event->buttons()), at.x(), at.y()); });
}

void TALCustomZoomImage::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool click = FClickPending && event->button() == Qt::LeftButton && rect().contains(at);
    FClickPending = false;
    Guarded([&] { MouseUp(event->button(), ShiftOf(*event, event->buttons()), at.x(), at.y()); });
    if (click) Guarded([&] { Click(); });
}

void TALCustomZoomImage::wheelEvent(QWheelEvent* event) {
    const QPoint at = event->position().toPoint();
    Guarded([&] { MouseWheel(ShiftOf(*event, event->buttons()), event->angleDelta().y(), at); });
    event->accept();
}

void TALCustomZoomImage::keyPressEvent(QKeyEvent* event) { event->accept(); }

void TALCustomZoomImage::enterEvent(QEnterEvent*) {
    FPointerCrossShown = FCursorCross;
    FPreviousPointer = {-1, -1};
    RequestRepaint();
    if (OnMouseEnter) OnMouseEnter(this);
}

void TALCustomZoomImage::leaveEvent(QEvent*) {
    FCursorCross = FPointerCrossShown;
    FPointerCrossShown = false;
    RequestRepaint();
    if (OnMouseLeave) OnMouseLeave(this);
}

void TALCustomZoomImage::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (OnEnter) OnEnter(this);
}

void TALCustomZoomImage::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (OnExit) OnExit(this);
}
