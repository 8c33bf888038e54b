// Construction, properties and loading of the viewer.
#include "AL_ZoomImg.h"

#include "BmpReader.h"
#include "Channels.h"
#include "Exceptions.h"
#include "JpegDecoder.h"
#include "Timer.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

TALCustomZoomImage::TALCustomZoomImage(QWidget* owner) : QWidget(owner) {
    RegisterViewerCursors();

    FGrid = std::make_unique<TImageGrid>();
    FGrid->OnChange = [this](QObject* sender) { ChildChanged(sender); };
    FGrid->SetVisible(false);
    FGrid->SetOnlyOnPaper(true);

    FRGBList = std::make_unique<TRGBChanel>();
    SetRGBList(FRGBList.get());
    FRGBList->OnChange = [this](QObject* sender) { ChildChanged(sender); };

    // Painting covers every pixel from the viewer's own back buffer: nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    SetTabStop(true);

    FEdgeTimer = CreateTimer();
    FEdgeTimer->SetInterval(10);
    FEdgeTimer->OnTimer = [this] { EdgeTimerTimer(); };
    FEdgeTimer->SetEnabled(true);

    resize(100, 100);
    CancelSelection();
}

TALCustomZoomImage::~TALCustomZoomImage() = default;

TZoomGeometry& TALCustomZoomImage::Geo() const {
    // Qt hands a hidden widget its new size at once but its resize event only when shown.
    FGeometry.Width = width();
    FGeometry.Height = height();
    return FGeometry;
}

const TZoomGeometry& TALCustomZoomImage::Geometry() const { return Geo(); }

int TALCustomZoomImage::WorldToScreenX(double x) const { return Geo().WorldToScreenX(x); }
int TALCustomZoomImage::WorldToScreenY(double y) const { return Geo().WorldToScreenY(y); }
double TALCustomZoomImage::ScreenToWorldX(int sx) const { return Geo().ScreenToWorldX(sx); }
double TALCustomZoomImage::ScreenToWorldY(int sy) const { return Geo().ScreenToWorldY(sy); }

void TALCustomZoomImage::RequestRepaint() {
    FFrameRequested = true;
    update();
}

void TALCustomZoomImage::RepaintNow() {
    Paint();
    repaint();
}

void TALCustomZoomImage::FireChangeWindow(int x, int y) {
    if (!OnChangeWindow) return;
    const TZoomGeometry& g = Geo();
    OnChangeWindow(this, g.xCent, g.yCent, g.ScreenToWorldX(x), g.ScreenToWorldY(y), static_cast<double>(g.Zoom), x,
                   y);
}

void TALCustomZoomImage::SetZoom(long double value) {
    if (!Geo().ApplyZoomRule(value)) return;
    FireChangeWindow(FAnchor.x(), FAnchor.y());
    SetSelectionVisible(false);
    RequestRepaint();
}

void TALCustomZoomImage::FitToWindow() {
    if (FPicture.isNull()) return;
    const std::optional<long double> zoom = Geo().PrepareFit(FPicture.width(), FPicture.height());
    if (!zoom) return;
    SetZoom(*zoom);
    RequestRepaint();
}

void TALCustomZoomImage::SetCentered(bool value) {
    FCentered = value;
    if (value) {
        TZoomGeometry& g = Geo();
        g.xCent = g.PictureWidth / 2.0;
        g.yCent = g.PictureHeight / 2.0;
    }
    RequestRepaint();
}

void TALCustomZoomImage::SetOverMove(bool value) {
    FOverMove = value;
    RequestRepaint();
}

void TALCustomZoomImage::SetBackColor(const QColor& value) {
    FBackColor = value;
    RequestRepaint();
}

void TALCustomZoomImage::SetBackCross(bool value) {
    FBackCross = value;
    RequestRepaint();
}

void TALCustomZoomImage::SetCentralCross(bool value) {
    FCentralCross = value;
    RequestRepaint();
}

void TALCustomZoomImage::SetBulbRadius(int value) {
    FBulbRadius = value;
    RequestRepaint();
}

void TALCustomZoomImage::SetPixelGrid(bool value) {
    FPixelGrid = value;
    RequestRepaint();
}

bool TALCustomZoomImage::TabStop() const { return focusPolicy() & Qt::TabFocus; }

// Only Tab gives the focus by itself; a click takes it in Click(), where the platform's click is made.
void TALCustomZoomImage::SetTabStop(bool value) { setFocusPolicy(value ? Qt::TabFocus : Qt::NoFocus); }

void TALCustomZoomImage::ChildChanged(QObject* sender) {
    if (sender == FRGBList.get()) SetRGBList(FRGBList.get());
    RequestRepaint();
}

void TALCustomZoomImage::RefreshWorkingCopy() {
    FWorkingPicture = FPicture;
    RequestRepaint();
}

void TALCustomZoomImage::SetRGBList(TRGBChanel* value) {
    if (value && value != FRGBList.get()) FRGBList->CopyFlagsFrom(*value);
    RefreshWorkingCopy();
    ApplyChannels(FWorkingPicture, FRGBList->Flags());
    RequestRepaint();
}

bool TALCustomZoomImage::LoadFromStream(QIODevice* stream, bool isJpeg) {
    if (!stream) return false;
    stream->seek(0);
    FBusy = true;
    try {
        const QByteArray data = stream->readAll();
        if (isJpeg) {
            // A picture that cannot be decoded is dropped whole; the previous one stays.
            QImage decoded = DecodeJpeg(data);
            if (!decoded.isNull()) FPicture = std::move(decoded);
        } else {
            FPicture = ReadBmp(data);
        }
    } catch (...) {
        FinishLoad();
        throw;
    }
    FinishLoad();
    return true;
}

void TALCustomZoomImage::LoadFromFile(const QString& name) {
    FBusy = true;
    const QFileInfo info(name);
    if (info.exists()) {
        const QString extension = QLatin1Char('.') + info.suffix().toUpper();
        const bool bmp = extension == QLatin1String(".BMP");
        const bool jpeg = extension == QLatin1String(".JPG");
        QFile file(name);
        if ((bmp || jpeg) && file.open(QIODevice::ReadOnly)) {
            const QByteArray data = file.readAll();
            try {
                QImage read = jpeg ? DecodeJpeg(data) : ReadBmp(data);
                if (!read.isNull()) FPicture = std::move(read);
            } catch (const Exception&) {
                // An unreadable file leaves the previous picture, as an undecodable JPEG does.
            }
        }
    }
    FFileName = name;
    FinishLoad();
}

void TALCustomZoomImage::SetFileName(const QString& value) {
    if (value != FFileName) LoadFromFile(value);
}

void TALCustomZoomImage::FinishLoad() {
    FWorkingPicture = FPicture;
    TZoomGeometry& g = Geo();
    g.PictureWidth = FPicture.width();
    g.PictureHeight = FPicture.height();
    if (FFitting) FitToWindow();
    FBusy = false;
    RequestRepaint();
}
