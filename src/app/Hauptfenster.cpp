#include "app/Hauptfenster.h"

#include "ui/Bilder.h"
#include "app/Infofenster.h"
#include "app/MenueHinweis.h"
#include "app/Programmsitzung.h"
#include "app/Webseite.h"
#include "base/Meldung.h"
#include "ui/Sitzung.h"
#include "ui/Zugang.h"
#include "combat/ui/Kampfberichtseite.h"
#include "crafting/ui/Bausatzrechnerseite.h"
#include "online/ui/Versionsfenster.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "routes/Uebertragung.h"
#include "routes/ui/Routenplanerseite.h"
#include "settings/ui/Einstellungsfenster.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace mvt {

const QString TForm1::BaulistenFilter = QStringLiteral("MVT Baulisten (*.mvt_bl)");

const QString TForm1::TextWeitereFunktionen = QStringLiteral(
    "Du willst, dass dieses Tool eine bestimmte Funktion für dich bereithält? Schau auf der Roadmap nach, "
    "ob diese Funktion schon geplant ist. Ist sie es nicht, sende mir einfach deinen Vorschlag und ich "
    "werde sehen, ob ich ihn unterbringen kann. Und auch wenn es die Idee schon gibt, kannst du "
    "Verbesserungsvorschläge oder weitere Anregungen abgeben.");

namespace {

QAction *Eintrag(QMenu *menue, const char *name, const QString &text)
{
    QAction *a = menue->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QTimer *Zeitgeber(QObject *eltern, const char *name, int intervall, bool einmal = false)
{
    auto *t = new QTimer(eltern);
    t->setObjectName(QString::fromLatin1(name));
    t->setInterval(intervall);
    t->setSingleShot(einmal);
    return t;
}

// Background colour 14215660 (BGR) of the main window.
const QColor Fensterfarbe(0xEC, 0xE9, 0xD8);

} // namespace

TForm1::TForm1(TProgrammsitzung &sitzung) : m_sitzung(sitzung)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Hadrik's Morvaren Tool"));
    // Fixed single border, system menu and minimise box only.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    setProperty("ShowHint", true);
    // Changed hints reach a screen reader; secondary windows read as dialogs.
    ZugangEinrichten();

    QPalette pal = palette();
    pal.setColor(QPalette::Window, Fensterfarbe);
    setPalette(pal);
    QFont schrift = font();
    schrift.setPointSize(9);
    setFont(schrift);

    // Before the pages connect theirs: the options reach the main window and the windows
    // it touches first, the planner's menu hints after.
    connect(&m_sitzung, &TSitzung::optionenGeaendert, this, &TForm1::OptionenAnwenden);

    auto *flaeche = new THintergrund(this);
    flaeche->setObjectName(QStringLiteral("Hintergrund"));
    flaeche->setFixedSize(ClientBreite, ClientHoehe);
    setCentralWidget(flaeche);

    SeitenAnlegen();
    // The menu bar asks the style for an icon (its extension button): the icon theme's
    // worker must be done first. The crafting page's buttons get their icons here too.
    SymbolthemaAbwarten();
    MenueAnlegen();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = Zeitgeber(this, "Timer1", 10);
    Timer2 = Zeitgeber(this, "Timer2", 1000);
    TimerUpdateCheck = Zeitgeber(this, "TimerUpdateCheck", 1000, true);
    TimerInventarAuslesenMeldungLoeschen = Zeitgeber(this, "TimerInventarAuslesenMeldungLoeschen", 3000);
    connect(TimerUpdateCheck, &QTimer::timeout, this, &TForm1::TimerUpdateCheckTimer);

    // The mouse button flags; also the tool-tip switch of every window.
    qApp->installEventFilter(this);
}

