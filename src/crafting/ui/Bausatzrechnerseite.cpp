#include "crafting/ui/Bausatzrechnerseite.h"
#include "ui/Einpassen.h"

#include "base/Zahlen.h"
#include "crafting/Analyse.h"
#include "crafting/Artikeldetails.h"
#include "crafting/Detailauswertung.h"
#include "crafting/Katalogbaum.h"
#include "ui/Preiszeile.h"
#include "ui/Bilder.h"
#include "ui/Sitzung.h"
#include "ui/Umschalttasten.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

namespace mvt {

namespace {

constexpr int Tag1 = 1;
const QColor Grau(0x77, 0x77, 0x77);
const QColor Gruen(0x00, 0x80, 0x00);
const QColor Dunkelrot(0x80, 0x00, 0x00);

// Captions of the analysis table, top to bottom; the seventh is set by the profit.
const char16_t *const AnalyseBeschriftungen[] = {u"",
                                                 u"Marktwert:",
                                                 u"Herstellungsdauer:",
                                                 u"Herstellungskosten:",
                                                 u" - davon Zutaten:",
                                                 u" - davon Schichten:",
                                                 u"Verkaufserlös:",
                                                 u"Gewinn:",
                                                 u" - pro Stunde:"};

// Right edge of the analysis values.
constexpr int AnalyseRechts = 284;

void Farbe(QWidget *w, const QColor &farbe)
{
    QPalette p = w->palette();
    if (farbe.isValid()) {
        p.setColor(QPalette::WindowText, farbe);
    } else {
        // Every colour group of the parent: read while the main window is disabled (a
        // secondary window is open), its current group would be the disabled grey.
        const QPalette &eltern = w->parentWidget()->palette();
        for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(g, QPalette::WindowText, eltern.color(g, QPalette::WindowText));
    }
    w->setPalette(p);
}

QLabel *Beschriftung(QWidget *eltern, const QString &name, const QString &text, QRect ort, bool fett = false)
{
    auto *l = new QLabel(text, eltern);
    l->setObjectName(name);
    l->setGeometry(ort);
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QSpinBox *Zahlenfeld(QWidget *eltern, const QString &name, int min, int max, int wert, QRect ort,
                     const QString &zugang)
{
    auto *s = new QSpinBox(eltern);
    s->setObjectName(name);
    s->setRange(min, max);
    s->setValue(wert);
    s->setGeometry(ort);
    s->setAccessibleName(zugang);
    return s;
}

QToolButton *Knopf(QWidget *eltern, const QString &name, const QString &text, QRect ort,
                   const QIcon &glyphe = {})
{
    auto *b = new QToolButton(eltern);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(text);
    b->setAccessibleName(text);
    b->setGeometry(ort);
    b->setAutoRaise(true);
    if (!glyphe.isNull()) {
        b->setIcon(glyphe);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    return b;
}

// Names of a cost page's controls: page 1 plain, pages 2-4 with the page (and row) number.
QString Name(const char *basis, int k)
{
    return k == 1 ? QLatin1String(basis) : QLatin1String(basis) + QString::number(k);
}
QString Name(const char *basis, int k, int i)
{
    return k == 1 ? QLatin1String(basis) + QString::number(i)
                  : QLatin1String(basis) + QString::number(k) + u'_' + QString::number(i);
}

int Tag(const QObject *o)
{
    return o->property("Tag").toInt();
}
void TagSetzen(QObject *o, int tag)
{
    o->setProperty("Tag", tag);
}

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

void KatalogknotenAnlegen(const TKatalogKnoten &k, QTreeWidgetItem *eltern)
{
    auto *item = new QTreeWidgetItem(eltern, QStringList{k.Text});
    for (const TKatalogKnoten &kind : k.Kinder)
        KatalogknotenAnlegen(kind, item);
}

void BaulistenknotenAnlegen(const TKatalog &k, const TBaulistenKnoten &n, QTreeWidgetItem *item)
{
    if (!KinderSichtbar(n))
        return;
    for (const TBaulistenKnoten &kind : n.Kinder)
        BaulistenknotenAnlegen(k, kind, new QTreeWidgetItem(item, QStringList{KnotenText(k, kind)}));
}

QTreeWidget *Baum(QWidget *eltern, const QString &name, QRect ort, const QString &zugang)
{
    auto *t = new QTreeWidget(eltern);
    t->setObjectName(name);
    t->setGeometry(ort);
    t->setHeaderHidden(true);
    t->setColumnCount(1);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setExpandsOnDoubleClick(true);
    t->setIndentation(14);
    t->setAccessibleName(zugang);
    t->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->header()->setStretchLastSection(false);
    return t;
}

} // namespace

TBausatzrechnerSeite::TBausatzrechnerSeite(TSitzung &sitzung, QWidget *eltern)
    : TBausatzrechnerSeite(sitzung.Zustand.Katalog, sitzung.Zustand.Crafting, sitzung.Zustand.Optionen,
                           eltern)
{
    // The recipe rules, the prices or the build list changed elsewhere.
    connect(&sitzung, &TSitzung::craftingweltGeaendert, this, &TBausatzrechnerSeite::ItemDetailsAnzeigen);
    connect(&sitzung, &TSitzung::preiseGeaendert, this, &TBausatzrechnerSeite::Neuberechnen);
    connect(&sitzung, &TSitzung::baulisteGeaendert, this, &TBausatzrechnerSeite::BaulisteGeaendert);
}

TBausatzrechnerSeite::TBausatzrechnerSeite(const TKatalog &katalog, TCraftingZustand &crafting,
                                           TOptionen &optionen, QWidget *eltern)
    : QWidget(eltern), m_katalog(katalog), m_crafting(crafting), m_optionen(optionen)
{
    setObjectName(QStringLiteral("Bausatzrechnerseite"));
    resize(Breite, Hoehe);
    // Three columns of controls on 784 pixels: a compact font lets every caption fit.
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);
    SteuerelementeAnlegen();
}

void TBausatzrechnerSeite::SteuerelementeAnlegen()
{
    TreeView1 = Baum(this, QStringLiteral("TreeView1"), {4, 4, 190, 548}, QStringLiteral("Katalog"));
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &TBausatzrechnerSeite::TreeView1Change);
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (!Strg())
            EinenBausatzHinzufuegen();
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
    SpeedButtonBauen = Knopf(this, QStringLiteral("SpeedButtonBauen"), QStringLiteral("Hinzufügen"),
                             {x + 164, 252, 116, 48}, style()->standardIcon(QStyle::SP_ArrowDown));
    SpeedButtonBauen->setEnabled(false);
    TagSetzen(SpeedButtonBauen, 0);
    connect(SpeedButtonBauen, &QToolButton::clicked, this, &TBausatzrechnerSeite::SpeedButtonBauenClick);
    for (QSpinBox *feld : {SpinEditBaumenge1, SpinEditBaumenge2}) {
        // The editor's own signal, which also reports an emptied field.
        connect(feld->findChild<QLineEdit *>(), &QLineEdit::textChanged, this,
                [this, feld] { SpinEditBaumengeChange(feld); });
        feld->installEventFilter(this);
    }
    LabelBaumenge1->installEventFilter(this);
    LabelBaumenge2->installEventFilter(this);

