// Saved routes, one list per world, with the insert and remove rules of a point list:
// insert after the cursor, removing moves the cursor to the successor (or predecessor).
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

struct TRoutenlistenElement {
    QString Name;
    int32_t Auftraege = 10;
    Wegpunktliste Punkte;
};

class TRoutenliste {
public:
    int Anzahl() const { return static_cast<int>(m_elemente.size()); }
    const TRoutenlistenElement &Element(int i) const { return m_elemente[static_cast<size_t>(i)]; }
    const std::vector<TRoutenlistenElement> &Elemente() const { return m_elemente; }
    int Cursor() const { return m_cursor; }

    // After the cursor; the new element becomes the cursor.
    void Einfuegen(TRoutenlistenElement e);
    // At the end, as the options file appends its routes in file order.
    void Anhaengen(TRoutenlistenElement e);
    // Removes the element at the cursor; nothing in an empty list.
    void Entfernen();
    // Cursor on element i (0-based), clamped to the list.
    void CursorSetzen(int i);
    void Leeren();

private:
    std::vector<TRoutenlistenElement> m_elemente;
    int m_cursor = -1;
};

struct TRoutenlisten {
    std::array<TRoutenliste, 3> Welten; // Dunladan, Endurias, Zyrthania
    TRoutenliste &Welt(int welt) { return Welten[static_cast<size_t>(std::clamp(welt, 1, 3) - 1)]; }
};

// The element saved by the save button: the optimal route, the name (at most 36
// characters) and the chosen "Max. Aufträge".
TRoutenlistenElement RouteSpeichern(const TRoutenvarianten &v, const QString &name, int auftraege);
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
// Selecting table row `zeile` (1 = first route). A route without points cannot be shown.
std::optional<TGeladeneRoute> GespeicherteRouteLaden(const uint8_t *reisekosten, const TRoutenliste &liste,
                                                     int zeile);

// Between the records of the options file and the lists of the route planner; the
// options file keeps the routes in list order, and reading appends them in that order.
TRoutenliste RoutenlisteAusOptionen(const std::vector<TGespeicherteRoute> &routen);
std::vector<TGespeicherteRoute> RoutenlisteFuerOptionen(const TRoutenliste &liste);
TRoutenlisten RoutenlistenAusOptionen(const TGespeicherteRouten &routen);
void RoutenlistenInOptionen(const TRoutenlisten &listen, TGespeicherteRouten &routen);

} // namespace mvt::routen
