// PSID table rows and the compact dialog form, without widgets.
#include "editor/pages/psid_row.h"

#include <gtest/gtest.h>

using pages::PSID_Fields;
using pages::PSID_Values;

TEST(PsidRow, CompactFormPadsEachField)
{
    EXPECT_EQ(pages::Make_PSID_Compact({"7", "12", "1770", "0"}), QStringLiteral("07 1217700000"));
    EXPECT_EQ(pages::Make_PSID_Compact({"77", "255", "4C90", "1770"}),
              QStringLiteral("772554C901770"));
    EXPECT_EQ(pages::Make_PSID_Compact({"0", "0", "0", "0"}).size(), pages::PSID_COMPACT_LENGTH);
}

TEST(PsidRow, RowColumnsFromCompactForm)
{
    // Sat 7, revision 12, PSID-1 1770, PSID-2 0.
    const QString row = pages::PSID_Row_From_Compact(QStringLiteral("07 1217700000"));
    ASSERT_EQ(row.size(), pages::PSID_ROW_LENGTH);
    EXPECT_EQ(row, QStringLiteral("07      12   0x1770 0x0000"));
    EXPECT_EQ(row.mid(0, 2), QStringLiteral("07"));
    EXPECT_EQ(row.mid(8, 2), QStringLiteral("12"));
    EXPECT_EQ(row.mid(15, 4), QStringLiteral("1770"));
    EXPECT_EQ(row.mid(22, 4), QStringLiteral("0000"));

    // Sat 1, revision 5: the digits 01, seven blanks, 5.
    const QString one = pages::Make_PSID_Row({"1", "5", "1770", "0"});
    EXPECT_EQ(one, QStringLiteral("01       5   0x1770 0x0000"));
    EXPECT_EQ(one.mid(13, 6), QStringLiteral("0x1770"));
    EXPECT_EQ(one.mid(20, 6), QStringLiteral("0x0000"));
}

TEST(PsidRow, SplitRowAndCompactRoundTrip)
{
    const QString row = QStringLiteral("63     255   0x4C90 0x1770");
    const PSID_Fields fields = pages::Split_PSID_Row(row);
    EXPECT_EQ(fields, (PSID_Fields{"63", "255", "4C90", "1770"}));
    EXPECT_EQ(pages::Make_PSID_Row(fields), row);

    const PSID_Fields short_revision = pages::Split_PSID_Row(QStringLiteral("01       5   0x1770 0x0000"));
    EXPECT_EQ(short_revision.Revision, QStringLiteral("5"));
    EXPECT_EQ(pages::PSID_Row_Sat_ID(QStringLiteral("01       5   0x1770 0x0000")),
              QStringLiteral("01"));

    const PSID_Fields compact = pages::Split_PSID_Compact(QStringLiteral("05  9ABCD0000"));
    EXPECT_EQ(compact, (PSID_Fields{"05", "  9", "ABCD", "0000"}));
    EXPECT_EQ(pages::Make_PSID_Compact(compact), QStringLiteral("05  9ABCD0000"));
}

TEST(PsidRow, NumbersToRowsAndBack)
{
    const PSID_Values values{063, 200, 0x4C90, 0};
    const QString row = pages::Format_PSID_Row(values);
    EXPECT_EQ(row, QStringLiteral("63     200   0x4C90 0x0000"));
    const auto parsed = pages::Parse_PSID_Row(row);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, values);

    EXPECT_EQ(pages::Format_PSID_Row({0, 0, 0x1770, 0x1770}),
              QStringLiteral("00       0   0x1770 0x1770"));
    EXPECT_EQ(pages::Format_PSID_Row({7, 5, 0xabc, 0}), QStringLiteral("07       5   0x0ABC 0x0000"));
}

TEST(PsidRow, BadRowsGiveNothing)
{
    EXPECT_FALSE(pages::Parse_PSID_Row(QString()).has_value());
    EXPECT_FALSE(pages::Parse_PSID_Row(QStringLiteral("07      12   0x1770")).has_value());
    // Not octal, not decimal, not hex, revision above 255.
    EXPECT_FALSE(pages::Parse_PSID_Row(QStringLiteral("08      12   0x1770 0x0000")).has_value());
    EXPECT_FALSE(pages::Parse_PSID_Row(QStringLiteral("07      1A   0x1770 0x0000")).has_value());
    EXPECT_FALSE(pages::Parse_PSID_Row(QStringLiteral("07      12   0x17G0 0x0000")).has_value());
    EXPECT_FALSE(pages::Parse_PSID_Row(QStringLiteral("07     256   0x1770 0x0000")).has_value());
    EXPECT_FALSE(pages::Parse_PSID_Row(QStringLiteral("07           0x1770 0x0000")).has_value());
}

TEST(PsidRow, ReportSection)
{
    EXPECT_EQ(pages::PSID_Report_Lines({}), QStringList{QStringLiteral("PSID TABLE IS EMPTY")});

    const QStringList rows{QStringLiteral("07      12   0x1770 0x0000"),
                           QStringLiteral("01       5   0x1770 0x4C90")};
    const QStringList expected{QStringLiteral("      TABLE"),
                               QStringLiteral("SAT    REV   PSID-1 PSID-2"),
                               QStringLiteral("--------------------------"),
                               rows[0],
                               rows[1]};
    EXPECT_EQ(pages::PSID_Report_Lines(rows), expected);
}
