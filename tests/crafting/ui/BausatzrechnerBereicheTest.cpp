// The areas of the crafting tab on their own and put together: each area reports what a
// person asked for instead of changing the others, the build list lies above the item
// browser where they meet, the page refuses what no dialog asks, and a cost page made when
// first shown looks and tabs as if it had been made at start.
#include "catalogue/Katalog.h"
#include "crafting/Analyse.h"
#include "crafting/ui/Baulistenbereich.h"
#include "crafting/ui/Bausatzrechnerseite.h"
#include "crafting/ui/Katalogbereich.h"
#include "ui/Sitzung.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>
#include <stdexcept>

using namespace mvt;

class BausatzrechnerBereicheTest : public QObject {
    Q_OBJECT

    TKatalog m_katalog;

    void Waehlen(QTreeWidget *baum, const QString &name)
    {
        const auto treffer = baum->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY2(!treffer.isEmpty(), qPrintable(name));
        baum->setCurrentItem(treffer.first());
    }
    // A page with its state, on its own window.
    struct Stand {
        TCraftingZustand crafting;
        TOptionen optionen;
        TSitzung sitzung{optionen};
        std::unique_ptr<TBausatzrechnerSeite> seite;
        explicit Stand(const TKatalog &k)
        {
            CraftingZustandAnlegen(k, crafting);
            seite = std::make_unique<TBausatzrechnerSeite>(sitzung, k, crafting);
            seite->Aufbauen();
            seite->show();
        }
    };
    void Hinzufuegen(TBausatzrechnerSeite &seite, const QString &name)
    {
        Waehlen(seite.TreeView1, name);
        QTest::mouseClick(seite.SpeedButtonBauen, Qt::LeftButton);
    }
    // Everything a person could see or hear of a cost page's controls.
    static QStringList Ansicht(const TKostenseitenSteuerung &k)
    {
        QStringList zeilen;
        for (QWidget *w : k.TabSheet->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            // A hidden control shows nothing: what it holds is written anew before it shows.
            if (w->isHidden()) {
                zeilen << w->objectName() + QStringLiteral(" verborgen");
                continue;
            }
            QString z = w->objectName();
            z += QStringLiteral(" [%1,%2 %3x%4] ").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height());
            z += w->accessibleName() + u'|' + w->toolTip() + u'|';
            if (auto *l = qobject_cast<QLabel *>(w))
                z += l->text() + u'|' + l->palette().color(QPalette::WindowText).name();
            else if (auto *e = qobject_cast<QLineEdit *>(w))
                z += e->text();
            else if (auto *sp = qobject_cast<QSpinBox *>(w))
                z += sp->text();
            else if (auto *c = qobject_cast<QComboBox *>(w))
                z += QString::number(c->count()) + u'|' + c->currentText();
            zeilen << z;
        }
        return zeilen;
    }
    int32_t EinheitVon(const QString &name)
    {
        const TItemRef ref = ItemSuchen(m_katalog, name);
        return Einheit(m_katalog, KnotenartAusTabellencode(ref.Tabellencode), ref.Index);
    }

