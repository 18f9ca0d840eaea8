#include "crafting/ui/Detailanalyse.h"

#include "ui/Bilder.h"
#include "ui/Steuerelemente.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace mvt {

namespace {

// Colour 14215660 (BGR) of the grids; the fixed cells' 11063763 is in the style sheet.
const QColor Rasterfarbe(0xEC, 0xE9, 0xD8);
constexpr int Zeilenhoehe = 16;
constexpr int Links = 8;

// The 2048 x 1536 background behind the controls; it scrolls with them.
class TKachelflaeche : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *ereignis) override
    {
        QPainter p(this);
        HintergrundMalen(p, ereignis->rect(), QPoint(0, 0));
    }
};

template <size_t N> QStringList Liste(const std::array<const char16_t *, N> &texte)
{
    QStringList l;
    for (const char16_t *t : texte)
        l.append(QString::fromUtf16(t));
    return l;
}

template <size_t N> std::vector<QStringList> Zeilen(const std::vector<std::array<QString, N>> &zeilen)
{
    std::vector<QStringList> l;
    l.reserve(zeilen.size());
    for (const auto &z : zeilen)
        l.emplace_back(z.begin(), z.end());
    return l;
}

// A heading or figure sized to its text; the page places it when it lays itself out.
QLabel *Textbeschriftung(const char *name, const QString &text, QWidget *eltern, bool fett = false)
{
    QLabel *l = Beschriftung(eltern, QString::fromLatin1(name), text, QRect(), fett);
    l->adjustSize();
    return l;
}

} // namespace

TAnalyseRaster::TAnalyseRaster(const QString &name, QWidget *eltern) : QTableWidget(eltern)
{
    setObjectName(name);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false); // Tab leaves the table, the arrow keys move inside
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    for (QHeaderView *kopf : {horizontalHeader(), verticalHeader()}) {
        kopf->setSectionResizeMode(QHeaderView::Interactive);
        kopf->setHighlightSections(false);
        kopf->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    verticalHeader()->setMinimumSectionSize(Zeilenhoehe);
    verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    horizontalHeader()->setMinimumSectionSize(12);
    horizontalHeader()->setFixedHeight(Zeilenhoehe + 2);
    // The column widths are fixed; a narrow face lets "11 Std. 54 Min." fit into 78 pixels.
    QFont f = font();
    f.setPixelSize(11);
    f.setStretch(QFont::Condensed);
    setFont(f);
    horizontalHeader()->setFont(f);
    verticalHeader()->setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Rasterfarbe);
    pal.setColor(QPalette::Window, Rasterfarbe);
    setPalette(pal);
    setStyleSheet(QStringLiteral("QHeaderView { background: #ECE9D8; }"
                                 "QHeaderView::section { background: #D3D1A8; color: black; border: none;"
                                 " border-right: 1px solid #A6A37A; border-bottom: 1px solid #A6A37A;"
                                 " padding: 0px 2px; }"
                                 "QTableCornerButton::section { background: #D3D1A8; border: none;"
                                 " border-right: 1px solid #A6A37A; border-bottom: 1px solid #A6A37A; }"
                                 "QTableView::item { padding: 0px 1px; }"));
    setGridStyle(Qt::SolidLine);
}

void TAnalyseRaster::SpaltenSetzen(const QStringList &kopf, const QList<int> &breiten)
{
    m_ecke = kopf.value(0);
    setColumnCount(std::max<int>(0, static_cast<int>(kopf.size()) - 1));
    setHorizontalHeaderLabels(kopf.mid(1));
    m_breiten = breiten;
    if (!breiten.isEmpty())
        verticalHeader()->setFixedWidth(breiten[0]);
    for (int s = 1; s < kopf.size() && s < breiten.size(); ++s)
        setColumnWidth(s - 1, breiten[s]);
}

