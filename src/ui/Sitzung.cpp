#include "ui/Sitzung.h"

namespace mvt {

TSitzung::~TSitzung() = default;

} // namespace mvt
