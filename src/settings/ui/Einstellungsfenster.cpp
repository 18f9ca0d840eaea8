#include "settings/ui/Einstellungsfenster.h"

#include "combat/Kampfarchiv.h"
#include "crafting/CraftingSitzung.h"
#include "planner/PlanerSitzung.h"

#include "base/Meldung.h"
#include "base/Zahlen.h"
#include "base/Preiskopplung.h"
#include "routes/RoutenSitzung.h"
#include "ui/Preiszeile.h"
#include "ui/Zugang.h"
#include "ui/Sitzung.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace mvt {

namespace {

constexpr int Zeilenabstand = 24;
constexpr int Flaechenhoehe = 404; // visible height of a price page's rows
constexpr int Namensbreite = 184;
constexpr int Goldbreite = 53;
constexpr int Prozentbreite = 41;

template <class T> T *Benannt(T *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QCheckBox *Kontrollkaestchen(QWidget *eltern, const char *name, const QString &text, int x, int y, int breite)
{
    auto *c = Benannt(new QCheckBox(text, eltern), name);
    c->setGeometry(x, y, breite, 22);
    c->setAccessibleName(text);
    return c;
}

QSpinBox *Zahlenfeld(QWidget *eltern, const char *name, int min, int max, int x, int y, int breite = 64)
{
    auto *s = Benannt(new QSpinBox(eltern), name);
    s->setRange(min, max);
    s->setGeometry(x, y, breite, 22);
    NurZiffern(s);
    return s;
}

// A caption label that is the buddy of its field and gives it its accessible name.
QLabel *Beschriftung(QWidget *eltern, const QString &text, QWidget *feld, int x, int y, int breite)
{
    auto *l = new QLabel(text, eltern);
    l->setGeometry(x, y, breite, 22);
    l->setBuddy(feld);
    feld->setAccessibleName(QString(text).remove(u'&').remove(u':'));
    return l;
}

QPushButton *Knopf(QWidget *eltern, const char *name, const QString &text, int x, int y, int breite)
{
    auto *b = Benannt(new QPushButton(text, eltern), name);
    b->setGeometry(x, y, breite, 26);
    b->setAccessibleName(text);
    return b;
}

QRadioButton *Auswahlknopf(QWidget *eltern, const char *name, const QString &text, int x, int y)
{
    auto *r = Benannt(new QRadioButton(text, eltern), name);
    r->setGeometry(x, y, 200, 22);
    r->setAccessibleName(text);
    TabAufGewaehltem(r);
    return r;
}

// The potency value column takes only digits, the comma, Backspace, Ctrl+C and Ctrl+V as
// typed characters.
class TWirkungsEingabe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *ereignis) override
    {
        if (ereignis->type() != QEvent::KeyPress)
            return false;
        const QString t = static_cast<QKeyEvent *>(ereignis)->text();
        if (t.size() != 1)
            return false;
        const QChar c = t[0];
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            // Backspace, Ctrl+C, Ctrl+V; Enter, Tab and Escape steer the editor.
            return !(c == u'\b' || c.unicode() == 0x03 || c.unicode() == 0x16 || c == u'\r' || c == u'\t' ||
                     c.unicode() == 0x1b);
        return !((c >= u'0' && c <= u'9') || c == u',');
    }
};

class TWirkungsDelegat : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *eltern, const QStyleOptionViewItem &o, const QModelIndex &i) const override
    {
        QWidget *e = QStyledItemDelegate::createEditor(eltern, o, i);
        if (e) {
            e->installEventFilter(new TWirkungsEingabe(e));
            // The editor is read as the potency of its row ("Holzfällen Wirkung").
            e->setAccessibleName(i.siblingAtColumn(0).data().toString() + QStringLiteral(" Wirkung"));
        }
        return e;
    }
};

QTableWidget *Wertliste(QWidget *eltern, const char *name, const QString &kopf, int von, int bis)
{
    auto *t = Benannt(new QTableWidget(bis - von + 1, 2, eltern), name);
    t->setHorizontalHeaderLabels({kopf, QStringLiteral("Wirkung")});
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(19);
    // The value column takes exactly what the names leave: left at its default width the
    // columns were wider than the list, and moving into a value scrolled the names' first
    // letters out of sight.
    t->horizontalHeader()->setMinimumSectionSize(40);
    t->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setItemDelegateForColumn(1, new TWirkungsDelegat(t));
    t->setEditTriggers(QAbstractItemView::AllEditTriggers);
    t->setTabKeyNavigation(false); // Tab leaves the list, the arrow keys move inside
    t->setAccessibleName(kopf);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = von; i <= bis; ++i) {
        auto *n = new QTableWidgetItem(QString::fromUtf16(WirkungsNamen[static_cast<size_t>(i)]));
        n->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        t->setItem(i - von, 0, n);
        t->setItem(i - von, 1, new QTableWidgetItem(QStringLiteral("1,00")));
    }
    return t;
}

const QString Ueberschrift[2] = {QStringLiteral("Fertigkeiten"), QStringLiteral("Handwerk")};

} // namespace

