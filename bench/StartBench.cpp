// Start-up of the program: the ten windows with the catalogue and the options, offscreen.
#include "app/Anwendung.h"
#include "BenchAnwendung.h"
#include "ui/Bilder.h"
#include "app/Hauptfenster.h"
#include "ui/JpegBild.h"
#include "catalogue/Meldung.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

using mvt::bench::AnwendungSicherstellen;

void Start(benchmark::State &state, bool mitOptionen)
{
    AnwendungSicherstellen();
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    mvt::MeldungsRekorder meldungen;
    if (mitOptionen) {
        // A file written by the program itself.
        mvt::TAnwendung a;
        mvt::OptionenDateiAnbinden(a);
        a.Beenden = [] {};
        a.FensterErzeugen();
        a.Form1->close();
    }
    for (auto _ : state) {
        mvt::TAnwendung a;
        mvt::OptionenDateiAnbinden(a);
        a.Beenden = [] {};
        a.FensterErzeugen();
        a.Form1->TimerUpdateCheck->stop();
        benchmark::DoNotOptimize(a.Form10.get());
    }
    QDir::setCurrent(vorher);
    if (!meldungen.Meldungen.isEmpty())
        state.SkipWithError("Meldung beim Start");
}

void BM_StartOhneOptionen(benchmark::State &state)
{
    Start(state, false);
}
void BM_StartMitOptionen(benchmark::State &state)
{
    Start(state, true);
}

void BM_HintergrundDekodieren(benchmark::State &state)
{
    AnwendungSicherstellen();
    mvt::Hintergrundbild(); // registers the resources
    QFile f(QStringLiteral(":/Hintergrund_jpg"));
    f.open(QIODevice::ReadOnly);
    const QByteArray daten = f.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(mvt::JpegDekodieren(daten));
}

} // namespace

BENCHMARK(BM_StartOhneOptionen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartMitOptionen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HintergrundDekodieren)->Unit(benchmark::kMicrosecond);
