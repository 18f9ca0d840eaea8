// Fitting a text into a label whose place is fixed by the window's pixel layout.
#pragma once

class QLabel;
class QString;

namespace mvt {

// Shows text in l: in the label's own font when it fits, otherwise one pixel smaller at
// a time down to kleinsteGroesse, and when even that is too wide, elided at the end with
// the whole text as tool tip and accessible name. Every text starts again from the size
// the label had before it was first made smaller.
void TextEinpassen(QLabel *l, const QString &text, int kleinsteGroesse);

} // namespace mvt
