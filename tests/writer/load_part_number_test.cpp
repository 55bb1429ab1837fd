#include "writer/load_part_number.h"

#include <gtest/gtest.h>

using namespace quarnel;

TEST(LoadPartNumber, ManufacturerAbcProduct58A6C)
{
    const Part_Number pn = buildPartNumber("ABC", "58A6C");
    EXPECT_EQ(pn.base, QByteArray("23ABC58A6C"));
    EXPECT_EQ(pn.load_part_number, QByteArray("2378-ABC-58A-6C"));
    EXPECT_EQ(File_Base_Name(pn.base), QByteArray("ABC58A6C"));
}

TEST(LoadPartNumber, CheckCharactersAreTwoUpperCaseHexDigits)
{
    // 0x32 ^ 0x33 ^ 'A' ^ 'A' ^ 'A' ^ '2' ^ '2' ^ '2' ^ '2' ^ '2' = 0x01 ^ 'A' ^ '2' = 0x72
    EXPECT_EQ(buildPartNumber("AAA", "22222").load_part_number, QByteArray("2372-AAA-222-22"));
    // A check value below 0x10 keeps its leading zero.
    EXPECT_EQ(buildPartNumber("111", "11111").load_part_number.left(4), QByteArray("2301"));
    // Letters give an upper-case hex digit.
    EXPECT_EQ(buildPartNumber("ZZZ", "00000").load_part_number.left(4), QByteArray("236B"));
}

TEST(LoadPartNumber, UnsetIdentifiersAreBlanks)
{
    const Part_Number pn = buildPartNumber(QByteArray(), QByteArray());
    EXPECT_EQ(pn.base, QByteArray("23        "));
    EXPECT_EQ(pn.load_part_number, QByteArray("2301-   -   -  "));
    EXPECT_EQ(pn.load_part_number.size(), 15);
}
