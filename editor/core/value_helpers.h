#pragma once
// Moving numbers between page controls and record fields: range-to-default
// checks, tenths, clamps, bit masks, sign extension, logical shifts and the
// number texts used by the fields and the conversion report. Numbers are
// always read and written in the C locale.

#include <QString>
#include <cstdint>
#include <optional>

namespace core {

// --- number texts -----------------------------------------------------------

// The text as a finite number: blanks around it, a sign and an exponent are
// accepted; empty text, group separators, "inf" and "nan" are not numbers.
std::optional<double> Parse_Number(const QString& text);

// The value with exactly `decimals` decimals (pattern "0", "0.0", ...),
// a half rounded away from zero on the value's shortest decimal form
// (so 0.15 gives 0.2). A result that rounds to zero carries no minus sign.
QString Format_Fixed(double value, int decimals);

// The value in its shortest form with up to 15 significant digits
// (12.6, 0, 25.5, -3).
QString Format_Shortest(double value);

// 32-bit two's-complement digits of the value: octal, upper-case hex.
QString To_Octal(std::int32_t value);
QString To_Hex(std::int32_t value);

// --- range helpers ----------------------------------------------------------

// The value converted to the type (a half to the even neighbour), or the
// default when it lies below the minimum or above the maximum, or when the
// text is not a number.
std::int32_t Range_Default_Long(double value, std::int32_t minimum, std::int32_t maximum,
                                std::int32_t default_value);
std::int32_t Range_Default_Long(const QString& value, std::int32_t minimum, std::int32_t maximum,
                                std::int32_t default_value);
std::int16_t Range_Default_Int(double value, std::int16_t minimum, std::int16_t maximum,
                               std::int16_t default_value);
std::int16_t Range_Default_Int(const QString& value, std::int16_t minimum, std::int16_t maximum,
                               std::int16_t default_value);
std::uint8_t Range_Default_Byte(double value, std::uint8_t minimum, std::uint8_t maximum,
                                std::uint8_t default_value);
std::uint8_t Range_Default_Byte(const QString& value, std::uint8_t minimum, std::uint8_t maximum,
                                std::uint8_t default_value);

// Inside [minimum, maximum]: value * 10 rounded, a half to the even
// neighbour (12.5 -> 125, 0.25 -> 2); else (or a text that is not a number)
// the default.
std::int32_t Real_To_Tenths(double value, double minimum, double maximum,
                            std::int32_t default_value);
std::int32_t Real_To_Tenths(const QString& value, double minimum, double maximum,
                            std::int32_t default_value);

// The minimum when the value is below it or not comparable (NaN), the value
// when it is at most the maximum, else the maximum.
float Clamp_Single(float value, float minimum, float maximum);

// --- bits -------------------------------------------------------------------

// value And (2^n - 1); n <= 0 gives 0, n >= 32 the value itself.
std::int32_t Mask_Bits(std::int32_t value, std::int16_t n);

// The low n bits of value as a signed n-bit number extended to 32 bits;
// n <= 0 gives 0, n >= 32 the value itself.
std::int32_t Sign_Extend(std::int32_t value, std::int16_t n);

// mode 1: octal digits + "(Octal)"; mode 2: upper-case hex + "(Hex)";
// otherwise decimal. Negative values show their 32-bit pattern in modes 1, 2.
QString Format_Radix(std::int32_t value, int mode);

// Logical shifts of the 32-bit (16-bit) pattern. n < 1 returns the value
// unchanged, n > 31 (n > 15) returns 0.
std::int32_t Shift_Left_Long(std::int32_t value, int n);
std::int32_t Shift_Right_Long(std::int32_t value, int n);
std::int16_t Shift_Left_Int(std::int16_t value, int n);
std::int16_t Shift_Right_Int(std::int16_t value, int n);

} // namespace core
