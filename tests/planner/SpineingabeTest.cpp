// The entry check of the planner's spin inputs and the level scroll rule.
#include "planner/Spineingabe.h"

#include <gtest/gtest.h>

using namespace mvt::planer;

TEST(Spineingabe, ZweiZiffernInnerhalbEinerSekundeUeberDerUntergrenze)
{
    TSpinGedaechtnis g;
    auto r = PruefeSpinEingabe(g, QStringLiteral("2"), 1000, 15, 9999);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Wert, 15);
    EXPECT_TRUE(g.Gemerkt);
    // The field now shows "15" and the player types "0" behind it.
    r = PruefeSpinEingabe(g, QStringLiteral("150"), 1999, 15, 9999);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Wert, 20);
    EXPECT_FALSE(g.Gemerkt);
}

TEST(Spineingabe, NachEinerSekundeZaehltNurDerText)
{
    TSpinGedaechtnis g;
    EXPECT_EQ(PruefeSpinEingabe(g, QStringLiteral("2"), 1000, 15, 9999)->Wert, 15);
    EXPECT_EQ(PruefeSpinEingabe(g, QStringLiteral("150"), 2000, 15, 9999)->Wert, 150);
    // A clock that went backwards does not count as "within a second".
    EXPECT_EQ(PruefeSpinEingabe(g, QStringLiteral("2"), 5000, 15, 9999)->Wert, 15);
    EXPECT_EQ(PruefeSpinEingabe(g, QStringLiteral("150"), 4000, 15, 9999)->Wert, 150);
}

TEST(Spineingabe, GrenzenZeichenUndLeererText)
{
    TSpinGedaechtnis g;
    EXPECT_FALSE(PruefeSpinEingabe(g, QString(), 0, 0, 999));
    EXPECT_FALSE(PruefeSpinEingabe(g, QStringLiteral("-x"), 0, 0, 999));
    auto r = PruefeSpinEingabe(g, QStringLiteral("1a2"), 0, 0, 999);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Wert, 12);
    EXPECT_TRUE(r->Begrenzt); // the text is not what was typed
    EXPECT_EQ(PruefeSpinEingabe(g, QStringLiteral("1234"), 0, 1, 999)->Wert, 999);
    // Digits far beyond any integer are the upper limit, not an overflow.
    EXPECT_EQ(PruefeSpinEingabe(g, QStringLiteral("99999999999999999999999"), 0, 1, 999)->Wert, 999);
    r = PruefeSpinEingabe(g, QStringLiteral("500"), 0, 1, 999);
    EXPECT_EQ(r->Wert, 500);
    EXPECT_FALSE(r->Begrenzt);
}

TEST(Spineingabe, LevelScrollen)
{
    EXPECT_TRUE(LevelWirdGescrollt(1000, 1749));
    EXPECT_FALSE(LevelWirdGescrollt(1000, 1750));
    EXPECT_FALSE(LevelWirdGescrollt(2000, 1000)); // clock went backwards: a long pause
}

TEST(Spineingabe, FuehrendeNullenWerdenZumWert)
{
    // No free points: the field's limits are 0 and 0. "3" becomes "0", and a "0" typed
    // behind it must not leave "00" standing.
    TSpinGedaechtnis g;
    auto r = PruefeSpinEingabe(g, QStringLiteral("3"), 0, 0, 0);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Wert, 0);
    EXPECT_TRUE(r->Begrenzt);
    r = PruefeSpinEingabe(g, QStringLiteral("00"), 100, 0, 0);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Wert, 0);
    EXPECT_TRUE(r->Begrenzt);
    EXPECT_TRUE(PruefeSpinEingabe(g, QStringLiteral("015"), 5000, 0, 99)->Begrenzt);
    EXPECT_FALSE(PruefeSpinEingabe(g, QStringLiteral("15"), 9000, 0, 99)->Begrenzt);
}
