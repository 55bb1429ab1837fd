// Default satellite and GES lines and their merge into the Sat/GES tables;
// the element default tables shared with the pages.

#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/pages_hsd/hsd_defaults.h"
#include "editor/pages_tables/page_sat_ges.h"
#include "editor/pages_tables/sat_ges_lists.h"
#include "editor/user_partition/user_defaults.h"

#include <QListWidget>
#include <gtest/gtest.h>

using namespace User_Mod;

TEST(UserDefaultTables, HoldExactlyTheirLinesAfterRepeatedFills)
{
    Set_Default_Tables();
    Set_Default_Tables();
    const Default_Sat_GES_Lines& table = Default_Sat_GES();
    ASSERT_EQ(table.Sat_Lines.size(), 8);
    ASSERT_EQ(table.GES_Lines.size(), 12);
    EXPECT_EQ(table.Sat_Lines.first(), QStringLiteral("00   AOR-W      1"));
    EXPECT_EQ(table.Sat_Lines[5], QStringLiteral("05   APAC       1"));
    EXPECT_EQ(table.Sat_Lines.last(), QStringLiteral("07   AMER       1"));
    EXPECT_EQ(table.GES_Lines[4], QStringLiteral("02   202   1   SANTA PAULA-P"));
    EXPECT_EQ(table.GES_Lines.last(), QStringLiteral("07   320   1   PAUMALU-AM"));
    for (const QString& line : table.Sat_Lines)
        EXPECT_EQ(line.size(), 17) << line.toStdString();
}

TEST(UserDefaultTables, ElementDefaultsAndLESTables)
{
    const int weightings[6] = {6, 2, 5, 6, 1, 2};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(core::Fact(core::Item_Fact_Id::Item_49_0, i).Default, weightings[i]) << i;
    const LES_Table& misdn = Default_MISDN_LES();
    EXPECT_EQ(LES_ID_Value(misdn[8]), 22);
    EXPECT_EQ(LES_ID_Value(misdn[11]), 555);
    EXPECT_EQ(Format_LES_Entry(misdn[4]), QStringLiteral("01   12  1"));
    EXPECT_EQ(Format_LES_Entry(Make_LES_Element(64, 1000, 9)), QStringLiteral("100  1000  9"));
    EXPECT_EQ(core::Fact(core::Item_Fact_Id::Item_103_6).Default, 219);
    EXPECT_EQ(core::Fact(core::Item_Fact_Id::Item_106_El_1).Default, 27.5);
}

TEST(UserDefaultMerge, ShortSatelliteLinesBelowFeatureLevelFour)
{
    QStringList sat;
    QStringList ges;
    EXPECT_EQ(Merge_Default_Lines(sat, ges, 3), 20);
    ASSERT_EQ(sat.size(), 8);
    EXPECT_EQ(sat[0], QStringLiteral("00   AOR-W"));
    EXPECT_EQ(sat[5], QStringLiteral("05   APAC "));
    EXPECT_EQ(ges.size(), 12);

    QStringList full;
    QStringList ges_full;
    Merge_Default_Lines(full, ges_full, 4);
    EXPECT_EQ(full[0], QStringLiteral("00   AOR-W      1"));
}

TEST(UserDefaultMerge, KeepsExistingLinesAndAddsOnlyWhatIsMissing)
{
    QStringList sat{QStringLiteral("02   OWN")};
    QStringList ges{QStringLiteral("00   002   5   MINE")};
    EXPECT_EQ(Merge_Default_Lines(sat, ges, 5), 7 + 11);
    EXPECT_EQ(sat[0], QStringLiteral("02   OWN"));
    EXPECT_EQ(ges[0], QStringLiteral("00   002   5   MINE"));
    EXPECT_EQ(Merge_Default_Lines(sat, ges, 5), 0);
}

TEST(UserDefaultMerge, PageTablesEndSortedBySatellite)
{
    core::Reset_Versions();
    core::Versions().User_Current.Feature_Level = 4;
    Page_Sat_GES page;
    page.Control_03->addItem(QStringLiteral("05   MINE"));
    page.Control_02->addItem(QStringLiteral("07   320   1   OWN"));
    Merge_Default_Sat_GES(page);
    const QStringList sat = sat_ges::List_Lines(page.Control_03);
    const QStringList ges = sat_ges::List_Lines(page.Control_02);
    ASSERT_EQ(sat.size(), 8);
    ASSERT_EQ(ges.size(), 12);
    for (int i = 1; i < sat.size(); ++i)
        EXPECT_LE(sat[i - 1].left(2), sat[i].left(2));
    for (int i = 1; i < ges.size(); ++i)
        EXPECT_LE(ges[i - 1].left(2), ges[i].left(2));
    EXPECT_EQ(sat.filter(QStringLiteral("MINE")).size(), 1);
    EXPECT_TRUE(ges.contains(QStringLiteral("07   320   1   OWN")));

    Merge_Default_Sat_GES(page);
    EXPECT_EQ(page.Control_03->count(), 8);
    EXPECT_EQ(page.Control_02->count(), 12);
    core::Reset_Versions();
}

TEST(UserDefaultMerge, FullTablesTakeNoMoreLines)
{
    core::Reset_Versions();
    core::Versions().User_Current.Feature_Level = 5;
    Page_Sat_GES page;
    for (int i = 0; i < Page_Sat_GES::SAT_TABLE_MAX - 1; ++i)
        page.Control_03->addItem(QStringLiteral("%1   S%2").arg(010 + i, 2, 8, QLatin1Char('0')).arg(i));
    for (int i = 0; i < Page_Sat_GES::GES_TABLE_MAX; ++i)
        page.Control_02->addItem(QStringLiteral("17   %1   1   G").arg(i, 3, 8, QLatin1Char('0')));
    Merge_Default_Sat_GES(page);
    EXPECT_EQ(page.Control_03->count(), Page_Sat_GES::SAT_TABLE_MAX);
    EXPECT_EQ(page.Control_02->count(), Page_Sat_GES::GES_TABLE_MAX);
    core::Reset_Versions();
}
