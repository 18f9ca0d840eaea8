// One price row of the crafting tab, the price dialog or the settings window: a gold
// field (QLineEdit) coupled with a percentage field (QSpinBox, 0..999) of the same good.
//
//  - The gold field takes typed characters through ZeichenPruefen (a "." becomes ",", a
//    second comma and everything but digits is refused; control keys pass). After every
//    change its text is cleaned with PreistextBereinigen, the caret staying behind the
//    same character.
//  - A changed, non-empty gold text is handed to Speichern (when set), then the
//    percentage computed from it is written into the percentage field. That write never
//    comes back into the gold field (re-entry guard).
//  - A changed, non-empty percentage sets the gold text to GoldAusProzent, which runs the
//    gold field's change as above (so the new price is stored by Speichern too).
//  - Leaving the gold field empty gives it the text "0", which then runs its change like a
//    typed 0; an emptied percentage returns to its value (a stray key must not make a
//    price 0). Leaving puts the caret at the start.
//  - The percentage field takes digits only (NurZiffern).
//
// Typical use (the settings window, nothing stored before Okay):
//     auto *zeile = new TPreiszeile(editGold, spinProzent, this);
//     zeile->ReferenzSetzen(marktwert);
//     zeile->Anzeigen(gespeicherterPreis);      // fills both fields, stores nothing
//     ...                                       // Okay: read editGold->text()
// The crafting tab sets Speichern to store the price and recompute the analysis.
// The row does not own the two fields; it is a QObject child of whoever owns it.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QAbstractSpinBox;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace mvt {

class TPreiszeile : public QObject {
    Q_OBJECT
public:
    TPreiszeile(QLineEdit *gold, QSpinBox *prozent, QObject *eltern = nullptr);

    QLineEdit *Goldfeld() const { return m_gold; }
    QSpinBox *Prozentfeld() const { return m_prozent; }

    // The good's reference value (market value or building value) for the conversion.
    void ReferenzSetzen(double referenz) { m_referenz = referenz; }
    double Referenz() const { return m_referenz; }

    // Stores a changed, cleaned, non-empty gold text and returns its percentage, or
    // nullopt when nothing was stored (the text is no number; the caller reports it):
    // then the percentage field keeps its value. When empty, the row only computes the
    // percentage from the reference.
    std::function<std::optional<int32_t>(const QString &text)> Speichern;

    // Shows a price in both fields without running Speichern (filling a row).
    void Anzeigen(double gold);
    // Sets the percentage as if typed (an "Alle" master box): the gold field follows.
    void ProzentSetzen(int32_t prozent);

    // While off, changes of either field run nothing (a window fills its rows).
    void KopplungSetzen(bool an) { m_kopplung = an; }

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void GoldGeaendert();
    void ProzentGeaendert();
    void GoldAusProzentSchreiben();

    QLineEdit *m_gold;
    QSpinBox *m_prozent;
    double m_referenz = 0.0;
    bool m_kopplung = true;
    bool m_sperre = false;    // re-entry guard: the percentage is being written from the gold
    bool m_bereinigt = false; // the gold text is being replaced by its cleaned form
};

// Typed characters of a gold field through ZeichenPruefen; installed by TPreiszeile and
// usable alone for a gold field without a percentage. Parent it to the field.
class TGoldfeldFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
};

// The width a gold field needs to show its largest value, "9999999,99", whole in the
// font of `bezug` (the window that holds the field).
int Goldfeldbreite(const QWidget *bezug);

// An integer field that takes digits and control keys only: Space, "+", "-", "," and every
// other character are refused as typed (Tab selects the value, and a Space would empty
// it). An emptied field returns to its value when it is left, as a spin box does.
void NurZiffern(QAbstractSpinBox *feld);

} // namespace mvt
