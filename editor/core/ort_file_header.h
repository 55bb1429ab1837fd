#pragma once
// The 44-byte header at the start of every ORT file, and the whole file image
// (header, partition data, CRC of the data) that the writers produce.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>

namespace core {

inline const QString ORT_MAGIC = QStringLiteral("OH");
inline const QString ORT_MAKER_TEXT = QStringLiteral("QUENDRALL/ZELKO "); // the 16th character is a blank
inline const QString ORT_PN_PREFIX = QStringLiteral("6240100-");
constexpr qsizetype ORT_HEADER_LENGTH = 44;
constexpr qsizetype ORT_CRC_LENGTH = 2;

// The header as plain values; the byte layout lives in Header_Layout().
struct ORT_File_Header {
    QString Magic;          // "OH"
    QString Maker_Text;     // 16 characters
    QString PN_Prefix;      // 8 characters
    QString ORT_Type_Text;  // two decimal digits, "07" to "15" when written
    std::uint16_t Header_Size = 0;
    QString Save_Date;      // DD-MMM-YY
    std::uint8_t Tool_Version = 0;
    std::uint32_t Data_Length = 0;

    bool operator==(const ORT_File_Header&) const = default;
};

enum class Header_Encoding {
    Ascii,       // one byte a character, no terminator
    Unsigned_BE, // unsigned number, big-endian, 1, 2 or 4 bytes
};

// One header field: where it sits and how it is encoded. Text rows use
// Text; number rows use Get_Number / Set_Number.
struct Header_Field {
    const char* Name;
    qsizetype Offset;
    qsizetype Width;
    Header_Encoding Encoding;
    QString ORT_File_Header::*Text;
    std::uint32_t (*Get_Number)(const ORT_File_Header&);
    void (*Set_Number)(ORT_File_Header&, std::uint32_t);
};

// The header fields in file order.
std::span<const Header_Field> Header_Layout();

// The header of an ORT of the given type as the writers build it: the fixed
// texts, the type as two digits, header size 44, the save date (9 characters,
// DD-MMM-YY), this editor's tool version 36 and the data length.
ORT_File_Header Make_Header(std::int32_t type, std::uint32_t data_length, const QString& save_date);

// The 44 header bytes.
QByteArray Serialize_Header(const ORT_File_Header& header);
QByteArray Build_Header(std::int32_t type, std::uint32_t data_length, const QString& save_date);

struct Header_Parse_Result {
    bool Valid = false; // false: fewer than 44 bytes, no header at all
    ORT_File_Header Header;
};

// Reads the fields of the first 44 bytes; bytes beyond them are ignored.
// Never throws: a short buffer gives Valid false and an empty header.
Header_Parse_Result Parse_Header(const QByteArray& bytes);

// The type code of ORT_Type_Text read as a decimal number, or nothing when
// the text is not a number (blanks around the digits are allowed).
std::optional<std::int32_t> Header_Type_Number(const ORT_File_Header& header);

// True when magic, maker text, part-number prefix and header size are the
// ones every writer puts in (exact, case-sensitive).
bool Header_Identity_Ok(const ORT_File_Header& header);

// A whole ORT file: the header for the type and the data length, the data,
// then the CRC-16 of the data, high byte first.
QByteArray Build_ORT_File(std::int32_t type, const QByteArray& data, const QString& save_date);

} // namespace core
