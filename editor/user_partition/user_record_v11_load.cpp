// Load direction of the generation-11 user record: User_Record_V11 into the
// page controls, with the checks and conversion-report lines of each item.

#include "editor/core/ort_types.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_item_numbers.h"
#include "editor/user_partition/user_items_short.h"
#include "editor/user_partition/user_record_v11.h"
#include "editor/user_partition/user_tables.h"
#include "editor/user_partition/user_v11_controls.h"
#include "editor/user_partition/user_v11_items.h"
#include "editor/user_partition/user_v8_lists.h"
#include "editor/user_partition/user_v8_load_steps.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace User_Mod {

void Update_GUI_V11(Page_Set& pages)
{
    core::Record& record = User_Record_V11();
    const core::ORT_Version_Info& current = core::Versions().User_Current;
    const int airframer_level = current.Airframer_Level;
    const bool features = current.Feature_Level != 0;
    Page_General& general = pages.General();

    const auto items = [&](Item_Step step) {
        Load_Short_Items(pages, record, Generation::V11, step, airframer_level);
    };

    Load_Short_Steps(pages, record, Generation::V11, airframer_level, SHORT_HEAD_STEPS);
    // The rows are added to what the list holds (the defaults leave it empty).
    for (const QString& line : Read_PSID_Lines(record))
        general.Control_78->addItem(line);
    if (features)
        items(Item_Step::Item_61);
    // Item 13 is the user's choice: read at every airframer level.
    Load_Short_Steps(pages, record, Generation::V11, airframer_level, SHORT_VOICE_STEPS);
    Load_Item_45(pages, record, Generation::V11, airframer_level);
    if (features)
        items(Item_Step::Item_62);

    Replace_Lines(pages.Sat_GES().Control_02, Read_GES_Lines(record));
    Replace_Lines(pages.Sat_GES().Control_03, Read_Sat_Lines(record));
    Load_Cabin_Numbers(pages, record, Generation::V11);
    Load_Directory(pages.Cockpit_Numbers(), record, airframer_level, Directory_Short());
    Load_Description_And_Flag(pages, record, Generation::V11);
}

} // namespace User_Mod
