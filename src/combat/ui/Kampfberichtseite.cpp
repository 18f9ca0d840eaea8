#include "combat/ui/Kampfberichtseite.h"
#include "combat/ui/Berichtsfeld.h"
#include "ui/Bilder.h"
#include "ui/Einpassen.h"

#include "base/Meldung.h"
#include "combat/Kampfbericht.h"
#include "combat/Kampftabelle.h"
#include "combat/Statistiktext.h"
#include "combat/ui/Kampftabellenmodell.h"
#include "combat/ui/Rundendiagramm.h"
#include "combat/ui/Waffendarstellung.h"
#include "ui/Steuerelemente.h"
#include "ui/Umschalttasten.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTableView>
#include <QToolButton>

namespace mvt {

// ---------------------------------------------------------------------------------------
// Worker

TAuswertungThread::TAuswertungThread(TKampfberichtSeite *seite, QString text, const TKatalog &katalog)
    : m_seite(seite), m_text(std::move(text)), m_katalog(katalog)
{
}

void TAuswertungThread::run()
{
    auto ergebnis = std::make_shared<Kampfauswertung>();
    QElapsedTimer uhr;
    uhr.start();
    TKampfberichtSeite *seite = m_seite;
    KampfberichtAuswerten(m_text, *ergebnis, m_katalog, [&](int32_t zeile, int32_t zeilen) {
        // One step per line, but the window hears of it at most every 25 ms: a queued
        // call per line would flood its event queue on long reports.
        if (zeile == zeilen || uhr.elapsed() >= 25) {
            uhr.restart();
            QMetaObject::invokeMethod(
                seite, [seite, zeile, zeilen] { seite->FortschrittZeigen(zeile, zeilen); },
                Qt::QueuedConnection);
        }
        return !isInterruptionRequested();
    });
    QMetaObject::invokeMethod(
        seite, [seite, ergebnis] { seite->AuswertungBeendet(ergebnis); }, Qt::QueuedConnection);
}

// ---------------------------------------------------------------------------------------
// Tab

namespace {

struct TKopf {
    const char *Name;
    const char *Hinweis;
};
// The captions come from the model (two lines, the break is the platform's line break).
const TKopf Koepfe[13] = {
    {"SpeedButtonName", ""},
    {"SpeedButtonSchadenAusgeteilt", "Ausgeteilter Gesamtschaden"},
    {"SpeedButtonAngriffeAusgeteilt", "Anzahl an Angriffe gegen den Feind"},
    {"SpeedButtonSchnittschadenAusgeteilt", "Durchschnittsschaden pro Runde"},
    {"SpeedButtonTreffer", "Treffsicherheit, entsprechend der Charakter-Eigenschaften"},
    {"SpeedButtonKritisch", "Kritische Trefferrate, entsprechend der Charakter-Eigenschaften"},
    {"SpeedButtonBesterTreffer", "Bester Schadenstreffer"},
    {"SpeedButtonHeilungAusgeteilt", "Gesamtmenge ausgeteilter Heilung"},
    {"SpeedButtonSchadenEingesteckt", "Eingesteckter Gesamtschaden"},
    {"SpeedButtonTrefferEingesteckt", "Anzahl an eingesteckten Treffern"},
    {"SpeedButtonAusgewichen", "Ausweichrate, entsprechend der Charakter-Eigenschaften"},
    {"SpeedButtonGeblockt", "Blockrate, entsprechend der Charakter-Eigenschaften"},
    {"SpeedButtonHeilungEingesteckt", "Gesamtmenge empfangener Heilung"},
};

constexpr int Spaltenbreite = 54;
constexpr int Zeilenhoehe = 16;
constexpr int SichtbareZeilen = 12;
constexpr int TabelleLinks = 8;
constexpr int TabelleOben = 32;
constexpr int TabelleBreite = 759;
constexpr int TabelleBreiteMitLeiste = 776;
constexpr int Namensbreite = TabelleBreite - 2 - 12 * Spaltenbreite;
constexpr int DetailOben = 248;
constexpr int DetailHoehe = 270;
constexpr int UntererRand = 38; // error label and back button
constexpr int WaffenStart = 56;
constexpr int WaffenAbstand = 32;

const QString Auswahlhinweis = QStringLiteral("Für die detaillierte Ansicht bitte einen Kämpfer auswählen!");

void Einfaerben(QLabel *l, const QColor &farbe)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, farbe);
    l->setPalette(p);
}

QScrollArea *Box(QWidget *eltern, const char *name, int x, int y, int b, int h)
{
    auto *box = new QScrollArea(eltern);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(x, y, b, h);
    box->setFrameShape(QFrame::StyledPanel);
    box->setWidgetResizable(false);
    auto *inhalt = new QWidget;
    inhalt->setObjectName(QLatin1String(name) + QStringLiteral("Inhalt"));
    inhalt->setAutoFillBackground(false);
    box->setWidget(inhalt);
    // The main window draws the background; the boxes let it show through.
    box->setAutoFillBackground(false);
    box->viewport()->setAutoFillBackground(false);
    box->hide();
    return box;
}

