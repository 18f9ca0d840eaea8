// The JSON document of an evaluated combat report, as `morvaren-cli kampfbericht` prints
// it: {"Fehler", "Kaempfer", "Runden"}, every fighter record with its four phase blocks,
// their hits and its figures per Runde.
#pragma once

#include <QtGlobal>

class QIODevice;

namespace mvt {
struct Kampfauswertung;
}

namespace mvt::cli {

// Writes the whole document onto ziel value by value: the memory it takes does not grow
// with the output, which for a long report is many times the report. The bytes are those
// QJsonDocument::toJson(Indented) would give. False when the device refused a byte; the
// document is then incomplete and must not be taken for a result.
// archivId > 0 adds the key "ArchivId" (the fight's number in the archive it was just
// stored in).
bool KampfberichtJsonSchreiben(const Kampfauswertung &a, QIODevice &ziel, qint64 archivId = 0);

} // namespace mvt::cli
