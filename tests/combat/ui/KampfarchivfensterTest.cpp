// Window tests of the combat archive, offscreen: the combat tab's buttons, storing when the
// option is on, the window "Kampfarchiv" with search, open, rename, delete and a fighter's
// history, and the faults shown in German.
#include "base/Meldung.h"
#include "base/Textdatei.h"
#include "catalogue/Katalog.h"
#include "combat/Kampfarchiv.h"
#include "combat/Kampfbericht.h"
#include "combat/ui/Kampfarchivfenster.h"
#include "combat/ui/Kampfberichtseite.h"
#include "combat/ui/Verlaufsdiagramm.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <sqlite3.h>

using namespace mvt;

class KampfarchivfensterTest : public QObject {
    Q_OBJECT

    TKatalog m_katalog;

    static QString Bericht(const char *name)
    {
        QFile f(QStringLiteral(MVT_TESTDATEN "/combat/") + QLatin1String(name));
        return f.open(QIODevice::ReadOnly) ? TextDekodieren(f.readAll()) : QString();
    }
    template <class T> static T *Teil(QWidget &w, const char *name)
    {
        T *t = w.findChild<T *>(QLatin1String(name));
        if (!t)
            qFatal("Steuerelement %s fehlt", name);
        return t;
    }
    static void Klicken(QWidget &w, const char *knopf)
    {
        QAbstractButton *b = Teil<QAbstractButton>(w, knopf);
        QVERIFY2(b->isVisible() && b->isEnabled(), knopf);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static void Auswerten(TKampfberichtSeite &w, const QString &text)
    {
        Teil<QPlainTextEdit>(w, "Memo1")->setPlainText(text);
        QSignalSpy fertig(&w, &TKampfberichtSeite::AuswertungFertig);
        Klicken(w, "SpeedButtonAuswerten");
        QVERIFY(fertig.wait(10000));
    }
    static QStringList Namen(const Kampfauswertung &a)
    {
        QStringList n;
        for (const auto &k : a.Kaempfer)
            n << k->Name;
        return n;
    }
    std::vector<std::unique_ptr<Kampfauswertung>> m_behalten;
    void Speichern(const QString &pfad, const char *bericht, int tag)
    {
        auto a = std::make_unique<Kampfauswertung>();
        KampfberichtAuswerten(Bericht(bericht), *a, m_katalog);
        TKampfarchiv db(pfad);
        QVERIFY(db.Speichern(Bericht(bericht), *a,
                             QDateTime(QDate(2026, 4, tag), QTime(12, 0), QTimeZone::utc())));
    }

private slots:
    void initTestCase() { KatalogFuellen(m_katalog); }

    void ArchivierenKnopfUndAutomatik()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("kampfarchiv.sqlite"));
        TKampfberichtSeite w(m_katalog);
        w.ArchivPfadSetzen(pfad);
        w.show();
        auto *archivieren = Teil<QToolButton>(w, "SpeedButtonArchivieren");
        QVERIFY(!archivieren->isVisible());
        QVERIFY(Teil<QToolButton>(w, "SpeedButtonKampfarchiv")->isVisible());

        // The option is off by default: an evaluation stores nothing and creates no file.
        Auswerten(w, Bericht("klein.txt"));
        QVERIFY(!QFile::exists(pfad));
        QVERIFY(archivieren->isVisible());
        Klicken(w, "SpeedButtonArchivieren");
        auto *label = Teil<QLabel>(w, "LabelArchiv");
        QCOMPARE(label->text(), QStringLiteral("Im Kampfarchiv gespeichert (Nr. 1)."));
        Klicken(w, "SpeedButtonArchivieren");
        QCOMPARE(label->text(), QStringLiteral("Dieser Kampf ist schon im Kampfarchiv (Nr. 1)."));
        Klicken(w, "SpeedButtonZurueck");
        QVERIFY(!archivieren->isVisible());
        QVERIFY(!label->isVisible());

