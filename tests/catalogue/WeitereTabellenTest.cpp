// The catalogue's other tables, every row: training items, buildings, the world variants
// of the kits and the spells.
#include "TabellenRegeln.h"

#include <gtest/gtest.h>

#include <QSet>

#include <map>
#include <string>
#include <vector>

using namespace mvt;
using namespace mvt::test;

// ---------------------------------------------------------------------------
// Training items
// ---------------------------------------------------------------------------

TEST(TabellenRegeln, TrainingsItemsHabenIhreEigenenSentinels)
{
    for (int i = 1; i <= AnzahlTrainingsItems; ++i) {
        const TWare &w = K().TrainingsTabelle[i];
        SCOPED_TRACE(S(w.Name));
        EXPECT_TRUE(w.Name.contains(Q("(Training)")));
        EXPECT_EQ(w.Preis, -1);
        EXPECT_EQ(w.Stufe, 0);
        EXPECT_EQ(w.Herstellungsstufe, -1);
        EXPECT_EQ(w.Rezeptpreis, -1);
        EXPECT_EQ(w.Dauer, -1);
        EXPECT_EQ(w.Menge, -1);
        EXPECT_GT(w.Gewicht, 0);
        EXPECT_EQ(w.HeilungMin, 0);
        EXPECT_EQ(w.HeilungMax, 0);
        EXPECT_EQ(w.HeilungProzentMin, 0.0);
        EXPECT_EQ(w.HeilungProzentMax, 0.0);
        EXPECT_EQ(w.StabWirkung, 0);
        EXPECT_EQ(w.Reichweite, 0);
        for (const auto &slot : w.Zutaten) {
            EXPECT_EQ(slot.Name, FehlerName);
            EXPECT_EQ(slot.Anzahl, -1);
        }
        EXPECT_EQ(w.Element != 0, i >= 8 && i <= 11);
        EXPECT_EQ(w.Zusatzwirkung, -10);
        EXPECT_EQ(w.Treffsicherheit, (i == 12 || i == 13) ? 0 : -5);
        EXPECT_EQ(w.KritischeTreffer, i == 14 ? 0 : -5);
        EXPECT_EQ(w.Tempo != -1, i <= 7);
        EXPECT_EQ(w.Ruestschutz != -1.0, i >= 15);
    }
    const int minS[] = {6, 7, 8, 7, 11, 8, 20}, maxS[] = {9, 9, 11, 12, 16, 11, 33},
              spr[] = {30, 32, 28, 28, 40, 38, 26}, tempo[] = {4, 4, 3, 3, 3, 4, 1};
    for (int i = 1; i <= 7; ++i) {
        const TWare &w = K().TrainingsTabelle[i];
        SCOPED_TRACE(S(w.Name));
        EXPECT_EQ(w.MinSchaden, minS[i - 1]);
        EXPECT_EQ(w.MaxSchaden, maxS[i - 1]);
        EXPECT_EQ(w.SchadenProRunde, spr[i - 1]);
        EXPECT_EQ(w.Tempo, tempo[i - 1]);
    }
    const double rs[] = {2.0, 3.0, 4.0, 4.0, 6.0, 6.0}, ab[] = {0.4, 0.6, 20.0, 0.6, 0.9, 30.0};
    const int beh[] = {6, 9, 0, 12, 18, 0};
    for (int i = 15; i <= 20; ++i) {
        const TWare &w = K().TrainingsTabelle[i];
        SCOPED_TRACE(S(w.Name));
        EXPECT_DOUBLE_EQ(w.Ruestschutz, rs[i - 15]);
        EXPECT_DOUBLE_EQ(w.Absorb, ab[i - 15]);
        EXPECT_EQ(w.Behinderung, beh[i - 15]);
    }
    EXPECT_EQ(S(K().TrainingsTabelle[10].Name), "Erdestab (Training)");
    EXPECT_EQ(K().TrainingsTabelle[10].Element, 3);
}

// ---------------------------------------------------------------------------
// Buildings
// ---------------------------------------------------------------------------

