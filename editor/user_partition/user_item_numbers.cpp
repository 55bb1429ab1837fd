#include "editor/user_partition/user_item_numbers.h"

#include "editor/core/conversion_report.h"
#include "editor/core/value_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/pages_hsd/hsd_defaults.h"

#include <QLineEdit>

#include <array>
#include <limits>

namespace User_Mod {

namespace {

constexpr Number_Range TERMINAL_ID = {TERMINAL_ID_MINIMUM, TERMINAL_ID_MAXIMUM, NO_TERMINAL_ID};
constexpr Number_Range ITEM_62 = {EIRP_MINIMUM_TENTHS, ITEM_62_MAXIMUM_TENTHS, ITEM_62_DEFAULT_TENTHS};
constexpr Number_Range ITEM_64 = {EIRP_MINIMUM_TENTHS, ITEM_64_MAXIMUM_TENTHS, ITEM_64_DEFAULT_TENTHS};
constexpr Number_Range ITEM_76 = {ITEM_76_MINIMUM, ITEM_76_MAXIMUM, ITEM_76_DEFAULT};

Number_Range Weighting(int element)
{
    return {ITEM49_MINIMUM, ITEM49_MAXIMUM, Default_Item49.at(static_cast<std::size_t>(element))};
}

// A stored number too wide for the report's 32 bits is out of every range.
std::int32_t Report_Value(std::int64_t stored)
{
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(stored < lowest ? lowest : stored > highest ? highest : stored);
}

void Load_Tenths(QLineEdit* field, std::int64_t tenths, const QString& label, const Number_Range& range)
{
    field->setText(core::Format_Fixed(Checked_Number(tenths, label, range) / 10.0, 1));
}

std::int32_t Tenths_Of(const QString& text, const Number_Range& range)
{
    return core::Real_To_Tenths(text, range.Minimum / 10.0, range.Maximum / 10.0, range.Default);
}

} // namespace

std::int32_t Checked_Number(std::int64_t stored, const QString& label, const Number_Range& range)
{
    std::int32_t value = Report_Value(stored);
    return core::Report_Number_Change(value, label, range.Minimum, range.Maximum, range.Default, 0);
}

std::int32_t Load_Number(QLineEdit* field, std::int64_t stored, const QString& label, const Number_Range& range)
{
    const std::int32_t value = Checked_Number(stored, label, range);
    field->setText(QString::number(value));
    return value;
}

void Load_Terminal_ID(QLineEdit* field, std::int64_t stored, int element)
{
    static const std::array<const char*, 4> labels = {
        "xlv-SDU 1, APHONE 1", "xlv-SDU 1, APHONE 2", "xlv-SDU 2, APHONE 1", "xlv-SDU 2, APHONE 2"};
    Load_Number(field, stored, QString::fromLatin1(labels.at(static_cast<std::size_t>(element))), TERMINAL_ID);
}

void Load_Weighting(QLineEdit* field, std::int64_t stored, int element)
{
    Load_Number(field, stored, QStringLiteral("xlix-") + QString::number(element), Weighting(element));
}

void Load_Item_62(Page_Set& pages, std::int64_t tenths)
{
    Load_Tenths(pages.HSD_Cnfg().Control_62, tenths, QStringLiteral("lxii"), ITEM_62);
}

void Load_Item_64(Page_Set& pages, std::int64_t tenths)
{
    Load_Tenths(pages.HSD_Cnfg().Control_64, tenths, QStringLiteral("lxiv"), ITEM_64);
}

void Load_Item_76(Page_Set& pages, std::int64_t stored)
{
    Load_Number(pages.HSD_Cnfg().Control_76, stored, QStringLiteral("lxxvi"), ITEM_76);
}

std::int16_t Terminal_ID_Of(const QString& text)
{
    return core::Range_Default_Int(text, static_cast<std::int16_t>(TERMINAL_ID.Minimum),
                                   static_cast<std::int16_t>(TERMINAL_ID.Maximum),
                                   static_cast<std::int16_t>(TERMINAL_ID.Default));
}

std::uint8_t Weighting_Of(const QString& text, int element)
{
    const Number_Range range = Weighting(element);
    return core::Range_Default_Byte(text, static_cast<std::uint8_t>(range.Minimum),
                                    static_cast<std::uint8_t>(range.Maximum),
                                    static_cast<std::uint8_t>(range.Default));
}

std::int32_t Item_62_Tenths(const QString& text)
{
    return Tenths_Of(text, ITEM_62);
}

std::int32_t Item_64_Tenths(const QString& text)
{
    return Tenths_Of(text, ITEM_64);
}

} // namespace User_Mod
