// The typing rules of the planner's number fields, shared by the tab and the optimiser
// window: key filters, the cut to digit limits with the caret kept, and the entry check of
// spin inputs.
#pragma once

#include "planner/Spineingabe.h"

#include <QColor>
#include <QObject>

#include <functional>

class QLineEdit;
class QSpinBox;
class QWidget;

namespace mvt {

// Colours of the planner's fields.
inline const QColor VorgabeFarbe(236, 233, 216);    // preset values (grey)
inline const QColor EditierbarFarbe(248, 247, 241); // typed values (near white)
inline const QColor FehlerFarbe(255, 85, 85);       // minimum above maximum
inline const QColor HellrotFarbe(255, 200, 200);    // opponent field that cannot be read
inline const QColor HellgruenFarbe(230, 255, 230);  // attributes found by the optimiser

enum class TZeichenfilter {
    Dezimal,    // digits and one decimal comma ("." becomes ",")
    Ganzzahl,   // digits
    Vorzeichen, // digits and one "-"
};

// Installs the key filter; backspace, Ctrl+C and Ctrl+V always pass.
void ZeichenfilterSetzen(QLineEdit *feld, TZeichenfilter filter);

// A typed character is refused while the field, without its selection, holds `zeichen`
// characters. Unlike a maximum length it leaves a longer text set from elsewhere whole.
void TipplaengeBegrenzen(QLineEdit *feld, int zeichen);

// Replaces the text without firing change handlers, keeping the caret where it was.
void TextSetzen(QLineEdit *feld, const QString &text);
// Background colour of a field.
void FeldFarbeSetzen(QWidget *feld, const QColor &farbe);
QColor FeldFarbe(const QWidget *feld);

// A spin input whose typed digits reach the entry check even beyond the upper limit, so
// that typing 1000 into a field that ends at 999 gives 999 instead of refusing the last
// digit. Use it for every input checked by SpinPruefen.
QSpinBox *SpinEingabeErzeugen(QWidget *eltern);

// PruefeSpinEingabe on a spin input: the checked value is stored without firing the change
// handler (caret restored; at the end after a replacement by the lower limit, so that the
// next digit is typed behind it). nullopt for an empty text.
std::optional<int32_t> SpinPruefen(QSpinBox *spin, planer::TSpinGedaechtnis &g, int64_t jetzt,
                                   int32_t untergrenze);
// Sets a spin input's value without firing its handler.
void SpinSetzen(QSpinBox *spin, int32_t wert);
// Leaving a spin input with an empty text: the memory is forgotten and "0" is entered
// through the change handler `bei0`.
void SpinVerlassenBehandeln(QSpinBox *spin, planer::TSpinGedaechtnis &g, std::function<void()> bei0);

// Leaving a number field whose text is not a number sets "0" (through its change handler).
void NullBeimVerlassen(QLineEdit *feld);

// Calls `klick` when the widget is clicked with the left button (labels that act).
void KlickbarMachen(QWidget *w, std::function<void()> klick);

} // namespace mvt
