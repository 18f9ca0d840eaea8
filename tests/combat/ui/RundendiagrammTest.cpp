// Window tests of the chart in the combat tab's detail view and of sharing the table,
// offscreen: evaluate a long duel, pick a fighter, compare a second one, hover a Runde,
// copy the table by the popup menu and by Ctrl+C.
#include "catalogue/Katalog.h"
#include "base/Textdatei.h"
#include "combat/Kampftabelle.h"
#include "combat/Statistiktext.h"
#include "combat/ui/Kampfberichtseite.h"
#include "combat/ui/Rundendiagramm.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

using namespace mvt;

class RundendiagrammTest : public QObject {
    Q_OBJECT

    TKatalog m_katalog;

    template <class T> static T *Teil(QWidget &w, const char *name)
    {
        T *t = w.findChild<T *>(QLatin1String(name));
        if (!t)
            qFatal("Steuerelement %s fehlt", name);
        return t;
    }
    static QString Bericht(const char *name)
    {
        QFile f(QStringLiteral(MVT_TESTDATEN "/combat/") + QLatin1String(name));
        return f.open(QIODevice::ReadOnly) ? TextDekodieren(f.readAll()) : QString();
    }
    static void Auswerten(TKampfberichtSeite &w, const char *bericht)
    {
        Teil<QPlainTextEdit>(w, "Memo1")->setPlainText(Bericht(bericht));
        QSignalSpy fertig(&w, &TKampfberichtSeite::AuswertungFertig);
        QTest::mouseClick(Teil<QToolButton>(w, "SpeedButtonAuswerten"), Qt::LeftButton);
        QVERIFY(fertig.wait(10000));
    }
    static QPoint Zeilenmitte(QTableView *t, const QString &name)
    {
        for (int r = 0; r < t->model()->rowCount(); ++r)
            if (t->model()->index(r, 0).data().toString() == name)
                return t->visualRect(t->model()->index(r, 0)).center();
        qFatal("keine Zeile");
    }
    static QStringList Namen(QTableView *t)
    {
        QStringList r;
        for (int i = 0; i < t->model()->rowCount(); ++i)
            r << t->model()->index(i, 0).data().toString();
        return r;
    }
    // The figures of one Runde of a fighter, 0 for a Runde without a booking.
    static TRundenwerte Runde(const TKaempfer &k, int runde)
    {
        for (const TRundenwerte &r : k.ProRunde)
            if (r.Runde == runde)
                return r;
        TRundenwerte leer;
        leer.Runde = runde;
        return leer;
    }
    static int Farbpunkte(const QImage &bild, const QColor &farbe)
    {
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                n += std::abs(c.red() - farbe.red()) + std::abs(c.green() - farbe.green()) +
                         std::abs(c.blue() - farbe.blue()) <
                     40;
            }
        return n;
    }

