// The main window's lifetime: creation, placement, the two heights and destruction.
#include "locVortal.h"

#include "FileVersion.h"
#include "PictureImage.h"
#include "Placement.h"
#include "Timer.h"
#include "VersionText.h"
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
    if (frmVortal_Kes_Commands == this) frmVortal_Kes_Commands = nullptr;
}

void TfrmVortal_Kes_Commands::FormCreate() {
    dmKeys = new TdmKeys;

    for (TPictureImage* cap : {imgLAlt, imgRAlt, imgLWin, imgLShift, imgRShift, imgLCtrl, imgRCtrl}) cap->hide();
    lblKey->clear();

    FVersion = ShortVersion(GetFileVersion());
    setWindowTitle(CaptionWithVersion(windowTitle(), FVersion));

    PageControl->setCurrentIndex(0);

    dmKeys->PanelVisible = false;

    imgFormSize->SetShowHint(true);
    imgClose->SetShowHint(true);

    PlaceWindow();
}

void TfrmVortal_Kes_Commands::FormDestroy() {
    delete dmKeys;
    dmKeys = nullptr;
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

int TfrmVortal_Kes_Commands::AlphaBlendValue() const { return qRound(windowOpacity() * 255); }

void TfrmVortal_Kes_Commands::SetAlphaBlendValue(int value) { setWindowOpacity(std::clamp(value, 0, 255) / 255.0); }

void TfrmVortal_Kes_Commands::imgFormSizeClick() {
    dmKeys->PanelVisible = !dmKeys->PanelVisible;
    TSuspendDrawing suspended(pnlTop);
    ApplyPanelHeight();
}

void TfrmVortal_Kes_Commands::ApplyPanelHeight() { SetHeight(dmKeys->PanelVisible ? ExpandedHeight : CollapsedHeight); }
