#include "editor/core/item_facts.h"

#include "editor/core/text_helpers.h"
#include "editor/core/value_helpers.h"

#include <algorithm>

namespace core {

namespace {

// Hex digits of a value, padded to the width of the row's maximum.
QString Hex_Text(const Item_Fact& fact, double value)
{
    const int width = static_cast<int>(To_Hex(static_cast<std::int32_t>(fact.Maximum)).size());
    return Pad_Zeros(To_Hex(static_cast<std::int32_t>(value)), width);
}

QString Radix_Suffix(const Item_Fact& fact)
{
    switch (fact.Radix) {
    case 8: return QStringLiteral(" (octal)");
    case 16: return QStringLiteral(" (hex)");
    default: return QString();
    }
}

} // namespace

QString Value_Text(const Item_Fact& fact, double value)
{
    switch (fact.Radix) {
    case 8: return To_Octal(static_cast<std::int32_t>(value));
    case 16: return Hex_Text(fact, value);
    default: break;
    }
    // Tenths always show their decimal; halves and whole numbers no needless one.
    if (fact.Step == 0.1)
        return Format_Fixed(value, 1);
    return Format_Shortest(value);
}

QString Default_Text(const Item_Fact& fact)
{
    return Value_Text(fact, fact.Default);
}

int Text_Length(const Item_Fact& fact)
{
    return static_cast<int>(
        std::max(Value_Text(fact, fact.Minimum).size(), Value_Text(fact, fact.Maximum).size()));
}

QString Tooltip_Text(const Item_Fact& fact)
{
    return Tooltip_Text(fact, fact.Default);
}

QString Tooltip_Text(const Item_Fact& fact, double shown_default)
{
    const QString d = Value_Text(fact, shown_default);
    const QString a = Value_Text(fact, fact.Minimum);
    const QString b = Value_Text(fact, fact.Maximum);
    switch (fact.Tooltip) {
    case Tooltip_Form::None: return QString();
    case Tooltip_Form::Default_Range:
        return QStringLiteral("Default: %1 / Range: %2 to %3").arg(d, a, b);
    case Tooltip_Form::Default_Range_No_Colon:
        return QStringLiteral("Default: %1 / Range %2 to %3").arg(d, a, b);
    case Tooltip_Form::Default_Range_Two_Blanks:
        return QStringLiteral("Default: %1 /  Range %2 to %3").arg(d, a, b);
    case Tooltip_Form::Range_Dash:
        return QStringLiteral("Range: %1 - %2").arg(a, b) + Radix_Suffix(fact);
    case Tooltip_Form::Range_To:
        return QStringLiteral("Range: %1 to %2").arg(a, b);
    case Tooltip_Form::Range_Or_Also:
        return QStringLiteral("Range: %1x to %2x or %3x")
            .arg(a, b, Value_Text(fact, fact.Also_Accepted.value_or(fact.Default)));
    }
    return QString();
}

} // namespace core
