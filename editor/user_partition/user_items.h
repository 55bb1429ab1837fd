#pragma once
// The scalar user items as one table: one row per list choice, option pair,
// text or number, with its page control, its report label, its character
// set (a text) or its item fact (a number), what a new ORT shows in it, the
// feature level that shows it, what an airframer ORT fixes and locks in it,
// and its place in the record of each generation (field, element, coding,
// the point of the load direction that sets it, and the user levels at
// which the load reads it). The loaders of generations 5, 8, 11 and 14, the
// savers of 8, 11 and 14, the factory defaults, the visibility, caption and
// enable rules walk these rows; outside the pages nothing else names these
// controls.
//
// Adding a scalar item: add its control to its page and one line to ITEMS in
// user_items.cpp (the control named by PAGE_CONTROL or its kin), with a
// place for every generation whose record holds it, and its line to the
// expected table of tests/user_partition/user_items_test.cpp.

#include "editor/core/item_facts.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

class Page_Set;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace User_Mod {

// The record generations that hold user items.
enum class Generation { V5, V8, V11, V14 };
inline constexpr std::size_t GENERATION_COUNT = 4;

// Points of a generation's load direction at which rows are set; rows of
// one step are set in table order. Each generation visits its steps in an
// order of its own.
enum class Item_Step {
    None,
    Item_4,
    Item_34,
    Items_40_58,
    Voice_Coded, // generations 5 to 11: items 14 and 20, ahead of the others
    Voice,
    Item_63,
    Cabin,
    Item_49,
    Item_13,
    Item_25,
    Item_45,     // per element
    Item_62,
    Item_64,
    Item_65,
    Item_69,
    Items_70_71,
    Item_77a,
    Item_80,
    SDU_First,   // per SDU, before its texts
    SDU_Text,
    SDU_Last,    // per SDU, after its texts
    Items_84_88,
    Items_93_97,
    Items_99_101,
    Item_108,
    Description, // generations 5 to 11: item 33 with the modified flag
    Items_33_86,
    Addresses,   // items 72 to 75, one octet of every address at a time
    Item_68,
    Item_26,
    Item_92,
    PIMBIT,      // generation 14: only from a record of revision 1
    Item_61,
};

// When the load direction reads a place (by the current user Airframer_Level).
enum class Item_When {
    Always,
    Airframer_0,
    Airframer_Below_2,
    Airframer_Below_3,
    // Read through the report at level 0; above it the report fixes index 0.
    Fixed_Above_Airframer_0,
};

// How a place stores its value.
enum class Item_Coding {
    Index,           // list index as it stands
    Index_16_As_255, // item 14: list index 16 is stored as 255
    Index_Plus_One,  // item 20: list index + 1
    // A list index as it stands; one the list does not hold loads as the
    // control's default, with a "***" line under the row's report label.
    Checked_Index,
    Fixed_Text,      // upper-cased, NUL-padded to the field (one byte for the NUL)
    Blank_Padded,    // as typed, cut or blank-padded to the field
    Nul_Filled,      // as typed, NUL-padded, an error when longer than the field
    Raw_Text,        // as typed, cut or NUL-padded to the field
    // Numbers: a number outside the fact's range, or no number, is saved as
    // the fact's default ...
    Range_Byte,      // ... in a byte field
    Range_Int16,     // ... in a 16-bit field
    Range_Whole,     // ... in a wider field
    Tenths,          // ... and the number in tenths
    // ... or refuses the save, the field named.
    Byte_Text,       // 0 to 255
    Int16_Text,      // -32768 to 32767
    Unsigned16_Text, // 0 to 65535
    Decimal,         // what the field's encoding holds
    // Numbers held as texts in hexadecimal: no number refuses the save ...
    Hex_Text,        // ... or one the field's encoding does not hold
    Hex_Byte_Text,   // ... or one above 255
    // A pair of options: 1 chooses the second, any other value the first,
    // which is saved as 0 (a "***" line tells).
    Second_If_One,
    Halves_Text,     // a number of degrees in halves, -32768 to 32767 halves
    // A list index whose element number is stored beside it, in the
    // layout's field just before the place's field: the stored number of
    // each element names the row of the same field that takes its index. A
    // number outside those rows names the last of them, with a "***" line
    // under the report label.
    Numbered_Index,
    // Item 61's flag bytes, as each generation codes them (user_item_61.h).
    Item_61_V5,
    Item_61_V8,
    Item_61_V11,
    Item_61_V14,
};

// Whether a place holds a number (the control may show it as a text).
bool Is_Number_Coding(Item_Coding coding);

// How a number row shows its stored value.
enum class Item_Number {
    Checked, // a whole number of its fact's range, else the default with a "***" line
    Tenths,  // stored in tenths, shown with one decimal; checked as above
    Plain,   // the stored whole number as it stands
    // As Checked and Plain, and the spin button takes the number.
    Checked_Spin,
    Plain_Spin,
    // Stored in halves, shown with one decimal, checked as above; the spin
    // button counts tenths (a new ORT's default too).
    Halves_Spin,
};

inline constexpr int NO_FIELD = -1;

struct Item_Place {
    int Field = NO_FIELD; // a field id of the generation's layout; NO_FIELD: absent
    int Element = 0;
    Item_Coding Coding = Item_Coding::Index;
    Item_Step Step = Item_Step::None;
    Item_When When = Item_When::Always;
    // A byte of a field of raw bytes (-1: the field's element as a whole).
    int Byte = -1;

