// The areas of the crafting tab on their own and put together: each area reports what a
// person asked for instead of changing the others, the build list lies above the item
// browser where they meet, the page refuses what no dialog asks, and a cost page made when
// first shown looks and tabs as if it had been made at start.
#include "Bausatzrechnerteile.h"
#include "catalogue/Katalog.h"
#include "crafting/Analyse.h"
#include "crafting/CraftingSitzung.h"
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
        TCraftingSitzung teil;
        std::unique_ptr<TBausatzrechnerSeite> seite;
        std::unique_ptr<test::TBausatzrechnerTeile> t;
        explicit Stand(const TKatalog &k) : teil(crafting, k, optionen)
        {
            CraftingZustandAnlegen(k, crafting);
            seite = std::make_unique<TBausatzrechnerSeite>(sitzung, teil);
            t = std::make_unique<test::TBausatzrechnerTeile>(*seite);
            seite->Aufbauen();
            seite->show();
        }
    };
    void Hinzufuegen(const test::TBausatzrechnerTeile &t, const QString &name)
    {
        Waehlen(t.TreeView1, name);
        QTest::mouseClick(t.SpeedButtonBauen, Qt::LeftButton);
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
        TCraftingSitzung teil(crafting, m_katalog, optionen);
        auto *b = new TBaulistenbereich(teil, sitzung, &fenster);
        fenster.show();
        b->Anzeigen();
        QCOMPARE(b->TreeView2->topLevelItemCount(), 2);
        QSignalSpy geaendert(&teil, &TCraftingSitzung::baulisteGeaendert);
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
        TCraftingSitzung teil(crafting, m_katalog, optionen);
        TBausatzrechnerSeite seite(sitzung, teil);
        const test::TBausatzrechnerTeile t(seite);
        seite.Aufbauen();
        seite.show();
        QVERIFY(QTest::qWaitForWindowExposed(&seite));
        // A point in the middle of each control hits that control on the page: the item
        // browser reaches under the build list, which must lie above it.
        for (QWidget *w : std::initializer_list<QWidget *>{
                 t.TreeView1, t.SpinEditBaumenge1, t.SpeedButtonBauen, t.TreeView2, t.SpeedButtonLoeschen,
                 t.SpinEditBaumenge3, t.SpeedButtonBearbeiten, t.CheckBoxWirkungBerechnen,
                 t.LabelWirkungBerechnen}) {
            const QPoint mitte = w->mapTo(&seite, w->rect().center());
            QWidget *getroffen = seite.childAt(mitte);
            QVERIFY2(getroffen && (getroffen == w || w->isAncestorOf(getroffen)),
                     qPrintable(w->objectName()));
        }
        // The build list stays below the item details, beside the catalogue, left of the
        // cost pages.
        const QRect liste(t.TreeView2->mapTo(&seite, QPoint()), t.TreeView2->size());
        const QRect baum(t.TreeView1->mapTo(&seite, QPoint()), t.TreeView1->size());
        const QRect knopf(t.SpeedButtonBauen->mapTo(&seite, QPoint()), t.SpeedButtonBauen->size());
        QVERIFY(liste.left() > baum.right());
        QVERIFY(liste.top() > knopf.bottom());
        QVERIFY(liste.right() < t.PageControl2->geometry().left());
        QCOMPARE(liste.right(), knopf.right());

        // A click at the caption's place on the page switches the check box.
        const QPoint beschriftung =
            t.LabelWirkungBerechnen->mapTo(&seite, t.LabelWirkungBerechnen->rect().center());
        QWidget *ziel = seite.childAt(beschriftung);
        QTest::mouseClick(ziel, Qt::LeftButton, {}, ziel->mapFrom(&seite, beschriftung));
        QVERIFY(!t.CheckBoxWirkungBerechnen->isChecked());
    }

    void FremderDialogmodusUndSeitennummer()
    {
        TCraftingZustand crafting;
        TOptionen optionen;
        TSitzung sitzung(optionen);
        CraftingZustandAnlegen(m_katalog, crafting);
        TCraftingSitzung teil(crafting, m_katalog, optionen);
        TBausatzrechnerSeite seite(sitzung, teil);
        const test::TBausatzrechnerTeile t(seite);
        seite.Aufbauen();
        seite.show();
        Waehlen(t.TreeView1, QStringLiteral("Kurzschwert"));
        QTest::mouseClick(t.SpeedButtonBauen, Qt::LeftButton);
        t.TreeView2->setCurrentItem(t.TreeView2->topLevelItem(0));
        QVERIFY(t.SpeedButtonLoeschen->isEnabled());
        // Only "add" and "set" are the dialog's modes; anything else must not set the
        // selected entry to 0 kits.
        for (int modus : {0, 3, -1})
            seite.MengendialogBestaetigt(modus, 0);
        QCOMPARE(crafting.Bauliste.Eintraege.size(), size_t(1));
        seite.MengendialogBestaetigt(DialogFestlegen, 0);
        QVERIFY(crafting.Bauliste.Leer());

        QVERIFY_THROWS_EXCEPTION(std::out_of_range, t.Kostenseite(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, t.Kostenseite(AnzahlModi + 1));
        QCOMPARE(t.Kostenseite(AnzahlModi).TabSheet, t.PageControl2->widget(AnzahlModi - 1));
    }

    void SpaetGemachteSeiteWieSofortGemachte()
    {
        // "frueh" asks for every page at start, which makes them; "spaet" only later.
        Stand frueh(m_katalog), spaet(m_katalog);
        for (size_t k = 1; k <= AnzahlModi; ++k)
            QVERIFY(frueh.t->Kostenseite(k).LabelAnalyse0);
        QVERIFY(spaet.seite->findChild<QWidget *>(QStringLiteral("EditVerkaufspreisGold2")) == nullptr);

        for (Stand *st : {&frueh, &spaet})
            for (const char *name : {"Kurzschwert", "Saphir"})
                Hinzufuegen(*st->t, QString::fromUtf8(name));
        // A typed price recomputes the analysis only, not the rows.
        for (Stand *st : {&frueh, &spaet}) {
            QLineEdit *gold = st->t->Kostenseite(1).EditVerkaufspreisGold;
            gold->selectAll();
            QTest::keyClicks(gold, QStringLiteral("5000"));
        }
        // Shown by its button: the analysis is not computed again, the page must show it.
        for (Stand *st : {&frueh, &spaet})
            QTest::mouseClick(st->seite->findChild<QToolButton *>(QStringLiteral("PageControl2Seite2")),
                              Qt::LeftButton);
        QCOMPARE(Ansicht(spaet.t->Kostenseite(2)), Ansicht(frueh.t->Kostenseite(2)));
        // Made by showing it and going back to the page before.
        QCOMPARE(Ansicht(spaet.t->Kostenseite(3)), Ansicht(frueh.t->Kostenseite(3)));

        // Emptied list: fields and analysis hidden, rows as last shown.
        for (Stand *st : {&frueh, &spaet})
            while (st->t->TreeView2->topLevelItemCount() > 0) {
                st->t->TreeView2->setCurrentItem(st->t->TreeView2->topLevelItem(0));
                QTest::mouseClick(st->t->SpeedButtonLoeschen, Qt::LeftButton);
            }
        QVERIFY(!spaet.t->PageControl2->isVisible());
        QCOMPARE(Ansicht(spaet.t->Kostenseite(4)), Ansicht(frueh.t->Kostenseite(4)));
    }

    void SpaetGemachteSeiteAnIhremPlatzImTabRing()
    {
        TCraftingZustand crafting;
        TOptionen optionen;
        TSitzung sitzung(optionen);
        CraftingZustandAnlegen(m_katalog, crafting);
        QWidget fenster;
        TCraftingSitzung teil(crafting, m_katalog, optionen);
        auto *seite = new TBausatzrechnerSeite(sitzung, teil, &fenster);
        const test::TBausatzrechnerTeile t(*seite);
        // A control made after the page, as the main window's other tabs are.
        auto *danach = new QLineEdit(&fenster);
        danach->setObjectName(QStringLiteral("danach"));
        danach->setGeometry(0, TBausatzrechnerSeite::Hoehe, 100, 20);
        fenster.resize(TBausatzrechnerSeite::Breite, TBausatzrechnerSeite::Hoehe + 20);
        seite->Aufbauen();
        fenster.show();
        QApplication::setActiveWindow(&fenster);
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        QVERIFY(!t.Blatt(1)->Angelegt());
        Hinzufuegen(t, QStringLiteral("Kurzschwert"));

        // Tab from knopf reaches the page's first field, goes through its fields and then on
        // to what follows the page.
        auto durchDieSeite = [&](QToolButton *knopf, size_t k) {
            knopf->setFocus(Qt::TabFocusReason);
            QTest::keyClick(knopf, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), t.Kostenseite(k).EditVerkaufspreisGold);
            QWidget *jetzt = QApplication::focusWidget();
            for (int i = 0; i < 40 && jetzt && t.Blatt(k)->isAncestorOf(jetzt); ++i) {
                QTest::keyClick(jetzt, Qt::Key_Tab);
                jetzt = QApplication::focusWidget();
            }
            QCOMPARE(jetzt, danach);
        };
        // The first page, made by the first entry: after the page buttons.
        QVERIFY(t.Blatt(1)->Angelegt());
        durchDieSeite(seite->findChild<QToolButton *>(QStringLiteral("PageControl2Seite4")), 1);

        auto *knopf = seite->findChild<QToolButton *>(QStringLiteral("PageControl2Seite3"));
        QTest::mouseClick(knopf, Qt::LeftButton);
        QVERIFY(!t.Blatt(3)->Felder().isEmpty());
        durchDieSeite(knopf, 3);
        // And back by Shift+Tab into the page's last field shown.
        QTest::keyClick(danach, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(QApplication::focusWidget() && t.Blatt(3)->isAncestorOf(QApplication::focusWidget()));
    }
};

QTEST_MAIN(BausatzrechnerBereicheTest)
#include "BausatzrechnerBereicheTest.moc"
