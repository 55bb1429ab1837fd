#include "editor/user_partition/user_v11_controls.h"

#include "editor/core/conversion_report.h"
#include "editor/core/text_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_item_numbers.h"
#include "editor/user_partition/user_items_short.h"
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

constexpr int SET_CABIN_NUMBER = 7;

} // namespace

void Load_Item_45(Page_Set& pages, core::Record& record, Generation generation, int airframer_level)
{
    for (int element = 0; element < 4; ++element)
        Load_Short_Items(pages, record, generation, Item_Step::Item_45, airframer_level, element);
}

void Load_Cabin_Numbers(Page_Set& pages, core::Record& record, Generation generation)
{
    Load_Short_Items(pages, record, generation, Item_Step::Item_26, 0);
    // A channel B has a number of its own when its SDU's channels do not share one.
    const bool shared[2] = {record.Get(V8_Item_26, 0) == 1, record.Get(V8_Item_26, 1) == 1};
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

void Load_Description_And_Flag(Page_Set& pages, core::Record& record, Generation generation)
{
    Load_Short_Items(pages, record, generation, Item_Step::Description, 0);
    if (pages.Main.Label_User_Modified)
        pages.Main.Label_User_Modified->setVisible(record.Get(V8_Modified) != 0);
}

} // namespace User_Mod
