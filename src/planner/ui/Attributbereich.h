// The left column of the planner tab: level, experience and attributes with what follows
// from them, and the buttons of the character as a whole (optimiser, inventory import,
// "Alles löschen", potency switch, comparison and character files).
#pragma once

#include "planner/Planer.h"
#include "planner/Spineingabe.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace mvt {

class TCharakterPlanerSeite;

class TAttributbereich : public QWidget {
    Q_OBJECT
public:
    // Left of the slot column, the page's full height.
    static constexpr QRect Ort{0, 0, 218, 556};

    // Controls are connected to the page's handlers.
    explicit TAttributbereich(TCharakterPlanerSeite &seite);

    // Level, experience, attributes and the texts derived from them.
    void Zeigen(const planer::TPlaner &p);

    // The memories of the spin inputs' entry check.
    planer::TSpinGedaechtnis LevelGedaechtnis;
    std::array<planer::TSpinGedaechtnis, 4> AttributGedaechtnis{};

    QSpinBox *SpinEditLevel;
    QLineEdit *EditErfahrung;
    QLabel *LabelLevelUpBei;
    QLabel *LabelLevelUpNoch;
    std::array<QSpinBox *, 4> Attribut{};
    QLabel *LabelFreieAtrribute;
    QLabel *LabelMaxLP;
    QLabel *LabelMaxTraglast;
    QLabel *LabelBewegungsgeschwindigkeit;
    QLabel *LabelCPWelt;
    QPushButton *ButtonAttributeOptimieren;
    QPushButton *ButtonInventarAuslesen;
    QLabel *LabelInventarAuslesen;
    QPushButton *ButtonInventarLoeschen;
    QCheckBox *CheckBoxCPWirkungBerechnen;
    QLabel *LabelCPWirkungBerechnen;
    QPushButton *ButtonVergleichen;
    QPushButton *ButtonVergleichBeenden;
    QPushButton *ButtonCharakterSpeichern;
    QPushButton *ButtonCharakterLaden;
};

} // namespace mvt
