#include "editor/pages/pimbit_defaults.h"

#include <array>

namespace User_Mod {

namespace {

// Item 104 is a list of combo boxes, no number item.
constexpr std::array<std::int32_t, COUNT_104> DEFAULTS_104{0, 0, 1};

// The default of element index of the item whose element 0 has the row first.
double Element_Default(core::Item_Fact_Id first, int count, std::int16_t index)
{
    if (index < 0 || index >= count)
        return 0.0;
    return core::Fact(first, index).Default;
}

} // namespace

std::int32_t Default_103(std::int16_t index)
{
    return static_cast<std::int32_t>(Element_Default(core::Item_Fact_Id::Item_103_0, COUNT_103, index));
}

std::int32_t Default_104(std::int16_t index)
{
    if (index < 0 || index >= COUNT_104)
        return 0;
    return DEFAULTS_104[static_cast<std::size_t>(index)];
}

std::int32_t Default_105(std::int16_t index)
{
    return static_cast<std::int32_t>(Element_Default(core::Item_Fact_Id::Item_105_0, COUNT_105, index));
}

double Default_106_Az(std::int16_t index)
{
    return Element_Default(core::Item_Fact_Id::Item_106_Az_0, COUNT_106_AZ, index);
}

double Default_106_El(std::int16_t index)
{
    return Element_Default(core::Item_Fact_Id::Item_106_El_0, COUNT_106_EL, index);
}

} // namespace User_Mod
