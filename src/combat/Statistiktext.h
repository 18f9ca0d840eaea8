// The statistics table as text to share: BBCode for the game's forum and tab-separated
// lines for a spreadsheet. Both take the table as shown (its order and columns), so the
// tab and the command line give the same text for the same rows.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace mvt {

// The captions of the 13 columns of the statistics table, with the line break of the
// two-line ones ("Schaden\nausgeteilt").
const QStringList &TabellenKopf();
// A caption on one line: "Schaden ausgeteilt"; a hyphen at the break joins ("Ausgewichen").
QString KopfEinzeilig(const QString &kopf);

// A bold title with the number of Runden, then the table in "[code]" with fixed-width
// columns (names left, numbers right aligned, the captions on two lines), then
// "Fehler: n" when the report had errors.
QString ForumText(const QStringList &kopf, const std::vector<QStringList> &zeilen, int32_t runden,
                  int32_t fehler);
// Header row and rows, tab-separated, numbers as a spreadsheet reads them; nothing else
// (the error count is the forum text's).
QString TabellenKopie(const QStringList &kopf, const std::vector<QStringList> &zeilen);

} // namespace mvt
