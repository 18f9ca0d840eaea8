// The session: its setters change the model before anyone hears of it, the windows answer
// its reports with their visible effects, a window that is gone is no longer called, and
// services put in place later keep the ones before.
#include "Pruefstand.h"

#include "../crafting/ui/Bausatzrechnerteile.h"
#include "app/Infofenster.h"
#include "crafting/Analyse.h"
#include "crafting/Bauliste.h"
#include "crafting/ui/Bausatzrechnerseite.h"
#include "routes/Stadtliste.h"
#include "routes/Welten.h"
#include "routes/ui/Kartenfenster.h"
#include "settings/ui/Einstellungsfenster.h"
#include "settings/ui/Preisdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace mvt;
using mvt::pruefung::TPruefstand;

class SitzungTest : public QObject {
    Q_OBJECT

private slots:
    void modellVorDerMeldung();
    void baulisteOhneFensterWirdBerechnet();
    void karteFolgtUndGeht();
    void okaySchaltetPlanerwelt();
    void preisdialogRechnetDenReiterNeu();
    void onlineDiensteBehaltenDieBisherigen();
    void kartenNebenherErstBeimAbwarten();
    void setzerSpeichernDannMelden();
    void schalterMeldenIhreAenderung();
    void hauptfensterBrauchtNurDieSitzung();
};

namespace {

// A session loaded as at start, in an empty working folder (no options file).
struct TGeladen {
    QTemporaryDir Ordner;
    QString Vorher = QDir::currentPath();
    TProgrammsitzung S;
    TGeladen()
    {
        QDir::setCurrent(Ordner.path());
        S.ZustandLaden();
    }
    ~TGeladen() { QDir::setCurrent(Vorher); }
};

} // namespace

void SitzungTest::modellVorDerMeldung()
{
    TGeladen g;
    const TProgrammzustand &z = g.S.Zustand();
    QCOMPARE(z.LastMap, 1);
    QVERIFY(Ware(z.Katalog, 305) != nullptr);
    // Kit 305 costs 202 to make in the old worlds and 200 in Zyrthania; whoever hears of the
    // new world already finds its recipe rules in the catalogue.
    std::vector<int32_t> gehoert;
    QObject empfaenger;
    connect(&g.S, &TSitzung::craftingweltGeaendert, &empfaenger,
            [&] { gehoert.push_back(Ware(z.Katalog, 305)->Rezeptpreis); });
    for (uint8_t welt : {1, 3, 1})
        g.S.CraftingweltSetzen(welt);
    QCOMPARE(gehoert, (std::vector<int32_t>{202, 200, 202}));

    // A new stamp is in the state when the windows hear of it.
    QString standBeimHoeren;
    connect(&g.S.Routen(), &routen::TRoutenSitzung::stadtlistenStandGeaendert, &empfaenger,
            [&] { standBeimHoeren = z.StadtlistenStand; });
    g.S.Routen().StadtlistenStandSetzen(QStringLiteral("2019.03.01.12.00"));
    QCOMPARE(standBeimHoeren, QStringLiteral("2019.03.01.12.00"));
}

void SitzungTest::baulisteOhneFensterWirdBerechnet()
{
    TGeladen g;
    const TProgrammzustand &z = g.S.Zustand();
    TCraftingSitzung &crafting = g.S.Crafting();
    TBauliste liste;
    ZurBaulisteHinzufuegen(z.Katalog, liste, QStringLiteral("Kurzschwert"), 2);
    QCOMPARE(z.Crafting.Analyse[1].Marktwert, 0.0);
    // No window shows the list: the session recomputes it itself.
    crafting.BaulisteSetzen(liste);
    const double marktwert = z.Crafting.Analyse[1].Marktwert;
    QVERIFY(marktwert > 0.0);

    // A window that shows it is told instead, exactly once per change.
    int gehoert = 0;
    {
        QObject fenster;
        connect(&crafting, &TCraftingSitzung::baulisteGeaendert, &fenster, [&] { ++gehoert; });
        ZurBaulisteHinzufuegen(z.Katalog, liste, QStringLiteral("Kurzschwert"), 1);
        crafting.BaulisteSetzen(liste);
        QCOMPARE(gehoert, 1);
    }
    // That window gone, the session computes again.
    crafting.BaulisteSetzen(liste);
    QCOMPARE(gehoert, 1);
    QCOMPARE(z.Crafting.Analyse[1].Marktwert, marktwert * 3 / 2);
}

