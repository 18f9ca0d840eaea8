// Start-up as the player sees it: from nothing to the main window exposed on the screen,
// against an empty QWidget window in the same run. Meaningful under a real window system
// (xvfb-run -a env QT_QPA_PLATFORM=xcb); offscreen every window is exposed at once.
// The process cases are the measure: a new process runs morvaren-tool's start routine
// (morvaren-startprobe) or shows an empty window (leeres-fenster-probe) until its window is
// exposed; their ratio is what the player notices. The in-process cases show where the time
// of the windows goes.
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

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

struct TProbenlauf {
    double Sekunden = 0;    // spawn until the "sichtbar" line
    long SpitzeKB = -1;     // the probe's peak resident memory when its window was exposed
    double ProzessorMs = 0; // processor time the probe had used by then: steadier on a busy machine
    std::string Fehler;
};

// Spawns the probe beside this executable in ordner and waits for its line, at most fifteen
// seconds; the probe's end is waited for outside the time.
TProbenlauf ProbeStarten(const char *probe, const std::string &ordner)
{
    TProbenlauf lauf;
    std::error_code f;
    // MVT_BENCH_STARTPROBE names another build of the start probe, to compare with an older version.
    const bool anderer =
        std::string(probe) == "morvaren-startprobe" && qEnvironmentVariableIsSet("MVT_BENCH_STARTPROBE");
    const std::string pfad =
        anderer ? qEnvironmentVariable("MVT_BENCH_STARTPROBE").toStdString()
                : (std::filesystem::read_symlink("/proc/self/exe", f).parent_path() / probe).string();
    int rohr[2];
    if (::pipe2(rohr, O_CLOEXEC) != 0) {
        lauf.Fehler = "pipe";
        return lauf;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::dup2(rohr[1], 1);
        const int leer = ::open("/dev/null", O_WRONLY);
        ::dup2(leer, 2);
        if (::chdir(ordner.c_str()) != 0)
            ::_exit(126);
        ::execl(pfad.c_str(), pfad.c_str(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(rohr[1]);
    std::string zeile;
    while (kind > 0 && zeile.find('\n') == std::string::npos) {
        pollfd p{rohr[0], POLLIN, 0};
        if (::poll(&p, 1, 15000) <= 0)
            break;
        char puffer[128];
        const ssize_t n = ::read(rohr[0], puffer, sizeof puffer);
        if (n <= 0)
            break;
        zeile.append(puffer, size_t(n));
    }
    lauf.Sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::close(rohr[0]);
    if (kind <= 0) {
        lauf.Fehler = "fork";
        return lauf;
    }
    int status = 0;
    if (zeile.rfind("sichtbar ", 0) != 0)
        ::kill(kind, SIGKILL);
    ::waitpid(kind, &status, 0);
    if (zeile.rfind("sichtbar ", 0) != 0) {
        lauf.Fehler = std::string(probe) + " meldete kein sichtbares Fenster";
        return lauf;
    }
    char *rest = nullptr;
    lauf.SpitzeKB = std::strtol(zeile.c_str() + 9, &rest, 10);
    lauf.ProzessorMs = double(std::strtol(rest, nullptr, 10)) / 1000.0;
    return lauf;
}

void ProzessBisSichtbar(benchmark::State &state, const char *probe)
{
    QTemporaryDir ordner;
    const std::string pfad = ordner.path().toStdString();
    long spitze = 0;
    double prozessor = 0;
    for (auto _ : state) {
        const TProbenlauf lauf = ProbeStarten(probe, pfad);
        if (!lauf.Fehler.empty()) {
            state.SkipWithError(lauf.Fehler.c_str());
            return;
        }
        state.SetIterationTime(lauf.Sekunden);
        spitze = std::max(spitze, lauf.SpitzeKB);
        prozessor += lauf.ProzessorMs;
    }
    state.counters["SpitzeMB"] = double(spitze) / 1024.0;
    state.counters["ProzessorMs"] =
        prozessor / double(std::max<benchmark::IterationCount>(state.iterations(), 1));
}

// The middle value of a run's figures; for an even count the mean of the two middle ones.
double Median(std::vector<double> werte)
{
    if (werte.empty())
        return 0;
    std::sort(werte.begin(), werte.end());
    const size_t m = werte.size() / 2;
    return werte.size() % 2 ? werte[m] : (werte[m - 1] + werte[m]) / 2;
}

// Both probes in turns, one right after the other and in alternating order, so that a busy
// machine slows both alike: Verhaeltnis is the median of the pairs' ratios (program / empty
// window), the figure of the start-up goal; the iteration time is the program's.
void BM_StartGegenLeeresFenster(benchmark::State &state)
{
    QTemporaryDir ordner;
    const std::string pfad = ordner.path().toStdString();
    std::vector<double> leer, programm, verhaeltnis;
    bool programmZuerst = false;
    for (auto _ : state) {
        TProbenlauf l, p;
        if (programmZuerst) {
            p = ProbeStarten("morvaren-startprobe", pfad);
            l = ProbeStarten("leeres-fenster-probe", pfad);
        } else {
            l = ProbeStarten("leeres-fenster-probe", pfad);
            p = ProbeStarten("morvaren-startprobe", pfad);
        }
        programmZuerst = !programmZuerst;
        for (const TProbenlauf *lauf : {&l, &p})
            if (!lauf->Fehler.empty()) {
                state.SkipWithError(lauf->Fehler.c_str());
                return;
            }
        state.SetIterationTime(p.Sekunden);
        leer.push_back(l.Sekunden * 1000);
        programm.push_back(p.Sekunden * 1000);
        verhaeltnis.push_back(p.Sekunden / l.Sekunden);
    }
    state.counters["LeerMs"] = Median(leer);
    state.counters["ProgrammMs"] = Median(programm);
    state.counters["Verhaeltnis"] = Median(verhaeltnis);
}

void BM_LeererProzessBisSichtbar(benchmark::State &state)
{
    ProzessBisSichtbar(state, "leeres-fenster-probe");
}

void BM_ProgrammstartBisSichtbar(benchmark::State &state)
{
    ProzessBisSichtbar(state, "morvaren-startprobe");
}

} // namespace

BENCHMARK(BM_LeererProzessBisSichtbar)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgrammstartBisSichtbar)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartGegenLeeresFenster)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeeresFensterBisSichtbar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartBisSichtbar)->Unit(benchmark::kMillisecond);