TForm1::~TForm1()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void TForm1::SeitenAnlegen()
{
    PageControl1 = new QTabWidget(centralWidget());
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 7, ClientBreite, 588);
    PageControl1->setDocumentMode(true);
    PageControl1->tabBar()->setExpanding(false);
    PageControl1->tabBar()->setDrawBase(false);
    struct Seite {
        QWidget **feld;
        const char *name;
        const char16_t *titel;
    };
    const Seite seiten[] = {
        {&TabSheet1, "TabSheet1", u"Bausatzrechner"},
        {&TabSheet2, "TabSheet2", u"Kampfberichtauswerter"},
        {&TabSheet4, "TabSheet4", u"Routenplaner"},
        {&TabSheet5, "TabSheet5", u"Charakter-Planer"},
        {&TabSheet3, "TabSheet3", u"Weitere Funktionen folgen..."},
    };
    for (const Seite &s : seiten) {
        auto *w = new THintergrund;
        w->setObjectName(QString::fromLatin1(s.name));
        PageControl1->addTab(w, QString::fromUtf16(s.titel));
        *s.feld = w;
    }

    // Button-style tabs over the parchment.
    PageControl1->setStyleSheet(QStringLiteral(
        "QTabWidget#PageControl1::pane { border: none; }"
        "QTabWidget#PageControl1 > QTabBar::tab {"
        "  color: #2b2414; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbf8ef, stop:1 "
        "#e4dcc4);"
        "  border: 1px solid #8f8160; border-radius: 3px; padding: 3px 12px; margin: 2px 4px 3px 4px; }"
        "QTabWidget#PageControl1 > QTabBar::tab:hover { border-color: #5e5236; }"
        "QTabWidget#PageControl1 > QTabBar::tab:selected {"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #d8cca6, stop:1 #ece3c8);"
        "  border: 1px solid #5e5236; font-weight: bold; }"));

    Bausatzrechner = new TBausatzrechnerSeite(m_sitzung, m_sitzung.Crafting(), TabSheet1);
    Bausatzrechner->setGeometry(0, 0, 784, 556);

    LabelWeitereFunktionen = new QLabel(TextWeitereFunktionen, TabSheet3);
    LabelWeitereFunktionen->setObjectName(QStringLiteral("LabelWeitereFunktionen"));
    LabelWeitereFunktionen->setWordWrap(true);
    LabelWeitereFunktionen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelWeitereFunktionen->setGeometry(24, 24, 520, 120);

    // Page 1 until the options select the saved one; not a page the player chose, so
    // before the page change is connected, which stores the page in the options.
    PageControl1->setCurrentIndex(1);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
}

void TForm1::SeiteAnlegen(int seite)
{
    const TProgrammzustand &z = m_sitzung.Zustand();
    QWidget *inhalt = nullptr;
    switch (seite) {
    case 1:
        if (Kampfberichtseite)
            return;
        Kampfberichtseite = new TKampfberichtSeite(z.Katalog, TabSheet2);
        inhalt = Kampfberichtseite;
        break;
    case 2:
        if (Routenplanerseite)
            return;
        // The route tab with the saved routes of the selected world. The options may
        // select it while the windows are still being built, before the grids are in.
        m_sitzung.KartenAbwarten();
        Routenplanerseite =
            new TRoutenplanerSeite(m_sitzung.Routen(), m_sitzung.Optionen(), TabSheet4, Timer1, Timer2);
        inhalt = Routenplanerseite;
        break;
    case SeiteCharakterPlaner:
        if (CharakterPlanerSeite)
            return;
        CharakterPlanerSeite = new TCharakterPlanerSeite(m_sitzung, m_sitzung.Planer(), TabSheet5);
        for (QMenu *m : CharakterPlanerSeite->PopupMenues())
            PopupMenueAnbinden(m);
        CharakterPlanerSeite->MeldungsTimerSetzen(TimerInventarAuslesenMeldungLoeschen);
        inhalt = CharakterPlanerSeite;
        break;
    default:
        return; // built with the window
    }
    inhalt->setGeometry(0, 0, 784, 556);
    // A page being shown does not show children added to it meanwhile.
    inhalt->show();
    emit SeiteAngelegt(seite);
}

void TForm1::AlleSeitenAnlegen()
{
    for (int i = 0; i < PageControl1->count(); ++i)
        SeiteAnlegen(i);
}

