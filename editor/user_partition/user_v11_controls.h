#pragma once
// Moves between the page controls and the fields that the two short user
// records (generations 5 and 11) share, for their load and save directions.

#include "editor/core/record_layout.h"
#include "editor/user_partition/user_items.h"
#include "editor/user_partition/user_v8_controls.h"


class Page_Set;

namespace User_Mod {

// Item 45: the rows of the item table element by element (the called
// terminal ID, then the assignment type).
void Load_Item_45(Page_Set& pages, core::Record& record, Generation generation, int airframer_level);
// The rows of item 26, then the cabin numbers (Load_Cabin_Slots), then the
// channel-B boxes (Enable_Channels_B).
void Load_Cabin_Numbers(Page_Set& pages, core::Record& record, Generation generation);
// The rows of the description step (item 33, through the report, cleaned
// text stored back) and the user modified label; both only when the page
// set has the main-window controls.
void Load_Description_And_Flag(Page_Set& pages, core::Record& record, Generation generation);

} // namespace User_Mod
