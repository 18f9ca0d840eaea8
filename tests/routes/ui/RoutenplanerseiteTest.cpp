// Window tests of the route tab and the map window, offscreen: searches on the worker,
// the order list and its figures, the order range, saved routes, the transfer with the
// browser replaced by a recorder, and the map's zoom, mouse and painting.
#include "../../Fenstertests.h"
#include "base/Meldung.h"
#include "routes/Kartenmodell.h"
#include "routes/RoutenSitzung.h"
#include "routes/Stadtliste.h"
#include "routes/ui/Kartenfenster.h"
#include "routes/ui/Routenplanerseite.h"
#include "Routenplanerelemente.h"
#include "Routenstand.h"
#include "ui/Sitzung.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QUrlQuery>

#include <memory>
#include <optional>

using namespace mvt;
using namespace mvt::routen;

namespace {

struct TUmgebung : test::TRoutenstand {
    std::unique_ptr<TRoutenplanerSeite> seite;
    std::optional<test::TRoutenplanerElemente> e;
    std::unique_ptr<TForm8> karte;
    QList<QUrl> links;
    QStringList statusBeiLink;
    bool gesperrtBeiLink = true;

    explicit TUmgebung(int welt = 1) : TRoutenstand(welt)
    {
        optionen.TransmissionInterval = KleinstesUebertragungsintervall;
        seite = std::make_unique<TRoutenplanerSeite>(teil, optionen);
        e.emplace(*seite);
        karte = std::make_unique<TForm8>(sitzung, teil, nullptr);
        karte->FormCreate();
        seite->KarteAnbinden(karte.get());
        seite->UrlOeffnen = [this](const QUrl &u) {
            links << u;
            statusBeiLink << e->LabelUebertragung->text();
            gesperrtBeiLink = gesperrtBeiLink && !e->SpeedButtonRouteBerechnen->isEnabled() &&
                              !e->SpinEditAuftraege->isEnabled() && !e->RadioButtonMap[1]->isEnabled() &&
                              !e->StringGrid3->isEnabled() && !e->SpeedButtonRouteUebertragen->isEnabled();
        };
        seite->show();
        // focus changes (leaving an edit) need an active window
        seite->activateWindow();
        if (!QTest::qWaitForWindowActive(seite.get()))
            qWarning("Fenster nicht aktiv");
    }
    void Welt(int w) { e->RadioButtonMap[size_t(w - 1)]->click(); }
    void Koordinaten(int sx, int sy, int zx, int zy)
    {
        e->EditStartX->setText(QString::number(sx));
        e->EditStartY->setText(QString::number(sy));
        e->EditZielX->setText(QString::number(zx));
        e->EditZielY->setText(QString::number(zy));
    }
    bool Rechnen(int sx, int sy, int zx, int zy)
    {
        Koordinaten(sx, sy, zx, zy);
        QSignalSpy fertig(seite.get(), &TRoutenplanerSeite::RouteBerechnet);
        QTest::mouseClick(e->SpeedButtonRouteBerechnen, Qt::LeftButton);
        return fertig.wait(20000);
    }
    bool Uebertragen(int von, int bis)
    {
        e->SpinEditVonAuftrag->setValue(von);
        e->SpinEditBisAuftrag->setValue(bis);
        QSignalSpy fertig(seite.get(), &TRoutenplanerSeite::UebertragungBeendet);
        QTest::mouseClick(e->SpeedButtonRouteUebertragen, Qt::LeftButton);
        return fertig.wait(20000);
    }
    QStringList Spalte(QTableWidget *t, int s) const
    {
        QStringList r;
        for (int i = 0; i < t->rowCount(); ++i)
            r << (t->item(i, s) ? t->item(i, s)->text() : QString());
        return r;
    }
};

QString Abfrage(const QUrl &u, const char *schluessel)
{
    return QUrlQuery(u).queryItemValue(QLatin1String(schluessel));
}

} // namespace

class RoutenplanerseiteTest : public QObject {
    Q_OBJECT

private slots:
    void AngrenzendeFelderUndSperrenWaehrendDerSuche()
    {
        TUmgebung u;
        TRoutenplanerSeite &s = *u.seite;
        const test::TRoutenplanerElemente &e = *u.e;
        QVERIFY(!e.StringGrid2->isVisible());
        QVERIFY(!e.SpinEditAuftraege->isEnabled());
        u.Koordinaten(50, 50, 51, 50);
        QSignalSpy fertig(&s, &TRoutenplanerSeite::RouteBerechnet);
        QTest::mouseClick(e.SpeedButtonRouteBerechnen, Qt::LeftButton);
        // calculating: every control that could start a second search is off
        QVERIFY(!e.SpeedButtonRouteBerechnen->isEnabled());
        QVERIFY(!e.SpeedButtonSwap->isEnabled());
        for (QRadioButton *r : e.RadioButtonMap)
            QVERIFY(!r->isEnabled());
        QVERIFY(!e.StringGrid3->isEnabled());
        QVERIFY(e.ProgressBar2->isVisible());
        QVERIFY(e.LabelBitteWarten->isVisible());
        QVERIFY(!e.LabelHinweis1->isVisible());
        QCOMPARE(e.LabelUebertragung->text(), QStringLiteral("Keine Übertragung"));
        QVERIFY(fertig.wait(10000));

        QVERIFY(e.SpeedButtonRouteBerechnen->isEnabled());
        QVERIFY(e.RadioButtonMap[2]->isEnabled());
        QVERIFY(!e.ProgressBar2->isVisible());
        QVERIFY(e.StringGrid2->isVisible());
        QVERIFY(e.SpinEditAuftraege->isEnabled());
        QCOMPARE(e.StringGrid2->rowCount(), 1);
        QCOMPARE(e.StringGrid2->item(0, 0)->text(), QStringLiteral("1."));
        QCOMPARE(e.StringGrid2->item(0, 1)->text(), QStringLiteral("Reise nach 51:50"));
        QCOMPARE(e.LabelZeitersparnis1->text(), QStringLiteral("0:00:00   (0 min)   (0 %)"));
        QCOMPARE(e.LabelOptimalitaet1->text(), QStringLiteral("100 %"));
        QCOMPARE(e.LabelAuftragsanzahl1->text(), QStringLiteral("1"));
        QCOMPARE(e.LabelFelder1->text(), QStringLiteral("1"));
        for (const Wegpunktliste &v : s.Routenvarianten())
            QCOMPARE(v.Anzahl(), 2);
        // the shown route is marked on the map
        QVERIFY(u.karte->Routenmarkierung().Markiert(50, 50));
        QVERIFY(u.karte->Routenmarkierung().Markiert(51, 50));
        QVERIFY(!u.karte->ErstesZeigen);
    }

