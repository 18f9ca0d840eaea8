// The town list processing on a local file instead of a download (command-line tool,
// benchmarks): the lines go through the same processing and are installed at once.
#pragma once

#include "routes/Stadtliste.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace mvt::routen {

struct TStadtlistenLauf {
    QString Stand; // the new stamp, or the error text after a bad line
    std::array<int, AnzahlWelten> Staedte{};
    std::array<bool, AnzahlWelten> Aktualisiert{};
    QStringList Meldungen;
};

// Processes the lines into welten with neuerStand as the stamp of the list.
TStadtlistenLauf StadtlisteAnwenden(TWeltdaten &welten, const QStringList &zeilen, const QString &neuerStand);
// The same for a file; nullopt (with the German reason reported) when it cannot be read.
std::optional<TStadtlistenLauf> StadtlisteDateiAnwenden(TWeltdaten &welten, const QString &pfad,
                                                        const QString &neuerStand);

} // namespace mvt::routen
