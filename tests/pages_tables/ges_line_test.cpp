// GES table lines: fields by position, the compact entry of the dialog,
// satellite choices and the four column sorts.
#include "editor/pages_tables/ges_line.h"

#include <gtest/gtest.h>

using namespace ges;

TEST(GESLineTest, FieldsByPosition)
{
    const GES_Fields f = Read_GES_Line(QStringLiteral("00   002   1   EIK-AW"));
    EXPECT_EQ(f.Sat_ID, QStringLiteral("00"));
    EXPECT_EQ(f.GES_ID, QStringLiteral("002"));
    EXPECT_EQ(f.Pref, QStringLiteral("1"));
    EXPECT_EQ(f.Name, QStringLiteral("EIK-AW"));
    // only 14 name characters are read; a short line gives what there is
    EXPECT_EQ(Read_GES_Line(QStringLiteral("01   101   9   ABCDEFGHIJKLMNOPQ")).Name,
              QStringLiteral("ABCDEFGHIJKLMN"));
    const GES_Fields shortf = Read_GES_Line(QStringLiteral("01   10"));
    EXPECT_EQ(shortf.GES_ID, QStringLiteral("10"));
    EXPECT_TRUE(shortf.Pref.isEmpty());
    // NUL padding of a name is not part of it
    EXPECT_EQ(Read_GES_Line(QStringLiteral("01   101   9   AB") + QChar(0) + QChar(0)).Name, QStringLiteral("AB"));
}

TEST(GESLineTest, CompactEntryAndStoredLine)
{
    const QString entry = Compact_GES_Entry(QStringLiteral("00   AOR-W"), QStringLiteral("2"), 1,
                                            QStringLiteral("EIK-AW"));
    EXPECT_EQ(entry, QStringLiteral("000021EIK-AW"));
    EXPECT_EQ(GES_Line_From_Compact(entry), QStringLiteral("00   002   1   EIK-AW"));
    // the name is stored upper-case, at most 14 characters
    EXPECT_EQ(GES_Line_From_Compact(QStringLiteral("033779goonhilly-uk-xyz")),
              QStringLiteral("03   377   9   GOONHILLY-UK-X"));
    EXPECT_TRUE(GES_Line_From_Compact(QString()).isEmpty());
    EXPECT_EQ(GES_Line(QStringLiteral("05"), QStringLiteral("120"), QStringLiteral("3"), QStringLiteral("X")),
              QStringLiteral("05   120   3   X"));
}

TEST(GESLineTest, SatelliteChoices)
{
    const QStringList sats = {QStringLiteral("00   AOR-W      1   ----"), QStringLiteral("05   APAC")};
    const QString choices = Sat_Choices(sats);
    EXPECT_EQ(choices, QStringLiteral("00   AOR-W05   APAC "));
    EXPECT_EQ(Split_Sat_Choices(choices),
              (QStringList{QStringLiteral("00   AOR-W"), QStringLiteral("05   APAC ")}));
    EXPECT_TRUE(Sat_Choices({}).isEmpty());
    EXPECT_TRUE(Split_Sat_Choices(QString()).isEmpty());
}

namespace {
const QStringList LINES = {
    QStringLiteral("01   101   3   BETA"),
    QStringLiteral("00   305   1   ALPHA"),
    QStringLiteral("00   002   1   EIK-AW"),
    QStringLiteral("02   002   9   ZULU"),
};
} // namespace

TEST(GESLineTest, SortBySatelliteUsesTheWholeLine)
{
    EXPECT_EQ(Sort_GES_Lines(LINES, GES_Sort::Sat, true),
              (QStringList{LINES[2], LINES[1], LINES[0], LINES[3]}));
    EXPECT_EQ(Sort_GES_Lines(LINES, GES_Sort::Sat, false),
              (QStringList{LINES[3], LINES[0], LINES[1], LINES[2]}));
}

TEST(GESLineTest, SortByGESIdBreaksTiesBySatellite)
{
    EXPECT_EQ(GES_Sort_Key(LINES[0], GES_Sort::GES), QStringLiteral("101013BETA"));
    EXPECT_EQ(Sort_GES_Lines(LINES, GES_Sort::GES, true),
              (QStringList{LINES[2], LINES[3], LINES[0], LINES[1]}));
}

TEST(GESLineTest, SortByPreference)
{
    EXPECT_EQ(GES_Sort_Key(LINES[0], GES_Sort::Pref), QStringLiteral("310101BETA"));
    EXPECT_EQ(Sort_GES_Lines(LINES, GES_Sort::Pref, true),
              (QStringList{LINES[2], LINES[1], LINES[0], LINES[3]}));
    EXPECT_EQ(Sort_GES_Lines(LINES, GES_Sort::Pref, false),
              (QStringList{LINES[3], LINES[0], LINES[1], LINES[2]}));
}

TEST(GESLineTest, SortByNamePadsTheName)
{
    EXPECT_EQ(GES_Sort_Key(LINES[0], GES_Sort::Name), QStringLiteral("BETA          101013"));
    const QStringList sorted = Sort_GES_Lines(LINES, GES_Sort::Name, true);
    EXPECT_EQ(sorted, (QStringList{QStringLiteral("00   305   1   ALPHA         "),
                                   QStringLiteral("01   101   3   BETA          "),
                                   QStringLiteral("00   002   1   EIK-AW        "),
                                   QStringLiteral("02   002   9   ZULU          ")}));
    // the padded lines read back to the same fields
    EXPECT_EQ(Read_GES_Line(sorted[0]).GES_ID, QStringLiteral("305"));
    // and sorting them again by satellite keeps the padding
    EXPECT_EQ(Sort_GES_Lines(sorted, GES_Sort::Sat, true)[0], QStringLiteral("00   002   1   EIK-AW        "));
}

TEST(GESLineTest, KeysRebuildTheLines)
{
    for (GES_Sort column : {GES_Sort::Sat, GES_Sort::GES, GES_Sort::Pref})
        for (const QString& line : LINES)
            EXPECT_EQ(GES_Line_From_Key(GES_Sort_Key(line, column), column), line);
    EXPECT_TRUE(Sort_GES_Lines({}, GES_Sort::GES, true).isEmpty());
}
