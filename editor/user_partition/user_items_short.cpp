#include "editor/user_partition/user_items_short.h"

#include "editor/core/conversion_report.h"
#include "editor/core/text_helpers.h"
#include "editor/user_partition/user_item_rows.h"
#include "editor/user_partition/user_v8_fields.h"
#include "editor/user_partition/user_v8_lists.h"
#include "editor/user_partition/user_v8_load_steps.h"

#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace User_Mod {

namespace {

bool In_HSD_Block(Item_Step step)
{
    return step == Item_Step::Item_65 || step == Item_Step::Item_69 || step == Item_Step::Items_70_71
           || step == Item_Step::Item_77a || step == Item_Step::Addresses || step == Item_Step::Item_68;
}

void Load_List(Page_Set& pages, const core::Record& record, const User_Item_Row& row,
               const Item_Place& place, int airframer_level)
{
    QComboBox* combo = row.List(pages);
    if (place.Coding == Item_Coding::Checked_Index) {
        Load_Checked_Index(combo, record.Get(place.Field, place.Element), QString::fromLatin1(row.Report_Label));
        return;
    }
    if (row.Report_Label) {
        std::optional<int> forced;
        if (place.When == Item_When::Fixed_Above_Airframer_0 && airframer_level > 0)
            forced = 0;
        Report_Stored_Index(combo, record, place.Field, place.Element,
                            QString::fromLatin1(row.Report_Label), forced);
        return;
    }
    Set_Stored_Index(combo, Decode_Item_Index(place.Coding, record.Get(place.Field, place.Element)),
                     record.Field(place.Field).name);
}

void Load_Text(Page_Set& pages, core::Record& record, const User_Item_Row& row, const Item_Place& place)
{
    QLineEdit* box = row.Text(pages);
    if (!box)
        return;
    QString text = record.Get_Text(place.Field, place.Element);
    core::Report_Text_Change(box, text, QString::fromLatin1(row.Report_Label), row.Char_Set);
    Store_Padded(record, place.Field, text, place.Element);
}

void Save_Text(core::Record& record, const QString& text, const Item_Place& place)
{
    const int width = record.Field(place.Field).width;
    switch (place.Coding) {
    case Item_Coding::Blank_Padded:
        record.Set_Text(place.Field, text.left(width).leftJustified(width), place.Element);
        break;
    case Item_Coding::Raw_Text:
        record.Set_Text(place.Field, text, place.Element);
        break;
    default:
        record.Set_Text(place.Field, core::Make_Fixed_String(text, width - 1), place.Element);
        break;
    }
}

} // namespace

void Load_Short_Items(Page_Set& pages, core::Record& record, Generation generation, Item_Step step,
                      int airframer_level, int element)
{
    Walk_Step_Rows(generation, step, element, [&](const User_Item_Row& row, const Item_Place& place) {
        if (!Item_Read_At(place.When, airframer_level))
            return;
        if (Load_Common_Row(pages, record, row, place))
            return;
        if (row.List)
            Load_List(pages, record, row, place, airframer_level);
        else
            Load_Text(pages, record, row, place);
    });
}

void Load_Short_Steps(Page_Set& pages, core::Record& record, Generation generation, int airframer_level,
                      std::span<const Item_Step> steps)
{
    for (const Item_Step step : steps)
        Load_Short_Items(pages, record, generation, step, airframer_level);
}

void Save_Short_Items(Page_Set& pages, core::Record& record, Generation generation, Item_Step step)
{
    for (const User_Item_Row& row : User_Items()) {
        const Item_Place& place = row.At(generation);
        if (!place.Held() || row.Number || Is_Number_Coding(place.Coding))
            continue;
        // Item 61 is saved at a point of its own.
        if (step == Item_Step::None ? In_HSD_Block(place.Step) || place.Step == Item_Step::Item_61
                                    : place.Step != step)
            continue;
        if (Save_Choice_Row(pages, record, row, place))
            continue;
        if (row.List) {
            Put_Number(record, place.Field,
                       Encode_Item_Index(place.Coding, row.List(pages)->currentIndex()), place.Element);
        } else {
            const QLineEdit* box = row.Text(pages);
            Save_Text(record, box ? box->text() : QString(), place);
        }
    }
}

} // namespace User_Mod
