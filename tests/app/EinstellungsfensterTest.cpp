// The settings window in the running program: showing, the potency lists, price rows and
// "Alle" boxes, the price reset, Okay with its hooks, keyboard and accessible names.
#include "Pruefstand.h"

#include "../crafting/ui/Bausatzrechnerteile.h"
#include "crafting/Analyse.h"
#include "crafting/ui/Bausatzrechnerseite.h"

#include "base/Zahlen.h"
#include "settings/Einstellungen.h"
#include "settings/ui/Einstellungsfenster.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace mvt;
using mvt::pruefung::TPruefstand;

class EinstellungsfensterTest : public QObject {
    Q_OBJECT

private slots:
    void zeilenErstBeimZeigenDerSeite();
    void okayInDerReihenfolge();
    void wirkungEingeben();
    void wirkungAusZwischenablage();
    void alleBoxFoerderung();
    void prozentAusGold();
    void zuruecksetzenDannAbbrechen();
    void zuruecksetzenZeigtDerReiterSofort();
    void autoUpdateUndWelten();
    void tastaturUndNamen();
};

namespace {

struct TFenster {
    TPruefstand S;
    std::vector<QString> Haken;
    QObject Empfaenger; // ends the recording before the stand goes
    TFenster()
    {
        S.Erzeugen();
        S.Haupt().TimerUpdateCheck->stop();
        // What the session reports, heard after the windows have answered it.
        auto haken = [this](const char *name) {
            return [this, n = QString::fromLatin1(name)] { Haken.push_back(n); };
        };
        TSitzung *s = &S.App.Sitzung;
        QObject::connect(s, &TSitzung::craftingweltGeaendert, &Empfaenger, haken("Artikel"));
        // The build list's figures: with the prices, and again after the options.
        TCraftingSitzung *c = &S.App.Sitzung.Crafting();
        QObject::connect(c, &TCraftingSitzung::preiseGeaendert, &Empfaenger, haken("Bauliste"));
        QObject::connect(c, &TCraftingSitzung::analyseGeaendert, &Empfaenger, haken("Bauliste"));
        QObject::connect(s, &TSitzung::optionenGeaendert, &Empfaenger, haken("Anwenden"));
        QObject::connect(&S.App.Sitzung.Routen(), &routen::TRoutenSitzung::zonenGeaendert, &Empfaenger,
                         haken("Karte"));
        QObject::connect(&S.App.Sitzung.Planer(), &planer::TPlanerSitzung::charakterGeaendert, &Empfaenger,
                         haken("Charakter"));
        auto speichern = S.Dienste->Speichern;
        S.Dienste->Speichern = [this, speichern](const TProgrammzustand &z) {
            Haken.push_back(QStringLiteral("Speichern"));
            speichern(z);
        };
    }
    TForm7 &F() { return *S.App.Form7; }
    void Zeigen() { S.Haupt().Einstellungen1->trigger(); }
    int Seite(const char16_t *titel)
    {
        const auto &s = Preisseiten();
        for (size_t i = 0; i < s.size(); ++i)
            if (s[i].Titel == QString::fromUtf16(titel))
                return static_cast<int>(i);
        return -1;
    }
    int Box(int seite, bool einkauf)
    {
        for (int b = 0; b < AnzahlAlleBoxen; ++b)
            if (AlleBoxen()[static_cast<size_t>(b)].Seite == seite &&
                AlleBoxen()[static_cast<size_t>(b)].Einkauf == einkauf)
                return b;
        return -1;
    }
    void PreisseiteZeigen(int seite)
    {
        F().PageControl1->setCurrentIndex(1);
        F().PageControl2->setCurrentIndex(1);
        F().PageControlPreise->setCurrentIndex(seite);
    }
    QTableWidgetItem *Wirkung(int index)
    {
        return index < AnzahlFertigkeitsWirkungen ? F().ValueListEditorFertigkeiten->item(index, 1)
                                                  : F().ValueListEditorHandwerk->item(index - 20, 1);
    }
};

} // namespace

