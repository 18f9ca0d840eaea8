// The closing step of a combat report's evaluation, kept apart from the reading of its lines.
#pragma once

namespace mvt {

struct Kampfauswertung;
struct TKatalog;

// After the last line: weapon pairs and spell kinds, the total block, every rate and
// average, and the absorb estimates (shared by monsters of one kind). May throw on
// corrupt data; the caller reports that as a failed evaluation.
void KampfAbschliessen(Kampfauswertung &a, const TKatalog &katalog);

} // namespace mvt
