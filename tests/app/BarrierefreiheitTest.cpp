// The windows as a screen reader reads them, through QAccessible: every control a person
// can operate has a name, every label is read as the text it shows, every caption is tied
// to what it captions, and the cost-page buttons work through their accessibility actions.
#include "Rundgang.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QSet>
#include <QRadioButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <algorithm>

using namespace mvt;
using namespace mvt::pruefung;

namespace {

QAccessibleInterface *Zugang(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w);
}

QString Vorgelesen(QWidget *w)
{
    QAccessibleInterface *i = Zugang(w);
    return i ? i->text(QAccessible::Name) : QString();
}

// The text a label shows: without markup and without the mnemonic marks.
QString Gezeigt(const QLabel *l)
{
    QString t = l->text();
    if (l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(t)))
        t = QTextDocumentFragment::fromHtml(t).toPlainText();
    if (l->buddy()) {
        t.replace(QLatin1String("&&"), QLatin1String("\x01"));
        t.remove(QLatin1Char('&'));
        t.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    }
    return t;
}

// What a person can operate: buttons, fields, lists, tables, sliders, page tabs, links.
bool Bedienbar(QWidget *w)
{
    if (qobject_cast<QScrollBar *>(w) &&
        qobject_cast<QAbstractScrollArea *>(w->parentWidget()->parentWidget()))
        return false; // the scroll bars of a list or table belong to it
    if (qobject_cast<QHeaderView *>(w) || qobject_cast<QAbstractItemView *>(w->parentWidget()))
        return false; // so do its headers and corner button
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return !qobject_cast<QAbstractSpinBox *>(e->parentWidget()) &&
               !qobject_cast<QComboBox *>(e->parentWidget());
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->focusPolicy() != Qt::NoFocus;
    return qobject_cast<QAbstractButton *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
           qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractItemView *>(w) ||
           qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w) ||
           qobject_cast<QAbstractSlider *>(w) || qobject_cast<QTabBar *>(w);
}

// The controls right of a label on the same line, nearest first, the way a caption is
// followed by its field or value (values may stand at the right margin).
QList<QWidget *> RechteNachbarn(QLabel *l)
{
    QWidget *eltern = l->parentWidget();
    const QRect r = l->geometry();
    QList<QWidget *> nachbarn;
    for (QWidget *w : eltern->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w == l || !w->isVisibleTo(l->window()) || w->geometry().isEmpty())
            continue;
        const QRect g = w->geometry();
        const bool gleicheZeile = g.top() <= r.center().y() && r.center().y() <= g.bottom();
        const int luecke = g.left() - r.right();
        if (gleicheZeile && luecke >= -2 && luecke <= 200)
            nachbarn << w;
    }
    std::sort(nachbarn.begin(), nachbarn.end(),
              [](QWidget *a, QWidget *b) { return a->geometry().left() < b->geometry().left(); });
    return nachbarn;
}

bool Verbunden(QLabel *beschriftung, QWidget *feld)
{
    QAccessibleInterface *l = Zugang(beschriftung);
    QAccessibleInterface *f = Zugang(feld);
    if (!l || !f)
        return false;
    for (const auto &[anderes, art] : l->relations(QAccessible::Labelled | QAccessible::Label))
        if (anderes == f)
            return true;
    for (const auto &[anderes, art] : f->relations(QAccessible::Labelled | QAccessible::Label))
        if (anderes == l)
            return true;
    return false;
}

// Everything a screen reader would say wrong about the window as it is now.
QStringList Pruefen(QWidget *fenster, const QString &seite)
{
    QStringList fehler;
    const QString ort = fenster->objectName() + seite + QStringLiteral(": ");
    for (QWidget *w : fenster->findChildren<QWidget *>()) {
        if (w->window() != fenster || !w->isVisibleTo(fenster))
            continue;
        if (Bedienbar(w) && Vorgelesen(w).trimmed().isEmpty()) {
            fehler << ort + Steuername(w) + QStringLiteral(" hat keinen Namen");
            continue;
        }
        auto *l = qobject_cast<QLabel *>(w);
        if (!l || Bedienbar(l) || Gezeigt(l).isEmpty())
            continue;
        if (Vorgelesen(l) != Gezeigt(l))
            fehler << ort + Steuername(l) + QStringLiteral(" wird als \"") + Vorgelesen(l) +
                          QStringLiteral("\" gelesen, zeigt aber \"") + Gezeigt(l) + QLatin1Char('"');
        // A caption ("Reisezeit:") is tied to the field or value that follows it; bold texts
        // ("Einkaufspreise:") head a section instead.
        const QString text = Gezeigt(l).trimmed();
        if (text.size() > 1 && text.endsWith(QLatin1Char(':')) && !l->font().bold())
            if (const QList<QWidget *> zeile = RechteNachbarn(l);
                !zeile.isEmpty() &&
                std::none_of(zeile.begin(), zeile.end(), [l](QWidget *feld) { return Verbunden(l, feld); }))
                fehler << ort + Steuername(l) + QStringLiteral(" ist nicht mit ") +
                              Steuername(zeile.first()) + QStringLiteral(" verbunden");
    }
    return fehler;
}

