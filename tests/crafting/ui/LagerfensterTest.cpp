// Window tests of the stock: the window "Lager" edited as a player does, the shopping list
// with its copies, and "Lager berücksichtigen" on the crafting tab.
#include "../Hilfen.h"

#include "base/Meldung.h"
#include "Bausatzrechnerteile.h"
#include "crafting/CraftingSitzung.h"
#include "crafting/Lagerverrechnung.h"
#include "crafting/ui/Bausatzrechnerseite.h"
#include "crafting/ui/Einkaufslistenfenster.h"
#include "crafting/ui/Lagerbereich.h"
#include "crafting/ui/Lagerfenster.h"
#include "ui/Sitzung.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace mvt;

namespace {

void Klicken(QAbstractButton *b)
{
    QTest::mouseClick(b, Qt::LeftButton);
}

// Every button's text fits it, and every control that takes the keyboard has a name.
void PasstUndHatNamen(QWidget *fenster)
{
    for (QAbstractButton *b : fenster->findChildren<QAbstractButton *>()) {
        if (!b->isVisible())
            continue;
        QVERIFY2(!QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name).isEmpty(),
                 qPrintable(b->objectName()));
        const int rand = qobject_cast<QCheckBox *>(b) ? 24 : 8;
        QVERIFY2(b->fontMetrics().horizontalAdvance(b->text().remove(u'&')) + rand <= b->width(),
                 qPrintable(b->objectName()));
    }
    for (QWidget *w : fenster->findChildren<QWidget *>())
        if (w->isVisible() && w->focusPolicy() & Qt::TabFocus && !qobject_cast<QAbstractButton *>(w) &&
            w->parentWidget() == fenster)
            QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(),
                     qPrintable(w->objectName()));
}

void ZahlEintippen(QSpinBox *feld, int zahl)
{
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(feld, QString::number(zahl));
}

} // namespace

class LagerfensterTest : public QObject {
    Q_OBJECT

private slots:
    void LagerBearbeitenWieEinSpieler()
    {
        QWidget haupt;
        TCraftingZustand c = test::NeuerZustand();
        TOptionen o;
        int gemeldet = 0; // saved
        TCraftingSitzung teil(c, test::Katalog(), o, [&] { ++gemeldet; });
        const TLager &lager = c.Lager;
        TLagerfenster f(teil, &haupt);
        f.FormCreate();
        haupt.setEnabled(false);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        PasstUndHatNamen(&f);

        // A good from the catalogue tree: select it, type the pieces, add.
        const auto treffer =
            f.TreeViewKatalog->findItems("Kupferbarren", Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(treffer.size(), 1);
        f.TreeViewKatalog->scrollToItem(treffer.first());
        QTest::mouseClick(f.TreeViewKatalog->viewport(), Qt::LeftButton, {},
                          f.TreeViewKatalog->visualItemRect(treffer.first()).center());
        QVERIFY(f.ButtonHinzufuegen->isEnabled());
        ZahlEintippen(f.SpinEditHinzufuegen, 12);
        Klicken(f.ButtonHinzufuegen);
        Klicken(f.ButtonHinzufuegen); // adds up
        QCOMPARE(lager.Bestand(ArtZutat, test::Zeile(u"Kupferbarren")), 24.0);
        QCOMPARE(f.StringGridLager->item(0, 1)->text(), QStringLiteral("24"));
        QCOMPARE(gemeldet, 2);

        // Change the selected good's count, then remove it.
        ZahlEintippen(f.SpinEditAnzahl, 5);
        Klicken(f.ButtonAnzahlAendern);
        QCOMPARE(lager.Bestand(ArtZutat, test::Zeile(u"Kupferbarren")), 5.0);

        // A bad pasted line is refused with its number; the stock stays as it was.
        {
            MeldungsRekorder rekorder;
            QGuiApplication::clipboard()->setText("Salz\t3\nSalz\tviele\n");
            Klicken(f.ButtonEinfuegen);
            QCOMPARE(rekorder.Meldungen.size(), 1);
            QVERIFY2(rekorder.Meldungen[0].contains("Zeile 2"), qPrintable(rekorder.Meldungen[0]));
        }
        QCOMPARE(lager.Eintraege.size(), size_t(1));
        QGuiApplication::clipboard()->setText("Salz\t3\r\nKupferbarren\t7\r\n");
        Klicken(f.ButtonEinfuegen);
        QCOMPARE(lager.Bestand(ArtZutat, test::Zeile(u"Kupferbarren")), 7.0);
        QCOMPARE(lager.Bestand(ArtRohstoff, test::Zeile(u"Salz")), 3.0);
        QCOMPARE(f.StringGridLager->rowCount(), 2);
        QCOMPARE(f.LabelSumme->text(), QStringLiteral("Waren: 2"));

        f.StringGridLager->setFocus();
        QTest::keyClick(f.StringGridLager, Qt::Key_Down);
        Klicken(f.ButtonEntfernen);
        QCOMPARE(lager.Eintraege.size(), size_t(1));

        // Clearing asks first.
        const auto vorher = FrageFunktionSetzen([](const QString &) { return true; });
        Klicken(f.ButtonLeeren);
        FrageFunktionSetzen(vorher);
        QVERIFY(lager.Leer());
        QCOMPARE(f.StringGridLager->rowCount(), 0);

        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QVERIFY(haupt.isEnabled());
    }

    void EinkaufslisteMitKopien()
    {
        TCraftingZustand c = test::MitListe({{"Kurzschwert", 2}, {"Saphir", 1}});
        c.Lager.Setzen(ArtRohstoff, test::Zeile(u"Schmiedeöl"), 4);
        c.LagerBeruecksichtigen = true;
        AllesNeuBerechnen(test::Katalog(), TOptionen{}, c);

        QWidget haupt, analyse;
        TEinkaufslistenfenster f(test::Katalog(), c, &haupt);
        f.FormCreate();
        // Opened over the detailed analysis: that window waits, the main window stays off.
        haupt.setEnabled(false);
        f.Aufrufer = &analyse;
        f.Tag = 1;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(!analyse.isEnabled());
        PasstUndHatNamen(&f);
        QCOMPARE(f.LabelTitel->text(), QStringLiteral("Einkaufsliste: Einfache Produktion"));

        QStringList zeilen;
        for (int z = 0; z < f.StringGridEinkauf->rowCount(); ++z)
            zeilen << f.StringGridEinkauf->item(z, 0)->text().trimmed() + '|' +
                          f.StringGridEinkauf->item(z, 1)->text();
        QCOMPARE(zeilen, QStringList({"Rohstoffe|", "Kupferbarren|14", "Handwerksmaterialien|",
                                      "Schmiedeöl|6", "Edelsteine|", "Saphir|1", "Gesamt|"}));
        QVERIFY(f.StringGridEinkauf->item(0, 0)->font().bold());
        QCOMPARE(f.StringGridLager->item(0, 0)->text(), QStringLiteral("Schmiedeöl"));
        QCOMPARE(f.StringGridLager->item(1, 3)->text(), QStringLiteral("320"));

        Klicken(f.ButtonTabelle);
        QCOMPARE(QGuiApplication::clipboard()->text(), EinkaufslisteTabelle(f.Liste()));
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("Gruppe\tName\tAnzahl\tPreis\tKosten\n"));
        f.ButtonForum->setFocus();
        QTest::keyClick(f.ButtonForum, Qt::Key_Space);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("[b]Einkaufsliste: Einfache Produktion[/b]"));