void TForm1::MenueAnlegen()
{
    QMenuBar *leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));
    ZugriffstastenBeiAlt(leiste);

    // Alt+D, Alt+O and Alt+H open the menus; the underline shows while Alt is held.
    Datei1 = leiste->addMenu(QStringLiteral("&Datei"));
    Datei1->setObjectName(QStringLiteral("Datei1"));
    NachneuerVersionsuchen1 =
        Eintrag(Datei1, "NachneuerVersionsuchen1", QStringLiteral("Nach neuer Version suchen..."));
    Datei1->addSeparator();
    Baulistespeichern1 = Eintrag(Datei1, "Baulistespeichern1", QStringLiteral("Bauliste speichern..."));
    Baulisteladenersetzen1 =
        Eintrag(Datei1, "Baulisteladenersetzen1", QStringLiteral("Bauliste laden (ersetzen)..."));
    Baulisteladeneinfgen1 =
        Eintrag(Datei1, "Baulisteladeneinfgen1", QStringLiteral("Bauliste laden (einfügen)..."));
    Datei1->addSeparator();
    Beenden1 = Eintrag(Datei1, "Beenden1", QStringLiteral("Beenden"));

    Bearbeiten1 = leiste->addMenu(QStringLiteral("Bearbeiten"));
    Bearbeiten1->setObjectName(QStringLiteral("Bearbeiten1"));
    Bearbeiten1->menuAction()->setVisible(false);

    Optionen1 = leiste->addMenu(QStringLiteral("&Optionen"));
    Optionen1->setObjectName(QStringLiteral("Optionen1"));
    Einstellungen1 = Eintrag(Optionen1, "Einstellungen1", QStringLiteral("Einstellungen..."));

    Hilfe1 = leiste->addMenu(QStringLiteral("&Hilfe"));
    Hilfe1->setObjectName(QStringLiteral("Hilfe1"));
    ProjektWebseite1 = Eintrag(Hilfe1, "ProjektWebseite1", QStringLiteral("Projekt-Webseite"));
    OnlineHilfe1 = Eintrag(Hilfe1, "OnlineHilfe1", QStringLiteral("Online-Hilfe"));
    OnlineRoadmap1 = Eintrag(Hilfe1, "OnlineRoadmap1", QStringLiteral("Online-Roadmap"));
    Hilfe1->addSeparator();
    berHadriksMorvarenTool1 =
        Eintrag(Hilfe1, "berHadriksMorvarenTool1", QStringLiteral("Über Hadrik's Morvaren Tool..."));
    bermich1 = Eintrag(Hilfe1, "bermich1", QStringLiteral("Über mich..."));

    connect(NachneuerVersionsuchen1, &QAction::triggered, this, &TForm1::NachneuerVersionsuchen1Click);
    connect(Baulistespeichern1, &QAction::triggered, this, &TForm1::Baulistespeichern1Click);
    connect(Baulisteladenersetzen1, &QAction::triggered, this, &TForm1::Baulisteladenersetzen1Click);
    connect(Baulisteladeneinfgen1, &QAction::triggered, this, &TForm1::Baulisteladeneinfgen1Click);
    connect(Beenden1, &QAction::triggered, this, &TForm1::Beenden1Click);
    connect(Einstellungen1, &QAction::triggered, this, &TForm1::Einstellungen1Click);
    connect(ProjektWebseite1, &QAction::triggered, this, &TForm1::ProjektWebseite1Click);
    connect(OnlineHilfe1, &QAction::triggered, this, &TForm1::OnlineHilfe1Click);
    connect(OnlineRoadmap1, &QAction::triggered, this, &TForm1::OnlineRoadmap1Click);
    connect(berHadriksMorvarenTool1, &QAction::triggered, this, &TForm1::berHadriksMorvarenTool1Click);
    connect(bermich1, &QAction::triggered, this, &TForm1::bermich1Click);
}

