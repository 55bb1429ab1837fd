#pragma once
// Element access to the control arrays of the pages.

#include <array>
#include <cstddef>

namespace User_Mod {

// Element k of a control array.
template <class Array>
decltype(auto) At(Array& array, int k)
{
    return array[static_cast<std::size_t>(k)];
}

} // namespace User_Mod
