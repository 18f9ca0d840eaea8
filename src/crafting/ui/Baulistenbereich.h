// The build list of the crafting tab: its tree with the delete and quantity buttons, the
// potency check box and the context menu. Changes of the list made here are reported with
// geaendert(); the page recomputes.
#pragma once

#include "crafting/Kostenmodell.h"
#include "base/Optionen.h"

#include <QWidget>

#include <cstdint>
#include <utility>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QSpinBox;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace mvt {

class TSitzung;

class TBaulistenbereich : public QWidget {
    Q_OBJECT
public:
    // Below the item details, between the catalogue and the cost pages.
    static constexpr QRect Ort{200, 308, 280, 244};

    // The potency switch reads and sets the session's option.
    TBaulistenbereich(const TKatalog &katalog, TCraftingZustand &crafting, TSitzung &sitzung,
                      QWidget *eltern);

    // Rebuilds the tree from the build list; expanded nodes and the selection keep their
    // places.
    void Anzeigen();
    // Delete and quantity buttons follow the selection.
    void Bearbeitungsknoepfe();
    // The selected top-level entry; Art ArtKeine when there is none.
    TSammelEintrag Auswahl() const;
    // An entry is selected that may be changed.
    bool KannAendern() const;
    // Follows a change of the selected entry in the view; false when nothing changed.
    bool AenderungZeigen(TAenderung a);

    // Ctrl as the tree handlers see it is set aside while f runs: an operation started by
    // a Ctrl click lets the rebuilt tree expand its nodes again.
    template <class F> void OhneStrg(F &&f)
    {
        const bool ausgesetzt = std::exchange(m_strgAusgesetzt, true);
        f();
        m_strgAusgesetzt = ausgesetzt;
    }

    void SpeedButtonLoeschenClick();
    void SpeedButtonBearbeitenClick();
    void CheckBoxWirkungBerechnenClick();

    QTreeWidget *TreeView2;
    QToolButton *SpeedButtonLoeschen, *SpeedButtonBearbeiten;
    QSpinBox *SpinEditBaumenge3;
    QCheckBox *CheckBoxWirkungBerechnen;
    QLabel *LabelWirkungBerechnen;
    QMenu *PopupMenuTextAnzeigen;
    QAction *BaulistealsTextanzeigen1;

signals:
    // The build list changed here.
    void geaendert();
    // The potency option changed (the list is not empty).
    void wirkungGeaendert();
    void exportGewuenscht();
    // Shift click on an entry: the quantity dialog for setting its amount.
    void mengendialogGewuenscht();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void SteuerelementeAnlegen();
    void TreeView2Change();
    void SpinEditBaumenge3Change();
    void BausatzAbziehenClick();
    void KnotenEntfernen(QTreeWidgetItem *knoten);
    bool Strg() const;

    const TKatalog &m_katalog;
    TCraftingZustand &m_crafting;
    TSitzung &m_sitzung;
    const TOptionen &m_optionen;
    bool m_strgAusgesetzt = false;
};

} // namespace mvt
