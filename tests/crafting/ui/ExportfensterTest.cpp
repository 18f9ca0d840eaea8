// Window tests of the export window: the text of a three-level list, the check boxes,
// rebuilding by "OK", the window's frame.
#include "../Hilfen.h"

#include "crafting/ui/Exportfenster.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

using namespace mvt;

class ExportfensterTest : public QObject {
    Q_OBJECT

    TBauliste m_liste;

    struct Aufbau {
        QWidget haupt;
        TForm9 form;
        explicit Aufbau(const TBauliste &b) : form(test::Katalog(), b, &haupt) { form.FormCreate(); }
        void Zeigen()
        {
            haupt.setEnabled(false);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
        }
    };

    static QStringList Zeilen(const TForm9 &f) { return f.Memo1->toPlainText().split(u'\n'); }

private slots:
    void init()
    {
        m_liste.Leeren();
        ZurBaulisteHinzufuegen(test::Katalog(), m_liste, QStringLiteral("Kurzschwert"), 1);
        ZurBaulisteHinzufuegen(test::Katalog(), m_liste, QStringLiteral("Saphir"), 2);
    }

    void DreiEbenenMitStartmarken()
    {
        Aufbau a(m_liste);
        a.Zeigen();
        TForm9 &f = a.form;
        const bool erwartet[5][3] = {
            {}, {true, true, false}, {true, false, true}, {false, true, false}, {false, false, true}};
        for (size_t e = 1; e <= 4; ++e) {
            QCOMPARE(f.CheckBoxFett[e]->isChecked(), erwartet[e][0]);
            QCOMPARE(f.CheckBoxUnterstrichen[e]->isChecked(), erwartet[e][1]);
            QCOMPARE(f.CheckBoxKursiv[e]->isChecked(), erwartet[e][2]);
        }
        // The intermediate good at level 2, its raw materials at level 3.
        QCOMPARE(Zeilen(f),
                 QStringList({"[u][b]1 Kurzschwert[/b][/u]", "|....[i][b]7 Kupferbarren[/b][/i]",
                              "|...........[u]7 Kupfererz[/u]", "|...........[u]1.40 Steinkohle[/u]",
                              "|....[i][b]5 Schmiedeöl[/b][/i]", "", "[u][b]2 Saphir[/b][/u]", ""}));
        QCOMPARE(f.Memo1->textCursor().position(), 0);
        QVERIFY(f.Memo1->isReadOnly());
        QCOMPARE(f.CheckBoxKursiv[3]->accessibleName(), QStringLiteral("Kursiv (Ebene 3)"));
        QCOMPARE(f.SpeedButton1->text(), QStringLiteral("OK"));
    }

    void AlleKaestchenAusUndOk()
    {
        Aufbau a(m_liste);
        a.Zeigen();
        TForm9 &f = a.form;
        for (size_t e = 1; e <= 4; ++e)
            for (QCheckBox *c : {f.CheckBoxFett[e], f.CheckBoxUnterstrichen[e], f.CheckBoxKursiv[e]})
                c->setChecked(false);
        // Nothing changes before "OK".
        QVERIFY(f.Memo1->toPlainText().contains(QStringLiteral("[b]")));
        QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
        QCOMPARE(Zeilen(f),
                 QStringList({"1 Kurzschwert", "|....7 Kupferbarren", "|...........7 Kupfererz",
                              "|...........1.40 Steinkohle", "|....5 Schmiedeöl", "", "2 Saphir", ""}));
        // All three on: italic outside, bold inside.
        f.CheckBoxFett[1]->setChecked(true);
        f.CheckBoxUnterstrichen[1]->setChecked(true);
        f.CheckBoxKursiv[1]->setChecked(true);
        QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
        QCOMPARE(Zeilen(f).first(), QStringLiteral("[i][u][b]1 Kurzschwert[/b][/u][/i]"));
    }

    void StrgAUndFenster()
    {
        Aufbau a(m_liste);
        a.Zeigen();
        TForm9 &f = a.form;
        f.Memo1->setFocus();
        QTest::keyClick(f.Memo1, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(f.Memo1->textCursor().selectedText().size(), f.Memo1->toPlainText().size());
        QVERIFY(f.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(f.Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(f.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        // The memo follows the window size.
        const QSize vorher = f.Memo1->size();
        f.resize(f.width() + 100, f.height() + 50);
        QCoreApplication::processEvents();
        QCOMPARE(f.Memo1->size(), vorher + QSize(100, 50));
        QCOMPARE(f.minimumSize(), QSize(490, 366));
        QTest::keyClick(f.Memo1, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QVERIFY(a.haupt.isEnabled());
    }
};

QObject *ExportfensterTestErzeugen()
{
    return new ExportfensterTest;
}

#include "ExportfensterTest.moc"
