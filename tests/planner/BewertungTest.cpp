#include "planner/Bewertung.h"
#include "planner/Planer.h"

#include <gtest/gtest.h>

using namespace mvt;
using namespace mvt::planer;

namespace {

QString Text(const std::vector<TBewertungsZeile> &zeilen, const char *beschriftung)
{
    for (const TBewertungsZeile &z : zeilen)
        if (z.Beschriftung == QString::fromUtf8(beschriftung))
            return z.Wert;
    return QStringLiteral("<fehlt>");
}

// A character holding one main-hand weapon with the given values, no armour.
TPlaner MitWaffe(int32_t min, int32_t max, int32_t angriffe)
{
    TPlaner p;
    PlanerStarten(p);
    p.Arten[PosHauptwaffe] = 1;
    p.Werte.Hauptwaffe = {min, max, angriffe, 0};
    p.Slots[SlotHauptwaffe].Belegt = true;
    p.Slots[SlotHauptwaffe].Beschriftung = "Testschwert";
    Aktualisieren(p);
    return p;
}

} // namespace

TEST(BewertungFormeln, SchadenNachRuestung)
{
    EXPECT_EQ(SchadenNachRuestung(7, 3, 50), 0);
    EXPECT_EQ(SchadenNachRuestung(10, 3, 50), 2);
    EXPECT_EQ(SchadenNachRuestung(10, 0, 0), 10);
    EXPECT_EQ(SchadenNachRuestung(10, 0, 150), 0);
    EXPECT_DOUBLE_EQ(MittlererSchaden(10, 16, 0, 0), 13.0);
    EXPECT_DOUBLE_EQ(MittlererSchaden(7, 10, 3, 50), (0 + 1 + 1 + 2) / 4.0);
    EXPECT_DOUBLE_EQ(MittlererSchaden(5, 4, 0, 0), 0.0);
}

// (1 - 34/100) * 100 is 65.99999999999999 in binary, 66 in fact; the same for 0.7 * 90.
TEST(BewertungFormeln, GanzeProdukteWerdenNichtEinsTieferAbgerundet)
{
    EXPECT_EQ(SchadenNachRuestung(100, 0, 34), 66);
    EXPECT_EQ(SchadenNachRuestung(90, 0, 30), 63);
    EXPECT_EQ(SchadenNachRuestung(100, 6, 34), 60);
    EXPECT_DOUBLE_EQ(MittlererSchaden(100, 100, 0, 34), 66.0);
    EXPECT_DOUBLE_EQ(MittlererSchaden(50, 51, 0, 34), 33.0);

    TSchadensmittel mittel(0, 34);
    EXPECT_DOUBLE_EQ(mittel.Mittel(100, 100), 66.0);
    EXPECT_DOUBLE_EQ(mittel.Mittel(50, 51), 33.0);
    EXPECT_DOUBLE_EQ(mittel.Mittel(-3, 51), MittlererSchaden(-3, 51, 0, 34));
}

// The optimiser's averages for one fixed defence must give the plain averages bit for
// bit, or its search would walk differently from the evaluation pages.
TEST(BewertungFormeln, SchadensmittelGleichDemMittlerenSchaden)
{
    for (double r : {0.0, 7.0, 30.0, 34.0, 55.0, 99.5, 120.0})
        for (double a : {0.0, 0.3, 2.5, 40.0}) {
            TSchadensmittel mittel(a, r);
            for (int64_t min = 0; min < 400; min += 37)
                for (int64_t breite : {0, 1, 5, 60, 250}) {
                    EXPECT_EQ(mittel.Mittel(min, min + breite), MittlererSchaden(min, min + breite, a, r))
                        << r << " " << a << " " << min << " " << breite;
                    EXPECT_EQ(mittel.Mittel(2 * min, 2 * (min + breite)),
                              MittlererSchaden(2 * min, 2 * (min + breite), a, r));
                }
            EXPECT_EQ(mittel.Mittel(9, 8), 0.0);
        }
}

TEST(BewertungFormeln, BeispielMit75ProzentTreffsicherheit)
{
    EXPECT_NEAR(ErwarteterSchaden(10, 16, 1, 100, 4, 0, 0, 0, 0, 0), 13.52, 1e-12);
    EXPECT_NEAR(ErwarteterSchaden(10, 16, 1, 75, 4, 0, 0, 0, 0, 0), 10.14, 1e-12);
    // A blocked hit counts with the extra protection.
    const double e = ErwarteterSchaden(10, 10, 1, 100, 0, 0, 0, 0, 50, 20);
    EXPECT_NEAR(e, 0.8 * 10 + 0.2 * 5, 1e-12);
}

