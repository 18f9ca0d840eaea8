#include "crafting/ui/Katalogbereich.h"

#include "base/Zahlen.h"
#include "crafting/Artikeldetails.h"
#include "crafting/Katalogbaum.h"
#include "crafting/ui/Bausatzrechnerhilfen.h"
#include "ui/Bilder.h"
#include "ui/Steuerelemente.h"
#include "ui/Zugang.h"
#include "ui/Umschalttasten.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>

namespace mvt {

using namespace bausatzrechner;

namespace {

const QColor Grau(0x77, 0x77, 0x77);

// A node with its subtree, made apart from the tree: one insertion into the tree per
// top-level node instead of one per item, each of which the view would process.
QTreeWidgetItem *Katalogknoten(const TKatalogKnoten &k)
{
    auto *item = new QTreeWidgetItem(QStringList{k.Text});
    QList<QTreeWidgetItem *> kinder;
    kinder.reserve(qsizetype(k.Kinder.size()));
    for (const TKatalogKnoten &kind : k.Kinder)
        kinder.append(Katalogknoten(kind));
    item->addChildren(kinder);
    return item;
}

} // namespace

TKatalogbereich::TKatalogbereich(const TKatalog &katalog, const TOptionen &optionen, QWidget *eltern)
    : QWidget(eltern), m_katalog(katalog), m_optionen(optionen)
{
    setObjectName(QStringLiteral("Katalogbereich"));
    setGeometry(Ort);
    SteuerelementeAnlegen();
}

void TKatalogbereich::SteuerelementeAnlegen()
{
    TreeView1 = Baum(this, QStringLiteral("TreeView1"), {4, 4, 190, 482}, QStringLiteral("Katalog"));
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &TKatalogbereich::TreeView1Change);
    // A screen reader selects an item (its toggle action) without moving the current one:
    // the selection chooses it all the same.
    connect(TreeView1, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem *> gewaehlt = TreeView1->selectedItems();
        if (!gewaehlt.isEmpty() && gewaehlt.first() != TreeView1->currentItem())
            TreeView1->setCurrentItem(gewaehlt.first());
    });
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (!StrgGehalten())
            EinenBausatzHinzufuegen(false);
    });
    TreeView1->installEventFilter(this);
    TreeView1->viewport()->installEventFilter(this);

    // Detail panel.
    const int x = 200;
    for (int i = 1; i <= 5; ++i)
        LabelItem[i] = Beschriftung(this, QStringLiteral("LabelItem%1").arg(i), QString(),
                                    {x, i == 1 ? 4 : 22 + 16 * (i - 2), 280, i == 1 ? 18 : 16}, i == 1);
    for (int i = 0; i <= 5; ++i)
        LabelZutat[i] = Beschriftung(this, QStringLiteral("LabelZutat%1").arg(i), QString(),
                                     {x, 94 + 16 * i, 138, 16}, i == 0);
    for (int i = 0; i <= 4; ++i)
        LabelHerstellung[i] = Beschriftung(this, QStringLiteral("LabelHerstellung%1").arg(i), QString(),
                                           {x + 140, 94 + 16 * i, 144, 16}, i == 0);
    LabelHerstellungSpezial =
        Beschriftung(this, QStringLiteral("LabelHerstellungSpezial"), QString(), {x, 94, 280, 96});
    LabelHerstellungSpezial->setWordWrap(true);
    LabelHerstellungSpezial->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int i = 0; i <= 2; ++i)
        LabelMarktwert[i] = Beschriftung(this, QStringLiteral("LabelMarktwert%1").arg(i), QString(),
                                         {x, 196 + 16 * i, 280, 16}, i == 0);

    // Quantity controls and the add button.
    RadioButtonBaumenge1 = new QRadioButton(this);
    RadioButtonBaumenge1->setObjectName(QStringLiteral("RadioButtonBaumenge1"));
    RadioButtonBaumenge1->setGeometry(x, 252, 18, 22);
    RadioButtonBaumenge1->setAccessibleName(QStringLiteral("Bausätze"));
    RadioButtonBaumenge1->setChecked(true);
    LabelBaumenge1 = Beschriftung(this, QStringLiteral("LabelBaumenge1"), QStringLiteral(" Bausätze:"),
                                  {x + 18, 252, 64, 22});
    SpinEditBaumenge1 = Zahlenfeld(this, QStringLiteral("SpinEditBaumenge1"), 1, 99999, 1,
                                   {x + 84, 252, 72, 22}, QStringLiteral("Bausätze"));
    LabelBaumenge1->setBuddy(SpinEditBaumenge1);
    RadioButtonBaumenge2 = new QRadioButton(this);
    RadioButtonBaumenge2->setObjectName(QStringLiteral("RadioButtonBaumenge2"));
    RadioButtonBaumenge2->setGeometry(x, 278, 18, 22);
    RadioButtonBaumenge2->setAccessibleName(QStringLiteral("Stück"));
    LabelBaumenge2 = Beschriftung(this, QStringLiteral("LabelBaumenge2"), QStringLiteral(" Stück:"),
                                  {x + 18, 278, 64, 22});
    SpinEditBaumenge2 = Zahlenfeld(this, QStringLiteral("SpinEditBaumenge2"), 1, 99999, 1,
                                   {x + 84, 278, 72, 22}, QStringLiteral("Stück"));
    LabelBaumenge2->setBuddy(SpinEditBaumenge2);
    // The two radio buttons are one Tab stop, at the checked one, before both fields (a field
    // that gets the focus checks its radio button).
    TabAufGewaehltem(RadioButtonBaumenge1);
    TabAufGewaehltem(RadioButtonBaumenge2);
    setTabOrder(RadioButtonBaumenge1, RadioButtonBaumenge2);
    SpeedButtonBauen = Textknopf(this, QStringLiteral("SpeedButtonBauen"), QStringLiteral("Hinzufügen"),
                                 {x + 164, 252, 116, 48});
    StandardsymbolSetzen(*SpeedButtonBauen, QStyle::SP_ArrowDown);
    SpeedButtonBauen->setEnabled(false);
    TagSetzen(SpeedButtonBauen, 0);
    connect(SpeedButtonBauen, &QToolButton::clicked, this, &TKatalogbereich::SpeedButtonBauenClick);
    for (QSpinBox *feld : {SpinEditBaumenge1, SpinEditBaumenge2}) {
        // The editor's own signal, which also reports an emptied field.
        connect(feld->findChild<QLineEdit *>(), &QLineEdit::textChanged, this,
                [this, feld] { SpinEditBaumengeChange(feld); });
        feld->installEventFilter(this);
    }
    LabelBaumenge1->installEventFilter(this);
    LabelBaumenge2->installEventFilter(this);
}

