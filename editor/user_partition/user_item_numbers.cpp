#include "editor/user_partition/user_item_numbers.h"

#include "editor/core/conversion_report.h"
#include "editor/core/value_helpers.h"
#include "editor/page_set/page_set.h"

#include <QLineEdit>

#include <array>
#include <limits>
#include <stdexcept>
#include <string>

namespace User_Mod {

namespace {

using Id = core::Item_Fact_Id;

const core::Item_Fact& Weighting(int element)
{
    constexpr int elements = static_cast<int>(Id::Item_49_5) - static_cast<int>(Id::Item_49_0) + 1;
    if (element < 0 || element >= elements)
        throw std::out_of_range("item 49 has no element " + std::to_string(element));
    return core::Fact(Id::Item_49_0, element);
}

// A stored number too wide for the report's 32 bits is out of every range.
std::int32_t Report_Value(std::int64_t stored)
{
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(stored < lowest ? lowest : stored > highest ? highest : stored);
}

void Load_Tenths(QLineEdit* field, std::int64_t tenths, const QString& label, const core::Item_Fact& fact)
{
    field->setText(core::Value_Text(fact, Checked_Number(tenths, label, fact) * fact.Step));
}

std::int32_t Tenths_Of(const QString& text, const core::Item_Fact& fact)
{
    return core::Real_To_Tenths(text, fact.Minimum, fact.Maximum, core::Stored(fact).Default);
}

} // namespace

std::int32_t Checked_Number(std::int64_t stored, const QString& label, const core::Item_Fact& fact)
{
    std::int32_t value = Report_Value(stored);
    const core::Stored_Range range = core::Stored(fact);
    return core::Report_Number_Change(value, label, range.Minimum, range.Maximum, range.Default,
                                      core::Report_Radix(fact));
}

std::int32_t Report_Kept(std::int64_t stored, std::int32_t kept, const QString& label, int radix)
{
    std::int32_t value = Report_Value(stored);
    // Out of range exactly when it is not the value kept.
    return core::Report_Number_Change(value, label, kept, kept, kept, radix);
}

std::int32_t Load_Number(QLineEdit* field, std::int64_t stored, const QString& label,
                         const core::Item_Fact& fact)
{
    const std::int32_t value = Checked_Number(stored, label, fact);
    field->setText(QString::number(value));
    return value;
}

void Load_Terminal_ID(QLineEdit* field, std::int64_t stored, int element)
{
    static const std::array<const char*, 4> labels = {
        "xlv-SDU 1, APHONE 1", "xlv-SDU 1, APHONE 2", "xlv-SDU 2, APHONE 1", "xlv-SDU 2, APHONE 2"};
    Load_Number(field, stored, QString::fromLatin1(labels.at(static_cast<std::size_t>(element))),
                core::Fact(Id::Item_45));
}

void Load_Weighting(QLineEdit* field, std::int64_t stored, int element)
{
    Load_Number(field, stored, QStringLiteral("xlix-") + QString::number(element), Weighting(element));
}

void Load_Item_62(Page_Set& pages, std::int64_t tenths)
{
    Load_Tenths(pages.HSD_Cnfg().Control_62, tenths, QStringLiteral("lxii"), core::Fact(Id::Item_62));
}

void Load_Item_64(Page_Set& pages, std::int64_t tenths)
{
    Load_Tenths(pages.HSD_Cnfg().Control_64, tenths, QStringLiteral("lxiv"), core::Fact(Id::Item_64));
}

void Load_Item_76(Page_Set& pages, std::int64_t stored)
{
    Load_Number(pages.HSD_Cnfg().Control_76, stored, QStringLiteral("lxxvi"), core::Fact(Id::Item_76));
}

std::int16_t Terminal_ID_Of(const QString& text)
{
    const core::Stored_Range range = core::Stored(core::Fact(Id::Item_45));
    return core::Range_Default_Int(text, static_cast<std::int16_t>(range.Minimum),
                                   static_cast<std::int16_t>(range.Maximum),
                                   static_cast<std::int16_t>(range.Default));
}

std::uint8_t Weighting_Of(const QString& text, int element)
{
    const core::Stored_Range range = core::Stored(Weighting(element));
    return core::Range_Default_Byte(text, static_cast<std::uint8_t>(range.Minimum),
                                    static_cast<std::uint8_t>(range.Maximum),
                                    static_cast<std::uint8_t>(range.Default));
}

std::int32_t Item_62_Tenths(const QString& text)
{
    return Tenths_Of(text, core::Fact(Id::Item_62));
}

std::int32_t Item_64_Tenths(const QString& text)
{
    return Tenths_Of(text, core::Fact(Id::Item_64));
}

std::int32_t Bit_Rate_Of(const QString& text)
{
    const core::Stored_Range range = core::Stored(core::Fact(Id::Item_77b));
    return core::Range_Default_Long(text, range.Minimum, range.Maximum, range.Default);
}

} // namespace User_Mod
