// Worlds for the tests: the built-in ones loaded once, and small random ones.
#pragma once

#include "routes/Welten.h"

#include <cstdint>
#include <random>

namespace mvt::routen::test {

// The three built-in worlds, read once for the whole test run.
const TWeltdaten &EingebauteWelten();

// A 200 x 200 grid of minutes of which the first `groesse` rows and columns are used.
struct TZufallskarte {
    std::array<uint8_t, GitterZellen> Reisekosten{};
    int Groesse = 0;
};
// art 0: minutes of the terrains; 1: only 2 and 4, so that many ways tie; 2: 0, 1 and 2,
// with steps that take no time.
TZufallskarte Zufallskarte(std::mt19937 &zufall, int groesse, int art);

} // namespace mvt::routen::test

#include "routes/Wegpunktliste.h"

#include <ostream>

namespace mvt::routen {
// Readable failure messages.
inline void PrintTo(const Wegpunkt &p, std::ostream *os)
{
    *os << int(p.x) << ":" << int(p.y);
}
inline void PrintTo(const Wegpunktliste &l, std::ostream *os)
{
    *os << "[";
    for (const Wegpunkt p : l.Punkte())
        *os << " " << int(p.x) << ":" << int(p.y);
    *os << " ]";
}
} // namespace mvt::routen