void TForm1::FormCreate()
{
    // Decimal comma for every conversion of a real number in the windows.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Menu hints; popup menus of the tabs register through PopupMenueAnbinden.
    MenuItemHint = new TMenuItemHint(this);
    MenuItemHint->MenueAnbinden(menuBar());
    // The last shown map, the catalogue, the world maps and the options were loaded by the
    // session before any window was created.
    // The background picture, decoded once for the whole run.
    Hintergrundbild();
    // The crafting tab's catalogue tree and its empty state.
    Bausatzrechner->Aufbauen();
    // Build list file dialogs start in the working folder.
    DialogOrdner = QDir::currentPath();
    StandardBaulistenname = QStringLiteral("Neue Bauliste.mvt_bl");
    // The route tab is built when first shown (SeiteAnlegen).

    // Centred on the screen.
    if (QScreen *bildschirm = screen()) {
        adjustSize();
        const QRect verfuegbar = bildschirm->availableGeometry();
        move(verfuegbar.center() - QPoint(width() / 2, height() / 2));
    }
    // One second after start: the online services.
    TimerUpdateCheck->start();
}

void TForm1::FensterAnbinden(const TFenster &fenster)
{
    m_fenster = fenster;
}

void TForm1::OptionenAnwenden(const TOptionen &o)
{
    // The saved page; an index outside the pages selects the first, and the first is
    // stored (the page change stores it too, unless the first is in view already).
    const int letzte = PageControl1->count() - 1;
    const int seite = o.ActivePageIndex > letzte || o.ActivePageIndex < 0 ? 0 : o.ActivePageIndex;
    PageControl1->setCurrentIndex(seite);
    m_sitzung.AktiveSeiteSetzen(seite);

    // The crafting tab reads the automatic opening of its trees' nodes from the options
    // itself; its potency switch and the map's winter look follow the options by their
    // windows' own connections.

    // Tool-tips of the main window and the windows that have hints (not TForm9).
    setProperty("ShowHint", o.ShowHints);
    for (QWidget *f : std::as_const(m_fenster.MitHinweisen))
        if (f)
            f->setProperty("ShowHint", o.ShowHints);

    // Interval of the travel order transfer.
    Timer2->setInterval(std::max(o.TransmissionInterval, routen::KleinstesUebertragungsintervall));

    // The recipe rules of the crafting world are the session's consequence of the stored
    // world; the planner's menu hints are the planner page's own answer.
}

void TForm1::PopupMenueAnbinden(QMenu *menue)
{
    if (MenuItemHint && menue)
        MenuItemHint->MenueAnbinden(menue);
}

