#pragma once
// The item table (user_items.h) walked for the records of generations 5, 8
// and 11, which share their field ids and their ways of loading.

#include "editor/core/record_layout.h"
#include "editor/user_partition/user_items.h"

#include <array>
#include <span>

class Page_Set;

namespace User_Mod {

// Sets the rows that the generation reads at the step (of one element when
// element is 0 or more), in table order: a list choice with a report label
// through the report, any other through Set_Stored_Index; a text through
// the report, stored back blank-padded; a number as its row shows it. A
// text whose control the page set lacks is left alone.
void Load_Short_Items(Page_Set& pages, core::Record& record, Generation generation, Item_Step step,
                      int airframer_level, int element = -1);

// Load_Short_Items for each step in turn.
void Load_Short_Steps(Page_Set& pages, core::Record& record, Generation generation, int airframer_level,
                      std::span<const Item_Step> steps);

// The steps that open the load of generations 5, 8 and 11, and those that
// follow item 61 up to item 45.
inline constexpr std::array SHORT_HEAD_STEPS{Item_Step::Item_4, Item_Step::Item_34, Item_Step::Items_40_58};
inline constexpr std::array SHORT_VOICE_STEPS{Item_Step::Voice_Coded, Item_Step::Voice, Item_Step::Item_49,
                                              Item_Step::Item_13, Item_Step::Item_25};

// Writes the list and text rows that the generation holds into the record
// (Save_Number_Items writes the numbers): with no step,
// every row outside generation 8's HSD block (items 65 to 77), else the rows
// of that step. A value that does not fit its field raises
// core::Record_Error; a text whose control the page set lacks is written
// empty.
void Save_Short_Items(Page_Set& pages, core::Record& record, Generation generation,
                      Item_Step step = Item_Step::None);

} // namespace User_Mod