    // The build list.
    TreeView2 = Baum(this, QStringLiteral("TreeView2"), {x, 308, 280, 194}, QStringLiteral("Bauliste"));
    TreeView2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeView2, &QTreeWidget::currentItemChanged, this, &TBausatzrechnerSeite::TreeView2Change);
    connect(TreeView2, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        // A Ctrl click on the expand mark only subtracts.
        if (Strg())
            TreeView2->collapseItem(item);
    });
    TreeView2->installEventFilter(this);
    TreeView2->viewport()->installEventFilter(this);
    SpeedButtonLoeschen = Knopf(this, QStringLiteral("SpeedButtonLoeschen"), QStringLiteral("Entfernen"),
                                {x, 506, 88, 24}, style()->standardIcon(QStyle::SP_TrashIcon));
    SpeedButtonLoeschen->setEnabled(false);
    connect(SpeedButtonLoeschen, &QToolButton::clicked, this,
            &TBausatzrechnerSeite::SpeedButtonLoeschenClick);
    SpinEditBaumenge3 = Zahlenfeld(this, QStringLiteral("SpinEditBaumenge3"), 0, 99999, 0,
                                   {x + 92, 506, 58, 24}, QStringLiteral("Menge in Stück"));
    connect(SpinEditBaumenge3->findChild<QLineEdit *>(), &QLineEdit::textChanged, this,
            &TBausatzrechnerSeite::SpinEditBaumenge3Change);
    SpinEditBaumenge3->installEventFilter(this);
    SpeedButtonBearbeiten =
        Knopf(this, QStringLiteral("SpeedButtonBearbeiten"), QStringLiteral("Menge anpassen"),
              {x + 152, 506, 128, 24}, style()->standardIcon(QStyle::SP_BrowserReload));
    SpeedButtonBearbeiten->setEnabled(false);
    TagSetzen(SpeedButtonBearbeiten, 0);
    connect(SpeedButtonBearbeiten, &QToolButton::clicked, this,
            &TBausatzrechnerSeite::SpeedButtonBearbeitenClick);

    const QString wirkungHinweis = QStringLiteral(
        "Wirkung mit einberechnen oder nicht. Werte müssen im Optionsmenü eingetragen werden.");
    CheckBoxWirkungBerechnen = new QCheckBox(this);
    CheckBoxWirkungBerechnen->setObjectName(QStringLiteral("CheckBoxWirkungBerechnen"));
    CheckBoxWirkungBerechnen->setGeometry(x, 534, 18, 18);
    CheckBoxWirkungBerechnen->setChecked(true);
    CheckBoxWirkungBerechnen->setToolTip(wirkungHinweis);
    CheckBoxWirkungBerechnen->setAccessibleName(QStringLiteral("Wirkung einkalkulieren"));
    connect(CheckBoxWirkungBerechnen, &QCheckBox::clicked, this,
            &TBausatzrechnerSeite::CheckBoxWirkungBerechnenClick);
    LabelWirkungBerechnen = Beschriftung(this, QStringLiteral("LabelWirkungBerechnen"),
                                         QStringLiteral("  Wirkung einkalkulieren"), {x + 18, 534, 200, 18});
    LabelWirkungBerechnen->setToolTip(wirkungHinweis);
    LabelWirkungBerechnen->installEventFilter(this);

    PopupMenuTextAnzeigen = new QMenu(this);
    PopupMenuTextAnzeigen->setObjectName(QStringLiteral("PopupMenuTextAnzeigen"));
    BaulistealsTextanzeigen1 = PopupMenuTextAnzeigen->addAction(QStringLiteral("Bauliste als Text anzeigen"));
    BaulistealsTextanzeigen1->setObjectName(QStringLiteral("BaulistealsTextanzeigen1"));
    connect(BaulistealsTextanzeigen1, &QAction::triggered, this, [this] {
        if (ExportOeffnen)
            ExportOeffnen();
    });
    connect(TreeView2, &QWidget::customContextMenuRequested, this, [this](const QPoint &ort) {
        BaulistealsTextanzeigen1->setEnabled(!m_crafting.Bauliste.Leer());
        PopupMenuTextAnzeigen->popup(TreeView2->viewport()->mapToGlobal(ort));
    });

    // The cost area: the page control's tabs as a block of two by two buttons, because
    // the four captions do not fit beside each other.
    PageControl2Knoepfe = new QButtonGroup(this);
    PageControl2Knoepfe->setExclusive(true);
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setGeometry(486, 54, 294, 498);
    PageControl2->tabBar()->hide();
    // The hidden tab bar is the page control's focus proxy: Tab would end there.
    PageControl2->setFocusPolicy(Qt::NoFocus);
    PageControl2->tabBar()->setFocusPolicy(Qt::NoFocus);
    PageControl2->setDocumentMode(true);
    for (int k = 1; k <= AnzahlModi; ++k) {
        auto *knopf = new QToolButton(this);
        knopf->setObjectName(QStringLiteral("PageControl2Seite%1").arg(k));
        knopf->setText(ProduktionsmodusName(k));
        knopf->setAccessibleName(knopf->text());
        knopf->setCheckable(true);
        QFont klein = knopf->font();
        klein.setPixelSize(10);
        knopf->setFont(klein);
        knopf->setGeometry(486 + 148 * ((k - 1) % 2), 4 + 25 * ((k - 1) / 2), 146, 23);
        PageControl2Knoepfe->addButton(knopf, k - 1);
    }
    // After the four buttons, so that the tab order reaches them before the page's fields.
    for (int k = 1; k <= AnzahlModi; ++k)
        KostenseiteAnlegen(k);
    PageControl2Knoepfe->button(0)->setChecked(true);
    // The checked state, not the click: a screen reader's toggle action switches too.
    connect(PageControl2Knoepfe, &QButtonGroup::idToggled, this, [this](int seite, bool an) {
        if (an)
            PageControl2->setCurrentIndex(seite);
    });
    connect(PageControl2, &QTabWidget::currentChanged, this, [this](int seite) {
        if (QAbstractButton *b = PageControl2Knoepfe->button(seite))
            b->setChecked(true);
        KostenseitenAufbauen();
    });
}

