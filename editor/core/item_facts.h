#pragma once
// The facts of every number item, one row each: its default, its range, the
// step between the values a field shows, and the title its warning boxes
// carry. Pages (checks, spin buttons, tooltips, default texts), the record
// loaders and savers (range checks, defaults, values in tenths or halves)
// and the factory defaults all read these rows, so that a default or a range
// is changed in one place.
//
// A row covers one item value, or all elements of an item that share every
// fact ("45": the four called terminal IDs). Values are in the unit the
// field shows (18.0 dBW for item 62); a record that keeps tenths or halves
// stores value / Step (Stored_Range). Hexadecimal and octal fields are
// numbers here too; Radix says how their fields show them.
//
// Title is the title the field's warning boxes carry: the caption of the
// label the page makes from it, or the box title alone where no label shows
// it ("Octal GES"). An empty Title means the page composes the title from
// the captions of its labels when a box is shown ("Cockpit Audio Level
// Settings" and "Microphone" give "Cockpit Audio Level Settings:
// Microphone"), or the elements of one row carry titles of their own (the
// captions of their own labels).

#include <QString>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>

namespace core {

// The rows, in table order.
enum class Item_Fact_Id {
    GES_ID,            // item 2, a GES ID (octal)
    Sat_ID,            // items 3, 66, 67, 78: a satellite's ID as the dialogs and the PSID
                       // rows take it (octal 77 marks an empty record slot)
    Sat_ID_Column,     // all that the two octal digits of a Sat ID column hold
    Priority_Column,   // item 5: all that the one digit of a directory line's priority holds
    Item_22a,
    Item_22b,
    Item_28a,
    Item_28b,
    Item_29a,
    Item_29b,
    Item_30,
    Mask_Code,         // item 38: Level 1 and failure codes (hex)
    SRU_Code,          // item 38: the codes a mask line has a character for; others load kept
    Item_39,
    Item_41,           // a transit-call GES cell (octal)
    Item_45,
    Item_46a,
    Item_46b,
    Item_46c,
    Item_47a,
    Item_47b,
    Item_49_0,
    Item_49_1,
    Item_49_2,
    Item_49_3,
    Item_49_4,
    Item_49_5,
    Item_57a,
    Item_57b,
    Item_59,
    Item_59_Companion, // the hidden value kept with item 59
    Item_62,
    Item_64,
    LES_ID,            // items 66, 67
    Item_68,           // a MAC address octet (hex)
    Item_72_75,        // an IPv4 address octet
    Item_76,
    Item_77b,
    PSID_Revision,     // item 78: the table revision
    PSID,              // item 78: PSID-1 and PSID-2 (hex)
    Item_90_Packets,
    Item_90_Period,
    Item_94,
    Longitude,         // item 95: a satellite's longitude
    Longitude_Field,   // item 95: what the satellite dialog's field takes
    Item_102,
    Item_103_0,
    Item_103_1,
    Item_103_2,
    Item_103_3,
    Item_103_4,
    Item_103_5,
    Item_103_6,
    Item_105_0,
    Item_105_1,
    Item_105_2,
    Item_105_3,
    Item_106_Az_0,
    Item_106_Az_1,
    Item_106_Az_2,
    Item_106_El_0,
    Item_106_El_1,
    Item_107,
    Item_108,
    Count
};

// How a field's tooltip states the row (D the default, a and b the range).
enum class Tooltip_Form {
    None,                     // no tooltip of its own is built from the row
    Default_Range,            // "Default: D / Range: a to b"
    Default_Range_No_Colon,   // "Default: D / Range a to b"
    Default_Range_Two_Blanks, // "Default: D /  Range a to b"
    Range_Dash,               // "Range: a - b", with " (octal)" or " (hex)" by radix
    Range_To,                 // "Range: a to b"
    Range_Or_Also,            // "Range: ax to bx or cx" (hex, c the value also taken)
};

struct Item_Fact {
    Item_Fact_Id Id;
    const char* Item; // "46c", "49(3)", "78 PSID"
    double Default;
    double Minimum;
    double Maximum;
    double Step; // 1 whole numbers, 0.1 one decimal (tenths), 0.5 halves
    const char* Title; // empty: composed by the page from its labels' captions
    Tooltip_Form Tooltip = Tooltip_Form::Default_Range;
    int Radix = 10; // how the field shows the value: 10, 8 or 16
    // A value taken besides the range (a PSID of 0 means none).
    std::optional<double> Also_Accepted = std::nullopt;
    // The value an Airbus ORT fixes (secured Airframer_Level 2 and above).
    std::optional<double> Airframer_Value = std::nullopt;
};

// --- the table ----------------------------------------------------------------

inline constexpr Item_Fact ITEM_FACTS[] = {
    {.Id = Item_Fact_Id::GES_ID, .Item = "2 GES ID", .Default = 0, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = "GES ID", .Tooltip = Tooltip_Form::Range_Dash, .Radix = 8},
    {.Id = Item_Fact_Id::Sat_ID, .Item = "3 Sat ID", .Default = 0, .Minimum = 0, .Maximum = 62, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::Range_Dash, .Radix = 8},
    {.Id = Item_Fact_Id::Sat_ID_Column, .Item = "Sat ID column", .Default = 0, .Minimum = 0, .Maximum = 63,
     .Step = 1, .Title = "", .Tooltip = Tooltip_Form::None, .Radix = 8},
    {.Id = Item_Fact_Id::Priority_Column, .Item = "5 priority column", .Default = 3, .Minimum = 0,
     .Maximum = 9, .Step = 1, .Title = "", .Tooltip = Tooltip_Form::None},
    {.Id = Item_Fact_Id::Item_22a, .Item = "22a", .Default = 7, .Minimum = 0, .Maximum = 31, .Step = 1,
     .Title = ""},
    {.Id = Item_Fact_Id::Item_22b, .Item = "22b", .Default = 0, .Minimum = 0, .Maximum = 31, .Step = 1,
     .Title = ""},
    {.Id = Item_Fact_Id::Item_28a, .Item = "28a", .Default = 16, .Minimum = 0, .Maximum = 31, .Step = 1,
     .Title = ""},
    {.Id = Item_Fact_Id::Item_28b, .Item = "28b", .Default = 25, .Minimum = 0, .Maximum = 31, .Step = 1,
     .Title = ""},
    {.Id = Item_Fact_Id::Item_29a, .Item = "29a", .Default = 8.0, .Minimum = -12.0, .Maximum = 19.0, .Step = 0.1,
     .Title = ""},
    {.Id = Item_Fact_Id::Item_29b, .Item = "29b", .Default = -5.0, .Minimum = -12.0, .Maximum = 19.0, .Step = 0.1,
     .Title = ""},
    {.Id = Item_Fact_Id::Item_30, .Item = "30", .Default = 4.0, .Minimum = 0.0, .Maximum = 25.5, .Step = 0.1,
     .Title = "Default Assumed Global Beam Initial C-Channel EIRP"},
    {.Id = Item_Fact_Id::Mask_Code, .Item = "38 codes", .Default = 0, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::Range_Dash, .Radix = 16},
    {.Id = Item_Fact_Id::SRU_Code, .Item = "38 SRU code", .Default = 0, .Minimum = 0, .Maximum = 35, .Step = 1,
     .Title = "SRU Code", .Tooltip = Tooltip_Form::None, .Radix = 16},
    {.Id = Item_Fact_Id::Item_39, .Item = "39", .Default = 5, .Minimum = 0, .Maximum = 90, .Step = 1,
     .Title = "Elevation Handover Threshold"},
    {.Id = Item_Fact_Id::Item_41, .Item = "41", .Default = 0, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = "Octal GES", .Tooltip = Tooltip_Form::Range_Dash, .Radix = 8},
    {.Id = Item_Fact_Id::Item_45, .Item = "45", .Default = -1, .Minimum = -1, .Maximum = 999, .Step = 1,
     .Title = ""},
    {.Id = Item_Fact_Id::Item_46a, .Item = "46a", .Default = 125, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = ""},
    {.Id = Item_Fact_Id::Item_46b, .Item = "46b", .Default = 50, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = "", .Airframer_Value = 77},
    {.Id = Item_Fact_Id::Item_46c, .Item = "46c", .Default = 30, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = ""},
    {.Id = Item_Fact_Id::Item_47a, .Item = "47a", .Default = 5, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = "HGA Retry Period: Ground"},
    {.Id = Item_Fact_Id::Item_47b, .Item = "47b", .Default = 30, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = "HGA Retry Period: Air"},
    {.Id = Item_Fact_Id::Item_49_0, .Item = "49(0)", .Default = 6, .Minimum = 0, .Maximum = 99, .Step = 1,
     .Title = "Cockpit Voice"},
    {.Id = Item_Fact_Id::Item_49_1, .Item = "49(1)", .Default = 2, .Minimum = 0, .Maximum = 99, .Step = 1,
     .Title = "Cabin Circuit-Mode Voice/Fax/Data", .Tooltip = Tooltip_Form::Default_Range_No_Colon},
    {.Id = Item_Fact_Id::Item_49_2, .Item = "49(2)", .Default = 5, .Minimum = 0, .Maximum = 99, .Step = 1,
     .Title = "Cockpit Packet- Mode Data (Low)"},
    {.Id = Item_Fact_Id::Item_49_3, .Item = "49(3)", .Default = 6, .Minimum = 0, .Maximum = 99, .Step = 1,
     .Title = "Cockpit Packet- Mode Data (High)", .Tooltip = Tooltip_Form::Default_Range_No_Colon},
    {.Id = Item_Fact_Id::Item_49_4, .Item = "49(4)", .Default = 1, .Minimum = 0, .Maximum = 99, .Step = 1,
     .Title = "Cabin Packet- Mode Data (Low)", .Tooltip = Tooltip_Form::Default_Range_No_Colon},
    {.Id = Item_Fact_Id::Item_49_5, .Item = "49(5)", .Default = 2, .Minimum = 0, .Maximum = 99, .Step = 1,
     .Title = "Cabin Packet- Mode Data (High)"},
    {.Id = Item_Fact_Id::Item_57a, .Item = "57a", .Default = 250, .Minimum = 0, .Maximum = 65535, .Step = 1,
     .Title = "With IRS"},
    {.Id = Item_Fact_Id::Item_57b, .Item = "57b", .Default = 2000, .Minimum = 0, .Maximum = 65535, .Step = 1,
     .Title = "Without IRS"},
    {.Id = Item_Fact_Id::Item_59, .Item = "59", .Default = 56, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = "APHONE Audio Level Setting", .Tooltip = Tooltip_Form::Default_Range_No_Colon},
    {.Id = Item_Fact_Id::Item_59_Companion, .Item = "59 companion", .Default = 128, .Minimum = 0,
     .Maximum = 255, .Step = 1, .Title = "", .Tooltip = Tooltip_Form::None},
    {.Id = Item_Fact_Id::Item_62, .Item = "62", .Default = 18.0, .Minimum = 0.0, .Maximum = 25.0, .Step = 0.1,
     .Title = "Ongoing HSD Call EIRP"},
    {.Id = Item_Fact_Id::Item_64, .Item = "64", .Default = 16.0, .Minimum = 0.0, .Maximum = 30.0, .Step = 0.1,
     .Title = "Min HSD Call EIRP"},
    {.Id = Item_Fact_Id::LES_ID, .Item = "66-67 LES ID", .Default = 0, .Minimum = 0, .Maximum = 999, .Step = 1,
     .Title = "LES ID", .Tooltip = Tooltip_Form::Range_Dash},
    {.Id = Item_Fact_Id::Item_68, .Item = "68", .Default = 0, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::None, .Radix = 16},
    {.Id = Item_Fact_Id::Item_72_75, .Item = "72-75", .Default = 0, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::None},
    {.Id = Item_Fact_Id::Item_76, .Item = "76", .Default = 50, .Minimum = 3, .Maximum = 250, .Step = 1,
     .Title = "DHCP IP Address Pool", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_77b, .Item = "77b", .Default = 0, .Minimum = 0, .Maximum = 65535, .Step = 1,
     .Title = "Bit Rates (kb/s)", .Tooltip = Tooltip_Form::Default_Range_No_Colon},
    {.Id = Item_Fact_Id::PSID_Revision, .Item = "78 Table Revision", .Default = 0, .Minimum = 0,
     .Maximum = 255, .Step = 1, .Title = "Table Revision", .Tooltip = Tooltip_Form::Range_Dash},
    {.Id = Item_Fact_Id::PSID, .Item = "78 PSID", .Default = 0x1770, .Minimum = 0x1770, .Maximum = 0x4C90,
     .Step = 1, .Title = "", .Tooltip = Tooltip_Form::Range_Or_Also, .Radix = 16, .Also_Accepted = 0},
    {.Id = Item_Fact_Id::Item_90_Packets, .Item = "90 packets", .Default = 0, .Minimum = 0, .Maximum = 65535,
     .Step = 1, .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_90_Period, .Item = "90 period", .Default = 0, .Minimum = 0, .Maximum = 65535,
     .Step = 1, .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_94, .Item = "94", .Default = 5, .Minimum = 1, .Maximum = 30, .Step = 1,
     .Title = "HSD Service Recovery Timeout", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Longitude, .Item = "95 longitude", .Default = 0, .Minimum = -180, .Maximum = 180,
     .Step = 0.5, .Title = "", .Tooltip = Tooltip_Form::Range_To},
    {.Id = Item_Fact_Id::Longitude_Field, .Item = "95 longitude field", .Default = 0, .Minimum = -180,
     .Maximum = 179.5, .Step = 0.5, .Title = "Sat Longitude", .Tooltip = Tooltip_Form::None},
    {.Id = Item_Fact_Id::Item_102, .Item = "102", .Default = 256, .Minimum = 0, .Maximum = 65535, .Step = 1,
     .Title = "Maximum SBB Streaming Bandwidth", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_103_0, .Item = "103(0)", .Default = 208, .Minimum = 70, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_103_1, .Item = "103(1)", .Default = 211, .Minimum = 70, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_103_2, .Item = "103(2)", .Default = 213, .Minimum = 70, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_103_3, .Item = "103(3)", .Default = 215, .Minimum = 70, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_103_4, .Item = "103(4)", .Default = 217, .Minimum = 70, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_103_5, .Item = "103(5)", .Default = 218, .Minimum = 70, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_103_6, .Item = "103(6)", .Default = 219, .Minimum = 70, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_105_0, .Item = "105(0)", .Default = 100, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_105_1, .Item = "105(1)", .Default = 80, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_105_2, .Item = "105(2)", .Default = 10, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_105_3, .Item = "105(3)", .Default = 15, .Minimum = 0, .Maximum = 255, .Step = 1,
     .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_106_Az_0, .Item = "106 azimuth(0)", .Default = -15, .Minimum = -99, .Maximum = 99,
     .Step = 1, .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_106_Az_1, .Item = "106 azimuth(1)", .Default = 0, .Minimum = -99, .Maximum = 99,
     .Step = 1, .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_106_Az_2, .Item = "106 azimuth(2)", .Default = 15, .Minimum = -99, .Maximum = 99,
     .Step = 1, .Title = "", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_106_El_0, .Item = "106 elevation(0)", .Default = 12.5, .Minimum = 0,
     .Maximum = 90, .Step = 0.5, .Title = "",
     .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_106_El_1, .Item = "106 elevation(1)", .Default = 27.5, .Minimum = 0,
     .Maximum = 90, .Step = 0.5, .Title = "",
     .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_107, .Item = "107", .Default = 1, .Minimum = 0, .Maximum = 99, .Step = 1,
     .Title = "Sample Discard Ratio", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
    {.Id = Item_Fact_Id::Item_108, .Item = "108", .Default = 5, .Minimum = 1, .Maximum = 30, .Step = 1,
     .Title = "Aero Satellite Recovery Timer", .Tooltip = Tooltip_Form::Default_Range_Two_Blanks},
};

constexpr bool Rows_In_Id_Order()
{
    for (std::size_t i = 0; i < std::size(ITEM_FACTS); ++i)
        if (static_cast<std::size_t>(ITEM_FACTS[i].Id) != i)
            return false;
    return std::size(ITEM_FACTS) == static_cast<std::size_t>(Item_Fact_Id::Count);
}
static_assert(Rows_In_Id_Order(), "one row per Item_Fact_Id, in the order of the enumeration");

// --- reading the table -------------------------------------------------------

constexpr const Item_Fact& Fact(Item_Fact_Id id)
{
    return ITEM_FACTS[static_cast<std::size_t>(id)];
}

// Element `index` of an item whose elements have rows of their own, counted
// from the row of its element 0 (Item_49_0 with index 3 is Item_49_3).
constexpr const Item_Fact& Fact(Item_Fact_Id first, int index)
{
    return ITEM_FACTS[static_cast<std::size_t>(first) + static_cast<std::size_t>(index)];
}

constexpr std::span<const Item_Fact> Item_Facts()
{
    return ITEM_FACTS;
}

// --- values as a record stores them -----------------------------------------

// A value in steps (value / Step, rounded): tenths for a Step of 0.1, halves
// for 0.5, the value itself for whole numbers. Only for values of the table,
// which are whole multiples of their step.
constexpr std::int32_t In_Steps(const Item_Fact& fact, double value)
{
    const double steps = value / fact.Step;
    return static_cast<std::int32_t>(steps < 0 ? steps - 0.5 : steps + 0.5);
}

// The range and default in steps: what a record field holds.
struct Stored_Range {
    std::int32_t Minimum;
    std::int32_t Maximum;
    std::int32_t Default;
};

constexpr Stored_Range Stored(const Item_Fact& fact)
{
    return {In_Steps(fact, fact.Minimum), In_Steps(fact, fact.Maximum), In_Steps(fact, fact.Default)};
}

// The radix code of the conversion report's number lines for the row: 1
// octal, 2 hexadecimal, 0 decimal.
constexpr int Report_Radix(const Item_Fact& fact)
{
    switch (fact.Radix) {
    case 8: return 1;
    case 16: return 2;
    default: return 0;
    }
}

// --- texts ---------------------------------------------------------------------

// The decimals a field of the row shows: 1 where its step is below 1.
constexpr int Decimals(const Item_Fact& fact)
{
    return fact.Step < 1 ? 1 : 0;
}

// A value as the row's fields and tooltips show it: tenths with one decimal
// ("18.0"), halves and whole numbers in their shortest form ("12.5", "90"),
// octal digits, or upper-case hex digits padded to the width of the maximum
// ("1770", "00").
QString Value_Text(const Item_Fact& fact, double value);
// The default as the row's fields show it.
QString Default_Text(const Item_Fact& fact);
// The most characters a value of the row takes as its fields show it: the
// longer of its minimum and maximum ("-12.0" 5, "255" 3, "4C90" 4).
int Text_Length(const Item_Fact& fact);
// The tooltip of the row in its form; shown_default replaces the default
// where a mode shows another one (the fixed value of an Airbus ORT).
QString Tooltip_Text(const Item_Fact& fact);
QString Tooltip_Text(const Item_Fact& fact, double shown_default);

} // namespace core