private slots:
    void initTestCase() { KatalogFuellen(m_katalog); }

    void DiagrammDesGewaehltenKaempfers()
    {
        TKampfberichtSeite w(m_katalog);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Auswerten(w, "duell.txt");
        auto *t = Teil<QTableView>(w, "StringGrid1");
        auto *d = Teil<TRundendiagramm>(w, "Rundendiagramm");
        QVERIFY(d->isHidden()); // no fighter chosen yet
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, Zeilenmitte(t, "Hadrik"));
        // The boxes come first; the switch in their caption row puts the chart in their place.
        auto *box = Teil<QWidget>(w, "ScrollBoxKB1");
        auto *verlauf = Teil<QToolButton>(w, "SpeedButtonVerlauf");
        QVERIFY(box->isVisible() && d->isHidden() && verlauf->isVisible());
        QCOMPARE(box->height(), 270); // the detail values keep their room
        QTest::mouseClick(verlauf, Qt::LeftButton);
        QVERIFY(d->isVisible() && box->isHidden());
        QCOMPARE(d->geometry().top(), box->geometry().top());
        QVERIFY(d->geometry().bottom() < Teil<QWidget>(w, "SpeedButtonZurueck")->geometry().top());
        QCOMPARE(d->width(), w.width() - 16);
        // The switch stays on for the next fighter and is a toggle a screen reader can name.
        QAccessibleInterface *schalter = QAccessible::queryAccessibleInterface(verlauf);
        QCOMPARE(schalter->text(QAccessible::Name), QStringLiteral("Verlauf pro Runde"));
        QVERIFY(schalter->state().checkable && schalter->state().checked);

        const TKaempfer &h = *KaempferFinden(w.Auswertung(), "Hadrik");
        QCOMPARE(w.Auswertung().Runden, 24);

        // Accessible name and the numbers as text.
        QAccessibleInterface *zugang = QAccessible::queryAccessibleInterface(d);
        QVERIFY(zugang);
        QCOMPARE(zugang->text(QAccessible::Name), QStringLiteral("Verlauf pro Runde"));
        const QString beschreibung = zugang->text(QAccessible::Description);
        const TKampfstatus &g = h.Status[Gesamt];
        QVERIFY2(beschreibung.startsWith(QStringLiteral("Hadrik in 24 Runden: Schaden ausgeteilt %1, Schaden "
                                                        "erhalten %2, Heilung ausgeteilt %3.")
                                             .arg(g.Schaden)
                                             .arg(g.SchadenErhalten)
                                             .arg(g.Heilung)),
                 qPrintable(beschreibung));
        // A chart with a short summary: the Runden are read one by one as its value.
        QCOMPARE(zugang->role(), QAccessible::Chart);
        QVERIFY2(beschreibung.size() < 300 && !beschreibung.contains(QStringLiteral("Runde 5")),
                 qPrintable(beschreibung));

        // The tool tip of the Runde under the mouse.
        QPoint wo;
        for (int x = 0; x < d->width() && wo.isNull(); ++x)
            if (d->RundeBei(QPoint(x, d->height() / 2)) == 7)
                wo = QPoint(x, d->height() / 2);
        QVERIFY(!wo.isNull());
        QTest::mouseMove(d, wo);
        QTRY_VERIFY(QToolTip::isVisible());
        const TRundenwerte r7 = Runde(h, 7);
        QCOMPARE(QToolTip::text(), QStringLiteral("Runde 7\nSchaden ausgeteilt: %1\nSchaden erhalten: %2\n"
                                                  "Heilung ausgeteilt: %3")
                                       .arg(r7.Schaden)
                                       .arg(r7.SchadenErhalten)
                                       .arg(r7.Heilung));
        QVERIFY(r7.Schaden > 0 && r7.SchadenErhalten > 0);
        QToolTip::hideText();

        // Reachable by Tab from the table; the arrow keys walk the Runden with the tool tip.
        t->setFocus();
        QTest::keyClick(t, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), verlauf);
        QTest::keyClick(verlauf, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d);
        QTest::keyClick(d, Qt::Key_Home);
        QTest::keyClick(d, Qt::Key_Right);
        QTRY_VERIFY(QToolTip::text().startsWith(QStringLiteral("Runde 2\n")));
        QToolTip::hideText();
        const TRundenwerte r2 = Runde(h, 2);
        QCOMPARE(
            zugang->text(QAccessible::Value),
            QStringLiteral("Runde 2, Schaden ausgeteilt: %1, Schaden erhalten: %2, Heilung ausgeteilt: %3")
                .arg(r2.Schaden)
                .arg(r2.SchadenErhalten)
                .arg(r2.Heilung));
        QCOMPARE(zugang->valueInterface()->currentValue().toInt(), 2);

        // Ctrl+click on a second fighter adds its damage line and keeps the first selected.
        const QColor vergleich(0xE6, 0x7E, 0x00), ausgeteilt(0xC6, 0x28, 0x28), erhalten(0x15, 0x65, 0xC0),
            heilung(0x2E, 0x7D, 0x32);
        QImage vorher = d->grab().toImage();
        QVERIFY(Farbpunkte(vorher, ausgeteilt) > 100);
        QVERIFY(Farbpunkte(vorher, erhalten) > 100);
        QVERIFY(Farbpunkte(vorher, heilung) > 100);
        QCOMPARE(Farbpunkte(vorher, vergleich), 0);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::ControlModifier, Zeilenmitte(t, "Höhlentroll"));
        QCOMPARE(t->model()->index(t->selectionModel()->selection().first().top(), 0).data().toString(),
                 QStringLiteral("Hadrik"));
        QCOMPARE(d->Kaempfername(), QStringLiteral("Hadrik"));
        QCOMPARE(d->Vergleichsname(), QStringLiteral("Höhlentroll"));
        QVERIFY(Farbpunkte(d->grab().toImage(), vergleich) > 50);
        QTest::mouseMove(d, wo + QPoint(0, 3)); // the same Runde, a little lower
        QTRY_VERIFY(QToolTip::text().contains(
            QStringLiteral("Schaden ausgeteilt: Höhlentroll: %1")
                .arg(Runde(*KaempferFinden(w.Auswertung(), "Höhlentroll"), 7).Schaden)));
        QToolTip::hideText();

        // At 200 % the lines are drawn as well, twice as fine.
        QPixmap doppelt(d->size() * 2);
        doppelt.setDevicePixelRatio(2.0);
        d->render(&doppelt);
        const QImage gross = doppelt.toImage();
        QVERIFY(Farbpunkte(gross, ausgeteilt) > 2 * Farbpunkte(vorher, ausgeteilt));
        QVERIFY(Farbpunkte(gross, vergleich) > 100);

        // A second Ctrl+click removes the comparison; a plain click changes the fighter.
        QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::ControlModifier, Zeilenmitte(t, "Höhlentroll"));
        QCOMPARE(d->Vergleichsname(), QString());
        // From the keyboard: Page Down in the chart steps through the other fighters, past the
        // last back to none, and the summary names the one compared.
        d->setFocus();
        QStringList verglichen;
        for (int i = 0; i < t->model()->rowCount(); ++i) {
            QTest::keyClick(d, Qt::Key_PageDown);
            verglichen << d->Vergleichsname();
        }
        QCOMPARE(verglichen.size(), t->model()->rowCount());
        QVERIFY(!verglichen.contains(QStringLiteral("Hadrik")));
        QCOMPARE(verglichen.last(), QString());
        QCOMPARE(verglichen.count(QString()), 1);
        QTest::keyClick(d, Qt::Key_PageUp);
        QCOMPARE(d->Vergleichsname(), verglichen[verglichen.size() - 2]);
        QVERIFY(zugang->text(QAccessible::Description)
                    .contains(QStringLiteral("Vergleich mit ") + d->Vergleichsname()));
        QVERIFY(zugang->text(QAccessible::Value).contains(d->Vergleichsname()));
        QTest::keyClick(d, Qt::Key_PageDown);
        QCOMPARE(d->Vergleichsname(), QString());
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, Zeilenmitte(t, "Mirla die Weise"));
        QCOMPARE(d->Kaempfername(), QStringLiteral("Mirla die Weise"));
        QVERIFY(d->isVisible() && box->isHidden());
        // Space on the switch brings the boxes back.
        verlauf->setFocus();
        QTest::keyClick(verlauf, Qt::Key_Space);
        QVERIFY(d->isHidden() && box->isVisible());
        QTest::keyClick(verlauf, Qt::Key_Space);

        // The chart follows the page's size.
        w.resize(1000, 700);
        QCOMPARE(d->width(), 1000 - 16);
        QVERIFY(d->geometry().bottom() < 700 - 30);
    }

    // The number of the last Runde stands under the right end of the plot: at every width
    // and length of fight it is drawn whole ("1000(" was all that showed of 100000).
    void LetzteRundenzahlPasstInsBild()
    {
        for (const int runden : {9, 100'000, 1'100'000}) {
            TKaempfer k;
            k.Name = QStringLiteral("Hadrik");
            for (int r : {1, runden / 2, runden}) {
                TRundenwerte w;
                w.Runde = r;
                w.Schaden = 40;
                k.ProRunde.push_back(w);
            }
            for (const int breite : {300, 768, 1536}) {
                TRundendiagramm d;
                QFont klein = d.font();
                klein.setPixelSize(10); // as on the tab
                d.setFont(klein);
                d.resize(breite, 270);
                d.KaempferSetzen(&k, runden);
                const QImage bild = d.grab().toImage();
                // The row of Runde numbers: the lowest line of text, above the frame.
                const int zeile = QFontMetrics(klein).height();
                int links = breite, rechts = -1;
                for (int y = bild.height() - zeile - 2; y < bild.height() - 2; ++y)
                    for (int x = 1; x < breite - 1; ++x)
                        if (qGray(bild.pixel(x, y)) < 128) {
                            links = std::min(links, x);
                            rechts = std::max(rechts, x);
                        }
                const QString wo = QStringLiteral("%1 Runden, %2 px").arg(runden).arg(breite);
                // No number touches the frame; 100000, a number of the scale, is the last one
                // and stands at the right end.
                QVERIFY2(rechts < breite - 3, qPrintable(wo));
                QVERIFY2(links > 1, qPrintable(wo));
                if (runden == 100'000)
                    QVERIFY2(rechts > breite - 12 -
                                          QFontMetrics(klein).horizontalAdvance(QStringLiteral("100000")),
                             qPrintable(wo));
            }
        }
    }

    void TabelleTeilen()
    {
        TKampfberichtSeite w(m_katalog);
        w.show();
        Auswerten(w, "gemischt.txt");
        auto *t = Teil<QTableView>(w, "StringGrid1");
        // Sort by damage taken, as the player sees it, then share.
        QTest::mouseClick(Teil<QToolButton>(w, "SpeedButtonSchadenEingesteckt"), Qt::LeftButton);
        const QStringList reihenfolge = Namen(t);
        QVERIFY(reihenfolge != QStringList({"Troll #3", "Mirla", "Ork #1", "Hadrik", "Ork #2"}));

        // Ctrl+C on the table: tab-separated in the order shown, nothing but the table.
        t->setFocus();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier);
        const QStringList tabelle = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(tabelle.size(), 7);
        QVERIFY(tabelle[0].startsWith("Name\tSchaden ausgeteilt\t"));
        for (int i = 0; i < 5; ++i) {
            const QStringList zellen = tabelle[i + 1].split('\t');
            QCOMPARE(zellen.size(), 13);
            QCOMPARE(zellen[0], reihenfolge[i]);
            QCOMPARE(zellen[8], t->model()->index(i, 8).data().toString());
        }
        QCOMPARE(tabelle[6], QString()); // the final line break; the error count is the forum text's

        // The popup menu on the table, as the platform sends it after a right click.
        const QPoint wo = t->visualRect(t->model()->index(1, 2)).center();
        QTest::mouseClick(t->viewport(), Qt::RightButton, {}, wo);
        QContextMenuEvent menue(QContextMenuEvent::Mouse, wo, t->viewport()->mapToGlobal(wo));
        QApplication::sendEvent(t->viewport(), &menue);
        auto *popup = Teil<QMenu>(w, "PopupMenuStatistik");
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(popup->actions().size(), 2);
        QCOMPARE(popup->actions()[0]->text(), QStringLiteral("Als Forumtext kopieren"));
        QCOMPARE(popup->actions()[1]->text(), QStringLiteral("Als Tabelle kopieren"));
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(popup->actions()[0]).center());
        QTRY_VERIFY(!popup->isVisible());
        const QString forum = QGuiApplication::clipboard()->text();
        QVERIFY(forum.startsWith(QStringLiteral("[b]Kampfbericht: ")));
        QVERIFY(forum.endsWith(QStringLiteral("[/code]\nFehler: 3\n")));
        const QStringList zeilen = forum.split('\n');
        // Title, [code], two caption lines, rule, then the fighters in the order shown.
        for (int i = 0; i < 5; ++i)
            QVERIFY2(zeilen[5 + i].startsWith(reihenfolge[i] + ' '), qPrintable(zeilen[5 + i]));

        // The menu's copy for a spreadsheet is the same as Ctrl+C.
        QApplication::sendEvent(t->viewport(), &menue);
        QTRY_VERIFY(popup->isVisible());
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(popup->actions()[1]).center());
        QCOMPARE(QGuiApplication::clipboard()->text(), tabelle.join('\n'));
    }
};

QTEST_MAIN(RundendiagrammTest)
#include "RundendiagrammTest.moc"
