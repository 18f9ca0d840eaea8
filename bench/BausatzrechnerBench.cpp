// The crafting tab on real widgets, offscreen: making the tab, one change of a 200-entry
// build list and one price edit, each as the player waits for it.
#include "BenchAnwendung.h"
#include "crafting/Analyse.h"
#include "crafting/CraftingSitzung.h"
#include "crafting/ui/Bausatzrechnerseite.h"
#include "ui/Sitzung.h"

#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>

using namespace mvt;

namespace {

struct TSeitenBank {
    TKatalog katalog;
    TCraftingZustand crafting;
    TOptionen optionen;
    TSitzung sitzung{optionen};
    TCraftingSitzung teil{crafting, katalog, optionen};
    std::unique_ptr<TBausatzrechnerSeite> seite;

    TSeitenBank()
    {
        bench::AnwendungSicherstellen();
        KatalogFuellen(katalog);
        WeltvarianteAnwenden(katalog, 3);
        CraftingZustandAnlegen(katalog, crafting);
        seite = std::make_unique<TBausatzrechnerSeite>(sitzung, teil);
        seite->Aufbauen();
        seite->show();
        // 200 entries: kits over the whole table, then buildings; row 2 stays out for the case.
        TBauliste liste;
        for (int i = 0; i < 150; ++i)
            ZurBaulisteHinzufuegen(katalog, liste, katalog.WarenTabelle[3 + i * 3].Name, 3);
        for (int i = 0; i < 50; ++i)
            ZurBaulisteHinzufuegen(katalog, liste, katalog.GebaeudeTabelle[1 + i * 2].Name, 1);
        teil.BaulisteSetzen(liste);
    }
};

TSeitenBank &Bank()
{
    static TSeitenBank b;
    return b;
}

// Adding one entry: the list, its tree view, the cost pages and the analysis.
void BM_BausatzrechnerEintragHinzufuegen(benchmark::State &state)
{
    TSeitenBank &b = Bank();
    const QString name = b.katalog.WarenTabelle[2].Name;
    const TItemRef ref = ItemSuchen(b.katalog, name);
    for (auto _ : state) {
        b.teil.Hinzufuegen(name, 1);
        state.PauseTiming();
        b.teil.EintragEntfernen(ArtWare, ref.Index);
        state.ResumeTiming();
    }
    state.counters["Eintraege"] = b.crafting.Bauliste.Anzahl() + 1;
}
BENCHMARK(BM_BausatzrechnerEintragHinzufuegen)->Unit(benchmark::kMillisecond);

// A typed price: BerechneAnalyse and AnalyseAnzeigen through the price field.
void BM_BausatzrechnerPreisTippen(benchmark::State &state)
{
    TSeitenBank &b = Bank();
    auto *gold = b.seite->findChild<QLineEdit *>(QStringLiteral("EditVerkaufspreisGold"));
    int i = 0;
    for (auto _ : state)
        gold->setText(QString::number(1000 + (++i % 500)));
    state.counters["Eintraege"] = b.crafting.Bauliste.Anzahl();
}
BENCHMARK(BM_BausatzrechnerPreisTippen)->Unit(benchmark::kMillisecond);

// Making the tab as start-up does, up to its first paint with the empty list.
void BM_BausatzrechnerSeiteAnlegen(benchmark::State &state)
{
    TSeitenBank &b = Bank();
    TCraftingZustand crafting;
    CraftingZustandAnlegen(b.katalog, crafting);
    TCraftingSitzung teil(crafting, b.katalog, b.optionen);
    for (auto _ : state) {
        auto seite = std::make_unique<TBausatzrechnerSeite>(b.sitzung, teil);
        seite->Aufbauen();
        benchmark::DoNotOptimize(seite->grab());
        state.PauseTiming();
        seite.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BausatzrechnerSeiteAnlegen)->Unit(benchmark::kMillisecond);

} // namespace
