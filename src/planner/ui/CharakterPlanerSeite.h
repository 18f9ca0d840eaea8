// The page "Charakter-Planer": it composes its areas (attributes and the character's
// buttons, the slot column, the value column, the evaluation pages, the equipment menus)
// and handles what they report on the program's character. The main window embeds it as
// TabSheet5; it works as well on its own (tests, screenshots).
#pragma once

#include "planner/Inventar.h"
#include "planner/Optimierer.h"
#include "planner/Planer.h"
#include "planner/PlanerSitzung.h"
#include "planner/Spineingabe.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QLineEdit;
class QMenu;
class QSpinBox;
class QTimer;

namespace mvt {

struct TKatalog;
struct TOptionen;
class TAttributbereich;
class TAusruestungsmenues;
class TBewertungsseiten;
class TForm10;
class TSlotspalte;
class TVergleichsanzeige;
class TWertespalte;

class TSitzung;

class TCharakterPlanerSeite : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 784;
    static constexpr int Hoehe = 556;

    // planer: the session's part that holds the program's character, which the page starts
    // and then changes through the part's setters only; it outlives the page. The page
    // reads the session's options, changes the planner world through the session and
    // follows the session's and the part's changes from its construction on.
    TCharakterPlanerSeite(TSitzung &sitzung, planer::TPlanerSitzung &planer, QWidget *parent = nullptr);
    ~TCharakterPlanerSeite() override;

    // The one character of the program, read only.
    const planer::TPlaner &Planer() const;
    const TKatalog &Katalog() const { return m_katalog; }

    // Milliseconds of a steady clock; tests replace it.
    std::function<int64_t()> Uhr;
    // The message timer of the import (the main window owns it; the page makes its own
    // when none is given).
    void MeldungsTimerSetzen(QTimer *timer);

    void OptimiererfensterVerbinden(TForm10 *fenster);
    TForm10 *Optimiererfenster() const { return m_form10; }

    // The popup menus, for the main window's menu hints; their entries are made when a
    // menu first opens.
    QList<QMenu *> PopupMenues() const;
    // Every popup menu's entries made now (for reading them without opening a menu).
    void MenuesAnlegen();

    // The options as they are: the menu hints, the potency switch's state and the values
    // (the part has computed them with its option record already).
    void OptionenUebernehmen();
    // The values and the evaluation computed and shown again.
    void CharakterNeuBerechnen();
    // ZeigeCharakter and ZeigeBewertung into the controls.
    void Anzeigen();

    // Handlers.
    void SpinEditLevelChange();
    void SpinEditAttributChange(planer::TAttribut a);
    void EditErfahrungChange();
    void ButtonInventarAuslesenClick();
    void InventarTextAuslesen(const QString &text); // the import of a given text
    void ButtonInventarLoeschenClick();
    void CheckBoxCPWirkungBerechnenClick();
    void RadioButtonWerteImNahkampfClick();
    void RadioButtonWerteImFernkampfClick();
    void ButtonAttributeOptimierenClick();
    void SpeedButtonSlotClick(planer::TSlot s);
    void MenueEintragGewaehlt(planer::TSlot s, const QString &eintrag);
    void VerzauberungGewaehlt(const QString &beschriftung);
    void VerzauberungsmenueOeffnen(planer::TSlot s, const QPoint &global);
    void SlotwertGeaendert(planer::TSlot s, planer::TSlotFeld f);
    void GegnerFeldGeaendert(planer::TGegnerFeld f);
    void GegnerVorgabeClick(const QString &name);
    // Charakter speichern/laden: the JSON of `morvaren-cli planer`.
    void ButtonCharakterSpeichernClick();
    void ButtonCharakterLadenClick();
    bool CharakterSpeichern(const QString &datei);
    bool CharakterLaden(const QString &datei);

    // The hint of an equipment menu entry followed by what choosing it would change; made
    // when the entry is hovered and kept until the character, opponent or view changes.
    QString WasWaereWennHinweis(QAction *eintrag);
    // "Vergleichen mit...": a character file as the comparison base; the character stays.
    void ButtonVergleichenClick();
    void ButtonVergleichBeendenClick();
    bool VergleichLaden(const QString &datei);
    bool VergleichAktiv() const { return m_basis != nullptr; }
    // The what-if hint of a menu's entries made when one is hovered.
    void WasWaereWennAnbinden(QMenu *menue);
    // While the optimiser searches, nothing may change the character.
    bool OptimierungSperrt() const { return m_optimierungSperrt; }

    // From the optimiser window: an opponent text typed there.
    void GegnerTextUebernehmen(planer::TGegnerFeld f, const QString &text);

    QLineEdit *GegnerFeld(planer::TGegnerFeld f) const;
    QSpinBox *AttributEingabe(planer::TAttribut a) const;

private:
    void GegnerFarbenZeigen();
    void AttributfarbenZuruecksetzen();
    void PotenzschalterZeigen();
    void EingabenFreigeben(bool an);
    // A search began or ended (the part's report): the inputs locked or freed again, the
    // attributes green when its result was taken.
    void OptimierungGeaendert(bool laeuft, bool angewendet);
    // The view or the opponent changed: the view's column and the evaluation.
    void BewertungNeuZeigen();
    void BewertungZeigen();
    void VergleichZeigen();
    void GegnerTexteZeigen();
    bool Shift() const;
    bool Strg() const;
    int64_t Jetzt() const;

    const TKatalog &m_katalog;
    TSitzung &m_sitzung;
    planer::TPlanerSitzung &m_planer;
    const TOptionen &m_optionen;
    QPointer<TForm10> m_form10;
    QTimer *m_meldungsTimer = nullptr;

    int64_t m_letzteLevelAenderung = -100000;
    std::array<int32_t, 4> m_gespeicherteAttribute{};
    planer::TSlot m_verzauberungsSlot = planer::SlotHelm;
    bool m_optimierungSperrt = false;

    // Comparison base (not part of the options) and the second texts it gives.
    std::unique_ptr<planer::TPlaner> m_basis;
    std::unique_ptr<TVergleichsanzeige> m_vergleichsanzeige;
    // Counts the shown states; a menu entry's what-if hint belongs to one of them.
    int m_anzeigeStand = 1;

    // The areas, in the order of the Tab key.
    TAttributbereich *m_attribute;
    TSlotspalte *m_slots;
    TAusruestungsmenues *m_menues;
    TWertespalte *m_werte;
    TBewertungsseiten *m_bewertung;
};

} // namespace mvt
