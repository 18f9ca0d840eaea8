#include "app/Anwendung.h"

namespace mvt {

void OptionenDateiAnbinden(TAnwendung &a)
{
    // The options file module is not part of this build yet: nothing is read or written.
    a.OptionenLaden = nullptr;
    a.OptionenSpeichern = nullptr;
}

} // namespace mvt
