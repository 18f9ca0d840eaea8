// libFuzzer target of the version file: any download is either a version of the fixed
// form with its date line, or refused; the comparison never reads past a text.
#include "online/Versionspruefung.h"
#include "base/Optionen.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace mvt;
using namespace mvt::online;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray inhalt(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    const std::optional<TVersionsdatei> d = VersionsdateiLesen(inhalt);
    if (!d)
        return 0;
    if (!IstVersionstext(d->Version))
        __builtin_trap();
    const bool neuer = IstNeuereVersion(d->Version, Programmversion);
    // Newer than this program means: not older in the other direction.
    if (neuer && VersionMindestens(Programmversion, d->Version))
        __builtin_trap();
    if (Versionszeile(*d).isEmpty())
        __builtin_trap();
    return 0;
}
