// The windows as a keyboard user meets them: Tab alone walks every tab and window through
// every control that takes the focus and back, Ctrl and Shift count as the keyboard holds
// them, and "Beenden" leaves options.ini as it was.
#include "../Fenstertests.h"
#include "Rundgang.h"

#include "app/Anwendung.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "settings/OptionenDatei.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QMenu>
#include <QTimer>

using namespace mvt;
using namespace mvt::pruefung;

namespace {

// One Tab stop: a control, or a group of exclusive checkable buttons, which Tab enters at
// the button that had the focus last (Qt takes Tab focus from the others) and the arrow keys
// move inside.
const QObject *Halt(QWidget *w)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w); b && b->isCheckable()) {
        if (b->group() && b->group()->exclusive())
            return b->group();
        if (b->autoExclusive() && !b->group())
            return b->parentWidget();
    }
    return w;
}

// The stops Tab must reach in the window as it is now: controls shown, enabled, taking the
// focus by Tab and not handing it on to another control; group members however Qt has set
// their Tab focus.
QList<const QObject *> Tabziele(QWidget *fenster, QList<QWidget *> *erster = nullptr)
{
    QList<const QObject *> ziele;
    for (QWidget *w : fenster->findChildren<QWidget *>()) {
        if (w->window() != fenster || !w->isVisibleTo(fenster) || !w->isEnabled() || w->focusProxy())
            continue;
        const bool gruppe = Halt(w) != w;
        if (gruppe ? w->focusPolicy() == Qt::NoFocus : (w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus)
            continue;
        if (!ziele.contains(Halt(w))) {
            ziele << Halt(w);
            if (erster && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
                *erster << w;
        }
    }
    return ziele;
}

void Tab(bool zurueck)
{
    QWidget *f = QApplication::focusWidget();
    if (zurueck)
        QTest::keyClick(f, Qt::Key_Backtab, Qt::ShiftModifier);
    else
        QTest::keyClick(f, Qt::Key_Tab);
}

// Tab from the first control round to it again, then Shift+Tab the same way back. Returns
// what went wrong, empty when nothing did.
QStringList Rundgang(QWidget *fenster, const QString &seite)
{
    QList<QWidget *> anfaenge;
    const QList<const QObject *> ziele = Tabziele(fenster, &anfaenge);
    const QString ort = fenster->objectName() + seite + QStringLiteral(": ");
    if (anfaenge.isEmpty())
        return {ort + QStringLiteral("nichts nimmt den Fokus")};
    QWidget *start = anfaenge.first();
    start->setFocus(Qt::TabFocusReason);
    if (QApplication::focusWidget() != start)
        return {ort + QStringLiteral("kein Fokus auf ") + Steuername(start)};

    QStringList fehler;
    QList<const QObject *> vor{Halt(start)};
    for (int i = 0; i <= ziele.size(); ++i) {
        QWidget *vorher = QApplication::focusWidget();
        Tab(false);
        QWidget *jetzt = QApplication::focusWidget();
        if (jetzt == start)
            break;
        if (jetzt == vorher) {
            fehler << ort + QStringLiteral("Tab bleibt in ") + Steuername(vorher);
            break;
        }
        if (!jetzt || !ziele.contains(Halt(jetzt))) {
            fehler << ort + QStringLiteral("Tab führt von ") + Steuername(vorher) + QStringLiteral(" auf ") +
                          Steuername(jetzt) + QStringLiteral(", das weder sichtbar noch bedienbar ist");
            break;
        }
        if (vor.contains(Halt(jetzt))) {
            fehler << ort + QStringLiteral("Tab kreist, ohne zu ") + Steuername(start) +
                          QStringLiteral(" zurückzukommen");
            break;
        }
        vor << Halt(jetzt);
    }
    if (!fehler.isEmpty())
        return fehler;
    for (const QObject *z : ziele)
        if (!vor.contains(z))
            fehler << ort + QStringLiteral("Tab erreicht ") +
                          (z->isWidgetType() ? Steuername(static_cast<const QWidget *>(z))
                                             : QStringLiteral("eine Knopfgruppe")) +
                          QStringLiteral(" nie");
    // Back: the same stops in the opposite order, ending at the start.
    for (qsizetype i = vor.size() - 1; i >= 0 && fehler.isEmpty(); --i) {
        QWidget *vorher = QApplication::focusWidget();
        Tab(true);
        QWidget *jetzt = QApplication::focusWidget();
        if (!jetzt || Halt(jetzt) != vor[i])
            fehler << ort + QStringLiteral("Umschalt+Tab führt von ") + Steuername(vorher) +
                          QStringLiteral(" auf ") + Steuername(jetzt) + QStringLiteral(" statt zurück");
    }
    return fehler;
}

// Inside a group of exclusive buttons the arrow keys reach every member from the checked
// one (choosing it on the way, as a click would); the checked one is chosen again after.
QStringList Pfeiltasten(QWidget *fenster, const QString &seite)
{
    QStringList fehler;
    QList<const QObject *> gesehen;
    for (QAbstractButton *b : fenster->findChildren<QAbstractButton *>()) {
        const QObject *gruppe = Halt(b);
        if (gruppe == b || gesehen.contains(gruppe) || !b->isChecked() || !b->isVisibleTo(fenster) ||
            !b->isEnabled())
            continue;
        gesehen << gruppe;
        QList<QAbstractButton *> mitglieder;
        for (QAbstractButton *m : fenster->findChildren<QAbstractButton *>())
            if (Halt(m) == gruppe && m->isVisibleTo(fenster) && m->isEnabled())
                mitglieder << m;
        QList<QAbstractButton *> erreicht{b};
        for (int i = 0; i < erreicht.size(); ++i)
            for (Qt::Key taste : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up}) {
                erreicht[i]->setFocus(Qt::TabFocusReason);
                QTest::keyClick(erreicht[i], taste);
                if (auto *jetzt = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
                    jetzt && mitglieder.contains(jetzt) && !erreicht.contains(jetzt))
                    erreicht << jetzt;
            }
        b->click();
        for (QAbstractButton *m : mitglieder)
            if (!erreicht.contains(m))
                fehler << fenster->objectName() + seite + QStringLiteral(": die Pfeiltasten erreichen ") +
                              Steuername(m) + QStringLiteral(" nie");
    }
    return fehler;
}

QAction *Eintrag(QMenu *menue, const QString &daten)
{
    for (QAction *a : menue->findChildren<QAction *>())
        if (a->data().toString() == daten)
            return a;
    return nullptr;
}

} // namespace

