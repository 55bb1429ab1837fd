#include "editor/user_partition/user_items.h"

#include "editor/core/char_sets.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_cabin.h"
#include "editor/pages/pimbit_defaults.h"
#include "editor/pages_hsd/hsd_defaults.h"
#include "editor/user_partition/user_presentation.h"
#include "editor/user_partition/user_record_v14_layout.h"
#include "editor/user_partition/user_record_v8.h"

#include <QRadioButton>

#include <stdexcept>


namespace User_Mod {

namespace {

using C = Item_Coding;
using S = Item_Step;
using W = Item_When;
using N = Item_Number;
using F = core::Item_Fact_Id;
using core::Chars;
using List_Control = QComboBox* (*)(Page_Set&);
using Text_Control = QLineEdit* (*)(Page_Set&);
using Number_Control = QLineEdit* (*)(Page_Set&);
using Spin_Control = QWidget* (*)(Page_Set&);

constexpr Item_Place P(int field, int element, C coding, S step, W when = W::Always)
{
    return {field, element, coding, step, when, -1};
}

// A place in byte 'byte' of element 'element' of a field of raw bytes.
constexpr Item_Place P_Byte(int field, int element, int byte, C coding, S step)
{
    return {field, element, coding, step, W::Always, byte};
}

constexpr Item_Place ABSENT{};

// Item 92 stores each element's number in the field before its preference.
static_assert(V14_ITEM_92_INDEX + 1 == V14_ITEM_92_PREF);

// The user Feature_Level from which a row's control shows, as the page's
// Label_User_L1 to Label_User_L5 groups do (L0: at every level, or as the
// frame around it shows).
struct Feature {
    enum Level : int { L0, L1, L2, L3, L4, L5 };
};

// The user Airframer_Level from which an airframer ORT fixes a row.
struct Airframer {
    enum Level : int { L1 = 1, L2 };
};

// The rows of each kind state what that kind has; the row's other members
// keep their defaults (no character set, no fact, no spin button, ...).
// The short records (generations 5 and 11) use the field ids of generation 8.
constexpr User_Item_Row List(List_Control control, const char* label, Item_Place v5, Item_Place v8,
                             Item_Place v11, Item_Place v14, Feature::Level shown_from = Feature::L0)
{
    return {.List = control, .Report_Label = label, .Places = {v5, v8, v11, v14}, .Shown_From = shown_from};
}

constexpr User_Item_Row Text(Text_Control control, const char* label, Chars::Id char_set, Item_Place v5,
                             Item_Place v8, Item_Place v11, Item_Place v14, Feature::Level shown_from = Feature::L0)
{
    return {.Text = control, .Report_Label = label, .Char_Set = char_set, .Places = {v5, v8, v11, v14},
            .Shown_From = shown_from};
}

// A number row; a label for a checked number only.
constexpr User_Item_Row Number(Number_Control control, N shown, F fact, int fact_element, const char* label,
                               Item_Place v5, Item_Place v8, Item_Place v11, Item_Place v14,
                               Feature::Level shown_from = Feature::L0, Spin_Control spin = nullptr)
{
    return {.Report_Label = label, .Places = {v5, v8, v11, v14}, .Number = control, .Shown = shown,
            .Fact = fact, .Fact_Element = fact_element, .Shown_From = shown_from, .Spin = spin};
}

using Option_Control = QRadioButton* (*)(Page_Set&, int);

constexpr User_Item_Row Choice(Option_Control control, const char* label, Item_Place v5, Item_Place v8,
                               Item_Place v11, Item_Place v14)
{
    return {.Report_Label = label, .Places = {v5, v8, v11, v14}, .Option = control};
}

// An address octet or MAC byte, a text that holds a number.
template <auto Boxes, std::size_t K>
QLineEdit* Cnfg_Box(Page_Set& p)
{
    return (p.HSD_Cnfg().*Boxes)[K];
}

constexpr User_Item_Row Number_Text(Text_Control control, const char* label, Chars::Id char_set, int part,
                                    Item_Place v8, Item_Place v14, Feature::Level shown_from)
{
    return {.Text = control, .Report_Label = label, .Char_Set = char_set, .Places = {ABSENT, v8, ABSENT, v14},
            .Shown_From = shown_from, .Part = part};
}

// Modifiers of a row, written after it: "List(...) | Starts(2)".
struct Modifier {
    void (*Apply)(User_Item_Row&, const Modifier&);
    int Level = 0;
    int Index = 0;
    const char* Text = nullptr;
    std::uint8_t (*Octet)(std::int16_t) = nullptr;
};

constexpr User_Item_Row operator|(User_Item_Row row, const Modifier& modifier)
{
    modifier.Apply(row, modifier);
    return row;
}

// A new ORT shows this list index or text ...
constexpr Modifier Starts(int index)
{
    return {[](User_Item_Row& r, const Modifier& m) { r.Default.Index = m.Index; }, 0, index};
}
constexpr Modifier Starts(const char* text)
{
    return {[](User_Item_Row& r, const Modifier& m) { r.Default.Text = m.Text; }, 0, 0, text};
}
// ... or the user part number of the chosen type ...
constexpr Modifier Starts_With_Part_Number()
{
    return {[](User_Item_Row& r, const Modifier&) { r.Default.Text_Kind = Item_Default_Text::Part_Number; }};
}
// ... or the octet 'Part' of an address default, or the row's fact default.
constexpr Modifier Starts_Octet(std::uint8_t (*octet)(std::int16_t))
{
    return {[](User_Item_Row& r, const Modifier& m) {
                r.Default.Text_Kind = Item_Default_Text::Octet;
                r.Default.Octet = m.Octet;
            },
            0, 0, nullptr, octet};
}
constexpr Modifier Starts_At_Fact(F fact, bool hex)
{
    return {[](User_Item_Row& r, const Modifier& m) {
                r.Fact = static_cast<F>(m.Index);
                r.Default.Text_Kind = m.Level ? Item_Default_Text::Fact_Hex : Item_Default_Text::Fact;
            },
            hex ? 1 : 0, static_cast<int>(fact)};
}
// ... with this Tag, or disabled.
constexpr Modifier Starts_Tagged(const char* tag)
{
    return {[](User_Item_Row& r, const Modifier& m) { r.Default.Tag = m.Text; }, 0, 0, tag};
}
constexpr Modifier Starts_Disabled()
{
    return {[](User_Item_Row& r, const Modifier&) { r.Default.Disabled = true; }};
}
// A text admits these characters beyond its set.
constexpr Modifier Also_Admits(const char* extra)
{
    return {[](User_Item_Row& r, const Modifier& m) { r.Extra_Allowed = m.Text; }, 0, 0, extra};
}
// From the user Airframer_Level 'level' on, an airframer ORT fixes the list
// index or the text.
constexpr Modifier Airframer_Fixes(Airframer::Level level, int index)
{
    return {[](User_Item_Row& r, const Modifier& m) {
                r.Airframer.Fixed_From = m.Level;
                r.Airframer.Index = m.Index;
            },
            level, index};
}
constexpr Modifier Airframer_Fixes(Airframer::Level level, const char* text)
{
    return {[](User_Item_Row& r, const Modifier& m) {
                r.Airframer.Fixed_From = m.Level;
                r.Airframer.Text = m.Text;
            },
            level, 0, text};
}
// The field's row caption goes with it.
constexpr Modifier Caption_Follows()
{
    return {[](User_Item_Row& r, const Modifier&) { r.Caption_Follows = true; }};
}
// The user may edit the control only at these Airframer_Levels.
constexpr Modifier Editable(Item_When when)
{
    return {[](User_Item_Row& r, const Modifier& m) { r.Airframer.Editable = static_cast<Item_When>(m.Index); },
            0, static_cast<int>(when)};
}

// A place that the three generations 5, 8 and 11 share, with generation 14's.
#define SHORT3(place) place, place, place

// The four octets of an address that generations 8 and 14 hold: generation
// 8 in elements First to First + 3 of its field, generation 14 in address N.
#define ADDRESS_8_14(boxes, label, v8_field, first, n, shown_from, starts)                                  \
    ADDRESS_OCTET(boxes, label, 0, P(v8_field, (first) + 0, C::Decimal, S::Addresses), n, shown_from, starts), \
    ADDRESS_OCTET(boxes, label, 1, P(v8_field, (first) + 1, C::Decimal, S::Addresses), n, shown_from, starts), \
    ADDRESS_OCTET(boxes, label, 2, P(v8_field, (first) + 2, C::Decimal, S::Addresses), n, shown_from, starts), \
    ADDRESS_OCTET(boxes, label, 3, P(v8_field, (first) + 3, C::Decimal, S::Addresses), n, shown_from, starts)
// ... that generation 14 alone holds.
#define ADDRESS_14(boxes, label, n, shown_from, starts)            \
    ADDRESS_OCTET(boxes, label, 0, ABSENT, n, shown_from, starts), \
    ADDRESS_OCTET(boxes, label, 1, ABSENT, n, shown_from, starts), \
    ADDRESS_OCTET(boxes, label, 2, ABSENT, n, shown_from, starts), \
    ADDRESS_OCTET(boxes, label, 3, ABSENT, n, shown_from, starts)
#define ADDRESS_OCTET(boxes, label, k, v8, n, shown_from, starts)                                              \
    Number_Text(Cnfg_Box<&Page_HSD_Cnfg::boxes, k>, label #k, Chars::Digits, k, v8,                            \
                P_Byte(V14_ADDRESS, n, k, C::Byte_Text, S::Addresses), shown_from) | starts
// Byte K of the MAC address of SDU 1 and of SDU 2.
#define MAC_BYTES(k)                                                                                        \
    Number_Text(Cnfg_Box<&Page_HSD_Cnfg::Control_68a, k>, nullptr, Chars::Printable, 0,                     \
                P(V8_Item_68, k, C::Hex_Text, S::Item_68),                                                  \
                P_Byte(V14_ITEM_68, 0, k, C::Hex_Byte_Text, S::Item_68), Feature::L3)                       \
        | Starts_At_Fact(F::Item_68, true),                                                                 \
    Number_Text(Cnfg_Box<&Page_HSD_Cnfg::Control_68b, k>, nullptr, Chars::Printable, 0,                     \
                P(V8_Item_68, 6 + (k), C::Hex_Text, S::Item_68),                                            \
                P_Byte(V14_ITEM_68, 1, k, C::Hex_Byte_Text, S::Item_68), Feature::L3)                       \
        | Starts_At_Fact(F::Item_68, true)

// A row's control: a list, text or number box of a page or of the main
// window, a spin button, or option 'index' of a pair.
#define PAGE_CONTROL(page, name) [](Page_Set& p) { return p.page().name; }
#define MAIN_CONTROL(name) [](Page_Set& p) { return p.Main.name; }
#define PAGE_SPIN(page, name) [](Page_Set& p) -> QWidget* { return p.page().name; }
#define PAGE_OPTION(page, name) \
    [](Page_Set& p, int index) { return p.page().name[static_cast<std::size_t>(index)]; }

// clang-format off
const User_Item_Row ITEMS[] = {
    List(PAGE_CONTROL(General, Control_04), "iv", SHORT3(P(V8_Item_04, 0, C::Index, S::Item_4, W::Airframer_0)), P(V14_ITEM_04, 0, C::Index, S::Item_4, W::Airframer_0)) | Starts(2) | Airframer_Fixes(Airframer::L2, 0) | Editable(W::Airframer_0),
    Text(PAGE_CONTROL(General, Control_34), "xxxiv", Chars::Printable, SHORT3(P(V8_Item_34, 0, C::Fixed_Text, S::Item_34)), P(V14_ITEM_34, 0, C::Fixed_Text, S::Item_34)),
    List(PAGE_CONTROL(General, Control_40a), "xl-a", SHORT3(P(V8_Item_40, 0, C::Index, S::Items_40_58)), P(V14_ITEM_40, 0, C::Index, S::Items_40_58)),
    List(PAGE_CONTROL(General, Control_40b), "xl-b", SHORT3(P(V8_Item_40, 1, C::Index, S::Items_40_58)), P(V14_ITEM_40, 1, C::Index, S::Items_40_58)) | Starts(1),
    List(PAGE_CONTROL(General, Control_58), "lviii", SHORT3(P(V8_Item_58, 0, C::Index, S::Items_40_58)), P(V14_ITEM_58, 0, C::Index, S::Items_40_58)),
    // Item 61: the loads of generations 8, 11 and 14 report flags that their
    // save would not write back.
    List(PAGE_CONTROL(General, Control_61), "lxi", P(V8_Item_61_A, 0, C::Item_61_V5, S::Item_61), P(V8_Item_61_A, 0, C::Item_61_V8, S::Item_61), P(V8_Item_61_A, 0, C::Item_61_V11, S::Item_61), P(V14_ITEM_61_A, 0, C::Item_61_V14, S::Item_61), Feature::L1) | Starts(4),
    List(PAGE_CONTROL(Cockpit_Voice, Control_07), nullptr, SHORT3(P(V8_Item_07, 0, C::Index, S::Voice)), P(V14_ITEM_07, 0, C::Index, S::Voice)),
    List(PAGE_CONTROL(Cockpit_Voice, Control_14), nullptr, SHORT3(P(V8_Item_14, 0, C::Index_16_As_255, S::Voice_Coded, W::Airframer_0)), P(V14_ITEM_14, 0, C::Index_16_As_255, S::Voice, W::Airframer_0)) | Airframer_Fixes(Airframer::L1, 16) | Editable(W::Airframer_0),
    List(PAGE_CONTROL(Cockpit_Voice, Control_15), nullptr, SHORT3(P(V8_Item_15, 0, C::Index, S::Voice, W::Airframer_0)), P(V14_ITEM_15, 0, C::Index, S::Voice, W::Airframer_0)) | Airframer_Fixes(Airframer::L1, 1) | Editable(W::Airframer_0),
    List(PAGE_CONTROL(Cockpit_Voice, Control_19a), nullptr, P(V8_Item_19, 0, C::Index, S::Voice), P(V8_Item_19, 0, C::Index, S::Voice, W::Airframer_Below_2), P(V8_Item_19, 0, C::Index, S::Voice, W::Airframer_Below_2), P(V14_ITEM_19A, 0, C::Index, S::Voice, W::Airframer_Below_2)) | Starts(1) | Editable(W::Airframer_Below_2),
    List(PAGE_CONTROL(Cockpit_Voice, Control_19b), nullptr, P(V8_Item_19, 1, C::Index, S::Voice), P(V8_Item_19, 1, C::Index, S::Voice, W::Airframer_Below_2), P(V8_Item_19, 1, C::Index, S::Voice, W::Airframer_Below_2), P(V14_ITEM_19B, 0, C::Index, S::Voice, W::Airframer_Below_2)) | Starts(1) | Editable(W::Airframer_Below_2),
    // The oldest record stores item 20 as the list index itself.
    List(PAGE_CONTROL(Cockpit_Voice, Control_20), nullptr, P(V8_Item_20, 0, C::Index, S::Voice_Coded), P(V8_Item_20, 0, C::Index_Plus_One, S::Voice_Coded), P(V8_Item_20, 0, C::Index_Plus_One, S::Voice_Coded), P(V14_ITEM_20, 0, C::Index_Plus_One, S::Voice)),
    List(PAGE_CONTROL(Cockpit_Voice, Control_35), nullptr, SHORT3(P(V8_Item_35, 0, C::Index, S::Voice)), P(V14_ITEM_35, 0, C::Index, S::Voice)),
    List(PAGE_CONTROL(Cockpit_Voice, Control_36), nullptr, P(V8_Item_36, 0, C::Index, S::Voice), P(V8_Item_36, 0, C::Index, S::Voice, W::Airframer_Below_2), P(V8_Item_36, 0, C::Index, S::Voice, W::Airframer_Below_2), P(V14_ITEM_36, 0, C::Index, S::Voice, W::Airframer_Below_2)) | Editable(W::Airframer_Below_2),
    List(PAGE_CONTROL(Cockpit_Voice, Control_63), nullptr, ABSENT, P(V8_Item_63, 0, C::Index, S::Voice), ABSENT, P(V14_ITEM_63, 0, C::Index, S::Item_63), Feature::L2) | Starts(3),
    // Item 49: the weightings.
    Number(PAGE_CONTROL(Dual, Control_49[0]), N::Checked, F::Item_49_0, 0, "xlix-0", SHORT3(P(V8_Item_49, 0, C::Range_Byte, S::Item_49)), P(V14_ITEM_49, 0, C::Range_Byte, S::Item_49)),
    Number(PAGE_CONTROL(Dual, Control_49[1]), N::Checked, F::Item_49_0, 1, "xlix-1", SHORT3(P(V8_Item_49, 1, C::Range_Byte, S::Item_49)), P(V14_ITEM_49, 1, C::Range_Byte, S::Item_49)),
    Number(PAGE_CONTROL(Dual, Control_49[2]), N::Checked, F::Item_49_0, 2, "xlix-2", SHORT3(P(V8_Item_49, 2, C::Range_Byte, S::Item_49)), P(V14_ITEM_49, 2, C::Range_Byte, S::Item_49)),
    Number(PAGE_CONTROL(Dual, Control_49[3]), N::Checked, F::Item_49_0, 3, "xlix-3", SHORT3(P(V8_Item_49, 3, C::Range_Byte, S::Item_49)), P(V14_ITEM_49, 3, C::Range_Byte, S::Item_49)),
    Number(PAGE_CONTROL(Dual, Control_49[4]), N::Checked, F::Item_49_0, 4, "xlix-4", SHORT3(P(V8_Item_49, 4, C::Range_Byte, S::Item_49)), P(V14_ITEM_49, 4, C::Range_Byte, S::Item_49)),
    Number(PAGE_CONTROL(Dual, Control_49[5]), N::Checked, F::Item_49_0, 5, "xlix-5", SHORT3(P(V8_Item_49, 5, C::Range_Byte, S::Item_49)), P(V14_ITEM_49, 5, C::Range_Byte, S::Item_49)),
    List(PAGE_CONTROL(Cabin, Control_10), nullptr, SHORT3(P(V8_Item_10, 0, C::Index, S::Voice)), P(V14_ITEM_10, 0, C::Index, S::Cabin)),
    // Item 13 is the user's choice; generation 8 lets an airframer fix it.
    List(PAGE_CONTROL(Cabin, Control_13), "xiii", P(V8_Item_13, 0, C::Index, S::Item_13), P(V8_Item_13, 0, C::Index, S::Item_13, W::Fixed_Above_Airframer_0), P(V8_Item_13, 0, C::Index, S::Item_13), P(V14_ITEM_13, 0, C::Index, S::Cabin)) | Starts(3) | Airframer_Fixes(Airframer::L1, 0),
    List(PAGE_CONTROL(Cabin, Control_21a), nullptr, SHORT3(P(V8_Item_21, 0, C::Index, S::Voice)), P(V14_ITEM_21, 0, C::Index, S::Cabin)) | Starts(2),
    List(PAGE_CONTROL(Cabin, Control_21b), nullptr, SHORT3(P(V8_Item_21, 1, C::Index, S::Voice)), P(V14_ITEM_21, 1, C::Index, S::Cabin)) | Starts(2),
    List(PAGE_CONTROL(Cabin, Control_24a), nullptr, SHORT3(P(V8_Item_24, 0, C::Index, S::Voice)), P(V14_ITEM_24, 0, C::Index, S::Cabin)),
    List(PAGE_CONTROL(Cabin, Control_24b), nullptr, SHORT3(P(V8_Item_24, 1, C::Index, S::Voice)), P(V14_ITEM_24, 1, C::Index, S::Cabin)),
    // Item 26: whether the two channels share a cabin number.
    Choice(PAGE_OPTION(Cabin_Numbers, Control_26a), "xxvi-SDU 1", SHORT3(P(V8_Item_26, 0, C::Second_If_One, S::Item_26)), P(V14_ITEM_26, 0, C::Second_If_One, S::Item_26)) | Starts(1),
    Choice(PAGE_OPTION(Cabin_Numbers, Control_26b), "xxvi-SDU 2", SHORT3(P(V8_Item_26, 1, C::Second_If_One, S::Item_26)), P(V14_ITEM_26, 1, C::Second_If_One, S::Item_26)) | Starts(1),
    Text(PAGE_CONTROL(Cabin, Control_25a), "xxv-SDU 1", Chars::Digits, SHORT3(P(V8_Item_25, 0, C::Blank_Padded, S::Item_25)), P(V14_ITEM_25, 0, C::Blank_Padded, S::Item_25)) | Starts(SECURITY_CODE_DEFAULT),
    Text(PAGE_CONTROL(Cabin, Control_25b), "xxv-SDU 2", Chars::Digits, SHORT3(P(V8_Item_25, 1, C::Blank_Padded, S::Item_25)), P(V14_ITEM_25, 1, C::Blank_Padded, S::Item_25)) | Starts(SECURITY_CODE_DEFAULT),
    // Item 45: the called terminal IDs, then the assignment types (the
    // oldest generations load each ID with its type).
    Number(PAGE_CONTROL(Cabin, Control_45_1a1), N::Checked, F::Item_45, 0, "xlv-SDU 1, APHONE 1", SHORT3(P(V8_Item_45_Number, 0, C::Range_Int16, S::Item_45)), P(V14_ITEM_45_NUMBER, 0, C::Range_Int16, S::Item_45)),
    Number(PAGE_CONTROL(Cabin, Control_45_1a2), N::Checked, F::Item_45, 0, "xlv-SDU 1, APHONE 2", SHORT3(P(V8_Item_45_Number, 1, C::Range_Int16, S::Item_45)), P(V14_ITEM_45_NUMBER, 1, C::Range_Int16, S::Item_45)),
    Number(PAGE_CONTROL(Cabin, Control_45_2a1), N::Checked, F::Item_45, 0, "xlv-SDU 2, APHONE 1", SHORT3(P(V8_Item_45_Number, 2, C::Range_Int16, S::Item_45)), P(V14_ITEM_45_NUMBER, 2, C::Range_Int16, S::Item_45)),
    Number(PAGE_CONTROL(Cabin, Control_45_2a2), N::Checked, F::Item_45, 0, "xlv-SDU 2, APHONE 2", SHORT3(P(V8_Item_45_Number, 3, C::Range_Int16, S::Item_45)), P(V14_ITEM_45_NUMBER, 3, C::Range_Int16, S::Item_45)),
    List(PAGE_CONTROL(Cabin, Control_45_1b1), "xlv-SDU 1, APHONE 1, Type", SHORT3(P(V8_Item_45_Index, 0, C::Checked_Index, S::Item_45)), P(V14_ITEM_45_TYPE, 0, C::Checked_Index, S::Item_45)) | Starts_Disabled(),
    List(PAGE_CONTROL(Cabin, Control_45_1b2), "xlv-SDU 1, APHONE 2, Type", SHORT3(P(V8_Item_45_Index, 1, C::Checked_Index, S::Item_45)), P(V14_ITEM_45_TYPE, 1, C::Checked_Index, S::Item_45)) | Starts_Disabled(),
    List(PAGE_CONTROL(Cabin, Control_45_2b1), "xlv-SDU 2, APHONE 1, Type", SHORT3(P(V8_Item_45_Index, 2, C::Checked_Index, S::Item_45)), P(V14_ITEM_45_TYPE, 2, C::Checked_Index, S::Item_45)) | Starts_Disabled(),
    List(PAGE_CONTROL(Cabin, Control_45_2b2), "xlv-SDU 2, APHONE 2, Type", SHORT3(P(V8_Item_45_Index, 3, C::Checked_Index, S::Item_45)), P(V14_ITEM_45_TYPE, 3, C::Checked_Index, S::Item_45)) | Starts_Disabled(),
    Number(PAGE_CONTROL(HSD_Cnfg, Control_62), N::Tenths, F::Item_62, 0, "lxii", SHORT3(P(V8_Item_62, 0, C::Tenths, S::Item_62)), P(V14_ITEM_62, 0, C::Tenths, S::Item_62), Feature::L1, PAGE_SPIN(HSD_Cnfg, UpDown_62)),
    // The HSD items: generation 8 holds some of them (its HSD block).
    Number(PAGE_CONTROL(HSD_Cnfg, Control_64), N::Tenths, F::Item_64, 0, "lxiv", ABSENT, P(V8_Item_64, 0, C::Tenths, S::Item_64), ABSENT, P(V14_ITEM_64, 0, C::Tenths, S::Item_64), Feature::L3, PAGE_SPIN(HSD_Cnfg, UpDown_64)) | Starts_Tagged("1"),
    List(PAGE_CONTROL(HSD_Cnfg, Control_65), nullptr, ABSENT, P(V8_Item_65, 0, C::Index, S::Item_65), ABSENT, P(V14_ITEM_65, 0, C::Index, S::Item_65), Feature::L3),
    // Items 72 to 75, address by address; the loads report an octet of
    // every address before the next octet.
    ADDRESS_8_14(Control_72a1, "lxxii - SDU 1, Port 1, Part ", V8_Item_72, 0, 0, Feature::L0, Starts_Octet(Default_72a1)),
    ADDRESS_14(Control_72a2, "lxxii - SDU 1, Port 2, Part ", 1, Feature::L0, Starts_Octet(Default_72a2)),
    ADDRESS_8_14(Control_72b1, "lxxii - SDU 2, Port 1, Part ", V8_Item_72, 4, 2, Feature::L0, Starts_Octet(Default_72b1)),
    ADDRESS_14(Control_72b2, "lxxii - SDU 2, Port 2, Part ", 3, Feature::L0, Starts_Octet(Default_72b2)),
    ADDRESS_8_14(Control_73a1, "lxxiii - SDU 1, Port 1, Part ", V8_Item_73, 0, 4, Feature::L0, Starts_Octet(Default_73)),
    ADDRESS_14(Control_73a2, "lxxiii - SDU 1, Port 2, Part ", 5, Feature::L0, Starts_Octet(Default_73)),
    ADDRESS_8_14(Control_73b1, "lxxiii - SDU 2, Port 1, Part ", V8_Item_73, 4, 6, Feature::L0, Starts_Octet(Default_73)),
    ADDRESS_14(Control_73b2, "lxxiii - SDU 2, Port 2, Part ", 7, Feature::L0, Starts_Octet(Default_73)),
    ADDRESS_8_14(Control_74a1, "lxxiv - SDU 1, Port 1, Part ", V8_Item_74, 0, 8, Feature::L0, Starts_At_Fact(F::Item_72_75, false)),
    ADDRESS_14(Control_74a2, "lxxiv - SDU 1, Port 2, Part ", 9, Feature::L0, Starts_At_Fact(F::Item_72_75, false)),
    ADDRESS_8_14(Control_74b1, "lxxiv - SDU 2, Port 1, Part ", V8_Item_74, 4, 10, Feature::L0, Starts_At_Fact(F::Item_72_75, false)),
    ADDRESS_14(Control_74b2, "lxxiv - SDU 2, Port 2, Part ", 11, Feature::L0, Starts_At_Fact(F::Item_72_75, false)),
    ADDRESS_8_14(Control_75, "lxxv - Part ", V8_Item_75, 0, 12, Feature::L3, Starts_Octet(Default_75)),
    // Item 68: the MAC addresses, a byte in each box.
    MAC_BYTES(0),
    MAC_BYTES(1),
    MAC_BYTES(2),
    MAC_BYTES(3),
    MAC_BYTES(4),
    MAC_BYTES(5),
    Text(PAGE_CONTROL(HSD_Cnfg, Control_69[0]), "lxix - SDU 1", Chars::Mixed_Case_Name, ABSENT, P(V8_Item_69, 0, C::Raw_Text, S::Item_69), ABSENT, P(V14_ITEM_69, 0, C::Nul_Filled, S::Item_69)) | Starts("DataIO"),
    Text(PAGE_CONTROL(HSD_Cnfg, Control_69[1]), "lxix - SDU 2", Chars::Mixed_Case_Name, ABSENT, P(V8_Item_69, 1, C::Raw_Text, S::Item_69), ABSENT, P(V14_ITEM_69, 1, C::Nul_Filled, S::Item_69)) | Starts("DataIO-2"),
    List(PAGE_CONTROL(HSD_Cnfg, Control_70), nullptr, ABSENT, P(V8_Item_70, 0, C::Index, S::Items_70_71), ABSENT, P(V14_ITEM_70, 0, C::Index, S::Items_70_71), Feature::L3) | Starts(1),
    List(PAGE_CONTROL(HSD_Cnfg, Control_71), nullptr, ABSENT, P(V8_Item_71, 0, C::Index, S::Items_70_71), ABSENT, P(V14_ITEM_71, 0, C::Index, S::Items_70_71), Feature::L3),
    Number(PAGE_CONTROL(HSD_Cnfg, Control_76), N::Checked, F::Item_76, 0, "lxxvi", ABSENT, P(V8_Item_76, 0, C::Decimal, S::Items_70_71), ABSENT, P(V14_ITEM_76, 0, C::Byte_Text, S::Items_70_71), Feature::L3, PAGE_SPIN(HSD_Cnfg, UpDown_76)),
    List(PAGE_CONTROL(HSD_SBB, Control_77a), nullptr, ABSENT, P(V8_Item_77a, 0, C::Index, S::Item_77a), ABSENT, P(V14_ITEM_77A, 0, C::Index, S::Item_77a)) | Starts(3),
    // Item 77b: the bit rates, shown as stored.
    Number(PAGE_CONTROL(HSD_SBB, Control_77b[0]), N::Plain, F::Item_77b, 0, nullptr, ABSENT, P(V8_Item_77b, 0, C::Range_Whole, S::Item_77a), ABSENT, P(V14_ITEM_77B, 0, C::Range_Whole, S::Item_77a)),
    Number(PAGE_CONTROL(HSD_SBB, Control_77b[1]), N::Plain, F::Item_77b, 0, nullptr, ABSENT, P(V8_Item_77b, 1, C::Range_Whole, S::Item_77a), ABSENT, P(V14_ITEM_77B, 1, C::Range_Whole, S::Item_77a)),
    Number(PAGE_CONTROL(HSD_SBB, Control_77b[2]), N::Plain, F::Item_77b, 0, nullptr, ABSENT, P(V8_Item_77b, 2, C::Range_Whole, S::Item_77a), ABSENT, P(V14_ITEM_77B, 2, C::Range_Whole, S::Item_77a)),
    Number(PAGE_CONTROL(HSD_SBB, Control_77b[3]), N::Plain, F::Item_77b, 0, nullptr, ABSENT, P(V8_Item_77b, 3, C::Range_Whole, S::Item_77a), ABSENT, P(V14_ITEM_77B, 3, C::Range_Whole, S::Item_77a)),
    // Generation 14 only from here to item 101.
    Text(PAGE_CONTROL(HSD_SBB, Control_80), "lxxx", Chars::Printable, ABSENT, ABSENT, ABSENT, P(V14_ITEM_80, 0, C::Fixed_Text, S::Item_80), Feature::L4),
    List(PAGE_CONTROL(HSD_Cnfg, Control_79_1[0]), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_79_1, 0, C::Index, S::SDU_First), Feature::L4),
    List(PAGE_CONTROL(HSD_Cnfg, Control_79_1[1]), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_79_1, 1, C::Index, S::SDU_First), Feature::L4),
    List(PAGE_CONTROL(HSD_Cnfg, Control_79_2[0]), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_79_2, 0, C::Index, S::SDU_First), Feature::L4),
    List(PAGE_CONTROL(HSD_Cnfg, Control_79_2[1]), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_79_2, 1, C::Index, S::SDU_First), Feature::L4),
    // The SDUs of these labels are numbered 0 and 1. The host names keep the
    // "_" of their factory values, which the page lets stand.
    Text(PAGE_CONTROL(HSD_Cnfg, Control_81user[0]), "lxxxi - SDU 0, Username", Chars::Mixed_Case_Name, ABSENT, ABSENT, ABSENT, P(V14_ITEM_81_USER, 0, C::Nul_Filled, S::SDU_Text), Feature::L4),
    Text(PAGE_CONTROL(HSD_Cnfg, Control_81pass[0]), "lxxxi - SDU 0, Password", Chars::Mixed_Case_Name, ABSENT, ABSENT, ABSENT, P(V14_ITEM_81_PASS, 0, C::Nul_Filled, S::SDU_Text), Feature::L4),
    Text(PAGE_CONTROL(HSD_Cnfg, Control_82a[0]), "lxxxii - SDU 1, Port 0", Chars::Mixed_Case_Name, ABSENT, ABSENT, ABSENT, P(V14_ITEM_82A, 0, C::Nul_Filled, S::SDU_Text), Feature::L4) | Also_Admits("_") | Starts("HSDU1_P1") | Caption_Follows(),
    Text(PAGE_CONTROL(HSD_Cnfg, Control_82b[0]), "lxxxii - SDU 2, Port 0", Chars::Mixed_Case_Name, ABSENT, ABSENT, ABSENT, P(V14_ITEM_82B, 0, C::Nul_Filled, S::SDU_Text), Feature::L4) | Also_Admits("_") | Starts("HSDU2_P1") | Caption_Follows(),
    Text(PAGE_CONTROL(HSD_Cnfg, Control_85user[0]), "lxxxv - SDU 0, Username", Chars::Mixed_Case_Name, ABSENT, ABSENT, ABSENT, P(V14_ITEM_85_USER, 0, C::Nul_Filled, S::SDU_Text), Feature::L4),
    Text(PAGE_CONTROL(HSD_Cnfg, Control_85pass[0]), "lxxxv - SDU 0, Password", Chars::Mixed_Case_Name, ABSENT, ABSENT, ABSENT, P(V14_ITEM_85_PASS, 0, C::Nul_Filled, S::SDU_Text), Feature::L4),
    Text(PAGE_CONTROL(HSD_Cnfg, Control_81user[1]), "lxxxi - SDU 1, Username", Chars::Mixed_Case_Name, ABSENT, ABSENT, ABSENT, P(V14_ITEM_81_USER, 1, C::Nul_Filled, S::SDU_Text), Feature::L4),
    Text(PAGE_CONTROL(HSD_Cnfg, Control_81pass[1]), "lxxxi - SDU 1, Password", Chars::Mixed_Case_Name, ABSENT, ABSENT, ABSENT, P(V14_ITEM_81_PASS, 1, C::Nul_Filled, S::SDU_Text), Feature::L4),
    Text(PAGE_CONTROL(HSD_Cnfg, Control_82a[1]), "lxxxii - SDU 1, Port 1", Chars::Mixed_Case_Name, ABSENT, ABSENT, ABSENT, P(V14_ITEM_82A, 1, C::Nul_Filled, S::SDU_Text), Feature::L4) | Also_Admits("_") | Starts("HSDU1_P2") | Caption_Follows(),
    Text(PAGE_CONTROL(HSD_Cnfg, Control_82b[1]), "lxxxii - SDU 2, Port 1", Chars::Mixed_Case_Name, ABSENT, ABSENT, ABSENT, P(V14_ITEM_82B, 1, C::Nul_Filled, S::SDU_Text), Feature::L4) | Also_Admits("_") | Starts("HSDU2_P2") | Caption_Follows(),
    Text(PAGE_CONTROL(HSD_Cnfg, Control_85user[1]), "lxxxv - SDU 1, Username", Chars::Mixed_Case_Name, ABSENT, ABSENT, ABSENT, P(V14_ITEM_85_USER, 1, C::Nul_Filled, S::SDU_Text), Feature::L4),
    Text(PAGE_CONTROL(HSD_Cnfg, Control_85pass[1]), "lxxxv - SDU 1, Password", Chars::Mixed_Case_Name, ABSENT, ABSENT, ABSENT, P(V14_ITEM_85_PASS, 1, C::Nul_Filled, S::SDU_Text), Feature::L4),
    List(PAGE_CONTROL(HSD_SBB, Control_89[0]), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_89, 0, C::Index, S::SDU_Last), Feature::L4) | Starts(1),
    List(PAGE_CONTROL(HSD_SBB, Control_89[1]), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_89, 1, C::Index, S::SDU_Last), Feature::L4) | Starts(1),
    List(PAGE_CONTROL(HSD_Cnfg, Control_98[0]), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_98, 0, C::Index, S::SDU_Last), Feature::L4),
    List(PAGE_CONTROL(HSD_Cnfg, Control_98[1]), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_98, 1, C::Index, S::SDU_Last), Feature::L4),
    List(PAGE_CONTROL(HSD_Cnfg, Control_84), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_84, 0, C::Index, S::Items_84_88), Feature::L4) | Starts(1),
    List(PAGE_CONTROL(HSD_Cnfg, Control_88), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_88, 0, C::Index, S::Items_84_88), Feature::L4),
    Number(PAGE_CONTROL(HSD_SBB, Control_90pac), N::Plain, F::Item_90_Packets, 0, nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_90_PACKETS, 0, C::Unsigned16_Text, S::Items_84_88), Feature::L4, PAGE_SPIN(HSD_SBB, UpDown_90pac)),
    Number(PAGE_CONTROL(HSD_SBB, Control_90per), N::Plain, F::Item_90_Period, 0, nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_90_PERIOD, 0, C::Unsigned16_Text, S::Items_84_88), Feature::L4, PAGE_SPIN(HSD_SBB, UpDown_90per)),
    List(PAGE_CONTROL(Sat_GES, Control_93), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_93, 0, C::Index, S::Items_93_97), Feature::L4) | Starts(1),
    List(PAGE_CONTROL(HSD_SBB, Control_96), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_96, 0, C::Index, S::Items_93_97), Feature::L4) | Starts(9),
    List(PAGE_CONTROL(HSD_SBB, Control_97), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_97, 0, C::Index, S::Items_93_97), Feature::L4),
    Number(PAGE_CONTROL(Sat_GES, Control_94), N::Checked, F::Item_94, 0, "xciv", ABSENT, ABSENT, ABSENT, P(V14_ITEM_94, 0, C::Int16_Text, S::Items_93_97), Feature::L4, PAGE_SPIN(Sat_GES, UpDown_94)),
    List(PAGE_CONTROL(HSD_SBB, Control_99), "ic", ABSENT, ABSENT, ABSENT, P(V14_ITEM_99, 0, C::Index, S::Items_99_101), Feature::L4) | Starts(3),
    List(PAGE_CONTROL(HSD_Cnfg, Control_100), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_100, 0, C::Index, S::Items_99_101), Feature::L4) | Starts(2),
    List(PAGE_CONTROL(HSD_SBB, Control_101), nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_101, 0, C::Index, S::Items_99_101), Feature::L4),
    Number(PAGE_CONTROL(HSD_SBB, Control_102), N::Plain, F::Item_102, 0, nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_102, 0, C::Unsigned16_Text, S::Items_99_101), Feature::L4, PAGE_SPIN(HSD_SBB, UpDown_102)),
    Number(PAGE_CONTROL(Sat_GES, Control_108), N::Checked, F::Item_108, 0, "cviii", ABSENT, ABSENT, ABSENT, P(V14_ITEM_108, 0, C::Int16_Text, S::Item_108), Feature::L4, PAGE_SPIN(Sat_GES, UpDown_108)),
    // Item 92: each entry stores its element number beside its preference.
    List(PAGE_CONTROL(Sat_GES, Control_92[0]), "xcii", ABSENT, ABSENT, ABSENT, P(V14_ITEM_92_PREF, 0, C::Numbered_Index, S::Item_92)) | Starts(1),
    List(PAGE_CONTROL(Sat_GES, Control_92[1]), "xcii", ABSENT, ABSENT, ABSENT, P(V14_ITEM_92_PREF, 1, C::Numbered_Index, S::Item_92)) | Starts(2),
    List(PAGE_CONTROL(Sat_GES, Control_92[2]), "xcii", ABSENT, ABSENT, ABSENT, P(V14_ITEM_92_PREF, 2, C::Numbered_Index, S::Item_92)) | Starts(3),
    // The PIM/BIT items: their spin buttons follow the fields. Item 105's
    // bytes always lie in its range; the elevations are stored in halves.
    Number(PAGE_CONTROL(PIMBIT, Control_103[0]), N::Checked_Spin, F::Item_103_0, 0, "ciii-0", ABSENT, ABSENT, ABSENT, P(V14_ITEM_103, 0, C::Byte_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_103[0])),
    Number(PAGE_CONTROL(PIMBIT, Control_103[1]), N::Checked_Spin, F::Item_103_0, 1, "ciii-1", ABSENT, ABSENT, ABSENT, P(V14_ITEM_103, 1, C::Byte_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_103[1])),
    Number(PAGE_CONTROL(PIMBIT, Control_103[2]), N::Checked_Spin, F::Item_103_0, 2, "ciii-2", ABSENT, ABSENT, ABSENT, P(V14_ITEM_103, 2, C::Byte_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_103[2])),
    Number(PAGE_CONTROL(PIMBIT, Control_103[3]), N::Checked_Spin, F::Item_103_0, 3, "ciii-3", ABSENT, ABSENT, ABSENT, P(V14_ITEM_103, 3, C::Byte_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_103[3])),
    Number(PAGE_CONTROL(PIMBIT, Control_103[4]), N::Checked_Spin, F::Item_103_0, 4, "ciii-4", ABSENT, ABSENT, ABSENT, P(V14_ITEM_103, 4, C::Byte_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_103[4])),
    Number(PAGE_CONTROL(PIMBIT, Control_103[5]), N::Checked_Spin, F::Item_103_0, 5, "ciii-5", ABSENT, ABSENT, ABSENT, P(V14_ITEM_103, 5, C::Byte_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_103[5])),
    Number(PAGE_CONTROL(PIMBIT, Control_103[6]), N::Checked_Spin, F::Item_103_0, 6, "ciii-6", ABSENT, ABSENT, ABSENT, P(V14_ITEM_103, 6, C::Byte_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_103[6])),
    List(PAGE_CONTROL(PIMBIT, Control_104[0]), "civ-0", ABSENT, ABSENT, ABSENT, P(V14_ITEM_104, 0, C::Checked_Index, S::PIMBIT)) | Starts(Default_104(0)),
    List(PAGE_CONTROL(PIMBIT, Control_104[1]), "civ-1", ABSENT, ABSENT, ABSENT, P(V14_ITEM_104, 1, C::Checked_Index, S::PIMBIT)) | Starts(Default_104(1)),
    List(PAGE_CONTROL(PIMBIT, Control_104[2]), "civ-2", ABSENT, ABSENT, ABSENT, P(V14_ITEM_104, 2, C::Checked_Index, S::PIMBIT)) | Starts(Default_104(2)),
    Number(PAGE_CONTROL(PIMBIT, Control_105[0]), N::Plain_Spin, F::Item_105_0, 0, nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_105, 0, C::Byte_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_105[0])),
    Number(PAGE_CONTROL(PIMBIT, Control_105[1]), N::Plain_Spin, F::Item_105_0, 1, nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_105, 1, C::Byte_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_105[1])),
    Number(PAGE_CONTROL(PIMBIT, Control_105[2]), N::Plain_Spin, F::Item_105_0, 2, nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_105, 2, C::Byte_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_105[2])),
    Number(PAGE_CONTROL(PIMBIT, Control_105[3]), N::Plain_Spin, F::Item_105_0, 3, nullptr, ABSENT, ABSENT, ABSENT, P(V14_ITEM_105, 3, C::Byte_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_105[3])),
    Number(PAGE_CONTROL(PIMBIT, Control_106_Az[0]), N::Checked_Spin, F::Item_106_Az_0, 0, "cvi-Azimuth 0", ABSENT, ABSENT, ABSENT, P(V14_ITEM_106_AZ, 0, C::Int16_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_106_Az[0])),
    Number(PAGE_CONTROL(PIMBIT, Control_106_Az[1]), N::Checked_Spin, F::Item_106_Az_0, 1, "cvi-Azimuth 1", ABSENT, ABSENT, ABSENT, P(V14_ITEM_106_AZ, 1, C::Int16_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_106_Az[1])),
    Number(PAGE_CONTROL(PIMBIT, Control_106_Az[2]), N::Checked_Spin, F::Item_106_Az_0, 2, "cvi-Azimuth 2", ABSENT, ABSENT, ABSENT, P(V14_ITEM_106_AZ, 2, C::Int16_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_106_Az[2])),
    Number(PAGE_CONTROL(PIMBIT, Control_106_El[0]), N::Halves_Spin, F::Item_106_El_0, 0, "cvi-Elevation 0", ABSENT, ABSENT, ABSENT, P(V14_ITEM_106_EL, 0, C::Halves_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_106_El[0])),
    Number(PAGE_CONTROL(PIMBIT, Control_106_El[1]), N::Halves_Spin, F::Item_106_El_0, 1, "cvi-Elevation 1", ABSENT, ABSENT, ABSENT, P(V14_ITEM_106_EL, 1, C::Halves_Text, S::PIMBIT), Feature::L0, PAGE_SPIN(PIMBIT, UpDown_106_El[1])),
    Number(PAGE_CONTROL(PIMBIT, Control_107), N::Checked_Spin, F::Item_107, 0, "cvii", ABSENT, ABSENT, ABSENT, P(V14_ITEM_107, 0, C::Byte_Text, S::PIMBIT), Feature::L5, PAGE_SPIN(PIMBIT, UpDown_107)),
    // The main window's texts (absent from a page set without them).
    Text(MAIN_CONTROL(Control_33), "xxxiii", Chars::Upper_Printable, SHORT3(P(V8_Description, 0, C::Fixed_Text, S::Description)), P(V14_DESCRIPTION_33, 0, C::Fixed_Text, S::Items_33_86)) | Starts(FACTORY_DESCRIPTION) | Airframer_Fixes(Airframer::L1, AIRFRAMER_DESCRIPTION),
    // The part number keeps its dashes (a product identifier may hold them,
    // a cleared part number is all dashes), as item 87 does.
    Text(MAIN_CONTROL(Control_86), "lxxxvi", Chars::Part_Number, ABSENT, ABSENT, ABSENT, P(V14_ITEM_86, 0, C::Fixed_Text, S::Items_33_86), Feature::L4) | Starts_With_Part_Number() | Editable(W::Airframer_Below_3),
};
// clang-format on

