#pragma once
// Big-endian numbers and fixed-width ASCII texts over a byte buffer. Every
// access is bounds-checked: reading or writing outside the buffer throws
// Bounds_Error and touches nothing.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <stdexcept>

namespace platform {

class Bounds_Error : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// Throws Bounds_Error unless [offset, offset + width) lies inside a buffer of size.
void Check_Range(qsizetype size, qsizetype offset, qsizetype width);

std::uint8_t Get_U8(const QByteArray& buf, qsizetype offset);
std::uint16_t Get_U16(const QByteArray& buf, qsizetype offset);
std::uint32_t Get_U32(const QByteArray& buf, qsizetype offset);
std::int8_t Get_I8(const QByteArray& buf, qsizetype offset);
std::int16_t Get_I16(const QByteArray& buf, qsizetype offset);
std::int32_t Get_I32(const QByteArray& buf, qsizetype offset);
QByteArray Get_Bytes(const QByteArray& buf, qsizetype offset, qsizetype width);
// The width bytes as text, one character per byte (Latin-1), nothing trimmed.
QString Get_Text(const QByteArray& buf, qsizetype offset, qsizetype width);

void Put_U8(QByteArray& buf, qsizetype offset, std::uint8_t value);
void Put_U16(QByteArray& buf, qsizetype offset, std::uint16_t value);
void Put_U32(QByteArray& buf, qsizetype offset, std::uint32_t value);
void Put_Bytes(QByteArray& buf, qsizetype offset, const QByteArray& bytes);
// Writes exactly width bytes: the text cut to width, then pad bytes. A
// character outside 7-bit ASCII is written as '?'.
void Put_Text(QByteArray& buf, qsizetype offset, qsizetype width, const QString& text,
              char pad = '\0');

// Host-to-network style conversions of a value to its big-endian bytes.
QByteArray U16_Bytes(std::uint16_t value);
QByteArray U32_Bytes(std::uint32_t value);

} // namespace platform
