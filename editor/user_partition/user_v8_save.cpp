#include "editor/core/ort_types.h"
#include "editor/core/text_helpers.h"
#include "editor/core/value_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/pages_tables/sat_ges_lists.h"
#include "editor/user_partition/user_item_numbers.h"
#include "editor/user_partition/user_items_short.h"
#include "editor/user_partition/user_record_v8.h"
#include "editor/user_partition/user_tables.h"
#include "editor/user_partition/user_v8_fields.h"
#include "editor/user_partition/user_v8_io.h"
#include "editor/user_partition/user_v8_lists.h"

#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>

namespace User_Mod {

namespace {


void Write_Lists_And_Items(Page_Set& pages, core::Record& record)
{
    Write_GES_Table(record, sat_ges::List_Lines(pages.Sat_GES().Control_02));
    Write_Sat_Table(record, sat_ges::List_Lines(pages.Sat_GES().Control_03));

    Page_Cockpit_Numbers& cockpit = pages.Cockpit_Numbers();
    for (int k = 0; k < V8_CATEGORIES; ++k)
        Write_Directory(record, k, sat_ges::List_Lines(cockpit.Control_05[static_cast<std::size_t>(k)]));
    for (int k = 0; k < V8_CATEGORIES; ++k) {
        cockpit.Control_05_Tab->setCurrentIndex(k);
        record.Set_Text(V8_Category_Name,
                        core::Make_Fixed_String(cockpit.Control_05_Tab->tabText(k), 10), k);
    }
    cockpit.Control_05_Tab->setCurrentIndex(0);

    Save_Short_Items(pages, record, Generation::V8);

    Save_Cabin_Slots(pages, record, V8_Cabin_Number);
    record.Set(V8_Reserved_18480, 0);
    record.Set(V8_Reserved_18486, 0);


    record.Set(V8_Modified, 0);

    Save_Number_Items(pages, record, Generation::V8, Item_Step::Item_45);
    Save_Number_Items(pages, record, Generation::V8, Item_Step::Item_49);
    Save_Short_Items(pages, record, Generation::V8, Item_Step::Item_61);
    Save_Number_Items(pages, record, Generation::V8, Item_Step::Item_62);
    record.Set(V8_Constant_1, 1);
    Write_PSID_Table(record, sat_ges::List_Lines(pages.General().Control_78));
    record.Set_Raw(V8_Spare, QByteArray(V8_SPARE_LENGTH, '\0'));
    record.Set(V8_Revision, core::Versions().User_Current.Record_Revision);
}

void Zero_HSD_Block(core::Record& record)
{
    QByteArray bytes = record.Bytes();
    bytes.replace(V8_HSD_BEGIN, V8_HSD_END - V8_HSD_BEGIN, QByteArray(V8_HSD_END - V8_HSD_BEGIN, '\0'));
    record.Set_Bytes(bytes);
}

void Write_HSD_Block(Page_Set& pages, core::Record& record)
{
    Save_Number_Items(pages, record, Generation::V8, Item_Step::Item_64);
    Save_Short_Items(pages, record, Generation::V8, Item_Step::Item_65);
    Write_LES_Table(record, MPDS_Fields_V8(), sat_ges::List_Lines(pages.HSD_S64().Control_67));
    Write_LES_Table(record, MISDN_Fields_V8(), sat_ges::List_Lines(pages.HSD_S64().Control_66));
    Save_Number_Items(pages, record, Generation::V8, Item_Step::Item_68);
    Save_Short_Items(pages, record, Generation::V8, Item_Step::Item_69);
    Save_Short_Items(pages, record, Generation::V8, Item_Step::Items_70_71);
    Save_Number_Items(pages, record, Generation::V8, Item_Step::Addresses);
    Save_Number_Items(pages, record, Generation::V8, Item_Step::Items_70_71);
    Save_Short_Items(pages, record, Generation::V8, Item_Step::Item_77a);
    Save_Number_Items(pages, record, Generation::V8, Item_Step::Item_77a);
}

} // namespace

void Update_Data_V8(Page_Set& pages)
{
    // Written into a copy, so that a field that cannot be stored leaves the
    // record as it was.
    core::Record record = User_Record_V8();
    Write_Lists_And_Items(pages, record);
    switch (core::Versions().User_Current.Record_Revision) {
    case 1:
        Zero_HSD_Block(record);
        break;
    case 2:
        Write_HSD_Block(pages, record);
        break;
    default:
        break; // the block keeps what the record held
    }
    User_Record_V8().Set_Bytes(record.Bytes());
}

} // namespace User_Mod
