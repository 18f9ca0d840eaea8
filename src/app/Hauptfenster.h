// Main window TForm1: the five function pages, the main menu, the timers that start the
// online services, the menu hints, the background, and the options at start and close.
#pragma once

#include "crafting/ui/BaulistenMenue.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class QTimer;

namespace mvt {

class TBausatzrechnerSeite;
class TCharakterPlanerSeite;
class TForm4;
class TForm5;
class TForm7;
class TForm10;
class TKampfberichtSeite;
class TMenuItemHint;
class TNebenfenster;
class TProgrammsitzung;
class TRoutenplanerSeite;
struct TOptionen;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // The session: the state the pages show, its setters and the services outside the windows.
    explicit TForm1(TProgrammsitzung &sitzung);
    ~TForm1() override;

    // The secondary windows the main window opens from its menu, shows with the planner
    // page and moves along with itself, and every window whose tool-tips follow the option
    // "ShowHints" besides its own. They are made after the main window, which is their
    // parent, so TAnwendung::FensterErzeugen hands them over in this one call, once all
    // exist and before the options are first reported. A window left out is not shown.
    struct TFenster {
        QPointer<TForm4> Versionsfenster;
        QPointer<TForm5> Infofenster;
        QPointer<TForm7> Einstellungsfenster;
        QPointer<TForm10> Optimierer;
        QList<QPointer<QWidget>> MitHinweisen;
    };
    void FensterAnbinden(const TFenster &fenster);

    // Start-up sequence; run once by TAnwendung::FensterErzeugen right after construction.
    void FormCreate();
    // The combat, route and planner pages get their contents when they are first shown,
    // so that the window appears before what it does not show exists. This builds every
    // page not built yet (tools and tests that reach controls of hidden pages).
    void AlleSeitenAnlegen();

    static constexpr int ClientBreite = 792;
    static constexpr int ClientHoehe = 596;
    // Index of the character planner page.
    static constexpr int SeiteCharakterPlaner = 3;

    // Pages in index order: TabSheet1, TabSheet2, TabSheet4, TabSheet5, TabSheet3.
    QTabWidget *PageControl1;
    QWidget *TabSheet1;
    QWidget *TabSheet2;
    QWidget *TabSheet4;
    QWidget *TabSheet5;
    QWidget *TabSheet3;
    TBausatzrechnerSeite *Bausatzrechner = nullptr;
    TKampfberichtSeite *Kampfberichtseite = nullptr;
    TRoutenplanerSeite *Routenplanerseite = nullptr;
    TCharakterPlanerSeite *CharakterPlanerSeite = nullptr;
    QLabel *LabelWeitereFunktionen;

    QMenu *Datei1;
    QMenu *Bearbeiten1;
    QMenu *Optionen1;
    QMenu *Hilfe1;
    QAction *NachneuerVersionsuchen1;
    QAction *Baulistespeichern1;
    QAction *Baulisteladenersetzen1;
    QAction *Baulisteladeneinfgen1;
    QAction *Beenden1;
    QAction *Einstellungen1;
    QAction *ProjektWebseite1;
    QAction *OnlineHilfe1;
    QAction *OnlineRoadmap1;
    QAction *berHadriksMorvarenTool1;
    QAction *bermich1;

    QTimer *Timer1;
    QTimer *Timer2;
    QTimer *TimerUpdateCheck;
    QTimer *TimerInventarAuslesenMeldungLoeschen;

    TMenuItemHint *MenuItemHint = nullptr;

    // File dialogs of the build list: filter, start folder, proposed name.
    static const QString BaulistenFilter;
    QString DialogOrdner;
    QString StandardBaulistenname;
    // The platform's dialogs; tests replace them.
    TBaulistenDialoge BaulistenDialoge = PlattformBaulistenDialoge();

    // Pressed-state flags of the mouse buttons, kept by the mouse handlers. Ctrl and Shift
    // are asked of the keyboard when an action needs them (ui/Umschalttasten.h).
    bool LinkeMaustasteGedrueckt = false;
    bool RechteMaustasteGedrueckt = false;
    // Set once FormClose has run.
    bool Schliessend = false;
    // Set by "Beenden": the windows close without FormClose, options.ini stays as it is.
    bool Beendend = false;

    // Popup menus of the tabs register here, so that their entries show hints too.
    void PopupMenueAnbinden(QMenu *menue);

    // Disables the main window, puts the mode into the window's Tag and shows it,
    // centred on the main window.
    void NebenfensterZeigen(TNebenfenster *fenster, int tag);

    void NachneuerVersionsuchen1Click();
    void Baulistespeichern1Click();
    void Baulisteladenersetzen1Click();
    void Baulisteladeneinfgen1Click();
    void Beenden1Click();
    void Einstellungen1Click();
    void ProjektWebseite1Click();
    void OnlineHilfe1Click();
    void OnlineRoadmap1Click();
    void berHadriksMorvarenTool1Click();
    void bermich1Click();
    void PageControl1Change(int seite);
    void TimerUpdateCheckTimer();
    void HintergrundZeichnen();

    static const QString TextWeitereFunktionen;

signals:
    // The contents of page seite (index in PageControl1) have just been built; whatever
    // connects the page with other windows listens here. Once per page.
    void SeiteAngelegt(int seite);

protected:
    void closeEvent(QCloseEvent *ereignis) override;
    void moveEvent(QMoveEvent *ereignis) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void MenueAnlegen();
    void SeitenAnlegen();
    void SeiteAnlegen(int seite);
    void FormClose();
    TBaulistenDateiAufruf Baulistenaufruf();
    void BaulisteLadenClick(TLadeArt art);
    // The saved page, the tool-tip switch of the windows with hints, the transfer timer.
    void OptionenAnwenden(const TOptionen &o);

    TProgrammsitzung &m_sitzung;
    TFenster m_fenster;
};

} // namespace mvt
