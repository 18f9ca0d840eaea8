#include "BenchAnwendung.h"
#include "base/Meldung.h"
#include "base/Textdatei.h"
#include "crafting/Analyse.h"
#include "crafting/BaulistenDatei.h"
#include "crafting/Lagerverrechnung.h"
#include "crafting/ui/Detailanalyse.h"

#include <QTemporaryDir>

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

// TForm6 shown for mode 4 on a large list: the model rows and the six grids, offscreen.
void BM_DetailanalyseZeigen(benchmark::State &state)
{
    bench::AnwendungSicherstellen();
    TCraftingZustand c = ListeMit(static_cast<int>(state.range(0)));
    const TOptionen o;
    AllesNeuBerechnen(BenchKatalog(), o, c);
    QWidget haupt;
    TForm6 form(BenchKatalog(), o, c, &haupt);
    form.FormCreate();
    form.Tag = 4;
    for (auto _ : state) {
        form.show();
        form.hide();
    }
    state.counters["Zeilen"] = form.StringGrid1->rowCount();
}
BENCHMARK(BM_DetailanalyseZeigen)->Arg(200)->Unit(benchmark::kMillisecond);

// The model half alone, for comparison.
void BM_DetailanalyseBerechnen(benchmark::State &state)
{
    TCraftingZustand c = ListeMit(static_cast<int>(state.range(0)));
    const TOptionen o;
    AllesNeuBerechnen(BenchKatalog(), o, c);
    for (auto _ : state)
        benchmark::DoNotOptimize(DetailanalyseBerechnen(BenchKatalog(), o, c, 4));
}
BENCHMARK(BM_DetailanalyseBerechnen)->Arg(200)->Unit(benchmark::kMillisecond);

// Loading a file of 1000 entry lines (goods repeat, so some lines merge) into an empty list.
void BM_BaulisteLaden(benchmark::State &state)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("gross.mvt_bl"));
    TBauliste gross;
    const int n = static_cast<int>(state.range(0));
    const TKatalog &k = BenchKatalog();
    QStringList zeilen = BaulistenDateiZeilen(k, gross);
    for (int i = 0; i < n; ++i) {
        const QString name = i % 5 == 4 ? k.GebaeudeTabelle[1 + i % AnzahlGebaeude].Name
                                        : k.WarenTabelle[1 + (i * 7) % AnzahlWaren].Name;
        zeilen.append(name + QStringLiteral(" ") + QString::number(1 + i % 9));
    }
    if (!TextdateiSchreiben(pfad, zeilen))
        state.SkipWithError("Datei nicht geschrieben");
    MeldungsRekorder meldungen;
    for (auto _ : state) {
        TBauliste b;
        if (!BaulisteLaden(k, b, pfad, TLadeArt::Ersetzen))
            state.SkipWithError("Datei nicht geladen");
        benchmark::DoNotOptimize(b.Anzahl());
    }
    if (!meldungen.Meldungen.isEmpty())
        state.SkipWithError(meldungen.Meldungen.first().toUtf8().constData());
}
BENCHMARK(BM_BaulisteLaden)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// A stock of 500 goods: every raw material and intermediate good, then kits across the
// table; counts that cover part of what a large list needs of them.
TLager LagerMit500Guetern()
{
    TLager l;
    for (int i = 1; i <= AnzahlRohstoffe; ++i)
        l.Setzen(ArtRohstoff, i, 40.0);
    for (int i = 1; i <= AnzahlZutatGueter; ++i)
        l.Setzen(ArtZutat, i, 25.0);
    const int waren = 500 - AnzahlRohstoffe - AnzahlZutatGueter;
    for (int i = 0; i < waren; ++i)
        l.Setzen(ArtWare, 1 + i * AnzahlWaren / waren, 2.0);
    return l;
}

// Netting a 200-entry list in mode 4 with a 500-good stock: the netted list with its
// requirement lists and analysis (goal: under 16 ms).
void BM_LagerVerrechnenModus4(benchmark::State &state)
{
    TCraftingZustand c = ListeMit(200);
    const TOptionen o;
    AllesNeuBerechnen(BenchKatalog(), o, c);
    const TLager lager = LagerMit500Guetern();
    for (auto _ : state) {
        const TNettomodus m = NettomodusBerechnen(BenchKatalog(), o, c, lager, 4);
        benchmark::DoNotOptimize(m.Zustand.Analyse[4].Gewinn);
    }
    state.counters["Eintraege"] = c.Bauliste.Anzahl();
    state.counters["Lager"] = static_cast<double>(lager.Eintraege.size());
}
BENCHMARK(BM_LagerVerrechnenModus4)->Unit(benchmark::kMillisecond);

// What a price edit costs with the stock counting: the gross analysis and all four modes netted.
void BM_BerechneAnalyseMitLager(benchmark::State &state)
{
    TCraftingZustand c = ListeMit(200);
    const TOptionen o;
    c.Lager = LagerMit500Guetern();
    c.LagerBeruecksichtigen = true;
    AllesNeuBerechnen(BenchKatalog(), o, c);
    for (auto _ : state) {
        BerechneAnalyse(BenchKatalog(), o, c);
        benchmark::DoNotOptimize(c.Analyse[4].Gewinn);
    }
}
BENCHMARK(BM_BerechneAnalyseMitLager)->Unit(benchmark::kMillisecond);

} // namespace
