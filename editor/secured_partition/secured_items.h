#pragma once
// The secured items as one table: which record field each page control
// fills, how its value is coded, the factory default of the control (or the
// item fact that gives its range and default), and when the load direction
// reads it. The defaults step and both directions walk this table.

#include "editor/core/item_facts.h"
#include "editor/core/secured_record.h"

#include <cstdint>
#include <span>

class Page_Set;
class QWidget;

namespace Secured_Mod {

enum class Kind {
    List,          // combo box: the selected index
    Number,        // text box: a whole number
    Tenths,        // text box: a real with one decimal, stored in tenths
    Text,          // text box: upper-case text, NUL-padded
    Priority,      // item 44: the value attached to the selected entry
    Failure_Masks, // item 38: the lines of the failure-mask list
    Transit,       // item 41: the captions of the 44 transit cells
};

// When the load direction reads a row (the levels of the current secured
// version info decide).
enum class Group {
    Codec_RFU,     // items 6 and 27: generations 1 and 3, Feature_Level 0
    Audio_Aero,    // items 59 and 60
    Always,        // items 18, 39, 46, 48, 54, 56
    Masks,         // item 38
    Standard,      // Airframer_Level 0: items 31, 32, 43, 53
    Editable,      // Airframer_Level below 2
    Part_Number,   // generation 4, Airframer_Level below 2: item 87
};

// The default_index of a row whose control the defaults step leaves to code
// of its own (items 27 and 87 take theirs from the chosen configuration) or
// that has no list index (numbers, texts, items 38 and 41).
inline constexpr int NO_DEFAULT_INDEX = -1;

struct Item_Row {
    core::secured::Field field;
    int index;                           // element of a repeated field
    Kind kind;
    Group group;
    QWidget* (*control)(const Page_Set&);
    const char* label;                   // conversion-report label
    const core::Item_Fact* fact = nullptr; // numbers and tenths: range and default
    int char_set = 0;                    // texts
    // The factory default: the list index of a list or of item 44, the text
    // of a text (nullptr: none here); numbers and tenths take their fact's.
    int default_index = NO_DEFAULT_INDEX;
    const char* default_text = nullptr;
};

// The factory description of the secured partition (item 53, 24 characters).
inline constexpr const char* FACTORY_DESCRIPTION = "------------------------";
// ... and of an airframer ORT.
inline constexpr const char* AIRFRAMER_DESCRIPTION = "AIRBUS-SECURE-ORT       ";

// Every secured item, in the order the load direction visits them within a
// group.
std::span<const Item_Row> Items();

} // namespace Secured_Mod
