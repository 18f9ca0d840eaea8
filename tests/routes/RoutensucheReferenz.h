// The route search and the building of order variants in their plainest form: the open
// list is scanned completely for every selection, and every removal of an order rescans
// the whole route. Kept as the reference that the shipped, faster forms must
// match point for point (tests and benchmarks).
#pragma once

#include "routes/Auftraege.h"
#include "routes/Routensuche.h"

namespace mvt::routen::referenz {

Wegpunktliste RouteSuchen(const TSuchparameter &p);
TRoutenvarianten RoutenvariantenBilden(const uint8_t *reisekosten, const Wegpunktliste &route);

} // namespace mvt::routen::referenz
