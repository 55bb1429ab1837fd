#pragma once
// The two CRCs of the load files, table-driven, most significant bit first.
// A running value is carried from one byte range to the next, so a file
// read in pieces gives the same value as one piece.
//   CRC-16: polynomial 0x1021, start 0xFFFF, no reflection, no final XOR.
//   CRC-32: polynomial 0x04C11DB7, start 0xFFFFFFFF, no reflection,
//           complemented once after the last range.

#include <QByteArray>
#include <cstddef>
#include <cstdint>

namespace quarnel {

inline constexpr std::uint16_t CRC16_START = 0xFFFF;
inline constexpr std::uint32_t CRC32_START = 0xFFFFFFFF;

std::uint16_t crc16Update(const std::uint8_t* bytes, std::size_t count, std::uint16_t running);
std::uint32_t crc32Update(const std::uint8_t* bytes, std::size_t count, std::uint32_t running);

std::uint16_t crc16Update(const QByteArray& bytes, std::uint16_t running);
std::uint32_t crc32Update(const QByteArray& bytes, std::uint32_t running);

// Whole-buffer values: the CRC-16, and the CRC-32 already complemented.
std::uint16_t Crc16_Of(const QByteArray& bytes);
std::uint32_t Crc32_Of(const QByteArray& bytes);

} // namespace quarnel
