#pragma once
// Byte access to a user record from the tests, apart from the layout tables:
// big-endian numbers of any width, zero-padded text fields, bytes written
// into a record by hand, and list selections to write and read back.

#include <QByteArray>
#include <QComboBox>

#include <algorithm>
#include <cstdint>

namespace usertest {

// The big-endian number of `width` bytes at `offset`.
inline std::int64_t Number_In(const QByteArray& bytes, int offset, int width)
{
    std::int64_t value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(offset + i));
    return value;
}

// Writes `value` big-endian into the `width` bytes at `offset`.
inline void Put_Number(QByteArray& bytes, int offset, int width, std::int64_t value)
{
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        bytes[offset + i] = static_cast<char>(value & 0xFF);
}

// Writes `value` big-endian into a record (anything with Bytes and Set_Bytes).
template <typename Record>
void Put_Number_Into(Record& record, int offset, int width, std::int64_t value)
{
    QByteArray bytes = record.Bytes();
    Put_Number(bytes, offset, width, value);
    record.Set_Bytes(bytes);
}

// Writes `field` into a record at `offset`.
template <typename Record>
void Put_Field_Into(Record& record, int offset, const QByteArray& field)
{
    QByteArray bytes = record.Bytes();
    bytes.replace(offset, field.size(), field);
    record.Set_Bytes(bytes);
}

// `text` followed by zeros up to `width` bytes.
inline QByteArray Text_Field(const char* text, int width)
{
    QByteArray bytes(text);
    bytes.append(QByteArray(width - bytes.size(), '\0'));
    return bytes;
}

// Selects `wanted` (or the last entry of a shorter list); the index chosen.
inline int Pick(QComboBox* box, int wanted)
{
    box->setCurrentIndex(std::min(wanted, box->count() - 1));
    return box->currentIndex();
}

// An index of the list other than the one selected now.
inline int Other(const QComboBox* box) { return (box->currentIndex() + 1) % box->count(); }

} // namespace usertest