        Klicken(f.ButtonSchliessen);
        QVERIFY(analyse.isEnabled());
        QVERIFY(!haupt.isEnabled());
    }

    void LagerBeruecksichtigenAufDerSeite()
    {
        TCraftingZustand c = test::NeuerZustand();
        TOptionen o;
        TSitzung sitzung(o);
        TCraftingSitzung teil(c, test::Katalog(), o);
        TBausatzrechnerSeite seite(sitzung, teil);
        const test::TBausatzrechnerTeile t(seite);
        seite.Aufbauen();
        TLager lager;
        lager.Setzen(ArtRohstoff, test::Zeile(u"Schmiedeöl"), 5);
        teil.LagerSetzen(lager);
        teil.Hinzufuegen("Kurzschwert", 1);
        seite.show();
        QVERIFY(QTest::qWaitForWindowExposed(&seite));
        PasstUndHatNamen(t.Lagerbereich);

        QLabel *zutaten = t.Kostenseite(1).LabelAnalyse[4];
        QCOMPARE(zutaten->text(), QStringLiteral("820"));
        QVERIFY(t.Lagerbereich->LabelLagerwert->text().isEmpty());
        t.CheckBoxLager->setFocus();
        QTest::keyClick(t.CheckBoxLager, Qt::Key_Space);
        QVERIFY(c.LagerBeruecksichtigen);
        // The oil comes from the stock: 7 bars at 60 are left to buy.
        QCOMPARE(zutaten->text(), QStringLiteral("420"));
        QCOMPARE(t.Lagerbereich->LabelLagerwert->text(), QStringLiteral("Aus dem Lager: 400 Gold"));
        QCOMPARE(t.Lagerbereich->LabelLagerwert->accessibleName(), t.Lagerbereich->LabelLagerwert->text());

        // A changed stock is followed while it counts.
        lager.Setzen(ArtRohstoff, test::Zeile(u"Schmiedeöl"), 2);
        teil.LagerSetzen(lager);
        QCOMPARE(zutaten->text(), QStringLiteral("660"));

        int modus = 0;
        seite.EinkaufslisteOeffnen = [&](int m) { modus = m; };
        Klicken(t.PageControl2Knoepfe->button(2));
        Klicken(t.SpeedButtonEinkaufsliste);
        QCOMPARE(modus, 3);

        QTest::keyClick(t.CheckBoxLager, Qt::Key_Space);
        QCOMPARE(t.Kostenseite(1).LabelAnalyse[4]->text(), QStringLiteral("820"));
        QVERIFY(t.Lagerbereich->LabelLagerwert->text().isEmpty());
    }
};

QObject *LagerfensterTestErzeugen()
{
    return new LagerfensterTest;
}

#include "LagerfensterTest.moc"
