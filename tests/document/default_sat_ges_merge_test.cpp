#include "tests/secured_partition/secured_fixture.h"

#include "editor/document/default_sat_ges_merge.h"
#include "editor/pages_tables/sat_ges_lists.h"

using namespace secured_test;

namespace {

class SatGesMerge : public Secured_Fixture {
protected:
    void Set_User_Level(int feature_level, std::int32_t version = 14)
    {
        core::Versions().User_Current.Partition_Version = version;
        core::Versions().User_Current.Feature_Level = static_cast<std::uint8_t>(feature_level);
    }
    QStringList Sats() { return sat_ges::List_Lines(P().Sat_GES().Control_03); }
    QStringList GESs() { return sat_ges::List_Lines(P().Sat_GES().Control_02); }
    QStringList Ids(const QStringList& lines, int width)
    {
        QStringList ids;
        for (const QString& line : lines)
            ids << line.left(width);
        return ids;
    }
};

} // namespace

TEST_F(SatGesMerge, EmptyTablesGetEveryDefaultLine)
{
    Set_User_Level(4);
    Composite_Mod::Merge_Default_Sat_GES(P());
    ASSERT_EQ(Sats().size(), 8);
    ASSERT_EQ(GESs().size(), 12);
    EXPECT_EQ(Ids(Sats(), 2), (QStringList{"00", "01", "02", "03", "04", "05", "06", "07"}));
    EXPECT_TRUE(Sats()[1].contains(QStringLiteral("AOR-E")));
    EXPECT_TRUE(GESs().contains(QStringLiteral("05   120   1   PAUMALU-AP")));
}

TEST_F(SatGesMerge, BelowLevel4SatelliteLinesAreShort)
{
    Set_User_Level(3);
    Composite_Mod::Merge_Default_Sat_GES(P().Sat_GES());
    const QStringList sats = Sats();
    ASSERT_EQ(sats.size(), 8);
    for (const QString& line : sats)
        EXPECT_TRUE(line.startsWith(line.left(2) + QStringLiteral("   "))) << line.toStdString();
    EXPECT_TRUE(sats[5].startsWith(QStringLiteral("05   APAC")));
}

TEST_F(SatGesMerge, ExistingLinesAreKeptAndOnlyMissingOnesAdded)
{
    Set_User_Level(4);
    P().Sat_GES().Control_03->addItem(QStringLiteral("02   MINE       0"));
    P().Sat_GES().Control_02->addItem(QStringLiteral("00   002   3   OTHER"));
    Composite_Mod::Merge_Default_Sat_GES(P());
    EXPECT_EQ(Sats().size(), 8);
    EXPECT_EQ(Sats().filter(QStringLiteral("MINE")).size(), 1);
    EXPECT_EQ(Sats().filter(QStringLiteral("POR ")).size(), 0);
    EXPECT_EQ(GESs().size(), 12);
    EXPECT_TRUE(GESs().contains(QStringLiteral("00   002   3   OTHER")));
    EXPECT_FALSE(GESs().contains(QStringLiteral("00   002   1   EIK-AW")));
}

TEST_F(SatGesMerge, ASecondMergeAddsNothingAndBothTablesAreSorted)
{
    Set_User_Level(4);
    P().Sat_GES().Control_02->addItem(QStringLiteral("07   321   1   LAST"));
    Composite_Mod::Merge_Default_Sat_GES(P());
    const QStringList sats = Sats();
    const QStringList ges = GESs();
    Composite_Mod::Merge_Default_Sat_GES(P());
    EXPECT_EQ(Sats(), sats);
    EXPECT_EQ(GESs(), ges);
    QStringList sorted = Ids(ges, 2);
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(Ids(ges, 2), sorted);
    EXPECT_EQ(ges.size(), 13);
}

TEST_F(SatGesMerge, MergeStopsAtTheTableSizes)
{
    Set_User_Level(4);
    for (int id = 010; id < 024; ++id) // twelve satellites 10 to 23 (octal)
        P().Sat_GES().Control_03->addItem(QString::number(id, 8) + QStringLiteral("   SAT        1"));
    for (int ges = 0; ges < 125; ++ges)
        P().Sat_GES().Control_02->addItem(QStringLiteral("10   ") +
                                          QString::number(ges, 8).rightJustified(3, u'0') +
                                          QStringLiteral("   1   G"));
    Composite_Mod::Merge_Default_Sat_GES(P());
    EXPECT_EQ(Sats().size(), 16);
    EXPECT_EQ(GESs().size(), 128);
    // The first defaults in their order are the ones that fitted.
    EXPECT_TRUE(Ids(Sats(), 2).contains(QStringLiteral("03")));
    EXPECT_FALSE(Ids(Sats(), 2).contains(QStringLiteral("04")));
    EXPECT_TRUE(GESs().contains(QStringLiteral("01   103   1   AUSSAGUEL-AE")));
    EXPECT_FALSE(GESs().contains(QStringLiteral("01   104   1   EIK-AE")));
}

TEST_F(SatGesMerge, CockpitCategoryLimitFollowsTheUserVersion)
{
    for (const auto& [version, limit] : {std::pair{11, 25}, {8, 100}, {14, 100}, {99, 100}}) {
        Set_User_Level(0, version);
        EXPECT_EQ(Composite_Mod::Max_Cockpit_Numbers(), limit) << version;
    }
}
