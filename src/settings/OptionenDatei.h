// The options file "options.ini": reader, writer and file layout. It stores the options
// record, the crafting prices and production buildings, the potencies and the saved routes.
#pragma once

#include "catalogue/Katalog.h"
#include "crafting/Kostenmodell.h"
#include "routes/GespeicherteRoutenDaten.h"
#include "base/Optionen.h"

#include <QString>
#include <QStringList>

namespace mvt {

inline const QString OptionenDateiname = QStringLiteral("options.ini");
// The message for an invalid options file; it names the file as it was given.
QString OptionenUngueltigMeldungFuer(const QString &pfad);
inline const QString OptionenUngueltigMeldung = OptionenUngueltigMeldungFuer(OptionenDateiname);

// Everything the options file reads and writes besides the catalogue.
struct TOptionenZiel {
    TOptionen &Optionen;
    TCraftingZustand &Crafting; // prices (PRICES) and production buildings (BUILDINGS)
    routen::TGespeicherteRouten &Routen;
    double &NextVersionCheck; // days since 30 Dec 1899; 9999999 = automatic checks off
    int32_t &LastMap;         // 1..3; 0 = no map radio button selected (no line written)
};
struct TOptionenQuelle {
    const TOptionen &Optionen;
    const TCraftingZustand &Crafting;
    const routen::TGespeicherteRouten &Routen;
    double NextVersionCheck;
    int32_t LastMap;
};

// Reads the file (default "options.ini" in the working folder). On any error the message
// OptionenUngueltigMeldungFuer(pfad) is shown, StandardOptionenSetzen runs, and false is returned;
// what was read before the error outside the options record stays. The world variant is
// not applied here (the program's session does that once the options are loaded).
bool OptionenLaden(const TKatalog &k, TOptionenZiel ziel, const QString &pfad = OptionenDateiname);

// The lines of the file as OptionenSpeichern writes them.
QStringList OptionenZeilen(const TKatalog &k, const TOptionenQuelle &quelle);
// Writes the whole file atomically; a failure is reported in German and returns false,
// leaving any old file intact.
bool OptionenSpeichern(const TKatalog &k, const TOptionenQuelle &quelle,
                       const QString &pfad = OptionenDateiname);

} // namespace mvt
