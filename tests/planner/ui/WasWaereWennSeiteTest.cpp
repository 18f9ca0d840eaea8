// Window tests of the what-if hints of the equipment menus and of the comparison with a
// saved character, offscreen, in the main window as the program builds it.
#include "app/MenueHinweis.h"
#include "app/Pruefstand.h"
#include "planner/Charakterdatei.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"

#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <type_traits>

using namespace mvt;
using namespace mvt::planer;

namespace {

// Counts pixels of a picture that are clearly green or clearly red.
struct TFarbanteile {
    int Gruen = 0;
    int Rot = 0;
};

TFarbanteile Farbanteile(const QImage &bild)
{
    TFarbanteile f;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c.green() > 90 && c.red() < 60 && c.blue() < 60)
                ++f.Gruen;
            if (c.red() > 190 && c.green() < 80 && c.blue() < 80)
                ++f.Rot;
        }
    return f;
}

QAction *Eintrag(QMenu *menue, const QString &name)
{
    for (QAction *a : menue->actions())
        if (a->data().toString() == name)
            return a;
    return nullptr;
}

// Moves the keyboard selection of an open menu down to the entry, as a player would.
bool Ansteuern(QMenu *menue, QAction *ziel)
{
    for (int i = 0; i < 60 && menue->activeAction() != ziel; ++i)
        QTest::keyClick(menue, Qt::Key_Down);
    return menue->activeAction() == ziel;
}

} // namespace

class WasWaereWennSeiteTest : public QObject {
    Q_OBJECT

    struct TStand {
        pruefung::TPruefstand Pruefstand;
        TForm1 *Haupt = nullptr;
        TCharakterPlanerSeite *Seite = nullptr;
        TStand()
        {
            Pruefstand.Erzeugen();
            Haupt = &Pruefstand.Haupt();
            Haupt->show();
            Haupt->PageControl1->setCurrentIndex(TForm1::SeiteCharakterPlaner);
            Seite = Haupt->CharakterPlanerSeite;
            if (!QTest::qWaitForWindowExposed(Haupt))
                qWarning("Hauptfenster nicht sichtbar");
        }
        template <class T> T *Teil(const char *name)
        {
            // Entries are made on first opening; the submenus made here are bound to the hint
            // window as opening their menu would.
            if constexpr (std::is_same_v<T, QMenu>) {
                Seite->MenuesAnlegen();
                for (QMenu *m : Seite->PopupMenues())
                    Haupt->PopupMenueAnbinden(m);
            }
            T *t = Seite->findChild<T *>(QLatin1String(name));
            if (!t)
                qFatal("Steuerelement %s fehlt", name);
            return t;
        }
    };

private slots:
    void hinweisZeigtUnterschiedeInFarbe()
    {
        TStand s;
        TMenuItemHint &hint = *s.Haupt->MenuItemHint;
        QMenu *schwerter = s.Teil<QMenu>("PopupMenuHauptwaffe_Schwerter [1H]");
        QAction *kurzschwert = Eintrag(schwerter, QStringLiteral("Kurzschwert"));
        QVERIFY(kurzschwert);
        // The hint of the item itself stays first, then an empty line and the differences:
        // the bare hands do no damage, the short sword +1 does 9-13 four times a round at
        // 75 % accuracy and 4 % critical hits against the default opponent (1000 life).
        const QString eigenerHinweis = kurzschwert->statusTip();
        QVERIFY(eigenerHinweis.startsWith(QStringLiteral("8-12, ")));
        const QString erwartet = eigenerHinweis + QStringLiteral("\n\n") +
                                 QString::fromUtf8("Ø Schaden pro Runde +34.32\n") +
                                 QStringLiteral("Gegner besiegt in 29,1 Runden statt unbesiegbar");

        QCursor::setPos(200, 200);
        schwerter->popup(QPoint(120, 120));
        QVERIFY(QTest::qWaitForWindowExposed(schwerter));
        QVERIFY(Ansteuern(schwerter, kurzschwert));
        QTRY_VERIFY(hint.isVisible());
        QCOMPARE(hint.Text(), erwartet);
        // Both lines are better: green, nothing red.
        TFarbanteile f = Farbanteile(hint.grab().toImage());
        QVERIFY(f.Gruen > 20);
        QCOMPARE(f.Rot, 0);
        // The same text is the entry's accessible description.
        QAccessibleInterface *zugang = QAccessible::queryAccessibleInterface(kurzschwert);
        QVERIFY(zugang);
        QCOMPARE(zugang->text(QAccessible::Name), QStringLiteral("Kurzschwert"));
        QCOMPARE(zugang->text(QAccessible::Description), erwartet);
        QCOMPARE(zugang->role(), QAccessible::MenuItem);
        QTest::keyClick(schwerter, Qt::Key_Return);
        QCOMPARE(s.Seite->Planer().Slots[SlotHauptwaffe].Beschriftung, QStringLiteral("Kurzschwert +1"));

        // After the choice the old hints are stale: the empty hand would now be worse.
        QMenu *haupt = s.Teil<QMenu>("PopupMenuHauptwaffe");
        QAction *nichts = haupt->actions().last();
        haupt->popup(QPoint(120, 120));
        QVERIFY(QTest::qWaitForWindowExposed(haupt));
        QVERIFY(Ansteuern(haupt, nichts));
        QTRY_VERIFY(hint.isVisible());
        QVERIFY2(hint.Text().startsWith(QString::fromUtf8("Ø Schaden pro Runde \u221234.32")),
                 qPrintable(hint.Text()));
        f = Farbanteile(hint.grab().toImage());
        QVERIFY(f.Rot > 20);
        QCOMPARE(f.Gruen, 0);
        haupt->hide();
        // The same choice again changes nothing: only the item's own hint.
        schwerter->popup(QPoint(120, 120));
        QVERIFY(QTest::qWaitForWindowExposed(schwerter));
        QVERIFY(Ansteuern(schwerter, kurzschwert));
        QTRY_VERIFY(hint.isVisible());
        QCOMPARE(hint.Text(), eigenerHinweis);
        schwerter->hide();
    }

