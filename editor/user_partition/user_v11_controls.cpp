#include "editor/user_partition/user_v11_controls.h"

#include "editor/core/conversion_report.h"
#include "editor/core/text_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_item_numbers.h"
#include "editor/user_partition/user_items_short.h"
#include "editor/user_partition/user_record_v8.h"
#include "editor/user_partition/user_tables.h"
#include "editor/user_partition/user_v11_items.h"
#include "editor/user_partition/user_v8_lists.h"
#include "editor/user_partition/user_v8_load_steps.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace User_Mod {

void Load_Item_45(Page_Set& pages, core::Record& record, Generation generation, int airframer_level)
{
    for (int element = 0; element < 4; ++element)
        Load_Short_Items(pages, record, generation, Item_Step::Item_45, airframer_level, element);
}

void Load_Cabin_Numbers(Page_Set& pages, core::Record& record, Generation generation)
{
    Load_Short_Items(pages, record, generation, Item_Step::Item_26, 0);
    Load_Cabin_Slots(pages, record, V8_Cabin_Number);
    Enable_Channels_B(pages, record, V8_Item_26);
}

void Load_Description_And_Flag(Page_Set& pages, core::Record& record, Generation generation)
{
    Load_Short_Items(pages, record, generation, Item_Step::Description, 0);
    if (pages.Main.Label_User_Modified)
        pages.Main.Label_User_Modified->setVisible(record.Get(V8_Modified) != 0);
}

} // namespace User_Mod
