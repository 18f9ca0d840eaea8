// What the areas of the crafting tab share: their number fields and trees are made alike,
// a few buttons carry a state in their "Tag" property, and a label's colour may follow its
// parent again.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QObject;
class QSpinBox;
class QTreeWidget;
class QWidget;

namespace mvt::bausatzrechner {

// The "Tag" value of a button that may act (an item is selected that it applies to).
constexpr int Tag1 = 1;

int Tag(const QObject *o);
void TagSetzen(QObject *o, int tag);

// farbe invalid: the parent's text colour in every colour group.
void Farbe(QWidget *w, const QColor &farbe);

QSpinBox *Zahlenfeld(QWidget *eltern, const QString &name, int min, int max, int wert, QRect ort,
                     const QString &zugang);

// A one-column tree without header, one selected row, no editing.
QTreeWidget *Baum(QWidget *eltern, const QString &name, QRect ort, const QString &zugang);

} // namespace mvt::bausatzrechner
