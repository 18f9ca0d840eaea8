// Kits whose values are known from the game, row by row, and the level rules of
// ammunition, essences, bandages and building parts.
#include "TabellenRegeln.h"

#include <gtest/gtest.h>

#include <QSet>

#include <map>
#include <string>
#include <vector>

using namespace mvt;
using namespace mvt::test;

// ---------------------------------------------------------------------------
// Kits: rows whose values are known from the game
// ---------------------------------------------------------------------------

namespace {
struct Erwartet {
    int Zeile;
    const char *Name;
    int Kategorie, Preis, Gewicht, Stufe;
    int MinSchaden, MaxSchaden, SchadenProRunde, Tempo;
    int Zusatzwirkung, Treffsicherheit, KritischeTreffer;
    int StabWirkung, Reichweite, Element;
    double Ruestschutz, Absorb;
    int Behinderung;
    int HeilungMin, HeilungMax;
    double HeilungProzentMin, HeilungProzentMax;
    int Herstellungsstufe, Rezeptpreis, Dauer, Menge;
    std::vector<std::pair<const char *, int>> Zutaten;
};

// Ammunition and essences as built in, before a world variant is applied.
const std::vector<Erwartet> &BekannteZeilen()
{
    static const std::vector<Erwartet> z = {
        {21,   "Kurzschwert",
         2,    1200,
         2000, 1,
         8,    12,
         40,   4,
         -1,   -1,
         -1,   -1,
         -1,   0,
         -1.0, -1.0,
         -1,   -1,
         -1,   -1.0,
         -1.0, 0,
         600,  420,
         1,    {{"Kupferbarren", 7}, {"Schmiedeöl", 5}}},
        {24,   "Bastardschwert [2H]",
         2,    4600,
         3800, 7,
         27,   40,
         100,  3,
         -1,   -1,
         -1,   -1,
         -1,   0,
         -1.0, -1.0,
         -1,   -1,
         -1,   -1.0,
         -1.0, 6,
         2300, 540,
         1,    {{"Eisenbarren", 13}, {"Schmiedeöl", 19}}},
        {30,   "Flamberge [2H]",
         2,    14200,
         3900, 15,
         49,   73,
         183,  3,
         -1,   -1,
         -1,   -1,
         -1,   0,
         -1.0, -1.0,
         -1,   -1,
         -1,   -1.0,
         -1.0, 14,
         3700, 540,
         1,    {{"Sorandilbarren", 26}, {"Schmiedeöl", 6}, {"Schleifstein", 21}}},
        {101,  "Weichleder-Helm",
         8,    1500,
         1600, 4,
         -1,   -1,
         -1,   -1,
         -1,   -1,
         -1,   -1,
         -1,   0,
         2.0,  0.8,
         8,    -1,
         -1,   -1.0,
         -1.0, 3,
         750,  240,
         1,    {{"Weichleder", 8}, {"Lederfett", 6}}},
        {133,  "Dornenschild",
         9,    8100,
         3300, 15,
         -1,   -1,
         -1,   -1,
         -1,   -1,
         -1,   -1,
         -1,   0,
         4.0,  43.0,
         0,    -1,
         -1,   -1.0,
         -1.0, 15,
         4050, 320,
         1,    {{"Riesenleder", 10}, {"Lederfett", 8}, {"Ledernieten", 5}, {"Beschläge", 2}}},
        {157,  "Eckschild", 11,  1400, 3400, 2,  -1,
         -1,   -1,          -1,  -1,   -1,   -1, -1,
         -1,   0,           6.0, 36.0, 0,    -1, -1,
         -1.0, -1.0,        1,   700,  320,  1,  {{"Kupferbarren", 8}, {"Schmiedeöl", 6}}},
        {176,  "Eisen-Plattenhandschuhe",
         10,   2600,
         3600, 10,
         -1,   -1,
         -1,   -1,
         -1,   -1,
         -1,   -1,
         -1,   0,
         3.0,  1.5,
         12,   -1,
         -1,   -1.0,
         -1.0, 9,
         1300, 180,
         1,    {{"Eisenbarren", 7}, {"Schmiedeöl", 10}}},
        {226,  "Woll-Robe", 7,   3000, 1200, 6,  -1,
         -1,   -1,          -1,  -1,   -1,   -1, -1,
         -1,   0,           0.0, 1.2,  0,    -1, -1,
         -1.0, -1.0,        5,   1500, 360,  1,  {{"Wolltuch", 8}, {"Nähgarn", 12}}},
        {276,  "Luft-Langholz",
         12,   4000,
         2000, 6,
         -1,   -1,
         -1,   -1,
         -1,   -1,
         -1,   24,
         12,   4,
         -1.0, -1.0,
         -1,   -1,
         -1,   -1.0,
         -1.0, 5,
         2000, 480,
         1,    {{"Birkenbretter", 11}, {"Magiesplitter", 22}}},
        {301,   "Feuer-Wächterstab",
         12,    57300,
         1800,  25,
         -1,    -1,
         -1,    -1,
         -1,    -1,
         -1,    100,
         50,    1,
         -1.0,  -1.0,
         -1,    -1,
         -1,    -1.0,
         -1.0,  24,
         28650, 480,
         1,     {{"Eibenbretter", 52}, {"Magiesplitter", 6}, {"Phasenkraut", 12}, {"Erdenblut", 32}}},
        {306,  "Kurzbogen", 14,   2000, 1800, 1,  10,
         15,   50,          4,    -1,   -1,   -1, -1,
         -1,   0,           -1.0, -1.0, -1,   -1, -1,
         -1.0, -1.0,        0,    1000, 480,  1,  {{"Buchenbretter", 11}, {"Bogensalbe", 8}}},
        {321,  "Handarmbrust",
         15,   2000,
         2600, 1,
         30,   50,
         40,   1,
         -1,   -1,
         -1,   -1,
         -1,   0,
         -1.0, -1.0,
         -1,   -1,
         -1,   -1.0,
         -1.0, 0,
         1000, 480,
         1,    {{"Buchenbretter", 11}, {"Bogensalbe", 8}}},
        {326,  "Kriegsbolzen",
         17,   32,
         80,   0,
         -1,   -1,
         -1,   -1,
         4,    0,
         2,    -1,
         -1,   0,
         -1.0, -1.0,
         -1,   -1,
         -1,   -1.0,
         -1.0, 10,
         800,  120,
         50,   {{"Eichenholz", 8}, {"Federn", 7}, {"Pfeilharz", 2}}},
        {335,  "Magieessenz",
         13,   4,
         30,   0,
         -1,   -1,
         -1,   -1,
         0,    0,
         0,    -1,
         -1,   0,
         -1.0, -1.0,
         -1,   -1,
         -1,   -1.0,
         -1.0, 0,
         200,  120,
         100,  {{"Magiestaub", 6}, {"Magiesplitter", 2}}},
        {351,  "Smaragd-Dolch",
         3,    11400,
         1200, 14,
         34,   47,
         162,  4,
         -1,   -1,
         -1,   -1,
         -1,   0,
         -1.0, -1.0,
         -1,   -1,
         -1,   -1.0,
         -1.0, 13,
         -123, 420,
         1,    {{"Sorandilbarren", 14}, {"Schmiedeöl", 3}, {"Schleifstein", 11}, {"Smaragd", 2}}},
        {376,
         "Obsidian-Pike [2H]",
         6,
         82300,
         4400,
         25,
         87,
         144,
         346,
         3,
         -1,
         -1,
         -1,
         -1,
         -1,
         0,
         -1.0,
         -1.0,
         -1,
         -1,
         -1,
         -1.0,
         -1.0,
         24,
         -123,
         540,
         1,
         {{"Mithrilbarren", 52}, {"Schmiedeöl", 6}, {"Schleifstein", 12}, {"Griffband", 32}, {"Obsidian", 5}}},
        {492,  "Improvisierte Leinenbinde",
         18,   16,
         200,  0,
         -1,   -1,
         -1,   -1,
         -1,   -1,
         -1,   -1,
         -1,   0,
         -1.0, -1.0,
         -1,   20,
         50,   0.5,
         2.5,  0,
         800,  480,
         100,  {{"Leinentuch", 5}, {"Weichleder", 3}, {"Nähgarn", 6}}},
    };
    return z;
}

void PruefeZeile(const TWare &w, const Erwartet &e)
{
    SCOPED_TRACE(e.Name);
    EXPECT_EQ(S(w.Name), e.Name);
    EXPECT_EQ(w.Kategorie, e.Kategorie);
    EXPECT_EQ(w.Preis, e.Preis);
    EXPECT_EQ(w.Gewicht, e.Gewicht);
    EXPECT_EQ(w.Stufe, e.Stufe);
    EXPECT_EQ(w.MinSchaden, e.MinSchaden);
    EXPECT_EQ(w.MaxSchaden, e.MaxSchaden);
    EXPECT_EQ(w.SchadenProRunde, e.SchadenProRunde);
    EXPECT_EQ(w.Tempo, e.Tempo);
    EXPECT_EQ(w.Zusatzwirkung, e.Zusatzwirkung);
    EXPECT_EQ(w.Treffsicherheit, e.Treffsicherheit);
    EXPECT_EQ(w.KritischeTreffer, e.KritischeTreffer);
    EXPECT_EQ(w.StabWirkung, e.StabWirkung);
    EXPECT_EQ(w.Reichweite, e.Reichweite);
    EXPECT_EQ(w.Element, e.Element);
    EXPECT_DOUBLE_EQ(w.Ruestschutz, e.Ruestschutz);
    EXPECT_DOUBLE_EQ(w.Absorb, e.Absorb);
    EXPECT_EQ(w.Behinderung, e.Behinderung);
    EXPECT_EQ(w.HeilungMin, e.HeilungMin);
    EXPECT_EQ(w.HeilungMax, e.HeilungMax);
    EXPECT_DOUBLE_EQ(w.HeilungProzentMin, e.HeilungProzentMin);
    EXPECT_DOUBLE_EQ(w.HeilungProzentMax, e.HeilungProzentMax);
    EXPECT_EQ(w.Herstellungsstufe, e.Herstellungsstufe);
    EXPECT_EQ(w.Rezeptpreis, e.Rezeptpreis);
    EXPECT_EQ(w.Dauer, e.Dauer);
    EXPECT_EQ(w.Menge, e.Menge);
    for (size_t s = 0; s < w.Zutaten.size(); ++s) {
        if (s < e.Zutaten.size()) {
            EXPECT_EQ(S(w.Zutaten[s].Name), e.Zutaten[s].first);
            EXPECT_EQ(w.Zutaten[s].Anzahl, e.Zutaten[s].second);
        } else {
            EXPECT_EQ(w.Zutaten[s].Name, FehlerName);
            EXPECT_EQ(w.Zutaten[s].Anzahl, -1);
        }
    }
}
} // namespace