TEST(BewertungFormeln, ZweiWaffenGewichtet)
{
    const double eH = ErwarteterSchaden(10, 20, 1, 80, 5, 10, 2, 5, 0, 0);
    const double eN = ErwarteterSchaden(4, 8, 1, 80, 5, 10, 2, 5, 0, 0);
    EXPECT_NEAR(ErwarteterSchadenZweiWaffen(10, 20, 2, 80, 5, 4, 8, 3, 80, 5, 10, 2, 5, 0, 0),
                (2 * eH + 3 * eN) / 5, 1e-12);
    // Two weapons without any attack left: no damage, no division by zero.
    EXPECT_EQ(ErwarteterSchadenZweiWaffen(10, 20, 0, 80, 5, 4, 8, 0, 80, 5, 0, 0, 0, 0, 0), 0.0);
}

TEST(BewertungFormeln, HeilungUndZaehigkeit)
{
    EXPECT_DOUBLE_EQ(MittlereHeilung(8, 12, false), 10.0);
    EXPECT_DOUBLE_EQ(MittlereHeilung(8, 9, true), (12 + 13) / 2.0);
    EXPECT_DOUBLE_EQ(MittlereHeilung(9, 8, true), 0.0);
    EXPECT_DOUBLE_EQ(ErwarteteHeilung(8, 9, 50, 80), (0.5 * 8.5 + 0.5 * 12.5) * 0.8);
    EXPECT_DOUBLE_EQ(EffektiveLebenspunkte(100, 50, 0, 0, 0), 200.0);
    EXPECT_DOUBLE_EQ(EffektiveLebenspunkte(100, 100, 0, 0, 0), -1.0);
    EXPECT_DOUBLE_EQ(EffektiveLebenspunkte(100, 0, 100, 10, 0), -1.0);
    EXPECT_DOUBLE_EQ(EffektiveLebenspunkte(100, 0, 100, 0, 0), 100.0);
    EXPECT_DOUBLE_EQ(EffektiveLebenspunkte(100, 0, 0, 0, 100), -1.0);
}

TEST(BewertungFormeln, RundenGleichstandZumGeraden)
{
    EXPECT_EQ(RundenText(12.25), "12,2 Runden");
    EXPECT_EQ(RundenText(12.75), "12,8 Runden");
    EXPECT_EQ(RundenText(12.0), "12 Runden");
    EXPECT_EQ(RundenText(-1.0), "unbesiegbar");
    EXPECT_EQ(RundenText(0.0), "schon tot");
}

TEST(BewertungSeiten, OffensiveBeispiel)
{
    TPlaner p = MitWaffe(10, 16, 4); // 75 % accuracy, 4 % criticals at attributes 0
    const TOffensivErgebnis &o = p.Bewertung.Offensive;
    EXPECT_NEAR(o.ProTreffer, 13.52, 1e-9);
    EXPECT_NEAR(o.ProAngriff, 10.14, 1e-9);
    EXPECT_NEAR(o.ProRunde, 40.56, 1e-9);
    EXPECT_EQ(Text(o.Zeilen, "Möglicher Schaden"), "10 - 16");
    EXPECT_EQ(Text(o.Zeilen, "Möglicher krit. Schaden"), "20 - 32");
    EXPECT_EQ(Text(o.Zeilen, "Ø Schaden pro Treffer"), "13.52");
    EXPECT_EQ(Text(o.Zeilen, "Ø Schaden pro Angriff"), "10.14");
    EXPECT_EQ(Text(o.Zeilen, "Ø Schaden pro Runde"), "40.56");
    EXPECT_EQ(Text(o.Zeilen, "Schaden entgangen"), "0.00 %");
    EXPECT_EQ(Text(o.Zeilen, "Waffeneffektivität"), "100.00 %");
    EXPECT_EQ(Text(o.Zeilen, "Gegner besiegt in"), "24,7 Runden"); // 1000 / 40.56

    TGegnerwerte g;
    g.Leben = 0;
    GegnerSetzen(p, g);
    EXPECT_EQ(Text(p.Bewertung.Offensive.Zeilen, "Gegner besiegt in"), "schon tot");
    g.Leben = 1000;
    g.Ausweichen = 100;
    GegnerSetzen(p, g);
    EXPECT_EQ(Text(p.Bewertung.Offensive.Zeilen, "Möglicher Schaden"),
              QString::fromUtf8("Treffer unmöglich"));
    EXPECT_EQ(Text(p.Bewertung.Offensive.Zeilen, "Ø Schaden pro Treffer"),
              QString::fromUtf8("Treffer unmöglich"));
    EXPECT_EQ(p.Bewertung.Offensive.ProAngriff, 0.0);
    EXPECT_EQ(Text(p.Bewertung.Offensive.Zeilen, "Gegner besiegt in"), "unbesiegbar");
}

