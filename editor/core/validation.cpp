#include "editor/core/validation.h"

#include "editor/core/char_sets.h"
#include "editor/core/text_helpers.h"
#include "editor/core/value_helpers.h"
#include "platform/message_service.h"

#include <optional>

namespace core {

const char* const MSG_SET_DEFAULT = "Value Out of Range, Setting to Default";
const char* const MSG_SET_MINIMUM = "Value Out of Range, Setting to Minimum";
const char* const MSG_SET_MAXIMUM = "Value Out of Range, Setting to Maximum";
const char* const MSG_INVALID_CHARACTER = " contains invalid character";

namespace {

void Range_Box(const char* message, const QString& title, bool& cancel)
{
    platform::Warn(QString::fromLatin1(message), title);
    cancel = true;
}

// Reads digits of the given radix (all already checked) as a number; a
// number beyond 64 bits saturates, which every caller treats as too large.
std::int64_t Read_Digits(const QString& digits, int radix)
{
    constexpr std::int64_t LIMIT = std::int64_t{1} << 40;
    std::int64_t value = 0;
    for (const QChar c : digits) {
        const int digit = c.isDigit() ? c.unicode() - '0' : c.unicode() - 'A' + 10;
        value = value * radix + digit;
        if (value > LIMIT)
            return LIMIT;
    }
    return value;
}

// The hex text read as a 32-bit signed number: up to 8 significant digits
// give the 32-bit pattern; more do not fit and count as too large.
std::optional<std::int32_t> Read_Hex32(const QString& digits)
{
    const std::int64_t value = Read_Digits(digits, 16);
    if (value > 0xFFFFFFFFLL)
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

QString Check_Hex(const QString& text, std::int32_t default_value, std::int32_t minimum,
                  std::int32_t maximum, const QString& title, const std::int32_t* extra_value,
                  bool& cancel)
{
    const QString upper = Upper_Text(text);
    if (upper.isEmpty() || !Text_In_Set(upper, Chars::Hex)) {
        Range_Box(MSG_SET_DEFAULT, title, cancel);
        return To_Hex(default_value);
    }
    const std::optional<std::int32_t> value = Read_Hex32(upper);
    if (!value) {
        Range_Box(MSG_SET_MAXIMUM, title, cancel);
        return To_Hex(maximum);
    }
    if (extra_value && *value == *extra_value)
        return upper;
    if (*value < minimum) {
        Range_Box(MSG_SET_MINIMUM, title, cancel);
        return To_Hex(minimum);
    }
    if (*value > maximum) {
        Range_Box(MSG_SET_MAXIMUM, title, cancel);
        return To_Hex(maximum);
    }
    return upper;
}

} // namespace

QString Validate_String(const QString& text, int char_set, const QString& title, bool& cancel)
{
    const Char_Set& set = Char_Sets(char_set);
    QString cleaned = Trim_Blanks(text);
    if (set.To_Upper)
        cleaned = Upper_Text(cleaned);
    cleaned.removeIf([](QChar c) { return c.unicode() < 32 || c.unicode() > 126; });

    if (!Text_In_Set(cleaned, char_set)) {
        platform::Warn(title + QString::fromLatin1(MSG_INVALID_CHARACTER), QString());
        cancel = true;
    }
    return cleaned;
}

QString Validate_Real(int mode, const QString& text, const QString& default_text, double minimum,
                      double maximum, const QString& title, bool& cancel)
{
    const int decimals = mode == 1 ? 1 : 0;
    const std::optional<double> value = Parse_Number(text);
    if (!value) {
        Range_Box(MSG_SET_DEFAULT, title, cancel);
        const std::optional<double> default_number = Parse_Number(default_text);
        return default_number ? Format_Fixed(*default_number, decimals) : default_text;
    }
    double result = *value;
    if (result < minimum) {
        Range_Box(MSG_SET_MINIMUM, title, cancel);
        result = minimum;
    } else if (result > maximum) {
        Range_Box(MSG_SET_MAXIMUM, title, cancel);
        result = maximum;
    }
    return Format_Fixed(result, decimals);
}

QString Validate_Octal(const QString& text, std::int32_t default_value, std::int32_t minimum,
                       std::int32_t maximum, const QString& title, int width, bool& cancel)
{
    QString result = Validate_String(text, Chars::Octal, title, cancel);
    if (!cancel && !result.isEmpty()) {
        const std::int64_t value = Read_Digits(result, 8);
        if (value < minimum) {
            Range_Box(MSG_SET_MINIMUM, title, cancel);
            result = To_Octal(minimum);
        } else if (value > maximum) {
            Range_Box(MSG_SET_MAXIMUM, title, cancel);
            result = To_Octal(maximum);
        }
    } else {
        Range_Box(MSG_SET_DEFAULT, title, cancel);
        result = To_Octal(default_value);
    }
    return Pad_Zeros(result, width);
}

QString Validate_Hex(const QString& text, std::int32_t default_value, std::int32_t minimum,
                     std::int32_t maximum, const QString& title, bool& cancel)
{
    return Check_Hex(text, default_value, minimum, maximum, title, nullptr, cancel);
}

QString Validate_Hex_Except(const QString& text, std::int32_t default_value, std::int32_t minimum,
                            std::int32_t maximum, const QString& title, std::int32_t extra_value,
                            bool& cancel)
{
    return Check_Hex(text, default_value, minimum, maximum, title, &extra_value, cancel);
}

QString Step_Real(bool up, const QString& text, const QString& default_text, double minimum,
                  double maximum, const QString& title)
{
    const std::optional<double> value = Parse_Number(text);
    if (!value) {
        platform::Warn(QString::fromLatin1(MSG_SET_DEFAULT), title);
        return default_text;
    }
    double result = up ? *value + 0.1 : *value - 0.1;
    if (result < minimum)
        result = minimum;
    if (result > maximum)
        result = maximum;
    return Format_Shortest(result);
}

} // namespace core
