#include "Hilfen.h"

#include "base/Meldung.h"
#include "crafting/Detailauswertung.h"
#include "../CliLauf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <vector>

namespace mvt {
namespace {

using test::Katalog;

TCraftingZustand Berechnet(std::initializer_list<std::pair<const char *, int64_t>> eintraege)
{
    TCraftingZustand c = test::NeuerZustand();
    for (auto [name, stueck] : eintraege)
        ZurBaulisteHinzufuegen(Katalog(), c.Bauliste, QString::fromUtf8(name), stueck);
    AllesNeuBerechnen(Katalog(), TOptionen{}, c);
    return c;
}

template <size_t N> std::vector<QString> Zeile(const std::array<QString, N> &z)
{
    return {z.begin(), z.end()};
}

std::vector<QString> Texte(std::initializer_list<const char *> t)
{
    std::vector<QString> v;
    for (const char *s : t)
        v.push_back(QString::fromUtf8(s));
    return v;
}

TEST(Detailanalyse, KurzschwertEinfacheProduktion)
{
    const TCraftingZustand c = Berechnet({{"Kurzschwert", 1}});
    const TDetailanalyse d = DetailanalyseBerechnen(Katalog(), TOptionen{}, c, 1);
    EXPECT_EQ(d.Titel, "Detaillierte Analyse der Bauliste: Einfache Produktion");

    ASSERT_EQ(d.Produkte.size(), 2u);
    EXPECT_EQ(Zeile(d.Produkte[1]), Texte({"1 Kurzschwert", "1200", "7 Std. 0 Min.", "878", "820", "58",
                                           "1200", "322", "46", "1200", "100%"}));
    // With one entry the total row holds the same values.
    EXPECT_EQ(d.Produkte[0][0], "Gesamt");
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(d.Produkte[0][i], d.Produkte[1][i]) << i;
    EXPECT_EQ(d.Produkte[0][9], "");
    EXPECT_EQ(d.Produkte[0][10], "");

    ASSERT_EQ(d.Zutaten.size(), 2u);
    EXPECT_EQ(Zeile(d.Zutaten[0]), Texte({"Kupferbarren", "7", "420", "60", "100%"}));
    EXPECT_EQ(Zeile(d.Zutaten[1]), Texte({"Schmiedeöl", "5", "400", "80", "100%"}));

    EXPECT_EQ(d.Zusammenfassung[0].AnzahlText, "12 Stk.");
    EXPECT_EQ(d.Zusammenfassung[0].KostenText, "820 Gold");
    EXPECT_EQ(d.Zusammenfassung[1].AnzahlText, "7 Stk.");
    EXPECT_EQ(d.Zusammenfassung[1].KostenText, "420 Gold");
    EXPECT_EQ(d.Zusammenfassung[2].AnzahlText, "5 Stk.");
    EXPECT_EQ(d.Zusammenfassung[2].KostenText, "400 Gold");
    EXPECT_EQ(d.Zusammenfassung[3].AnzahlText, "0 Stk.");
    EXPECT_EQ(d.Zusammenfassung[4].KostenText, "0 Gold");

    EXPECT_EQ(d.Gewinn.Ueberschrift, "Gewinn");
    EXPECT_EQ(d.Gewinn.ProStunde, "46 Gold");

    ASSERT_EQ(d.Gebaeude.size(), 1u);
    EXPECT_EQ(Zeile(d.Gebaeude[0]), Texte({"Schmiede", "I", "25", "7 Std. 0 Min.", "58", "3"}));
    ASSERT_EQ(d.Fertigkeiten.size(), 1u);
    EXPECT_EQ(Zeile(d.Fertigkeiten[0]), Texte({"Schmieden (Schwerter)", "0", "7 Std. 0 Min.", "3"}));
    EXPECT_TRUE(d.Zwischenprodukte.empty());
}

TEST(Detailanalyse, KurzschwertZutatenLv2)
{
    const TCraftingZustand c = Berechnet({{"Kurzschwert", 1}});
    const TDetailanalyse d = DetailanalyseBerechnen(Katalog(), TOptionen{}, c, 3);
    EXPECT_EQ(d.Titel, "Detaillierte Analyse der Bauliste: Einfache Produktion + Zutaten produzieren Lv2");
    EXPECT_EQ(Zeile(d.Produkte[1]), Texte({"1 Kurzschwert", "1200", "11 Std. 54 Min.", "639", "540", "99",
                                           "1200", "561", "47", "1200", "100%"}));
    ASSERT_EQ(d.Zutaten.size(), 2u);
    EXPECT_EQ(Zeile(d.Zutaten[0]), Texte({"Steinkohle", "1.40", "140", "100", "100%"}));
    EXPECT_EQ(Zeile(d.Zutaten[1]), Texte({"Schmiedeöl", "5", "400", "80", "100%"}));

    EXPECT_EQ(d.Gewinn.Ueberschrift, "Gewinn");
    EXPECT_EQ(d.Gewinn.ProStunde, "47 Gold");
    EXPECT_EQ(d.Gewinn.ProHandwerkstag, "566 Gold");
    EXPECT_EQ(d.Gewinn.ProHandwerkswoche, "3959 Gold");

    ASSERT_EQ(d.Gebaeude.size(), 3u);
    EXPECT_EQ(Zeile(d.Gebaeude[0]), Texte({"Bergwerk", "I", "25", "3 Std. 30 Min.", "29", "2"}));
    EXPECT_EQ(Zeile(d.Gebaeude[1]), Texte({"Schmelze", "I", "25", "1 Std. 24 Min.", "12", "1"}));
    EXPECT_EQ(Zeile(d.Gebaeude[2]), Texte({"Schmiede", "I", "25", "7 Std. 0 Min.", "58", "3"}));
    ASSERT_EQ(d.Fertigkeiten.size(), 2u);
    EXPECT_EQ(Zeile(d.Fertigkeiten[0]), Texte({"Erzverarbeitung", "0", "4 Std. 54 Min.", "2"}));
    EXPECT_EQ(d.Fertigkeiten[1][0], "Schmieden (Schwerter)");

    ASSERT_EQ(d.Zwischenprodukte.size(), 2u);
    EXPECT_EQ(Zeile(d.Zwischenprodukte[0]),
              Texte({"Kupferbarren", "7", "420", "1 Std. 24 Min.", "292", "280", "12"}));
    EXPECT_EQ(Zeile(d.Zwischenprodukte[1]),
              Texte({"Kupfererz", "7", "140", "3 Std. 30 Min.", "29", "0", "29"}));

    // Mode 2 is titled after both captions too; mode 4 after its own.
    EXPECT_EQ(DetailanalyseTitel(2),
              "Detaillierte Analyse der Bauliste: Einfache Produktion + Zutaten produzieren Lv1");
    EXPECT_EQ(DetailanalyseTitel(4), "Detaillierte Analyse der Bauliste: Alles selbst produzieren");
}

TEST(Detailanalyse, EintraegeErgebenDieGesamtzeile)
{
    // Kits with intermediate goods, raw wood, a gem, a building and a bandage: in every
    // mode the entries' values, before rounding, add up to the mode totals.
    TCraftingZustand c = Berechnet({{"Kurzschwert", 3},
                                    {"Kriegsbolzen", 2},
                                    {"Buchenholz", 12},
                                    {"Saphir", 2},
                                    {"Forstanlage I", 1},
                                    {"Magische Ätherbinde", 100},
                                    {"Buchenbretter", 10}});
    c.Handwerksgebaeude[9].Stufe = 4;
    c.Warenpreise[test::Zeile(u"Kurzschwert")].Verkaufspreis = 999.5;
    c.Rohstoffpreise[test::Zeile(u"Steinkohle")].Einkaufspreis = 77.25;
    TOptionen o;
    o.CalcPotency = true;
    o.Wirkung.fill(1.3);
    AllesNeuBerechnen(Katalog(), o, c);
    for (int m = 1; m <= 4; ++m) {
        TAnalyseErgebnis summe;
        for (const TBaulistenKnoten &e : c.Bauliste.Eintraege) {
            const TAnalyseErgebnis a = ProduktzeileWerte(Katalog(), o, c, e, m);
            summe.Marktwert += a.Marktwert;
            summe.Gesamtdauer += a.Gesamtdauer;
            summe.Herstellungskosten += a.Herstellungskosten;
            summe.Zutatenanteil += a.Zutatenanteil;
            summe.Schichtanteil += a.Schichtanteil;
            summe.Verkaufserloes += a.Verkaufserloes;
            summe.Gewinn += a.Gewinn;
        }
        const TAnalyseErgebnis &g = c.Analyse[m];
        EXPECT_NEAR(summe.Marktwert, g.Marktwert, 1e-6) << m;
        EXPECT_NEAR(summe.Gesamtdauer, g.Gesamtdauer, 1e-6) << m;
        EXPECT_NEAR(summe.Herstellungskosten, g.Herstellungskosten, 1e-6) << m;
        EXPECT_NEAR(summe.Zutatenanteil, g.Zutatenanteil, 1e-6) << m;
        EXPECT_NEAR(summe.Schichtanteil, g.Schichtanteil, 1e-6) << m;
        EXPECT_NEAR(summe.Verkaufserloes, g.Verkaufserloes, 1e-6) << m;
        EXPECT_NEAR(summe.Gewinn, g.Gewinn, 1e-6) << m;

        // The summary's total cost is the mode's ingredient share.
        const auto gruppen = ZutatenZusammenfassen(Katalog(), c, m);
        EXPECT_NEAR(gruppen[0].Kosten, g.Zutatenanteil, 1e-6) << m;
    }
}

TEST(Detailanalyse, SaphirOhneZeit)
{
    const TCraftingZustand c = Berechnet({{"Saphir", 5}});
    for (int m = 1; m <= 4; ++m) {
        const TDetailanalyse d = DetailanalyseBerechnen(Katalog(), TOptionen{}, c, m);
        const TProduktzeile &z = d.Produkte[1];
        EXPECT_EQ(z[0], "5 Saphir");
        EXPECT_EQ(z[2], "0 Std. 0 Min.") << m;
        EXPECT_EQ(z[4], "10000") << m;
        EXPECT_EQ(z[8], "0") << m;
        EXPECT_TRUE(d.Gebaeude.empty()) << m;
        EXPECT_TRUE(d.Fertigkeiten.empty()) << m;
        EXPECT_TRUE(d.Zwischenprodukte.empty()) << m;
        EXPECT_EQ(d.Zusammenfassung[3].AnzahlText, "5 Stk.");
        EXPECT_EQ(d.Zusammenfassung[3].KostenText, "10000 Gold");
    }
}

TEST(Detailanalyse, GebaeudestufeBandagenUndGebaeudeeintrag)
{
    TCraftingZustand c = Berechnet({{"Kurzschwert", 1}});
    c.Handwerksgebaeude[9].Stufe = 3;
    AllesNeuBerechnen(Katalog(), TOptionen{}, c);
    TDetailanalyse d = DetailanalyseBerechnen(Katalog(), TOptionen{}, c, 1);
    ASSERT_EQ(d.Gebaeude.size(), 1u);
    EXPECT_EQ(d.Gebaeude[0][1], "III");
    // 420 x 0.909 = 381.8 minutes: three shifts begun.
    EXPECT_EQ(d.Gebaeude[0][3], "6 Std. 22 Min.");
    EXPECT_EQ(d.Gebaeude[0][5], "3");

    c = Berechnet({{"Improvisierte Leinenbinde", 100}, {"Gute Baumwollbinde", 100}});
    d = DetailanalyseBerechnen(Katalog(), TOptionen{}, c, 1);
    ASSERT_EQ(d.Fertigkeiten.size(), 1u);
    EXPECT_EQ(d.Fertigkeiten[0][0], "Alchemie");
    // The higher of the two production levels.
    EXPECT_EQ(d.Fertigkeiten[0][1], "10");

    // A building: no time of its own, "Konstrukteur" at level 0, its percentage against
    // the value of its components.
    c = Berechnet({{"Forstanlage I", 2}});
    d = DetailanalyseBerechnen(Katalog(), TOptionen{}, c, 1);
    EXPECT_EQ(d.Produkte[1][2], "0 Std. 0 Min.");
    EXPECT_EQ(d.Produkte[1][10], "100%");
    ASSERT_EQ(d.Fertigkeiten.size(), 1u);
    EXPECT_EQ(Zeile(d.Fertigkeiten[0]), Texte({"Konstrukteur", "0", "0 Std. 0 Min.", "0"}));
    EXPECT_EQ(d.Zusammenfassung[4].AnzahlText, "10 Stk.");
    // Mode 2 builds the components in the Bauhof.
    d = DetailanalyseBerechnen(Katalog(), TOptionen{}, c, 2);
    ASSERT_FALSE(d.Gebaeude.empty());
    EXPECT_EQ(d.Gebaeude.back()[0], "Bauhof");
    EXPECT_NE(d.Produkte[1][2], "0 Std. 0 Min.");
}

TEST(Detailanalyse, VerlustUndFehlerhafteZeilen)
{
    TCraftingZustand c = Berechnet({{"Kurzschwert", 1}});
    c.Warenpreise[test::Zeile(u"Kurzschwert")].Verkaufspreis = 500;
    BerechneAnalyse(Katalog(), TOptionen{}, c);
    const TDetailanalyse d = DetailanalyseBerechnen(Katalog(), TOptionen{}, c, 1);
    // 500 - 878.33 = -378.33 in 7 hours.
    EXPECT_EQ(d.Gewinn.Ueberschrift, "Verlust");
    EXPECT_EQ(d.Gewinn.ProStunde, "-54 Gold");
    EXPECT_EQ(d.Gewinn.ProHandwerkstag, "-649 Gold");
    EXPECT_EQ(d.Gewinn.ProHandwerkswoche, "-4540 Gold");
    EXPECT_EQ(d.Produkte[1][7], "-378");
    EXPECT_EQ(d.Produkte[1][10], "42%");

    // A row of a kind the lists never hold is reported and not counted.
    MeldungsRekorder rekorder;
    c.Bedarfsliste1.Zeilen.push_back({ArtGebaeude, 1, 3.0});
    const auto gruppen = ZutatenZusammenfassen(Katalog(), c, 1);
    EXPECT_EQ(gruppen[0].AnzahlText, "12 Stk.");
    const TZwischenproduktzeile z = GetInformationZZ(Katalog(), TOptionen{}, c, {ArtGebaeude, 1, 3.0});
    EXPECT_EQ(z[5], "-2147483647");
    ASSERT_EQ(rekorder.Meldungen.size(), 2);
    EXPECT_EQ(rekorder.Meldungen[0], "Fehler in TForm6.FormShow: Ungültige Item-Kategorie!");
    EXPECT_EQ(rekorder.Meldungen[1], "Fehler in TForm6.FormShow.GetInformationZZ. Ungültige Item-Kategorie!");

    // A node of no kind inside a tree marks the ingredient cost.
    TBaulistenKnoten e = c.Bauliste.Eintraege[0];
    e.Kinder.push_back({});
    EXPECT_EQ(ProduktzeileWerte(Katalog(), TOptionen{}, c, e, 1).Zutatenanteil, ZutatenkostenFehler);
}

TEST(Detailanalyse, Textformen)
{
    EXPECT_EQ(SchichtenText(0.0), "0");
    EXPECT_EQ(SchichtenText(1.0), "1");
    EXPECT_EQ(SchichtenText(180.0), "1");
    EXPECT_EQ(SchichtenText(540.0 + 1e-12), "3");
    EXPECT_EQ(SchichtenText(540.01), "4");
    EXPECT_EQ(StufeRoemisch(1), "I");
    EXPECT_EQ(StufeRoemisch(4), "IV");
    EXPECT_EQ(StufeRoemisch(5), "V");
    EXPECT_EQ(ProzentText(617.5, 600), "103%");
    EXPECT_EQ(ProzentText(10, 0), "0%");
    EXPECT_EQ(FertigkeitFuerItem(Katalog(), ArtRohstoff, test::Zeile(u"Saphir")), 0);
    EXPECT_EQ(FertigkeitFuerItem(Katalog(), ArtGebaeude, test::Zeile(u"Forstanlage I")), 5);
    EXPECT_EQ(BenoetigteStufe(Katalog(), ArtGebaeude, test::Zeile(u"Forstanlage I")), 0);
    EXPECT_EQ(BenoetigteStufe(Katalog(), ArtKeine, 1), -1);
    EXPECT_EQ(BenoetigteStufe(Katalog(), ArtWare, test::Zeile(u"Magische Ätherbinde")), 20);
}

test::TCliLauf Analyse(const QStringList &argumente)
{
    return test::CliAufrufen(QStringList{"analyse"} + argumente);
}

QString Testdatei(const char *name)
{
    return QStringLiteral(MVT_TESTDATEN "/crafting/") + QLatin1String(name);
}

template <size_t N>
std::vector<std::vector<QString>> Raster(const std::vector<std::array<QString, N>> &zeilen)
{
    std::vector<std::vector<QString>> r;
    for (const auto &z : zeilen)
        r.push_back(Zeile(z));
    return r;
}

std::vector<std::vector<QString>> Raster(const QJsonValue &wert)
{
    std::vector<std::vector<QString>> r;
    for (const QJsonValue &zeile : wert.toArray()) {
        r.emplace_back();
        for (const QJsonValue &zelle : zeile.toArray())
            r.back().push_back(zelle.toString());
    }
    return r;
}

TEST(Detailanalyse, KommandozeileWieDasFenster)
{
    const TCraftingZustand c = Berechnet({{"Kurzschwert", 1}});
    for (int m = 1; m <= 4; ++m) {
        const test::TCliLauf a = Analyse({Testdatei("kurzschwert.mvt_bl"), "--modus", QString::number(m)});
        ASSERT_EQ(a.Code, 0) << a.Fehler.toStdString();
        const TDetailanalyse d = DetailanalyseBerechnen(Katalog(), TOptionen{}, c, m);
        EXPECT_EQ(a.Json["Modus"].toInt(), m);
        EXPECT_EQ(a.Json["Titel"].toString(), d.Titel);
        EXPECT_EQ(Raster(a.Json["Produkte"]), Raster(d.Produkte)) << m;
        EXPECT_EQ(Raster(a.Json["Zwischenprodukte"]), Raster(d.Zwischenprodukte)) << m;
        EXPECT_EQ(Raster(a.Json["Zutaten"]), Raster(d.Zutaten)) << m;
        EXPECT_EQ(Raster(a.Json["Gebaeude"]), Raster(d.Gebaeude)) << m;
        EXPECT_EQ(Raster(a.Json["Fertigkeiten"]), Raster(d.Fertigkeiten)) << m;
        EXPECT_EQ(a.Json["Gewinn"].toObject()["ProHandwerkswoche"].toString(), d.Gewinn.ProHandwerkswoche);
        const QJsonArray gruppen = a.Json["Zusammenfassung"].toArray();
        ASSERT_EQ(gruppen.size(), 5);
        EXPECT_EQ(gruppen[2].toObject()["Name"].toString(), "Handwerksmaterialien:");
        EXPECT_EQ(gruppen[0].toObject()["Kosten"].toString(), d.Zusammenfassung[0].KostenText);
    }
    // Mode 1 has no intermediate products: an empty list, not one empty row.
    const test::TCliLauf eins = Analyse({Testdatei("kurzschwert.mvt_bl"), "--modus", "1"});
    EXPECT_TRUE(eins.Json["Zwischenprodukte"].toArray().isEmpty());
    EXPECT_EQ(eins.Json["Produkte"].toArray()[1].toArray()[10].toString(), "100%");
}

TEST(Detailanalyse, KommandozeileRandfaelle)
{
    test::TCliLauf a = Analyse({Testdatei("saphir.mvt_bl"), "--modus", "4"});
    ASSERT_EQ(a.Code, 0) << a.Fehler.toStdString();
    EXPECT_EQ(Raster(a.Json["Produkte"])[1], Texte({"5 Saphir", "10000", "0 Std. 0 Min.", "10000", "10000",
                                                    "0", "10000", "0", "0", "2000", "100%"}));
    EXPECT_TRUE(a.Json["Gebaeude"].toArray().isEmpty());

    a = Analyse({Testdatei("binden.mvt_bl"), "--modus", "1"});
    ASSERT_EQ(a.Code, 0) << a.Fehler.toStdString();
    EXPECT_EQ(Raster(a.Json["Fertigkeiten"]).at(0).at(0), "Alchemie");

    // The options raise the Schmiede to level 3 and drop the sale price to a loss.
    a = Analyse({Testdatei("kurzschwert.mvt_bl"), "--optionen", Testdatei("schmiede_stufe3_verlust.ini"),
                 "--modus", "1"});
    ASSERT_EQ(a.Code, 0) << a.Fehler.toStdString();
    EXPECT_EQ(Raster(a.Json["Gebaeude"]).at(0),
              Texte({"Schmiede", "III", "25", "6 Std. 22 Min.", "53", "3"}));
    const QJsonObject gewinn = a.Json["Gewinn"].toObject();
    EXPECT_EQ(gewinn["Ueberschrift"].toString(), "Verlust");
    EXPECT_EQ(gewinn["ProStunde"].toString(), "-59 Gold");
    EXPECT_EQ(gewinn["ProHandwerkswoche"].toString(), "-4924 Gold");

    for (const char *modus : {"0", "5", "x"}) {
        a = Analyse({Testdatei("kurzschwert.mvt_bl"), "--modus", modus});
        EXPECT_EQ(a.Code, 2) << modus;
    }
    EXPECT_EQ(Analyse({Testdatei("kurzschwert.mvt_bl")}).Code, 2);
    a = Analyse({Testdatei("keine_zahl.mvt_bl"), "--modus", "1"});
    EXPECT_EQ(a.Code, 1);
    EXPECT_TRUE(a.Fehler.contains("Fehler: ")) << a.Fehler.toStdString();
    EXPECT_TRUE(a.Json.isEmpty());
}

TEST(Detailanalyse, TabellenText)
{
    const QStringList kopf{"", "A", "B"};
    const std::vector<QStringList> zeilen{{"x", "1", "2"}, {"y\tz", "3", "4\n5"}, {"w"}};
    EXPECT_EQ(TabellenText(kopf, zeilen), "\tA\tB\nx\t1\t2\ny z\t3\t4 5\nw\t\t\n");
    // Cells (0, 0) and (2, 2): rows 0 and 2, columns 0 and 2, the other cells empty; a
    // position outside the grid is ignored.
    EXPECT_EQ(TabellenText(kopf, zeilen, {{0, 0}, {2, 2}, {7, 1}, {-1, 0}}), "\tB\nx\t\n\t\n");
}

} // namespace
} // namespace mvt
