// Tours: several stops of one world visited in a kept or in the fastest order, each leg
// a route of the route planner reduced to the chosen number of orders.
#pragma once

#include "routes/Auftraege.h"
#include "routes/Routensuche.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace mvt::routen {

constexpr int MaxStationen = 12; // the first stop included

struct TTourparameter {
    const uint8_t *Reisekosten = nullptr;
    int Kartengroesse = 200;
    std::vector<Wegpunkt> Stationen; // the first stays first
    bool Schnellste = false;         // fastest order instead of the given one
    bool Rueckkehr = false;          // back to the first stop at the end
    int Auftraege = 10;              // "Max. Aufträge" of every leg, 1..100
    bool DirectionalOptimization = true;
    // Each finished search: (searches done, searches in all).
    TFortschritt Fortschritt;
};

// Why a tour cannot be planned, as a German message; nothing when it can: fewer than two
// or more than MaxStationen stops, a stop off the map, the same stop twice in a row (the
// last and the first count as in a row when the tour returns), and in the fastest order
// the same stop twice at all (its order is free, so the two would meet).
std::optional<QString> TourPruefen(const TTourparameter &p);

struct TEtappe {
    Wegpunkt Von, Nach;
    // The variants of this leg as the route tab builds them for a two-point route.
    std::shared_ptr<const TRoutenvarianten> Varianten;
    float Reisezeit = 0; // minutes of the shown variant (Auftraege orders at most)
    int Auftragsanzahl = 0;
    const Wegpunktliste &Route(int auftraege) const;
};

struct TTour {
    std::vector<Wegpunkt> Stationen; // in visiting order, the first stop first, not repeated
    std::vector<TEtappe> Etappen;    // one per pair of stops in a row, and the way back
    float Reisezeit = 0;             // sum of the legs
    bool Rueckkehr = false;
    int Auftraege = 10;
};

// Plans the tour; an empty tour when TourPruefen refuses the parameters.
// The fastest order minimises the sum of the legs' times as shown, over every order that
// keeps the first stop first (Held-Karp, exact). Times between all pairs come from one
// search per stop.
TTour TourPlanen(const TTourparameter &p);

// The exact order for a matrix of times (zeiten[i * n + j]: from i to j): a permutation
// of 0..n-1 that starts with 0 and has the least sum, with the way back to 0 when
// rueckkehr. n from 1 to MaxStationen.
std::vector<int> SchnellsteReihenfolge(const std::vector<double> &zeiten, int n, bool rueckkehr);

// The field chains of the legs' shown variants as the map walks them, for drawing: one
// list of fields per leg, the stops included.
std::vector<std::vector<Wegpunkt>> TourLinien(const TTour &t);

// What the map window draws of a tour: every leg's fields and the numbered stops.
struct TTourbild {
    std::vector<std::vector<Wegpunkt>> Linien;
    std::vector<Wegpunkt> Stationen; // number i + 1 at Stationen[i]
    bool Leer() const { return Stationen.empty(); }
};
TTourbild Tourbild(const TTour &t);

} // namespace mvt::routen
