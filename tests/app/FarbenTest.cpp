// What the running program draws, checked in the grabbed picture: the prescribed colours
// of fields and labels, the grey and black lines of the item details, the margin of a slot
// caption, and where the map window puts a route's start when it is opened the first time.
#include "Pruefstand.h"

#include "app/Infofenster.h"
#include "../crafting/ui/Bausatzrechnerteile.h"
#include "crafting/ui/Bausatzrechnerseite.h"
#include "online/Versionspruefung.h"
#include "online/ui/Versionsfenster.h"
#include "planner/Ausruestung.h"
#include "planner/Charakterdatei.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "routes/ui/Kartenfenster.h"
#include "routes/ui/Routenplanerseite.h"
#include "../routes/ui/Routenplanerelemente.h"
#include "settings/ui/Einstellungsfenster.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using namespace mvt;
using namespace mvt::planer;
using mvt::pruefung::TPruefstand;

namespace {

// Share of the pixels inside a field (its frame left out) that have exactly this colour.
double Anteil(QWidget *feld, const QColor &farbe)
{
    QRect innen = feld->rect();
    if (auto *spin = qobject_cast<QSpinBox *>(feld))
        innen = spin->findChild<QLineEdit *>()->geometry();
    innen.adjust(3, 3, -3, -3);
    const QImage bild = feld->grab().toImage();
    int treffer = 0;
    for (int y = innen.top(); y <= innen.bottom(); ++y)
        for (int x = innen.left(); x <= innen.right(); ++x)
            treffer += bild.pixelColor(x, y).rgb() == farbe.rgb();
    return double(treffer) / std::max(1, innen.width() * innen.height());
}

// The darkest pixel of a label: its text colour where a stroke is solid.
QColor Dunkelster(QLabel *l)
{
    const QImage bild = l->grab().toImage();
    QColor best(255, 255, 255);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() < best.red() + best.green() + best.blue())
                best = c;
        }
    return best;
}

// Whether some pixel of the label is clearly of the hue: the channel strong, the others weak.
bool HatFarbton(QLabel *l, int kanal)
{
    const QImage bild = l->grab().toImage();
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            const int k[3] = {c.red(), c.green(), c.blue()};
            if (k[kanal] >= 100 && k[(kanal + 1) % 3] <= 40 && k[(kanal + 2) % 3] <= 40)
                return true;
        }
    return false;
}

struct TProgramm {
    TPruefstand S;
    TProgramm() { S.HauptfensterZeigen(); }
    TCharakterPlanerSeite &Planer() { return *S.Haupt().CharakterPlanerSeite; }
    void Seite(QWidget *seite) { S.Haupt().PageControl1->setCurrentWidget(seite); }
    template <class T> T *Teil(QWidget *in, const QString &name)
    {
        T *t = in->findChild<T *>(name);
        if (!t)
            qFatal("Steuerelement %s fehlt", qPrintable(name));
        return t;
    }
    QLineEdit *Slotfeld(TSlot s, TSlotFeld f)
    {
        return Teil<QLineEdit>(&Planer(), QStringLiteral("Edit") + SlotName(s) + SlotFeldName(f));
    }
    bool Waehlen(const char *menue, const QString &eintrag)
    {
        Planer().MenuesAnlegen(); // entries are made on first opening
        for (QAction *a : Teil<QMenu>(&Planer(), QLatin1String(menue))->findChildren<QAction *>())
            if (a->data().toString() == eintrag) {
                a->trigger();
                return true;
            }
        return false;
    }
    void Tippen(QLineEdit *e, const QString &text)
    {
        QTest::mouseClick(e, Qt::LeftButton);
        QTest::keyClick(e, Qt::Key_End);
        for (int n = int(e->text().size()); n > 0; --n)
            QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }
};

} // namespace

class FarbenTest : public QObject {
    Q_OBJECT

private slots:
    void optimiererGruenFuelltDieAttributfelder()
    {
        TProgramm p;
        p.Seite(p.S.Haupt().TabSheet5);
        QTest::mouseClick(p.Teil<QPushButton>(&p.Planer(), QStringLiteral("ButtonAttributeOptimieren")),
                          Qt::LeftButton);
        TForm10 &f = *p.S.App.Form10;
        QVERIFY(f.isVisible());
        QTest::mouseClick(p.Teil<QPushButton>(&f, QStringLiteral("ButtonAttributeOptimieren")),
                          Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!f.OptimierungLaeuft(), 30000);
        for (const char *name :
             {"SpinEditStaerke", "SpinEditGeschick", "SpinEditKonstitution", "SpinEditIntelligenz"}) {
            QSpinBox *s = p.Teil<QSpinBox>(&p.Planer(), QLatin1String(name));
            QVERIFY2(Anteil(s, QColor(230, 255, 230)) > 0.6, name);
        }
        // A typed attribute leaves the optimiser's colour.
        QSpinBox *staerke = p.Teil<QSpinBox>(&p.Planer(), QStringLiteral("SpinEditStaerke"));
        QTest::mouseClick(staerke->findChild<QLineEdit *>(), Qt::LeftButton);
        QTest::keyClick(staerke, Qt::Key_Up);
        QVERIFY(Anteil(staerke, QColor(230, 255, 230)) < 0.1);
    }

    void vorgabegrauBleibtBeimTippenInEinFeld()
    {
        TProgramm p;
        p.Seite(p.S.Haupt().TabSheet5);
        const QColor grau(236, 233, 216), editierbar(248, 247, 241), hellrot(255, 85, 85);
        QVERIFY(p.Waehlen("PopupMenuHelme", QStringLiteral("Kupfer-Plattenhelm")));
        for (TSlotFeld f : {FeldRuestschutz, FeldAbsorb, FeldBehinderung})
            QVERIFY(Anteil(p.Slotfeld(SlotHelm, f), grau) > 0.6);
        p.Tippen(p.Slotfeld(SlotHelm, FeldRuestschutz), QStringLiteral("9"));
        QVERIFY(p.S.Haupt()
                    .CharakterPlanerSeite->findChild<QToolButton *>(QStringLiteral("SpeedButtonHelm"))
                    ->text()
                    .startsWith(u'*'));
        QVERIFY(Anteil(p.Slotfeld(SlotHelm, FeldRuestschutz), editierbar) > 0.6);
        QVERIFY(Anteil(p.Slotfeld(SlotHelm, FeldAbsorb), grau) > 0.6);
        QVERIFY(Anteil(p.Slotfeld(SlotHelm, FeldBehinderung), grau) > 0.6);
        // A later recomputation (the level) does not repaint the untouched fields either.
        QSpinBox *level = p.Teil<QSpinBox>(&p.Planer(), QStringLiteral("SpinEditLevel"));
        level->setValue(5);
        QVERIFY(Anteil(p.Slotfeld(SlotHelm, FeldAbsorb), grau) > 0.6);

        // The damage partner: light red while the minimum is above the maximum, then grey again.
        QVERIFY(p.Waehlen("PopupMenuHauptwaffe", QStringLiteral("Bidenhänder [2H]")));
        QLineEdit *min = p.Slotfeld(SlotHauptwaffe, FeldMinSchaden);
        QLineEdit *max = p.Slotfeld(SlotHauptwaffe, FeldMaxSchaden);
        QVERIFY(Anteil(max, grau) > 0.6);
        p.Tippen(min, QStringLiteral("99"));
        QVERIFY(Anteil(max, hellrot) > 0.6);
        QVERIFY(Anteil(min, editierbar) > 0.6);
        QVERIFY(Anteil(p.Slotfeld(SlotHauptwaffe, FeldAngriffe), grau) > 0.6);
        p.Tippen(min, QStringLiteral("9"));
        QVERIFY(Anteil(max, grau) > 0.6);

        // A new preset brings the grey back to every field.
        QVERIFY(p.Waehlen("PopupMenuHelme", QStringLiteral("Eisen-Plattenhelm")));
        QVERIFY(Anteil(p.Slotfeld(SlotHelm, FeldRuestschutz), grau) > 0.6);
    }

