// Window tests of the town search on the route tab and of the tour window: completion with
// umlauts typed as two letters, a tour built from the target, a town and the map, planned
// on the worker, its legs shown, transferred and drawn, and saved and loaded.
#include "../../Fenstertests.h"
#include "base/Meldung.h"
#include "routes/Stadtsuche.h"
#include "routes/RoutenSitzung.h"
#include "routes/Stadtliste.h"
#include "routes/ui/Kartenfenster.h"
#include "routes/ui/Routenplanerseite.h"
#include "Routenplanerelemente.h"
#include "Routenstand.h"
#include "ui/Sitzung.h"
#include "routes/ui/Stadtsuchfeld.h"
#include "routes/ui/Tourfenster.h"
#include "routes/ui/Tourzeichnung.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QRegularExpression>
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

    TUmgebung()
    {
        optionen.TransmissionInterval = KleinstesUebertragungsintervall;
        seite = std::make_unique<TRoutenplanerSeite>(teil, optionen);
        e.emplace(*seite);
        karte = std::make_unique<TForm8>(sitzung, teil, nullptr);
        karte->FormCreate();
        seite->KarteAnbinden(karte.get());
        seite->UrlOeffnen = [this](const QUrl &u) { links << u; };
        seite->show();
        seite->activateWindow();
        if (!QTest::qWaitForWindowActive(seite.get()))
            qWarning("Fenster nicht aktiv");
    }
    QString Start() const { return e->EditStartX->text() + ':' + e->EditStartY->text(); }
    QString Ziel() const { return e->EditZielX->text() + ':' + e->EditZielY->text(); }
};

} // namespace

class TourfensterTest : public QObject {
    Q_OBJECT

private slots:
    void StadtsucheFuelltZielUndStart()
    {
        TUmgebung u;
        TRoutenplanerSeite &s = *u.seite;
        const test::TRoutenplanerElemente &ui = *u.e;
        const std::vector<TStadt> alle = StaedteDerWelt(u.welten->Aktuell(), 200);
        QVERIFY(!alle.empty());
        // a town with an umlaut when the world has one, typed with two letters
        TStadt gesucht = alle[0];
        for (const TStadt &t : alle)
            if (t.Name.contains(QRegularExpression(QStringLiteral("[äöüÄÖÜß]")))) {
                gesucht = t;
                break;
            }
        const QString getippt = Suchform(gesucht.Name.left(5));
        ui.EditStadtsuche->setFocus();
        QTest::keyClicks(ui.EditStadtsuche, getippt);
        QAbstractItemView *liste = ui.EditStadtsuche->Vervollstaendigung()->popup();
        QVERIFY(liste->isVisible());
        const std::vector<TStadt> &treffer = ui.EditStadtsuche->Treffer();
        QCOMPARE(qsizetype(treffer.size()),
                 std::min<qsizetype>(TStadtsuchfeld::MaxTreffer, StaedteSuchen(alle, getippt).size()));
        int zeile = 0;
        while (zeile < int(treffer.size()) &&
               !(treffer[size_t(zeile)].x == gesucht.x && treffer[size_t(zeile)].y == gesucht.y))
            ++zeile;
        QVERIFY(zeile < int(treffer.size()));
        for (int i = 0; i <= zeile; ++i)
            QTest::keyClick(liste, Qt::Key_Down);
        QTest::keyClick(liste, Qt::Key_Return);
        QCOMPARE(u.Ziel(), QString::number(gesucht.x) + ':' + QString::number(gesucht.y));
        QCOMPARE(ui.EditStadtsuche->text(), StadtEintrag(gesucht));
        QVERIFY(ui.SpeedButtonStadtAlsStart->isEnabled());
        QTest::mouseClick(ui.SpeedButtonStadtAlsStart, Qt::LeftButton);
        QCOMPARE(u.Start(), u.Ziel());

        // a world switch empties the search; the list then offers the new world's towns
        ui.RadioButtonMap[2]->click();
        QVERIFY(ui.EditStadtsuche->text().isEmpty());
        QVERIFY(!ui.SpeedButtonStadtAlsStart->isEnabled());
        const std::vector<TStadt> zyrthania = StaedteDerWelt(u.welten->Aktuell(), 120);
        QVERIFY(!zyrthania.empty());
        ui.EditStadtsuche->setFocus();
        QTest::keyClicks(ui.EditStadtsuche, zyrthania.back().Name.left(3));
        QVERIFY(!ui.EditStadtsuche->Treffer().empty());
        for (const TStadt &t : ui.EditStadtsuche->Treffer())
            QVERIFY(t.x <= 120 && t.y <= 120 && !u.welten->Stadtnamen()[size_t(Zelle(t.x, t.y))].isEmpty());
        // names and the row fit
        for (QWidget *w :
             std::initializer_list<QWidget *>{ui.SpeedButtonStadtAlsStart, ui.ButtonTourPlanen}) {
            auto *b = qobject_cast<QAbstractButton *>(w);
            QVERIFY2(QFontMetrics(b->font()).horizontalAdvance(b->text().remove('&')) + 8 <= b->width(),
                     qPrintable(b->objectName()));
            QVERIFY(!b->accessibleName().isEmpty());
        }
        auto *l = s.findChild<QLabel *>(QStringLiteral("LabelStadtsuche"));
        QCOMPARE(l->buddy(), static_cast<QWidget *>(ui.EditStadtsuche));
        QCOMPARE(ui.EditStadtsuche->accessibleName(), QStringLiteral("Stadt"));
    }

