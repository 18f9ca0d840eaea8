#include "settings/Optionen.h"

#include <gtest/gtest.h>

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

TEST(Optionen, Standardwerte)
{
    TOptionen o;
    o.ActivePageIndex = 4;
    o.Wirkung[37] = 3.0;
    o.BSRWorld = 1;
    o.SaveParameters = false;
    StandardOptionenSetzen(o);
    EXPECT_EQ(o.ActivePageIndex, 0);
    EXPECT_TRUE(o.ShowHints);
    EXPECT_EQ(o.MinWirkung, 0.52);
    EXPECT_EQ(o.MaxWirkung, 99.0);
    for (double w : o.Wirkung)
        EXPECT_EQ(w, 1.0);
    EXPECT_FALSE(o.TreeViewAutoExpand);
    EXPECT_TRUE(o.SaveParameters);
    EXPECT_TRUE(o.CalcPotency);
    EXPECT_EQ(o.BSRWorld, 3);
    EXPECT_EQ(o.TransmissionInterval, 1000);
    EXPECT_TRUE(o.TownAutoUpdate);
    EXPECT_EQ(o.SZone, 2);
    EXPECT_EQ(o.BZone, 5);
    EXPECT_EQ(o.SZoneHS, 4);
    EXPECT_EQ(o.BZoneHS, 8);
    EXPECT_FALSE(o.WinterTheme);
    EXPECT_TRUE(o.DirectionalOptimization);
    EXPECT_TRUE(o.CPCalcPotency);
    EXPECT_EQ(o.CPWorld, 3);
    EXPECT_STREQ(WirkungSchluessel[WirkungsindexHandwerk(1)], "Holzverarbeitung");
    EXPECT_STREQ(WirkungSchluessel[WirkungsindexHandwerk(18)], "Wachdienst");
}

} // namespace
} // namespace mvt
