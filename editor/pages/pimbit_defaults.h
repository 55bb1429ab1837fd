#pragma once
// The element counts of the PIM/BIT items and the factory defaults of item
// 104, whose elements are lists, not numbers. The defaults and ranges of the
// number items 103, 105, 106 and 107 are rows of the item facts
// (Item_103_0 to Item_107); the page's checks and the user factory defaults
// read them there.

#include <cstdint>

namespace User_Mod {

constexpr int COUNT_103 = 7;    // SQI fault thresholds, 7th to 19th IM
constexpr int COUNT_104 = 3;    // antenna beam faults required: low, high, any angle
constexpr int COUNT_105 = 4;    // data invalid thresholds A to D
constexpr int COUNT_106_AZ = 3; // antenna beam azimuths
constexpr int COUNT_106_EL = 2; // antenna beam elevations

// A list index of the item's combo box; an index outside its elements gives 0.
std::int32_t Default_104(std::int16_t index);

} // namespace User_Mod
