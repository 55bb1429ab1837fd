#include "editor/user_partition/user_v14_controls.h"

#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_record_v14_layout.h"

#include <array>

namespace User_Mod {

namespace {

using C = V14_Index_Coding;
using S = V14_Step;
using W = V14_When;
using T = V14_Text_Coding;

// clang-format off
const std::array INDEX_ROWS = {
    V14_Index_Row{V14_ITEM_04, 0, [](Page_Set& p) { return p.General().Control_04; }, C::Plain, S::Item_4, W::Airframer_0, "iv"},
    V14_Index_Row{V14_ITEM_40, 0, [](Page_Set& p) { return p.General().Control_40a; }, C::Plain, S::Items_40_58, W::Always, "xl-a"},
    V14_Index_Row{V14_ITEM_40, 1, [](Page_Set& p) { return p.General().Control_40b; }, C::Plain, S::Items_40_58, W::Always, "xl-b"},
    V14_Index_Row{V14_ITEM_58, 0, [](Page_Set& p) { return p.General().Control_58; }, C::Plain, S::Items_40_58, W::Always, "lviii"},
    V14_Index_Row{V14_ITEM_07, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_07; }, C::Plain, S::Voice, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_14, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_14; }, C::Index_16_As_255, S::Voice, W::Airframer_0, nullptr},
    V14_Index_Row{V14_ITEM_15, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_15; }, C::Plain, S::Voice, W::Airframer_0, nullptr},
    V14_Index_Row{V14_ITEM_19A, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_19a; }, C::Plain, S::Voice, W::Airframer_Below_2, nullptr},
    V14_Index_Row{V14_ITEM_19B, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_19b; }, C::Plain, S::Voice, W::Airframer_Below_2, nullptr},
    V14_Index_Row{V14_ITEM_20, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_20; }, C::Plus_One, S::Voice, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_35, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_35; }, C::Plain, S::Voice, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_36, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_36; }, C::Plain, S::Voice, W::Airframer_Below_2, nullptr},
    V14_Index_Row{V14_ITEM_63, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_63; }, C::Plain, S::Item_63, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_10, 0, [](Page_Set& p) { return p.Cabin().Control_10; }, C::Plain, S::Cabin, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_13, 0, [](Page_Set& p) { return p.Cabin().Control_13; }, C::Plain, S::Cabin, W::Always, "xiii"},
    V14_Index_Row{V14_ITEM_21, 0, [](Page_Set& p) { return p.Cabin().Control_21a; }, C::Plain, S::Cabin, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_21, 1, [](Page_Set& p) { return p.Cabin().Control_21b; }, C::Plain, S::Cabin, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_24, 0, [](Page_Set& p) { return p.Cabin().Control_24a; }, C::Plain, S::Cabin, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_24, 1, [](Page_Set& p) { return p.Cabin().Control_24b; }, C::Plain, S::Cabin, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_45_TYPE, 0, [](Page_Set& p) { return p.Cabin().Control_45_1b1; }, C::Plain, S::Item_45, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_45_TYPE, 1, [](Page_Set& p) { return p.Cabin().Control_45_1b2; }, C::Plain, S::Item_45, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_45_TYPE, 2, [](Page_Set& p) { return p.Cabin().Control_45_2b1; }, C::Plain, S::Item_45, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_45_TYPE, 3, [](Page_Set& p) { return p.Cabin().Control_45_2b2; }, C::Plain, S::Item_45, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_65, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_65; }, C::Plain, S::Item_65, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_70, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_70; }, C::Plain, S::Items_70_71, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_71, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_71; }, C::Plain, S::Items_70_71, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_77A, 0, [](Page_Set& p) { return p.HSD_SBB().Control_77a; }, C::Plain, S::Item_77a, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_79_1, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_79_1[0]; }, C::Plain, S::SDU_First, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_79_1, 1, [](Page_Set& p) { return p.HSD_Cnfg().Control_79_1[1]; }, C::Plain, S::SDU_First, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_79_2, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_79_2[0]; }, C::Plain, S::SDU_First, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_79_2, 1, [](Page_Set& p) { return p.HSD_Cnfg().Control_79_2[1]; }, C::Plain, S::SDU_First, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_89, 0, [](Page_Set& p) { return p.HSD_SBB().Control_89[0]; }, C::Plain, S::SDU_Last, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_89, 1, [](Page_Set& p) { return p.HSD_SBB().Control_89[1]; }, C::Plain, S::SDU_Last, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_98, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_98[0]; }, C::Plain, S::SDU_Last, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_98, 1, [](Page_Set& p) { return p.HSD_Cnfg().Control_98[1]; }, C::Plain, S::SDU_Last, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_84, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_84; }, C::Plain, S::Items_84_88, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_88, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_88; }, C::Plain, S::Items_84_88, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_93, 0, [](Page_Set& p) { return p.Sat_GES().Control_93; }, C::Plain, S::Items_93_97, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_96, 0, [](Page_Set& p) { return p.HSD_SBB().Control_96; }, C::Plain, S::Items_93_97, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_97, 0, [](Page_Set& p) { return p.HSD_SBB().Control_97; }, C::Plain, S::Items_93_97, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_99, 0, [](Page_Set& p) { return p.HSD_SBB().Control_99; }, C::Plain, S::Items_99_101, W::Always, "ic"},
    V14_Index_Row{V14_ITEM_100, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_100; }, C::Plain, S::Items_99_101, W::Always, nullptr},
    V14_Index_Row{V14_ITEM_101, 0, [](Page_Set& p) { return p.HSD_SBB().Control_101; }, C::Plain, S::Items_99_101, W::Always, nullptr},
};

