// The stock controls of the crafting tab: "Lager berücksichtigen", the buttons that open the
// windows "Lager" and "Einkaufsliste", and what the shown mode takes out of the stock.
#pragma once

#include "crafting/Kostenmodell.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QToolButton;

namespace mvt {

class TLagerbereich : public QWidget {
    Q_OBJECT
public:
    TLagerbereich(const TKatalog &katalog, const TCraftingZustand &crafting, QRect ort, QWidget *eltern);

    // The stock value of mode 1..4, or nothing while the stock does not count.
    void LagerwertAnzeigen(int modus);

    QCheckBox *CheckBoxLager;
    QToolButton *SpeedButtonLager, *SpeedButtonEinkaufsliste;
    QLabel *LabelLagerwert;

signals:
    void lagerUmgeschaltet(bool an);
    void lagerGewuenscht();
    void einkaufslisteGewuenscht();

private:
    const TKatalog &m_katalog;
    const TCraftingZustand &m_crafting;
};

} // namespace mvt