    void StartGleichZielUndKoordinatenAusserhalb()
    {
        TUmgebung u;
        TRoutenplanerSeite &s = *u.seite;
        const test::TRoutenplanerElemente &e = *u.e;
        u.Koordinaten(70, 70, 70, 70);
        QTest::mouseClick(e.SpeedButtonRouteBerechnen, Qt::LeftButton);
        QVERIFY(e.SpeedButtonRouteBerechnen->isEnabled());
        QVERIFY(!s.BerechnungLaeuft());
        QVERIFY(!e.ProgressBar2->isVisible());

        // typed keys: only digits get through, at most three
        e.EditStartX->clear();
        e.EditStartX->setFocus();
        QTest::keyClicks(e.EditStartX, QStringLiteral("1a-2.34"));
        QCOMPARE(e.EditStartX->text(), QStringLiteral("123"));
        // leaving: "000" becomes 100, a value above the map the map size
        e.EditStartX->setText(QStringLiteral("000"));
        e.EditStartY->setFocus();
        QCOMPARE(e.EditStartX->text(), QStringLiteral("100"));
        u.Welt(3);
        e.EditStartY->setText(QStringLiteral("150"));
        e.EditZielX->setFocus();
        QCOMPARE(e.EditStartY->text(), QStringLiteral("120"));

        // a pasted value off the map or no number never starts a search
        MeldungsRekorder meldungen;
        u.Koordinaten(10, 10, 20, 20);
        e.EditZielX->setText(QStringLiteral("-5"));
        QTest::mouseClick(e.SpeedButtonRouteBerechnen, Qt::LeftButton);
        QVERIFY(!s.BerechnungLaeuft());
        QVERIFY(e.SpeedButtonRouteBerechnen->isEnabled());
        e.EditZielX->setText(QStringLiteral("x1"));
        QTest::mouseClick(e.SpeedButtonRouteBerechnen, Qt::LeftButton);
        QVERIFY(!s.BerechnungLaeuft());
        // both are told, the negative one as a coordinate off the map
        QCOMPARE(meldungen.Meldungen,
                 (QStringList{QStringLiteral("Fehler: '-5' ist keine gültige Koordinate (1 bis 120)."),
                              QStringLiteral("Fehler: 'x1' ist kein gültiger Integerwert.")}));

        // swap
        u.Koordinaten(1, 2, 3, 4);
        QTest::mouseClick(e.SpeedButtonSwap, Qt::LeftButton);
        QCOMPARE(e.EditStartX->text() + e.EditStartY->text() + e.EditZielX->text() + e.EditZielY->text(),
                 QStringLiteral("3412"));

        // Enter in a coordinate edit calculates
        QSignalSpy fertig(&s, &TRoutenplanerSeite::RouteBerechnet);
        e.EditZielY->setFocus();
        QTest::keyClick(e.EditZielY, Qt::Key_Return);
        QVERIFY(s.BerechnungLaeuft());
        QVERIFY(fertig.wait(10000));
        QCOMPARE(e.StringGrid2->item(e.StringGrid2->rowCount() - 1, 1)->text(),
                 QStringLiteral("Reise nach 1:2"));
    }

    void MaxAuftraegeEinsUndZehn()
    {
        TUmgebung u;
        TRoutenplanerSeite &s = *u.seite;
        const test::TRoutenplanerElemente &e = *u.e;
        u.Welt(3);
        QVERIFY(u.Rechnen(20, 20, 40, 50));
        QCOMPARE(e.LabelOptimaleLaenge1->text(), QStringLiteral("3"));
        QCOMPARE(e.SpinEditAuftraege->value(), 10);
        QCOMPARE(e.StringGrid2->rowCount(), 3);
        QCOMPARE(e.LabelAuftragsanzahl1->text(), QStringLiteral("3"));
        QCOMPARE(e.LabelOptimalitaet1->text(), QStringLiteral("100 %"));
        for (int k = 3; k < 100; ++k)
            QCOMPARE(s.Routenvarianten()[size_t(k)], s.Routenvarianten()[2]);
        QCOMPARE(e.StringGrid2->item(2, 1)->text(), QStringLiteral("Reise nach 40:50"));

        e.SpinEditAuftraege->setValue(1);
        QCOMPARE(e.StringGrid2->rowCount(), 1);
        QCOMPARE(e.StringGrid2->item(0, 1)->text(), QStringLiteral("Reise nach 40:50"));
        QVERIFY(e.LabelZeitersparnis1->text().startsWith(QStringLiteral("0:00:00   (0 min)   (0 %)")));
        QCOMPARE(e.LabelOptimalitaet1->text(), QStringLiteral("0 %"));
        // an empty text waits until the edit is left, then it is 1
        e.SpinEditAuftraege->setValue(10);
        e.SpinEditAuftraege->setFocus();
        e.SpinEditAuftraege->clear();
        QCOMPARE(e.StringGrid2->rowCount(), 3);
        e.SpinEditVonAuftrag->setFocus();
        QCOMPARE(e.SpinEditAuftraege->value(), 1);
    }

