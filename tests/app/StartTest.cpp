// Start-up as the program does it: the main window appears with only the page it shows
// built; the other pages and the settings window are built when first shown, connected
// with the other windows and given the options then, exactly as if built at start.
#include "Pruefstand.h"

#include "combat/ui/Kampfberichtseite.h"
#include "crafting/Analyse.h"
#include "crafting/Bauliste.h"
#include "crafting/ui/Detailanalyse.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "routes/ui/Kartenfenster.h"
#include "routes/ui/Routenplanerseite.h"
#include "settings/ui/Einstellungsfenster.h"
#include "app/Programmstart.h"
#include "ui/Bilder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace mvt;
using mvt::pruefung::TPruefstand;

class StartTest : public QObject {
    Q_OBJECT

private slots:
    void nurDieGezeigteSeiteEntsteht();
    void spaeteSeiteEinmalUndSichtbar();
    void spaetePlanerseiteMitOptionenUndOptimierer();
    void spaeteRoutenseiteMitKarte();
    void einstellungenEntstehenBeimErstenZeigen();
    void detailanalyseEntstehtBeimErstenZeigen();
    void vorbereiteteBilderUndSymbole();
    void optimiererfensterEntstehtMitDerPlanerseite();
    void schriftenVorgeladen();
    void knopfsymbolNachDerVorbereitung();

private:
    // The windows as the program creates them, options from BeimLaden, main window shown;
    // no page is built in advance.
    static void Starten(TPruefstand &s, std::function<void(TOptionen &)> optionen)
    {
        s.DateiAnlegen(OptionenDateiname, "x");
        s.BeimLaden = [optionen](TProgrammzustand &z) { optionen(z.Optionen); };
        s.App.FensterErzeugen();
        s.Haupt().TimerUpdateCheck->stop();
        s.Haupt().show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.Haupt()));
    }
    // Clicks the tab of page seite as a player does.
    static void Reiter(TPruefstand &s, int seite)
    {
        QTabBar *leiste = s.Haupt().PageControl1->tabBar();
        QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->tabRect(seite).center());
        QCOMPARE(s.Haupt().PageControl1->currentIndex(), seite);
    }
};

void StartTest::nurDieGezeigteSeiteEntsteht()
{
    TPruefstand s;
    Starten(s, [](TOptionen &o) { o.ActivePageIndex = 2; });
    TForm1 &h = s.Haupt();
    QCOMPARE(h.PageControl1->currentIndex(), 2);
    QVERIFY(h.Routenplanerseite && h.Routenplanerseite->isVisible());
    QVERIFY(h.Bausatzrechner); // built with the window, whatever is shown
    QVERIFY(!h.Kampfberichtseite);
    QVERIFY(!h.CharakterPlanerSeite);
    QVERIFY(!h.findChild<QWidget *>(QStringLiteral("CheckBoxCPWirkungBerechnen")));
}

void StartTest::spaeteSeiteEinmalUndSichtbar()
{
    TPruefstand s;
    Starten(s, [](TOptionen &o) { o.ActivePageIndex = 0; });
    TForm1 &h = s.Haupt();
    QList<int> angelegt;
    connect(&h, &TForm1::SeiteAngelegt, this, [&angelegt](int i) { angelegt.append(i); });

    Reiter(s, 1);
    QVERIFY(h.Kampfberichtseite);
    // Built while its page was already being shown: it must show itself and its controls.
    QVERIFY(h.Kampfberichtseite->isVisible());
    QCOMPARE(h.Kampfberichtseite->geometry(), QRect(0, 0, 784, 556));
    const auto knoepfe = h.Kampfberichtseite->findChildren<QAbstractButton *>();
    QVERIFY(!knoepfe.isEmpty());
    for (QAbstractButton *b : knoepfe)
        QVERIFY2(b->isVisible() == b->isVisibleTo(h.Kampfberichtseite), qPrintable(b->objectName()));

    TKampfberichtSeite *erste = h.Kampfberichtseite;
    Reiter(s, 0);
    Reiter(s, 1);
    QCOMPARE(h.Kampfberichtseite, erste);
    QCOMPARE(h.findChildren<TKampfberichtSeite *>().size(), 1);
    h.AlleSeitenAnlegen();
    QCOMPARE(angelegt, (QList<int>{1, 2, TForm1::SeiteCharakterPlaner}));
    QCOMPARE(h.Kampfberichtseite, erste);
}

