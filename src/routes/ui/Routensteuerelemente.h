// Controls the areas of the route tab share: the two tables and the order count fields.
#pragma once

#include <QString>
#include <QStringList>

class QSpinBox;
class QTableWidget;
class QWidget;

namespace mvt {

// A read-only table with whole-row selection, rows of 18 pixels and a permanent
// vertical scroll bar; Tab leaves it instead of walking its cells.
QTableWidget *Routentabelle(QWidget *eltern, const char *name, const QString &beschreibung,
                            const QStringList &koepfe);

// An order count field, 1 to 100, at (x, y) in the width the tab gives every such field.
QSpinBox *Auftragsfeld(QWidget *eltern, const char *name, const QString &beschreibung, int x, int y);

// Grey text while a table is locked; the text colour of the page around it otherwise.
void TabellenTextGrau(QTableWidget *t, bool grau);

// The wheel over a table without a selected row selects its first row.
void TabelleMausrad(QTableWidget *t);

} // namespace mvt
