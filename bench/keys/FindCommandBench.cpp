// One key look-up on the embedded tables with the panel hidden: the key-name table filtered by code,
// then the 500 bindings by key name and eight flags. Half the keys asked for are bound.

#include "dmKeys.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

struct TLookUp {
    quint16 VK;
    bool Flags[8]; // LAlt, RAlt, LWin, RWin, LShift, RShift, LCtrl, RCtrl
};

std::vector<TLookUp> lookUps(const TdmKeys& keys) {
    std::vector<TLookUp> result;
    for (TSDLItem* item : keys.Keys().AllItems()) {
        const auto* key = static_cast<const TKey_Kes*>(item);
        if (key->KeyName().size() != 1 || key->KeyName()[0] < u'A' || key->KeyName()[0] > u'Z') continue;
        const quint16 vk = key->KeyName()[0].unicode();
        // The binding itself, and the same key with both Ctrl keys, which nothing binds.
        result.push_back({vk,
                          {key->LAlt(), key->RAlt(), key->LWin(), key->RWin(), key->LShift(), key->RShift(),
                           key->LCtrl(), key->RCtrl()}});
        result.push_back({vk, {false, false, false, false, false, false, true, true}});
    }
    return result;
}

void BM_FindCommandPanelHidden(benchmark::State& state) {
    TdmKeys keys;
    keys.PanelVisible = false;
    const std::vector<TLookUp> asked = lookUps(keys);
    size_t next = 0;
    QString command;
    QString category;
    for (auto _ : state) {
        const TLookUp& l = asked[next];
        next = (next + 1) % asked.size();
        keys.FindCommand(l.VK, l.Flags[0], l.Flags[1], l.Flags[2], l.Flags[3], l.Flags[4], l.Flags[5],
                         l.Flags[6], l.Flags[7], command, category);
        benchmark::DoNotOptimize(command);
    }
}
BENCHMARK(BM_FindCommandPanelHidden)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace
