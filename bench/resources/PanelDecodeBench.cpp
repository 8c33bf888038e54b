// Decoding a panel picture is the work the program does 800 ms after a new binding was found;
// the largest of the shipped pictures is the worst case.

#include "JpegDecoder.h"
#include "Resources.h"

#include <QDir>
#include <benchmark/benchmark.h>

namespace {

// The embedded JPEG with the most pixels (the most bytes among equals).
QByteArray LargestPanelPicture() {
    QByteArray largest;
    qint64 largestPixels = 0;
    for (const QString& name : QDir(QStringLiteral(":/kes")).entryList(QDir::Files)) {
        const QByteArray data = LoadResource(name);
        if (!data.startsWith("\xFF\xD8\xFF"))
            continue;
        const QImage picture = DecodeJpeg(data);
        const qint64 pixels = qint64(picture.width()) * picture.height();
        if (pixels > largestPixels || (pixels == largestPixels && data.size() > largest.size())) {
            largest = data;
            largestPixels = pixels;
        }
    }
    return largest;
}

void BM_DecodeLargestPanelPicture(benchmark::State& state) {
    const QByteArray data = LargestPanelPicture();
    if (data.isEmpty()) {
        state.SkipWithError("no panel picture");
        return;
    }
    for (auto _ : state) {
        QImage picture = DecodeJpeg(data);
        benchmark::DoNotOptimize(picture);
    }
    const QImage picture = DecodeJpeg(data);
    state.counters["bytes"] = double(data.size());
    state.counters["pixels"] = double(picture.width()) * picture.height();
}
BENCHMARK(BM_DecodeLargestPanelPicture)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace
