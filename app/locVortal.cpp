// The main window's lifetime: creation, placement, the two heights and destruction.
#include "locVortal.h"

#include "AL_ZoomImg.h"
#include "AlignClient.h"
#include "FileVersion.h"
#include "KeyGrid.h"
#include "PictureImage.h"
#include "Placement.h"
#include "SystemColors.h"
#include "Timer.h"
#include "VersionText.h"
#include "WinHook.h"
#include "dmGridDataSource.h"
#include "dmKeys.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>

TfrmVortal_Kes_Commands* frmVortal_Kes_Commands = nullptr;

const QString TfrmVortal_Kes_Commands::DesignCaption = QStringLiteral("   Vortal Kestrova -  Shortcuts");

namespace {

// Stops a control's drawing for the lifetime of the guard, and lets it draw again however the scope ends.
class TSuspendDrawing {
public:
    explicit TSuspendDrawing(QWidget* widget) : FWidget(widget) { FWidget->setUpdatesEnabled(false); }
    ~TSuspendDrawing() { FWidget->setUpdatesEnabled(true); }
    TSuspendDrawing(const TSuspendDrawing&) = delete;
    TSuspendDrawing& operator=(const TSuspendDrawing&) = delete;

private:
    QWidget* FWidget;
};

} // namespace

TfrmVortal_Kes_Commands::TfrmVortal_Kes_Commands(QWidget* parent) : QWidget(parent) {
    frmVortal_Kes_Commands = this;
    CreateLayout();
    FormCreate();
}

TfrmVortal_Kes_Commands::~TfrmVortal_Kes_Commands() {
    FormDestroy();
    ReleaseSplash();
    // The grid's model refers to the data sources, which go with the fields, before the children.
    delete Grid;
    Grid = nullptr;
    if (frmVortal_Kes_Commands == this) frmVortal_Kes_Commands = nullptr;
}

void TfrmVortal_Kes_Commands::FormCreate() {
    dmKeys = new TdmKeys;
    SwitchKeyboardLayout(true);

    for (TPictureImage* cap : {imgLAlt, imgRAlt, imgLWin, imgLShift, imgRShift, imgLCtrl, imgRCtrl}) cap->hide();
    lblKey->clear();

    SetApplicationMessageHook([this](MSG& Msg, bool& Handled) { AppMessage(Msg, Handled); });
    // Without a hook the program goes on: keys typed into its own windows are still shown.
    FHooked = SetHook(this, WM_USER + 300);

    FVersion = ShortVersion(GetFileVersion());
    setWindowTitle(CaptionWithVersion(windowTitle(), FVersion));

    PageControl->setCurrentIndex(0);

    CreateViewer();

    TALZoomImage* viewer = FViewer;
    dmKeys->Viewer = [viewer](QIODevice* Stream, bool IsJPEG) { viewer->LoadFromStream(Stream, IsJPEG); };
    dmKeys->OnPanelPicture = [this](bool Shown) { PanelPictureChanged(Shown); };
    dmKeys->PanelVisible = false;
    ConnectGrid();

    imgFormSize->SetShowHint(true);
    imgClose->SetShowHint(true);

    PlaceWindow();

    SetAlphaBlendValue(0);
    OpenSplash(8);
}

void TfrmVortal_Kes_Commands::FormDestroy() {
    SwitchKeyboardLayout(false);
    delete dmKeys;
    dmKeys = nullptr;
    FHooked = FreeHook();
    // The message hook refers to this window: it goes with it.
    SetApplicationMessageHook({});
    delete FViewer;
    FViewer = nullptr;
}

void TfrmVortal_Kes_Commands::CreateViewer() {
    FViewer = new TALZoomImage(tshPanelView);
    AlignClient(FViewer);
    FViewer->SetCursorCross(false);
    FViewer->SetCentralCross(false);
    FViewer->SetPixelGrid(false);
    // Assigning its own channel object again re-applies the channel filter to the empty picture.
    FViewer->SetRGBList(FViewer->RGBList());
    FViewer->SetCentered(false);
    FViewer->SetBackColor(ToQColor(ColorToRGB(clGradientInactiveCaption)));
    FViewer->hide();
}

void TfrmVortal_Kes_Commands::PlaceWindow() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int top = PlacementTop(screen.height(), Height());
    SetHeight(CollapsedHeight);
    const int left = PlacementLeft(screen.width(), Width());
    move(left, top);
}

void TfrmVortal_Kes_Commands::SetHeight(int outerHeight) {
    // The user cannot resize the window: each height is fixed as it is set, never below the minimum.
    setFixedSize(width(), std::max(outerHeight, CollapsedHeight) - FrameHeight);
    AlignPanels();
}


void TfrmVortal_Kes_Commands::imgFormSizeClick() {
    dmKeys->PanelVisible = !dmKeys->PanelVisible;
    TSuspendDrawing suspended(pnlTop);
    ApplyPanelHeight();
    // The last key again: with the panel shown, its command's picture is chosen and loaded.
    if (FLastKeyMsg.wParam != 0) PostMessage(this, WM_USER, FLastKeyMsg.wParam, FLastKeyMsg.lParam);
}

void TfrmVortal_Kes_Commands::ApplyPanelHeight() { SetHeight(dmKeys->PanelVisible ? ExpandedHeight : CollapsedHeight); }