    void TourPlanenZeigenUebertragenSpeichern()
    {
        TUmgebung u;
        TRoutenplanerSeite &s = *u.seite;
        const test::TRoutenplanerElemente &ui = *u.e;
        QTemporaryDir ordner;
        QTest::mouseClick(ui.ButtonTourPlanen, Qt::LeftButton);
        TTourfenster *f = s.Tourfenster();
        QVERIFY(f && f->isVisible());
        QVERIFY(f->windowFlags().testFlag(Qt::Dialog));
        f->Tourdateipfad = ordner.filePath(TourenDateiname);

        // stops: the route tab's target, a town, two map Shift+clicks
        ui.EditZielX->setText("40");
        ui.EditZielY->setText("40");
        QTest::mouseClick(f->ButtonZielHinzufuegen, Qt::LeftButton);
        const TStadt stadt = StaedteDerWelt(u.welten->Aktuell(), 200).front();
        f->EditTourStadt->setFocus();
        QTest::keyClicks(f->EditTourStadt, stadt.Name);
        QTest::keyClick(f->EditTourStadt->Vervollstaendigung()->popup(), Qt::Key_Down);
        QTest::keyClick(f->EditTourStadt->Vervollstaendigung()->popup(), Qt::Key_Return);
        TForm8 &k = *u.karte;
        k.resize(700, 600);
        k.show();
        TKartenflaeche &g = *k.StringGridKarte;
        for (const QPoint feld : {QPoint(60, 45), QPoint(35, 70)}) {
            g.ZelleWaehlen(feld.x(), feld.y());
            const QPoint p = g.Zellrechteck(feld.x(), feld.y()).center();
            QTest::mousePress(g.viewport(), Qt::LeftButton, Qt::ShiftModifier, p);
            QCOMPARE(k.LabelKoordinaten->text(), QStringLiteral("%1:%2 Station").arg(feld.x()).arg(feld.y()));
            QTest::mouseRelease(g.viewport(), Qt::LeftButton, Qt::ShiftModifier, p);
        }
        QCOMPARE(u.Start(), QStringLiteral("100:100")); // the map did not move the start
        const std::vector<Wegpunkt> erwartet{
            {40, 40}, {uint8_t(stadt.x), uint8_t(stadt.y)}, {60, 45}, {35, 70}};
        QCOMPARE(f->Stationen(), erwartet);
        QCOMPARE(f->ListBoxStationen->count(), 4);
        QVERIFY(f->ListBoxStationen->item(1)->text().contains(stadt.Name));
        // the same field right after itself is refused with a message
        {
            MeldungsRekorder meldungen;
            QVERIFY(!f->StationHinzufuegen(Wegpunkt{35, 70}));
            QCOMPARE(meldungen.Meldungen.size(), 1);
        }
        // move the last one up, then back
        f->ListBoxStationen->setCurrentRow(3);
        QTest::mouseClick(f->ButtonStationHoch, Qt::LeftButton);
        QCOMPARE(f->Stationen()[2], (Wegpunkt{35, 70}));
        QTest::mouseClick(f->ButtonStationRunter, Qt::LeftButton);
        QCOMPARE(f->Stationen(), erwartet);

        // fastest order with the way back, on the worker: the world cannot switch meanwhile
        f->RadioButtonReihenfolgeSchnellste->setChecked(true);
        f->CheckBoxRueckkehr->setChecked(true);
        f->SpinEditTourAuftraege->setValue(4);
        QTest::mouseClick(f->ButtonTourBerechnen, Qt::LeftButton);
        QVERIFY(s.BerechnungLaeuft());
        QVERIFY(!ui.RadioButtonMap[1]->isEnabled());
        QVERIFY(!ui.SpeedButtonRouteBerechnen->isEnabled());
        QVERIFY(!f->ButtonTourBerechnen->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(f->Tour() != nullptr, 30000);
        QVERIFY(!s.BerechnungLaeuft());
        QVERIFY(ui.RadioButtonMap[1]->isEnabled());
        const TTour tour = *f->Tour();
        QCOMPARE(TourPlanen(f->Parameter()).Reisezeit, tour.Reisezeit);
        QCOMPARE(f->StringGridEtappen->rowCount(), 4);
        QCOMPARE(f->StringGridEtappen->item(3, 2)->text(), QStringLiteral("40:40"));
        QCOMPARE(f->LabelTourReisezeit->text(), DauerText(tour.Reisezeit));
        QVERIFY(f->LabelTourReisezeit->accessibleName().endsWith(DauerText(tour.Reisezeit)));
        QCOMPARE(f->Stationen(), tour.Stationen); // the list shows the visiting order
        // the map draws the legs and numbers the stops
        QCOMPARE(k.Tourbild().Stationen, tour.Stationen);
        QCOMPARE(k.Tourbild().Linien.size(), size_t(4));
        const Wegpunkt zweite = tour.Stationen[1];
        g.ZelleWaehlen(zweite.x, zweite.y);
        QCoreApplication::processEvents();
        const QImage bild = g.viewport()->grab().toImage();
        const QPoint mitte = g.Zellrechteck(zweite.x, zweite.y).center();
        // the numbered disc: white inside, the tour's blue in its ring and number
        int blau = 0;
        for (int dx = -16; dx <= 16; ++dx) {
            const QColor c = bild.pixelColor(mitte + QPoint(dx, 0));
            blau += c.blue() > 150 && c.red() < 90 && c.green() < 120;
        }
        QVERIFY(blau >= 2);
        QCOMPARE(bild.pixelColor(mitte + QPoint(0, -8)), QColor(Qt::white));

        // a leg chosen in the table becomes the route tab's route, with its orders
        f->StringGridEtappen->setFocus();
        f->StringGridEtappen->selectRow(1);
        const TEtappe &e = tour.Etappen[1];
        QCOMPARE(u.Start(), QStringLiteral("%1:%2").arg(e.Von.x).arg(e.Von.y));
        QCOMPARE(u.Ziel(), QStringLiteral("%1:%2").arg(e.Nach.x).arg(e.Nach.y));
        QVERIFY(ui.StringGrid2->isVisible());
        QCOMPARE(ui.SpinEditAuftraege->value(), 4);
        QCOMPARE(ui.StringGrid2->rowCount(), e.Auftragsanzahl);
        QCOMPARE(ui.LabelReisezeit1->text(), DauerText(e.Reisezeit));
        QVERIFY(k.Routenmarkierung().Markiert(e.Von.x, e.Von.y));
        // "Etappe übertragen" sends that leg's orders
        QSignalSpy fertig(&s, &TRoutenplanerSeite::UebertragungBeendet);
        QTest::mouseClick(f->ButtonEtappeUebertragen, Qt::LeftButton);
        QVERIFY(fertig.wait(20000));
        const std::vector<Wegpunkt> punkte = e.Route(4).Punkte();
        QCOMPARE(u.links.size(), qsizetype(punkte.size() - 1));
        QCOMPARE(QUrlQuery(u.links.back()).queryItemValue("freex"), QString::number(e.Nach.x));

        // saved under a name, changed, loaded back: the same stops and choices, planned again
        f->EditTourName->setText(QStringLiteral("Rundreise über Bärenfels"));
        QTest::mouseClick(f->ButtonTourSpeichern, Qt::LeftButton);
        QCOMPARE(f->ComboBoxTouren->count(), 1);
        const std::vector<Wegpunkt> gespeichert = f->Stationen();
        f->ListBoxStationen->setCurrentRow(2);
        QTest::mouseClick(f->ButtonStationEntfernen, Qt::LeftButton);
        f->CheckBoxRueckkehr->setChecked(false);
        QVERIFY(f->Tour() == nullptr);
        QVERIFY(k.Tourbild().Leer());
        QTest::mouseClick(f->ButtonTourLaden, Qt::LeftButton);
        QCOMPARE(f->Stationen(), gespeichert);
        QVERIFY(f->CheckBoxRueckkehr->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(f->Tour() != nullptr, 30000);
        QCOMPARE(f->Tour()->Reisezeit, tour.Reisezeit);
        // tours belong to their world; a switch empties the stops
        ui.RadioButtonMap[1]->click();
        QCOMPARE(f->ComboBoxTouren->count(), 0);
        QVERIFY(f->Stationen().empty());
        QVERIFY(k.Tourbild().Leer());
        ui.RadioButtonMap[0]->click();
        QCOMPARE(f->ComboBoxTouren->count(), 1);
        QTest::mouseClick(f->ButtonTourLoeschen, Qt::LeftButton);
        QCOMPARE(f->ComboBoxTouren->count(), 0);
        // Escape closes the window; the map's Shift+click sets the start again
        QTest::keyClick(f->EditTourName, Qt::Key_Escape);
        QVERIFY(!f->isVisible());
        const QPoint p = g.Zellrechteck(g.ErsteSpalte() + 1, g.ErsteZeile() + 1).center();
        QTest::mousePress(g.viewport(), Qt::LeftButton, Qt::ShiftModifier, p);
        QVERIFY(k.LabelKoordinaten->text().endsWith(QStringLiteral(" Start")));
        QTest::mouseRelease(g.viewport(), Qt::LeftButton, Qt::ShiftModifier, p);
    }

    void TourfensterTastaturUndNamen()
    {
        TUmgebung u;
        u.seite->TourfensterZeigen();
        TTourfenster *f = u.seite->Tourfenster();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        // every operable control has a name, every caption its field, every text fits
        for (QWidget *w : f->findChildren<QWidget *>()) {
            if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(f) || qobject_cast<QLabel *>(w) ||
                w->parentWidget() != f)
                continue;
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
        for (QLabel *l : f->findChildren<QLabel *>()) {
            if (l->wordWrap() || l->text().isEmpty())
                continue;
            QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text().remove('&')) <= l->width(),
                     qPrintable(l->text()));
        }
        for (QAbstractButton *b : f->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)) {
            const int rand = qobject_cast<QPushButton *>(b) ? 12 : 22;
            QVERIFY2(QFontMetrics(b->font()).horizontalAdvance(b->text().remove('&')) + rand <= b->width(),
                     qPrintable(b->text()));
        }
        // Tab walks from the stop list through the window and back to it
        f->ListBoxStationen->setFocus();
        QWidget *start = QApplication::focusWidget();
        int schritte = 0;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ++schritte;
        } while (QApplication::focusWidget() != start && schritte < 40);
        QVERIFY(schritte < 40);
        QVERIFY(schritte >= 5);
    }
};

int main(int argc, char **argv)
{
    return test::FenstertestsAusfuehren(argc, argv, {[]() -> QObject * { return new TourfensterTest; }});
}

#include "TourfensterTest.moc"
