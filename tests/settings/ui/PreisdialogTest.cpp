// The price dialog TForm3 in its three kinds: rows, masters, Okay and Abbrechen.
#include "crafting/Analyse.h"
#include "settings/ui/Preisdialog.h"
#include "crafting/CraftingSitzung.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

using namespace mvt;

class PreisdialogTest : public QObject {
    Q_OBJECT

    // The dialog tried on its own: the crafting part over a state of the test's.
    TKatalog m_katalog;
    TOptionen m_optionen;
    TCraftingZustand m_c;
    TCraftingSitzung m_crafting{m_c, m_katalog, m_optionen};
    QWidget m_haupt;
    int m_neu = 0;

    double &Verkauf(const char *name)
    {
        return m_c.Warenpreise[static_cast<size_t>(ItemSuchen(m_katalog, QString::fromUtf8(name)).Index)]
            .Verkaufspreis;
    }

private slots:
    void initTestCase()
    {
        // Okay has the session report the new prices; the crafting tab recomputes on that.
        connect(&m_crafting, &TCraftingSitzung::preiseGeaendert, this, [this] { ++m_neu; });
    }
    void init()
    {
        KatalogFuellen(m_katalog);
        WeltvarianteAnwenden(m_katalog, 3);
        m_c = TCraftingZustand{};
        CraftingZustandAnlegen(m_katalog, m_c);
        for (const char *name : {"Kurzschwert", "Saphir", "Salz"})
            ZurBaulisteHinzufuegen(m_katalog, m_c.Bauliste, QString::fromUtf8(name), 1);
        AllesNeuBerechnen(m_katalog, TOptionen{}, m_c);
        m_neu = 0;
    }

    void VerkaufspreiseMitMaster()
    {
        TForm3 d(m_crafting, &m_haupt);
        m_haupt.setEnabled(false);
        d.Tag = 11;
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("Verkaufspreise der Waren"));
        QCOMPARE(d.Zeilen().size(), 3u);
        QCOMPARE(d.Zeilen()[0].Name->text(), QStringLiteral("Kurzschwert"));
        QCOMPARE(d.Zeilen()[0].Gold->text(), QStringLiteral("1200"));
        QCOMPARE(d.SpinEditVerkaufspreisProzentMaster->value(), 100);
        QVERIFY(!d.ComboboxGebaeudeMaster->isVisible());

        d.SpinEditVerkaufspreisProzentMaster->setValue(150);
        QCOMPARE(d.Zeilen()[0].Gold->text(), QStringLiteral("1800"));
        QCOMPARE(d.Zeilen()[0].Prozent->value(), 150);
        QCOMPARE(Verkauf("Kurzschwert"), 1200.0); // nothing stored before Okay
        QTest::mouseClick(d.SpeedButtonOkay, Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QVERIFY(m_haupt.isEnabled());
        QCOMPARE(Verkauf("Kurzschwert"), 1800.0);
        QCOMPARE(m_neu, 1);
        QCOMPARE(d.Master().Verkauf, 150);
        QVERIFY(d.Zeilen().empty()); // the rows live only while shown

        // Abbrechen changes nothing and brings the master back.
        d.Tag = 11;
        d.show();
        QCOMPARE(d.SpinEditVerkaufspreisProzentMaster->value(), 150);
        d.SpinEditVerkaufspreisProzentMaster->setValue(50);
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(Verkauf("Kurzschwert"), 1800.0);
        QCOMPARE(d.SpinEditVerkaufspreisProzentMaster->value(), 150);
        QCOMPARE(m_neu, 1);
    }

