#include "catalogue/Katalog.h"
#include "ItemSucheLinear.h"
#include "TabellenRegeln.h"

#include <gtest/gtest.h>

using namespace mvt;

using mvt::test::K;

TEST(ItemSuchen, FindetJedeTabelle)
{
    EXPECT_EQ(ItemSuchen(K(), "Buchenholz"), (TItemRef{1, TabelleRohstoff}));
    EXPECT_EQ(ItemSuchen(K(), QString::fromUtf8("Eiben-Stützbalken")), (TItemRef{20, TabelleWare}));
    EXPECT_EQ(ItemSuchen(K(), "Baumeister V"), (TItemRef{124, TabelleGebaeude}));
    EXPECT_EQ(ItemSuchen(K(), "Schwert (Training)"), (TItemRef{1, TabelleTraining}));
    EXPECT_EQ(ItemSuchen(K(), "Buchenbretter"), (TItemRef{1, TabelleZutat}));
    EXPECT_EQ(ItemSuchen(K(), "Kurzschwert"), (TItemRef{21, TabelleWare}));
}

TEST(ItemSuchen, NurExakteNamen)
{
    EXPECT_EQ(ItemSuchen(K(), "buchenholz"), TItemRef{});
    EXPECT_EQ(ItemSuchen(K(), "Buchenholz "), TItemRef{});
    EXPECT_EQ(ItemSuchen(K(), " Buchenholz"), TItemRef{});
    EXPECT_EQ(ItemSuchen(K(), ""), TItemRef{});
    EXPECT_EQ(ItemSuchen(K(), "!FEHLER!"), TItemRef{});
    EXPECT_EQ(ItemSuchen(K(), "Feuerpfeil"), TItemRef{}); // spells are not items
}

TEST(ItemSuchen, IndexGleichLinearerSucheFuerJedenNamen)
{
    auto pruefe = [](const auto &tabelle) {
        for (size_t i = 1; i < tabelle.size(); ++i) {
            const QString &n = tabelle[i].Name;
            ASSERT_EQ(ItemSuchen(K(), n), ItemSuchenLinear(K(), n)) << n.toStdString();
            ASSERT_EQ(ItemName(K(), ItemSuchen(K(), n)), n);
        }
    };
    pruefe(K().RohstoffTabelle);
    pruefe(K().ZutatTabelle);
    pruefe(K().WarenTabelle);
    pruefe(K().TrainingsTabelle);
    pruefe(K().GebaeudeTabelle);
}

TEST(Zeilenzugriff, AusserhalbDerTabelleKeinZugriff)
{
    EXPECT_EQ(Ware(K(), 0), nullptr);
    EXPECT_EQ(Ware(K(), -1), nullptr);
    EXPECT_EQ(Ware(K(), 497), nullptr);
    ASSERT_NE(Ware(K(), 496), nullptr);
    EXPECT_EQ(Rohstoff(K(), 75), nullptr);
    EXPECT_EQ(Gebaeude(K(), 125), nullptr);
    EXPECT_EQ(Zauber(K(), 81), nullptr);
    EXPECT_EQ(AnzahlZutaten(K(), -1), 0);
    EXPECT_EQ(AnzahlZutaten(K(), 497), 0);
    EXPECT_EQ(AnzahlBauteile(K(), 0), 0);
    EXPECT_EQ(Gebaeudewert(K(), -1), 0);
    EXPECT_EQ(ItemName(K(), TItemRef{}), QString());
    EXPECT_EQ(ItemName(K(), TItemRef{600, TabelleWare}), QString());
}

TEST(Zutaten, AnzahlUndBauteile)
{
    EXPECT_EQ(AnzahlZutaten(K(), ItemSuchen(K(), "Kalk-Bodenplatte").Index), 2);
    EXPECT_EQ(AnzahlZutaten(K(), ItemSuchen(K(), "Obsidian-Pike [2H]").Index), 5);
    EXPECT_EQ(AnzahlBauteile(K(), ItemSuchen(K(), "Forstanlage I").Index), 2);
    EXPECT_EQ(AnzahlBauteile(K(), ItemSuchen(K(), "Schmiede I").Index), 4);
    EXPECT_EQ(BauteilSuchen(K(), "Kalk-Mauerstück"), 1);
    EXPECT_EQ(BauteilSuchen(K(), QString::fromUtf8("Eiben-Stützbalken")), 20);
    EXPECT_EQ(BauteilSuchen(K(), "Kurzschwert"), -1); // only the 20 components
    EXPECT_EQ(Gebaeudewert(K(), ItemSuchen(K(), "Forstanlage I").Index), 10400);
}