void TAnalyseRaster::BreitenAnpassen()
{
    // The set widths hold the usual figures; a build list of two billion kits gives amounts
    // of twenty digits, which take what room they need (the grid scrolls sideways).
    const QFontMetrics fm(font());
    const int rand = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    for (int s = 0; s < Spaltenzahl(); ++s) {
        int breite = s < m_breiten.size() ? m_breiten[s] : 0;
        for (int z = 0; z < rowCount(); ++z)
            breite = std::max(breite, fm.horizontalAdvance(Zellentext(z, s)) + rand);
        if (s == 0) {
            if (verticalHeader()->width() != breite)
                verticalHeader()->setFixedWidth(breite);
        } else if (columnWidth(s - 1) != breite) {
            setColumnWidth(s - 1, breite);
        }
    }
}

void TAnalyseRaster::ZeilenSetzen(const std::vector<QStringList> &zeilen)
{
    clearContents();
    const int n = std::max<int>(1, static_cast<int>(zeilen.size()));
    setRowCount(n);
    for (int z = 0; z < n; ++z) {
        const QStringList *reihe =
            z < static_cast<int>(zeilen.size()) ? &zeilen[static_cast<size_t>(z)] : nullptr;
        auto text = [&](int s) { return reihe && s < reihe->size() ? (*reihe)[s] : QString(); };
        setVerticalHeaderItem(z, new QTableWidgetItem(text(0)));
        for (int s = 0; s < columnCount(); ++s) {
            auto *zelle = new QTableWidgetItem(text(s + 1));
            zelle->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setItem(z, s, zelle);
        }
    }
    BreitenAnpassen();
    clearSelection();
    scrollToTop();
}

QString TAnalyseRaster::Zellentext(int zeile, int spalte) const
{
    const QTableWidgetItem *i = spalte == 0 ? verticalHeaderItem(zeile) : item(zeile, spalte - 1);
    return i ? i->text() : QString();
}

QString TAnalyseRaster::Kopftext(int spalte) const
{
    if (spalte == 0)
        return m_ecke;
    const QTableWidgetItem *i = horizontalHeaderItem(spalte - 1);
    return i ? i->text() : QString();
}

int TAnalyseRaster::Spaltenbreite(int spalte) const
{
    return spalte == 0 ? verticalHeader()->width() : columnWidth(spalte - 1);
}

QString TAnalyseRaster::KopierText() const
{
    QStringList kopf;
    for (int s = 0; s < Spaltenzahl(); ++s)
        kopf.append(Kopftext(s));
    std::vector<QStringList> zeilen;
    for (int z = 0; z < rowCount(); ++z) {
        QStringList reihe;
        for (int s = 0; s < Spaltenzahl(); ++s)
            reihe.append(Zellentext(z, s));
        zeilen.push_back(reihe);
    }
    // A selected cell brings the name of its row along.
    std::vector<std::pair<int, int>> auswahl;
    for (const QModelIndex &i : selectionModel()->selectedIndexes()) {
        auswahl.emplace_back(i.row(), i.column() + 1);
        auswahl.emplace_back(i.row(), 0);
    }
    return TabellenText(kopf, zeilen, auswahl);
}

void TAnalyseRaster::keyPressEvent(QKeyEvent *ereignis)
{
    if (ereignis->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(KopierText());
        ereignis->accept();
        return;
    }
    QTableWidget::keyPressEvent(ereignis);
}

TForm6::TForm6(const TKatalog &katalog, const TOptionen &optionen, const TCraftingZustand &crafting,
               QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Detaillierte Analyse der Bauliste"),
                    Rahmen::Groessenveraenderbar, false),
      m_katalog(&katalog), m_optionen(&optionen), m_crafting(&crafting)
{
    setObjectName(QStringLiteral("Form6"));
    setMinimumWidth(578);
    setMaximumSize(2048, 1536);
    resize(797, 731);
    QFont schrift = font();
    schrift.setPointSize(9);
    setFont(schrift);

    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox->verticalScrollBar()->setTracking(true);
    ScrollBox->setWidgetResizable(false);
    ScrollBox->setGeometry(rect());
    // Tab reaches the tables inside, and the box scrolls to the one with the focus.
    ScrollBox->setFocusPolicy(Qt::NoFocus);
    ScrollBox->setAccessibleName(QStringLiteral("Detaillierte Übersicht"));

    Image1 = new TKachelflaeche;
    Image1->setObjectName(QStringLiteral("Image1"));
    ScrollBox->setWidget(Image1);
    Image1->resize(797, m_bildlaufbereich);
    ScrollBox->viewport()->installEventFilter(this);
}