        // Switched on: every evaluated fight is stored.
        QVERIFY(TKampfarchiv(pfad).ArchivierungSetzen(true));
        Auswerten(w, Bericht("gemischt.txt"));
        QCOMPARE(label->text(), QStringLiteral("Im Kampfarchiv gespeichert (Nr. 2)."));
        QCOMPARE(TKampfarchiv(pfad).Liste()->size(), size_t(2));

        // A damaged archive is reported; the evaluation is shown all the same.
        Klicken(w, "SpeedButtonZurueck");
        const QString kaputt = dir.filePath(QStringLiteral("kaputt.sqlite"));
        QFile f(kaputt);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, 'k'));
        f.close();
        w.ArchivPfadSetzen(kaputt);
        Auswerten(w, Bericht("gruppe.txt"));
        Klicken(w, "SpeedButtonArchivieren");
        QVERIFY(label->toolTip().contains(QStringLiteral("beschädigt")));
        QVERIFY(Teil<QTableView>(w, "StringGrid1")->model()->rowCount() > 3);
        QCOMPARE(Teil<QTableView>(w, "StringGrid1")->model()->index(0, 0).data().toString(),
                 w.Auswertung().Kaempfer[0]->Name);
        QCOMPARE(f.size(), qint64(5000));
    }

    void FensterSuchenOeffnenUmbenennenLoeschen()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("kampfarchiv.sqlite"));
        Speichern(pfad, "klein.txt", 1);
        Speichern(pfad, "gemischt.txt", 3);
        Speichern(pfad, "duell.txt", 2);
        TKampfberichtSeite seite(m_katalog);
        seite.ArchivPfadSetzen(pfad);
        seite.show();
        Klicken(seite, "SpeedButtonKampfarchiv");
        TKampfarchivFenster &w = *seite.Archivfenster();
        QVERIFY(w.isVisible());
        auto *liste = Teil<QTableView>(w, "ListeKaempfe");
        QCOMPARE(liste->model()->rowCount(), 3);
        QCOMPARE(liste->model()->index(0, 0).data().toString(),
                 QDateTime(QDate(2026, 4, 3), QTime(12, 0), QTimeZone::utc())
                     .toLocalTime()
                     .toString("dd.MM.yyyy HH:mm"));
        QCOMPARE(Teil<QLabel>(w, "LabelStatus")->text(), QStringLiteral("3 Kämpfe im Archiv."));

        QTest::keyClicks(Teil<QLineEdit>(w, "EditSuche"), QStringLiteral("troll #3"));
        QCOMPARE(liste->model()->rowCount(), 1);
        QCOMPARE(Teil<QLabel>(w, "LabelStatus")->text(), QStringLiteral("1 von 3 Kämpfen gefunden."));

        // Open: the tab shows it as if just evaluated, the report in the memo.
        QSignalSpy fertig(&seite, &TKampfberichtSeite::AuswertungFertig);
        Klicken(w, "ButtonOeffnen");
        QVERIFY(!w.isVisible());
        QVERIFY(fertig.wait(10000));
        Kampfauswertung erwartet;
        KampfberichtAuswerten(Bericht("gemischt.txt"), erwartet, m_katalog);
        QCOMPARE(Namen(seite.Auswertung()), Namen(erwartet));
        QCOMPARE(Teil<QPlainTextEdit>(seite, "Memo1")->toPlainText(),
                 KampftextNormalisieren(Bericht("gemischt.txt")));
        QCOMPARE(Teil<QTableView>(seite, "StringGrid1")->model()->rowCount(), int(erwartet.Kaempfer.size()));

        // Rename through the dialog.
        Klicken(seite, "SpeedButtonZurueck");
        Klicken(seite, "SpeedButtonKampfarchiv");
        Teil<QLineEdit>(w, "EditSuche")->clear();
        QTimer::singleShot(0, [] {
            auto *d = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->setTextValue(QStringLiteral("Abend am Fluss"));
            d->accept();
        });
        Klicken(w, "ButtonUmbenennen");
        QCOMPARE(w.Gezeigt().front().Titel, QStringLiteral("Abend am Fluss"));

        // Delete asks first; "Nein" keeps the fight.
        const auto vorher = FrageFunktionSetzen([](const QString &) { return false; });
        Klicken(w, "ButtonLoeschen");
        QCOMPARE(w.Gezeigt().size(), size_t(3));
        QStringList fragen;
        FrageFunktionSetzen([&](const QString &t) {
            fragen << t;
            return true;
        });
        Klicken(w, "ButtonLoeschen");
        FrageFunktionSetzen(vorher);
        QCOMPARE(fragen.size(), 1);
        QVERIFY(fragen[0].contains(QStringLiteral("Abend am Fluss")));
        QCOMPARE(w.Gezeigt().size(), size_t(2));
        QCOMPARE(TKampfarchiv(pfad).Liste()->size(), size_t(2));
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    void VerlaufEinesKaempfers()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("kampfarchiv.sqlite"));
        Speichern(pfad, "gemischt.txt", 5);
        Speichern(pfad, "klein.txt", 4);
        Speichern(pfad, "gruppe.txt", 6);
        TKampfarchivFenster w(nullptr, pfad);
        w.show();
        QTabBar *reiter = Teil<QTabWidget>(w, "PageControlArchiv")->tabBar();
        QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(1).center());
        auto *wahl = Teil<QComboBox>(w, "ComboBoxKaempfer");
        QVERIFY(wahl->isVisible());
        QVERIFY(wahl->findText(QStringLiteral("Hadrik")) >= 0);
        wahl->lineEdit()->clear();
        QTest::keyClicks(wahl->lineEdit(), QStringLiteral("Hadrik"));
        const auto verlauf = *TKampfarchiv(pfad).Verlauf(QStringLiteral("Hadrik"));
        QVERIFY(verlauf.size() >= 2);
        auto *tabelle = Teil<QTableWidget>(w, "TabelleVerlauf");
        QCOMPARE(tabelle->rowCount(), int(verlauf.size()));
        QCOMPARE(tabelle->item(0, 1)->text(), QString::number(verlauf[0].Schaden));
        QCOMPARE(tabelle->item(1, 3)->text(), QString::number(verlauf[1].Heilung));
        QCOMPARE(Teil<TVerlaufsdiagramm>(w, "DiagrammVerlauf")->Punkte().size(), verlauf.size());
        Klicken(w, "ButtonAlsTabelleKopieren");
        const QStringList zeilen = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), int(verlauf.size()) + 1);
        QCOMPARE(zeilen[0], QStringLiteral("Datum\tSchaden\tSchaden erhalten\tHeilung"));
        QVERIFY(zeilen[1].endsWith(QStringLiteral("\t%1\t%2\t%3")
                                       .arg(verlauf[0].Schaden)
                                       .arg(verlauf[0].SchadenErhalten)
                                       .arg(verlauf[0].Heilung)));
        // A name that is not in the archive clears the chart.
        wahl->lineEdit()->clear();
        QTest::keyClicks(wahl->lineEdit(), QStringLiteral("Niemand"));
        QCOMPARE(tabelle->rowCount(), 0);
        QVERIFY(!Teil<QPushButton>(w, "ButtonAlsTabelleKopieren")->isEnabled());
    }

    void NeueresArchivWirdNurGelesen()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("kampfarchiv.sqlite"));
        Speichern(pfad, "klein.txt", 1);
        sqlite3 *db = nullptr;
        QCOMPARE(sqlite3_open(pfad.toUtf8().constData(), &db), SQLITE_OK);
        sqlite3_exec(db, "PRAGMA user_version=2", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        TKampfarchivFenster w(nullptr, pfad);
        w.show();
        QCOMPARE(w.Gezeigt().size(), size_t(1));
        QVERIFY(Teil<QLabel>(w, "LabelStatus")->text().contains(QStringLiteral("neueren Programmversion")));
        QVERIFY(Teil<QPushButton>(w, "ButtonOeffnen")->isEnabled());
        QVERIFY(!Teil<QPushButton>(w, "ButtonLoeschen")->isEnabled());
        QVERIFY(!Teil<QPushButton>(w, "ButtonUmbenennen")->isEnabled());
    }
};

QTEST_MAIN(KampfarchivfensterTest)
#include "KampfarchivfensterTest.moc"
