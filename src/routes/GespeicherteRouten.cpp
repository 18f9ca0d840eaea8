#include "routes/GespeicherteRouten.h"

#include "base/Meldung.h"
#include "routes/Kartenmodell.h"

#include <algorithm>

namespace mvt::routen {

Wegpunktliste Wegpunkte(const std::vector<TRoutenPunkt> &punkte)
{
    std::vector<Wegpunkt> w;
    w.reserve(punkte.size());
    for (const TRoutenPunkt &p : punkte)
        w.push_back(Wegpunkt{p.X, p.Y});
    return Wegpunktliste(w);
}

std::vector<TRoutenPunkt> RoutenPunkte(const Wegpunktliste &route)
{
    std::vector<TRoutenPunkt> r;
    for (const Wegpunkt p : route.Punkte())
        r.push_back(TRoutenPunkt{p.x, p.y});
    return r;
}

TRoutenliste::TRoutenliste(std::vector<TGespeicherteRoute> &routen)
    : m_routen(&routen), m_cursor(static_cast<int>(routen.size()) - 1), m_bekannteAnzahl(routen.size())
{
}

int TRoutenliste::Cursor() const
{
    return m_routen->size() == m_bekannteAnzahl ? m_cursor : Anzahl() - 1;
}

void TRoutenliste::Abgleichen()
{
    m_cursor = Cursor();
    m_bekannteAnzahl = m_routen->size();
}

void TRoutenliste::Einfuegen(TGespeicherteRoute e)
{
    Abgleichen();
    m_routen->insert(m_routen->begin() + (m_cursor + 1), std::move(e));
    ++m_cursor;
    m_bekannteAnzahl = m_routen->size();
}

void TRoutenliste::Anhaengen(TGespeicherteRoute e)
{
    m_routen->push_back(std::move(e));
    m_cursor = Anzahl() - 1;
    m_bekannteAnzahl = m_routen->size();
}

void TRoutenliste::Entfernen()
{
    Abgleichen();
    if (m_cursor < 0 || m_cursor >= Anzahl())
        return;
    m_routen->erase(m_routen->begin() + m_cursor);
    if (m_cursor >= Anzahl())
        m_cursor = Anzahl() - 1;
    m_bekannteAnzahl = m_routen->size();
}

void TRoutenliste::CursorSetzen(int i)
{
    m_cursor = m_routen->empty() ? -1 : std::clamp(i, 0, Anzahl() - 1);
    m_bekannteAnzahl = m_routen->size();
}

void TRoutenliste::Leeren()
{
    m_routen->clear();
    m_cursor = -1;
    m_bekannteAnzahl = 0;
}

TRoutenlisten::TRoutenlisten(TGespeicherteRouten &routen)
    : Welten{TRoutenliste(*routen.Welt(WeltDunladan)), TRoutenliste(*routen.Welt(WeltEndurias)),
             TRoutenliste(*routen.Welt(WeltZyrthania))}
{
}

TGespeicherteRoute RouteSpeichern(const TRoutenvarianten &v, const QString &name, int auftraege)
{
    return TGespeicherteRoute{name.left(MaxNamenslaenge), auftraege, RoutenPunkte(v[100]), {}};
}

QString RouteSpeichernHinweis(const QString &name)
{
    return QStringLiteral("Name (%1 Zeichen übrig)").arg(MaxNamenslaenge - name.size());
}

namespace {
QString PunktText(TRoutenPunkt p)
{
    return QStringLiteral("%1:%2").arg(p.X).arg(p.Y);
}
} // namespace

std::vector<TRoutentabellenzeile> RoutentabelleZeilen(const TRoutenliste &liste)
{
    std::vector<TRoutentabellenzeile> zeilen;
    for (const TGespeicherteRoute &e : liste.Elemente()) {
        // a hand-edited route without points shows its name only
        if (e.Punkte.empty())
            zeilen.push_back({e.Name, QString(), QString()});
        else
            zeilen.push_back({e.Name, PunktText(e.Punkte.front()), PunktText(e.Punkte.back())});
    }
    if (zeilen.empty())
        zeilen.push_back({});
    return zeilen;
}

bool GespeicherteRouteLoeschen(TRoutenliste &liste, int zeile)
{
    if (liste.Anzahl() == 0 || zeile < 1)
        return false;
    liste.CursorSetzen(zeile - 1);
    liste.Entfernen();
    return true;
}

std::optional<QString> RouteNichtZeigbar(const TGespeicherteRoute &e, int kartengroesse)
{
    const QString name = Zitat(e.Name);
    if (!e.Punktzeile.isEmpty())
        return QStringLiteral(
                   "Fehler: Die Wegpunkte der Route '%1' sind ungültig ('%2'). Die Route kann nicht "
                   "geladen werden.")
            .arg(name, Zitat(e.Punktzeile));
    if (e.Punkte.empty())
        return QStringLiteral("Fehler: Die Route '%1' hat keine Wegpunkte und kann nicht geladen werden.")
            .arg(name);
    if (!RouteAufKarte(Wegpunkte(e.Punkte), kartengroesse))
        return QStringLiteral(
                   "Fehler: Die Route '%1' führt über den Rand der Karte hinaus und kann nicht geladen "
                   "werden.")
            .arg(name);
    return std::nullopt;
}

std::optional<TGeladeneRoute> GespeicherteRouteLaden(const uint8_t *reisekosten, const TRoutenliste &liste,
                                                     int zeile)
{
    if (zeile < 1 || zeile > liste.Anzahl())
        return std::nullopt;
    const TGespeicherteRoute &e = liste.Element(zeile - 1);
    if (e.Punkte.empty())
        return std::nullopt;
    const Wegpunktliste punkte = Wegpunkte(e.Punkte);
    TGeladeneRoute g;
    // the count comes from the options file: keep it in the range of the spin edit
    g.Auftraege = std::clamp(e.Auftraege, 1, MaxAuftraege);
    g.Start = punkte.Erster();
    g.Ziel = punkte.Letzter();
    g.Varianten = RoutenvariantenBilden(reisekosten, punkte);
    return g;
}

} // namespace mvt::routen
