// The town list processing of a large list: 10,000 towns spread over the three worlds.
#include "routes/StadtlisteDatei.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

void BM_Stadtliste10000(benchmark::State &state)
{
    std::mt19937 zufall(7);
    QStringList zeilen;
    for (int w = 1; w <= 3; ++w) {
        const int groesse = w == 3 ? 120 : 200;
        std::uniform_int_distribution<int> feld(1, groesse);
        for (int i = 0; i < 3334; ++i)
            zeilen << QStringLiteral("%1%2Stadt %3")
                          .arg(feld(zufall), 3, 10, QLatin1Char('0'))
                          .arg(feld(zufall), 3, 10, QLatin1Char('0'))
                          .arg(i);
        if (w < 3)
            zeilen << QString();
    }
    auto welten = std::make_unique<mvt::routen::TWeltdaten>();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            mvt::routen::StadtlisteAnwenden(*welten, zeilen, QStringLiteral("2019.01.01.00.00")).Staedte);
}

} // namespace

BENCHMARK(BM_Stadtliste10000)->Unit(benchmark::kMillisecond);
