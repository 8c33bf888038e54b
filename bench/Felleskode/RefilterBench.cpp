// Refilter of 500 key-binding-like items with the nine-line filter of a key look-up, one item passing.

#include "BenchKey.h"

#include <benchmark/benchmark.h>

namespace {

void fillBindings(TSDLListe& list) {
    // 50 key names, ten bindings each, with every binding's flags a different combination.
    for (int i = 0; i < 500; ++i) {
        auto* key = new TBenchKey;
        key->KeyName = i % 50 == 0 ? QStringLiteral("Z") : QStringLiteral("K%1").arg(i % 50);
        const int combination = i / 50;
        key->LCtrl = combination & 1;
        key->LShift = combination & 2;
        key->LAlt = combination & 4;
        key->RCtrl = combination & 8;
        list.Add(key);
    }
}

void BM_RefilterKeyLookUp(benchmark::State& state) {
    TSDLListe list;
    fillBindings(list);
    list.SetFilter(QStringLiteral("KeyName=Z\r\nRAlt=False\r\nLAlt=False\r\nRWin=False\r\nLWin=False\r\n"
                                  "RShift=False\r\nLShift=True\r\nRCtrl=False\r\nLCtrl=True"));
    list.SetFiltered(true);
    if (list.Count() != 1) state.SkipWithError("the filter must let exactly one item pass");
    for (auto _ : state) {
        list.Refilter();
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_RefilterKeyLookUp)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