const std::array TEXT_ROWS = {
    V14_Text_Row{V14_ITEM_34, 0, [](Page_Set& p) { return p.General().Control_34; }, T::Fixed, S::Item_34, "xxxiv", 0, nullptr},
    V14_Text_Row{V14_ITEM_25, 0, [](Page_Set& p) { return p.Cabin().Control_25a; }, T::Blank_Padded, S::Item_25, "xxv-SDU 1", 4, nullptr},
    V14_Text_Row{V14_ITEM_25, 1, [](Page_Set& p) { return p.Cabin().Control_25b; }, T::Blank_Padded, S::Item_25, "xxv-SDU 2", 4, nullptr},
    V14_Text_Row{V14_ITEM_69, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_69[0]; }, T::Nul_Filled, S::Item_69, "lxix - SDU 1", 13, nullptr},
    V14_Text_Row{V14_ITEM_69, 1, [](Page_Set& p) { return p.HSD_Cnfg().Control_69[1]; }, T::Nul_Filled, S::Item_69, "lxix - SDU 2", 13, nullptr},
    V14_Text_Row{V14_ITEM_80, 0, [](Page_Set& p) { return p.HSD_SBB().Control_80; }, T::Fixed, S::Item_80, "lxxx", 0, nullptr},
    // The SDUs of these labels are numbered 0 and 1. The host names keep the
    // "_" of their factory values, which the page lets stand.
    V14_Text_Row{V14_ITEM_81_USER, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_81user[0]; }, T::Nul_Filled, S::SDU_Text, "lxxxi - SDU 0, Username", 13, nullptr},
    V14_Text_Row{V14_ITEM_81_PASS, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_81pass[0]; }, T::Nul_Filled, S::SDU_Text, "lxxxi - SDU 0, Password", 13, nullptr},
    V14_Text_Row{V14_ITEM_82A, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_82a[0]; }, T::Nul_Filled, S::SDU_Text, "lxxxii - SDU 1, Port 0", 13, "_"},
    V14_Text_Row{V14_ITEM_82B, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_82b[0]; }, T::Nul_Filled, S::SDU_Text, "lxxxii - SDU 2, Port 0", 13, "_"},
    V14_Text_Row{V14_ITEM_85_USER, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_85user[0]; }, T::Nul_Filled, S::SDU_Text, "lxxxv - SDU 0, Username", 13, nullptr},
    V14_Text_Row{V14_ITEM_85_PASS, 0, [](Page_Set& p) { return p.HSD_Cnfg().Control_85pass[0]; }, T::Nul_Filled, S::SDU_Text, "lxxxv - SDU 0, Password", 13, nullptr},
    V14_Text_Row{V14_ITEM_81_USER, 1, [](Page_Set& p) { return p.HSD_Cnfg().Control_81user[1]; }, T::Nul_Filled, S::SDU_Text, "lxxxi - SDU 1, Username", 13, nullptr},
    V14_Text_Row{V14_ITEM_81_PASS, 1, [](Page_Set& p) { return p.HSD_Cnfg().Control_81pass[1]; }, T::Nul_Filled, S::SDU_Text, "lxxxi - SDU 1, Password", 13, nullptr},
    V14_Text_Row{V14_ITEM_82A, 1, [](Page_Set& p) { return p.HSD_Cnfg().Control_82a[1]; }, T::Nul_Filled, S::SDU_Text, "lxxxii - SDU 1, Port 1", 13, "_"},
    V14_Text_Row{V14_ITEM_82B, 1, [](Page_Set& p) { return p.HSD_Cnfg().Control_82b[1]; }, T::Nul_Filled, S::SDU_Text, "lxxxii - SDU 2, Port 1", 13, "_"},
    V14_Text_Row{V14_ITEM_85_USER, 1, [](Page_Set& p) { return p.HSD_Cnfg().Control_85user[1]; }, T::Nul_Filled, S::SDU_Text, "lxxxv - SDU 1, Username", 13, nullptr},
    V14_Text_Row{V14_ITEM_85_PASS, 1, [](Page_Set& p) { return p.HSD_Cnfg().Control_85pass[1]; }, T::Nul_Filled, S::SDU_Text, "lxxxv - SDU 1, Password", 13, nullptr},
    V14_Text_Row{V14_DESCRIPTION_33, 0, [](Page_Set& p) { return p.Main.Control_33; }, T::Fixed, S::Items_33_86, "xxxiii", 1, nullptr},
    V14_Text_Row{V14_ITEM_86, 0, [](Page_Set& p) { return p.Main.Control_86; }, T::Fixed, S::Items_33_86, "lxxxvi", 11, nullptr},
};
// clang-format on

} // namespace

