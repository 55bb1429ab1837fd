#include "editor/core/char_sets.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace core;

namespace {

QString Range(char first, char last)
{
    QString text;
    for (char c = first; c <= last; ++c)
        text += QLatin1Char(c);
    return text;
}

const QString DIGITS = Range('0', '9');
const QString UPPER = Range('A', 'Z');
const QString LOWER = Range('a', 'z');

} // namespace

TEST(CharSets, EverySetHasItsCharactersInOrderAndItsFlag)
{
    Init_Utils();
    const QString printable = Range(' ', '~');
    QString upper_printable = printable;
    upper_printable.remove(QRegularExpression(QStringLiteral("[a-z]")));
    const QString product_id = DIGITS + QStringLiteral("ABCDEFGHJKLMNPRSTUVWXY");
    const QString names = QStringLiteral(" !\"#%&'()*+,-./") + DIGITS + QStringLiteral(":;<=>?") +
                          UPPER + QStringLiteral("[\\]");

    const struct {
        bool upper;
        QString allowed;
        int count;
    } expected[CHAR_SET_COUNT] = {
        {false, printable, 95},
        {true, upper_printable, 69},
        {true, UPPER, 26},
        {false, QStringLiteral("01234567"), 8},
        {false, DIGITS, 10},
        {true, DIGITS + QStringLiteral("ABCDEF"), 16},
        {false, DIGITS + QStringLiteral("."), 11},
        {false, QStringLiteral("-") + DIGITS, 11},
        {false, DIGITS + QStringLiteral(".-"), 12},
        {true, product_id, 32},
        {false, QStringLiteral(" /") + DIGITS + QStringLiteral("-"), 13},
        {true, DIGITS + UPPER, 36},
        {false, QStringLiteral(" /") + DIGITS + QStringLiteral("-."), 14},
        {false, QStringLiteral(" -") + DIGITS + UPPER + LOWER, 64},
        {true, QStringLiteral("-") + DIGITS + UPPER, 37},
        {true, QStringLiteral(" -") + DIGITS + UPPER, 38},
        {true, QStringLiteral("-") + product_id, 33},
        {true, names, 60},
    };
    for (int k = 0; k < CHAR_SET_COUNT; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Char_Sets(k).To_Upper, expected[k].upper);
        EXPECT_EQ(Char_Sets(k).Allowed, expected[k].allowed);
        EXPECT_EQ(Char_Sets(k).Allowed.size(), expected[k].count);
        EXPECT_EQ(&Char_Sets()[k], &Char_Sets(k));
    }
    EXPECT_THROW(Char_Sets(18), std::out_of_range);
    EXPECT_THROW(Char_Sets(-1), std::out_of_range);
}

TEST(CharSets, PowerTablesHoldTheSignBitPatternLast)
{
    Init_Utils();
    EXPECT_EQ(Pow2_Long()[0], 1);
    EXPECT_EQ(Pow2_Long()[30], 0x40000000);
    EXPECT_EQ(static_cast<std::uint32_t>(Pow2_Long()[31]), 0x80000000u);
    EXPECT_EQ(Pow2_Int()[14], 0x4000);
    EXPECT_EQ(static_cast<std::uint16_t>(Pow2_Int()[15]), 0x8000u);
}

TEST(FilterKeyAscii, BackspacePassesEverySetAndControlKeysAreSwallowed)
{
    for (int k = 0; k < CHAR_SET_COUNT; ++k) {
        EXPECT_EQ(Filter_KeyAscii(8, k), 8) << k;
        EXPECT_EQ(Filter_KeyAscii(13, k), 0) << k; // Enter
        EXPECT_EQ(Filter_KeyAscii(22, k), 0) << k; // Ctrl+V
        EXPECT_EQ(Filter_KeyAscii(27, k), 0) << k; // Escape
        EXPECT_EQ(Filter_KeyAscii(0, k), 0) << k;
    }
}

TEST(FilterKeyAscii, UpperCasesForUpperSetsOnly)
{
    EXPECT_EQ(Filter_KeyAscii('a', 1), 'A');
    EXPECT_EQ(Filter_KeyAscii('f', 5), 'F');
    EXPECT_EQ(Filter_KeyAscii('g', 5), 0);
    EXPECT_EQ(Filter_KeyAscii('a', 13), 'a'); // set 13 keeps lower case
    EXPECT_EQ(Filter_KeyAscii('a', 0), 'a');
    EXPECT_EQ(Filter_KeyAscii('a', 4), 0);
    EXPECT_EQ(Filter_KeyAscii('7', 4), '7');
    EXPECT_EQ(Filter_KeyAscii('8', 3), 0);
    EXPECT_EQ(Filter_KeyAscii('.', 6), '.');
    EXPECT_EQ(Filter_KeyAscii('-', 6), 0);
    EXPECT_EQ(Filter_KeyAscii('i', 9), 0); // I, O, Q and Z are not product-identifier letters
    EXPECT_EQ(Filter_KeyAscii('z', 9), 0);
    EXPECT_EQ(Filter_KeyAscii('y', 9), 'Y');
    EXPECT_EQ(Filter_KeyAscii('~', 17), 0);
    EXPECT_EQ(Filter_KeyAscii('[', 17), '[');
    EXPECT_EQ(Filter_KeyAscii(0xE9, 0), 0); // e acute is outside printable ASCII
}

TEST(FilterKeyAscii, NonAsciiLettersDoNotBecomeAsciiByUpperCasing)
{
    // Dotless i upper-cases to I and long s to S: neither may slip into an
    // upper-casing set.
    EXPECT_EQ(Filter_KeyAscii(0x0131, 1), 0);
    EXPECT_EQ(Filter_KeyAscii(0x017F, 11), 0);
    EXPECT_EQ(Upper_Text(QStringLiteral("abc\u00e9")), QStringLiteral("ABC\u00c9"));
}

TEST(CharSets, TextInSetChecksTheTextAsItStands)
{
    EXPECT_TRUE(Text_In_Set(QStringLiteral("0123"), 3));
    EXPECT_FALSE(Text_In_Set(QStringLiteral("0128"), 3));
    EXPECT_FALSE(Text_In_Set(QStringLiteral("ab"), 1)); // not upper-cased first
    EXPECT_TRUE(Text_In_Set(QStringLiteral("AB"), 1));
    EXPECT_TRUE(Text_In_Set(QString(), 4));
}