// Every shown exclusive group of the window: the checked member is its only Tab stop.
QStringList TabStoppDerGruppen(QWidget *fenster, const QString &seite)
{
    QStringList fehler;
    for (QAbstractButton *b : fenster->findChildren<QAbstractButton *>()) {
        const bool gruppe = b->group() ? b->group()->exclusive() : b->autoExclusive();
        if (!b->isVisibleTo(fenster) || !b->isCheckable() || !gruppe)
            continue;
        const bool tabStopp = (b->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        if (tabStopp != b->isChecked())
            fehler << fenster->objectName() + seite + QStringLiteral(": ") + Steuername(b) +
                          (tabStopp ? QStringLiteral(" ist Tab-Stopp, aber nicht gewählt")
                                    : QStringLiteral(" ist gewählt, aber kein Tab-Stopp"));
    }
    return fehler;
}

} // namespace

class BarrierefreiheitTest : public QObject {
    Q_OBJECT

private slots:
    void hauptfensterAlleSeiten();
    void alleNebenfenster();
    void kostenseitenknoepfeUeberIhreAktion();
    void auswahlenFolgenIhremZustand();
    void namenUndTabReihenfolge();
};

void BarrierefreiheitTest::hauptfensterAlleSeiten()
{
    TVollerStand v;
    TForm1 &h = v.Haupt();
    QStringList fehler;
    SeitenDurchgehen(&h, [&](const QString &seite) { fehler << Pruefen(&h, seite); });
    // The route results are value labels, read as their figures.
    h.PageControl1->setCurrentIndex(2);
    QLabel *reisezeit = test::TRoutenplanerElemente(*h.Routenplanerseite).LabelReisezeit1;
    QVERIFY(reisezeit->isVisible());
    QVERIFY(!reisezeit->text().isEmpty());
    QCOMPARE(Vorgelesen(reisezeit), reisezeit->text());
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
}

void BarrierefreiheitTest::alleNebenfenster()
{
    TVollerStand v;
    QStringList fehler;
    for (const auto &n : v.Nebenfenster()) {
        QWidget *f = n.Oeffnen();
        QVERIFY2(f && f->isVisible(), qPrintable(n.Name));
        // A dialog named by its caption, not a nameless filler.
        QCOMPARE(Zugang(f)->role(), QAccessible::Dialog);
        QCOMPARE(Zugang(f)->text(QAccessible::Name), f->windowTitle());
        if (f == v.S.App.Form4.get()) // the version window reads its status and the new version
            for (QLabel *l : {v.S.App.Form4->Label1, v.S.App.Form4->Label2}) {
                QVERIFY(l->isVisible() && !l->text().isEmpty());
                QCOMPARE(Vorgelesen(l), l->text());
            }
        SeitenDurchgehen(f, [&](const QString &seite) { fehler << Pruefen(f, seite); });
        v.Schliessen(f);
    }
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
}

