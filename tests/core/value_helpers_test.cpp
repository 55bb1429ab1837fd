#include "editor/core/value_helpers.h"

#include <gtest/gtest.h>
#include <limits>

using namespace core;

TEST(NumberTexts, ParseAcceptsOnlyFiniteCLocaleNumbers)
{
    EXPECT_EQ(Parse_Number(QStringLiteral(" 12.5 ")), 12.5);
    EXPECT_EQ(Parse_Number(QStringLiteral("-3")), -3.0);
    EXPECT_EQ(Parse_Number(QStringLiteral("+4")), 4.0);
    EXPECT_EQ(Parse_Number(QStringLiteral("1e2")), 100.0);
    for (const char* bad : {"", "  ", "abc", "1,5", "1,000", "inf", "nan", "12a", "."})
        EXPECT_FALSE(Parse_Number(QString::fromLatin1(bad))) << bad;
}

TEST(NumberTexts, FormatFixedRoundsHalfAwayFromZero)
{
    EXPECT_EQ(Format_Fixed(2.5, 0), "3");
    EXPECT_EQ(Format_Fixed(-2.5, 0), "-3");
    EXPECT_EQ(Format_Fixed(3.5, 0), "4");
    EXPECT_EQ(Format_Fixed(0.15, 1), "0.2"); // on the decimal text, not the binary value
    EXPECT_EQ(Format_Fixed(0.25, 1), "0.3");
    EXPECT_EQ(Format_Fixed(-0.25, 1), "-0.3");
    EXPECT_EQ(Format_Fixed(9.96, 1), "10.0");
    EXPECT_EQ(Format_Fixed(99.5, 0), "100");
    EXPECT_EQ(Format_Fixed(4, 1), "4.0");
    EXPECT_EQ(Format_Fixed(0, 0), "0");
    EXPECT_EQ(Format_Fixed(-0.04, 1), "0.0");
    EXPECT_EQ(Format_Fixed(0.04, 0), "0");
    EXPECT_EQ(Format_Fixed(1234567.25, 1), "1234567.3");
}

TEST(NumberTexts, ShortestFormAndRadixDigits)
{
    EXPECT_EQ(Format_Shortest(12.5 + 0.1), "12.6");
    EXPECT_EQ(Format_Shortest(0.0), "0");
    EXPECT_EQ(Format_Shortest(25.5), "25.5");
    EXPECT_EQ(Format_Shortest(0.30000000000000004), "0.3");
    EXPECT_EQ(To_Octal(8), "10");
    EXPECT_EQ(To_Octal(-1), "37777777777");
    EXPECT_EQ(To_Hex(255), "FF");
    EXPECT_EQ(To_Hex(-1), "FFFFFFFF");
}

TEST(RangeDefault, BoundsAreInsideAndOutsideGivesTheDefault)
{
    EXPECT_EQ(Range_Default_Long(10.0, 10, 20, 15), 10);
    EXPECT_EQ(Range_Default_Long(20.0, 10, 20, 15), 20);
    EXPECT_EQ(Range_Default_Long(9.0, 10, 20, 15), 15);
    EXPECT_EQ(Range_Default_Long(21.0, 10, 20, 15), 15);
    EXPECT_EQ(Range_Default_Long(QStringLiteral("12"), 10, 20, 15), 12);
    EXPECT_EQ(Range_Default_Long(QStringLiteral("x"), 10, 20, 15), 15);
    EXPECT_EQ(Range_Default_Long(QString(), 10, 20, 15), 15);
    EXPECT_EQ(Range_Default_Long(std::numeric_limits<double>::quiet_NaN(), 10, 20, 15), 15);
    EXPECT_EQ(Range_Default_Long(-2147483648.0, std::numeric_limits<std::int32_t>::min(), 0, 5),
              std::numeric_limits<std::int32_t>::min());

    EXPECT_EQ(Range_Default_Int(QStringLiteral("-300"), -300, 300, 1), -300);
    EXPECT_EQ(Range_Default_Int(301.0, -300, 300, 1), 1);
    EXPECT_EQ(Range_Default_Byte(QStringLiteral("255"), 0, 255, 7), 255);
    EXPECT_EQ(Range_Default_Byte(QStringLiteral("256"), 0, 255, 7), 7);
    EXPECT_EQ(Range_Default_Byte(-1.0, 0, 255, 7), 7);
}

TEST(RangeDefault, FractionsRoundHalfToEven)
{
    EXPECT_EQ(Range_Default_Long(12.5, 0, 100, 1), 12);
    EXPECT_EQ(Range_Default_Long(13.5, 0, 100, 1), 14);
    EXPECT_EQ(Range_Default_Long(12.6, 0, 100, 1), 13);
    EXPECT_EQ(Range_Default_Long(-2.5, -10, 10, 1), -2);
}

