#include "editor/core/text_helpers.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

QString Nuls(int n)
{
    return QString(n, QChar(u'\0'));
}

} // namespace

TEST(FixedStrings, MakeFixedStringUpperCasesAndNulPads)
{
    EXPECT_EQ(Make_Fixed_String(QStringLiteral("ab"), 4), QStringLiteral("AB") + Nuls(3));
    EXPECT_EQ(Make_Fixed_String(QString(), 2), Nuls(3));
    EXPECT_EQ(Make_Fixed_String(QStringLiteral("abcd"), 4), QStringLiteral("ABCD") + Nuls(1));
    EXPECT_EQ(Make_Fixed_String(QStringLiteral("abcde"), 4), QStringLiteral("ABCDE"));
    // Longer than the field: cut to the field, never longer.
    EXPECT_EQ(Make_Fixed_String(QStringLiteral("abcdefgh"), 4), QStringLiteral("ABCDE"));
}

TEST(FixedStrings, StripAtNullAndPadRightSpaces)
{
    EXPECT_EQ(Strip_At_Null(QStringLiteral("AB") + Nuls(3)), "AB");
    EXPECT_EQ(Strip_At_Null(QStringLiteral("A B\x01" "C")), "A B");
    EXPECT_EQ(Strip_At_Null(QStringLiteral("NO NUL")), "NO NUL");
    EXPECT_EQ(Strip_At_Null(QStringLiteral("caf\u00e9")), "caf");
    EXPECT_EQ(Pad_Right_Spaces(QStringLiteral("JOHN") + Nuls(10), 8), "JOHN    ");
    EXPECT_EQ(Pad_Right_Spaces(QStringLiteral("TOO LONG TEXT"), 4), "TOO LONG TEXT");
    EXPECT_EQ(Pad_Zeros(7, 3), "007");
    EXPECT_EQ(Pad_Zeros(QStringLiteral("1234"), 3), "1234");
    EXPECT_EQ(Pad_Zeros(QString(), 2), "00");
}

TEST(FixedStrings, MakePhoneField)
{
    EXPECT_EQ(Make_Phone_Field(QString(), 15), QString(14, QLatin1Char('-')) + Nuls(1));
    EXPECT_EQ(Make_Phone_Field(QString(), 19), QString(18, QLatin1Char('-')) + Nuls(1));
    EXPECT_EQ(Make_Phone_Field(QStringLiteral("ABCDEFGHIJKLMNOPQRST"), 15),
              QStringLiteral("ABCDEFGHIJKLMN") + Nuls(1));
    EXPECT_EQ(Make_Phone_Field(QStringLiteral("  AOR-W  "), 15), QStringLiteral("AOR-W") + Nuls(10));
    EXPECT_EQ(Make_Phone_Field(QStringLiteral("   "), 6), QStringLiteral("-----") + Nuls(1));
    // Cut at 14 before trimming: the blanks at 14 and beyond do not count.
    EXPECT_EQ(Make_Phone_Field(QStringLiteral("ABCDEFGHIJKLM  X"), 15),
              QStringLiteral("ABCDEFGHIJKLM") + Nuls(2));
}

TEST(FixedStrings, PadFieldAllFlagCombinations)
{
    const QString nul = Nuls(1);
    EXPECT_EQ(Pad_Field(true, true, QStringLiteral("7"), 4, QStringLiteral("0")), QStringLiteral("007") + nul);
    EXPECT_EQ(Pad_Field(false, true, QStringLiteral("7"), 4, QStringLiteral("0")), QStringLiteral("7") + nul + "00");
    EXPECT_EQ(Pad_Field(true, false, QStringLiteral("7"), 3, QStringLiteral(" ")), "  7");
    EXPECT_EQ(Pad_Field(false, false, QStringLiteral("7"), 3, QStringLiteral(" ")), "7  ");
    EXPECT_EQ(Pad_Field(true, true, QString(), 4, QStringLiteral("-")), QStringLiteral("---") + nul);
    EXPECT_EQ(Pad_Field(false, false, QString(), 3, QStringLiteral("-")), "---");
    EXPECT_EQ(Pad_Field(true, true, QStringLiteral("ABCD"), 4, QStringLiteral("0")), "ABCD");
    EXPECT_EQ(Pad_Field(true, false, QStringLiteral("7"), 3, QStringLiteral("ab")), "7");
    EXPECT_EQ(Pad_Field(true, false, QStringLiteral("7"), 3, QString()), "7");
}

TEST(CleanTexts, SanitizeKeepsTheLength)
{
    EXPECT_EQ(Sanitize_String(QStringLiteral("ab\u00e9c~"), 1), "AB C~");
    EXPECT_EQ(Sanitize_String(QStringLiteral("12 34"), 7), "12-34");
    EXPECT_EQ(Sanitize_String(QStringLiteral("1\b2"), 4), QStringLiteral("1\b2"));
    EXPECT_EQ(Sanitize_String(QStringLiteral("1x\u00e92"), 4), "1002");
    EXPECT_EQ(Sanitize_String(QStringLiteral("aZ"), 13), "aZ");
}

TEST(CleanTexts, CollapseSpaces)
{
    EXPECT_EQ(Collapse_Spaces(QStringLiteral("  A   B  C ")), "A B C");
    EXPECT_EQ(Collapse_Spaces(QStringLiteral("    ")), "");
    EXPECT_EQ(Collapse_Spaces(QStringLiteral("AB")), "AB");
}

TEST(Extensions, OnlyTheFileNamePartCounts)
{
    EXPECT_EQ(Strip_Extension(QStringLiteral("ort.cfg")), "ort");
    EXPECT_EQ(Strip_Extension(QStringLiteral("a.long")), "a.long");
    EXPECT_EQ(Strip_Extension(QStringLiteral("a.b")), "a");
    EXPECT_EQ(Strip_Extension(QStringLiteral("ab")), "ab");
    EXPECT_EQ(Strip_Extension(QStringLiteral("name.")), "name.");
    EXPECT_EQ(Strip_Extension(QStringLiteral("/home/x/v1.2/ort")), "/home/x/v1.2/ort");
    EXPECT_EQ(Strip_Extension(QStringLiteral("/home/x/v1.2/ort.001")), "/home/x/v1.2/ort");
    EXPECT_EQ(Strip_Extension(QStringLiteral("/data.d/ab")), "/data.d/ab");

    EXPECT_EQ(Get_Extension(QStringLiteral("a.long")), "lon");
    EXPECT_EQ(Get_Extension(QStringLiteral("ort.Hex")), "Hex");
    EXPECT_EQ(Get_Extension(QStringLiteral("ort")), "");
    EXPECT_EQ(Get_Extension(QStringLiteral("a.")), "");
    EXPECT_EQ(Get_Extension(QStringLiteral("/home/x/v1.2/ort")), "");
    EXPECT_EQ(Get_Extension(QStringLiteral("/home/x/v1.2/ort.txt")), "txt");
    EXPECT_EQ(Get_Extension(QStringLiteral("/tmp.d/x.b")), "b");
    EXPECT_EQ(Get_Extension(QStringLiteral("/tmp.d/.b")), ""); // name shorter than 3
}

TEST(DateStamp, DayMonthYear)
{
    EXPECT_EQ(Get_Date_Stamp(QDate(2009, 3, 5)), "05-MAR-09");
    EXPECT_EQ(Get_Date_Stamp(QDate(2000, 12, 31)), "31-DEC-00");
    EXPECT_EQ(Get_Date_Stamp(QDate(2026, 1, 10)), "10-JAN-26");
    const QString today = Get_Date_Stamp();
    EXPECT_EQ(today.size(), 9);
    EXPECT_EQ(today, Get_Date_Stamp(QDate::currentDate()));
}