TEST(TabellenRegeln, GebaeudeBauteileUndWert)
{
    static const QString roemisch[] = {Q("I"),  Q("II"),  Q("III"),  Q("IV"), Q("V"),
                                       Q("VI"), Q("VII"), Q("VIII"), Q("IX")};
    int lagerStufen = 0;
    for (int b = 1; b <= AnzahlGebaeude; ++b) {
        const TGebaeude &g = K().GebaeudeTabelle[b];
        SCOPED_TRACE(S(g.Name));
        PruefeSlotsVonVorn(g.Bauteile, S(g.Name));
        const int n = AnzahlBauteile(K(), b);
        EXPECT_GE(n, 1);
        int64_t summe = 0;
        for (int s = 0; s < n; ++s) {
            const int kit = BauteilSuchen(K(), g.Bauteile[s].Name);
            ASSERT_GE(kit, 1) << S(g.Bauteile[s].Name);
            ASSERT_LE(kit, AnzahlBauteilWaren);
            // Components of level L are of tier L; "Lager" VI to IX stay at tier V.
            EXPECT_EQ(K().WarenTabelle[kit].Stufe, g.Stufe);
            summe += int64_t(K().WarenTabelle[kit].Preis) * g.Bauteile[s].Anzahl;
        }
        EXPECT_EQ(Gebaeudewert(K(), b), summe);

        const QString stufe = g.Name.section(u' ', -1);
        const int level =
            int(std::find(std::begin(roemisch), std::end(roemisch), stufe) - std::begin(roemisch)) + 1;
        ASSERT_LE(level, 9) << "no roman level";
        if (g.Name.startsWith(Q("Lager ")))
            ++lagerStufen;
        else {
            EXPECT_LE(level, 5);
        }
        EXPECT_EQ(g.Stufe, 5 * (std::min(level, 5) - 1));
        EXPECT_EQ(g.Art, b <= 70 ? 1 : 2);
        if (g.Art == 1) {
            EXPECT_EQ(g.Voraussetzung, -1);
            EXPECT_EQ(g.Stadtrecht, 0);
            EXPECT_GT(g.Arbeitsplaetze, 0);
        } else {
            EXPECT_EQ(g.Arbeitsplaetze, -1);
            EXPECT_EQ(g.Voraussetzung, level == 1 ? -1 : b - 1);
        }
        EXPECT_GT(g.Strukturpunkte, 0);
        EXPECT_GT(g.Unterhalt, 0);
    }
    EXPECT_EQ(lagerStufen, 9);
    EXPECT_EQ(Gebaeudewert(K(), ItemSuchen(K(), "Forstanlage I").Index), 10400);
}

TEST(TabellenRegeln, BeispielGebaeude)
{
    const TGebaeude &lager = K().GebaeudeTabelle[ItemSuchen(K(), "Lager IX").Index];
    ASSERT_EQ(S(lager.Name), "Lager IX");
    EXPECT_EQ(S(lager.Bauteile[0].Name), "Marmor-Mauerstück");
    EXPECT_EQ(lager.Bauteile[0].Anzahl, 16);
    EXPECT_EQ(S(lager.Bauteile[1].Name), "Marmor-Bodenplatte");
    EXPECT_EQ(lager.Bauteile[1].Anzahl, 32);
    EXPECT_EQ(S(lager.Bauteile[2].Name), "Eiben-Dachkonstrukt");
    EXPECT_EQ(lager.Bauteile[2].Anzahl, 16);
    EXPECT_EQ(S(lager.Bauteile[3].Name), "Eiben-Stützbalken");
    EXPECT_EQ(lager.Bauteile[3].Anzahl, 32);
    EXPECT_EQ(lager.Unterhalt, 12000);
    EXPECT_EQ(lager.Strukturpunkte, 4000);
    EXPECT_EQ(lager.Stadtrecht, 0);

    const TItemRef tempel = ItemSuchen(K(), "Tempel II");
    ASSERT_EQ(tempel, (TItemRef{116, TabelleGebaeude}));
    const TGebaeude &t = K().GebaeudeTabelle[116];
    EXPECT_EQ(t.Art, 2);
    EXPECT_EQ(t.Stufe, 5);
    EXPECT_EQ(t.Strukturpunkte, 3600);
    EXPECT_EQ(t.Arbeitsplaetze, -1);
    EXPECT_EQ(t.Unterhalt, 1200);
    EXPECT_EQ(t.Voraussetzung, 115);
    EXPECT_EQ(t.Stadtrecht, 1);
    EXPECT_EQ(S(t.Bauteile[0].Name), "Sand-Mauerstück");
    EXPECT_EQ(S(t.Bauteile[3].Name), "Birken-Stützbalken");
    EXPECT_EQ(t.Bauteile[3].Anzahl, 2);

    const TGebaeude &forst = K().GebaeudeTabelle[1];
    EXPECT_EQ(S(forst.Name), "Forstanlage I");
    EXPECT_EQ(forst.Strukturpunkte, 800);
    EXPECT_EQ(forst.Arbeitsplaetze, 4);
    EXPECT_EQ(forst.Unterhalt, 100);
    EXPECT_EQ(K().GebaeudeTabelle[3].Arbeitsplaetze, 5); // Forstanlage III
    // Town charter from level III for the Wachhaus, from level II for the Tempel.
    EXPECT_EQ(K().GebaeudeTabelle[72].Stadtrecht, 0);
    EXPECT_EQ(K().GebaeudeTabelle[73].Stadtrecht, 1);
    EXPECT_EQ(K().GebaeudeTabelle[115].Stadtrecht, 0);
    EXPECT_EQ(S(K().GebaeudeTabelle[124].Name), "Baumeister V");
}

