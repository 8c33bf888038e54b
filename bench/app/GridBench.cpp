// The key browser listing every category with the largest one opened: a full repaint, and a reload
// followed by its first paint, where every command value drawn filters the 500 bindings again.
#include "DesignFonts.h"
#include "KeyGrid.h"
#include "dmGridDataSource.h"
#include "dmKeys.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "app_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit it would outlive the font database that the embedded faces went into.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

class TGridBench {
public:
    TGridBench() {
        RegisterDesignFonts();
        FHost.Keys = &FKeys;
        Grid.SetHost(FHost);
        // The "Panel Keys" page of the expanded window.
        Grid.resize(744, 590);
        Grid.show();
    }

    void ReloadEveryCategoryAndOpenView() {
        FKeys.SetCategoryFilter(false);
        Grid.RefreshGrid(FCategoryDS, FKeysDS);
        QAbstractItemModel& view = *Grid.model();
        for (int row = 0; row < view.rowCount(); ++row)
            if (view.index(row, 0).data().toString() == QLatin1String("View")) {
                Grid.expand(view.index(row, 0));
                Grid.scrollTo(view.index(row, 0), QAbstractItemView::PositionAtTop);
            }
    }

    void Paint() {
        Grid.render(&FImage);
        benchmark::DoNotOptimize(FImage.constBits());
    }

private:
    // Before any widget.
    QApplication& FApplication = Application();

public:
    TKeyGrid Grid;

private:
    TdmKeys FKeys;
    TKeyGridHost FHost;
    std::unique_ptr<TViewCategoryDS> FCategoryDS;
    std::unique_ptr<TViewKeysDS> FKeysDS;
    QImage FImage{744, 590, QImage::Format_RGB32};
};

void RepaintGridWithEveryCategoryOneOpened(benchmark::State& state) {
    TGridBench bench;
    bench.ReloadEveryCategoryAndOpenView();
    bench.Paint();
    for (auto _ : state)
        bench.Paint();
}
BENCHMARK(RepaintGridWithEveryCategoryOneOpened)->Unit(benchmark::kMillisecond);

void ReloadAndFirstPaintWithEveryCategoryOneOpened(benchmark::State& state) {
    TGridBench bench;
    for (auto _ : state) {
        bench.ReloadEveryCategoryAndOpenView();
        bench.Paint();
    }
}
BENCHMARK(ReloadAndFirstPaintWithEveryCategoryOneOpened)->Unit(benchmark::kMillisecond);

} // namespace
