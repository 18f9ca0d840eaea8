// Window tests of the crafting tab, offscreen: the item browser, the build list with its
// keys and clicks, the cost pages and the analysis as a player sees them.
#include "../../Fenstertests.h"
#include "catalogue/Katalog.h"
#include "base/Meldung.h"
#include "Bausatzrechnerteile.h"
#include "crafting/Analyse.h"
#include "crafting/CraftingSitzung.h"
#include "crafting/ui/Bausatzrechnerseite.h"
#include "crafting/ui/Mengendialog.h"
#include "ui/Sitzung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace mvt;

class BausatzrechnerseiteTest : public QObject {
    Q_OBJECT

    TKatalog m_katalog;

    struct Seite {
        TCraftingZustand crafting;
        TOptionen optionen;
        TSitzung sitzung{optionen};
        TCraftingSitzung teil;
        TBausatzrechnerSeite seite;
        const test::TBausatzrechnerTeile t{seite};
        explicit Seite(const TKatalog &k) : teil(crafting, k, optionen), seite(sitzung, teil)
        {
            CraftingZustandAnlegen(k, crafting);
            seite.Aufbauen();
            seite.show();
        }
        template <class T> T *Teil(const QString &name) { return test::Teil<T>(seite, name); }
        QString Text(const QString &name) { return Teil<QLabel>(name)->text(); }
        // A click on the button of cost page k, which makes the page when first shown.
        void SeiteZeigen(int k)
        {
            QTest::mouseClick(Teil<QToolButton>(QStringLiteral("PageControl2Seite%1").arg(k)),
                              Qt::LeftButton);
        }
        bool Sichtbar(const QString &name) { return Teil<QWidget>(name)->isVisible(); }
        void Waehlen(const QString &name)
        {
            const auto treffer = t.TreeView1->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
            if (treffer.isEmpty())
                qFatal("%s fehlt im Katalog", qPrintable(name));
            t.TreeView1->setCurrentItem(treffer.first());
        }
        void Hinzufuegen(const QString &name, int bausaetze)
        {
            Waehlen(name);
            t.RadioButtonBaumenge1->setChecked(true);
            t.SpinEditBaumenge1->setValue(bausaetze);
            QTest::mouseClick(t.SpeedButtonBauen, Qt::LeftButton);
        }
        QStringList Bauliste()
        {
            QStringList texte;
            for (int i = 0; i < t.TreeView2->topLevelItemCount(); ++i)
                texte << t.TreeView2->topLevelItem(i)->text(0);
            return texte;
        }
        QStringList Analyse(int k)
        {
            QStringList texte;
            for (int i = 1; i <= 8; ++i)
                texte << t.Kostenseite(k).LabelAnalyse[static_cast<size_t>(i)]->text();
            return texte;
        }
        void KlickMit(QTreeWidget *baum, QTreeWidgetItem *item, bool strg)
        {
            mvt::test::TTasteGehalten taste(&seite, strg ? Qt::Key_Control : Qt::Key_Shift);
            QTest::mouseClick(baum->viewport(), Qt::LeftButton, taste.Modifikator(),
                              baum->visualItemRect(item).center());
        }
    };

private slots:
    void initTestCase()
    {
        KatalogFuellen(m_katalog);
        WeltvarianteAnwenden(m_katalog, 3);
    }

    void StartzustandUndZugang()
    {
        Seite s(m_katalog);
        QVERIFY(!s.t.PageControl2->isVisible());
        QVERIFY(!s.t.SpeedButtonBauen->isEnabled());
        QVERIFY(!s.t.SpeedButtonLoeschen->isEnabled());
        QVERIFY(s.t.RadioButtonBaumenge1->isChecked());
        QCOMPARE(s.t.SpinEditBaumenge3->value(), 0);
        QCOMPARE(s.t.TreeView1->topLevelItemCount(), 6);
        QCOMPARE(s.t.SpeedButtonBauen->accessibleName(), QStringLiteral("Hinzufügen"));
        QCOMPARE(s.t.SpeedButtonLoeschen->toolTip(), QStringLiteral("Entfernen"));
        QCOMPARE(s.t.SpeedButtonBearbeiten->accessibleName(), QStringLiteral("Menge anpassen"));
        QCOMPARE(s.t.LabelBaumenge1->buddy(), s.t.SpinEditBaumenge1);
        // The first cost page gets its controls when first needed, as the other three.
        QVERIFY(!s.seite.findChild<QWidget *>(QStringLiteral("EditVerkaufspreisGold")));
        s.t.Kostenseite(1);
        QCOMPARE(s.Teil<QLabel>(QStringLiteral("LabelVerkaufspreis1"))->buddy(),
                 s.Teil<QWidget>(QStringLiteral("EditVerkaufspreisGold")));
        QCOMPARE(s.t.LabelWirkungBerechnen->text(), QStringLiteral("  Wirkung einkalkulieren"));
    }

