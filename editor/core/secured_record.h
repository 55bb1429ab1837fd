#pragma once
// The secured partition records of the four format generations: their field
// tables (one row per field at its offset) and the program-wide records the
// loader reads into and the save direction writes. Generation 1 (version 4)
// is read only.
//
// All four share one body up to byte 407; only zone A (bytes 29-44) and
// zone B (57-60) differ: item 6 and item 27 in generations 1 and 3, unused
// NUL text in generations 2 and 4. The tails differ after byte 407.

#include "editor/core/ort_types.h"
#include "editor/core/record_layout.h"

#include <cstdint>

namespace core::secured {

enum Field : int {
    Description,       // item 53, text 25
    Item01,            // I32, list index
    Item06,            // 4 x I32: codec 1 SDU 1, codec 2 SDU 1, codec 1 SDU 2, codec 2 SDU 2
    Zone_A,            // text 16, never read
    Item18,            // I32, list index
    Item22_HGA,        // I32, 0 to 31
    Item23,            // 2 x I16, list index per SDU
    Item27,            // 2 x I16, list index per SDU
    Zone_B,            // text 4, never read
    Item28,            // 4 x I32: Class C SDU 1, Class C SDU 2, Linear SDU 1, Linear SDU 2
    Item29,            // 4 x I32 tenths, same order as item 28
    Item30,            // I32 tenths
    Item31,            // I16, list index
    Item32,            // I16, list index
    Item38,            // 50 x U32 failure-mask words
    Item39,            // I16, 0 to 90
    Item41,            // 52 x U8: cells 0 to 43, then eight 255 bytes
    Item42,            // U8, list index
    Item43,            // U8, list index
    Item44,            // I32, 15/12/10/9
    Item46,            // 3 x U8: microphone, sidetone, receive audio
    Item47,            // 2 x U8: ground, air
    Item48,            // I32, list index
    Item50,            // I32, list index
    Item51,            // 2 x text 7, per SDU
    Item52,            // I32, list index
    Item54,            // I16, list index
    Modified_Flag,     // U16, always written 0
    Item56,            // I16, list index
    Item57,            // 2 x U16: with IRS, without IRS
    Item22_IGA,        // I16, 0 to 31
    Item59,            // U8, 0 to 255
    Audio_Level_Companion, // U8, the hidden value kept with item 59
    Item60,            // I16, list index
    Tail_Text,         // generation 1: text 10, never read
    Spare,             // generations 2 to 4: NUL bytes
    Item87,            // generation 4: part number, text 16
    Record_Revision,   // generations 2 to 4: the last byte
};

inline constexpr int FAILURE_MASK_SLOTS = 50;
inline constexpr int TRANSIT_CELLS = 44;
inline constexpr int TRANSIT_BYTES = 52;

// Lengths in the file: the record-size constant plus one.
inline constexpr int LENGTH_V4 = core::Secured_Mod::Record_Size_V4 + 1;
inline constexpr int LENGTH_V7 = core::Secured_Mod::Record_Size_V7 + 1;
inline constexpr int LENGTH_V10 = core::Secured_Mod::Record_Size_V10 + 1;
inline constexpr int LENGTH_V13 = core::Secured_Mod::Record_Size_V13 + 1;

Layout Layout_V4();
Layout Layout_V7();
Layout Layout_V10();
Layout Layout_V13();

// The layout and length of a secured Partition_Version (4, 7, 10, 13); an
// empty layout and 0 for any other value.
Layout Layout_Of_Version(std::int32_t partition_version);
int Length_Of_Version(std::int32_t partition_version);

// The secured Partition_Version whose record a file of `ort_type` carries
// (4 for types 4 and 6, 7 for 7 and 9, ...), or 0 when the type has none.
std::int32_t Version_Of_Type(std::int32_t ort_type);

// The program-wide records, one per generation, all zero at start-up.
struct Record_Set {
    Record V4;
    Record V7;
    Record V10;
    Record V13;
};
Record_Set& Records();
// Every record back to zero bytes.
void Reset_Records();

// The program-wide record of a secured Partition_Version, or nullptr.
Record* Record_Of_Version(std::int32_t partition_version);
// The program-wide record that a file of `ort_type` carries, or nullptr.
Record* Record_For_Type(std::int32_t ort_type);

} // namespace core::secured
