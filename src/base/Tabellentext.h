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
// everything. Tabs and line breaks inside a cell become blanks. A cell that is one number
// ("61.30 %", "−4.5", "1234,56") is written as a German spreadsheet reads a number: decimal
// comma, ASCII minus, no percent sign; the header row names what the column holds. Only
// the table: what a window adds below it (an error count) belongs to its forum text.
// The spreadsheet form of one cell, as above; any other text unchanged.
QString TabellenZahl(const QString &zelle);

QString TabellenText(const QStringList &kopf, const std::vector<QStringList> &zeilen,
                     const std::vector<std::pair<int, int>> &auswahl = {});

} // namespace mvt
