#include "editor/user_partition/user_item_rows.h"

#include "editor/user_partition/user_item_61.h"
#include "editor/user_partition/user_item_numbers.h"

#include <QRadioButton>

namespace User_Mod {

namespace {

// 1 checks the second option; any other value the first, which is saved as
// 0: a "***" line tells.
void Load_Option(const User_Item_Row& row, Page_Set& pages, std::int64_t stored)
{
    const int option = Report_Kept(stored, stored == 1 ? 1 : 0, QString::fromLatin1(row.Report_Label), 0);
    row.Option(pages, option)->setChecked(true);
}

} // namespace

bool Load_Common_Row(Page_Set& pages, const core::Record& record, const User_Item_Row& row,
                     const Item_Place& place)
{
    if (Is_Item_61_Coding(place.Coding))
        Load_Item_61(pages, record, row, place);
    else if (row.Option)
        Load_Option(row, pages, record.Get(place.Field, place.Element));
    else if (row.Number || (row.Text && Is_Number_Coding(place.Coding)))
        Load_Number_Row(pages, record, row, place);
    else
        return false;
    return true;
}

bool Save_Choice_Row(Page_Set& pages, core::Record& record, const User_Item_Row& row, const Item_Place& place)
{
    if (Is_Item_61_Coding(place.Coding))
        Save_Item_61(pages, record, row, place);
    else if (row.Option)
        record.Set(place.Field, row.Option(pages, 1)->isChecked() ? 1 : 0, place.Element);
    else
        return false;
    return true;
}

} // namespace User_Mod
