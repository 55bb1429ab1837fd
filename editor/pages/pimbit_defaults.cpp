#include "editor/pages/pimbit_defaults.h"

#include <array>

namespace User_Mod {

namespace {

constexpr std::array<std::int32_t, COUNT_103> DEFAULTS_103{208, 211, 213, 215, 217, 218, 219};
constexpr std::array<std::int32_t, COUNT_104> DEFAULTS_104{0, 0, 1};
constexpr std::array<std::int32_t, COUNT_105> DEFAULTS_105{100, 80, 10, 15};
constexpr std::array<double, COUNT_106_AZ> DEFAULTS_106_AZ{-15.0, 0.0, 15.0};
constexpr std::array<double, COUNT_106_EL> DEFAULTS_106_EL{12.5, 27.5};

template <typename T, std::size_t N>
T Element(const std::array<T, N>& table, std::int16_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        return T{};
    return table[static_cast<std::size_t>(index)];
}

} // namespace

std::int32_t Default_103(std::int16_t index)
{
    return Element(DEFAULTS_103, index);
}

std::int32_t Default_104(std::int16_t index)
{
    return Element(DEFAULTS_104, index);
}

std::int32_t Default_105(std::int16_t index)
{
    return Element(DEFAULTS_105, index);
}

double Default_106_Az(std::int16_t index)
{
    return Element(DEFAULTS_106_AZ, index);
}

double Default_106_El(std::int16_t index)
{
    return Element(DEFAULTS_106_EL, index);
}

} // namespace User_Mod