TEST(BewertungSeiten, KritischeTrefferGrenzen)
{
    TPlaner p = MitWaffe(10, 16, 3);
    p.Charakter.Hauptwaffe.KritischeTreffer = 0;
    ZeigeBewertung(p);
    EXPECT_EQ(Text(p.Bewertung.Offensive.Zeilen, "Möglicher krit. Schaden"),
              QString::fromUtf8("krit. Treffer unmöglich"));
    p.Charakter.Hauptwaffe.KritischeTreffer = 100;
    ZeigeBewertung(p);
    EXPECT_EQ(Text(p.Bewertung.Offensive.Zeilen, "Möglicher Schaden"), "nur krit. Treffer");
    // An impossible weapon (minimum above maximum) keeps the previous Offensive texts.
    const QString vorher = Text(p.Bewertung.Offensive.Zeilen, "Ø Schaden pro Angriff");
    p.Werte.Hauptwaffe = {30, 20, 3, 0};
    Aktualisieren(p);
    EXPECT_EQ(Text(p.Bewertung.Offensive.Zeilen, "Ø Schaden pro Angriff"), vorher);
}

TEST(BewertungSeiten, ZweiWaffenRundeMitAllenAngriffen)
{
    TPlaner p = MitWaffe(10, 16, 3);
    p.Arten[PosNebenwaffe] = 2;
    p.Werte.Nebenwaffe = {5, 8, 4, 0};
    Aktualisieren(p);
    const TWaffenwerte &h = p.Charakter.Hauptwaffe, &n = p.Charakter.Nebenwaffe;
    ASSERT_EQ(h.Angriffe, 2);
    ASSERT_EQ(n.Angriffe, 3);
    const double a = ErwarteterSchadenZweiWaffen(h.MinSchaden, h.MaxSchaden, 2, h.Treffsicherheit,
                                                 h.KritischeTreffer, n.MinSchaden, n.MaxSchaden, 3,
                                                 n.Treffsicherheit, n.KritischeTreffer, 0, 0, 0, 0, 0);
    EXPECT_NEAR(p.Bewertung.Offensive.ProAngriff, a, 1e-12);
    EXPECT_NEAR(p.Bewertung.Offensive.ProRunde, 5 * a, 1e-12);
    EXPECT_EQ(Text(p.Bewertung.Offensive.Zeilen, "Möglicher Schaden"), "9 - 14   (4 - 7)");
}

TEST(BewertungSeiten, Defensive)
{
    TPlaner p = MitWaffe(10, 16, 3);
    const TDefensivErgebnis &d = p.Bewertung.Defensive;
    EXPECT_EQ(Text(d.Zeilen, "Möglicher Schaden"), "25 - 50");
    EXPECT_EQ(Text(d.Zeilen, "Möglicher krit. Schaden"), "50 - 100");
    EXPECT_NEAR(d.ProAngriff, d.IdealProAngriff * 0.96, 1e-9); // only the 4 % dodge
    EXPECT_EQ(Text(d.Zeilen, "Schadensreduktion"), "4.00 %");
    EXPECT_EQ(Text(d.Zeilen, "Zähigkeit"), "146   (146)");

    // Own protection 100: nothing gets through.
    p.Charakter.RuestschutzNah = 100;
    ZeigeBewertung(p);
    EXPECT_EQ(Text(p.Bewertung.Defensive.Zeilen, "Zähigkeit"), "-1   (unverwundbar)");
    EXPECT_EQ(Text(p.Bewertung.Defensive.Zeilen, "Überlebt"), "unbesiegbar");
}