TForm7::TForm7(TSitzung &sitzung, const TZiele &ziele, QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Einstellungen"), Rahmen::Dialog, false), m_sitzung(sitzung),
      m_ziele(ziele), m_zeilen(AnzahlPreiszeilen + 1)
{
    setObjectName(QStringLiteral("Form7"));
    setFixedSize(940, 640);

    PageControl1 = Benannt(new QTabWidget(this), "PageControl1");
    PageControl1->setGeometry(8, 8, 924, 586);
}

TForm7::~TForm7() = default;

void TForm7::SeitenAnlegen()
{
    if (m_seitenAngelegt)
        return;
    m_seitenAngelegt = true;
    struct Seite {
        const char *name;
        QString titel;
        void (TForm7::*fuellen)(QWidget *);
    };
    const Seite seiten[] = {
        {"TabSheetMorvarenTool", QStringLiteral("Morvaren Tool"), &TForm7::SeiteMorvarenTool},
        {"TabSheetBausatzrechner", QStringLiteral("Bausatzrechner"), &TForm7::SeiteBausatzrechner},
        {"TabSheetRoutenplaner", QStringLiteral("Routenplaner"), &TForm7::SeiteRoutenplaner},
        {"TabSheetCharakterPlaner", QStringLiteral("Charakter-Planer"), &TForm7::SeiteCharakterPlaner},
    };
    for (const Seite &s : seiten) {
        auto *w = Benannt(new QWidget, s.name);
        PageControl1->addTab(w, s.titel);
        (this->*s.fuellen)(w);
    }

    ButtonOkay = Knopf(this, "ButtonOkay", QStringLiteral("Okay"), 740, 604, 90);
    ButtonAbbrechen = Knopf(this, "ButtonAbbrechen", QStringLiteral("Abbrechen"), 840, 604, 90);
    ButtonOkay->setDefault(true);
    connect(ButtonOkay, &QPushButton::clicked, this, &TForm7::ButtonOkayClick);
    connect(ButtonAbbrechen, &QPushButton::clicked, this, &TForm7::ButtonAbbrechenClick);
}

void TForm7::SeiteMorvarenTool(QWidget *seite)
{
    CheckBoxShowHints = Kontrollkaestchen(seite, "CheckBoxShowHints",
                                          QStringLiteral("Scroll-Over-Hinweise anzeigen"), 12, 10, 400);
    CheckBoxAutoUpdate = Kontrollkaestchen(
        seite, "CheckBoxAutoUpdate", QStringLiteral("Automatischer Check beim Programmstart"), 12, 34, 400);
    CheckBoxKaempfeArchivieren = Kontrollkaestchen(
        seite, "CheckBoxKaempfeArchivieren", QStringLiteral("Ausgewertete Kämpfe archivieren"), 440, 10, 400);
    CheckBoxKaempfeArchivieren->setToolTip(QStringLiteral(
        "Jeder ausgewertete Kampfbericht wird im Kampfarchiv (kampfarchiv.sqlite) gespeichert"));

    auto *gruppe =
        Benannt(new QGroupBox(QStringLiteral("Wirkung der Fertigkeiten"), seite), "GroupBoxWirkung");
    gruppe->setGeometry(8, 64, 900, 450);
    ValueListEditorFertigkeiten =
        Wertliste(gruppe, "ValueListEditorFertigkeiten", Ueberschrift[0], 0, AnzahlFertigkeitsWirkungen - 1);
    ValueListEditorFertigkeiten->setGeometry(10, 24, 250, 20 * 19 + 30);
    ValueListEditorHandwerk = Wertliste(gruppe, "ValueListEditorHandwerk", Ueberschrift[1],
                                        AnzahlFertigkeitsWirkungen, AnzahlWirkungen - 1);
    ValueListEditorHandwerk->setGeometry(272, 24, 310, 18 * 19 + 30);
    ValueListEditorFertigkeiten->setColumnWidth(0, 160);
    ValueListEditorHandwerk->setColumnWidth(0, 230);

    for (QTableWidget *liste : {ValueListEditorFertigkeiten, ValueListEditorHandwerk}) {
        liste->installEventFilter(this);
        const bool handwerk = liste == ValueListEditorHandwerk;
        connect(liste, &QTableWidget::currentCellChanged, this,
                [this, liste, handwerk](int zeile, int, int vorige, int) {
                    if (vorige >= 0 && vorige != zeile)
                        WirkungZeilePruefen(liste, vorige);
                    if (zeile >= 0)
                        m_gemerkteWirkungszeile[handwerk] = zeile;
                });
        connect(liste, &QTableWidget::itemChanged, this, [this, liste](QTableWidgetItem *item) {
            if (item->column() == 1)
                WirkungZeilePruefen(liste, item->row());
        });
    }

    ButtonWirkungenZuruecksetzen = Knopf(gruppe, "ButtonWirkungenZuruecksetzen",
                                         QStringLiteral("alle auf 1,00 zurücksetzen"), 600, 24, 230);
    ButtonReadWirkungClipboard = Knopf(gruppe, "ButtonReadWirkungClipboard",
                                       QStringLiteral("aus Zwischenablage kopieren"), 600, 60, 230);
    connect(ButtonWirkungenZuruecksetzen, &QPushButton::clicked, this,
            &TForm7::ButtonWirkungenZuruecksetzenClick);
    connect(ButtonReadWirkungClipboard, &QPushButton::clicked, this,
            &TForm7::ButtonReadWirkungClipboardClick);
    LabelWirksamkeitImportOkay = Benannt(new QLabel(gruppe), "LabelWirksamkeitImportOkay");
    LabelWirksamkeitImportOkay->setGeometry(600, 92, 310, 22);
    LabelWirksamkeitImportOkay->hide();
    auto *anleitung = new QLabel(
        QStringLiteral(
            "Anleitung: In Morvaren die Fähigkeiten-Übersicht aufrufen, dann auf \"alle anzeigen\" "
            "klicken. Mit Strg+A die komplette Seite markieren und mit Strg+C kopieren. Danach auf "
            "diesen Button klicken."),
        gruppe);
    anleitung->setWordWrap(true);
    anleitung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    anleitung->setGeometry(600, 122, 290, 100);
    auto *klassisch = new QLabel(
        QStringLiteral("1,00 entspricht dem klassischen Modus, bevor die Wirkung eingeführt wurde."), gruppe);
    klassisch->setWordWrap(true);
    klassisch->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    klassisch->setGeometry(600, 230, 290, 60);
}

void TForm7::SeiteBausatzrechner(QWidget *seite)
{
    PageControl2 = Benannt(new QTabWidget(seite), "PageControl2");
    PageControl2->setGeometry(4, 4, 910, 548);

    auto *allgemein = Benannt(new QWidget, "TabSheetAllgemein");
    PageControl2->addTab(allgemein, QStringLiteral("Allgemein"));
    CheckBoxTreeViewAutoExpand =
        Kontrollkaestchen(allgemein, "CheckBoxTreeViewAutoExpand",
                          QStringLiteral("Automatisches Öffnen von Baumknoten"), 12, 12, 500);
    CheckBoxSaveUserAngaben = Kontrollkaestchen(
        allgemein, "CheckBoxSaveUserAngaben",
        QStringLiteral("Speichern von Einkaufs-, Verkaufspreisen, Gebäudestufen und Schichtkosten"), 12, 40,
        560);
    ButtonPreiseZuruecksetzen =
        Knopf(allgemein, "ButtonPreiseZuruecksetzen", QStringLiteral("Zurücksetzen"), 580, 38, 120);
    ButtonPreiseZuruecksetzen->setAccessibleDescription(FragePreiseZuruecksetzen);
    connect(ButtonPreiseZuruecksetzen, &QPushButton::clicked, this, &TForm7::ButtonPreiseZuruecksetzenClick);

    auto *welt = Benannt(new QGroupBox(QStringLiteral("Welt"), allgemein), "GroupBoxBSRWelt");
    welt->setGeometry(8, 76, 700, 110);
    RadioButtonBSRAlteWelt =
        Auswahlknopf(welt, "RadioButtonBSRAlteWelt", QStringLiteral("Dunladan, Endurias"), 12, 24);
    RadioButtonBSRNeueWelt =
        Auswahlknopf(welt, "RadioButtonBSRNeueWelt", QStringLiteral("Zyrthania"), 12, 48);
    auto *hinweis =
        new QLabel(QStringLiteral("Unterschiede gibt es bei den Rezeptkosten und der Herstellungsmenge "
                                  "von Pfeilen, Bolzen und Magieessenzen."),
                   welt);
    hinweis->setWordWrap(true);
    hinweis->setGeometry(230, 24, 450, 44);
    CheckBoxBSRWirkungBerechnen =
        Kontrollkaestchen(allgemein, "CheckBoxBSRWirkungBerechnen",
                          QStringLiteral("Wirkung im Bausatzrechner einkalkulieren"), 12, 200, 500);

    auto *preise = Benannt(new QWidget, "TabSheetPreise");
    PageControl2->addTab(preise, QStringLiteral("Einkaufs- && Verkaufspreise"));
    SeitePreise(preise);

    auto *gebaeude = Benannt(new QWidget, "TabSheetGebaeude");
    PageControl2->addTab(gebaeude, QStringLiteral("Gebäudestufen && Schichtkosten"));
    SeiteGebaeude(gebaeude);
}

void TForm7::SeitePreise(QWidget *seite)
{
    PageControlPreise = Benannt(new QTabWidget(seite), "PageControlPreise");
    PageControlPreise->setGeometry(2, 2, 900, 512);
    PageControlPreise->setUsesScrollButtons(true);
    PageControlPreise->setElideMode(Qt::ElideNone);
    const auto &seiten = Preisseiten();
    m_preisflaechen.assign(seiten.size(), nullptr);
    m_unterflaechen.assign(seiten.size(), {});
    m_seiteAufgebaut.assign(seiten.size(), false);

    for (size_t i = 0; i < seiten.size(); ++i) {
        const TPreisseite &s = seiten[i];
        auto *blatt = new QWidget;
        blatt->setObjectName(QStringLiteral("TabSheetPreise%1").arg(i + 1));
        PageControlPreise->addTab(blatt, s.Titel);
        m_preisflaechen[i] = blatt;
        // Room for the sub-pages' tabs, then the rows.
        if (s.Unterseiten.size() > 1) {
            auto *unter = new QTabWidget(blatt);
            unter->setObjectName(QStringLiteral("PageControlPreise%1").arg(i + 1));
            unter->setGeometry(0, 34, 892, Flaechenhoehe + 40);
            for (const TPreisunterseite &u : s.Unterseiten) {
                auto *f = new QScrollArea;
                f->setFrameShape(QFrame::NoFrame);
                unter->addTab(f, u.Titel);
                m_unterflaechen[i].push_back(f);
            }
        } else {
            auto *f = new QScrollArea(blatt);
            f->setFrameShape(QFrame::NoFrame);
            f->setGeometry(0, 34, 892, Flaechenhoehe + 36);
            m_unterflaechen[i].push_back(f);
        }
    }

    // The "Alle" boxes sit at the top of their page.
    const auto &boxen = AlleBoxen();
    std::vector<int> proSeite(seiten.size(), 0);
    for (size_t b = 0; b < boxen.size(); ++b) {
        const TAlleBox &box = boxen[b];
        QWidget *blatt = m_preisflaechen[static_cast<size_t>(box.Seite)];
        const int n = proSeite[static_cast<size_t>(box.Seite)]++;
        const int x = 8 + n * 220;
        auto *feld = new QSpinBox(blatt);
        feld->setObjectName(QStringLiteral("SpinEditAlle%1").arg(b + 1));
        feld->setRange(0, 999);
        feld->setValue(100);
        feld->setSuffix(QStringLiteral(" %"));
        NurZiffern(feld);
        QString text = box.Einkauf ? QStringLiteral("Alle Einkauf:") : QStringLiteral("Alle Verkauf:");
        if (seiten[static_cast<size_t>(box.Seite)].Titel == QLatin1String("Essenzen und Bandagen"))
            text = n == 0 ? QStringLiteral("Alle Essenzen:") : QStringLiteral("Alle Bandagen:");
        auto *l = Beschriftung(blatt, text, feld, x, 6, 100);
        feld->setGeometry(x + 102, 6, 70, 22);
        feld->setVisible(box.Sichtbar);
        l->setVisible(box.Sichtbar);
        AlleBox[b] = feld;
        connect(feld, &QSpinBox::valueChanged, this, [this, b] { AlleBoxChange(static_cast<int>(b)); });
    }

    connect(PageControlPreise, &QTabWidget::currentChanged, this, [this](int i) { PreisseiteAufbauen(i); });
    connect(PageControl2, &QTabWidget::currentChanged, this, [this](int i) {
        if (PageControl2->widget(i)->objectName() == QLatin1String("TabSheetPreise"))
            PreisseiteAufbauen(PageControlPreise->currentIndex());
    });
}

void TForm7::PreisseiteAufbauen(int seite)
{
    if (seite < 0 || static_cast<size_t>(seite) >= m_seiteAufgebaut.size() ||
        m_seiteAufgebaut[static_cast<size_t>(seite)])
        return;
    m_seiteAufgebaut[static_cast<size_t>(seite)] = true;
    const TPreisseite &s = Preisseiten()[static_cast<size_t>(seite)];
    // every gold field shows the largest price, 7 digits and 2 decimals, whole
    const int goldbreite = std::max(Goldbreite, Goldfeldbreite(this));
    const int preisbreite = goldbreite + 2 + Prozentbreite;
    const int spaltenbreite = Namensbreite + preisbreite + (s.Einkauf ? preisbreite + 12 : 0) + 16;
    const std::vector<int> gruppen = Baumgruppen(m_ziele.Katalog);
    for (size_t u = 0; u < s.Unterseiten.size(); ++u) {
        std::vector<int> zeilen;
        for (const TZeilenbereich &b : s.Unterseiten[u].Bereiche)
            for (int z = b.Von; z <= b.Bis; ++z)
                zeilen.push_back(z);
        // Vertical places with the tier gaps, then as many columns (at most three) as needed.
        std::vector<int> y(zeilen.size());
        int hoehe = 0;
        for (size_t i = 0; i < zeilen.size(); ++i) {
            if (i > 0 && NeueStufengruppe(m_ziele.Katalog, gruppen, zeilen[i - 1], zeilen[i]))
                hoehe += Zeilenabstand;
            y[i] = hoehe;
            hoehe += Zeilenabstand;
        }
        const int spalten = std::clamp((hoehe + Flaechenhoehe - 1) / Flaechenhoehe, 1, 3);
        const int proSpalte = (hoehe + spalten - 1) / spalten;
        auto *flaeche = new QWidget;
        int spalte = 0, basis = 0, hoechste = 0;
        const int kopf = 22;
        // each heading over its own two fields, so that the two never run into each other
        auto kopfzeile = [&](int x) {
            auto *v = new QLabel(QStringLiteral("Verkauf (Gold / %)"), flaeche);
            v->setGeometry(x + Namensbreite, 0, preisbreite + 10, 20);
            if (s.Einkauf) {
                auto *e = new QLabel(QStringLiteral("Einkauf (Gold / %)"), flaeche);
                e->setGeometry(x + Namensbreite + preisbreite + 12, 0, preisbreite + 10, 20);
            }
        };
        kopfzeile(0);
        for (size_t i = 0; i < zeilen.size(); ++i) {
            if (y[i] - basis >= proSpalte && spalte < spalten - 1) {
                ++spalte;
                basis = y[i];
                kopfzeile(spalte * spaltenbreite);
            }
            const int x = spalte * spaltenbreite;
            const int top = kopf + y[i] - basis;
            hoechste = std::max(hoechste, top + Zeilenabstand);
            const int z = zeilen[i];
            TPreisZeilenFelder &f = m_zeilen[static_cast<size_t>(z)];
            const TPreiszeilenGut gut = PreiszeileGut(z);
            QString name;
            const double referenz = Referenzwert(m_ziele.Katalog, gut.Art, gut.Index);
            switch (gut.Art) {
            case ArtRohstoff:
                name = Rohstoff(m_ziele.Katalog, gut.Index)->Name;
                break;
            case ArtZutat:
                name = Zutat(m_ziele.Katalog, gut.Index)->Name;
                break;
            case ArtWare:
                name = Ware(m_ziele.Katalog, gut.Index)->Name;
                break;
            default:
                name = Gebaeude(m_ziele.Katalog, gut.Index)->Name;
                break;
            }
            f.Name = new QLabel(name, flaeche);
            f.Name->setGeometry(x, top, Namensbreite - 4, 22);
            f.Name->setToolTip(name);
            auto spalteAnlegen = [&](int gx, QLineEdit *&gold, QSpinBox *&prozent, TPreiszeile *&zeile,
                                     const QString &art) {
                gold = new QLineEdit(flaeche);
                gold->setObjectName(QStringLiteral("EditGold%1_%2").arg(art).arg(z));
                gold->setGeometry(gx, top, goldbreite, 22);
                gold->setAccessibleName(name + QLatin1Char(' ') + art + QStringLiteral("spreis"));
                prozent = new QSpinBox(flaeche);
                prozent->setObjectName(QStringLiteral("SpinEditProzent%1_%2").arg(art).arg(z));
                prozent->setRange(0, 999);
                prozent->setButtonSymbols(QAbstractSpinBox::NoButtons);
                prozent->setGeometry(gx + goldbreite + 2, top, Prozentbreite, 22);
                prozent->setAccessibleName(name + QLatin1Char(' ') + art + QStringLiteral("sprozent"));
                zeile = new TPreiszeile(gold, prozent, flaeche);
                zeile->ReferenzSetzen(referenz);
            };
            spalteAnlegen(x + Namensbreite, f.VerkaufGold, f.VerkaufProzent, f.Verkauf,
                          QStringLiteral("Verkauf"));
            f.Name->setBuddy(f.VerkaufGold);
            if (HatEinkauf(z))
                spalteAnlegen(x + Namensbreite + preisbreite + 12, f.EinkaufGold, f.EinkaufProzent, f.Einkauf,
                              QStringLiteral("Einkauf"));
            ZeileAnzeigen(z);
        }
        flaeche->resize(spalten * spaltenbreite, hoechste + 4);
        static_cast<QScrollArea *>(m_unterflaechen[static_cast<size_t>(seite)][u])->setWidget(flaeche);
        // Rows made now join the end of the Tab order; Okay and Abbrechen stay last.
        const QList<QSpinBox *> felder = flaeche->findChildren<QSpinBox *>();
        if (!felder.isEmpty()) {
            setTabOrder(felder.last(), ButtonOkay);
            setTabOrder(ButtonOkay, ButtonAbbrechen);
        }
    }
}

int TForm7::AufgebauteZeilen() const
{
    return static_cast<int>(std::count_if(m_zeilen.begin(), m_zeilen.end(),
                                          [](const TPreisZeilenFelder &f) { return f.Verkauf != nullptr; }));
}

void TForm7::ZeileAnzeigen(int zeile)
{
    const TPreisZeilenFelder &f = m_zeilen[static_cast<size_t>(zeile)];
    if (!f.Verkauf)
        return;
    const TPreiszeilenGut g = PreiszeileGut(zeile);
    const TPreispaar *p = Preise(m_ziele.Crafting.Zustand(), g.Art, g.Index);
    if (!p)
        return;
    f.Verkauf->Anzeigen(p->Verkaufspreis);
    if (f.Einkauf)
        f.Einkauf->Anzeigen(p->Einkaufspreis);
}

void TForm7::SeiteGebaeude(QWidget *seite)
{
    ComboboxGebaeudeMaster = Benannt(new QComboBox(seite), "ComboboxGebaeudeMaster");
    for (const char *stufe : {"I", "II", "III", "IV", "V"})
        ComboboxGebaeudeMaster->addItem(QStringLiteral("Alle Stufe ") + QLatin1String(stufe));
    ComboboxGebaeudeMaster->setGeometry(12, 12, 200, 24);
    ComboboxGebaeudeMaster->setAccessibleName(QStringLiteral("Alle Gebäudestufen"));
    SpinEditGebaeude = Zahlenfeld(seite, "SpinEditGebaeude", 0, 500, 222, 12);
    SpinEditGebaeude->setValue(25);
    SpinEditGebaeude->setAccessibleName(QStringLiteral("Alle Schichtkosten"));
    auto *gold = new QLabel(QStringLiteral("Gold"), seite);
    gold->setGeometry(292, 12, 40, 22);
    connect(ComboboxGebaeudeMaster, &QComboBox::activated, this, &TForm7::ComboboxGebaeudeMasterChange);
    connect(SpinEditGebaeude, &QSpinBox::valueChanged, this, &TForm7::SpinEditGebaeudeChange);

    for (int g = 1; g <= AnzahlHandwerksgebaeude; ++g) {
        const int spalte = (g - 1) / 7, reihe = (g - 1) % 7;
        const int x = 12 + spalte * 380, y = 60 + reihe * 36;
        const QString name = QString::fromUtf16(HandwerksgebaeudeNamen[static_cast<size_t>(g)]);
        auto *liste = new QComboBox(seite);
        liste->setObjectName(QStringLiteral("ComboBoxGebaeude%1").arg(g));
        for (const char *stufe : {" I", " II", " III", " IV", " V"})
            liste->addItem(name + QLatin1String(stufe));
        liste->setGeometry(x, y, 200, 24);
        liste->setAccessibleName(name + QStringLiteral(" Stufe"));
        auto *kosten = new QSpinBox(seite);
        kosten->setObjectName(QStringLiteral("SpinEditSchichtkosten%1").arg(g));
        kosten->setRange(0, 500);
        NurZiffern(kosten);
        kosten->setGeometry(x + 210, y, 64, 24);
        kosten->setAccessibleName(name + QStringLiteral(" Schichtkosten"));
        auto *l = new QLabel(QStringLiteral("Gold"), seite);
        l->setGeometry(x + 280, y, 40, 24);
        ComboBoxGebaeude[static_cast<size_t>(g)] = liste;
        SpinEditSchichtkosten[static_cast<size_t>(g)] = kosten;
    }
}

void TForm7::SeiteRoutenplaner(QWidget *seite)
{
    SpinEditUebertragungsintervall =
        Zahlenfeld(seite, "SpinEditUebertragungsintervall", 200, 10000, 330, 12, 80);
    SpinEditUebertragungsintervall->setSuffix(QStringLiteral(" ms"));
    Beschriftung(seite, QStringLiteral("Übertragungsintervall:"), SpinEditUebertragungsintervall, 12, 12,
                 300);
    struct Zone {
        QSpinBox **feld;
        const char *name;
        const char16_t *text;
    };
    const Zone zonen[] = {
        {&SpinEditSZone, "SpinEditSZone", u"Sicherheitszone um Siedlungen und Städte:"},
        {&SpinEditBZone, "SpinEditBZone", u"Bauverbotszone um Siedlungen und Städte:"},
        {&SpinEditSZoneHS, "SpinEditSZoneHS", u"Sicherheitszone um Hauptstadt:"},
        {&SpinEditBZoneHS, "SpinEditBZoneHS", u"Bauverbotszone um Hauptstadt:"},
    };
    int y = 52;
    for (const Zone &z : zonen) {
        *z.feld = Zahlenfeld(seite, z.name, 0, 10, 330, y, 80);
        (*z.feld)->setSuffix(QStringLiteral(" Felder"));
        Beschriftung(seite, QString::fromUtf16(z.text), *z.feld, 12, y, 300);
        y += 30;
    }
    ZonenZuruecksetzen = Knopf(seite, "ZonenZuruecksetzen", QStringLiteral("Standardwerte"), 430, 142, 130);
    connect(ZonenZuruecksetzen, &QPushButton::clicked, this, &TForm7::ZonenZuruecksetzenClick);
    CheckBoxStadtAutoUpdate =
        Kontrollkaestchen(seite, "CheckBoxStadtAutoUpdate",
                          QStringLiteral("Automatisches Update der Städte beim Programmstart"), 12, 190, 500);
    CheckBoxAuftragsOptimierung =
        Kontrollkaestchen(seite, "CheckBoxAuftragsOptimierung",
                          QStringLiteral("Routen mit weniger Aufträgen priorisieren"), 12, 218, 500);
}

void TForm7::SeiteCharakterPlaner(QWidget *seite)
{
    CheckBoxCPWirkungBerechnen =
        Kontrollkaestchen(seite, "CheckBoxCPWirkungBerechnen",
                          QStringLiteral("Wirkung im Charakter-Planer einkalkulieren"), 12, 12, 500);
    auto *welt = Benannt(new QGroupBox(QStringLiteral("Welt"), seite), "GroupBoxCPWelt");
    welt->setGeometry(8, 44, 300, 84);
    RadioButtonCPAlteWelt =
        Auswahlknopf(welt, "RadioButtonCPAlteWelt", QStringLiteral("Dunladan, Endurias"), 12, 24);
    RadioButtonCPNeueWelt = Auswahlknopf(welt, "RadioButtonCPNeueWelt", QStringLiteral("Zyrthania"), 12, 50);
    connect(RadioButtonCPAlteWelt, &QRadioButton::toggled, this, &TForm7::RadioButtonCPWeltClick);
}

TEinstellungsDaten TForm7::Daten(TOptionen &optionen, TPreise &preise, double &naechstePruefung)
{
    return {m_ziele.Katalog, preise, optionen, naechstePruefung, Erinnert};
}

double TForm7::JetztTage() const
{
    return Jetzt ? Jetzt() : JetztAlsTageszahl();
}

void TForm7::AlleWerteZeigen()
{
    for (size_t b = 0; b < AlleBox.size(); ++b) {
        const QSignalBlocker sperre(AlleBox[b]); // showing a remembered value sets no row
        AlleBox[b]->setValue(Erinnert.Alle[b]);
    }
    const QSignalBlocker s1(ComboboxGebaeudeMaster), s2(SpinEditGebaeude);
    ComboboxGebaeudeMaster->setCurrentIndex(Erinnert.GebaeudeMaster);
    SpinEditGebaeude->setValue(Erinnert.SchichtMaster);
}

void TForm7::FormShow()
{
    SeitenAnlegen();
    TOptionen optionen = m_sitzung.Optionen();
    TPreise preise = m_ziele.Crafting.Zustand();
    double naechstePruefung = m_ziele.Online.NaechstePruefung();
    const TEinstellungsWerte w = EinstellungenLesen(Daten(optionen, preise, naechstePruefung));
    // Potencies; the import result is hidden.
    m_pruefeWirkung = true;
    for (int i = 0; i < AnzahlWirkungen; ++i) {
        const bool handwerk = i >= AnzahlFertigkeitsWirkungen;
        QTableWidget *liste = handwerk ? ValueListEditorHandwerk : ValueListEditorFertigkeiten;
        liste->item(handwerk ? i - AnzahlFertigkeitsWirkungen : i, 1)
            ->setText(w.Wirkung[static_cast<size_t>(i)]);
    }
    m_pruefeWirkung = false;
    LabelWirksamkeitImportOkay->hide();
    // The worlds and the potency switches.
    (w.BSRAlteWelt ? RadioButtonBSRAlteWelt : RadioButtonBSRNeueWelt)->setChecked(true);
    CheckBoxBSRWirkungBerechnen->setChecked(w.BSRWirkungBerechnen);
    CheckBoxCPWirkungBerechnen->setChecked(w.CPWirkungBerechnen);
    (w.CPAlteWelt ? RadioButtonCPAlteWelt : RadioButtonCPNeueWelt)->setChecked(true);
    RadioButtonCPWeltClick();
    // The remembered boxes.
    AlleWerteZeigen();
    // The options.
    CheckBoxTreeViewAutoExpand->setChecked(w.TreeViewAutoExpand);
    CheckBoxSaveUserAngaben->setChecked(w.SaveUserAngaben);
    CheckBoxShowHints->setChecked(w.ShowHints);
    CheckBoxStadtAutoUpdate->setChecked(w.StadtAutoUpdate);
    CheckBoxAuftragsOptimierung->setChecked(w.AuftragsOptimierung);
    CheckBoxAutoUpdate->setChecked(w.AutoUpdate);
    // The option lives in the combat archive; without an archive it is off.
    m_kaempfeArchivieren = TKampfarchiv().ArchivierungEingeschaltet();
    CheckBoxKaempfeArchivieren->setChecked(m_kaempfeArchivieren);
    SpinEditUebertragungsintervall->setValue(w.Uebertragungsintervall);
    SpinEditSZone->setValue(w.SZone);
    SpinEditBZone->setValue(w.BZone);
    SpinEditSZoneHS->setValue(w.SZoneHS);
    SpinEditBZoneHS->setValue(w.BZoneHS);
    // The prices of the rows created so far; the others are filled when created.
    for (int z = 1; z <= AnzahlPreiszeilen; ++z)
        ZeileAnzeigen(z);
    // Production buildings.
    for (int g = 1; g <= AnzahlHandwerksgebaeude; ++g) {
        ComboBoxGebaeude[static_cast<size_t>(g)]->setCurrentIndex(w.Stufenposition[static_cast<size_t>(g)]);
        SpinEditSchichtkosten[static_cast<size_t>(g)]->setValue(w.Schichtkosten[static_cast<size_t>(g)]);
    }
    // The price page in view is created now if it is not yet.
    if (PageControl1->currentIndex() == 1 &&
        PageControl2->currentWidget()->objectName() == QLatin1String("TabSheetPreise"))
        PreisseiteAufbauen(PageControlPreise->currentIndex());
}

void TForm7::ButtonOkayClick()
{
    SeitenAnlegen();
    // The rows not created yet show the data's own texts.
    TOptionen neu = m_sitzung.Optionen();
    TPreise preise = m_ziele.Crafting.Zustand();
    double naechstePruefung = m_ziele.Online.NaechstePruefung();
    TEinstellungsWerte w = EinstellungenLesen(Daten(neu, preise, naechstePruefung));
    w.TreeViewAutoExpand = CheckBoxTreeViewAutoExpand->isChecked();
    w.SaveUserAngaben = CheckBoxSaveUserAngaben->isChecked();
    w.ShowHints = CheckBoxShowHints->isChecked();
    w.BSRWirkungBerechnen = CheckBoxBSRWirkungBerechnen->isChecked();
    w.Uebertragungsintervall = SpinEditUebertragungsintervall->value();
    w.StadtAutoUpdate = CheckBoxStadtAutoUpdate->isChecked();
    w.SZone = SpinEditSZone->value();
    w.BZone = SpinEditBZone->value();
    w.SZoneHS = SpinEditSZoneHS->value();
    w.BZoneHS = SpinEditBZoneHS->value();
    w.AuftragsOptimierung = CheckBoxAuftragsOptimierung->isChecked();
    w.BSRAlteWelt = RadioButtonBSRAlteWelt->isChecked();
    w.CPAlteWelt = RadioButtonCPAlteWelt->isChecked();
    w.CPWirkungBerechnen = CheckBoxCPWirkungBerechnen->isChecked();
    w.AutoUpdate = CheckBoxAutoUpdate->isChecked();
    for (int i = 0; i < AnzahlWirkungen; ++i) {
        const bool handwerk = i >= AnzahlFertigkeitsWirkungen;
        QTableWidget *liste = handwerk ? ValueListEditorHandwerk : ValueListEditorFertigkeiten;
        w.Wirkung[static_cast<size_t>(i)] =
            liste->item(handwerk ? i - AnzahlFertigkeitsWirkungen : i, 1)->text();
    }
    for (int z = 1; z <= AnzahlPreiszeilen; ++z) {
        const TPreisZeilenFelder &f = m_zeilen[static_cast<size_t>(z)];
        if (f.VerkaufGold)
            w.Verkauf[static_cast<size_t>(z)] = f.VerkaufGold->text();
        if (f.EinkaufGold)
            w.Einkauf[static_cast<size_t>(z)] = f.EinkaufGold->text();
    }
    for (int g = 1; g <= AnzahlHandwerksgebaeude; ++g) {
        w.Stufenposition[static_cast<size_t>(g)] = ComboBoxGebaeude[static_cast<size_t>(g)]->currentIndex();
        w.Schichtkosten[static_cast<size_t>(g)] = SpinEditSchichtkosten[static_cast<size_t>(g)]->value();
    }
    // The boxes remember what they show.
    for (size_t b = 0; b < AlleBox.size(); ++b)
        Erinnert.Alle[b] = AlleBox[b]->value();
    Erinnert.GebaeudeMaster = ComboboxGebaeudeMaster->currentIndex();
    Erinnert.SchichtMaster = SpinEditGebaeude->value();

    // The options, the prices and the version check date into copies, which the session
    // stores below.
    EinstellungenUebernehmen(Daten(neu, preise, naechstePruefung), w, JetztTage());
    m_ziele.Online.NaechstePruefungSetzen(naechstePruefung);
    // The crafting world with its recipe rules (the selected item's details follow), the
    // planner world (the planner's potency switch follows).
    m_sitzung.CraftingweltSetzen(neu.BSRWorld);
    m_sitzung.PlanerweltSetzen(neu.CPWorld, neu.CPCalcPotency);
    // The prices, and with them the build list's figures in the world just set; while the
    // list is empty, only changed prices are worth announcing.
    TCraftingSitzung &crafting = m_ziele.Crafting;
    const TCraftingZustand &c = crafting.Zustand();
    if (!c.Bauliste.Leer() || preise != static_cast<const TPreise &>(c))
        crafting.PreiseSetzen(preise);
    // The whole record into the session and the windows, the file, and the analysis once
    // more (potencies and the potency switch now stored).
    m_sitzung.OptionenSetzen(neu);
    m_sitzung.OptionenSpeichern();
    if (!c.Bauliste.Leer())
        crafting.AnalyseNeuBerechnen();
    // The combat archive's option is written only when it changed: switching it on is the
    // player's wish to create the archive.
    if (CheckBoxKaempfeArchivieren->isChecked() != m_kaempfeArchivieren) {
        TKampfarchiv archiv;
        if (archiv.ArchivierungSetzen(CheckBoxKaempfeArchivieren->isChecked()))
            m_kaempfeArchivieren = CheckBoxKaempfeArchivieren->isChecked();
        else
            MeldungZeigen(archiv.Fehler());
    }
    // The map shows the zones, the planner the values of the new options.
    close();
    m_ziele.Routen.ZonenSetzen(routen::ZonenAus(neu));
    m_ziele.Planer.Neuberechnen();
}

void TForm7::ButtonAbbrechenClick()
{
    close();
}

void TForm7::ButtonPreiseZuruecksetzenClick()
{
    if (!FrageStellen(FragePreiseZuruecksetzen))
        return;
    TOptionen optionen = m_sitzung.Optionen();                   // the reset changes no option
    double naechstePruefung = m_ziele.Online.NaechstePruefung(); // nor the version check date
    TPreise preise = m_ziele.Crafting.Zustand();
    HandwerksparameterZuruecksetzen(Daten(optionen, preise, naechstePruefung));
    // Stored at once, as the question says, so the crafting tab follows now.
    m_ziele.Crafting.PreiseSetzen(preise);
    FormShow();
}

void TForm7::ZonenZuruecksetzenClick()
{
    SpinEditSZone->setValue(2);
    SpinEditBZone->setValue(5);
    SpinEditSZoneHS->setValue(4);
    SpinEditBZoneHS->setValue(8);
}

void TForm7::ButtonWirkungenZuruecksetzenClick()
{
    m_pruefeWirkung = true;
    for (QTableWidget *liste : {ValueListEditorFertigkeiten, ValueListEditorHandwerk})
        for (int r = 0; r < liste->rowCount(); ++r)
            liste->item(r, 1)->setText(QStringLiteral("1,00"));
    m_pruefeWirkung = false;
    LabelWirksamkeitImportOkay->hide();
}

void TForm7::ButtonReadWirkungClipboardClick()
{
    const QClipboard *ablage = QGuiApplication::clipboard();
    const TWirkungsimport e = WirkungenImportieren(ablage ? ablage->text() : QString());
    m_pruefeWirkung = true; // the values stay as imported until their row is left
    for (int i = 0; i < AnzahlWirkungen; ++i) {
        const auto &wert = e.Werte[static_cast<size_t>(i)];
        if (!wert)
            continue;
        const bool handwerk = i >= AnzahlFertigkeitsWirkungen;
        QTableWidget *liste = handwerk ? ValueListEditorHandwerk : ValueListEditorFertigkeiten;
        liste->item(handwerk ? i - AnzahlFertigkeitsWirkungen : i, 1)->setText(*wert);
    }
    m_pruefeWirkung = false;
    LabelWirksamkeitImportOkay->setText(ImportErgebnistext(e.Anzahl));
    LabelWirksamkeitImportOkay->setStyleSheet(e.Anzahl > 0 ? QStringLiteral("color: #008000;")
                                                           : QStringLiteral("color: #ff0000;"));
    LabelWirksamkeitImportOkay->show();
}

void TForm7::WirkungZeilePruefen(QTableWidget *liste, int zeile)
{
    if (m_pruefeWirkung || zeile < 0 || zeile >= liste->rowCount())
        return;
    QTableWidgetItem *item = liste->item(zeile, 1);
    const QString geprueft = WirkungPruefen(item->text(), m_sitzung.Optionen());
    if (geprueft == item->text())
        return;
    m_pruefeWirkung = true;
    item->setText(geprueft);
    m_pruefeWirkung = false;
}

void TForm7::ComboboxGebaeudeMasterChange(int position)
{
    for (int g = 1; g <= AnzahlHandwerksgebaeude; ++g)
        ComboBoxGebaeude[static_cast<size_t>(g)]->setCurrentIndex(position);
}

void TForm7::SpinEditGebaeudeChange(int wert)
{
    if (SpinEditGebaeude->cleanText().isEmpty())
        return;
    for (int g = 1; g <= AnzahlHandwerksgebaeude; ++g)
        SpinEditSchichtkosten[static_cast<size_t>(g)]->setValue(wert);
}

void TForm7::RadioButtonCPWeltClick()
{
    // Only the planner's own world decides whether its potency switch applies.
    CheckBoxCPWirkungBerechnen->setEnabled(!RadioButtonCPAlteWelt->isChecked());
}

void TForm7::AlleBoxChange(int box)
{
    const TAlleBox &b = AlleBoxen()[static_cast<size_t>(box)];
    QSpinBox *feld = AlleBox[static_cast<size_t>(box)];
    if (feld->cleanText().isEmpty())
        return;
    PreisseiteAufbauen(b.Seite);
    for (const TZeilenbereich &r : b.Bereiche)
        for (int z = r.Von; z <= r.Bis; ++z) {
            const TPreisZeilenFelder &f = m_zeilen[static_cast<size_t>(z)];
            if (TPreiszeile *zeile = b.Einkauf ? f.Einkauf : f.Verkauf)
                zeile->ProzentSetzen(feld->value());
        }
}

bool TForm7::eventFilter(QObject *objekt, QEvent *ereignis)
{
    // Leaving a potency list validates the row last selected in it.
    if (ereignis->type() == QEvent::FocusOut) {
        if (objekt == ValueListEditorFertigkeiten)
            WirkungZeilePruefen(ValueListEditorFertigkeiten, m_gemerkteWirkungszeile[0]);
        else if (objekt == ValueListEditorHandwerk)
            WirkungZeilePruefen(ValueListEditorHandwerk, m_gemerkteWirkungszeile[1]);
    }
    return TNebenfenster::eventFilter(objekt, ereignis);
}

} // namespace mvt
