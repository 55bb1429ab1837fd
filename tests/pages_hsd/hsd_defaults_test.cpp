#include "editor/pages_hsd/hsd_defaults.h"

#include "hsd_test_support.h"

#include <gtest/gtest.h>

using namespace User_Mod;

TEST(HsdDefaults, AddressOctetsByIndex)
{
    hsdtest::User_Levels levels(4, 0);
    const struct {
        std::uint8_t (*function)(std::int16_t);
        std::array<int, 4> octets;
    } cases[] = {
        {&Default_72a1, {192, 168, 0, 1}}, {&Default_72a2, {192, 168, 1, 1}},
        {&Default_72b1, {192, 168, 0, 2}}, {&Default_72b2, {192, 168, 1, 2}},
        {&Default_73, {255, 255, 255, 0}}, {&Default_75, {192, 168, 0, 100}},
    };
    for (const auto& c : cases) {
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(c.function(static_cast<std::int16_t>(i)), c.octets[i]) << i;
        // Outside the index range: 0.
        EXPECT_EQ(c.function(-1), 0);
        EXPECT_EQ(c.function(4), 0);
        EXPECT_EQ(c.function(-32768), 0);
    }
}

TEST(HsdDefaults, SecondPortAddressFollowsAirframerLevel)
{
    for (int level = 1; level <= 4; ++level) {
        hsdtest::User_Levels levels(4, level);
        EXPECT_EQ(Default_72a2(0), 172);
        EXPECT_EQ(Default_72a2(1), 27);
        EXPECT_EQ(Default_72a2(2), 2);
        EXPECT_EQ(Default_72a2(3), 194);
    }
    hsdtest::User_Levels levels(4, 0);
    EXPECT_EQ(Default_72a2(0), 192);
    EXPECT_EQ(Default_72a2(3), 1);
}

TEST(HsdDefaults, LesTablesHoldTheTwelveDefaults)
{
    const QStringList expected = {
        "00    1  1", "00   12  1", "00  555  1", "01    1  1", "01   12  1", "01  555  1",
        "02    1  1", "02   12  1", "02   22  1", "03    1  1", "03   12  1", "03  555  1",
    };
    for (const LES_Table* table : {&Default_MISDN_LES(), &Default_MPDS_LES()}) {
        QStringList lines;
        for (const LES_Element& element : *table)
            lines << Format_LES_Entry(element);
        EXPECT_EQ(lines, expected);
    }
    // The LES ID is held big-endian.
    EXPECT_EQ(Default_MISDN_LES()[2].LES_ID[0], 0x02);
    EXPECT_EQ(Default_MISDN_LES()[2].LES_ID[1], 0x2B);
}

TEST(HsdDefaults, FormatLesEntryWidths)
{
    EXPECT_EQ(Format_LES_Entry(Make_LES_Element(1, 12, 1)), QStringLiteral("01   12  1"));
    EXPECT_EQ(Format_LES_Entry(Make_LES_Element(63, 999, 9)), QStringLiteral("77  999  9"));
    // Longer numbers are not cut: the line grows to 11 characters.
    EXPECT_EQ(Format_LES_Entry(Make_LES_Element(64, 1, 1)), QStringLiteral("100    1  1"));
    EXPECT_EQ(Format_LES_Entry(Make_LES_Element(0, 1000, 1)), QStringLiteral("00  1000  1"));
    // The LES ID is read as a signed 16-bit number; the preference unsigned.
    EXPECT_EQ(Format_LES_Entry(Make_LES_Element(0, -1, 200)), QStringLiteral("00   -1  200"));
    LES_Element raw;
    raw.LES_ID = {0xFF, 0xFE};
    EXPECT_EQ(LES_ID_Value(raw), -2);
}
