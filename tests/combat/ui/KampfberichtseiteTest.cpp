// Window tests of the combat tab, offscreen: paste, evaluate on the worker, read the
// table, sort, look at one fighter, go back.
#include "catalogue/Katalog.h"
#include "base/Textdatei.h"
#include "combat/ui/Kampfberichtseite.h"
#include "combat/ui/Waffendarstellung.h"

#include <QAccessible>
#include <QAccessibleTableInterface>

#include <algorithm>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

using namespace mvt;

class KampfberichtseiteTest : public QObject {
    Q_OBJECT

    TKatalog m_katalog;

    static QString Bericht(const char *name)
    {
        QFile f(QStringLiteral(MVT_TESTDATEN "/combat/") + QLatin1String(name));
        if (!f.open(QIODevice::ReadOnly))
            return QString();
        return TextDekodieren(f.readAll());
    }
    template <class T> static T *Teil(QWidget &w, const char *name)
    {
        T *t = w.findChild<T *>(QLatin1String(name));
        if (!t)
            qFatal("Steuerelement %s fehlt", name);
        return t;
    }
    static QString Text(QWidget &w, const char *name) { return Teil<QLabel>(w, name)->text(); }
    static QColor Farbe(QWidget &w, const char *name)
    {
        return Teil<QLabel>(w, name)->palette().color(QPalette::WindowText);
    }
    static QStringList Spalte(QTableView *t, int s)
    {
        QStringList r;
        for (int i = 0; i < t->model()->rowCount(); ++i)
            r << t->model()->index(i, s).data().toString();
        return r;
    }
    static int Zeile(QTableView *t, const QString &name) { return Spalte(t, 0).indexOf(name); }
    static void Klicken(QWidget &w, const char *knopf)
    {
        QTest::mouseClick(Teil<QToolButton>(w, knopf), Qt::LeftButton);
    }
    static void ZeileWaehlen(QTableView *t, int zeile)
    {
        const QRect r = t->visualRect(t->model()->index(zeile, 0));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
    }
    static void Auswerten(TKampfberichtSeite &w, const QString &text)
    {
        Teil<QPlainTextEdit>(w, "Memo1")->setPlainText(text);
        QSignalSpy fertig(&w, &TKampfberichtSeite::AuswertungFertig);
        Klicken(w, "SpeedButtonAuswerten");
        QVERIFY(fertig.wait(10000));
    }

private slots:
    void initTestCase() { KatalogFuellen(m_katalog); }