void TBausatzrechnerSeite::KostenseiteAnlegen(int k)
{
    TKostenseitenSteuerung &s = Kostenseite[static_cast<size_t>(k)];
    auto *seite = new THintergrund;
    seite->setObjectName(QStringLiteral("TabSheet2_%1").arg(k));
    PageControl2->addTab(seite, ProduktionsmodusName(k));
    s.TabSheet = seite;

    auto beschriftung = [&](const QString &name, const QString &text, QRect ort, bool fett = false) {
        return Beschriftung(seite, name, text, ort, fett);
    };
    auto goldfeld = [&](const QString &name, QRect ort, const QString &zugang) {
        auto *e = new QLineEdit(seite);
        e->setObjectName(name);
        e->setGeometry(ort);
        e->setAccessibleName(zugang);
        return e;
    };
    auto alle = [&](const QString &name, int y, int art) {
        QToolButton *b = Knopf(seite, name, QStringLiteral("Alle anzeigen..."), {184, y, 100, 20});
        connect(b, &QToolButton::clicked, this, [this, k, art] {
            if (PreisdialogOeffnen)
                PreisdialogOeffnen(10 * k + art);
        });
        return b;
    };

    // Sale.
    s.LabelVerkaufspreis0 =
        beschriftung(k == 1 ? QStringLiteral("LabelVerkaufspreis0") : Name("LabelVerkaufspreis", k, 0),
                     QStringLiteral("Verkaufspreise:"), {4, 4, 200, 16}, true);
    s.LabelVerkaufspreis1 =
        beschriftung(k == 1 ? QStringLiteral("LabelVerkaufspreis1") : Name("LabelVerkaufspreis", k, 1),
                     QString(), {4, 24, 128, 22});
    s.EditVerkaufspreisGold = goldfeld(Name("EditVerkaufspreisGold", k), {134, 24, 64, 22},
                                       QStringLiteral("Verkaufspreis in Gold"));
    s.LabelVerkaufspreisGold =
        beschriftung(Name("LabelVerkaufspreisGold", k), QStringLiteral("G"), {200, 24, 10, 22});
    s.SpinEditVerkaufspreisProzent =
        Zahlenfeld(seite, Name("SpinEditVerkaufspreisProzent", k), 0, 999, 0, {212, 24, 54, 22},
                   QStringLiteral("Verkaufspreis in Prozent"));
    s.LabelVerkaufspreisProzent =
        beschriftung(Name("LabelVerkaufspreisProzent", k), QStringLiteral("%"), {268, 24, 14, 22});
    s.LabelVerkaufspreis1->setBuddy(s.EditVerkaufspreisGold);
    s.SpeedButtonVerkaufspreis = alle(Name("SpeedButtonVerkaufspreis", k), 50, 1);
    s.Verkaufszeile = new TPreiszeile(s.EditVerkaufspreisGold, s.SpinEditVerkaufspreisProzent, seite);
    s.Verkaufszeile->Speichern = [this, k](const QString &text) {
        return PreisSpeichern(true, m_seiten[static_cast<size_t>(k)].Verkauf.Name, text);
    };

    // Buildings.
    s.LabelGebaeude0 = beschriftung(k == 1 ? QStringLiteral("LabelGebaeude0") : Name("LabelGebaeude", k, 0),
                                    QStringLiteral("Gebäude:"), {4, 76, 200, 16}, true);
    s.LabelGebaeude1 = beschriftung(k == 1 ? QStringLiteral("LabelGebaeude1") : Name("LabelGebaeude", k, 1),
                                    QStringLiteral("-kein Gebäude benötigt-"), {4, 96, 200, 22});
    s.ComboBoxGebaeude = new QComboBox(seite);
    s.ComboBoxGebaeude->setObjectName(Name("ComboBoxGebaeude", k));
    s.ComboBoxGebaeude->setGeometry(4, 96, 128, 22);
    s.ComboBoxGebaeude->setAccessibleName(QStringLiteral("Gebäudestufe"));
    TagSetzen(s.ComboBoxGebaeude, 0);
    connect(s.ComboBoxGebaeude, &QComboBox::currentIndexChanged, this,
            [this, k](int index) { ComboBoxGebaeudeChange(k, index); });
    s.SpinEditGebaeude = Zahlenfeld(seite, Name("SpinEditGebaeude", k), 0, 500, 25, {134, 96, 64, 22},
                                    QStringLiteral("Schichtkosten in Gold"));
    connect(s.SpinEditGebaeude, &QSpinBox::valueChanged, this, [this, k] { SpinEditGebaeudeChange(k); });
    s.SpinEditGebaeude->installEventFilter(this);
    s.LabelGebaeudeGold =
        beschriftung(Name("LabelGebaeudeGold", k), QStringLiteral("Gold"), {202, 96, 40, 22});
    s.SpeedButtonGebaeude = alle(Name("SpeedButtonGebaeude", k), 122, 3);

    // Purchases.
    s.LabelKosten0 = beschriftung(k == 1 ? QStringLiteral("LabelKosten0") : Name("LabelKosten", k, 0),
                                  QStringLiteral("Einkaufspreise:"), {4, 148, 128, 16}, true);
    s.LabelKostenGold = beschriftung(Name("LabelKostenGold", k), QStringLiteral("Gold"), {136, 148, 60, 16});
    s.LabelKostenProzent =
        beschriftung(Name("LabelKostenProzent", k), QStringLiteral("%"), {214, 148, 40, 16});
    for (int i = 1; i <= SichtbareEinkaufszeilen; ++i) {
        const int y = 166 + 24 * (i - 1);
        s.LabelKosten[i] = beschriftung(Name("LabelKosten", k, i), QString(), {4, y, 128, 22});
        s.EditKostenGold[i] = goldfeld(Name("EditKostenGold", k, i), {134, y, 64, 22},
                                       QStringLiteral("Einkaufspreis %1 in Gold").arg(i));
        s.SpinEditKostenProzent[i] =
            Zahlenfeld(seite, Name("SpinEditKostenProzent", k, i), 0, 999, 0, {212, y, 54, 22},
                       QStringLiteral("Einkaufspreis %1 in Prozent").arg(i));
        s.LabelKosten[i]->setBuddy(s.EditKostenGold[i]);
        s.Kostenzeile[i] = new TPreiszeile(s.EditKostenGold[i], s.SpinEditKostenProzent[i], seite);
        s.Kostenzeile[i]->Speichern = [this, k, i](const QString &text) {
            const TKostenseite &daten = m_seiten[static_cast<size_t>(k)];
            const size_t zeile = static_cast<size_t>(i - 1);
            return zeile < daten.Einkauf.size() ? PreisSpeichern(false, daten.Einkauf[zeile].Name, text)
                                                : std::optional<int32_t>{};
        };
    }
    s.SpeedButtonKosten = alle(Name("SpeedButtonKosten", k), 288, 2);

    // Analysis.
    s.LabelAnalyse0 = beschriftung(k == 1 ? QStringLiteral("LabelAnalyse0") : Name("LabelAnalyse", k, 0),
                                   QStringLiteral("Analyse der Bauliste:"), {4, 316, 220, 16}, true);
    for (int i = 1; i <= 8; ++i) {
        const int y = 336 + 17 * (i - 1);
        s.LabelAnalyseStatic[i] = beschriftung(Name("LabelAnalyseStatic", k, i),
                                               QString::fromUtf16(AnalyseBeschriftungen[i]), {4, y, 150, 16});
        s.LabelAnalyse[i] =
            beschriftung(Name("LabelAnalyse", k, i), QString(), {156, y, AnalyseRechts - 156, 16});
        s.LabelAnalyseStatic[i]->setBuddy(s.LabelAnalyse[i]); // caption and value, for screen readers
    }
    s.SpeedButtonAnalyse = Knopf(seite, Name("SpeedButtonAnalyse", k),
                                 QStringLiteral("Detaillierte Übersicht"), {4, 478, 160, 20});
    connect(s.SpeedButtonAnalyse, &QToolButton::clicked, this, [this, k] {
        if (DetailanalyseOeffnen)
            DetailanalyseOeffnen(k);
    });
}