// Grows the content of a scroll box so that every child is reachable.
void InhaltAnpassen(QScrollArea *box)
{
    QWidget *inhalt = box->widget();
    QRect r;
    for (QWidget *k : inhalt->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!k->isHidden())
            r = r.united(k->geometry());
    inhalt->resize(std::max(r.right() + 4, box->viewport()->width()), std::max(r.bottom() + 2, 1));
    // A Tab stop only where there is something to scroll.
    const bool rollt =
        inhalt->height() > box->viewport()->height() || inhalt->width() > box->viewport()->width();
    box->setFocusPolicy(rollt ? Qt::StrongFocus : Qt::NoFocus);
}

} // namespace

TKampfberichtSeite::TKampfberichtSeite(const TKatalog &katalog, QWidget *parent)
    : QWidget(parent), m_katalog(katalog), m_auswertung(std::make_shared<Kampfauswertung>())
{
    setObjectName(QStringLiteral("Kampfberichtseite"));
    resize(Breite, Hoehe);
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);

    Memo1 = new TBerichtsfeld(this); // a long report is pasted in slices
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("Kampfbericht"));
    Memo1->setGeometry(8, 4, 768, 514);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A combat report has no tabs worth typing; Tab moves on as in every other field.
    Memo1->setTabChangesFocus(true);
    Memo1->installEventFilter(this);

    SpeedButtonTextLoeschen =
        Knopf(this, QStringLiteral("SpeedButtonTextLoeschen"), QStringLiteral("Text löschen"),
              Standardsymbol(*this, QStyle::SP_DialogDiscardButton), QRect(719, 524, 25, 25));
    SpeedButtonAuswerten =
        Knopf(this, QStringLiteral("SpeedButtonAuswerten"), QStringLiteral("Auswerten"),
              Standardsymbol(*this, QStyle::SP_DialogApplyButton), QRect(751, 524, 25, 25));
    SpeedButtonZurueck = Knopf(this, QStringLiteral("SpeedButtonZurueck"), QStringLiteral("Zurück"),
                               Standardsymbol(*this, QStyle::SP_ArrowBack), QRect(751, 524, 25, 25));
    SpeedButtonZurueck->hide();
    connect(SpeedButtonAuswerten, &QToolButton::clicked, this,
            &TKampfberichtSeite::SpeedButtonAuswertenClick);
    connect(SpeedButtonZurueck, &QToolButton::clicked, this, &TKampfberichtSeite::SpeedButtonZurueckClick);
    connect(SpeedButtonTextLoeschen, &QToolButton::clicked, this,
            &TKampfberichtSeite::SpeedButtonTextLoeschenClick);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(96, 528, 600, 18);
    ProgressBar1->hide();

    LabelFehler = Beschriftung(this, QStringLiteral("LabelFehler"), QString(), QRect(8, 529, 84, 16));
    LabelFehler->hide();

    // The page's own font in bold: under the main window's style sheet a label's inherited
    // font does not keep the page's pixel size.
    QFont fett = schrift;
    fett.setBold(true);
    LabelKaempfername =
        Beschriftung(this, QStringLiteral("LabelKaempfername"), QString(), QRect(8, 230, 250, 16));
    LabelNahkampfWerte = Beschriftung(this, QStringLiteral("LabelNahkampfWerte"), QStringLiteral("Nahkampf"),
                                      QRect(262, 230, 258, 16));
    LabelFernkampfWerte = Beschriftung(this, QStringLiteral("LabelFernkampfWerte"),
                                       QStringLiteral("Fernkampf"), QRect(524, 230, 110, 16));
    for (QLabel *l : {LabelKaempfername, LabelNahkampfWerte, LabelFernkampfWerte}) {
        l->setFont(fett);
        l->hide();
    }

    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    m_tabelle = new TKampftabellenModell(StringGrid1);
    StringGrid1->setModel(m_tabelle);
    // The header stays hidden behind the caption buttons, but the model names the columns
    // for a screen reader.
    StringGrid1->setAccessibleName(QStringLiteral("Kämpfer"));
    StringGrid1->installEventFilter(this);
    StringGrid1->setTabKeyNavigation(false); // Tab leaves the table, the arrow keys move inside
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setMinimumSectionSize(Zeilenhoehe);
    StringGrid1->verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(8);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(Spaltenbreite);
    StringGrid1->setColumnWidth(0, Namensbreite);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid1->setFrameShape(QFrame::Box);
    StringGrid1->setLineWidth(1);
    StringGrid1->setWordWrap(false);
    // "100.00 %" must fit a column of 54 pixels.
    QFont klein = schrift;
    klein.setPixelSize(DetailSchrift);
    StringGrid1->setFont(klein);
    StringGrid1->setTextElideMode(Qt::ElideNone);
    StringGrid1->setGeometry(TabelleLinks, TabelleOben, TabelleBreite, SichtbareZeilen * Zeilenhoehe + 2);
    StringGrid1->viewport()->installEventFilter(this);
    StringGrid1->hide();
    TagSetzen(-1);
    // Selecting a row by mouse or keys shows that fighter.
    connect(StringGrid1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_auswahlGesperrt)
            return;
        const QItemSelection auswahl = StringGrid1->selectionModel()->selection();
        if (!auswahl.isEmpty())
            StringGrid1SelectCell(auswahl.first().top());
    });

    int x = TabelleLinks + 1;
    for (int i = 0; i < KampftabelleSpalten; ++i) {
        auto *b = new QToolButton(this);
        b->setObjectName(QLatin1String(Koepfe[i].Name));
        b->setText(TabellenKopf()[i]);
        b->setAccessibleName(KopfEinzeilig(TabellenKopf()[i]));
        // The table's own header is what the keyboard and a screen reader use (Enter in the
        // table sorts by the current column); the buttons are for the mouse.
        b->setFocusPolicy(Qt::NoFocus);
        b->setFont(klein);
        if (*Koepfe[i].Hinweis)
            b->setToolTip(QString::fromUtf8(Koepfe[i].Hinweis));
        const int breite = i == 0 ? Namensbreite : Spaltenbreite;
        b->setGeometry(x, 3, breite, 28);
        x += breite;
        b->hide();
        connect(b, &QToolButton::clicked, this, [this, i] { Sortieren(i); });
        m_kopfknoepfe[size_t(i)] = b;
    }
    m_sortierzustand.fill(1);

    ScrollBoxKB1 = Box(this, "ScrollBoxKB1", 8, DetailOben, 250, DetailHoehe);
    ScrollBoxKB2 = Box(this, "ScrollBoxKB2", 262, DetailOben, 258, DetailHoehe);
    ScrollBoxKB3 = Box(this, "ScrollBoxKB3", 524, DetailOben, 252, DetailHoehe);
    for (QScrollArea *box : {ScrollBoxKB1, ScrollBoxKB2, ScrollBoxKB3}) {
        box->setFont(klein);
        box->setFocusPolicy(Qt::NoFocus);
    }
    ScrollBoxKB1->setAccessibleName(QStringLiteral("Allgemeine Werte"));
    ScrollBoxKB2->setAccessibleName(QStringLiteral("Nahkampf"));
    ScrollBoxKB3->setAccessibleName(QStringLiteral("Fernkampf"));

    const QString absorbHinweis =
        QStringLiteral("Aus dem Vergleich normaler und kritischer Treffer berechneter Absorb");
    const QString genauHinweis =
        QStringLiteral("Genauigkeit der Berechnung (je mehr Werte desto besser), Monster "
                       "gleichen Typs werden gemeinsam erfasst");
    const QString trefferHinweis =
        QStringLiteral("Anteil der erfolgreichen Aktionen (ausgewichene Angriffe zählen als Erfolg)");
    const QString effektivHinweis =
        QStringLiteral("Anteil der wirksamen Aktionen, Wirkungen von Rundenzaubern eingeschlossen");
    struct TZeile {
        const char *Name;
        const char *Beschriftung;
        QString Hinweis;
    };
    const TZeile allgemein[] = {
        {"LabelAbsorb", "Absorb", absorbHinweis},
        {"LabelAbsorbGenauigkeit", " - Genauigkeit", genauHinweis},
        {"LabelAusweichen", "Ausweichen", QStringLiteral("Anteil der ausgewichenen Angriffe")},
        {"LabelTreffsicherheit", "Treffsicherheit", trefferHinweis},
        {"LabelTreffsicherheitEffektiv", " - effektiv", effektivHinweis},
        {"LabelKritTreffer", "Kritische Treffer",
         QStringLiteral("Anteil der kritischen Treffer und Heilungen")},
        {"LabelBewegungsrate", "Bewegungsrate", QStringLiteral("Geschwindigkeit beim Annähern an den Feind")},
        {"LabelZurueckgelWeg", "zurückgel. Weg", QStringLiteral("Anzahl der Schritte auf den Feind zu")},
        {"LabelAusgetSchaden", "Ausget. Schaden", QStringLiteral("Ausgeteilter Gesamtschaden")},
        {"LabelAusgetSchadenAngriff", " - pro Angriff", QStringLiteral("Ausgeteilter Schaden pro Angriff")},
        {"LabelAusgetSchadenTreffer", " - pro Treffer", QStringLiteral("Ausgeteilter Schaden pro Treffer")},
        {"LabelAusgetSchadenRunde", " - pro Runde", QStringLiteral("Ausgeteilter Schaden pro Runde")},
        {"LabelAusgetNormSchaden", "Ausget. norm. Schaden",
         QStringLiteral("Schaden nicht-kritischer Treffer")},
        {"LabelAusgetKritSchaden", "Ausget. krit. Schaden", QStringLiteral("Schaden kritischer Treffer")},
        {"LabelEingestSchaden", "Eingest. Schaden", QStringLiteral("Eingesteckter Gesamtschaden")},
        {"LabelEingestSchadenAngriff", " - pro Angriff", QStringLiteral("Eingesteckter Schaden pro Angriff")},
        {"LabelEingestSchadenTreffer", " - pro Treffer", QStringLiteral("Eingesteckter Schaden pro Treffer")},
        {"LabelEingestSchadenRunde", " - pro Runde", QStringLiteral("Eingesteckter Schaden pro Runde")},
        {"LabelEingestNormSchaden", "Eingest. norm. Schaden",
         QStringLiteral("Eingesteckter Schaden nicht-kritischer Treffer")},
        {"LabelEingestKritSchaden", "Eingest. krit. Schaden",
         QStringLiteral("Eingesteckter Schaden kritischer Treffer")},
        {"LabelKampfUeberlebt", "Kampf überlebt", QStringLiteral("Stand der Kämpfer am Ende des Kampfes")},
        {"LabelFeindeGetoetet", "Feinde getötet", QStringLiteral("Anzahl der besiegten Feinde")},
    };
    int y = 1;
    for (const TZeile &z : allgemein) {
        Beschriftet(ScrollBoxKB1->widget(), z.Name, QString::fromUtf8(z.Beschriftung), z.Hinweis, 4, y, 128);
        y += 12;
    }
    const TZeile nah[] = {
        {"LabelTreffsicherheitNah", "Treffsicherheit", trefferHinweis},
        {"LabelTreffsicherheitNahEffektiv", " - effektiv", effektivHinweis},
        {"LabelBlockrate", "Blockrate", QStringLiteral("Anteil der geblockten direkten Treffer im Nahkampf")},
        {"LabelSchildabsorb", "insges. geblockt",
         QStringLiteral("Insgesamt mit dem Schild geblockter Schaden")},
    };
    y = 2;
    for (const TZeile &z : nah) {
        Beschriftet(ScrollBoxKB2->widget(), z.Name, QString::fromUtf8(z.Beschriftung), z.Hinweis, 8, y,
                    8 + TWaffendarstellung::Wertabstand);
        y += 13;
    }
    const TZeile fern[] = {
        {"LabelTreffsicherheitFern", "Treffsicherheit", trefferHinweis},
        {"LabelTreffsicherheitFernEffektiv", " - effektiv", effektivHinweis},
    };
    y = 2;
    for (const TZeile &z : fern) {
        Beschriftet(ScrollBoxKB3->widget(), z.Name, QString::fromUtf8(z.Beschriftung), z.Hinweis, 8, y,
                    8 + TWaffendarstellung::Wertabstand);
        y += 13;
    }
    DiagrammEinrichten();
    TeilenEinrichten();
    ArchivEinrichten();
}

