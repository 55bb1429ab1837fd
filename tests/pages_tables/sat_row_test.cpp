// Satellite rows: the line format from every column, parsing back, services
// text, clamps and the rules for names.
#include "editor/pages_tables/sat_row.h"

#include <gtest/gtest.h>

using namespace modSat_Table_Dialog;

namespace {

const QString FACTORY_LINE = QStringLiteral("00   AOR-W      1");
const QString FACTORY_FULL = QStringLiteral("00   AOR-W      1   ----,---,----,----,----,---     0.0 ");

Sat_Row Row(std::int16_t id, const char* name, std::int16_t pref, std::int16_t services, float lng)
{
    Sat_Row row;
    row.Sat_ID = id;
    row.Name = QString::fromLatin1(name);
    row.Pref = pref;
    row.Services = services;
    row.Longitude = lng;
    return row;
}

} // namespace

TEST(SatRowTest, FactoryLineParsesAndFormatsToTheFullLine)
{
    Sat_Row row;
    EXPECT_TRUE(Set_Sat_Row(row, FACTORY_LINE, 0));
    EXPECT_EQ(row, Row(0, "AOR-W", 1, 0, 0.0F));
    const QString line = Get_Sat_Row(row, 0);
    EXPECT_EQ(line, FACTORY_FULL);
    EXPECT_EQ(line.size(), SAT_LINE_LENGTH);
    // and the full line reads back to the same row
    EXPECT_EQ(Parse_Sat_Line(line, 0), row);
}

TEST(SatRowTest, EveryColumnStandsAtItsPosition)
{
    const QString line = Get_Sat_Row(Row(012, "IOR", 0, 0b000011, -12.5F), 0);
    ASSERT_EQ(line.size(), 56);
    EXPECT_EQ(line.mid(0, 2), QStringLiteral("12"));
    EXPECT_EQ(line.mid(2, 3), QStringLiteral("   "));
    EXPECT_EQ(line.mid(5, 9), QStringLiteral("IOR      "));
    EXPECT_EQ(line.mid(14, 2), QStringLiteral("  "));
    EXPECT_EQ(line.mid(16, 1), QStringLiteral("0"));
    EXPECT_EQ(line.mid(20, 27), QStringLiteral("----,---,----,----,ISDN,SBB"));
    EXPECT_EQ(line.mid(49, 6), QStringLiteral(" -12.5"));
    EXPECT_EQ(line.right(1), QStringLiteral(" "));
}

TEST(SatRowTest, OctalIdsReadAndOutOfRangeGivesZero)
{
    EXPECT_EQ(Parse_Sat_Line(QStringLiteral("77   X")).Sat_ID, 63);
    EXPECT_EQ(Parse_Sat_Line(QStringLiteral("10   X")).Sat_ID, 8);
    EXPECT_EQ(Parse_Sat_Line(QStringLiteral("100   X")).Sat_ID, 0); // 64
    Sat_Row row;
    EXPECT_FALSE(Set_Sat_Row(row, QStringLiteral("9A   X"), 0));
    EXPECT_EQ(row.Sat_ID, 0);
    EXPECT_EQ(row.Name, QStringLiteral("X"));
    EXPECT_EQ(Sat_ID_Text(63), QStringLiteral("77"));
    EXPECT_EQ(Sat_ID_Text(5), QStringLiteral("05"));
}

TEST(SatRowTest, ServicesTextBothWays)
{
    EXPECT_EQ(Services_Text(0), QStringLiteral("----,---,----,----,----,---"));
    EXPECT_EQ(Services_Text(0b000011), QStringLiteral("----,---,----,----,ISDN,SBB"));
    EXPECT_EQ(Services_Text(0b111111), QStringLiteral("CN11,21k,8.4k,MPDS,ISDN,SBB"));
    for (int bits = 0; bits < 64; ++bits) {
        EXPECT_EQ(Services_Text(static_cast<std::int16_t>(bits)).size(), 27);
        EXPECT_EQ(Services_From_Text(Services_Text(static_cast<std::int16_t>(bits))), bits);
    }
    // lower case counts
    EXPECT_EQ(Parse_Sat_Line(QStringLiteral("01 AB 1 isdn,sbb")).Services, 0b000011);
    EXPECT_EQ(Sat_Services()[3].Caption, std::string("8.4kbps C-chan"));
    EXPECT_EQ(Sat_Services()[5].Code, std::string("CN11"));
}

TEST(SatRowTest, PreferenceAndLongitudeRanges)
{
    EXPECT_EQ(Parse_Sat_Line(QStringLiteral("01 AB 0")).Pref, 0);
    EXPECT_EQ(Parse_Sat_Line(QStringLiteral("01 AB 7")).Pref, 1);
    EXPECT_EQ(Parse_Sat_Line(QStringLiteral("01 AB x")).Pref, 0);
    EXPECT_EQ(Parse_Sat_Line(QStringLiteral("01 AB 1 --- 200")).Longitude, 180.0F);
    EXPECT_EQ(Parse_Sat_Line(QStringLiteral("01 AB 1 --- -300")).Longitude, -180.0F);
    EXPECT_EQ(Parse_Sat_Line(QStringLiteral("01 AB 1 --- -12.5")).Longitude, -12.5F);
    // a preference outside 0 to 1 is written as 1, the longitude clamped
    const QString line = Get_Sat_Row(Row(1, "AB", 5, 0, 200.0F), 0);
    EXPECT_EQ(line.mid(16, 1), QStringLiteral("1"));
    EXPECT_EQ(line.mid(49, 6), QStringLiteral(" 180.0"));
    EXPECT_EQ(Get_Sat_Row(Row(1, "AB", 1, 0, -180.0F)).mid(49, 6), QStringLiteral("-180.0"));
    EXPECT_EQ(Get_Sat_Row(Row(1, "AB", 1, 0, 12.3F)).mid(49, 6), QStringLiteral("  12.3"));
}

TEST(SatRowTest, FormattingFromAColumnRotatesTheLine)
{
    const Sat_Row row = Parse_Sat_Line(FACTORY_LINE);
    const QString from2 = Get_Sat_Row(row, 2);
    EXPECT_TRUE(from2.startsWith(QStringLiteral("  1   ----,")));
    EXPECT_EQ(from2, QStringLiteral("  1   ----,---,----,----,----,---     0.0 00   AOR-W    "));
    // a column above 4 counts as 0
    EXPECT_EQ(Get_Sat_Row(row, 9), FACTORY_FULL);
    for (int column = 0; column < SAT_COLUMN_COUNT; ++column) {
        const Sat_Row sample = Row(045, "EMEA", 0, 0b101010, -99.5F);
        EXPECT_EQ(Parse_Sat_Line(Get_Sat_Row(sample, column), column), sample) << column;
    }
}

TEST(SatRowTest, NamesAreCutAndNeverCarryABlank)
{
    EXPECT_EQ(Parse_Sat_Line(QStringLiteral("01   ABCDEFG 1")).Name, QStringLiteral("ABCDE"));
    // NUL padding of a record name shows only what stands before the NUL
    const QString padded = QStringLiteral("AB") + QChar(0) + QChar(0);
    EXPECT_EQ(Get_Sat_Row(Row(1, "", 1, 0, 0.0F)).mid(5, 9), QString(9, QLatin1Char(' ')));
    Sat_Row nul_row = Row(1, "", 1, 0, 0.0F);
    nul_row.Name = padded;
    EXPECT_EQ(Get_Sat_Row(nul_row).mid(5, 9), QStringLiteral("AB       "));
    // a blank inside a name would shift the later columns when read back
    Sat_Row blank = Row(2, "A B", 0, 0b000001, 15.0F);
    const QString line = Get_Sat_Row(blank);
    EXPECT_EQ(line.mid(5, 9), QStringLiteral("A-B      "));
    const Sat_Row back = Parse_Sat_Line(line);
    EXPECT_EQ(back.Name, QStringLiteral("A-B"));
    EXPECT_EQ(back.Pref, 0);
    EXPECT_EQ(back.Services, 1);
    EXPECT_EQ(back.Longitude, 15.0F);
}

TEST(SatRowTest, EmptyLineGivesTheNewRow)
{
    Sat_Row row = Row(5, "XX", 0, 3, 9.0F);
    EXPECT_TRUE(Set_Sat_Row(row, QString(), 3));
    EXPECT_EQ(row, Sat_Row{});
}

TEST(SatRowTest, SharedRowHelpers)
{
    Set_Sat_Row(QStringLiteral("07   AMER       1"));
    EXPECT_EQ(Edit_Sat_Row().Sat_ID, 7);
    EXPECT_EQ(Edit_Sat_Row().Name, QStringLiteral("AMER"));
    EXPECT_TRUE(Get_Sat_Row().startsWith(QStringLiteral("07   AMER       1   ----")));
    Edit_Sat_Row() = Sat_Row{};
}

TEST(SatRowTest, LeadingNumber)
{
    EXPECT_EQ(Leading_Number(QStringLiteral("  -12.5abc")), -12.5);
    EXPECT_EQ(Leading_Number(QStringLiteral("7")), 7.0);
    EXPECT_EQ(Leading_Number(QStringLiteral("1.2.3")), 1.2);
    EXPECT_FALSE(Leading_Number(QStringLiteral("")).has_value());
    EXPECT_FALSE(Leading_Number(QStringLiteral("-")).has_value());
    EXPECT_FALSE(Leading_Number(QStringLiteral("x1")).has_value());
}
