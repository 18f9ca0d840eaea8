// What the keyboard and accessibility tests share: the program in the state that shows the
// most controls, every window opened the way the program opens it, and every combination of
// pages of a window's page controls.
#pragma once

#include "Pruefstand.h"

#include "app/Hauptfenster.h"
#include "app/Infofenster.h"
#include "../crafting/ui/Bausatzrechnerteile.h"
#include "crafting/ui/Bausatzrechnerseite.h"
#include "crafting/ui/Detailanalyse.h"
#include "crafting/ui/Exportfenster.h"
#include "crafting/ui/Mengendialog.h"
#include "online/Versionspruefung.h"
#include "online/ui/Versionsfenster.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "routes/ui/Kartenfenster.h"
#include "routes/ui/Routenplanerseite.h"
#include "../routes/ui/Routenplanerelemente.h"
#include "settings/ui/Einstellungsfenster.h"
#include "settings/ui/Preisdialog.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>
#include <vector>

namespace mvt::pruefung {

// A control's name for messages: its objectName, or its named ancestor's with its class
// (the editor of a spin box, the bar of a page control).
inline QString Steuername(const QWidget *w)
{
    if (!w)
        return QStringLiteral("(kein Fokus)");
    for (const QWidget *x = w; x; x = x->parentWidget()) {
        const QString n = x->objectName();
        if (!n.isEmpty() && !n.startsWith(QLatin1String("qt_")))
            return x == w ? n : n + QLatin1Char('/') + QLatin1String(w->metaObject()->className());
    }
    return QLatin1String(w->metaObject()->className());
}

// Calls pruefen once for every combination of pages of the window's visible page controls,
// with the page path ("/Bausatzrechner/Alles kaufen").
inline void SeitenDurchgehen(QWidget *fenster, const std::function<void(const QString &)> &pruefen,
                             QWidget *bereich = nullptr, const QString &pfad = {})
{
    if (!bereich)
        bereich = fenster;
    QTabWidget *seiten = nullptr;
    for (QTabWidget *t : bereich->findChildren<QTabWidget *>()) {
        bool oben = t->isVisibleTo(fenster);
        for (QWidget *p = t->parentWidget(); oben && p && p != bereich; p = p->parentWidget())
            oben = !qobject_cast<QTabWidget *>(p);
        if (oben) {
            seiten = t;
            break;
        }
    }
    if (!seiten) {
        pruefen(pfad.isEmpty() ? QStringLiteral("/") : pfad);
        return;
    }
    const int vorher = seiten->currentIndex();
    for (int i = 0; i < seiten->count(); ++i) {
        if (!seiten->isTabEnabled(i))
            continue;
        seiten->setCurrentIndex(i);
        SeitenDurchgehen(fenster, pruefen, seiten->widget(i), pfad + QLatin1Char('/') + seiten->tabText(i));
    }
    seiten->setCurrentIndex(vorher);
}

// The program with a build list, a selected catalogue leaf and build-list entry, and a
// loaded saved route, so that the cost pages, the enabled buttons and the route results
// are on screen.
struct TVollerStand {
    TPruefstand S;

    TVollerStand()
    {
        S.DateiAnlegen(OptionenDateiname, "x");
        S.BeimLaden = [](TProgrammzustand &z) {
            z.Routen.Welt(1)->push_back(routen::TGespeicherteRoute{
                QStringLiteral("Zum Hafen"), 10, {{10, 10}, {11, 11}, {12, 12}, {13, 12}}});
        };
        S.Erzeugen();
        TForm1 &h = S.Haupt();
        h.TimerUpdateCheck->stop();
        h.show();
        h.activateWindow();
        if (!QTest::qWaitForWindowActive(&h))
            qWarning("Hauptfenster nicht aktiv");

        const test::TBausatzrechnerTeile b(*h.Bausatzrechner);
        const auto treffer =
            b.TreeView1->findItems(QStringLiteral("Kurzschwert"), Qt::MatchExactly | Qt::MatchRecursive);
        if (!treffer.isEmpty())
            b.TreeView1->setCurrentItem(treffer.first());
        QTest::mouseClick(b.SpeedButtonBauen, Qt::LeftButton);
        if (b.TreeView2->topLevelItemCount() > 0)
            b.TreeView2->setCurrentItem(b.TreeView2->topLevelItem(0));

        test::TRoutenplanerElemente(*h.Routenplanerseite).StringGrid3->setCurrentCell(0, 0);

        // A version check that finds a newer version, so that the version window shows
        // its status, the new version and the link.
        S.Dienste->Versionspruefung = [this] {
            online::TVersionsauskunft a;
            a.Ergebnis = online::TPruefergebnis::NeueVersion;
            a.Datei = {QStringLiteral("1.14"), QStringLiteral("01.03.2018")};
            S.App.Form4->ErgebnisZeigen(a);
        };
    }