TEST(BewertungSeiten, HeilungImFernkampf)
{
    TPlaner p;
    PlanerStarten(p);
    p.Arten[PosFernkampf] = 5;
    p.Arten[PosMunition] = 3;
    p.Arten[PosZauberElement] = 3;
    p.Arten[PosZauberTyp] = 2;
    p.Werte.Zauber = {8, 12, 3, 0};
    Aktualisieren(p);
    AnsichtWaehlen(p, TAnsicht::Fernkampf);
    const TOffensivErgebnis &o = p.Bewertung.Offensive;
    EXPECT_TRUE(o.Heilung);
    EXPECT_EQ(p.Anzeige.Fernkampf.SchadenBeschriftung, "Lebenspunkte");
    EXPECT_EQ(Text(o.Zeilen, "Mögliche Heilung"), "8 - 12");
    EXPECT_EQ(Text(o.Zeilen, "Mögliche exzel. Heilung"), "12 - 18");
    EXPECT_NEAR(o.ProTreffer, 0.96 * 10 + 0.04 * MittlereHeilung(8, 12, true), 1e-12);
    EXPECT_NEAR(o.ProAngriff, o.ProTreffer * 0.75, 1e-12);
    EXPECT_FALSE(o.Waffeneffektivitaet.has_value());
    EXPECT_FALSE(o.Zeilen[6].Sichtbar);
    EXPECT_FALSE(o.Zeilen[7].Sichtbar);
}

TEST(BewertungVorgaben, FuellenNurIhreSeite)
{
    TGegnerwerte g;
    g.Leben = 777;
    ASSERT_TRUE(GegnerVorgabeAnwenden(g, "Metall 2"));
    EXPECT_EQ(g.Ruestschutz, 26);
    EXPECT_EQ(g.Absorb, 40);
    EXPECT_EQ(g.Ausweichen, 4);
    EXPECT_EQ(g.RuestschutzBeiBlock, 55);
    EXPECT_EQ(g.Blockchance, 20);
    EXPECT_EQ(g.MinSchaden, 25);
    ASSERT_TRUE(GegnerVorgabeAnwenden(g, "Zweihand"));
    EXPECT_EQ(g.MinSchaden, 114);
    EXPECT_EQ(g.MaxSchaden, 336);
    EXPECT_EQ(g.Angriffe, 2);
    EXPECT_EQ(g.Leben, 777);
    EXPECT_FALSE(GegnerVorgabeAnwenden(g, "Drache"));
}

TEST(BewertungGegnerFelder, EingabeRegeln)
{
    EXPECT_EQ(GegnerFeldBereinigen(GfRuestschutz, "12,345"), "12,34");
    EXPECT_EQ(GegnerFeldBereinigen(GfAusweichen, "150"), "100");
    EXPECT_EQ(GegnerFeldBereinigen(GfAbsorb, "12345,67"), "1234,6");
    EXPECT_EQ(GegnerFeldBereinigen(GfMinSchaden, "12345"), "1234");
    EXPECT_EQ(GegnerFeldBereinigen(GfAngriffe, "1,23"), "12");
    EXPECT_EQ(GegnerFeldBereinigen(GfLeben, "99999999999999"), "999999999");

    TGegnerTexte t = GegnerTexte(TGegnerwerte{});
    EXPECT_EQ(t[GfLeben], "1000");
    EXPECT_EQ(t[GfTreffsicherheit], "75");
    t[GfAbsorb] = "12,5";
    t[GfAusweichen] = "abc";
    const TGegnerwerte g = GegnerwerteAusTexten(t);
    EXPECT_DOUBLE_EQ(g.Absorb, 12.5);
    EXPECT_DOUBLE_EQ(g.Ausweichen, 0.0);
    EXPECT_EQ(GegnerTexte(g)[GfAbsorb], "12,5");
    EXPECT_FALSE(GegnerMinimumUngueltig(t));
    EXPECT_FALSE(GegnerMaximumUngueltig(t));
    t[GfMaxSchaden] = "20";
    EXPECT_TRUE(GegnerMaximumUngueltig(t)); // below the minimum of 25
    t[GfMinSchaden] = "";
    EXPECT_TRUE(GegnerMinimumUngueltig(t));
}
