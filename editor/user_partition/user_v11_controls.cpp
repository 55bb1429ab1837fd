#include "editor/user_partition/user_v11_controls.h"

#include "editor/core/conversion_report.h"
#include "editor/core/text_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_item_numbers.h"
#include "editor/user_partition/user_record_v8.h"
#include "editor/user_partition/user_v11_items.h"
#include "editor/user_partition/user_v8_lists.h"
#include "editor/user_partition/user_v8_load_steps.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace User_Mod {

namespace {

constexpr int SET_ITEM_34 = 0;
constexpr int SET_DESCRIPTION = 1;
constexpr int SET_DIGITS = 4;
constexpr int SET_CABIN_NUMBER = 7;

Combo_Field Row(int field, int index, QComboBox* (*combo)(Page_Set&), Load_Rule rule)
{
    return {field, index, combo, rule};
}

std::vector<Combo_Field> Plain_Combos(Load_Rule rule_19_36)
{
    return {
        Row(V8_Item_07, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_07; }, Load_Rule::Always),
        Row(V8_Item_15, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_15; },
            Load_Rule::Airframer_0),
        Row(V8_Item_19, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_19a; }, rule_19_36),
        Row(V8_Item_19, 1, [](Page_Set& p) { return p.Cockpit_Voice().Control_19b; }, rule_19_36),
        Row(V8_Item_35, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_35; }, Load_Rule::Always),
        Row(V8_Item_36, 0, [](Page_Set& p) { return p.Cockpit_Voice().Control_36; }, rule_19_36),
        Row(V8_Item_10, 0, [](Page_Set& p) { return p.Cabin().Control_10; }, Load_Rule::Always),
        Row(V8_Item_21, 0, [](Page_Set& p) { return p.Cabin().Control_21a; }, Load_Rule::Always),
        Row(V8_Item_21, 1, [](Page_Set& p) { return p.Cabin().Control_21b; }, Load_Rule::Always),
        Row(V8_Item_24, 0, [](Page_Set& p) { return p.Cabin().Control_24a; }, Load_Rule::Always),
        Row(V8_Item_24, 1, [](Page_Set& p) { return p.Cabin().Control_24b; }, Load_Rule::Always),
    };
}

} // namespace

const std::vector<Combo_Field>& V11_Plain_Combos()
{
    static const std::vector<Combo_Field> rows = Plain_Combos(Load_Rule::Airframer_Below_2);
    return rows;
}

const std::vector<Combo_Field>& V5_Plain_Combos()
{
    static const std::vector<Combo_Field> rows = Plain_Combos(Load_Rule::Always);
    return rows;
}

void Load_Item_14(Page_Set& pages, const core::Record& record)
{
    Set_Stored_Index(pages.Cockpit_Voice().Control_14,
                     Item_14_Index(static_cast<std::int32_t>(record.Get(V8_Item_14))), "Item_14");
}

void Load_Item_20(Page_Set& pages, const core::Record& record)
{
    Set_Stored_Index(pages.Cockpit_Voice().Control_20, record.Get(V8_Item_20) - 1, "Item_20");
}

void Load_Item_34(Page_Set& pages, core::Record& record)
{
    QString text = record.Get_Text(V8_Item_34);
    core::Report_Text_Change(pages.General().Control_34, text, QStringLiteral("xxxiv"), SET_ITEM_34);
    Store_Padded(record, V8_Item_34, text);
}

void Load_Items_40_58(Page_Set& pages, const core::Record& record)
{
    Page_General& general = pages.General();
    Report_Stored_Index(general.Control_40a, record, V8_Item_40, 0, QStringLiteral("xl-a"));
    Report_Stored_Index(general.Control_40b, record, V8_Item_40, 1, QStringLiteral("xl-b"));
    Report_Stored_Index(general.Control_58, record, V8_Item_58, 0, QStringLiteral("lviii"));
}

void Load_Item_49(Page_Set& pages, const core::Record& record)
{
    for (int i = 0; i < 6; ++i)
        Load_Weighting(pages.Dual().Control_49[static_cast<std::size_t>(i)], record.Get(V8_Item_49, i), i);
}

void Load_Item_25(Page_Set& pages, core::Record& record)
{
    const std::array<QLineEdit*, 2> codes{pages.Cabin().Control_25a, pages.Cabin().Control_25b};
    const char* labels[] = {"xxv-SDU 1", "xxv-SDU 2"};
    for (int sdu = 0; sdu < 2; ++sdu) {
        QString code = record.Get_Text(V8_Item_25, sdu);
        core::Report_Text_Change(codes[static_cast<std::size_t>(sdu)], code,
                                 QLatin1String(labels[sdu]), SET_DIGITS);
        Store_Padded(record, V8_Item_25, code, sdu);
    }
}

void Load_Item_45(Page_Set& pages, const core::Record& record)
{
    for (const Terminal& terminal : Terminals(pages)) {
        Load_Terminal_ID(terminal.Number, record.Get(V8_Item_45_Number, terminal.Element), terminal.Element);
        Set_Stored_Index(terminal.Type, record.Get(V8_Item_45_Index, terminal.Element), "Item_45");
    }
}

void Load_Cabin_Numbers(Page_Set& pages, core::Record& record)
{
    Page_Cabin_Numbers& numbers = pages.Cabin_Numbers();
    const bool shared[2] = {record.Get(V8_Item_26, 0) == 1, record.Get(V8_Item_26, 1) == 1};
    numbers.Control_26a[shared[0] ? 1 : 0]->setChecked(true);
    numbers.Control_26b[shared[1] ? 1 : 0]->setChecked(true);
    const std::vector<Cabin_Slot> cabin_slots = Cabin_Slots(pages);
    for (const Cabin_Slot& slot : cabin_slots) {
        QString text = record.Get_Text(V8_Cabin_Number, slot.Element);
        core::Report_Text_Change(slot.Field, text, slot.Label, SET_CABIN_NUMBER);
        Store_Padded(record, V8_Cabin_Number, text, slot.Element);
    }
    for (const Cabin_Slot& slot : cabin_slots) {
        if (slot.Channel_B)
            slot.Channel_B->setEnabled(!shared[slot.Sdu]);
    }
}

void Load_Description_And_Flag(Page_Set& pages, core::Record& record)
{
    if (pages.Main.Control_33) {
        QString description = record.Get_Text(V8_Description);
        core::Report_Text_Change(pages.Main.Control_33, description, QStringLiteral("xxxiii"),
                                 SET_DESCRIPTION);
        Store_Padded(record, V8_Description, description);
    }
    if (pages.Main.Label_User_Modified)
        pages.Main.Label_User_Modified->setVisible(record.Get(V8_Modified) != 0);
}

} // namespace User_Mod