    void vergleichZeigtUndEntferntZweiteTexte()
    {
        TStand s;
        QTemporaryDir ordner;
        // The base: a training sword in the old worlds, no shield.
        TKatalog k;
        KatalogFuellen(k);
        TPlaner basis;
        basis.Optionen.Welt = 1;
        PlanerStarten(basis);
        WaehleAusruestung(basis, k, SlotHauptwaffe, QStringLiteral("Schwert (Training)"));
        const QString datei = ordner.filePath(QStringLiteral("basis.json"));
        QVERIFY(CharakterdateiSchreiben(basis, datei).isEmpty());

        QMenu *schwerter = s.Teil<QMenu>("PopupMenuHauptwaffe_Schwerter [1H]");
        Eintrag(schwerter, QStringLiteral("Kurzschwert"))->trigger();
        QMenu *neben = s.Teil<QMenu>("PopupMenuNebenwaffe_Leichte Schilde");
        Eintrag(neben, QStringLiteral("Lederschild"))->trigger();
        const QString ruestschutz = s.Teil<QLabel>("LabelNahRuestschutz")->text();

        // "Vergleichen mit...": the file dialog is answered as the player would.
        QTimer::singleShot(200, [datei] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (name) {
                // The path at once: typed letter by letter the completer would open its list.
                name->setText(datei);
                QTest::keyClick(name, Qt::Key_Return);
            } else {
                dialog->reject();
            }
        });
        QPushButton *vergleichen = s.Teil<QPushButton>("ButtonVergleichen");
        QPushButton *beenden = s.Teil<QPushButton>("ButtonVergleichBeenden");
        QVERIFY(!beenden->isEnabled());
        QTest::mouseClick(vergleichen, Qt::LeftButton);
        QTRY_VERIFY(s.Seite->VergleichAktiv());
        QVERIFY(beenden->isEnabled());

        // The character and the options stay.
        QCOMPARE(s.Seite->Planer().Slots[SlotNebenwaffe].Beschriftung, QStringLiteral("Lederschild +1"));
        QCOMPARE(s.Teil<QLabel>("LabelNahRuestschutz")->text(), ruestschutz);
        QCOMPARE(s.Pruefstand.App.Zustand().Optionen.CPWorld, 3);
        QCOMPARE(s.Seite->Planer().Optionen.Welt, 3);

        // The shield's protection is better: green beside the value, named by its text.
        auto *rues = s.Teil<QLabel>("LabelNahRuestschutzVergleich");
        QTRY_VERIFY(rues->isVisible());
        QCOMPARE(rues->text(), QStringLiteral("+4.0 %"));
        QCOMPARE(rues->accessibleName(), rues->text());
        QVERIFY(rues->font().pixelSize() < s.Teil<QLabel>("LabelNahRuestschutz")->font().pixelSize());
        QVERIFY(Farbanteile(rues->grab().toImage()).Gruen > 5);
        // The short sword hits harder than the training one; the shield lets less of the opponent's
        // damage through, which the Defensive page shows as better too.
        auto *proRunde = s.Teil<QLabel>("LabelOffensivWert5Vergleich");
        QVERIFY(!proRunde->isHidden());
        QVERIFY2(proRunde->text().startsWith(u'+'), qPrintable(proRunde->text()));
        auto *reduktion = s.Teil<QLabel>("LabelDefensivWert6Vergleich");
        QVERIFY(!reduktion->isHidden());
        QVERIFY2(reduktion->text().startsWith(u'+'), qPrintable(reduktion->text()));
        QVERIFY(Farbanteile(reduktion->grab().toImage()).Gruen > 5);
        auto *schaden = s.Teil<QLabel>("LabelDefensivWert3Vergleich");
        QVERIFY2(schaden->text().startsWith(QString::fromUtf8("\u2212")), qPrintable(schaden->text()));

        // A change of the character is compared at once.
        Eintrag(s.Teil<QMenu>("PopupMenuNebenwaffe"), NichtsEintrag)->trigger();
        QTRY_COMPARE(rues->text(), QStringLiteral("±0.0 %"));

        QTest::mouseClick(beenden, Qt::LeftButton);
        QVERIFY(!s.Seite->VergleichAktiv());
        QVERIFY(!beenden->isEnabled());
        for (QLabel *l : s.Seite->findChildren<QLabel *>())
            if (l->objectName().endsWith(QStringLiteral("Vergleich")))
                QVERIFY2(l->isHidden(), qPrintable(l->objectName()));
    }
};

#include "WasWaereWennSeiteTest.moc"
QTEST_MAIN(WasWaereWennSeiteTest)
