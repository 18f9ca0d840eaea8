// Window tests of the application shell: start-up, main window, menu, secondary windows.
#include "Pruefstand.h"

#include "app/Infofenster.h"
#include "app/MenueHinweis.h"
#include "ui/Nebenfenster.h"
#include "combat/ui/Kampfberichtseite.h"
#include "crafting/ui/Detailanalyse.h"
#include "crafting/ui/Exportfenster.h"
#include "crafting/ui/Mengendialog.h"
#include "online/ui/Versionsfenster.h"
#include "planner/ui/Optimiererfenster.h"
#include "routes/ui/Kartenfenster.h"
#include "settings/ui/Einstellungsfenster.h"
#include "settings/ui/Preisdialog.h"

#include <QAction>
#include <QCursor>
#include <QHelpEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

using namespace mvt;
using mvt::pruefung::TPruefstand;

class FensterTest : public QObject {
    Q_OBJECT

private slots:
    void startReihenfolge();
    void ersteSeiteOhneOptionen();
    void kampfberichtseiteImHauptfenster();
    void gespeicherteSeite_data();
    void gespeicherteSeite();
    void seitenwechselMerktSeite();
    void schliessenSchreibtOptionen();
    void beendenSchreibtNicht();
    void optionsdateiUeberNeustart();
    void beendenLaesstOptionsdateiStehen();
    void ungueltigeOptionsdatei_data();
    void ungueltigeOptionsdatei();
    void hauptfensterRahmen();
    void menueEintraege();
    void webseiten();
    void nebenfensterRahmen();
    void escapeSchliesstUndGibtFrei();
    void infofensterModi();
    void versionssucheLaeuftBereits();
    void automatischeVersionssuche();
    void optimiererAnPlanerseite();
    void optimiererAngedockt();
    void mausFlags();
    void hinweiseAbschaltbar();
    void optionenAnwenden();
    void menueHinweis();
    void menueHinweisImEchtenMenue();
};

void FensterTest::startReihenfolge()
{
    TPruefstand s;
    s.DateiAnlegen(OptionenDateiname, "x");
    bool katalogVorOptionen = false;
    bool keinFensterBeimLaden = false;
    s.BeimLaden = [&](TProgrammzustand &z) {
        const TRohstoff *r = Rohstoff(z.Katalog, 1);
        katalogVorOptionen = r && r->Name != FehlerName;
        keinFensterBeimLaden = !s.App.Form1;
    };
    int alleBeimAnwenden = 0;
    QObject empfaenger;
    QObject::connect(&s.App.Sitzung, &TSitzung::optionenGeaendert, &empfaenger, [&] {
        ++alleBeimAnwenden;
        QVERIFY(s.App.Form1 && s.App.Form2 && s.App.Form3 && s.App.Form4 && s.App.Form5 && s.App.Form6 &&
                s.App.Form7 && s.App.Form8 && s.App.Form9 && s.App.Form10);
    });
    s.Erzeugen();
    QCOMPARE(s.Geladen, 1);
    QVERIFY(katalogVorOptionen);
    QVERIFY(keinFensterBeimLaden); // the state is loaded before any window exists
    QCOMPARE(alleBeimAnwenden, 1);
    // Everything is created hidden; the program shows the main window itself.
    const QWidget *fenster[] = {s.App.Form1.get(), s.App.Form2.get(), s.App.Form3.get(), s.App.Form4.get(),
                                s.App.Form5.get(), s.App.Form6.get(), s.App.Form7.get(), s.App.Form8.get(),
                                s.App.Form9.get(), s.App.Form10.get()};
    for (const QWidget *f : fenster)
        QVERIFY(!f->isVisible());
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    QVERIFY(s.Haupt().TimerUpdateCheck->isActive());
    QVERIFY(s.Meldungen.Meldungen.isEmpty());
}

