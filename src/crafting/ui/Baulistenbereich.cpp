#include "crafting/ui/Baulistenbereich.h"

#include "base/Zahlen.h"
#include "crafting/CraftingSitzung.h"
#include "crafting/ui/Bausatzrechnerhilfen.h"
#include "ui/Bilder.h"
#include "ui/Sitzung.h"
#include "ui/Steuerelemente.h"
#include "ui/Umschalttasten.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

namespace mvt {

using namespace bausatzrechner;

namespace {

// Nodes in display order, whether their parents are expanded or not.
void Vorordnung(QTreeWidgetItem *knoten, std::vector<QTreeWidgetItem *> &liste)
{
    liste.push_back(knoten);
    for (int i = 0; i < knoten->childCount(); ++i)
        Vorordnung(knoten->child(i), liste);
}
std::vector<QTreeWidgetItem *> AlleKnoten(QTreeWidget *baum)
{
    std::vector<QTreeWidgetItem *> liste;
    for (int i = 0; i < baum->topLevelItemCount(); ++i)
        Vorordnung(baum->topLevelItem(i), liste);
    return liste;
}

void BaulistenknotenAnlegen(const TKatalog &k, const TBaulistenKnoten &n, QTreeWidgetItem *item)
{
    if (!KinderSichtbar(n))
        return;
    for (const TBaulistenKnoten &kind : n.Kinder)
        BaulistenknotenAnlegen(k, kind, new QTreeWidgetItem(item, QStringList{KnotenText(k, kind)}));
}

} // namespace

TBaulistenbereich::TBaulistenbereich(TCraftingSitzung &crafting, TSitzung &sitzung, QWidget *eltern)
    : QWidget(eltern), m_crafting(crafting), m_zustand(crafting.Zustand()), m_katalog(crafting.Katalog()),
      m_sitzung(sitzung), m_optionen(sitzung.Optionen())
{
    setObjectName(QStringLiteral("Baulistenbereich"));
    setGeometry(Ort);
    SteuerelementeAnlegen();
    // Before the page hears of it: the tree is rebuilt, expanded nodes and the selection
    // keep their places.
    connect(&crafting, &TCraftingSitzung::baulisteGeaendert, this, [this] {
        if (m_selbst)
            return;
        Anzeigen();
        Bearbeitungsknoepfe();
    });
}

void TBaulistenbereich::SteuerelementeAnlegen()
{
    TreeView2 = Baum(this, QStringLiteral("TreeView2"), {0, 0, 280, 194}, QStringLiteral("Bauliste"));
    TreeView2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeView2, &QTreeWidget::currentItemChanged, this, &TBaulistenbereich::TreeView2Change);
    connect(TreeView2, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        // A Ctrl click on the expand mark only subtracts.
        if (Strg())
            TreeView2->collapseItem(item);
    });
    TreeView2->installEventFilter(this);
    TreeView2->viewport()->installEventFilter(this);
    SpeedButtonLoeschen =
        Textknopf(this, QStringLiteral("SpeedButtonLoeschen"), QStringLiteral("Entfernen"), {0, 198, 88, 24});
    StandardsymbolSetzen(*SpeedButtonLoeschen, QStyle::SP_TrashIcon);
    SpeedButtonLoeschen->setEnabled(false);
    connect(SpeedButtonLoeschen, &QToolButton::clicked, this, &TBaulistenbereich::SpeedButtonLoeschenClick);
    SpinEditBaumenge3 = Zahlenfeld(this, QStringLiteral("SpinEditBaumenge3"), 0, 99999, 0, {92, 198, 58, 24},
                                   QStringLiteral("Menge in Stück"));
    connect(SpinEditBaumenge3->findChild<QLineEdit *>(), &QLineEdit::textChanged, this,
            &TBaulistenbereich::SpinEditBaumenge3Change);
    SpinEditBaumenge3->installEventFilter(this);
    SpeedButtonBearbeiten = Textknopf(this, QStringLiteral("SpeedButtonBearbeiten"),
                                      QStringLiteral("Menge anpassen"), {152, 198, 128, 24});
    StandardsymbolSetzen(*SpeedButtonBearbeiten, QStyle::SP_BrowserReload);
    SpeedButtonBearbeiten->setEnabled(false);
    TagSetzen(SpeedButtonBearbeiten, 0);
    connect(SpeedButtonBearbeiten, &QToolButton::clicked, this,
            &TBaulistenbereich::SpeedButtonBearbeitenClick);

    const QString wirkungHinweis = QStringLiteral(
        "Wirkung mit einberechnen oder nicht. Werte müssen im Optionsmenü eingetragen werden.");
    CheckBoxWirkungBerechnen = new QCheckBox(this);
    CheckBoxWirkungBerechnen->setObjectName(QStringLiteral("CheckBoxWirkungBerechnen"));
    CheckBoxWirkungBerechnen->setGeometry(0, 226, 18, 18);
    CheckBoxWirkungBerechnen->setChecked(true);
    CheckBoxWirkungBerechnen->setToolTip(wirkungHinweis);
    CheckBoxWirkungBerechnen->setAccessibleName(QStringLiteral("Wirkung einkalkulieren"));
    connect(CheckBoxWirkungBerechnen, &QCheckBox::toggled, this,
            &TBaulistenbereich::CheckBoxWirkungBerechnenClick);
    LabelWirkungBerechnen = Beschriftung(this, QStringLiteral("LabelWirkungBerechnen"),
                                         QStringLiteral("  Wirkung einkalkulieren"), {18, 226, 200, 18});
    LabelWirkungBerechnen->setToolTip(wirkungHinweis);
    LabelWirkungBerechnen->installEventFilter(this);

    PopupMenuTextAnzeigen = new QMenu(this);
    PopupMenuTextAnzeigen->setObjectName(QStringLiteral("PopupMenuTextAnzeigen"));
    BaulistealsTextanzeigen1 = PopupMenuTextAnzeigen->addAction(QStringLiteral("Bauliste als Text anzeigen"));
    BaulistealsTextanzeigen1->setObjectName(QStringLiteral("BaulistealsTextanzeigen1"));
    connect(BaulistealsTextanzeigen1, &QAction::triggered, this, &TBaulistenbereich::exportGewuenscht);
    connect(TreeView2, &QWidget::customContextMenuRequested, this, [this](const QPoint &ort) {
        BaulistealsTextanzeigen1->setEnabled(!m_zustand.Bauliste.Leer());
        PopupMenuTextAnzeigen->popup(TreeView2->viewport()->mapToGlobal(ort));
    });
}

