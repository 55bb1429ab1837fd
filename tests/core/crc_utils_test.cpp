#include "editor/core/crc_utils.h"

#include "platform/big_endian.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

using namespace core;

namespace {
QByteArray bytes_of(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// Bit-at-a-time CRC-16/X-25, independent of the table.
std::uint16_t slow_crc(const QByteArray& data)
{
    std::uint16_t crc = 0xFFFF;
    for (char c : data) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0x8408)
                            : static_cast<std::uint16_t>(crc >> 1);
    }
    return static_cast<std::uint16_t>(~crc);
}
} // namespace

TEST(CrcUtils, TableEntries)
{
    Init_CRC_Tables();
    const CRC_Table_Type& t = CRC_Table();
    EXPECT_EQ(t[0], 0x0000);
    EXPECT_EQ(t[1], 0x1189);
    EXPECT_EQ(t[128], 0x8408);
    EXPECT_EQ(t[255], 0x0F78);
    Init_CRC_Tables(); // a second start-up call changes nothing
    EXPECT_EQ(CRC_Table()[1], 0x1189);
}

TEST(CrcUtils, MaskTable)
{
    const Mask_Table_Type& m = Mask_Table();
    for (int a = 0; a < 32; ++a) {
        EXPECT_EQ(m[a][a], std::uint32_t{1} << a) << a;
        for (int b = 0; b < a; ++b)
            EXPECT_EQ(m[a][b], 0u) << a << "," << b;
    }
    EXPECT_EQ(m[0][7], 0xFFu);
    EXPECT_EQ(m[8][15], 0xFF00u);
    EXPECT_EQ(m[24][31], 0xFF000000u);
    EXPECT_EQ(m[0][31], 0xFFFFFFFFu);
    EXPECT_EQ(m[30][31], 0xC0000000u);
}

TEST(CrcUtils, CheckValues)
{
    EXPECT_EQ(Calc_CRC16(QByteArray()), 0x0000);
    EXPECT_EQ(Calc_CRC16(bytes_of({0x00})), 0xF078);
    EXPECT_EQ(Calc_CRC16(QByteArray("123456789")), 0x906E);
    // Counts of zero or less give 0 whatever the bytes.
    EXPECT_EQ(Calc_CRC16(QByteArray("123456789"), 0), 0x0000);
    EXPECT_EQ(Calc_CRC16(QByteArray("123456789"), -5), 0x0000);
    // Only the first count bytes take part.
    EXPECT_EQ(Calc_CRC16(QByteArray("123456789xyz"), 9), 0x906E);
}

TEST(CrcUtils, MatchesBitwiseCrcOnLargeInput)
{
    // The largest ORT data (composite, newest generation) and beyond.
    QByteArray data(22536, '\0');
    for (qsizetype i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>((i * 131 + 7) ^ (i >> 5));
    EXPECT_EQ(Calc_CRC16(data), slow_crc(data));
    EXPECT_EQ(Calc_CRC16(data, 1000), slow_crc(data.left(1000)));
    const QByteArray high(40000, '\xff');
    EXPECT_EQ(Calc_CRC16(high), slow_crc(high));
}

TEST(CrcUtils, CountBeyondEndIsCallerError)
{
    EXPECT_THROW(Calc_CRC16(QByteArray("abc"), 4), platform::Bounds_Error);
    EXPECT_EQ(Calc_CRC16(QByteArray("abc"), 3), Calc_CRC16(QByteArray("abc")));
}

TEST(CrcUtils, ExtractBitsValid)
{
    testsupport::ScriptedMessages boxes;
    const auto v = static_cast<std::int32_t>(0x5A6B7C8Du);
    EXPECT_EQ(Extract_Bits(v, 1, 8), 0x8D);
    EXPECT_EQ(Extract_Bits(v, 9, 16), 0x7C);
    EXPECT_EQ(Extract_Bits(v, 17, 24), 0x6B);
    EXPECT_EQ(Extract_Bits(v, 3, 3), 1);
    EXPECT_EQ(Extract_Bits(v, 1, 31), 0x5A6B7C8D);
    // The sign bit never takes part: bits 25 to 31 of 0xFF000000.
    EXPECT_EQ(Extract_Bits(static_cast<std::int32_t>(0xFF000000u), 25, 31), 127);
    EXPECT_EQ(Extract_Bits(-1, 1, 31), 0x7FFFFFFF);
    EXPECT_EQ(Extract_Bits(-1, 31, 31), 1);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST(CrcUtils, ExtractBitsOutOfRangeShowsBox)
{
    testsupport::ScriptedMessages boxes;
    const auto v = static_cast<std::int32_t>(0x5A6B7C8Du);
    const std::pair<int, int> bad[] = {{8, 1}, {0, 8}, {1, 32}, {0, 0}, {32, 32}, {255, 255}};
    for (auto [low, high] : bad) {
        boxes.Clear();
        EXPECT_EQ(Extract_Bits(v, static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(high)), 0)
            << low << "-" << high;
        ASSERT_EQ(boxes.Boxes().size(), 1) << low << "-" << high;
        const testsupport::Recorded_Box& box = boxes.Boxes().first();
        EXPECT_EQ(box.text, "Bit Extraction call out-of-range");
        EXPECT_EQ(box.buttons, platform::MsgButtons::Ok);
        EXPECT_TRUE(box.title.isEmpty()); // the program's title
    }
}
