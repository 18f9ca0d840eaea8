// Gold <-> percentage of one price row and the cleaning of typed gold texts.
#include "base/Meldung.h"
#include "base/Preiskopplung.h"

#include <gtest/gtest.h>

using namespace mvt;

TEST(Preiskopplung, ProzentUndGoldUmrechnen)
{
    // Market value 3: a price of 1 is 33 %, 4,5 is 150 %.
    EXPECT_EQ(ProzentAusGoldtext(QStringLiteral("1"), 3.0), 33);
    EXPECT_EQ(ProzentAusGoldtext(QStringLiteral("4,5"), 3.0), 150);
    // Halves go to the even neighbour: 0,5 of 4 is 12,5 % -> 12; 1,5 of 4 is 37,5 % -> 38.
    EXPECT_EQ(Prozent(0.5, 4.0), 12);
    EXPECT_EQ(Prozent(1.5, 4.0), 38);
    EXPECT_EQ(Prozent(10.0, 0.0), 0) << "no reference, no division";
    EXPECT_EQ(GoldAusProzent(150, 1200.0), QStringLiteral("1800"));
    EXPECT_EQ(GoldAusProzent(33, 20.0), QStringLiteral("6,60"));
    EXPECT_EQ(GoldAusProzent(0, 1200.0), QStringLiteral("0"));
    // A building value that is not whole is not cut before the product.
    EXPECT_EQ(GoldAusProzent(50, 10.5), QStringLiteral("5,25"));
}

TEST(Preiskopplung, UngueltigeTexteGebenKeinenProzentwert)
{
    MeldungsRekorder rekorder;
    EXPECT_FALSE(ProzentAusGoldtext(QString(), 3.0));
    EXPECT_FALSE(ProzentAusGoldtext(QStringLiteral(","), 3.0));
    EXPECT_TRUE(rekorder.Meldungen.isEmpty()) << "computing a percentage never reports";

    EXPECT_FALSE(PreistextLesen(QString()));
    EXPECT_TRUE(rekorder.Meldungen.isEmpty()) << "an empty text is simply not stored";
    EXPECT_FALSE(PreistextLesen(QStringLiteral("1,2,3")));
    ASSERT_EQ(rekorder.Meldungen.size(), 1);
    EXPECT_EQ(rekorder.Meldungen[0], QStringLiteral("'1,2,3' is not a valid floating point value"));
    EXPECT_EQ(PreistextLesen(QStringLiteral("617,5")), 617.5);
}

TEST(Preiskopplung, BereinigenBehaeltDieCaretStelle)
{
    // Typing an eighth digit at the end: the digit goes, the caret stays at the end.
    TBereinigterPreistext t = PreistextMitCaretBereinigen(QStringLiteral("12345678"), 8);
    EXPECT_EQ(t.Text, QStringLiteral("1234567"));
    EXPECT_EQ(t.Caret, 7);
    // A third decimal typed in the middle of the decimals is dropped at the end of the text.
    t = PreistextMitCaretBereinigen(QStringLiteral("1,239"), 5);
    EXPECT_EQ(t.Text, QStringLiteral("1,23"));
    EXPECT_EQ(t.Caret, 4);
    // A pasted letter in front of the caret moves the caret back by one.
    t = PreistextMitCaretBereinigen(QStringLiteral("1x5"), 3);
    EXPECT_EQ(t.Text, QStringLiteral("15"));
    EXPECT_EQ(t.Caret, 2);
    // A caret beyond the text (never from a field, but harmless) is clamped.
    t = PreistextMitCaretBereinigen(QStringLiteral("12"), 99);
    EXPECT_EQ(t.Caret, 2);
}
