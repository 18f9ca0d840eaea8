// The version window and the town list update in the running program, against a local
// HTTP server on 127.0.0.1 started by the test.
#include "../online/LokalerServer.h"
#include "Pruefstand.h"

#include "base/Zahlen.h"
#include "online/Stadtlistenabruf.h"
#include "online/ui/Versionsfenster.h"
#include "routes/ui/Kartenfenster.h"
#include "base/Optionen.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cmath>

using namespace mvt;
using mvt::pruefung::TLokalerServer;
using mvt::pruefung::TPruefstand;

class OnlineTest : public QObject {
    Q_OBJECT

private slots:
    void programmstartMitNeuerVersionUndStadtliste();
    void manuelleSucheZeigtNeueVersion();
    void gleicheUndAeltereVersion();
    void automatischMitNeuerVersion();
    void automatischImSpaeterenVerlauf();
    void automatischOhneServer();
    void schalterUndDownloadseite();
    void stadtlisteWirdInstalliert();
    void fehlerhafteStadtliste();
    void vieleLeereZeilenEineMeldung();
    void downloadDateienNachDemEnde();
};

namespace {

struct TUmgebung {
    TLokalerServer Server;
    TPruefstand S;
    explicit TUmgebung(bool anbinden = true)
    {
        if (anbinden) {
            online::THttpGrenzen kurz;
            kurz.GesamtMs = 2000;
            OnlineDiensteAnbinden(S.App, QString::fromStdString(Server.Basis()), kurz);
        }
        S.Erzeugen();
        S.Haupt().TimerUpdateCheck->stop(); // the tests fire it themselves
    }
    TForm4 &F4() { return *S.App.Form4; }
    // The timer's check without the town list update.
    void AutoUpdateAus()
    {
        TOptionen o = S.App.Sitzung.Optionen();
        o.TownAutoUpdate = false;
        S.App.Sitzung.OptionenSetzen(o);
    }
    bool TempWeg() const
    {
        return !QFile::exists(S.Pfad(online::VersionsdateiTemp)) &&
               !QFile::exists(S.Pfad(online::StadtlisteTemp));
    }
};

} // namespace

