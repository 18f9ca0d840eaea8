// Start-up as the player sees it: from nothing to the main window exposed on the screen,
// against an empty QWidget window in the same run. Meaningful under a real window system
// (QT_QPA_PLATFORM=xcb under xvfb-run); offscreen every window is exposed at once.
#include "BenchAnwendung.h"
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

#include <sys/resource.h>

namespace {

using mvt::bench::AnwendungSicherstellen;

// Runs the event loop until the window is exposed; false after ten seconds.
bool WartenBisSichtbar(QWidget &w)
{
    QElapsedTimer uhr;
    uhr.start();
    while (!(w.windowHandle() && w.windowHandle()->isExposed())) {
        if (uhr.elapsed() > 10000)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void SpitzeMelden(benchmark::State &state)
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    state.counters["SpitzeMB"] = double(r.ru_maxrss) / 1024.0;
}

void BM_LeeresFensterBisSichtbar(benchmark::State &state)
{
    AnwendungSicherstellen();
    for (auto _ : state) {
        auto w = std::make_unique<QWidget>();
        w->resize(792, 596);
        w->show();
        const bool sichtbar = WartenBisSichtbar(*w);
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
        if (!sichtbar) {
            state.SkipWithError("Fenster nicht sichtbar");
            break;
        }
    }
    SpitzeMelden(state);
}

// The options file is the program's own; closing the windows does not end a message loop.
struct TOhneEnde : mvt::TDienste {
    void Beenden() override {}
};

void BM_StartBisSichtbar(benchmark::State &state)
{
    AnwendungSicherstellen();
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    for (auto _ : state) {
        auto a = std::make_unique<mvt::TAnwendung>();
        a->Sitzung.DiensteSetzen(std::make_unique<TOhneEnde>());
        a->FensterErzeugen();
        a->Form1->TimerUpdateCheck->stop();
        a->Form1->show();
        const bool sichtbar = WartenBisSichtbar(*a->Form1);
        // Tearing the windows down is not part of the start.
        state.PauseTiming();
        a->Form1->hide();
        a.reset();
        state.ResumeTiming();
        if (!sichtbar) {
            state.SkipWithError("Hauptfenster nicht sichtbar");
            break;
        }
    }
    QDir::setCurrent(vorher);
    SpitzeMelden(state);
}

} // namespace

BENCHMARK(BM_LeeresFensterBisSichtbar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartBisSichtbar)->Unit(benchmark::kMillisecond);