    void AuftragsbereichUeberDieSpinEdits()
    {
        TUmgebung u;
        const test::TRoutenplanerElemente &e = *u.e;
        u.Welt(3);
        QVERIFY(u.Rechnen(1, 1, 120, 120));
        e.SpinEditAuftraege->setValue(25);
        if (e.LabelAuftragsanzahl1->text() != QStringLiteral("25"))
            QSKIP("the map gives this route fewer than 25 orders");
        QCOMPARE(e.SpinEditVonAuftrag->value(), 1);
        QCOMPARE(e.SpinEditBisAuftrag->value(), 10);
        QCOMPARE(e.SpinEditBisAuftrag->maximum(), 25);
        e.SpinEditVonAuftrag->setValue(20);
        QCOMPARE(e.SpinEditBisAuftrag->value(), 20);
        e.SpinEditBisAuftrag->setValue(25);
        QCOMPARE(e.SpinEditVonAuftrag->value(), 20);
        e.SpinEditBisAuftrag->setValue(3);
        QCOMPARE(e.SpinEditVonAuftrag->value(), 3);
        e.SpinEditBisAuftrag->setValue(25);
        QCOMPARE(e.SpinEditVonAuftrag->value(), 16);
        e.SpinEditVonAuftrag->setValue(1);
        QCOMPARE(e.SpinEditBisAuftrag->value(), 10);
    }

    void SpeichernLadenLoeschen()
    {
        TUmgebung u;
        TRoutenplanerSeite &s = *u.seite;
        const test::TRoutenplanerElemente &e = *u.e;
        QCOMPARE(e.StringGrid3->rowCount(), 1);
        QVERIFY(u.Rechnen(10, 10, 30, 40));
        const TRoutenvarianten berechnet = s.Routenvarianten();
        const QStringList figuren = {e.LabelReisezeit1->text(),     e.LabelZeitersparnis1->text(),
                                     e.LabelOptimalitaet1->text(),  e.LabelFelder1->text(),
                                     e.LabelZeitProFeld1->text(),   e.LabelAuftragsanzahl1->text(),
                                     e.LabelOptimaleLaenge1->text()};
        const QStringList auftraege = u.Spalte(e.StringGrid2, 1);

        // 30 characters leave 6; more than 36 are not taken
        e.EditRouteSpeichern->setFocus();
        QTest::keyClicks(e.EditRouteSpeichern, QString(30, QLatin1Char('a')));
        QCOMPARE(s.findChild<QLabel *>(QStringLiteral("LabelRouteSpeichern"))->text(),
                 QStringLiteral("Name (6 Zeichen übrig)"));
        QTest::keyClicks(e.EditRouteSpeichern, QString(10, QLatin1Char('b')));
        QCOMPARE(e.EditRouteSpeichern->text().size(), 36);
        e.EditRouteSpeichern->setText(QStringLiteral("Zum Hafen"));
        QTest::keyClick(e.EditRouteSpeichern, Qt::Key_Return); // Enter saves
        QCOMPARE(e.EditRouteSpeichern->text(), QString());
        QCOMPARE(e.StringGrid3->rowCount(), 1);
        QCOMPARE(e.StringGrid3->item(0, 0)->text(), QStringLiteral("Zum Hafen"));
        QCOMPARE(e.StringGrid3->item(0, 1)->text(), QStringLiteral("10:10"));
        QCOMPARE(e.StringGrid3->item(0, 2)->text(), QStringLiteral("30:40"));
        QCOMPARE(u.routen.Welt(1)->size(), size_t(1)); // kept for the options file
        QCOMPARE(u.routen.Welt(1)->front().Auftraege, 10);

        // another route, then load the saved one: same variants, list and figures
        QVERIFY(u.Rechnen(60, 60, 70, 90));
        e.StringGrid3->setFocus();
        e.StringGrid3->setCurrentCell(0, 0);
        QCOMPARE(e.EditStartX->text() + QLatin1Char(':') + e.EditStartY->text(), QStringLiteral("10:10"));
        QCOMPARE(e.EditZielX->text() + QLatin1Char(':') + e.EditZielY->text(), QStringLiteral("30:40"));
        for (size_t k = 0; k < berechnet.size(); ++k)
            QCOMPARE(s.Routenvarianten()[k], berechnet[k]);
        QCOMPARE(u.Spalte(e.StringGrid2, 1), auftraege);
        QCOMPARE(
            QStringList({e.LabelReisezeit1->text(), e.LabelZeitersparnis1->text(),
                         e.LabelOptimalitaet1->text(), e.LabelFelder1->text(), e.LabelZeitProFeld1->text(),
                         e.LabelAuftragsanzahl1->text(), e.LabelOptimaleLaenge1->text()}),
            figuren);
        QCOMPARE(e.LabelUebertragung->text(), QStringLiteral("Keine Übertragung"));

        // saved routes belong to their world
        u.Welt(2);
        QVERIFY(!e.StringGrid2->isVisible());
        QVERIFY(!e.SpinEditAuftraege->isEnabled());
        QVERIFY(u.karte->Routenmarkierung().Leer());
        QCOMPARE(e.StringGrid3->item(0, 0)->text(), QString());
        u.Welt(1);
        QCOMPARE(e.StringGrid3->item(0, 0)->text(), QStringLiteral("Zum Hafen"));

        // Delete without a selected row removes nothing; with it the only route goes
        e.StringGrid3->setFocus();
        QTest::keyClick(e.StringGrid3, Qt::Key_Delete);
        QCOMPARE(u.routen.Welt(1)->size(), size_t(1));
        e.StringGrid3->setCurrentCell(0, 0);
        e.StringGrid3->selectRow(0);
        QTest::keyClick(e.StringGrid3, Qt::Key_Delete);
        QCOMPARE(e.StringGrid3->rowCount(), 1);
        QCOMPARE(e.StringGrid3->item(0, 0)->text(), QString());
        QVERIFY(u.routen.Welt(1)->empty());
        QCOMPARE(e.StringGrid3->horizontalHeaderItem(0)->text(), QStringLiteral("Gespeicherte Routen"));
    }

