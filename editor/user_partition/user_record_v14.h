#pragma once
// The generation-14 user record (ORT types 14 user only and 15 composite):
// the program-wide record and its two moves.
//
// Save direction (Update_Data_V14): every user-item control of the pages and
// of the main window into the record. The PIM/BIT block (items 103 to 107)
// follows the current user Record_Revision: 0 writes it as zeros, 1 from the
// page, 2 and above leaves what the record held. A control value that the
// record cannot take throws Record_Value_Error (user_v14_convert.h) and
// leaves the record as it was before the call.
//
// Load direction (Update_GUI_V14): the record as the loader filled it into
// the controls, with conversion-report lines. Counts and list indexes are
// checked before use: a value the report routines take is replaced and
// reported; any other (a list index the combo box does not hold, a table
// count above its table) throws Record_Value_Error, which refuses the load.
// Cleaned texts and checked counts are written back into the record.

#include "editor/core/record_layout.h"

class Page_Set;

namespace User_Mod {

// The program-wide record, RECORD_LENGTH_V14 bytes (all zero at start-up).
core::Record& User_Record_V14();
// Back to all zero (for tests).
void Reset_User_Record_V14();

void Update_Data_V14(Page_Set& pages);
void Update_GUI_V14(Page_Set& pages);

} // namespace User_Mod
