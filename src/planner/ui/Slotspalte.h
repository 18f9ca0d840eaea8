// The slot column of the planner tab: the ten slot buttons (a click opens the slot's
// equipment menu, a right click the enchantments, a middle click or "+" upgrades), the
// enchantment line below each and the value fields beside it.
#pragma once

#include "planner/Planer.h"
#include "planner/PlanerSitzung.h"

#include <QColor>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QToolButton;

namespace mvt {

class TCharakterPlanerSeite;

class TSlotspalte : public QWidget {
    Q_OBJECT
public:
    // Between the attributes and the effective values, above the evaluation pages.
    static constexpr QRect Ort{218, 0, 340, 392};

    // planer: the part whose character the column changes.
    TSlotspalte(TCharakterPlanerSeite &seite, planer::TPlanerSitzung &planer);

    // Buttons, enchantment lines and the fields the slots' items have.
    void Zeigen(const planer::TPlaner &p);
    // A value field typed into: its text cut to the field's digits, into the character,
    // everything shown again; the damage partner turns red while the minimum is above the
    // maximum.
    void WertGeaendert(planer::TSlot s, planer::TSlotFeld f);
    // Everything that changes the equipment, on or off (the optimiser's search).
    void Freigeben(bool an);

    QToolButton *Knopf(planer::TSlot s) const { return m_knopf[s]; }

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    struct TFeld {
        QLabel *Beschriftung = nullptr;
        QLineEdit *Edit = nullptr;
    };
    void Aufwerten(planer::TSlot s);

    TCharakterPlanerSeite &m_seite;
    planer::TPlanerSitzung &m_planer;
    std::array<QToolButton *, planer::AnzahlSlots> m_knopf{};
    std::array<QLabel *, planer::AnzahlSlots> m_verzauberungsZeile{};
    std::array<std::array<TFeld, 12>, planer::AnzahlSlots> m_felder{};
    // Editing a value field: it keeps its text while the rest is shown again, and its
    // damage partner's colour from when it was entered.
    QLineEdit *m_bearbeitet = nullptr;
    QColor m_partnerFarbe;
    // The slot's item when its value fields were last coloured: the colours follow a choice
    // of item, while typing into one field colours only that field.
    std::array<QString, planer::AnzahlSlots> m_farbStand{};
    int m_getippterSlot = -1;
};

} // namespace mvt
