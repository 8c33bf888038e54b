// A key from the hook to the command on screen, inside the program: the posted key message, the
// message hook's display step with its look-up, and the repaint of the labels, on the offscreen
// platform. The X server's part of the road is not in it.
#include "DesignFonts.h"
#include "Messages.h"
#include "locVortal.h"

#include <QApplication>
#include <QLabel>
#include <benchmark/benchmark.h>

namespace {

void HookKeyToCommandShown(benchmark::State& state) {
    RegisterDesignFonts();
    TfrmVortal_Kes_Commands window;
    window.show();
    QCoreApplication::processEvents();
    const char letters[] = "QWERTYUIOPASDFGHJKLZXCVBNM";
    int next = 0;
    for (auto _ : state) {
        const QString before = window.lblCommand->text();
        PostMessage(&window, WM_KEYDOWN, WPARAM(letters[next]), 0);
        next = (next + 1) % 26;
        QCoreApplication::processEvents();
        if (window.lblCommand->text() == before) state.SkipWithError("the command did not change");
    }
}
BENCHMARK(HookKeyToCommandShown)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The hook library would watch a real keyboard on a desktop.
    qunsetenv("DISPLAY");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
