#pragma once
// Item 61 (the order of the three call types) is one list whose index each
// generation stores in flag bytes of its own coding: these are the codings
// of its row in the user items table.

#include "editor/core/record_layout.h"
#include "editor/user_partition/user_items.h"

class Page_Set;

namespace User_Mod {

bool Is_Item_61_Coding(Item_Coding coding);

// The list index that the record's flags give. Generations 8, 11 and 14
// load flags that their save would not write back as the list's default,
// with a "***" line under the row's label.
void Load_Item_61(Page_Set& pages, const core::Record& record, const User_Item_Row& row,
                  const Item_Place& place);

// The flags of the list's index into the record.
void Save_Item_61(Page_Set& pages, core::Record& record, const User_Item_Row& row, const Item_Place& place);

} // namespace User_Mod
