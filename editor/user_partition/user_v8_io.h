#pragma once
// The two directions of the generation-8 user record.

class Page_Set;

namespace User_Mod {

// Page controls into User_Record_V8. Items 64 to 77 follow the current user
// Record_Revision: 1 writes them as zeros, 2 from the controls, any other
// revision leaves what the record held. A value that cannot be stored
// raises core::Record_Error and leaves the record as it was.
void Update_Data_V8(Page_Set& pages);

// User_Record_V8 as the loader filled it into the page controls, with the
// checks and conversion-report lines of each item. A stored list index
// outside its control's list raises core::Record_Error.
void Update_GUI_V8(Page_Set& pages);

} // namespace User_Mod