void FensterTest::ersteSeiteOhneOptionen()
{
    TPruefstand s;
    s.Erzeugen();
    QCOMPARE(s.Geladen, 0); // no file, no reading, no message
    QVERIFY(s.Meldungen.Meldungen.isEmpty());
    QCOMPARE(s.Haupt().PageControl1->currentIndex(), 0);
    QCOMPARE(s.Haupt().PageControl1->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
}

void FensterTest::kampfberichtseiteImHauptfenster()
{
    TPruefstand s;
    s.Erzeugen();
    auto *seite = s.Haupt().TabSheet2->findChild<TKampfberichtSeite *>(QStringLiteral("Kampfberichtseite"));
    QVERIFY(seite);
    // The page evaluates inside the main window, with the catalogue the main window filled.
    seite->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))
        ->setPlainText(
            QString::fromUtf8("Runde 1\n"
                              "00:12 Hadrik [Feuerpfeil] greift Ork #1 an: verursacht 12 Schaden.\n"
                              "00:12 Ork #1 [Keule] greift Hadrik an: weicht aus.\n"));
    QSignalSpy fertig(seite, &TKampfberichtSeite::AuswertungFertig);
    QTest::mouseClick(seite->findChild<QToolButton *>(QStringLiteral("SpeedButtonAuswerten")),
                      Qt::LeftButton);
    QVERIFY(fertig.wait(10000));
    auto *tabelle = seite->findChild<QTableView *>(QStringLiteral("StringGrid1"));
    QCOMPARE(tabelle->model()->rowCount(), 2);
}

void FensterTest::gespeicherteSeite_data()
{
    QTest::addColumn<int>("gespeichert");
    QTest::addColumn<int>("seite");
    QTest::newRow("Routenplaner") << 2 << 2;
    QTest::newRow("letzte Seite") << 4 << 4;
    QTest::newRow("zu gross") << 7 << 0;
    QTest::newRow("negativ") << -1 << 0;
}

void FensterTest::gespeicherteSeite()
{
    QFETCH(int, gespeichert);
    QFETCH(int, seite);
    TPruefstand s;
    s.DateiAnlegen(OptionenDateiname, "x");
    int seiteBeimAnwenden = -2;
    s.BeimLaden = [&](TProgrammzustand &z) {
        z.Optionen.ActivePageIndex = gespeichert;
        // Connected before any window: runs before the windows take the options.
        QObject::connect(
            &s.App.Sitzung, &TSitzung::optionenGeaendert, &s.App.Sitzung,
            [&] { seiteBeimAnwenden = s.App.Form1->PageControl1->currentIndex(); }, Qt::SingleShotConnection);
    };
    s.Erzeugen();
    QCOMPARE(seiteBeimAnwenden, 1); // "Kampfberichtauswerter" until the options are applied
    QCOMPARE(s.Haupt().PageControl1->currentIndex(), seite);
    QCOMPARE(s.App.Zustand().Optionen.ActivePageIndex, seite);
}

void FensterTest::seitenwechselMerktSeite()
{
    TPruefstand s;
    s.Erzeugen();
    s.Haupt().show();
    QTabBar *reiter = s.Haupt().PageControl1->tabBar();
    QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(2).center());
    QCOMPARE(s.Haupt().PageControl1->currentIndex(), 2);
    QCOMPARE(s.App.Zustand().Optionen.ActivePageIndex, 2);
}

void FensterTest::schliessenSchreibtOptionen()
{
    TPruefstand s;
    s.Erzeugen();
    s.Haupt().show();
    QVERIFY(!QFile::exists(s.Pfad(OptionenDateiname)));
    QVERIFY(s.Haupt().close());
    QCOMPARE(s.Gespeichert, 1);
    QVERIFY(QFile::exists(s.Pfad(OptionenDateiname)));
    QVERIFY(s.Haupt().Schliessend);
    QCOMPARE(s.Beendet, 1);
}

void FensterTest::beendenSchreibtNicht()
{
    TPruefstand s;
    s.Erzeugen();
    s.Haupt().show();
    s.Haupt().Beenden1->trigger();
    QCOMPARE(s.Beendet, 1);
    QCOMPARE(s.Gespeichert, 0);
    QVERIFY(!s.Haupt().Schliessend);
    QVERIFY(!QFile::exists(s.Pfad(OptionenDateiname)));
}

