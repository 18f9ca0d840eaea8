// Quantity dialog TForm2: how many kits of an item go into the build list.
// Mode (Tag): 1 = add from the item browser, 2 = set from the build list.
#pragma once

#include "ui/Nebenfenster.h"

#include <cstdint>
#include <functional>

class QLabel;
class QSpinBox;
class QToolButton;

namespace mvt {

struct TKatalog;
struct TBauliste;

class TForm2 : public TNebenfenster {
    Q_OBJECT
public:
    explicit TForm2(QWidget *hauptfenster);

    QLabel *Label1;
    QSpinBox *SpinEditAnzahl;
    QToolButton *SpeedButtonOkay;
    QToolButton *SpeedButtonAbbrechen;

    // Caption, question and start value for the item (Art, Index) in the mode Tag.
    void Vorbereiten(const TKatalog &k, const TBauliste &b, uint8_t art, int32_t index);
    // Okay: the mode and the number of kits; the dialog closes afterwards.
    std::function<void(int modus, int64_t bausaetze)> Bestaetigt;

    // Horizontal centre on the mouse pointer, top 117 pixels above it.
    void AnMauszeigerPlatzieren();

    void SpeedButtonOkayClick();

protected:
    void FormShow() override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void SpinEditAnzahlChange();
};

} // namespace mvt
