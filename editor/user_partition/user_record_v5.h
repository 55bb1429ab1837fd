#pragma once
// The user record of generation 5 (ORT types 5 and 6), the oldest one: read
// and converted, never written. Up to offset 7167 it is the generation-11
// record; it ends with the second pair of item-61 flag bytes.
//
// The fields carry the field ids of generation 8 (the same items at other
// offsets). Item 61 is six flag bytes b0 to b5: b0 to b3 are field
// V8_Item_61_A (at 7156), b4 and b5 field V8_Item_61_B (at 7168). The
// 32-bit word at 7164 (field V8_Constant_1) tells whether item 62 is
// present (greater than zero).

#include "editor/core/ort_types.h"
#include "editor/core/record_layout.h"

class Page_Set;

namespace User_Mod {

constexpr int V5_LENGTH = core::User_Mod::Record_Size_V5 + 1; // 7170 bytes in the file

core::Layout User_Record_V5_Layout();

// The program-wide generation-5 user record; all zero until filled.
core::Record& User_Record_V5();

// User_Record_V5 as the loader filled it into the page controls, with the
// checks and conversion-report lines of each item; cleaned texts are stored
// back. Items the record does not hold keep what the controls held. A
// stored list index that its control cannot take raises core::Record_Error,
// which refuses the load.
void Update_GUI_V5(Page_Set& pages);

} // namespace User_Mod
