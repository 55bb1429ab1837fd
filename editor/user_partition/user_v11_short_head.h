#pragma once
// The fields that the generation-5 and generation-11 user records share:
// every field from offset 0 to 7167, with the field ids of generation 8
// (the same items at other offsets), and the join of these rows with a
// record's own tail into one layout table.

#include "editor/core/record_layout.h"
#include "editor/user_partition/user_record_v8.h"

#include <array>
#include <cstddef>

namespace User_Mod {

// Cockpit directory entries a category of the short records.
inline constexpr int SHORT_DIRECTORY_ENTRIES = 25;
inline constexpr int SHORT_HEAD_ROWS = 41;

namespace short_rows {
using core::Enc;
inline constexpr int SHORT_DIRECTORY_ELEMENTS = V8_CATEGORIES * SHORT_DIRECTORY_ENTRIES;

inline constexpr std::array<core::Field_Def, SHORT_HEAD_ROWS> SHORT_HEAD = {{
    {V8_Description, "Description", 0, 25, Enc::Text},
    {V8_Item_34, "Item_34", 25, 5, Enc::Text},
    {V8_GES_Sat, "GES_Sat", 30, 1, Enc::U8, V8_GES_ENTRIES, 18},
    {V8_GES_Id, "GES_Id", 31, 1, Enc::U8, V8_GES_ENTRIES, 18},
    {V8_GES_Pref, "GES_Pref", 32, 1, Enc::U8, V8_GES_ENTRIES, 18},
    {V8_GES_Name, "GES_Name", 33, 15, Enc::Text, V8_GES_ENTRIES, 18},
    {V8_GES_Count, "GES_Count", 2334, 4, Enc::I32},
    {V8_Sat_Id, "Sat_Id", 2338, 1, Enc::U8, V8_SAT_ENTRIES, 7},
    {V8_Sat_Name, "Sat_Name", 2339, 6, Enc::Text, V8_SAT_ENTRIES, 7},
    {V8_Sat_Count, "Sat_Count", 2450, 4, Enc::I32},
    {V8_Item_04, "Item_04", 2454, 4, Enc::I32},
    {V8_Dir_Name, "Dir_Name", 2458, 15, Enc::Text, SHORT_DIRECTORY_ELEMENTS, 38},
    {V8_Dir_Number, "Dir_Number", 2473, 19, Enc::Text, SHORT_DIRECTORY_ELEMENTS, 38},
    {V8_Dir_Priority, "Dir_Priority", 2492, 2, Enc::I16, SHORT_DIRECTORY_ELEMENTS, 38},
    {V8_Dir_Protected, "Dir_Protected", 2494, 2, Enc::I16, SHORT_DIRECTORY_ELEMENTS, 38},
    {V8_Category_Name, "Category_Name", 6258, 11, Enc::Text, V8_CATEGORIES, 11},
    {V8_Item_07, "Item_07", 6302, 4, Enc::I32},
    {V8_Item_10, "Item_10", 6306, 2, Enc::I16},
    {V8_Item_13, "Item_13", 6308, 4, Enc::I32},
    {V8_Item_14, "Item_14", 6312, 4, Enc::I32},
    {V8_Item_15, "Item_15", 6316, 4, Enc::I32},
    {V8_Cabin_Number, "Cabin_Number", 6320, 19, Enc::Text, V8_CABIN_NUMBERS, 19},
    {V8_Reserved_18480, "Reserved_7080", 7080, 2, Enc::I16},
    {V8_Item_19, "Item_19", 7082, 2, Enc::I16, 2},
    {V8_Reserved_18486, "Reserved_7086", 7086, 2, Enc::I16},
    {V8_Item_20, "Item_20", 7088, 4, Enc::I32},
    {V8_Item_21, "Item_21", 7092, 4, Enc::I32, 2},
    {V8_Item_24, "Item_24", 7100, 4, Enc::I32, 2},
    {V8_Item_25, "Item_25", 7108, 4, Enc::Text, 2},
    {V8_Item_26, "Item_26", 7116, 2, Enc::I16, 2},
    {V8_Item_35, "Item_35", 7120, 4, Enc::I32},
    {V8_Item_36, "Item_36", 7124, 2, Enc::I16},
    {V8_Modified, "Modified", 7126, 2, Enc::I16},
    {V8_Item_40, "Item_40", 7128, 2, Enc::I16, 2},
    {V8_Item_45_Number, "Item_45_Number", 7132, 2, Enc::I16, 4, 4},
    {V8_Item_45_Index, "Item_45_Index", 7134, 2, Enc::I16, 4, 4},
    {V8_Item_49, "Item_49", 7148, 1, Enc::U8, 6},
    {V8_Item_58, "Item_58", 7154, 2, Enc::I16},
    {V8_Item_61_A, "Item_61_Flags", 7156, 1, Enc::U8, 4},
    {V8_Item_62, "Item_62", 7160, 4, Enc::I32},
    {V8_Constant_1, "Item_62_Present", 7164, 4, Enc::I32},
}};

} // namespace short_rows

using short_rows::SHORT_HEAD;

// The head rows followed by the tail rows.
template <std::size_t N>
constexpr std::array<core::Field_Def, SHORT_HEAD_ROWS + N> Join_Rows(const core::Field_Def (&tail)[N])
{
    std::array<core::Field_Def, SHORT_HEAD_ROWS + N> rows{};
    std::size_t at = 0;
    for (const core::Field_Def& row : SHORT_HEAD)
        rows[at++] = row;
    for (const core::Field_Def& row : tail)
        rows[at++] = row;
    return rows;
}

} // namespace User_Mod
