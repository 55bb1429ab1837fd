#pragma once
// Declarative layouts of the fixed-length partition records. A layout is a
// table with one row per field (offset, width, encoding, element count and
// stride for repeated fields); a Record holds the bytes of one record and
// reads and writes its fields big-endian through the table. The tables are
// checked by tests against the record lengths (no field outside the record,
// no two fields overlapping).

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <span>

namespace core {

enum class Enc {
    U8,
    I8,
    U16,
    I16,
    U32,
    I32,
    Text,  // fixed-width ASCII text, one byte per character, NUL-padded
    Bytes, // raw bytes
};

struct Field_Def {
    int id;           // the layout's own field number (an enum value)
    const char* name; // for messages and layout checks
    int offset;       // offset of element 0
    int width;        // bytes per element
    Enc enc;
    int count = 1;    // elements of a repeated field
    int stride = 0;   // bytes from one element to the next (0: width)
};

using Layout = std::span<const Field_Def>;

class Record_Error : public std::exception {
public:
    explicit Record_Error(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const char* what() const noexcept override { return utf8_.constData(); }
    const QString& Message() const { return message_; }

private:
    QString message_;
    QByteArray utf8_;
};

class Record {
public:
    // A record of `length` zero bytes.
    Record(Layout layout, int length);

    int Length() const { return static_cast<int>(bytes_.size()); }
    const QByteArray& Bytes() const { return bytes_; }
    // Replaces the bytes; throws Record_Error unless bytes has the record's length.
    void Set_Bytes(const QByteArray& bytes);
    void Clear(); // all zero

    // Numbers: signed encodings are sign-extended, unsigned ones are not.
    std::int64_t Get(int id, int index = 0) const;
    // Stores the low bits of value in the field's width.
    void Set(int id, std::int64_t value, int index = 0);

    // Text fields: Get_Text returns every byte of the field as Latin-1 (NULs
    // included); Set_Text writes the text cut to the width, NUL-padded, with
    // characters outside 7-bit ASCII written as '?'.
    QString Get_Text(int id, int index = 0) const;
    void Set_Text(int id, const QString& text, int index = 0);

    QByteArray Get_Raw(int id, int index = 0) const;
    void Set_Raw(int id, const QByteArray& bytes, int index = 0); // must have the field's width

    const Field_Def& Field(int id) const;
    int Offset_Of(int id, int index = 0) const;
    int Count_Of(int id) const { return Field(id).count; }

private:
    Layout layout_;
    QByteArray bytes_;
};

// Layout check used by tests: empty when every field lies inside a record of
// `length` bytes, no two fields overlap and every id is unique; otherwise a
// description of the first problem.
QString Check_Layout(Layout layout, int length);

} // namespace core
