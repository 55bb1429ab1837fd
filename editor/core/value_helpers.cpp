#include "editor/core/value_helpers.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace core {

std::optional<double> Parse_Number(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    QLocale c_locale = QLocale::c();
    c_locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c_locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {

// Adds one to the decimal digit string (no sign, no point); "99" -> "100".
QString Increment_Digits(QString digits)
{
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0) {
        if (digits[i] == QLatin1Char('9')) {
            digits[i] = QLatin1Char('0');
            --i;
        } else {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
    }
    return QLatin1Char('1') + digits;
}

} // namespace

QString Format_Fixed(double value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (!std::isfinite(value))
        return QLocale::c().toString(value);

    // The shortest decimal form that reads back as the value, without exponent.
    QString text = QLocale::c().toString(std::fabs(value), 'f', QLocale::FloatingPointShortest);
    text.remove(QLocale::c().groupSeparator());
    qsizetype point = text.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? text : text.left(point);
    QString fraction = point < 0 ? QString() : text.mid(point + 1);

    bool round_up = false;
    if (fraction.size() > decimals) {
        round_up = fraction[decimals] >= QLatin1Char('5');
        fraction.truncate(decimals);
    }
    while (fraction.size() < decimals)
        fraction += QLatin1Char('0');

    if (round_up) {
        const QString digits = Increment_Digits(whole + fraction);
        whole = digits.left(digits.size() - decimals);
        fraction = digits.right(decimals);
    }
    if (whole.isEmpty())
        whole = QStringLiteral("0");

    QString result = decimals > 0 ? whole + QLatin1Char('.') + fraction : whole;
    const bool zero = (whole + fraction).count(QLatin1Char('0')) == (whole + fraction).size();
    if (value < 0 && !zero)
        result.prepend(QLatin1Char('-'));
    return result;
}

QString Format_Shortest(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString text = QString::number(value, 'g', 15);
    return text;
}

QString To_Octal(std::int32_t value)
{
    return QString::number(static_cast<std::uint32_t>(value), 8);
}

QString To_Hex(std::int32_t value)
{
    return QString::number(static_cast<std::uint32_t>(value), 16).toUpper();
}

namespace {

// A half to the even neighbour, as a conversion to a whole number does.
double Round_Half_Even(double value)
{
    const double floor_value = std::floor(value);
    const double diff = value - floor_value;
    if (diff > 0.5)
        return floor_value + 1;
    if (diff < 0.5)
        return floor_value;
    return std::fmod(floor_value, 2.0) == 0 ? floor_value : floor_value + 1;
}

template <typename T>
T Range_Default(double value, T minimum, T maximum, T default_value)
{
    if (std::isnan(value) || value < minimum || value > maximum)
        return default_value;
    const double rounded = Round_Half_Even(value);
    // Bounds inside the type keep the rounded value inside it; out-of-type
    // bounds are refused rather than wrapped.
    if (rounded < static_cast<double>(std::numeric_limits<T>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<T>::max()))
        return default_value;
    return static_cast<T>(rounded);
}

template <typename T>
T Range_Default_Text(const QString& value, T minimum, T maximum, T default_value)
{
    const std::optional<double> number = Parse_Number(value);
    if (!number)
        return default_value;
    return Range_Default<T>(*number, minimum, maximum, default_value);
}

} // namespace

std::int32_t Range_Default_Long(double value, std::int32_t minimum, std::int32_t maximum,
                                std::int32_t default_value)
{
    return Range_Default<std::int32_t>(value, minimum, maximum, default_value);
}

std::int32_t Range_Default_Long(const QString& value, std::int32_t minimum, std::int32_t maximum,
                                std::int32_t default_value)
{
    return Range_Default_Text<std::int32_t>(value, minimum, maximum, default_value);
}

std::int16_t Range_Default_Int(double value, std::int16_t minimum, std::int16_t maximum,
                               std::int16_t default_value)
{
    return Range_Default<std::int16_t>(value, minimum, maximum, default_value);
}

std::int16_t Range_Default_Int(const QString& value, std::int16_t minimum, std::int16_t maximum,
                               std::int16_t default_value)
{
    return Range_Default_Text<std::int16_t>(value, minimum, maximum, default_value);
}

std::uint8_t Range_Default_Byte(double value, std::uint8_t minimum, std::uint8_t maximum,
                                std::uint8_t default_value)
{
    return Range_Default<std::uint8_t>(value, minimum, maximum, default_value);
}

std::uint8_t Range_Default_Byte(const QString& value, std::uint8_t minimum, std::uint8_t maximum,
                                std::uint8_t default_value)
{
    return Range_Default_Text<std::uint8_t>(value, minimum, maximum, default_value);
}

std::int32_t Real_To_Tenths(double value, double minimum, double maximum,
                            std::int32_t default_value)
{
    if (std::isnan(value) || value < minimum || value > maximum)
        return default_value;
    const double tenths = Round_Half_Even(value * 10.0);
    if (tenths < std::numeric_limits<std::int32_t>::min() ||
        tenths > std::numeric_limits<std::int32_t>::max())
        return default_value;
    return static_cast<std::int32_t>(tenths);
}

std::int32_t Real_To_Tenths(const QString& value, double minimum, double maximum,
                            std::int32_t default_value)
{
    const std::optional<double> number = Parse_Number(value);
    if (!number)
        return default_value;
    return Real_To_Tenths(*number, minimum, maximum, default_value);
}

float Clamp_Single(float value, float minimum, float maximum)
{
    if (!(value >= minimum))
        return minimum;
    if (value <= maximum)
        return value;
    return maximum;
}

namespace {

std::uint32_t Low_Mask(int n)
{
    return n >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << n) - 1u;
}

} // namespace

std::int32_t Mask_Bits(std::int32_t value, std::int16_t n)
{
    if (n <= 0)
        return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) & Low_Mask(n));
}

std::int32_t Sign_Extend(std::int32_t value, std::int16_t n)
{
    if (n <= 0)
        return 0;
    if (n >= 32)
        return value;
    const std::uint32_t bits = static_cast<std::uint32_t>(value);
    const std::uint32_t mask = Low_Mask(n);
    const bool negative = (bits >> (n - 1)) & 1u;
    return static_cast<std::int32_t>(negative ? (bits | ~mask) : (bits & mask));
}

QString Format_Radix(std::int32_t value, int mode)
{
    switch (mode) {
    case 1:
        return To_Octal(value) + QStringLiteral("(Octal)");
    case 2:
        return To_Hex(value) + QStringLiteral("(Hex)");
    default:
        return QString::number(value);
    }
}

std::int32_t Shift_Left_Long(std::int32_t value, int n)
{
    if (n < 1)
        return value;
    if (n > 31)
        return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) << n);
}

std::int32_t Shift_Right_Long(std::int32_t value, int n)
{
    if (n < 1)
        return value;
    if (n > 31)
        return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) >> n);
}

std::int16_t Shift_Left_Int(std::int16_t value, int n)
{
    if (n < 1)
        return value;
    if (n > 15)
        return 0;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint16_t>(value) << n));
}

std::int16_t Shift_Right_Int(std::int16_t value, int n)
{
    if (n < 1)
        return value;
    if (n > 15)
        return 0;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value) >> n);
}

} // namespace core
