// The fastest chain of neighbouring fields between two fields of a world.
#pragma once

#include "routes/Wegpunktliste.h"
#include "routes/Welten.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace mvt::routen {

// Direction codes of a step: 0 N, 1 NE, 2 E, 3 SE, 4 S, 5 SW, 6 W, 7 NW, 8 none.
constexpr uint8_t KeineRichtung = 8;
uint8_t Bewegungsrichtung(int dx, int dy);
// 2 to 4: the step continues the current order; 0 and 1: a new order begins; -1 for a
// pair outside the table.
int BerechneRichtungsPrioritaetAusBewegungsrichtungen(uint8_t vorher, uint8_t neu);
// Direction changes after a step in direction neu from a way that ended in direction
// vorher with `bisher` changes. A pair outside the table is reported and counts nothing.
int32_t RichtungswechselZaehlen(int32_t bisher, uint8_t vorher, uint8_t neu);

struct Suchknoten {
    float Zeit = 4294967296.0f;
    int32_t Richtungswechsel = -1;
    uint8_t Richtung = KeineRichtung;
    uint8_t VorgaengerX = 0;
    uint8_t VorgaengerY = 0;
    uint8_t Zustand = 0; // 0 new, 1 open, 2 closed
};

// Minutes of one step between neighbouring fields, in single precision like every sum
// of the route planner.
inline float Schrittzeit(const uint8_t *reisekosten, int ax, int ay, int bx, int by)
{
    return 0.5f * static_cast<float>(reisekosten[Zelle(ax, ay)]) +
           0.5f * static_cast<float>(reisekosten[Zelle(bx, by)]);
}

// Progress: the largest squared distance from the start reached so far, and its maximum.
// Called on the searching thread; it must not start another search on that thread (the
// search keeps its working memory per thread).
using TFortschritt = std::function<void(int64_t position, int64_t maximum)>;

struct TSuchparameter {
    const uint8_t *Reisekosten = nullptr; // a 200 x 200 grid indexed by Zelle()
    int Kartengroesse = 200;
    Wegpunkt Start;
    Wegpunkt Ziel;
    bool DirectionalOptimization = true;
    TFortschritt Fortschritt;
};

// The chain of fields from start to target (both included). Start equal to target gives
// the start alone; a position outside the map gives an empty list.
Wegpunktliste RouteSuchen(const TSuchparameter &p);
Wegpunktliste RouteSuchen(const TWeltdaten &welten, Wegpunkt start, Wegpunkt ziel, bool richtungsoptimierung,
                          const TFortschritt &fortschritt = {});

// The chains from p.Start to each of `ziele` (p.Ziel is not used), from one search that runs
// until the last of them is reached; each equals what RouteSuchen gives for that target.
// Any position off the map gives empty lists.
std::vector<Wegpunktliste> RoutenSuchen(const TSuchparameter &p, const std::vector<Wegpunkt> &ziele);

// Leaving a coordinate edit: an empty text or the value 0 becomes "100", a value above
// the map size the map size; other texts stay.
QString KoordinateVerlassen(const QString &text, int kartengroesse);

// Whether a search over the parameters can run (positions on the map, grid present).
bool SuchparameterGueltig(const TSuchparameter &p);

} // namespace mvt::routen