TEST(TabellenRegeln, BekannteZeilenVollstaendig)
{
    for (const Erwartet &e : BekannteZeilen())
        PruefeZeile(K().WarenTabelle[e.Zeile], e);
}

TEST(TabellenRegeln, WerteAusDemCharakterPlaner)
{
    const TWare &biden = WareNamens("Bidenhänder [2H]");
    EXPECT_EQ(biden.MinSchaden, 35);
    EXPECT_EQ(biden.MaxSchaden, 52);
    EXPECT_EQ(biden.Tempo, 3);
    const TWare &axt = WareNamens("Axt");
    EXPECT_EQ(axt.Kategorie, 4);
    EXPECT_EQ(axt.MinSchaden, 9);
    EXPECT_EQ(axt.MaxSchaden, 14);
    EXPECT_EQ(axt.Tempo, 3);
    const TWare &bidenaxt = WareNamens("Bidenaxt [2H]");
    EXPECT_EQ(bidenaxt.MinSchaden, 33);
    EXPECT_EQ(bidenaxt.MaxSchaden, 55);
    const TWare &haube = WareNamens("Leinen-Haube");
    EXPECT_EQ(haube.Kategorie, 7);
    EXPECT_DOUBLE_EQ(haube.Ruestschutz, 0.0);
    EXPECT_DOUBLE_EQ(haube.Absorb, 0.4);
    EXPECT_EQ(haube.Behinderung, 0);
    const TWare &helm = WareNamens("Mithril-Plattenhelm");
    EXPECT_EQ(helm.Kategorie, 10);
    EXPECT_DOUBLE_EQ(helm.Ruestschutz, 4.0);
    EXPECT_DOUBLE_EQ(helm.Absorb, 4.8);
    EXPECT_EQ(helm.Behinderung, 16);
    const TWare &schild = WareNamens("Lederschild");
    EXPECT_EQ(schild.Kategorie, 9);
    EXPECT_DOUBLE_EQ(schild.Ruestschutz, 4.0);
    EXPECT_DOUBLE_EQ(schild.Absorb, 26.0);
    const TWare &stecken = WareNamens("Feuer-Stecken");
    EXPECT_EQ(stecken.Kategorie, 12);
    EXPECT_EQ(stecken.StabWirkung, 4);
    EXPECT_EQ(stecken.Reichweite, 2);
    EXPECT_EQ(stecken.Element, 1);
    const TWare &pfeile = WareNamens("Jagdpfeile");
    EXPECT_EQ(pfeile.Kategorie, 16);
    EXPECT_EQ(pfeile.Zusatzwirkung, 2);
    EXPECT_EQ(pfeile.Treffsicherheit, 0);
    EXPECT_EQ(pfeile.KritischeTreffer, 1);
}

