#include "editor/user_partition/user_item_numbers.h"

#include "editor/core/conversion_report.h"
#include "editor/core/value_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"
#include "editor/user_partition/user_v14_convert.h"
#include "editor/user_partition/user_v8_fields.h"

#include <QLineEdit>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace User_Mod {

namespace {

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

constexpr int TENTHS_PER_HALF = 5;

// The spin button of a row whose spin follows its field.
void Set_Spin(Page_Set& pages, const User_Item_Row& row, int value)
{
    pages::Set_Spin_Value(qobject_cast<pages::Up_Down*>(row.Spin(pages)), value);
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


namespace {

std::int64_t Stored_Number(const core::Record& record, const Item_Place& place)
{
    if (place.Byte >= 0)
        return static_cast<std::uint8_t>(record.Get_Raw(place.Field, place.Element).at(place.Byte));
    return record.Get(place.Field, place.Element);
}

bool Is_Hex(Item_Coding coding)
{
    return coding == Item_Coding::Hex_Text || coding == Item_Coding::Hex_Byte_Text;
}

// A number that a text row shows: hexadecimal in capitals or decimal; a
// report line when the row's characters do not hold it.
void Load_Number_Text(const User_Item_Row& row, QLineEdit* box, std::int64_t stored, Item_Coding coding)
{
    QString text = QString::number(stored, Is_Hex(coding) ? 16 : 10).toUpper();
    if (row.Report_Label)
        core::Report_Text_Change(box, text, QString::fromLatin1(row.Report_Label), row.Char_Set);
    else
        box->setText(text);
}

} // namespace

void Load_Number_Row(Page_Set& pages, const core::Record& record, const User_Item_Row& row,
                     const Item_Place& place)
{
    const std::int64_t stored = Stored_Number(record, place);
    if (row.Text) {
        Load_Number_Text(row, row.Text(pages), stored, place.Coding);
        return;
    }
    QLineEdit* field = row.Number(pages);
    const core::Item_Fact& fact = Item_Fact_Of(row);
    const QString label = QString::fromLatin1(row.Report_Label);
    switch (row.Shown) {
    case Item_Number::Checked:
        Load_Number(field, stored, label, fact);
        break;
    case Item_Number::Tenths:
        Load_Tenths(field, stored, label, fact);
        break;
    case Item_Number::Plain:
        field->setText(QString::number(stored));
        break;
    case Item_Number::Checked_Spin:
        Set_Spin(pages, row, Load_Number(field, stored, label, fact));
        break;
    case Item_Number::Plain_Spin: {
        const auto value = static_cast<int>(stored);
        field->setText(QString::number(value));
        Set_Spin(pages, row, value);
        break;
    }
    case Item_Number::Halves_Spin: {
        const auto halves = static_cast<std::int16_t>(Checked_Number(stored, label, fact));
        field->setText(core::Value_Text(fact, Elevation_From_Code(halves)));
        Set_Spin(pages, row, halves * TENTHS_PER_HALF);
        break;
    }
    }
}

void Set_Number_Default(Page_Set& pages, const User_Item_Row& row)
{
    const core::Item_Fact& fact = Item_Fact_Of(row);
    row.Number(pages)->setText(core::Default_Text(fact));
    if (row.Shown == Item_Number::Halves_Spin)
        Set_Spin(pages, row, static_cast<int>(std::lround(fact.Default * 10.0)));
}

namespace {

// Only the codings that range-check or scale the number read the row's fact.
std::int64_t Number_To_Store(const QString& text, const core::Record& record, const Item_Place& place,
                             const User_Item_Row& row)
{
    const auto range = [&row] { return core::Stored(Item_Fact_Of(row)); };
    const char* name = record.Field(place.Field).name;
    switch (place.Coding) {
    case Item_Coding::Range_Byte: {
        const core::Stored_Range r = range();
        return core::Range_Default_Byte(text, static_cast<std::uint8_t>(r.Minimum),
                                        static_cast<std::uint8_t>(r.Maximum), static_cast<std::uint8_t>(r.Default));
    }
    case Item_Coding::Range_Int16: {
        const core::Stored_Range r = range();
        return core::Range_Default_Int(text, static_cast<std::int16_t>(r.Minimum),
                                       static_cast<std::int16_t>(r.Maximum), static_cast<std::int16_t>(r.Default));
    }
    case Item_Coding::Range_Whole: {
        const core::Stored_Range r = range();
        return core::Range_Default_Long(text, r.Minimum, r.Maximum, r.Default);
    }
    case Item_Coding::Tenths: return Tenths_Of(text, Item_Fact_Of(row));
    case Item_Coding::Byte_Text: return Text_To_Byte(text, QString::fromLatin1(name));
    case Item_Coding::Int16_Text: return Text_To_Int16(text, QString::fromLatin1(name));
    case Item_Coding::Unsigned16_Text: return Text_To_Unsigned16(text, QString::fromLatin1(name));
    case Item_Coding::Decimal: return Text_Number(text, 10, name);
    case Item_Coding::Hex_Text: return Text_Number(text, 16, name);
    case Item_Coding::Hex_Byte_Text: return Hex_To_Whole(text, 255, QString::fromLatin1(name));
    case Item_Coding::Halves_Text: return Elevation_Code(text, QString::fromLatin1(name));
    default: throw std::logic_error(std::string("no number coding for ") + name);
    }
}

} // namespace

void Save_Number_Row(Page_Set& pages, core::Record& record, const User_Item_Row& row, const Item_Place& place)
{
    const QLineEdit* box = row.Number ? row.Number(pages) : row.Text(pages);
    const std::int64_t value = Number_To_Store(box->text(), record, place, row);
    if (place.Byte >= 0) {
        QByteArray bytes = record.Get_Raw(place.Field, place.Element);
        bytes[place.Byte] = static_cast<char>(value);
        record.Set_Raw(place.Field, bytes, place.Element);
    } else if (place.Coding == Item_Coding::Decimal || place.Coding == Item_Coding::Hex_Text) {
        Put_Number(record, place.Field, value, place.Element);
    } else {
        record.Set(place.Field, value, place.Element);
    }
}

void Save_Number_Items(Page_Set& pages, core::Record& record, Generation generation, Item_Step step,
                       int element)
{
    for (const User_Item_Row& row : User_Items()) {
        const Item_Place& place = row.At(generation);
        if (place.Held() && place.Step == step && (element < 0 || place.Element == element)
            && (row.Number || (row.Text && Is_Number_Coding(place.Coding))))
            Save_Number_Row(pages, record, row, place);
    }
}

} // namespace User_Mod
