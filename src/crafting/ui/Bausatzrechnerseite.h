// The tab "Bausatzrechner": the catalogue tree with the item details, the quantity
// controls, the build list and the four cost pages with the analysis. The main window
// embeds it as a page; it works as well on its own (tests, screenshots).
#pragma once

#include "crafting/Kostenseiten.h"
#include "base/Optionen.h"

#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace mvt {

class TPreiszeile;

// The controls of one cost page (k = 1..4); names as the page's objectName suffixes.
struct TKostenseitenSteuerung {
    QWidget *TabSheet = nullptr;
    QLabel *LabelVerkaufspreis0 = nullptr, *LabelVerkaufspreis1 = nullptr;
    QLineEdit *EditVerkaufspreisGold = nullptr;
    QLabel *LabelVerkaufspreisGold = nullptr;
    QSpinBox *SpinEditVerkaufspreisProzent = nullptr;
    QLabel *LabelVerkaufspreisProzent = nullptr;
    QToolButton *SpeedButtonVerkaufspreis = nullptr;
    TPreiszeile *Verkaufszeile = nullptr;

    QLabel *LabelGebaeude0 = nullptr, *LabelGebaeude1 = nullptr;
    QComboBox *ComboBoxGebaeude = nullptr;
    QSpinBox *SpinEditGebaeude = nullptr;
    QLabel *LabelGebaeudeGold = nullptr;
    QToolButton *SpeedButtonGebaeude = nullptr;

    QLabel *LabelKosten0 = nullptr, *LabelKostenGold = nullptr, *LabelKostenProzent = nullptr;
    std::array<QLabel *, 6> LabelKosten{};             // [1..5]
    std::array<QLineEdit *, 6> EditKostenGold{};       // [1..5]
    std::array<QSpinBox *, 6> SpinEditKostenProzent{}; // [1..5]
    std::array<TPreiszeile *, 6> Kostenzeile{};        // [1..5]
    QToolButton *SpeedButtonKosten = nullptr;

    QLabel *LabelAnalyse0 = nullptr;
    std::array<QLabel *, 9> LabelAnalyseStatic{}; // [1..8]
    std::array<QLabel *, 9> LabelAnalyse{};       // [1..8]
    QToolButton *SpeedButtonAnalyse = nullptr;
};

class TSitzung;

class TBausatzrechnerSeite : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 784;
    static constexpr int Hoehe = 556;

    // The references stay valid for the page's life; the catalogue may still be empty
    // (the main window fills it after creating its pages, then calls Aufbauen).
    TBausatzrechnerSeite(const TKatalog &katalog, TCraftingZustand &crafting, TOptionen &optionen,
                         QWidget *eltern = nullptr);
    // On the session's state; shown again when the session reports a change.
    TBausatzrechnerSeite(TSitzung &sitzung, QWidget *eltern);

    // Builds the catalogue tree (once) and shows the empty state.
    void Aufbauen();

    // After the build list changed from outside (a loaded file): the build-list tree is
    // rebuilt and everything recomputed and shown.
    void BaulisteGeaendert();
    // After prices or buildings changed from outside (price dialog, settings window):
    // analysis, cost pages and profit display, when the list is not empty.
    void Neuberechnen();
    // Shows the selected catalogue item again (the world variant changed).
    void ItemDetailsAnzeigen();

    // Windows opened from this page; filled by the main window.
    std::function<void(int tag)> PreisdialogOeffnen;    // TForm3, tag 10 x page + kind
    std::function<void(int tag)> DetailanalyseOeffnen;  // TForm6, tag = page
    std::function<void()> ExportOeffnen;                // TForm9
    std::function<void(int modus)> MengendialogOeffnen; // TForm2, 1 add, 2 set

    // The quantity dialog's Okay: mode 1 adds n kits of the selected catalogue item, mode
    // 2 sets the selected build-list entry to n kits (0 removes it).
    void MengendialogBestaetigt(int modus, int64_t n);
    // The item the quantity dialog is about: mode 1 the catalogue selection, mode 2 the
    // selected build-list entry. Art ArtKeine when there is none.
    TSammelEintrag MengendialogItem(int modus) const;

    QTreeWidget *TreeView1;
    std::array<QLabel *, 6> LabelItem{};        // [1..5]
    std::array<QLabel *, 6> LabelZutat{};       // [0..5]
    std::array<QLabel *, 5> LabelHerstellung{}; // [0..4]
    QLabel *LabelHerstellungSpezial;
    std::array<QLabel *, 3> LabelMarktwert{};

    QToolButton *SpeedButtonBauen;
    QRadioButton *RadioButtonBaumenge1, *RadioButtonBaumenge2;
    QLabel *LabelBaumenge1, *LabelBaumenge2;
    QSpinBox *SpinEditBaumenge1, *SpinEditBaumenge2, *SpinEditBaumenge3;
    QTreeWidget *TreeView2;
    QToolButton *SpeedButtonLoeschen, *SpeedButtonBearbeiten;
    QCheckBox *CheckBoxWirkungBerechnen;
    QLabel *LabelWirkungBerechnen;
    QMenu *PopupMenuTextAnzeigen;
    QAction *BaulistealsTextanzeigen1;

    QTabWidget *PageControl2;
    QButtonGroup *PageControl2Knoepfe; // the page control's tabs as a 2 x 2 block of buttons
    std::array<TKostenseitenSteuerung, AnzahlModi + 1> Kostenseite{}; // [1..4]

    // The steps of the recomputation, public for the benchmark.
    void AllesNeuBerechnen();
    void BaulisteAnzeigen();
    void KostenseitenAufbauen();
    void AnalyseAnzeigen();
    void AnalyseLeeren();
    void DetailsVerbergen();
    // BerechneAnalyse and AnalyseAnzeigen: after a price, building or potency edit.
    void AnalyseNeuBerechnen();

    void SpeedButtonBauenClick();
    void SpeedButtonLoeschenClick();
    void SpeedButtonBearbeitenClick();
    void CheckBoxWirkungBerechnenClick();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void SteuerelementeAnlegen();
    void KostenseiteAnlegen(int k);
    void TreeView1Change();
    void TreeView2Change();
    void SpinEditBaumengeChange(QSpinBox *feld);
    void SpinEditBaumenge3Change();
    void EinenBausatzHinzufuegen();
    void BausatzAbziehenClick();
    void KnotenEntfernen(QTreeWidgetItem *knoten);
    // Follows a change of the selected entry in the view; false when nothing changed.
    bool AenderungZeigen(TAenderung a);
    void Bearbeitungsknoepfe();
    TSammelEintrag Katalogauswahl() const;
    TSammelEintrag Baulistenauswahl() const;
    void ComboBoxGebaeudeChange(int k, int index);
    void SpinEditGebaeudeChange(int k);
    std::optional<int32_t> PreisSpeichern(bool verkauf, const QString &name, const QString &text);

    const TKatalog &m_katalog;
    TCraftingZustand &m_crafting;
    TOptionen &m_optionen;
    // Ctrl held, as the tree handlers see it: set aside while an operation started by a
    // Ctrl click runs, so that the rebuilt trees may expand their nodes again.
    bool Strg() const;
    bool m_strgAusgesetzt = false;
    bool m_fuellen = false; // KostenseitenAufbauen writes the controls
    bool m_baumGebaut = false;
    std::array<TKostenseite, AnzahlModi + 1> m_seiten{};
};

} // namespace mvt
