#include "catalogue/Katalog.h"
#include "planner/Ausruestung.h"
#include "planner/Planer.h"
#include "CliMessung.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <chrono>
#include <filesystem>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace mvt;
using namespace mvt::planer;

namespace {

// A fully equipped level-50 character: armour with enchantments, two weapons, a staff
// with a spell, so every branch of the computation runs.
TPlaner Ausgeruestet()
{
    static const TKatalog k = [] {
        TKatalog t;
        KatalogFuellen(t);
        return t;
    }();
    TPlaner p;
    PlanerStarten(p);
    LevelEingeben(p, 50);
    WaehleAusruestung(p, k, SlotHelm, "Eisen-Plattenhelm");
    SetzeVerzauberung(p, SlotHelm, VerzauberungAusName("des Drachen"));
    WaehleAusruestung(p, k, SlotPanzer, "Leder-Harnisch");
    SetzeVerzauberung(p, SlotPanzer, VerzauberungAusName("der Kraft"));
    WaehleAusruestung(p, k, SlotHose, "Eisen-Kettenbeinlinge");
    WaehleAusruestung(p, k, SlotStiefel, "Leder-Stiefel");
    WaehleAusruestung(p, k, SlotHandschuhe, "Woll-Handschuhe");
    WaehleAusruestung(p, k, SlotHauptwaffe, "Langschwert");
    WaehleAusruestung(p, k, SlotNebenwaffe, "Stilett");
    WaehleAusruestung(p, k, SlotFernkampf, "Feuer-Runenstab");
    WaehleZauber(p, k, "Feuerball");
    AttributEingeben(p, AttrStaerke, 60);
    AttributEingeben(p, AttrGeschick, 80);
    AttributEingeben(p, AttrKonstitution, 80);
    AttributEingeben(p, AttrIntelligenz, 40);
    GegnerVorgabeAnwenden(p.Gegner, "Metall 2");
    GegnerVorgabeAnwenden(p.Gegner, "Einhand");
    return p;
}

} // namespace

// The computation every input change runs.
static void BM_BerechneEffektiveWerte(benchmark::State &state)
{
    TPlaner p = Ausgeruestet();
    for (auto _ : state) {
        TCharakter c = p.Charakter;
        BerechneEffektiveWerte(p.Arten, p.Werte, c, p.Optionen);
        benchmark::DoNotOptimize(c.Hauptwaffe.MaxSchaden);
    }
}
BENCHMARK(BM_BerechneEffektiveWerte);

// Both evaluation pages with two weapons against a blocking opponent.
static void BM_BewertungNahkampf(benchmark::State &state)
{
    TPlaner p = Ausgeruestet();
    for (auto _ : state) {
        const TBewertung b =
            BewertungBerechnen(p.Arten, p.Charakter, p.Gegner, TAnsicht::Nahkampf, p.Bewertung);
        benchmark::DoNotOptimize(b.Offensive.ProRunde);
    }
}
BENCHMARK(BM_BewertungNahkampf)->Unit(benchmark::kMicrosecond);

// One full input change as the tab runs it: computation, summary texts, both pages.
static void BM_EingabeVollstaendig(benchmark::State &state)
{
    TPlaner p = Ausgeruestet();
    for (auto _ : state) {
        Aktualisieren(p);
        benchmark::DoNotOptimize(p.Bewertung.Defensive.Zaehigkeit);
    }
}
BENCHMARK(BM_EingabeVollstaendig)->Unit(benchmark::kMicrosecond);

// The damage average over ranges of width 10, 10^3 and 10^6 against armour with two
// decimals and absorb: a closed form, so all three take the same time.
static void BM_MittlererSchaden(benchmark::State &state)
{
    const int64_t min = 5000, max = min + state.range(0);
    double r = 33.33;
    for (auto _ : state) {
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(MittlererSchaden(min, max, 12.5, r));
    }
}
BENCHMARK(BM_MittlererSchaden)->Arg(10)->Arg(1000)->Arg(1000000);

