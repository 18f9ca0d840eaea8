#include "routes/RoutenSitzung.h"

#include "base/Nebenher.h"
#include "base/Optionen.h"
#include "routes/Stadtliste.h"

#include <utility>

namespace mvt::routen {

TZonenabstaende ZonenAus(const TOptionen &o)
{
    return {o.SZone, o.BZone, o.SZoneHS, o.BZoneHS};
}

TRoutenSitzung::TRoutenSitzung(TZustand zustand, QObject *eltern)
    : QObject(eltern), m_routen(zustand.Routen), m_welten(zustand.Welten), m_letzteKarte(zustand.LetzteKarte),
      m_stand(zustand.StadtlistenStand), m_listen(zustand.Routen)
{
}

// A worker still reading the grids is waited for by the future's destructor.
TRoutenSitzung::~TRoutenSitzung() = default;

void TRoutenSitzung::RouteSpeichern(int welt, TGespeicherteRoute route)
{
    if (welt < 1 || welt > AnzahlWelten)
        return;
    TRoutenliste &liste = m_listen.Welt(welt);
    liste.Einfuegen(std::move(route));
    emit routenGeaendert(welt, liste.Elemente());
}

bool TRoutenSitzung::RouteLoeschen(int welt, int zeile)
{
    if (welt < 1 || welt > AnzahlWelten)
        return false;
    TRoutenliste &liste = m_listen.Welt(welt);
    if (zeile > liste.Anzahl() || !GespeicherteRouteLoeschen(liste, zeile))
        return false;
    emit routenGeaendert(welt, liste.Elemente());
    return true;
}

void TRoutenSitzung::WeltSetzen(int welt)
{
    if (welt < 1 || welt > AnzahlWelten || welt == m_welten.AktuelleWelt)
        return;
    WeltWechseln(m_welten, welt);
    m_letzteKarte = welt;
    emit weltGeaendert(welt);
}

void TRoutenSitzung::KartenNebenherLesen()
{
    m_karten = NebenherAusfuehren(TDringlichkeit::Spaeter, [] {
        auto welten = std::make_unique<TWeltdaten>(TWeltgitter::TUngelesen{});
        KartendatenLaden(*welten);
        return welten;
    });
}

void TRoutenSitzung::KartenAbwarten()
{
    if (!m_karten.valid())
        return;
    // The grids only: the current world stays what it is.
    const std::unique_ptr<TWeltdaten> gelesen = m_karten.get();
    for (size_t i = 0; i < m_welten.Welten.size(); ++i)
        m_welten.Welten[i] = std::move(gelesen->Welten[i]);
}

void TRoutenSitzung::StadtdatenInstallieren(TStadtdaten &&daten)
{
    KartenAbwarten();
    routen::StadtdatenInstallieren(m_welten, std::move(daten));
    emit weltkartenGeaendert(m_welten);
}

void TRoutenSitzung::StadtlistenStandSetzen(const QString &stand)
{
    if (stand == m_stand)
        return;
    m_stand = stand;
    emit stadtlistenStandGeaendert(m_stand);
}

void TRoutenSitzung::ZonenSetzen(const TZonenabstaende &zonen)
{
    m_zonen = zonen;
    emit zonenGeaendert(m_zonen);
}

} // namespace mvt::routen
