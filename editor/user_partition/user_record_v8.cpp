#include "editor/user_partition/user_record_v8.h"

namespace User_Mod {

namespace {

using core::Enc;

constexpr core::Field_Def LAYOUT[] = {
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
    {V8_Dir_Name, "Dir_Name", 2458, 15, Enc::Text, V8_CATEGORIES * V8_DIRECTORY_ENTRIES, 38},
    {V8_Dir_Number, "Dir_Number", 2473, 19, Enc::Text, V8_CATEGORIES * V8_DIRECTORY_ENTRIES, 38},
    {V8_Dir_Priority, "Dir_Priority", 2492, 2, Enc::I16, V8_CATEGORIES * V8_DIRECTORY_ENTRIES, 38},
    {V8_Dir_Protected, "Dir_Protected", 2494, 2, Enc::I16, V8_CATEGORIES * V8_DIRECTORY_ENTRIES, 38},
    {V8_Category_Name, "Category_Name", 17658, 11, Enc::Text, V8_CATEGORIES, 11},
    {V8_Item_07, "Item_07", 17702, 4, Enc::I32},
    {V8_Item_10, "Item_10", 17706, 2, Enc::I16},
    {V8_Item_13, "Item_13", 17708, 4, Enc::I32},
    {V8_Item_14, "Item_14", 17712, 4, Enc::I32},
    {V8_Item_15, "Item_15", 17716, 4, Enc::I32},
    {V8_Cabin_Number, "Cabin_Number", 17720, 19, Enc::Text, V8_CABIN_NUMBERS, 19},
    {V8_Reserved_18480, "Reserved_18480", 18480, 2, Enc::I16},
    {V8_Item_19, "Item_19", 18482, 2, Enc::I16, 2},
    {V8_Reserved_18486, "Reserved_18486", 18486, 2, Enc::I16},
    {V8_Item_20, "Item_20", 18488, 4, Enc::I32},
    {V8_Item_21, "Item_21", 18492, 4, Enc::I32, 2},
    {V8_Item_24, "Item_24", 18500, 4, Enc::I32, 2},
    {V8_Item_25, "Item_25", 18508, 4, Enc::Text, 2},
    {V8_Item_26, "Item_26", 18516, 2, Enc::I16, 2},
    {V8_Item_35, "Item_35", 18520, 4, Enc::I32},
    {V8_Item_36, "Item_36", 18524, 2, Enc::I16},
    {V8_Modified, "Modified", 18526, 2, Enc::I16},
    {V8_Item_40, "Item_40", 18528, 2, Enc::I16, 2},
    {V8_Item_45_Number, "Item_45_Number", 18532, 2, Enc::I16, 4, 4},
    {V8_Item_45_Index, "Item_45_Index", 18534, 2, Enc::I16, 4, 4},
    {V8_Item_49, "Item_49", 18548, 1, Enc::U8, 6},
    {V8_Item_58, "Item_58", 18554, 2, Enc::I16},
    {V8_Item_61_A, "Item_61_A", 18556, 1, Enc::U8, 4},
    {V8_Item_62, "Item_62", 18560, 4, Enc::I32},
    {V8_Constant_1, "Constant_1", 18564, 4, Enc::I32},
    {V8_Item_61_B, "Item_61_B", 18568, 1, Enc::U8, 2},
    {V8_Item_63, "Item_63", 18570, 1, Enc::U8},
    {V8_Item_64, "Item_64", 18571, 4, Enc::I32},
    {V8_Item_65, "Item_65", 18575, 1, Enc::U8},
    {V8_Item_72, "Item_72", 18576, 1, Enc::U8, 8},
    {V8_Item_73, "Item_73", 18584, 1, Enc::U8, 8},
    {V8_Item_74, "Item_74", 18592, 1, Enc::U8, 8},
    {V8_Item_75, "Item_75", 18600, 1, Enc::U8, 4},
    {V8_Item_68, "Item_68", 18604, 1, Enc::U8, 12},
    {V8_Item_69, "Item_69", 18616, 16, Enc::Text, 2},
    {V8_Item_70, "Item_70", 18648, 2, Enc::I16},
    {V8_Item_71, "Item_71", 18650, 2, Enc::I16},
    {V8_Item_76, "Item_76", 18652, 1, Enc::U8},
    {V8_Item_77a, "Item_77a", 18653, 1, Enc::U8},
    {V8_Item_77b, "Item_77b", 18654, 2, Enc::U16, 4},
    {V8_MPDS_Sat, "MPDS_Sat", 18662, 1, Enc::U8, V8_MPDS_ENTRIES, 4},
    {V8_MPDS_LES, "MPDS_LES", 18663, 2, Enc::I16, V8_MPDS_ENTRIES, 4},
    {V8_MPDS_Pref, "MPDS_Pref", 18665, 1, Enc::U8, V8_MPDS_ENTRIES, 4},
    {V8_MPDS_Count, "MPDS_Count", 18998, 4, Enc::I32},
    {V8_MISDN_Sat, "MISDN_Sat", 19002, 1, Enc::U8, V8_MISDN_ENTRIES, 4},
    {V8_MISDN_LES, "MISDN_LES", 19003, 2, Enc::I16, V8_MISDN_ENTRIES, 4},
    {V8_MISDN_Pref, "MISDN_Pref", 19005, 1, Enc::U8, V8_MISDN_ENTRIES, 4},
    {V8_MISDN_Count, "MISDN_Count", 19098, 4, Enc::I32},
    {V8_PSID_Sat, "PSID_Sat", 19102, 1, Enc::U8, V8_PSID_ENTRIES, 7},
    {V8_PSID_Revision, "PSID_Revision", 19103, 2, Enc::I16, V8_PSID_ENTRIES, 7},
    {V8_PSID_1, "PSID_1", 19105, 2, Enc::U16, V8_PSID_ENTRIES, 7},
    {V8_PSID_2, "PSID_2", 19107, 2, Enc::U16, V8_PSID_ENTRIES, 7},
    {V8_PSID_Count, "PSID_Count", 19172, 1, Enc::U8},
    {V8_Spare, "Spare", 19173, V8_SPARE_LENGTH, Enc::Bytes},
    {V8_Revision, "Revision", 19319, 1, Enc::U8},
};

} // namespace

core::Layout User_Record_V8_Layout()
{
    return LAYOUT;
}

core::Record& User_Record_V8()
{
    static core::Record record(LAYOUT, V8_LENGTH);
    return record;
}

} // namespace User_Mod
