// Settings window TForm7 ("Einstellungen"): every option, price, building level and potency.
// The controls exist for the whole run and are reloaded from the data at every showing;
// the 719 price rows of a price page are created the first time that page is shown.
#pragma once

#include "online/OnlineSitzung.h"
#include "settings/Einstellungen.h"
#include "ui/Nebenfenster.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace mvt::planer {
class TPlanerSitzung;
}

namespace mvt {

class TCraftingSitzung;
class TPreiszeile;
class TSitzung;

namespace routen {
class TRoutenSitzung;
}

class TForm7 : public TNebenfenster {
    Q_OBJECT
public:
    // Works on the session's state; Okay hands the options to the session's setters, which
    // tell the windows. What it works on besides the options: parts of the program state.
    struct TZiele {
        const TKatalog &Katalog;
        TCraftingSitzung &Crafting;     // prices and buildings, read and set
        online::TOnlineSitzung &Online; // the date of the next automatic version check
        planer::TPlanerSitzung &Planer; // recomputed with the confirmed options
        routen::TRoutenSitzung &Routen; // the zone widths the maps draw
    };
    TForm7(TSitzung &sitzung, const TZiele &ziele, QWidget *hauptfenster);
    ~TForm7() override;

    std::function<double()> Jetzt; // the clock in days; empty: the system clock
    // The pages and buttons are built before the window is first shown (start-up does not
    // wait for them); this builds them now (tests, benchmarks). Once.
    void SeitenAnlegen();

    QTabWidget *PageControl1 = nullptr;
    // "Morvaren Tool"
    QCheckBox *CheckBoxShowHints = nullptr;
    QCheckBox *CheckBoxAutoUpdate = nullptr;
    QCheckBox *CheckBoxKaempfeArchivieren = nullptr;
    bool m_kaempfeArchivieren = false; // as read from the combat archive when shown
    QTableWidget *ValueListEditorFertigkeiten = nullptr;
    QTableWidget *ValueListEditorHandwerk = nullptr;
    QPushButton *ButtonWirkungenZuruecksetzen = nullptr;
    QPushButton *ButtonReadWirkungClipboard = nullptr;
    QLabel *LabelWirksamkeitImportOkay = nullptr;
    // "Bausatzrechner"
    QTabWidget *PageControl2 = nullptr;
    QCheckBox *CheckBoxTreeViewAutoExpand = nullptr;
    QCheckBox *CheckBoxSaveUserAngaben = nullptr;
    QPushButton *ButtonPreiseZuruecksetzen = nullptr;
    QRadioButton *RadioButtonBSRAlteWelt = nullptr;
    QRadioButton *RadioButtonBSRNeueWelt = nullptr;
    QCheckBox *CheckBoxBSRWirkungBerechnen = nullptr;
    QTabWidget *PageControlPreise = nullptr;
    QComboBox *ComboboxGebaeudeMaster = nullptr;
    QSpinBox *SpinEditGebaeude = nullptr;
    std::array<QComboBox *, AnzahlHandwerksgebaeude + 1> ComboBoxGebaeude{};
    std::array<QSpinBox *, AnzahlHandwerksgebaeude + 1> SpinEditSchichtkosten{};
    // "Routenplaner"
    QSpinBox *SpinEditUebertragungsintervall = nullptr;
    QSpinBox *SpinEditSZone = nullptr;
    QSpinBox *SpinEditBZone = nullptr;
    QSpinBox *SpinEditSZoneHS = nullptr;
    QSpinBox *SpinEditBZoneHS = nullptr;
    QPushButton *ZonenZuruecksetzen = nullptr;
    QCheckBox *CheckBoxStadtAutoUpdate = nullptr;
    QCheckBox *CheckBoxAuftragsOptimierung = nullptr;
    // "Charakter-Planer"
    QCheckBox *CheckBoxCPWirkungBerechnen = nullptr;
    QRadioButton *RadioButtonCPAlteWelt = nullptr;
    QRadioButton *RadioButtonCPNeueWelt = nullptr;

    QPushButton *ButtonOkay = nullptr;
    QPushButton *ButtonAbbrechen = nullptr;

    // The 33 "Alle" boxes in the order of AlleBoxen().
    std::array<QSpinBox *, AnzahlAlleBoxen> AlleBox{};
    // One price row's controls; null until its page has been shown.
    struct TPreisZeilenFelder {
        QLabel *Name = nullptr;
        QLineEdit *VerkaufGold = nullptr;
        QSpinBox *VerkaufProzent = nullptr;
        TPreiszeile *Verkauf = nullptr;
        QLineEdit *EinkaufGold = nullptr;
        QSpinBox *EinkaufProzent = nullptr;
        TPreiszeile *Einkauf = nullptr;
    };
    const TPreisZeilenFelder &Preiszeile(int zeile) const { return m_zeilen[static_cast<size_t>(zeile)]; }
    // Creates the rows of price page `seite` now (tests, benchmarks); showing the page does it too.
    void PreisseiteAufbauen(int seite);
    int AufgebauteZeilen() const;

    TErinnerteWerte Erinnert;

    void FormShowAusfuehren() { FormShow(); }
    void ButtonOkayClick();
    void ButtonAbbrechenClick();
    void ButtonPreiseZuruecksetzenClick();
    void ZonenZuruecksetzenClick();
    void ButtonWirkungenZuruecksetzenClick();
    void ButtonReadWirkungClipboardClick();
    void ComboboxGebaeudeMasterChange(int position);
    void SpinEditGebaeudeChange(int wert);
    void RadioButtonCPWeltClick();
    void AlleBoxChange(int box);

protected:
    void VorDemZeigen() override { SeitenAnlegen(); }
    void FormShow() override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void SeiteMorvarenTool(QWidget *seite);
    void SeiteBausatzrechner(QWidget *seite);
    void SeitePreise(QWidget *seite);
    void SeiteGebaeude(QWidget *seite);
    void SeiteRoutenplaner(QWidget *seite);
    void SeiteCharakterPlaner(QWidget *seite);
    void ZeileAnzeigen(int zeile);
    bool m_seitenAngelegt = false;
    void AlleWerteZeigen();
    void WirkungZeilePruefen(QTableWidget *liste, int zeile);
    // The data the rules work on, with the options record, the prices and the version check
    // date given.
    TEinstellungsDaten Daten(TOptionen &optionen, TPreise &preise, double &naechstePruefung);
    double JetztTage() const;

    TSitzung &m_sitzung;
    TZiele m_ziele;
    std::vector<TPreisZeilenFelder> m_zeilen;
    std::vector<QWidget *> m_preisflaechen;              // content widget per price page
    std::vector<std::vector<QWidget *>> m_unterflaechen; // per page, per sub-page
    std::vector<bool> m_seiteAufgebaut;
    std::array<int, 2> m_gemerkteWirkungszeile{0, 0}; // Fertigkeiten, Handwerk
    bool m_pruefeWirkung = false;
};

} // namespace mvt