void EinstellungsfensterTest::zeilenErstBeimZeigenDerSeite()
{
    TFenster f;
    QCOMPARE(f.F().AufgebauteZeilen(), 0);
    f.Zeigen();
    QCOMPARE(f.F().AufgebauteZeilen(), 0); // the first page shows no prices
    const int schwerter = f.Seite(u"Schwerter");
    f.PreisseiteZeigen(schwerter);
    QVERIFY(f.F().AufgebauteZeilen() < AnzahlPreiszeilen);
    QVERIFY(f.F().Preiszeile(PreiszeileVon(ArtWare, 348)).VerkaufGold);
    QVERIFY(!f.F().Preiszeile(PreiszeileVon(ArtWare, 39)).VerkaufGold); // "Dolche" not shown yet
    const auto &z = f.F().Preiszeile(PreiszeileVon(ArtWare, 21));
    QVERIFY(z.VerkaufGold && !z.EinkaufGold);
    QCOMPARE(z.VerkaufGold->text(),
             GoldFormatieren(f.S.App.Zustand().Crafting.Warenpreise[21].Verkaufspreis));
    QCOMPARE(z.VerkaufProzent->value(), 100);
    for (int s = 0; s < static_cast<int>(Preisseiten().size()); ++s)
        f.F().PreisseiteAufbauen(s);
    QCOMPARE(f.F().AufgebauteZeilen(), AnzahlPreiszeilen);
}

void EinstellungsfensterTest::okayInDerReihenfolge()
{
    TFenster f;
    f.Zeigen();
    QVERIFY(f.F().isVisible());
    QVERIFY(!f.S.Haupt().isEnabled());
    f.F().ButtonOkay->click();
    QVERIFY(!f.F().isVisible());
    QVERIFY(f.S.Haupt().isEnabled());
    // Empty build list: no recomputation; the map and the planner after closing.
    QCOMPARE(f.Haken, (std::vector<QString>{QStringLiteral("Artikel"), QStringLiteral("Anwenden"),
                                            QStringLiteral("Speichern"), QStringLiteral("Karte"),
                                            QStringLiteral("Charakter")}));
    QVERIFY(f.S.DateiLesen(OptionenDateiname).size() > 0);
    TBauliste liste = f.S.App.Zustand().Crafting.Bauliste;
    EintragAnhaengen(f.S.App.Zustand().Katalog, liste, ArtWare, 21, 1);
    f.S.App.Sitzung.Crafting().BaulisteSetzen(liste);
    f.Haken.clear();
    f.Zeigen();
    f.F().ButtonOkay->click();
    QCOMPARE(f.Haken, (std::vector<QString>{QStringLiteral("Artikel"), QStringLiteral("Bauliste"),
                                            QStringLiteral("Anwenden"), QStringLiteral("Speichern"),
                                            QStringLiteral("Bauliste"), QStringLiteral("Karte"),
                                            QStringLiteral("Charakter")}));
}

void EinstellungsfensterTest::wirkungEingeben()
{
    TFenster f;
    f.Zeigen();
    QTableWidget *liste = f.F().ValueListEditorFertigkeiten;
    const std::pair<const char *, const char *> faelle[] = {
        {"135", "1,35"}, {"0,3", "0,52"}, {"12000", "99,00"}, {"1,2,3", "1,00"}};
    for (const auto &[ein, aus] : faelle) {
        liste->item(0, 1)->setText(QString::fromLatin1(ein)); // an edit committed by Enter
        QCOMPARE(liste->item(0, 1)->text(), QString::fromLatin1(aus));
    }
    // Typed characters: letters and the full stop are refused.
    liste->setFocus();
    liste->setCurrentCell(1, 1);
    liste->editItem(liste->item(1, 1));
    auto *editor = liste->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->clear();
    QTest::keyClicks(editor, QStringLiteral("2x.5"));
    QCOMPARE(editor->text(), QStringLiteral("25"));
    liste->item(1, 1)->setText(editor->text()); // what the editor commits when the row is left
    QCOMPARE(liste->item(1, 1)->text(), QStringLiteral("25,00"));
    f.F().ButtonOkay->click();
    QCOMPARE(f.S.App.Zustand().Optionen.Wirkung[0], 1.0);
    QCOMPARE(f.S.App.Zustand().Optionen.Wirkung[1], 25.0);
}

