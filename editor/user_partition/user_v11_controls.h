#pragma once
// Moves between the page controls and the fields that the two short user
// records (generations 5 and 11) share, for their load and save directions.

#include "editor/core/record_layout.h"
#include "editor/user_partition/user_v8_controls.h"

#include <vector>

class Page_Set;

namespace User_Mod {

// The list indexes set back without a report line (items 7, 10, 15, 19,
// 21, 24, 35, 36), with the load rules of each generation. Items 14 and 20
// have codings of their own; items 4, 13, 40 and 58 go through the report.
const std::vector<Combo_Field>& V11_Plain_Combos();
const std::vector<Combo_Field>& V5_Plain_Combos();

// Item 14 ("Immediate" stored as 255) into its combo box.
void Load_Item_14(Page_Set& pages, const core::Record& record);
// Item 20 (stored as the list index + 1) into its combo box.
void Load_Item_20(Page_Set& pages, const core::Record& record);

// Item 34 through the report; the cleaned text is stored back.
void Load_Item_34(Page_Set& pages, core::Record& record);
// Items 40 (both SDUs) and 58 through the report.
void Load_Items_40_58(Page_Set& pages, const core::Record& record);
// The six item-49 weights as decimal texts, each checked against its
// field's range.
void Load_Item_49(Page_Set& pages, const core::Record& record);
// The two item-25 codes through the report; the cleaned texts are stored
// back.
void Load_Item_25(Page_Set& pages, core::Record& record);
// Item 45: the called terminal IDs as signed decimal texts (checked against
// their fields' range) and their assignment types as list indexes.
void Load_Item_45(Page_Set& pages, const core::Record& record);
// Item 26, then the cabin numbers of positions 1 to 9 through the report
// (cleaned texts stored back), then the channel-B boxes of an SDU enabled
// exactly when its numbers are separate.
void Load_Cabin_Numbers(Page_Set& pages, core::Record& record);
// Item 33 through the report (cleaned text stored back) and the user
// modified label; both only when the page set has the main-window controls.
void Load_Description_And_Flag(Page_Set& pages, core::Record& record);

} // namespace User_Mod
