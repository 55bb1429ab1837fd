#pragma once
// The allowed-character sets of the input fields, the key filter and the
// power-of-two tables. All tables are filled once at start-up by Init_Utils
// and read-only afterwards; reading one before that fills it on first use.

#include <QString>
#include <array>
#include <cstdint>

namespace core {

struct Char_Set {
    bool To_Upper = false; // text is upper-cased before the character test
    QString Allowed;       // admitted characters; the first is the replacement character

    bool Admits(QChar c) const { return Allowed.contains(c); }
};

// The sets by what they admit; a set's number is its place in the table.
// Callers name a set here and pass it where a set number is asked for.
struct Chars {
    enum Id : int {
        Printable = 0,          // blank to tilde
        Upper_Printable = 1,    // Printable without a to z, upper-cased
        Letters = 2,            // A to Z, upper-cased
        Octal = 3,              // 0 to 7
        Digits = 4,             // 0 to 9
        Hex = 5,                // digits, A to F, upper-cased
        Digits_Point = 6,       // digits and "."
        Signed_Digits = 7,      // "-" and digits
        Signed_Real = 8,        // digits, "." and "-"
        Product_Id = 9,         // digits, A to Y without I, O and Q, upper-cased
        Phone_Digits = 10,      // blank, "/", digits and "-"
        Alphanumeric = 11,      // digits and A to Z, upper-cased
        Directory_Number = 12,  // Phone_Digits and "."
        Mixed_Case_Name = 13,   // blank, "-", digits, A to Z and a to z
        Part_Number = 14,       // "-", digits and A to Z, upper-cased
        Upper_Name = 15,        // blank, "-", digits and A to Z, upper-cased
        Dashed_Product_Id = 16, // "-" and Product_Id, upper-cased
        Directory_Name = 17,    // Upper_Printable without $ @ ^ _ ` { | } ~
    };
};

constexpr int CHAR_SET_COUNT = Chars::Directory_Name + 1;

using Char_Set_Table = std::array<Char_Set, CHAR_SET_COUNT>;

// The table, numbered 0 to 17.
const Char_Set_Table& Char_Sets();
// One set by number; a number outside 0..17 throws std::out_of_range.
const Char_Set& Char_Sets(int index);

void Init_Char_Sets();
// Fills the character sets and the power-of-two tables.
void Init_Utils();

// Element k = 2 to the power k; element 31 (15) is the sign-bit pattern.
const std::array<std::int32_t, 32>& Pow2_Long();
const std::array<std::int16_t, 16>& Pow2_Int();

// The key code to let through for a key pressed in a field of the given set,
// or 0 to swallow it. Backspace (8) always passes; other control characters
// are swallowed; letters of an upper-casing set come back upper-case.
int Filter_KeyAscii(int key_ascii, int char_set);

// True when every character of the text is one of the set's characters, as
// the text stands (no upper-casing); an empty text is in every set.
bool Text_In_Set(const QString& text, int char_set);

// Upper-cases one character the way the fields do: ASCII letters always,
// other characters only when their upper case is not an ASCII character.
QChar Upper_Char(QChar c);
QString Upper_Text(const QString& text);

} // namespace core
