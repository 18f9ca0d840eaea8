// Table cells as text for a spreadsheet; used by every window that copies a table.
#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace mvt {

// Cells as tab-separated lines, as spreadsheets paste them: the header row, then the
// rows. With a selection (row, column of each selected cell) only the rows and columns
// that hold a selected cell are written, unselected cells among them empty; without one,
// everything. Tabs and line breaks inside a cell become blanks.
QString TabellenText(const QStringList &kopf, const std::vector<QStringList> &zeilen,
                     const std::vector<std::pair<int, int>> &auswahl = {});

} // namespace mvt