    void ArtikeldetailsImFenster()
    {
        Seite s(m_katalog);
        s.Waehlen(QStringLiteral("Buchenholz"));
        QVERIFY(s.t.SpeedButtonBauen->isEnabled());
        QCOMPARE(s.t.SpeedButtonBauen->property("Tag").toInt(), 1);
        QStringList sichtbar;
        for (QLabel *l : s.seite.findChildren<QLabel *>()) {
            const QString n = l->objectName();
            if (l->isVisible() && !l->text().isEmpty() &&
                (n.startsWith(QLatin1String("LabelItem")) || n.startsWith(QLatin1String("LabelZutat")) ||
                 n.startsWith(QLatin1String("LabelHerstellung")) ||
                 n.startsWith(QLatin1String("LabelMarktwert"))) &&
                !n.endsWith(u'0'))
                sichtbar << l->text();
        }
        QCOMPARE(sichtbar.size(), 12);
        QVERIFY(sichtbar.contains(QStringLiteral("2.400 kg   (0.400 kg / Stk.)")));
        QVERIFY(sichtbar.contains(QStringLiteral("120 Gold Bausatz")));
        QCOMPARE(s.t.LabelItem[2]->palette().color(QPalette::WindowText), QColor(0x77, 0x77, 0x77));
        QVERIFY(s.t.LabelItem[3]->palette().color(QPalette::WindowText) != QColor(0x77, 0x77, 0x77));

        s.Waehlen(QStringLiteral("Produktion"));
        QVERIFY(!s.t.SpeedButtonBauen->isEnabled());
        QVERIFY(!s.t.LabelItem[1]->isVisible());
        QVERIFY(!s.t.LabelMarktwert[1]->isVisible());

        s.Waehlen(QStringLiteral("Tempel II"));
        QCOMPARE(s.t.LabelHerstellung[1]->text(), QStringLiteral("Stadtrecht"));
        QCOMPARE(s.t.LabelHerstellung[2]->text(), QStringLiteral("Tempel I"));
        QVERIFY(s.t.LabelHerstellung[2]->isVisible());
        QVERIFY(s.t.LabelHerstellung[1]->y() > s.t.LabelZutat[1]->y()); // below the components
        QVERIFY(!s.t.LabelMarktwert[0]->isVisible());
        s.Waehlen(QStringLiteral("Forstanlage III"));
        QCOMPARE(s.t.LabelItem[3]->text(), QStringLiteral("1600 Strukturpunkte, 5 Arbeitsplätze"));
        QCOMPARE(s.t.LabelItem[4]->text(), QStringLiteral("300 Gold / Tag"));
        QVERIFY(!s.t.LabelHerstellung[2]->isVisible());
    }

