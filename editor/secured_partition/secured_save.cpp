// The save direction: page controls into the record of the current secured
// generation.
#include "editor/secured_partition/kept_masks.h"
#include "editor/secured_partition/secured_controls.h"
#include "editor/secured_partition/secured_items.h"
#include "editor/secured_partition/secured_mod.h"

#include "editor/core/char_sets.h"
#include "editor/core/failure_mask.h"
#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/core/secured_record.h"
#include "editor/core/value_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/page_frame.h"
#include "editor/pages_tables/transit_ges_cell.h"
#include "platform/message_service.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace Secured_Mod {

namespace {

using core::Record;
using namespace core::secured;

// The hidden value kept with item 59.
constexpr core::Stored_Range COMPANION = core::Stored(core::Fact(core::Item_Fact_Id::Item_59_Companion));

bool Has_Field(core::Layout layout, Field field)
{
    return std::any_of(layout.begin(), layout.end(),
                       [field](const core::Field_Def& def) { return def.id == field; });
}

std::int64_t List_Index(const Record& record, const Item_Row& row, const Page_Set& pages)
{
    const int index = Control_Of<QComboBox>(row, pages)->currentIndex();
    if (record.Field(row.field).width == 1 && (index < 0 || index > 255))
        throw Secured_Data_Error(QStringLiteral("Item ") + Label_Of(row) +
                                 QStringLiteral(": no entry selected"));
    return index; // -1 (no selection) is stored as all ones
}

// The text as the field stores it: upper case, and only characters of the
// item's set (others become blanks when the set allows blanks, else they
// are left out), so nothing outside ASCII ever reaches the record.
QString Record_Text(const Record& record, const Item_Row& row, const QString& text)
{
    const core::Char_Set& set = core::Char_Sets(row.char_set);
    const bool blank_fills = set.Allowed.startsWith(QLatin1Char(' '));
    QString result;
    for (const QChar c : core::Upper_Text(text)) {
        if (set.Admits(c))
            result += c;
        else if (blank_fills)
            result += QLatin1Char(' ');
    }
    if (result.size() > record.Field(row.field).width - 1)
        throw Secured_Data_Error(QStringLiteral("Item ") + Label_Of(row) +
                                 QStringLiteral(": text longer than its field"));
    return result;
}

void Store_Failure_Masks(Record& record, const Item_Row& row, const Page_Set& pages)
{
    const QListWidget* list = Control_Of<QListWidget>(row, pages);
    for (int slot = 0; slot < FAILURE_MASK_SLOTS; ++slot) {
        const QListWidgetItem* item = slot < list->count() ? list->item(slot) : nullptr;
        record.Set(Item38, item == nullptr || item->text().isEmpty() ? 0 : Stored_Mask_Word(item), slot);
    }
}

// A transit cell's caption: one to three octal digits of a GES ID.
std::uint8_t Transit_Byte(const QString& caption, int cell)
{
    constexpr core::Stored_Range GES_ID = core::Stored(core::Fact(core::Item_Fact_Id::Item_41));
    bool digits = !caption.isEmpty() && caption.size() <= 3;
    for (const QChar c : caption)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('7');
    const int value = digits ? caption.toInt(nullptr, 8) : -1;
    if (!digits || value < GES_ID.Minimum || value > GES_ID.Maximum)
        throw Secured_Data_Error(QStringLiteral("Item xli: cell %1 is not a GES id: ").arg(cell) +
                                 caption);
    return static_cast<std::uint8_t>(value);
}

void Store_Transit(Record& record, const Page_Set& pages)
{
    const Page_Transit_GES& page = pages.Transit_GES();
    for (int cell = 0; cell < TRANSIT_CELLS; ++cell) {
        const QPushButton* button = Require(page.Control_41[static_cast<std::size_t>(cell)], "Control_41");
        record.Set(Item41, Transit_Byte(button->text(), cell), cell);
    }
    for (int cell = TRANSIT_CELLS; cell < TRANSIT_BYTES; ++cell)
        record.Set(Item41, transit::NO_GES, cell);
}

void Store_Row(Record& record, const Item_Row& row, const Page_Set& pages)
{
    switch (row.kind) {
    case Kind::List:
        record.Set(row.field, List_Index(record, row, pages), row.index);
        break;
    case Kind::Number: {
        const core::Stored_Range range = core::Stored(Fact_Of(row));
        record.Set(row.field,
                   core::Range_Default_Long(Control_Of<QLineEdit>(row, pages)->text(), range.Minimum,
                                            range.Maximum, range.Default),
                   row.index);
        break;
    }
    case Kind::Tenths: {
        const core::Item_Fact& fact = Fact_Of(row);
        record.Set(row.field,
                   core::Real_To_Tenths(Control_Of<QLineEdit>(row, pages)->text(), fact.Minimum,
                                        fact.Maximum, core::Stored(fact).Default),
                   row.index);
        break;
    }
    case Kind::Text:
        record.Set_Text(row.field,
                        Record_Text(record, row, Control_Of<QLineEdit>(row, pages)->text()),
                        row.index);
        break;
    case Kind::Priority: {
        const QComboBox* box = Control_Of<QComboBox>(row, pages);
        if (box->currentIndex() < 0)
            throw Secured_Data_Error(QStringLiteral("Item xliv: no priority selected"));
        record.Set(row.field, box->currentData().toInt(), row.index);
        break;
    }
    case Kind::Failure_Masks:
        Store_Failure_Masks(record, row, pages);
        break;
    case Kind::Transit:
        Store_Transit(record, pages);
        break;
    }
}

// Fills a fresh record of the generation and replaces the program-wide one
// only when every field could be stored.
void Fill_Record(Page_Set& pages, std::int32_t version)
{
    const core::ORT_Version_Info& current = core::Versions().Secured_Current;
    const core::Layout layout = Layout_Of_Version(version);
    Record record(layout, Length_Of_Version(version));
    // Generation 3 keeps either the codec and RFU items (level 0) or the
    // audio level and Aero-H items (above 0); the others stay zero.
    const bool generation_3 = version == 10;
    const bool level_0 = current.Feature_Level == 0;

    for (const Item_Row& row : Items()) {
        if (!Has_Field(layout, row.field))
            continue;
        if (generation_3 && row.group == Group::Codec_RFU && !level_0)
            continue;
        if (generation_3 && row.group == Group::Audio_Aero && level_0)
            continue;
        Store_Row(record, row, pages);
    }

    if (generation_3) {
        if (!level_0)
            record.Set(Audio_Level_Companion, COMPANION.Default);
    } else {
        const QLineEdit* level = Require(pages.Cabin().Control_59, "Control_59");
        record.Set(Audio_Level_Companion, core::Range_Default_Long(Tag(level), COMPANION.Minimum,
                                                                   COMPANION.Maximum, COMPANION.Default));
    }
    record.Set(Modified_Flag, 0);
    record.Set(Record_Revision, current.Record_Revision);

    Record_Of_Version(version)->Set_Bytes(record.Bytes());
}

} // namespace

void Update_Data(Page_Set& pages)
{
    const std::int32_t version = core::Versions().Secured_Current.Partition_Version;
    switch (version) {
    case 7:
    case 10:
    case 13: Fill_Record(pages, version); break;
    default:
        platform::Msg_Box(QStringLiteral("Secured Update_Data: Unsupported version: ") +
                          QString::number(version));
        break;
    }
}

} // namespace Secured_Mod