    void slotbeschriftungMitUndOhneRand()
    {
        TProgramm p;
        p.Seite(p.S.Haupt().TabSheet5);
        auto *knopf = p.Teil<QToolButton>(&p.Planer(), QStringLiteral("SpeedButtonHelm"));
        // First and last column of the caption's dark pixels, inside the button's frame.
        auto raender = [knopf] {
            const QImage bild = knopf->grab().toImage();
            int links = bild.width(), rechts = -1;
            for (int y = 4; y < bild.height() - 4; ++y)
                for (int x = 2; x < bild.width() - 2; ++x)
                    if (bild.pixelColor(x, y).lightness() < 100) {
                        links = std::min(links, x);
                        rechts = std::max(rechts, x);
                    }
            return std::pair{links, bild.width() - 1 - rechts};
        };
        QVERIFY(p.Waehlen("PopupMenuHelme", QStringLiteral("Kupfer-Plattenhelm")));
        auto [links, rechts] = raender();
        QVERIFY2(links >= 6 && links <= 8 && rechts > links + 10,
                 qPrintable(QStringLiteral("%1 %2").arg(links).arg(rechts)));

        emit knopf->customContextMenuRequested(QPoint(5, 5));
        auto *verzauberungen = p.Teil<QMenu>(&p.Planer(), QStringLiteral("PopupMenuVerzauberungen"));
        verzauberungen->hide();
        QAction *kraft = nullptr;
        for (QAction *a : verzauberungen->findChildren<QAction *>())
            if (a->text().startsWith(QStringLiteral("der Kraft")))
                kraft = a;
        QVERIFY(kraft);
        kraft->trigger();
        QVERIFY(p.Teil<QLabel>(&p.Planer(), QStringLiteral("LabelVerzauberungHelm"))->isVisible());
        std::tie(links, rechts) = raender();
        QVERIFY2(std::abs(links - rechts) <= 2, qPrintable(QStringLiteral("%1 %2").arg(links).arg(rechts)));
    }