    void KurzschwertRechnetDasBeispiel()
    {
        Seite s(m_katalog);
        s.Hinzufuegen(QStringLiteral("Kurzschwert"), 1);
        QCOMPARE(s.Bauliste(), QStringList{QStringLiteral("1 Kurzschwert")});
        QVERIFY(s.t.PageControl2->isVisible());
        QCOMPARE(s.Analyse(1),
                 (QStringList{"1200", "7 Std. 0 Min.", "878", "820", "58", "1200", "322 Gold", "46 Gold"}));
        QCOMPARE(s.Analyse(2),
                 (QStringList{"1200", "8 Std. 24 Min.", "750", "680", "70", "1200", "450 Gold", "54 Gold"}));
        const QStringList drei = {"1200", "11 Std. 54 Min.", "639",    "540", "99",
                                  "1200", "561 Gold",        "47 Gold"};
        QCOMPARE(s.Analyse(3), drei);
        QCOMPARE(s.Analyse(4), drei);
        QCOMPARE(s.Text(QStringLiteral("LabelAnalyseStatic7")), QStringLiteral("Gewinn:"));
        QCOMPARE(s.Teil<QLabel>(QStringLiteral("LabelAnalyse7"))->palette().color(QPalette::WindowText),
                 QColor(0, 0x80, 0));
        // The duration caption ends before the duration text.
        QLabel *dauer = s.Teil<QLabel>(QStringLiteral("LabelAnalyseStatic2"));
        QVERIFY(dauer->geometry().right() + 8 <= s.Teil<QLabel>(QStringLiteral("LabelAnalyse2"))->x());

        // Buildings: one kind on page 1, two (Schmiede and Schmelze) on page 2.
        QComboBox *combo1 = s.Teil<QComboBox>(QStringLiteral("ComboBoxGebaeude"));
        QVERIFY(combo1->isVisible());
        QCOMPARE(combo1->count(), 5);
        QCOMPARE(combo1->itemText(0), QStringLiteral("Schmiede I"));
        QCOMPARE(combo1->itemText(4), QStringLiteral("Schmiede V"));
        QVERIFY(s.Teil<QWidget>(QStringLiteral("SpeedButtonGebaeude"))->isHidden());
        s.SeiteZeigen(2);
        QVERIFY(s.Teil<QWidget>(QStringLiteral("SpeedButtonGebaeude2"))->isHidden() == false);
        s.SeiteZeigen(1);
        QVERIFY(s.Teil<QWidget>(QStringLiteral("SpeedButtonVerkaufspreis"))->isHidden());

        // A level changed on page 2 changes every page that uses the Schmiede.
        const QString vorher = s.Analyse(1)[1];
        s.t.PageControl2->setCurrentIndex(1);
        s.Teil<QComboBox>(QStringLiteral("ComboBoxGebaeude2"))->setCurrentIndex(4);
        QCOMPARE(s.crafting.Handwerksgebaeude[9].Stufe, 5);
        QVERIFY(s.Analyse(1)[1] != vorher);
        s.t.PageControl2->setCurrentIndex(0);
        QCOMPARE(combo1->currentIndex(), 4);
    }

    void EdelsteinUndEinkaufszeilen()
    {
        Seite s(m_katalog);
        s.Hinzufuegen(QStringLiteral("Saphir"), 1);
        for (int k = 1; k <= 4; ++k) {
            s.SeiteZeigen(k);
            const QString suffix = k == 1 ? QString() : QString::number(k) + u'_';
            QCOMPARE(s.Text(QStringLiteral("LabelGebaeude") + suffix + u'1'),
                     QStringLiteral("-kein Gebäude benötigt-"));
            QVERIFY(s.Teil<QWidget>(QStringLiteral("LabelGebaeude") + suffix + u'1')->isHidden() == false);
        }
        s.SeiteZeigen(1);
        for (const char *name : {"Kurzschwert", "Salz", "Jaspis"})
            s.Hinzufuegen(QString::fromUtf8(name), 1);
        QToolButton *alle = s.Teil<QToolButton>(QStringLiteral("SpeedButtonKosten"));
        QVERIFY(s.Teil<QWidget>(QStringLiteral("EditKostenGold5"))->isHidden() == false);
        QVERIFY(alle->isHidden()); // five rows fit
        QVERIFY(s.Teil<QWidget>(QStringLiteral("SpeedButtonVerkaufspreis"))->isHidden() == false);
        QCOMPARE(s.Text(QStringLiteral("LabelVerkaufspreis1")), QStringLiteral("Saphir"));
        s.Hinzufuegen(QStringLiteral("Onyx"), 1);
        QVERIFY(alle->isHidden() == false);
    }