    TForm1 &Haupt() { return S.Haupt(); }

    struct TFenster {
        QString Name;
        std::function<QWidget *()> Oeffnen; // returns the shown window
    };
    // The secondary windows, each opened as the program opens it.
    std::vector<TFenster> Nebenfenster()
    {
        TAnwendung &a = S.App;
        TForm1 &h = Haupt();
        auto seite = [&h](int i) { h.PageControl1->setCurrentIndex(i); };
        return {
            {QStringLiteral("Form2"),
             [&, seite] {
                 seite(0);
                 h.Bausatzrechner->MengendialogOeffnen(1);
                 return static_cast<QWidget *>(a.Form2.get());
             }},
            {QStringLiteral("Form3"),
             [&, seite] {
                 seite(0);
                 h.Bausatzrechner->PreisdialogOeffnen(12);
                 return static_cast<QWidget *>(a.Form3.get());
             }},
            {QStringLiteral("Form4"),
             [&] {
                 h.NachneuerVersionsuchen1->trigger();
                 return static_cast<QWidget *>(a.Form4.get());
             }},
            {QStringLiteral("Form5"),
             [&] {
                 h.berHadriksMorvarenTool1->trigger();
                 return static_cast<QWidget *>(a.Form5.get());
             }},
            {QStringLiteral("Form6"),
             [&, seite] {
                 seite(0);
                 h.Bausatzrechner->DetailanalyseOeffnen(1);
                 return static_cast<QWidget *>(a.Form6.get());
             }},
            {QStringLiteral("Form7"),
             [&] {
                 h.Einstellungen1->trigger();
                 return static_cast<QWidget *>(a.Form7.get());
             }},
            {QStringLiteral("Form8"),
             [&, seite] {
                 seite(2);
                 QTest::mouseClick(test::TRoutenplanerElemente(*h.Routenplanerseite).SpeedButtonKarteAnzeigen,
                                   Qt::LeftButton);
                 return static_cast<QWidget *>(a.Form8.get());
             }},
            {QStringLiteral("Form9"),
             [&, seite] {
                 seite(0);
                 h.Bausatzrechner->ExportOeffnen();
                 return static_cast<QWidget *>(a.Form9.get());
             }},
            {QStringLiteral("Form10"),
             [&, seite] {
                 seite(TForm1::SeiteCharakterPlaner);
                 if (auto *k = h.CharakterPlanerSeite->findChild<QPushButton *>(
                         QStringLiteral("ButtonAttributeOptimieren")))
                     QTest::mouseClick(k, Qt::LeftButton);
                 return static_cast<QWidget *>(a.Form10.get());
             }},
        };
    }

    // Makes the window the active one, as a click into it would.
    static bool Aktivieren(QWidget *fenster)
    {
        fenster->raise();
        fenster->activateWindow();
        return QTest::qWaitForWindowActive(fenster);
    }
    // Closes a secondary window again, the optimiser through its button.
    void Schliessen(QWidget *fenster)
    {
        if (fenster == S.App.Form10.get()) {
            if (auto *k = Haupt().CharakterPlanerSeite->findChild<QPushButton *>(
                    QStringLiteral("ButtonAttributeOptimieren")))
                k->click();
        }
        fenster->close();
        Haupt().setEnabled(true);
    }
};

} // namespace mvt::pruefung
