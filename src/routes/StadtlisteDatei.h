// The town list processing on a local file instead of a download (command-line tool,
// benchmarks): the lines go through the same processing and are installed at once.
#pragma once

#include "routes/Stadtliste.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace mvt::online {

struct TStadtlistenLauf {
    QString Stand; // the new stamp, or the error text after a bad line
    std::array<int, routen::AnzahlWelten> Staedte{};
    std::array<bool, routen::AnzahlWelten> Aktualisiert{};
    QStringList Meldungen;
};

// Processes the lines into welten with neuerStand as the stamp of the list.
TStadtlistenLauf StadtlisteAnwenden(routen::TWeltdaten &welten, const QStringList &zeilen,
                                    const QString &neuerStand);
// The same for a file; nullopt (with the German reason reported) when it cannot be read.
std::optional<TStadtlistenLauf> StadtlisteDateiAnwenden(routen::TWeltdaten &welten, const QString &pfad,
                                                        const QString &neuerStand);

} // namespace mvt::online
