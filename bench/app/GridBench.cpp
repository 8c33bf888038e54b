// One full repaint of the key browser listing every category with the largest one opened: every
// command value it draws filters the 500 bindings again.
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
    static QApplication app(argc, argv);
    return app;
}

void RepaintGridWithEveryCategoryOneOpened(benchmark::State& state) {
    Application();
    RegisterDesignFonts();
    TdmKeys keys;
    std::unique_ptr<TViewCategoryDS> categoryDS;
    std::unique_ptr<TViewKeysDS> keysDS;
    TKeyGrid grid;
    TKeyGridHost host;
    host.Keys = &keys;
    grid.SetHost(host);
    // The "Panel Keys" page of the expanded window.
    grid.resize(744, 590);
    grid.show();
    keys.SetCategoryFilter(false);
    grid.RefreshGrid(categoryDS, keysDS);
    QAbstractItemModel& view = *grid.model();
    for (int row = 0; row < view.rowCount(); ++row)
        if (view.index(row, 0).data().toString() == QLatin1String("View")) {
            grid.expand(view.index(row, 0));
            grid.scrollTo(view.index(row, 0), QAbstractItemView::PositionAtTop);
        }

    QImage image(grid.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        grid.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(RepaintGridWithEveryCategoryOneOpened)->Unit(benchmark::kMillisecond);

} // namespace