TKampfberichtSeite::~TKampfberichtSeite()
{
    // Nobody waits for a finished worker, but a running one must not outlive its window.
    if (m_thread) {
        m_thread->requestInterruption();
        m_thread->wait();
    }
}

QLabel *TKampfberichtSeite::Beschriftet(QWidget *box, const char *name, const QString &beschriftung,
                                        const QString &hinweis, int x, int y, int wertX)
{
    // both sized to their texts below
    auto *b = Beschriftung(box, QLatin1String(name) + QLatin1Char('X'), beschriftung, QRect(x, y, 0, 0));
    b->setToolTip(hinweis);
    auto *w = Beschriftung(box, QLatin1String(name), QStringLiteral("-"), QRect(wertX, y, 0, 0));
    // Set on the rows themselves: under the main window's style sheet the content of a
    // scroll box does not pass the box's small font on, and the captions ran into the values.
    QFont klein = font();
    klein.setPixelSize(DetailSchrift);
    b->setFont(klein);
    w->setFont(klein);
    w->setToolTip(hinweis);
    b->setBuddy(w); // a screen reader reads the value with its caption
    b->adjustSize();
    w->adjustSize();
    return w;
}

int TKampfberichtSeite::Tag() const
{
    return StringGrid1->property("tag").toInt();
}
void TKampfberichtSeite::TagSetzen(int zeile)
{
    StringGrid1->setProperty("tag", zeile);
}

bool TKampfberichtSeite::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == Memo1 && ereignis->type() == QEvent::KeyPress) {
        auto *taste = static_cast<QKeyEvent *>(ereignis);
        if (taste->text() == QChar(1) ||
            (taste->key() == Qt::Key_A && taste->modifiers() == Qt::ControlModifier)) {
            Memo1->selectAll();
            return true;
        }
    }
    if (objekt == StringGrid1 && ereignis->type() == QEvent::KeyPress) {
        const auto *druck = static_cast<QKeyEvent *>(ereignis);
        const int taste = druck->key();
        const int spalte = StringGrid1->currentIndex().column();
        // Whole rows are selected, so Left and Right move the current cell along the row
        // (a screen reader reads its column) and leave the selection as it is.
        if ((taste == Qt::Key_Left || taste == Qt::Key_Right) &&
            (druck->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && m_tabelle->rowCount() > 0) {
            const int zeile = std::max(StringGrid1->currentIndex().row(), 0);
            const int neu = std::clamp(std::max(spalte, 0) + (taste == Qt::Key_Right ? 1 : -1), 0,
                                       KampftabelleSpalten - 1);
            StringGrid1->selectionModel()->setCurrentIndex(StringGrid1->model()->index(zeile, neu),
                                                           QItemSelectionModel::NoUpdate);
            return true;
        }
        if ((taste == Qt::Key_Return || taste == Qt::Key_Enter) && spalte >= 0 &&
            m_kopfknoepfe[size_t(spalte)]->isEnabled()) {
            Sortieren(spalte);
            return true;
        }
    }
    if (objekt == StringGrid1->viewport() && ereignis->type() == QEvent::Wheel)
        StringGridMouseWheelDown();
    if (objekt == StringGrid1->viewport() && Vergleichsklick(ereignis))
        return true;
    return QWidget::eventFilter(objekt, ereignis);
}

void TKampfberichtSeite::SpeedButtonAuswertenClick()
{
    if (AuswertungLaeuft())
        return;
    DetailsVerbergen();
    {
        const QScopedValueRollback<bool> sperre(m_auswahlGesperrt, true);
        m_tabelle->Leerzeile();
        TagSetzen(-1);
        StringGrid1->clearSelection();
        StringGrid1->setCurrentIndex(QModelIndex());
        StringGrid1->setFixedWidth(TabelleBreite);
    }
    // The fighters of the previous report are released before the next one is read.
    m_auswertung = std::make_shared<Kampfauswertung>();
    Rundendiagramm->KaempferSetzen(nullptr, 0);
    Memo1->hide();
    SpeedButtonAuswerten->hide();
    SpeedButtonTextLoeschen->hide();
    SpeedButtonZurueck->hide();
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    LabelFehler->clear();
    m_thread = new TAuswertungThread(this, Memo1->toPlainText(), m_katalog);
    connect(m_thread.data(), &QThread::finished, m_thread.data(), &QObject::deleteLater);
    m_thread->start();
    // The hint stands alone on its line; a fighter's name shares it with the columns.
    LabelKaempfername->resize(768, LabelKaempfername->height());
    LabelKaempfername->setText(Auswahlhinweis);
    LabelKaempfername->show();
    StringGrid1->show();
    for (QToolButton *b : m_kopfknoepfe)
        b->show();
    LabelFehler->show();
    m_sortierzustand.fill(1);
    ArchivknoepfeAnpassen();
    // The evaluate button is gone: the focus waits in the table, not on the tab bar.
    StringGrid1->setFocus(Qt::OtherFocusReason);
}

void TKampfberichtSeite::FortschrittZeigen(int zeile, int zeilen)
{
    ProgressBar1->setRange(0, std::max(zeilen, 1));
    ProgressBar1->setValue(std::min(zeile, std::max(zeilen, 1)));
}

void TKampfberichtSeite::AuswertungBeendet(std::shared_ptr<Kampfauswertung> ergebnis)
{
    m_auswertung = std::move(ergebnis);
    LabelFehler->setText(QStringLiteral("Fehler: ") + QString::number(m_auswertung->Fehler));
    Einfaerben(LabelFehler, m_auswertung->Fehler > 0
                                ? QColor(Qt::red)
                                : palette().color(QPalette::Active, QPalette::WindowText));
    const auto &kaempfer = m_auswertung->Kaempfer;
    {
        // The rows exist at once: their texts are made when they are drawn.
        const QScopedValueRollback<bool> sperre(m_auswahlGesperrt, true);
        m_tabelle->Setzen(m_auswertung);
        StringGrid1->setFixedWidth(kaempfer.size() > SichtbareZeilen ? TabelleBreiteMitLeiste
                                                                     : TabelleBreite);
        StringGrid1->clearSelection();
        StringGrid1->setCurrentIndex(QModelIndex());
        TagSetzen(-1);
    }
    m_thread.clear(); // it ends by itself and deletes itself
    ProgressBar1->hide();
    SpeedButtonZurueck->show();
    ArchivknoepfeAnpassen();
    // The focus goes to the result, and the error count is read with it.
    StringGrid1->setAccessibleDescription(LabelFehler->text() +
                                          QStringLiteral(". Die Eingabetaste sortiert nach der Spalte "
                                                         "der aktuellen Zelle."));
    StringGrid1->setFocus(Qt::OtherFocusReason);
    if (m_auswertung->AbschlussFehler)
        MeldungZeigen(AuswertungsfehlerText());
    emit AuswertungFertig();
}

void TKampfberichtSeite::SpeedButtonZurueckClick()
{
    Memo1->show();
    SpeedButtonAuswerten->show();
    SpeedButtonTextLoeschen->show();
    for (QToolButton *b : m_kopfknoepfe)
        b->hide();
    StringGrid1->hide();
    SpeedButtonZurueck->hide();
    LabelFehler->hide();
    LabelKaempfername->hide();
    DetailsVerbergen();
    ArchivknoepfeAnpassen();
    Memo1->setFocus(Qt::OtherFocusReason);
}

void TKampfberichtSeite::SpeedButtonTextLoeschenClick()
{
    Memo1->clear();
}

void TKampfberichtSeite::DetailsVerbergen()
{
    LabelNahkampfWerte->hide();
    LabelFernkampfWerte->hide();
    ScrollBoxKB1->hide();
    ScrollBoxKB2->hide();
    ScrollBoxKB3->hide();
    Rundendiagramm->hide();
    SpeedButtonVerlauf->hide();
}

void TKampfberichtSeite::Sortieren(int spalte)
{
    if (spalte < 0 || spalte >= KampftabelleSpalten)
        return;
    const bool merken = Tag() != -1;
    const QString gemerkt = merken ? m_tabelle->Zelle(Tag(), 0) : QString();
    const int spalteAktuell = std::max(StringGrid1->currentIndex().column(), 0);

    const QScopedValueRollback<bool> sperre(m_auswahlGesperrt, true);
    m_tabelle->Sortieren(spalte, m_sortierzustand[size_t(spalte)]);
    const int neuerZustand = m_sortierzustand[size_t(spalte)] == 1 ? 2 : 1;
    m_sortierzustand.fill(1);
    m_sortierzustand[size_t(spalte)] = neuerZustand;
    if (!merken)
        return;
    const int r = gemerkt.isNull() ? -1 : m_tabelle->ZeileVon(gemerkt);
    if (r < 0)
        return;
    // The view must not scroll by itself here: the rule below decides.
    QScrollBar *leiste = StringGrid1->verticalScrollBar();
    const int sicht = leiste->value();
    StringGrid1->setAutoScroll(false);
    StringGrid1->setCurrentIndex(m_tabelle->index(r, 0));
    StringGrid1->selectRow(r);
    // The keyboard stays in the column it sorted by.
    StringGrid1->selectionModel()->setCurrentIndex(m_tabelle->index(r, spalteAktuell),
                                                   QItemSelectionModel::NoUpdate);
    StringGrid1->setAutoScroll(true);
    leiste->setValue(sicht);
    if (r < leiste->value())
        leiste->setValue(r);
    else if (r > leiste->value() + SichtbareZeilen - 1)
        leiste->setValue(r - (SichtbareZeilen - 1));
    TagSetzen(r);
}

void TKampfberichtSeite::StringGrid1SelectCell(int zeile)
{
    if (zeile == Tag())
        return;
    TagSetzen(zeile);
    if (m_auswertung->Kaempfer.empty() || zeile < 0)
        return;
    if (const TKaempfer *k = m_tabelle->Kaempfer(zeile))
        KaempferZeigen(*k);
}

void TKampfberichtSeite::StringGridMouseWheelDown()
{
    if (StringGrid1->selectionModel()->hasSelection() || m_tabelle->rowCount() < 1)
        return;
    {
        const QScopedValueRollback<bool> sperre(m_auswahlGesperrt, true);
        StringGrid1->setCurrentIndex(m_tabelle->index(0, 0));
        StringGrid1->selectRow(0);
    }
    StringGrid1SelectCell(0);
}

void TKampfberichtSeite::KaempferZeigen(const TKaempfer &k)
{
    qDeleteAll(m_waffen);
    m_waffen.clear();
    LabelKaempfername->resize(250, LabelKaempfername->height());
    TextEinpassen(LabelKaempfername, k.Name, 10);
    const QColor normal = palette().color(QPalette::Active, QPalette::WindowText);
    for (const TDetailwert &d : DetailWerte(k)) {
        QLabel *wert = findChild<QLabel *>(d.Label);
        QLabel *beschriftung = findChild<QLabel *>(d.Label + QLatin1Char('X'));
        if (!wert || !beschriftung)
            continue;
        // Up to the box's visible edge (the box may not be laid out yet); a long value
        // ("sehr schnell (12 Schritte)") is drawn smaller rather than past it.
        int sicht = 250;
        for (const QScrollArea *box : {ScrollBoxKB1, ScrollBoxKB2, ScrollBoxKB3})
            if (box->widget() == wert->parentWidget())
                sicht = box->width() - 2 * box->frameWidth();
        wert->resize(std::max(sicht - 3 - wert->x(), 10), wert->height());
        TextEinpassen(wert, d.Text, 7);
        Einfaerben(wert, d.Grau ? QColor(Qt::gray) : normal);
        Einfaerben(beschriftung, d.Grau ? QColor(Qt::gray) : normal);
    }
    auto panele = [this](QScrollArea *box, const TWaffen &liste) {
        int oben = WaffenStart;
        for (const TEinzelWaffe &w : liste.Waffe) {
            auto *p = new TWaffendarstellung(w, m_katalog, box->widget(), 8, oben);
            m_waffen << p;
            oben = p->Ende() + WaffenAbstand;
        }
    };
    panele(ScrollBoxKB2, k.Status[Nahkampf].Waffen);
    panele(ScrollBoxKB3, k.Status[Fernkampf].Waffen);
    for (QScrollArea *box : {ScrollBoxKB1, ScrollBoxKB2, ScrollBoxKB3})
        InhaltAnpassen(box);
    Rundendiagramm->KaempferSetzen(&k, m_auswertung->Runden);
    SpeedButtonVerlauf->show();
    DetailbereichZeigen();
}

void TKampfberichtSeite::DetailbereichZeigen()
{
    // The chart takes the place of the three boxes, which keep their full height.
    const bool verlauf = SpeedButtonVerlauf->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(ScrollBoxKB1), static_cast<QWidget *>(ScrollBoxKB2),
                       static_cast<QWidget *>(ScrollBoxKB3), static_cast<QWidget *>(LabelNahkampfWerte),
                       static_cast<QWidget *>(LabelFernkampfWerte)})
        w->setVisible(!verlauf);
    Rundendiagramm->setVisible(verlauf);
}

} // namespace mvt

namespace mvt {

// ---------------------------------------------------------------------------------------
// Chart and comparison

void TKampfberichtSeite::DiagrammEinrichten()
{
    Rundendiagramm = new TRundendiagramm(this);
    QFont klein = font();
    klein.setPixelSize(10);
    Rundendiagramm->setFont(klein);
    Rundendiagramm->hide();
    DiagrammAnpassen();
    // From the keyboard the comparison steps through the table's rows, past the last back to none.
    connect(Rundendiagramm, &TRundendiagramm::vergleichWechseln, this, [this](int richtung) {
        const int zeilen = m_tabelle->rowCount();
        int zeile = -1;
        for (int r = 0; r < zeilen; ++r)
            if (m_tabelle->Kaempfer(r) && m_tabelle->Zelle(r, 0) == Rundendiagramm->Vergleichsname())
                zeile = r;
        for (int schritt = 0; schritt <= zeilen; ++schritt) {
            zeile += richtung;
            if (zeile < 0 && richtung < 0 && schritt == 0 && Rundendiagramm->Vergleichsname().isEmpty())
                zeile = zeilen - 1; // Page Up from none starts at the last row
            if (zeile < 0 || zeile >= zeilen) {
                Rundendiagramm->VergleichSetzen(nullptr);
                return;
            }
            const QString name = m_tabelle->Kaempfer(zeile) ? m_tabelle->Zelle(zeile, 0) : QString();
            if (!name.isNull() && name != Rundendiagramm->Kaempfername()) {
                Rundendiagramm->VergleichSetzen(KaempferFinden(*m_auswertung, name));
                return;
            }
        }
    });
    // The fixed window has no room below the boxes, so a switch in their caption row shows
    // the chart in their place.
    SpeedButtonVerlauf = new QToolButton(this);
    SpeedButtonVerlauf->setObjectName(QStringLiteral("SpeedButtonVerlauf"));
    SpeedButtonVerlauf->setText(QStringLiteral("Verlauf pro Runde"));
    SpeedButtonVerlauf->setToolTip(
        QStringLiteral("Schaden und Heilung Runde für Runde statt der Einzelwerte"));
    SpeedButtonVerlauf->setCheckable(true);
    SpeedButtonVerlauf->setFocusPolicy(Qt::StrongFocus);
    SpeedButtonVerlauf->setFont(klein);
    SpeedButtonVerlauf->setGeometry(636, 227, 140, 20);
    SpeedButtonVerlauf->hide();
    connect(SpeedButtonVerlauf, &QToolButton::toggled, this, [this] { DetailbereichZeigen(); });
    // Tab from the table goes to the switch, then to the chart.
    setTabOrder(StringGrid1, SpeedButtonVerlauf);
    setTabOrder(SpeedButtonVerlauf, Rundendiagramm);
    // Tab walked the cells of the table round and round and never reached the controls
    // after it; rows are chosen with the arrow keys.
    StringGrid1->setTabKeyNavigation(false);
}

void TKampfberichtSeite::DiagrammAnpassen()
{
    Rundendiagramm->setGeometry(TabelleLinks, DetailOben, std::max(width() - 2 * TabelleLinks, 1),
                                std::max(height() - DetailOben - UntererRand, 1));
}

void TKampfberichtSeite::resizeEvent(QResizeEvent *ereignis)
{
    QWidget::resizeEvent(ereignis);
    if (Rundendiagramm)
        DiagrammAnpassen();
}

bool TKampfberichtSeite::Vergleichsklick(QEvent *ereignis)
{
    const QEvent::Type art = ereignis->type();
    if (art != QEvent::MouseButtonPress && art != QEvent::MouseButtonRelease &&
        art != QEvent::MouseButtonDblClick)
        return false;
    if (art != QEvent::MouseButtonPress) {
        const bool schlucken = m_vergleichsklick;
        if (art == QEvent::MouseButtonRelease)
            m_vergleichsklick = false;
        return schlucken;
    }
    auto *maus = static_cast<QMouseEvent *>(ereignis);
    // The modifier is read now: the event may carry a stale state.
    if (maus->button() != Qt::LeftButton || !StrgGehalten() || Tag() < 0)
        return false;
    const int zeile = StringGrid1->rowAt(maus->position().toPoint().y());
    const TKaempfer *k = m_tabelle->Kaempfer(zeile);
    if (!k)
        return false;
    m_vergleichsklick = true;
    // A second Ctrl+click on the compared fighter removes it again.
    Rundendiagramm->VergleichSetzen(k && k->Name != Rundendiagramm->Vergleichsname() ? k : nullptr);
    return true;
}

// ---------------------------------------------------------------------------------------
// Sharing

void TKampfberichtSeite::TeilenEinrichten()
{
    PopupMenuStatistik = new QMenu(this);
    PopupMenuStatistik->setObjectName(QStringLiteral("PopupMenuStatistik"));
    AlsForumtextkopieren1 = PopupMenuStatistik->addAction(QStringLiteral("Als Forumtext kopieren"));
    AlsForumtextkopieren1->setObjectName(QStringLiteral("AlsForumtextkopieren1"));
    AlsTabellekopieren1 = PopupMenuStatistik->addAction(QStringLiteral("Als Tabelle kopieren"));
    AlsTabellekopieren1->setObjectName(QStringLiteral("AlsTabellekopieren1"));
    AlsTabellekopieren1->setShortcut(QKeySequence::Copy);
    AlsTabellekopieren1->setShortcutVisibleInContextMenu(true);
    connect(AlsForumtextkopieren1, &QAction::triggered, this,
            &TKampfberichtSeite::AlsForumtextkopieren1Click);
    connect(AlsTabellekopieren1, &QAction::triggered, this, &TKampfberichtSeite::AlsTabellekopieren1Click);
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint &wo) {
        PopupMenuStatistik->popup(StringGrid1->viewport()->mapToGlobal(wo));
    });
    // Ctrl+C on the table copies it for a spreadsheet, as in the detailed analysis window.
    auto *kopieren = new QShortcut(QKeySequence::Copy, StringGrid1);
    kopieren->setContext(Qt::WidgetShortcut);
    connect(kopieren, &QShortcut::activated, this, &TKampfberichtSeite::AlsTabellekopieren1Click);
}

std::vector<QStringList> TKampfberichtSeite::ZeilenWieGezeigt(QStringList &kopf) const
{
    std::vector<int> spalten;
    for (int s = 0; s < KampftabelleSpalten; ++s)
        if (!StringGrid1->isColumnHidden(s)) {
            spalten.push_back(s);
            kopf << TabellenKopf()[s];
        }
    std::vector<QStringList> zeilen;
    for (int r = 0; r < m_tabelle->rowCount(); ++r) {
        if (!m_tabelle->Kaempfer(r)) // the empty row while the worker runs
            continue;
        QStringList zeile;
        for (int s : spalten)
            zeile << m_tabelle->Zelle(r, s);
        zeilen.push_back(zeile);
    }
    return zeilen;
}

void TKampfberichtSeite::AlsForumtextkopieren1Click()
{
    QStringList kopf;
    const auto zeilen = ZeilenWieGezeigt(kopf);
    QGuiApplication::clipboard()->setText(
        ForumText(kopf, zeilen, m_auswertung->Runden, m_auswertung->Fehler));
}

void TKampfberichtSeite::AlsTabellekopieren1Click()
{
    QStringList kopf;
    const auto zeilen = ZeilenWieGezeigt(kopf);
    QGuiApplication::clipboard()->setText(TabellenKopie(kopf, zeilen));
}

} // namespace mvt
