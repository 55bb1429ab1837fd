#include "editor/user_partition/user_v8_lists.h"

#include "editor/core/char_sets.h"
#include "editor/core/conversion_report.h"
#include "editor/core/text_helpers.h"
#include "editor/core/value_helpers.h"
#include "editor/pages_hsd/hsd_defaults.h"
#include "editor/pages_tables/cockpit_number_line.h"
#include "editor/pages_tables/ges_line.h"
#include "editor/user_partition/user_item_numbers.h"
#include "editor/user_partition/user_record_v8.h"
#include "editor/user_partition/user_tables.h"
#include "editor/user_partition/user_v8_fields.h"

namespace User_Mod {

namespace {

constexpr int RADIX_DECIMAL = 0;

constexpr int GES_NAME_WIDTH = 15;

// Checked ranges of the one-digit columns of a list line; the other
// columns are item facts.
constexpr int MAX_DIGIT = 9;

using Id = core::Item_Fact_Id;

void Check_Line_Count(const QStringList& lines, int size, const char* table)
{
    if (lines.size() > size)
        throw core::Record_Error(QStringLiteral("%1 holds %2 lines, more than its %3 entries")
                                     .arg(QLatin1String(table))
                                     .arg(lines.size())
                                     .arg(size));
}

QString Octal(std::int64_t value, int width)
{
    return core::Pad_Zeros(QString::number(value, 8), width);
}

std::int32_t Checked(std::int32_t value, const QString& label, std::int32_t minimum,
                     std::int32_t maximum, std::int32_t default_value, int radix)
{
    return core::Report_Number_Change(value, label, minimum, maximum, default_value, radix);
}

QString Label(const char* head, const char* tail)
{
    return QLatin1String(head) + QLatin1String(tail);
}

} // namespace

GES_Fields GES_Fields_V8()
{
    return {V8_GES_Sat, V8_GES_Id, V8_GES_Pref, V8_GES_Name};
}

LES_Fields MPDS_Fields_V8()
{
    return {V8_MPDS_Sat, V8_MPDS_LES, V8_MPDS_Pref, V8_MPDS_Count, V8_MPDS_ENTRIES, "lxvii"};
}

LES_Fields MISDN_Fields_V8()
{
    return {V8_MISDN_Sat, V8_MISDN_LES, V8_MISDN_Pref, V8_MISDN_Count, V8_MISDN_ENTRIES, "lxvi"};
}

std::int32_t Column_Number(const QString& line, int first, int last, int base)
{
    const QString column = line.mid(first - 1, last - first + 1).trimmed();
    if (column.isEmpty())
        return 0;
    bool ok = false;
    const std::int32_t value = column.toInt(&ok, base);
    if (!ok)
        throw core::Record_Error(QStringLiteral("\"%1\" in the list line \"%2\" is no number")
                                     .arg(column, line));
    return value;
}

void Store_Padded(core::Record& record, int id, const QString& text, int index)
{
    const int width = record.Field(id).width;
    record.Set_Text(id, core::Pad_Right_Spaces(text, width).left(width), index);
}

// --- save direction ---------------------------------------------------------

namespace {

// A number column as these generations store it: an empty column is 0; a
// column that is no number in its base, or a number its field cannot hold,
// is refused.
void Put_Column_Number(core::Record& record, int field, const Column_Format& column,
                       const QString& line, int element)
{
    Put_Number(record, field, Column_Number(line, column.First, column.Last, column.Base), element);
}

template <class Fields, std::size_t N>
void Write_Table(core::Record& record, const Fields& fields,
                 const std::array<List_Column<Fields>, N>& columns, const QStringList& lines,
                 int entries, int count_field, const char* table)
{
    Check_Line_Count(lines, entries, table);
    Write_List_Table(record, fields, columns, lines, entries, count_field, Put_Column_Number);
}

} // namespace

void Write_GES_Table(core::Record& record, const QStringList& lines)
{
    Write_Table(record, GES_Fields_V8(), GES_COLUMNS, lines, V8_GES_ENTRIES, V8_GES_Count,
                "The GES table");
}

void Write_Sat_Table(core::Record& record, const QStringList& lines)
{
    Write_Table(record, Sat_Fields_V8(), SAT_COLUMNS, lines, V8_SAT_ENTRIES, V8_Sat_Count,
                "The satellite table");
}

void Write_Directory_Entries(core::Record& record, int first_element, int entries,
                             const QStringList& lines)
{
    Write_List_Entries(record, Directory_V8(), DIRECTORY_COLUMNS, lines, first_element, entries,
                       Put_Column_Number);
}

void Write_Directory(core::Record& record, int category, const QStringList& lines)
{
    Check_Line_Count(lines, V8_DIRECTORY_ENTRIES, "A cockpit directory category");
    Write_Directory_Entries(record, category * V8_DIRECTORY_ENTRIES, V8_DIRECTORY_ENTRIES, lines);
}

void Write_LES_Table(core::Record& record, const LES_Fields& fields, const QStringList& lines)
{
    Write_Table(record, fields, LES_COLUMNS, lines, fields.Size, fields.Count, "An LES list");
}

void Write_PSID_Table(core::Record& record, const QStringList& lines)
{
    const PSID_Table table = PSID_V8();
    Write_Table(record, table, PSID_COLUMNS, lines, table.Entries, table.Count, "The PSID table");
}

namespace {

struct Item_61_Code {
    int A0;
    int A2;
    int B0;
};

constexpr Item_61_Code ITEM_61_CODES[] = {
    {1, 1, 0}, {1, 1, 1}, {1, 0, 0}, {0, 0, 0}, {0, 1, 1}, {0, 0, 1},
};
constexpr int ITEM_61_ENTRIES = 6;
constexpr int ITEM_61_OTHER_KEYS_INDEX = 4;

} // namespace

void Write_Item_61(core::Record& record, int index)
{
    if (index >= 0 && index < ITEM_61_ENTRIES) {
        const Item_61_Code& code = ITEM_61_CODES[index];
        record.Set(V8_Item_61_A, code.A0, 0);
        record.Set(V8_Item_61_A, code.A2, 2);
        record.Set(V8_Item_61_B, code.B0, 0);
    }
    record.Set(V8_Item_61_A, 1, 1);
    record.Set(V8_Item_61_A, 1, 3);
    record.Set(V8_Item_61_B, 1, 1);
}

int Item_61_Index(const core::Record& record)
{
    const std::int64_t key = record.Get(V8_Item_61_A, 2) * 2 + record.Get(V8_Item_61_A, 0) * 4
                             + record.Get(V8_Item_61_B, 0);
    for (int index = 0; index < ITEM_61_ENTRIES; ++index) {
        const Item_61_Code& code = ITEM_61_CODES[index];
        if (code.A2 * 2 + code.A0 * 4 + code.B0 == key)
            return index;
    }
    return ITEM_61_OTHER_KEYS_INDEX;
}

// --- load direction ---------------------------------------------------------

std::int32_t Checked_Sat_ID(std::int64_t stored, const char* head)
{
    return Checked_Number(stored, Label(head, "-SAT ID"), core::Fact(Id::Sat_ID_Column));
}

std::int32_t Checked_Priority(std::int64_t stored, const QString& where)
{
    return Checked_Number(stored, QStringLiteral("v - Priority, ") + where, core::Fact(Id::Priority_Column));
}

QString Read_GES_Line(core::Record& record, const GES_Fields& fields, int i)
{
    const std::int32_t sat = Checked_Sat_ID(record.Get(fields.Sat, i), "ii");
    std::int32_t pref = static_cast<std::int32_t>(record.Get(fields.Pref, i));
    pref = Checked(pref, QStringLiteral("ii-Preference"), 0, MAX_DIGIT, FILL_GES_PREF, RADIX_DECIMAL);
    QString name = record.Get_Text(fields.Name, i);
    // The cleaned text (characters outside the set replaced) is what the
    // list line shows and what the record keeps.
    name = core::Report_Value_Change(name, QStringLiteral("ii - GES Name"), core::Chars::Directory_Name);
    Store_Padded(record, fields.Name, name, i);
    const QString line = ges::GES_Line(Octal(sat, 2), Octal(record.Get(fields.Id, i), 3),
                                       QString::number(pref), core::Pad_Right_Spaces(name, GES_NAME_WIDTH));
    // A save writes the name's first 14 characters, dashes for none.
    const QString stored = record.Get_Text(fields.Name, i).trimmed();
    const QString kept = core::Report_Text_Kept(
        stored, core::Strip_At_Null(core::Make_Phone_Field(line.mid(15, 14), GES_NAME_WIDTH)),
        QStringLiteral("ii - GES Name"));
    return kept == stored ? line : line.left(15) + core::Pad_Right_Spaces(kept, GES_NAME_WIDTH);
}

QStringList Read_GES_Lines(core::Record& record)
{
    std::int32_t count = static_cast<std::int32_t>(record.Get(V8_GES_Count));
    count = Checked(count, QStringLiteral("ii-Size"), 0, V8_GES_ENTRIES, 0, RADIX_DECIMAL);
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(Read_GES_Line(record, GES_Fields_V8(), i));
    return lines;
}

QStringList Read_Sat_Lines(core::Record& record, Sat_Names names)
{
    std::int32_t count = static_cast<std::int32_t>(record.Get(V8_Sat_Count));
    count = Checked(count, QStringLiteral("iii-Size"), 0, V8_SAT_ENTRIES, 0, RADIX_DECIMAL);
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        const std::int32_t sat = Checked_Sat_ID(record.Get(V8_Sat_Id, i), "iii");
        const QString name = names == Sat_Names::Cleaned
                                 ? Read_Sat_Name(record, V8_Sat_Name, i, Kept_Short_Sat_Name)
                                 : Read_Stored_Sat_Name(record, V8_Sat_Name, i);
        lines.append(Octal(sat, 2) + QStringLiteral("   ") + name);
    }
    return lines;
}

