#include "editor/core/conversion_report.h"
#include "editor/core/ort_types.h"
#include "editor/core/text_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/pages_tables/sat_ges_lists.h"
#include "editor/user_partition/user_item_numbers.h"
#include "editor/user_partition/user_items_short.h"
#include "editor/user_partition/user_record_v8.h"
#include "editor/user_partition/user_v11_controls.h"
#include "editor/user_partition/user_v8_io.h"
#include "editor/user_partition/user_v8_lists.h"
#include "editor/user_partition/user_tables.h"
#include "editor/user_partition/user_v8_load_steps.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

namespace User_Mod {

namespace {


constexpr int HSD_REVISION = 2;
constexpr int HSD_FEATURE_LEVEL = 3;

void Load_HSD_Block(Page_Set& pages, core::Record& record, int airframer_level)
{
    const auto items = [&](Item_Step step) {
        Load_Short_Items(pages, record, Generation::V8, step, airframer_level);
    };
    items(Item_Step::Item_64);
    items(Item_Step::Item_65);
    items(Item_Step::Addresses);
    items(Item_Step::Item_68);
    items(Item_Step::Item_69);
    items(Item_Step::Items_70_71);
    items(Item_Step::Item_77a);
    Replace_Lines(pages.HSD_S64().Control_67, Read_LES_Lines(record, MPDS_Fields_V8()));
    Replace_Lines(pages.HSD_S64().Control_66, Read_LES_Lines(record, MISDN_Fields_V8()));
}

} // namespace

void Update_GUI_V8(Page_Set& pages)
{
    core::Record& record = User_Record_V8();
    const int airframer_level = core::Versions().User_Current.Airframer_Level;
    const auto items = [&](Item_Step step) {
        Load_Short_Items(pages, record, Generation::V8, step, airframer_level);
    };
    Page_General& general = pages.General();

    Load_Short_Steps(pages, record, Generation::V8, airframer_level, SHORT_HEAD_STEPS);
    for (const QString& line : Read_PSID_Lines(record))
        general.Control_78->addItem(line);
    items(Item_Step::Item_61);
    Load_Short_Steps(pages, record, Generation::V8, airframer_level, SHORT_VOICE_STEPS);
    Load_Item_45(pages, record, Generation::V8, airframer_level);
    items(Item_Step::Item_62);

    const core::ORT_Version_Info& loaded = core::Versions().User_Loaded;
    if (loaded.Record_Revision == HSD_REVISION
        && core::Versions().User_Current.Feature_Level >= HSD_FEATURE_LEVEL)
        Load_HSD_Block(pages, record, airframer_level);

    Replace_Lines(pages.Sat_GES().Control_02, Read_GES_Lines(record));
    Replace_Lines(pages.Sat_GES().Control_03, Read_Sat_Lines(record));

    Load_Cabin_Numbers(pages, record, Generation::V8);

    Load_Directory(pages.Cockpit_Numbers(), record, airframer_level, Directory_V8());

    Load_Description_And_Flag(pages, record, Generation::V8);
}

} // namespace User_Mod