    void SpeichernNachDemCursor()
    {
        TUmgebung u;
        const test::TRoutenplanerElemente &e = *u.e;
        QVERIFY(u.Rechnen(10, 10, 30, 40));
        auto speichern = [&](const QString &name) {
            e.EditRouteSpeichern->setFocus();
            e.EditRouteSpeichern->setText(name);
            QTest::keyClick(e.EditRouteSpeichern, Qt::Key_Return);
        };
        auto namen = [&] {
            QStringList n;
            for (const TGespeicherteRoute &r : *u.routen.Welt(1))
                n << r.Name;
            return n;
        };
        for (const char *n : {"A", "B", "C"})
            speichern(QLatin1String(n));
        QCOMPARE(namen(), QStringList({"A", "B", "C"}));
        // Deleting the first route puts the cursor on its successor: the next route goes in
        // after that one, and the one after it behind the new one.
        e.StringGrid3->setFocus();
        e.StringGrid3->setCurrentCell(0, 0);
        e.StringGrid3->selectRow(0);
        QTest::keyClick(e.StringGrid3, Qt::Key_Delete);
        QCOMPARE(namen(), QStringList({"B", "C"}));
        speichern(QStringLiteral("D"));
        QCOMPARE(namen(), QStringList({"B", "D", "C"}));
        speichern(QStringLiteral("E"));
        QCOMPARE(namen(), QStringList({"B", "D", "E", "C"}));
        // A world switch keeps each world's cursor.
        u.Welt(2);
        u.Welt(1);
        QVERIFY(u.Rechnen(10, 10, 30, 40));
        speichern(QStringLiteral("F"));
        QCOMPARE(namen(), QStringList({"B", "D", "E", "F", "C"}));
        QCOMPARE(u.Spalte(e.StringGrid3, 0), namen()); // the table shows the list as it is kept
    }

    void EineListeMitDemProgrammzustand()
    {
        // The tab edits the program state's list itself: what it saves or deletes is there at
        // once, and what changed in the state meanwhile is neither lost nor overwritten.
        TUmgebung u;
        TRoutenplanerSeite &s = *u.seite;
        const test::TRoutenplanerElemente &e = *u.e;
        QVERIFY(u.Rechnen(10, 10, 30, 40));
        auto speichern = [&](const QString &name) {
            e.EditRouteSpeichern->setFocus();
            e.EditRouteSpeichern->setText(name);
            QTest::keyClick(e.EditRouteSpeichern, Qt::Key_Return);
        };
        auto namen = [&] {
            QStringList n;
            for (const TGespeicherteRoute &r : *u.routen.Welt(1))
                n << r.Name;
            return n;
        };
        speichern(QStringLiteral("A"));
        QCOMPARE(namen(), QStringList{QStringLiteral("A")});
        // changed in the state, the tab not told: its next save keeps the other route
        u.routen.Welt(1)->push_back(TGespeicherteRoute{QStringLiteral("Fremd"), 4, {{1, 1}, {2, 2}}});
        speichern(QStringLiteral("B"));
        QCOMPARE(namen(), QStringList({"A", "Fremd", "B"}));
        QCOMPARE(u.Spalte(e.StringGrid3, 0), namen());

        // read again with fewer routes, then told to refresh
        *u.routen.Welt(1) = {TGespeicherteRoute{QStringLiteral("Neu"), 7, {{5, 5}, {6, 7}, {9, 9}}}};
        s.GespeicherteRoutenZeigen();
        QCOMPARE(u.Spalte(e.StringGrid3, 0), QStringList{QStringLiteral("Neu")});
        QCOMPARE(e.StringGrid3->item(0, 1)->text(), QStringLiteral("5:5"));
        // selecting loads the state's route
        e.StringGrid3->setFocus();
        QTest::keyClick(e.StringGrid3, Qt::Key_Down);
        QCOMPARE(e.EditStartX->text() + QLatin1Char(':') + e.EditStartY->text(), QStringLiteral("5:5"));
        QCOMPARE(e.EditZielX->text() + QLatin1Char(':') + e.EditZielY->text(), QStringLiteral("9:9"));
        QCOMPARE(e.SpinEditAuftraege->value(), 7);
        // deleting through the tab removes it from the state at once
        QTest::keyClick(e.StringGrid3, Qt::Key_Delete);
        QVERIFY(u.routen.Welt(1)->empty());
        QCOMPARE(e.StringGrid3->item(0, 0)->text(), QString());
    }

    void JedesSteuerelementObenAufSeinerStelle()
    {
        // The areas are widgets of their own and partly overlap: a mouse press at any
        // control's centre must reach that control, not an area lying over it.
        TUmgebung u;
        TRoutenplanerSeite &s = *u.seite;
        const test::TRoutenplanerElemente &e = *u.e;
        QVERIFY(u.Rechnen(10, 10, 30, 40));
        int geprueft = 0;
        for (QWidget *w : s.findChildren<QWidget *>()) {
            const bool bedienbar =
                qobject_cast<QAbstractButton *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
                qobject_cast<QTableWidget *>(w) ||
                (qobject_cast<QLineEdit *>(w) && !qobject_cast<QAbstractSpinBox *>(w->parentWidget()));
            if (!bedienbar || !w->isVisible())
                continue;
            const QPoint mitte = w->mapTo(&s, w->rect().center());
            QWidget *oben = s.childAt(mitte);
            QVERIFY2(oben && (oben == w || w->isAncestorOf(oben)), qPrintable(w->objectName()));
            ++geprueft;
        }
        QVERIFY(geprueft >= 15);
        // a real click on the transfer button in the order list's corner starts a transfer
        const QPoint knopf =
            e.SpeedButtonRouteUebertragen->mapTo(&s, e.SpeedButtonRouteUebertragen->rect().center());
        QSignalSpy fertig(&s, &TRoutenplanerSeite::UebertragungBeendet);
        QTest::mouseClick(s.childAt(knopf), Qt::LeftButton);
        QVERIFY(s.UebertragungLaeuft());
        QVERIFY(fertig.wait(20000));
        QVERIFY(!u.links.isEmpty());
    }