void EinstellungsfensterTest::wirkungAusZwischenablage()
{
    TFenster f;
    f.Zeigen();
    QGuiApplication::clipboard()->setText(
        QStringLiteral("Fähigkeiten\nkopf\nSchwerter\t1\t2\t3\t1.20\nDolche\t1\t2\t3\t0\n"));
    f.F().ButtonReadWirkungClipboard->click();
    QVERIFY(f.F().LabelWirksamkeitImportOkay->isVisible());
    QCOMPARE(f.F().LabelWirksamkeitImportOkay->text(), QStringLiteral("Erfolgreich: 1 Werte übernommen!"));
    QVERIFY(f.F().LabelWirksamkeitImportOkay->styleSheet().contains(QStringLiteral("#008000")));
    QCOMPARE(f.Wirkung(0)->text(), QStringLiteral("1,20"));
    QCOMPARE(f.Wirkung(1)->text(), QStringLiteral("1,00"));
    QGuiApplication::clipboard()->setText(QStringLiteral("nichts"));
    f.F().ButtonReadWirkungClipboard->click();
    QCOMPARE(f.F().LabelWirksamkeitImportOkay->text(), QStringLiteral("Fehlgeschlagen: nichts geändert!"));
    QVERIFY(f.F().LabelWirksamkeitImportOkay->styleSheet().contains(QStringLiteral("#ff0000")));
    f.F().ButtonOkay->click();
    QCOMPARE(f.S.App.Zustand().Optionen.Wirkung[0], 1.2);
    f.Zeigen(); // the label is hidden at the next showing
    QVERIFY(!f.F().LabelWirksamkeitImportOkay->isVisible());
}

void EinstellungsfensterTest::alleBoxFoerderung()
{
    TFenster f;
    f.Zeigen();
    const int seite = f.Seite(u"Förderung");
    f.PreisseiteZeigen(seite);
    const int box = f.Box(seite, false);
    f.F().AlleBox[static_cast<size_t>(box)]->setValue(150);
    const TKatalog &k = f.S.App.Zustand().Katalog;
    for (int r = 1; r <= 15; ++r) {
        const auto &z = f.F().Preiszeile(r);
        QCOMPARE(z.VerkaufProzent->value(), 150);
        QCOMPARE(z.VerkaufGold->text(), GoldFormatieren(1.5 * k.RohstoffTabelle[r].Preis));
        QCOMPARE(z.EinkaufProzent->value(), 100);
    }
    QCOMPARE(f.F().Preiszeile(16).VerkaufProzent, nullptr); // another page, not built
    // Nothing is stored before Okay; Okay stores prices and remembers the box.
    QCOMPARE(f.S.App.Zustand().Crafting.Rohstoffpreise[1].Verkaufspreis, double(k.RohstoffTabelle[1].Preis));
    f.F().ButtonOkay->click();
    QCOMPARE(f.S.App.Zustand().Crafting.Rohstoffpreise[1].Verkaufspreis, 1.5 * k.RohstoffTabelle[1].Preis);
    QCOMPARE(f.F().Erinnert.Alle[static_cast<size_t>(box)], 150);
    f.Zeigen();
    QCOMPARE(f.F().AlleBox[static_cast<size_t>(box)]->value(), 150);
    QCOMPARE(f.F().Preiszeile(1).VerkaufProzent->value(), 150);
}

