// Save direction of the generation-14 user record: page controls -> record.

#include "editor/core/ort_types.h"
#include "editor/core/text_helpers.h"
#include "editor/core/value_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/pages_tables/sat_row.h"
#include "editor/user_partition/user_item_rows.h"
#include "editor/user_partition/user_item_numbers.h"
#include "editor/user_partition/user_items.h"
#include "editor/user_partition/user_record_v14.h"
#include "editor/user_partition/user_record_v14_layout.h"
#include "editor/user_partition/user_tables.h"
#include "editor/user_partition/user_v14_controls.h"
#include "editor/user_partition/user_v14_convert.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

namespace User_Mod {

core::Record& User_Record_V14()
{
    static core::Record record(Layout_V14(), RECORD_LENGTH_V14);
    return record;
}

void Reset_User_Record_V14()
{
    User_Record_V14().Clear();
}

namespace {

QString Name_Of(const core::Record& rec, int field)
{
    return QString::fromLatin1(rec.Field(field).name);
}

// The lines of a list; more than `capacity` lines do not fit the record.
QStringList List_Lines(const QListWidget* list, int capacity, const QString& what)
{
    if (list->count() > capacity)
        throw Record_Value_Error(ERROR_SUBSCRIPT, what);
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

void Put_Index(core::Record& rec, int field, int element, const QComboBox* box,
               Item_Coding coding = Item_Coding::Index)
{
    const auto stored = static_cast<int>(Encode_Item_Index(coding, box->currentIndex()));
    // A byte field cannot hold "no selection".
    if (rec.Field(field).width == 1 && (stored < 0 || stored > 255))
        throw Record_Value_Error(ERROR_OVERFLOW, Name_Of(rec, field));
    rec.Set(field, stored, element);
}

void Put_Text(core::Record& rec, int field, int element, const QString& text, Item_Coding coding)
{
    const int width = rec.Field(field).width;
    switch (coding) {
    case Item_Coding::Blank_Padded:
        rec.Set_Text(field, Blank_Padded(text, width), element);
        break;
    case Item_Coding::Nul_Filled:
        rec.Set_Text(field, Nul_Filled_16(text, Name_Of(rec, field)), element);
        break;
    default:
        rec.Set_Text(field, core::Make_Fixed_String(text, width - 1), element);
        break;
    }
}

// A list row's index; a numbered index also stores its element number.
void Put_List_Row(core::Record& rec, Page_Set& pages, const User_Item_Row& row, const Item_Place& place)
{
    if (place.Coding == Item_Coding::Numbered_Index) {
        rec.Set(place.Field - 1, place.Element, place.Element);
        Put_Index(rec, place.Field, place.Element, row.List(pages));
        return;
    }
    Put_Index(rec, place.Field, place.Element, row.List(pages), place.Coding);
}

// Steps whose rows are saved at a point of their own (Save_Step), with the
// values that the record stores beside them.
bool Saved_Apart(Item_Step step)
{
    return step == Item_Step::Item_92 || step == Item_Step::PIMBIT || step == Item_Step::Item_61;
}

// The list and number rows of a step in table order.
void Save_Step(core::Record& rec, Page_Set& pages, Item_Step step)
{
    for (const User_Item_Row& row : User_Items()) {
        const Item_Place& place = row.At(Generation::V14);
        if (!place.Held() || place.Step != step)
            continue;
        if (Save_Choice_Row(pages, rec, row, place))
            continue;
        if (row.List)
            Put_List_Row(rec, pages, row, place);
        else if (row.Number)
            Save_Number_Row(pages, rec, row, place);
    }
}

// The rows of the item table that this generation holds: the list choices
// and options first, then the texts, each in table order.
void Save_Items(core::Record& rec, Page_Set& pages)
{
    for (const User_Item_Row& row : User_Items()) {
        const Item_Place& place = row.At(Generation::V14);
        if (!place.Held() || Saved_Apart(place.Step) || Save_Choice_Row(pages, rec, row, place))
            continue;
        if (row.List)
            Put_List_Row(rec, pages, row, place);
    }
    for (const User_Item_Row& row : User_Items()) {
        const Item_Place& place = row.At(Generation::V14);
        if (row.Text && place.Held() && !Is_Number_Coding(place.Coding))
            Put_Text(rec, place.Field, place.Element, row.Text(pages)->text(), place.Coding);
    }
}

// A number column as this generation stores it: octal and hexadecimal digits
// up to the largest unsigned value of the field's width, a decimal number
// rounded, a byte into a one-byte field and a signed 16-bit value into any
// other. A column that does not read is refused naming the field `what`.
std::int32_t Column_Value(const core::Record& rec, int field, const Column_Format& column,
                          const QString& line, const QString& what)
{
    const QString text = Columns(line, column.First, column.Last);
    const bool byte = rec.Field(field).width == 1;
    switch (column.Base) {
    case 8:
        return Octal_To_Whole(text, byte ? 0xFF : 0xFFFF, what);
    case 16:
        return Hex_To_Whole(text, byte ? 0xFF : 0xFFFF, what);
    default:
        return byte ? Text_To_Byte(text, what) : Text_To_Int16(text, what);
    }
}

// The number columns of a table into their fields; a refusal names the
// table's field `what_field`.
auto Number_Columns(const core::Record& rec, int what_field)
{
    return [what = Name_Of(rec, what_field)](core::Record& record, int field, const Column_Format& column,
                                             const QString& line, int element) {
        record.Set(field, Column_Value(record, field, column, line, what), element);
    };
}

void Save_GES(core::Record& rec, const Page_Set& pages)
{
    const QStringList lines = List_Lines(pages.Sat_GES().Control_02, V14_GES_ENTRIES, "GES table");
    Write_List_Table(rec, GES_Fields_V14(), GES_COLUMNS, lines, V14_GES_ENTRIES, V14_GES_COUNT,
                     Number_Columns(rec, V14_GES_SAT_ID));
}

// The satellite table with its preference entries, both counts, and the
// service table packed from entry 0 with the satellites that offer a service.
void Save_Satellites(core::Record& rec, const Page_Set& pages)
{
    const QStringList lines =
        List_Lines(pages.Sat_GES().Control_03, V14_SAT_ENTRIES, "satellite table");
    int services = 0;
    for (int i = 0; i < V14_SAT_ENTRIES; ++i) {
        if (i < lines.size()) {
            const modSat_Table_Dialog::Sat_Row row = modSat_Table_Dialog::Parse_Sat_Line(lines[i]);
            rec.Set(V14_SAT_ID, row.Sat_ID, i);
            rec.Set_Text(V14_SAT_NAME, core::Make_Phone_Field(row.Name, 6), i);
            rec.Set(V14_SAT_PREF_ID, row.Sat_ID, i);
            rec.Set(V14_SAT_PREF_VALUE, row.Pref, i);
            if (row.Services != 0) {
                rec.Set(V14_SERVICE_SAT_ID, row.Sat_ID, services);
                rec.Set(V14_SERVICE_MASK, row.Services, services);
                rec.Set(V14_SERVICE_LONGITUDE, Longitude_Code(row.Longitude), services);
                ++services;
            }
        } else {
            Fill_List_Entry(rec, Sat_Fields_V14(), SAT_COLUMNS, i);
            rec.Set(V14_SAT_PREF_ID, FILL_SAT_ID, i);
            rec.Set(V14_SAT_PREF_VALUE, 0, i);
        }
    }
    rec.Set(V14_SAT_COUNT, lines.size());
    rec.Set(V14_SAT_COUNT_2, lines.size());
    for (int j = services; j < V14_SAT_ENTRIES; ++j) {
        rec.Set(V14_SERVICE_SAT_ID, FILL_SAT_ID, j);
        rec.Set(V14_SERVICE_MASK, 0, j);
        rec.Set(V14_SERVICE_LONGITUDE, 0, j);
    }
    rec.Set(V14_SERVICE_COUNT, services);
}

void Save_Directory(core::Record& rec, const Page_Set& pages)
{
    Page_Cockpit_Numbers& page = pages.Cockpit_Numbers();
    for (int k = 0; k < V14_CATEGORIES; ++k) {
        page.Control_05_Tab->setCurrentIndex(k);
        rec.Set_Text(V14_CATEGORY_NAME, core::Make_Fixed_String(page.Category_Name(k), 10), k);
    }
    page.Control_05_Tab->setCurrentIndex(0);

    const Directory_Table table = Directory_V14();
    for (int k = 0; k < V14_CATEGORIES; ++k) {
        const QStringList lines = List_Lines(At(page.Control_05, k), table.Entries,
                                             QStringLiteral("cockpit directory"));
        Write_List_Entries(rec, table, DIRECTORY_COLUMNS, lines, k * table.Entries, table.Entries,
                           Number_Columns(rec, table.Priority));
    }
}

void Save_Head_Values(core::Record& rec, Page_Set& pages)
{
    rec.Set(V14_RESERVED_1, 0);
    rec.Set(V14_RESERVED_2, 0);
    rec.Set(V14_MODIFIED_FLAG, 0);
    rec.Set(V14_CONSTANT_1, 1);

    Save_Number_Items(pages, rec, Generation::V14, Item_Step::Item_45);

    Save_Number_Items(pages, rec, Generation::V14, Item_Step::Item_49);

    Save_Step(rec, pages, Item_Step::Item_61);

    Save_Number_Items(pages, rec, Generation::V14, Item_Step::Item_62);
}

void Save_PSID(core::Record& rec, const Page_Set& pages)
{
    const PSID_Table table = PSID_V14();
    const QStringList lines = List_Lines(pages.General().Control_78, table.Entries, "PSID table");
    Write_List_Table(rec, table, PSID_COLUMNS, lines, table.Entries, table.Count,
                     Number_Columns(rec, table.Sat));
}

void Save_LES(core::Record& rec, const QListWidget* list, const LES_Fields& f)
{
    const QStringList lines = List_Lines(list, f.Size, Name_Of(rec, f.Count));
    Write_List_Table(rec, f, LES_COLUMNS, lines, f.Size, f.Count, Number_Columns(rec, f.Sat));
}

void Save_HSD(core::Record& rec, Page_Set& pages)
{
    Save_Number_Items(pages, rec, Generation::V14, Item_Step::Item_64);

    Save_LES(rec, pages.HSD_S64().Control_67, MPDS_Fields_V14());
    Save_LES(rec, pages.HSD_S64().Control_66, MISDN_Fields_V14());

    // The MAC address of SDU 1, then of SDU 2.
    Save_Number_Items(pages, rec, Generation::V14, Item_Step::Item_68, 0);
    Save_Number_Items(pages, rec, Generation::V14, Item_Step::Item_68, 1);
    Save_Number_Items(pages, rec, Generation::V14, Item_Step::Addresses);

    for (const Item_Step step : {Item_Step::Items_70_71, Item_Step::Item_77a, Item_Step::Items_84_88,
                                 Item_Step::Items_99_101})
        Save_Number_Items(pages, rec, Generation::V14, step);
}

void Save_Sat_GES_Items(core::Record& rec, Page_Set& pages)
{
    Save_Step(rec, pages, Item_Step::Item_92);
    Save_Number_Items(pages, rec, Generation::V14, Item_Step::Items_93_97);
    Save_Number_Items(pages, rec, Generation::V14, Item_Step::Item_108);
}

// Revision 0: zeros; 1: from the page; 2 and above: left as the record held it.
void Save_PIMBIT(core::Record& rec, Page_Set& pages, int revision)
{
    if (revision >= 2)
        return;
    if (revision != 0) {
        Save_Step(rec, pages, Item_Step::PIMBIT);
        return;
    }
    for (const User_Item_Row& row : User_Items()) {
        const Item_Place& place = row.At(Generation::V14);
        if (place.Held() && place.Step == Item_Step::PIMBIT)
            rec.Set(place.Field, 0, place.Element);
    }
}

} // namespace

void Update_Data_V14(Page_Set& pages)
{
    // Built on a copy: a value that fails leaves the program's record as it was.
    core::Record rec = User_Record_V14();

    Save_GES(rec, pages);
    Save_Satellites(rec, pages);
    Save_Directory(rec, pages);
    Save_Cabin_Slots(pages, rec, V14_CABIN_NUMBER);
    Save_Head_Values(rec, pages);
    Save_Items(rec, pages);
    Save_PSID(rec, pages);
    Save_HSD(rec, pages);
    Save_Sat_GES_Items(rec, pages);

    rec.Set_Raw(V14_SPARE, QByteArray(rec.Field(V14_SPARE).width, '\0'));
    const int revision = core::Versions().User_Current.Record_Revision;
    rec.Set(V14_REVISION, revision);
    Save_PIMBIT(rec, pages, revision);

    User_Record_V14() = rec;
}

} // namespace User_Mod
