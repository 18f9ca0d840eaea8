// Tours: twelve stops spread over a 200 x 200 world in the fastest order (twelve searches
// to all other stops, 132 legs built as the route tab builds them, the exact order), as
// the route thread runs it while the window waits.
#include "routes/Tour.h"
#include "routes/Welten.h"

#include <benchmark/benchmark.h>

#include <memory>

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

void Tour12(benchmark::State &state, int welt, bool schnellste, bool rueckkehr)
{
    TTourparameter p;
    p.Reisekosten = Welten().Welten[size_t(welt - 1)].Reisekosten.data();
    p.Kartengroesse = Weltangaben(welt).Groesse;
    // corners, edges and middle: every search runs across most of the map
    p.Stationen = {{100, 100}, {1, 1},     {200, 200}, {200, 1},  {1, 200},  {100, 1},
                   {1, 100},   {200, 100}, {100, 200}, {50, 150}, {150, 50}, {60, 60}};
    p.Schnellste = schnellste;
    p.Rueckkehr = rueckkehr;
    p.Auftraege = 10;
    for (auto _ : state)
        benchmark::DoNotOptimize(TourPlanen(p).Reisezeit);
}

BENCHMARK_CAPTURE(Tour12, Dunladan_Schnellste, 1, true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tour12, Dunladan_Schnellste_Rueckkehr, 1, true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tour12, Endurias_Schnellste, 2, true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tour12, Dunladan_Fest, 1, false, false)->Unit(benchmark::kMillisecond);

} // namespace