void BarrierefreiheitTest::kostenseitenknoepfeUeberIhreAktion()
{
    TVollerStand v;
    const test::TBausatzrechnerTeile b(*v.Haupt().Bausatzrechner);
    QVERIFY(b.PageControl2->isVisible());
    auto knopf = [&](int k) {
        return b.Seite.findChild<QToolButton *>(QStringLiteral("PageControl2Seite%1").arg(k));
    };
    QCOMPARE(b.PageControl2->currentIndex(), 0);
    // Pressing, as a screen reader's default action does.
    QAccessibleActionInterface *druck = Zugang(knopf(2))->actionInterface();
    QVERIFY(druck);
    druck->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(b.PageControl2->currentIndex(), 1);
    QVERIFY(knopf(2)->isChecked());
    // Toggling, the action a screen reader offers for a checkable button.
    QAccessibleActionInterface *schalter = Zugang(knopf(4))->actionInterface();
    QVERIFY(schalter->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    schalter->doAction(QAccessibleActionInterface::toggleAction());
    QTRY_COMPARE(b.PageControl2->currentIndex(), 3);
    QVERIFY(!knopf(2)->isChecked());
    // The page is read as selected: its button reports the checked state.
    QVERIFY(Zugang(knopf(4))->state().checked);
    // One of four: read as radio buttons, and Tab lands on the checked one only.
    QCOMPARE(Zugang(knopf(4))->role(), QAccessible::RadioButton);
    QVERIFY(knopf(4)->focusPolicy() & Qt::TabFocus);
    QVERIFY(!(knopf(1)->focusPolicy() & Qt::TabFocus));
}

void BarrierefreiheitTest::auswahlenFolgenIhremZustand()
{
    TVollerStand v;
    TForm1 &h = v.Haupt();
    // A screen reader's only action on a radio button is "Toggle": the world follows it.
    h.PageControl1->setCurrentIndex(2);
    auto *zyrthania = h.Routenplanerseite->findChild<QRadioButton *>(QStringLiteral("RadioButtonMap3"));
    QVERIFY(zyrthania && v.S.App.Zustand().Weltkarten.AktuelleWelt != 3);
    Zugang(zyrthania)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(v.S.App.Zustand().Weltkarten.AktuelleWelt, 3);
    // So does the crafting tab's potency switch.
    h.PageControl1->setCurrentIndex(0);
    auto *wirkung = h.findChild<QCheckBox *>(QStringLiteral("CheckBoxWirkungBerechnen"));
    const bool vorher = v.S.App.Zustand().Optionen.CalcPotency;
    Zugang(wirkung)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(v.S.App.Zustand().Optionen.CalcPotency, !vorher);
    // In every window and on every page, Tab reaches a group at its checked member.
    QStringList fehler;
    SeitenDurchgehen(&h, [&](const QString &seite) { fehler << TabStoppDerGruppen(&h, seite); });
    for (const auto &n : v.Nebenfenster()) {
        QWidget *f = n.Oeffnen();
        SeitenDurchgehen(f, [&](const QString &seite) { fehler << TabStoppDerGruppen(f, seite); });
        v.Schliessen(f);
    }
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
}

void BarrierefreiheitTest::namenUndTabReihenfolge()
{
    TVollerStand v;
    TForm1 &h = v.Haupt();
    // The three "Alle anzeigen..." buttons of a cost page say what they show; the building
    // level is read with its caption.
    QStringList namen;
    for (const char *n : {"SpeedButtonVerkaufspreis", "SpeedButtonKosten", "SpeedButtonGebaeude"})
        if (auto *b = h.findChild<QToolButton *>(QLatin1String(n)))
            namen << Vorgelesen(b);
    QCOMPARE(namen.size(), 3);
    QCOMPARE(QSet<QString>(namen.begin(), namen.end()).size(), 3);
    auto *gebaeude = h.findChild<QLabel *>(QStringLiteral("LabelGebaeude0"));
    QVERIFY(gebaeude && Verbunden(gebaeude, h.findChild<QComboBox *>(QStringLiteral("ComboBoxGebaeude"))));
    // Alt+O opens the "Optionen" menu; the access keys are underlined only while Alt is held.
    QCOMPARE(h.menuBar()->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, h.menuBar()), 0);
    QTest::keyClick(&h, Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY(h.Optionen1->isVisible());
    h.Optionen1->close();
    // The About window's link is a Tab stop.
    QWidget *info = v.Nebenfenster()[3].Oeffnen();
    QVERIFY(v.S.App.Form5->Label2->focusPolicy() & Qt::TabFocus);
    v.Schliessen(info);
    // On the price page of the settings, Shift+Tab from Okay goes back into the price rows.
    TForm7 &e = *v.S.App.Form7;
    v.Nebenfenster()[5].Oeffnen();
    QVERIFY(TVollerStand::Aktivieren(&e));
    for (int i = 0; i < e.PageControl2->count(); ++i)
        if (e.PageControl2->widget(i)->objectName() == QLatin1String("TabSheetPreise")) {
            e.PageControl1->setCurrentWidget(e.PageControl2->parentWidget());
            e.PageControl2->setCurrentIndex(i);
        }
    QTRY_VERIFY(e.PageControlPreise->isVisible());
    e.ButtonOkay->setFocus(Qt::TabFocusReason);
    QTest::keyClick(e.ButtonOkay, Qt::Key_Backtab, Qt::ShiftModifier);
    QWidget *davor = QApplication::focusWidget();
    QVERIFY2(davor && e.PageControlPreise->isAncestorOf(davor), qPrintable(Steuername(davor)));
    v.Schliessen(&e);
}

QObject *BarrierefreiheitTestErzeugen()
{
    return new BarrierefreiheitTest;
}

#include "BarrierefreiheitTest.moc"