    void AuswertenFuelltTabelleUndFehlerlabel()
    {
        TKampfberichtSeite w(m_katalog);
        w.show();
        Teil<QPlainTextEdit>(w, "Memo1")->setPlainText(Bericht("gemischt.txt"));
        QSignalSpy fertig(&w, &TKampfberichtSeite::AuswertungFertig);
        Klicken(w, "SpeedButtonAuswerten");
        // While the worker runs: the input face is gone, the progress bar shows.
        QVERIFY(Teil<QPlainTextEdit>(w, "Memo1")->isHidden());
        QVERIFY(Teil<QToolButton>(w, "SpeedButtonAuswerten")->isHidden());
        QVERIFY(Teil<QToolButton>(w, "SpeedButtonTextLoeschen")->isHidden());
        QVERIFY(Teil<QToolButton>(w, "SpeedButtonZurueck")->isHidden());
        QCOMPARE(Text(w, "LabelKaempfername"),
                 QStringLiteral("Für die detaillierte Ansicht bitte einen Kämpfer auswählen!"));
        QVERIFY(fertig.wait(10000));
        QVERIFY(!w.AuswertungLaeuft());
        QVERIFY(Teil<QProgressBar>(w, "ProgressBar1")->isHidden());
        QVERIFY(Teil<QToolButton>(w, "SpeedButtonZurueck")->isVisible());
        QVERIFY(Teil<QToolButton>(w, "SpeedButtonSchadenEingesteckt")->isVisible());
        QCOMPARE(Text(w, "LabelFehler"), QStringLiteral("Fehler: 3"));
        QCOMPARE(Farbe(w, "LabelFehler"), QColor(Qt::red));
        QCOMPARE(Teil<QToolButton>(w, "SpeedButtonAusgewichen")->text(), QStringLiteral("Aus-\ngewichen"));
        QCOMPARE(Teil<QToolButton>(w, "SpeedButtonTreffer")->toolTip(),
                 QStringLiteral("Treffsicherheit, entsprechend der Charakter-Eigenschaften"));

        auto *t = Teil<QTableView>(w, "StringGrid1");
        QCOMPARE(t->model()->rowCount(), 5);
        QCOMPARE(t->width(), 759);
        QCOMPARE(Spalte(t, 0), QStringList({"Troll #3", "Mirla", "Ork #1", "Hadrik", "Ork #2"}));
        const int m = Zeile(t, "Mirla");
        const QStringList mirla{"Mirla", "73", "6", "24.3",   "77.78 %", "42.86 %", "40",
                                "48",    "9",  "1", "0.00 %", "0.00 %",  "10"};
        for (int s = 0; s < 13; ++s)
            QCOMPARE(t->model()->index(m, s).data().toString(), mirla[s]);
        QCOMPARE(t->model()->index(0, 4).data().toString(), QString()); // no data: empty cell
        QCOMPARE(w.Tag(), -1);

        // An evaluation without errors shows the count in the normal colour.
        Klicken(w, "SpeedButtonZurueck");
        Auswerten(w, Bericht("klein.txt"));
        QCOMPARE(Text(w, "LabelFehler"), QStringLiteral("Fehler: 0"));
        QVERIFY(Farbe(w, "LabelFehler") != QColor(Qt::red));
        QCOMPARE(t->model()->rowCount(), 2);
    }

    void SortierenBehaeltDieAuswahl()
    {
        TKampfberichtSeite w(m_katalog);
        w.show();
        Auswerten(w, Bericht("gemischt.txt"));
        auto *t = Teil<QTableView>(w, "StringGrid1");
        ZeileWaehlen(t, Zeile(t, "Ork #1"));
        QCOMPARE(Text(w, "LabelKaempfername"), QStringLiteral("Ork #1"));

        Klicken(w, "SpeedButtonSchadenAusgeteilt");
        QCOMPARE(Spalte(t, 0), QStringList({"Mirla", "Hadrik", "Ork #1", "Ork #2", "Troll #3"}));
        QCOMPARE(Spalte(t, 1), QStringList({"73", "59", "12", "9", "0"}));
        QCOMPARE(w.Tag(), 2);
        QCOMPARE(t->selectionModel()->selectedRows().first().row(), 2);
        Klicken(w, "SpeedButtonSchadenAusgeteilt");
        QCOMPARE(Spalte(t, 0), QStringList({"Troll #3", "Ork #2", "Ork #1", "Hadrik", "Mirla"}));
        Klicken(w, "SpeedButtonName");
        QCOMPARE(Spalte(t, 0), QStringList({"Hadrik", "Mirla", "Ork #1", "Ork #2", "Troll #3"}));
        QCOMPARE(w.Tag(), 2);
        Klicken(w, "SpeedButtonName");
        QCOMPARE(Spalte(t, 0), QStringList({"Troll #3", "Ork #2", "Ork #1", "Mirla", "Hadrik"}));
        // Another column starts again with its first direction.
        Klicken(w, "SpeedButtonTreffer");
        QCOMPARE(Spalte(t, 4), QStringList({"100.00 %", "100.00 %", "100.00 %", "77.78 %", ""}));
        QCOMPARE(t->model()->index(w.Tag(), 0).data().toString(), QStringLiteral("Ork #1"));
        QCOMPARE(Text(w, "LabelKaempfername"), QStringLiteral("Ork #1"));
        Klicken(w, "SpeedButtonTreffer");
        QCOMPARE(Spalte(t, 4).first(), QString());
    }

