// Route planner: start-up loading of the worlds, the plain reference and the shipped route
// search side by side on the longest routes of each world, and the order variants.
#include "routes/Auftraege.h"
#include "routes/Routensuche.h"
#include "RoutensucheReferenz.h"
#include "routes/Welten.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace mvt::routen;

namespace {

const TWeltdaten &Welten()
{
    static const std::unique_ptr<TWeltdaten> d = [] {
        auto w = std::make_unique<TWeltdaten>();
        KartendatenLaden(*w);
        return w;
    }();
    return *d;
}

struct TStrecke {
    const char *Name;
    int Welt;
    Wegpunkt Start, Ziel;
    bool KuesteSuchen = false; // the ends are looked up when the worlds are loaded
};

// The westmost and the eastmost coast field of Zyrthania.
TStrecke KuesteZuKueste()
{
    const TWeltgitter &g = Welten().Welten[2];
    Wegpunkt west{255, 0}, ost{0, 0};
    for (int x = 1; x <= 120; ++x)
        for (int y = 1; y <= 120; ++y) {
            const uint8_t c = g.Grundgelaende[static_cast<size_t>(Zelle(x, y))];
            if (c < Kueste1 || c > KuesteB1 + 3)
                continue;
            if (x < west.x)
                west = Wegpunkt{static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
            if (x > ost.x)
                ost = Wegpunkt{static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
        }
    return {"Zyrthania_Kueste_West_Ost", 3, west, ost, false};
}

std::vector<TStrecke> Strecken()
{
    return {
        {"Dunladan_Ecke_NW_SO", 1, {1, 1}, {200, 200}},  {"Dunladan_Ecke_NO_SW", 1, {200, 1}, {1, 200}},
        {"Endurias_Ecke_NW_SO", 2, {1, 1}, {200, 200}},  {"Endurias_Rand_W_O", 2, {1, 100}, {200, 100}},
        {"Zyrthania_Ecke_NW_SO", 3, {1, 1}, {120, 120}}, {"Zyrthania_Kueste_West_Ost", 3, {}, {}, true},
    };
}

TSuchparameter Parameter(TStrecke s, bool richtung)
{
    if (s.KuesteSuchen)
        s = KuesteZuKueste();
    TSuchparameter p;
    p.Reisekosten = Welten().Welten[static_cast<size_t>(s.Welt - 1)].Reisekosten.data();
    p.Kartengroesse = Weltangaben(s.Welt).Groesse;
    p.Start = s.Start;
    p.Ziel = s.Ziel;
    p.DirectionalOptimization = richtung;
    return p;
}

void BM_KartendatenLaden(benchmark::State &state)
{
    for (auto _ : state) {
        auto d = std::make_unique<TWeltdaten>();
        KartendatenLaden(*d);
        benchmark::DoNotOptimize(d->Welten[2].Reisekosten[0]);
    }
}
BENCHMARK(BM_KartendatenLaden)->Unit(benchmark::kMillisecond);

void Registrieren()
{
    for (const TStrecke &s : Strecken()) {
        for (const bool richtung : {true, false}) {
            const std::string suffix = std::string(s.Name) + (richtung ? "/Richtung" : "/OhneRichtung");
            benchmark::RegisterBenchmark(("RouteSuchen/Referenz/" + suffix).c_str(),
                                         [s, richtung](benchmark::State &state) {
                                             const TSuchparameter p = Parameter(s, richtung);
                                             for (auto _ : state)
                                                 benchmark::DoNotOptimize(referenz::RouteSuchen(p).Anzahl());
                                         })
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("RouteSuchen/Schnell/" + suffix).c_str(),
                                         [s, richtung](benchmark::State &state) {
                                             const TSuchparameter p = Parameter(s, richtung);
                                             for (auto _ : state)
                                                 benchmark::DoNotOptimize(RouteSuchen(p).Anzahl());
                                         })
                ->Unit(benchmark::kMillisecond);
        }
        // the variants of the merged route (what the program builds) and of the unmerged
        // field chain (hundreds of points: the worst case of the rescans)
        for (const bool zusammengefasst : {true, false}) {
            const std::string suffix =
                std::string(s.Name) + (zusammengefasst ? "/Zusammengefasst" : "/Feldkette");
            const auto route = [s, zusammengefasst] {
                const TSuchparameter p = Parameter(s, true);
                Wegpunktliste r = RouteSuchen(p);
                if (zusammengefasst)
                    WegpunkteZusammenfassen(p.Reisekosten, r);
                return r;
            };
            benchmark::RegisterBenchmark(("RoutenvariantenBilden/Referenz/" + suffix).c_str(),
                                         [s, route](benchmark::State &state) {
                                             const Wegpunktliste r = route();
                                             const uint8_t *k = Parameter(s, true).Reisekosten;
                                             state.counters["Punkte"] = r.Anzahl();
                                             for (auto _ : state)
                                                 benchmark::DoNotOptimize(
                                                     referenz::RoutenvariantenBilden(k, r)[0].Anzahl());
                                         })
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("RoutenvariantenBilden/Schnell/" + suffix).c_str(),
                                         [s, route](benchmark::State &state) {
                                             const Wegpunktliste r = route();
                                             const uint8_t *k = Parameter(s, true).Reisekosten;
                                             state.counters["Punkte"] = r.Anzahl();
                                             for (auto _ : state)
                                                 benchmark::DoNotOptimize(
                                                     RoutenvariantenBilden(k, r)[0].Anzahl());
                                         })
                ->Unit(benchmark::kMillisecond);
        }
    }
}

const int registriert = (Registrieren(), 0);

} // namespace
