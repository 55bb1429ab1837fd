// Save direction of the generation-11 user record: page controls into
// User_Record_V11.

#include "editor/core/conversion_report.h"
#include "editor/core/ort_types.h"
#include "editor/core/text_helpers.h"
#include "editor/core/value_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/pages_tables/sat_ges_lists.h"
#include "editor/user_partition/user_item_numbers.h"
#include "editor/user_partition/user_items_short.h"
#include "editor/user_partition/user_record_v11.h"
#include "editor/user_partition/user_tables.h"
#include "editor/user_partition/user_v11_items.h"
#include "editor/user_partition/user_v11_short_head.h"
#include "editor/user_partition/user_v8_fields.h"
#include "editor/user_partition/user_v8_lists.h"

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

namespace User_Mod {

namespace {

constexpr int RADIX_DECIMAL = 0;

// A category beyond the 25 entries of this generation keeps its first 25
// lines, in the page as in the record, and the cut is reported.
QStringList Category_Lines(Page_Cockpit_Numbers& page, int category)
{
    QListWidget* list = page.Control_05[static_cast<std::size_t>(category)];
    QStringList lines = sat_ges::List_Lines(list);
    if (lines.size() > SHORT_DIRECTORY_ENTRIES) {
        std::int32_t count = static_cast<std::int32_t>(lines.size());
        core::Report_Number_Change(count,
                                   QStringLiteral("v - Category Size, ")
                                       + page.Control_05_Tab->tabText(category),
                                   0, SHORT_DIRECTORY_ENTRIES, SHORT_DIRECTORY_ENTRIES,
                                   RADIX_DECIMAL);
        while (list->count() > SHORT_DIRECTORY_ENTRIES)
            delete list->takeItem(list->count() - 1);
        lines = lines.mid(0, SHORT_DIRECTORY_ENTRIES);
    }
    return lines;
}

void Write_Directory_And_Names(Page_Set& pages, core::Record& record)
{
    Page_Cockpit_Numbers& cockpit = pages.Cockpit_Numbers();
    for (int k = 0; k < V8_CATEGORIES; ++k) {
        cockpit.Control_05_Tab->setCurrentIndex(k);
        record.Set_Text(V8_Category_Name,
                        core::Make_Fixed_String(cockpit.Control_05_Tab->tabText(k), 10), k);
    }
    cockpit.Control_05_Tab->setCurrentIndex(0);
    for (int k = 0; k < V8_CATEGORIES; ++k)
        Write_Short_Directory(record, k, Category_Lines(cockpit, k));
}

void Write_Items_61_62(Page_Set& pages, core::Record& record)
{
    if (core::Versions().User_Current.Feature_Level != 0) {
        Save_Short_Items(pages, record, Generation::V11, Item_Step::Item_61);
        Save_Number_Items(pages, record, Generation::V11, Item_Step::Item_62);
        record.Set(V8_Constant_1, 1);
    } else {
        for (int i = 0; i < 4; ++i)
            record.Set(V8_Item_61_A, 0, i);
        record.Set(V8_Item_62, 0);
        record.Set(V8_Constant_1, 0);
    }
}

void Write_Record(Page_Set& pages, core::Record& record)
{
    Write_GES_Table(record, sat_ges::List_Lines(pages.Sat_GES().Control_02));
    Write_Sat_Table(record, sat_ges::List_Lines(pages.Sat_GES().Control_03));
    Write_Directory_And_Names(pages, record);
    Save_Short_Items(pages, record, Generation::V11);
    Save_Cabin_Slots(pages, record, V8_Cabin_Number);
    record.Set(V8_Reserved_18480, 0);
    record.Set(V8_Reserved_18486, 0);
    record.Set(V8_Modified, 0);
    Save_Number_Items(pages, record, Generation::V11, Item_Step::Item_45);
    Save_Number_Items(pages, record, Generation::V11, Item_Step::Item_49);

    Write_Items_61_62(pages, record);
    Write_PSID_Table(record, sat_ges::List_Lines(pages.General().Control_78));
    record.Set_Raw(V11_Reserved_Text, QByteArray(2, '\0'));
    record.Set_Raw(V8_Spare, QByteArray(V11_SPARE_LENGTH, '\0'));
    record.Set(V8_Revision, core::Versions().User_Current.Record_Revision);
}

} // namespace

void Update_Data_V11(Page_Set& pages)
{
    // Written into a copy, so that a field that cannot be stored leaves the
    // record as it was.
    core::Record record = User_Record_V11();
    Write_Record(pages, record);
    User_Record_V11().Set_Bytes(record.Bytes());
}

} // namespace User_Mod