void TBausatzrechnerSeite::Aufbauen()
{
    if (!m_baumGebaut) {
        TreeView1->setUpdatesEnabled(false);
        const QSignalBlocker sperre(TreeView1);
        for (const TKatalogKnoten &k : KatalogbaumAnlegen(m_katalog)) {
            auto *item = new QTreeWidgetItem(TreeView1, QStringList{k.Text});
            for (const TKatalogKnoten &kind : k.Kinder)
                KatalogknotenAnlegen(kind, item);
        }
        TreeView1->setUpdatesEnabled(true);
        m_baumGebaut = true;
    }
    DetailsVerbergen();
    AnalyseLeeren();
}

// ---------------------------------------------------------------- item browser

void TBausatzrechnerSeite::DetailsVerbergen()
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

void TBausatzrechnerSeite::TreeView1Change()
{
    if (m_optionen.TreeViewAutoExpand)
        if (QTreeWidgetItem *item = TreeView1->currentItem())
            item->setExpanded(true);
    ItemDetailsAnzeigen();
}

void TBausatzrechnerSeite::ItemDetailsAnzeigen()
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

// ---------------------------------------------------------------- quantity and adding

void TBausatzrechnerSeite::SpinEditBaumengeChange(QSpinBox *feld)
{
    (feld == SpinEditBaumenge1 ? RadioButtonBaumenge1 : RadioButtonBaumenge2)->setChecked(true);
    const std::optional<int32_t> wert = GanzzahlLesen(feld->cleanText());
    SpeedButtonBauen->setEnabled(wert && *wert >= 0 && Tag(SpeedButtonBauen) == Tag1);
}

