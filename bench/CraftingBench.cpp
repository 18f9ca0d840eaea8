#include "crafting/Analyse.h"

#include <benchmark/benchmark.h>

using namespace mvt;

namespace {

const TKatalog &BenchKatalog()
{
    static const TKatalog k = [] {
        TKatalog neu;
        KatalogFuellen(neu);
        WeltvarianteAnwenden(neu, 3);
        return neu;
    }();
    return k;
}

// A build list of n different entries: kits spread over the whole table, then buildings.
TCraftingZustand ListeMit(int n)
{
    TCraftingZustand c;
    CraftingZustandAnlegen(BenchKatalog(), c);
    if (n == 1) {
        ZurBaulisteHinzufuegen(BenchKatalog(), c.Bauliste, "Kurzschwert", 1);
        return c;
    }
    const int kits = n * 3 / 4;
    for (int i = 0; i < kits; ++i)
        ZurBaulisteHinzufuegen(BenchKatalog(), c.Bauliste,
                               BenchKatalog().WarenTabelle[1 + i * AnzahlWaren / kits].Name, 3);
    for (int i = 0; i < n - kits; ++i)
        ZurBaulisteHinzufuegen(BenchKatalog(), c.Bauliste,
                               BenchKatalog().GebaeudeTabelle[1 + i * AnzahlGebaeude / (n - kits)].Name, 1);
    return c;
}

// The model half of the recomputation after a change of the build list.
void BM_AllesNeuBerechnen(benchmark::State &state)
{
    TCraftingZustand c = ListeMit(static_cast<int>(state.range(0)));
    const TOptionen o;
    for (auto _ : state) {
        AllesNeuBerechnen(BenchKatalog(), o, c);
        benchmark::DoNotOptimize(c.Analyse[4].Gewinn);
    }
    state.counters["Eintraege"] = c.Bauliste.Anzahl();
}
BENCHMARK(BM_AllesNeuBerechnen)->Arg(1)->Arg(200)->Unit(benchmark::kMicrosecond);

// A price or level edit recomputes only the analysis.
void BM_BerechneAnalyse(benchmark::State &state)
{
    TCraftingZustand c = ListeMit(static_cast<int>(state.range(0)));
    const TOptionen o;
    AllesNeuBerechnen(BenchKatalog(), o, c);
    for (auto _ : state) {
        BerechneAnalyse(BenchKatalog(), o, c);
        benchmark::DoNotOptimize(c.Analyse[4].Gewinn);
    }
}
BENCHMARK(BM_BerechneAnalyse)->Arg(1)->Arg(200)->Unit(benchmark::kMicrosecond);

} // namespace