void TForm1::NebenfensterZeigen(TNebenfenster *fenster, int tag)
{
    if (!fenster)
        return;
    setEnabled(false);
    fenster->Tag = tag;
    fenster->AufHauptfensterZentrieren();
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

void TForm1::NachneuerVersionsuchen1Click()
{
    TForm4 *f = m_fenster.Versionsfenster;
    if (!f)
        return;
    if (f->Tag != 0) {
        MeldungZeigen(QStringLiteral("Automatische Updatesuche läuft bereits im Hintergrund."));
        return;
    }
    NebenfensterZeigen(f, 0);
}

TBaulistenDateiAufruf TForm1::Baulistenaufruf()
{
    return {this, &BaulistenDialoge, DialogOrdner, StandardBaulistenname, BaulistenFilter};
}

void TForm1::Baulistespeichern1Click()
{
    const TProgrammzustand &z = m_sitzung.Zustand();
    BaulisteSpeichernMitDialog(Baulistenaufruf(), z.Katalog, z.Crafting.Bauliste);
    HintergrundZeichnen();
}

void TForm1::BaulisteLadenClick(TLadeArt art)
{
    // Loaded into a copy: a file that is refused leaves the list as it was.
    TCraftingSitzung &crafting = m_sitzung.Crafting();
    TBauliste liste = crafting.Zustand().Bauliste;
    if (BaulisteLadenMitDialog(Baulistenaufruf(), crafting.Katalog(), liste, art))
        crafting.BaulisteSetzen(liste);
    HintergrundZeichnen();
}

void TForm1::Baulisteladenersetzen1Click()
{
    BaulisteLadenClick(TLadeArt::Ersetzen);
}

void TForm1::Baulisteladeneinfgen1Click()
{
    BaulisteLadenClick(TLadeArt::Einfuegen);
}

void TForm1::Beenden1Click()
{
    // Ends the message loop at once; FormClose does not run, options.ini stays as it is.
    // Quitting closes the windows first, so the close handler must know.
    Beendend = true;
    m_sitzung.Dienste().Beenden();
}

void TForm1::Einstellungen1Click()
{
    NebenfensterZeigen(m_fenster.Einstellungsfenster, 0);
}

void TForm1::ProjektWebseite1Click()
{
    WebseiteOeffnen(QStringLiteral("/index.html"));
}

void TForm1::OnlineHilfe1Click()
{
    WebseiteOeffnen(QStringLiteral("/support.html"));
}

void TForm1::OnlineRoadmap1Click()
{
    WebseiteOeffnen(QStringLiteral("/roadmap.html"));
}

void TForm1::berHadriksMorvarenTool1Click()
{
    NebenfensterZeigen(m_fenster.Infofenster, 1);
}

void TForm1::bermich1Click()
{
    NebenfensterZeigen(m_fenster.Infofenster, 2);
}

void TForm1::HintergrundZeichnen()
{
    // The pages paint the background lined up with the window themselves; a repaint is all.
    update();
    PageControl1->update();
}

void TForm1::PageControl1Change(int seite)
{
    HintergrundZeichnen();
    if (TForm10 *opt = m_fenster.Optimierer) {
        if (seite != SeiteCharakterPlaner) {
            opt->hide(); // hiding keeps OptimiererOffen
        } else if (opt->OptimiererOffen) {
            opt->show();
            raise();
            activateWindow();
        }
    }
    m_sitzung.AktiveSeiteSetzen(seite);
}

void TForm1::TimerUpdateCheckTimer()
{
    TimerUpdateCheck->stop();
    if (m_sitzung.Online().NaechstePruefung() != VersionspruefungAus) {
        if (TForm4 *f = m_fenster.Versionsfenster) {
            // Shown invisibly: its show handler starts the check in the background.
            f->Tag = 1;
            f->setWindowOpacity(0.0);
            f->show();
            f->hide();
            f->setWindowOpacity(1.0);
        }
    }
    if (m_sitzung.Optionen().TownAutoUpdate)
        m_sitzung.Dienste().StadtUpdateStarten();
}

void TForm1::FormClose()
{
    m_sitzung.OptionenSpeichern();
    Schliessend = true;
}

void TForm1::closeEvent(QCloseEvent *ereignis)
{
    if (Beendend) {
        ereignis->accept();
        return;
    }
    FormClose();
    ereignis->accept();
    m_sitzung.Dienste().Beenden();
}

void TForm1::moveEvent(QMoveEvent *ereignis)
{
    QMainWindow::moveEvent(ereignis);
    if (Schliessend)
        return;
    TForm10 *opt = m_fenster.Optimierer;
    if (opt && opt->isVisible() && isVisible())
        opt->Andocken();
}

bool TForm1::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QEvent::Type typ = ereignis->type();
    if (!objekt->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(objekt);
    // A page about to be seen for the first time gets its contents now, before it is painted.
    if (typ == QEvent::Show && widget->parentWidget() &&
        widget->parentWidget()->parentWidget() == PageControl1)
        SeiteAnlegen(PageControl1->indexOf(widget));
    QWidget *fenster = widget->window();

    if (typ == QEvent::ToolTip) {
        // Tool-tips switched off in that window; windows without the switch keep theirs.
        const QVariant schalter = fenster->property("ShowHint");
        return schalter.isValid() && !schalter.toBool();
    }

    if (fenster != this)
        return false;
    switch (typ) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        const bool gedrueckt = typ == QEvent::MouseButtonPress;
        const Qt::MouseButton knopf = static_cast<QMouseEvent *>(ereignis)->button();
        if (knopf == Qt::LeftButton)
            LinkeMaustasteGedrueckt = gedrueckt;
        else if (knopf == Qt::RightButton)
            RechteMaustasteGedrueckt = gedrueckt;
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace mvt