std::span<const V14_Index_Row> V14_Index_Rows()
{
    return INDEX_ROWS;
}

std::span<const V14_Text_Row> V14_Text_Rows()
{
    return TEXT_ROWS;
}

std::array<std::array<QLineEdit*, 4>*, 13> Address_Boxes(Page_Set& pages)
{
    Page_HSD_Cnfg& c = pages.HSD_Cnfg();
    return {&c.Control_72a1, &c.Control_72a2, &c.Control_72b1, &c.Control_72b2,
            &c.Control_73a1, &c.Control_73a2, &c.Control_73b1, &c.Control_73b2,
            &c.Control_74a1, &c.Control_74a2, &c.Control_74b1, &c.Control_74b2,
            &c.Control_75};
}

std::array<QLineEdit*, 4> Item45_Number_Boxes(Page_Set& pages)
{
    const Page_Cabin& c = pages.Cabin();
    return {c.Control_45_1a1, c.Control_45_1a2, c.Control_45_2a1, c.Control_45_2a2};
}

int Encode_Index(V14_Index_Coding coding, int index)
{
    switch (coding) {
    case V14_Index_Coding::Index_16_As_255: return index == 16 ? 255 : index;
    case V14_Index_Coding::Plus_One: return index + 1;
    default: return index;
    }
}

int Decode_Index(V14_Index_Coding coding, int stored)
{
    switch (coding) {
    case V14_Index_Coding::Index_16_As_255: return stored == 255 ? 16 : stored;
    case V14_Index_Coding::Plus_One: return stored - 1;
    default: return stored;
    }
}

} // namespace User_Mod