void StartTest::spaetePlanerseiteMitOptionenUndOptimierer()
{
    TPruefstand s;
    // Zyrthania with the potency switch off: a page built with the defaults and not given
    // the loaded options would show it on and disabled.
    Starten(s, [](TOptionen &o) {
        o.ActivePageIndex = 0;
        o.CPWorld = 3;
        o.CPCalcPotency = false;
    });
    TForm1 &h = s.Haupt();
    Reiter(s, TForm1::SeiteCharakterPlaner);
    auto *schalter = h.findChild<QCheckBox *>(QStringLiteral("CheckBoxCPWirkungBerechnen"));
    QVERIFY(schalter);
    QVERIFY(schalter->isVisible());
    QVERIFY(schalter->isEnabled());
    QVERIFY(!schalter->isChecked());

    // The optimiser window belongs to the page built now.
    TForm10 &opt = *s.App.Form10;
    auto *knopf = h.findChild<QAbstractButton *>(QStringLiteral("ButtonAttributeOptimieren"));
    QVERIFY(knopf);
    QTest::mouseClick(knopf, Qt::LeftButton);
    QVERIFY(opt.isVisible());
    QVERIFY(opt.OptimiererOffen);
    Reiter(s, 0);
    QVERIFY(!opt.isVisible());
    Reiter(s, TForm1::SeiteCharakterPlaner);
    QVERIFY(opt.isVisible());
    opt.close();
}

void StartTest::spaeteRoutenseiteMitKarte()
{
    TPruefstand s;
    Starten(s, [](TOptionen &o) { o.ActivePageIndex = 1; });
    TForm1 &h = s.Haupt();
    QVERIFY(!h.Routenplanerseite);
    Reiter(s, 2);
    QVERIFY(h.Routenplanerseite);
    auto *karte = h.findChild<QToolButton *>(QStringLiteral("SpeedButtonKarteAnzeigen"));
    QVERIFY(karte && karte->isVisible());
    QTest::mouseClick(karte, Qt::LeftButton);
    QTRY_VERIFY(s.App.Form8->isVisible());
    s.App.Form8->close();
}

void StartTest::einstellungenEntstehenBeimErstenZeigen()
{
    TPruefstand s;
    Starten(s, [](TOptionen &o) {
        o.ActivePageIndex = 0;
        o.ShowHints = false;
        o.TreeViewAutoExpand = true;
    });
    TForm7 &f = *s.App.Form7;
    QVERIFY(!f.findChild<QPushButton *>(QStringLiteral("ButtonOkay")));

    s.Haupt().Einstellungen1->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto *okay = f.findChild<QPushButton *>(QStringLiteral("ButtonOkay"));
    QVERIFY(okay && okay->isVisible());
    // The show handler filled the controls built just before it.
    auto *hinweise = f.findChild<QCheckBox *>(QStringLiteral("CheckBoxShowHints"));
    auto *aufklappen = f.findChild<QCheckBox *>(QStringLiteral("CheckBoxTreeViewAutoExpand"));
    QVERIFY(hinweise && aufklappen);
    QVERIFY(!hinweise->isChecked());
    QVERIFY(aufklappen->isChecked());
    QCOMPARE(f.PageControl1->count(), 4);

    // Okay applies what the player changed, as before.
    QTest::mouseClick(hinweise, Qt::LeftButton);
    QTest::mouseClick(okay, Qt::LeftButton);
    QTRY_VERIFY(!f.isVisible());
    QVERIFY(s.App.Zustand().Optionen.ShowHints);
    QVERIFY(s.Haupt().isEnabled());
    // A second showing builds nothing again.
    s.Haupt().Einstellungen1->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.findChildren<QPushButton *>(QStringLiteral("ButtonOkay")).size(), 1);
    QCOMPARE(f.PageControl1->count(), 4);
    f.close();
}

