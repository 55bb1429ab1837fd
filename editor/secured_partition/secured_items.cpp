#include "editor/secured_partition/secured_items.h"

#include "editor/core/char_sets.h"
#include "editor/page_set/page_set.h"

namespace Secured_Mod {

namespace {

using namespace core::secured;

using Control = QWidget* (*)(const Page_Set&);
using Id = core::Item_Fact_Id;
using core::Chars;

// The rows of each kind of item.
constexpr Item_Row List(Field field, int index, Group group, Control control, const char* label,
                        int default_index)
{
    return {field, index, Kind::List, group, control, label, nullptr, 0, default_index, nullptr};
}

constexpr Item_Row Number(Field field, int index, Kind kind, Group group, Control control,
                          const char* label, Id fact)
{
    return {field, index, kind, group, control, label, &core::Fact(fact), 0, NO_DEFAULT_INDEX, nullptr};
}

constexpr Item_Row Text(Field field, int index, Group group, Control control, const char* label,
                        int char_set, const char* default_text)
{
    return {field, index, Kind::Text, group, control, label, nullptr, char_set, NO_DEFAULT_INDEX,
            default_text};
}

constexpr Item_Row Other(Field field, Kind kind, Group group, Control control, const char* label,
                         int default_index = NO_DEFAULT_INDEX)
{
    return {field, 0, kind, group, control, label, nullptr, 0, default_index, nullptr};
}

constexpr Kind N = Kind::Number;
constexpr Kind T = Kind::Tenths;

#define PAGE_CONTROL(page, name) [](const Page_Set& p) -> QWidget* { return p.page().name; }
#define MAIN_CONTROL(name) [](const Page_Set& p) -> QWidget* { return p.Main.name; }

const Item_Row ITEMS[] = {
    // Items 6 and 27 (27 takes its default from the chosen configuration).
    List(Item06, 0, Group::Codec_RFU, PAGE_CONTROL(Cockpit_Voice, Control_06a1), "vi - Codec 1, SDU 1", 0),
    List(Item06, 1, Group::Codec_RFU, PAGE_CONTROL(Cockpit_Voice, Control_06b1), "vi - Codec 2, SDU 1", 0),
    List(Item06, 2, Group::Codec_RFU, PAGE_CONTROL(Cockpit_Voice, Control_06a2), "vi - Codec 1, SDU 2", 0),
    List(Item06, 3, Group::Codec_RFU, PAGE_CONTROL(Cockpit_Voice, Control_06b2), "vi - Codec 2, SDU 2", 0),
    List(Item27, 0, Group::Codec_RFU, PAGE_CONTROL(General, Control_27a), "xxvii - SDU 1", NO_DEFAULT_INDEX),
    List(Item27, 1, Group::Codec_RFU, PAGE_CONTROL(General, Control_27b), "xxvii - SDU 2", NO_DEFAULT_INDEX),
    // Items 59 and 60.
    Number(Item59, 0, N, Group::Audio_Aero, PAGE_CONTROL(Cabin, Control_59), "lix", Id::Item_59),
    List(Item60, 0, Group::Audio_Aero, PAGE_CONTROL(General, Control_60), "lx", 0),
    // Loaded from every generation at every level.
    List(Item18, 0, Group::Always, PAGE_CONTROL(General, Control_18), "xviii", 2),
    Number(Item39, 0, N, Group::Always, PAGE_CONTROL(Power, Control_39), "xxxix", Id::Item_39),
    Number(Item46, 0, N, Group::Always, PAGE_CONTROL(Cockpit_Voice, Control_46a), "xlvi - Microphone", Id::Item_46a),
    Number(Item46, 1, N, Group::Always, PAGE_CONTROL(Cockpit_Voice, Control_46b), "xlvi - Sidetone", Id::Item_46b),
    Number(Item46, 2, N, Group::Always, PAGE_CONTROL(Cockpit_Voice, Control_46c), "xlvi - Receive Audio", Id::Item_46c),
    List(Item48, 0, Group::Always, PAGE_CONTROL(Dual, Control_48), "xlviii", 0),
    List(Item54, 0, Group::Always, PAGE_CONTROL(General, Control_54), "liv", 0),
    List(Item56, 0, Group::Always, PAGE_CONTROL(Dual, Control_56), "lvi", 0),
    Other(Item38, Kind::Failure_Masks, Group::Masks, PAGE_CONTROL(Failure_Masks, Control_38), "xxxviii"),
    // Standard ORTs only.
    List(Item31, 0, Group::Standard, PAGE_CONTROL(Cockpit_Voice, Control_31), "xxxi", 0),
    List(Item32, 0, Group::Standard, PAGE_CONTROL(Cockpit_Voice, Control_32), "xxxii", 0),
    List(Item43, 0, Group::Standard, PAGE_CONTROL(Cockpit_Voice, Control_43), "xliii", 0),
    Text(Description, 0, Group::Standard, MAIN_CONTROL(Control_53), "liii", Chars::Upper_Printable, FACTORY_DESCRIPTION),
    // Airframer_Level below 2.
    List(Item01, 0, Group::Editable, PAGE_CONTROL(General, Control_01), "i", 0),
    Number(Item22_HGA, 0, N, Group::Editable, PAGE_CONTROL(Power, Control_22a), "xxii - HGA Only", Id::Item_22a),
    Number(Item22_IGA, 0, N, Group::Editable, PAGE_CONTROL(Power, Control_22b), "xxii - IGA Only", Id::Item_22b),
    List(Item23, 0, Group::Editable, PAGE_CONTROL(Cabin, Control_23a), "xxiii - SDU 1", 1),
    List(Item23, 1, Group::Editable, PAGE_CONTROL(Cabin, Control_23b), "xxiii - SDU 2", 1),
    Number(Item28, 0, N, Group::Editable, PAGE_CONTROL(Power, Control_28a1), "xxviii - Class C, SDU 1", Id::Item_28a),
    Number(Item28, 1, N, Group::Editable, PAGE_CONTROL(Power, Control_28a2), "xxviii - Class C, SDU 2", Id::Item_28a),
    Number(Item28, 2, N, Group::Editable, PAGE_CONTROL(Power, Control_28b1), "xxviii - Linear, SDU 1", Id::Item_28b),
    Number(Item28, 3, N, Group::Editable, PAGE_CONTROL(Power, Control_28b2), "xxviii - Linear, SDU 2", Id::Item_28b),
    Number(Item29, 0, T, Group::Editable, PAGE_CONTROL(Power, Control_29a1), "xxix - Class C, SDU 1", Id::Item_29a),
    Number(Item29, 1, T, Group::Editable, PAGE_CONTROL(Power, Control_29a2), "xxix - Class C, SDU 2", Id::Item_29a),
    Number(Item29, 2, T, Group::Editable, PAGE_CONTROL(Power, Control_29b1), "xxix - Linear, SDU 1", Id::Item_29b),
    Number(Item29, 3, T, Group::Editable, PAGE_CONTROL(Power, Control_29b2), "xxix - Linear, SDU 2", Id::Item_29b),
    Number(Item30, 0, T, Group::Editable, PAGE_CONTROL(General, Control_30), "xxx", Id::Item_30),
    Other(Item41, Kind::Transit, Group::Editable, nullptr, "xli"),
    List(Item42, 0, Group::Editable, PAGE_CONTROL(Cockpit_Voice, Control_42), "xlii", 0),
    Other(Item44, Kind::Priority, Group::Editable, PAGE_CONTROL(Power, Control_44), "xliv", 1),
    Number(Item47, 0, N, Group::Editable, PAGE_CONTROL(General, Control_47a), "xlvii - Ground", Id::Item_47a),
    Number(Item47, 1, N, Group::Editable, PAGE_CONTROL(General, Control_47b), "xlvii - Air", Id::Item_47b),
    List(Item50, 0, Group::Editable, PAGE_CONTROL(Dual, Control_50), "l", 0),
    Text(Item51, 0, Group::Editable, PAGE_CONTROL(General, Control_51a), "li - SDU 1", Chars::Upper_Printable, "<SAT"),
    Text(Item51, 1, Group::Editable, PAGE_CONTROL(General, Control_51b), "li - SDU 2", Chars::Upper_Printable,
         "<SAT-2"),
    List(Item52, 0, Group::Editable, PAGE_CONTROL(General, Control_52), "lii", 0),
    Number(Item57, 0, N, Group::Editable, PAGE_CONTROL(Power, Control_57a), "lvii - With IRS", Id::Item_57a),
    Number(Item57, 1, N, Group::Editable, PAGE_CONTROL(Power, Control_57b), "lvii - Without IRS", Id::Item_57b),
    // Generation 4 only (the default comes from the chosen configuration).
    Text(Item87, 0, Group::Part_Number, MAIN_CONTROL(Control_87), "lxxxvii", Chars::Part_Number, nullptr),
};

#undef PAGE_CONTROL
#undef MAIN_CONTROL

} // namespace

std::span<const Item_Row> Items() { return ITEMS; }

} // namespace Secured_Mod
