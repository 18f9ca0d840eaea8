// Window tests of the character planner tab and the optimiser window, offscreen: typing
// rules, the level and attribute inputs, menus with modifier keys, the evaluation pages,
// the import, character files and the optimiser run.
#include "../../Fenstertests.h"
#include "app/MenueHinweis.h"
#include "app/Pruefstand.h"
#include "catalogue/Katalog.h"
#include "base/Meldung.h"
#include "base/Textdatei.h"
#include "planner/Charakterdatei.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Eingabefelder.h"
#include "planner/ui/Optimiererfenster.h"
#include "base/Optionen.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFrame>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <type_traits>

using namespace mvt;
using namespace mvt::planer;

class PlanerseiteTest : public QObject {
    Q_OBJECT

    TKatalog m_katalog;

    // A tab with its optimiser window and a clock the test moves by hand.
    struct TStand {
        // The session derives the character's options from its own.
        TProgrammsitzung Sitzung;
        const TOptionen &Optionen = Sitzung.Optionen();
        QWidget Haupt;
        // The session's part: the page and the optimiser window work through it.
        TPlanerSitzung &Planer = Sitzung.Planer();
        std::unique_ptr<TCharakterPlanerSeite> Seite;
        std::unique_ptr<TForm10> Fenster;
        int64_t Zeit = 100000;
        TStand()
        {
            // The session's own catalogue, as its start-up fills it.
            Sitzung.KatalogAnlegen();
            TOptionen o;
            StandardOptionenSetzen(o);
            Sitzung.OptionenSetzen(o);
            Seite = std::make_unique<TCharakterPlanerSeite>(Sitzung, Planer, &Haupt);
            Fenster = std::make_unique<TForm10>(Planer, &Haupt);
            Seite->OptimiererfensterVerbinden(Fenster.get());
            Seite->Uhr = [this] { return Zeit; };
            Seite->OptionenUebernehmen();
            // Shown and active, so that focus changes reach the fields.
            Haupt.resize(TCharakterPlanerSeite::Breite, TCharakterPlanerSeite::Hoehe);
            Haupt.show();
            Haupt.activateWindow();
            if (!QTest::qWaitForWindowActive(&Haupt))
                qWarning("Fenster nicht aktiv");
        }
        template <class T> T *Teil(const char *name, QWidget *in = nullptr)
        {
            QWidget *w = in ? in : static_cast<QWidget *>(Seite.get());
            if constexpr (std::is_same_v<T, QMenu>)
                Seite->MenuesAnlegen(); // entries are made on first opening
            T *t = w->findChild<T *>(QLatin1String(name));
            if (!t)
                qFatal("Steuerelement %s fehlt", name);
            return t;
        }
        QString Text(const char *name) { return Teil<QLabel>(name)->text(); }
        QSpinBox *Spin(const char *name, QWidget *in = nullptr) { return Teil<QSpinBox>(name, in); }
        QLineEdit *Edit(const char *name, QWidget *in = nullptr) { return Teil<QLineEdit>(name, in); }
        // Chooses a menu entry of a slot's menu as the player would (the action's trigger).
        bool Waehlen(const char *menue, const QString &eintrag)
        {
            for (QAction *a : Teil<QMenu>(menue)->findChildren<QAction *>())
                if (a->data().toString() == eintrag) {
                    a->trigger();
                    return true;
                }
            return false;
        }
        void Tippen(QWidget *w, const QString &text)
        {
            w->setFocus();
            QTest::keyClicks(w, text);
        }
        void AllesMarkieren(QSpinBox *s)
        {
            s->setFocus();
            s->selectAll();
        }
    };

private slots:
    void initTestCase() { KatalogFuellen(m_katalog); }

    void startwerteUndBarrierefreiheit()
    {
        TStand s;
        QCOMPARE(s.Text("LabelFreieAtrribute"), QStringLiteral("Freie Attributpunkte: 50"));
        QCOMPARE(s.Text("LabelMaxLP"), QStringLiteral("Maximale Lebenspunkte: 140"));
        QCOMPARE(s.Text("LabelBewegungsgeschwindigkeit"),
                 QStringLiteral("Bewegungsgeschw.: schnell (8 Schritte)"));
        QCOMPARE(s.Text("LabelNahWaffe1Name"), QStringLiteral("Waffenlos"));
        QCOMPARE(s.Text("LabelNahWaffe1Tempo"), QStringLiteral("normal (3 Angriffe)"));
        QCOMPARE(s.Text("LabelCPWelt"), QStringLiteral("Zyrthania"));
        QVERIFY(s.Teil<QToolButton>("SpeedButtonMunition")->isHidden());
        QVERIFY(s.Teil<QFrame>("BevelFernkampf")->isHidden());
        // Accessible names: slot buttons their caption, fields by their caption label.
        QCOMPARE(s.Teil<QToolButton>("SpeedButtonHelm")->accessibleName(), QStringLiteral("- kein Helm -"));
        QCOMPARE(s.Spin("SpinEditStaerke")->accessibleName(), QStringLiteral("Stärke"));
        QCOMPARE(s.Teil<QPushButton>("ButtonMagier")->accessibleName(), QStringLiteral("Magier"));
        for (QLabel *l : s.Seite->findChildren<QLabel *>())
            if (l->buddy() && !qobject_cast<QLabel *>(l->buddy())) // value labels are read as their text
                QVERIFY2(!l->buddy()->accessibleName().isEmpty(), qPrintable(l->text()));
        // Menus: groups, own entries and "- nichts -" at the end.
        QMenu *helme = s.Teil<QMenu>("PopupMenuHelme");
        QCOMPARE(helme->actions().last()->text(), NichtsEintrag);
        QCOMPARE(helme->actions().first()->text(), QStringLiteral("Stoff"));
        // Menu hints come from the catalogue.
        bool hinweis = false;
        for (QAction *a : helme->findChildren<QAction *>())
            if (a->data().toString() == QLatin1String("Mithril-Plattenhelm"))
                hinweis = a->statusTip().contains(QStringLiteral("Stufe"));
        QVERIFY(hinweis);
    }

