#pragma once
// Fixed-width texts of the record fields and list columns, cleaning of texts
// by character set, file-name extensions and the date stamp of the file
// header.

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

namespace core {

// The text upper-cased followed by (width + 1 - length) NULs: the content of
// a record field of width + 1 bytes. A longer text is cut to width + 1.
QString Make_Fixed_String(const QString& text, int width);

// The text up to, not including, its first character outside printable
// ASCII (32 to 126); the whole text when there is none.
QString Strip_At_Null(const QString& text);

// Strip_At_Null of the text followed by blanks up to the width; a longer text
// is returned as it is.
QString Pad_Right_Spaces(const QString& text, int width);

// The value with "0" put in front until it is width characters long.
QString Pad_Zeros(const QString& value, int width);
QString Pad_Zeros(std::int64_t value, int width);

// Table names and numbers: the first 14 characters, blanks trimmed at both
// ends, an empty result becomes width - 1 minus signs, then NULs up to the
// width.
QString Make_Phone_Field(const QString& value, int width);

// Pads the value to the width with pad (which must be one character, or the
// value comes back unchanged): an empty value first becomes width pad
// characters (width - 1 when nul is set); a shorter text gets one NUL
// behind it when nul is set; then pad characters go in front (left) or
// behind.
QString Pad_Field(bool left, bool nul, const QString& value, int width, const QString& pad);

// Upper-cases the text when the set says so, then replaces every character
// outside the set (backspace apart) by the set's first character. The length
// never changes.
QString Sanitize_String(const QString& text, int char_set);

// Blanks (only blanks, as in every fixed-width field) trimmed at both ends.
QString Trim_Blanks(const QString& text);
// ... at the end only.
QString Trim_Trailing_Blanks(const QString& text);

// Blanks trimmed at both ends, every run of blanks reduced to one.
QString Collapse_Spaces(const QString& text);

// Extensions look only at the file-name part of a path (after the last "/"),
// so dotted folders do not count.
// The name without its extension when the last full stop is followed by 1 to
// 3 characters; otherwise unchanged (also when the name is shorter than 3).
QString Strip_Extension(const QString& path);
// The characters after the last full stop, cut to 3; empty when there is no
// full stop or the name is shorter than 3 characters.
QString Get_Extension(const QString& path);

// The date as DD-MMM-YY ("05-MAR-09"); today when no date is given.
QString Get_Date_Stamp(std::optional<QDate> date = std::nullopt);

} // namespace core
