#pragma once
// The generation-14 record fields that are a combo box's list index or a
// checked text, as tables: one row per field with its control, its coding,
// and when and how the load direction sets it. The save and load moves run
// the rows through a little generic code (user_record_v14_save.cpp,
// user_record_v14_load.cpp).

#include <QString>
#include <array>
#include <cstddef>
#include <span>

class Page_Set;
class QComboBox;
class QLineEdit;

namespace User_Mod {

// Points of the load direction at which rows are set; rows of one step are
// set in table order.
enum class V14_Step {
    Item_4,
    Item_34,
    Items_40_58,
    Voice,
    Item_63,
    Cabin,
    Item_25,
    Item_45,
    Item_65,
    Item_69,
    Items_70_71,
    Item_77a,
    Item_80,
    SDU_First, // per SDU, before its texts
    SDU_Text,
    SDU_Last,  // per SDU, after its texts
    Items_84_88,
    Items_93_97,
    Items_99_101,
    Items_33_86,
};

// When the load direction reads a field (by the current user Airframer_Level).
enum class V14_When { Always, Airframer_0, Airframer_Below_2, Airframer_1_Up };

// How a list index is stored.
enum class V14_Index_Coding {
    Plain,
    Index_16_As_255, // item 14: index 16 is stored as 255
    Plus_One,        // item 20: index + 1
};

struct V14_Index_Row {
    int Field;   // a V14 field id
    int Element; // element of the field
    QComboBox* (*Control)(Page_Set&);
    V14_Index_Coding Coding;
    V14_Step Step;
    V14_When When;
    const char* Report_Label; // nullptr: set without a report line
};

// How a text is stored.
enum class V14_Text_Coding {
    Fixed,         // upper-cased, NUL-padded to the field (one byte for the NUL)
    Blank_Padded,  // as typed, cut or blank-padded to the field
    Nul_Filled,    // as typed, NUL-padded, an error when longer than the field
};

struct V14_Text_Row {
    int Field;
    int Element;
    QLineEdit* (*Control)(Page_Set&);
    V14_Text_Coding Coding;
    V14_Step Step;
    const char* Report_Label;
    int Char_Set;
    // Characters the load admits beyond the set (nullptr: none).
    const char* Extra_Allowed;
};

std::span<const V14_Index_Row> V14_Index_Rows();
std::span<const V14_Text_Row> V14_Text_Rows();

// The address fields of items 72 to 75 in record order (72a1, 72a2, 72b1,
// 72b2, 73a1 ... 74b2, 75), each four octet boxes.
std::array<std::array<QLineEdit*, 4>*, 13> Address_Boxes(Page_Set& pages);
// The number boxes of item 45 in record order (1a1, 1a2, 2a1, 2a2).
std::array<QLineEdit*, 4> Item45_Number_Boxes(Page_Set& pages);

// Element k of a control array.
template <class Array>
decltype(auto) At(Array& array, int k)
{
    return array[static_cast<std::size_t>(k)];
}

// The stored index of a row's list index, and back.
int Encode_Index(V14_Index_Coding coding, int index);
int Decode_Index(V14_Index_Coding coding, int stored);

} // namespace User_Mod
