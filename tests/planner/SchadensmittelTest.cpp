// The closed forms of the damage and heal averages against the term-by-term sums they
// replace, over random ranges, armour and absorb values.
#include "planner/Bewertung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace mvt::planer;

namespace {

// Exact sum of Max(0, floor((1 - r/100) d - a)) in whole numbers, for r in hundredths of
// a percent and a in hundredths: floor(((10000 - R) d - 100 A) / 10000).
double ExaktesMittel(int64_t min, int64_t max, int64_t hundertstelR, int64_t hundertstelA)
{
    __int128 summe = 0;
    for (int64_t d = min; d <= max; ++d) {
        const __int128 z = static_cast<__int128>(10000 - hundertstelR) * d - 100 * hundertstelA;
        __int128 t = z / 10000;
        if (z % 10000 != 0 && z < 0)
            --t;
        if (t > 0)
            summe += t;
    }
    return static_cast<double>(summe) / static_cast<double>(max - min + 1);
}

struct TZufall {
    std::mt19937_64 Gen{20261209};
    int64_t Ganz(int64_t lo, int64_t hi) { return std::uniform_int_distribution<int64_t>(lo, hi)(Gen); }
    // A value with the given decimals, as a field or the character's rounding produces it.
    double Dezimal(int64_t lo, int64_t hi, int stellen)
    {
        const double p = std::pow(10.0, stellen);
        return static_cast<double>(Ganz(lo, hi)) / p;
    }
};

} // namespace

// The closed form must equal the term-by-term sum bit for bit, or the pages and the
// optimiser would show other numbers than before. Raw values stay below 4 million here,
// where the doubles of the term-by-term sum keep the tolerance of the floors.
TEST(Schadensmittel, GeschlosseneFormGleichDerSummeUeberZufallsbereiche)
{
    TZufall z;
    int grosse = 0;
    for (int fall = 0; fall < 3000; ++fall) {
        // Armour with two decimals, sometimes with the block bonus added in doubles (up
        // to 200, where every hit is absorbed); absorb with one or two decimals.
        double r = z.Dezimal(0, 10000, 2);
        if (fall % 5 == 0)
            r += z.Dezimal(0, 1000, 1);
        const double a = fall % 3 == 0 ? z.Dezimal(0, 99999, 1) : z.Dezimal(0, 5000, 2);
        int64_t breite = z.Ganz(0, 1000);
        if (fall % 100 == 0) {
            breite = z.Ganz(1000000, 1900000);
            ++grosse;
        }
        const int64_t min = z.Ganz(fall % 7 == 0 ? -5000 : 0, 1999999 - breite);
        const int64_t max = min + breite;
        ASSERT_EQ(MittlererSchaden(min, max, a, r), MittlererSchadenSummiert(min, max, a, r))
            << min << ".." << max << " a " << a << " r " << r;
        // Critical hits: doubled raw damage.
        ASSERT_EQ(MittlererSchaden(2 * min, 2 * max, a, r), MittlererSchadenSummiert(2 * min, 2 * max, a, r))
            << 2 * min << ".." << 2 * max << " a " << a << " r " << r;
        TSchadensmittel mittel(a, r);
        ASSERT_EQ(mittel.Mittel(min, max), MittlererSchaden(min, max, a, r));
    }
    EXPECT_EQ(grosse, 30);
}

// Whole products that land just below in binary (34 % of 100 = 65.99999999999999) and
// sums of armour values (26.1 + 55.3 = 81.39999999999999) keep their whole floors.
TEST(Schadensmittel, GanzeWerteAmRandDerToleranz)
{
    for (const auto &[r, a] : std::initializer_list<std::pair<double, double>>{{34.0, 0.0},
                                                                               {26.1 + 55.3, 0.0},
                                                                               {0.1 + 0.2, 0.3},
                                                                               {16.0 + 45.0, 25.0},
                                                                               {33.33, 0.01},
                                                                               {99.99, 0.0}})
        for (int64_t min : {0, 1, 99, 1000, 3000000})
            for (int64_t breite : {0, 1, 2, 99, 100, 10000}) {
                EXPECT_EQ(MittlererSchaden(min, min + breite, a, r),
                          MittlererSchadenSummiert(min, min + breite, a, r))
                    << r << " " << a << " " << min << " " << breite;
            }
    EXPECT_EQ(MittlererSchaden(100, 100, 0, 34), 66.0);
    EXPECT_EQ(MittlererSchaden(1000, 1000, 0, 26.1 + 55.3), 186.0);
}