void FensterTest::optionsdateiUeberNeustart()
{
    using O = TPruefstand::Optionsdatei;
    QByteArray datei;
    {
        TPruefstand s(O::Echt);
        s.Erzeugen();
        s.Haupt().show();
        QCOMPARE(s.Geladen, 0);
        s.Haupt().PageControl1->setCurrentIndex(2);
        TOptionen o = s.App.Sitzung.Optionen();
        o.ShowHints = false;
        s.App.Sitzung.OptionenSetzen(o);
        TPreise preise = s.App.Zustand().Crafting;
        preise.Rohstoffpreise[1].Verkaufspreis = 123.5;
        s.App.Sitzung.Crafting().PreiseSetzen(preise);
        QVERIFY(s.Haupt().close());
        datei = s.DateiLesen(OptionenDateiname);
        QVERIFY(datei.startsWith("Hadrik's Morvaren Tool\r\n1.13a\r\n"));
        QVERIFY(s.Meldungen.Meldungen.isEmpty());
    }
    TPruefstand s(O::Echt);
    s.DateiAnlegen(OptionenDateiname, datei);
    s.Erzeugen();
    QCOMPARE(s.Geladen, 1);
    QVERIFY(s.Meldungen.Meldungen.isEmpty());
    QCOMPARE(s.Haupt().PageControl1->currentIndex(), 2);
    QCOMPARE(s.Haupt().property("ShowHint").toBool(), false);
    QCOMPARE(s.App.Zustand().Crafting.Rohstoffpreise[1].Verkaufspreis, 123.5);
}

void FensterTest::beendenLaesstOptionsdateiStehen()
{
    TPruefstand s(TPruefstand::Optionsdatei::Echt);
    const QByteArray alt = "Hadrik's Morvaren Tool\r\n1.08\r\n\r\nOPTIONS\r\nActivePageIndex = "
                           "3\r\nSaveParameters = 0\r\nEND\r\n";
    s.DateiAnlegen(OptionenDateiname, alt);
    s.Erzeugen();
    QCOMPARE(s.Haupt().PageControl1->currentIndex(), 3);
    QVERIFY(s.Meldungen.Meldungen.isEmpty());
    s.Haupt().show();
    s.Haupt().PageControl1->setCurrentIndex(1);
    s.Haupt().Beenden1->trigger();
    QCOMPARE(s.Beendet, 1);
    QCOMPARE(s.DateiLesen(OptionenDateiname), alt);
}

void FensterTest::ungueltigeOptionsdatei_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::newRow("leer") << QByteArray();
    QTest::newRow("ohne OPTIONS") << QByteArray("Hadrik's Morvaren Tool\r\n1.13a\r\n\r\n");
    QTest::newRow("Zahl unlesbar") << QByteArray("Hadrik's Morvaren Tool\r\n1.13a\r\n\r\nOPTIONS\r\n"
                                                 "ActivePageIndex = 2\r\nShowHints = 0\r\n"
                                                 "TransmissionInterval = schnell\r\nEND\r\n");
    QTest::newRow("END fehlt") << QByteArray("Hadrik's Morvaren Tool\r\n1.13a\r\n\r\nOPTIONS\r\n"
                                             "ActivePageIndex = 2\r\nShowHints = 0\r\n");
}

void FensterTest::ungueltigeOptionsdatei()
{
    QFETCH(QByteArray, inhalt);
    TPruefstand s(TPruefstand::Optionsdatei::Echt);
    s.DateiAnlegen(OptionenDateiname, inhalt);
    s.Erzeugen();
    QCOMPARE(
        s.Meldungen.Meldungen,
        QStringList{QStringLiteral("Fehler: options.ini ist ungültig! Standardoptionen werden geladen.")});
    // The defaults, pushed into the windows.
    QCOMPARE(s.App.Zustand().Optionen.ActivePageIndex, 0);
    QCOMPARE(s.Haupt().PageControl1->currentIndex(), 0);
    QCOMPARE(s.App.Zustand().Optionen.ShowHints, true);
    QCOMPARE(s.Haupt().property("ShowHint").toBool(), true);
    QCOMPARE(s.Haupt().Timer2->interval(), 1000);
    QCOMPARE(s.DateiLesen(OptionenDateiname), inhalt); // reading never rewrites the file
}