void TBausatzrechnerSeite::SpinEditBaumenge3Change()
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

TSammelEintrag TBausatzrechnerSeite::Katalogauswahl() const
{
    QTreeWidgetItem *item = TreeView1->currentItem();
    if (!item || item->childCount() > 0)
        return {};
    const TItemRef ref = ItemSuchen(m_katalog, item->text(0));
    return {KnotenartAusTabellencode(ref.Tabellencode), ref.Index, 0.0};
}

TSammelEintrag TBausatzrechnerSeite::Baulistenauswahl() const
{
    QTreeWidgetItem *item = TreeView2->currentItem();
    if (!item || item->parent())
        return {};
    const TItemRef ref = ItemSuchen(m_katalog, ItemNameAusKnotentext(item->text(0)));
    return {KnotenartAusTabellencode(ref.Tabellencode), ref.Index, 0.0};
}

TSammelEintrag TBausatzrechnerSeite::MengendialogItem(int modus) const
{
    return modus == DialogFestlegen ? Baulistenauswahl() : Katalogauswahl();
}

void TBausatzrechnerSeite::SpeedButtonBauenClick()
{
    const TSammelEintrag item = Katalogauswahl();
    if (item.Art == ArtKeine || !SpeedButtonBauen->isEnabled())
        return;
    const int64_t stueck = RadioButtonBaumenge2->isChecked() ? SpinEditBaumenge2->value()
                                                             : int64_t(SpinEditBaumenge1->value()) *
                                                                   Einheit(m_katalog, item.Art, item.Index);
    if (ZurBaulisteHinzufuegen(m_katalog, m_crafting.Bauliste, KnotenName(m_katalog, item.Art, item.Index),
                               stueck) == TAenderung::Keine)
        return;
    BaulisteAnzeigen();
    AllesNeuBerechnen();
}

void TBausatzrechnerSeite::EinenBausatzHinzufuegen()
{
    const TSammelEintrag item = Katalogauswahl();
    if (item.Art == ArtKeine || !SpeedButtonBauen->isEnabled())
        return;
    if (ZurBaulisteHinzufuegen(m_katalog, m_crafting.Bauliste, KnotenName(m_katalog, item.Art, item.Index),
                               Einheit(m_katalog, item.Art, item.Index)) == TAenderung::Keine)
        return;
    BaulisteAnzeigen();
    AllesNeuBerechnen();
}

void TBausatzrechnerSeite::MengendialogBestaetigt(int modus, int64_t n)
{
    const TSammelEintrag item = MengendialogItem(modus);
    if (item.Art == ArtKeine)
        return;
    const QString name = KnotenName(m_katalog, item.Art, item.Index);
    const int64_t stueck = n * Einheit(m_katalog, item.Art, item.Index);
    if (modus == DialogHinzufuegen) {
        if (!SpeedButtonBauen->isEnabled() || n <= 0 ||
            ZurBaulisteHinzufuegen(m_katalog, m_crafting.Bauliste, name, stueck) == TAenderung::Keine)
            return;
        BaulisteAnzeigen();
    } else {
        if (!SpeedButtonLoeschen->isEnabled())
            return;
        if (!AenderungZeigen(MengeFestlegen(m_katalog, m_crafting.Bauliste, name, stueck)))
            return;
    }
    AllesNeuBerechnen();
}

// ---------------------------------------------------------------- build list

void TBausatzrechnerSeite::BaulisteAnzeigen()
{
    if (m_crafting.Bauliste.Leer()) {
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
        for (const TBaulistenKnoten &e : m_crafting.Bauliste.Eintraege)
            BaulistenknotenAnlegen(m_katalog, e,
                                   new QTreeWidgetItem(TreeView2, QStringList{KnotenText(m_katalog, e)}));
        const std::vector<QTreeWidgetItem *> nachher = AlleKnoten(TreeView2);
        // The expansion guard must not refuse these.
        const bool ausgesetzt = std::exchange(m_strgAusgesetzt, true);
        for (int i : offen)
            if (i < static_cast<int>(nachher.size()))
                nachher[static_cast<size_t>(i)]->setExpanded(true);
        m_strgAusgesetzt = ausgesetzt;
        if (ausgewaehlt >= 0 && ausgewaehlt < static_cast<int>(nachher.size()))
            TreeView2->setCurrentItem(nachher[static_cast<size_t>(ausgewaehlt)]);
    }
    TreeView2->setUpdatesEnabled(true);
    TreeView2Change();
}

void TBausatzrechnerSeite::TreeView2Change()
{
    QTreeWidgetItem *item = TreeView2->currentItem();
    if (m_optionen.TreeViewAutoExpand && item && !Strg())
        item->setExpanded(true);
    const bool oben = item && !item->parent();
    SpeedButtonLoeschen->setEnabled(oben);
    SpeedButtonBearbeiten->setEnabled(oben);
    TagSetzen(SpeedButtonBearbeiten, oben ? Tag1 : 0);
    if (oben) {
        const QSignalBlocker sperre(SpinEditBaumenge3);
        SpinEditBaumenge3->setValue(
            static_cast<int>(std::clamp<int64_t>(MengeAusKnotentext(item->text(0)), 0, 99999)));
    }
}