// Far beyond anything the planner produces, the doubles of the term-by-term sum lose the
// tolerance; the closed form stays the exact value there.
TEST(Schadensmittel, ExaktJenseitsDerDoubleGenauigkeit)
{
    TZufall z;
    for (int fall = 0; fall < 200; ++fall) {
        const int64_t hr = z.Ganz(0, 10000), ha = z.Ganz(0, 99999);
        // Both the 64-bit and the 128-bit arithmetic of the closed form.
        const int64_t min = z.Ganz(0, fall % 2 == 0 ? int64_t(1) << 50 : int64_t(1000000000000));
        const int64_t max = min + z.Ganz(0, 300);
        ASSERT_EQ(
            MittlererSchaden(min, max, static_cast<double>(ha) / 100.0, static_cast<double>(hr) / 100.0),
            ExaktesMittel(min, max, hr, ha))
            << min << " " << max << " " << hr << " " << ha;
    }
    // And the same exact value where the doubles are still good.
    EXPECT_EQ(MittlererSchaden(0, 1234567, 12.3, 33.33), ExaktesMittel(0, 1234567, 3333, 1230));
}

// Armour above 100 turns the line downwards: only raw values below 0 do damage. Armour
// or absorb with more decimals than the fraction takes falls back to the sum.
TEST(Schadensmittel, FallendeGeradeUndVieleNachkommastellen)
{
    for (double r : {100.0, 150.0, 200.0, -20.0})
        for (double a : {0.0, 3.5})
            for (const auto &[min, max] : std::initializer_list<std::pair<int64_t, int64_t>>{
                     {-1000, 1000}, {-5, -1}, {0, 5000}, {-200000, -100000}})
                EXPECT_EQ(MittlererSchaden(min, max, a, r), MittlererSchadenSummiert(min, max, a, r))
                    << r << " " << a << " " << min << " " << max;
    EXPECT_EQ(MittlererSchaden(-10, -10, 0, 150), 5.0);
    for (double r : {100.0 / 3.0, 12.3456789})
        for (double a : {1.0 / 7.0, 2.5}) {
            EXPECT_EQ(MittlererSchaden(0, 5000, a, r), MittlererSchadenSummiert(0, 5000, a, r));
            TSchadensmittel mittel(a, r);
            EXPECT_EQ(mittel.Mittel(10, 900), MittlererSchadenSummiert(10, 900, a, r));
        }
    EXPECT_EQ(MittlererSchaden(5, 4, 0, 0), 0.0);
}

TEST(Schadensmittel, ExzellenteHeilungGleichDerSumme)
{
    TZufall z;
    for (int fall = 0; fall < 2000; ++fall) {
        const int64_t breite = fall % 100 == 0 ? z.Ganz(1000000, 3000000) : z.Ganz(0, 2000);
        const int64_t min = z.Ganz(-5000, 3000000);
        ASSERT_EQ(MittlereHeilung(min, min + breite, true), MittlereHeilungSummiert(min, min + breite, true))
            << min << " " << breite;
    }
    EXPECT_EQ(MittlereHeilung(-3, -3, true), -5.0);
    EXPECT_EQ(MittlereHeilung(8, 9, true), 12.5);
    EXPECT_EQ(MittlereHeilung(9, 8, true), 0.0);
    // Heals of a potency beyond the options' range: the average in no time.
    // Over 0 .. n-1 with n even: 1.5 (n - 1) / 2 less a quarter for the odd halves.
    const int64_t n = int64_t(1) << 41;
    EXPECT_EQ(MittlereHeilung(0, n - 1, true), 0.75 * static_cast<double>(n) - 1.0);
}
