// The catalogue the planner tests and the inventory fuzz target read: the shared filled
// catalogue of the model tests, under the name the planner's tests use.
#pragma once

#include "../Testkatalog.h"

namespace mvt::planer {

using mvt::test::Katalog;

} // namespace mvt::planer
