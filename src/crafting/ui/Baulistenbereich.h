// The build list of the crafting tab: its tree with the delete and quantity buttons, the
// potency check box and the context menu. The list is changed through the crafting part,
// which recomputes and reports it; the tree follows every change, also one made elsewhere.
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

class TCraftingSitzung;
class TSitzung;

class TBaulistenbereich : public QWidget {
    Q_OBJECT
public:
    // Below the item details, between the catalogue and the cost pages.
    static constexpr QRect Ort{200, 308, 280, 244};

    // The potency switch reads and sets the session's option.
    TBaulistenbereich(TCraftingSitzung &crafting, TSitzung &sitzung, QWidget *eltern);

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
    // Sets an entry to a number of pieces (0 removes it) and follows it in the view; false
    // when nothing changed.
    bool MengeAendern(const QString &name, int64_t stueck);

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

    // A change of the list made here, which the view follows in its own way: the other
    // nodes keep their places when an entry goes.
    template <class F> auto Selbst(F &&f)
    {
        const bool selbst = std::exchange(m_selbst, true);
        auto ergebnis = f();
        m_selbst = selbst;
        return ergebnis;
    }

    TCraftingSitzung &m_crafting;
    const TCraftingZustand &m_zustand;
    const TKatalog &m_katalog;
    TSitzung &m_sitzung;
    const TOptionen &m_optionen;
    bool m_strgAusgesetzt = false;
    bool m_selbst = false;
};

} // namespace mvt
