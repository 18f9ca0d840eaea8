#include "base/Optionen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace mvt {
namespace {

TEST(Optionen, VersionMindestens)
{
    EXPECT_TRUE(VersionMindestens("1.13a", "1.13"));
    EXPECT_TRUE(VersionMindestens("1.13a", "1.13a"));
    EXPECT_FALSE(VersionMindestens("1.13", "1.13a"));
    EXPECT_TRUE(VersionMindestens("1.13", "1.13"));
    EXPECT_TRUE(VersionMindestens("1.08d", "1.08d"));
    EXPECT_FALSE(VersionMindestens("1.08", "1.08d"));
    EXPECT_FALSE(VersionMindestens("1.08d", "1.09"));
    EXPECT_TRUE(VersionMindestens("1.09", "1.08d"));
    EXPECT_TRUE(VersionMindestens("1.11", "1.09"));
    EXPECT_FALSE(VersionMindestens("1.08e", "1.11"));
    EXPECT_TRUE(VersionMindestens("1.08e", "1.08d"));
    EXPECT_FALSE(VersionMindestens("1.08c", "1.08d"));
    EXPECT_TRUE(VersionMindestens("2.00", "1.99z"));
    EXPECT_FALSE(VersionMindestens("0.99", "1.00"));
    // Short or empty texts compare without reading past their end.
    EXPECT_FALSE(VersionMindestens("", "1.08"));
    EXPECT_TRUE(VersionMindestens("1.1", "1.0"));
}

// StandardOptionenSetzen resets the record, potencies included, and nothing else.
TEST(Optionen, StandardwerteSetzen)
{
    TOptionen o;
    o.ActivePageIndex = 4;
    o.Wirkung[37] = 3.0;
    o.BSRWorld = 1;
    o.SaveParameters = false;
    StandardOptionenSetzen(o);
    EXPECT_EQ(o.ActivePageIndex, 0);
    EXPECT_EQ(o.Wirkung[37], 1.0);
    EXPECT_EQ(o.BSRWorld, 3);
    EXPECT_TRUE(o.SaveParameters);
    EXPECT_STREQ(WirkungSchluessel[WirkungsindexHandwerk(1)], "Holzverarbeitung");
    EXPECT_STREQ(WirkungSchluessel[WirkungsindexHandwerk(18)], "Wachdienst");
}

TEST(Optionen, WirkungBegrenzen)
{
    EXPECT_EQ(WirkungBegrenzen(4294967295.0), 99.0);
    EXPECT_EQ(WirkungBegrenzen(0.0), 0.52);
    EXPECT_EQ(WirkungBegrenzen(-3.0), 0.52);
    EXPECT_EQ(WirkungBegrenzen(1.25), 1.25);
    EXPECT_EQ(WirkungBegrenzen(std::nan("")), 0.52);
    EXPECT_EQ(WirkungBegrenzen(5.0, 1.0, 2.0), 2.0);
}

} // namespace
} // namespace mvt
