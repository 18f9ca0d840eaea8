// Any pasted text must end in an error count: no crash, no out-of-range access, no UB.
// Run: build-fuzz/bin/fuzz_kampfbericht -dict=tests/fuzz/kampfbericht.dict KORPUS tests/data/combat
#include "catalogue/Katalog.h"
#include "base/Meldung.h"
#include "base/Textdatei.h"
#include "combat/Kampfbericht.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    static const mvt::TKatalog katalog = [] {
        mvt::MeldungsFunktionSetzen([](const QString &) {});
        mvt::TKatalog k;
        mvt::KatalogFuellen(k);
        return k;
    }();
    const QByteArray bytes(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    mvt::Kampfauswertung a;
    const int32_t fehler = mvt::KampfberichtAuswerten(mvt::TextDekodieren(bytes), a, katalog);
    if (fehler < 0 || a.Runden < 1)
        __builtin_trap();
    return 0;
}
