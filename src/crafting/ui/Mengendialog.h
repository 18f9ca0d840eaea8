// Quantity dialog TForm2: how many pieces of an item go into the build list.
// Mode (Tag): 1 = add from the item browser, 2 = set from the build list.
#pragma once

#include "ui/Nebenfenster.h"

class QLabel;
class QSpinBox;
class QToolButton;

namespace mvt {

class TForm2 : public TNebenfenster {
    Q_OBJECT
public:
    explicit TForm2(QWidget *hauptfenster);

    QLabel *Label1;
    QSpinBox *SpinEditAnzahl;
    QToolButton *SpeedButtonOkay;
    QToolButton *SpeedButtonAbbrechen;

    // Horizontal centre on the mouse pointer, top 117 pixels above it.
    void AnMauszeigerPlatzieren();
};

} // namespace mvt
