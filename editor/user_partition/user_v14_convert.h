#pragma once
// Value codings of the generation-14 user record that need no widgets: the
// numbers taken from field texts and list columns, the item-61 flags, the
// satellite longitude and the PIM/BIT elevation codes, and the error that
// ends a record move at a value it cannot take.

#include "editor/core/record_layout.h"

#include <QString>
#include <cstdint>

namespace User_Mod {

// A value that a record move cannot take: a text that is no number, a number
// that does not fit its field, a stored index or count the page cannot hold.
// Number() and Description() are those of the corresponding platform error,
// so the loader's and the save command's handlers can show them; the message
// is the description followed by the field in parentheses.
class Record_Value_Error : public core::Record_Error {
public:
    Record_Value_Error(int number, const QString& field);
    int Number() const { return number_; }
    QString Description() const;
    // What was being moved ("item 76", "GES count").
    const QString& Field() const { return field_; }

private:
    int number_;
    QString field_;
};

constexpr int ERROR_OVERFLOW = 6;
constexpr int ERROR_SUBSCRIPT = 9;
constexpr int ERROR_TYPE_MISMATCH = 13;
constexpr int ERROR_INVALID_VALUE = 380;

// The platform description of an error number above.
QString Error_Description(int number);

// --- numbers from texts (save direction) ------------------------------------

// A decimal text rounded to the nearest whole number, a half to the even
// neighbour; Record_Value_Error (type mismatch) when it is no number,
// (overflow) when the result lies outside [minimum, maximum].
std::int32_t Text_To_Whole(const QString& text, std::int32_t minimum, std::int32_t maximum,
                           const QString& field);
inline std::int32_t Text_To_Byte(const QString& text, const QString& field)
{
    return Text_To_Whole(text, 0, 255, field);
}
inline std::int32_t Text_To_Int16(const QString& text, const QString& field)
{
    return Text_To_Whole(text, -32768, 32767, field);
}
// A whole number as an unsigned 16-bit field holds it, 0 to 65535 (items 90
// and 102).
inline std::int32_t Text_To_Unsigned16(const QString& text, const QString& field)
{
    return Text_To_Whole(text, 0, 65535, field);
}

// A list column or field read in base 8 or 16 (blanks around it allowed);
// type mismatch when it holds no digit or another character, overflow above
// `maximum`.
std::int32_t Octal_To_Whole(const QString& text, std::int32_t maximum, const QString& field);
std::int32_t Hex_To_Whole(const QString& text, std::int32_t maximum, const QString& field);

// The characters first..last (counted from 1) of a line; what the line has.
QString Columns(const QString& line, int first, int last);

// --- item 61 ----------------------------------------------------------------

// The three flag bytes that carry the list index of item 61.
struct Item61_Flags {
    std::uint8_t A0 = 0;
    std::uint8_t A2 = 0;
    std::uint8_t B0 = 0;
};

// The flags of a list index 0 to 5; nothing for any other index.
bool Encode_Item61(int index, Item61_Flags& flags);
// The list index of stored flags (key A2 x 2 + A0 x 4 + B0): 6 gives 0, 7
// gives 1, 4 gives 2, 0 gives 3, 1 gives 5, any other key 4. Flags that are
// not 0 count as set.
int Decode_Item61(const Item61_Flags& flags);

// --- satellite longitude ----------------------------------------------------

// Degrees to the 10-bit half-degree code: degrees x 2 rounded (a half to the
// even neighbour), the low 10 bits.
std::uint16_t Longitude_Code(double degrees);
// The code's low 10 bits as a signed number of half degrees.
double Longitude_From_Code(std::uint16_t code);

// --- PIM/BIT elevation ------------------------------------------------------

// Degrees to half degrees, rounded (a half to the even neighbour).
double Elevation_Halves(double degrees);
// Elevation_Halves of the text; type mismatch or overflow as Text_To_Whole
// for a 16-bit field.
std::int32_t Elevation_Code(const QString& text, const QString& field);
// Half degrees to degrees.
inline double Elevation_From_Code(std::int16_t code) { return code * 5 / 10.0; }

// --- texts ------------------------------------------------------------------

// The text followed by NULs up to 16 characters (no change of case); a text
// longer than 16 characters is a Record_Value_Error (overflow).
QString Nul_Filled_16(const QString& text, const QString& field);

// A cleaned text blank-padded to a field's width (cut to it when longer).
QString Blank_Padded(const QString& text, int width);

} // namespace User_Mod
