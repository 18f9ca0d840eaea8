// Saved routes, one list per world, with the insert and remove rules of a point list:
// insert after the cursor, removing moves the cursor to the successor (or predecessor).
// The routes themselves are the program state's (TGespeicherteRouten, what the options
// file reads and writes); a list here is that state seen with a cursor.
#pragma once

#include "routes/Auftraege.h"
#include "routes/Wegpunktliste.h"
#include "routes/GespeicherteRoutenDaten.h"

#include <QString>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace mvt::routen {

constexpr int MaxNamenslaenge = 36;

// The points of a saved route as a route, and back.
Wegpunktliste Wegpunkte(const std::vector<TRoutenPunkt> &punkte);
std::vector<TRoutenPunkt> RoutenPunkte(const Wegpunktliste &route);

// One world's routes in the program state with the cursor the route tab keeps. Every
// change goes straight into the state's list. A list changed in length behind the cursor's
// back (the options file read again) puts the cursor on its last route, as reading
// appends; otherwise the cursor stays where it was.
class TRoutenliste {
public:
    explicit TRoutenliste(std::vector<TGespeicherteRoute> &routen);

    int Anzahl() const { return static_cast<int>(m_routen->size()); }
    const TGespeicherteRoute &Element(int i) const { return (*m_routen)[static_cast<size_t>(i)]; }
    const std::vector<TGespeicherteRoute> &Elemente() const { return *m_routen; }
    int Cursor() const;

    // After the cursor; the new element becomes the cursor.
    void Einfuegen(TGespeicherteRoute e);
    // At the end, as the options file appends its routes in file order.
    void Anhaengen(TGespeicherteRoute e);
    // Removes the element at the cursor; nothing in an empty list.
    void Entfernen();
    // Cursor on element i (0-based), clamped to the list.
    void CursorSetzen(int i);
    void Leeren();

private:
    void Abgleichen();

    std::vector<TGespeicherteRoute> *m_routen;
    int m_cursor = -1;
    size_t m_bekannteAnzahl = 0; // the length m_cursor belongs to
};

// The three worlds' lists over one state; the state must outlive them.
struct TRoutenlisten {
    explicit TRoutenlisten(TGespeicherteRouten &routen);
    std::array<TRoutenliste, 3> Welten; // Dunladan, Endurias, Zyrthania
    TRoutenliste &Welt(int welt) { return Welten[static_cast<size_t>(std::clamp(welt, 1, 3) - 1)]; }
    const TRoutenliste &Welt(int welt) const
    {
        return Welten[static_cast<size_t>(std::clamp(welt, 1, 3) - 1)];
    }
};

// The element saved by the save button: the optimal route, the name (at most 36
// characters) and the chosen "Max. Aufträge".
TGespeicherteRoute RouteSpeichern(const TRoutenvarianten &v, const QString &name, int auftraege);
// "Name (6 Zeichen übrig)"
QString RouteSpeichernHinweis(const QString &name);

// Rows of the saved-routes table below its header: name, start, target ("x:y").
// At least one row, empty when there is no route.
struct TRoutentabellenzeile {
    QString Name, Start, Ziel;
};
std::vector<TRoutentabellenzeile> RoutentabelleZeilen(const TRoutenliste &liste);

// Delete key on table row `zeile` (1 = first route). Without a selected row (0 or less)
// nothing is removed. Returns whether a route was removed.
bool GespeicherteRouteLoeschen(TRoutenliste &liste, int zeile);

struct TGeladeneRoute {
    TRoutenvarianten Varianten;
    int Auftraege = 10; // "Max. Aufträge" to show, 1..100
    Wegpunkt Start, Ziel;
};
// Why a saved route cannot be shown on a map of that size ("Fehler: …"), or nothing when
// it can. A hand-edited file keeps such routes; they are refused when loaded.
std::optional<QString> RouteNichtZeigbar(const TGespeicherteRoute &e, int kartengroesse);

// Selecting table row `zeile` (1 = first route). A route without points cannot be shown.
std::optional<TGeladeneRoute> GespeicherteRouteLaden(const uint8_t *reisekosten, const TRoutenliste &liste,
                                                     int zeile);

} // namespace mvt::routen
