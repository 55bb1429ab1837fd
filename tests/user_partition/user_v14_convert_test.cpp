// Codings of the generation-14 user record and its layout table.

#include "editor/user_partition/user_record_v14_layout.h"
#include "editor/user_partition/user_v14_convert.h"

#include <gtest/gtest.h>
#include <vector>

using namespace User_Mod;

TEST(UserV14Layout, FieldsCoverTheRecordOnceWithoutOverlap)
{
    EXPECT_EQ(core::Check_Layout(Layout_V14(), RECORD_LENGTH_V14), QString());
    std::vector<int> covered(RECORD_LENGTH_V14, 0);
    for (const core::Field_Def& f : Layout_V14())
        for (int i = 0; i < f.count; ++i)
            for (int b = 0; b < f.width; ++b)
                ++covered[static_cast<std::size_t>(f.offset + i * (f.stride ? f.stride : f.width) + b)];
    for (int offset = 0; offset < RECORD_LENGTH_V14; ++offset)
        ASSERT_EQ(covered[static_cast<std::size_t>(offset)], 1) << "offset " << offset;
}

TEST(UserV14Layout, OffsetsOfThePortTwoAddressesAndTheTail)
{
    core::Record rec(Layout_V14(), RECORD_LENGTH_V14);
    EXPECT_EQ(rec.Offset_Of(V14_ADDRESS, 0), 18576);  // 72a1
    EXPECT_EQ(rec.Offset_Of(V14_ADDRESS, 1), 18580);  // 72a2
    EXPECT_EQ(rec.Offset_Of(V14_ADDRESS, 4), 18592);  // 73a1
    EXPECT_EQ(rec.Offset_Of(V14_ADDRESS, 11), 18620); // 74b2
    EXPECT_EQ(rec.Offset_Of(V14_ADDRESS, 12), 18624); // 75
    EXPECT_EQ(rec.Offset_Of(V14_ITEM_68, 1), 18634);
    EXPECT_EQ(rec.Offset_Of(V14_ITEM_69, 1), 18656);
    EXPECT_EQ(rec.Offset_Of(V14_MPDS_LES_ID, 83), 18686 + 4 * 83 + 1);
    EXPECT_EQ(rec.Offset_Of(V14_MISDN_COUNT), 19122);
    EXPECT_EQ(rec.Offset_Of(V14_PSID_2, 9), 19126 + 63 + 5);
    EXPECT_EQ(rec.Offset_Of(V14_ITEM_82B, 1), 19358);
    EXPECT_EQ(rec.Offset_Of(V14_ITEM_85_PASS, 1), 19424);
    EXPECT_EQ(rec.Offset_Of(V14_ITEM_89, 1), 19462);
    EXPECT_EQ(rec.Offset_Of(V14_SAT_PREF_VALUE, 15), 19501);
    EXPECT_EQ(rec.Offset_Of(V14_ITEM_92_PREF, 2), 19520);
    EXPECT_EQ(rec.Offset_Of(V14_SERVICE_LONGITUDE, 15), 19587);
    EXPECT_EQ(rec.Offset_Of(V14_ITEM_98, 1), 19600);
    EXPECT_EQ(rec.Offset_Of(V14_ITEM_106_EL, 1), 19640);
    EXPECT_EQ(rec.Offset_Of(V14_ITEM_103), V14_PIMBIT_FIRST);
    EXPECT_EQ(rec.Offset_Of(V14_ITEM_107), V14_PIMBIT_LAST);
    EXPECT_EQ(rec.Offset_Of(V14_REVISION), 21365);
}

TEST(UserV14Convert, LongitudeCodesAreTenBitHalfDegrees)
{
    EXPECT_EQ(Longitude_Code(-0.5), 0x03FF);
    EXPECT_EQ(Longitude_Code(180.0), 0x0168);
    EXPECT_EQ(Longitude_Code(-180.0), 0x0298);
    EXPECT_EQ(Longitude_Code(0.0), 0);
    EXPECT_EQ(Longitude_Code(0.25), 0);  // a half to even: 0.5 -> 0
    EXPECT_EQ(Longitude_Code(0.75), 2);  // 1.5 -> 2
    EXPECT_DOUBLE_EQ(Longitude_From_Code(0x03FF), -0.5);
    EXPECT_DOUBLE_EQ(Longitude_From_Code(0x0168), 180.0);
    EXPECT_DOUBLE_EQ(Longitude_From_Code(0x0298), -180.0);
    EXPECT_DOUBLE_EQ(Longitude_From_Code(0xFC01), 0.5); // bits above the tenth are ignored
}

TEST(UserV14Convert, ElevationHalvesRoundToEven)
{
    EXPECT_EQ(Elevation_Code(QStringLiteral("12.25"), {}), 24);
    EXPECT_EQ(Elevation_Code(QStringLiteral("12.75"), {}), 26);
    EXPECT_EQ(Elevation_Code(QStringLiteral("27.5"), {}), 55);
    EXPECT_EQ(Elevation_Code(QStringLiteral("-3"), {}), -6);
    EXPECT_DOUBLE_EQ(Elevation_From_Code(25), 12.5);
    EXPECT_DOUBLE_EQ(Elevation_From_Code(-1), -0.5);
    EXPECT_THROW(Elevation_Code(QStringLiteral("x"), {}), Record_Value_Error);
    EXPECT_THROW(Elevation_Code(QStringLiteral("20000"), {}), Record_Value_Error);
}

