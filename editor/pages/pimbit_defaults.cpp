#include "editor/pages/pimbit_defaults.h"

#include <array>

namespace User_Mod {

namespace {

// Item 104 is a list of combo boxes, no number item.
constexpr std::array<std::int32_t, COUNT_104> DEFAULTS_104{0, 0, 1};

} // namespace

std::int32_t Default_104(std::int16_t index)
{
    if (index < 0 || index >= COUNT_104)
        return 0;
    return DEFAULTS_104[static_cast<std::size_t>(index)];
}

} // namespace User_Mod