void TBausatzrechnerSeite::Bearbeitungsknoepfe()
{
    QTreeWidgetItem *item = TreeView2->currentItem();
    const bool oben = item && !item->parent();
    SpeedButtonLoeschen->setEnabled(oben);
    SpeedButtonBearbeiten->setEnabled(oben);
    TagSetzen(SpeedButtonBearbeiten, oben ? Tag1 : 0);
}

void TBausatzrechnerSeite::KnotenEntfernen(QTreeWidgetItem *knoten)
{
    if (knoten && !knoten->parent())
        delete TreeView2->takeTopLevelItem(TreeView2->indexOfTopLevelItem(knoten));
    Bearbeitungsknoepfe();
}

bool TBausatzrechnerSeite::AenderungZeigen(TAenderung a)
{
    if (a == TAenderung::Geloescht)
        KnotenEntfernen(TreeView2->currentItem()); // the other nodes keep their places
    else if (a == TAenderung::Geaendert)
        BaulisteAnzeigen();
    return a != TAenderung::Keine;
}

void TBausatzrechnerSeite::SpeedButtonLoeschenClick()
{
    const TSammelEintrag item = Baulistenauswahl();
    if (!SpeedButtonLoeschen->isEnabled() || item.Art == ArtKeine)
        return;
    if (!EintragSuchen(m_crafting.Bauliste, item.Art, item.Index))
        return;
    EintragLoeschen(m_crafting.Bauliste);
    KnotenEntfernen(TreeView2->currentItem());
    AllesNeuBerechnen();
}

void TBausatzrechnerSeite::SpeedButtonBearbeitenClick()
{
    const TSammelEintrag item = Baulistenauswahl();
    if (!SpeedButtonBearbeiten->isEnabled() || item.Art == ArtKeine)
        return;
    AenderungZeigen(MengeFestlegen(m_katalog, m_crafting.Bauliste,
                                   KnotenName(m_katalog, item.Art, item.Index), SpinEditBaumenge3->value()));
    if (m_crafting.Bauliste.Leer()) {
        SpeedButtonBearbeiten->setEnabled(false);
        TagSetzen(SpeedButtonBearbeiten, 0);
    }
    AllesNeuBerechnen();
}

void TBausatzrechnerSeite::BausatzAbziehenClick()
{
    const TSammelEintrag item = Baulistenauswahl();
    if (!SpeedButtonLoeschen->isEnabled() || item.Art == ArtKeine)
        return;
    AenderungZeigen(
        BausatzAbziehen(m_katalog, m_crafting.Bauliste, KnotenName(m_katalog, item.Art, item.Index)));
    AllesNeuBerechnen();
}

void TBausatzrechnerSeite::BaulisteGeaendert()
{
    BaulisteAnzeigen();
    Bearbeitungsknoepfe();
    AllesNeuBerechnen();
}

void TBausatzrechnerSeite::CheckBoxWirkungBerechnenClick()
{
    m_optionen.CalcPotency = CheckBoxWirkungBerechnen->isChecked();
    if (!m_crafting.Bauliste.Leer())
        AnalyseNeuBerechnen();
}

// ---------------------------------------------------------------- recomputation and cost pages

void TBausatzrechnerSeite::AllesNeuBerechnen()
{
    if (!mvt::AllesNeuBerechnen(m_katalog, m_optionen, m_crafting)) {
        AnalyseLeeren();
        return;
    }
    KostenseitenAufbauen();
    AnalyseAnzeigen();
}

void TBausatzrechnerSeite::Neuberechnen()
{
    AllesNeuBerechnen();
}

void TBausatzrechnerSeite::AnalyseNeuBerechnen()
{
    BerechneAnalyse(m_katalog, m_optionen, m_crafting);
    AnalyseAnzeigen();
}

std::optional<int32_t> TBausatzrechnerSeite::PreisSpeichern(bool verkauf, const QString &name,
                                                            const QString &text)
{
    const std::optional<int32_t> p = verkauf ? VerkaufspreisSetzen(m_katalog, m_crafting, name, text)
                                             : EinkaufspreisSetzen(m_katalog, m_crafting, name, text);
    if (p && !m_fuellen)
        AnalyseNeuBerechnen();
    return p;
}

void TBausatzrechnerSeite::ComboBoxGebaeudeChange(int k, int index)
{
    const int art = Tag(Kostenseite[static_cast<size_t>(k)].ComboBoxGebaeude);
    if (m_fuellen || index < 0 || art < 1 || art > AnzahlHandwerksgebaeude)
        return;
    m_crafting.Handwerksgebaeude[static_cast<size_t>(art)].Stufe = index + 1;
    AnalyseNeuBerechnen();
}

void TBausatzrechnerSeite::SpinEditGebaeudeChange(int k)
{
    const TKostenseitenSteuerung &s = Kostenseite[static_cast<size_t>(k)];
    const int art = Tag(s.ComboBoxGebaeude);
    if (m_fuellen || s.SpinEditGebaeude->cleanText().isEmpty() || art < 1 || art > AnzahlHandwerksgebaeude)
        return;
    m_crafting.Handwerksgebaeude[static_cast<size_t>(art)].Schichtkosten = s.SpinEditGebaeude->value();
    AnalyseNeuBerechnen();
}

