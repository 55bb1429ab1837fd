#pragma once
// The user record's tables, each column stated once here and used by every
// generation that holds the column. Each generation keeps its own table
// layout (its field ids and sizes). On load, what a stored value must
// satisfy to load unchanged, and the "***" line it gets when it does not, is
// decided here; on save, which characters of a list line a column takes and
// what an element after the list's last line holds. A save reads a number
// column and refuses it in its generation's own way.

#include "editor/core/record_layout.h"
#include "editor/pages/psid_row.h"
#include "editor/user_partition/user_v8_lists.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class Page_Cockpit_Numbers;

class Page_Set;

namespace User_Mod {

// --- save direction ----------------------------------------------------------

// What a save writes into the elements after a table's last line (the
// blank names and numbers: dashes, see core::Make_Phone_Field).
inline constexpr int FILL_SAT_ID = 63;
inline constexpr int FILL_GES_ID = 255;
inline constexpr int FILL_GES_PREF = 1;
inline constexpr int FILL_PRIORITY = 3;
inline constexpr int FILL_LES_ID = 999;

// How a save stores one column of a list line into its field.
enum class Column_Kind {
    Number,     // digits in Base, read by each generation's own save
    Phone_Text, // as core::Make_Phone_Field of Width
    Fixed_Text, // as core::Make_Fixed_String, Width counting its NUL
    Yes_Flag,   // 1 when the line ends in "Yes", else 0 (no characters of its own)
};

// One column of a list line: characters First to Last (counted from 1), and
// Fill, what an element after the list's last line holds. An empty text
// column is filled with dashes (core::Make_Phone_Field of Width).
struct Column_Format {
    Column_Kind Kind;
    int First;
    int Last;
    int Base;  // Number: 8, 10 or 16
    int Width; // texts: the field's width
    int Fill;  // Number and Yes_Flag
};

constexpr Column_Format Number_Column(int first, int last, int base, int fill)
{
    return {Column_Kind::Number, first, last, base, 0, fill};
}

constexpr Column_Format Text_Column(Column_Kind kind, int first, int last, int width)
{
    return {kind, first, last, 0, width, 0};
}

// A column and the member of a generation's table layout (Fields) that
// names its field.
template <class Fields>
struct List_Column {
    int Fields::*Field;
    Column_Format Format;
};

// A text or flag column of the line into its field.
void Put_Column_Text(core::Record& record, int field, const Column_Format& column,
                     const QString& line, int element);
// The column's fill into its field.
void Put_Column_Fill(core::Record& record, int field, const Column_Format& column, int element);

// Each column's fill into the element of an entry without a line.
template <class Fields, std::size_t N>
void Fill_List_Entry(core::Record& record, const Fields& fields,
                     const std::array<List_Column<Fields>, N>& columns, int element)
{
    for (const List_Column<Fields>& column : columns)
        Put_Column_Fill(record, fields.*column.Field, column.Format, element);
}

// The lines into the `entries` elements from `first_element`, the columns of
// each line in row order, a number column through
// put_number(record, field, column, line, element); every element after the
// last line gets each column's fill. The caller checks the line count.
template <class Fields, std::size_t N, class Put_Number>
void Write_List_Entries(core::Record& record, const Fields& fields,
                        const std::array<List_Column<Fields>, N>& columns, const QStringList& lines,
                        int first_element, int entries, Put_Number put_number)
{
    for (int j = 0; j < entries; ++j) {
        const int element = first_element + j;
        if (j >= lines.size()) {
            Fill_List_Entry(record, fields, columns, element);
            continue;
        }
        for (const List_Column<Fields>& column : columns) {
            const int field = fields.*column.Field;
            if (column.Format.Kind == Column_Kind::Number)
                put_number(record, field, column.Format, lines[j], element);
            else
                Put_Column_Text(record, field, column.Format, lines[j], element);
        }
    }
}

// Write_List_Entries from element 0, then the number of lines into count_field.
template <class Fields, std::size_t N, class Put_Number>
void Write_List_Table(core::Record& record, const Fields& fields,
                      const std::array<List_Column<Fields>, N>& columns, const QStringList& lines,
                      int entries, int count_field, Put_Number put_number)
{
    Write_List_Entries(record, fields, columns, lines, 0, entries, put_number);
    record.Set(count_field, lines.size());
}

// --- GES table (item 2) ------------------------------------------------------

GES_Fields GES_Fields_V14();

// "07   320   1   PAUMALU-AM": Sat ID, GES ID, preference, name.
inline constexpr std::array<List_Column<GES_Fields>, 4> GES_COLUMNS{{
    {&GES_Fields::Sat, Number_Column(1, 2, 8, FILL_SAT_ID)},
    {&GES_Fields::Id, Number_Column(6, 8, 8, FILL_GES_ID)},
    {&GES_Fields::Pref, Number_Column(12, 12, 10, FILL_GES_PREF)},
    {&GES_Fields::Name, Text_Column(Column_Kind::Phone_Text, 16, 29, 15)},
}};

// --- cockpit directory (item 5) ----------------------------------------------

// Where a generation keeps its directory: four categories of `Entries`
// entries, entry j of category k in element k * Entries + j.
struct Directory_Table {
    int Name;
    int Number;
    int Priority;
    int Protected;
    int Category_Name;
    int Entries;
};
Directory_Table Directory_V8();    // 100 entries a category
Directory_Table Directory_Short(); // generations 5 and 11: 25 entries a category
Directory_Table Directory_V14();

// The Cockpit_Number_Lines of a category's used entries (number not
// beginning with "-"); caption names the category in the report labels.
// Name and number are cleaned through the report and stored back
// blank-padded; the blanks the cleaning puts in front of them for refused
// characters stay, in the line as in its save. A priority outside 0 to 9
// loads as 3 and a protected flag other than 0 and 1 as 1, each with its
// "***" line; a name or number longer than the line's column (14 and 18
// characters) keeps what the column holds, with its "***" line; so does a
// number that begins with "-" once its blanks in front are trimmed (a
// reopening would take it for an unused entry): it keeps what follows its
// blanks and minus signs in front.
QStringList Read_Directory_Category(core::Record& record, const Directory_Table& table,
                                    int category, const QString& caption);

// Item 5 into the page: the category names (only when the user
// Airframer_Level is 0) into the tab captions, then the lines of each
// category into its list; tab 0 is selected at the end.
void Load_Directory(Page_Cockpit_Numbers& page, core::Record& record, int airframer_level,
                    const Directory_Table& table);

// A directory line: name, number, priority, and "Yes" at its end when the
// entry is protected.
inline constexpr std::array<List_Column<Directory_Table>, 4> DIRECTORY_COLUMNS{{
    {&Directory_Table::Name, Text_Column(Column_Kind::Fixed_Text, 1, 14, 15)},
    {&Directory_Table::Number, Text_Column(Column_Kind::Fixed_Text, 19, 36, 19)},
    {&Directory_Table::Priority, Number_Column(41, 41, 10, FILL_PRIORITY)},
    {&Directory_Table::Protected, {Column_Kind::Yes_Flag, 0, 0, 0, 0, 0}},
}};

// --- satellites (item 3) -----------------------------------------------------

struct Sat_Fields {
    int Id;
    int Name;
};
Sat_Fields Sat_Fields_V8(); // generations 8 and 11
Sat_Fields Sat_Fields_V14();

// "13   AOR-W": Sat ID and name (generations 8 and 11; generation 14's line
// carries more and is read whole).
inline constexpr std::array<List_Column<Sat_Fields>, 2> SAT_COLUMNS{{
    {&Sat_Fields::Id, Number_Column(1, 2, 8, FILL_SAT_ID)},
    {&Sat_Fields::Name, Text_Column(Column_Kind::Phone_Text, 6, 10, 6)},
}};

// The satellite name of stored element i cleaned through the report and
// stored back blank-padded; then, when the list line keeps less of it than
// `kept` gives (the name as a save writes it back), a "***" line. Returns
// the name the line keeps.
QString Read_Sat_Name(core::Record& record, int field, int i, QString (*kept)(const QString& name));

// The satellite name of stored element i as the file holds it, without a
// character set: only a name a save of the short satellite line cannot keep
// (Kept_Short_Sat_Name) shows what the save keeps, with its "***" line.
// Returns the name the line keeps.
QString Read_Stored_Sat_Name(const core::Record& record, int field, int i);

// What a save of the generation-5 to -11 satellite line keeps of a name:
// its first five characters, dashes for none.
QString Kept_Short_Sat_Name(const QString& name);

// --- LES tables (items 66 and 67) -------------------------------------------------

LES_Fields MPDS_Fields_V14();
LES_Fields MISDN_Fields_V14();

// "02   22  1": Sat ID, LES ID, preference.
inline constexpr std::array<List_Column<LES_Fields>, 3> LES_COLUMNS{{
    {&LES_Fields::Sat, Number_Column(1, 2, 8, FILL_SAT_ID)},
    {&LES_Fields::LES, Number_Column(5, 7, 10, FILL_LES_ID)},
    {&LES_Fields::Pref, Number_Column(10, 10, 10, 0)},
}};

// --- PSID table (item 78) ------------------------------------------------------

struct PSID_Table {
    int Sat;
    int Revision;
    int PSID_1;
    int PSID_2;
    int Count;
    int Entries;
};
PSID_Table PSID_V8(); // generations 8 and 11
PSID_Table PSID_V14();

// "12      42   0x1770 0x4C90": Sat ID, table revision, PSID 1 and PSID 2.
inline constexpr std::array<List_Column<PSID_Table>, 4> PSID_COLUMNS{{
    {&PSID_Table::Sat, Number_Column(1, 2, 8, FILL_SAT_ID)},
    {&PSID_Table::Revision, Number_Column(8, 10, 10, 0)},
    {&PSID_Table::PSID_1, Number_Column(16, 19, 16, 0)},
    {&PSID_Table::PSID_2, Number_Column(23, 26, 16, 0)},
}};

// The entries of the stored elements, the stored count checked first
// ("lxxviii-Size", 0 to Entries) and stored back; in each the Sat ID, the
// table revision and each PSID but 0 (none) checked against its fact.
QList<pages::PSID_Values> Read_PSID_Entries(core::Record& record, const PSID_Table& table);

// --- cabin numbers (item 16) -------------------------------------------------

// The cabin numbers of positions 1 to 9 from the elements of `field` into
// their boxes through the report: characters outside their set are dropped
// and a number longer than its box is cut, each with its "***" line. What a
// box keeps is stored back blank-padded.
void Load_Cabin_Slots(Page_Set& pages, core::Record& record, int field);

// The cabin-number boxes into the elements of `field` (18 characters and a
// NUL each); elements 0, 1, 20 and 21 have no box and hold 18 minus signs.
void Save_Cabin_Slots(Page_Set& pages, core::Record& record, int field);

// The channel-B boxes of an SDU enabled exactly when its channels have
// numbers of their own (the stored item 26 of the SDU is not 1).
void Enable_Channels_B(Page_Set& pages, const core::Record& record, int item_26_field);

} // namespace User_Mod
