// Transit GES cells: octal texts both ways, cell titles and report lines.
#include "editor/pages_tables/transit_ges_cell.h"

#include <gtest/gtest.h>

using namespace transit;

TEST(TransitCellTest, CellsAreThreeOctalDigits)
{
    EXPECT_EQ(Transit_GES_Cell(7), QStringLiteral("007"));
    EXPECT_EQ(Transit_GES_Cell(255), QStringLiteral("377"));
    EXPECT_EQ(Transit_GES_Cell(0), QStringLiteral("000"));
    EXPECT_EQ(Transit_GES_Value(QStringLiteral("377")), 255);
    EXPECT_EQ(Transit_GES_Value(QStringLiteral("010")), 8);
    EXPECT_EQ(Transit_GES_Value(QStringLiteral("9")), 0);
    for (std::int16_t v = 0; v <= 255; ++v)
        EXPECT_EQ(Transit_GES_Value(Transit_GES_Cell(v)), v);
}

TEST(TransitCellTest, TitlesAndCaptions)
{
    EXPECT_EQ(Cell_Title(Zone_Captions()[38 / 4], 38), QStringLiteral("Short PSTN - SAT 02"));
    EXPECT_EQ(Cell_Title(Zone_Captions()[0], 3), QStringLiteral("Zone 1 - SAT 03"));
    EXPECT_EQ(Zone_Captions()[10], QStringLiteral("Non-PSTN"));
    EXPECT_EQ(Sat_Captions()[3], QStringLiteral("SAT 03"));
}

TEST(TransitCellTest, ReportLines)
{
    std::array<QString, TRANSIT_CELLS> cells;
    cells.fill(NO_GES_CELL);
    cells[38] = QStringLiteral("007");
    const QStringList lines = Transit_Report(Zone_Captions(), cells);
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines[0], QStringLiteral("AUTOMATIC TRANSIT CALL GES TABLE:"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("CALL TYPE    SAT 00   SAT 01   SAT 02   SAT 03"));
    EXPECT_EQ(lines[3], QStringLiteral("Zone 1         377      377      377      377"));
    EXPECT_EQ(lines[3].size(), 45);
    EXPECT_EQ(lines[12], QStringLiteral("Short PSTN     377      377      007      377"));
    EXPECT_EQ(lines[13], QStringLiteral("Non-PSTN       377      377      377      377"));
    // each value stands two columns to the right of its heading
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(lines[2].indexOf(Sat_Captions()[c]) + 2, 15 + 9 * c);
}
