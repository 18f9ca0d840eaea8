// The map window: one full repaint at the smallest zoom (all 40,000 fields of Dunladan,
// both zones, a long route) and at the normal one (a 1,000 x 800 view), one zoom step
// with its repaint, and the making of the tiles of one look. Offscreen.
#include "BenchAnwendung.h"

#include "routes/Auftraege.h"
#include "routes/Routensuche.h"
#include "routes/RoutenSitzung.h"
#include "routes/Stadtliste.h"
#include "routes/ui/Kartenfenster.h"
#include "ui/Sitzung.h"

#include <QCheckBox>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

using namespace mvt;
using namespace mvt::routen;

namespace {

struct TKarte {
    std::unique_ptr<TWeltdaten> welten = std::make_unique<TWeltdaten>();
    TOptionen optionen;
    TSitzung sitzung{optionen};
    TGespeicherteRouten routen;
    int32_t letzteKarte = 1;
    QString stand = EingebauterStadtlistenStand;
    TRoutenSitzung teil{{routen, *welten, letzteKarte, stand}};
    std::unique_ptr<TForm8> fenster;

    TKarte(int zellgroesse, QSize sicht)
    {
        bench::AnwendungSicherstellen();
        KartendatenLaden(*welten);
        fenster = std::make_unique<TForm8>(sitzung, teil, nullptr);
        fenster->FormCreate();
        fenster->CheckBoxSicherheitszone->setChecked(true);
        fenster->CheckBoxBauverbotszone->setChecked(true);
        Wegpunktliste route = RouteSuchen(*welten, {1, 1}, {200, 200}, true);
        WegpunkteZusammenfassen(welten->Reisekosten(), route);
        fenster->RouteZeigen(route, false);
        TKartenflaeche *g = fenster->StringGridKarte;
        g->ZellgroesseSetzen(zellgroesse);
        g->viewport()->resize(sicht);
        g->ErsteSpalteSetzen(1);
        g->ErsteZeileSetzen(1);
    }
};

void BM_KarteNeuZeichnen(benchmark::State &state)
{
    const int z = int(state.range(0));
    const QSize sicht = z == ZoomstufeMin ? QSize(201 * z, 201 * z) : QSize(1000, 800);
    TKarte k(z, sicht);
    QImage bild(sicht, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&bild);
        k.fenster->StringGridKarte->Malen(p, bild.rect());
    }
    state.counters["Felder"] = double(k.fenster->StringGridKarte->SichtbareSpalten() *
                                      k.fenster->StringGridKarte->SichtbareZeilen());
}
BENCHMARK(BM_KarteNeuZeichnen)->Arg(4)->Arg(30)->Unit(benchmark::kMillisecond);

void BM_KarteZoomschritt(benchmark::State &state)
{
    TKarte k(30, QSize(1000, 800));
    QImage bild(QSize(1000, 800), QImage::Format_ARGB32_Premultiplied);
    bool rein = true;
    for (auto _ : state) {
        // one step and the repaint after it, which stretches the tiles to the new size
        if (rein)
            k.fenster->SpeedButtonZoomPlusClick();
        else
            k.fenster->SpeedButtonZoomMinusClick();
        rein = !rein;
        QPainter p(&bild);
        k.fenster->StringGridKarte->Malen(p, bild.rect());
    }
}
BENCHMARK(BM_KarteZoomschritt)->Unit(benchmark::kMillisecond);

void BM_KachelnErzeugen(benchmark::State &state)
{
    bench::AnwendungSicherstellen();
    TKacheln kacheln;
    bool winter = false;
    for (auto _ : state) {
        kacheln.KachelnErzeugen(winter);
        winter = !winter;
        benchmark::DoNotOptimize(kacheln.Stadt[0].constBits());
    }
}
BENCHMARK(BM_KachelnErzeugen)->Unit(benchmark::kMillisecond);

} // namespace
