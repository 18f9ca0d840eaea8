// The data of the running program, apart from what a window keeps for itself: catalogue,
// build list and prices, options, saved routes, world maps and the planner's character. One
// instance, owned by the program's session (app/Programmsitzung.h); windows are given the
// parts they work on and hear of changes from the session.
#pragma once

#include "base/Optionen.h"
#include "catalogue/Katalog.h"
#include "crafting/Kostenmodell.h"
#include "planner/Planer.h"
#include "routes/GespeicherteRoutenDaten.h"
#include "routes/Welten.h"

#include <QString>

#include <cstdint>

namespace mvt {

struct TProgrammzustand {
    TKatalog Katalog;
    TCraftingZustand Crafting; // build list, prices, production buildings
    TOptionen Optionen;
    routen::TGespeicherteRouten Routen;
    // The grids of the three worlds and the current one; empty until the session has read
    // them (ZustandLaden), which allocates them on its worker.
    routen::TWeltdaten Weltkarten{routen::TWeltgitter::TUngelesen{}};
    // Stored in the options file but kept outside the options record.
    double NextVersionCheck = 0.0;
    int32_t LastMap = 1;
    // The stamp of the town list the world grids carry.
    QString StadtlistenStand;
    // The character of the planner tab.
    planer::TPlaner Planer;
};

} // namespace mvt