TEST(TabellenRegeln, MunitionEssenzenBandagenNachStufe)
{
    const int pfeilPreis[] = {3, 6, 12, 24, 49}, bolzenPreis[] = {8, 16, 32, 65, 131},
              essenzPreis[] = {4, 8, 16, 33, 65}, rezept[] = {200, 400, 800, 1650, 3250};
    for (int t = 0; t < 5; ++t) {
        const TWare &pf = K().WarenTabelle[305 + 3 * t];
        const TWare &bo = K().WarenTabelle[320 + 3 * t];
        const TWare &es = K().WarenTabelle[335 + t];
        for (const TWare *w : {&pf, &bo, &es}) {
            SCOPED_TRACE(S(w->Name));
            EXPECT_EQ(w->Zusatzwirkung, 2 * t);
            EXPECT_EQ(w->Rezeptpreis, rezept[t]);
            EXPECT_EQ(w->Herstellungsstufe, 5 * t);
            EXPECT_EQ(w->Gewicht, w == &bo ? 80 : 30);
        }
        EXPECT_EQ(pf.Kategorie, 16);
        EXPECT_EQ(bo.Kategorie, 17);
        EXPECT_EQ(es.Kategorie, 13);
        EXPECT_EQ(pf.KritischeTreffer, t);
        EXPECT_EQ(bo.KritischeTreffer, t);
        EXPECT_EQ(es.Treffsicherheit, t);
        EXPECT_EQ(pf.Preis, pfeilPreis[t]);
        EXPECT_EQ(bo.Preis, bolzenPreis[t]);
        EXPECT_EQ(es.Preis, essenzPreis[t]);
    }
    const int preis[] = {16, 32, 65, 127, 257}, rezeptB[] = {800, 1600, 3250, 6350, 12850};
    const int hMin[] = {20, 30, 45, 68, 101}, hMax[] = {50, 65, 85, 110, 143};
    const double pMin[] = {0.5, 2.0, 3.5, 5.0, 6.5}, pMax[] = {2.5, 4.0, 4.5, 7.0, 8.5};
    for (int t = 0; t < 5; ++t) {
        const TWare &b = K().WarenTabelle[492 + t];
        SCOPED_TRACE(S(b.Name));
        EXPECT_EQ(b.Kategorie, 18);
        EXPECT_EQ(b.Preis, preis[t]);
        EXPECT_EQ(b.Stufe, 5 * t);
        EXPECT_EQ(b.Rezeptpreis, rezeptB[t]);
        EXPECT_EQ(b.HeilungMin, hMin[t]);
        EXPECT_EQ(b.HeilungMax, hMax[t]);
        EXPECT_DOUBLE_EQ(b.HeilungProzentMin, pMin[t]);
        EXPECT_DOUBLE_EQ(b.HeilungProzentMax, pMax[t]);
    }
    EXPECT_EQ(S(K().WarenTabelle[496].Name), "Magische Ätherbinde");
}