void SitzungTest::karteFolgtUndGeht()
{
    TGeladen g;
    {
        TForm8 karte(g.S, g.S.Routen(), nullptr);
        g.S.Routen().StadtlistenStandSetzen(QStringLiteral("2019.03.01.12.00"));
        QVERIFY2(karte.windowTitle().startsWith(QStringLiteral("Karte von Dunladan (Stand: ")),
                 qPrintable(karte.windowTitle()));
        QVERIFY(karte.windowTitle().contains(routen::StandAnzeigen(QStringLiteral("2019.03.01.12.00"))));
        QVERIFY(!karte.windowTitle().contains(routen::StandAnzeigen(routen::EingebauterStadtlistenStand)));
    }
    // The map window is gone: its connections went with it.
    g.S.Routen().ZonenSetzen({});
    g.S.Routen().WeltSetzen(2);
    g.S.Routen().StadtlistenStandSetzen(QStringLiteral("2019.04.01.12.00"));
    QCOMPARE(g.S.Zustand().StadtlistenStand, QStringLiteral("2019.04.01.12.00"));
}

void SitzungTest::okaySchaltetPlanerwelt()
{
    TPruefstand s;
    s.HauptfensterZeigen();
    TForm1 &h = s.Haupt();
    auto *schalter = h.findChild<QCheckBox *>(QStringLiteral("CheckBoxCPWirkungBerechnen"));
    auto *beschriftung = h.findChild<QLabel *>(QStringLiteral("LabelCPWirkungBerechnen"));
    QVERIFY(schalter && beschriftung);
    TForm7 &f = *s.App.Form7;
    // The world buttons are named before the window is first shown.
    f.SeitenAnlegen();
    auto okay = [&](QRadioButton *welt, bool wirkung) {
        h.Einstellungen1->trigger();
        QVERIFY(f.isVisible());
        f.PageControl1->setCurrentIndex(3);
        QTest::mouseClick(welt, Qt::LeftButton);
        if (f.CheckBoxCPWirkungBerechnen->isEnabled() && f.CheckBoxCPWirkungBerechnen->isChecked() != wirkung)
            QTest::mouseClick(f.CheckBoxCPWirkungBerechnen, Qt::LeftButton);
        QTest::mouseClick(f.ButtonOkay, Qt::LeftButton);
        QVERIFY(!f.isVisible());
    };
    okay(f.RadioButtonCPNeueWelt, true);
    QVERIFY(schalter->isEnabled() && beschriftung->isEnabled());
    QVERIFY(schalter->isChecked());
    okay(f.RadioButtonCPNeueWelt, false);
    QVERIFY(schalter->isEnabled());
    QVERIFY(!schalter->isChecked());
    okay(f.RadioButtonCPAlteWelt, false);
    QVERIFY(!schalter->isEnabled() && !beschriftung->isEnabled());
    QCOMPARE(s.App.Zustand().Optionen.CPWorld, uint8_t{1});
}