// ---------------------------------------------------------------------------
// World variants
// ---------------------------------------------------------------------------

namespace {
// Every field except Preis, Rezeptpreis and Menge.
bool GleichBisAufVariante(const TWare &a, const TWare &b)
{
    bool zutaten = true;
    for (size_t s = 0; s < a.Zutaten.size(); ++s)
        zutaten &= a.Zutaten[s].Name == b.Zutaten[s].Name && a.Zutaten[s].Anzahl == b.Zutaten[s].Anzahl;
    return zutaten && a.Name == b.Name && a.Gewicht == b.Gewicht && a.Stufe == b.Stufe &&
           a.Kategorie == b.Kategorie && a.MinSchaden == b.MinSchaden && a.MaxSchaden == b.MaxSchaden &&
           a.SchadenProRunde == b.SchadenProRunde && a.Tempo == b.Tempo &&
           a.Zusatzwirkung == b.Zusatzwirkung && a.Treffsicherheit == b.Treffsicherheit &&
           a.KritischeTreffer == b.KritischeTreffer && a.StabWirkung == b.StabWirkung &&
           a.Reichweite == b.Reichweite && a.Element == b.Element && a.Ruestschutz == b.Ruestschutz &&
           a.Absorb == b.Absorb && a.Behinderung == b.Behinderung && a.HeilungMin == b.HeilungMin &&
           a.HeilungMax == b.HeilungMax && a.HeilungProzentMin == b.HeilungProzentMin &&
           a.HeilungProzentMax == b.HeilungProzentMax && a.Herstellungsstufe == b.Herstellungsstufe &&
           a.Dauer == b.Dauer;
}
} // namespace

TEST(TabellenRegeln, WeltvariantenInBeideRichtungen)
{
    auto k = std::make_unique<TKatalog>();
    KatalogFuellen(*k);
    const auto vorher = k->WarenTabelle;
    const int jagdpfeile = ItemSuchen(*k, "Jagdpfeile").Index;
    const int panzerbrecher = ItemSuchen(*k, "Panzerbrecher").Index;
    ASSERT_EQ(jagdpfeile, 308);
    ASSERT_EQ(panzerbrecher, 317);
    EXPECT_EQ(k->WarenTabelle[panzerbrecher].Menge, 135);
    EXPECT_EQ(k->WarenTabelle[panzerbrecher].Rezeptpreis, 3250);

    WeltvarianteAnwenden(*k, 3);
    EXPECT_EQ(k->WarenTabelle[jagdpfeile].Menge, 163);
    EXPECT_EQ(k->WarenTabelle[jagdpfeile].Rezeptpreis, 400);
    EXPECT_EQ(k->WarenTabelle[jagdpfeile].Preis, 5);
    EXPECT_EQ(k->WarenTabelle[338].Rezeptpreis, 1600); // Mondessenz
    const auto zyrthania = k->WarenTabelle;

    WeltvarianteAnwenden(*k, 1);
    EXPECT_EQ(k->WarenTabelle[panzerbrecher].Preis, 49);
    EXPECT_EQ(k->WarenTabelle[panzerbrecher].Rezeptpreis, 3307);
    EXPECT_EQ(k->WarenTabelle[panzerbrecher].Menge, 135);
    EXPECT_EQ(k->WarenTabelle[329].Rezeptpreis, 1625); // Dämonendorn
    const auto dunladan = k->WarenTabelle;

    WeltvarianteAnwenden(*k, 3);
    EXPECT_EQ(k->WarenTabelle[panzerbrecher].Preis, 11);
    EXPECT_EQ(k->WarenTabelle[panzerbrecher].Rezeptpreis, 3250);
    EXPECT_EQ(k->WarenTabelle[panzerbrecher].Menge, 610);

    // Variant 2 is the same world as 1; unknown values change nothing.
    WeltvarianteAnwenden(*k, 2);
    for (int i = 1; i <= AnzahlWaren; ++i) {
        EXPECT_EQ(k->WarenTabelle[i].Preis, dunladan[i].Preis) << i;
        EXPECT_EQ(k->WarenTabelle[i].Menge, dunladan[i].Menge) << i;
    }
    WeltvarianteAnwenden(*k, 0);
    WeltvarianteAnwenden(*k, 4);
    for (int i = 1; i <= AnzahlWaren; ++i)
        EXPECT_EQ(k->WarenTabelle[i].Rezeptpreis, dunladan[i].Rezeptpreis) << i;

    // Only Preis, Rezeptpreis and Menge of the 15 ammunition and essence rows move.
    int geaendert = 0;
    for (int i = 1; i <= AnzahlWaren; ++i) {
        const TWare &a = vorher[i];
        EXPECT_TRUE(GleichBisAufVariante(zyrthania[i], a)) << i;
        EXPECT_TRUE(GleichBisAufVariante(dunladan[i], a)) << i;
        const bool anders = zyrthania[i].Menge != a.Menge || zyrthania[i].Preis != a.Preis ||
                            zyrthania[i].Rezeptpreis != a.Rezeptpreis || dunladan[i].Menge != a.Menge ||
                            dunladan[i].Preis != a.Preis || dunladan[i].Rezeptpreis != a.Rezeptpreis;
        if (anders) {
            ++geaendert;
            EXPECT_TRUE(IstMunitionOderEssenz(a.Kategorie)) << S(a.Name);
        }
    }
    // Magieessenz is the same in both worlds and as built in.
    EXPECT_EQ(geaendert, 14);
}