void EinstellungsfensterTest::prozentAusGold()
{
    TFenster f;
    f.Zeigen();
    f.PreisseiteZeigen(f.Seite(u"Förderung"));
    const auto &z = f.F().Preiszeile(1); // Buchenholz, market value 20
    QCOMPARE(f.S.App.Zustand().Katalog.RohstoffTabelle[1].Preis, 20);
    z.VerkaufGold->setText(QStringLiteral("6,6"));
    QCOMPARE(z.VerkaufProzent->value(), 33);
    z.EinkaufGold->setText(QStringLiteral("30"));
    QCOMPARE(z.EinkaufProzent->value(), 150);
    f.F().ButtonAbbrechen->click();
    QCOMPARE(f.S.App.Zustand().Crafting.Rohstoffpreise[1].Verkaufspreis, 20.0); // Abbrechen stores nothing
    f.Zeigen();
    QCOMPARE(z.VerkaufGold->text(), QStringLiteral("20")); // reloaded from the data
}

void EinstellungsfensterTest::zuruecksetzenDannAbbrechen()
{
    TFenster f;
    const TCraftingZustand &c = f.S.App.Zustand().Crafting;
    TPreise preise = c;
    preise.Warenpreise[30].Verkaufspreis = 1.0;
    preise.Handwerksgebaeude[3].Stufe = 4;
    f.S.App.Sitzung.Crafting().PreiseSetzen(preise);
    f.F().Erinnert.Alle[0] = 120;
    int fragen = 0;
    FrageFunktionSetzen([&](const QString &t) {
        ++fragen;
        return t == FragePreiseZuruecksetzen;
    });
    f.Zeigen();
    f.F().ButtonPreiseZuruecksetzen->click();
    FrageFunktionSetzen({});
    QCOMPARE(fragen, 1);
    QCOMPARE(f.F().ComboBoxGebaeude[3]->currentIndex(), 0);
    QCOMPARE(f.F().AlleBox[0]->value(), 100);
    f.F().ButtonAbbrechen->click();
    QCOMPARE(c.Warenpreise[30].Verkaufspreis, double(f.S.App.Zustand().Katalog.WarenTabelle[30].Preis));
    QCOMPARE(c.Handwerksgebaeude[3].Stufe, 1);
    // "Nein" changes nothing.
    preise = c;
    preise.Warenpreise[30].Verkaufspreis = 2.0;
    f.S.App.Sitzung.Crafting().PreiseSetzen(preise);
    f.Zeigen();
    f.F().ButtonPreiseZuruecksetzen->click(); // default answer "Nein"
    QCOMPARE(c.Warenpreise[30].Verkaufspreis, 2.0);
}

void EinstellungsfensterTest::zuruecksetzenZeigtDerReiterSofort()
{
    // The reset stores the default prices at once, so the crafting tab shows their figures
    // at once, not after the next change.
    TFenster f;
    TCraftingSitzung &crafting = f.S.App.Sitzung.Crafting();
    const QString name = QStringLiteral("Kurzschwert");
    crafting.Hinzufuegen(name, 2);
    crafting.PreisSetzen(true, name, QStringLiteral("1"));
    const test::TBausatzrechnerTeile b(*f.S.Haupt().Bausatzrechner);
    const QLabel *erloes = b.Kostenseite(1).LabelAnalyse[6];
    const TAnalyseErgebnis &a = crafting.Zustand().Analyse[1];
    QCOMPARE(a.Verkaufserloes, 2.0);
    f.Haken.clear();
    FrageFunktionSetzen([](const QString &) { return true; });
    f.Zeigen();
    f.F().ButtonPreiseZuruecksetzen->click();
    FrageFunktionSetzen({});
    const TKatalog &k = crafting.Katalog();
    QCOMPARE(a.Verkaufserloes, 2.0 * Referenzwert(k, ArtWare, ItemSuchen(k, name).Index));
    QCOMPARE(erloes->text(), AnalyseWerteTexte(a)[5]);
    QCOMPARE(f.Haken, std::vector<QString>{QStringLiteral("Bauliste")});
    f.F().ButtonAbbrechen->click();
}

