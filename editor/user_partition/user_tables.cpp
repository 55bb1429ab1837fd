#include "editor/user_partition/user_tables.h"

#include "editor/core/char_sets.h"
#include "editor/core/conversion_report.h"
#include "editor/core/text_helpers.h"
#include "editor/pages_tables/cockpit_number_line.h"
#include "editor/pages_tables/page_cockpit_numbers.h"
#include "editor/user_partition/user_item_numbers.h"
#include "editor/user_partition/user_record_v14_layout.h"
#include "editor/user_partition/user_record_v8.h"
#include "editor/user_partition/user_v14_convert.h"
#include "editor/user_partition/user_v8_controls.h"
#include "editor/user_partition/user_v11_short_head.h"
#include "editor/user_partition/user_v8_lists.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include <algorithm>

namespace User_Mod {

namespace {

constexpr int RADIX_DECIMAL = 0;

constexpr int CATEGORIES = 4;
constexpr int SAT_NAME_WIDTH = 6;
constexpr int SAT_NAME_LENGTH = 5;
constexpr int CABIN_NUMBER_LENGTH = 18;

constexpr const char* SAT_NAME_LABEL = "iii - Sat Name";

// The stored text cleaned through the report and stored back blank-padded.
QString Cleaned_Text(core::Record& record, int field, int element, const QString& label, int char_set)
{
    QString text = record.Get_Text(field, element);
    const QString cleaned = core::Report_Value_Change(text, label, char_set);
    Store_Padded(record, field, cleaned, element);
    return cleaned;
}

// A directory name or number cleaned through the report and stored back
// blank-padded. Blanks in front are the entry's own, as a save writes them
// (the cleaning of a refused character puts them there): they stay, so a
// saved entry reopens as it was shown, without a line.
QString Cleaned_Directory_Text(core::Record& record, int field, int element, const QString& label,
                               int char_set)
{
    const QString stored = core::Trim_Trailing_Blanks(core::Strip_At_Null(record.Get_Text(field, element)));
    QString rest = core::Trim_Blanks(stored);
    const QString lead = stored.left(stored.size() - rest.size());
    const QString cleaned =
        core::Report_Text_Kept(stored, lead + core::Clean_Text(rest, core::Char_Sets(char_set)), label);
    Store_Padded(record, field, cleaned, element);
    return cleaned;
}

// What a save keeps of a text in a column of a list line: as many
// characters as the column holds, the blanks that pad it dropped. Blanks in
// front are the text's own (the cleaning puts them for refused characters)
// and stay.
QString Kept_Column(const QString& text, const Column_Format& column)
{
    return core::Trim_Trailing_Blanks(text.left(column.Last - column.First + 1));
}

// A stored number that begins with "-" marks an unused entry, and a
// reopening would drop it: a used entry keeps its number without the blanks
// and minus signs in front.
QString Kept_Number(const QString& number)
{
    if (!tables::Is_Unused_Number(number))
        return number;
    qsizetype start = 0;
    while (start < number.size()
           && (number[start] == QLatin1Char(' ') || number[start] == QLatin1Char('-')))
        ++start;
    return number.mid(start);
}

// The format of a directory column by the field it fills.
const Column_Format& Directory_Column(int Directory_Table::*field)
{
    const auto row = std::find_if(DIRECTORY_COLUMNS.begin(), DIRECTORY_COLUMNS.end(),
                                  [field](const auto& column) { return column.Field == field; });
    return row->Format;
}

// Any value but 0 protects the entry, which is saved as 1.
bool Checked_Protected(std::int64_t stored, const QString& where)
{
    return Report_Kept(stored, stored != 0 ? 1 : 0, QStringLiteral("v - Protected, ") + where,
                       RADIX_DECIMAL)
           != 0;
}

} // namespace

void Put_Column_Text(core::Record& record, int field, const Column_Format& column,
                     const QString& line, int element)
{
    const QString text = line.mid(column.First - 1, column.Last - column.First + 1);
    switch (column.Kind) {
    case Column_Kind::Phone_Text:
        record.Set_Text(field, core::Make_Phone_Field(text, column.Width), element);
        break;
    case Column_Kind::Fixed_Text:
        record.Set_Text(field, core::Make_Fixed_String(text, column.Width - 1), element);
        break;
    case Column_Kind::Yes_Flag:
        record.Set(field, line.right(3) == QLatin1String("Yes") ? 1 : 0, element);
        break;
    case Column_Kind::Number:
        break; // each generation's own
    }
}

void Put_Column_Fill(core::Record& record, int field, const Column_Format& column, int element)
{
    if (column.Kind == Column_Kind::Phone_Text || column.Kind == Column_Kind::Fixed_Text)
        record.Set_Text(field, core::Make_Phone_Field(QString(), column.Width), element);
    else
        record.Set(field, column.Fill, element);
}

GES_Fields GES_Fields_V14()
{
    return {V14_GES_SAT_ID, V14_GES_ID, V14_GES_PREF, V14_GES_NAME};
}

Sat_Fields Sat_Fields_V8()
{
    return {V8_Sat_Id, V8_Sat_Name};
}

Sat_Fields Sat_Fields_V14()
{
    return {V14_SAT_ID, V14_SAT_NAME};
}

Directory_Table Directory_V8()
{
    return {V8_Dir_Name, V8_Dir_Number, V8_Dir_Priority, V8_Dir_Protected, V8_Category_Name,
            V8_DIRECTORY_ENTRIES};
}

Directory_Table Directory_Short()
{
    return {V8_Dir_Name, V8_Dir_Number, V8_Dir_Priority, V8_Dir_Protected, V8_Category_Name,
            SHORT_DIRECTORY_ENTRIES};
}

Directory_Table Directory_V14()
{
    return {V14_DIR_NAME, V14_DIR_NUMBER, V14_DIR_PRIORITY, V14_DIR_PROTECTED, V14_CATEGORY_NAME,
            V14_DIRECTORY_PER_CATEGORY};
}

QStringList Read_Directory_Category(core::Record& record, const Directory_Table& table,
                                    int category, const QString& caption)
{
    QStringList lines;
    for (int j = 0; j < table.Entries; ++j) {
        const int entry = category * table.Entries + j;
        if (record.Get_Text(table.Number, entry).startsWith(QLatin1Char('-')))
            continue;
        const QString where = caption + QStringLiteral(", ") + QString::number(j);
        const QString name_label = QStringLiteral("v - Phone Name, ") + where;
        const QString number_label = QStringLiteral("v - Phone Number, ") + where;
        const QString name =
            Cleaned_Directory_Text(record, table.Name, entry, name_label, core::Chars::Directory_Name);
        const QString number =
            Cleaned_Directory_Text(record, table.Number, entry, number_label, core::Chars::Directory_Number);
        const std::int32_t priority = Checked_Priority(record.Get(table.Priority, entry), where);
        const bool is_protected = Checked_Protected(record.Get(table.Protected, entry), where);
        const QString kept_name = Kept_Column(name, Directory_Column(&Directory_Table::Name));
        const QString kept_number =
            Kept_Number(Kept_Column(number, Directory_Column(&Directory_Table::Number)));
        lines.append(tables::Cockpit_Number_Line(
            core::Report_Text_Kept(core::Trim_Trailing_Blanks(name), kept_name, name_label),
            core::Report_Text_Kept(core::Trim_Trailing_Blanks(number), kept_number, number_label),
            priority, is_protected, tables::Cockpit_Line_Width::Full));
    }
    return lines;
}

void Load_Directory(Page_Cockpit_Numbers& page, core::Record& record, int airframer_level,
                    const Directory_Table& table)
{
    if (airframer_level == 0) {
        for (int k = 0; k < CATEGORIES; ++k) {
            page.Control_05_Tab->setCurrentIndex(k);
            page.Set_Category_Name(k, record.Get_Text(table.Category_Name, k));
        }
    }
    for (int k = 0; k < CATEGORIES; ++k) {
        QListWidget* list = page.Control_05[static_cast<std::size_t>(k)];
        list->clear();
        list->addItems(Read_Directory_Category(record, table, k, page.Category_Name(k)));
    }
    page.Control_05_Tab->setCurrentIndex(0);
}

QString Read_Sat_Name(core::Record& record, int field, int i, QString (*kept)(const QString& name))
{
    const QString label = QLatin1String(SAT_NAME_LABEL);
    const QString cleaned = Cleaned_Text(record, field, i, label, core::Chars::Upper_Name).trimmed();
    return core::Report_Text_Kept(cleaned, kept(cleaned), label);
}

QString Read_Stored_Sat_Name(const core::Record& record, int field, int i)
{
    const QString name = core::Strip_At_Null(record.Get_Text(field, i));
    return core::Report_Text_Kept(core::Trim_Blanks(name), Kept_Short_Sat_Name(name),
                                  QLatin1String(SAT_NAME_LABEL));
}

QString Kept_Short_Sat_Name(const QString& name)
{
    return core::Strip_At_Null(core::Make_Phone_Field(name.left(SAT_NAME_LENGTH), SAT_NAME_WIDTH));
}

LES_Fields MPDS_Fields_V14()
{
    return {V14_MPDS_SAT_ID, V14_MPDS_LES_ID, V14_MPDS_PREF, V14_MPDS_COUNT, V14_MPDS_ENTRIES, "lxvii"};
}

LES_Fields MISDN_Fields_V14()
{
    return {V14_MISDN_SAT_ID, V14_MISDN_LES_ID, V14_MISDN_PREF, V14_MISDN_COUNT, V14_MISDN_ENTRIES, "lxvi"};
}

PSID_Table PSID_V8()
{
    return {V8_PSID_Sat, V8_PSID_Revision, V8_PSID_1, V8_PSID_2, V8_PSID_Count, V8_PSID_ENTRIES};
}

PSID_Table PSID_V14()
{
    return {V14_PSID_SAT_ID, V14_PSID_REVISION, V14_PSID_1, V14_PSID_2, V14_PSID_COUNT, V14_PSID_ENTRIES};
}

QList<pages::PSID_Values> Read_PSID_Entries(core::Record& record, const PSID_Table& table)
{
    using Id = core::Item_Fact_Id;
    std::int32_t count = static_cast<std::int32_t>(record.Get(table.Count));
    core::Report_Number_Change(count, QStringLiteral("lxxviii-Size"), 0, table.Entries, 0, RADIX_DECIMAL);
    record.Set(table.Count, count);
    QList<pages::PSID_Values> entries;
    for (int i = 0; i < count; ++i) {
        pages::PSID_Values values;
        values.Sat_ID = Checked_Number(record.Get(table.Sat, i), QStringLiteral("lxxviii-SAT ID"),
                                       core::Fact(Id::Sat_ID));
        values.Revision = Checked_Number(record.Get(table.Revision, i),
                                         QStringLiteral("lxxviii-Table Revision"), core::Fact(Id::PSID_Revision));
        // A PSID of 0 means none and is taken as it stands.
        const auto psid = [&record, i](int field, const char* label) {
            const std::int64_t stored = record.Get(field, i);
            return static_cast<std::uint16_t>(
                stored == 0 ? 0 : Checked_Number(stored, QLatin1String(label), core::Fact(Id::PSID)));
        };
        values.PSID_1 = psid(table.PSID_1, "lxxviii-PSID 1");
        values.PSID_2 = psid(table.PSID_2, "lxxviii-PSID 2");
        entries.append(values);
    }
    return entries;
}

void Load_Cabin_Slots(Page_Set& pages, core::Record& record, int field)
{
    const int width = record.Field(field).width;
    for (const Cabin_Slot& slot : Cabin_Slots(pages)) {
        QString text = record.Get_Text(field, slot.Element);
        const QString kept = core::Report_Text_Change(slot.Field, text, slot.Label, core::Chars::Signed_Digits);
        record.Set_Text(field, Blank_Padded(kept, width), slot.Element);
    }
}

void Save_Cabin_Slots(Page_Set& pages, core::Record& record, int field)
{
    const QString none =
        core::Make_Fixed_String(QString(CABIN_NUMBER_LENGTH, QLatin1Char('-')), CABIN_NUMBER_LENGTH);
    for (const int element : {0, 1, 20, 21})
        record.Set_Text(field, none, element);
    for (const Cabin_Slot& slot : Cabin_Slots(pages))
        record.Set_Text(field, core::Make_Fixed_String(slot.Field->text(), CABIN_NUMBER_LENGTH),
                        slot.Element);
}

void Enable_Channels_B(Page_Set& pages, const core::Record& record, int item_26_field)
{
    for (const Cabin_Slot& slot : Cabin_Slots(pages)) {
        if (slot.Channel_B)
            slot.Channel_B->setEnabled(record.Get(item_26_field, slot.Sdu) != 1);
    }
}

} // namespace User_Mod