TEST(TabellenRegeln, BauteileNachStufe)
{
    const int preis1[] = {2600, 2200, 3200, 1800};
    for (int i = 1; i <= AnzahlBauteilWaren; ++i) {
        const TWare &w = K().WarenTabelle[i];
        SCOPED_TRACE(S(w.Name));
        const int t = (i - 1) / 4;
        EXPECT_EQ(w.Kategorie, 1);
        EXPECT_EQ(w.Gewicht, 10000);
        EXPECT_EQ(w.Stufe, 5 * t);
        EXPECT_EQ(w.Preis, preis1[(i - 1) % 4] << t);
        EXPECT_EQ(BauteilSuchen(K(), w.Name), i);
    }
    EXPECT_EQ(AnzahlZutaten(K(), ItemSuchen(K(), "Kalk-Bodenplatte").Index), 2);
    EXPECT_EQ(AnzahlZutaten(K(), ItemSuchen(K(), "Obsidian-Pike [2H]").Index), 5);
    const TWare &dach = WareNamens("Eiben-Dachkonstrukt");
    EXPECT_EQ(S(dach.Zutaten[2].Name), "Granitharz");
    EXPECT_EQ(dach.Zutaten[2].Anzahl, 110);
    EXPECT_EQ(BauteilSuchen(K(), "Kurzschwert"), -1);
}
