// Shared set-up of the crafting tests: one filled catalogue in the default world.
#pragma once

#include "catalogue/Katalog.h"
#include "crafting/Analyse.h"

namespace mvt::test {

inline TKatalog &Katalog()
{
    static TKatalog k = [] {
        TKatalog neu;
        KatalogFuellen(neu);
        WeltvarianteAnwenden(neu, 3);
        return neu;
    }();
    return k;
}

inline TCraftingZustand NeuerZustand()
{
    TCraftingZustand c;
    CraftingZustandAnlegen(Katalog(), c);
    return c;
}

inline TItemRef Ref(const char16_t *name)
{
    return ItemSuchen(Katalog(), QString::fromUtf16(name));
}

inline int Zeile(const char16_t *name)
{
    return Ref(name).Index;
}

} // namespace mvt::test
