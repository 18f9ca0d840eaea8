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
// Minutes drawn from a few terrain values; `gleichfoermig` draws only from two values
// so that many ways tie.
TZufallskarte Zufallskarte(std::mt19937 &zufall, int groesse, bool gleichfoermig);

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
