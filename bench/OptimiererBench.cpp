#include "catalogue/Katalog.h"
#include "planner/Inventar.h"
#include "planner/Optimierer.h"
#include "planner/Planer.h"

#include <benchmark/benchmark.h>

using namespace mvt;
using namespace mvt::planer;

namespace {

const TKatalog &OptKatalog()
{
    static const TKatalog k = [] {
        TKatalog t;
        KatalogFuellen(t);
        return t;
    }();
    return k;
}

// A melee character with armour, an axe and a shield against an armoured opponent who
// blocks, with priority 50: the offensive, the defensive and the combined search all run.
TOptimierungsAuftrag NahkampfAuftrag(int level, bool gegner)
{
    const TKatalog &k = OptKatalog();
    TPlaner p;
    PlanerStarten(p);
    LevelEingeben(p, level);
    WaehleAusruestung(p, k, SlotHelm, "Eisen-Plattenhelm");
    WaehleAusruestung(p, k, SlotPanzer, "Leder-Harnisch");
    SetzeVerzauberung(p, SlotPanzer, VerzauberungAusName("des Drachen"));
    WaehleAusruestung(p, k, SlotHose, "Eisen-Kettenbeinlinge");
    WaehleAusruestung(p, k, SlotHauptwaffe, "Streitaxt");
    WaehleAusruestung(p, k, SlotNebenwaffe, "Lederschild");
    GegnerVorgabeAnwenden(p.Gegner, "Metall 2");
    GegnerVorgabeAnwenden(p.Gegner, "Zweihand");
    TOptimiererZustand z;
    z.Prioritaet = 50;
    z.GegnerBeruecksichtigen = gegner;
    return OptimierungVorbereiten(p, z);
}

TOptimierungsAuftrag BogenAuftrag(int level)
{
    const TKatalog &k = OptKatalog();
    TPlaner p;
    PlanerStarten(p);
    LevelEingeben(p, level);
    WaehleAusruestung(p, k, SlotPanzer, "Leder-Harnisch");
    WaehleAusruestung(p, k, SlotFernkampf, "Kompositbogen");
    WaehleAusruestung(p, k, SlotMunition, "Jagdpfeile");
    TOptimiererZustand z;
    z.Prioritaet = 50;
    z.Kampfart = TKampfart::Fernkampf;
    return OptimierungVorbereiten(p, z);
}

void Optimieren(benchmark::State &state, const TOptimierungsAuftrag &a, bool referenz)
{
    TSuchOptionen o;
    o.Referenzformeln = referenz;
    int64_t kandidaten = 0;
    o.Besucher = [&kandidaten](const std::array<int32_t, 4> &, int, int) { ++kandidaten; };
    for (auto _ : state) {
        kandidaten = 0;
        benchmark::DoNotOptimize(OptimiereAttribute(a, o));
    }
    state.counters["Kandidaten"] = static_cast<double>(kandidaten);
}

void BM_Optimierer_Level50(benchmark::State &state)
{
    Optimieren(state, NahkampfAuftrag(50, true), false);
}
BENCHMARK(BM_Optimierer_Level50)->Unit(benchmark::kMillisecond);

void BM_Optimierer_Level999(benchmark::State &state)
{
    Optimieren(state, NahkampfAuftrag(MaxLevel, true), false);
}
BENCHMARK(BM_Optimierer_Level999)->Unit(benchmark::kMillisecond);

void BM_Optimierer_Level999_GegnerIdeal(benchmark::State &state)
{
    Optimieren(state, NahkampfAuftrag(MaxLevel, false), false);
}
BENCHMARK(BM_Optimierer_Level999_GegnerIdeal)->Unit(benchmark::kMillisecond);

void BM_Optimierer_Level999_Bogen(benchmark::State &state)
{
    Optimieren(state, BogenAuftrag(MaxLevel), false);
}
BENCHMARK(BM_Optimierer_Level999_Bogen)->Unit(benchmark::kMillisecond);

// The plain formulas of the evaluation, the reference the cached averages must equal.
void BM_Optimierer_Level999_Referenzformeln(benchmark::State &state)
{
    Optimieren(state, NahkampfAuftrag(MaxLevel, true), true);
}
BENCHMARK(BM_Optimierer_Level999_Referenzformeln)->Unit(benchmark::kMillisecond);

void BM_Optimierer_Level999_Bogen_Referenzformeln(benchmark::State &state)
{
    Optimieren(state, BogenAuftrag(MaxLevel), true);
}
BENCHMARK(BM_Optimierer_Level999_Bogen_Referenzformeln)->Unit(benchmark::kMillisecond);

// A full inventory page as the game shows it.
const char *const InventarSeite = R"SEITE(Morvaren - Das Browserspiel
Startseite	Charakter	Inventar	Handel	Karte	Nachrichten	Abmelden
Zyrthania, Tag 412 der Zeitrechnung, 14:32 Uhr
Inventar
Hier siehst du alle Gegenstände, die du bei dir trägst.
Ausrüstung >> Rüstung
Leder-Haube der Abwehr (Kopf) +1
Rüstschutz: 1,5 %	Absorb: 1,3	Behinderung: 6 %
Haltbarkeit: 87 / 100
Leder-Harnisch des Wolfes (Torso)
Rüstschutz: 3,0 %	Absorb: 1,6	Behinderung: 12 %
Haltbarkeit: 100 / 100
Hände	Es ist kein Gegenstand angelegt.
Weichleder-Hose (Beine) +1
Rüstschutz: 2,0 %	Absorb: 0,4	Behinderung: 7 %
Haltbarkeit: 64 / 100
Leder-Stiefel der Täuschung (Füße) +1
Rüstschutz: 1,5 %	Absorb: 1,3	Behinderung: 6 %
Haltbarkeit: 92 / 100
Bastardschwert der Kraft [2H] (Hand) +1
Schaden: 28 - 41	Angriffe pro Runde: 3
Haltbarkeit: 54 / 100
Hand	Es ist kein Gegenstand angelegt.
Jagdbogen (Fernwaffe) +1
Schaden: 17 - 24	Angriffe pro Runde: 4
Haltbarkeit: 71 / 100
250 Jagdpfeile +1
Wirkung: 3 %	Kritische Treffer: 1 %
Gewicht: 7,5 kg
Ausrüstung >> Gepäck
12 Kupferbarren
Gewicht: 2,4 kg
Wert: 720 Gold
Kurzschwert der Präzision (Gepäck)
Schaden: 8 - 12	Angriffe pro Runde: 4
Haltbarkeit: 100 / 100
Charakter
Hadrik Eisenfaust
Zwerg
Level 10
LP: 380 / 461
EXP: 21500 / 27500
Gold: 12.345
Impressum	Datenschutz	Regeln
)SEITE";

void BM_InventarAuslesen(benchmark::State &state)
{
    const QString text = QString::fromUtf8(InventarSeite);
    TPlaner start;
    PlanerStarten(start);
    for (auto _ : state) {
        TPlaner p = start;
        TOptimiererZustand z;
        benchmark::DoNotOptimize(InventarAuslesen(p, z, OptKatalog(), text));
    }
}
BENCHMARK(BM_InventarAuslesen)->Unit(benchmark::kMicrosecond);

} // namespace
