#include "app/Anwendung.h"

#include "app/Hauptfenster.h"
#include "base/Meldung.h"
#include "online/Hintergrundabruf.h"
#include "online/ui/Versionsfenster.h"
#include "routes/ui/Kartenfenster.h"

#include <QDir>
#include <QPointer>

namespace mvt {

using namespace online;

void OnlineDiensteAnbinden(TAnwendung &a, const QString &basis, const THttpGrenzen &grenzen)
{
    const QString ordner = QDir::currentPath();
    DownloadDateienEntfernen(ordner);
    a.Programmende = [ordner] { DownloadDateienEntfernen(ordner); };

    a.VersionspruefungStarten = [&a, basis, grenzen, ordner] {
        TForm4 *f = a.Form4.get();
        if (!f)
            return;
        QPointer<TForm4> fenster(f);
        TUpdateThread::TSchritte schritte;
        schritte.CheckBoxSetzen = [fenster] { fenster->CheckBoxSetzen(); };
        schritte.SucheAnzeigen = [fenster] { fenster->SucheAnzeigen(); };
        schritte.Ergebnis = [fenster](const TVersionsauskunft &e) { fenster->ErgebnisZeigen(e); };
        (new TUpdateThread(f, {basis, ordner, grenzen}, std::move(schritte)))->start();
    };

    a.StadtUpdateStarten = [&a, basis, grenzen, ordner] {
        TForm1 *h = a.Form1.get();
        if (!h)
            return;
        TProgrammzustand &z = a.Zustand;
        std::array<routen::TGitter, routen::AnzahlWelten> grund;
        for (size_t i = 0; i < grund.size(); ++i)
            grund[i] = z.Weltkarten.Welten[i].Grundgelaende;
        TStadtUpdateThread::TSchritte schritte;
        // Queued calls run between the window thread's own operations, so a world is never
        // seen half-built; the route search works on its own copy of the grids.
        schritte.WeltInstallieren = [&a](TStadtdaten &d) {
            StadtdatenInstallieren(a.Zustand.Weltkarten, std::move(d));
            if (a.KarteNeuZeichnen)
                a.KarteNeuZeichnen();
        };
        schritte.Meldung = [](const QString &text) { MeldungZeigen(text); };
        schritte.StandSetzen = [&a](const QString &stand) {
            a.Zustand.StadtlistenStand = stand;
            if (a.Form8)
                a.Form8->BeschriftungSetzen();
            if (a.KarteNeuZeichnen)
                a.KarteNeuZeichnen();
        };
        (new TStadtUpdateThread(h, {basis, ordner, grenzen}, z.StadtlistenStand, std::move(grund),
                                std::move(schritte)))
            ->start();
    };
}

} // namespace mvt
