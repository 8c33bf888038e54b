// Making the key database from the embedded tables: 500 bindings, 50 key names and 156 finer
// categories, each of those found with a nine-line filter over all bindings.

#include "dmKeys.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ConstructFromEmbeddedTables(benchmark::State& state) {
    for (auto _ : state) {
        TdmKeys keys;
        benchmark::DoNotOptimize(keys.Keys().Count());
    }
}
BENCHMARK(BM_ConstructFromEmbeddedTables)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace
