#include "routes/ui/Routenplanerseite.h"
#include "ui/Einpassen.h"

#include "base/Meldung.h"
#include "routes/Kartenmodell.h"
#include "routes/ui/Kartenfenster.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFrame>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

namespace mvt {

using namespace routen;

// ---------------------------------------------------------------------------------------
// Worker

TRoutenPlanungThread::TRoutenPlanungThread(TRoutenplanerSeite *seite, TSuchparameter parameter)
    : m_seite(seite), m_parameter(std::move(parameter))
{
}

void TRoutenPlanungThread::run()
{
    TRoutenplanerSeite *seite = m_seite;
    QElapsedTimer uhr;
    uhr.start();
    qint64 gezeigt = -1;
    m_parameter.Fortschritt = [&](int64_t position, int64_t maximum) {
        // at most every 30 ms: a queued call per closed field would flood the window
        if (position != gezeigt && (uhr.elapsed() >= 30 || position >= maximum)) {
            uhr.restart();
            gezeigt = position;
            QMetaObject::invokeMethod(
                seite, [seite, position, maximum] { seite->FortschrittZeigen(position, maximum); },
                Qt::QueuedConnection);
        }
    };
    Wegpunktliste route = RouteSuchen(m_parameter);
    WegpunkteZusammenfassen(m_parameter.Reisekosten, route);
    auto varianten =
        std::make_shared<TRoutenvarianten>(RoutenvariantenBilden(m_parameter.Reisekosten, route));
    QMetaObject::invokeMethod(
        seite, [seite, varianten] { seite->SucheBeendet(varianten); }, Qt::QueuedConnection);
}

// ---------------------------------------------------------------------------------------
// Tab

namespace {

const QString TextHinweis = QStringLiteral(
    "Bitte beachten: Für die Übertragung der Aufträge nach Morvaren ist es notwendig, bereits im Spiel "
    "eingeloggt und Leiter einer Jagdgruppe zu sein, die genügend freie Aufträge hat.");
const QString TextHinweis1 =
    QStringLiteral("Start- und Zielfeld eingeben (x vor y) und die Route berechnen lassen. Auf der Karte "
                   "setzt Shift + linke Maustaste den Start, Shift + rechte Maustaste das Ziel.");

QToolButton *Knopf(QWidget *eltern, const char *name, const QString &hinweis, const QIcon &bild, int x, int y)
{
    auto *b = new QToolButton(eltern);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hinweis);
    b->setAccessibleName(hinweis);
    b->setIcon(bild);
    b->setIconSize(QSize(20, 20));
    b->setAutoRaise(true);
    b->setGeometry(x, y, 28, 28);
    return b;
}

QLabel *Beschriftung(QWidget *eltern, const char *name, const QString &text, int x, int y, int b, int h = 18)
{
    auto *l = new QLabel(text, eltern);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(x, y, b, h);
    return l;
}

QLineEdit *Koordinate(QWidget *eltern, const char *name, const QString &beschreibung, int x, int y)
{
    auto *e = new QLineEdit(QStringLiteral("100"), eltern);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(3);
    e->setAccessibleName(beschreibung);
    e->setAlignment(Qt::AlignCenter);
    e->setGeometry(x, y, 40, 22);
    return e;
}

QSpinBox *Zahlfeld(QWidget *eltern, const char *name, const QString &beschreibung, int x, int y)
{
    auto *s = new QSpinBox(eltern);
    s->setObjectName(QLatin1String(name));
    s->setRange(1, MaxAuftraege);
    s->setAccessibleName(beschreibung);
    s->setGeometry(x, y, 58, 22);
    return s;
}

QTableWidget *Tabelle(QWidget *eltern, const char *name, const QString &beschreibung,
                      const QStringList &koepfe)
{
    auto *t = new QTableWidget(eltern);
    t->setObjectName(QLatin1String(name));
    t->setAccessibleName(beschreibung);
    t->setColumnCount(int(koepfe.size()));
    t->setHorizontalHeaderLabels(koepfe);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(18);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setWordWrap(false);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->horizontalHeader()->setHighlightSections(false);
    t->setTabKeyNavigation(false);
    return t;
}

QIcon WeltGlyph(int welt)
{
    static const char *const namen[3] = {":/karte/UebertragenDunladan.png", ":/karte/UebertragenEndurias.png",
                                         ":/karte/UebertragenZyrthania.png"};
    return QIcon(QString::fromLatin1(namen[std::clamp(welt, 1, 3) - 1]));
}

} // namespace

TRoutenplanerSeite::TRoutenplanerSeite(TWeltdaten &welten, TGespeicherteRouten &gespeichert,
                                       TOptionen &optionen, int32_t &letzteKarte, QWidget *parent,
                                       QTimer *timer1, QTimer *timer2)
    : QWidget(parent), UrlOeffnen([](const QUrl &u) { QDesktopServices::openUrl(u); }), m_welten(welten),
      m_gespeichert(gespeichert), m_optionen(optionen), m_letzteKarte(letzteKarte),
      m_listen(RoutenlistenAusOptionen(gespeichert)), m_varianten(std::make_unique<TRoutenvarianten>())
{
    setObjectName(QStringLiteral("Routenplanerseite"));
    KartenbilderLaden();
    resize(Breite, Hoehe);
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);

    Timer1 = timer1 ? timer1 : new QTimer(this);
    Timer2 = timer2 ? timer2 : new QTimer(this);
    if (!timer1) {
        Timer1->setObjectName(QStringLiteral("Timer1"));
        Timer1->setInterval(10);
    }
    if (!timer2)
        Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer1->setSingleShot(false);
    connect(Timer1, &QTimer::timeout, this, &TRoutenplanerSeite::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TRoutenplanerSeite::Timer2Timer);

    Aufbauen();
    ErgebnisVerbergen();
    GlyphSetzen();
    GespeicherteRoutenZeigen();
}

TRoutenplanerSeite::~TRoutenplanerSeite()
{
    // nobody waits for a finished search, but a running one must not outlive its window
    if (m_thread)
        m_thread->wait();
}

void TRoutenplanerSeite::Aufbauen()
{
    QFont fett = font();
    fett.setBold(true);

    auto *welt = Beschriftung(this, "LabelWelt", QStringLiteral("Welt"), 12, 6, 100);
    welt->setFont(fett);
    const char *radioNamen[3] = {"RadioButtonMap1", "RadioButtonMap2", "RadioButtonMap3"};
    const char *labelNamen[3] = {"LabelMap1", "LabelMap2", "LabelMap3"};
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral(" ") + QString::fromLatin1(Weltangaben(i + 1).Name);
        auto *r = new QRadioButton(this);
        r->setObjectName(QLatin1String(radioNamen[i]));
        r->setAccessibleName(name.trimmed());
        r->setGeometry(12, 26 + i * 20, 18, 18);
        auto *l = Beschriftung(this, labelNamen[i], name, 30, 26 + i * 20, 80);
        l->setBuddy(r);
        l->installEventFilter(this);
        RadioButtonMap[size_t(i)] = r;
        LabelMap[size_t(i)] = l;
        connect(r, &QRadioButton::clicked, this, [this, i](bool an) {
            if (an)
                RadioButtonMapClick(i + 1);
        });
    }
    RadioButtonMap[size_t(std::clamp(m_welten.AktuelleWelt, 1, 3) - 1)]->setChecked(true);

    auto *start = Beschriftung(this, "LabelStart", QStringLiteral("&Start (x : y)"), 124, 28, 80);
    auto *ziel = Beschriftung(this, "LabelZiel", QStringLiteral("&Ziel (x : y)"), 124, 56, 80);
    EditStartX = Koordinate(this, "EditStartX", QStringLiteral("Start x"), 204, 26);
    EditStartY = Koordinate(this, "EditStartY", QStringLiteral("Start y"), 250, 26);
    EditZielX = Koordinate(this, "EditZielX", QStringLiteral("Ziel x"), 204, 54);
    EditZielY = Koordinate(this, "EditZielY", QStringLiteral("Ziel y"), 250, 54);
    start->setBuddy(EditStartX);
    ziel->setBuddy(EditZielX);
    for (QLineEdit *e : {EditStartX, EditStartY, EditZielX, EditZielY})
        e->installEventFilter(this);
    Beschriftung(this, "LabelTrennerStart", QStringLiteral(":"), 245, 28, 5);
    Beschriftung(this, "LabelTrennerZiel", QStringLiteral(":"), 245, 56, 5);

    SpeedButtonSwap = Knopf(this, "SpeedButtonSwap", QStringLiteral("Start- und Zielkoordinaten austauschen"),
                            style()->standardIcon(QStyle::SP_BrowserReload), 296, 40);
    SpeedButtonRouteBerechnen = Knopf(this, "SpeedButtonRouteBerechnen", QStringLiteral("Route berechnen"),
                                      style()->standardIcon(QStyle::SP_MediaPlay), 328, 40);
    SpeedButtonKarteAnzeigen = Knopf(this, "SpeedButtonKarteAnzeigen", QStringLiteral("Karte anzeigen"),
                                     QIcon(QStringLiteral(":/karte/KarteAnzeigen.png")), 360, 40);
    connect(SpeedButtonSwap, &QToolButton::clicked, this, &TRoutenplanerSeite::SpeedButtonSwapClick);
    connect(SpeedButtonRouteBerechnen, &QToolButton::clicked, this,
            &TRoutenplanerSeite::SpeedButtonRouteBerechnenClick);
    connect(SpeedButtonKarteAnzeigen, &QToolButton::clicked, this,
            &TRoutenplanerSeite::SpeedButtonKarteAnzeigenClick);

    LabelHinweis1 = Beschriftung(this, "LabelHinweis1", TextHinweis1, 400, 22, 376, 48);
    LabelHinweis1->setWordWrap(true);
    LabelBitteWarten = Beschriftung(this, "LabelBitteWarten",
                                    QStringLiteral("Route wird berechnet, bitte warten..."), 400, 22, 376);
    LabelBitteWarten->hide();
    ProgressBar2 = new QProgressBar(this);
    ProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    ProgressBar2->setAccessibleName(QStringLiteral("Fortschritt der Routenberechnung"));
    ProgressBar2->setGeometry(400, 44, 376, 18);
    ProgressBar2->hide();

    StringGrid2 = Tabelle(
        this, "StringGrid2", QStringLiteral("Aufträge der Route"),
        {QString(), QStringLiteral("Auftrag"), QStringLiteral("Reisezeit"), QStringLiteral("Ankunft")});
    StringGrid2->setGeometry(8, 88, 470, 290);
    StringGrid2->setColumnWidth(0, 32);
    StringGrid2->setColumnWidth(1, 130);
    StringGrid2->setColumnWidth(2, 136);
    StringGrid2->setColumnWidth(3, 150);
    StringGrid2->viewport()->installEventFilter(this);
    m_ergebnisteile << StringGrid2;

    auto *bevel1 = new QFrame(this);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setFrameShape(QFrame::Box);
    bevel1->setFrameShadow(QFrame::Sunken);
    bevel1->setGeometry(486, 88, 290, 176);
    m_ergebnisteile << bevel1;
    struct TErgebnis {
        QLabel **feld;
        const char *name;
        const char *beschriftung;
    };
    const TErgebnis ergebnisse[] = {
        {&LabelReisezeit1, "LabelReisezeit1", "Reisezeit:"},
        {&LabelAnkunft1, "LabelAnkunft1", "Ankunft:"},
        {&LabelZeitersparnis1, "LabelZeitersparnis1", "Zeitersparnis:"},
        {&LabelOptimalitaet1, "LabelOptimalitaet1", "Optimalität:"},
        {&LabelFelder1, "LabelFelder1", "Überquerte Felder:"},
        {&LabelZeitProFeld1, "LabelZeitProFeld1", "Zeit pro Feld:"},
        {&LabelAuftragsanzahl1, "LabelAuftragsanzahl1", "Auftragsanzahl:"},
        {&LabelOptimaleLaenge1, "LabelOptimaleLaenge1", "Optimale Länge:"},
    };
    int y = 96;
    for (const TErgebnis &e : ergebnisse) {
        QByteArray name(e.name);
        name.chop(1);
        auto *b = Beschriftung(this, name.constData(), QString::fromUtf8(e.beschriftung), 494, y, 116);
        auto *w = Beschriftung(this, e.name, QString(), 612, y, 162);
        w->setFont(fett);
        // The caption labels its value; a screen reader reads the value as the name.
        b->setBuddy(w);
        *e.feld = w;
        m_ergebnisteile << b << w;
        y += 20;
    }

    auto *max = Beschriftung(this, "LabelAuftraege", QStringLiteral("&Max. Aufträge:"), 494, 276, 98, 22);
    SpinEditAuftraege = Zahlfeld(this, "SpinEditAuftraege", QStringLiteral("Max. Aufträge"), 594, 276);
    SpinEditAuftraege->setValue(10);
    max->setBuddy(SpinEditAuftraege);
    m_ergebnisteile << max << SpinEditAuftraege;
    auto *von = Beschriftung(this, "LabelVonAuftrag", QStringLiteral("Aufträge &von"), 494, 306, 98, 22);
    SpinEditVonAuftrag = Zahlfeld(this, "SpinEditVonAuftrag", QStringLiteral("Aufträge von"), 594, 306);
    auto *bis = Beschriftung(this, "LabelBisAuftrag", QStringLiteral("&bis"), 658, 306, 22, 22);
    SpinEditBisAuftrag = Zahlfeld(this, "SpinEditBisAuftrag", QStringLiteral("Aufträge bis"), 682, 306);
    von->setBuddy(SpinEditVonAuftrag);
    bis->setBuddy(SpinEditBisAuftrag);
    m_ergebnisteile << von << SpinEditVonAuftrag << bis << SpinEditBisAuftrag;
    for (QSpinBox *s : {SpinEditAuftraege, SpinEditVonAuftrag, SpinEditBisAuftrag})
        s->installEventFilter(this);
    connect(SpinEditAuftraege, &QSpinBox::textChanged, this, &TRoutenplanerSeite::SpinEditAuftraegeChange);
    connect(SpinEditVonAuftrag, &QSpinBox::valueChanged, this, &TRoutenplanerSeite::SpinEditVonAuftragChange);
    connect(SpinEditBisAuftrag, &QSpinBox::valueChanged, this, &TRoutenplanerSeite::SpinEditBisAuftragChange);

    SpeedButtonRouteUebertragen =
        Knopf(this, "SpeedButtonRouteUebertragen", QStringLiteral("Gewählte Aufträge an Morvaren übertragen"),
              QIcon(), 746, 303);
    connect(SpeedButtonRouteUebertragen, &QToolButton::clicked, this,
            &TRoutenplanerSeite::SpeedButtonRouteUebertragenClick);
    LabelUebertragung = Beschriftung(this, "LabelUebertragung", KeineUebertragungText(), 494, 336, 282);
    LabelHinweis = Beschriftung(this, "LabelHinweis", TextHinweis, 494, 360, 282, 80);
    LabelHinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelHinweis->setWordWrap(true);
    m_ergebnisteile << SpeedButtonRouteUebertragen << LabelHinweis;

    LabelRouteSpeichern =
        Beschriftung(this, "LabelRouteSpeichern", RouteSpeichernHinweis(QString()), 8, 384, 300);
    EditRouteSpeichern = new QLineEdit(this);
    EditRouteSpeichern->setObjectName(QStringLiteral("EditRouteSpeichern"));
    EditRouteSpeichern->setMaxLength(MaxNamenslaenge);
    EditRouteSpeichern->setAccessibleName(QStringLiteral("Name der Route"));
    EditRouteSpeichern->setGeometry(8, 402, 434, 24);
    EditRouteSpeichern->installEventFilter(this);
    LabelRouteSpeichern->setBuddy(EditRouteSpeichern);
    connect(EditRouteSpeichern, &QLineEdit::textChanged, this, &TRoutenplanerSeite::EditRouteSpeichernChange);
    SpeedButtonRouteSpeichern = Knopf(this, "SpeedButtonRouteSpeichern", QStringLiteral("Route speichern"),
                                      style()->standardIcon(QStyle::SP_DialogSaveButton), 450, 400);
    connect(SpeedButtonRouteSpeichern, &QToolButton::clicked, this,
            &TRoutenplanerSeite::SpeedButtonRouteSpeichernClick);
    m_ergebnisteile << LabelRouteSpeichern << EditRouteSpeichern << SpeedButtonRouteSpeichern;

    StringGrid3 =
        Tabelle(this, "StringGrid3", QStringLiteral("Gespeicherte Routen"),
                {QStringLiteral("Gespeicherte Routen"), QStringLiteral("Start"), QStringLiteral("Ziel")});
    StringGrid3->setGeometry(8, 432, 470, 118);
    StringGrid3->setColumnWidth(0, 290);
    StringGrid3->setColumnWidth(1, 80);
    StringGrid3->setColumnWidth(2, 80);
    StringGrid3->viewport()->installEventFilter(this);
    StringGrid3->installEventFilter(this);
    StringGrid3->setToolTip(QStringLiteral("Auswählen lädt die Route, Entf löscht sie"));
    connect(StringGrid3, &QTableWidget::currentCellChanged, this, [this](int zeile, int, int vorher, int) {
        if (zeile >= 0 && zeile != vorher)
            StringGrid3SelectCell(zeile + 1);
    });

    setTabOrder(RadioButtonMap[0], EditStartX);
    QWidget *reihe[] = {EditStartX,
                        EditStartY,
                        EditZielX,
                        EditZielY,
                        SpeedButtonSwap,
                        SpeedButtonRouteBerechnen,
                        SpeedButtonKarteAnzeigen,
                        StringGrid2,
                        SpinEditAuftraege,
                        SpinEditVonAuftrag,
                        SpinEditBisAuftrag,
                        SpeedButtonRouteUebertragen,
                        EditRouteSpeichern,
                        SpeedButtonRouteSpeichern,
                        StringGrid3};
    for (size_t i = 1; i < std::size(reihe); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);
    for (QToolButton *b : findChildren<QToolButton *>())
        b->setFocusPolicy(Qt::StrongFocus);
}

TRoutenliste &TRoutenplanerSeite::Liste()
{
    return m_listen.Welt(m_welten.AktuelleWelt);
}

void TRoutenplanerSeite::KarteAnbinden(TForm8 *karte)
{
    m_karte = karte;
    if (!karte)
        return;
    karte->StartSetzen = [this](int x, int y) { StartSetzen(x, y); };
    karte->ZielSetzen = [this](int x, int y) { ZielSetzen(x, y); };
    karte->BerechnungStarten = [this] {
        if (SpeedButtonRouteBerechnen->isEnabled())
            RouteBerechnenStarten(false);
    };
    // the map window's creation selects the world shown last
    if (m_letzteKarte >= 1 && m_letzteKarte <= 3 && m_letzteKarte != m_welten.AktuelleWelt) {
        RadioButtonMap[size_t(m_letzteKarte - 1)]->setChecked(true);
        RadioButtonMapClick(m_letzteKarte);
    }
}

void TRoutenplanerSeite::GlyphSetzen()
{
    SpeedButtonRouteUebertragen->setIcon(WeltGlyph(m_welten.AktuelleWelt));
}

void TRoutenplanerSeite::ErgebnisVerbergen()
{
    for (QWidget *w : m_ergebnisteile)
        w->hide();
    SpinEditAuftraege->setEnabled(false);
}

void TRoutenplanerSeite::ErgebnisZeigen()
{
    for (QWidget *w : m_ergebnisteile)
        w->show();
    for (QWidget *w : std::initializer_list<QWidget *>{
             SpinEditAuftraege, SpinEditVonAuftrag, SpinEditBisAuftrag, EditRouteSpeichern,
             SpeedButtonRouteSpeichern, SpeedButtonRouteUebertragen})
        w->setEnabled(true);
}

void TRoutenplanerSeite::TabellenTextGrau(QTableWidget *t, bool grau)
{
    QPalette p = t->palette();
    const QColor farbe = grau ? QColor(Qt::gray) : palette().color(QPalette::Active, QPalette::Text);
    p.setColor(QPalette::Active, QPalette::Text, farbe);
    p.setColor(QPalette::Inactive, QPalette::Text, farbe);
    t->setPalette(p);
}

void TRoutenplanerSeite::RadioButtonMapClick(int welt)
{
    // a click on the selected world changes nothing
    if (welt < 1 || welt > 3 || welt == m_welten.AktuelleWelt || BerechnungLaeuft() || UebertragungLaeuft())
        return;
    WeltWechseln(m_welten, welt);
    m_letzteKarte = welt;
    {
        const QSignalBlocker sperre(StringGrid3);
        StringGrid3->clearSelection();
        StringGrid3->setCurrentCell(-1, -1);
    }
    m_geladeneZeile = -1;
    if (m_karte)
        m_karte->WeltGewechselt();
    GlyphSetzen();
    ErgebnisVerbergen();
    GespeicherteRoutenZeigen();
}

void TRoutenplanerSeite::SpeedButtonSwapClick()
{
    const QString x = EditStartX->text(), y = EditStartY->text();
    EditStartX->setText(EditZielX->text());
    EditStartY->setText(EditZielY->text());
    EditZielX->setText(x);
    EditZielY->setText(y);
}

void TRoutenplanerSeite::StartSetzen(int x, int y)
{
    EditStartX->setText(QString::number(x));
    EditStartY->setText(QString::number(y));
}

void TRoutenplanerSeite::ZielSetzen(int x, int y)
{
    EditZielX->setText(QString::number(x));
    EditZielY->setText(QString::number(y));
}

void TRoutenplanerSeite::SpeedButtonRouteBerechnenClick()
{
    RouteBerechnenStarten(true);
}

void TRoutenplanerSeite::SpeedButtonKarteAnzeigenClick()
{
    if (m_karte)
        m_karte->Zeigen();
}

void TRoutenplanerSeite::KoordinatenVerlassen()
{
    for (QLineEdit *e : {EditStartX, EditStartY, EditZielX, EditZielY})
        e->setText(KoordinateVerlassen(e->text(), m_welten.Kartengroesse));
}

void TRoutenplanerSeite::RouteBerechnenStarten(bool zentrieren)
{
    if (BerechnungLaeuft() || UebertragungLaeuft() || !SpeedButtonRouteBerechnen->isEnabled())
        return;
    KoordinatenVerlassen();
    int werte[4];
    QLineEdit *edits[4] = {EditStartX, EditStartY, EditZielX, EditZielY};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        werte[i] = edits[i]->text().toInt(&ok);
        if (!ok) {
            MeldungZeigen(QStringLiteral("Fehler: '") + edits[i]->text() +
                          QStringLiteral("' ist kein gültiger Integerwert."));
            return;
        }
    }
    TSuchparameter p;
    p.Reisekosten = m_welten.Reisekosten();
    p.Kartengroesse = m_welten.Kartengroesse;
    p.DirectionalOptimization = m_optionen.DirectionalOptimization;
    // a pasted value off the map (negative, say) never reaches a grid
    for (int w : werte)
        if (w < 1 || w > m_welten.Kartengroesse)
            return;
    p.Start = Wegpunkt{uint8_t(werte[0]), uint8_t(werte[1])};
    p.Ziel = Wegpunkt{uint8_t(werte[2]), uint8_t(werte[3])};
    if (p.Start == p.Ziel || !SuchparameterGueltig(p))
        return;

    m_zentrieren = zentrieren;
    SpeedButtonRouteBerechnen->setEnabled(false);
    SpeedButtonSwap->setEnabled(false);
    for (QRadioButton *r : RadioButtonMap)
        r->setEnabled(false);
    m_fortschritt = 0;
    ProgressBar2->setRange(0, 1);
    ProgressBar2->setValue(0);
    ProgressBar2->show();
    LabelHinweis1->hide();
    LabelBitteWarten->show();
    SpinEditAuftraege->setEnabled(false);
    SpinEditVonAuftrag->setEnabled(false);
    SpinEditBisAuftrag->setEnabled(false);
    StringGrid3->setEnabled(false);
    TabellenTextGrau(StringGrid3, true);
    LabelUebertragung->setText(KeineUebertragungText());
    EditRouteSpeichern->setEnabled(false);
    SpeedButtonRouteSpeichern->setEnabled(false);
    SpeedButtonRouteUebertragen->setEnabled(false);
    {
        const QSignalBlocker sperre(StringGrid3);
        StringGrid3->clearSelection();
        StringGrid3->setCurrentCell(-1, -1);
    }

    m_thread = new TRoutenPlanungThread(this, p);
    connect(m_thread.data(), &QThread::finished, m_thread.data(), &QObject::deleteLater);
    m_thread->start();
}

void TRoutenplanerSeite::FortschrittZeigen(qint64 position, qint64 maximum)
{
    // the bar counts in int: squared distances of a 200 x 200 map stay far below
    ProgressBar2->setRange(0, int(std::max<qint64>(1, maximum)));
    if (position > m_fortschritt) {
        m_fortschritt = position;
        ProgressBar2->setValue(int(std::min(position, maximum)));
    }
}

void TRoutenplanerSeite::SucheBeendet(std::shared_ptr<TRoutenvarianten> varianten)
{
    m_ergebnis = std::move(varianten);
    m_thread.clear(); // it ends by itself and deletes itself
    Timer1->start();
}

void TRoutenplanerSeite::Timer1Timer()
{
    Timer1->stop();
    if (!m_ergebnis)
        return;
    *m_varianten = std::move(*m_ergebnis);
    m_ergebnis.reset();
    if (m_karte)
        m_karte->ErstesZeigen = false;
    ProgressBar2->hide();
    LabelBitteWarten->hide();
    LabelHinweis1->show();
    for (QRadioButton *r : RadioButtonMap)
        r->setEnabled(true);
    StringGrid3->setEnabled(true);
    TabellenTextGrau(StringGrid3, false);
    TabellenTextGrau(StringGrid2, false);
    SpeedButtonRouteBerechnen->setEnabled(true);
    SpeedButtonSwap->setEnabled(true);
    ErgebnisZeigen();
    RouteAnzeigen(m_zentrieren);
    emit RouteBerechnet();
}

void TRoutenplanerSeite::RouteAnzeigen(bool zentrieren)
{
    const TRoutenauswertung e = RouteAuswerten(m_welten.Reisekosten(), *m_varianten, m_tag);
    const QDateTime jetzt = QDateTime::currentDateTime();
    {
        const QSignalBlocker sperre(StringGrid2);
        StringGrid2->clearContents();
        StringGrid2->setRowCount(int(e.Auftraege.size()));
        for (int r = 0; r < int(e.Auftraege.size()); ++r) {
            const QStringList spalten = AuftragsSpalten(e.Auftraege[size_t(r)], jetzt);
            for (int s = 0; s < 4; ++s) {
                auto *zelle = new QTableWidgetItem(spalten[s]);
                zelle->setTextAlignment(Qt::AlignVCenter | (s == 0 ? Qt::AlignRight : Qt::AlignLeft));
                StringGrid2->setItem(r, s, zelle);
            }
        }
    }
    // Long figures of a long route take a smaller font rather than run out of the box.
    TextEinpassen(LabelReisezeit1, DauerText(e.Reisezeit), 9);
    TextEinpassen(LabelAnkunft1, AnkunftText(e.Reisezeit, jetzt), 9);
    TextEinpassen(LabelZeitersparnis1, e.ZeitersparnisText(), 9);
    TextEinpassen(LabelOptimalitaet1, e.OptimalitaetText(), 9);
    LabelFelder1->setText(QString::number(e.Felder));
    LabelZeitProFeld1->setText(e.ZeitProFeldText());
    LabelAuftragsanzahl1->setText(QString::number(e.Auftragsanzahl));
    LabelOptimaleLaenge1->setText(QString::number(e.OptimaleLaenge));

    const TAuftragsbereich b = AuftragsbereichFuerRoute(e.Auftragsanzahl);
    {
        const QSignalBlocker s1(SpinEditVonAuftrag);
        const QSignalBlocker s2(SpinEditBisAuftrag);
        SpinEditVonAuftrag->setRange(1, b.Maximum);
        SpinEditBisAuftrag->setRange(1, b.Maximum);
        SpinEditVonAuftrag->setValue(b.Von);
        SpinEditBisAuftrag->setValue(b.Bis);
    }
    if (m_karte)
        m_karte->RouteZeigen((*m_varianten)[size_t(std::clamp(m_tag, 1, MaxAuftraege) - 1)], zentrieren);
}

void TRoutenplanerSeite::SpinEditAuftraegeChange(const QString &text)
{
    if (BerechnungLaeuft() || UebertragungLaeuft())
        return;
    if (const auto wert = MaxAuftraegeLesen(text)) {
        m_tag = *wert;
        if (StringGrid2->isVisibleTo(this))
            RouteAnzeigen(false);
    }
}

namespace {
TAuftragsbereich Bereich(QSpinBox *von, QSpinBox *bis)
{
    return TAuftragsbereich{von->value(), bis->value(), von->maximum()};
}
void BereichSetzen(QSpinBox *von, QSpinBox *bis, const TAuftragsbereich &b)
{
    const QSignalBlocker s1(von);
    const QSignalBlocker s2(bis);
    von->setValue(b.Von);
    bis->setValue(b.Bis);
}
} // namespace

void TRoutenplanerSeite::SpinEditVonAuftragChange(int von)
{
    TAuftragsbereich b = Bereich(SpinEditVonAuftrag, SpinEditBisAuftrag);
    VonAuftragAendern(b, von);
    BereichSetzen(SpinEditVonAuftrag, SpinEditBisAuftrag, b);
}

void TRoutenplanerSeite::SpinEditBisAuftragChange(int bis)
{
    TAuftragsbereich b = Bereich(SpinEditVonAuftrag, SpinEditBisAuftrag);
    BisAuftragAendern(b, bis);
    BereichSetzen(SpinEditVonAuftrag, SpinEditBisAuftrag, b);
}

void TRoutenplanerSeite::SpinEditsVerlassen()
{
    if (SpinEditVonAuftrag->text().isEmpty())
        SpinEditVonAuftrag->setValue(1);
    if (SpinEditBisAuftrag->text().isEmpty())
        SpinEditBisAuftrag->setValue(SpinEditBisAuftrag->maximum());
}

void TRoutenplanerSeite::EditRouteSpeichernChange(const QString &text)
{
    LabelRouteSpeichern->setText(RouteSpeichernHinweis(text));
}

void TRoutenplanerSeite::GespeicherteZurueckschreiben()
{
    RoutenlistenInOptionen(m_listen, m_gespeichert);
}

void TRoutenplanerSeite::SpeedButtonRouteSpeichernClick()
{
    if (!SpeedButtonRouteSpeichern->isEnabled() || !SpeedButtonRouteSpeichern->isVisibleTo(this))
        return;
    Liste().Einfuegen(RouteSpeichern(*m_varianten, EditRouteSpeichern->text(), SpinEditAuftraege->value()));
    GespeicherteZurueckschreiben();
    EditRouteSpeichern->clear();
    GespeicherteRoutenZeigen();
}

void TRoutenplanerSeite::GespeicherteRoutenZeigen()
{
    // The lists are read back from the options record, which keeps no cursor: a list that
    // is still the same keeps where its cursor was (after a save on the new route, after a
    // delete on the successor), so that the next save goes in after it.
    TRoutenlisten neu = RoutenlistenAusOptionen(m_gespeichert);
    for (size_t w = 0; w < neu.Welten.size(); ++w)
        if (neu.Welten[w].Anzahl() == m_listen.Welten[w].Anzahl() && m_listen.Welten[w].Cursor() >= 0)
            neu.Welten[w].CursorSetzen(m_listen.Welten[w].Cursor());
    m_listen = std::move(neu);
    const std::vector<TRoutentabellenzeile> zeilen = RoutentabelleZeilen(Liste());
    const QSignalBlocker sperre(StringGrid3);
    StringGrid3->clearContents();
    StringGrid3->setRowCount(int(zeilen.size()));
    for (int r = 0; r < int(zeilen.size()); ++r) {
        const TRoutentabellenzeile &z = zeilen[size_t(r)];
        const QString texte[3] = {z.Name, z.Start, z.Ziel};
        for (int s = 0; s < 3; ++s)
            StringGrid3->setItem(r, s, new QTableWidgetItem(texte[s]));
    }
    StringGrid3->clearSelection();
    StringGrid3->setCurrentCell(-1, -1);
}

void TRoutenplanerSeite::StringGrid3Loeschen()
{
    if (!StringGrid3->isEnabled())
        return;
    const int zeile = StringGrid3->selectionModel()->hasSelection() ? StringGrid3->currentRow() + 1 : 0;
    if (!GespeicherteRouteLoeschen(Liste(), zeile))
        return;
    GespeicherteZurueckschreiben();
    m_geladeneZeile = -1;
    GespeicherteRoutenZeigen();
}

void TRoutenplanerSeite::StringGrid3SelectCell(int zeile)
{
    if (BerechnungLaeuft() || UebertragungLaeuft() || zeile < 1 || zeile > Liste().Anzahl())
        return;
    // a route of a hand-edited file that leaves the map is not shown
    if (!RouteAufKarte(Liste().Element(zeile - 1).Punkte, m_welten.Kartengroesse))
        return;
    auto geladen = GespeicherteRouteLaden(m_welten.Reisekosten(), Liste(), zeile);
    if (!geladen)
        return;
    m_geladeneZeile = zeile;
    m_tag = geladen->Auftraege;
    *m_varianten = std::move(geladen->Varianten);
    {
        const QSignalBlocker sperre(SpinEditAuftraege);
        SpinEditAuftraege->setValue(m_tag);
    }
    if (m_karte)
        m_karte->ErstesZeigen = false;
    ErgebnisZeigen();
    LabelUebertragung->setText(KeineUebertragungText());
    StartSetzen(geladen->Start.x, geladen->Start.y);
    ZielSetzen(geladen->Ziel.x, geladen->Ziel.y);
    StringGrid2->clearSelection();
    StringGrid2->setCurrentCell(-1, -1);
    RouteAnzeigen(true);
}

void TRoutenplanerSeite::SpeedButtonRouteUebertragenClick()
{
    if (UebertragungLaeuft() || BerechnungLaeuft() || !SpeedButtonRouteUebertragen->isEnabled() ||
        !SpeedButtonRouteUebertragen->isVisibleTo(this))
        return;
    SpinEditsVerlassen();
    const Wegpunktliste &route =
        (*m_varianten)[size_t(std::clamp(SpinEditAuftraege->value(), 1, MaxAuftraege) - 1)];
    if (!m_uebertragung.Starten(route.Punkte(), SpinEditVonAuftrag->value(), SpinEditBisAuftrag->value()))
        return;
    UebertragungSperren(true);
    LabelUebertragung->setText(m_uebertragung.LaufText());
    Timer2->setSingleShot(true);
    Timer2->setInterval(1);
    Timer2->start();
}

void TRoutenplanerSeite::UebertragungSperren(bool sperren)
{
    // everything that could change the route, the range or the world, or start another
    // transfer or a calculation
    for (QWidget *w : std::initializer_list<QWidget *>{
             SpinEditVonAuftrag, SpinEditBisAuftrag, SpinEditAuftraege, SpeedButtonRouteBerechnen,
             SpeedButtonSwap, SpeedButtonRouteSpeichern, StringGrid3, SpeedButtonRouteUebertragen})
        w->setEnabled(!sperren);
    TabellenTextGrau(StringGrid3, sperren);
    // at the end the world selectors follow the main window
    for (QRadioButton *r : RadioButtonMap)
        r->setEnabled(!sperren && window()->isEnabled());
}

void TRoutenplanerSeite::Timer2Timer()
{
    Timer2->stop();
    Timer2->setInterval(std::max(m_optionen.TransmissionInterval, KleinstesUebertragungsintervall));
    const std::optional<Wegpunkt> ziel = m_uebertragung.Naechster();
    if (ziel) {
        if (UrlOeffnen)
            UrlOeffnen(QUrl(AuftragsLink(m_welten.AktuelleWelt, ziel->x, ziel->y, TokenErzeugen())));
        LabelUebertragung->setText(m_uebertragung.LaufText());
    }
    if (!m_uebertragung.Laeuft())
        return;
    if (!m_uebertragung.Fertig()) {
        Timer2->start();
        return;
    }
    m_uebertragung.Beenden();
    UebertragungSperren(false);
    LabelUebertragung->setText(UebertragungAbgeschlossenText());
    emit UebertragungBeendet();
}

void TRoutenplanerSeite::TabelleMausrad(QTableWidget *t)
{
    if (t->selectionModel()->hasSelection() || t->rowCount() < 1 || !t->isEnabled())
        return;
    t->setCurrentCell(0, 0);
    t->selectRow(0);
}

bool TRoutenplanerSeite::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QEvent::Type typ = ereignis->type();
    for (int i = 0; i < 3; ++i)
        if (objekt == LabelMap[size_t(i)] && typ == QEvent::MouseButtonRelease) {
            if (RadioButtonMap[size_t(i)]->isEnabled())
                RadioButtonMap[size_t(i)]->click();
            return true;
        }
    if (typ == QEvent::Wheel) {
        if (objekt == StringGrid2->viewport())
            TabelleMausrad(StringGrid2);
        else if (objekt == StringGrid3->viewport())
            TabelleMausrad(StringGrid3);
        return false;
    }
    if (objekt == StringGrid3->viewport() && typ == QEvent::MouseButtonPress) {
        // selecting the row loaded last loads it again
        auto *m = static_cast<QMouseEvent *>(ereignis);
        const int zeile = StringGrid3->rowAt(m->position().toPoint().y());
        if (zeile >= 0 && zeile == StringGrid3->currentRow())
            StringGrid3SelectCell(zeile + 1);
        return false;
    }
    if (typ == QEvent::FocusOut) {
        if (auto *e = qobject_cast<QLineEdit *>(objekt);
            e && (e == EditStartX || e == EditStartY || e == EditZielX || e == EditZielY))
            e->setText(KoordinateVerlassen(e->text(), m_welten.Kartengroesse));
        if (objekt == SpinEditAuftraege && SpinEditAuftraege->text().isEmpty())
            SpinEditAuftraege->setValue(1);
        if (objekt == SpinEditVonAuftrag || objekt == SpinEditBisAuftrag)
            SpinEditsVerlassen();
        return false;
    }
    if (typ != QEvent::KeyPress)
        return false;
    auto *taste = static_cast<QKeyEvent *>(ereignis);
    const bool eingabe = taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter;
    if (auto *e = qobject_cast<QLineEdit *>(objekt);
        e && (e == EditStartX || e == EditStartY || e == EditZielX || e == EditZielY)) {
        if (eingabe) {
            if (SpeedButtonRouteBerechnen->isEnabled())
                SpeedButtonRouteBerechnenClick();
            return true;
        }
        // Only typed characters other than digits are swallowed; navigation and editing
        // keys (Tab, Delete, Backspace, arrows, Ctrl shortcuts) keep their meaning.
        const QString text = taste->text();
        if (text.isEmpty() || (taste->modifiers() & Qt::ControlModifier))
            return false;
        for (QChar c : text)
            if (!c.isPrint())
                return false;
        return !(text.size() == 1 && text[0] >= u'0' && text[0] <= u'9');
    }
    if (eingabe && (objekt == SpinEditVonAuftrag || objekt == SpinEditBisAuftrag)) {
        if (SpeedButtonRouteBerechnen->isEnabled())
            SpeedButtonRouteUebertragenClick();
        return true;
    }
    if (eingabe && objekt == EditRouteSpeichern) {
        SpeedButtonRouteSpeichernClick();
        return true;
    }
    if (objekt == StringGrid3 && taste->key() == Qt::Key_Delete) {
        StringGrid3Loeschen();
        return true;
    }
    return false;
}

} // namespace mvt
