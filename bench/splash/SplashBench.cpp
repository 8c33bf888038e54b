// The costs behind the fades: one idle pass of the runner (it spins while animations run, so each pass
// must be cheap), and one full paint of the splash background.
#include "Shader.h"
#include "animator.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

class TFadeTarget : public QObject {
    Q_OBJECT
    Q_PROPERTY(int AlphaBlendValue READ AlphaBlendValue WRITE SetAlphaBlendValue)
public:
    int AlphaBlendValue() const { return FValue; }
    void SetAlphaBlendValue(int value) { FValue = value; }

private:
    int FValue = 0;
};

// Two fades of an hour each, as a splash and the main window fading at once: every pass ticks both.
void IdlePassOfTwoFades(benchmark::State& state) {
    TFadeTarget splash, window;
    TAnimator runner;
    runner.AddIntegerAnimation(&splash, "AlphaBlendValue", 255, 3'600'000, {}, {})->SetFrom(0);
    runner.AddIntegerAnimation(&window, "AlphaBlendValue", 255, 3'600'000, {}, {})->SetFrom(50);
    for (auto _ : state) benchmark::DoNotOptimize(runner.Idle());
}
BENCHMARK(IdlePassOfTwoFades);

QApplication& Application() {
    static int argc = 1;
    static char name[] = "splash_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

void PaintSplashBackground(benchmark::State& state) {
    Application();
    TShader shader;
    shader.resize(365, 288);
    shader.SetFromColor(16640730);
    shader.SetToColor(14986888);
    shader.SetSteps(100);
    QImage image(shader.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        shader.render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PaintSplashBackground)->Unit(benchmark::kMicrosecond);

} // namespace

#include "SplashBench.moc"
