// The controls of the crafting tab as the tests reach them: by objectName from the page,
// and a cost page's controls after making the page appear as a person does, by its button.
#pragma once

#include "crafting/ui/Baulistenbereich.h"
#include "crafting/ui/Kostenblatt.h"
#include "crafting/ui/Lagerbereich.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include <array>
#include <stdexcept>

namespace mvt::test {

template <class T> T *Teil(const QObject &fenster, const QString &name)
{
    T *t = fenster.findChild<T *>(name);
    if (!t)
        qFatal("Steuerelement %s fehlt", qPrintable(name));
    return t;
}

struct TBausatzrechnerTeile {
    explicit TBausatzrechnerTeile(const QWidget &seite) : Seite(seite)
    {
        for (size_t i = 1; i <= 5; ++i)
            LabelItem[i] = Teil<QLabel>(seite, QStringLiteral("LabelItem%1").arg(i));
        for (size_t i = 0; i <= 5; ++i)
            LabelZutat[i] = Teil<QLabel>(seite, QStringLiteral("LabelZutat%1").arg(i));
        for (size_t i = 0; i <= 4; ++i)
            LabelHerstellung[i] = Teil<QLabel>(seite, QStringLiteral("LabelHerstellung%1").arg(i));
        for (size_t i = 0; i <= 2; ++i)
            LabelMarktwert[i] = Teil<QLabel>(seite, QStringLiteral("LabelMarktwert%1").arg(i));
    }

    // Cost page k, made or not; throws std::out_of_range when the page has none such.
    TKostenblatt *Blatt(int k) const
    {
        auto *blatt = Seite.findChild<TKostenblatt *>(QStringLiteral("TabSheet2_%1").arg(k));
        if (!blatt)
            throw std::out_of_range("Kostenseite");
        return blatt;
    }

    // The controls of cost page k (1..4). A page not made yet is made by showing it, the
    // way a person does; then the page shown before is shown again.
    TKostenseitenSteuerung &Kostenseite(int k) const
    {
        TKostenblatt *blatt = Blatt(k);
        if (!blatt->Angelegt()) {
            QAbstractButton *vorher = Knopf(PageControl2->currentIndex() + 1);
            if (vorher == Knopf(k))
                Knopf(k % 4 + 1)->click();
            Knopf(k)->click();
            vorher->click();
        }
        return blatt->Steuerung;
    }

    const QWidget &Seite;
    QWidget *Katalogbereich = Teil<QWidget>(Seite, QStringLiteral("Katalogbereich"));
    TBaulistenbereich *Baulistenbereich = Teil<TBaulistenbereich>(Seite, QStringLiteral("Baulistenbereich"));
    TLagerbereich *Lagerbereich = Teil<TLagerbereich>(Seite, QStringLiteral("Lagerbereich"));

    QTreeWidget *TreeView1 = Teil<QTreeWidget>(Seite, QStringLiteral("TreeView1"));
    std::array<QLabel *, 6> LabelItem{};        // [1..5]
    std::array<QLabel *, 6> LabelZutat{};       // [0..5]
    std::array<QLabel *, 5> LabelHerstellung{}; // [0..4]
    QLabel *LabelHerstellungSpezial = Teil<QLabel>(Seite, QStringLiteral("LabelHerstellungSpezial"));
    std::array<QLabel *, 3> LabelMarktwert{};

    QToolButton *SpeedButtonBauen = Teil<QToolButton>(Seite, QStringLiteral("SpeedButtonBauen"));
    QRadioButton *RadioButtonBaumenge1 = Teil<QRadioButton>(Seite, QStringLiteral("RadioButtonBaumenge1"));
    QRadioButton *RadioButtonBaumenge2 = Teil<QRadioButton>(Seite, QStringLiteral("RadioButtonBaumenge2"));
    QLabel *LabelBaumenge1 = Teil<QLabel>(Seite, QStringLiteral("LabelBaumenge1"));
    QLabel *LabelBaumenge2 = Teil<QLabel>(Seite, QStringLiteral("LabelBaumenge2"));
    QSpinBox *SpinEditBaumenge1 = Teil<QSpinBox>(Seite, QStringLiteral("SpinEditBaumenge1"));
    QSpinBox *SpinEditBaumenge2 = Teil<QSpinBox>(Seite, QStringLiteral("SpinEditBaumenge2"));
    QSpinBox *SpinEditBaumenge3 = Teil<QSpinBox>(Seite, QStringLiteral("SpinEditBaumenge3"));
    QTreeWidget *TreeView2 = Teil<QTreeWidget>(Seite, QStringLiteral("TreeView2"));
    QToolButton *SpeedButtonLoeschen = Teil<QToolButton>(Seite, QStringLiteral("SpeedButtonLoeschen"));
    QToolButton *SpeedButtonBearbeiten = Teil<QToolButton>(Seite, QStringLiteral("SpeedButtonBearbeiten"));
    QCheckBox *CheckBoxWirkungBerechnen = Teil<QCheckBox>(Seite, QStringLiteral("CheckBoxWirkungBerechnen"));
    QCheckBox *CheckBoxLager = Teil<QCheckBox>(Seite, QStringLiteral("CheckBoxLager"));
    QToolButton *SpeedButtonLager = Teil<QToolButton>(Seite, QStringLiteral("SpeedButtonLager"));
    QToolButton *SpeedButtonEinkaufsliste =
        Teil<QToolButton>(Seite, QStringLiteral("SpeedButtonEinkaufsliste"));
    QLabel *LabelWirkungBerechnen = Teil<QLabel>(Seite, QStringLiteral("LabelWirkungBerechnen"));
    QMenu *PopupMenuTextAnzeigen = Teil<QMenu>(Seite, QStringLiteral("PopupMenuTextAnzeigen"));
    QAction *BaulistealsTextanzeigen1 = Teil<QAction>(Seite, QStringLiteral("BaulistealsTextanzeigen1"));
    QTabWidget *PageControl2 = Teil<QTabWidget>(Seite, QStringLiteral("PageControl2"));
    // The four page buttons, numbered 0..3.
    QButtonGroup *PageControl2Knoepfe = Teil<QButtonGroup>(Seite, QStringLiteral("PageControl2Knoepfe"));

private:
    QAbstractButton *Knopf(int k) const { return PageControl2Knoepfe->button(k - 1); }
};

} // namespace mvt::test
