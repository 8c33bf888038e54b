#pragma once
// The panel picture viewer: one picture at any zoom about a movable centre, composed off-screen and
// shown in one step; dragging, wheel zoom, fit on a right-button release, edge scrolling, a rubber-band
// selection to zoom to, and optional overlays and a colour-channel filter.
//
// Other windows use LoadFromStream, FitToWindow, the published properties, visibility and focus.

#include "ImageGrid.h"
#include "Types.h"
#include "RGBChanel.h"
#include "ViewerCursors.h"
#include "ZoomGeometry.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

class QIODevice;
class TTimer;

// Shift state of a mouse notification: modifier keys and the buttons held.
struct TShiftState {
    Qt::KeyboardModifiers Keys;
    Qt::MouseButtons Buttons;
};

using TBeforePaint = std::function<void(QObject* Sender, double xCent, double yCent, TRect& DestRect)>;
using TChangeWindow = std::function<void(QObject* Sender, double xCent, double yCent, double xWorld, double yWorld,
                                         double Zoom, int MouseX, int MouseY)>;
using TMouseEvent = std::function<void(QObject* Sender, Qt::MouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(QObject* Sender, TShiftState Shift, int WheelDelta, QPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(QObject* Sender, TShiftState Shift, QPoint MousePos, bool& Handled)>;

// Selection states.
enum TSelectionState : int { ssNone = -1, ssFixed = 0, ssStarted = 1, ssStretching = 2 };

class TALCustomZoomImage : public QWidget {
    Q_OBJECT

public:
    enum TClipBoardAction { cbaTotal, cbaScreen, cbaSelected, cbaSreenSelected, cbaFixArea, cbaFixWindow };
    Q_ENUM(TClipBoardAction)

    explicit TALCustomZoomImage(QWidget* owner = nullptr);
    ~TALCustomZoomImage() override;

    // --- Pictures ---------------------------------------------------------------------------------
    // Loads a JPEG (isJpeg) or a Windows bitmap from the start of stream. A JPEG that cannot be decoded
    // leaves the previous picture; a bitmap that cannot be read raises EReadError once the load has
    // finished. Returns false only when stream is null.
    bool LoadFromStream(QIODevice* stream, bool isJpeg);
    // Centres on the picture and zooms so that the whole of it fits the control.
    void FitToWindow();
    const QImage& Picture() const { return FPicture; }
    const QImage& WorkingPicture() const { return FWorkingPicture; }
    bool Busy() const { return FBusy; }

    // --- Published properties ---------------------------------------------------------------------
    long double Zoom() const { return FGeometry.Zoom; }
    void SetZoom(long double value);
    bool Centered() const { return FCentered; }
    void SetCentered(bool value);
    bool Fitting() const { return FFitting; }
    void SetFitting(bool value) { FFitting = value; }
    bool OverMove() const { return FOverMove; }
    void SetOverMove(bool value);
    QColor BackColor() const { return FBackColor; }
    void SetBackColor(const QColor& value);
    bool BackCross() const { return FBackCross; }
    void SetBackCross(bool value);
    bool CentralCross() const { return FCentralCross; }
    void SetCentralCross(bool value);
    bool CursorCross() const { return FCursorCross; }
    void SetCursorCross(bool value) { FCursorCross = value; }
    int BulbRadius() const { return FBulbRadius; }
    void SetBulbRadius(int value);
    bool PixelGrid() const { return FPixelGrid; }
    void SetPixelGrid(bool value);
    TImageGrid* Grid() const { return FGrid.get(); }
    TRGBChanel* RGBList() const { return FRGBList.get(); }
    // Copies the flags of value into the viewer's own object and filters the picture again.
    void SetRGBList(TRGBChanel* value);
    bool EnableSelect() const { return FEnableSelect; }
    void SetEnableSelect(bool value) { FEnableSelect = value; }
    bool EnableActions() const { return FEnableActions; }
    void SetEnableActions(bool value) { FEnableActions = value; }
    TClipBoardAction ClipBoardAction() const { return FClipBoardAction; }
    void SetClipBoardAction(TClipBoardAction value) { FClipBoardAction = value; }
    QString FileName() const { return FFileName; }
    // A name other than the current one loads that ".BMP" or ".JPG" file.
    void SetFileName(const QString& value);
    // A click takes the keyboard focus while this is true (Tab reaches the viewer too).
    bool TabStop() const;
    void SetTabStop(bool value);

    // --- Events -----------------------------------------------------------------------------------
    TBeforePaint OnBeforePaint;
    TBeforePaint OnAfterPaint;
    TChangeWindow OnChangeWindow;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

    // --- Geometry ---------------------------------------------------------------------------------
    double xCent() const { return FGeometry.xCent; }
    double yCent() const { return FGeometry.yCent; }
    int WorldToScreenX(double x) const;
    int WorldToScreenY(double y) const;
    double ScreenToWorldX(int sx) const;
    double ScreenToWorldY(int sy) const;
    // The picture rectangle stretched at the last paint, and where it landed.
    const TZoomGeometry& Geometry() const;

    // --- Interaction ------------------------------------------------------------------------------
    // Moves the picture by (dx, dy) picture pixels: the centre moves the other way.
    void DragPicture(double dx, double dy);
    // Moves the view by (dx, dy) screen pixels.
    void ScrollView(int dx, int dy);
    void ZoomToSelection();
    void SetSelectionVisible(bool value) { FSelectionShown = value; }
    void CancelSelection();
    const TRect& SelectionRect() const { return FSelection; }
    bool SelectionShown() const { return FSelectionShown; }
    TSelectionState SelectionState() const { return FSelectionState; }
    // Identifier of the cursor shown (0 the default arrow; see ViewerCursors.h).
    int CursorId() const { return FCursorId; }
    QPoint AnchorPoint() const { return FAnchor; }
    bool PointerCrossShown() const { return FPointerCrossShown; }

    // --- Painting ---------------------------------------------------------------------------------
    // Composes the frame in the back buffer now, which is what the window shows from then on.
    void Paint();
    const QImage& BackBuffer() const { return FBackBuffer; }
    // Draws the pointer cross on the window in NOT-XOR; a second call at the same point erases it.
    void DrawCursorCross(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TZoomGeometry& Geo() const;
    void RequestRepaint();
    void RepaintNow();
    void ChildChanged(QObject* sender);
    void RefreshWorkingCopy();
    void LoadFromFile(const QString& name);
    void FinishLoad();
    void FireChangeWindow(int x, int y);

    // Paint steps and overlays.
    void DrawBackground();
    void DrawPicture();
    void DrawPixelGrid(QPainter& painter);
    void DrawGrid(QPainter& painter);
    void DrawCentralCross(QPainter& painter);
    void DrawSelectionOutline(QPainter& painter);
    void DrawOverlays();

    // Interaction handlers, in the platform's terms.
    void MouseDown(Qt::MouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, int x, int y);
    void MouseUp(Qt::MouseButton button, TShiftState shift, int x, int y);
    void Click();
    void DblClick();
    void MouseWheel(TShiftState shift, int delta, QPoint at);
    void EdgeTimerTimer();
    void PressOnSelection(int x, int y);
    void SetCursorId(int id);
    void CursorByPosition(int x, int y, int edge);

    mutable TZoomGeometry FGeometry;
    QImage FPicture;
    QImage FWorkingPicture;
    QImage FBackBuffer;
    bool FFrameRequested = true;
    bool FBusy = false;
    TPen FCrossPen{QColor(255, 0, 0), 1, Qt::SolidLine, TPenMode::pmCopy};

    bool FCentered = false;
    bool FFitting = false;
    bool FOverMove = true;
    QColor FBackColor{192, 192, 192};
    bool FBackCross = false;
    bool FCentralCross = true;
    bool FCursorCross = true;
    int FBulbRadius = 0;
    bool FPixelGrid = false;
    std::unique_ptr<TImageGrid> FGrid;
    std::unique_ptr<TRGBChanel> FRGBList;
    bool FEnableSelect = true;
    bool FEnableActions = false;
    TClipBoardAction FClipBoardAction = cbaTotal;
    QString FFileName;

    // Interaction state.
    QPoint FAnchor{0, 0};
    QPoint FPressPoint{0, 0};
    QPoint FCurrentPointer{0, 0};
    QPoint FPreviousPointer{-1, -1};
    TRect FSelection;
    bool FSelectionShown = false;
    TSelectionState FSelectionState = ssNone;
    bool FLeftButtonHeld = false;
    bool FMoved = false;
    int FSavedCursor = crDefault;
    int FCursorId = crDefault;
    bool FPointerCrossShown = true;
    bool FClickPending = false;
    std::unique_ptr<TTimer> FEdgeTimer;

};

// The viewer as the windows place it: publishes the properties by name.
class TALZoomImage : public TALCustomZoomImage {
    Q_OBJECT
    Q_PROPERTY(double Zoom READ Zoom WRITE SetZoom)
    Q_PROPERTY(bool Centered READ Centered WRITE SetCentered)
    Q_PROPERTY(bool Fitting READ Fitting WRITE SetFitting)
    Q_PROPERTY(bool OverMove READ OverMove WRITE SetOverMove)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(bool BackCross READ BackCross WRITE SetBackCross)
    Q_PROPERTY(bool CentralCross READ CentralCross WRITE SetCentralCross)
    Q_PROPERTY(bool CursorCross READ CursorCross WRITE SetCursorCross)
    Q_PROPERTY(int BulbRadius READ BulbRadius WRITE SetBulbRadius)
    Q_PROPERTY(bool PixelGrid READ PixelGrid WRITE SetPixelGrid)
    Q_PROPERTY(TImageGrid* Grid READ Grid)
    Q_PROPERTY(TRGBChanel* RGBList READ RGBList WRITE SetRGBList)
    Q_PROPERTY(bool EnableSelect READ EnableSelect WRITE SetEnableSelect)
    Q_PROPERTY(bool EnableActions READ EnableActions WRITE SetEnableActions)
    Q_PROPERTY(TClipBoardAction ClipBoardAction READ ClipBoardAction WRITE SetClipBoardAction)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

public:
    using TALCustomZoomImage::TALCustomZoomImage;
};