void SitzungTest::preisdialogRechnetDenReiterNeu()
{
    TPruefstand s;
    s.HauptfensterZeigen();
    TBausatzrechnerSeite &seite = *s.Haupt().Bausatzrechner;
    const test::TBausatzrechnerTeile b(seite);
    const auto treffer =
        b.TreeView1->findItems(QStringLiteral("Kurzschwert"), Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY(!treffer.isEmpty());
    b.TreeView1->setCurrentItem(treffer.first());
    QTest::mouseClick(b.SpeedButtonBauen, Qt::LeftButton);
    QVERIFY(!s.App.Zustand().Crafting.Bauliste.Leer());
    auto gezeigt = [&b] {
        QStringList t;
        for (int i = 1; i <= 8; ++i)
            t << b.Kostenseite(1).LabelAnalyse[i]->text();
        return t;
    };
    const QStringList vorher = gezeigt();

    // Sale prices of the build list's goods, as the cost page's "Alle anzeigen..." opens it.
    seite.PreisdialogOeffnen(11);
    TForm3 &d = *s.App.Form3;
    QVERIFY(d.isVisible());
    QVERIFY(!d.Zeilen().empty());
    QLineEdit *gold = d.Zeilen()[0].Gold;
    gold->setFocus();
    gold->selectAll();
    QTest::keyClicks(gold, QStringLiteral("99999"));
    QTest::mouseClick(d.SpeedButtonOkay, Qt::LeftButton);
    QVERIFY(!d.isVisible());

    // The crafting tab shows the analysis with the new price, as the model computes it.
    const TAnalyseErgebnis &a = s.App.Zustand().Crafting.Analyse[1];
    QCOMPARE(a.Verkaufserloes, 99999.0);
    const auto erwartet = AnalyseWerteTexte(a);
    QCOMPARE(gezeigt(), QStringList(erwartet.begin(), erwartet.end()));
    QVERIFY(gezeigt() != vorher);
}

void SitzungTest::onlineDiensteBehaltenDieBisherigen()
{
    TPruefstand s;
    int pruefungen = 0;
    s.Dienste->Versionspruefung = [&] { ++pruefungen; };
    // A port nobody listens on; the timer that would start the services is stopped.
    OnlineDiensteAnbinden(s.App, QStringLiteral("http://127.0.0.1:9"));
    s.HauptfensterZeigen();
    s.Haupt().close();
    // Options file and end of the loop still reach the services from before; the version
    // check is now the online one.
    QCOMPARE(s.Gespeichert, 1);
    QCOMPARE(s.Beendet, 1);
    QCOMPARE(pruefungen, 0);
}

// Read beside the windows, the grids reach the state only when the session waits for them:
// until then the state's grids stay empty (the worker writes only its own), afterwards they
// are the grids read at once, and the world chosen meanwhile stays chosen.
void SitzungTest::kartenNebenherErstBeimAbwarten()
{
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    TProgrammsitzung sofort;
    sofort.ZustandLaden();
    TProgrammsitzung nebenher;
    nebenher.ZustandLaden(TProgrammsitzung::Karten::Nebenher);
    QDir::setCurrent(vorher);

    const routen::TWeltdaten &w = nebenher.Zustand().Weltkarten;
    for (const routen::TWeltgitter &g : w.Welten)
        QVERIFY(g.Reisekosten.empty() && g.Stadtnamen.empty());
    nebenher.Routen().WeltSetzen(3);
    nebenher.KartenAbwarten();
    nebenher.KartenAbwarten(); // a second wait changes nothing
    QCOMPARE(w.AktuelleWelt, 3);
    QCOMPARE(w.Kartengroesse, routen::Weltangaben(3).Groesse);
    for (size_t i = 0; i < w.Welten.size(); ++i) {
        const routen::TWeltgitter &a = w.Welten[i];
        const routen::TWeltgitter &b = sofort.Zustand().Weltkarten.Welten[i];
        QVERIFY(a.Reisekosten == b.Reisekosten);
        QVERIFY(a.Gelaende == b.Gelaende);
        QVERIFY(a.Stadtabstand == b.Stadtabstand);
        QVERIFY(a.Stadtnamen == b.Stadtnamen);
    }
}

// Whoever hears of a change finds it stored and its consequences applied, and the signal
// carries the value; the planner's option record follows the options (a potency not above
// 0 counts as 1).
void SitzungTest::setzerSpeichernDannMelden()
{
    TGeladen g;
    const TProgrammzustand &z = g.S.Zustand();
    QObject empfaenger;
    std::vector<std::pair<int, bool>> planerwelten;
    connect(&g.S, &TSitzung::planerweltGeaendert, &empfaenger, [&](int welt, bool wirkung) {
        QCOMPARE(int(z.Planer.Optionen.Welt), welt);
        QCOMPARE(z.Planer.Optionen.WirkungBerechnen, wirkung);
        planerwelten.emplace_back(welt, wirkung);
    });
    g.S.PlanerweltSetzen(1, false);
    QCOMPARE(planerwelten, (std::vector<std::pair<int, bool>>{{1, false}}));
    QCOMPARE(g.S.Optionen().CPWorld, uint8_t{1});

    TOptionen neu = g.S.Optionen();
    neu.BSRWorld = 1;
    neu.CPWorld = 3;
    neu.Wirkung[5] = 2.5;
    neu.Wirkung[6] = 0.0;
    int gemeldet = 0;
    connect(&g.S, &TSitzung::optionenGeaendert, &empfaenger, [&](const TOptionen &o) {
        ++gemeldet;
        QCOMPARE(&o, &g.S.Optionen());
        QCOMPARE(Ware(z.Katalog, 305)->Rezeptpreis, 202);
        QCOMPARE(z.Planer.Optionen.Welt, uint8_t{3});
        QCOMPARE(z.Planer.Optionen.Wirkung[5], 2.5);
        QCOMPARE(z.Planer.Optionen.Wirkung[6], 1.0);
    });
    g.S.OptionenSetzen(neu);
    QCOMPARE(gemeldet, 1);
    QCOMPARE(z.Optionen.Wirkung[6], 0.0); // the options keep what was given
}

// The switches that change one option store it through the session, which announces it
// once per change: the page in view, the crafting tab's and the planner's potency
// switches, the map's winter look. The planner's switch takes its world from the options.
void SitzungTest::schalterMeldenIhreAenderung()
{
    TPruefstand s;
    s.HauptfensterZeigen();
    TForm1 &h = s.Haupt();
    TSitzung &sitzung = s.App.Sitzung;
    QList<int> seiten;
    QList<bool> crafting, winter;
    QList<std::pair<int, bool>> planer;
    QObject e;
    connect(&sitzung, &TSitzung::aktiveSeiteGeaendert, &e, [&](int i) { seiten << i; });
    connect(&sitzung, &TSitzung::craftingWirkungGeaendert, &e, [&](bool an) { crafting << an; });
    connect(&sitzung, &TSitzung::winterlookGeaendert, &e, [&](bool an) { winter << an; });
    connect(&sitzung, &TSitzung::planerweltGeaendert, &e, [&](int w, bool an) {
        planer << std::pair{w, an};
    });

    QTabBar *reiter = h.PageControl1->tabBar();
    QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(TForm1::SeiteCharakterPlaner).center());
    QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(TForm1::SeiteCharakterPlaner).center());
    QCOMPARE(seiten, QList<int>{TForm1::SeiteCharakterPlaner});

    auto *cp = h.findChild<QCheckBox *>(QStringLiteral("CheckBoxCPWirkungBerechnen"));
    QVERIFY(cp && cp->isChecked());
    QTest::mouseClick(cp, Qt::LeftButton);
    QCOMPARE(planer, (QList<std::pair<int, bool>>{{3, false}}));
    QVERIFY(!sitzung.Optionen().CPCalcPotency);
    QVERIFY(!s.App.Zustand().Planer.Optionen.WirkungBerechnen);

    h.PageControl1->setCurrentIndex(0);
    QCheckBox *bsr = h.findChild<QCheckBox *>(QStringLiteral("CheckBoxWirkungBerechnen"));
    QVERIFY(bsr && bsr->isChecked());
    bsr->setFocus();
    QTest::keyClick(bsr, Qt::Key_Space);
    QCOMPARE(crafting, QList<bool>{false});
    QVERIFY(!sitzung.Optionen().CalcPotency);

    auto *w = s.App.Form8->findChild<QCheckBox *>(QStringLiteral("CheckBoxWinterTheme"));
    QVERIFY(w);
    w->toggle();
    w->toggle();
    QCOMPARE(winter, (QList<bool>{true, false}));
    QCOMPARE(seiten, (QList<int>{TForm1::SeiteCharakterPlaner, 0}));

    // Closing writes what the switches stored.
    TOptionen gespeichert;
    s.Dienste->Speichern = [&](const TProgrammzustand &z) { gespeichert = z.Optionen; };
    h.close();
    QVERIFY(!gespeichert.CalcPotency && !gespeichert.CPCalcPotency && !gespeichert.WinterTheme);
    QCOMPARE(gespeichert.ActivePageIndex, 0);
}

