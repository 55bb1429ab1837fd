#include "editor/core/crc_utils.h"

#include "platform/big_endian.h"
#include "platform/message_service.h"

namespace core {

namespace {

constexpr std::uint16_t CRC_POLY_REFLECTED = 0x8408;

constexpr CRC_Table_Type make_crc_table()
{
    CRC_Table_Type table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint16_t entry = static_cast<std::uint16_t>(i);
        for (int k = 0; k < 8; ++k) {
            const bool carry = (entry & 1u) != 0;
            entry = static_cast<std::uint16_t>(entry >> 1);
            if (carry)
                entry ^= CRC_POLY_REFLECTED;
        }
        table[i] = entry;
    }
    return table;
}

constexpr Mask_Table_Type make_mask_table()
{
    Mask_Table_Type table{};
    for (int a = 0; a < 32; ++a)
        for (int b = 0; b < 32; ++b) {
            std::uint32_t mask = 0;
            for (int k = a; k <= b; ++k)
                mask |= std::uint32_t{1} << k;
            table[a][b] = mask;
        }
    return table;
}

constexpr CRC_Table_Type CRC_TABLE = make_crc_table();
constexpr Mask_Table_Type MASK_TABLE = make_mask_table();

static_assert(CRC_TABLE[1] == 0x1189 && CRC_TABLE[128] == 0x8408 && CRC_TABLE[255] == 0x0F78);
static_assert(MASK_TABLE[0][31] == 0xFFFFFFFFu && MASK_TABLE[31][31] == 0x80000000u);

} // namespace

void Init_CRC_Tables()
{
    // Nothing to fill: both tables are constants built by the compiler.
}

const CRC_Table_Type& CRC_Table() { return CRC_TABLE; }

const Mask_Table_Type& Mask_Table() { return MASK_TABLE; }

std::uint16_t Calc_CRC16(const QByteArray& bytes, qsizetype count)
{
    if (count <= 0)
        return 0x0000;
    platform::Check_Range(bytes.size(), 0, count);
    std::uint16_t crc = 0xFFFF;
    for (qsizetype i = 0; i < count; ++i) {
        const auto index = static_cast<std::uint8_t>((crc & 0xFF) ^ static_cast<std::uint8_t>(bytes[i]));
        crc = static_cast<std::uint16_t>(CRC_TABLE[index] ^ (crc >> 8));
    }
    return static_cast<std::uint16_t>(crc ^ 0xFFFF);
}

std::uint16_t Calc_CRC16(const QByteArray& bytes) { return Calc_CRC16(bytes, bytes.size()); }

std::int32_t Extract_Bits(std::int32_t value, std::uint8_t low_bit, std::uint8_t high_bit)
{
    if (low_bit < 1 || low_bit > high_bit || high_bit > 31) {
        platform::Msg_Box(QStringLiteral("Bit Extraction call out-of-range"));
        return 0;
    }
    // Bit 32 (the sign) is never part of the result, so the masked value is
    // non-negative and the shift is exact.
    const std::uint32_t masked = static_cast<std::uint32_t>(value) & MASK_TABLE[low_bit - 1][high_bit - 1];
    return static_cast<std::int32_t>(masked >> (low_bit - 1));
}

} // namespace core
