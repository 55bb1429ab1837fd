#pragma once
// The user record of generation 8 (ORT types 8 and 9): its byte layout, one
// row per field, and the one program-wide instance that the loader fills
// and the writers write. Numbers are big-endian; a list index is stored as
// the control's signed index.

#include "editor/core/ort_types.h"
#include "editor/core/record_layout.h"

namespace User_Mod {

constexpr int V8_LENGTH = core::User_Mod::Record_Size_V8 + 1; // 19320 bytes in the file

// Table sizes.
constexpr int V8_GES_ENTRIES = 128;
constexpr int V8_SAT_ENTRIES = 16;
constexpr int V8_CATEGORIES = 4;
constexpr int V8_DIRECTORY_ENTRIES = 100; // per category
constexpr int V8_CABIN_NUMBERS = 40;
constexpr int V8_MPDS_ENTRIES = 84;
constexpr int V8_MISDN_ENTRIES = 24;
constexpr int V8_PSID_ENTRIES = 10;
constexpr int V8_SPARE_LENGTH = 146;

enum V8_Field : int {
    V8_Description,      // item 33, fixed text 24 + 1
    V8_Item_34,          // fixed text 4 + 1
    V8_GES_Sat,          // item 2, per element
    V8_GES_Id,
    V8_GES_Pref,
    V8_GES_Name,         // name field of width 15
    V8_GES_Count,
    V8_Sat_Id,           // item 3, per element
    V8_Sat_Name,         // name field of width 6
    V8_Sat_Count,
    V8_Item_04,
    V8_Dir_Name,         // item 5, element = category * 100 + entry
    V8_Dir_Number,
    V8_Dir_Priority,
    V8_Dir_Protected,
    V8_Category_Name,    // 4 fixed texts 10 + 1
    V8_Item_07,
    V8_Item_10,
    V8_Item_13,
    V8_Item_14,          // 255 for "Immediate"
    V8_Item_15,
    V8_Cabin_Number,     // item 16, 40 fixed texts 18 + 1
    V8_Reserved_18480,
    V8_Item_19,          // SDU 1, SDU 2
    V8_Reserved_18486,
    V8_Item_20,          // list index + 1
    V8_Item_21,          // SDU 1, SDU 2
    V8_Item_24,          // SDU 1, SDU 2
    V8_Item_25,          // SDU 1, SDU 2: four characters, no terminator
    V8_Item_26,          // SDU 1, SDU 2
    V8_Item_35,
    V8_Item_36,
    V8_Modified,         // user-partition modified flag
    V8_Item_40,          // SDU 1, SDU 2
    V8_Item_45_Number,   // SDU 1 line 1, SDU 1 line 2, SDU 2 line 1, SDU 2 line 2
    V8_Item_45_Index,
    V8_Item_49,          // 6 bytes
    V8_Item_58,
    V8_Item_61_A,        // bytes A0 to A3
    V8_Item_62,          // tenths
    V8_Constant_1,
    V8_Item_61_B,        // bytes B0, B1
    V8_Item_63,
    V8_Item_64,          // tenths
    V8_Item_65,
    V8_Item_72,          // SDU 1 port 1 octets 0-3, then SDU 2 port 1
    V8_Item_73,
    V8_Item_74,
    V8_Item_75,          // 4 octets
    V8_Item_68,          // SDU 1 bytes 0-5, then SDU 2
    V8_Item_69,          // SDU 1, SDU 2: 16 characters, NUL-padded
    V8_Item_70,
    V8_Item_71,
    V8_Item_76,
    V8_Item_77a,
    V8_Item_77b,         // 4 unsigned 16-bit values
    V8_MPDS_Sat,         // item 67, per element
    V8_MPDS_LES,
    V8_MPDS_Pref,
    V8_MPDS_Count,
    V8_MISDN_Sat,        // item 66, per element
    V8_MISDN_LES,
    V8_MISDN_Pref,
    V8_MISDN_Count,
    V8_PSID_Sat,         // item 78, per element
    V8_PSID_Revision,
    V8_PSID_1,
    V8_PSID_2,
    V8_PSID_Count,
    V8_Spare,
    V8_Revision,
};

// The high-speed-data block, which the revision rules write as a whole:
// items 64 to 77 (18571 to 18661) and the two LES tables with their counts
// (18662 to 19101).
constexpr int V8_HSD_BEGIN = 18571;
constexpr int V8_HSD_END = 19102;

core::Layout User_Record_V8_Layout();

// The program-wide generation-8 user record; all zero until filled.
core::Record& User_Record_V8();

} // namespace User_Mod
