#include "base/Meldung.h"
#include "settings/OptionenDatei.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace mvt;

namespace {

const TKatalog &OptionenKatalog()
{
    static const TKatalog k = [] {
        TKatalog neu;
        KatalogFuellen(neu);
        return neu;
    }();
    return k;
}

struct TOptionenStand {
    TOptionen O;
    TCraftingZustand C;
    routen::TGespeicherteRouten R;
    double NaechstePruefung = 0.0;
    int32_t Karte = 1;

    TOptionenStand()
    {
        CraftingZustandAnlegen(OptionenKatalog(), C);
        // A few saved routes per world, as a player keeps them.
        for (int w = 1; w <= 3; ++w)
            for (int r = 0; r < 10; ++r) {
                routen::TGespeicherteRoute route{QStringLiteral("Route %1").arg(r), 20, {}};
                for (int p = 1; p <= 60; ++p)
                    route.Punkte.push_back({static_cast<uint8_t>(p), static_cast<uint8_t>(p + r)});
                R.Welten[static_cast<size_t>(w)].push_back(route);
            }
    }
    TOptionenQuelle Quelle() const { return {O, C, R, NaechstePruefung, Karte}; }
};

void BM_OptionenSpeichern(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("options.ini");
    const TOptionenStand s;
    for (auto _ : state)
        benchmark::DoNotOptimize(OptionenSpeichern(OptionenKatalog(), s.Quelle(), pfad));
}
BENCHMARK(BM_OptionenSpeichern)->Unit(benchmark::kMicrosecond);

void BM_OptionenLaden(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("options.ini");
    const TOptionenStand geschrieben;
    OptionenSpeichern(OptionenKatalog(), geschrieben.Quelle(), pfad);
    TOptionenStand s;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            OptionenLaden(OptionenKatalog(), {s.O, s.C, s.R, s.NaechstePruefung, s.Karte}, pfad));
}
BENCHMARK(BM_OptionenLaden)->Unit(benchmark::kMicrosecond);

} // namespace