QObject *SitzungTestErzeugen()
{
    return new SitzungTest;
}

void SitzungTest::hauptfensterBrauchtNurDieSitzung()
{
    // The main window is made over the session alone; the windows it opens come in one
    // call, and an entry whose window was not handed over, or is gone, opens nothing.
    TGeladen g;
    TForm1 haupt(g.S);
    haupt.Einstellungen1->trigger();
    haupt.NachneuerVersionsuchen1->trigger();
    QVERIFY(haupt.isEnabled());
    auto info = std::make_unique<TForm5>(&haupt);
    TForm1::TFenster fenster;
    fenster.Infofenster = info.get();
    fenster.MitHinweisen = {info.get()};
    haupt.FensterAnbinden(fenster);
    TOptionen o = g.S.Optionen();
    o.ActivePageIndex = 4;
    o.ShowHints = false;
    g.S.OptionenSetzen(o);
    QCOMPARE(haupt.PageControl1->currentIndex(), 4);
    QCOMPARE(g.S.Optionen().ActivePageIndex, 4);
    QCOMPARE(haupt.property("ShowHint").toBool(), false);
    QCOMPARE(info->property("ShowHint").toBool(), false);
    haupt.bermich1->trigger();
    QVERIFY(info->isVisible());
    QCOMPARE(info->Tag, 2);
    QVERIFY(!haupt.isEnabled());
    info->close();
    QVERIFY(haupt.isEnabled());
    info.reset();
    haupt.berHadriksMorvarenTool1->trigger();
    QVERIFY(haupt.isEnabled());
}

#include "SitzungTest.moc"