class TastaturTest : public QObject {
    Q_OBJECT

private slots:
    void tabDurchAlleSeitenDesHauptfensters();
    void tabDurchAlleNebenfenster();
    void modifikatorImMenueLosgelassen();
    void beendenLaesstOptionsdateiUnveraendert();
};

void TastaturTest::tabDurchAlleSeitenDesHauptfensters()
{
    TVollerStand v;
    TForm1 &h = v.Haupt();
    QStringList fehler;
    int seiten = 0;
    SeitenDurchgehen(&h, [&](const QString &seite) {
        ++seiten;
        fehler << Rundgang(&h, seite) << Pfeiltasten(&h, seite);
    });
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    // Five main pages, the crafting page with its four cost pages, the planner's sub-pages.
    QVERIFY(seiten >= 8);
}

void TastaturTest::tabDurchAlleNebenfenster()
{
    TVollerStand v;
    QStringList fehler;
    for (const auto &n : v.Nebenfenster()) {
        QWidget *f = n.Oeffnen();
        QVERIFY2(f && f->isVisible(), qPrintable(n.Name));
        QVERIFY2(TVollerStand::Aktivieren(f), qPrintable(n.Name));
        SeitenDurchgehen(
            f, [&](const QString &seite) { fehler << Rundgang(f, seite) << Pfeiltasten(f, seite); });
        v.Schliessen(f);
    }
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
}

