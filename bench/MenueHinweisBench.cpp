// Hovering the planner's equipment menus: 50 entries in a row with the keyboard, each
// selection computing the entry's what-if hint (or finding it cached). Reports the longest
// and the mean time from the key press until the menu has handled it.
#include "catalogue/Katalog.h"
#include "planner/Charakterdatei.h"
#include "planner/WasWaereWenn.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "ui/Sitzung.h"
#include "base/Optionen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QSpinBox>

#include <benchmark/benchmark.h>

#include "BenchAnwendung.h"

#include <algorithm>
#include <memory>
#include <vector>

using namespace mvt;
using namespace mvt::planer;

namespace {

void BM_MenueHinweis50Eintraege(benchmark::State &state)
{
    const bool zwischengespeichert = state.range(0) == 1;
    bench::AnwendungSicherstellen();
    TKatalog katalog;
    KatalogFuellen(katalog);
    TOptionen optionen;
    StandardOptionenSetzen(optionen);
    TSitzung sitzung(optionen);
    QWidget haupt;
    TPlaner planer;
    TPlanerSitzung teil(planer, katalog);
    auto seite = std::make_unique<TCharakterPlanerSeite>(sitzung, teil, &haupt);
    seite->OptionenUebernehmen();
    seite->MenuesAnlegen();
    teil.LevelSetzen(200);
    const char *const teile[][2] = {{"Helm", "Mithril-Plattenhelm"}, {"Panzer", "Drachenleder-Harnisch"},
                                    {"Hauptwaffe", "Langschwert"},   {"Nebenwaffe", "Lederschild"},
                                    {"Fernkampf", "Feuer-Stecken"},  {"Zauber", "Feuerball"}};
    for (const auto &t : teile) {
        TSlotwahl w;
        w.Name = QString::fromUtf8(t[1]);
        teil.SlotwahlSetzen(static_cast<TSlot>(SlotAusName(QString::fromUtf8(t[0]))), w);
    }
    seite->CharakterNeuBerechnen();
    haupt.show();
    QSpinBox *staerke = seite->AttributEingabe(AttrStaerke);

    // Weapons first, then helmets: 50 entries in three submenus.
    QList<QMenu *> menues;
    for (const char *name : {"PopupMenuHauptwaffe_Schwerter [1H]", "PopupMenuHauptwaffe_Äxte [1H]",
                             "PopupMenuHelme_Metall", "PopupMenuHelme_Leder"})
        if (auto *m = seite->findChild<QMenu *>(QString::fromUtf8(name)))
            menues.append(m);

    std::vector<double> zeiten;
    double laengste = 0.0, summe = 0.0;
    int64_t anzahl = 0;
    int wert = 0;
    for (auto _ : state) {
        if (!zwischengespeichert) {
            // A changed character makes every hint stale.
            state.PauseTiming();
            wert = (wert + 7) % 200;
            staerke->setValue(wert);
            state.ResumeTiming();
        }
        int gewaehlt = 0;
        for (QMenu *m : menues) {
            m->popup(QPoint(100, 100));
            // Showing the menu is not part of a hover.
            QApplication::processEvents();
            for (int i = 0; i < m->actions().size() && gewaehlt < 50; ++i, ++gewaehlt) {
                QElapsedTimer uhr;
                uhr.start();
                QKeyEvent runter(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                QApplication::sendEvent(m, &runter);
                QApplication::processEvents();
                const double ms = static_cast<double>(uhr.nsecsElapsed()) / 1e6;
                laengste = std::max(laengste, ms);
                summe += ms;
                zeiten.push_back(ms);
                ++anzahl;
            }
            m->hide();
            if (gewaehlt >= 50)
                break;
        }
    }
    state.counters["LaengsteAntwortMs"] = laengste;
    state.counters["MittlereAntwortMs"] = anzahl ? summe / static_cast<double>(anzahl) : 0.0;
    // The longest answers on a shared machine are the scheduler's; the 99th percentile is
    // the menu's.
    if (!zeiten.empty()) {
        std::sort(zeiten.begin(), zeiten.end());
        state.counters["P99AntwortMs"] = zeiten[zeiten.size() * 99 / 100];
    }
}
// 0: every hint computed anew; 1: the hints of the last pass are still valid.
BENCHMARK(BM_MenueHinweis50Eintraege)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

// The model's part of one hover: the choice made on a copy and the differences.
void BM_WasWaereWennEinEintrag(benchmark::State &state)
{
    TKatalog katalog;
    KatalogFuellen(katalog);
    TPlaner p;
    PlanerStarten(p);
    SetzeLevel(p.Charakter, 200, p.Optionen.Welt);
    for (const auto &[s, name] : {std::pair{SlotHelm, "Mithril-Plattenhelm"},
                                  {SlotHauptwaffe, "Langschwert"},
                                  {SlotNebenwaffe, "Lederschild"},
                                  {SlotFernkampf, "Feuer-Stecken"}})
        WaehleAusruestung(p, katalog, s, QString::fromUtf8(name));
    WaehleZauber(p, katalog, QStringLiteral("Feuerball"));
    const TKennwerte jetzt = Kennwerte(p);
    const QString eintrag = QStringLiteral("Breitschwert");
    for (auto _ : state) {
        const std::optional<TKennwerte> w = WasWaereWenn(p, katalog, SlotHauptwaffe, eintrag);
        benchmark::DoNotOptimize(UnterschiedsZeilen(jetzt, *w).size());
    }
}
BENCHMARK(BM_WasWaereWennEinEintrag)->Unit(benchmark::kMicrosecond);

} // namespace