#undef SHORT3
#undef ADDRESS_8_14
#undef ADDRESS_14
#undef ADDRESS_OCTET
#undef MAC_BYTES
#undef PAGE_CONTROL
#undef MAIN_CONTROL
#undef PAGE_SPIN
#undef PAGE_OPTION

constexpr std::int64_t ITEM_14_IMMEDIATE_INDEX = 16;
constexpr std::int64_t ITEM_14_IMMEDIATE_STORED = 255;

} // namespace

std::span<const User_Item_Row> User_Items()
{
    return ITEMS;
}

const core::Item_Fact& Item_Fact_Of(const User_Item_Row& row)
{
    if (row.Fact == NO_FACT)
        throw std::logic_error("a user item row without a fact");
    return core::Fact(row.Fact, row.Fact_Element);
}

QWidget* Item_Widget(const User_Item_Row& row, Page_Set& pages)
{
    if (row.List)
        return row.List(pages);
    if (row.Option)
        return row.Option(pages, 0);
    return row.Text ? row.Text(pages) : row.Number(pages);
}

bool Item_Read_At(Item_When when, int airframer_level)
{
    switch (when) {
    case Item_When::Airframer_0: return airframer_level == 0;
    case Item_When::Airframer_Below_2: return airframer_level < 2;
    case Item_When::Airframer_Below_3: return airframer_level < 3;
    default: return true;
    }
}

