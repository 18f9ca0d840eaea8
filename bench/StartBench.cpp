// Start-up of the program: the ten windows with the catalogue and the options, offscreen.
#include "app/Anwendung.h"
#include "BenchAnwendung.h"
#include "ui/Bilder.h"
#include "app/Hauptfenster.h"
#include "ui/JpegBild.h"
#include "base/Meldung.h"
#include "settings/ui/Einstellungsfenster.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using mvt::bench::AnwendungSicherstellen;

// The options file is the program's own; closing the windows does not end a message loop.
struct TOhneEnde : mvt::TDienste {
    void Beenden() override {}
};

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
        a.Sitzung.DiensteSetzen(std::make_unique<TOhneEnde>());
        a.FensterErzeugen();
        a.Form1->close();
    }
    for (auto _ : state) {
        mvt::TAnwendung a;
        a.Sitzung.DiensteSetzen(std::make_unique<TOhneEnde>());
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

// The settings window: its first showing in a fresh program (on the price page of the
// crafting calculator, so that rows are created), a later showing, every price page
// created, and Okay with the options file written.
struct TEinstellungsBank {
    QTemporaryDir Ordner;
    QString Vorher = QDir::currentPath();
    mvt::MeldungsRekorder Meldungen;
    std::unique_ptr<mvt::TAnwendung> A;
    TEinstellungsBank()
    {
        AnwendungSicherstellen();
        QDir::setCurrent(Ordner.path());
        Neu();
    }
    ~TEinstellungsBank() { QDir::setCurrent(Vorher); }
    void Neu()
    {
        A.reset();
        A = std::make_unique<mvt::TAnwendung>();
        A->Sitzung.DiensteSetzen(std::make_unique<TOhneEnde>());
        A->FensterErzeugen();
        A->Form1->TimerUpdateCheck->stop();
        // The pages, built before the first showing, and the page choice; the rows of the
        // price page are left to the showing.
        A->Form7->SeitenAnlegen();
        const QSignalBlocker sperre(A->Form7->PageControl2);
        A->Form7->PageControl1->setCurrentIndex(1);
        A->Form7->PageControl2->setCurrentIndex(1);
    }
};

void BM_EinstellungenErstesZeigen(benchmark::State &state)
{
    TEinstellungsBank b;
    for (auto _ : state) {
        state.PauseTiming();
        b.Neu();
        state.ResumeTiming();
        b.A->Form1->Einstellungen1Click();
        b.A->Form7->close();
    }
    if (b.A->Form7->AufgebauteZeilen() == 0)
        state.SkipWithError("keine Preiszeilen beim ersten Zeigen");
}

void BM_EinstellungenSpaeteresZeigen(benchmark::State &state)
{
    TEinstellungsBank b;
    b.A->Form1->Einstellungen1Click();
    b.A->Form7->close();
    for (auto _ : state) {
        b.A->Form1->Einstellungen1Click();
        b.A->Form7->close();
    }
}

void BM_EinstellungenAlleZeilen(benchmark::State &state)
{
    TEinstellungsBank b;
    for (auto _ : state) {
        state.PauseTiming();
        b.Neu();
        state.ResumeTiming();
        for (int s = 0; s < b.A->Form7->PageControlPreise->count(); ++s)
            b.A->Form7->PreisseiteAufbauen(s);
    }
}

void BM_EinstellungenOkay(benchmark::State &state)
{
    TEinstellungsBank b;
    for (int s = 0; s < b.A->Form7->PageControlPreise->count(); ++s)
        b.A->Form7->PreisseiteAufbauen(s);
    for (auto _ : state) {
        state.PauseTiming();
        b.A->Form1->Einstellungen1Click();
        state.ResumeTiming();
        b.A->Form7->ButtonOkayClick();
    }
}

} // namespace

BENCHMARK(BM_EinstellungenErstesZeigen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EinstellungenSpaeteresZeigen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EinstellungenAlleZeilen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EinstellungenOkay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartOhneOptionen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartMitOptionen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HintergrundDekodieren)->Unit(benchmark::kMicrosecond);
