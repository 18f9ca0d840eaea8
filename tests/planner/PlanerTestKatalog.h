// The catalogue the planner tests and the inventory fuzz target read: filled once per
// process, as the program does at start-up.
#pragma once

#include "catalogue/Katalog.h"

namespace mvt::planer {

inline const TKatalog &Katalog()
{
    static const TKatalog k = [] {
        TKatalog x;
        KatalogFuellen(x);
        return x;
    }();
    return k;
}

} // namespace mvt::planer
