#include "Hilfen.h"

#include <gtest/gtest.h>

namespace mvt {
namespace {

using test::Katalog;

// Amounts of the worked example are given to two decimals.
constexpr double Cent = 0.005;

TCraftingZustand Berechnet(std::initializer_list<std::pair<const char *, int64_t>> eintraege,
                           const TOptionen &o = TOptionen{})
{
    TCraftingZustand c = test::NeuerZustand();
    for (auto [name, stueck] : eintraege)
        ZurBaulisteHinzufuegen(Katalog(), c.Bauliste, QString::fromUtf8(name), stueck);
    AllesNeuBerechnen(Katalog(), o, c);
    return c;
}

TEST(Analyse, KurzschwertModusFuerModus)
{
    const TCraftingZustand c = Berechnet({{"Kurzschwert", 1}});
    const TAnalyseErgebnis &m1 = c.Analyse[1];
    EXPECT_EQ(m1.Marktwert, 1200.0);
    EXPECT_EQ(m1.Verkaufserloes, 1200.0);
    EXPECT_EQ(m1.Gesamtdauer, 420.0);
    EXPECT_NEAR(m1.Schichtanteil, 58.33, Cent);
    EXPECT_EQ(m1.Zutatenanteil, 820.0);
    EXPECT_NEAR(m1.Herstellungskosten, 878.33, Cent);
    EXPECT_NEAR(m1.Gewinn, 321.67, Cent);
    EXPECT_NEAR(m1.GewinnProStunde, 45.95, Cent);

    const TAnalyseErgebnis &m2 = c.Analyse[2];
    EXPECT_EQ(m2.Marktwert, 1200.0);
    EXPECT_EQ(m2.Gesamtdauer, 504.0);
    EXPECT_NEAR(m2.Schichtanteil, 70.0, 1e-9);
    EXPECT_NEAR(m2.Zutatenanteil, 680.0, 1e-9);
    EXPECT_NEAR(m2.Herstellungskosten, 750.0, 1e-9);
    EXPECT_NEAR(m2.Gewinn, 450.0, 1e-9);
    EXPECT_NEAR(m2.GewinnProStunde, 53.57, Cent);

    const TAnalyseErgebnis &m3 = c.Analyse[3];
    EXPECT_EQ(m3.Gesamtdauer, 714.0);
    EXPECT_NEAR(m3.Schichtanteil, 99.17, Cent);
    EXPECT_NEAR(m3.Zutatenanteil, 540.0, 1e-9);
    EXPECT_NEAR(m3.Gewinn, 560.83, Cent);
    EXPECT_NEAR(m3.GewinnProStunde, 47.13, Cent);

    // List 3 holds only bought materials: mode 4 equals mode 3.
    const TAnalyseErgebnis &m4 = c.Analyse[4];
    EXPECT_EQ(m4.Gesamtdauer, m3.Gesamtdauer);
    EXPECT_EQ(m4.Schichtanteil, m3.Schichtanteil);
    EXPECT_EQ(m4.Zutatenanteil, m3.Zutatenanteil);
    EXPECT_EQ(m4.Gewinn, m3.Gewinn);
    EXPECT_EQ(m4.GewinnProStunde, m3.GewinnProStunde);

    EXPECT_EQ(StundenMinutenText(m3.Gesamtdauer), "11 Std. 54 Min.");
    const auto texte = AnalyseWerteTexte(m1);
    EXPECT_EQ(texte[0], "1200");
    EXPECT_EQ(texte[1], "7 Std. 0 Min.");
    EXPECT_EQ(texte[2], "878");
    EXPECT_EQ(texte[4], "58");
    EXPECT_EQ(texte[6], "322 Gold");
    EXPECT_EQ(texte[7], "46 Gold");
}

TEST(Analyse, EdelsteinRohstoffUndGebaeude)
{
    // A gem: no time in any mode, profit per hour not computed.
    TCraftingZustand c = Berechnet({{"Saphir", 1}});
    c.Rohstoffpreise[test::Zeile(u"Saphir")].Verkaufspreis = 2300;
    BerechneAnalyse(Katalog(), TOptionen{}, c);
    for (int m = 1; m <= 4; ++m) {
        EXPECT_EQ(c.Analyse[m].Gesamtdauer, 0.0);
        EXPECT_EQ(c.Analyse[m].Herstellungskosten, 2000.0);
        EXPECT_EQ(c.Analyse[m].Gewinn, 300.0);
        EXPECT_EQ(c.Analyse[m].GewinnProStunde, 0.0);
    }

    // Extracted raw material: every mode the same, nothing bought.
    c = Berechnet({{"Buchenholz", 12}});
    for (int m = 1; m <= 4; ++m) {
        EXPECT_EQ(c.Analyse[m].Gesamtdauer, 360.0);
        EXPECT_EQ(c.Analyse[m].Zutatenanteil, 0.0);
        EXPECT_EQ(c.Analyse[m].Gewinn, c.Analyse[1].Gewinn);
    }

    // Two buildings: no time in mode 1, components bought, value from the component prices.
    c = Berechnet({{"Forstanlage I", 2}});
    const int forst = test::Zeile(u"Forstanlage I");
    EXPECT_EQ(c.Analyse[1].Gesamtdauer, 0.0);
    EXPECT_EQ(c.Analyse[1].Marktwert, 2.0 * Gebaeudewert(Katalog(), forst));
    EXPECT_EQ(c.Analyse[1].Verkaufserloes, 2.0 * c.Gebaeudepreise[forst].Verkaufspreis);
    EXPECT_EQ(c.Analyse[1].Zutatenanteil, 2.0 * (3200 + 4 * 1800));
    EXPECT_GT(c.Analyse[2].Gesamtdauer, 0.0);
}

TEST(Analyse, PreiseStufenUndWirkungWirkenGlobal)
{
    TCraftingZustand c = Berechnet({{"Kurzschwert", 1}});
    const TCraftingZustand vorher = c;
    TOptionen o;
    // "Schmiedeöl" is bought in every mode.
    c.Rohstoffpreise[test::Zeile(u"Schmiedeöl")].Einkaufspreis = 100;
    BerechneAnalyse(Katalog(), o, c);
    for (int m = 1; m <= 4; ++m)
        EXPECT_DOUBLE_EQ(c.Analyse[m].Zutatenanteil, vorher.Analyse[m].Zutatenanteil + 5 * 20);

    // A faster Schmelze changes modes 2 to 4 only.
    c.Handwerksgebaeude[6].Stufe = 2;
    BerechneAnalyse(Katalog(), o, c);
    EXPECT_EQ(c.Analyse[1].Gesamtdauer, vorher.Analyse[1].Gesamtdauer);
    EXPECT_LT(c.Analyse[2].Gesamtdauer, vorher.Analyse[2].Gesamtdauer);

    // A potency of 2 for swords halves the sword's share; clearing the switch restores it.
    c = vorher;
    o.Wirkung[WirkungsindexHandwerk(6)] = 2.0;
    BerechneAnalyse(Katalog(), o, c);
    EXPECT_EQ(c.Analyse[1].Gesamtdauer, 210.0);
    EXPECT_EQ(c.Analyse[3].Gesamtdauer, 714.0 - 210.0);
    EXPECT_GT(c.Analyse[1].GewinnProStunde, vorher.Analyse[1].GewinnProStunde);
    o.CalcPotency = false;
    BerechneAnalyse(Katalog(), o, c);
    EXPECT_EQ(c.Analyse[1].Gesamtdauer, 420.0);
}

TEST(Analyse, LeereListeUndGewinnanzeige)
{
    TCraftingZustand c = Berechnet({{"Kurzschwert", 1}});
    MengeFestlegen(Katalog(), c.Bauliste, "Kurzschwert", 0);
    EXPECT_FALSE(AllesNeuBerechnen(Katalog(), TOptionen{}, c));
    EXPECT_EQ(c.Bedarfsliste1.Anzahl(), 0);
    EXPECT_EQ(c.Analyse[3].Gesamtdauer, 0.0);
    EXPECT_EQ(c.BenoetigteGebaeude[2].Anzahl, 0);

    EXPECT_EQ(GewinnBeschriftung(0.0), "Gewinn:");
    EXPECT_EQ(GewinnFarbe(0.0), TGewinnFarbe::Normal);
    EXPECT_EQ(GewinnFarbe(0.4), TGewinnFarbe::Gruen);
    // -0.4 is shown as 0 but still as a loss.
    EXPECT_EQ(GewinnBeschriftung(-0.4), "Verlust:");
    EXPECT_EQ(GewinnFarbe(-0.4), TGewinnFarbe::Dunkelrot);
    TAnalyseErgebnis a;
    a.Gewinn = -0.4;
    EXPECT_EQ(AnalyseWerteTexte(a)[6], "0 Gold");
    EXPECT_EQ(StundenMinutenText(180), "3 Std. 0 Min.");
    EXPECT_EQ(StundenMinutenText(89.5), "1 Std. 30 Min."); // 89.5 rounds to 90 (even)
    EXPECT_EQ(StundenMinutenText(90.5), "1 Std. 30 Min.");
}

} // namespace
} // namespace mvt
