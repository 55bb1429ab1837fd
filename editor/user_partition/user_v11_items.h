#pragma once
// Pieces of the two short user records (generations 5 and 11) that need no
// widgets: the cockpit directory of 25 entries a category, the item-61 flag
// codings, and the satellite lines of generation 5.

#include "editor/core/record_layout.h"

#include <QString>
#include <QStringList>

namespace User_Mod {

// --- cockpit directory (item 5), elements category * 25 + entry -------------

// The lines into the category's 25 elements, fill values after the last
// line. More than 25 lines raise core::Record_Error (the caller cuts them
// first); so does a priority column that is no number or no 16-bit value.
void Write_Short_Directory(core::Record& record, int category, const QStringList& lines);

// --- item 61 ------------------------------------------------------------------

// Generation 11: bytes A (7156) and B (7158) from the list index: 0 or 1
// give A 1, B 1; 2 gives A 1, B 0; 3 or 5 give A 0, B 0; 4 gives A 0, B 1;
// any other index leaves A and B as they were. Bytes 7157 and 7159 are 1.
void Write_Item_61_V11(core::Record& record, int index);
// The list index of the key 2 * B + 4 * A: 6 gives 0, 4 gives 2, 0 gives 3,
// any other key 4.
int Item_61_Index_V11(const core::Record& record);

// Generation 5: the code of the six flag bytes b0 to b5. It starts at 3;
// when b1 and b3 are both 1 it is b0 * 4 + b2 * 2; then, when b5 is 1, b4
// is added.
int Item_61_Code_V5(const core::Record& record);
// The list index of a code: 0 gives 3, 1 gives 5, 4 gives 2, 6 gives 0, 7
// gives 1, any other code 4.
int Item_61_Index_Of_Code_V5(int code);

// --- satellites of generation 5 ---------------------------------------------

// The satellite lines of the stored entries: the id as two octal digits,
// three blanks and the name as Read_Sat_Name keeps it, blank-padded to 6.
// The count is checked (0 to 16, "iii-Size"), each id too (0 to 63,
// "iii-SAT ID").
QStringList Read_Sat_Lines_V5(core::Record& record);

} // namespace User_Mod