void TKatalogbereich::KatalogAufbauen()
{
    if (m_baumGebaut)
        return;
    TreeView1->setUpdatesEnabled(false);
    const QSignalBlocker sperre(TreeView1);
    QList<QTreeWidgetItem *> oben;
    for (const TKatalogKnoten &k : KatalogbaumAnlegen(m_katalog))
        oben.append(Katalogknoten(k));
    TreeView1->addTopLevelItems(oben);
    TreeView1->setUpdatesEnabled(true);
    m_baumGebaut = true;
}

void TKatalogbereich::DetailsVerbergen()
{
    for (QLabel *l : LabelItem)
        if (l)
            l->hide();
    for (QLabel *l : LabelZutat)
        l->hide();
    for (QLabel *l : LabelHerstellung)
        l->hide();
    LabelHerstellungSpezial->hide();
    for (QLabel *l : LabelMarktwert)
        l->hide();
}

void TKatalogbereich::TreeView1Change()
{
    if (m_optionen.TreeViewAutoExpand)
        if (QTreeWidgetItem *item = TreeView1->currentItem())
            item->setExpanded(true);
    ItemDetailsAnzeigen();
}

void TKatalogbereich::ItemDetailsAnzeigen()
{
    SpeedButtonBauen->setEnabled(false);
    TagSetzen(SpeedButtonBauen, 0);
    QTreeWidgetItem *item = TreeView1->currentItem();
    const TArtikeldetails d = item && item->childCount() == 0
                                  ? ArtikeldetailsBestimmen(m_katalog, item->text(0))
                                  : TArtikeldetails{};
    DetailsVerbergen();
    if (d.Layout == TDetailLayout::Keins)
        return;
    TagSetzen(SpeedButtonBauen, Tag1);
    SpinEditBaumengeChange(RadioButtonBaumenge2->isChecked() ? SpinEditBaumenge2 : SpinEditBaumenge1);

    const bool gebaeude = d.Layout == TDetailLayout::Gebaeude;
    for (int i = 1; i <= 5; ++i) {
        LabelItem[i]->setText(d.Item[i]);
        Farbe(LabelItem[i], d.ItemGrau[i] ? Grau : QColor());
        LabelItem[i]->setVisible(i <= 4 || d.Layout == TDetailLayout::Produktion);
    }
    if (d.Layout == TDetailLayout::Spezial) {
        LabelHerstellungSpezial->setText(d.Spezial);
        LabelHerstellungSpezial->show();
    } else {
        LabelZutat[0]->setText(d.ZutatUeberschrift);
        LabelZutat[0]->show();
        for (int i = 1; i <= 5; ++i) {
            // Components of a building have the whole width; ingredients share it.
            LabelZutat[i]->resize(gebaeude ? 280 : 138, LabelZutat[i]->height());
            LabelZutat[i]->setText(d.Zutat[i]);
            LabelZutat[i]->setVisible(i <= d.Zutatzeilen);
        }
        // Buildings list their prerequisites below the components, in the same column.
        const int x = LabelZutat[0]->x() + (gebaeude ? 0 : 140);
        const int y = gebaeude ? LabelZutat[0]->y() + 16 * (d.Zutatzeilen + 1) + 6 : LabelZutat[0]->y();
        LabelHerstellung[0]->setText(d.HerstellungUeberschrift);
        for (int i = 0; i <= 4; ++i) {
            LabelHerstellung[i]->move(x, y + 16 * i);
            if (i > 0)
                LabelHerstellung[i]->setText(d.Herstellung[i]);
            LabelHerstellung[i]->setVisible(i == 0 || d.HerstellungSichtbar[i]);
        }
    }
    if (!gebaeude) {
        for (int i = 0; i <= 2; ++i) {
            LabelMarktwert[i]->setText(d.Marktwert[i]);
            LabelMarktwert[i]->setVisible(i < 2 || d.Marktwert2Sichtbar);
        }
    }
}

