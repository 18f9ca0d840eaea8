// Catalogue records as JSON objects, keys are the record's field names.
#pragma once

#include "catalogue/Katalog.h"

#include <QJsonObject>

namespace mvt::cli {

// {"Name","Tabellencode","Index",...every field...}; slots as "Zutaten"/"Bauteile".
QJsonObject ItemJson(const TKatalog &k, TItemRef ref);
QJsonObject ZauberJson(const TKatalog &k, int nr);

} // namespace mvt::cli
