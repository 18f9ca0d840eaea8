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

class QButtonGroup;
class QMenu;
class QTabWidget;

namespace mvt {

class TBaulistenbereich;
class TKatalogbereich;
class TLagerbereich;

class TCraftingSitzung;
class TSitzung;

class TBausatzrechnerSeite : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 784;
    static constexpr int Hoehe = 556;

    // The references stay valid for the page's life; the catalogue may still be empty
    // (it is filled before Aufbauen). The options are the session's, the build list,
    // prices and stock the crafting part's; the page changes them through their setters
    // and shows again what their signals report, whoever made the change.
    TBausatzrechnerSeite(TSitzung &sitzung, TCraftingSitzung &crafting, QWidget *eltern = nullptr);

    // Builds the catalogue tree (once) and shows the empty state.
    void Aufbauen();

    // Shows the selected catalogue item again (the world variant changed).
    void ItemDetailsAnzeigen();

    // Windows opened from this page; filled by the main window.
    std::function<void(int tag)> PreisdialogOeffnen;     // TForm3, tag 10 x page + kind
    std::function<void(int tag)> DetailanalyseOeffnen;   // TForm6, tag = page
    std::function<void()> ExportOeffnen;                 // TForm9
    std::function<void(int modus)> MengendialogOeffnen;  // TForm2, 1 add, 2 set
    std::function<void()> LagerOeffnen;                  // window "Lager"
    std::function<void(int modus)> EinkaufslisteOeffnen; // window "Einkaufsliste", the shown mode

    // The quantity dialog's Okay: mode 1 adds n kits of the selected catalogue item, mode
    // 2 sets the selected build-list entry to n kits (0 removes it). Other modes do nothing.
    void MengendialogBestaetigt(int modus, int64_t n);
    // The item the quantity dialog is about: mode 1 the catalogue selection, mode 2 the
    // selected build-list entry. Art ArtKeine when there is none.
    TSammelEintrag MengendialogItem(int modus) const;

    // The popup menus of the page, for the main window's menu hints.
    QList<QMenu *> PopupMenues() const;

private:
    // The areas, the page control of the cost pages and its buttons.
    TKatalogbereich *Katalogbereich;
    TBaulistenbereich *Baulistenbereich;
    TLagerbereich *Lagerbereich;                              // below the catalogue tree
    std::array<TKostenblatt *, AnzahlModi + 1> Kostenblatt{}; // [1..4]
    QTabWidget *PageControl2;
    QButtonGroup *PageControl2Knoepfe; // the page control's tabs as a 2 x 2 block of buttons

    // The steps of showing what the crafting part computed.
    void KostenseitenAufbauen();
    void AnalyseAnzeigen();
    void AnalyseLeeren();
    void DetailsVerbergen();
    void KostenbereichAnlegen();
    // The cost page k with its controls made. Each page is made when first shown (the page
    // control shows once the build list has an entry) or asked for, and then shows what the
    // pages made before show (StandZeigen).
    TKostenblatt &Blatt(size_t k);
    // The rows last determined, the analysis of the build list, or neither while it is empty.
    void StandZeigen(TKostenblatt &blatt);
    void Hinzufuegen(const QString &name, int64_t stueck);
    std::optional<int32_t> PreisSpeichern(bool verkauf, const QString &name, const QString &text);
    // A building's level or shift costs changed on a cost page; the other value stays.
    void GebaeudeSpeichern(int art, std::optional<int32_t> stufe, std::optional<int32_t> schichtkosten);

    // What the crafting part computed: the cost pages and the analysis, or the empty state.
    void ErgebnisseZeigen();

    TCraftingSitzung &m_crafting;
    const TCraftingZustand &m_zustand;
    const TKatalog &m_katalog;
    const TOptionen &m_optionen;
    bool m_fuellen = false;      // KostenseitenAufbauen writes the controls
    bool m_eigenePreise = false; // a price typed here: the page shows what follows itself
    // The rows the cost pages show; kept while the list is empty (the fields are hidden
    // then), none before the first build list.
    std::optional<std::array<TKostenseite, AnzahlModi + 1>> m_seiten;
};

} // namespace mvt