    void gewinnGruenVerlustDunkelrot()
    {
        TProgramm p;
        p.Seite(p.S.Haupt().TabSheet1);
        const test::TBausatzrechnerTeile b(*p.S.Haupt().Bausatzrechner);
        const auto treffer =
            b.TreeView1->findItems(QStringLiteral("Kurzschwert"), Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY(!treffer.isEmpty());
        b.TreeView1->setCurrentItem(treffer.first());
        QTest::mouseClick(b.SpeedButtonBauen, Qt::LeftButton);
        const TKostenseitenSteuerung &k = b.Kostenseite(1);
        QTRY_VERIFY(k.LabelAnalyse[7]->isVisible());
        p.Tippen(k.EditVerkaufspreisGold, QStringLiteral("999999"));
        QTest::keyClick(k.EditVerkaufspreisGold, Qt::Key_Tab);
        QCOMPARE(k.LabelAnalyseStatic[7]->text(), QStringLiteral("Gewinn:"));
        for (QLabel *l : {k.LabelAnalyseStatic[7], k.LabelAnalyse[7], k.LabelAnalyse[8]})
            QVERIFY2(HatFarbton(l, 1), qPrintable(l->objectName()));
        p.Tippen(k.EditVerkaufspreisGold, QStringLiteral("1"));
        QTest::keyClick(k.EditVerkaufspreisGold, Qt::Key_Tab);
        QCOMPARE(k.LabelAnalyseStatic[7]->text(), QStringLiteral("Verlust:"));
        for (QLabel *l : {k.LabelAnalyseStatic[7], k.LabelAnalyse[7], k.LabelAnalyse[8]}) {
            QVERIFY2(HatFarbton(l, 0), qPrintable(l->objectName()));
            QVERIFY(!HatFarbton(l, 1));
        }
    }

    // The links of the info and the version window in their dark reds, the download link
    // underlined: a row below the text as long as most of it.
    void verweiseInIhrenRottoenen()
    {
        TProgramm p;
        TAnwendung &a = p.S.App;
        p.S.Haupt().NebenfensterZeigen(a.Form5.get(), 1);
        QVERIFY(a.Form5->Label2->isVisible());
        QCOMPARE(Dunkelster(a.Form5->Label2), QColor(0x80, 0x00, 0x00));
        a.Form5->close();

        online::TVersionsauskunft neu;
        neu.Ergebnis = online::TPruefergebnis::NeueVersion;
        neu.Datei = {QStringLiteral("1.14"), QStringLiteral("01.03.2018 - 12:00 Uhr")};
        p.S.Haupt().NebenfensterZeigen(a.Form4.get(), 1);
        a.Form4->ErgebnisZeigen(neu);
        QLabel *verweis = a.Form4->Label3;
        QVERIFY(verweis->isVisible());
        QCOMPARE(Dunkelster(verweis), QColor(0xaa, 0x00, 0x00));
        const QImage bild = verweis->grab().toImage();
        const int textbreite = verweis->fontMetrics().horizontalAdvance(verweis->text());
        int laengsteZeile = 0;
        for (int y = bild.height() / 2; y < bild.height(); ++y) {
            int rot = 0;
            for (int x = 0; x < bild.width(); ++x)
                rot += bild.pixelColor(x, y) == QColor(0xaa, 0x00, 0x00);
            laengsteZeile = std::max(laengsteZeile, rot);
        }
        QVERIFY2(laengsteZeile > textbreite * 9 / 10,
                 qPrintable(QStringLiteral("%1 von %2").arg(laengsteZeile).arg(textbreite)));
        a.Form4->close();
    }

    void artikelzeilenNachOkayDerEinstellungen()
    {
        TProgramm p;
        p.Seite(p.S.Haupt().TabSheet1);
        const test::TBausatzrechnerTeile b(*p.S.Haupt().Bausatzrechner);
        const auto treffer =
            b.TreeView1->findItems(QStringLiteral("Buchenholz"), Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY(!treffer.isEmpty());
        b.TreeView1->setCurrentItem(treffer.first());
        auto pruefen = [&] {
            for (int i : {1, 3, 5})
                QVERIFY2(Dunkelster(b.LabelItem[i]).lightness() < 60, qPrintable(b.LabelItem[i]->text()));
            for (int i : {2, 4}) {
                const QColor c = Dunkelster(b.LabelItem[i]);
                QVERIFY2(c.lightness() >= 90 && c.lightness() < 160, qPrintable(b.LabelItem[i]->text()));
            }
        };
        pruefen();
        p.S.Haupt().Einstellungen1->trigger();
        QVERIFY(p.S.App.Form7->isVisible());
        QTest::mouseClick(p.S.App.Form7->ButtonOkay, Qt::LeftButton);
        QTRY_VERIFY(!p.S.App.Form7->isVisible());
        QVERIFY(p.S.Haupt().isEnabled());
        pruefen();
    }

    void karteZentriertBeimErstenZeigen()
    {
        TProgramm p;
        p.Seite(p.S.Haupt().TabSheet4);
        TRoutenplanerSeite &r = *p.S.Haupt().Routenplanerseite;
        const test::TRoutenplanerElemente e(r);
        e.EditStartX->setText(QStringLiteral("120"));
        e.EditStartY->setText(QStringLiteral("130"));
        e.EditZielX->setText(QStringLiteral("125"));
        e.EditZielY->setText(QStringLiteral("134"));
        QSignalSpy fertig(&r, &TRoutenplanerSeite::RouteBerechnet);
        QTest::mouseClick(e.SpeedButtonRouteBerechnen, Qt::LeftButton);
        QVERIFY(fertig.wait(30000));
        QTest::mouseClick(e.SpeedButtonKarteAnzeigen, Qt::LeftButton);
        TForm8 &karte = *p.S.App.Form8;
        QVERIFY(karte.isVisible());
        const TKartenflaeche &k = *karte.StringGridKarte;
        QVERIFY(k.VolleSpalten() > 4 && k.VolleZeilen() > 4);
        // The start lies in the middle half of the visible cells, not at an edge.
        const int sx = 120 - k.ErsteSpalte(), sy = 130 - k.ErsteZeile();
        QVERIFY2(sx >= k.VolleSpalten() / 4 && sx <= 3 * k.VolleSpalten() / 4,
                 qPrintable(QStringLiteral("Spalte %1 von %2").arg(sx).arg(k.VolleSpalten())));
        QVERIFY2(sy >= k.VolleZeilen() / 4 && sy <= 3 * k.VolleZeilen() / 4,
                 qPrintable(QStringLiteral("Zeile %1 von %2").arg(sy).arg(k.VolleZeilen())));
    }
};

QObject *FarbenTestErzeugen()
{
    return new FarbenTest;
}

#include "FarbenTest.moc"
