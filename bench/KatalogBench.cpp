#include "catalogue/Katalog.h"
#include "ItemSucheLinear.h"

#include <benchmark/benchmark.h>

#include <QStringList>

using namespace mvt;

// Start-up: filling every catalogue table and building the name indexes.
static void BM_KatalogFuellen(benchmark::State &state)
{
    for (auto _ : state) {
        TKatalog k;
        KatalogFuellen(k);
        benchmark::DoNotOptimize(k.ItemIndex.size());
    }
}
BENCHMARK(BM_KatalogFuellen)->Unit(benchmark::kMicrosecond);

static QStringList AlleNamen(const TKatalog &k)
{
    QStringList namen;
    auto add = [&](const auto &t) {
        for (size_t i = 1; i < t.size(); ++i)
            namen.append(t[i].Name);
    };
    add(k.RohstoffTabelle);
    add(k.ZutatTabelle);
    add(k.WarenTabelle);
    add(k.TrainingsTabelle);
    add(k.GebaeudeTabelle);
    return namen;
}

// ItemSuchen over every name of the catalogue (739 lookups per iteration).
static void BM_ItemSuchenAlleNamen(benchmark::State &state)
{
    TKatalog k;
    KatalogFuellen(k);
    const QStringList namen = AlleNamen(k);
    for (auto _ : state)
        for (const QString &n : namen)
            benchmark::DoNotOptimize(ItemSuchen(k, n));
    state.SetItemsProcessed(state.iterations() * namen.size());
}
BENCHMARK(BM_ItemSuchenAlleNamen)->Unit(benchmark::kMicrosecond);

// The linear search in table order, for comparison.
static void BM_ItemSuchenLinearAlleNamen(benchmark::State &state)
{
    TKatalog k;
    KatalogFuellen(k);
    const QStringList namen = AlleNamen(k);
    for (auto _ : state)
        for (const QString &n : namen)
            benchmark::DoNotOptimize(ItemSuchenLinear(k, n));
    state.SetItemsProcessed(state.iterations() * namen.size());
}
BENCHMARK(BM_ItemSuchenLinearAlleNamen)->Unit(benchmark::kMicrosecond);
