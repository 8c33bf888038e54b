#include "SplashPicture.h"

#include "ArtCanvas.h"
#include "HelicopterLivery.h"
#include "HelicopterShape.h"
#include "InputSymbols.h"

namespace {

void PaintSymbol(QPainter& p, const QRectF& target, void (*paint)(QPainter&)) {
    p.save();
    art::FitDesign(p, symbols::kDesignBox, target);
    paint(p);
    p.restore();
}

} // namespace

QImage MakeSplashPicture() {
    QImage canvas = art::NewCanvas({279, 202});
    QPainter p;
    art::BeginSmooth(p, canvas);
    // The version label covers the picture's top right corner; the rotor stays below it.
    p.save();
    art::FitDesign(p, heli::Bounds(), QRectF(2, 26, 275, 104));
    heli::PaintLivery(p, 3.2);
    p.restore();

    PaintSymbol(p, QRectF(8, 128, 72, 72), symbols::PaintJoystick);
    PaintSymbol(p, QRectF(82, 116, 118, 118), symbols::PaintKeyboard);
    PaintSymbol(p, QRectF(206, 136, 60, 60), symbols::PaintMouse);
    return canvas;
}
