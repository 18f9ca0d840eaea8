// The town list: the stamp of the town data in use and the rebuilding of the three worlds'
// town grids from a list's lines. The download lives in online/Stadtlistenabruf.h.
#pragma once

#include "routes/Welten.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace mvt::routen {

// Stamp of the built-in town data: "JJJJ.MM.TT.hh.mm".
inline const QString EingebauterStadtlistenStand = QStringLiteral("2018.02.16.10.08");
// Stamp after a list that could not be read; the map caption shows it in full.
inline const QString StadtlistenFehlerStand = QStringLiteral(
    "Unbekannt - Fehler beim Download der Stadtinformationen. Womöglich ist die Version des Tools veraltet.");
inline const QString MeldungStadtCount = QStringLiteral("Fehler: StadtCount = 2");

// A stamp of the form "JJJJ.MM.TT.hh.mm"; a date file with anything else in its first
// line counts as a failed download.
bool IstStadtlistenStand(const QString &stand);
// The stamp in the first line of "/TownListDate.txt" when it is valid and later than stand;
// nullopt ends the update without a change.
std::optional<QString> NeuererStand(const QStringList &datumsdatei, const QString &stand);

// The stamp for the map caption: "16.02.2018 - 10:08"; longer texts (the error text)
// unchanged; shorter ones "!FEHLER!".
QString StandAnzeigen(const QString &stand);

// The new town grids of one world, built completely before anyone sees them.
struct TStadtdaten {
    int Welt = 1; // 1..3
    TGitter Gelaende;
    TGitter Stadtabstand;
    std::vector<QString> Stadtnamen;
    int Staedte = 0; // cells that carry a town
};

// Base terrain of the three worlds, by world - 1; the list never changes it.
using TGrundgelaende = std::array<const TGitter *, AnzahlWelten>;

struct TStadtlistenEmpfaenger {
    std::function<void(TStadtdaten &&)> WeltFertig; // each finished world, in order
    std::function<void(const QString &)> Meldung;   // "Fehler: StadtCount = 2"
};

// Builds the worlds from the lines of "/TownList.txt": three blocks separated by empty
// lines, each line "FFFSSSName". Extra empty lines after the third block give the message
// "Fehler: StadtCount = 2" once. A coordinate outside the world skips its line; a line
// shorter than six characters or a coordinate that is not a number ends the processing
// with false (the block being read is dropped, worlds handed over before stay).
bool StadtlisteVerarbeiten(const QStringList &zeilen, const TGrundgelaende &grund,
                           const TStadtlistenEmpfaenger &empfaenger);

// Installs a finished world into the grids of the program.
void StadtdatenInstallieren(TWeltdaten &welten, TStadtdaten &&d);

} // namespace mvt::routen