TEST(RealToTenths, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(Real_To_Tenths(12.5, 0, 25.5, 40), 125);
    EXPECT_EQ(Real_To_Tenths(0.25, 0, 25.5, 40), 2);
    EXPECT_EQ(Real_To_Tenths(0.35, 0, 25.5, 40), 4);
    EXPECT_EQ(Real_To_Tenths(25.5, 0, 25.5, 40), 255);
    EXPECT_EQ(Real_To_Tenths(25.6, 0, 25.5, 40), 40);
    EXPECT_EQ(Real_To_Tenths(-0.1, 0, 25.5, 40), 40);
    EXPECT_EQ(Real_To_Tenths(QStringLiteral("4.0"), 0, 25.5, 40), 40);
    EXPECT_EQ(Real_To_Tenths(QStringLiteral("7.3"), 0, 25.5, 40), 73);
    EXPECT_EQ(Real_To_Tenths(QStringLiteral("x"), 0, 25.5, 40), 40);
    EXPECT_EQ(Real_To_Tenths(-1.5, -5, 5, 0), -15);
}

TEST(ClampSingle, NanGoesToTheMinimum)
{
    EXPECT_EQ(Clamp_Single(-1.0f, 0.0f, 10.0f), 0.0f);
    EXPECT_EQ(Clamp_Single(5.5f, 0.0f, 10.0f), 5.5f);
    EXPECT_EQ(Clamp_Single(11.0f, 0.0f, 10.0f), 10.0f);
    EXPECT_EQ(Clamp_Single(std::numeric_limits<float>::quiet_NaN(), 0.0f, 10.0f), 0.0f);
}

TEST(Bits, MaskAndSignExtend)
{
    EXPECT_EQ(Mask_Bits(0x1234, 8), 0x34);
    EXPECT_EQ(Mask_Bits(-1, 31), 0x7FFFFFFF);
    EXPECT_EQ(Mask_Bits(-1, 32), -1);
    EXPECT_EQ(Mask_Bits(0x1234, 0), 0);
    EXPECT_EQ(Sign_Extend(0xFF, 8), -1);
    EXPECT_EQ(Sign_Extend(0x7F, 8), 127);
    EXPECT_EQ(Sign_Extend(0x1FF, 8), -1);
    EXPECT_EQ(Sign_Extend(0x180, 8), -128);
    EXPECT_EQ(Sign_Extend(0x2000, 14), -8192);
    EXPECT_EQ(Sign_Extend(0x12345, 16), 0x2345);
    EXPECT_EQ(Sign_Extend(-5, 32), -5);
}

TEST(Bits, FormatRadix)
{
    EXPECT_EQ(Format_Radix(8, 1), "10(Octal)");
    EXPECT_EQ(Format_Radix(255, 2), "FF(Hex)");
    EXPECT_EQ(Format_Radix(-1, 2), "FFFFFFFF(Hex)");
    EXPECT_EQ(Format_Radix(-1, 1), "37777777777(Octal)");
    EXPECT_EQ(Format_Radix(-42, 0), "-42");
    EXPECT_EQ(Format_Radix(42, 3), "42");
}

TEST(Bits, LogicalShifts)
{
    EXPECT_EQ(Shift_Right_Long(-1, 28), 15);
    EXPECT_EQ(static_cast<std::uint32_t>(Shift_Left_Long(1, 31)), 0x80000000u);
    EXPECT_EQ(Shift_Left_Long(0x40000001, 1), static_cast<std::int32_t>(0x80000002u));
    EXPECT_EQ(Shift_Left_Long(3, 31), static_cast<std::int32_t>(0x80000000u));
    EXPECT_EQ(Shift_Right_Long(static_cast<std::int32_t>(0x80000000u), 31), 1);
    EXPECT_EQ(Shift_Left_Long(77, 0), 77);
    EXPECT_EQ(Shift_Right_Long(77, -3), 77);
    EXPECT_EQ(Shift_Left_Long(77, 32), 0);
    EXPECT_EQ(Shift_Right_Long(-1, 32), 0);

    EXPECT_EQ(Shift_Right_Int(-1, 12), 15);
    EXPECT_EQ(static_cast<std::uint16_t>(Shift_Left_Int(1, 15)), 0x8000u);
    EXPECT_EQ(Shift_Left_Int(0x0101, 8), 0x0100);
    EXPECT_EQ(Shift_Left_Int(5, 0), 5);
    EXPECT_EQ(Shift_Right_Int(5, 16), 0);
    EXPECT_EQ(Shift_Left_Int(5, 16), 0);
}
