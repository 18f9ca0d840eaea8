// The character planner's records as JSON, shared by `planer` and `inventar` so that both
// print the same shapes.
#pragma once

#include "planner/Planer.h"

#include <QJsonObject>
#include <QJsonValue>

namespace mvt::cli {

// A number, or null when it is not finite (JSON has no NaN or infinity).
QJsonValue JsonZahl(double x);
// Keys are the field names; "Dauer" only where it means something (the spell).
QJsonObject WaffenJson(const planer::TWaffenwerte &w, bool mitDauer);
QJsonObject CharakterJson(const planer::TCharakter &c);
// One object per slot name: caption, hint, upgrade, enchantment line (null when none), visible.
QJsonObject SlotsJson(const planer::TPlaner &p);

} // namespace mvt::cli
