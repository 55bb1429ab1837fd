#pragma once
// The checks that every editable field runs when it is left. Each takes the
// field's text and returns the text that replaces it; a value that had to be
// corrected shows one warning box (exclamation icon, OK) and sets cancel,
// which keeps the focus in the field. Range boxes carry the caller's title;
// the invalid-character box carries the program's title.

#include <QString>
#include <cstdint>

namespace core {

extern const char* const MSG_SET_DEFAULT; // "Value Out of Range, Setting to Default"
extern const char* const MSG_SET_MINIMUM; // "Value Out of Range, Setting to Minimum"
extern const char* const MSG_SET_MAXIMUM; // "Value Out of Range, Setting to Maximum"
extern const char* const MSG_INVALID_CHARACTER; // " contains invalid character" (after the title)

// Trims blanks, upper-cases for an upper-casing set, drops characters outside
// codes 32 to 126; at the first remaining character outside the set shows
// title + " contains invalid character" and sets cancel. The cleaned text is
// returned in every case.
QString Validate_String(const QString& text, int char_set, const QString& title, bool& cancel);

// mode 0: a whole number ("0"), mode 1: one decimal ("0.0"), a half rounded
// away from zero. Not a number: the default text; below/above: the bound.
QString Validate_Real(int mode, const QString& text, const QString& default_text, double minimum,
                      double maximum, const QString& title, bool& cancel);

// Octal digits left-padded with "0" to the width. A bad character shows the
// invalid-character box and then the default box.
QString Validate_Octal(const QString& text, std::int32_t default_value, std::int32_t minimum,
                       std::int32_t maximum, const QString& title, int width, bool& cancel);

// Upper-case hex digits without padding; empty text or a character outside
// the hex digits gives the default.
QString Validate_Hex(const QString& text, std::int32_t default_value, std::int32_t minimum,
                     std::int32_t maximum, const QString& title, bool& cancel);

// As Validate_Hex, but a valid text whose value equals extra_value is kept
// without the range check.
QString Validate_Hex_Except(const QString& text, std::int32_t default_value, std::int32_t minimum,
                            std::int32_t maximum, const QString& title, std::int32_t extra_value,
                            bool& cancel);

// One spin-button step of 0.1 (up or down), clamped to the range, in the
// number's shortest form. A text that is not a number gives the default text
// and the default box (no cancel flag).
QString Step_Real(bool up, const QString& text, const QString& default_text, double minimum,
                  double maximum, const QString& title);

} // namespace core
