#pragma once
// Factory defaults of the PIM/BIT items, element by element. The page's
// field checks take the default of the element they check from here, and so
// do the factory defaults of the user partition. An index outside an item's
// elements gives 0.

#include <cstdint>

namespace User_Mod {

constexpr int COUNT_103 = 7;    // SQI fault thresholds, 7th to 19th IM
constexpr int COUNT_104 = 3;    // antenna beam faults required: low, high, any angle
constexpr int COUNT_105 = 4;    // data invalid thresholds A to D
constexpr int COUNT_106_AZ = 3; // antenna beam azimuths
constexpr int COUNT_106_EL = 2; // antenna beam elevations

// The ranges that the page's checks and spin buttons keep the fields to
// (whole numbers; item 106's elevations in degrees), and the factory
// default of item 107, whose one field needs no table.
constexpr std::int32_t MINIMUM_103 = 70;
constexpr std::int32_t MAXIMUM_103 = 255;
constexpr std::int32_t MINIMUM_106_AZ = -99;
constexpr std::int32_t MAXIMUM_106_AZ = 99;
constexpr double MINIMUM_106_EL = 0.0;
constexpr double MAXIMUM_106_EL = 90.0;
constexpr std::int32_t MINIMUM_107 = 0;
constexpr std::int32_t MAXIMUM_107 = 99;
constexpr std::int32_t DEFAULT_107 = 1;

std::int32_t Default_103(std::int16_t index);
// A list index of the item's combo box.
std::int32_t Default_104(std::int16_t index);
std::int32_t Default_105(std::int16_t index);
// Degrees.
double Default_106_Az(std::int16_t index);
// Degrees, in halves.
double Default_106_El(std::int16_t index);

} // namespace User_Mod