bool Is_Number_Coding(Item_Coding coding)
{
    switch (coding) {
    case Item_Coding::Index:
    case Item_Coding::Index_16_As_255:
    case Item_Coding::Index_Plus_One:
    case Item_Coding::Checked_Index:
    case Item_Coding::Fixed_Text:
    case Item_Coding::Blank_Padded:
    case Item_Coding::Nul_Filled:
    case Item_Coding::Raw_Text:
    case Item_Coding::Second_If_One:
    case Item_Coding::Numbered_Index:
    case Item_Coding::Item_61_V5:
    case Item_Coding::Item_61_V8:
    case Item_Coding::Item_61_V11:
    case Item_Coding::Item_61_V14: return false;
    default: return true;
    }
}

std::int64_t Encode_Item_Index(Item_Coding coding, std::int64_t index)
{
    switch (coding) {
    case Item_Coding::Index_16_As_255:
        return index == ITEM_14_IMMEDIATE_INDEX ? ITEM_14_IMMEDIATE_STORED : index;
    case Item_Coding::Index_Plus_One: return index + 1;
    default: return index;
    }
}

std::int64_t Decode_Item_Index(Item_Coding coding, std::int64_t stored)
{
    switch (coding) {
    case Item_Coding::Index_16_As_255:
        return stored == ITEM_14_IMMEDIATE_STORED ? ITEM_14_IMMEDIATE_INDEX : stored;
    case Item_Coding::Index_Plus_One: return stored - 1;
    default: return stored;
    }
}

} // namespace User_Mod
