// Load direction of the generation-5 user record: User_Record_V5 into the
// page controls, with the checks and conversion-report lines of each item.
// Items the record does not hold keep what the controls held (the factory
// defaults during a conversion).

#include "editor/core/char_sets.h"
#include "editor/core/conversion_report.h"
#include "editor/core/ort_types.h"
#include "editor/core/text_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_item_numbers.h"
#include "editor/user_partition/user_items_short.h"
#include "editor/user_partition/user_record_v5.h"
#include "editor/user_partition/user_record_v8.h"
#include "editor/user_partition/user_tables.h"
#include "editor/user_partition/user_v11_controls.h"
#include "editor/user_partition/user_v11_items.h"
#include "editor/user_partition/user_v8_lists.h"
#include "editor/user_partition/user_v8_load_steps.h"

#include <QComboBox>
#include <QLineEdit>

namespace User_Mod {

namespace {

// A text field of the record cleaned with its character set and stored back
// blank-padded, as the control shows it.
void Store_Cleaned(core::Record& record, int id, int index, int char_set)
{
    QString text = core::Strip_At_Null(record.Get_Text(id, index)).trimmed();
    Store_Padded(record, id, core::Clean_Text(text, core::Char_Sets(char_set)), index);
}

// Generation 5 keeps the cleaned texts of its text rows (items 34, 25 and
// 33, when the page set has its box) and of the cabin numbers, not the
// texts as they were before cleaning.
void Store_Cleaned_Texts(Page_Set& pages, core::Record& record)
{
    for (const User_Item_Row& row : User_Items()) {
        const Item_Place& place = row.At(Generation::V5);
        if (row.Text && place.Held() && !Is_Number_Coding(place.Coding) && Item_Widget(row, pages))
            Store_Cleaned(record, place.Field, place.Element, row.Char_Set);
    }
    for (int sdu = 0; sdu < 2; ++sdu)
        for (int position = 1; position < 10; ++position)
            for (int channel = 0; channel < 2; ++channel)
                Store_Cleaned(record, V8_Cabin_Number, sdu * 20 + 2 * position + channel,
                              core::Chars::Signed_Digits);
}

} // namespace

void Update_GUI_V5(Page_Set& pages)
{
    core::Record& record = User_Record_V5();
    const int airframer_level = core::Versions().User_Current.Airframer_Level;

    const auto items = [&](Item_Step step) {
        Load_Short_Items(pages, record, Generation::V5, step, airframer_level);
    };

    Load_Short_Steps(pages, record, Generation::V5, airframer_level, SHORT_HEAD_STEPS);
    items(Item_Step::Item_61);
    Load_Short_Steps(pages, record, Generation::V5, airframer_level, SHORT_VOICE_STEPS);
    Load_Item_45(pages, record, Generation::V5, airframer_level);
    if (record.Get(V8_Constant_1) > 0)
        items(Item_Step::Item_62);

    Replace_Lines(pages.Sat_GES().Control_02, Read_GES_Lines(record));
    Replace_Lines(pages.Sat_GES().Control_03, Read_Sat_Lines_V5(record));
    Load_Cabin_Numbers(pages, record, Generation::V5);
    Load_Directory(pages.Cockpit_Numbers(), record, airframer_level, Directory_Short());
    Load_Description_And_Flag(pages, record, Generation::V5);
    Store_Cleaned_Texts(pages, record);
}

} // namespace User_Mod