// The term-by-term sum it replaced, for comparison.
static void BM_MittlererSchadenSummiert(benchmark::State &state)
{
    const int64_t min = 5000, max = min + state.range(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(MittlererSchadenSummiert(min, max, 12.5, 33.33));
}
BENCHMARK(BM_MittlererSchadenSummiert)->Arg(10)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// One full input change at the top of the damage scale: potency 99 for the weapon's
// skill, level 999, 4000 Stärke, against an armoured opponent who blocks.
static void BM_EingabePotenz99Level999(benchmark::State &state)
{
    static const TKatalog k = [] {
        TKatalog t;
        KatalogFuellen(t);
        return t;
    }();
    TPlaner p;
    p.Optionen.Wirkung[WirkungsIndex("Schwerter")] = 99.0;
    PlanerStarten(p);
    LevelEingeben(p, 999);
    WaehleAusruestung(p, k, SlotHauptwaffe, "Langschwert");
    AttributEingeben(p, AttrStaerke, 4000);
    GegnerVorgabeAnwenden(p.Gegner, "Metall 2");
    for (auto _ : state) {
        Aktualisieren(p);
        benchmark::DoNotOptimize(p.Bewertung.Offensive.ProRunde);
    }
    state.counters["MaxSchaden"] = p.Charakter.Hauptwaffe.MaxSchaden;
}
BENCHMARK(BM_EingabePotenz99Level999)->Unit(benchmark::kMicrosecond);

namespace {

// "morvaren-cli planer" on an input with a "Vergleich" list of n choices, taken in turn
// from every entry of the eight equipment menus (some 300 different choices). Returns the
// tool's peak memory in kB and its run time, or -1 when it failed.
long PlanerVergleichMessen(int n, double *sekunden)
{
    QJsonArray wahl;
    std::vector<std::pair<QString, QString>> alle;
    for (int s = SlotHelm; s <= SlotFernkampf; ++s)
        for (const TMenueGruppe &g :
             MenueGruppen(static_cast<TMenue>(MenueVonSlot(static_cast<TSlot>(s), 0))))
            for (const QString &e : g.Eintraege)
                if (!IstEigenerEintrag(e))
                    alle.emplace_back(SlotName(static_cast<TSlot>(s)), e);
    for (int i = 0; i < n; ++i) {
        const auto &[slot, name] = alle[size_t(i) % alle.size()];
        wahl.append(QJsonObject{{"Slot", slot}, {"Name", name}});
    }
    const QJsonObject eingabe{{"Level", 30},
                              {"Slots", QJsonObject{{"Hauptwaffe", QJsonObject{{"Name", "Kurzschwert"}}},
                                                    {"Helm", QJsonObject{{"Name", "Leinen-Haube"},
                                                                         {"Verzauberung", "der Macht"}}}}},
                              {"Attribute", QJsonObject{{"Staerke", 40}, {"Geschick", 30}}},
                              {"Gegner", QJsonObject{{"Ruestschutz", 10}, {"Absorb", 5}}},
                              {"Vergleich", wahl}};
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("eingabe.json"));
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(QJsonDocument(eingabe).toJson(QJsonDocument::Compact)) < 0)
        return -1;
    f.close();
    return bench::CliMessen("planer", pfad.toStdString(), sekunden);
}

} // namespace

// The whole command with 1,000, 10,000 and 200,000 choices to compare: the work and the
// memory are to grow with the list, not with its square.
static void BM_PlanerCliVergleich(benchmark::State &state)
{
    for (auto _ : state) {
        double sekunden = 0;
        const long kb = PlanerVergleichMessen(int(state.range(0)), &sekunden);
        if (kb < 0) {
            state.SkipWithError("morvaren-cli planer fehlgeschlagen");
            return;
        }
        state.SetIterationTime(sekunden);
        state.counters["SpitzeMB"] = double(kb) / 1024.0;
    }
}
BENCHMARK(BM_PlanerCliVergleich)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(200000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
