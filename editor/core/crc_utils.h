#pragma once
// CRC-16/X-25 of ORT data and the bit-field extraction used by the file code.
// Both work from two constant tables: 256 CRC entries and 32 x 32 bit masks.

#include <QByteArray>
#include <array>
#include <cstdint>

namespace core {

using CRC_Table_Type = std::array<std::uint16_t, 256>;
using Mask_Table_Type = std::array<std::array<std::uint32_t, 32>, 32>;

// Makes sure both tables are filled. They are built at compile time, so the
// call only keeps the start-up sequence explicit; calling it again is harmless.
void Init_CRC_Tables();

// Entry i: i shifted right eight times, XOR-ing 0x8408 whenever a 1 drops out.
const CRC_Table_Type& CRC_Table();

// Mask_Table()[a][b]: bits a to b set when a <= b, 0 when a > b.
const Mask_Table_Type& Mask_Table();

// CRC-16/X-25 (reflected 0x1021, initial 0xFFFF, final XOR 0xFFFF) of bytes
// 0 to count - 1. A count of 0 or less gives 0x0000; a count beyond the end
// of the array throws platform::Bounds_Error.
std::uint16_t Calc_CRC16(const QByteArray& bytes, qsizetype count);
// The CRC of the whole array.
std::uint16_t Calc_CRC16(const QByteArray& bytes);

// Bits low_bit to high_bit of value, numbered from 1 for the least
// significant bit, moved down so that low_bit becomes bit 1. Valid only for
// 1 <= low_bit <= high_bit <= 31; any other pair shows "Bit Extraction call
// out-of-range" and gives 0.
std::int32_t Extract_Bits(std::int32_t value, std::uint8_t low_bit, std::uint8_t high_bit);

} // namespace core