    void SortierenScrolltDieAuswahlInDieSicht()
    {
        TKampfberichtSeite w(m_katalog);
        w.show();
        QString text;
        for (int i = 1; i <= 20; ++i)
            text += QStringLiteral("00:01 K%1 [Axt] greift Ziel an: verursacht %2 Schaden.\n")
                        .arg(i, 2, 10, QLatin1Char('0'))
                        .arg(i);
        Auswerten(w, text);
        auto *t = Teil<QTableView>(w, "StringGrid1");
        QCOMPARE(t->model()->rowCount(), 21);
        QCOMPARE(t->width(), 776);
        ZeileWaehlen(t, 0);                         // K01, 1 damage
        Klicken(w, "SpeedButtonSchadenAusgeteilt"); // descending: K01 moves to row 19
        QCOMPARE(t->model()->index(w.Tag(), 0).data().toString(), QStringLiteral("K01"));
        QCOMPARE(w.Tag(), 19);
        QCOMPARE(t->verticalScrollBar()->value(), 19 - 11);
        Klicken(w, "SpeedButtonSchadenAusgeteilt"); // ascending: K01 goes to the top
        QCOMPARE(w.Tag(), 1);
        QCOMPARE(t->verticalScrollBar()->value(), 1);
    }

    void DetailansichtUndWaffenpanele()
    {
        TKampfberichtSeite w(m_katalog);
        w.show();
        Auswerten(w, Bericht("gemischt.txt"));
        auto *t = Teil<QTableView>(w, "StringGrid1");
        QVERIFY(Teil<QScrollArea>(w, "ScrollBoxKB1")->isHidden());
        ZeileWaehlen(t, Zeile(t, "Mirla"));
        QVERIFY(Teil<QScrollArea>(w, "ScrollBoxKB1")->isVisible());
        QVERIFY(Teil<QLabel>(w, "LabelFernkampfWerte")->isVisible());
        QCOMPARE(Text(w, "LabelKaempfername"), QStringLiteral("Mirla"));
        QCOMPARE(Text(w, "LabelTreffsicherheit"), QStringLiteral("77.78 % (7 von 9)"));
        QCOMPARE(Text(w, "LabelTreffsicherheitEffektiv"), QStringLiteral("83.33 % (10 von 12)"));
        QCOMPARE(Text(w, "LabelKritTreffer"), QStringLiteral("42.86 % (3 von 7)"));
        QCOMPARE(Text(w, "LabelAusgetSchaden"), QStringLiteral("73"));
        QCOMPARE(Text(w, "LabelAusgetSchadenRunde"), QStringLiteral("24.3"));
        QCOMPARE(Text(w, "LabelAusgetNormSchaden"), QStringLiteral("51"));
        QCOMPARE(Text(w, "LabelAusgetKritSchaden"), QStringLiteral("22"));
        QCOMPARE(Text(w, "LabelFeindeGetoetet"), QStringLiteral("1"));
        QCOMPARE(Text(w, "LabelKampfUeberlebt"), QStringLiteral("Ja"));
        QCOMPARE(Text(w, "LabelZurueckgelWeg"), QStringLiteral("0"));
        QCOMPARE(Farbe(w, "LabelZurueckgelWeg"), QColor(Qt::gray));
        QCOMPARE(Farbe(w, "LabelZurueckgelWegX"), QColor(Qt::gray));
        QCOMPARE(Text(w, "LabelBewegungsrate"), QStringLiteral("-"));
        QCOMPARE(Text(w, "LabelTreffsicherheitNah"), QStringLiteral("-"));
        QCOMPARE(Text(w, "LabelTreffsicherheitFern"), QStringLiteral("77.78 % (7 von 9)"));
        QVERIFY(Farbe(w, "LabelTreffsicherheitFern") != QColor(Qt::gray));

        // Six spells in the ranged box, one panel each, 32 pixels after the previous one.
        auto *kb3 = Teil<QScrollArea>(w, "ScrollBoxKB3")->widget();
        auto panele = kb3->findChildren<TWaffendarstellung *>();
        QCOMPARE(panele.size(), 6);
        QCOMPARE(Teil<QScrollArea>(w, "ScrollBoxKB2")->widget()->findChildren<TWaffendarstellung *>().size(),
                 0);
        QStringList namen;
        int oben = 56;
        for (auto *p : panele) {
            namen << p->text();
            QCOMPARE(p->y(), oben);
            QCOMPARE(p->x(), 8);
            oben = p->Ende() + 32;
        }
        QCOMPARE(namen, QStringList({"Eile", "Hitzekegel", "Heilung I", "Kleiner Fluch", "Regeneration I",
                                     "Feuerball"}));
        QCOMPARE(panele[0]->Beschriftung(0)->text(), QStringLiteral("Anwendungen"));
        QCOMPARE(panele[2]->Wert(1)->text(), QStringLiteral("18 - 18"));
        QCOMPARE(panele[2]->Wert(1)->toolTip(),
                 QStringLiteral("Minimum und Maximum der exzellenten Heilungen mit dem Zauber"));

        // Another fighter replaces the panels; a melee fighter's weapons go to the middle box.
        QPointer<TWaffendarstellung> alt = panele[0];
        ZeileWaehlen(t, Zeile(t, "Ork #1"));
        QVERIFY(alt.isNull());
        QCOMPARE(kb3->findChildren<TWaffendarstellung *>().size(), 0);
        auto nah = Teil<QScrollArea>(w, "ScrollBoxKB2")->widget()->findChildren<TWaffendarstellung *>();
        QCOMPARE(nah.size(), 1);
        QCOMPARE(nah[0]->text(), QStringLiteral("Speer"));
        QCOMPARE(Text(w, "LabelAbsorb"), QStringLiteral("0.0"));
        QCOMPARE(Text(w, "LabelAbsorbGenauigkeit"), QStringLiteral("unzuverlässig (1 Wert)"));
        QCOMPARE(Text(w, "LabelAusweichen"), QStringLiteral("33.33 % (1 von 3)"));
        QCOMPARE(Text(w, "LabelKampfUeberlebt"), QStringLiteral("Nein"));
    }