TEST(Zweihaendig, LetztesWortEntscheidet)
{
    EXPECT_TRUE(IstZweihaendig("Speer (Training) [2H]"));
    EXPECT_TRUE(IstZweihaendig("Bastardschwert [2H]"));
    EXPECT_FALSE(IstZweihaendig("Schwert"));
    EXPECT_FALSE(IstZweihaendig("[2H] Schwert"));
    EXPECT_TRUE(IstZweihaendig("[2H]"));
    EXPECT_FALSE(IstZweihaendig("Schwert [2H]x"));
}

TEST(Tempobezeichnung, VierStufen)
{
    EXPECT_EQ(Tempobezeichnung(1), "sehr langsam");
    EXPECT_EQ(Tempobezeichnung(2), "langsam");
    EXPECT_EQ(Tempobezeichnung(3), "normal");
    EXPECT_EQ(Tempobezeichnung(4), "schnell");
    EXPECT_EQ(Tempobezeichnung(0), "");
    EXPECT_EQ(Tempobezeichnung(-1), "");
}

TEST(Weltvariante, UnbekannteVarianteAendertNichts)
{
    TKatalog k = K();
    const int zeile = ItemSuchen(k, "Jagdpfeile").Index;
    const TWare vorher = k.WarenTabelle[zeile];
    WeltvarianteAnwenden(k, 0);
    WeltvarianteAnwenden(k, 4);
    WeltvarianteAnwenden(k, 255);
    EXPECT_EQ(k.WarenTabelle[zeile].Preis, vorher.Preis);
    EXPECT_EQ(k.WarenTabelle[zeile].Menge, vorher.Menge);
    WeltvarianteAnwenden(k, 2);
    EXPECT_EQ(k.WarenTabelle[zeile].Menge, 135);
    WeltvarianteAnwenden(k, 3);
    EXPECT_EQ(k.WarenTabelle[zeile].Menge, 163);
    EXPECT_EQ(k.WarenTabelle[zeile].Rezeptpreis, 400);
}

TEST(Zauber, SuchenNachNameUndKlammername)
{
    EXPECT_EQ(ZauberSuchen(K(), "Feuerpfeil"), 1);
    EXPECT_EQ(ZauberSuchen(K(), QString::fromUtf8("Sphärenschwert")), 80);
    EXPECT_EQ(ZauberSuchen(K(), "feuerpfeil"), -1);
    EXPECT_EQ(ZauberSuchen(K(), "[Feuerpfeil]"), -1);
    EXPECT_EQ(ZauberSuchenKlammer(K(), "[Feuerpfeil]"), 1);
    EXPECT_EQ(ZauberSuchenKlammer(K(), "Feuerpfeil"), -1);
    EXPECT_EQ(ZauberSuchenKlammer(K(), "[Heilung I]"), 42);
    EXPECT_EQ(ZauberSuchen(K(), ""), -1);
    for (int i = 1; i <= AnzahlZauber; ++i) {
        EXPECT_EQ(ZauberSuchen(K(), K().ZauberTabelle[i].Name), i);
        EXPECT_EQ(K().ZauberTabelle[i].KlammerName, "[" + K().ZauberTabelle[i].Name + "]");
    }
}

TEST(Katalog, LeererKatalogHaeltSentinels)
{
    const TKatalog leer;
    EXPECT_EQ(leer.WarenTabelle[5].Name, "!FEHLER!");
    EXPECT_EQ(leer.WarenTabelle[5].Preis, -1);
    EXPECT_EQ(leer.WarenTabelle[5].Ruestschutz, -1.0);
    EXPECT_EQ(leer.WarenTabelle[5].Zutaten[0].Anzahl, -1);
    EXPECT_EQ(leer.ZauberTabelle[1].Element, 0);
    EXPECT_EQ(ItemSuchen(leer, "Buchenholz"), TItemRef{});
}
