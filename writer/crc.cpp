#include "writer/crc.h"

#include <array>

namespace quarnel {

namespace {

constexpr std::array<std::uint16_t, 256> Make_Crc16_Table()
{
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned v = i << 8;
        for (int bit = 0; bit < 8; ++bit)
            v = (v & 0x8000) ? (v << 1) ^ 0x1021 : v << 1;
        table[i] = static_cast<std::uint16_t>(v);
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> Make_Crc32_Table()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t v = i << 24;
        for (int bit = 0; bit < 8; ++bit)
            v = (v & 0x80000000u) ? (v << 1) ^ 0x04C11DB7u : v << 1;
        table[i] = v;
    }
    return table;
}

constexpr auto kCrc16Table = Make_Crc16_Table();
constexpr auto kCrc32Table = Make_Crc32_Table();

const std::uint8_t* Data(const QByteArray& bytes)
{
    return reinterpret_cast<const std::uint8_t*>(bytes.constData());
}

} // namespace

std::uint16_t crc16Update(const std::uint8_t* bytes, std::size_t count, std::uint16_t running)
{
    for (std::size_t i = 0; i < count; ++i)
        running = static_cast<std::uint16_t>((running << 8) ^ kCrc16Table[((running >> 8) ^ bytes[i]) & 0xFF]);
    return running;
}

std::uint32_t crc32Update(const std::uint8_t* bytes, std::size_t count, std::uint32_t running)
{
    for (std::size_t i = 0; i < count; ++i)
        running = (running << 8) ^ kCrc32Table[((running >> 24) ^ bytes[i]) & 0xFF];
    return running;
}

std::uint16_t crc16Update(const QByteArray& bytes, std::uint16_t running)
{
    return crc16Update(Data(bytes), static_cast<std::size_t>(bytes.size()), running);
}

std::uint32_t crc32Update(const QByteArray& bytes, std::uint32_t running)
{
    return crc32Update(Data(bytes), static_cast<std::size_t>(bytes.size()), running);
}

std::uint16_t Crc16_Of(const QByteArray& bytes)
{
    return crc16Update(bytes, CRC16_START);
}

std::uint32_t Crc32_Of(const QByteArray& bytes)
{
    return ~crc32Update(bytes, CRC32_START);
}

} // namespace quarnel
