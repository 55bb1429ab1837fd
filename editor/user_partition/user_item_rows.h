#pragma once
// The rows of the item table (user_items.h) that load and save the same way
// for every generation: item 61's coded flags, option pairs and numbers (a
// number row, or a text that holds a number). Lists and texts are loaded
// and saved by each generation's own walk.

#include "editor/core/record_layout.h"
#include "editor/user_partition/user_items.h"

class Page_Set;

namespace User_Mod {

// Loads the row from its place when it is one of these; false otherwise.
bool Load_Common_Row(Page_Set& pages, const core::Record& record, const User_Item_Row& row,
                     const Item_Place& place);

// Saves an item-61 row or an option pair into its place; false for any
// other row (numbers are saved at their steps by Save_Number_Items).
bool Save_Choice_Row(Page_Set& pages, core::Record& record, const User_Item_Row& row, const Item_Place& place);

} // namespace User_Mod