void FensterTest::hauptfensterRahmen()
{
    TPruefstand s;
    s.Erzeugen();
    TForm1 &h = s.Haupt();
    QCOMPARE(h.windowTitle(), QStringLiteral("Hadrik's Morvaren Tool"));
    QCOMPARE(h.centralWidget()->size(), QSize(792, 596));
    QVERIFY(!(h.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(h.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(h.PageControl1->geometry(), QRect(0, 7, 792, 588));

    const QStringList namen = {"TabSheet1", "TabSheet2", "TabSheet4", "TabSheet5", "TabSheet3"};
    const QStringList titel = {"Bausatzrechner", "Kampfberichtauswerter", "Routenplaner", "Charakter-Planer",
                               "Weitere Funktionen folgen..."};
    QCOMPARE(h.PageControl1->count(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(h.PageControl1->widget(i)->objectName(), namen[i]);
        QCOMPARE(h.PageControl1->tabText(i), titel[i]);
        QCOMPARE(h.findChild<QWidget *>(namen[i]), h.PageControl1->widget(i));
    }
    auto *label = h.findChild<QLabel *>(QStringLiteral("LabelWeitereFunktionen"));
    QVERIFY(label);
    QVERIFY(label->text().startsWith(QStringLiteral("Du willst, dass dieses Tool")));
    QVERIFY(
        label->text().endsWith(QStringLiteral("Verbesserungsvorschläge oder weitere Anregungen abgeben.")));

    QCOMPARE(h.Timer1->interval(), 10);
    QVERIFY(!h.Timer1->isActive());
    QCOMPARE(h.Timer2->interval(), 1000); // TransmissionInterval default
    QCOMPARE(h.TimerInventarAuslesenMeldungLoeschen->interval(), 3000);
    QCOMPARE(h.DialogOrdner, QDir::currentPath());
    QCOMPARE(h.StandardBaulistenname, QStringLiteral("Neue Bauliste.mvt_bl"));
}

void FensterTest::menueEintraege()
{
    TPruefstand s;
    s.Erzeugen();
    TForm1 &h = s.Haupt();
    const QList<QPair<QString, QString>> eintraege = {
        {"NachneuerVersionsuchen1", "Nach neuer Version suchen..."},
        {"Baulistespeichern1", "Bauliste speichern..."},
        {"Baulisteladenersetzen1", "Bauliste laden (ersetzen)..."},
        {"Baulisteladeneinfgen1", "Bauliste laden (einfügen)..."},
        {"Beenden1", "Beenden"},
        {"Einstellungen1", "Einstellungen..."},
        {"ProjektWebseite1", "Projekt-Webseite"},
        {"OnlineHilfe1", "Online-Hilfe"},
        {"OnlineRoadmap1", "Online-Roadmap"},
        {"berHadriksMorvarenTool1", "Über Hadrik's Morvaren Tool..."},
        {"bermich1", "Über mich..."},
    };
    for (const auto &[name, text] : eintraege) {
        auto *a = h.findChild<QAction *>(name);
        QVERIFY2(a, qPrintable(name));
        QCOMPARE(a->text(), text);
    }
    const QList<QAction *> oben = h.menuBar()->actions();
    QCOMPARE(oben.size(), 4);
    // The captions with their access keys Alt+D, Alt+O and Alt+H.
    QCOMPARE(oben[0]->text(), QStringLiteral("&Datei"));
    QCOMPARE(oben[1]->text(), QStringLiteral("Bearbeiten"));
    QVERIFY(!oben[1]->isVisible());
    QCOMPARE(oben[2]->text(), QStringLiteral("&Optionen"));
    QCOMPARE(oben[3]->text(), QStringLiteral("&Hilfe"));
}

void FensterTest::webseiten()
{
    TPruefstand s;
    s.Erzeugen();
    s.Haupt().ProjektWebseite1->trigger();
    s.Haupt().OnlineHilfe1->trigger();
    s.Haupt().OnlineRoadmap1->trigger();
    const QList<QUrl> erwartet = {WebseiteAdresse("/index.html"), WebseiteAdresse("/support.html"),
                                  WebseiteAdresse("/roadmap.html")};
    QCOMPARE(s.Adressen, erwartet);
    QCOMPARE(s.Adressen[0].scheme(), QStringLiteral("http"));
    QCOMPARE(s.Adressen[0].path(), QStringLiteral("/index.html"));
    QVERIFY(s.Meldungen.Meldungen.isEmpty());
}

void FensterTest::nebenfensterRahmen()
{
    TPruefstand s;
    s.Erzeugen();
    auto &a = s.App;
    QCOMPARE(a.Form4->windowTitle(), QStringLiteral("Programmaktualisierung"));
    QCOMPARE(a.Form4->size(), QSize(352, 170));
    QVERIFY(a.Form4->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(a.Form5->windowTitle(), QStringLiteral("Hadrik's Morvaren Tool"));
    QCOMPARE(a.Form5->size(), QSize(442, 266));
    QVERIFY(a.Form5->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(a.Form6->windowTitle(), QStringLiteral("Detaillierte Analyse der Bauliste"));
    QCOMPARE(a.Form6->size(), QSize(797, 731));
    QCOMPARE(a.Form6->minimumWidth(), 578);
    QCOMPARE(a.Form6->maximumSize(), QSize(2048, 1536));
    QCOMPARE(a.Form7->windowTitle(), QStringLiteral("Einstellungen"));
    QCOMPARE(a.Form8->windowTitle(), QStringLiteral("Karte"));
    QCOMPARE(a.Form8->minimumSize(), QSize(520, 520));
    QCOMPARE(a.Form9->windowTitle(), QStringLiteral("Bauliste"));
    QCOMPARE(a.Form9->size(), QSize(490, 614));
    QVERIFY(a.Form9->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(a.Form10->windowTitle(), QStringLiteral("Optimierungsoptionen"));
    QCOMPARE(a.Form3->minimumSize(), QSize(150, 200));
    QCOMPARE(a.Form3->maximumSize(), QSize(1024, 800));
    QCOMPARE(a.Form2->SpinEditAnzahl->minimum(), 0);
    QCOMPARE(a.Form2->SpinEditAnzahl->maximum(), 9999);
    QCOMPARE(a.Form2->SpeedButtonOkay->toolTip(), QStringLiteral("Okay"));
    QCOMPARE(a.Form2->SpeedButtonAbbrechen->toolTip(), QStringLiteral("Abbrechen"));
}

void FensterTest::escapeSchliesstUndGibtFrei()
{
    TPruefstand s;
    s.Erzeugen();
    s.Haupt().show();
    auto &a = s.App;
    TNebenfenster *fenster[] = {a.Form2.get(), a.Form3.get(), a.Form4.get(), a.Form5.get(), a.Form6.get(),
                                a.Form7.get(), a.Form8.get(), a.Form9.get(), a.Form10.get()};
    for (TNebenfenster *f : fenster) {
        s.Haupt().NebenfensterZeigen(f, 1);
        QVERIFY(f->isVisible());
        QVERIFY(!s.Haupt().isEnabled());
        QCOMPARE(f->Tag, 1);
        // Escape from a control inside the window, not only from the window itself.
        QWidget *ziel = f->findChild<QToolButton *>();
        QTest::keyClick(ziel ? ziel : f, Qt::Key_Escape);
        QVERIFY2(!f->isVisible(), qPrintable(f->objectName()));
        QVERIFY2(s.Haupt().isEnabled(), qPrintable(f->objectName()));
    }
    // From the number field of the quantity dialog.
    s.Haupt().NebenfensterZeigen(a.Form2.get(), 2);
    QTest::keyClick(a.Form2->SpinEditAnzahl, Qt::Key_Escape);
    QVERIFY(!a.Form2->isVisible());
    QVERIFY(s.Haupt().isEnabled());
    // The close buttons of the windows that have one.
    s.Haupt().NebenfensterZeigen(a.Form5.get(), 1);
    QTest::mouseClick(a.Form5->SpeedButtonAbbrechen, Qt::LeftButton);
    QVERIFY(!a.Form5->isVisible());
    QVERIFY(s.Haupt().isEnabled());
    QCOMPARE(s.Gespeichert, 0); // closing a secondary window writes nothing
}

void FensterTest::infofensterModi()
{
    TPruefstand s;
    s.Erzeugen();
    s.Haupt().show();
    TForm5 &f = *s.App.Form5;
    QCOMPARE(f.ImageLogo->pixmap().size(), QSize(102, 67));
    QCOMPARE(f.ImageHadrik->pixmap().size(), QSize(102, 102));

    s.Haupt().bermich1->trigger();
    QVERIFY(!s.Haupt().isEnabled());
    QCOMPARE(f.Tag, 2);
    QCOMPARE(f.windowTitle(), QStringLiteral("Meine Wenigkeit"));
    QVERIFY(f.ImageHadrik->isVisible());
    QVERIFY(!f.ImageLogo->isVisible());
    QCOMPARE(f.Label1->text(), TForm5::AutorText);
    f.close();

    s.Haupt().berHadriksMorvarenTool1->trigger();
    QCOMPARE(f.Tag, 1);
    QCOMPARE(f.windowTitle(), QStringLiteral("Hadrik's Morvaren Tool"));
    QVERIFY(f.ImageLogo->isVisible());
    QVERIFY(!f.ImageHadrik->isVisible());
    QVERIFY(
        f.Label1->text().startsWith(QStringLiteral("Hadrik's Morvaren Tool\nVersion 1.13a vom 20.02.2018 - "
                                                   "15:30 Uhr\n\n")));
    QCOMPARE(f.Label2->text(), QStringLiteral("Zur Projektseite"));
    QVERIFY(f.Label2->font().bold());
    QTest::mouseClick(f.Label2, Qt::LeftButton);
    QCOMPARE(s.Adressen, QList<QUrl>{WebseiteAdresse("/index.html")});
    f.close();

    // Any other mode leaves the window as it was.
    s.Haupt().NebenfensterZeigen(&f, 7);
    QCOMPARE(f.windowTitle(), QStringLiteral("Hadrik's Morvaren Tool"));
    QVERIFY(f.ImageLogo->isVisible());
    f.close();
    QVERIFY(s.Haupt().isEnabled());
}

void FensterTest::versionssucheLaeuftBereits()
{
    TPruefstand s;
    int pruefungen = 0;
    s.Dienste->Versionspruefung = [&] { ++pruefungen; };
    s.Erzeugen();
    s.Haupt().show();
    s.App.Form4->Tag = 1; // the automatic check of the start is still running
    s.Haupt().NachneuerVersionsuchen1->trigger();
    QCOMPARE(s.Meldungen.Meldungen, QStringList{"Automatische Updatesuche läuft bereits im Hintergrund."});
    QVERIFY(!s.App.Form4->isVisible());
    QVERIFY(s.Haupt().isEnabled());
    QCOMPARE(pruefungen, 0);

    s.App.Form4->Tag = 0;
    s.Haupt().NachneuerVersionsuchen1->trigger();
    QVERIFY(s.App.Form4->isVisible());
    QVERIFY(!s.Haupt().isEnabled());
    QCOMPARE(pruefungen, 1);
    QCOMPARE(s.Meldungen.Meldungen.size(), 1);
}

void FensterTest::automatischeVersionssuche()
{
    for (const double naechste : {0.0, VersionspruefungAus}) {
        for (const bool staedte : {true, false}) {
            TPruefstand s;
            int pruefungen = 0, stadtUpdates = 0;
            bool sichtbarBeimStart = true;
            s.Dienste->Versionspruefung = [&] {
                ++pruefungen;
                sichtbarBeimStart = s.App.Form4->windowOpacity() > 0.0;
            };
            s.Dienste->StadtUpdate = [&] { ++stadtUpdates; };
            s.DateiAnlegen(OptionenDateiname, "x");
            s.BeimLaden = [&](TProgrammzustand &z) {
                z.NextVersionCheck = naechste;
                z.Optionen.TownAutoUpdate = staedte;
            };
            s.Erzeugen();
            QCOMPARE(s.Haupt().TimerUpdateCheck->interval(), 1000);
            QVERIFY(s.Haupt().TimerUpdateCheck->isSingleShot());
            QVERIFY(s.Haupt().TimerUpdateCheck->isActive());
            QCOMPARE(pruefungen + stadtUpdates, 0); // nothing before the timer fires
            if (naechste == 0.0 && staedte)
                QTRY_VERIFY(!s.Haupt().TimerUpdateCheck->isActive()); // once for real
            else
                s.Haupt().TimerUpdateCheckTimer();
            QVERIFY(!s.Haupt().TimerUpdateCheck->isActive());
            const bool an = naechste != VersionspruefungAus;
            QCOMPARE(pruefungen, an ? 1 : 0);
            QCOMPARE(s.App.Form4->Tag, an ? 1 : 0);
            QVERIFY(!sichtbarBeimStart || !an);
            QVERIFY(!s.App.Form4->isVisible());
            QCOMPARE(s.App.Form4->windowOpacity(), 1.0);
            QCOMPARE(stadtUpdates, staedte ? 1 : 0);
        }
    }
}

void FensterTest::optimiererAnPlanerseite()
{
    TPruefstand s;
    s.Erzeugen();
    s.Haupt().show();
    TForm10 &opt = *s.App.Form10;
    QTabWidget *pc = s.Haupt().PageControl1;

    pc->setCurrentIndex(TForm1::SeiteCharakterPlaner);
    QVERIFY(!opt.isVisible()); // not wanted yet
    opt.OptimiererOffen = true;
    opt.show();
    pc->setCurrentIndex(0);
    QVERIFY(!opt.isVisible());
    QVERIFY(opt.OptimiererOffen); // hiding keeps the wish
    pc->setCurrentIndex(TForm1::SeiteCharakterPlaner);
    QVERIFY(opt.isVisible());
    opt.close();
    QVERIFY(!opt.OptimiererOffen); // closing clears it
    pc->setCurrentIndex(2);
    pc->setCurrentIndex(TForm1::SeiteCharakterPlaner);
    QVERIFY(!opt.isVisible());
}

void FensterTest::optimiererAngedockt()
{
    TPruefstand s;
    s.Erzeugen();
    TForm1 &h = s.Haupt();
    h.move(500, 100); // room below for the window on the small offscreen screen
    h.show();
    TForm10 &opt = *s.App.Form10;
    opt.OptimiererOffen = true;
    opt.show();
    auto erwartet = [&] {
        const QRect r = h.frameGeometry();
        return QPoint(r.left() - opt.frameGeometry().width() - 9, r.top() + 78);
    };
    QCOMPARE(opt.frameGeometry().topLeft(), erwartet());
    h.move(620, 140);
    QTRY_COMPARE(opt.frameGeometry().topLeft(), erwartet());
    // The player may move the window, and it stays where it was put.
    const QPoint gezogen = opt.pos() + QPoint(40, 40);
    opt.move(gezogen);
    QTest::qWait(20);
    QCOMPARE(opt.pos(), gezogen);
    // Not while the main window is closing.
    h.Schliessend = true;
    h.move(100, 100);
    QTest::qWait(20);
    QCOMPARE(opt.pos(), gezogen);
    h.Schliessend = false;
    // A main window at the screen's left edge: the window stays wholly on that screen.
    const QRect frei = h.screen()->availableGeometry();
    h.move(frei.left(), frei.top() + 40);
    QTRY_COMPARE(opt.frameGeometry().left(), frei.left());
    QVERIFY(frei.contains(opt.frameGeometry()));

    // "Leben" takes five digits as typed.
    auto *leben = opt.findChild<QLineEdit *>(QStringLiteral("EditGegnerLeben"));
    QVERIFY(leben);
    leben->setFocus();
    leben->selectAll();
    QTest::keyClicks(leben, QStringLiteral("1234567"));
    QCOMPARE(leben->text(), QStringLiteral("12345"));
}

void FensterTest::mausFlags()
{
    TPruefstand s;
    s.Erzeugen();
    TForm1 &h = s.Haupt();
    h.show();
    // The flags follow the buttons on any control of the main window.
    QWidget *seite = h.TabSheet1;
    QTest::mousePress(seite, Qt::RightButton);
    QVERIFY(h.RechteMaustasteGedrueckt);
    QVERIFY(!h.LinkeMaustasteGedrueckt);
    QTest::mouseRelease(seite, Qt::RightButton);
    QVERIFY(!h.RechteMaustasteGedrueckt);
    QTest::mousePress(seite, Qt::LeftButton);
    QVERIFY(h.LinkeMaustasteGedrueckt);
    QTest::mouseRelease(seite, Qt::LeftButton);
    QVERIFY(!h.LinkeMaustasteGedrueckt);
}

void FensterTest::hinweiseAbschaltbar()
{
    TPruefstand s;
    s.DateiAnlegen(OptionenDateiname, "x");
    s.BeimLaden = [](TProgrammzustand &z) { z.Optionen.ShowHints = false; };
    s.Erzeugen();
    for (QWidget *f : {static_cast<QWidget *>(s.App.Form1.get()), static_cast<QWidget *>(s.App.Form2.get()),
                       static_cast<QWidget *>(s.App.Form10.get())})
        QCOMPARE(f->property("ShowHint").toBool(), false);
    QCOMPARE(s.App.Form9->property("ShowHint").toBool(), true); // the export window has no switch

    QToolButton *knopf = s.App.Form2->SpeedButtonOkay;
    auto tipSenden = [&] {
        QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), knopf->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(knopf, &tip);
    };
    QToolTip::hideText();
    tipSenden();
    QVERIFY(!QToolTip::isVisible());
    s.App.Form2->setProperty("ShowHint", true);
    tipSenden();
    QCOMPARE(QToolTip::text(), QStringLiteral("Okay"));
    QToolTip::hideText();
}

void FensterTest::optionenAnwenden()
{
    struct Fall {
        uint8_t welt;
        int32_t intervall;
        int erwartetesIntervall;
        int32_t rezeptpreis; // of kit row 305, which differs between the worlds
    };
    for (const Fall &f : {Fall{1, 1500, 1500, 202}, Fall{3, 0, 200, 200}, Fall{2, -20, 200, 202}}) {
        TPruefstand s;
        s.DateiAnlegen(OptionenDateiname, "x");
        s.BeimLaden = [&](TProgrammzustand &z) {
            z.Optionen.BSRWorld = f.welt;
            z.Optionen.TransmissionInterval = f.intervall;
        };
        s.Erzeugen();
        QCOMPARE(s.Haupt().Timer2->interval(), f.erwartetesIntervall);
        QVERIFY(!s.Haupt().Timer2->isActive());
        QCOMPARE(Ware(s.App.Zustand().Katalog, 305)->Rezeptpreis, f.rezeptpreis);
    }
    // Another world value leaves the catalogue's variant as it was.
    TPruefstand s;
    s.DateiAnlegen(OptionenDateiname, "x");
    s.BeimLaden = [](TProgrammzustand &z) { z.Optionen.BSRWorld = 9; };
    s.Erzeugen();
    TKatalog frisch;
    KatalogFuellen(frisch);
    QCOMPARE(Ware(s.App.Zustand().Katalog, 305)->Rezeptpreis, Ware(frisch, 305)->Rezeptpreis);
}

void FensterTest::menueHinweis()
{
    TPruefstand s;
    s.Erzeugen();
    TMenuItemHint &hint = *s.Haupt().MenuItemHint;
    QAction mitText(QStringLiteral("Langschwert"));
    mitText.setStatusTip(QStringLiteral("Schaden 10-20"));
    QAction ohneText(QStringLiteral("Kurzschwert"));

    QCursor::setPos(300, 200);
    hint.MenuItemAuswaehlen(&mitText);
    QVERIFY(!hint.isVisible()); // not before 100 ms
    QVERIFY(hint.ZeigeTimer().isActive());
    QCOMPARE(hint.ZeigeTimer().interval(), 100);
    QTRY_VERIFY(hint.isVisible());
    QCOMPARE(hint.geometry().topLeft(), QCursor::pos() + QPoint(14, 14));
    QCOMPARE(hint.Text(), QStringLiteral("Schaden 10-20"));

    hint.MenuItemAuswaehlen(&ohneText); // another entry hides the hint at once
    QVERIFY(!hint.isVisible());
    QVERIFY(!hint.ZeigeTimer().isActive());
    QCOMPARE(hint.Eintrag(), nullptr);
    QTest::qWait(150);
    QVERIFY(!hint.isVisible()); // and an entry without text shows none

    hint.MenuItemAuswaehlen(&mitText);
    QTRY_VERIFY(hint.isVisible());
    hint.MenuItemAuswaehlen(nullptr); // menu closed
    QVERIFY(!hint.isVisible());
}

void FensterTest::menueHinweisImEchtenMenue()
{
    TPruefstand s;
    s.Erzeugen();
    s.Haupt().show();
    QMenu menue;
    QAction *a = menue.addAction(QStringLiteral("Bogen"));
    a->setStatusTip(QStringLiteral("Reichweite 3"));
    menue.addAction(QStringLiteral("Armbrust"));
    s.Haupt().PopupMenueAnbinden(&menue);
    TMenuItemHint &hint = *s.Haupt().MenuItemHint;

    menue.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menue));
    QTest::keyClick(&menue, Qt::Key_Down);
    QCOMPARE(menue.activeAction(), a);
    QTRY_VERIFY(hint.isVisible());
    QCOMPARE(hint.Text(), QStringLiteral("Reichweite 3"));
    QTest::keyClick(&menue, Qt::Key_Down);
    QVERIFY(!hint.isVisible());
    QTest::keyClick(&menue, Qt::Key_Up);
    QTRY_VERIFY(hint.isVisible());
    menue.hide();
    QVERIFY(!hint.isVisible());

    // A submenu added after the menu was registered reports its entries too.
    QMenu *unter = menue.addMenu(QStringLiteral("Pfeile"));
    QAction *pfeil = unter->addAction(QStringLiteral("Jagdpfeil"));
    pfeil->setStatusTip(QStringLiteral("Schaden +2"));
    menue.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menue));
    unter->popup(QPoint(220, 120));
    QVERIFY(QTest::qWaitForWindowExposed(unter));
    QTest::keyClick(unter, Qt::Key_Down);
    QCOMPARE(unter->activeAction(), pfeil);
    QTRY_COMPARE(hint.Text(), QStringLiteral("Schaden +2"));
    QTRY_VERIFY(hint.isVisible());
    unter->hide();
    QVERIFY(!hint.isVisible());
    menue.hide();
}

#include "FensterTest.moc"
QObject *FensterTestErzeugen()
{
    return new FensterTest;
}