    void RadOhneAuswahlWaehltDieErsteZeile()
    {
        TKampfberichtSeite w(m_katalog);
        w.show();
        Auswerten(w, Bericht("klein.txt"));
        auto *t = Teil<QTableView>(w, "StringGrid1");
        QWheelEvent rad(QPointF(20, 20), t->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
                        QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(t->viewport(), &rad);
        QCOMPARE(w.Tag(), 0);
        QCOMPARE(Text(w, "LabelKaempfername"), QStringLiteral("Hadrik"));
        QCOMPARE(Text(w, "LabelBewegungsrate"), QStringLiteral("normal (4,8 Schritte)"));
        QCOMPARE(Text(w, "LabelZurueckgelWeg"), QStringLiteral("2 Felder"));
        QCOMPARE(Text(w, "LabelBlockrate"), QStringLiteral("0.00 % (0 von 2)"));
        // With a selection the wheel changes nothing.
        ZeileWaehlen(t, 1);
        QCoreApplication::sendEvent(t->viewport(), &rad);
        QCOMPARE(w.Tag(), 1);
        QCOMPARE(Text(w, "LabelSchildabsorb"), QStringLiteral("5 Schaden"));
    }

    void ZurueckUndMemo()
    {
        TKampfberichtSeite w(m_katalog);
        w.show();
        const QString bericht = Bericht("klein.txt");
        Auswerten(w, bericht);
        ZeileWaehlen(Teil<QTableView>(w, "StringGrid1"), 0);
        Klicken(w, "SpeedButtonZurueck");
        auto *memo = Teil<QPlainTextEdit>(w, "Memo1");
        QVERIFY(memo->isVisible());
        QCOMPARE(memo->toPlainText(), bericht);
        QVERIFY(Teil<QToolButton>(w, "SpeedButtonAuswerten")->isVisible());
        for (const char *name :
             {"StringGrid1", "LabelFehler", "LabelKaempfername", "ScrollBoxKB1", "ScrollBoxKB2",
              "ScrollBoxKB3", "LabelNahkampfWerte", "SpeedButtonZurueck", "SpeedButtonName"})
            QVERIFY2(Teil<QWidget>(w, name)->isHidden(), name);

        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(memo->textCursor().selectedText().size(), memo->toPlainText().size());
        Klicken(w, "SpeedButtonTextLoeschen");
        QCOMPARE(memo->toPlainText(), QString());

        // An empty memo evaluates to an empty table.
        Auswerten(w, QString());
        QCOMPARE(Teil<QTableView>(w, "StringGrid1")->model()->rowCount(), 0);
        QCOMPARE(Text(w, "LabelFehler"), QStringLiteral("Fehler: 0"));
    }

    // What a screen reader announces for the memo and the glyph buttons.
    void BedienelementeHabenNamen()
    {
        TKampfberichtSeite w(m_katalog);
        QCOMPARE(Teil<QPlainTextEdit>(w, "Memo1")->accessibleName(), QStringLiteral("Kampfbericht"));
        for (const char *name : {"SpeedButtonTextLoeschen", "SpeedButtonAuswerten", "SpeedButtonZurueck"}) {
            auto *b = Teil<QToolButton>(w, name);
            QVERIFY2(!b->accessibleName().isEmpty(), name);
            QCOMPARE(b->accessibleName(), b->toolTip());
        }
    }

    // A long report is read on the worker: the window keeps handling events and sees the
    // progress grow step by step.
    void LangerBerichtBleibtBedienbar()
    {
        TKampfberichtSeite w(m_katalog);
        w.show();
        QString text;
        for (int i = 0; i < 60000; ++i)
            text += QStringLiteral("%1:%2 Held #%3 [Axt] greift Ork #%4 an: verursacht %5 Schaden.\n")
                        .arg(i / 240)
                        .arg(i / 4 % 60)
                        .arg(i % 7)
                        .arg(i % 5)
                        .arg(i % 30);
        Teil<QPlainTextEdit>(w, "Memo1")->setPlainText(text);
        auto *balken = Teil<QProgressBar>(w, "ProgressBar1");
        QSignalSpy fertig(&w, &TKampfberichtSeite::AuswertungFertig);
        QSet<int> staende;
        int ticks = 0;
        QTimer uhr;
        connect(&uhr, &QTimer::timeout, [&] {
            ++ticks;
            staende.insert(balken->value());
        });
        uhr.start(5);
        Klicken(w, "SpeedButtonAuswerten");
        QVERIFY(fertig.wait(60000));
        QVERIFY(ticks > 1);
        QVERIFY(staende.size() > 1);
        QCOMPARE(Teil<QTableView>(w, "StringGrid1")->model()->rowCount(), 12);
        QCOMPARE(Text(w, "LabelFehler"), QStringLiteral("Fehler: 0"));
    }

    // A pasted report of 20,000 lines goes in over the event loop: the field is read-only
    // meanwhile, the evaluation reads the whole text, the paste is one undo step, and
    // clearing the field drops what still waits.
    void LangesEinfuegenInScheiben()
    {
        TKampfberichtSeite w(m_katalog);
        w.show();
        QString text;
        for (int i = 0; i < 20000; ++i)
            text += QStringLiteral("%1:%2 Held [Axt] greift Ork an: verursacht %3 Schaden.\n")
                        .arg(i / 240)
                        .arg(i / 4 % 60, 2, 10, QLatin1Char('0'))
                        .arg(i % 30);
        auto *memo = Teil<QPlainTextEdit>(w, "Memo1");
        memo->setPlainText(QStringLiteral("Alt"));
        memo->selectAll();
        QApplication::clipboard()->setText(text);
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(memo->isReadOnly());
        QVERIFY(memo->toPlainText().size() < text.size());
        QTRY_VERIFY(!memo->isReadOnly());
        QCOMPARE(memo->toPlainText(), text); // the selection "Alt" was replaced
        memo->undo();
        QCOMPARE(memo->toPlainText(), QStringLiteral("Alt"));

        // clearing while slices wait: the field stays empty and writable
        memo->clear();
        memo->paste();
        Klicken(w, "SpeedButtonTextLoeschen");
        QApplication::processEvents();
        QVERIFY(memo->toPlainText().isEmpty());
        QVERIFY(!memo->isReadOnly());

        // evaluating at once after the paste reads every line
        memo->paste();
        QSignalSpy fertig(&w, &TKampfberichtSeite::AuswertungFertig);
        Klicken(w, "SpeedButtonAuswerten");
        QVERIFY(fertig.wait(20000));
        QCOMPARE(memo->toPlainText(), text);
        QCOMPARE(Teil<QTableView>(w, "StringGrid1")->model()->rowCount(), 2);
    }

    // 50,000 fighters: the window goes on handling events while the report is read, the
    // table has every row as soon as the evaluation is handed over (its texts are made when
    // drawn), and then the whole table sorts and selects.
    void VieleKaempferFuellenDieTabelleSofort()
    {
        TKampfberichtSeite w(m_katalog);
        w.show();
        QString text;
        for (int i = 0; i < 25000; ++i)
            text += QStringLiteral("0:%1 Held %2 [Axt] greift Ork %2 an: verursacht %3 Schaden.\n")
                        .arg(i % 60)
                        .arg(i)
                        .arg(1 + i % 40);
        Teil<QPlainTextEdit>(w, "Memo1")->setPlainText(text);
        auto *t = Teil<QTableView>(w, "StringGrid1");
        auto *schaden = Teil<QToolButton>(w, "SpeedButtonSchadenAusgeteilt");
        QSignalSpy fertig(&w, &TKampfberichtSeite::AuswertungFertig);
        int ticks = 0;
        QTimer uhr;
        connect(&uhr, &QTimer::timeout, [&] { ++ticks; });
        uhr.start(1);
        int zeilenBeimEnde = -1;
        connect(&w, &TKampfberichtSeite::AuswertungFertig, &w,
                [&] { zeilenBeimEnde = t->model()->rowCount(); });
        Klicken(w, "SpeedButtonAuswerten");
        QVERIFY(fertig.wait(120000));
        uhr.stop();
        QVERIFY(ticks > 1);
        QCOMPARE(zeilenBeimEnde, 50000);
        QVERIFY(!w.AuswertungLaeuft());
        QCOMPARE(t->model()->index(49999, 0).data().toString(), QStringLiteral("Ork 24999"));
        QCOMPARE(t->model()->index(49999, 1).data().toString(), QStringLiteral("0"));
        QVERIFY(schaden->isEnabled());
        QVERIFY(Teil<QToolButton>(w, "SpeedButtonZurueck")->isVisible());
        Klicken(w, "SpeedButtonSchadenAusgeteilt");
        QCOMPARE(t->model()->index(0, 1).data().toString(), QStringLiteral("40"));
        QCOMPARE(t->model()->index(0, 0).data().toString(), QStringLiteral("Held 39"));
        ZeileWaehlen(t, 0);
        QCOMPARE(Text(w, "LabelKaempfername"), QStringLiteral("Held 39"));
    }

    // Not a check: writes the picture of the evaluated tab when MVT_BILDSCHIRMFOTO names a file.
    void Bildschirmfoto()
    {
        const QString ziel = qEnvironmentVariable("MVT_BILDSCHIRMFOTO");
        if (ziel.isEmpty())
            QSKIP("MVT_BILDSCHIRMFOTO nicht gesetzt");
        TKampfberichtSeite w(m_katalog);
        w.show();
        Auswerten(w, Bericht("gruppe.txt"));
        auto *t = Teil<QTableView>(w, "StringGrid1");
        ZeileWaehlen(t, Zeile(t, "Hadrik"));
        QTest::qWait(50);
        QImage bild(w.size(), QImage::Format_RGB32);
        bild.fill(QColor(0xEC, 0xE9, 0xD8)); // the main window's background colour
        QPainter maler(&bild);
        w.render(&maler, QPoint(), QRegion(), QWidget::DrawChildren);
        maler.end();
        QVERIFY(bild.save(ziel));
    }

    void TabelleFuerScreenreaderUndTastatur()
    {
        TKampfberichtSeite w(m_katalog);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Auswerten(w, Bericht("gruppe.txt"));
        auto *t = Teil<QTableView>(w, "StringGrid1");
        // The result has the focus and reads the error count; the caption buttons are for
        // the mouse, the table's header names the columns.
        QCOMPARE(QApplication::focusWidget(), t);
        QAccessibleInterface *zugang = QAccessible::queryAccessibleInterface(t);
        QCOMPARE(zugang->text(QAccessible::Name), QStringLiteral("Kämpfer"));
        QVERIFY(zugang->text(QAccessible::Description).startsWith(Text(w, "LabelFehler")));
        QCOMPARE(Teil<QToolButton>(w, "SpeedButtonSchadenAusgeteilt")->focusPolicy(), Qt::NoFocus);
        QAccessibleTableInterface *tabelle = zugang->tableInterface();
        QCOMPARE(tabelle->columnDescription(0), QStringLiteral("Name"));
        QCOMPARE(tabelle->columnDescription(1), QStringLiteral("Schaden ausgeteilt"));
        QCOMPARE(tabelle->columnDescription(10), QStringLiteral("Ausgewichen"));
        QCOMPARE(
            tabelle->cellAt(0, 1)->tableCellInterface()->columnHeaderCells().first()->text(QAccessible::Name),
            QStringLiteral("Schaden ausgeteilt"));
        // Enter sorts by the current cell's column: first descending, then ascending.
        // Left and Right move along the row, where Enter sorts.
        QTest::keyClick(t, Qt::Key_Right);
        QTest::keyClick(t, Qt::Key_Right);
        QTest::keyClick(t, Qt::Key_Left);
        QCOMPARE(t->currentIndex().column(), 1);
        auto zahlen = [t] {
            QList<int> r;
            for (const QString &z : Spalte(t, 1))
                r << z.toInt();
            return r;
        };
        QTest::keyClick(t, Qt::Key_Return);
        QList<int> ab = zahlen();
        QVERIFY(std::is_sorted(ab.rbegin(), ab.rend()) && ab.first() > ab.last());
        QTest::keyClick(t, Qt::Key_Return);
        QList<int> auf = zahlen();
        QVERIFY(std::is_sorted(auf.begin(), auf.end()));
        // The detail boxes are named areas and tie each caption to its value.
        auto *box = Teil<QScrollArea>(w, "ScrollBoxKB1");
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name),
                 QStringLiteral("Allgemeine Werte"));
        QCOMPARE(Teil<QLabel>(w, "LabelAbsorbX")->buddy(), Teil<QLabel>(w, "LabelAbsorb"));
        // Back: the memo has the focus, not the tab bar.
        Klicken(w, "SpeedButtonZurueck");
        QCOMPARE(QApplication::focusWidget(), Teil<QWidget>(w, "Memo1"));
    }
};

QTEST_MAIN(KampfberichtseiteTest)
#include "KampfberichtseiteTest.moc"