    void SchliessenAusEinemFeldUndScrollen()
    {
        for (const char *name : {"Jaspis", "Onyx", "Pyrit", "Achat", "Topas", "Lapis", "Diamant", "Kristall"})
            ZurBaulisteHinzufuegen(m_katalog, m_c.Bauliste, QString::fromUtf8(name), 1);
        AllesNeuBerechnen(m_katalog, TOptionen{}, m_c);
        TForm3 d(m_crafting, &m_haupt);
        d.Tag = 11;
        d.resize(330, 200);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        // Scrolled down, a wider window keeps the scroll position as far as it can.
        QScrollBar *leiste = d.ScrollBox1->verticalScrollBar();
        QVERIFY(leiste->maximum() > 40);
        leiste->setValue(40);
        d.resize(340, 200);
        QCOMPARE(leiste->value(), 40);

        // Escape from an emptied gold field: the rows go, nothing is stored.
        QLineEdit *gold = d.Zeilen()[0].Gold;
        gold->setFocus();
        gold->selectAll();
        QTest::keyClick(gold, Qt::Key_Backspace);
        QTest::keyClick(gold, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QVERIFY(d.Zeilen().empty());
        QCOMPARE(Verkauf("Kurzschwert"), 1200.0);
        QCOMPARE(m_neu, 0);
    }

    void EinkaufspreiseDesModus()
    {
        TForm3 d(m_crafting, &m_haupt);
        d.Tag = 22;
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("Einkaufspreise der Zutaten"));
        QCOMPARE(static_cast<int>(d.Zeilen().size()), m_c.Bedarfsliste2.Anzahl());
        // Typing a gold price moves its percentage; Okay stores it as purchase price.
        const TForm3::TZeile &z = d.Zeilen()[0];
        z.Gold->setText(QStringLiteral("10"));
        QCOMPARE(z.Prozent->value(), Prozent(10.0, Referenzwert(m_katalog, m_c.Bedarfsliste2.Zeilen[0].Art,
                                                                m_c.Bedarfsliste2.Zeilen[0].Index)));
        QTest::mouseClick(d.SpeedButtonOkay, Qt::LeftButton);
        QCOMPARE(
            Preise(m_c, m_c.Bedarfsliste2.Zeilen[0].Art, m_c.Bedarfsliste2.Zeilen[0].Index)->Einkaufspreis,
            10.0);
        QCOMPARE(d.Master().Einkauf, 100);
    }

    void GebaeudeUndLayout()
    {
        TForm3 d(m_crafting, &m_haupt);
        d.Tag = 23; // Schmiede and Schmelze
        d.resize(300, 300);
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("Gebäudestufen und Schichtkosten"));
        QCOMPARE(d.Zeilen().size(), 2u);
        QVERIFY(d.ComboboxGebaeudeMaster->isVisible());
        QVERIFY(!d.SpinEditVerkaufspreisProzentMaster->isVisible());
        QCOMPARE(d.Zeilen()[0].Stufe->count(), 5);
        d.ComboboxGebaeudeMaster->setCurrentIndex(2);
        d.SpinEditGebaeude->setValue(40);
        for (const auto &z : d.Zeilen()) {
            QCOMPARE(z.Stufe->currentIndex(), 2);
            QCOMPARE(z.Schichtkosten->value(), 40);
        }
        // Two cells of 130 fit beside each other in 300 pixels, one in 200.
        QCOMPARE(d.Zeilen()[1].Zelle->y(), d.Zeilen()[0].Zelle->y());
        d.resize(200, 300);
        QVERIFY(d.Zeilen()[1].Zelle->y() > d.Zeilen()[0].Zelle->y());
        QVERIFY(d.SpeedButtonOkay->y() >= d.Zeilen()[1].Zelle->geometry().bottom());

        QTest::mouseClick(d.SpeedButtonOkay, Qt::LeftButton);
        int geaendert = 0;
        for (int art = 1; art <= AnzahlHandwerksgebaeude; ++art)
            if (m_c.Handwerksgebaeude[static_cast<size_t>(art)].Stufe == 3 &&
                m_c.Handwerksgebaeude[static_cast<size_t>(art)].Schichtkosten == 40)
                ++geaendert;
        QCOMPARE(geaendert, 2);
        QCOMPARE(d.Master().Stufe, 2);
        QCOMPARE(d.Master().Schichtkosten, 40);
    }
};

QTEST_MAIN(PreisdialogTest)
#include "PreisdialogTest.moc"
