#pragma once
// The list tables and coded items of the generation-8 user record, moved
// between record elements and the list lines of the pages without widgets.
// The same element layouts recur in the later user records, which call
// these with their own field ids.
//
// Writers fill the used elements from the lines in list order and every
// further element with the table's fill values; a line that cannot be read
// or a list longer than its table raises core::Record_Error. Readers check
// each stored count and the fields that shape a line, report and replace
// what is out of range (conversion report) and return the list lines.

#include "editor/core/record_layout.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace User_Mod {

// Field ids of the GES table (item 2) within a record layout.
struct GES_Fields {
    int Sat;
    int Id;
    int Pref;
    int Name;
};
GES_Fields GES_Fields_V8();

// Field ids of one LES table (items 66 and 67) within a record layout.
struct LES_Fields {
    int Sat;
    int LES;
    int Pref;
    int Count;
    int Size;            // elements of the table
    const char* Item;    // report label head: "lxvii" or "lxvi"
};
LES_Fields MPDS_Fields_V8();
LES_Fields MISDN_Fields_V8();

// --- save direction -----------------------------------------------------------

void Write_GES_Table(core::Record& record, const QStringList& lines);
void Write_Sat_Table(core::Record& record, const QStringList& lines);
// The directory lines into the `entries` elements from `first_element`,
// unused elements filled; the caller checks the line count.
void Write_Directory_Entries(core::Record& record, int first_element, int entries,
                             const QStringList& lines);
// Category 0 to 3: elements category * 100 to category * 100 + 99.
void Write_Directory(core::Record& record, int category, const QStringList& lines);
void Write_LES_Table(core::Record& record, const LES_Fields& fields, const QStringList& lines);
void Write_PSID_Table(core::Record& record, const QStringList& lines);

// Item 61: the list index (0 to 5) in bytes A0, A2 and B0; A1, A3 and B1
// are always 1. An index outside 0 to 5 leaves A0, A2 and B0 as they were.
void Write_Item_61(core::Record& record, int index);
// The list index of the stored key A2 * 2 + A0 * 4 + B0.
int Item_61_Index(const core::Record& record);

// --- load direction -------------------------------------------------------------

// A Sat ID column of a list line (items 2, 3, 66 and 67): its two octal
// digits hold 0 to 63, so any other stored ID loads as 0 with a "***" line
// labelled with the item's head and "-SAT ID" ("iii-SAT ID").
std::int32_t Checked_Sat_ID(std::int64_t stored, const char* head);

// A directory entry's priority (item 5): its line holds one digit, so a
// stored priority outside 0 to 9 loads as 3 with a "***" line labelled
// "v - Priority, " and where (the category's caption, ", " and the entry).
std::int32_t Checked_Priority(std::int64_t stored, const QString& where);

// The GES line of stored element i: the Sat ID and the one-digit
// preference checked, the name cleaned through the report and stored back
// blank-padded; a name longer than a save writes (14 characters) or none
// shows what the save keeps, with its "***" line.
QString Read_GES_Line(core::Record& record, const GES_Fields& fields, int i);
// GES lines of the stored elements, the stored count checked first.
QStringList Read_GES_Lines(core::Record& record);
// How a satellite line takes its name: as the file holds it (generations 8
// and 11) or cleaned through the report (generation 5).
enum class Sat_Names { As_Stored, Cleaned };
// Satellite lines of the stored elements, the stored count checked first:
// the Sat ID, three blanks and the name as Read_Stored_Sat_Name or, when
// cleaned, as Read_Sat_Name keeps it.
QStringList Read_Sat_Lines(core::Record& record, Sat_Names names = Sat_Names::As_Stored);
// Read_Directory_Category of the generation-8 directory.
QStringList Read_Directory_Lines(core::Record& record, int category, const QString& caption);
// The LES lines of the stored elements, the stored count checked first
// (the lines are as many as the checked count), and in each the Sat ID, the
// LES ID and the one-digit preference.
QStringList Read_LES_Lines(const core::Record& record, const LES_Fields& fields);
// The checked count is stored back into the record.
QStringList Read_PSID_Lines(core::Record& record);

// A record text field from a cleaned text: blanks up to the field width.
void Store_Padded(core::Record& record, int id, const QString& text, int index = 0);

// Reads characters first..last (counted from 1) of a line as a number in
// the base; blanks around it are ignored, an empty column reads 0. Raises
// core::Record_Error for anything else.
std::int32_t Column_Number(const QString& line, int first, int last, int base);

} // namespace User_Mod
