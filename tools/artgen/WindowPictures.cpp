#include "WindowPictures.h"

#include "ArtCanvas.h"
#include "HelicopterCutAway.h"
#include "HelicopterLivery.h"
#include "HelicopterShape.h"

QImage MakeBackground() {
    QImage canvas = art::NewCanvas({533, 300});
    QPainter painter;
    art::BeginSmooth(painter, canvas);
    // The window hides the picture's top 29 rows behind its frame; the labels run across the middle.
    art::FitDesign(painter, heli::Bounds(), QRectF(8, 34, 517, 262));
    heli::PaintLivery(painter);
    painter.end();
    art::Fade(canvas, art::kWindowTop, 0.4, 0.55);
    return canvas;
}

QImage MakePanelView() {
    QImage canvas = art::NewCanvas({661, 372});
    QPainter painter;
    art::BeginSmooth(painter, canvas);
    art::FitDesign(painter, heli::Bounds(), QRectF(10, 10, 641, 352));
    heli::PaintCutAway(painter);
    return canvas;
}