void TForm6::InhaltAnlegen()
{
    if (m_inhaltAngelegt)
        return;
    m_inhaltAngelegt = true;
    QWidget *f = Image1;

    LabelAnalyseStatic1 = Textbeschriftung("LabelAnalyseStatic1", QStringLiteral("Produkte"), f, true);
    LabelAnalyseStatic5 =
        Textbeschriftung("LabelAnalyseStatic5", QStringLiteral("Zwischenprodukte"), f, true);
    LabelAnalyseStatic2 = Textbeschriftung("LabelAnalyseStatic2", QStringLiteral("Zutaten"), f, true);
    LabelAnalyseStatic6 =
        Textbeschriftung("LabelAnalyseStatic6", QStringLiteral("Zusätzliche Informationen"), f, true);
    LabelAnalyseStatic3 = Textbeschriftung("LabelAnalyseStatic3", QStringLiteral("Gebäude"), f, true);
    LabelAnalyseStatic4 = Textbeschriftung("LabelAnalyseStatic4", QStringLiteral("Fertigkeiten"), f, true);

    StringGrid1 = new TAnalyseRaster(QStringLiteral("StringGrid1"), f);
    StringGrid5 = new TAnalyseRaster(QStringLiteral("StringGrid5"), f);
    StringGrid2 = new TAnalyseRaster(QStringLiteral("StringGrid2"), f);
    StringGrid3 = new TAnalyseRaster(QStringLiteral("StringGrid3"), f);
    StringGrid4 = new TAnalyseRaster(QStringLiteral("StringGrid4"), f);
    StringGrid4->setMaximumWidth(297);
    const std::pair<QLabel *, TAnalyseRaster *> paare[] = {{LabelAnalyseStatic1, StringGrid1},
                                                           {LabelAnalyseStatic5, StringGrid5},
                                                           {LabelAnalyseStatic2, StringGrid2},
                                                           {LabelAnalyseStatic3, StringGrid3},
                                                           {LabelAnalyseStatic4, StringGrid4}};
    for (const auto &[l, g] : paare) {
        l->setBuddy(g);
        g->setAccessibleName(l->text());
    }

    Bevel1 = new QFrame(f);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);

    LabelInformationenStatic1 =
        Textbeschriftung("LabelInformationenStatic1", QStringLiteral("Gewinn"), f, true);
    QFont unterstrichen = LabelInformationenStatic1->font();
    unterstrichen.setUnderline(true);
    LabelInformationenStatic1->setFont(unterstrichen);
    const char *gewinnTexte[] = {
        " - pro Stunde:", " - pro Handwerkstag (12 h):", " - pro Handwerkswoche (7x12 h):"};
    for (size_t i = 0; i < LabelGewinn.size(); ++i) {
        LabelGewinnStatic[i] = Textbeschriftung(("LabelGewinnStatic" + std::to_string(i + 1)).c_str(),
                                                QString::fromLatin1(gewinnTexte[i]), f);
        LabelGewinn[i] = Textbeschriftung(("LabelGewinn" + std::to_string(i + 1)).c_str(), QString(), f);
        LabelGewinn[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        LabelGewinnStatic[i]->setBuddy(LabelGewinn[i]); // caption and value, for screen readers
    }
    LabelInformationenStatic2 =
        Textbeschriftung("LabelInformationenStatic2", QStringLiteral("Benötigte Zutaten"), f, true);
    LabelInformationenStatic2->setFont(unterstrichen);
    const char *gruppen[] = {"Gesamt:", "Rohstoffe:", "Handwerksmaterialien:", "Edelsteine:", "Bauteile:"};
    for (size_t i = 0; i < LabelKosten.size(); ++i) {
        const std::string nr = std::to_string(i + 1);
        LabelKostenStatic[i] =
            Textbeschriftung(("LabelKostenStatic" + nr).c_str(), QString::fromLatin1(gruppen[i]), f, i == 0);
        LabelAnzahl[i] = Textbeschriftung(("LabelAnzahl" + nr).c_str(), QString(), f, i == 0);
        LabelAnzahl[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        LabelKosten[i] = Textbeschriftung(("LabelKosten" + nr).c_str(), QString(), f, i == 0);
        LabelKosten[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        LabelKostenStatic[i]->setBuddy(LabelKosten[i]);
    }

    // its glyph is set in FormCreate; it is placed when the page lays itself out
    SpeedButtonAbbrechen =
        Knopf(f, QStringLiteral("SpeedButtonAbbrechen"), QStringLiteral("Fenster schließen"), QIcon(),
              QRect(0, 0, 30, 30), QSize(20, 20));
    connect(SpeedButtonAbbrechen, &QToolButton::clicked, this, &TForm6::SpeedButtonAbbrechenClick);
    SpeedButtonEinkaufsliste = Textknopf(f, QStringLiteral("SpeedButtonEinkaufsliste"),
                                         QStringLiteral("Einkaufsliste..."), {0, 0, 120, 30});
    connect(SpeedButtonEinkaufsliste, &QToolButton::clicked, this,
            [this] { emit einkaufslisteGewuenscht(Tag); });

    setTabOrder(StringGrid1, StringGrid5);
    setTabOrder(StringGrid5, StringGrid2);
    setTabOrder(StringGrid2, StringGrid3);
    setTabOrder(StringGrid3, StringGrid4);
    setTabOrder(StringGrid4, SpeedButtonEinkaufsliste);
    setTabOrder(SpeedButtonEinkaufsliste, SpeedButtonAbbrechen);
    Einrichten();
}

void TForm6::Einrichten()
{
    SpeedButtonAbbrechen->setIcon(GlyphAbbrechen());
    StringGrid1->SpaltenSetzen(Liste(KopfProdukte), {120, 78, 78, 78, 78, 78, 78, 78, 78, 78, 30});
    StringGrid5->SpaltenSetzen(Liste(KopfZwischenprodukte), {120, 78, 78, 78, 78, 78, 78});
    StringGrid2->SpaltenSetzen(Liste(KopfZutaten), {120, 78, 78, 78, 30});
    StringGrid3->SpaltenSetzen(Liste(KopfGebaeude), {80, 30, 40, 78, 78, 54});
    StringGrid4->SpaltenSetzen(Liste(KopfFertigkeiten), {110, 30, 78, 54});
    for (TAnalyseRaster *g : {StringGrid1, StringGrid2, StringGrid3, StringGrid4, StringGrid5})
        g->ZeilenSetzen({});
    LayoutSetzen(false);
}

int TForm6::Clientbreite() const
{
    return ScrollBox->viewport()->width();
}

void TForm6::LayoutSetzen(bool zwischenprodukte)
{
    // Top positions of mode 1; modes 2 to 4 move everything below the intermediate
    // products down by 216 pixels. A summary too wide for the room right of the "Zutaten"
    // grid stands below it, and everything after it moves down by 232 pixels more.
    m_zwischenprodukte = zwischenprodukte;
    const int z = zwischenprodukte ? 464 : 248;
    const int w = std::max(Clientbreite(), 1);
    m_summeUnten = 420 + Summenbreite() > w - Links;
    const int unten = m_summeUnten ? 232 : 0;
    m_bildlaufbereich = (zwischenprodukte ? 912 : 688) + unten;

    LabelAnalyseStatic1->move(Links, 8);
    StringGrid1->setGeometry(Links, 32, w - 2 * Links, 208);
    LabelAnalyseStatic5->move(Links, 248);
    StringGrid5->setGeometry(Links, 272, std::min(w - 2 * Links, 592), 184);
    LabelAnalyseStatic5->setVisible(zwischenprodukte);
    StringGrid5->setVisible(zwischenprodukte);

    LabelAnalyseStatic2->move(Links, z);
    StringGrid2->setGeometry(Links, z + 24, 392, 200);
    const int panel = m_summeUnten ? Links : 412;
    const int py = z + unten;
    LabelAnalyseStatic6->move(panel, py);
    Bevel1->setGeometry(panel, py + 24, std::max(w - panel - Links, 40), 200);
    const int text = panel + 8;
    const int wert = panel + 230;
    LabelInformationenStatic1->move(text, py + 32);
    for (size_t i = 0; i < LabelGewinn.size(); ++i) {
        const int y = py + 56 + 16 * static_cast<int>(i);
        LabelGewinnStatic[i]->move(text, y);
        LabelGewinn[i]->setGeometry(wert, y, 100, LabelGewinnStatic[i]->height());
    }
    LabelInformationenStatic2->move(text, py + 112);
    for (size_t i = 0; i < LabelKosten.size(); ++i) {
        const int y = py + 136 + 16 * static_cast<int>(i);
        LabelKostenStatic[i]->move(text, y);
        LabelAnzahl[i]->setGeometry(text + 130, y, 90, LabelKostenStatic[i]->height());
        LabelKosten[i]->setGeometry(wert, y, 100, LabelKostenStatic[i]->height());
    }

    LabelAnalyseStatic3->move(Links, z + unten + 240);
    LabelAnalyseStatic4->move(LabelAnalyseStatic4->x(), z + unten + 240);
    StringGrid3->move(Links, z + unten + 264);
    StringGrid4->move(StringGrid4->x(), z + unten + 264);
    SpeedButtonAbbrechen->move(w - Links - SpeedButtonAbbrechen->width(), z + unten + 392);
    SpeedButtonEinkaufsliste->move(SpeedButtonAbbrechen->x() - 8 - SpeedButtonEinkaufsliste->width(),
                                   z + unten + 392);
    FormResize();
}

void TForm6::FormResize()
{
    if (!m_inhaltAngelegt)
        return;
    const int w = Clientbreite();
    // A width change may give the summary its room beside the "Zutaten" grid or take it.
    if ((420 + Summenbreite() > w - Links) != m_summeUnten) {
        LayoutSetzen(m_zwischenprodukte);
        return;
    }
    int links = 0;
    int breite = 0;
    int gebaeude = 0;
    if (w < 576) {
        links = 239;
        breite = w - 304;
        gebaeude = 221;
    } else if (w <= 740) {
        links = w - 336;
        breite = 267;
        gebaeude = w - 354;
    } else if (w <= 779) {
        links = 404;
        breite = w - 477;
        gebaeude = 386;
    } else {
        links = w - 376;
        breite = std::min(w - 477, 297);
        gebaeude = w - 394;
    }
    StringGrid3->setGeometry(Links, StringGrid3->y(), std::max(gebaeude, 0), 120);
    StringGrid4->setGeometry(links, StringGrid3->y(), std::max(breite, 0), 120);
    LabelAnalyseStatic4->move(links, LabelAnalyseStatic3->y());
    // The background fills the window also where it is taller than the scroll range.
    const QSize flaeche(w, std::max(m_bildlaufbereich, ScrollBox->viewport()->height()));
    if (Image1->size() != flaeche)
        Image1->resize(flaeche);
    StringGrid1->resize(w - 2 * Links, StringGrid1->height());
    StringGrid5->resize(std::min(w - 2 * Links, 592), StringGrid5->height());
    Bevel1->resize(std::max(w - Bevel1->x() - Links, 40), Bevel1->height());
    SpeedButtonAbbrechen->move(w - Links - SpeedButtonAbbrechen->width(), SpeedButtonAbbrechen->y());
    SummenEinpassen(w);
}

TForm6::TSummenspalten TForm6::Summenspalten() const
{
    const auto breite = [](const QLabel *l) { return l->fontMetrics().horizontalAdvance(l->text()) + 4; };
    TSummenspalten s;
    for (const QLabel *l : LabelKostenStatic)
        s.Beschriftung = std::max(s.Beschriftung, breite(l));
    for (const QLabel *l : LabelAnzahl)
        s.Anzahl = std::max(s.Anzahl, breite(l));
    for (const QLabel *l : LabelKosten)
        s.Wert = std::max(s.Wert, breite(l));
    for (const QLabel *l : LabelGewinn)
        s.Wert = std::max(s.Wert, breite(l));
    return s;
}

int TForm6::Summenbreite() const
{
    const TSummenspalten s = Summenspalten();
    return std::max(220, s.Beschriftung + 6 + s.Anzahl) + 8 + s.Wert; // as SummenEinpassen places them
}

void TForm6::SummenEinpassen(int w)
{
    // Counts and amounts as wide as their texts (2,147,483,647 pieces give amounts of a
    // dozen digits): the counts end after the widest caption, the amounts start after the
    // widest count; a window too narrow for both keeps the amounts whole and squeezes the gap.
    const auto [beschriftung, anzahl, wert] = Summenspalten();
    const int text = LabelKostenStatic[0]->x();
    int anzahlRechts = std::max(text + 220, text + beschriftung + 6 + anzahl);
    int wertX = std::max(text + 222, anzahlRechts + 8);
    if (wertX + wert > w - Links) {
        wertX = std::max(text + beschriftung + 6 + anzahl + 4, w - Links - wert);
        anzahlRechts = wertX - 4;
    }
    for (size_t i = 0; i < LabelKosten.size(); ++i) {
        LabelAnzahl[i]->setGeometry(anzahlRechts - anzahl, LabelAnzahl[i]->y(), anzahl,
                                    LabelAnzahl[i]->height());
        LabelKosten[i]->setGeometry(wertX, LabelKosten[i]->y(), wert, LabelKosten[i]->height());
    }
    for (QLabel *l : LabelGewinn)
        l->setGeometry(wertX, l->y(), wert, l->height());
}

void TForm6::FormShow()
{
    InhaltAnlegen();
    TDetailanalyse d;
    const int modus = Tag >= 1 && Tag <= AnzahlModi ? Tag : 1;
    if (m_katalog && m_optionen && m_crafting)
        d = DetailanalyseBerechnen(*m_katalog, *m_optionen, *m_crafting, modus);
    else
        d.Titel = DetailanalyseTitel(modus);

    StringGrid1->ZeilenSetzen(Zeilen(d.Produkte));
    ScrollBox->verticalScrollBar()->setValue(0);
    setWindowTitle(d.Titel);
    // The summary's texts first: their widths decide where it stands.
    for (size_t i = 0; i < LabelKosten.size(); ++i) {
        LabelAnzahl[i]->setText(d.Zusammenfassung[i].AnzahlText);
        LabelKosten[i]->setText(d.Zusammenfassung[i].KostenText);
    }
    LabelInformationenStatic1->setText(d.Gewinn.Ueberschrift);
    LabelInformationenStatic1->adjustSize();
    LabelGewinn[0]->setText(d.Gewinn.ProStunde);
    LabelGewinn[1]->setText(d.Gewinn.ProHandwerkstag);
    LabelGewinn[2]->setText(d.Gewinn.ProHandwerkswoche);
    LayoutSetzen(modus >= 2);

    StringGrid2->ZeilenSetzen(Zeilen(d.Zutaten));
    StringGrid3->ZeilenSetzen(Zeilen(d.Gebaeude));
    StringGrid4->ZeilenSetzen(Zeilen(d.Fertigkeiten));
    StringGrid5->ZeilenSetzen(Zeilen(d.Zwischenprodukte));
    SummenEinpassen(Clientbreite());
}

void TForm6::SpeedButtonAbbrechenClick()
{
    close();
}

void TForm6::resizeEvent(QResizeEvent *ereignis)
{
    TNebenfenster::resizeEvent(ereignis);
    ScrollBox->setGeometry(rect());
}

bool TForm6::eventFilter(QObject *objekt, QEvent *ereignis)
{
    // The viewport narrows when the vertical scroll bar appears: place again.
    if (objekt == ScrollBox->viewport() && ereignis->type() == QEvent::Resize)
        FormResize();
    return TNebenfenster::eventFilter(objekt, ereignis);
}

} // namespace mvt
