#include "editor/user_partition/user_item_61.h"

#include "editor/core/conversion_report.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_record_v11.h"
#include "editor/user_partition/user_record_v14_layout.h"
#include "editor/user_partition/user_v11_items.h"
#include "editor/user_partition/user_v14_convert.h"
#include "editor/user_partition/user_v8_lists.h"

#include <QComboBox>

#include <vector>

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

void Write_Flags(core::Record& record, Item_Coding coding, int index)
{
    switch (coding) {
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

// The flag bytes that carry the list index, as stored.
std::vector<std::int64_t> Coded_Bytes(const core::Record& record, Item_Coding coding)
{
    switch (coding) {
    case Item_Coding::Item_61_V8:
        return {record.Get(V8_Item_61_A, 0), record.Get(V8_Item_61_A, 2), record.Get(V8_Item_61_B, 0)};
    case Item_Coding::Item_61_V11:
        return {record.Get(V8_Item_61_A, V11_ITEM_61_A), record.Get(V8_Item_61_A, V11_ITEM_61_B)};
    default:
        return {record.Get(V14_ITEM_61_A, 0), record.Get(V14_ITEM_61_A, 2), record.Get(V14_ITEM_61_B, 0)};
    }
}

int Decoded_Index(const core::Record& record, Item_Coding coding)
{
    switch (coding) {
    case Item_Coding::Item_61_V8: return Item_61_Index(record);
    case Item_Coding::Item_61_V11: return Item_61_Index_V11(record);
    default: return Decode_Item61(Flags_V14(record));
    }
}

// The decoded index when a save writes the flags back as they are stored.
// Flags that no entry writes (a key no order has, a byte other than 0 and
// 1) load as the list's default, with a "***" line.
void Load_Coded(QComboBox* box, const core::Record& record, const User_Item_Row& row, Item_Coding coding)
{
    const int index = Decoded_Index(record, coding);
    core::Record written = record;
    Write_Flags(written, coding, index);
    if (Coded_Bytes(written, coding) == Coded_Bytes(record, coding)) {
        box->setCurrentIndex(index);
        return;
    }
    int value = -1;
    core::Report_List_Change(box, value, QString::fromLatin1(row.Report_Label));
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
    if (place.Coding == Item_Coding::Item_61_V5)
        box->setCurrentIndex(Item_61_Index_Of_Code_V5(Item_61_Code_V5(record)));
    else
        Load_Coded(box, record, row, place.Coding);
}

void Save_Item_61(Page_Set& pages, core::Record& record, const User_Item_Row& row, const Item_Place& place)
{
    Write_Flags(record, place.Coding, row.List(pages)->currentIndex());
}

} // namespace User_Mod
