#include "editor/secured_partition/secured_items.h"

#include "editor/page_set/page_set.h"

namespace Secured_Mod {

namespace {

using namespace core::secured;

// Character sets of the text items: printable upper case for the texts, the
// part-number set (digits, letters and "-") for item 87.
constexpr int TEXT_SET = 1;
constexpr int PART_NUMBER_SET = 14;

// The fact row of a number item: its range and default.
using Id = core::Item_Fact_Id;
constexpr const core::Item_Fact* Fact_Row(Id id)
{
    return &core::Fact(id);
}

#define PAGE_CONTROL(page, name) [](const Page_Set& p) -> QWidget* { return p.page().name; }
#define MAIN_CONTROL(name) [](const Page_Set& p) -> QWidget* { return p.Main.name; }

const Item_Row ITEMS[] = {
    // Items 6 and 27.
    {Item06, 0, Kind::List, Group::Codec_RFU, PAGE_CONTROL(Cockpit_Voice, Control_06a1), "vi - Codec 1, SDU 1"},
    {Item06, 1, Kind::List, Group::Codec_RFU, PAGE_CONTROL(Cockpit_Voice, Control_06b1), "vi - Codec 2, SDU 1"},
    {Item06, 2, Kind::List, Group::Codec_RFU, PAGE_CONTROL(Cockpit_Voice, Control_06a2), "vi - Codec 1, SDU 2"},
    {Item06, 3, Kind::List, Group::Codec_RFU, PAGE_CONTROL(Cockpit_Voice, Control_06b2), "vi - Codec 2, SDU 2"},
    {Item27, 0, Kind::List, Group::Codec_RFU, PAGE_CONTROL(General, Control_27a), "xxvii - SDU 1"},
    {Item27, 1, Kind::List, Group::Codec_RFU, PAGE_CONTROL(General, Control_27b), "xxvii - SDU 2"},
    // Items 59 and 60.
    {Item59, 0, Kind::Number, Group::Audio_Aero, PAGE_CONTROL(Cabin, Control_59), "lix", Fact_Row(Id::Item_59)},
    {Item60, 0, Kind::List, Group::Audio_Aero, PAGE_CONTROL(General, Control_60), "lx"},
    // Loaded from every generation at every level.
    {Item18, 0, Kind::List, Group::Always, PAGE_CONTROL(General, Control_18), "xviii"},
    {Item39, 0, Kind::Number, Group::Always, PAGE_CONTROL(Power, Control_39), "xxxix", Fact_Row(Id::Item_39)},
    {Item46, 0, Kind::Number, Group::Always, PAGE_CONTROL(Cockpit_Voice, Control_46a), "xlvi - Microphone", Fact_Row(Id::Item_46a)},
    {Item46, 1, Kind::Number, Group::Always, PAGE_CONTROL(Cockpit_Voice, Control_46b), "xlvi - Sidetone", Fact_Row(Id::Item_46b)},
    {Item46, 2, Kind::Number, Group::Always, PAGE_CONTROL(Cockpit_Voice, Control_46c), "xlvi - Receive Audio", Fact_Row(Id::Item_46c)},
    {Item48, 0, Kind::List, Group::Always, PAGE_CONTROL(Dual, Control_48), "xlviii"},
    {Item54, 0, Kind::List, Group::Always, PAGE_CONTROL(General, Control_54), "liv"},
    {Item56, 0, Kind::List, Group::Always, PAGE_CONTROL(Dual, Control_56), "lvi"},
    {Item38, 0, Kind::Failure_Masks, Group::Masks, PAGE_CONTROL(Failure_Masks, Control_38), "xxxviii"},
    // Standard ORTs only.
    {Item31, 0, Kind::List, Group::Standard, PAGE_CONTROL(Cockpit_Voice, Control_31), "xxxi"},
    {Item32, 0, Kind::List, Group::Standard, PAGE_CONTROL(Cockpit_Voice, Control_32), "xxxii"},
    {Item43, 0, Kind::List, Group::Standard, PAGE_CONTROL(Cockpit_Voice, Control_43), "xliii"},
    {Description, 0, Kind::Text, Group::Standard, MAIN_CONTROL(Control_53), "liii", nullptr, TEXT_SET},
    // Airframer_Level below 2.
    {Item01, 0, Kind::List, Group::Editable, PAGE_CONTROL(General, Control_01), "i"},
    {Item22_HGA, 0, Kind::Number, Group::Editable, PAGE_CONTROL(Power, Control_22a), "xxii - HGA Only", Fact_Row(Id::Item_22a)},
    {Item22_IGA, 0, Kind::Number, Group::Editable, PAGE_CONTROL(Power, Control_22b), "xxii - IGA Only", Fact_Row(Id::Item_22b)},
    {Item23, 0, Kind::List, Group::Editable, PAGE_CONTROL(Cabin, Control_23a), "xxiii - SDU 1"},
    {Item23, 1, Kind::List, Group::Editable, PAGE_CONTROL(Cabin, Control_23b), "xxiii - SDU 2"},
    {Item28, 0, Kind::Number, Group::Editable, PAGE_CONTROL(Power, Control_28a1), "xxviii - Class C, SDU 1", Fact_Row(Id::Item_28a)},
    {Item28, 1, Kind::Number, Group::Editable, PAGE_CONTROL(Power, Control_28a2), "xxviii - Class C, SDU 2", Fact_Row(Id::Item_28a)},
    {Item28, 2, Kind::Number, Group::Editable, PAGE_CONTROL(Power, Control_28b1), "xxviii - Linear, SDU 1", Fact_Row(Id::Item_28b)},
    {Item28, 3, Kind::Number, Group::Editable, PAGE_CONTROL(Power, Control_28b2), "xxviii - Linear, SDU 2", Fact_Row(Id::Item_28b)},
    {Item29, 0, Kind::Tenths, Group::Editable, PAGE_CONTROL(Power, Control_29a1), "xxix - Class C, SDU 1", Fact_Row(Id::Item_29a)},
    {Item29, 1, Kind::Tenths, Group::Editable, PAGE_CONTROL(Power, Control_29a2), "xxix - Class C, SDU 2", Fact_Row(Id::Item_29a)},
    {Item29, 2, Kind::Tenths, Group::Editable, PAGE_CONTROL(Power, Control_29b1), "xxix - Linear, SDU 1", Fact_Row(Id::Item_29b)},
    {Item29, 3, Kind::Tenths, Group::Editable, PAGE_CONTROL(Power, Control_29b2), "xxix - Linear, SDU 2", Fact_Row(Id::Item_29b)},
    {Item30, 0, Kind::Tenths, Group::Editable, PAGE_CONTROL(General, Control_30), "xxx", Fact_Row(Id::Item_30)},
    {Item41, 0, Kind::Transit, Group::Editable, nullptr, "xli"},
    {Item42, 0, Kind::List, Group::Editable, PAGE_CONTROL(Cockpit_Voice, Control_42), "xlii"},
    {Item44, 0, Kind::Priority, Group::Editable, PAGE_CONTROL(Power, Control_44), "xliv"},
    {Item47, 0, Kind::Number, Group::Editable, PAGE_CONTROL(General, Control_47a), "xlvii - Ground", Fact_Row(Id::Item_47a)},
    {Item47, 1, Kind::Number, Group::Editable, PAGE_CONTROL(General, Control_47b), "xlvii - Air", Fact_Row(Id::Item_47b)},
    {Item50, 0, Kind::List, Group::Editable, PAGE_CONTROL(Dual, Control_50), "l"},
    {Item51, 0, Kind::Text, Group::Editable, PAGE_CONTROL(General, Control_51a), "li - SDU 1", nullptr, TEXT_SET},
    {Item51, 1, Kind::Text, Group::Editable, PAGE_CONTROL(General, Control_51b), "li - SDU 2", nullptr, TEXT_SET},
    {Item52, 0, Kind::List, Group::Editable, PAGE_CONTROL(General, Control_52), "lii"},
    {Item57, 0, Kind::Number, Group::Editable, PAGE_CONTROL(Power, Control_57a), "lvii - With IRS", Fact_Row(Id::Item_57a)},
    {Item57, 1, Kind::Number, Group::Editable, PAGE_CONTROL(Power, Control_57b), "lvii - Without IRS", Fact_Row(Id::Item_57b)},
    // Generation 4 only.
    {Item87, 0, Kind::Text, Group::Part_Number, MAIN_CONTROL(Control_87), "lxxxvii", nullptr, PART_NUMBER_SET},
};

#undef PAGE_CONTROL
#undef MAIN_CONTROL

} // namespace

std::span<const Item_Row> Items() { return ITEMS; }

} // namespace Secured_Mod
