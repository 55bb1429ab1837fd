#include "editor/user_partition/user_item_61.h"

#include "editor/core/conversion_report.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_record_v14_layout.h"
#include "editor/user_partition/user_v11_items.h"
#include "editor/user_partition/user_v14_convert.h"
#include "editor/user_partition/user_v8_lists.h"

#include <QComboBox>

namespace User_Mod {

namespace {

Item61_Flags Flags_V14(const core::Record& record)
{
    Item61_Flags flags;
    flags.A0 = static_cast<std::uint8_t>(record.Get(V14_ITEM_61_A, 0));
    flags.A2 = static_cast<std::uint8_t>(record.Get(V14_ITEM_61_A, 2));
    flags.B0 = static_cast<std::uint8_t>(record.Get(V14_ITEM_61_B, 0));
    return flags;
}

int Key(const Item61_Flags& flags)
{
    return (flags.A2 ? 2 : 0) + (flags.A0 ? 4 : 0) + (flags.B0 ? 1 : 0);
}

// The three flags decode as they are written, so all six orders come back.
// The two keys that no order writes load as the list's catch-all entry,
// which a save writes with another key: that is reported.
void Load_V14(QComboBox* box, const core::Record& record, const User_Item_Row& row)
{
    const Item61_Flags flags = Flags_V14(record);
    const int index = Decode_Item61(flags);
    Item61_Flags written;
    if (Encode_Item61(index, written) && Key(written) == Key(flags)) {
        box->setCurrentIndex(index);
        return;
    }
    int value = -1;
    core::Report_List_Change(box, value, QString::fromLatin1(row.Report_Label), index);
}

} // namespace

bool Is_Item_61_Coding(Item_Coding coding)
{
    switch (coding) {
    case Item_Coding::Item_61_V5:
    case Item_Coding::Item_61_V8:
    case Item_Coding::Item_61_V11:
    case Item_Coding::Item_61_V14: return true;
    default: return false;
    }
}

void Load_Item_61(Page_Set& pages, const core::Record& record, const User_Item_Row& row,
                  const Item_Place& place)
{
    QComboBox* box = row.List(pages);
    switch (place.Coding) {
    case Item_Coding::Item_61_V5:
        box->setCurrentIndex(Item_61_Index_Of_Code_V5(Item_61_Code_V5(record)));
        break;
    case Item_Coding::Item_61_V8: box->setCurrentIndex(Item_61_Index(record)); break;
    case Item_Coding::Item_61_V11: box->setCurrentIndex(Item_61_Index_V11(record)); break;
    default: Load_V14(box, record, row); break;
    }
}

void Save_Item_61(Page_Set& pages, core::Record& record, const User_Item_Row& row, const Item_Place& place)
{
    const int index = row.List(pages)->currentIndex();
    switch (place.Coding) {
    case Item_Coding::Item_61_V8: Write_Item_61(record, index); break;
    case Item_Coding::Item_61_V11: Write_Item_61_V11(record, index); break;
    case Item_Coding::Item_61_V14: {
        // An index outside the six orders leaves the three flags as they were.
        Item61_Flags flags = Flags_V14(record);
        Encode_Item61(index, flags);
        record.Set(V14_ITEM_61_A, flags.A0, 0);
        record.Set(V14_ITEM_61_A, 1, 1);
        record.Set(V14_ITEM_61_A, flags.A2, 2);
        record.Set(V14_ITEM_61_A, 1, 3);
        record.Set(V14_ITEM_61_B, flags.B0, 0);
        record.Set(V14_ITEM_61_B, 1, 1);
        break;
    }
    default: break; // generation 5 is never saved
    }
}

} // namespace User_Mod
