#include "planner/Vergleich.h"
#include "PlanerTestKatalog.h"

#include <gtest/gtest.h>

using namespace mvt;
using namespace mvt::planer;

TEST(Vergleich, TextUnterschiede)
{
    struct TFall {
        const char *Aktuell, *Basis;
        bool HoeherBesser;
        const char *Text;
        int Richtung;
    };
    const TFall faelle[] = {
        // Each number in its own decimals and separator; the first change decides.
        {"9 - 14", "8 - 12", true, "+1 - +2", 1},
        {"12,2 Runden", "14,8 Runden", false, "\u22122,6", 1},
        {"1200   (1500)", "1000   (1500)", true, "+200 (\u00b10)", 1},
        {"10.40 % (27 % Schaden)", "12.00 % (26 % Schaden)", true, "\u22121.60 % (+1 %)", -1},
        {"20.00 %", "20.00 %", true, "\u00b10.00 %", 0},
        // Differently worded texts with one number each: the number alone.
        {"schnell (4 Angriffe)", "schnell (4 Angriffe)", true, "\u00b10", 0},
        {"normal (3 Angriffe)", "schnell (4 Angriffe)", true, "\u22121", -1},
        // A negative number is one, the dash of a range is not.
        {"-1   (unverwundbar)", "250   (300)", true, "Basis: 250   (300)", 0},
        // No number to compare.
        {"unbesiegbar", "12 Runden", false, "Basis: 12 Runden", 0},
        {"Treffer unmöglich", "Treffer unmöglich", true, "", 0},
    };
    for (const TFall &f : faelle) {
        const TVergleichswert v =
            TextVergleich(QString::fromUtf8(f.Aktuell), QString::fromUtf8(f.Basis), f.HoeherBesser);
        EXPECT_EQ(v.Text, QString::fromUtf8(f.Text)) << f.Aktuell;
        EXPECT_EQ(v.Richtung, f.Richtung) << f.Aktuell;
    }
}

TEST(Vergleich, CharakterGegenBasis)
{
    TPlaner basis;
    PlanerStarten(basis);
    WaehleAusruestung(basis, Katalog(), SlotHauptwaffe, QStringLiteral("Kurzschwert"));
    TPlaner p = basis;
    WaehleAusruestung(p, Katalog(), SlotNebenwaffe, QStringLiteral("Lederschild"));
    TGegnerwerte g;
    g.Ruestschutz = 20;
    GegnerSetzen(p, g);

    // The base takes the current opponent, so only the shield makes a difference.
    BasisAngleichen(basis, p);
    EXPECT_EQ(basis.Gegner.Ruestschutz, 20.0);
    const TVergleich v = VergleichBerechnen(p, basis);
    EXPECT_EQ(v.Nahkampf.Ruestschutz.Text, QStringLiteral("+4.0 %"));
    EXPECT_EQ(v.Nahkampf.Ruestschutz.Richtung, 1);
    EXPECT_TRUE(v.Nahkampf.Schildblock.Text.isEmpty()); // the base shows no block line
    EXPECT_EQ(v.Nahkampf.Waffen[0][0].Text, QString::fromUtf8("\u00b10 - \u00b10"));
    EXPECT_EQ(v.Offensive[4].Richtung, 0);
    // Less damage taken is better, more reduction is better.
    EXPECT_EQ(v.Defensive[2].Richtung, 1);
    EXPECT_TRUE(v.Defensive[2].Text.startsWith(QString::fromUtf8("\u2212")));
    EXPECT_EQ(v.Defensive[5].Richtung, 1);
    EXPECT_TRUE(v.Fernkampf.Ruestschutz.Text.isEmpty()); // no ranged column on either side
}
