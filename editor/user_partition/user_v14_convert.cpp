#include "editor/user_partition/user_v14_convert.h"

#include "editor/core/value_helpers.h"

#include <cmath>

namespace User_Mod {

QString Error_Description(int number)
{
    switch (number) {
    case ERROR_OVERFLOW: return QStringLiteral("Overflow");
    case ERROR_SUBSCRIPT: return QStringLiteral("Subscript out of range");
    case ERROR_TYPE_MISMATCH: return QStringLiteral("Type mismatch");
    case ERROR_INVALID_VALUE: return QStringLiteral("Invalid property value");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

Record_Value_Error::Record_Value_Error(int number, const QString& field)
    : core::Record_Error(Error_Description(number) + QStringLiteral(" (") + field + QLatin1Char(')')),
      number_(number), field_(field)
{
}

QString Record_Value_Error::Description() const
{
    return Error_Description(number_);
}

std::int32_t Text_To_Whole(const QString& text, std::int32_t minimum, std::int32_t maximum,
                           const QString& field)
{
    const std::optional<double> value = core::Parse_Number(text);
    if (!value)
        throw Record_Value_Error(ERROR_TYPE_MISMATCH, field);
    // The default floating-point rounding takes a half to the even neighbour.
    const double whole = std::nearbyint(*value);
    if (whole < minimum || whole > maximum)
        throw Record_Value_Error(ERROR_OVERFLOW, field);
    return static_cast<std::int32_t>(whole);
}

namespace {

std::int32_t Digits_To_Whole(const QString& text, int base, std::int32_t maximum,
                             const QString& field)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        throw Record_Value_Error(ERROR_TYPE_MISMATCH, field);
    std::int64_t value = 0;
    for (const QChar c : digits) {
        const int digit = c.isDigit() ? c.digitValue()
                          : (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F'))
                              ? c.toUpper().unicode() - 'A' + 10
                              : 99;
        if (digit >= base)
            throw Record_Value_Error(ERROR_TYPE_MISMATCH, field);
        value = value * base + digit;
        if (value > maximum)
            throw Record_Value_Error(ERROR_OVERFLOW, field);
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

std::int32_t Octal_To_Whole(const QString& text, std::int32_t maximum, const QString& field)
{
    return Digits_To_Whole(text, 8, maximum, field);
}

std::int32_t Hex_To_Whole(const QString& text, std::int32_t maximum, const QString& field)
{
    return Digits_To_Whole(text, 16, maximum, field);
}

QString Columns(const QString& line, int first, int last)
{
    return line.mid(first - 1, last - first + 1);
}

bool Encode_Item61(int index, Item61_Flags& flags)
{
    // index: A0, A2, B0
    static constexpr std::uint8_t CODES[6][3] = {
        {1, 1, 0}, {1, 1, 1}, {1, 0, 0}, {0, 0, 0}, {0, 1, 1}, {0, 0, 1},
    };
    if (index < 0 || index > 5)
        return false;
    flags.A0 = CODES[index][0];
    flags.A2 = CODES[index][1];
    flags.B0 = CODES[index][2];
    return true;
}

int Decode_Item61(const Item61_Flags& flags)
{
    const int key = (flags.A2 ? 2 : 0) + (flags.A0 ? 4 : 0) + (flags.B0 ? 1 : 0);
    switch (key) {
    case 6: return 0;
    case 7: return 1;
    case 4: return 2;
    case 0: return 3;
    case 1: return 5;
    default: return 4;
    }
}

std::uint16_t Longitude_Code(double degrees)
{
    const double halves = std::nearbyint(degrees * 10.0 / 5.0);
    return static_cast<std::uint16_t>(core::Mask_Bits(static_cast<std::int32_t>(halves), 10));
}

double Longitude_From_Code(std::uint16_t code)
{
    return core::Sign_Extend(code, 10) * 5 / 10.0;
}

double Elevation_Halves(double degrees)
{
    return std::nearbyint(degrees * 10.0 / 5.0);
}

std::int32_t Elevation_Code(const QString& text, const QString& field)
{
    const std::optional<double> value = core::Parse_Number(text);
    if (!value)
        throw Record_Value_Error(ERROR_TYPE_MISMATCH, field);
    const double halves = Elevation_Halves(*value);
    if (halves < -32768 || halves > 32767)
        throw Record_Value_Error(ERROR_OVERFLOW, field);
    return static_cast<std::int32_t>(halves);
}

QString Nul_Filled_16(const QString& text, const QString& field)
{
    if (text.size() > 16)
        throw Record_Value_Error(ERROR_OVERFLOW, field);
    return text + QString(16 - text.size(), QChar(0));
}

QString Blank_Padded(const QString& text, int width)
{
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

} // namespace User_Mod
