// The tab "Bausatzrechner": the item browser (catalogue tree, item details, quantity
// controls), the build list and the four cost pages with the analysis, each an area of its
// own; this page puts them together and carries out what they ask for. The main window
// embeds it as a page; it works as well on its own (tests, screenshots).
#pragma once

#include "crafting/Kostenseiten.h"
#include "crafting/ui/Kostenblatt.h"
#include "base/Optionen.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QMenu;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QTreeWidget;

namespace mvt {

class TBausatzrechnerSeite;
class TBaulistenbereich;
class TKatalogbereich;
class TLagerbereich;

// The controls of the cost pages by page number 1..4.
class TKostenseitenZugang {
public:
    explicit TKostenseitenZugang(TBausatzrechnerSeite &seite) : m_seite(seite) {}
    // Throws std::out_of_range for a number outside 1..4.
    TKostenseitenSteuerung &operator[](size_t k) const;

private:
    TBausatzrechnerSeite &m_seite;
};

class TSitzung;

class TBausatzrechnerSeite : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 784;
    static constexpr int Hoehe = 556;

    // The references stay valid for the page's life; the catalogue may still be empty
    // (it is filled before Aufbauen). The options are the session's; the page is shown
    // again when the session reports a change.
    TBausatzrechnerSeite(TSitzung &sitzung, const TKatalog &katalog, TCraftingZustand &crafting,
                         QWidget *eltern = nullptr);

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
    std::function<void(int tag)> PreisdialogOeffnen;     // TForm3, tag 10 x page + kind
    std::function<void(int tag)> DetailanalyseOeffnen;   // TForm6, tag = page
    std::function<void()> ExportOeffnen;                 // TForm9
    std::function<void(int modus)> MengendialogOeffnen;  // TForm2, 1 add, 2 set
    std::function<void()> LagerOeffnen;                  // window "Lager"
    std::function<void(int modus)> EinkaufslisteOeffnen; // window "Einkaufsliste", the shown mode

    // After the stock changed (window "Lager"): the figures follow when it counts.
    void LagerGeaendert();

    // The quantity dialog's Okay: mode 1 adds n kits of the selected catalogue item, mode
    // 2 sets the selected build-list entry to n kits (0 removes it). Other modes do nothing.
    void MengendialogBestaetigt(int modus, int64_t n);
    // The item the quantity dialog is about: mode 1 the catalogue selection, mode 2 the
    // selected build-list entry. Art ArtKeine when there is none.
    TSammelEintrag MengendialogItem(int modus) const;

    // The areas.
    TKatalogbereich *Katalogbereich;
    TBaulistenbereich *Baulistenbereich;
    TLagerbereich *Lagerbereich;                              // below the catalogue tree
    std::array<TKostenblatt *, AnzahlModi + 1> Kostenblatt{}; // [1..4]

    // Their controls, as the tests, the benchmark and the main window reach them.
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
    QCheckBox *CheckBoxLager;
    QToolButton *SpeedButtonLager, *SpeedButtonEinkaufsliste;
    QLabel *LabelWirkungBerechnen;
    QMenu *PopupMenuTextAnzeigen;
    QAction *BaulistealsTextanzeigen1;

    QTabWidget *PageControl2;
    QButtonGroup *PageControl2Knoepfe; // the page control's tabs as a 2 x 2 block of buttons
    const TKostenseitenZugang Kostenseite{*this};

    // The steps of the recomputation, public for the benchmark.
    void AllesNeuBerechnen();
    void BaulisteAnzeigen();
    void KostenseitenAufbauen();
    void AnalyseAnzeigen();
    void AnalyseLeeren();
    void DetailsVerbergen();
    // BerechneAnalyse and AnalyseAnzeigen: after a price, building or potency edit.
    void AnalyseNeuBerechnen();

private:
    friend class TKostenseitenZugang;
    void KostenbereichAnlegen();
    // The cost page k with its controls made. Each page is made when first shown (the page
    // control shows once the build list has an entry) or asked for, and then shows what the
    // pages made before show (StandZeigen).
    TKostenblatt &Blatt(size_t k);
    // The rows last determined, the analysis of the build list, or neither while it is empty.
    void StandZeigen(TKostenblatt &blatt);
    void Hinzufuegen(const QString &name, int64_t stueck);
    std::optional<int32_t> PreisSpeichern(bool verkauf, const QString &name, const QString &text);

    const TKatalog &m_katalog;
    TCraftingZustand &m_crafting;
    const TOptionen &m_optionen;
    // What the session computed: the tree, the cost pages and the analysis shown.
    void BaulisteZeigen();
    void ErgebnisseZeigen();
    bool m_fuellen = false; // KostenseitenAufbauen writes the controls
    // The rows the cost pages show; kept while the list is empty (the fields are hidden
    // then), none before the first build list.
    std::optional<std::array<TKostenseite, AnzahlModi + 1>> m_seiten;
};

} // namespace mvt
