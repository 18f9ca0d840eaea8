// The planner tab on real widgets, offscreen: one attribute change through the tab
// (SetzeAttribut, BerechneEffektiveWerte, ZeigeCharakter, ZeigeBewertung and the display),
// and the optimiser at level 999 started through the window and applied by its end handler.
#include "catalogue/Katalog.h"
#include "planner/Charakterdatei.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "ui/Sitzung.h"
#include "base/Optionen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

#include <benchmark/benchmark.h>

#include "BenchAnwendung.h"

#include <memory>

using namespace mvt;
using namespace mvt::planer;

namespace {

struct TPlanerseiteStand {
    TKatalog Katalog;
    TOptionen Optionen;
    TSitzung Sitzung{Optionen};
    QWidget Haupt;
    TPlaner Planer;
    std::unique_ptr<TPlanerSitzung> Teil;
    std::unique_ptr<TCharakterPlanerSeite> Seite;
    std::unique_ptr<TForm10> Fenster;
    TPlanerseiteStand()
    {
        KatalogFuellen(Katalog);
        StandardOptionenSetzen(Optionen);
        Teil = std::make_unique<TPlanerSitzung>(Planer, Katalog);
        Seite = std::make_unique<TCharakterPlanerSeite>(Sitzung, *Teil, &Haupt);
        Fenster = std::make_unique<TForm10>(*Teil, &Haupt);
        Seite->OptimiererfensterVerbinden(Fenster.get());
        Seite->OptionenUebernehmen();
        Teil->LevelSetzen(999);
        const char *const teile[][2] = {{"Helm", "Mithril-Plattenhelm"},
                                        {"Panzer", "Drachenleder-Harnisch"},
                                        {"Hose", "Drachenleder-Hose"},
                                        {"Stiefel", "Hartleder-Stiefel"},
                                        {"Handschuhe", "Leder-Handschuhe"},
                                        {"Hauptwaffe", "Langschwert"},
                                        {"Nebenwaffe", "Dolch"},
                                        {"Fernkampf", "Feuer-Stecken"},
                                        {"Zauber", "Feuerball"}};
        for (const auto &t : teile) {
            TSlotwahl w;
            w.Name = QString::fromUtf8(t[1]);
            Teil->SlotwahlSetzen(static_cast<TSlot>(SlotAusName(QString::fromUtf8(t[0]))), w);
        }
        Seite->CharakterNeuBerechnen();
        Haupt.show();
    }
};

void BM_PlanerseiteAttributAenderung(benchmark::State &state)
{
    bench::AnwendungSicherstellen();
    TPlanerseiteStand s;
    QSpinBox *staerke = s.Seite->AttributEingabe(AttrStaerke);
    int wert = 0;
    for (auto _ : state) {
        wert = (wert + 7) % 400;
        staerke->setValue(wert); // the change handler computes and shows
        benchmark::DoNotOptimize(s.Seite->Planer().Anzeige.Nahkampf.Waffen.size());
    }
}
BENCHMARK(BM_PlanerseiteAttributAenderung)->Unit(benchmark::kMillisecond);

// What the tab costs the start: the page built and given the options, as the main window
// does before its first show (the tab itself not shown).
void BM_PlanerseiteAufbau(benchmark::State &state)
{
    bench::AnwendungSicherstellen();
    TKatalog katalog;
    KatalogFuellen(katalog);
    TOptionen optionen;
    StandardOptionenSetzen(optionen);
    TSitzung sitzung(optionen);
    QWidget haupt;
    TPlaner planer;
    TPlanerSitzung teil(planer, katalog);
    for (auto _ : state) {
        auto seite = std::make_unique<TCharakterPlanerSeite>(sitzung, teil, &haupt);
        seite->OptionenUebernehmen();
        benchmark::DoNotOptimize(seite.get());
        state.PauseTiming();
        seite.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlanerseiteAufbau)->Unit(benchmark::kMillisecond);

// Start through the window's button, wait for the end handler while the window's thread
// keeps answering; reports the longest gap between two events on the window's thread.
void BM_PlanerseiteOptimiererLevel999(benchmark::State &state)
{
    bench::AnwendungSicherstellen();
    TPlanerseiteStand s;
    auto *knopf = s.Fenster->findChild<QPushButton *>(QStringLiteral("ButtonAttributeOptimieren"));
    s.Fenster->findChild<QScrollBar *>(QStringLiteral("ScrollBarPrioritaet"))->setValue(50);
    qint64 laengstePause = 0;
    for (auto _ : state) {
        knopf->click();
        QElapsedTimer uhr;
        uhr.start();
        qint64 letzte = 0;
        while (s.Teil->Optimierer().OptimierungLaeuft) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            laengstePause = std::max(laengstePause, uhr.elapsed() - letzte);
            letzte = uhr.elapsed();
        }
    }
    state.counters["LaengstePauseMs"] = static_cast<double>(laengstePause);
}
BENCHMARK(BM_PlanerseiteOptimiererLevel999)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
