// The built-in catalogue the model tests read: filled once per process, as the program does
// at start-up.
#pragma once

#include "catalogue/Katalog.h"

namespace mvt::test {

inline const TKatalog &Katalog()
{
    static const TKatalog k = [] {
        TKatalog t;
        KatalogFuellen(t);
        return t;
    }();
    return k;
}

} // namespace mvt::test
