// The item browser of the crafting tab: the catalogue tree, the details of the selected
// item and the quantity controls with the add button. It changes no build list itself: it
// says which item and how many pieces, the page adds them.
#pragma once

#include "crafting/Kostenmodell.h"
#include "base/Optionen.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QRadioButton;
class QSpinBox;
class QToolButton;
class QTreeWidget;

namespace mvt {

class TKatalogbereich : public QWidget {
    Q_OBJECT
public:
    // Covers the left part of the page; the controls keep the page's coordinates.
    static constexpr QRect Ort{0, 0, 484, 556};

    TKatalogbereich(const TKatalog &katalog, const TOptionen &optionen, QWidget *eltern);

    // Builds the catalogue tree (once).
    void KatalogAufbauen();
    void DetailsVerbergen();
    // Shows the selected catalogue item (again: the world variant may have changed).
    void ItemDetailsAnzeigen();
    // The selected catalogue item; Art ArtKeine when none (or a group) is selected.
    TSammelEintrag Auswahl() const;
    // Adding is possible: an item is selected and the quantity field holds a number.
    bool KannHinzufuegen() const;

    QTreeWidget *TreeView1;
    std::array<QLabel *, 6> LabelItem{};        // [1..5]
    std::array<QLabel *, 6> LabelZutat{};       // [0..5]
    std::array<QLabel *, 5> LabelHerstellung{}; // [0..4]
    QLabel *LabelHerstellungSpezial;
    std::array<QLabel *, 3> LabelMarktwert{};

    QToolButton *SpeedButtonBauen;
    QRadioButton *RadioButtonBaumenge1, *RadioButtonBaumenge2;
    QLabel *LabelBaumenge1, *LabelBaumenge2;
    QSpinBox *SpinEditBaumenge1, *SpinEditBaumenge2;

signals:
    // stueck pieces of the named item are to be added. strgKlick: started by a Ctrl click,
    // whose Ctrl must not keep the rebuilt build list from expanding its nodes.
    void hinzufuegen(const QString &name, qint64 stueck, bool strgKlick);
    // Shift click on an item: the quantity dialog for adding.
    void mengendialogGewuenscht();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void SteuerelementeAnlegen();
    void TreeView1Change();
    void SpinEditBaumengeChange(QSpinBox *feld);
    void SpeedButtonBauenClick();
    void EinenBausatzHinzufuegen(bool strgKlick);

    const TKatalog &m_katalog;
    const TOptionen &m_optionen;
    bool m_baumGebaut = false;
};

} // namespace mvt