    void LetzteKarteUndNeuZeichnen()
    {
        // the world shown last is selected when the map window is connected at start
        TUmgebung u(3);
        QCOMPARE(u.seite->Welt(), 3);
        QVERIFY(u.e->RadioButtonMap[2]->isChecked());
        QCOMPARE(u.karte->StringGridKarte->Spalten(), 121);
        // the settings window's Okay: new zone widths reach a shown map
        u.karte->show();
        u.teil.ZonenSetzen({7, 5, 4, 8});
        QCOMPARE(u.karte->Zonen().SZone, 7);
    }

    void GespeicherteRouteAusserhalbDerKarte()
    {
        TUmgebung u;
        // a hand-edited file: a route of Zyrthania that leaves its 120 fields
        u.routen.Welt(3)->push_back(TGespeicherteRoute{QStringLiteral("kaputt"), 5, {{10, 10}, {150, 150}}});
        TGespeicherteRoute ungerade{QStringLiteral("ungerade"), 150, {}};
        ungerade.Punktzeile = QStringLiteral("0100100");
        u.routen.Welt(3)->push_back(ungerade);
        u.routen.Welt(3)->push_back(TGespeicherteRoute{QStringLiteral("viele"), 150, {{10, 10}, {20, 25}}});
        u.Welt(3);
        const test::TRoutenplanerElemente &e = *u.e;
        MeldungsRekorder meldungen;
        QCOMPARE(e.StringGrid3->item(0, 0)->text(), QStringLiteral("kaputt"));
        e.StringGrid3->setCurrentCell(0, 0);
        QVERIFY(!e.StringGrid2->isVisible());
        QVERIFY(u.karte->Routenmarkierung().Leer());
        e.StringGrid3->setCurrentCell(1, 0);
        QVERIFY(!e.StringGrid2->isVisible());
        QCOMPARE(meldungen.Meldungen,
                 (QStringList{
                     QStringLiteral("Fehler: Die Route 'kaputt' führt über den Rand der Karte hinaus und "
                                    "kann nicht geladen werden."),
                     QStringLiteral("Fehler: Die Wegpunkte der Route 'ungerade' sind ungültig ('0100100'). "
                                    "Die Route kann nicht geladen werden.")}));
        // a count beyond 100 loads with the largest the field allows, and stays in the list as read
        e.StringGrid3->setCurrentCell(2, 0);
        QVERIFY(e.StringGrid2->isVisible());
        QCOMPARE(e.SpinEditAuftraege->value(), 100);
        QCOMPARE(u.routen.Welt(3)->at(2).Auftraege, 150);
        QCOMPARE(u.routen.Welt(3)->size(), size_t(3));
    }

    void UebertragungEinesAuftrags()
    {
        TUmgebung u;
        TRoutenplanerSeite &s = *u.seite;
        const test::TRoutenplanerElemente &e = *u.e;
        QVERIFY(u.Rechnen(10, 10, 30, 40));
        const std::vector<Wegpunkt> p = s.Routenvarianten()[9].Punkte();
        QVERIFY(u.Uebertragen(1, 1));
        QCOMPARE(u.links.size(), 1);
        const QUrl &l = u.links[0];
        QCOMPARE(l.scheme(), QStringLiteral("http"));
        QCOMPARE(l.host(), QStringLiteral("dunladan.morvaren.de"));
        QCOMPARE(l.path(), QStringLiteral("/morvaren.html"));
        QCOMPARE(Abfrage(l, "page"), QStringLiteral("group_travel"));
        QCOMPARE(Abfrage(l, "freex"), QString::number(p[1].x));
        QCOMPARE(Abfrage(l, "freey"), QString::number(p[1].y));
        QCOMPARE(u.statusBeiLink, QStringList{QStringLiteral("Übertragung läuft: 1 von 1")});
        QVERIFY(u.gesperrtBeiLink);
        QCOMPARE(e.LabelUebertragung->text(), QStringLiteral("Übertragung abgeschlossen"));
        QVERIFY(e.SpeedButtonRouteBerechnen->isEnabled());
        QVERIFY(e.SpinEditAuftraege->isEnabled());
        QVERIFY(e.RadioButtonMap[1]->isEnabled());
        // a late tick after the end opens nothing
        s.Timer2Timer();
        QCOMPARE(u.links.size(), 1);
    }

