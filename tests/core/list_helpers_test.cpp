#include "editor/core/list_helpers.h"

#include <gtest/gtest.h>

using namespace core;

TEST(MergeSort, BinaryOrder)
{
    EXPECT_EQ(Merge_Sort({"b", "B", "a"}), QStringList({"B", "a", "b"}));
    EXPECT_EQ(Merge_Sort({"1", " 2", "A", "a"}), QStringList({" 2", "1", "A", "a"}));
    EXPECT_EQ(Merge_Sort({}), QStringList());
    EXPECT_EQ(Merge_Sort({"x"}), QStringList({"x"}));
    EXPECT_EQ(Merge_Sort({"z", "y"}), QStringList({"y", "z"}));
    EXPECT_EQ(Merge_Sort({"AB", "A", "ABC", "AA"}), QStringList({"A", "AA", "AB", "ABC"}));
}

TEST(MergeSort, MatchesAStableSortOnLargerLists)
{
    QStringList input;
    for (int i = 0; i < 257; ++i)
        input << QStringLiteral("%1").arg((i * 7919) % 61, 3, 10, QLatin1Char('0'));
    QStringList expected = input;
    std::stable_sort(expected.begin(), expected.end());
    const QStringList sorted = Merge_Sort(input);
    EXPECT_EQ(sorted, expected);
    EXPECT_EQ(input.size(), 257); // the input stays as it was
}

TEST(PhoneEntry, ColumnsAndDefaults)
{
    const QString line = Parse_Phone_Entry(QStringLiteral("john\t0044 20 7946\t2\tYes"));
    EXPECT_EQ(line.size(), 48);
    EXPECT_EQ(line, QStringLiteral("JOHN              ") + QStringLiteral("0044 20 7946          ") +
                        QStringLiteral("2    ") + QStringLiteral("Yes"));

    const QString defaults = Parse_Phone_Entry(QStringLiteral("a very long name without tabs"));
    EXPECT_EQ(defaults, QStringLiteral("A VERY LONG NA    ") + QStringLiteral("0 000 000 0000        ") +
                            QStringLiteral("3    ") + QStringLiteral("No "));
}

TEST(PhoneEntry, CleaningCategoryAndProtection)
{
    // Empty pieces keep the defaults; the category keeps its last character.
    EXPECT_EQ(Parse_Phone_Entry(QStringLiteral("\t\t14\tyes")).mid(40),
              QStringLiteral("4    Yes"));
    EXPECT_EQ(Parse_Phone_Entry(QStringLiteral("\t\t14\tyes")).left(18), QStringLiteral("NONE              "));
    EXPECT_EQ(Parse_Phone_Entry(QStringLiteral("x\t1\t9\tYES")).mid(40), QStringLiteral("3    No "));
    EXPECT_EQ(Parse_Phone_Entry(QStringLiteral("x\t1\tA\tNo")).mid(40), QStringLiteral("3    No "));
    EXPECT_EQ(Parse_Phone_Entry(QStringLiteral("x\t1\t1\tYes\textra")).mid(40), QStringLiteral("1    Yes"));
    // Characters outside the sets become blanks; the number is cut to 18.
    const QString line = Parse_Phone_Entry(QStringLiteral("o'neil\u00e9x~{}\t+1 (555) 123-4567.89012"));
    EXPECT_EQ(line.left(18), QStringLiteral("O'NEIL X~{}       "));
    EXPECT_EQ(line.mid(18, 22), QStringLiteral(" 1  555  123-4567.    "));
}

TEST(PhoneNumber, CabinNumberText)
{
    EXPECT_EQ(Format_Phone_Number(QStringLiteral("12 34")), QStringLiteral("12-34") + QString(13, QLatin1Char('-')));
    EXPECT_EQ(Format_Phone_Number(QString()), QString(18, QLatin1Char('-')));
    EXPECT_EQ(Format_Phone_Number(QStringLiteral("12345678901234567890")), "123456789012345678");
    EXPECT_EQ(Format_Phone_Number(QStringLiteral("+44(0)20")), QStringLiteral("-44-0-20") + QString(10, QLatin1Char('-')));
    // A backspace in dropped text is a character like any other.
    EXPECT_EQ(Format_Phone_Number(QStringLiteral("12\b34")), QStringLiteral("12-34") + QString(13, QLatin1Char('-')));
    EXPECT_EQ(Parse_Phone_Entry(QStringLiteral("ab\bc\t5\b5")).left(40),
              QStringLiteral("AB C              5 5                   "));
}
