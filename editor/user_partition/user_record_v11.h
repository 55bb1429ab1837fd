#pragma once
// The user record of generation 11 (ORT types 11 and 12): the generation-8
// record cut down. The cockpit directory holds 25 entries a category, the
// high-speed-data block and the two LES lists are absent, and the record
// ends with the PSID table, a spare run and the revision byte.
//
// The fields are those of generation 8 and carry its field ids (the same
// items, other offsets), so the table readers and writers of generation 8
// work on this record too. The layout up to offset 7168 is shared with the
// generation-5 record (user_record_v5.h).

#include "editor/core/ort_types.h"
#include "editor/core/record_layout.h"
#include "editor/user_partition/user_record_v8.h"

class Page_Set;

namespace User_Mod {

constexpr int V11_LENGTH = core::User_Mod::Record_Size_V11 + 1; // 7272 bytes in the file
constexpr int V11_SPARE_LENGTH = 30;

// Fields that generation 8 does not have.
enum V11_Field : int {
    V11_Reserved_Text = 1000, // two NUL bytes at 7168
};

// Item 61 of the short records: four flag bytes at 7156 (field
// V8_Item_61_A, elements 0 to 3). Generation 11 keeps A in element 0 and B
// in element 2, elements 1 and 3 are 1.
constexpr int V11_ITEM_61_A = 0;
constexpr int V11_ITEM_61_B = 2;

core::Layout User_Record_V11_Layout();

// The program-wide generation-11 user record; all zero until filled.
core::Record& User_Record_V11();

// Page controls into User_Record_V11 (written into a copy first, so that a
// value that cannot be stored raises core::Record_Error and leaves the
// record as it was). A cockpit category of more than 25 lines keeps its
// first 25, in the page too, with a "***" conversion-report line.
void Update_Data_V11(Page_Set& pages);

// User_Record_V11 as the loader filled it into the page controls, with the
// checks and conversion-report lines of each item. Cleaned texts and the
// checked PSID count are stored back. A stored list index that its control
// cannot take raises core::Record_Error, which refuses the load.
void Update_GUI_V11(Page_Set& pages);

} // namespace User_Mod