void TKatalogbereich::SpinEditBaumengeChange(QSpinBox *feld)
{
    (feld == SpinEditBaumenge1 ? RadioButtonBaumenge1 : RadioButtonBaumenge2)->setChecked(true);
    const std::optional<int32_t> wert = GanzzahlLesen(feld->cleanText());
    SpeedButtonBauen->setEnabled(wert && *wert >= 0 && Tag(SpeedButtonBauen) == Tag1);
}

TSammelEintrag TKatalogbereich::Auswahl() const
{
    QTreeWidgetItem *item = TreeView1->currentItem();
    if (!item || item->childCount() > 0)
        return {};
    const TItemRef ref = ItemSuchen(m_katalog, item->text(0));
    return {KnotenartAusTabellencode(ref.Tabellencode), ref.Index, 0.0};
}

bool TKatalogbereich::KannHinzufuegen() const
{
    return SpeedButtonBauen->isEnabled() && Auswahl().Art != ArtKeine;
}

void TKatalogbereich::SpeedButtonBauenClick()
{
    const TSammelEintrag item = Auswahl();
    if (item.Art == ArtKeine || !SpeedButtonBauen->isEnabled())
        return;
    const int64_t stueck = RadioButtonBaumenge2->isChecked() ? SpinEditBaumenge2->value()
                                                             : int64_t(SpinEditBaumenge1->value()) *
                                                                   Einheit(m_katalog, item.Art, item.Index);
    emit hinzufuegen(KnotenName(m_katalog, item.Art, item.Index), stueck, false);
}

void TKatalogbereich::EinenBausatzHinzufuegen(bool strgKlick)
{
    const TSammelEintrag item = Auswahl();
    if (item.Art == ArtKeine || !SpeedButtonBauen->isEnabled())
        return;
    emit hinzufuegen(KnotenName(m_katalog, item.Art, item.Index), Einheit(m_katalog, item.Art, item.Index),
                     strgKlick);
}

bool TKatalogbereich::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QEvent::Type typ = ereignis->type();
    if (typ == QEvent::MouseButtonPress) {
        auto *maus = static_cast<QMouseEvent *>(ereignis);
        if (objekt == LabelBaumenge1 || objekt == LabelBaumenge2) {
            (objekt == LabelBaumenge1 ? RadioButtonBaumenge1 : RadioButtonBaumenge2)->setChecked(true);
            return false;
        }
        if (maus->button() != Qt::LeftButton || objekt != TreeView1->viewport())
            return false;
        const bool strg = StrgGehalten();
        if (!strg && !UmschaltGehalten())
            return false;
        if (QTreeWidgetItem *item = TreeView1->itemAt(maus->position().toPoint()))
            TreeView1->setCurrentItem(item);
        if (strg)
            EinenBausatzHinzufuegen(true);
        else if (SpeedButtonBauen->isEnabled())
            emit mengendialogGewuenscht();
        return true; // no selection toggling, no expanding by this click
    }
    if (typ == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(ereignis)->key();
        const bool enter = taste == Qt::Key_Return || taste == Qt::Key_Enter;
        if (objekt == TreeView1 && enter) {
            EinenBausatzHinzufuegen(false);
            return true;
        }
        if ((objekt == SpinEditBaumenge1 || objekt == SpinEditBaumenge2) && enter) {
            if (SpeedButtonBauen->isEnabled())
                SpeedButtonBauen->click();
            return true;
        }
        return false;
    }
    auto *feld = qobject_cast<QSpinBox *>(objekt);
    if (!feld)
        return false;
    if (typ == QEvent::FocusIn) {
        (feld == SpinEditBaumenge1 ? RadioButtonBaumenge1 : RadioButtonBaumenge2)->setChecked(true);
        return false;
    }
    if (typ == QEvent::FocusOut && !GanzzahlLesen(feld->cleanText())) {
        // Before the spin box's own handling: an empty or invalid text becomes 1 instead
        // of the previous value. The spin box puts the text back without a change signal:
        // the add button must see the new text.
        feld->setValue(1);
        SpinEditBaumengeChange(feld);
    }
    return false;
}

} // namespace mvt