TEST(UserV14Convert, Item61FlagsRoundTripForEveryOrder)
{
    for (int index = 0; index <= 5; ++index) {
        Item61_Flags flags;
        ASSERT_TRUE(Encode_Item61(index, flags));
        EXPECT_EQ(Decode_Item61(flags), index) << index;
    }
    Item61_Flags flags{9, 9, 9};
    EXPECT_FALSE(Encode_Item61(6, flags));
    EXPECT_FALSE(Encode_Item61(-1, flags));
    EXPECT_EQ(flags.A0, 9); // left as they were
    // Keys that no order writes: 2 (A2 alone), 3, 5.
    EXPECT_EQ(Decode_Item61({0, 1, 0}), 4);
    EXPECT_EQ(Decode_Item61({0, 1, 1}), 4);
    EXPECT_EQ(Decode_Item61({1, 0, 1}), 4);
    EXPECT_EQ(Decode_Item61({7, 0, 0}), 2); // any non-zero byte is a set flag
}

TEST(UserV14Convert, WholeNumbersFromTexts)
{
    EXPECT_EQ(Text_To_Byte(QStringLiteral("255"), {}), 255);
    EXPECT_EQ(Text_To_Byte(QStringLiteral(" 2.5 "), {}), 2);
    EXPECT_EQ(Text_To_Byte(QStringLiteral("3.5"), {}), 4);
    EXPECT_EQ(Text_To_Int16(QStringLiteral("-15"), {}), -15);
    EXPECT_EQ(Text_To_Unsigned16(QStringLiteral("65535"), {}), 65535);

    const auto number_of = [](auto&& call) {
        try {
            call();
        } catch (const Record_Value_Error& e) {
            return e.Number();
        }
        return 0;
    };
    EXPECT_EQ(number_of([] { Text_To_Byte(QStringLiteral("256"), QStringLiteral("item 76")); }), ERROR_OVERFLOW);
    EXPECT_EQ(number_of([] { Text_To_Byte(QStringLiteral("-1"), {}); }), ERROR_OVERFLOW);
    EXPECT_EQ(number_of([] { Text_To_Byte(QString(), {}); }), ERROR_TYPE_MISMATCH);
    EXPECT_EQ(number_of([] { Text_To_Int16(QStringLiteral("abc"), {}); }), ERROR_TYPE_MISMATCH);
    EXPECT_EQ(number_of([] { Text_To_Unsigned16(QStringLiteral("65536"), {}); }), ERROR_OVERFLOW);
    EXPECT_EQ(number_of([] { Text_To_Unsigned16(QStringLiteral("-1"), {}); }), ERROR_OVERFLOW);

    try {
        Text_To_Byte(QStringLiteral("300"), QStringLiteral("item 76"));
        FAIL();
    } catch (const core::Record_Error& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Overflow (item 76)"));
    }
}

TEST(UserV14Convert, OctalAndHexColumns)
{
    EXPECT_EQ(Octal_To_Whole(QStringLiteral("77"), 255, {}), 63);
    EXPECT_EQ(Octal_To_Whole(QStringLiteral(" 021"), 255, {}), 17);
    EXPECT_EQ(Hex_To_Whole(QStringLiteral("ff"), 255, {}), 255);
    EXPECT_EQ(Hex_To_Whole(QStringLiteral("4C90"), 0xFFFF, {}), 0x4C90);
    EXPECT_THROW(Octal_To_Whole(QStringLiteral("8"), 255, {}), Record_Value_Error);
    EXPECT_THROW(Octal_To_Whole(QStringLiteral("  "), 255, {}), Record_Value_Error);
    EXPECT_THROW(Hex_To_Whole(QStringLiteral("100"), 255, {}), Record_Value_Error);
    EXPECT_THROW(Hex_To_Whole(QStringLiteral("G"), 255, {}), Record_Value_Error);
    EXPECT_EQ(Columns(QStringLiteral("01   021"), 6, 8), QStringLiteral("021"));
    EXPECT_EQ(Columns(QStringLiteral("01"), 6, 8), QString());
}

TEST(UserV14Convert, NulFilledSixteen)
{
    EXPECT_EQ(Nul_Filled_16(QString(), {}), QString(16, QChar(0)));
    EXPECT_EQ(Nul_Filled_16(QStringLiteral("abc"), {}), QStringLiteral("abc") + QString(13, QChar(0)));
    EXPECT_EQ(Nul_Filled_16(QString(16, QLatin1Char('x')), {}), QString(16, QLatin1Char('x')));
    EXPECT_THROW(Nul_Filled_16(QString(17, QLatin1Char('x')), {}), Record_Value_Error);
    EXPECT_EQ(Blank_Padded(QStringLiteral("ab"), 4), QStringLiteral("ab  "));
    EXPECT_EQ(Blank_Padded(QStringLiteral("abcdef"), 4), QStringLiteral("abcd"));
}