void StartTest::detailanalyseEntstehtBeimErstenZeigen()
{
    TPruefstand s;
    Starten(s, [](TOptionen &o) { o.ActivePageIndex = 0; });
    s.App.Sitzung.Crafting().Hinzufuegen(QStringLiteral("Kurzschwert"), 1);
    TForm6 &f = *s.App.Form6;
    QVERIFY(!f.findChild<QWidget *>(QStringLiteral("StringGrid1")));

    s.Haupt().NebenfensterZeigen(&f, 1);
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QVERIFY(f.StringGrid1 && f.StringGrid1->isVisible());
    // Columns and layout of the creation, then the rows of this showing.
    QCOMPARE(f.StringGrid1->Spaltenzahl(), 11);
    QCOMPARE(f.StringGrid1->Spaltenbreite(0), 120);
    QCOMPARE(f.StringGrid1->rowCount(), 2);
    QCOMPARE(f.StringGrid1->Zellentext(1, 0), QStringLiteral("1 Kurzschwert"));
    QCOMPARE(f.StringGrid2->y(), 272);
    QVERIFY(!f.SpeedButtonAbbrechen->icon().isNull());
    QTest::mouseClick(f.SpeedButtonAbbrechen, Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QVERIFY(s.Haupt().isEnabled());
}

// What the start prepares beside the main thread shows as it would without: the program's
// icon in each size as its file, and the style's icons once the theme's index was read on
// the worker, also those made there, and when that happens twice.
void StartTest::vorbereiteteBilderUndSymbole()
{
    const QIcon symbol = Programmsymbol();
    for (int n : SymbolGroessen) {
        const QImage datei(QStringLiteral(":/symbol/morvaren-tool-%1.png").arg(n));
        QVERIFY(!datei.isNull());
        QCOMPARE(symbol.pixmap(QSize(n, n)).toImage().convertToFormat(QImage::Format_ARGB32),
                 datei.convertToFormat(QImage::Format_ARGB32));
    }
    QWidget w;
    for (int mal = 0; mal < 2; ++mal) {
        // The second time with icons made on the worker.
        SymbolthemaVorbereiten(
            {}, mal == 0 ? std::vector<QStyle::StandardPixmap>{}
                         : std::vector<QStyle::StandardPixmap>{QStyle::SP_ArrowDown, QStyle::SP_TrashIcon});
        for (QStyle::StandardPixmap art :
             {QStyle::SP_ArrowDown, QStyle::SP_TrashIcon, QStyle::SP_BrowserReload,
              QStyle::SP_DialogSaveButton, QStyle::SP_MediaPlay}) {
            const QImage vorbereitet = Standardsymbol(w, art).pixmap(QSize(16, 16)).toImage();
            QVERIFY(!vorbereitet.isNull());
            QCOMPARE(vorbereitet, w.style()->standardIcon(art).pixmap(QSize(16, 16)).toImage());
        }
    }
    SymbolthemaAbwarten();
}

// The optimiser window exists from the start but gets its controls with the planner page
// that it shows, filled from that page's character and opponent.
void StartTest::optimiererfensterEntstehtMitDerPlanerseite()
{
    TPruefstand s;
    Starten(s, [](TOptionen &o) { o.ActivePageIndex = 0; });
    TForm10 &opt = *s.App.Form10;
    QVERIFY(!opt.findChild<QLineEdit *>(QStringLiteral("EditGegnerLeben")));
    Reiter(s, TForm1::SeiteCharakterPlaner);
    auto *leben = opt.findChild<QLineEdit *>(QStringLiteral("EditGegnerLeben"));
    QVERIFY(leben);
    QCOMPARE(leben->text(), s.Haupt().CharakterPlanerSeite->GegnerFeld(planer::GfLeben)->text());
    auto *knopf = s.Haupt().findChild<QAbstractButton *>(QStringLiteral("ButtonAttributeOptimieren"));
    QTest::mouseClick(knopf, Qt::LeftButton);
    QVERIFY(opt.isVisible());
    QVERIFY(opt.findChild<QPushButton *>(QStringLiteral("ButtonAttributeOptimieren"))->isVisible());
    opt.close();

    // Shown without a page, it is complete as well.
    TForm10 allein(s.App.Sitzung.Planer(), nullptr);
    allein.show();
    QVERIFY(allein.findChild<QScrollBar *>());
    QCOMPARE(allein.findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("^EditGegner"))).size(),
             int(planer::AnzahlGegnerFelder));
}

// The font configuration read beside the start is the one Qt then uses: read once, the
// same reading is handed out again, and the fonts the windows ask for are found.
void StartTest::schriftenVorgeladen()
{
    const std::shared_future<bool> erste = SchriftenVorladen();
    QVERIFY(erste.get());
    const std::shared_future<bool> zweite = SchriftenVorladen();
    QVERIFY(zweite.valid());
    QVERIFY(zweite.get());
    QVERIFY(!QFontDatabase::families().isEmpty());
    QFont fett = QGuiApplication::font();
    fett.setBold(true);
    QVERIFY(QFontInfo(fett).bold());
    QVERIFY(QFontMetrics(QGuiApplication::font()).horizontalAdvance(QStringLiteral("Bausatzrechner")) > 0);
}

// A button built while the icon theme is prepared gets its icon when the preparation is
// waited for, the style's own; one that is gone by then is skipped, and without a
// preparation the icon comes at once.
void StartTest::knopfsymbolNachDerVorbereitung()
{
    QWidget w;
    auto erwartet = [&](QStyle::StandardPixmap art) {
        return w.style()->standardIcon(art).pixmap(QSize(16, 16)).toImage();
    };
    SymbolthemaVorbereiten({}, {QStyle::SP_TrashIcon});
    auto *knopf = new QToolButton(&w);
    auto *weg = new QToolButton(&w);
    StandardsymbolSetzen(*knopf, QStyle::SP_TrashIcon);
    StandardsymbolSetzen(*weg, QStyle::SP_ArrowDown);
    QCOMPARE(knopf->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    delete weg;
    SymbolthemaAbwarten();
    QCOMPARE(knopf->icon().pixmap(QSize(16, 16)).toImage(), erwartet(QStyle::SP_TrashIcon));

    auto *sofort = new QToolButton(&w);
    StandardsymbolSetzen(*sofort, QStyle::SP_BrowserReload);
    QCOMPARE(sofort->icon().pixmap(QSize(16, 16)).toImage(), erwartet(QStyle::SP_BrowserReload));
}

QObject *StartTestErzeugen()
{
    return new StartTest;
}

#include "StartTest.moc"
