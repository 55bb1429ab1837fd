// The list helpers of the table pages: sort direction tags, satellite sorts
// by column and NUL padding kept out of list lines.
#include "editor/pages/page_frame.h"
#include "editor/pages_tables/sat_ges_lists.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace sat_ges;

TEST(SatGESListsTest, SortDirectionTagAlternates)
{
    QPushButton button;
    Set_Tag(&button, QStringLiteral("1"));
    EXPECT_TRUE(Take_Sort_Direction(&button));
    EXPECT_EQ(Tag(&button), QStringLiteral("-1"));
    EXPECT_FALSE(Take_Sort_Direction(&button));
    EXPECT_EQ(Tag(&button), QStringLiteral("1"));
    EXPECT_TRUE(Take_Sort_Direction(&button));
}

namespace {
const QStringList SATS = {
    QStringLiteral("03   POR        1   ----,---,----,----,ISDN,SBB   178.0 "),
    QStringLiteral("00   AOR-W      0   ----,---,----,----,----,---   -54.0 "),
    QStringLiteral("01   AOR-E      1   CN11,---,----,----,----,---   -15.5 "),
};
} // namespace

TEST(SatGESListsTest, SatelliteSortsByEveryColumn)
{
    QStringList sorted;
    ASSERT_TRUE(Sort_Sat_Lines(SATS, 0, true, sorted));
    EXPECT_EQ(sorted, (QStringList{SATS[1], SATS[2], SATS[0]}));
    ASSERT_TRUE(Sort_Sat_Lines(SATS, 0, false, sorted));
    EXPECT_EQ(sorted, (QStringList{SATS[0], SATS[2], SATS[1]}));
    ASSERT_TRUE(Sort_Sat_Lines(SATS, 1, true, sorted));
    EXPECT_EQ(sorted, (QStringList{SATS[2], SATS[1], SATS[0]}));
    // preference: ties broken by the columns after it (services, ...)
    ASSERT_TRUE(Sort_Sat_Lines(SATS, 2, true, sorted));
    EXPECT_EQ(sorted, (QStringList{SATS[1], SATS[0], SATS[2]}));
    // services compare by their text: "-" comes before "C"
    ASSERT_TRUE(Sort_Sat_Lines(SATS, 3, true, sorted));
    EXPECT_EQ(sorted, (QStringList{SATS[1], SATS[0], SATS[2]}));
    // longitudes compare as right-aligned text
    ASSERT_TRUE(Sort_Sat_Lines(SATS, 4, true, sorted));
    EXPECT_EQ(sorted, (QStringList{SATS[2], SATS[1], SATS[0]}));
}

TEST(SatGESListsTest, ShortLinesComeBackWhole)
{
    QStringList sorted;
    ASSERT_TRUE(Sort_Sat_Lines({QStringLiteral("01   AOR-E"), QStringLiteral("00   AOR-W      1")}, 0, true, sorted));
    EXPECT_EQ(sorted, (QStringList{QStringLiteral("00   AOR-W      1   ----,---,----,----,----,---     0.0 "),
                                   QStringLiteral("01   AOR-E      1   ----,---,----,----,----,---     0.0 ")}));
}

TEST(SatGESListsTest, UnreadableSatIdRefusesTheSort)
{
    QStringList sorted = {QStringLiteral("untouched")};
    EXPECT_FALSE(Sort_Sat_Lines({SATS[0], QStringLiteral("9Z   BAD")}, 0, true, sorted));
    EXPECT_EQ(sorted, QStringList{QStringLiteral("untouched")});
}

TEST(SatGESListsTest, ListLinesKeepOnlyTheTextBeforeANul)
{
    QListWidget list;
    Keep_Text_Before_Nul(&list);
    list.addItem(QStringLiteral("00   002   1   EIK") + QChar(0) + QChar(0));
    list.addItems({QStringLiteral("A") + QChar(0) + QStringLiteral("B"), QStringLiteral("plain")});
    EXPECT_EQ(List_Lines(&list), (QStringList{QStringLiteral("00   002   1   EIK"), QStringLiteral("A"),
                                              QStringLiteral("plain")}));
    list.item(2)->setText(QStringLiteral("X") + QChar(0));
    EXPECT_EQ(list.item(2)->text(), QStringLiteral("X"));
    Set_List_Lines(&list, {QStringLiteral("1"), QStringLiteral("2") + QChar(0)});
    EXPECT_EQ(List_Lines(&list), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
}