void EinstellungsfensterTest::autoUpdateUndWelten()
{
    TFenster f;
    const TProgrammzustand &z = f.S.App.Zustand();
    online::TOnlineSitzung &online = f.S.App.Sitzung.Online();
    online.NaechstePruefungSetzen(VersionspruefungAus);
    std::vector<double> gemeldet;
    QObject::connect(&online, &online::TOnlineSitzung::naechstePruefungGeaendert, &f.Empfaenger,
                     [&gemeldet](double tage) { gemeldet.push_back(tage); });
    double inDerDatei = -1.0;
    f.S.Dienste->Speichern = [&inDerDatei](const TProgrammzustand &gespeichert) {
        inDerDatei = gespeichert.NextVersionCheck;
    };
    auto rezepte = [&z] {
        std::vector<int32_t> r;
        for (const TWare &ware : z.Katalog.WarenTabelle)
            r.insert(r.end(), {ware.Menge, ware.Rezeptpreis});
        return r;
    };
    const std::vector<int32_t> zyrthania = rezepte();
    f.Zeigen();
    QVERIFY(!f.F().CheckBoxAutoUpdate->isChecked());
    f.F().CheckBoxAutoUpdate->click();
    f.F().RadioButtonBSRAlteWelt->click();
    f.F().RadioButtonCPAlteWelt->click();
    QVERIFY(!f.F().CheckBoxCPWirkungBerechnen->isEnabled());
    f.F().RadioButtonCPNeueWelt->click();
    QVERIFY(f.F().CheckBoxCPWirkungBerechnen->isEnabled());
    f.F().RadioButtonCPAlteWelt->click();
    f.F().SpinEditSZone->setValue(7);
    f.F().ZonenZuruecksetzen->click();
    QCOMPARE(f.F().SpinEditSZone->value(), 2);
    f.F().ButtonOkay->click();
    QCOMPARE(z.NextVersionCheck, 0.0);
    QCOMPARE(gemeldet, std::vector<double>{0.0});
    QCOMPARE(inDerDatei, 0.0); // stored before the file is written
    QCOMPARE(z.Optionen.BSRWorld, 1);
    QVERIFY2(rezepte() != zyrthania, "ammunition and essences follow the old worlds' rules");
    QCOMPARE(z.Optionen.CPWorld, 1);
    // The next midnight stays, and an unchanged date is not announced again.
    online.NaechstePruefungSetzen(std::ceil(JetztAlsTageszahl()));
    f.Zeigen();
    f.F().ButtonOkay->click();
    QCOMPARE(z.NextVersionCheck, std::ceil(JetztAlsTageszahl()));
    QCOMPARE(gemeldet, (std::vector<double>{0.0, std::ceil(JetztAlsTageszahl())}));
}

void EinstellungsfensterTest::tastaturUndNamen()
{
    TFenster f;
    f.Zeigen();
    f.F().CheckBoxShowHints->setFocus();
    QTest::keyClick(f.F().CheckBoxShowHints, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(f.F().PageControl1->currentIndex(), 1);
    QCOMPARE(f.F().SpinEditSZone->accessibleName(),
             QStringLiteral("Sicherheitszone um Siedlungen und Städte"));
    QCOMPARE(f.F().ButtonOkay->accessibleName(), QStringLiteral("Okay"));
    f.PreisseiteZeigen(0);
    QVERIFY(f.F().Preiszeile(46).VerkaufGold->accessibleName().endsWith(QStringLiteral("Verkaufspreis")));
    QCOMPARE(f.F().Preiszeile(46).Name->buddy(), f.F().Preiszeile(46).VerkaufGold);
    QTest::keyClick(f.F().ButtonOkay, Qt::Key_Escape);
    QVERIFY(!f.F().isVisible());
    QVERIFY(f.S.Haupt().isEnabled());
}

QObject *EinstellungsfensterTestErzeugen()
{
    return new EinstellungsfensterTest;
}

#include "EinstellungsfensterTest.moc"