bool TBaulistenbereich::Strg() const
{
    return !m_strgAusgesetzt && StrgGehalten();
}

void TBaulistenbereich::Anzeigen()
{
    if (m_zustand.Bauliste.Leer()) {
        TreeView2->clear();
        return;
    }
    std::vector<int> offen;
    int ausgewaehlt = -1;
    const std::vector<QTreeWidgetItem *> vorher = AlleKnoten(TreeView2);
    for (size_t i = 0; i < vorher.size(); ++i) {
        if (vorher[i]->isExpanded())
            offen.push_back(static_cast<int>(i));
        if (vorher[i] == TreeView2->currentItem())
            ausgewaehlt = static_cast<int>(i);
    }

    TreeView2->setUpdatesEnabled(false);
    {
        const QSignalBlocker sperre(TreeView2);
        TreeView2->clear();
        for (const TBaulistenKnoten &e : m_zustand.Bauliste.Eintraege)
            BaulistenknotenAnlegen(m_katalog, e,
                                   new QTreeWidgetItem(TreeView2, QStringList{KnotenText(m_katalog, e)}));
        const std::vector<QTreeWidgetItem *> nachher = AlleKnoten(TreeView2);
        // The expansion guard must not refuse these.
        OhneStrg([&] {
            for (int i : offen)
                if (i < static_cast<int>(nachher.size()))
                    nachher[static_cast<size_t>(i)]->setExpanded(true);
        });
        if (ausgewaehlt >= 0 && ausgewaehlt < static_cast<int>(nachher.size()))
            TreeView2->setCurrentItem(nachher[static_cast<size_t>(ausgewaehlt)]);
    }
    TreeView2->setUpdatesEnabled(true);
    TreeView2Change();
}

void TBaulistenbereich::TreeView2Change()
{
    QTreeWidgetItem *item = TreeView2->currentItem();
    if (m_optionen.TreeViewAutoExpand && item && !Strg())
        item->setExpanded(true);
    Bearbeitungsknoepfe();
    if (item && !item->parent()) {
        const QSignalBlocker sperre(SpinEditBaumenge3);
        SpinEditBaumenge3->setValue(
            static_cast<int>(std::clamp<int64_t>(MengeAusKnotentext(item->text(0)), 0, 99999)));
    }
}

void TBaulistenbereich::Bearbeitungsknoepfe()
{
    QTreeWidgetItem *item = TreeView2->currentItem();
    const bool oben = item && !item->parent();
    SpeedButtonLoeschen->setEnabled(oben);
    SpeedButtonBearbeiten->setEnabled(oben);
    TagSetzen(SpeedButtonBearbeiten, oben ? Tag1 : 0);
}

void TBaulistenbereich::SpinEditBaumenge3Change()
{
    const std::optional<int32_t> wert = GanzzahlLesen(SpinEditBaumenge3->cleanText());
    if (!wert || *wert < 0) {
        SpeedButtonBearbeiten->setEnabled(false);
        return;
    }
    QTreeWidgetItem *item = TreeView2->currentItem();
    if (item && !item->parent() && Tag(SpeedButtonBearbeiten) == Tag1)
        SpeedButtonBearbeiten->setEnabled(true);
}