    void tastatur()
    {
        TStand s;
        QToolButton *helm = s.Teil<QToolButton>("SpeedButtonHelm");
        helm->setFocus();
        QTest::keyClick(helm, Qt::Key_Return);
        QMenu *helme = s.Teil<QMenu>("PopupMenuHelme");
        QTRY_VERIFY(helme->isVisible());
        helme->hide();
        QVERIFY(s.Waehlen("PopupMenuHelme", QStringLiteral("Leinen-Haube")));
        // The context-menu key opens the enchantment menu; "+" switches the upgrade.
        QContextMenuEvent taste(QContextMenuEvent::Keyboard, QPoint(4, 4), helm->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(helm, &taste);
        QMenu *verz = s.Teil<QMenu>("PopupMenuVerzauberungen");
        QTRY_VERIFY(verz->isVisible());
        verz->hide();
        QCOMPARE(helm->text(), QStringLiteral("Leinen-Haube +1"));
        QTest::keyClick(helm, Qt::Key_Plus);
        QCOMPARE(helm->text(), QStringLiteral("Leinen-Haube"));
        // The optimiser window's controls carry their names too.
        for (QWidget *w : s.Fenster->findChildren<QWidget *>()) {
            const auto *knopf = qobject_cast<QAbstractButton *>(w);
            const bool bedienbar =
                knopf || qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QScrollBar *>(w) ||
                (qobject_cast<QLineEdit *>(w) && !qobject_cast<QAbstractSpinBox *>(w->parentWidget()));
            if (bedienbar)
                QVERIFY2(!w->accessibleName().isEmpty() || (knopf && !knopf->text().isEmpty()),
                         qPrintable(w->objectName()));
        }
        // Leaving an opponent field of the optimiser window that holds no number: "0" in both.
        QLineEdit *leben = s.Edit("EditGegnerLeben", s.Fenster.get());
        s.Fenster->show();
        s.Fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.Fenster.get()));
        leben->setFocus();
        leben->clear();
        s.Edit("EditGegnerAbsorb", s.Fenster.get())->setFocus();
        QCOMPARE(leben->text(), QStringLiteral("0"));
        QCOMPARE(s.Edit("EditGegnerLeben")->text(), QStringLiteral("0"));
    }

    void spinEingabeMerktSichEineSekunde()
    {
        TStand s;
        QVERIFY(s.Waehlen("PopupMenuHelme", QStringLiteral("Leinen-Haube")));
        s.Planer.VerzauberungSetzen(SlotHelm, VerzauberungsCode(VzStaerke, 15));
        s.Seite->CharakterNeuBerechnen();
        QSpinBox *staerke = s.Spin("SpinEditStaerke");
        QCOMPARE(staerke->value(), 15);
        s.AllesMarkieren(staerke);
        QTest::keyClick(staerke, Qt::Key_2);
        QCOMPARE(staerke->value(), 15); // below the floor: the floor, "2" remembered
        s.Zeit += 400;
        QTest::keyClick(staerke, Qt::Key_0);
        QCOMPARE(staerke->value(), 20);
        QCOMPARE(s.Seite->Planer().Charakter.Staerke, 20);
        // With a pause the remembered digit is gone: "2" then later "0" stays at the floor + 0.
        s.AllesMarkieren(staerke);
        QTest::keyClick(staerke, Qt::Key_2);
        s.Zeit += 1500;
        QCOMPARE(staerke->value(), 15);
        QCOMPARE(s.Seite->Planer().Charakter.Staerke, 15);
        // Emptied and left: "0", raised to the floor.
        s.AllesMarkieren(staerke);
        QTest::keyClick(staerke, Qt::Key_Delete);
        s.Edit("EditErfahrung")->setFocus();
        QCOMPARE(staerke->value(), 15);
    }

    void eingabeUeberDerObergrenze()
    {
        TStand s;
        // The fourth digit is not refused: 1000 becomes the upper limit 999.
        QSpinBox *level = s.Spin("SpinEditLevel");
        s.AllesMarkieren(level);
        QTest::keyClicks(level, QStringLiteral("1000"));
        QCOMPARE(level->text(), QStringLiteral("999"));
        QCOMPARE(s.Seite->Planer().Charakter.Level, 999);
        // Beyond every limit: still the upper limit, no overflow.
        s.AllesMarkieren(level);
        QTest::keyClicks(level, QStringLiteral("99999999999999"));
        QCOMPARE(level->text(), QStringLiteral("999"));
        QCOMPARE(s.Seite->Planer().Charakter.Level, 999);
    }

    void levelScrollenStelltAttributeWiederHer()
    {
        TStand s;
        QSpinBox *level = s.Spin("SpinEditLevel");
        level->setValue(10);
        s.Zeit += 2000;
        const TCharakter &c = s.Seite->Planer().Charakter;
        QCOMPARE(c.Attributpunkte, 95);
        s.Spin("SpinEditStaerke")->setValue(40);
        s.Spin("SpinEditGeschick")->setValue(40);
        s.Spin("SpinEditKonstitution")->setValue(15);
        s.Zeit += 2000;
        // Quickly down to 5 and back to 10: the distribution of level 10 returns.
        for (int l = 9; l >= 5; --l) {
            level->setValue(l);
            s.Zeit += 100;
        }
        QCOMPARE(c.Attributpunkte, 70);
        QCOMPARE(c.FreiePunkte, 0);
        for (int l = 6; l <= 10; ++l) {
            level->setValue(l);
            s.Zeit += 100;
        }
        QCOMPARE(c.Staerke, 40);
        QCOMPARE(c.Geschick, 40);
        QCOMPARE(c.Konstitution, 15);
        // With a pause at 5 the cut distribution is kept.
        s.Zeit += 2000;
        for (int l = 9; l >= 5; --l) {
            level->setValue(l);
            s.Zeit += 100;
        }
        const TCharakter bei5 = c;
        s.Zeit += 1000;
        level->setValue(10);
        QCOMPARE(c.Staerke, bei5.Staerke);
        QCOMPARE(c.Geschick, bei5.Geschick);
        QCOMPARE(c.Konstitution, bei5.Konstitution);
        QCOMPARE(c.FreiePunkte, 25);
    }

    void erfahrungUndWertfelder()
    {
        TStand s;
        QLineEdit *exp = s.Edit("EditErfahrung");
        exp->setText(QStringLiteral("99999999999"));
        QCOMPARE(s.Seite->Planer().Charakter.Level, 999);
        QCOMPARE(exp->text(), QString::number(ErfahrungFuerLevel(999, 3)));
        s.Tippen(exp, QStringLiteral("x"));
        QCOMPARE(exp->text(), QString::number(ErfahrungFuerLevel(999, 3))); // letters refused

        QVERIFY(s.Waehlen("PopupMenuHauptwaffe", QStringLiteral("Kurzschwert")));
        QLineEdit *min = s.Edit("EditHauptwaffeMinSchaden");
        QCOMPARE(FeldFarbe(min), VorgabeFarbe);
        min->selectAll();
        s.Tippen(min, QStringLiteral("1234"));
        QCOMPARE(min->text(), QStringLiteral("123"));
        QCOMPARE(s.Teil<QToolButton>("SpeedButtonHauptwaffe")->text(), QStringLiteral("*eigenes Schwert*"));
        QCOMPARE(FeldFarbe(min), EditierbarFarbe);
        // The maximum is below the typed minimum: its field turns light red.
        QCOMPARE(FeldFarbe(s.Edit("EditHauptwaffeMaxSchaden")), FehlerFarbe);
        min->selectAll();
        s.Tippen(min, QStringLiteral("5"));
        QVERIFY(FeldFarbe(s.Edit("EditHauptwaffeMaxSchaden")) != FehlerFarbe);

        QVERIFY(s.Waehlen("PopupMenuHelme", QStringLiteral("Leinen-Haube")));
        QLineEdit *rues = s.Edit("EditHelmRuestschutz");
        rues->selectAll();
        s.Tippen(rues, QStringLiteral("12.34"));
        QCOMPARE(rues->text(), QStringLiteral("12,3"));
        QCOMPARE(s.Seite->Planer().Werte.Ruestung[SlotHelm].Ruestschutz, 12.3);

        QVERIFY(s.Waehlen("PopupMenuFernkampf", QStringLiteral("Kurzbogen")));
        QLineEdit *wirk = s.Edit("EditMunitionWirkung");
        QVERIFY(wirk->isVisible() || !wirk->isHidden());
        wirk->selectAll();
        s.Tippen(wirk, QStringLiteral("-5-"));
        QCOMPARE(wirk->text(), QStringLiteral("-5"));
        QCOMPARE(s.Seite->Planer().Werte.Munition.Wirkung, -5);
        // Leaving a field that holds no number sets "0".
        wirk->selectAll();
        QTest::keyClick(wirk, Qt::Key_Delete);
        QTest::keyClick(wirk, Qt::Key_Minus);
        rues->setFocus();
        QCOMPARE(wirk->text(), QStringLiteral("0"));
    }

    void menueMitUndOhneStrg()
    {
        TStand s;
        QVERIFY(s.Waehlen("PopupMenuHauptwaffe", QStringLiteral("Bidenhänder [2H]")));
        TPlaner erwartet;
        PlanerStarten(erwartet);
        WaehleMenueEintrag(erwartet, m_katalog, SlotHauptwaffe, QStringLiteral("Bidenhänder [2H]"));
        QCOMPARE(s.Teil<QToolButton>("SpeedButtonHauptwaffe")->text(), QStringLiteral("Bidenhänder [2H] +1"));
        QCOMPARE(s.Teil<QToolButton>("SpeedButtonNebenwaffe")->text(), ZweihaenderBelegt);
        QCOMPARE(s.Edit("EditHauptwaffeMinSchaden")->text(), QStringLiteral("36"));
        QCOMPARE(s.Edit("EditHauptwaffeMaxSchaden")->text(), QStringLiteral("53"));
        QCOMPARE(s.Text("LabelNahWaffe1Schaden"), erwartet.Anzeige.Nahkampf.Waffen[0].Schaden);
        {
            mvt::test::TTasteGehalten strg(&s.Haupt, Qt::Key_Control);
            QVERIFY(s.Waehlen("PopupMenuHauptwaffe", QStringLiteral("Bidenhänder [2H]")));
        }
        QCOMPARE(s.Teil<QToolButton>("SpeedButtonHauptwaffe")->text(), QStringLiteral("Bidenhänder [2H]"));
        QCOMPARE(s.Edit("EditHauptwaffeMinSchaden")->text(), QStringLiteral("35"));
        // A shield while the two-hander is held empties the main hand.
        QVERIFY(s.Waehlen("PopupMenuNebenwaffe", QStringLiteral("Lederschild")));
        QCOMPARE(s.Teil<QToolButton>("SpeedButtonHauptwaffe")->text(), QStringLiteral("- keine Waffe -"));
        QVERIFY(!s.Teil<QLabel>("LabelNahSchildblock")->isHidden());
        // A crossbow after a bow: the ammunition becomes bolts.
        QVERIFY(s.Waehlen("PopupMenuFernkampf", QStringLiteral("Kurzbogen")));
        QVERIFY(s.Teil<QToolButton>("SpeedButtonMunition")->text().startsWith(QStringLiteral("Pfeile")));
        QVERIFY(s.Waehlen("PopupMenuFernkampf", QStringLiteral("Handarmbrust")));
        QVERIFY(s.Teil<QToolButton>("SpeedButtonMunition")->text().startsWith(QStringLiteral("Bolzen")));
        QCOMPARE(s.Edit("EditFernkampfMinSchaden")->text(), QStringLiteral("34"));
        QVERIFY(!s.Teil<QFrame>("BevelFernkampf")->isHidden());
        // The upgrade on the middle button switches back to +0.
        QTest::mouseClick(s.Teil<QToolButton>("SpeedButtonFernkampf"), Qt::MiddleButton);
        QCOMPARE(s.Edit("EditFernkampfMinSchaden")->text(), QStringLiteral("30"));
        QCOMPARE(s.Teil<QToolButton>("SpeedButtonFernkampf")->text(), QStringLiteral("Handarmbrust"));

        // An enchantment through the right-button menu: the line under the button, the hint.
        s.Seite->VerzauberungsmenueOeffnen(SlotFernkampf, QPoint(0, 0));
        QMenu *verz = s.Teil<QMenu>("PopupMenuVerzauberungen");
        QTRY_VERIFY(verz->isVisible());
        QAction *kraft = nullptr;
        for (QAction *a : verz->findChildren<QAction *>())
            if (a->text().startsWith(QStringLiteral("der Präzision")))
                kraft = a;
        QVERIFY(kraft);
        verz->hide();
        kraft->trigger();
        QCOMPARE(s.Text("LabelVerzauberungFernkampf"),
                 QStringLiteral("der Präzision (+0.6% Treffsicherheit)"));
        QVERIFY(
            s.Teil<QToolButton>("SpeedButtonFernkampf")->toolTip().contains(QStringLiteral("der Präzision")));

        // The same choices through the model as the command line makes them.
        TPlaner cli;
        PlanerStarten(cli);
        SlotwahlAnwenden(cli, m_katalog, SlotNebenwaffe, {QStringLiteral("Lederschild"), {}, false, {}, {}});
        SlotwahlAnwenden(cli, m_katalog, SlotFernkampf,
                         {QStringLiteral("Handarmbrust"), 0, false, QStringLiteral("der Präzision"), {}});
        QCOMPARE(s.Seite->Planer().Anzeige.Fernkampf.Waffen[0].Schaden,
                 cli.Anzeige.Fernkampf.Waffen[0].Schaden);
        QCOMPARE(s.Text("LabelFernWaffe1Treffsicherheit"), cli.Anzeige.Fernkampf.Waffen[0].Treffsicherheit);
        QCOMPARE(s.Text("LabelNahSchildblock"), cli.Anzeige.Nahkampf.Schildblock);
    }

    void allesLoeschenAufLevel20()
    {
        TStand s;
        s.Spin("SpinEditLevel")->setValue(20);
        for (const auto &[menue, name] : std::initializer_list<std::pair<const char *, const char *>>{
                 {"PopupMenuHelme", "Mithril-Plattenhelm"},
                 {"PopupMenuHauptwaffe", "Kurzschwert"},
                 {"PopupMenuFernkampf", "Feuer-Stecken"}})
            QVERIFY(s.Waehlen(menue, QString::fromUtf8(name)));
        QVERIFY(s.Waehlen("PopupMenuZauber", QStringLiteral("Feuerpfeil")));
        s.Spin("SpinEditStaerke")->setValue(30);
        s.Seite->RadioButtonWerteImFernkampfClick();
        QVERIFY(s.Teil<QRadioButton>("RadioButtonWerteImFernkampf")->isChecked());
        QTest::mouseClick(s.Teil<QPushButton>("ButtonInventarLoeschen"), Qt::LeftButton);
        const TCharakter &c = s.Seite->Planer().Charakter;
        QCOMPARE(c.Level, 1);
        QCOMPARE(c.Erfahrung, 0);
        QCOMPARE(c.Staerke + c.Geschick + c.Konstitution + c.Intelligenz, 0);
        QCOMPARE(s.Text("LabelFreieAtrribute"), QStringLiteral("Freie Attributpunkte: 50"));
        QCOMPARE(s.Teil<QToolButton>("SpeedButtonHelm")->text(), QStringLiteral("- kein Helm -"));
        QCOMPARE(s.Teil<QToolButton>("SpeedButtonFernkampf")->text(),
                 QStringLiteral("- keine Fernkampfwaffe -"));
        QVERIFY(s.Teil<QToolButton>("SpeedButtonZauber")->isHidden());
        QVERIFY(s.Teil<QRadioButton>("RadioButtonWerteImNahkampf")->isChecked());
        QCOMPARE(s.Text("LabelEffektiveWerte"), QStringLiteral("Effektive Werte im Nahkampf"));
    }

    void bewertungsseiten()
    {
        TStand s;
        QVERIFY(s.Waehlen("PopupMenuHauptwaffe", QStringLiteral("Kurzschwert")));
        QTest::mouseClick(s.Teil<QPushButton>("ButtonMetall2"), Qt::LeftButton);
        QCOMPARE(s.Edit("EditGegnerRuestschutz")->text(), QStringLiteral("26"));
        QCOMPARE(s.Edit("EditGegnerRuestschutz", s.Fenster.get())->text(), QStringLiteral("26"));
        QCOMPARE(s.Seite->Planer().Gegner.Blockchance, 20.0);
        QCOMPARE(s.Text("LabelOffensivWert1"), s.Seite->Planer().Bewertung.Offensive.Zeilen[0].Wert);
        // Typing in the optimiser window reaches the tab and the evaluation.
        QLineEdit *aus = s.Edit("EditGegnerAusweichen", s.Fenster.get());
        aus->selectAll();
        s.Tippen(aus, QStringLiteral("100"));
        QCOMPARE(s.Edit("EditGegnerAusweichen")->text(), QStringLiteral("100"));
        QCOMPARE(s.Text("LabelOffensivWert1"), QStringLiteral("Treffer unmöglich"));
        QCOMPARE(s.Text("LabelOffensivWert8"), QStringLiteral("unbesiegbar"));
        // A maximum below the minimum: light red in both windows.
        QLineEdit *max = s.Edit("EditGegnerMaxSchaden");
        max->setText(QStringLiteral("3"));
        QCOMPARE(FeldFarbe(max), HellrotFarbe);
        QCOMPARE(FeldFarbe(s.Edit("EditGegnerMaxSchaden", s.Fenster.get())), HellrotFarbe);
        // Highlighting on click.
        QLabel *b = s.Teil<QLabel>("LabelDefensiv3");
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(b->font().bold());
        QVERIFY(s.Teil<QLabel>("LabelDefensivWert3")->font().bold());
        // Healing mode hides weapon effectiveness and rounds to defeat.
        QVERIFY(s.Waehlen("PopupMenuFernkampf", QStringLiteral("Erde-Stecken")));
        QVERIFY(s.Waehlen("PopupMenuZauber", QStringLiteral("Heilung I")));
        s.Seite->RadioButtonWerteImFernkampfClick();
        QCOMPARE(s.Text("LabelOffensiv1"), QStringLiteral("Mögliche Heilung"));
        QVERIFY(s.Teil<QLabel>("LabelOffensiv7")->isHidden());
        QVERIFY(s.Teil<QLabel>("LabelOffensivWert8")->isHidden());
    }

    void potenzschalterNachWelt()
    {
        TStand s;
        QCheckBox *c = s.Teil<QCheckBox>("CheckBoxCPWirkungBerechnen");
        QVERIFY(c->isEnabled());
        s.Sitzung.PlanerweltSetzen(1, s.Optionen.CPCalcPotency);
        s.Seite->OptionenUebernehmen();
        QVERIFY(!c->isEnabled());
        QVERIFY(!s.Teil<QLabel>("LabelCPWirkungBerechnen")->isEnabled());
        QCOMPARE(s.Text("LabelCPWelt"), QStringLiteral("Dunladan / Endurias"));
        TOptionen o = s.Optionen;
        o.CPWorld = 3;
        o.Wirkung[WkSchwerter] = 2.0;
        s.Sitzung.OptionenSetzen(o);
        QVERIFY(s.Waehlen("PopupMenuHauptwaffe", QStringLiteral("Kurzschwert")));
        const QString mit = s.Text("LabelNahWaffe1Schaden");
        QTest::mouseClick(c, Qt::LeftButton);
        QVERIFY(!s.Optionen.CPCalcPotency);
        QVERIFY(s.Text("LabelNahWaffe1Schaden") != mit);
    }

    void inventarImport()
    {
        TStand s;
        QFile f(QStringLiteral(MVT_TESTDATEN "/planner/inventar/voll.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString seite = TextDekodieren(f.readAll());
        // From the clipboard, as the button reads it.
        QGuiApplication::clipboard()->setText(seite);
        QTest::mouseClick(s.Teil<QPushButton>("ButtonInventarAuslesen"), Qt::LeftButton);
        QLabel *m = s.Teil<QLabel>("LabelInventarAuslesen");
        // The same page through the model, as `morvaren-cli inventar` reads it.
        TPlaner q;
        PlanerStarten(q);
        TOptimiererZustand z;
        InventarAuslesen(q, z, m_katalog, seite);
        for (int i = 0; i < AnzahlSlots; ++i)
            QCOMPARE(s.Seite->Planer().Slots[i].Beschriftung, q.Slots[i].Beschriftung);
        QCOMPARE(s.Text("LabelMaxLP"), q.Anzeige.MaximaleLebenspunkte);
        QCOMPARE(s.Text("LabelNahWaffe1Schaden"), q.Anzeige.Nahkampf.Waffen[0].Schaden);
        QCOMPARE(m->text(), QStringLiteral("7 Items gelesen"));
        QVERIFY(!m->isHidden());
        QCOMPARE(s.Spin("SpinEditStaerke")->value(), 22);
        QCOMPARE(s.Spin("SpinEditKonstitution")->value(), 20);
        QCOMPARE(s.Teil<QToolButton>("SpeedButtonHelm")->text(), QStringLiteral("Leder-Haube +1"));
        QVERIFY(s.Teil<QRadioButton>("RadioButtonZwerg", s.Fenster.get())->isChecked());
        QCOMPARE(s.Optionen.CPWorld, 3);
        // The message goes after 3 s.
        QTimer *t = s.Seite->findChild<QTimer *>(QStringLiteral("TimerInventarAuslesenMeldungLoeschen"));
        QVERIFY(t && t->isActive());
        QCOMPARE(t->interval(), 3000);
        t->start(1); // the 3 s shortened
        QTRY_VERIFY(m->isHidden());
        QVERIFY(!t->isActive());
        // Rubbish on the clipboard: "Fehlgeschlagen", the character unchanged.
        const QByteArray vorher = QJsonDocument(CharakterJsonSchreiben(s.Seite->Planer())).toJson();
        s.Seite->InventarTextAuslesen(QStringLiteral("\"unbalanced\tquote\n\x01\x02 ) ( +1"));
        QCOMPARE(m->text(), QStringLiteral("Fehlgeschlagen"));
        QVERIFY(!t->isActive());
        QCOMPARE(QJsonDocument(CharakterJsonSchreiben(s.Seite->Planer())).toJson(), vorher);
    }

    void charakterdateiHinUndZurueck()
    {
        QTemporaryDir ordner;
        TStand s;
        s.Spin("SpinEditLevel")->setValue(12);
        QVERIFY(s.Waehlen("PopupMenuHelme", QStringLiteral("*eigener Schwerer Helm*")));
        s.Edit("EditHelmRuestschutz")->setText(QStringLiteral("4,5"));
        s.Seite->SlotwertGeaendert(SlotHelm, FeldRuestschutz);
        QVERIFY(s.Waehlen("PopupMenuHauptwaffe", QStringLiteral("Bidenhänder [2H]")));
        s.Planer.VerzauberungSetzen(SlotHauptwaffe, VerzauberungAusName(QStringLiteral("der Kraft")));
        QVERIFY(s.Waehlen("PopupMenuFernkampf", QStringLiteral("Feuer-Stecken")));
        QVERIFY(s.Waehlen("PopupMenuZauber", QStringLiteral("*eigener Feuer-DOT*")));
        s.Edit("EditZauberDauer")->setText(QStringLiteral("3"));
        s.Seite->SlotwertGeaendert(SlotZauber, FeldDauer);
        s.Spin("SpinEditGeschick")->setValue(17);
        const QString datei = ordner.filePath(QStringLiteral("c.json"));
        QVERIFY(s.Seite->CharakterSpeichern(datei));

        TStand t;
        QVERIFY(t.Seite->CharakterLaden(datei));
        const QString zweite = ordner.filePath(QStringLiteral("d.json"));
        QVERIFY(t.Seite->CharakterSpeichern(zweite));
        QFile a(datei), b(zweite);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), a.readAll());
        QCOMPARE(t.Text("LabelNahWaffe1Schaden"), s.Text("LabelNahWaffe1Schaden"));
        QCOMPARE(t.Spin("SpinEditStaerke")->value(), s.Spin("SpinEditStaerke")->value());
        QCOMPARE(t.Seite->Planer().Werte.Zauber.Dauer, 3);

        // A file that does not parse changes nothing and says so in German.
        MeldungsRekorder meldungen;
        QFile kaputt(ordner.filePath(QStringLiteral("kaputt.json")));
        QVERIFY(kaputt.open(QIODevice::WriteOnly));
        kaputt.write("{\"Level\": 5, \"Slots\": {\"Helm\": {\"Name\": \"Pappkarton\"}}}");
        kaputt.close();
        QVERIFY(!t.Seite->CharakterLaden(kaputt.fileName()));
        QCOMPARE(meldungen.Meldungen.size(), 1);
        QVERIFY(meldungen.Meldungen[0].startsWith(QStringLiteral("Fehler: ")));
        QCOMPARE(t.Seite->Planer().Charakter.Level, 12);
    }

    void optimiererfenster()
    {
        TStand s;
        TForm10 &f = *s.Fenster;
        // Zwerg with "der Wucht" (3 Stärke): minimums 23, 5, 20, 5.
        QVERIFY(s.Waehlen("PopupMenuHelme", QStringLiteral("Leinen-Haube")));
        s.Seite->VerzauberungsmenueOeffnen(SlotHelm, QPoint());
        s.Teil<QMenu>("PopupMenuVerzauberungen")->hide();
        s.Seite->VerzauberungGewaehlt(QStringLiteral("der Wucht (+3 Staerke)"));
        QCOMPARE(s.Seite->Planer().Charakter.VerzStaerke, 3);
        QTest::mouseClick(s.Teil<QRadioButton>("RadioButtonZwerg", &f), Qt::LeftButton);
        QCOMPARE(s.Spin("SpinEditStaerke", &f)->value(), 23);
        QCOMPARE(s.Spin("SpinEditGeschick", &f)->value(), 5);
        QCOMPARE(s.Spin("SpinEditKonstitution", &f)->value(), 20);
        // A hand-set minimum turns the race into "Frei".
        s.Spin("SpinEditIntelligenz", &f)->setValue(7);
        QVERIFY(s.Teil<QRadioButton>("RadioButtonFrei", &f)->isChecked());
        // Level 1 with the Mensch minimums: 0 left, in red.
        QTest::mouseClick(s.Teil<QPushButton>("ButtonInventarLoeschen"), Qt::LeftButton);
        QTest::mouseClick(s.Teil<QRadioButton>("RadioButtonMensch", &f), Qt::LeftButton);
        QLabel *bleiben = s.Teil<QLabel>("LabelAttributeBleibenFuerOptimierung", &f);
        QCOMPARE(bleiben->text(), QStringLiteral("(0 bleiben"));
        QCOMPARE(bleiben->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        // The ":" sets 50 : 50.
        QTest::mouseClick(s.Teil<QLabel>("LabelDoppelpunkt", &f), Qt::LeftButton);
        QCOMPARE(s.Teil<QScrollBar>("ScrollBarPrioritaet", &f)->value(), 50);
        QCOMPARE(s.Teil<QLabel>("LabelDefensivProzent", &f)->text(), QStringLiteral("50"));

        // A search on the worker: inputs disabled meanwhile, result applied and shown green.
        QTest::mouseClick(s.Teil<QRadioButton>("RadioButtonLeer", &f), Qt::LeftButton);
        s.Spin("SpinEditLevel")->setValue(30);
        QVERIFY(s.Waehlen("PopupMenuHauptwaffe", QStringLiteral("Axt")));
        QTest::mouseClick(s.Teil<QLabel>("LabelOffensiv", &f), Qt::LeftButton);
        QTest::mouseClick(s.Teil<QPushButton>("ButtonAttributeOptimieren", &f), Qt::LeftButton);
        QVERIFY(s.Planer.Optimierer().OptimierungLaeuft);
        QVERIFY(!s.Spin("SpinEditStaerke")->isEnabled());
        QVERIFY(!s.Teil<QPushButton>("ButtonAttributeOptimieren", &f)->isEnabled());
        QTRY_VERIFY(!s.Planer.Optimierer().OptimierungLaeuft);
        QVERIFY(s.Spin("SpinEditStaerke")->isEnabled());
        QCOMPARE(FeldFarbe(s.Spin("SpinEditStaerke")), HellgruenFarbe);
        QVERIFY(s.Seite->Planer().Charakter.Staerke > 0); // an axe scales with Stärke
        // Changed while running: the result is not applied.
        const int32_t vorher = s.Seite->Planer().Charakter.Geschick;
        s.Spin("SpinEditStaerke")->setValue(0);
        QTest::mouseClick(s.Teil<QPushButton>("ButtonAttributeOptimieren", &f), Qt::LeftButton);
        QVERIFY(s.Planer.Optimierer().OptimierungLaeuft);
        s.Planer.VerzauberungSetzen(SlotHauptwaffe, VerzauberungsCode(VzGeschick, 2));
        QTRY_VERIFY(!s.Planer.Optimierer().OptimierungLaeuft);
        QCOMPARE(s.Seite->Planer().Charakter.Staerke, 0);
        QCOMPARE(s.Seite->Planer().Charakter.Geschick, vorher + 2);
        QVERIFY(!s.Teil<QLabel>("LabelWarnung", &f)->isHidden());
    }

    void knopfZeigtUndVerbirgtOptimierer()
    {
        pruefung::TPruefstand s;
        s.Erzeugen();
        TForm1 &h = s.Haupt();
        h.show();
        h.PageControl1->setCurrentIndex(TForm1::SeiteCharakterPlaner);
        TForm10 &opt = *s.App.Form10;
        QPushButton *knopf =
            h.CharakterPlanerSeite->findChild<QPushButton *>(QStringLiteral("ButtonAttributeOptimieren"));
        QVERIFY(knopf);
        knopf->click();
        QVERIFY(opt.isVisible());
        QVERIFY(opt.OptimiererOffen);
        h.PageControl1->setCurrentIndex(0);
        QVERIFY(!opt.isVisible());
        h.PageControl1->setCurrentIndex(TForm1::SeiteCharakterPlaner);
        QVERIFY(opt.isVisible());
        knopf->click();
        QVERIFY(!opt.isVisible());
        QVERIFY(!opt.OptimiererOffen);
        // The session's report after the settings window recomputes with the changed options.
        s.App.Sitzung.PlanerweltSetzen(2, s.App.Sitzung.Optionen().CPCalcPotency);
        s.App.Sitzung.Planer().Neuberechnen();
        QVERIFY(!h.CharakterPlanerSeite->findChild<QCheckBox *>(QStringLiteral("CheckBoxCPWirkungBerechnen"))
                     ->isEnabled());
        // Ctrl held on the keyboard: the preset stays at +0.
        {
            mvt::test::TTasteGehalten strg(&h, Qt::Key_Control);
            h.CharakterPlanerSeite->MenueEintragGewaehlt(SlotHauptwaffe, QStringLiteral("Kurzschwert"));
        }
        QCOMPARE(h.CharakterPlanerSeite->Planer().Slots[SlotHauptwaffe].Aufwertung, 0);
    }

    // The equipment menus get their entries when a player first opens one: the click on the
    // slot button shows the complete menu with the catalogue's hints, once.
    void menueEntstehtBeimErstenOeffnen()
    {
        TStand s;
        auto *helme = s.Seite->findChild<QMenu *>(QStringLiteral("PopupMenuHelme"));
        QVERIFY(helme);
        QVERIFY(helme->actions().isEmpty()); // nothing made before it is needed
        QToolButton *helm = s.Teil<QToolButton>("SpeedButtonHelm");
        QTest::mouseClick(helm, Qt::LeftButton);
        QTRY_VERIFY(helme->isVisible());
        QCOMPARE(helme->actions().first()->text(), QStringLiteral("Stoff"));
        QCOMPARE(helme->actions().last()->text(), NichtsEintrag);
        QAction *mithril = nullptr;
        for (QAction *a : helme->findChildren<QAction *>())
            if (a->data().toString() == QLatin1String("Mithril-Plattenhelm"))
                mithril = a;
        QVERIFY(mithril);
        QVERIFY(mithril->statusTip().contains(QStringLiteral("Stufe")));
        const qsizetype anzahl = helme->findChildren<QAction *>().size();
        helme->hide();
        QTest::mouseClick(helm, Qt::LeftButton);
        QTRY_VERIFY(helme->isVisible());
        QCOMPARE(helme->findChildren<QAction *>().size(), anzahl);
        helme->hide();
        mithril->trigger();
        QVERIFY(helm->text().startsWith(QStringLiteral("Mithril-Plattenhelm")));

        // The enchantment menu too, from the context-menu key.
        auto *verz = s.Seite->findChild<QMenu *>(QStringLiteral("PopupMenuVerzauberungen"));
        QVERIFY(verz && verz->actions().isEmpty());
        QContextMenuEvent taste(QContextMenuEvent::Keyboard, QPoint(4, 4), helm->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(helm, &taste);
        QTRY_VERIFY(verz->isVisible());
        QCOMPARE(verz->actions().last()->text(), KeineVerzauberungEintrag);
        verz->hide();
    }

    // The areas keep their place on the page and the Tab key goes on from the last button of
    // the character to the first slot.
    void bereicheBehaltenLageUndTabfolge()
    {
        TStand s;
        auto lage = [&](QWidget *w) { return QRect(w->mapTo(s.Seite.get(), QPoint(0, 0)), w->size()); };
        QCOMPARE(lage(s.Spin("SpinEditLevel")), QRect(96, 6, 92, 20));
        QCOMPARE(lage(s.Teil<QToolButton>("SpeedButtonZauber")), QRect(218, 348, 164, 22));
        QCOMPARE(lage(s.Teil<QLabel>("LabelEffektiveWerte")), QRect(560, 4, 222, 16));
        QCOMPARE(lage(s.Teil<QFrame>("BevelFernkampf")), QRect(558, 248, 224, 140));
        QCOMPARE(lage(s.Teil<QTabWidget>("PageControl3")), QRect(218, 392, 564, 162));
        auto *laden = s.Teil<QPushButton>("ButtonCharakterLaden");
        laden->setFocus();
        QTest::keyClick(laden, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), s.Teil<QToolButton>("SpeedButtonHelm"));
    }

    // The main window's page works on the program's character: a value set there shows after
    // the recomputation, and what the page does lands there.
    void seiteArbeitetAufDemCharakterDesProgramms()
    {
        pruefung::TPruefstand s;
        s.HauptfensterZeigen();
        TForm1 &h = s.Haupt();
        h.PageControl1->setCurrentIndex(TForm1::SeiteCharakterPlaner);
        const TPlaner &p = s.App.Zustand().Planer;
        s.App.Sitzung.Planer().LevelSetzen(30);
        s.App.Sitzung.Planer().AttributSetzen(AttrStaerke, 40);
        TCharakterPlanerSeite &seite = *h.CharakterPlanerSeite;
        QCOMPARE(seite.findChild<QSpinBox *>(QStringLiteral("SpinEditLevel"))->value(), 30);
        QCOMPARE(seite.findChild<QSpinBox *>(QStringLiteral("SpinEditStaerke"))->value(), 40);
        // The menus opened in the main window carry their hints at the first opening.
        auto *knopf = seite.findChild<QToolButton *>(QStringLiteral("SpeedButtonHauptwaffe"));
        auto *menue = seite.findChild<QMenu *>(QStringLiteral("PopupMenuHauptwaffe"));
        QTest::mouseClick(knopf, Qt::LeftButton);
        QTRY_VERIFY(menue->isVisible());
        QAction *kurzschwert = nullptr;
        for (QAction *a : menue->findChildren<QAction *>())
            if (a->data().toString() == QLatin1String("Kurzschwert"))
                kurzschwert = a;
        QVERIFY(kurzschwert);
        QVERIFY(!kurzschwert->statusTip().isEmpty());
        // A submenu made at that opening reaches the hint window: by keyboard into the
        // swords, the selected entry's hint shows with what choosing it would change.
        QTest::keyClick(menue, Qt::Key_Down);
        QTest::keyClick(menue, Qt::Key_Right);
        auto *schwerter = seite.findChild<QMenu *>(QStringLiteral("PopupMenuHauptwaffe_Schwerter [1H]"));
        QVERIFY(schwerter);
        QTRY_VERIFY(schwerter->isVisible());
        QTest::keyClick(schwerter, Qt::Key_Down);
        QVERIFY(schwerter->activeAction());
        QTRY_VERIFY(h.MenuItemHint->isVisible());
        QCOMPARE(h.MenuItemHint->Text(), schwerter->activeAction()->statusTip());
        QVERIFY(h.MenuItemHint->Text().contains(QStringLiteral("Schaden")));
        schwerter->hide();
        menue->hide();
        QTest::mouseClick(seite.findChild<QPushButton *>(QStringLiteral("ButtonInventarLoeschen")),
                          Qt::LeftButton);
        QCOMPARE(p.Charakter.Level, 1);
        QCOMPARE(p.Charakter.Staerke, 0);
    }

    // The character outlives a page built on it; the page that is gone is no longer called.
    void charakterUeberlebtDieSeite()
    {
        TOptionen o;
        StandardOptionenSetzen(o);
        TPlaner planer;
        TSlotwahl haube;
        haube.Name = QStringLiteral("Leinen-Haube");
        {
            TPlanerSitzung teil(planer, m_katalog);
            {
                QWidget haupt;
                TSitzung sitzung(o);
                auto *seite = new TCharakterPlanerSeite(sitzung, teil, &haupt);
                seite->OptionenUebernehmen();
                teil.LevelSetzen(50);
                seite->CharakterNeuBerechnen();
            }
            // The session's part outlives the page too: its reports reach no page that is gone.
            teil.SlotwahlSetzen(SlotHelm, haube);
            teil.VerzauberungSetzen(SlotHelm, VerzauberungsCode(VzStaerke, 3));
            QCOMPARE(teil.Optimierer().Untergrenze[0], 3);
        }
        QCOMPARE(planer.Charakter.Level, 50);
        QVERIFY(!planer.UntergrenzenGeaendert);
        SlotwahlAnwenden(planer, m_katalog, SlotHelm, haube);
        SetzeVerzauberung(planer, SlotHelm, VerzauberungsCode(VzStaerke, 15));
        QCOMPARE(planer.Charakter.VerzStaerke, 15);
    }
};

QTEST_MAIN(PlanerseiteTest)
#include "PlanerseiteTest.moc"
