#pragma once
// Factory defaults of the PIM/BIT items, element by element, and their
// ranges: the rows Item_103_0 to Item_107 of the item facts, under the names
// the user partition reads. The page's field checks take the default of the
// element they check from the facts, and so do the factory defaults of the
// user partition. An index outside an item's elements gives 0.

#include "editor/core/item_facts.h"

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
constexpr std::int32_t MINIMUM_103 = static_cast<std::int32_t>(core::Fact(core::Item_Fact_Id::Item_103_0).Minimum);
constexpr std::int32_t MAXIMUM_103 = static_cast<std::int32_t>(core::Fact(core::Item_Fact_Id::Item_103_0).Maximum);
constexpr std::int32_t MINIMUM_106_AZ =
    static_cast<std::int32_t>(core::Fact(core::Item_Fact_Id::Item_106_Az_0).Minimum);
constexpr std::int32_t MAXIMUM_106_AZ =
    static_cast<std::int32_t>(core::Fact(core::Item_Fact_Id::Item_106_Az_0).Maximum);
constexpr double MINIMUM_106_EL = core::Fact(core::Item_Fact_Id::Item_106_El_0).Minimum;
constexpr double MAXIMUM_106_EL = core::Fact(core::Item_Fact_Id::Item_106_El_0).Maximum;
constexpr std::int32_t MINIMUM_107 = static_cast<std::int32_t>(core::Fact(core::Item_Fact_Id::Item_107).Minimum);
constexpr std::int32_t MAXIMUM_107 = static_cast<std::int32_t>(core::Fact(core::Item_Fact_Id::Item_107).Maximum);
constexpr std::int32_t DEFAULT_107 = static_cast<std::int32_t>(core::Fact(core::Item_Fact_Id::Item_107).Default);

std::int32_t Default_103(std::int16_t index);
// A list index of the item's combo box.
std::int32_t Default_104(std::int16_t index);
std::int32_t Default_105(std::int16_t index);
// Degrees.
double Default_106_Az(std::int16_t index);
// Degrees, in halves.
double Default_106_El(std::int16_t index);

} // namespace User_Mod
