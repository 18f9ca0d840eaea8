// The page "Charakter-Planer": level, experience and attributes, the ten slot buttons with
// their menus and value fields, the effective values in a melee and a ranged column, the
// evaluation pages "Offensive" and "Defensive", the inventory import, "Alles löschen", the
// potency switch and the character files. The main window embeds it as TabSheet5; it works
// as well on its own (tests, screenshots).
#pragma once

#include "planner/Inventar.h"
#include "planner/Optimierer.h"
#include "planner/Planer.h"
#include "planner/Spineingabe.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTimer;
class QToolButton;

namespace mvt {

struct TKatalog;
struct TOptionen;
class TForm10;
class TVergleichsanzeige;

class TSitzung;

class TCharakterPlanerSeite : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 784;
    static constexpr int Hoehe = 556;

    TCharakterPlanerSeite(const TKatalog &katalog, TOptionen &optionen, QWidget *parent = nullptr);
    // On the session's catalogue and options; follows the session's changes.
    TCharakterPlanerSeite(TSitzung &sitzung, QWidget *parent);
    ~TCharakterPlanerSeite() override;

    // The one character of the program and the optimiser window's inputs.
    planer::TPlaner Planer;
    planer::TOptimiererZustand Optimierer;

    // Milliseconds of a steady clock; tests replace it.
    std::function<int64_t()> Uhr;
    // The message timer of the import (the main window owns it; the page makes its own
    // when none is given).
    void MeldungsTimerSetzen(QTimer *timer);

    void OptimiererfensterVerbinden(TForm10 *fenster);
    TForm10 *Optimiererfenster() const { return m_form10; }

    // The popup menus, for the main window's menu hints.
    QList<QMenu *> PopupMenues() const;

    // Options into the planner: world, potency switch and potencies; the switch's state
    // and the menu hints; then computes and shows.
    void OptionenUebernehmen();
    // The values and the evaluation computed and shown again (the settings changed).
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

    // From the optimiser window: an opponent text typed there, the search's start and end.
    void GegnerTextUebernehmen(planer::TGegnerFeld f, const QString &text);
    void OptimierungGestartet();
    void OptimierungBeendet(const planer::TOptimierungsErgebnis &e, bool anwenden);

    QLineEdit *GegnerFeld(planer::TGegnerFeld f) const { return m_gegner[f]; }
    QSpinBox *AttributEingabe(planer::TAttribut a) const { return m_attribut[a]; }

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    struct TFeld {
        QLabel *Beschriftung = nullptr;
        QLineEdit *Edit = nullptr;
    };
    struct TErgebniszeile {
        QLabel *Beschriftung = nullptr;
        QLabel *Wert = nullptr;
    };
    struct TWaffenlabels {
        QLabel *Name, *SchadenB, *Schaden, *TempoB, *Tempo, *TreffB, *Treff, *KritB, *Krit;
    };
    struct TSpalte {
        QFrame *Rahmen;
        QRadioButton *Wahl;
        QLabel *Titel, *Aktiv;
        QLabel *RuesB, *Rues, *AbsB, *Abs, *AuswB, *Ausw, *BehB, *Beh, *BlockB, *Block;
        std::array<TWaffenlabels, 2> Waffen;
    };

    void CharakterbereichAnlegen();
    void SlotsAnlegen();
    void MenuesAnlegen();
    void SpaltenAnlegen();
    void BewertungAnlegen();
    TSpalte SpalteAnlegen(const QString &name, const QString &titel, int x, int y, int h);
    void SpalteZeigen(TSpalte &sp, const planer::TKampfspalte &k, bool fern);
    void SlotsZeigen();
    void BewertungZeigen();
    void GegnerFarbenZeigen();
    void AnsichtZeigen();
    void AttributfarbenZuruecksetzen();
    void NachAenderung(); // Aktualisieren + Anzeigen + optimiser window refreshed
    void PotenzschalterZeigen();
    void EingabenFreigeben(bool an);
    void VergleichAnlegen();
    void WasWaereWennAnbinden(QMenu *menue);
    void VergleichZeigen();
    bool Shift() const;
    bool Strg() const;
    int64_t Jetzt() const;

    const TKatalog &m_katalog;
    TOptionen &m_optionen;
    QPointer<TForm10> m_form10;
    QTimer *m_meldungsTimer = nullptr;

    planer::TSpinGedaechtnis m_levelGedaechtnis;
    std::array<planer::TSpinGedaechtnis, 4> m_attributGedaechtnis{};
    int64_t m_letzteLevelAenderung = -100000;
    std::array<int32_t, 4> m_gespeicherteAttribute{};
    planer::TSlot m_verzauberungsSlot = planer::SlotHelm;
    // Editing a value field: it keeps its text while the rest is shown again, and its
    // damage partner's colour from when it was entered.
    QLineEdit *m_bearbeitet = nullptr;
    QColor m_partnerFarbe;
    // The slot's item when its value fields were last coloured: the colours follow a choice
    // of item, while typing into one field colours only that field.
    std::array<QString, planer::AnzahlSlots> m_farbStand{};
    bool m_optimierungSperrt = false;

    // Character area.
    QSpinBox *SpinEditLevel;
    QLineEdit *EditErfahrung;
    QLabel *LabelLevelUpBei;
    QLabel *LabelLevelUpNoch;
    std::array<QSpinBox *, 4> m_attribut{};
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
    QPushButton *ButtonCharakterSpeichern;
    QPushButton *ButtonCharakterLaden;
    QPushButton *ButtonVergleichen = nullptr;
    QPushButton *ButtonVergleichBeenden = nullptr;

    // Comparison base (not part of the options) and the second texts it gives.
    std::unique_ptr<planer::TPlaner> m_basis;
    std::unique_ptr<TVergleichsanzeige> m_vergleichsanzeige;
    // Counts the shown states; a menu entry's what-if hint belongs to one of them.
    int m_anzeigeStand = 1;

    // Slots.
    std::array<QToolButton *, planer::AnzahlSlots> m_slotKnopf{};
    std::array<QLabel *, planer::AnzahlSlots> m_verzauberungsZeile{};
    std::array<std::array<TFeld, 12>, planer::AnzahlSlots> m_felder{};
    std::array<QMenu *, planer::AnzahlMenues> m_menue{};
    QMenu *PopupMenuVerzauberungen;

    // Effective values.
    QLabel *LabelEffektiveWerte;
    TSpalte m_nah{};
    TSpalte m_fern{};

    // Evaluation.
    QTabWidget *PageControl3;
    std::array<QLineEdit *, planer::AnzahlGegnerFelder> m_gegner{};
    std::array<QLabel *, planer::AnzahlGegnerFelder> m_gegnerBeschriftung{};
    std::array<TErgebniszeile, 8> m_offensiv{};
    std::array<TErgebniszeile, 8> m_defensiv{};
};

} // namespace mvt
