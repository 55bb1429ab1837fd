#include "platform/big_endian.h"

#include <string>

namespace platform {

void Check_Range(qsizetype size, qsizetype offset, qsizetype width)
{
    if (offset < 0 || width < 0 || offset > size || width > size - offset)
        throw Bounds_Error("buffer access out of range: offset " + std::to_string(offset) +
                           ", width " + std::to_string(width) + ", size " + std::to_string(size));
}

namespace {
std::uint8_t byte_at(const QByteArray& buf, qsizetype i)
{
    return static_cast<std::uint8_t>(buf[i]);
}
} // namespace

std::uint8_t Get_U8(const QByteArray& buf, qsizetype offset)
{
    Check_Range(buf.size(), offset, 1);
    return byte_at(buf, offset);
}

std::uint16_t Get_U16(const QByteArray& buf, qsizetype offset)
{
    Check_Range(buf.size(), offset, 2);
    return static_cast<std::uint16_t>((byte_at(buf, offset) << 8) | byte_at(buf, offset + 1));
}

std::uint32_t Get_U32(const QByteArray& buf, qsizetype offset)
{
    Check_Range(buf.size(), offset, 4);
    return (std::uint32_t(byte_at(buf, offset)) << 24) | (std::uint32_t(byte_at(buf, offset + 1)) << 16) |
           (std::uint32_t(byte_at(buf, offset + 2)) << 8) | std::uint32_t(byte_at(buf, offset + 3));
}

std::int8_t Get_I8(const QByteArray& buf, qsizetype offset)
{
    return static_cast<std::int8_t>(Get_U8(buf, offset));
}

std::int16_t Get_I16(const QByteArray& buf, qsizetype offset)
{
    return static_cast<std::int16_t>(Get_U16(buf, offset));
}

std::int32_t Get_I32(const QByteArray& buf, qsizetype offset)
{
    return static_cast<std::int32_t>(Get_U32(buf, offset));
}

QByteArray Get_Bytes(const QByteArray& buf, qsizetype offset, qsizetype width)
{
    Check_Range(buf.size(), offset, width);
    return buf.mid(offset, width);
}

QString Get_Text(const QByteArray& buf, qsizetype offset, qsizetype width)
{
    return QString::fromLatin1(Get_Bytes(buf, offset, width));
}

void Put_U8(QByteArray& buf, qsizetype offset, std::uint8_t value)
{
    Check_Range(buf.size(), offset, 1);
    buf[offset] = static_cast<char>(value);
}

void Put_U16(QByteArray& buf, qsizetype offset, std::uint16_t value)
{
    Put_Bytes(buf, offset, U16_Bytes(value));
}

void Put_U32(QByteArray& buf, qsizetype offset, std::uint32_t value)
{
    Put_Bytes(buf, offset, U32_Bytes(value));
}

void Put_Bytes(QByteArray& buf, qsizetype offset, const QByteArray& bytes)
{
    Check_Range(buf.size(), offset, bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        buf[offset + i] = bytes[i];
}

void Put_Text(QByteArray& buf, qsizetype offset, qsizetype width, const QString& text, char pad)
{
    Check_Range(buf.size(), offset, width);
    QByteArray bytes(width, pad);
    const qsizetype n = std::min<qsizetype>(width, text.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        bytes[i] = c < 0x80 ? static_cast<char>(c) : '?';
    }
    Put_Bytes(buf, offset, bytes);
}

QByteArray U16_Bytes(std::uint16_t value)
{
    QByteArray b(2, '\0');
    b[0] = static_cast<char>(value >> 8);
    b[1] = static_cast<char>(value & 0xFF);
    return b;
}

QByteArray U32_Bytes(std::uint32_t value)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
    return b;
}

} // namespace platform
