// One full paint of the panel viewer into its back buffer (background and stretch, no overlays) at the
// fitted zoom, 1 and 3.7, beside QPainter::drawImage of the same window without smoothing; and the
// load of a panel-sized JPEG.
#include "AL_ZoomImg.h"
#include "Resources.h"
#include "TestPictures.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

constexpr int kViewWidth = 752, kViewHeight = 560;
constexpr int kPictureWidth = 1600, kPictureHeight = 1000;

QApplication& Application() {
    static int argc = 1;
    static char name[] = "viewer_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

const QByteArray& PanelJpeg() {
    static const QByteArray jpeg = EncodeJpeg(PhotoLikePicture(kPictureWidth, kPictureHeight), 85);
    return jpeg;
}

bool Load(TALCustomZoomImage& view, const QByteArray& jpeg) {
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    return view.LoadFromStream(&buffer, true);
}

// The viewer as the main window sets it up, showing the panel at zoom (a percentage).
struct TPanelView {
    QApplication& App = Application(); // before the widget
    TALZoomImage View;
    explicit TPanelView(long double zoom) {
        View.resize(kViewWidth, kViewHeight);
        View.SetCentralCross(false);
        View.SetCursorCross(false);
        View.SetPixelGrid(false);
        Load(View, PanelJpeg());
        View.DragPicture(View.xCent() - kPictureWidth / 2.0, View.yCent() - kPictureHeight / 2.0);
        View.SetZoom(zoom);
        View.Paint();
    }
};

long double ZoomOf(const benchmark::State& state) { return state.range(0) / 100.0L; }

void BM_PaintOwnStretch(benchmark::State& state) {
    TPanelView panel(ZoomOf(state));
    for (auto _ : state) {
        panel.View.Paint();
        benchmark::DoNotOptimize(panel.View.BackBuffer().constBits());
    }
}

// The same frame through Qt: fill, then drawImage of the drawn window into the screen rectangle.
void PaintWithDrawImage(benchmark::State& state, QImage::Format sourceFormat) {
    TPanelView panel(ZoomOf(state));
    const TZoomGeometry& g = panel.View.Geometry();
    const QImage source = panel.View.WorkingPicture().convertToFormat(sourceFormat);
    const QRect from(int(g.x1), int(g.y1), int(g.x2 - g.x1), int(g.y2 - g.y1));
    const QRect to(g.ScreenRect.Left, g.ScreenRect.Top, g.ScreenRect.Right - g.ScreenRect.Left,
                   g.ScreenRect.Bottom - g.ScreenRect.Top);
    QImage target(kViewWidth, kViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        target.fill(QColor(192, 192, 192));
        QPainter painter(&target);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(to, source, from);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_PaintDrawImage24(benchmark::State& state) { PaintWithDrawImage(state, QImage::Format_RGB888); }
void BM_PaintDrawImage32(benchmark::State& state) { PaintWithDrawImage(state, QImage::Format_RGB32); }

void LoadJpeg(benchmark::State& state, const QByteArray& jpeg) {
    Application();
    TALZoomImage view;
    view.resize(kViewWidth, kViewHeight);
    for (auto _ : state) {
        if (!Load(view, jpeg)) state.SkipWithError("no stream");
    }
    state.SetLabel(QStringLiteral("%1 x %2, %3 KiB")
                       .arg(view.Picture().width())
                       .arg(view.Picture().height())
                       .arg(jpeg.size() / 1024)
                       .toStdString());
}

void BM_LoadFromStreamSynthetic(benchmark::State& state) { LoadJpeg(state, PanelJpeg()); }

void BM_LoadFromStreamEmbeddedPanel(benchmark::State& state) {
    Application();
    if (!ResourceExists(QStringLiteral("ADF_PANEL"))) {
        state.SkipWithError("no embedded panel picture");
        return;
    }
    LoadJpeg(state, LoadResource(QStringLiteral("ADF_PANEL")));
}

} // namespace

// Qt may spread an image operation over threads: the CPU column counts every thread of the process.
BENCHMARK(BM_PaintOwnStretch)->Arg(47)->Arg(100)->Arg(370)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintDrawImage24)->Arg(47)->Arg(100)->Arg(370)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintDrawImage32)->Arg(47)->Arg(100)->Arg(370)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFromStreamSynthetic)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromStreamEmbeddedPanel)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
