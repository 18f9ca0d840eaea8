// The fixed tree of the item browser: every tradeable good and building under its
// groups. Leaves carry the exact catalogue name, so a leaf is resolved with ItemSuchen.
#pragma once

#include "catalogue/Katalog.h"

#include <QString>

#include <vector>

namespace mvt {

struct TKatalogKnoten {
    QString Text;
    std::vector<TKatalogKnoten> Kinder;
};

// The six top-level groups in display order, generated from the catalogue tables.
std::vector<TKatalogKnoten> KatalogbaumAnlegen(const TKatalog &k);

} // namespace mvt