void TBausatzrechnerSeite::KostenseitenAufbauen()
{
    if (m_crafting.Bauliste.Leer())
        return;
    m_seiten = KostenseitenBestimmen(m_katalog, m_crafting);
    bool gespeichert = false;
    // Shows a price as the field writes it; a stored price with more decimals becomes
    // the shown value, as if it had been typed.
    auto zeigen = [&](TPreiszeile *zeile, const TPreiszeilenDaten &d, bool verkauf) {
        const QString text = GoldFormatieren(d.Gold);
        const double gezeigt = KommazahlLesen(text).value_or(d.Gold);
        if (gezeigt != d.Gold) {
            PreisSpeichern(verkauf, d.Name, text);
            gespeichert = true;
        }
        zeile->ReferenzSetzen(d.Referenz);
        zeile->Anzeigen(gezeigt);
    };

    m_fuellen = true;
    for (int k = 1; k <= AnzahlModi; ++k) {
        const TKostenseite &d = m_seiten[static_cast<size_t>(k)];
        TKostenseitenSteuerung &s = Kostenseite[static_cast<size_t>(k)];

        for (QWidget *w : std::initializer_list<QWidget *>{
                 s.LabelVerkaufspreis0, s.LabelVerkaufspreis1, s.EditVerkaufspreisGold,
                 s.LabelVerkaufspreisGold, s.SpinEditVerkaufspreisProzent, s.LabelVerkaufspreisProzent})
            w->show();
        s.SpeedButtonVerkaufspreis->setVisible(d.VerkaufAlle);
        TextEinpassen(s.LabelVerkaufspreis1, d.Verkauf.Name, 10);
        s.LabelVerkaufspreis1->setToolTip(d.Verkauf.Name);
        zeigen(s.Verkaufszeile, d.Verkauf, true);
        s.EditVerkaufspreisGold->setAccessibleName(d.Verkauf.Name +
                                                   QStringLiteral(", Verkaufspreis in Gold"));
        s.SpinEditVerkaufspreisProzent->setAccessibleName(d.Verkauf.Name +
                                                          QStringLiteral(", Verkaufspreis in Prozent"));

        s.LabelGebaeude0->show();
        s.LabelGebaeude1->setVisible(!d.GebaeudeSichtbar);
        s.ComboBoxGebaeude->setVisible(d.GebaeudeSichtbar);
        s.SpinEditGebaeude->setVisible(d.GebaeudeSichtbar);
        s.LabelGebaeudeGold->setVisible(d.GebaeudeSichtbar);
        s.SpeedButtonGebaeude->setVisible(d.GebaeudeSichtbar && d.GebaeudeAlle);
        if (d.GebaeudeSichtbar) {
            s.ComboBoxGebaeude->clear();
            for (const QString &stufe : d.GebaeudeStufen)
                s.ComboBoxGebaeude->addItem(stufe);
            TagSetzen(s.ComboBoxGebaeude, d.GebaeudeArt);
            s.ComboBoxGebaeude->setCurrentIndex(d.StufeIndex);
            s.SpinEditGebaeude->setValue(d.Schichtkosten);
            s.ComboBoxGebaeude->setAccessibleName(
                QString::fromUtf16(HandwerksgebaeudeNamen[static_cast<size_t>(d.GebaeudeArt)]) +
                QStringLiteral(", Stufe"));
        }

        s.LabelKosten0->show();
        const int n = d.Zutaten;
        for (int i = 1; i <= SichtbareEinkaufszeilen; ++i) {
            const bool zeile = i <= n;
            s.LabelKosten[i]->setVisible(zeile || (i == 1 && n == 0));
            s.EditKostenGold[i]->setVisible(zeile);
            s.SpinEditKostenProzent[i]->setVisible(zeile);
            if (!zeile)
                continue;
            const TPreiszeilenDaten &z = d.Einkauf[static_cast<size_t>(i - 1)];
            s.LabelKosten[i]->setText(z.Name);
            s.LabelKosten[i]->setToolTip(z.Name);
            zeigen(s.Kostenzeile[i], z, false);
            s.EditKostenGold[i]->setAccessibleName(z.Name + QStringLiteral(", Einkaufspreis in Gold"));
            s.SpinEditKostenProzent[i]->setAccessibleName(z.Name +
                                                          QStringLiteral(", Einkaufspreis in Prozent"));
        }
        if (n == 0) {
            s.LabelKosten[1]->setText(QStringLiteral("-keine Zutaten-"));
            s.LabelKosten[1]->setToolTip(QString());
        }
        s.LabelKostenGold->setVisible(n > 0);
        s.LabelKostenProzent->setVisible(n > 0);
        s.SpeedButtonKosten->setVisible(d.EinkaufAlle);
    }
    m_fuellen = false;
    if (gespeichert)
        BerechneAnalyse(m_katalog, m_optionen, m_crafting);
}

void TBausatzrechnerSeite::AnalyseAnzeigen()
{
    for (int k = 1; k <= AnzahlModi; ++k) {
        const TAnalyseErgebnis &a = m_crafting.Analyse[static_cast<size_t>(k)];
        TKostenseitenSteuerung &s = Kostenseite[static_cast<size_t>(k)];
        const std::array<QString, 8> werte = AnalyseWerteTexte(a);
        s.LabelAnalyse0->show();
        s.SpeedButtonAnalyse->show();
        for (int i = 1; i <= 8; ++i) {
            QLabel *wert = s.LabelAnalyse[i];
            wert->setText(werte[static_cast<size_t>(i - 1)]);
            // Values end at the right margin; their left edge follows the text.
            const int breite = wert->fontMetrics().horizontalAdvance(wert->text()) + 2;
            wert->setGeometry(AnalyseRechts - breite, wert->y(), breite, wert->height());
            wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            wert->show();
            s.LabelAnalyseStatic[i]->show();
        }
        // The duration caption gives way to a long duration text; otherwise it shows whole.
        QLabel *dauer = s.LabelAnalyseStatic[2];
        const int ganz = dauer->fontMetrics().horizontalAdvance(dauer->text()) + 2;
        dauer->resize(std::min(s.LabelAnalyse[2]->x() - 8 - dauer->x(), ganz), dauer->height());

        s.LabelAnalyseStatic[7]->setText(GewinnBeschriftung(a.Gewinn));
        QColor farbe;
        switch (GewinnFarbe(a.Gewinn)) {
        case TGewinnFarbe::Gruen:
            farbe = Gruen;
            break;
        case TGewinnFarbe::Dunkelrot:
            farbe = Dunkelrot;
            break;
        case TGewinnFarbe::Normal:
            break;
        }
        for (QLabel *l :
             {s.LabelAnalyseStatic[7], s.LabelAnalyseStatic[8], s.LabelAnalyse[7], s.LabelAnalyse[8]})
            Farbe(l, farbe);
    }
    if (PageControl2->isHidden()) {
        PageControl2->show();
        for (QAbstractButton *b : PageControl2Knoepfe->buttons())
            b->show();
        update();
    }
}

