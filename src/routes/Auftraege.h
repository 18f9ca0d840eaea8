// Travel orders: the time of an order, merging the field chain of a search into orders,
// the best route for every number of orders, and the figures of the route list.
#pragma once

#include "routes/Wegpunktliste.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace mvt::routen {

constexpr int AnzahlVarianten = 101; // 0..99: at most k + 1 orders; 100: the optimal route
constexpr int MaxAuftraege = 100;
using TRoutenvarianten = std::array<Wegpunktliste, AnzahlVarianten>;

// Minutes of one order from a to b: diagonal steps first, then straight on.
float Teilstreckenzeit(const uint8_t *reisekosten, Wegpunkt a, Wegpunkt b);
float Routenzeit(const uint8_t *reisekosten, const Wegpunktliste &route);
float Routenzeit(const uint8_t *reisekosten, const std::vector<Wegpunkt> &route);
int32_t UeberquerteFelder(const Wegpunktliste &route);
// What skipping the inner point b between a and c saves (negative) or costs.
float Entfernungskosten(const uint8_t *reisekosten, Wegpunkt a, Wegpunkt b, Wegpunkt c);

// Drops every point that costs nothing to skip.
void WegpunkteZusammenfassen(const uint8_t *reisekosten, Wegpunktliste &route);

// All 101 variants of a merged route.
TRoutenvarianten RoutenvariantenBilden(const uint8_t *reisekosten, const Wegpunktliste &route);
// Steps shared by every way of building the variants: fill the empty ones from the one
// before and keep a variant only when it is strictly faster than the one before.
void VariantenVervollstaendigen(const uint8_t *reisekosten, TRoutenvarianten &v);

// "1:02:30   (62,5 min)"
QString DauerText(double minuten);
// "14:05:00 - 09.12.2026": the moment jetzt + minuten.
QString AnkunftText(double minuten, const QDateTime &jetzt = QDateTime::currentDateTime());

struct TAuftragszeile {
    int Nummer = 0;
    Wegpunkt Ziel;
    float Dauer = 0;  // minutes of this order
    float Gesamt = 0; // minutes up to the end of this order
};

// The four columns of an order in the route list: "3.", "Reise nach 57:12", the
// duration of the order and the arrival at its end.
QStringList AuftragsSpalten(const TAuftragszeile &z, const QDateTime &jetzt = QDateTime::currentDateTime());

// The shown variant and the summary figures of the route tab.
struct TRoutenauswertung {
    std::vector<TAuftragszeile> Auftraege;
    float Reisezeit = 0;
    float Zeitersparnis = 0;
    int64_t ZeitersparnisProzent = 0;
    int64_t Optimalitaet = 100;
    int32_t Felder = 0;
    double ZeitProFeld = 0; // rounded to two decimals
    int32_t Auftragsanzahl = 0;
    int32_t OptimaleLaenge = 0;

    QString ZeitersparnisText() const;
    QString OptimalitaetText() const;
    QString ZeitProFeldText() const;
};
// maxAuftraege: the chosen "Max. Aufträge" (clamped to 1..100); shows variant max - 1.
TRoutenauswertung RouteAuswerten(const uint8_t *reisekosten, const TRoutenvarianten &v, int maxAuftraege);

// The pair of order spin edits: 1 <= Von <= Bis <= Maximum and at most 10 orders.
struct TAuftragsbereich {
    int Von = 1;
    int Bis = 1;
    int Maximum = 1;
};
// After a route is shown with n orders: von 1, bis min(10, n).
TAuftragsbereich AuftragsbereichFuerRoute(int auftraege);
void VonAuftragAendern(TAuftragsbereich &b, int von);
void BisAuftragAendern(TAuftragsbereich &b, int bis);
// "Max. Aufträge": a value from 1 to 100, or nothing for an empty or other text.
std::optional<int> MaxAuftraegeLesen(const QString &text);

} // namespace mvt::routen
