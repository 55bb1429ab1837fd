#include "editor/user_partition/user_v8_controls.h"

#include "editor/page_set/page_set.h"

#include <QLineEdit>

namespace User_Mod {

const std::vector<Combo_Field>& V8_Plain_Combos()
{
    static const std::vector<Combo_Field> rows = {
        {V8_Item_07, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_07; }, Load_Rule::Always},
        {V8_Item_15, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_15; }, Load_Rule::Airframer_0},
        {V8_Item_19, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_19a; },
         Load_Rule::Airframer_Below_2},
        {V8_Item_19, 1, [](Page_Set& p) { return p.Cockpit_Voice().Control_19b; },
         Load_Rule::Airframer_Below_2},
        {V8_Item_35, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_35; }, Load_Rule::Always},
        {V8_Item_36, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_36; },
         Load_Rule::Airframer_Below_2},
        {V8_Item_63, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_63; }, Load_Rule::Always},
        {V8_Item_10, 0, [](Page_Set& p) { return p.Cabin().Control_10; }, Load_Rule::Always},
        {V8_Item_21, 0, [](Page_Set& p) { return p.Cabin().Control_21a; }, Load_Rule::Always},
        {V8_Item_21, 1, [](Page_Set& p) { return p.Cabin().Control_21b; }, Load_Rule::Always},
        {V8_Item_24, 0, [](Page_Set& p) { return p.Cabin().Control_24a; }, Load_Rule::Always},
        {V8_Item_24, 1, [](Page_Set& p) { return p.Cabin().Control_24b; }, Load_Rule::Always},
    };
    return rows;
}

const std::vector<Combo_Field>& V8_Reported_Combos()
{
    static const std::vector<Combo_Field> rows = {
        {V8_Item_04, 0, [](Page_Set& p) { return p.General().Control_04; }, Load_Rule::Airframer_0},
        {V8_Item_13, 0, [](Page_Set& p) { return p.Cabin().Control_13; }, Load_Rule::Always},
        {V8_Item_40, 0, [](Page_Set& p) { return p.General().Control_40a; }, Load_Rule::Always},
        {V8_Item_40, 1, [](Page_Set& p) { return p.General().Control_40b; }, Load_Rule::Always},
        {V8_Item_58, 0, [](Page_Set& p) { return p.General().Control_58; }, Load_Rule::Always},
    };
    return rows;
}

std::vector<Cabin_Slot> Cabin_Slots(Page_Set& pages)
{
    Page_Cabin_Numbers& page = pages.Cabin_Numbers();
    std::vector<Cabin_Slot> cabin_slots;
    for (int i = 1; i <= Page_Cabin_Numbers::SLOT_COUNT; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const QString n = QString::number(i);
        cabin_slots.push_back({page.Control_16_Sat1_ChA[at], nullptr, 2 * i, 0,
                         QStringLiteral("xvi - APHONE A, ") + n + QStringLiteral(", SDU 1")});
        cabin_slots.push_back({page.Control_16_Sat1_ChB[at], page.Control_16_Sat1_ChB[at], 2 * i + 1, 0,
                         QStringLiteral("xvi - APHONE B, ") + n + QStringLiteral(", SDU 1")});
        cabin_slots.push_back({page.Control_16_Sat2_ChA[at], nullptr, 20 + 2 * i, 1,
                         QStringLiteral("xvi - APHONE A, ") + n + QStringLiteral(", SDU 2")});
        cabin_slots.push_back({page.Control_16_Sat2_ChB[at], page.Control_16_Sat2_ChB[at], 21 + 2 * i, 1,
                         QStringLiteral("xvi - APHONE B, ") + n + QStringLiteral(", SDU 2")});
    }
    return cabin_slots;
}

std::array<Terminal, 4> Terminals(Page_Set& pages)
{
    Page_Cabin& cabin = pages.Cabin();
    return {{
        {cabin.Control_45_1a1, cabin.Control_45_1b1, 0},
        {cabin.Control_45_1a2, cabin.Control_45_1b2, 1},
        {cabin.Control_45_2a1, cabin.Control_45_2b1, 2},
        {cabin.Control_45_2a2, cabin.Control_45_2b2, 3},
    }};
}

std::vector<Octet_Row> V8_Octet_Rows(Page_Set& pages)
{
    Page_HSD_Cnfg& cnfg = pages.HSD_Cnfg();
    return {
        {V8_Item_72, 0, &cnfg.Control_72a1, "Item_72", "lxxii - SDU 1, Port 1, Part "},
        {V8_Item_72, 4, &cnfg.Control_72b1, "Item_72", "lxxii - SDU 2, Port 1, Part "},
        {V8_Item_73, 0, &cnfg.Control_73a1, "Item_73", "lxxiii - SDU 1, Port 1, Part "},
        {V8_Item_73, 4, &cnfg.Control_73b1, "Item_73", "lxxiii - SDU 2, Port 1, Part "},
        {V8_Item_74, 0, &cnfg.Control_74a1, "Item_74", "lxxiv - SDU 1, Port 1, Part "},
        {V8_Item_74, 4, &cnfg.Control_74b1, "Item_74", "lxxiv - SDU 2, Port 1, Part "},
        {V8_Item_75, 0, &cnfg.Control_75, "Item_75", "lxxv - Part "},
    };
}

QString Description_Text(Page_Set& pages)
{
    return pages.Main.Control_33 ? pages.Main.Control_33->text() : QString();
}

} // namespace User_Mod
