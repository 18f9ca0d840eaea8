#include "app/Anwendung.h"

#include "app/Hauptfenster.h"
#include "base/Meldung.h"
#include "online/Hintergrundabruf.h"
#include "online/ui/Versionsfenster.h"
#include "routes/Stadtliste.h"

#include <QDir>
#include <QPointer>

namespace mvt {

using namespace online;

namespace {

// The version check and the town list update against the web site; everything else goes
// to the services that were in place before.
class TOnlineDienste final : public TDienste {
public:
    TOnlineDienste(TAnwendung &a, std::unique_ptr<TDienste> bisher, const QString &basis,
                   const THttpGrenzen &grenzen, const QString &ordner)
        : m_a(a), m_bisher(std::move(bisher)), m_basis(basis), m_grenzen(grenzen), m_ordner(ordner)
    {
    }

    void OptionenLaden(TProgrammzustand &z) override { m_bisher->OptionenLaden(z); }
    void OptionenSpeichern(const TProgrammzustand &z) override { m_bisher->OptionenSpeichern(z); }
    void LagerLaden(TProgrammzustand &z) override { m_bisher->LagerLaden(z); }
    void LagerSpeichern(const TProgrammzustand &z) override { m_bisher->LagerSpeichern(z); }
    void Beenden() override { m_bisher->Beenden(); }
    void Programmende() override
    {
        m_bisher->Programmende();
        DownloadDateienEntfernen(m_ordner);
    }

    void VersionspruefungStarten() override
    {
        TForm4 *f = m_a.Form4.get();
        if (!f)
            return;
        QPointer<TForm4> fenster(f);
        TUpdateThread::TSchritte schritte;
        schritte.CheckBoxSetzen = [fenster] { fenster->CheckBoxSetzen(); };
        schritte.SucheAnzeigen = [fenster] { fenster->SucheAnzeigen(); };
        schritte.Ergebnis = [fenster](const TVersionsauskunft &e) { fenster->ErgebnisZeigen(e); };
        (new TUpdateThread(f, {m_basis, m_ordner, m_grenzen}, std::move(schritte)))->start();
    }

    void StadtUpdateStarten() override
    {
        TForm1 *h = m_a.Form1.get();
        if (!h)
            return;
        routen::TRoutenSitzung &teil = m_a.Sitzung.Routen();
        teil.KartenAbwarten();
        std::array<routen::TGitter, routen::AnzahlWelten> grund;
        for (size_t i = 0; i < grund.size(); ++i)
            grund[i] = teil.Welten().Welten[i].Grundgelaende;
        TStadtUpdateThread::TSchritte schritte;
        // Queued calls run between the window thread's own operations, so a world is never
        // seen half-built; the route search works on its own copy of the grids.
        schritte.WeltInstallieren = [&teil](routen::TStadtdaten &d) {
            teil.StadtdatenInstallieren(std::move(d));
        };
        schritte.Meldung = [](const QString &text) { MeldungZeigen(text); };
        schritte.StandSetzen = [&teil](const QString &stand) { teil.StadtlistenStandSetzen(stand); };
        (new TStadtUpdateThread(h, {m_basis, m_ordner, m_grenzen}, teil.StadtlistenStand(), std::move(grund),
                                std::move(schritte)))
            ->start();
    }

private:
    TAnwendung &m_a;
    std::unique_ptr<TDienste> m_bisher;
    const QString m_basis;
    const THttpGrenzen m_grenzen;
    const QString m_ordner;
};

} // namespace

void OnlineDiensteAnbinden(TAnwendung &a, const QString &basis, const THttpGrenzen &grenzen)
{
    const QString ordner = QDir::currentPath();
    DownloadDateienEntfernen(ordner);
    a.Sitzung.DiensteSetzen(
        std::make_unique<TOnlineDienste>(a, a.Sitzung.DiensteAbgeben(), basis, grenzen, ordner));
}

} // namespace mvt
