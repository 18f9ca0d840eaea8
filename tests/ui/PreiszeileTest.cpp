// The coupling of one gold field with its percentage field, as a player types.
#include "base/Meldung.h"
#include "base/Preiskopplung.h"
#include "ui/Preiszeile.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

using namespace mvt;

class PreiszeileTest : public QObject {
    Q_OBJECT

    struct Zeile {
        QWidget fenster;
        QLineEdit *gold = new QLineEdit(&fenster);
        QSpinBox *prozent = new QSpinBox(&fenster);
        QLineEdit *anderes = new QLineEdit(&fenster);
        TPreiszeile *kopplung;
        QStringList gespeichert;

        explicit Zeile(double referenz, bool speichern)
        {
            prozent->setRange(0, 999);
            kopplung = new TPreiszeile(gold, prozent, &fenster);
            kopplung->ReferenzSetzen(referenz);
            if (speichern)
                kopplung->Speichern = [this, referenz](const QString &text) -> std::optional<int32_t> {
                    gespeichert << text;
                    const std::optional<int32_t> p = ProzentAusGoldtext(text, referenz);
                    if (!p)
                        MeldungZeigen(QStringLiteral("'%1' is not a valid floating point value").arg(text));
                    return p;
                };
            fenster.show();
            fenster.activateWindow();
            if (!QTest::qWaitForWindowActive(&fenster))
                qFatal("Fenster wird nicht aktiv");
        }
    };

private slots:
    void TippenFiltertUndBegrenzt()
    {
        Zeile z(1200.0, true);
        MeldungsRekorder rekorder; // the lone comma is no number yet
        z.gold->setFocus();
        QTest::keyClicks(z.gold, QStringLiteral("."));
        QCOMPARE(z.gold->text(), QStringLiteral(","));
        QTest::keyClicks(z.gold, QStringLiteral(".,a"));
        QCOMPARE(z.gold->text(), QStringLiteral(",")); // second comma and letters refused

        z.gold->clear();
        QTest::keyClicks(z.gold, QStringLiteral("12345678"));
        QCOMPARE(z.gold->text(), QStringLiteral("1234567"));
        QCOMPARE(z.gold->cursorPosition(), 7);

        z.gold->clear();
        QTest::keyClicks(z.gold, QStringLiteral("1,239"));
        QCOMPARE(z.gold->text(), QStringLiteral("1,23"));
    }

    void GoldSetztProzentOhneRueckschreiben()
    {
        Zeile z(1200.0, true);
        z.gold->setFocus();
        QTest::keyClicks(z.gold, QStringLiteral("1801"));
        QCOMPARE(z.prozent->value(), 150);
        // 150 % of 1200 is 1800; had the percentage written back, the text would be 1800.
        QCOMPARE(z.gold->text(), QStringLiteral("1801"));
        QCOMPARE(z.gespeichert.last(), QStringLiteral("1801"));
    }

    void ProzentSetztGoldUndSpeichert()
    {
        Zeile z(1200.0, true);
        z.prozent->setFocus();
        z.prozent->selectAll();
        QTest::keyClicks(z.prozent, QStringLiteral("150"));
        QCOMPARE(z.gold->text(), QStringLiteral("1800"));
        QCOMPARE(z.gespeichert.last(), QStringLiteral("1800"));
        // Digits only: a comma typed into a percentage changes nothing.
        QTest::keyClicks(z.prozent, QStringLiteral(","));
        QCOMPARE(z.prozent->value(), 150);
    }

    void LeerVerlassenGibtNull()
    {
        Zeile z(1200.0, true);
        z.kopplung->Anzeigen(600.0);
        QCOMPARE(z.prozent->value(), 50);
        QVERIFY(z.gespeichert.isEmpty()); // showing a stored price stores nothing

        z.gold->setFocus();
        z.gold->selectAll();
        QTest::keyClick(z.gold, Qt::Key_Backspace);
        QVERIFY(z.gespeichert.isEmpty()); // an emptied field stores nothing until it is left
        QCOMPARE(z.prozent->value(), 50);
        z.anderes->setFocus();
        QCOMPARE(z.gold->text(), QStringLiteral("0"));
        QCOMPARE(z.prozent->value(), 0);
        QCOMPARE(z.gespeichert.last(), QStringLiteral("0"));

        // An emptied percentage returns to its value: the price stays as it was.
        z.kopplung->Anzeigen(0.4); // 0 % of 1200, yet not 0 gold
        z.prozent->setFocus();
        z.prozent->selectAll();
        QTest::keyClick(z.prozent, Qt::Key_Backspace);
        z.anderes->setFocus();
        QCOMPARE(z.prozent->value(), 0);
        QCOMPARE(z.gold->text(), QStringLiteral("0,40"));
    }

    // Tab selects the percentage; Space, "+" and every other non-digit are refused, so a
    // stray key cannot empty it and leaving it keeps the price.
    void ProzentNimmtNurZiffern()
    {
        Zeile z(1200.0, true);
        z.kopplung->Anzeigen(600.0);
        for (const char *taste : {" ", "+", "-", "a", ","}) {
            z.prozent->setFocus();
            z.prozent->selectAll();
            QTest::keyClicks(z.prozent, QLatin1String(taste));
            QCOMPARE(z.prozent->text(), QStringLiteral("50"));
            z.anderes->setFocus();
            QCOMPARE(z.prozent->value(), 50);
            QCOMPARE(z.gold->text(), QStringLiteral("600"));
        }
        QVERIFY(z.gespeichert.isEmpty());
    }

    void UngueltigerTextBehaeltProzent()
    {
        Zeile z(1200.0, true);
        z.kopplung->Anzeigen(1200.0);
        MeldungsRekorder rekorder;
        z.gold->setFocus();
        z.gold->selectAll();
        QTest::keyClicks(z.gold, QStringLiteral(","));
        QCOMPARE(rekorder.Meldungen, QStringList{QStringLiteral("',' is not a valid floating point value")});
        QCOMPARE(z.prozent->value(), 100);
    }

    void OhneSpeichernNurUmrechnen()
    {
        Zeile z(3.0, false);
        z.gold->setText(QStringLiteral("4,5"));
        QCOMPARE(z.prozent->value(), 150);
        z.kopplung->ProzentSetzen(33); // an "Alle" master
        QCOMPARE(z.gold->text(), QStringLiteral("0,99"));
        z.kopplung->KopplungSetzen(false);
        z.gold->setText(QStringLiteral("9"));
        QCOMPARE(z.prozent->value(), 33); // filling with the coupling off
    }
};

#include "PreiszeileTest.moc"
QObject *PreiszeileTestErzeugen()
{
    return new PreiszeileTest;
}
