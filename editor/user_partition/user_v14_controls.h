#pragma once
// The generation-14 control arrays that the load and save directions walk
// beside the item table (user_items.h): the address boxes of items 72 to 75.

#include <array>
#include <cstddef>

class Page_Set;
class QLineEdit;

namespace User_Mod {

// The address fields of items 72 to 75 in record order (72a1, 72a2, 72b1,
// 72b2, 73a1 ... 74b2, 75), each four octet boxes.
std::array<std::array<QLineEdit*, 4>*, 13> Address_Boxes(Page_Set& pages);

// Element k of a control array.
template <class Array>
decltype(auto) At(Array& array, int k)
{
    return array[static_cast<std::size_t>(k)];
}

} // namespace User_Mod
