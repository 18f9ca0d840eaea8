#include "combat/Kaempfer.h"

#include <gtest/gtest.h>

using namespace mvt;

namespace {
TEinzelWaffe Waffe(const char *name, int32_t minNormal, int32_t minKrit)
{
    TEinzelWaffe w;
    w.Name = name;
    w.MinNormal = minNormal;
    w.MaxNormal = minNormal;
    w.MinKrit = minKrit;
    w.MaxKrit = minKrit;
    return w;
}
} // namespace

TEST(Kaempfer, WaffenZusammenfuehrenBeachtetUngesetzteMinima)
{
    TKampfstatus ziel, quelle;
    ziel.Waffen.Waffe.push_back(Waffe("Axt", 7, -1));
    quelle.Waffen.Waffe.push_back(Waffe("Axt", -1, 4));
    quelle.Waffen.Waffe.push_back(Waffe("Bogen", 3, -1));
    quelle.Waffen.Waffe[0].Intervall = 6;
    quelle.Waffen.Waffe[0].AnzKrit = 2;
    StatusAddieren(ziel, quelle);
    ASSERT_EQ(ziel.Waffen.Anzahl(), 2);
    const TEinzelWaffe &axt = ziel.Waffen.Waffe[0];
    EXPECT_EQ(axt.MinNormal, 7);
    EXPECT_EQ(axt.MinKrit, 4);
    EXPECT_EQ(axt.MaxNormal, 7);
    EXPECT_EQ(axt.Intervall, 6); // taken from the source
    EXPECT_EQ(axt.AnzKrit, 2);
    EXPECT_EQ(ziel.Waffen.Waffe[1].Name, "Bogen");
    EXPECT_EQ(ziel.Waffen.Waffe[1].MinNormal, 3);
}

TEST(Kaempfer, StatusAddierenVereinigtGegnerInReihenfolge)
{
    TKampfstatus ziel, quelle;
    GegnerAnhaengen(ziel.Eingesteckt, "B", {"Axt", 3, 0, false});
    GegnerAnhaengen(quelle.Eingesteckt, "C", {"Axt", 4, 0, false});
    GegnerAnhaengen(quelle.Eingesteckt, "B", {"Axt", 5, 1, true});
    quelle.Eingesteckt.MaxSchaden = 9;
    quelle.Eingesteckt.AnzDebuffAusgewichen = 2;
    ziel.Eingesteckt.MaxSchaden = 11;
    StatusAddieren(ziel, quelle);
    ASSERT_EQ(ziel.Eingesteckt.Gegner.size(), 2u);
    EXPECT_EQ(ziel.Eingesteckt.Gegner[0].Name, "B");
    ASSERT_EQ(ziel.Eingesteckt.Gegner[0].Treffer.size(), 2u);
    EXPECT_EQ(ziel.Eingesteckt.Gegner[0].Treffer[1].Schaden, 5);
    EXPECT_EQ(ziel.Eingesteckt.Gegner[1].Name, "C");
    EXPECT_EQ(ziel.Eingesteckt.MaxSchaden, 11);
    EXPECT_EQ(ziel.Eingesteckt.AnzDebuffAusgewichen, 2);
}

TEST(Kaempfer, QuotenOhneNennerBleibenUngesetzt)
{
    TKampfstatus s;
    KampfwerteBerechnen(s);
    EXPECT_EQ(s.Trefferquote, -1.0);
    EXPECT_EQ(s.Kritquote, -1.0);
    EXPECT_EQ(s.Blockquote, -1.0);
    s.Ausgeteilt.AnzHOTTicks = 2; // a tick is an effective success, not a success
    KampfwerteBerechnen(s);
    EXPECT_EQ(s.Trefferquote, -1.0);
    EXPECT_DOUBLE_EQ(s.TrefferquoteEffektiv, 1.0);
    EXPECT_DOUBLE_EQ(s.Kritquote, 0.0);
    DurchschnitteBerechnen(s, 3);
    EXPECT_EQ(s.SchadenProRunde, 0.0);
}

TEST(Kaempfer, ZuordnenLeertDenUnbestimmtenBlock)
{
    Kampfauswertung a;
    TKaempfer &k = KaempferHolen(a, "Ork");
    k.Status[Unbestimmt].Ausgeteilt.AnzTreffer = 3;
    k.Status[Unbestimmt].Waffen.Waffe.push_back(Waffe("Axt", 1, -1));
    StatusZuordnen(k, 2);
    EXPECT_EQ(k.Phase, 2);
    EXPECT_EQ(k.Status[Fernkampf].Ausgeteilt.AnzTreffer, 3);
    EXPECT_EQ(k.Status[Fernkampf].Waffen.Anzahl(), 1);
    EXPECT_EQ(k.Status[Unbestimmt].Ausgeteilt.AnzTreffer, 0);
    EXPECT_EQ(k.Status[Unbestimmt].Waffen.Anzahl(), 0);
}

TEST(Kaempfer, ListenBehaltenDieReihenfolgeDerErstenNennung)
{
    Kampfauswertung a;
    bool neu = false;
    for (int i = 0; i < 50; ++i)
        KaempferHolen(a, QStringLiteral("K%1").arg(i), &neu);
    EXPECT_TRUE(neu);
    EXPECT_EQ(&KaempferHolen(a, "K7", &neu), a.Kaempfer[7].get());
    EXPECT_FALSE(neu);
    EXPECT_EQ(KaempferFinden(a, "k7"), nullptr); // case-sensitive

    // Long lists are searched through the hash; the result must equal the linear search.
    TWaffen w;
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(WaffeHolen(w, QStringLiteral("W%1").arg(i % 20)), i % 20);
    w.Waffe.insert(w.Waffe.begin() + 3, w.Waffe[15]);
    w.Index.Leeren();
    EXPECT_EQ(WaffeSuchen(w, "W15"), 3);
    EXPECT_EQ(WaffeSuchen(w, "W3"), 4);
    TAktionswerte g;
    for (int i = 0; i < 30; ++i)
        GegnerAnhaengen(g, QStringLiteral("G%1").arg(i % 12), {"x", i, 0, false});
    ASSERT_EQ(g.Gegner.size(), 12u);
    EXPECT_EQ(g.Gegner[11].Treffer.size(), 2u);
    EXPECT_EQ(g.Gegner[5].Treffer[2].Schaden, 29);
    KaempferlisteLeeren(a);
    EXPECT_TRUE(a.Kaempfer.empty());
    EXPECT_EQ(KaempferFinden(a, "K7"), nullptr);
}
