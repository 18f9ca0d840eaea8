// The route tab tried on its own: a state of the test's (the read world grids, no saved
// routes, default options) and the session with its route part over it.
#pragma once

#include "routes/RoutenSitzung.h"
#include "routes/Welten.h"
#include "ui/Sitzung.h"

#include <memory>

namespace mvt::test {

// The built-in grids, read once per process.
inline const routen::TWeltdaten &GeleseneWelten()
{
    static const auto daten = [] {
        auto d = std::make_unique<routen::TWeltdaten>();
        routen::KartendatenLaden(*d);
        return d;
    }();
    return *daten;
}

struct TRoutenstand {
    // karte: the map shown last, which the route part starts with.
    explicit TRoutenstand(int32_t karte = 1) : letzteKarte(karte) {}

    std::unique_ptr<routen::TWeltdaten> welten = std::make_unique<routen::TWeltdaten>(GeleseneWelten());
    routen::TGespeicherteRouten routen;
    TOptionen optionen;
    int32_t letzteKarte = 1;
    QString stand = routen::EingebauterStadtlistenStand;
    TSitzung sitzung{optionen};
    routen::TRoutenSitzung teil{{routen, *welten, letzteKarte, stand}};
};

} // namespace mvt::test