void TBausatzrechnerSeite::AnalyseLeeren()
{
    PageControl2->hide();
    for (QAbstractButton *b : PageControl2Knoepfe->buttons())
        b->hide();
    for (int k = 1; k <= AnzahlModi; ++k) {
        TKostenseitenSteuerung &s = Kostenseite[static_cast<size_t>(k)];
        for (QWidget *w : std::initializer_list<QWidget *>{
                 s.LabelAnalyse0, s.SpeedButtonAnalyse, s.EditVerkaufspreisGold,
                 s.SpinEditVerkaufspreisProzent, s.SpeedButtonVerkaufspreis, s.ComboBoxGebaeude,
                 s.SpinEditGebaeude, s.LabelGebaeudeGold, s.SpeedButtonGebaeude, s.SpeedButtonKosten})
            w->hide();
        for (int i = 1; i <= 8; ++i) {
            s.LabelAnalyse[i]->hide();
            s.LabelAnalyseStatic[i]->hide();
        }
        for (int i = 1; i <= SichtbareEinkaufszeilen; ++i) {
            s.EditKostenGold[i]->hide();
            s.SpinEditKostenProzent[i]->hide();
        }
    }
}

// ---------------------------------------------------------------- keys and mouse

bool TBausatzrechnerSeite::Strg() const
{
    return !m_strgAusgesetzt && StrgGehalten();
}

bool TBausatzrechnerSeite::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QEvent::Type typ = ereignis->type();
    if (typ == QEvent::MouseButtonPress) {
        auto *maus = static_cast<QMouseEvent *>(ereignis);
        if (objekt == LabelBaumenge1 || objekt == LabelBaumenge2) {
            (objekt == LabelBaumenge1 ? RadioButtonBaumenge1 : RadioButtonBaumenge2)->setChecked(true);
            return false;
        }
        if (objekt == LabelWirkungBerechnen) {
            CheckBoxWirkungBerechnen->click();
            return true;
        }
        if (maus->button() != Qt::LeftButton)
            return false;
        const bool baum1 = objekt == TreeView1->viewport();
        const bool strg = Strg();
        if ((baum1 || objekt == TreeView2->viewport()) && (strg || UmschaltGehalten())) {
            QTreeWidget *baum = baum1 ? TreeView1 : TreeView2;
            if (QTreeWidgetItem *item = baum->itemAt(maus->position().toPoint()))
                baum->setCurrentItem(item);
            if (strg) {
                // Ctrl is set aside while the operation runs, so that the rebuilt view may
                // expand its nodes again.
                const bool ausgesetzt = std::exchange(m_strgAusgesetzt, true);
                if (baum1)
                    EinenBausatzHinzufuegen();
                else
                    BausatzAbziehenClick();
                m_strgAusgesetzt = ausgesetzt;
            } else if (baum1 ? SpeedButtonBauen->isEnabled() : SpeedButtonLoeschen->isEnabled()) {
                if (MengendialogOeffnen)
                    MengendialogOeffnen(baum1 ? DialogHinzufuegen : DialogFestlegen);
            }
            return true; // no selection toggling, no expanding by this click
        }
        return false;
    }
    if (typ == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(ereignis)->key();
        const bool enter = taste == Qt::Key_Return || taste == Qt::Key_Enter;
        if (objekt == TreeView1 && enter) {
            EinenBausatzHinzufuegen();
            return true;
        }
        if (objekt == TreeView2 && taste == Qt::Key_Delete) {
            if (SpeedButtonLoeschen->isEnabled())
                SpeedButtonLoeschenClick();
            return true;
        }
        if ((objekt == SpinEditBaumenge1 || objekt == SpinEditBaumenge2) && enter) {
            if (SpeedButtonBauen->isEnabled())
                SpeedButtonBauen->click();
            return true;
        }
        if (objekt == SpinEditBaumenge3 && enter) {
            if (SpeedButtonBearbeiten->isEnabled())
                SpeedButtonBearbeiten->click();
            return true;
        }
        return false;
    }
    if (typ == QEvent::FocusIn && (objekt == SpinEditBaumenge1 || objekt == SpinEditBaumenge2)) {
        (objekt == SpinEditBaumenge1 ? RadioButtonBaumenge1 : RadioButtonBaumenge2)->setChecked(true);
        return false;
    }
    if (typ == QEvent::FocusOut) {
        // Before the spin box's own handling: an empty or invalid text becomes 1 (0 for a
        // shift cost), instead of the previous value.
        auto *feld = qobject_cast<QSpinBox *>(objekt);
        if (feld && !GanzzahlLesen(feld->cleanText())) {
            feld->setValue(feld->objectName().startsWith(QLatin1String("SpinEditGebaeude")) ? 0 : 1);
            // The spin box puts the text back without a change signal: the buttons that
            // follow the field's validity must see the new text.
            if (feld == SpinEditBaumenge1 || feld == SpinEditBaumenge2)
                SpinEditBaumengeChange(feld);
            else if (feld == SpinEditBaumenge3)
                SpinEditBaumenge3Change();
        }
    }
    return false;
}

} // namespace mvt
