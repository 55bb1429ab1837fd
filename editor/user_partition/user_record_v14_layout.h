#pragma once
// Byte layout of the generation-14 user record (ORT types 14 and 15): one
// row per field, offsets from the start of the record. The moves between
// this record and the page controls live in user_record_v14_save.cpp and
// user_record_v14_load.cpp.

#include "editor/core/record_layout.h"

namespace User_Mod {

// Bytes of the record in the file (its size constant plus one).
constexpr int RECORD_LENGTH_V14 = 21366;

// Table sizes of the record.
constexpr int V14_GES_ENTRIES = 128;
constexpr int V14_SAT_ENTRIES = 16;
constexpr int V14_DIRECTORY_ENTRIES = 400; // 4 categories of 100
constexpr int V14_DIRECTORY_PER_CATEGORY = 100;
constexpr int V14_CATEGORIES = 4;
constexpr int V14_CABIN_NUMBERS = 40;
constexpr int V14_MPDS_ENTRIES = 84;
constexpr int V14_MISDN_ENTRIES = 24;
constexpr int V14_PSID_ENTRIES = 10;
constexpr int V14_ADDRESSES = 13; // items 72 to 75, see V14_ADDRESS below
constexpr int V14_ITEM_92_ENTRIES = 3;

// Field ids of the layout. Element-wise fields of a table (GES, satellites,
// directory, LES lists, PSID rows) are one id per column with a stride.
enum V14 : int {
    V14_DESCRIPTION_33,
    V14_ITEM_34,
    V14_GES_SAT_ID,
    V14_GES_ID,
    V14_GES_PREF,
    V14_GES_NAME,
    V14_GES_COUNT,
    V14_SAT_ID,
    V14_SAT_NAME,
    V14_SAT_COUNT,
    V14_ITEM_04,
    V14_DIR_NAME,
    V14_DIR_NUMBER,
    V14_DIR_PRIORITY,
    V14_DIR_PROTECTED,
    V14_CATEGORY_NAME,
    V14_ITEM_07,
    V14_ITEM_10,
    V14_ITEM_13,
    V14_ITEM_14,
    V14_ITEM_15,
    V14_CABIN_NUMBER,
    V14_RESERVED_1,
    V14_ITEM_19A,
    V14_ITEM_19B,
    V14_RESERVED_2,
    V14_ITEM_20,
    V14_ITEM_21,   // SDU 1, SDU 2
    V14_ITEM_24,   // SDU 1, SDU 2
    V14_ITEM_25,   // SDU 1, SDU 2
    V14_ITEM_26,   // SDU 1, SDU 2
    V14_ITEM_35,
    V14_ITEM_36,
    V14_MODIFIED_FLAG,
    V14_ITEM_40,   // SDU 1, SDU 2
    V14_ITEM_45_NUMBER, // 1a1, 1a2, 2a1, 2a2
    V14_ITEM_45_TYPE,   // 1b1, 1b2, 2b1, 2b2
    V14_ITEM_49,
    V14_ITEM_58,
    V14_ITEM_61_A, // A0 .. A3
    V14_ITEM_62,
    V14_CONSTANT_1,
    V14_ITEM_61_B, // B0, B1
    V14_ITEM_63,
    V14_ITEM_64,
    V14_ITEM_65,
    V14_ADDRESS,   // 72a1 72a2 72b1 72b2 73a1 73a2 73b1 73b2 74a1 74a2 74b1 74b2 75
    V14_ITEM_68,   // SDU 1, SDU 2
    V14_ITEM_69,   // SDU 1, SDU 2
    V14_ITEM_70,
    V14_ITEM_71,
    V14_ITEM_76,
    V14_ITEM_77A,
    V14_ITEM_77B,
    V14_MPDS_SAT_ID,
    V14_MPDS_LES_ID,
    V14_MPDS_PREF,
    V14_MPDS_COUNT,
    V14_MISDN_SAT_ID,
    V14_MISDN_LES_ID,
    V14_MISDN_PREF,
    V14_MISDN_COUNT,
    V14_PSID_SAT_ID,
    V14_PSID_REVISION,
    V14_PSID_1,
    V14_PSID_2,
    V14_PSID_COUNT,
    V14_ITEM_79_1,
    V14_ITEM_79_2,
    V14_ITEM_80,
    V14_ITEM_81_USER,
    V14_ITEM_81_PASS,
    V14_ITEM_82A,
    V14_ITEM_82B,
    V14_ITEM_84,
    V14_ITEM_85_USER,
    V14_ITEM_85_PASS,
    V14_ITEM_86,
    V14_ITEM_88,
    V14_ITEM_89,
    V14_ITEM_90_PACKETS,
    V14_ITEM_90_PERIOD,
    V14_SAT_PREF_ID,
    V14_SAT_PREF_VALUE,
    V14_SAT_COUNT_2,
    V14_ITEM_92_INDEX,
    V14_ITEM_92_PREF,
    V14_ITEM_93,
    V14_ITEM_94,
    V14_SERVICE_SAT_ID,
    V14_SERVICE_MASK,
    V14_SERVICE_LONGITUDE,
    V14_SERVICE_COUNT,
    V14_ITEM_96,
    V14_ITEM_97,
    V14_ITEM_98,
    V14_ITEM_99,
    V14_ITEM_100,
    V14_ITEM_101,
    V14_ITEM_102,
    V14_ITEM_108,
    V14_ITEM_103,
    V14_ITEM_104,
    V14_ITEM_105,
    V14_ITEM_106_AZ,
    V14_ITEM_106_EL,
    V14_ITEM_107,
    V14_SPARE,
    V14_REVISION,
};

// The layout table, one row per field; together the rows cover every byte.
core::Layout Layout_V14();

// First and last offset (inclusive) of the PIM/BIT block (items 103 to 107).
constexpr int V14_PIMBIT_FIRST = 19618;
constexpr int V14_PIMBIT_LAST = 19642;

} // namespace User_Mod
