// Shared set-up of the crafting tests: one filled catalogue in the default world.
#pragma once

#include "catalogue/Katalog.h"
#include "crafting/Analyse.h"

#include <initializer_list>
#include <utility>

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

// A state with these entries (names, pieces), recomputed with the given options.
inline TCraftingZustand MitListe(std::initializer_list<std::pair<const char *, int64_t>> eintraege,
                                 const TOptionen &o = TOptionen{})
{
    TCraftingZustand c = NeuerZustand();
    for (auto [name, stueck] : eintraege)
        ZurBaulisteHinzufuegen(Katalog(), c.Bauliste, QString::fromUtf8(name), stueck);
    AllesNeuBerechnen(Katalog(), o, c);
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
