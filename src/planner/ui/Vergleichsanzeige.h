// The second, smaller text beside a value of the planner tab while a saved character is the
// comparison base: the difference to the base in green (better), red (worse) or grey.
#pragma once

#include "planner/Vergleich.h"

#include <QHash>

class QLabel;

namespace mvt {

class TVergleichsanzeige {
public:
    // Shows `v` beside `wert` (created on first use as a sibling named after it with
    // "Vergleich" appended); hidden while `wert` is hidden or `v` is empty.
    void Setzen(QLabel *wert, const planer::TVergleichswert &v);
    // Hides every second text.
    void Leeren();
    // The second text of a value label; nullptr before it was first set.
    QLabel *Label(QLabel *wert) const { return m_labels.value(wert, nullptr); }

private:
    QHash<QLabel *, QLabel *> m_labels;
};

} // namespace mvt
