// Fitting a text into a label whose place is fixed by the window's pixel layout.
#pragma once

#include <QFont>

class QLabel;
class QString;

namespace mvt {

// The font in which text fits breite pixels: f at groesse pixels, else its semi-condensed
// and condensed faces at that size, else the condensed face one pixel smaller at a time down
// to kleinsteGroesse (where it may still be too wide).
QFont EingepassteSchrift(QFont f, const QString &text, int breite, int groesse, int kleinsteGroesse);

// Shows text in l: in the label's own font when it fits, otherwise in a narrower face and
// then one pixel smaller at a time down to kleinsteGroesse, and when even that is too wide,
// elided at the end with the whole text as tool tip and accessible name. Every text starts
// again from the size the label had before it was first made smaller.
void TextEinpassen(QLabel *l, const QString &text, int kleinsteGroesse);

} // namespace mvt