QStringList Read_Directory_Lines(core::Record& record, int category, const QString& caption)
{
    return Read_Directory_Category(record, Directory_V8(), category, caption);
}

QStringList Read_LES_Lines(const core::Record& record, const LES_Fields& fields)
{
    std::int32_t count = static_cast<std::int32_t>(record.Get(fields.Count));
    count = Checked(count, Label(fields.Item, "-Size"), 0, fields.Size, 0, RADIX_DECIMAL);
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        const std::int32_t sat = Checked_Sat_ID(record.Get(fields.Sat, i), fields.Item);
        std::int32_t les = static_cast<std::int32_t>(record.Get(fields.LES, i));
        les = Checked_Number(les, Label(fields.Item, "-LES ID"), core::Fact(Id::LES_ID));
        std::int32_t pref = static_cast<std::int32_t>(record.Get(fields.Pref, i));
        pref = Checked(pref, Label(fields.Item, "-Preference"), 0, MAX_DIGIT, 0, RADIX_DECIMAL);
        lines.append(Format_LES_Entry(Make_LES_Element(static_cast<std::uint8_t>(sat),
                                                       static_cast<std::int16_t>(les),
                                                       static_cast<std::uint8_t>(pref))));
    }
    return lines;
}

QStringList Read_PSID_Lines(core::Record& record)
{
    const auto hex = [](std::uint16_t value) {
        return QStringLiteral("0x") + core::Pad_Zeros(QString::number(value, 16).toUpper(), 4);
    };
    QStringList lines;
    for (const pages::PSID_Values& values : Read_PSID_Entries(record, PSID_V8()))
        lines.append(Octal(values.Sat_ID, 2) + QStringLiteral("     ")
                     + core::Pad_Field(true, false, QString::number(values.Revision), 3, QStringLiteral(" "))
                     + QStringLiteral("   ") + hex(values.PSID_1) + QStringLiteral(" ") + hex(values.PSID_2));
    return lines;
}

} // namespace User_Mod