private slots:
    void initTestCase()
    {
        KatalogFuellen(m_katalog);
        WeltvarianteAnwenden(m_katalog, 3);
    }

    void KatalogbereichMeldetStueckzahlStattZuAendern()
    {
        TOptionen optionen;
        QWidget fenster;
        auto *b = new TKatalogbereich(m_katalog, optionen, &fenster);
        b->KatalogAufbauen();
        fenster.show();
        QSignalSpy hinzu(b, &TKatalogbereich::hinzufuegen);

        Waehlen(b->TreeView1, QStringLiteral("Buchenholz"));
        b->SpinEditBaumenge1->setValue(2);
        QTest::mouseClick(b->SpeedButtonBauen, Qt::LeftButton);
        QCOMPARE(hinzu.size(), 1);
        QCOMPARE(hinzu[0][0].toString(), QStringLiteral("Buchenholz"));
        QCOMPARE(hinzu[0][1].toLongLong(), 2 * EinheitVon(QStringLiteral("Buchenholz")));
        QCOMPARE(hinzu[0][2].toBool(), false);

        // Pieces as typed; Enter in the field adds as the button does.
        QTest::mouseClick(b->RadioButtonBaumenge2, Qt::LeftButton);
        b->SpinEditBaumenge2->setValue(5);
        QTest::keyClick(b->SpinEditBaumenge2, Qt::Key_Return);
        QCOMPARE(hinzu.size(), 2);
        QCOMPARE(hinzu[1][1].toLongLong(), 5);

        // Enter on the tree adds one kit.
        b->TreeView1->setFocus();
        QTest::keyClick(b->TreeView1, Qt::Key_Return);
        QCOMPARE(hinzu.size(), 3);
        QCOMPARE(hinzu[2][1].toLongLong(), EinheitVon(QStringLiteral("Buchenholz")));

        // A group is nothing to add.
        Waehlen(b->TreeView1, QStringLiteral("Produktion"));
        QVERIFY(!b->SpeedButtonBauen->isEnabled());
        QVERIFY(!b->KannHinzufuegen());
        QTest::keyClick(b->TreeView1, Qt::Key_Return);
        QCOMPARE(hinzu.size(), 3);
    }

    void BaulistenbereichMeldetAenderungen()
    {
        TOptionen optionen;
        TCraftingZustand crafting;
        CraftingZustandAnlegen(m_katalog, crafting);
        for (const char *name : {"Kurzschwert", "Salz"})
            ZurBaulisteHinzufuegen(m_katalog, crafting.Bauliste, QString::fromUtf8(name),
                                   EinheitVon(QString::fromUtf8(name)));
        QWidget fenster;
        TSitzung sitzung(optionen);
        auto *b = new TBaulistenbereich(m_katalog, crafting, sitzung, &fenster);
        fenster.show();
        b->Anzeigen();
        QCOMPARE(b->TreeView2->topLevelItemCount(), 2);
        QSignalSpy geaendert(b, &TBaulistenbereich::geaendert);
        QSignalSpy wirkung(b, &TBaulistenbereich::wirkungGeaendert);

        QVERIFY(!b->KannAendern());
        b->TreeView2->setCurrentItem(b->TreeView2->topLevelItem(0));
        QVERIFY(b->KannAendern());
        b->TreeView2->setFocus();
        QTest::keyClick(b->TreeView2, Qt::Key_Delete);
        QCOMPARE(geaendert.size(), 1);
        QCOMPARE(crafting.Bauliste.Eintraege.size(), size_t(1));
        QCOMPARE(b->TreeView2->topLevelItemCount(), 1);

        // The caption beside the check box switches it; the option follows at once.
        QTest::mouseClick(b->LabelWirkungBerechnen, Qt::LeftButton);
        QVERIFY(!b->CheckBoxWirkungBerechnen->isChecked());
        QVERIFY(!optionen.CalcPotency);
        QCOMPARE(wirkung.size(), 1);

        // With the list emptied the analysis has nothing to follow.
        b->TreeView2->setCurrentItem(b->TreeView2->topLevelItem(0));
        QTest::mouseClick(b->SpeedButtonLoeschen, Qt::LeftButton);
        QVERIFY(crafting.Bauliste.Leer());
        QCOMPARE(geaendert.size(), 2);
        QTest::mouseClick(b->CheckBoxWirkungBerechnen, Qt::LeftButton);
        QVERIFY(optionen.CalcPotency);
        QCOMPARE(wirkung.size(), 1);
    }

    void BereicheStehenAnIhremPlatz()
    {
        TCraftingZustand crafting;
        TOptionen optionen;
        TSitzung sitzung(optionen);
        CraftingZustandAnlegen(m_katalog, crafting);
        TBausatzrechnerSeite seite(sitzung, m_katalog, crafting);
        seite.Aufbauen();
        seite.show();
        QVERIFY(QTest::qWaitForWindowExposed(&seite));
        // A point in the middle of each control hits that control on the page: the item
        // browser reaches under the build list, which must lie above it.
        for (QWidget *w : std::initializer_list<QWidget *>{
                 seite.TreeView1, seite.SpinEditBaumenge1, seite.SpeedButtonBauen, seite.TreeView2,
                 seite.SpeedButtonLoeschen, seite.SpinEditBaumenge3, seite.SpeedButtonBearbeiten,
                 seite.CheckBoxWirkungBerechnen, seite.LabelWirkungBerechnen}) {
            const QPoint mitte = w->mapTo(&seite, w->rect().center());
            QWidget *getroffen = seite.childAt(mitte);
            QVERIFY2(getroffen && (getroffen == w || w->isAncestorOf(getroffen)),
                     qPrintable(w->objectName()));
        }
        // The build list stays below the item details, beside the catalogue, left of the
        // cost pages.
        const QRect liste(seite.TreeView2->mapTo(&seite, QPoint()), seite.TreeView2->size());
        const QRect baum(seite.TreeView1->mapTo(&seite, QPoint()), seite.TreeView1->size());
        const QRect knopf(seite.SpeedButtonBauen->mapTo(&seite, QPoint()), seite.SpeedButtonBauen->size());
        QVERIFY(liste.left() > baum.right());
        QVERIFY(liste.top() > knopf.bottom());
        QVERIFY(liste.right() < seite.PageControl2->geometry().left());
        QCOMPARE(liste.right(), knopf.right());

        // A click at the caption's place on the page switches the check box.
        const QPoint beschriftung =
            seite.LabelWirkungBerechnen->mapTo(&seite, seite.LabelWirkungBerechnen->rect().center());
        QWidget *ziel = seite.childAt(beschriftung);
        QTest::mouseClick(ziel, Qt::LeftButton, {}, ziel->mapFrom(&seite, beschriftung));
        QVERIFY(!seite.CheckBoxWirkungBerechnen->isChecked());
    }

    void FremderDialogmodusUndSeitennummer()
    {
        TCraftingZustand crafting;
        TOptionen optionen;
        TSitzung sitzung(optionen);
        CraftingZustandAnlegen(m_katalog, crafting);
        TBausatzrechnerSeite seite(sitzung, m_katalog, crafting);
        seite.Aufbauen();
        seite.show();
        Waehlen(seite.TreeView1, QStringLiteral("Kurzschwert"));
        QTest::mouseClick(seite.SpeedButtonBauen, Qt::LeftButton);
        seite.TreeView2->setCurrentItem(seite.TreeView2->topLevelItem(0));
        QVERIFY(seite.SpeedButtonLoeschen->isEnabled());
        // Only "add" and "set" are the dialog's modes; anything else must not set the
        // selected entry to 0 kits.
        for (int modus : {0, 3, -1})
            seite.MengendialogBestaetigt(modus, 0);
        QCOMPARE(crafting.Bauliste.Eintraege.size(), size_t(1));
        seite.MengendialogBestaetigt(DialogFestlegen, 0);
        QVERIFY(crafting.Bauliste.Leer());

        QVERIFY_THROWS_EXCEPTION(std::out_of_range, seite.Kostenseite[0]);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, seite.Kostenseite[AnzahlModi + 1]);
        QCOMPARE(seite.Kostenseite[AnzahlModi].TabSheet, seite.PageControl2->widget(AnzahlModi - 1));
    }

    void SpaetGemachteSeiteWieSofortGemachte()
    {
        // "frueh" asks for every page at start, which makes them; "spaet" only later.
        Stand frueh(m_katalog), spaet(m_katalog);
        for (size_t k = 1; k <= AnzahlModi; ++k)
            QVERIFY(frueh.seite->Kostenseite[k].LabelAnalyse0);
        QVERIFY(spaet.seite->findChild<QWidget *>(QStringLiteral("EditVerkaufspreisGold2")) == nullptr);

        for (Stand *st : {&frueh, &spaet})
            for (const char *name : {"Kurzschwert", "Saphir"})
                Hinzufuegen(*st->seite, QString::fromUtf8(name));
        // A typed price recomputes the analysis only, not the rows.
        for (Stand *st : {&frueh, &spaet}) {
            QLineEdit *gold = st->seite->Kostenseite[1].EditVerkaufspreisGold;
            gold->selectAll();
            QTest::keyClicks(gold, QStringLiteral("5000"));
        }
        // Shown by its button: the analysis is not computed again, the page must show it.
        for (Stand *st : {&frueh, &spaet})
            QTest::mouseClick(st->seite->findChild<QToolButton *>(QStringLiteral("PageControl2Seite2")),
                              Qt::LeftButton);
        QCOMPARE(Ansicht(spaet.seite->Kostenseite[2]), Ansicht(frueh.seite->Kostenseite[2]));
        // Asked for without being shown.
        QCOMPARE(Ansicht(spaet.seite->Kostenseite[3]), Ansicht(frueh.seite->Kostenseite[3]));

        // Emptied list: fields and analysis hidden, rows as last shown.
        for (Stand *st : {&frueh, &spaet})
            while (st->seite->TreeView2->topLevelItemCount() > 0) {
                st->seite->TreeView2->setCurrentItem(st->seite->TreeView2->topLevelItem(0));
                QTest::mouseClick(st->seite->SpeedButtonLoeschen, Qt::LeftButton);
            }
        QVERIFY(!spaet.seite->PageControl2->isVisible());
        QCOMPARE(Ansicht(spaet.seite->Kostenseite[4]), Ansicht(frueh.seite->Kostenseite[4]));
    }

    void SpaetGemachteSeiteAnIhremPlatzImTabRing()
    {
        TCraftingZustand crafting;
        TOptionen optionen;
        TSitzung sitzung(optionen);
        CraftingZustandAnlegen(m_katalog, crafting);
        QWidget fenster;
        auto *seite = new TBausatzrechnerSeite(sitzung, m_katalog, crafting, &fenster);
        // A control made after the page, as the main window's other tabs are.
        auto *danach = new QLineEdit(&fenster);
        danach->setObjectName(QStringLiteral("danach"));
        danach->setGeometry(0, TBausatzrechnerSeite::Hoehe, 100, 20);
        fenster.resize(TBausatzrechnerSeite::Breite, TBausatzrechnerSeite::Hoehe + 20);
        seite->Aufbauen();
        fenster.show();
        QApplication::setActiveWindow(&fenster);
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        QVERIFY(!seite->Kostenblatt[1]->Angelegt());
        Hinzufuegen(*seite, QStringLiteral("Kurzschwert"));

        // Tab from knopf reaches the page's first field, goes through its fields and then on
        // to what follows the page.
        auto durchDieSeite = [&](QToolButton *knopf, size_t k) {
            knopf->setFocus(Qt::TabFocusReason);
            QTest::keyClick(knopf, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), seite->Kostenseite[k].EditVerkaufspreisGold);
            QWidget *jetzt = QApplication::focusWidget();
            for (int i = 0; i < 40 && jetzt && seite->Kostenblatt[k]->isAncestorOf(jetzt); ++i) {
                QTest::keyClick(jetzt, Qt::Key_Tab);
                jetzt = QApplication::focusWidget();
            }
            QCOMPARE(jetzt, danach);
        };
        // The first page, made by the first entry: after the page buttons.
        QVERIFY(seite->Kostenblatt[1]->Angelegt());
        durchDieSeite(seite->findChild<QToolButton *>(QStringLiteral("PageControl2Seite4")), 1);

        auto *knopf = seite->findChild<QToolButton *>(QStringLiteral("PageControl2Seite3"));
        QTest::mouseClick(knopf, Qt::LeftButton);
        QVERIFY(!seite->Kostenblatt[3]->Felder().isEmpty());
        durchDieSeite(knopf, 3);
        // And back by Shift+Tab into the page's last field shown.
        QTest::keyClick(danach, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(QApplication::focusWidget() &&
                seite->Kostenblatt[3]->isAncestorOf(QApplication::focusWidget()));
    }
};

QTEST_MAIN(BausatzrechnerBereicheTest)
#include "BausatzrechnerBereicheTest.moc"