TSammelEintrag TBaulistenbereich::Auswahl() const
{
    QTreeWidgetItem *item = TreeView2->currentItem();
    if (!item || item->parent())
        return {};
    const TItemRef ref = ItemSuchen(m_katalog, ItemNameAusKnotentext(item->text(0)));
    return {KnotenartAusTabellencode(ref.Tabellencode), ref.Index, 0.0};
}

bool TBaulistenbereich::KannAendern() const
{
    return SpeedButtonLoeschen->isEnabled() && Auswahl().Art != ArtKeine;
}

void TBaulistenbereich::KnotenEntfernen(QTreeWidgetItem *knoten)
{
    if (knoten && !knoten->parent())
        delete TreeView2->takeTopLevelItem(TreeView2->indexOfTopLevelItem(knoten));
    Bearbeitungsknoepfe();
}

bool TBaulistenbereich::AenderungZeigen(TAenderung a)
{
    if (a == TAenderung::Geloescht)
        KnotenEntfernen(TreeView2->currentItem()); // the other nodes keep their places
    else if (a == TAenderung::Geaendert)
        Anzeigen();
    return a != TAenderung::Keine;
}

bool TBaulistenbereich::MengeAendern(const QString &name, int64_t stueck)
{
    return AenderungZeigen(Selbst([&] { return m_crafting.MengeFestlegen(name, stueck); }));
}

void TBaulistenbereich::SpeedButtonLoeschenClick()
{
    const TSammelEintrag item = Auswahl();
    if (!SpeedButtonLoeschen->isEnabled() || item.Art == ArtKeine)
        return;
    if (!Selbst([&] { return m_crafting.EintragEntfernen(item.Art, item.Index); }))
        return;
    KnotenEntfernen(TreeView2->currentItem());
}

void TBaulistenbereich::SpeedButtonBearbeitenClick()
{
    const TSammelEintrag item = Auswahl();
    if (!SpeedButtonBearbeiten->isEnabled() || item.Art == ArtKeine)
        return;
    MengeAendern(KnotenName(m_katalog, item.Art, item.Index), SpinEditBaumenge3->value());
    if (m_zustand.Bauliste.Leer()) {
        SpeedButtonBearbeiten->setEnabled(false);
        TagSetzen(SpeedButtonBearbeiten, 0);
    }
}

void TBaulistenbereich::BausatzAbziehenClick()
{
    const TSammelEintrag item = Auswahl();
    if (!SpeedButtonLoeschen->isEnabled() || item.Art == ArtKeine)
        return;
    const QString name = KnotenName(m_katalog, item.Art, item.Index);
    AenderungZeigen(Selbst([&] { return m_crafting.BausatzAbziehen(name); }));
}

void TBaulistenbereich::CheckBoxWirkungBerechnenClick()
{
    m_sitzung.CraftingWirkungSetzen(CheckBoxWirkungBerechnen->isChecked());
    if (!m_zustand.Bauliste.Leer())
        emit wirkungGeaendert();
}

bool TBaulistenbereich::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QEvent::Type typ = ereignis->type();
    if (typ == QEvent::MouseButtonPress) {
        auto *maus = static_cast<QMouseEvent *>(ereignis);
        if (objekt == LabelWirkungBerechnen) {
            CheckBoxWirkungBerechnen->click();
            return true;
        }
        if (maus->button() != Qt::LeftButton || objekt != TreeView2->viewport())
            return false;
        const bool strg = Strg();
        if (!strg && !UmschaltGehalten())
            return false;
        if (QTreeWidgetItem *item = TreeView2->itemAt(maus->position().toPoint()))
            TreeView2->setCurrentItem(item);
        if (strg)
            OhneStrg([this] { BausatzAbziehenClick(); });
        else if (SpeedButtonLoeschen->isEnabled())
            emit mengendialogGewuenscht();
        return true; // no selection toggling, no expanding by this click
    }
    if (typ == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(ereignis)->key();
        const bool enter = taste == Qt::Key_Return || taste == Qt::Key_Enter;
        if (objekt == TreeView2 && taste == Qt::Key_Delete) {
            if (SpeedButtonLoeschen->isEnabled())
                SpeedButtonLoeschenClick();
            return true;
        }
        if (objekt == SpinEditBaumenge3 && enter) {
            if (SpeedButtonBearbeiten->isEnabled())
                SpeedButtonBearbeiten->click();
            return true;
        }
        return false;
    }
    if (typ == QEvent::FocusOut && objekt == SpinEditBaumenge3 &&
        !GanzzahlLesen(SpinEditBaumenge3->cleanText())) {
        // Before the spin box's own handling: an empty or invalid text becomes 1 instead
        // of the previous value; the quantity button must see the new text.
        SpinEditBaumenge3->setValue(1);
        SpinEditBaumenge3Change();
    }
    return false;
}

} // namespace mvt