void TastaturTest::modifikatorImMenueLosgelassen()
{
    TVollerStand v;
    TForm1 &h = v.Haupt();
    h.PageControl1->setCurrentIndex(TForm1::SeiteCharakterPlaner);
    TCharakterPlanerSeite &p = *h.CharakterPlanerSeite;
    auto *helm = p.findChild<QToolButton *>(QStringLiteral("SpeedButtonHelm"));
    auto *menue = p.findChild<QMenu *>(QStringLiteral("PopupMenuHelme"));
    QVERIFY(helm && menue);

    // Ctrl goes down in the main window, the menu opens, Ctrl comes up while the menu has
    // the keyboard: the choice is an ordinary one, upgraded to +1.
    {
        mvt::test::TTasteGehalten strg(&h, Qt::Key_Control);
        helm->setFocus();
        QTest::keyClick(helm, Qt::Key_Return);
        QTRY_VERIFY(menue->isVisible());
        strg.Loslassen(menue);
    }
    QAction *haube = Eintrag(menue, QStringLiteral("Leinen-Haube"));
    QVERIFY(haube);
    menue->hide();
    haube->trigger();
    QCOMPARE(helm->text(), QStringLiteral("Leinen-Haube +1"));

    // Held through the choice, Ctrl keeps the preset at +0.
    {
        mvt::test::TTasteGehalten strg(&h, Qt::Key_Control);
        haube->trigger();
    }
    QCOMPARE(helm->text(), QStringLiteral("Leinen-Haube"));

    // The crafting tab: after Ctrl let go inside a menu, a plain click into the catalogue
    // only selects; with Ctrl held it adds one kit.
    h.PageControl1->setCurrentIndex(0);
    const test::TBausatzrechnerTeile b(*h.Bausatzrechner);
    const int vorher = b.TreeView2->topLevelItemCount();
    {
        mvt::test::TTasteGehalten strg(&h, Qt::Key_Control);
        b.PopupMenuTextAnzeigen->popup(b.TreeView2->mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(b.PopupMenuTextAnzeigen->isVisible());
        strg.Loslassen(b.PopupMenuTextAnzeigen);
        b.PopupMenuTextAnzeigen->hide();
    }
    const auto saphir =
        b.TreeView1->findItems(QStringLiteral("Saphir"), Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY(!saphir.isEmpty());
    b.TreeView1->scrollToItem(saphir.first());
    const QPoint ort = b.TreeView1->visualItemRect(saphir.first()).center();
    QTest::mouseClick(b.TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier, ort);
    QCOMPARE(b.TreeView1->currentItem(), saphir.first());
    QCOMPARE(b.TreeView2->topLevelItemCount(), vorher);
    {
        mvt::test::TTasteGehalten strg(&h, Qt::Key_Control);
        QTest::mouseClick(b.TreeView1->viewport(), Qt::LeftButton, Qt::ControlModifier, ort);
    }
    QCOMPARE(b.TreeView2->topLevelItemCount(), vorher + 1);
}

void TastaturTest::beendenLaesstOptionsdateiUnveraendert()
{
    TPruefstand s(TPruefstand::Optionsdatei::Echt);
    const QByteArray alt = "Hadrik's Morvaren Tool\r\n1.08\r\n\r\nOPTIONS\r\nActivePageIndex = "
                           "3\r\nSaveParameters = 0\r\nEND\r\n";
    s.DateiAnlegen(OptionenDateiname, alt);
    s.Erzeugen();
    s.Haupt().TimerUpdateCheck->stop();
    s.Haupt().show();
    s.Haupt().PageControl1->setCurrentIndex(1); // a change that closing would save
    // The real end of the message loop, as the program runs it.
    s.Dienste->Ende = [&s] {
        ++s.Beendet;
        QCoreApplication::quit();
    };
    QTimer::singleShot(0, &s.Haupt(), [&s] { s.Haupt().Beenden1->trigger(); });
    QTimer notbremse;
    notbremse.setSingleShot(true);
    connect(&notbremse, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    notbremse.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(s.Beendet, 1);
    QCOMPARE(s.Gespeichert, 0);
    QCOMPARE(s.DateiLesen(OptionenDateiname), alt);

    // Closing the window is the way that saves.
    TPruefstand z(TPruefstand::Optionsdatei::Echt);
    z.DateiAnlegen(OptionenDateiname, alt);
    z.Erzeugen();
    z.Haupt().show();
    QVERIFY(z.Haupt().close());
    QCOMPARE(z.Gespeichert, 1);
    QVERIFY(z.DateiLesen(OptionenDateiname) != alt);
}

QObject *TastaturTestErzeugen()
{
    return new TastaturTest;
}

#include "TastaturTest.moc"
