#include "editor/pages_hsd/les_line.h"

#include "editor/pages_hsd/hsd_field_helpers.h"

#include <gtest/gtest.h>

using namespace hsd;

namespace {

// (SAT, LES, preference) as a list line.
QString Line(const char* sat, int les, int pref)
{
    return LES_Line(QString::fromLatin1(sat), QString::number(les).rightJustified(3, QLatin1Char(' ')),
                    QString::number(pref));
}

} // namespace

TEST(LesLine, ColumnsAndCompactEntry)
{
    const QString line = QStringLiteral("01   12  1");
    EXPECT_EQ(LES_Sat(line), QStringLiteral("01"));
    EXPECT_EQ(LES_Id(line), QStringLiteral(" 12"));
    EXPECT_EQ(LES_Pref(line), QStringLiteral("1"));
    EXPECT_EQ(Line("01", 12, 1), line);
    EXPECT_EQ(LES_Line(QStringLiteral("01 121")), line);

    EXPECT_EQ(Compact_LES_Entry("7", "12", "1"), QStringLiteral("07 121"));
    EXPECT_EQ(Compact_LES_Entry("03", "555", "1"), QStringLiteral("035551"));
    EXPECT_EQ(Compact_LES_Entry("76", "0", "9"), QStringLiteral("76  09"));
}

TEST(LesLine, InvertPreference)
{
    EXPECT_EQ(Invert_Preference("9"), QStringLiteral("0"));
    EXPECT_EQ(Invert_Preference("1"), QStringLiteral("8"));
    EXPECT_EQ(Invert_Preference("0"), QStringLiteral("9"));
    EXPECT_EQ(Invert_Preference(""), QString());
    EXPECT_EQ(Invert_Preference("x"), QStringLiteral("x"));
}

TEST(LesLine, FindSatLesIgnoresPreference)
{
    const QStringList lines = {Line("00", 1, 1), Line("01", 12, 1), Line("01", 555, 1)};
    EXPECT_EQ(Find_Sat_LES(lines, QStringLiteral("01 125")), 1);
    EXPECT_EQ(Find_Sat_LES(lines, QStringLiteral("015559")), 2);
    EXPECT_EQ(Find_Sat_LES(lines, QStringLiteral("01 131")), -1);
    // SAT and LES must both match: LES 1 of satellite 01 is not in the list.
    EXPECT_EQ(Find_Sat_LES(lines, QStringLiteral("01  11")), -1);
    EXPECT_EQ(Find_Sat_LES({}, QStringLiteral("00  11")), -1);
}

TEST(LesLine, CanonicalOrder)
{
    const QStringList lines = {Line("02", 12, 1), Line("01", 555, 9), Line("01", 12, 1),
                               Line("01", 1, 9)};
    EXPECT_EQ(Canonical_LES_Order(lines),
              (QStringList{Line("01", 1, 9), Line("01", 555, 9), Line("01", 12, 1), Line("02", 12, 1)}));
    EXPECT_TRUE(Canonical_LES_Order({}).isEmpty());
    // Preference descending within one satellite, 9 first, 0 last.
    EXPECT_EQ(Canonical_LES_Order({Line("00", 5, 0), Line("00", 5 + 1, 5), Line("00", 7, 9)}),
              (QStringList{Line("00", 7, 9), Line("00", 6, 5), Line("00", 5, 0)}));
}

TEST(LesLine, ColumnSorts)
{
    const QStringList lines = {Line("00", 1, 1), Line("00", 555, 1), Line("01", 12, 1)};
    const QStringList by_les = {Line("00", 1, 1), Line("01", 12, 1), Line("00", 555, 1)};
    EXPECT_EQ(Sort_LES_By_Column(lines, LES_Column::LES, true), by_les);
    EXPECT_EQ(Sort_LES_By_Column(by_les, LES_Column::LES, false),
              (QStringList{Line("00", 555, 1), Line("01", 12, 1), Line("00", 1, 1)}));

    // Preference column, ties broken by LES then SAT; descending reverses the ties too.
    const QStringList mixed = {Line("03", 12, 5), Line("01", 12, 5), Line("00", 999, 2)};
    EXPECT_EQ(Sort_LES_By_Column(mixed, LES_Column::Pref, true),
              (QStringList{Line("00", 999, 2), Line("01", 12, 5), Line("03", 12, 5)}));
    EXPECT_EQ(Sort_LES_By_Column(mixed, LES_Column::Pref, false),
              (QStringList{Line("03", 12, 5), Line("01", 12, 5), Line("00", 999, 2)}));
    // Satellite column: the whole line.
    EXPECT_EQ(Sort_LES_By_Column(mixed, LES_Column::Sat, true),
              (QStringList{Line("00", 999, 2), Line("01", 12, 5), Line("03", 12, 5)}));
    // Keys rebuild the same lines, column for column.
    EXPECT_EQ(LES_Sort_Key(Line("01", 12, 5), LES_Column::LES), QStringLiteral(" 12015"));
    EXPECT_EQ(LES_Sort_Key(Line("01", 12, 5), LES_Column::Pref), QStringLiteral("5 1201"));
}

TEST(LesLine, ReportTable)
{
    QStringList out;
    Append_LES_Table(out, QStringLiteral("T:"), {}, QStringLiteral("EMPTY"));
    EXPECT_EQ(out, (QStringList{"", "T:", "", "EMPTY"}));
    out.clear();
    Append_LES_Table(out, QStringLiteral("T:"), {Line("01", 12, 1)}, QStringLiteral("EMPTY"));
    EXPECT_EQ(out, (QStringList{"", "T:", "", "SAT LES  PREF", "-------------", "01   12  1"}));
}

TEST(HsdFreeText, CleanedAtNulAndToTheSet)
{
    // Set 13: blank, "-", digits and letters of both cases.
    EXPECT_EQ(Clean_Free_Text(QStringLiteral("DataIO"), 13), QStringLiteral("DataIO"));
    EXPECT_EQ(Clean_Free_Text(QString::fromLatin1("DataIO\0\0\0junk", 13), 13), QStringLiteral("DataIO"));
    EXPECT_EQ(Clean_Free_Text(QStringLiteral("a_b#c"), 13), QStringLiteral("abc"));
    EXPECT_EQ(Clean_Free_Text(QStringLiteral("HSDU1_P1"), 13, QStringLiteral("_")),
              QStringLiteral("HSDU1_P1"));
    EXPECT_EQ(Clean_Free_Text(QString(QChar(0)), 0), QString());
    // Set 0: printable ASCII.
    EXPECT_EQ(Clean_Free_Text(QStringLiteral("apn.example\tx"), 0), QStringLiteral("apn.examplex"));
}