    void UebertragungDreiBisZwoelf()
    {
        TUmgebung u;
        TRoutenplanerSeite &s = *u.seite;
        const test::TRoutenplanerElemente &e = *u.e;
        u.Welt(3);
        QVERIFY(u.Rechnen(10, 60, 110, 60));
        e.SpinEditAuftraege->setValue(12);
        QCOMPARE(e.LabelAuftragsanzahl1->text(), QStringLiteral("12"));
        const std::vector<Wegpunkt> p = s.Routenvarianten()[11].Punkte();

        e.SpinEditVonAuftrag->setValue(3);
        e.SpinEditBisAuftrag->setValue(12);
        QSignalSpy fertig(&s, &TRoutenplanerSeite::UebertragungBeendet);
        // Enter in the range edit starts it; an extra early tick must not add links
        e.SpinEditBisAuftrag->setFocus();
        QTest::keyClick(e.SpinEditBisAuftrag, Qt::Key_Return);
        QVERIFY(s.UebertragungLaeuft());
        QTest::mouseClick(e.SpeedButtonRouteUebertragen, Qt::LeftButton); // disabled: nothing
        s.Timer2Timer();
        s.Timer2Timer();
        // neither the world nor a calculation from the map while it runs
        u.Welt(2);
        QCOMPARE(s.Welt(), 3);
        QTest::keyClick(u.karte->StringGridKarte, Qt::Key_Return);
        QVERIFY(!s.BerechnungLaeuft());
        QVERIFY(fertig.wait(20000));

        QCOMPARE(u.links.size(), 10);
        QSet<QString> tokens;
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(u.links[i].host(), QStringLiteral("zyrthania.morvaren.de"));
            QCOMPARE(Abfrage(u.links[i], "freex"), QString::number(p[size_t(i + 3)].x));
            QCOMPARE(Abfrage(u.links[i], "freey"), QString::number(p[size_t(i + 3)].y));
            tokens << Abfrage(u.links[i], "token");
        }
        QCOMPARE(tokens.size(), 10);
        QVERIFY(u.gesperrtBeiLink);
        // the label before each link: the start text, then the count of the links sent
        QCOMPARE(u.statusBeiLink[0], QStringLiteral("Übertragung läuft: 1 von 10"));
        for (int i = 1; i < 10; ++i)
            QCOMPARE(u.statusBeiLink[i], QStringLiteral("Übertragung läuft: %1 von 10").arg(i));
        QCOMPARE(e.LabelUebertragung->text(), QStringLiteral("Übertragung abgeschlossen"));
    }

    void KarteZoomUndErstesZeigen()
    {
        TUmgebung u;
        TForm8 &k = *u.karte;
        k.resize(700, 600);
        u.Welt(3);
        QCOMPARE(k.StringGridKarte->Spalten(), 121);
        u.Welt(2);
        QCOMPARE(k.StringGridKarte->Spalten(), 201);
        QCOMPARE(k.windowTitle(), QStringLiteral("Karte von Endurias (Stand: 16.02.2018 - 10:08)"));
        QTest::mouseClick(u.e->SpeedButtonKarteAnzeigen, Qt::LeftButton);
        QVERIFY(k.isVisible());
        TKartenflaeche &g = *k.StringGridKarte;
        QVERIFY(g.ErsteSpalte() <= 106 && 106 < g.ErsteSpalte() + g.VolleSpalten());
        QVERIFY(g.ErsteZeile() <= 106 && 106 < g.ErsteZeile() + g.VolleZeilen());
        k.hide();
        g.ErsteSpalteSetzen(1);
        QVERIFY(u.Rechnen(150, 150, 152, 152));
        g.ErsteSpalteSetzen(1);
        g.ErsteZeileSetzen(1);
        u.seite->SpeedButtonKarteAnzeigenClick();
        QCOMPARE(g.ErsteSpalte(), 1); // after a displayed route no jump

        QCOMPARE(g.Zellgroesse(), 30);
        for (int erwartet : {31, 32, 33}) {
            QTest::mouseClick(k.SpeedButtonZoomPlus, Qt::LeftButton);
            QCOMPARE(g.Zellgroesse(), erwartet);
        }
        QTest::mouseClick(k.SpeedButtonZoomReset, Qt::LeftButton);
        QCOMPARE(g.Zellgroesse(), 30);
        g.ZellgroesseSetzen(20);
        QTest::mouseClick(k.SpeedButtonZoomMinus, Qt::LeftButton);
        QCOMPARE(g.Zellgroesse(), 18);
        g.ZellgroesseSetzen(4);
        QTest::mouseClick(k.SpeedButtonZoomMinus, Qt::LeftButton);
        QCOMPARE(g.Zellgroesse(), 4);
        g.ZellgroesseSetzen(80);
        QTest::mouseClick(k.SpeedButtonZoomPlus, Qt::LeftButton);
        QCOMPARE(g.Zellgroesse(), 80);
        // Ctrl + wheel zooms, the wheel alone scrolls rows, with Shift columns
        g.ZellgroesseSetzen(30);
        // Ctrl and Shift held on the keyboard while the wheel turns.
        auto rad = [&](int delta, Qt::Key taste) {
            std::optional<mvt::test::TTasteGehalten> gehalten;
            if (taste != Qt::Key_unknown)
                gehalten.emplace(&g, taste);
            const QPoint p(100, 100);
            QWheelEvent e(p, g.viewport()->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton,
                          gehalten ? Qt::KeyboardModifiers(gehalten->Modifikator()) : Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(g.viewport(), &e);
        };
        rad(120, Qt::Key_Control);
        QCOMPARE(g.Zellgroesse(), 31);
        const int zeile = g.ErsteZeile(), spalte = g.ErsteSpalte();
        rad(-120, Qt::Key_unknown);
        QCOMPARE(g.ErsteZeile(), zeile + 3);
        rad(-120, Qt::Key_Shift);
        QCOMPARE(g.ErsteSpalte(), spalte + 3);
        rad(120, Qt::Key_Shift);
        rad(120, Qt::Key_Shift);
        QCOMPARE(g.ErsteSpalte(), 1);
        // the arrow keys move the view
        g.setFocus();
        QTest::keyClick(&g, Qt::Key_Right);
        QCOMPARE(g.ErsteSpalte(), 2);
        // accessible names of the glyph buttons are their hints
        QCOMPARE(k.SpeedButtonZoomPlus->accessibleName(), QStringLiteral("Reinzoomen"));
        QCOMPARE(u.e->SpeedButtonSwap->accessibleName(),
                 QStringLiteral("Start- und Zielkoordinaten austauschen"));
        QCOMPARE(u.e->SpeedButtonRouteUebertragen->accessibleName(),
                 QStringLiteral("Gewählte Aufträge an Morvaren übertragen"));
        QCOMPARE(u.e->SpeedButtonRouteBerechnen->accessibleName(), QStringLiteral("Route berechnen"));
        QCOMPARE(u.e->SpeedButtonKarteAnzeigen->accessibleName(), QStringLiteral("Karte anzeigen"));
        // caption labels are the buddies of their fields
        QCOMPARE(u.seite->findChild<QLabel *>(QStringLiteral("LabelStart"))->buddy(), u.e->EditStartX);
        QCOMPARE(u.seite->findChild<QLabel *>(QStringLiteral("LabelAuftraege"))->buddy(),
                 u.e->SpinEditAuftraege);
        QCOMPARE(u.seite->findChild<QLabel *>(QStringLiteral("LabelRouteSpeichern"))->buddy(),
                 u.e->EditRouteSpeichern);
        QCOMPARE(k.LabelWinterTheme->buddy(), k.CheckBoxWinterTheme);
        QCOMPARE(k.CheckBoxSicherheitszone->accessibleName(), QStringLiteral("Sicherheitszonen"));
    }

    void KarteMausSetztStartUndZiel()
    {
        TUmgebung u;
        TForm8 &k = *u.karte;
        k.resize(700, 600);
        k.show();
        k.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&k));
        TKartenflaeche &g = *k.StringGridKarte;
        g.ZelleWaehlen(57, 12);
        const QPoint p = g.Zellrechteck(57, 12).center();
        QTest::mousePress(g.viewport(), Qt::LeftButton, Qt::ShiftModifier, p);
        QCOMPARE(k.LabelKoordinaten->text(), QStringLiteral("57:12 Start"));
        QCOMPARE(u.e->EditStartX->text(), QStringLiteral("57"));
        QCOMPARE(u.e->EditStartY->text(), QStringLiteral("12"));
        QTest::mouseRelease(g.viewport(), Qt::LeftButton, Qt::ShiftModifier, p);
        const QPoint q = g.Zellrechteck(58, 14).center();
        QTest::mousePress(g.viewport(), Qt::RightButton, Qt::ShiftModifier, q);
        QCOMPARE(k.LabelKoordinaten->text(), QStringLiteral("58:14 Ziel"));
        QCOMPARE(u.e->EditZielY->text(), QStringLiteral("14"));
        QTest::mouseRelease(g.viewport(), Qt::RightButton, Qt::ShiftModifier, q);
        // over the coordinate column the label is empty
        QMouseEvent bewegung(QEvent::MouseMove, QPointF(3, 100), g.viewport()->mapToGlobal(QPointF(3, 100)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(g.viewport(), &bewegung);
        QCOMPARE(k.LabelKoordinaten->text(), QString());
        // Enter on the map starts a calculation without centring
        QSignalSpy fertig(u.seite.get(), &TRoutenplanerSeite::RouteBerechnet);
        g.setFocus();
        QTest::keyClick(&g, Qt::Key_Return);
        QVERIFY(u.seite->BerechnungLaeuft());
        QVERIFY(fertig.wait(10000));
        QVERIFY(k.Routenmarkierung().Markiert(57, 12));
        QVERIFY(k.Routenmarkierung().Markiert(58, 14));
        // dragging without Shift: two cells' worth (120 px) to the right scrolls past the
        // last visible column
        const int vorher = g.ErsteSpalte();
        const QPoint a(200, 200);
        QTest::mousePress(g.viewport(), Qt::LeftButton, Qt::NoModifier, a);
        QVERIFY(k.TimerKarteMove->isActive());
        QMouseEvent zug(QEvent::MouseMove, QPointF(a + QPoint(120, 0)),
                        g.viewport()->mapToGlobal(QPointF(a + QPoint(120, 0))), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(g.viewport(), &zug);
        k.TimerKarteMoveTimer();
        QCOMPARE(g.ErsteSpalte(), vorher + 2);
        QTest::mouseRelease(g.viewport(), Qt::LeftButton, Qt::NoModifier, a);
        QVERIFY(!k.TimerKarteMove->isActive());
        // a label toggles its box
        QTest::mouseClick(k.LabelMapSicherheitszone, Qt::LeftButton);
        QVERIFY(k.CheckBoxSicherheitszone->isChecked());
    }

    void KachelnDerDreiZonenblicke()
    {
        TKacheln k;
        k.KachelnErzeugen(false);
        auto dunkel = [](QRgb f) {
            const int r = qRed(f), g = qGreen(f), b = qBlue(f), a = (r + g + b) / 3;
            return qRgb((r + a) / 6, (g + a) / 6, b / 2);
        };
        auto rot = [](QRgb f) {
            const int r = qRed(f), g = qGreen(f), b = qBlue(f), a = (r + g + b) / 3;
            return qRgb(r, (g + a) / 6, (b + a) / 6);
        };
        for (int s : {0, 1, 10, 22}) {
            const QImage &plain = k.Zonen[size_t(s)][Normal];
            QCOMPARE(plain.size(), QSize(30, 30));
            for (const QPoint p : {QPoint(0, 0), QPoint(7, 3), QPoint(29, 29)})
                QCOMPARE(k.Zonen[size_t(s)][Sicherheit].pixel(p), dunkel(plain.pixel(p)));
            // position 1 carries a stripe in both hatched looks; position 6 none
            QCOMPARE(k.Zonen[size_t(s)][Bauverbot].pixel(0, 0), rot(plain.pixel(0, 0)));
            QCOMPARE(k.Zonen[size_t(s)][Bauverbot].pixel(0, 5), plain.pixel(0, 5));
            QCOMPARE(k.Zonen[size_t(s)][Beide].pixel(0, 0), rot(plain.pixel(0, 0)));
            QCOMPARE(k.Zonen[size_t(s)][Beide].pixel(0, 5), dunkel(plain.pixel(0, 5)));
            // the town tile: the plain tile with the symbol from (4, 4)
            QCOMPARE(k.Stadt[size_t(s)].pixel(2, 2), plain.pixel(2, 2));
            QVERIFY(k.Stadt[size_t(s)].pixel(15, 20) != plain.pixel(15, 20));
        }
        // the winter look changes the slots that have a winter picture, not the ocean
        TKacheln w;
        w.KachelnErzeugen(true);
        QVERIFY(w.Zonen[0][Normal] != k.Zonen[0][Normal]);
        QCOMPARE(w.Zonen[10][Normal], k.Zonen[10][Normal]);
        // Ebene and Hochebene, coast and ocean differ clearly even as a single pixel
        auto mittel = [](const QImage &b) {
            const QColor c = b.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
            return c;
        };
        auto abstand = [](QColor a, QColor b) {
            return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue());
        };
        QVERIFY(abstand(mittel(k.Zonen[0][Normal]), mittel(k.Zonen[1][Normal])) > 60);
        QVERIFY(abstand(mittel(k.Zonen[11][Normal]), mittel(k.Zonen[10][Normal])) > 60);
    }

    // A map window made at start and not shown makes no tiles: the look asked for last is
    // made when the map first paints, the same tiles as made at once.
    void KachelnErstWennGebraucht()
    {
        TKacheln k;
        k.Vormerken(false);
        k.Vormerken(true);
        QVERIFY(k.Zonen[0][Normal].isNull() && k.Stadt[0].isNull());
        k.Bereitstellen();
        TKacheln w;
        w.KachelnErzeugen(true);
        for (size_t s : {size_t(0), size_t(1), size_t(10), size_t(22)}) {
            for (int b = 0; b < 4; ++b)
                QCOMPARE(k.Zonen[s][size_t(b)], w.Zonen[s][size_t(b)]);
            QCOMPARE(k.Stadt[s], w.Stadt[s]);
        }
        // Made at once, an earlier wish no longer overrides the look.
        k.Vormerken(true);
        k.KachelnErzeugen(false);
        k.Bereitstellen();
        TKacheln sommer;
        sommer.KachelnErzeugen(false);
        QCOMPARE(k.Zonen[0][Normal], sommer.Zonen[0][Normal]);
    }

    void KarteNimmtWinterlookBeimBau()
    {
        // Built with the winter look in the options, the map shows it at once in its box and
        // its tiles; switched off, it paints as a map built for summer.
        TUmgebung u;
        TOptionen winter = u.optionen;
        winter.WinterTheme = true;
        TSitzung winterSitzung(winter);
        TForm8 w(winterSitzung, u.teil, nullptr);
        w.FormCreate();
        QVERIFY(w.CheckBoxWinterTheme->isChecked());
        QVERIFY(!u.karte->CheckBoxWinterTheme->isChecked());
        auto bild = [](TForm8 &k) {
            TKartenflaeche &g = *k.StringGridKarte;
            g.viewport()->resize(300, 300);
            g.ErsteSpalteSetzen(90);
            g.ErsteZeileSetzen(90);
            QImage b(g.viewport()->size(), QImage::Format_ARGB32);
            QPainter p(&b);
            g.Malen(p, b.rect());
            p.end();
            return b;
        };
        QVERIFY(bild(w) != bild(*u.karte));
        w.CheckBoxWinterTheme->toggle();
        QVERIFY(bild(w) == bild(*u.karte));
    }

    void KarteMaltRouteUndZonen()
    {
        TUmgebung u;
        TForm8 &k = *u.karte;
        k.resize(640, 560);
        k.show();
        TKartenflaeche &g = *k.StringGridKarte;
        g.ErsteSpalteSetzen(20);
        g.ErsteZeileSetzen(30);
        const int z = g.Zellgroesse();
        const int letzte = g.ErsteSpalte() + g.SichtbareSpalten() - 1;
        // a straight route along row 35 from beyond the left edge to beyond the right
        k.RouteZeigen(Wegpunktliste({{10, 35}, {uint8_t(letzte + 5), 35}}), false);
        QImage bild(g.viewport()->size(), QImage::Format_ARGB32);
        {
            QPainter p(&bild);
            g.Malen(p, bild.rect());
        }
        const int yMitte = g.Zellrechteck(25, 35).center().y();
        auto rot = [&](int x, int y) { return bild.pixelColor(x, y) == QColor(Qt::red); };
        for (int x = z; x < std::min(bild.width(), (letzte - g.ErsteSpalte() + 2) * z); x += 3)
            QVERIFY2(rot(x, yMitte), qPrintable(QString::number(x)));
        QVERIFY(!rot(z / 2, yMitte)); // the coordinate column stays free
        QVERIFY(!rot(g.Zellrechteck(25, 34).center().x(), g.Zellrechteck(25, 34).center().y()));

        // a town inside a safety zone shows the plain town tile; its neighbour darkens
        // (found first, the hint below uses it too)
        int tx = 0, ty = 0;
        for (int x = 21; x < letzte && !tx; ++x)
            for (int y = 31; y < 45; ++y)
                if (KachelFuerCode(u.welten->Gelaende()[Zelle(x, y)]).Stadt) {
                    tx = x;
                    ty = y;
                    break;
                }
        if (!tx)
            QSKIP("no town in the view");
        k.MarkierungenLoeschen();
        auto zelle = [&](int x, int y) {
            QImage b(g.viewport()->size(), QImage::Format_ARGB32);
            QPainter p(&b);
            g.Malen(p, b.rect());
            return b.copy(g.Zellrechteck(x, y));
        };
        const QImage stadtOhne = zelle(tx, ty), nachbarOhne = zelle(tx + 1, ty);
        k.CheckBoxSicherheitszone->setChecked(true);
        QCOMPARE(zelle(tx, ty), stadtOhne);
        QVERIFY(zelle(tx + 1, ty) != nachbarOhne);

        // the town's text as a hint once the mouse stood still for a tick
        QCursor::setPos(g.viewport()->mapToGlobal(g.Zellrechteck(tx, ty).center()));
        if (QCursor::pos() != g.viewport()->mapToGlobal(g.Zellrechteck(tx, ty).center()))
            QSKIP("the platform does not move the cursor");
        k.TimerKarteHintTimer();
        k.TimerKarteHintTimer();
        QCOMPARE(QToolTip::text(), u.welten->Stadtnamen()[size_t(Zelle(tx, ty))]);
        QVERIFY(QToolTip::text().startsWith(QStringLiteral("Name: ")));
    }
};

QTEST_MAIN(RoutenplanerseiteTest)
#include "RoutenplanerseiteTest.moc"