void OnlineTest::programmstartMitNeuerVersionUndStadtliste()
{
    // As the program starts: nothing stops the one-second timer.
    TLokalerServer server;
    server.Setzen("/LatestVersion.txt", 200, "1.14\r\n01.03.2018\r\n");
    server.Setzen("/TownListDate.txt", 200, "2018.03.01.12.00\r\n");
    server.Setzen("/TownList.txt", 200, "010010Neustadt\r\n\r\n\r\n");
    TPruefstand s;
    OnlineDiensteAnbinden(s.App, QString::fromStdString(server.Basis()));
    s.Erzeugen();
    QCOMPARE(s.App.Zustand().NextVersionCheck, 0.0);
    QVERIFY(!s.App.Form4->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(s.App.Form4->isVisible(), 5000);
    QCOMPARE(s.App.Form4->Label1->text(), QStringLiteral("Eine neue Version ist verfügbar!"));
    QVERIFY(!s.Haupt().isEnabled());
    QTRY_COMPARE(s.App.Zustand().StadtlistenStand, QStringLiteral("2018.03.01.12.00"));
    s.App.Form8->BeschriftungSetzen();
    QCOMPARE(s.App.Form8->windowTitle(), QStringLiteral("Karte von Dunladan (Stand: 01.03.2018 - 12:00)"));
    s.App.Form4->close();
    QVERIFY(s.Haupt().isEnabled());
}

void OnlineTest::manuelleSucheZeigtNeueVersion()
{
    TUmgebung u;
    u.Server.Setzen("/LatestVersion.txt", 200, "1.14\r\n01.03.2018 - 12:00 Uhr\r\n");
    u.S.App.Sitzung.Online().NaechstePruefungSetzen(0.0);
    u.S.Haupt().NachneuerVersionsuchen1->trigger();
    QVERIFY(u.F4().isVisible());
    QVERIFY(!u.S.Haupt().isEnabled());
    QTRY_COMPARE(u.F4().Label1->text(), QStringLiteral("Eine neue Version ist verfügbar!"));
    QCOMPARE(u.F4().Label2->text(), QStringLiteral("Version 1.14 vom 01.03.2018 - 12:00 Uhr"));
    QVERIFY(u.F4().Label2->isVisible() && u.F4().Label3->isVisible());
    QCOMPARE(u.F4().Tag, 0);
    QVERIFY(u.TempWeg());
    QTest::keyClick(&u.F4(), Qt::Key_Escape);
    QVERIFY(!u.F4().isVisible());
    QVERIFY(u.S.Haupt().isEnabled());
    QCOMPARE(u.S.App.Zustand().NextVersionCheck, 0.0); // a manual check never moves it
    QCOMPARE(u.F4().SpeedButtonAbbrechen->accessibleName(), QStringLiteral("Fenster schließen"));
    QCOMPARE(u.F4().CheckBoxAutoUpdate->accessibleName(),
             QStringLiteral("Regelmäßige Checks beim Programmstart"));
}

void OnlineTest::gleicheUndAeltereVersion()
{
    TUmgebung u;
    for (const char *version : {"1.13a", "1.13"}) {
        u.Server.Setzen("/LatestVersion.txt", 200, std::string(version) + "\r\nx\r\n");
        // Both versions give the same text: without clearing it, the second wait could end
        // before its download has.
        u.F4().Label1->clear();
        u.S.Haupt().NachneuerVersionsuchen1->trigger();
        QTRY_COMPARE(u.F4().Label1->text(),
                     QStringLiteral("Diese Version ist bereits auf dem neusten Stand."));
        QVERIFY(!u.F4().Label2->isVisible());
        u.F4().close();
    }
    u.Server.Setzen("/LatestVersion.txt", 200, "neu!\r\n");
    u.S.Haupt().NachneuerVersionsuchen1->trigger();
    QTRY_COMPARE(u.F4().Label1->text(),
                 QStringLiteral("Fehler: Ungültige Informationen erhalten! Sag bitte Hadrik Bescheid."));
    u.F4().close();
    QVERIFY(u.TempWeg());
}

void OnlineTest::automatischMitNeuerVersion()
{
    TUmgebung u;
    u.Server.Setzen("/LatestVersion.txt", 200, "1.13b\r\nheute\r\n");
    u.S.App.Sitzung.Online().NaechstePruefungSetzen(0.0);
    u.AutoUpdateAus();
    u.S.Haupt().TimerUpdateCheckTimer();
    QCOMPARE(u.F4().Tag, 1);
    QVERIFY(!u.F4().isVisible());
    // While the automatic check runs, the menu item refuses a second one.
    u.S.Haupt().NachneuerVersionsuchen1->trigger();
    QCOMPARE(u.S.Meldungen.Meldungen.value(0),
             QStringLiteral("Automatische Updatesuche läuft bereits im Hintergrund."));
    QTRY_VERIFY(u.F4().isVisible());
    QCOMPARE(u.F4().Label1->text(), QStringLiteral("Eine neue Version ist verfügbar!"));
    QVERIFY(!u.S.Haupt().isEnabled());
    QCOMPARE(u.F4().Tag, 1);
    QTest::qWait(100);
    QCOMPARE(u.Server.AnzahlFuer("/LatestVersion.txt"), 1); // showing the result starts no second check
    QCOMPARE(u.F4().Label1->text(), QStringLiteral("Eine neue Version ist verfügbar!"));
    u.F4().SpeedButtonAbbrechen->click();
    QVERIFY(u.S.Haupt().isEnabled());
    QCOMPARE(u.F4().Tag, 0);
    const double n = u.S.App.Zustand().NextVersionCheck;
    QCOMPARE(n, std::ceil(JetztAlsTageszahl())); // the next midnight
}

void OnlineTest::automatischImSpaeterenVerlauf()
{
    TUmgebung u;
    u.Server.Setzen("/LatestVersion.txt", 200, "1.14\r\nheute\r\n");
    const double spaeter = JetztAlsTageszahl() + 0.5;
    u.S.App.Sitzung.Online().NaechstePruefungSetzen(spaeter);
    u.AutoUpdateAus();
    u.S.Haupt().TimerUpdateCheckTimer();
    QTRY_COMPARE(u.F4().Tag, 0);
    QCOMPARE(u.F4().Label1->text(), QStringLiteral("Eine neue Version ist verfügbar!"));
    QTest::qWait(50);
    QVERIFY(!u.F4().isVisible());
    QVERIFY(u.S.Haupt().isEnabled());
    QCOMPARE(u.S.App.Zustand().NextVersionCheck, spaeter);

    // Checks switched off: the timer starts nothing at all.
    u.S.App.Sitzung.Online().NaechstePruefungSetzen(VersionspruefungAus);
    const size_t vorher = u.Server.Anfragen().size();
    u.S.Haupt().TimerUpdateCheckTimer();
    QTest::qWait(100);
    QCOMPARE(u.Server.Anfragen().size(), vorher);
}

void OnlineTest::automatischOhneServer()
{
    int frei = 0;
    {
        TLokalerServer weg;
        frei = weg.Port();
    }
    TPruefstand s;
    OnlineDiensteAnbinden(s.App, QStringLiteral("http://127.0.0.1:%1").arg(frei));
    s.Erzeugen();
    s.Haupt().TimerUpdateCheck->stop();
    s.App.Sitzung.Online().NaechstePruefungSetzen(0.0);
    const QString stand = s.App.Zustand().StadtlistenStand;
    s.Haupt().TimerUpdateCheckTimer(); // version check and town list
    QTRY_COMPARE(s.App.Form4->Tag, 0);
    QCOMPARE(s.App.Form4->Label1->text(),
             QStringLiteral("Fehler: Keine Verbindung zum Internet oder Server inaktiv!"));
    QVERIFY(!s.App.Form4->isVisible());
    QTest::qWait(100);
    QVERIFY(s.Meldungen.Meldungen.isEmpty());
    QCOMPARE(s.App.Zustand().StadtlistenStand, stand);
    QCOMPARE(s.App.Zustand().NextVersionCheck, 0.0);
    // The menu item works at once afterwards.
    s.Haupt().NachneuerVersionsuchen1->trigger();
    QVERIFY(s.App.Form4->isVisible());
    s.App.Form4->close();
}

void OnlineTest::schalterUndDownloadseite()
{
    TUmgebung u(false);
    TForm4 &f = u.F4();
    u.S.App.Sitzung.Online().NaechstePruefungSetzen(0.0);
    f.CheckBoxAutoUpdate->click();
    QCOMPARE(u.S.App.Zustand().NextVersionCheck, VersionspruefungAus);
    // The label toggles the box; on again with "off" stored gives the next midnight.
    QTest::mouseClick(f.Label4, Qt::LeftButton);
    QVERIFY(f.CheckBoxAutoUpdate->isChecked());
    QCOMPARE(u.S.App.Zustand().NextVersionCheck, std::ceil(JetztAlsTageszahl()));
    // A check begins by setting the box from the stored value, with the same rule.
    u.S.App.Sitzung.Online().NaechstePruefungSetzen(VersionspruefungAus);
    f.CheckBoxSetzen();
    QVERIFY(!f.CheckBoxAutoUpdate->isChecked());
    QVERIFY(f.Label3->text().endsWith(QStringLiteral("/download.html")));
    QTest::mouseClick(f.Label3, Qt::LeftButton);
    QCOMPARE(u.S.Adressen.size(), 1);
    QCOMPARE(u.S.Adressen[0].path(), QStringLiteral("/download.html"));
}

void OnlineTest::stadtlisteWirdInstalliert()
{
    TUmgebung u;
    u.Server.Setzen("/TownListDate.txt", 200, "2018.02.16.10.09\r\n");
    u.Server.Setzen("/TownList.txt", 200, "001001Eckhausen\r\n\r\n002002Zwei\r\n\r\n003003Drei\r\n");
    u.S.App.Sitzung.Online().NaechstePruefungSetzen(VersionspruefungAus);
    u.S.Haupt().TimerUpdateCheckTimer();
    QTRY_COMPARE(u.S.App.Zustand().StadtlistenStand, QStringLiteral("2018.02.16.10.09"));
    const auto &w = u.S.App.Zustand().Weltkarten.Welten;
    QCOMPARE(w[0].Stadtnamen[routen::Zelle(1, 1)], QStringLiteral("Eckhausen"));
    QCOMPARE(w[1].Stadtnamen[routen::Zelle(2, 2)], QStringLiteral("Zwei"));
    QCOMPARE(w[2].Stadtnamen[routen::Zelle(3, 3)], QStringLiteral("Drei"));
    QCOMPARE(w[2].Gelaende[routen::Zelle(3, 3)],
             routen::Stadtvariante(w[2].Grundgelaende[routen::Zelle(3, 3)]));
    QCOMPARE(u.S.App.Form8->windowTitle(), QStringLiteral("Karte von Dunladan (Stand: 16.02.2018 - 10:09)"));
    QVERIFY(u.TempWeg());
}

void OnlineTest::fehlerhafteStadtliste()
{
    TUmgebung u;
    u.Server.Setzen("/TownListDate.txt", 200, "2020.01.01.00.00\r\n");
    u.Server.Setzen("/TownList.txt", 200, "001001A\r\n\r\n0a1001B\r\n\r\n003003C\r\n\r\n");
    u.S.App.Sitzung.Online().NaechstePruefungSetzen(VersionspruefungAus);
    const QString endurias = u.S.App.Zustand().Weltkarten.Welten[1].Stadtnamen[routen::Zelle(100, 100)];
    u.S.Haupt().TimerUpdateCheckTimer();
    QTRY_COMPARE(u.S.App.Zustand().StadtlistenStand, routen::StadtlistenFehlerStand);
    QCOMPARE(u.S.App.Zustand().Weltkarten.Welten[0].Stadtnamen[routen::Zelle(1, 1)], QStringLiteral("A"));
    QCOMPARE(u.S.App.Zustand().Weltkarten.Welten[1].Stadtnamen[routen::Zelle(100, 100)], endurias);
    QVERIFY(u.S.App.Form8->windowTitle().endsWith(routen::StadtlistenFehlerStand + QLatin1Char(')')));
}

void OnlineTest::vieleLeereZeilenEineMeldung()
{
    // One modal box per extra empty line used to stack until the stack overflowed.
    TUmgebung u;
    u.Server.Setzen("/TownListDate.txt", 200, "2018.02.16.10.09\r\n");
    std::string liste = "001001A\r\n";
    for (int i = 0; i < 100'000; ++i)
        liste += "\r\n";
    liste += "002002B\r\n";
    u.Server.Setzen("/TownList.txt", 200, liste);
    u.S.App.Sitzung.Online().NaechstePruefungSetzen(VersionspruefungAus);
    u.S.Haupt().TimerUpdateCheckTimer();
    QTRY_COMPARE(u.S.App.Zustand().StadtlistenStand, QStringLiteral("2018.02.16.10.09"));
    QCoreApplication::processEvents();
    QCOMPARE(u.S.Meldungen.Meldungen, QStringList{routen::MeldungStadtCount});
    QCOMPARE(u.S.App.Zustand().Weltkarten.Welten[2].Stadtnamen[routen::Zelle(2, 2)], QStringLiteral("B"));
    QVERIFY(u.TempWeg());
}

void OnlineTest::downloadDateienNachDemEnde()
{
    TLokalerServer server; // outlives the program: its workers still hang when it ends
    server.Setzen("/LatestVersion.txt", {200, "", TLokalerServer::Art::Stumm});
    server.Setzen("/TownListDate.txt", {200, "", TLokalerServer::Art::Stumm});
    QString ordner;
    {
        TPruefstand s;
        ordner = s.OrdnerBehalten();
        // Left behind by a run that was killed during its downloads.
        s.DateiAnlegen(online::VersionsdateiTemp, "alt");
        s.DateiAnlegen(online::StadtlisteTemp, "alt");
        OnlineDiensteAnbinden(s.App, QString::fromStdString(server.Basis()));
        QVERIFY(!QFile::exists(s.Pfad(online::VersionsdateiTemp)));
        QVERIFY(!QFile::exists(s.Pfad(online::StadtlisteTemp)));
        s.Erzeugen();
        // The one-second timer starts both; each worker now holds its file open.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(s.Pfad(online::VersionsdateiTemp)) &&
                                     QFile::exists(s.Pfad(online::StadtlisteTemp)),
                                 5000);
        s.Haupt().close();
        QCOMPARE(s.Beendet, 1);
    } // the end of the program: nobody waits for the workers
    const QDir d(ordner);
    QVERIFY(!QFile::exists(d.filePath(online::VersionsdateiTemp)));
    QVERIFY(!QFile::exists(d.filePath(online::StadtlisteTemp)));
    QDir(ordner).removeRecursively();
}

QObject *OnlineTestErzeugen()
{
    return new OnlineTest;
}

#include "OnlineTest.moc"
