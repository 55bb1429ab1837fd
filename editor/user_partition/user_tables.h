#pragma once
// The load checks of the user record's tables, each column's check stated
// once here and used by every generation that holds the column. Each
// generation keeps its own table layout (its field ids and sizes) and its
// own list line; what a stored value must satisfy to load unchanged, and
// the "***" line it gets when it does not, is decided here.

#include "editor/core/record_layout.h"
#include "editor/pages/psid_row.h"
#include "editor/user_partition/user_v8_lists.h"

#include <QList>

#include <QString>
#include <QStringList>

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
// blank-padded; a priority outside 0 to 9 loads as 3 and a protected flag
// other than 0 and 1 as 1, each with its "***" line; a name or number
// longer than the line's column (14 and 18 characters) keeps what the column
// holds, with its "***" line.
QStringList Read_Directory_Category(core::Record& record, const Directory_Table& table,
                                    int category, const QString& caption);

// Item 5 into the page: the category names (only when the user
// Airframer_Level is 0) into the tab captions, then the lines of each
// category into its list; tab 0 is selected at the end.
void Load_Directory(Page_Cockpit_Numbers& page, core::Record& record, int airframer_level,
                    const Directory_Table& table);

// --- satellites (item 3) -----------------------------------------------------

// The satellite name of stored element i cleaned through the report and
// stored back blank-padded; then, when the list line keeps less of it than
// `kept` gives (the name as a save writes it back), a "***" line. Returns
// the name the line keeps.
QString Read_Sat_Name(core::Record& record, int field, int i, QString (*kept)(const QString& name));

// What a save of the generation-5 to -11 satellite line keeps of a name:
// its first five characters, dashes for none.
QString Kept_Short_Sat_Name(const QString& name);

// --- LES tables (items 66 and 67) -------------------------------------------------

LES_Fields MPDS_Fields_V14();
LES_Fields MISDN_Fields_V14();

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

// The channel-B boxes of an SDU enabled exactly when its channels have
// numbers of their own (the stored item 26 of the SDU is not 1).
void Enable_Channels_B(Page_Set& pages, const core::Record& record, int item_26_field);

} // namespace User_Mod
