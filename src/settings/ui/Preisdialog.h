// Price dialog TForm3: prices or building levels of the goods the build list uses.
// Tag = 10 x cost page (1..4) + kind (1 sale prices, 2 purchase prices, 3 buildings).
// The rows exist only while the dialog is shown; Okay stores them and recomputes.
#pragma once

#include "ui/Nebenfenster.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace mvt {

struct TKatalog;
class TCraftingSitzung;
class TPreiszeile;

// The masters last confirmed with Okay; they live for the run, not in the options file.
struct TPreisdialogMaster {
    int Verkauf = 100;
    int Einkauf = 100;
    int Stufe = 0; // "Alle Stufe I"
    int Schichtkosten = 25;
};

class TForm3 : public TNebenfenster {
    Q_OBJECT
public:
    // Shows the session's prices and buildings; Okay hands them to the session, which has
    // them recomputed.
    TForm3(TCraftingSitzung &crafting, QWidget *hauptfenster);

    static constexpr int PreiszelleBreite = 150, PreiszelleHoehe = 50; // at least
    // A price cell's width: wider than PreiszelleBreite when the font needs it for the
    // gold field's largest value.
    int Preiszellenbreite() const;
    static constexpr int GebaeudezelleBreite = 130, GebaeudezelleHoehe = 60;

    QScrollArea *ScrollBox1;
    QWidget *Zellen; // the scrolled surface
    QLabel *Label1;
    QSpinBox *SpinEditVerkaufspreisProzentMaster;
    QComboBox *ComboboxGebaeudeMaster;
    QSpinBox *SpinEditGebaeude;
    QLabel *LabelGebaeudeGold;
    QToolButton *SpeedButtonOkay;
    QToolButton *SpeedButtonAbbrechen;

    // One row of the current showing.
    struct TZeile {
        QWidget *Zelle = nullptr;
        QLabel *Name = nullptr;
        QLineEdit *Gold = nullptr;
        QSpinBox *Prozent = nullptr;
        TPreiszeile *Kopplung = nullptr;
        int Art = 0; // building kind (kind 3)
        QComboBox *Stufe = nullptr;
        QSpinBox *Schichtkosten = nullptr;
    };
    const std::vector<TZeile> &Zeilen() const { return m_zeilen; }
    const TPreisdialogMaster &Master() const { return m_master; }

    void SpeedButtonOkayClick();

protected:
    void FormShow() override;
    void FormClose() override;
    void resizeEvent(QResizeEvent *ereignis) override;

private:
    int Art() const { return Tag % 10; }
    int Modus() const { return Tag / 10; }
    void ZeilenAnlegen();
    void ZeilenEntfernen();
    void Anordnen();
    void MasterProzentChange();
    void MasterStufeChange(int index);
    void MasterSchichtChange();

    TCraftingSitzung &m_crafting;
    std::vector<TZeile> m_zeilen;
    TPreisdialogMaster m_master;
    bool m_fuellen = false;
};

} // namespace mvt
