// Optimiser window TForm10 ("Optimierungsoptionen"), docked to the left of the main
// window and shown only while the character planner page is active: the opponent, melee or
// ranged combat, the priority of offence over defence, minimum attributes (optionally a
// race's start attributes), reserved points and "Optimieren", which runs the attribute
// search on a worker thread.
#pragma once

#include "planner/Bewertung.h"
#include "planner/PlanerSitzung.h"
#include "planner/Spineingabe.h"
#include "ui/Nebenfenster.h"

#include <QPointer>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSpinBox;
class QToolButton;

namespace mvt {

class TCharakterPlanerSeite;

class TForm10 : public TNebenfenster {
    Q_OBJECT
public:
    // planer: the part whose optimiser inputs this window shows and changes and whose
    // character it optimises.
    TForm10(planer::TPlanerSitzung &planer, QWidget *hauptfenster);

    // The window is to be shown while the character planner page is active.
    bool OptimiererOffen = false;

    void FormCreate() override;
    // The controls, made at the first showing or the first call that needs them: the
    // program creates this window at start, where nobody sees it.
    void InhaltAnlegen();

    // Right edge 9 pixels left of the main window, top 78 pixels below the main window's
    // top, moved as little as needed to lie wholly on the screen that holds the main
    // window. The player may move the window afterwards.
    void Andocken();

    // The planner page whose opponent fields this window mirrors and whose clock it reads;
    // without a page the inputs do nothing.
    void Verbinden(TCharakterPlanerSeite *seite);
    // The optimiser inputs of the model into the controls.
    void ZustandAnzeigen();
    // An opponent text of the main tab, written without firing this window's handler.
    void GegnerTextSetzen(planer::TGegnerFeld f, const QString &text);
    void GegnerFarbenSetzen(bool minimumUngueltig, bool maximumUngueltig);

    // Handlers.
    void ButtonAttributeOptimierenClick();
    void MindestwertGeaendert(int eingabe);
    void RadioButtonRasseClick(int rasse);
    void ScrollBarPrioritaetChange();
    void SpeedButtonKampfartClick(bool fernkampf);
    void CheckBoxGegnerBeruecksichtigenClick();

    bool OptimierungLaeuft() const;

protected:
    void VorDemZeigen() override { InhaltAnlegen(); }
    void FormShow() override;
    void FormClose() override;

private:
    void Anlegen();
    void KampfartZeigen();
    void BleibenZeigen();
    void EingabenSperren(bool sperren);

    bool m_angelegt = false;
    planer::TPlanerSitzung &m_planer;
    QPointer<TCharakterPlanerSeite> m_seite;
    std::array<planer::TSpinGedaechtnis, 5> m_gedaechtnis{};
    QByteArray m_charakterBeimStart; // the character as the search saw it

    std::array<QLineEdit *, planer::AnzahlGegnerFelder> m_gegner{};
    QToolButton *SpeedButtonNahkampf;
    QToolButton *SpeedButtonFernkampf;
    QScrollBar *ScrollBarPrioritaet;
    QProgressBar *ProgressBar1;
    QLabel *LabelOffensivProzent;
    QLabel *LabelDefensivProzent;
    QCheckBox *CheckBoxGegnerBeruecksichtigen;
    std::array<QSpinBox *, 5> m_mindest{};   // Stärke, Geschick, Konstitution, Intelligenz, Reserviert
    std::array<QRadioButton *, 8> m_rasse{}; // by race tag 1..7
    QLabel *LabelAttributeBleibenFuerOptimierung;
    QLabel *LabelFuerOptimierung;
    QLabel *LabelWarnung;
    QPushButton *ButtonAttributeOptimieren;
};

} // namespace mvt
