#include "routes/GespeicherteRouten.h"

#include <algorithm>

namespace mvt::routen {

void TRoutenliste::Einfuegen(TRoutenlistenElement e)
{
    const auto stelle = m_elemente.begin() + (m_cursor + 1);
    m_elemente.insert(stelle, std::move(e));
    ++m_cursor;
}

void TRoutenliste::Anhaengen(TRoutenlistenElement e)
{
    m_elemente.push_back(std::move(e));
    m_cursor = Anzahl() - 1;
}

void TRoutenliste::Entfernen()
{
    if (m_cursor < 0 || m_cursor >= Anzahl())
        return;
    m_elemente.erase(m_elemente.begin() + m_cursor);
    if (m_cursor >= Anzahl())
        m_cursor = Anzahl() - 1;
}

void TRoutenliste::CursorSetzen(int i)
{
    m_cursor = m_elemente.empty() ? -1 : std::clamp(i, 0, Anzahl() - 1);
}

void TRoutenliste::Leeren()
{
    m_elemente.clear();
    m_cursor = -1;
}

TRoutenlistenElement RouteSpeichern(const TRoutenvarianten &v, const QString &name, int auftraege)
{
    return TRoutenlistenElement{name.left(MaxNamenslaenge), auftraege, v[100]};
}

QString RouteSpeichernHinweis(const QString &name)
{
    return QStringLiteral("Name (%1 Zeichen übrig)").arg(MaxNamenslaenge - name.size());
}

namespace {
QString PunktText(Wegpunkt p)
{
    return QStringLiteral("%1:%2").arg(p.x).arg(p.y);
}
} // namespace

std::vector<TRoutentabellenzeile> RoutentabelleZeilen(const TRoutenliste &liste)
{
    std::vector<TRoutentabellenzeile> zeilen;
    for (const TRoutenlistenElement &e : liste.Elemente()) {
        // a hand-edited route without points shows its name only
        if (e.Punkte.Leer())
            zeilen.push_back({e.Name, QString(), QString()});
        else
            zeilen.push_back({e.Name, PunktText(e.Punkte.Erster()), PunktText(e.Punkte.Letzter())});
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

std::optional<TGeladeneRoute> GespeicherteRouteLaden(const uint8_t *reisekosten, const TRoutenliste &liste,
                                                     int zeile)
{
    if (zeile < 1 || zeile > liste.Anzahl())
        return std::nullopt;
    const TRoutenlistenElement &e = liste.Element(zeile - 1);
    if (e.Punkte.Leer())
        return std::nullopt;
    TGeladeneRoute g;
    // the count comes from the options file: keep it in the range of the spin edit
    g.Auftraege = std::clamp(e.Auftraege, 1, MaxAuftraege);
    g.Start = e.Punkte.Erster();
    g.Ziel = e.Punkte.Letzter();
    g.Varianten = RoutenvariantenBilden(reisekosten, e.Punkte);
    return g;
}

TRoutenliste RoutenlisteAusOptionen(const std::vector<TGespeicherteRoute> &routen)
{
    TRoutenliste liste;
    for (const TGespeicherteRoute &r : routen) {
        std::vector<Wegpunkt> punkte;
        punkte.reserve(r.Punkte.size());
        for (const TRoutenPunkt &p : r.Punkte)
            punkte.push_back(Wegpunkt{p.X, p.Y});
        liste.Anhaengen(TRoutenlistenElement{r.Name, r.Auftraege, Wegpunktliste(punkte)});
    }
    return liste;
}

std::vector<TGespeicherteRoute> RoutenlisteFuerOptionen(const TRoutenliste &liste)
{
    std::vector<TGespeicherteRoute> routen;
    for (const TRoutenlistenElement &e : liste.Elemente()) {
        TGespeicherteRoute r{e.Name, e.Auftraege, {}};
        for (const Wegpunkt p : e.Punkte.Punkte())
            r.Punkte.push_back(TRoutenPunkt{p.x, p.y});
        routen.push_back(std::move(r));
    }
    return routen;
}

TRoutenlisten RoutenlistenAusOptionen(const TGespeicherteRouten &routen)
{
    TRoutenlisten listen;
    for (int w = 1; w <= 3; ++w)
        listen.Welt(w) = RoutenlisteAusOptionen(*routen.Welt(w));
    return listen;
}

void RoutenlistenInOptionen(const TRoutenlisten &listen, TGespeicherteRouten &routen)
{
    for (int w = 1; w <= 3; ++w)
        *routen.Welt(w) = RoutenlisteFuerOptionen(listen.Welten[static_cast<size_t>(w - 1)]);
}

} // namespace mvt::routen
