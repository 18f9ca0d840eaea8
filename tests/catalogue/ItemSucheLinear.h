// The item lookup without the name index: every table searched in its order. The index
// lookup of the catalogue is compared against it, in the tests and in the benchmarks.
#pragma once

#include "catalogue/Katalog.h"

namespace mvt {

TItemRef ItemSuchenLinear(const TKatalog &k, const QString &name);

} // namespace mvt