    void PreisfelderTippen()
    {
        Seite s(m_katalog);
        s.Hinzufuegen(QStringLiteral("Kurzschwert"), 1);
        QLineEdit *gold = s.Teil<QLineEdit>(QStringLiteral("EditVerkaufspreisGold"));
        QSpinBox *prozent = s.Teil<QSpinBox>(QStringLiteral("SpinEditVerkaufspreisProzent"));
        s.seite.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.seite));

        prozent->setFocus();
        prozent->selectAll();
        QTest::keyClicks(prozent, QStringLiteral("150"));
        QCOMPARE(gold->text(), QStringLiteral("1800"));
        QCOMPARE(
            s.crafting
                .Warenpreise[static_cast<size_t>(ItemSuchen(m_katalog, QStringLiteral("Kurzschwert")).Index)]
                .Verkaufspreis,
            1800.0);
        QCOMPARE(s.Analyse(1)[5], QStringLiteral("1800"));

        gold->setFocus();
        gold->selectAll();
        QTest::keyClicks(gold, QStringLiteral("12345678"));
        QCOMPARE(gold->text(), QStringLiteral("1234567"));
        gold->selectAll();
        QTest::keyClicks(gold, QStringLiteral("1.239"));
        QCOMPARE(gold->text(), QStringLiteral("1,23"));
        QTest::keyClicks(gold, QStringLiteral(","));
        QCOMPARE(gold->text(), QStringLiteral("1,23"));

        // An emptied purchase field stores 0 when it is left.
        QLineEdit *einkauf = s.Teil<QLineEdit>(QStringLiteral("EditKostenGold1"));
        einkauf->setFocus();
        einkauf->selectAll();
        QTest::keyClick(einkauf, Qt::Key_Backspace);
        s.t.TreeView2->setFocus();
        QCOMPARE(einkauf->text(), QStringLiteral("0"));
        QCOMPARE(s.Teil<QSpinBox>(QStringLiteral("SpinEditKostenProzent1"))->value(), 0);
        QCOMPARE(
            s.crafting
                .Zutatpreise[static_cast<size_t>(ItemSuchen(m_katalog, QStringLiteral("Kupferbarren")).Index)]
                .Einkaufspreis,
            0.0);

        // A lone comma pasted in is reported; nothing is stored.
        MeldungsRekorder rekorder;
        const double vorher =
            s.crafting
                .Warenpreise[static_cast<size_t>(ItemSuchen(m_katalog, QStringLiteral("Kurzschwert")).Index)]
                .Verkaufspreis;
        gold->setText(QStringLiteral(","));
        QCOMPARE(rekorder.Meldungen, QStringList{QStringLiteral("',' is not a valid floating point value")});
        QCOMPARE(
            s.crafting
                .Warenpreise[static_cast<size_t>(ItemSuchen(m_katalog, QStringLiteral("Kurzschwert")).Index)]
                .Verkaufspreis,
            vorher);
    }

    void StrgKlickEnterUndEntfernen()
    {
        Seite s(m_katalog);
        s.Hinzufuegen(QStringLiteral("Buchenholz"), 2);
        QCOMPARE(s.Bauliste(), QStringList{QStringLiteral("12 Buchenholz")});
        QTreeWidgetItem *eintrag = s.t.TreeView2->topLevelItem(0);
        s.KlickMit(s.t.TreeView2, eintrag, true);
        QCOMPARE(s.Bauliste(), QStringList{QStringLiteral("6 Buchenholz")});
        s.KlickMit(s.t.TreeView2, s.t.TreeView2->topLevelItem(0), true);
        QVERIFY(s.Bauliste().isEmpty());
        QVERIFY(s.crafting.Bauliste.Leer());
        QVERIFY(!s.t.PageControl2->isVisible());

        // Enter in the kit field adds 3 kits of 6 pieces.
        s.Waehlen(QStringLiteral("Buchenholz"));
        s.t.SpinEditBaumenge1->setValue(3);
        QTest::keyClick(s.t.SpinEditBaumenge1, Qt::Key_Return);
        QCOMPARE(s.Bauliste(), QStringList{QStringLiteral("18 Buchenholz")});

        // Ctrl + click in the catalogue adds one kit; Delete removes the selected entry.
        s.Waehlen(QStringLiteral("Kurzschwert"));
        s.KlickMit(s.t.TreeView1, s.t.TreeView1->currentItem(), true);
        QCOMPARE(s.Bauliste(), (QStringList{"18 Buchenholz", "1 Kurzschwert"}));
        s.t.TreeView2->setCurrentItem(s.t.TreeView2->topLevelItem(0));
        QVERIFY(s.t.SpeedButtonLoeschen->isEnabled());
        QCOMPARE(s.t.SpinEditBaumenge3->value(), 18);
        QTest::keyClick(s.t.TreeView2, Qt::Key_Delete);
        QCOMPARE(s.Bauliste(), QStringList{QStringLiteral("1 Kurzschwert")});

        // A child node disables both buttons.
        s.t.TreeView2->setCurrentItem(s.t.TreeView2->topLevelItem(0)->child(0));
        QVERIFY(!s.t.SpeedButtonLoeschen->isEnabled());
        QVERIFY(!s.t.SpeedButtonBearbeiten->isEnabled());
    }

    void MengeAnpassenBehaeltAnsicht()
    {
        Seite s(m_katalog);
        s.Hinzufuegen(QStringLiteral("Kurzschwert"), 2);
        s.Hinzufuegen(QStringLiteral("Saphir"), 1);
        QTreeWidgetItem *schwert = s.t.TreeView2->topLevelItem(0);
        schwert->setExpanded(true);
        schwert->child(0)->setExpanded(true);
        s.t.TreeView2->setCurrentItem(s.t.TreeView2->topLevelItem(0));
        s.t.SpinEditBaumenge3->setValue(5);
        QTest::mouseClick(s.t.SpeedButtonBearbeiten, Qt::LeftButton);
        schwert = s.t.TreeView2->topLevelItem(0);
        QCOMPARE(schwert->text(0), QStringLiteral("5 Kurzschwert"));
        QVERIFY(schwert->isExpanded());
        QVERIFY(schwert->child(0)->isExpanded());
        QCOMPARE(s.t.TreeView2->currentItem(), schwert);

        // A Ctrl click does not expand a node.
        QTreeWidgetItem *saphir = s.t.TreeView2->topLevelItem(1);
        {
            mvt::test::TTasteGehalten strg(&s.seite, Qt::Key_Control);
            s.t.TreeView2->expandItem(saphir);
        }
        QVERIFY(!saphir->isExpanded());

        // 0 removes the entry; the list empties and the cost area hides.
        s.t.TreeView2->setCurrentItem(s.t.TreeView2->topLevelItem(1));
        s.t.SpinEditBaumenge3->setValue(0);
        QTest::keyClick(s.t.SpinEditBaumenge3, Qt::Key_Return);
        QCOMPARE(s.Bauliste(), QStringList{QStringLiteral("5 Kurzschwert")});
    }

    void GeleerteMengeGibtBeimVerlassenFrei()
    {
        Seite s(m_katalog);
        s.seite.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.seite));
        s.Waehlen(QStringLiteral("Kurzschwert"));
        auto leerenUndVerlassen = [](QSpinBox *feld, QToolButton *knopf) {
            feld->setFocus();
            feld->selectAll();
            QTest::keyClick(feld, Qt::Key_Backspace);
            QVERIFY2(!knopf->isEnabled(), qPrintable(feld->objectName())); // an empty field adds nothing
            QTest::keyClick(feld, Qt::Key_Tab);
            QCOMPARE(feld->text(), QStringLiteral("1"));
            QVERIFY2(knopf->isEnabled(), qPrintable(feld->objectName())); // 1 is shown: 1 is added
        };
        leerenUndVerlassen(s.t.SpinEditBaumenge1, s.t.SpeedButtonBauen);
        leerenUndVerlassen(s.t.SpinEditBaumenge2, s.t.SpeedButtonBauen);
        QTest::mouseClick(s.t.SpeedButtonBauen, Qt::LeftButton);
        QCOMPARE(s.Bauliste(), QStringList{QStringLiteral("1 Kurzschwert")});

        s.t.TreeView2->setCurrentItem(s.t.TreeView2->topLevelItem(0));
        s.t.SpinEditBaumenge3->setValue(3);
        QTest::mouseClick(s.t.SpeedButtonBearbeiten, Qt::LeftButton);
        QCOMPARE(s.Bauliste(), QStringList{QStringLiteral("3 Kurzschwert")});
        leerenUndVerlassen(s.t.SpinEditBaumenge3, s.t.SpeedButtonBearbeiten);
        QTest::mouseClick(s.t.SpeedButtonBearbeiten, Qt::LeftButton);
        QCOMPARE(s.Bauliste(), QStringList{QStringLiteral("1 Kurzschwert")});
    }

    void FensterAusDerSeite()
    {
        Seite s(m_katalog);
        QList<int> preisdialog, analyse;
        int export_ = 0;
        s.seite.PreisdialogOeffnen = [&](int tag) { preisdialog << tag; };
        s.seite.DetailanalyseOeffnen = [&](int tag) { analyse << tag; };
        s.seite.ExportOeffnen = [&] { ++export_; };
        s.t.BaulistealsTextanzeigen1->setEnabled(true);
        emit s.t.TreeView2->customContextMenuRequested({5, 5});
        QVERIFY(!s.t.BaulistealsTextanzeigen1->isEnabled()); // nothing to show yet
        s.t.PopupMenuTextAnzeigen->hide();

        for (const char *name : {"Kurzschwert", "Saphir", "Salz", "Jaspis", "Onyx"})
            s.Hinzufuegen(QString::fromUtf8(name), 1);
        emit s.t.TreeView2->customContextMenuRequested({5, 5});
        QVERIFY(s.t.BaulistealsTextanzeigen1->isEnabled());
        s.t.BaulistealsTextanzeigen1->trigger();
        s.t.PopupMenuTextAnzeigen->hide();
        QCOMPARE(export_, 1);

        s.t.PageControl2->setCurrentIndex(1);
        s.Teil<QToolButton>(QStringLiteral("SpeedButtonKosten2"))->click();
        s.Teil<QToolButton>(QStringLiteral("SpeedButtonVerkaufspreis2"))->click();
        s.Teil<QToolButton>(QStringLiteral("SpeedButtonGebaeude2"))->click();
        s.Teil<QToolButton>(QStringLiteral("SpeedButtonAnalyse2"))->click();
        QCOMPARE(preisdialog, (QList<int>{22, 21, 23}));
        QCOMPARE(analyse, QList<int>{2});
    }

    void WirkungsschalterUndMengendialog()
    {
        Seite s(m_katalog);
        s.optionen.Wirkung[static_cast<size_t>(WirkungsindexHandwerk(6))] = 2.0; // Schmieden (Schwerter)
        s.Hinzufuegen(QStringLiteral("Kurzschwert"), 1);
        const QString mit = s.Analyse(1)[1];
        QTest::mouseClick(s.t.LabelWirkungBerechnen, Qt::LeftButton);
        QVERIFY(!s.t.CheckBoxWirkungBerechnen->isChecked());
        QVERIFY(!s.optionen.CalcPotency);
        QCOMPARE(s.Analyse(1)[1], QStringLiteral("7 Std. 0 Min."));
        QVERIFY(mit != s.Analyse(1)[1]);

        // Shift + click opens the quantity dialog; its Okay adds kits.
        TForm2 dialog(nullptr);
        int geoeffnet = 0;
        s.seite.MengendialogOeffnen = [&](int modus) {
            ++geoeffnet;
            dialog.Tag = modus;
            const TSammelEintrag item = s.seite.MengendialogItem(modus);
            dialog.Vorbereiten(m_katalog, s.crafting.Bauliste, item.Art, item.Index);
            dialog.show();
        };
        dialog.Bestaetigt = [&](int modus, int64_t n) { s.seite.MengendialogBestaetigt(modus, n); };
        s.Waehlen(QStringLiteral("Buchenholz"));
        s.KlickMit(s.t.TreeView1, s.t.TreeView1->currentItem(), false);
        QCOMPARE(geoeffnet, 1);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Bausätze hinzufügen: 6 Buchenholz"));
        QCOMPARE(
            dialog.Label1->text(),
            QStringLiteral("Wie viele Bausätze \"6 Buchenholz\" sollen der Bauliste hinzugefügt werden?"));
        QCOMPARE(dialog.SpinEditAnzahl->value(), 1);
        dialog.SpinEditAnzahl->setValue(2);
        QTest::keyClick(dialog.SpinEditAnzahl, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(s.Bauliste(), (QStringList{"1 Kurzschwert", "12 Buchenholz"}));

        // Mode 2 on the entry: starts at its kits, 0 removes it.
        s.KlickMit(s.t.TreeView2, s.t.TreeView2->topLevelItem(1), false);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Anzahl festlegen: 6 Buchenholz"));
        QCOMPARE(dialog.SpinEditAnzahl->value(), 2);
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.SpinEditAnzahl->selectAll();
        QTest::keyClick(dialog.SpinEditAnzahl, Qt::Key_Backspace);
        QVERIFY(!dialog.SpeedButtonOkay->isEnabled());
        QTest::keyClicks(dialog.SpinEditAnzahl, QStringLiteral("0"));
        QVERIFY(dialog.SpeedButtonOkay->isEnabled());
        QTest::mouseClick(dialog.SpeedButtonOkay, Qt::LeftButton);
        QCOMPARE(s.Bauliste(), QStringList{QStringLiteral("1 Kurzschwert")});
    }
};

QTEST_MAIN(BausatzrechnerseiteTest)
#include "BausatzrechnerseiteTest.moc"