// ---------------------------------------------------------------------------
// Spells
// ---------------------------------------------------------------------------

TEST(TabellenRegeln, ZauberRegeln)
{
    QSet<QString> namen;
    for (int z = 1; z <= AnzahlZauber; ++z) {
        const TZauber &s = K().ZauberTabelle[z];
        SCOPED_TRACE(S(s.Name));
        EXPECT_NE(s.Name, FehlerName);
        namen.insert(s.Name);
        EXPECT_EQ(s.KlammerName, u'[' + s.Name + u']');
        EXPECT_EQ(ZauberSuchen(K(), s.Name), z);
        EXPECT_EQ(ZauberSuchenKlammer(K(), s.KlammerName), z);
        EXPECT_EQ(s.Element, (z - 1) / 20 + 1);
        EXPECT_TRUE(s.Angriffe == 2 || s.Angriffe == 3);
        EXPECT_GT(s.Preis, 0);
        EXPECT_GE(s.Stufe, 0);
        EXPECT_LE(s.Stufe, 25);
        EXPECT_EQ(s.Dauer, s.Typ >= 3 ? 5 : -1);
        if (s.Typ == 1) {
            EXPECT_EQ(s.SchadenProRunde, (s.MinWert + s.MaxWert) * s.Angriffe / 2);
        } else {
            EXPECT_EQ(s.SchadenProRunde, -1);
        }
        if (s.Typ == 5 || s.Typ == 6) {
            EXPECT_EQ(s.MinWert, -1);
            EXPECT_EQ(s.MaxWert, -1);
            EXPECT_EQ(s.Felder, 20);
        } else {
            EXPECT_GT(s.MinWert, 0);
            EXPECT_LT(s.MinWert, s.MaxWert);
            EXPECT_NE(s.Felder, 20);
        }
        // Single-target spells are cast three times a round, area spells twice.
        if (s.Felder == -1 && s.Typ != 3 && s.Typ != 4) {
            EXPECT_EQ(s.Angriffe, 3);
        }
    }
    EXPECT_EQ(namen.size(), AnzahlZauber);
    EXPECT_EQ(ZauberSuchen(K(), "Feuerpfeil"), 1);
    EXPECT_EQ(K().ZauberTabelle[1].SchadenProRunde, 39);
    EXPECT_EQ(ZauberSuchen(K(), Q("Sphärenschwert")), 80);
    EXPECT_EQ(ZauberSuchen(K(), "feuerpfeil"), -1);
    EXPECT_EQ(K().ZauberTabelle[80].Preis, 20000);
    EXPECT_EQ(K().ZauberTabelle[45].Typ, 5); // Eile
    EXPECT_EQ(K().ZauberTabelle[24].Typ, 6); // Eisboden
}
