// Cockpit directory lines: building, reading, NUL-padded lines, the sort
// keys of every column, the report rows and the per-generation limit.
#include "editor/pages_tables/cockpit_limit.h"
#include "editor/pages_tables/cockpit_number_line.h"

#include <gtest/gtest.h>

namespace {

using tables::Cockpit_Column;

const QString NUL(1, QChar(0));

// name (18) + number (22) + priority + 4 blanks + protection
QString Line(const QString& name, const QString& number, const QString& priority,
             const QString& protection)
{
    return name.leftJustified(18, QLatin1Char(' ')) + number.leftJustified(22, QLatin1Char(' ')) +
           priority + QStringLiteral("    ") + protection;
}

TEST(CockpitLine, DialogLineIs47ForNoAnd48ForYes)
{
    const QString no = tables::Cockpit_Number_Line(QStringLiteral("OPS"), QStringLiteral("1 555 0100"), 2, false);
    EXPECT_EQ(no, QStringLiteral("OPS               1 555 0100            2    No"));
    EXPECT_EQ(no.size(), 47);
    const QString yes = tables::Cockpit_Number_Line(QStringLiteral("MAINT OFFICE 1"),
                                                    QStringLiteral("123456789012345678"), 4, true);
    EXPECT_EQ(yes, QStringLiteral("MAINT OFFICE 1    123456789012345678    4    Yes"));
    EXPECT_EQ(yes.size(), 48);
    // An empty name starts the line with 18 blanks.
    EXPECT_TRUE(tables::Cockpit_Number_Line(QString(), QStringLiteral("1"), 3, false)
                    .startsWith(QString(18, QLatin1Char(' ')) + QLatin1Char('1')));
}

TEST(CockpitLine, ReadsTheColumnsTheDialogShows)
{
    const tables::Cockpit_Entry entry =
        tables::Read_Cockpit_Line(Line(QStringLiteral(" DISPATCH"), QStringLiteral("00 44 20 7946 0000"),
                                       QStringLiteral("7"), QStringLiteral("Yes")));
    EXPECT_EQ(entry.Name, QStringLiteral("DISPATCH"));
    EXPECT_EQ(entry.Number, QStringLiteral("00 44 20 7946 0000"));
    EXPECT_EQ(entry.Priority, QLatin1Char('7'));
    EXPECT_TRUE(entry.Protected);

    const tables::Cockpit_Entry short_entry = tables::Read_Cockpit_Line(QStringLiteral("AB"));
    EXPECT_EQ(short_entry.Name, QStringLiteral("AB"));
    EXPECT_TRUE(short_entry.Number.isEmpty());
    EXPECT_TRUE(short_entry.Priority.isNull());
    EXPECT_FALSE(short_entry.Protected);
}

TEST(CockpitLine, ProtectedOnlyWhenColumnsReadYes)
{
    EXPECT_TRUE(tables::Is_Protected_Line(Line(QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("Yes"))));
    EXPECT_FALSE(tables::Is_Protected_Line(Line(QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("No "))));
    EXPECT_FALSE(tables::Is_Protected_Line(Line(QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("No"))));
    EXPECT_FALSE(tables::Is_Protected_Line(Line(QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("YES"))));
}

TEST(CockpitLine, NulPaddedColumnsShowOnlyTheirTextPart)
{
    const QString padded = QStringLiteral("CREW") + QString(14, QChar(0)) + QStringLiteral("12345") +
                           QString(17, QChar(0)) + QStringLiteral("1    No ");
    const QString normal = tables::Normalize_Cockpit_Line(padded);
    EXPECT_EQ(normal, Line(QStringLiteral("CREW"), QStringLiteral("12345"), QStringLiteral("1"), QStringLiteral("No ")));
    // Text after a NUL inside a column is dropped with the padding.
    EXPECT_EQ(tables::Normalize_Cockpit_Line(QStringLiteral("AB") + NUL + QStringLiteral("XY")),
              QStringLiteral("AB").leftJustified(18, QLatin1Char(' ')));
    const QString clean = Line(QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("No"));
    EXPECT_EQ(tables::Normalize_Cockpit_Line(clean), clean);
    EXPECT_EQ(tables::Read_Cockpit_Line(padded).Name, QStringLiteral("CREW"));
    EXPECT_EQ(tables::Cockpit_Report_Row(padded),
              QStringLiteral("CREW          \t12345             \t1       \tNo "));
}

TEST(CockpitSort, KeysMoveTheColumnToTheFrontAndBack)
{
    const QString line = Line(QStringLiteral("NAME"), QStringLiteral("0 000 000 0000"), QStringLiteral("2"), QStringLiteral("Yes"));
    EXPECT_EQ(tables::Cockpit_Sort_Key(line, Cockpit_Column::Name), line);
    EXPECT_EQ(tables::Cockpit_Sort_Key(line, Cockpit_Column::Number),
              line.mid(18, 22) + line.mid(0, 18) + line.mid(40));
    EXPECT_EQ(tables::Cockpit_Sort_Key(line, Cockpit_Column::Priority),
              line.mid(40, 5) + line.mid(0, 40) + line.mid(45));
    EXPECT_EQ(tables::Cockpit_Sort_Key(line, Cockpit_Column::Protected), QStringLiteral("Yes") + line.left(45));

    const QString short_line = tables::Cockpit_Number_Line(QStringLiteral("X"), QStringLiteral("9"), 1, false);
    for (const Cockpit_Column column : {Cockpit_Column::Name, Cockpit_Column::Number, Cockpit_Column::Priority}) {
        EXPECT_EQ(tables::Cockpit_Line_From_Key(tables::Cockpit_Sort_Key(line, column), column), line);
        // A 47-character line keeps its length.
        EXPECT_EQ(tables::Cockpit_Line_From_Key(tables::Cockpit_Sort_Key(short_line, column), column), short_line);
    }
    // ...but comes back from a protected sort with its blank.
    EXPECT_EQ(tables::Cockpit_Line_From_Key(tables::Cockpit_Sort_Key(short_line, Cockpit_Column::Protected),
                                            Cockpit_Column::Protected),
              short_line + QLatin1Char(' '));
}

TEST(CockpitSort, NumberSortPutsZerosFirstAndOrdersEqualNumbersByName)
{
    const QString b = Line(QStringLiteral("BRAVO"), QStringLiteral("1 555 0100"), QStringLiteral("3"), QStringLiteral("No "));
    const QString a = Line(QStringLiteral("ALPHA"), QStringLiteral("1 555 0100"), QStringLiteral("1"), QStringLiteral("Yes"));
    const QString z = Line(QStringLiteral("ZULU"), QStringLiteral("0 000 000 0000"), QStringLiteral("4"), QStringLiteral("No "));
    EXPECT_EQ(tables::Sort_Cockpit_Lines({b, a, z}, Cockpit_Column::Number, true), (QStringList{z, a, b}));
    EXPECT_EQ(tables::Sort_Cockpit_Lines({b, a, z}, Cockpit_Column::Number, false), (QStringList{b, a, z}));
    EXPECT_EQ(tables::Sort_Cockpit_Lines({b, a, z}, Cockpit_Column::Name, true), (QStringList{a, b, z}));
    EXPECT_EQ(tables::Sort_Cockpit_Lines({b, a, z}, Cockpit_Column::Priority, true), (QStringList{a, b, z}));
    EXPECT_EQ(tables::Sort_Cockpit_Lines({b, a, z}, Cockpit_Column::Protected, false), (QStringList{a, z, b}));
    EXPECT_TRUE(tables::Sort_Cockpit_Lines({}, Cockpit_Column::Name, true).isEmpty());
}

TEST(CockpitSort, ProtectedSortMakesEveryLine48Long)
{
    const QString dialog_line = tables::Cockpit_Number_Line(QStringLiteral("A"), QStringLiteral("2"), 1, false);
    const QString record_line = Line(QStringLiteral("B"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("No "));
    const QStringList sorted = tables::Sort_Cockpit_Lines({record_line, dialog_line}, Cockpit_Column::Protected, true);
    ASSERT_EQ(sorted.size(), 2);
    EXPECT_EQ(sorted[0], dialog_line + QLatin1Char(' '));
    EXPECT_EQ(sorted[1], record_line);
}

TEST(CockpitReport, HeadingRuleAndRows)
{
    EXPECT_EQ(tables::Cockpit_Report_Heading(), QStringLiteral("  NAME        \t  NUMBER          \tPRIORITY\tPROTECTED"));
    EXPECT_EQ(tables::Cockpit_Report_Rule(), QString(59, QLatin1Char('-')));
    EXPECT_EQ(tables::Cockpit_Report_Row(Line(QStringLiteral("MAINT OFFICE 1"), QStringLiteral("123456789012345678"),
                                              QStringLiteral("4"), QStringLiteral("Yes"))),
              QStringLiteral("MAINT OFFICE 1\t123456789012345678\t4       \tYes"));
    EXPECT_EQ(tables::Cockpit_Report_Row(tables::Cockpit_Number_Line(QStringLiteral("OPS"), QStringLiteral("5"), 2, false)),
              QStringLiteral("OPS           \t5                 \t2       \tNo"));
}

TEST(CockpitLimit, TwentyFiveForVersion11Else100)
{
    EXPECT_EQ(tables::Max_Cockpit_Numbers(11), 25);
    EXPECT_EQ(tables::Max_Cockpit_Numbers(8), 100);
    EXPECT_EQ(tables::Max_Cockpit_Numbers(14), 100);
    EXPECT_EQ(tables::Max_Cockpit_Numbers(99), 100);
}

} // namespace
