#include "app/Anwendung.h"

namespace mvt {

namespace {
TOptionenZiel Ziel(TProgrammzustand &z)
{
    return {z.Optionen, z.Crafting, z.Routen, z.NextVersionCheck, z.LastMap};
}
} // namespace

void OptionenDateiAnbinden(TAnwendung &a)
{
    // Both report their failures themselves (message; defaults after a bad file).
    a.OptionenLaden = [](TProgrammzustand &z) { OptionenLaden(z.Katalog, Ziel(z)); };
    a.OptionenSpeichern = [](TProgrammzustand &z) {
        OptionenSpeichern(z.Katalog, {z.Optionen, z.Crafting, z.Routen, z.NextVersionCheck, z.LastMap});
    };
}

} // namespace mvt