    constexpr bool Held() const { return Field != NO_FIELD; }
};

// The Fact of a row without one: lists, texts, and the numbers held as
// texts whose coding needs no range (Item_Fact_Of refuses it).
inline constexpr core::Item_Fact_Id NO_FACT = core::Item_Fact_Id::Count;

// What a new ORT shows in a row's control: a list's index, a text (nullptr:
// empty), or a number's fact default. Some controls also start with a Tag or
// disabled.
enum class Item_Default_Text {
    Fixed,
    Part_Number, // the chosen type's user part number
    Octet,       // the octet Part of an address default
    Fact,        // the row's fact default
    Fact_Hex,    // the row's fact default in hexadecimal
};

struct Item_Default {
    int Index = 0;
    const char* Text = nullptr;
    Item_Default_Text Text_Kind = Item_Default_Text::Fixed;
    std::uint8_t (*Octet)(std::int16_t) = nullptr; // an address default
    const char* Tag = nullptr;
    bool Disabled = false;
};

// What an airframer ORT fixes: from the user Airframer_Level Fixed_From on,
// a list's index or a text (0: nothing fixed); and the levels at which the
// user may edit the control.
struct Item_Airframer {
    int Fixed_From = 0;
    int Index = 0;
    const char* Text = nullptr;
    Item_When Editable = Item_When::Always;
};

// A row sets the members of its kind of item; the others keep the values
// given here (a list row, say, has no character set, fact or spin button).
struct User_Item_Row {
    QComboBox* (*List)(Page_Set&) = nullptr; // a list choice, or
    QLineEdit* (*Text)(Page_Set&) = nullptr; // a text
    const char* Report_Label = nullptr;      // nullptr: set without a report line
    int Char_Set = 0;                        // texts: a core::Chars set
    const char* Extra_Allowed = nullptr;     // characters a text admits beyond its set
    std::array<Item_Place, GENERATION_COUNT> Places{};
    QLineEdit* (*Number)(Page_Set&) = nullptr; // or a number, with:
    Item_Number Shown = Item_Number::Plain;
    core::Item_Fact_Id Fact = NO_FACT;       // its range and default
    int Fact_Element = 0;                    // the fact's row from Fact on
    // The user Feature_Level from which the control shows (0: at every
    // level, or as the frame around it shows), with a number's spin button.
    int Shown_From = 0;
    QWidget* (*Spin)(Page_Set&) = nullptr;
    // Or a choice of options (its Default.Index the option checked).
    QRadioButton* (*Option)(Page_Set&, int index) = nullptr;
    Item_Default Default{};
    Item_Airframer Airframer{};
    // The part of a value held in several boxes (an address octet): a load
    // sets part 0 of every row of a step, then part 1, ...
    int Part = 0;
    // The field's row caption shows and hides with it (a caption repeated
    // beside the field in each frame).
    bool Caption_Follows = false;

    const Item_Place& At(Generation generation) const
    {
        return Places[static_cast<std::size_t>(generation)];
    }
};

// Every scalar user item in table order.
std::span<const User_Item_Row> User_Items();

// Calls visit(row, place) for each row whose place in the generation is set
// at the step (of that element, when element is 0 or more), in table order:
// part 0 of every such row, then part 1, ...
template <class Visit>
void Walk_Step_Rows(Generation generation, Item_Step step, int element, Visit&& visit)
{
    for (int part = 0;; ++part) {
        bool more = false;
        for (const User_Item_Row& row : User_Items()) {
            const Item_Place& place = row.At(generation);
            if (place.Step != step || (element >= 0 && place.Element != element))
                continue;
            more = more || row.Part > part;
            if (row.Part == part)
                visit(row, place);
        }
        if (!more)
            return;
    }
}

// The row's range and default; std::logic_error for a row without a fact.
const core::Item_Fact& Item_Fact_Of(const User_Item_Row& row);

// The row's control as a widget (nullptr when the page set lacks it).
QWidget* Item_Widget(const User_Item_Row& row, Page_Set& pages);

// Whether the load direction reads a place at the user Airframer_Level.
bool Item_Read_At(Item_When when, int airframer_level);

// The stored number of a list index, and back.
std::int64_t Encode_Item_Index(Item_Coding coding, std::int64_t index);
std::int64_t Decode_Item_Index(Item_Coding coding, std::int64_t stored);

} // namespace User_Mod
