// The load direction: the secured record that was read from a file into the
// page controls, with conversion-report lines for the values it changes.
#include "editor/secured_partition/kept_masks.h"
#include "editor/secured_partition/secured_controls.h"
#include "editor/secured_partition/secured_items.h"
#include "editor/secured_partition/secured_mod.h"

#include "editor/core/conversion_report.h"
#include "editor/core/failure_mask.h"
#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/core/secured_record.h"
#include "editor/core/value_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/pages_tables/transit_ges_cell.h"
#include "platform/message_service.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace Secured_Mod {

namespace {

using core::Record;
using namespace core::secured;

// A stored list index the list does not offer is refused (out_of_range).
void Load_List(const Record& record, const Item_Row& row, const Page_Set& pages)
{
    const std::int64_t value = record.Get(row.field, row.index);
    const core::List_Control list(Control_Of<QComboBox>(row, pages));
    if (value < -1 || value >= list.Count())
        throw std::out_of_range("Item " + std::string(row.label) + ": list index " +
                                std::to_string(value) + " not in the list");
    list.Set_Index(static_cast<int>(value));
}

// A stored number outside the range the save direction accepts becomes the
// default, with a report line.
std::int32_t Checked_Number(const Record& record, const Item_Row& row)
{
    std::int32_t value = static_cast<std::int32_t>(record.Get(row.field, row.index));
    const core::Item_Fact& fact = Fact_Of(row);
    const core::Stored_Range range = core::Stored(fact);
    return core::Report_Number_Change(value, Label_Of(row), range.Minimum, range.Maximum,
                                      range.Default, core::Report_Radix(fact));
}

// The entries carry the values the record stores (the save direction stores
// the selected entry's value); the field is 32 bits wide.
void Load_Priority(const Record& record, const Item_Row& row, const Page_Set& pages)
{
    QComboBox* box = Control_Of<QComboBox>(row, pages);
    const int index = box->findData(static_cast<int>(record.Get(row.field, row.index)));
    if (index >= 0) {
        box->setCurrentIndex(index);
        return;
    }
    platform::Msg_Box(QStringLiteral("Item 44"), platform::MsgButtons::Ok,
                      platform::MsgIcon::Critical, QStringLiteral("Invalid ORT Value"));
}

// The report entry of a kept mask: its SRU code is out of the range a line
// can show, and it stays as it was.
void Report_Kept_SRU(const QString& label, const QString& code)
{
    core::Conversion_Report* const report = core::Conversion_Report::Current();
    if (report == nullptr)
        return;
    const QString prefix = QStringLiteral("Item ") + label + QStringLiteral(" - ");
    report->Print(QStringLiteral("*** ") + prefix + QStringLiteral("Value out of range, was: ") + code +
                  QStringLiteral("\r\n    ") + QString(prefix.size(), u' ') +
                  QStringLiteral("         Kept unchanged: ") + code);
}

// Used slots in slot order; the list is emptied first, so a conversion of an
// open ORT lists every stored mask exactly once. A line has no character for
// an SRU code above 35: such a mask is kept as the file held it
// (kept_masks.h), with a report line.
void Load_Failure_Masks(const Record& record, const Item_Row& row, const Page_Set& pages)
{
    QListWidget* list = Control_Of<QListWidget>(row, pages);
    list->clear();
    const core::Item_Fact& sru_fact = core::Fact(core::Item_Fact_Id::SRU_Code);
    const core::Stored_Range sru_range = core::Stored(sru_fact);
    const QString sru_label = Label_Of(row) + QStringLiteral("-SRU Code");
    for (int slot = 0; slot < FAILURE_MASK_SLOTS; ++slot) {
        const auto word = static_cast<std::uint32_t>(record.Get(Item38, slot));
        if (core::Failure_Mask_Type(word) == 0)
            continue;
        const int sru = core::Failure_Mask_SRU(word);
        if (sru >= sru_range.Minimum && sru <= sru_range.Maximum) {
            list->addItem(core::Failure_Entry_To_Text(word));
            continue;
        }
        Report_Kept_SRU(sru_label, core::Format_Radix(sru, core::Report_Radix(sru_fact)));
        Add_Kept_Mask(list, word);
    }
}

void Load_Transit(const Record& record, const Page_Set& pages)
{
    const Page_Transit_GES& page = pages.Transit_GES();
    for (int cell = 0; cell < TRANSIT_CELLS; ++cell) {
        const auto value = static_cast<int>(record.Get(Item41, cell));
        Require(page.Control_41[static_cast<std::size_t>(cell)], "Control_41")
            ->setText(transit::Transit_GES_Cell(static_cast<std::int16_t>(value)));
    }
}

void Load_Row(const Record& record, const Item_Row& row, const Page_Set& pages)
{
    switch (row.kind) {
    case Kind::List:
        Load_List(record, row, pages);
        break;
    case Kind::Number:
        Control_Of<QLineEdit>(row, pages)->setText(QString::number(Checked_Number(record, row)));
        break;
    case Kind::Tenths: {
        const core::Item_Fact& fact = Fact_Of(row);
        Control_Of<QLineEdit>(row, pages)
            ->setText(core::Value_Text(fact, Checked_Number(record, row) * fact.Step));
        break;
    }
    case Kind::Text: {
        QString text = record.Get_Text(row.field, row.index);
        core::Report_Text_Change(Control_Of<QLineEdit>(row, pages), text, Label_Of(row),
                                 row.char_set);
        break;
    }
    case Kind::Priority:
        Load_Priority(record, row, pages);
        break;
    case Kind::Failure_Masks:
        Load_Failure_Masks(record, row, pages);
        break;
    case Kind::Transit:
        Load_Transit(record, pages);
        break;
    }
}

void Load_Group(const Record& record, Group group, const Page_Set& pages)
{
    for (const Item_Row& row : Items())
        if (row.group == group)
            Load_Row(record, row, pages);
}

// Generations 1 and 3 carry items 6 and 27 in their zones; the target's
// Feature_Level decides whether those or items 59 and 60 are read.
void Load_Generation(Page_Set& pages, const Record& record, bool codec_generation,
                     bool part_number_generation)
{
    const core::ORT_Version_Info& current = core::Versions().Secured_Current;
    if (codec_generation) {
        Load_Group(record, current.Feature_Level == 0 ? Group::Codec_RFU : Group::Audio_Aero, pages);
        Load_Group(record, Group::Always, pages);
    } else {
        Load_Group(record, Group::Always, pages);
        Load_Group(record, Group::Audio_Aero, pages);
    }
    Load_Group(record, Group::Masks, pages);
    if (current.Airframer_Level == 0)
        Load_Group(record, Group::Standard, pages);
    if (current.Airframer_Level < 2) {
        Load_Group(record, Group::Editable, pages);
        if (part_number_generation)
            Load_Group(record, Group::Part_Number, pages);
    }
    Require(pages.Main.Label_Secure_Modified, "Label_Secure_Modified")
        ->setVisible(record.Get(Modified_Flag) != 0);
}

} // namespace

void Update_GUI(Page_Set& pages)
{
    const std::int32_t type = core::Versions().Secured_Loaded.ORT_Type;
    switch (type) {
    case 4: case 6: Load_Generation(pages, Records().V4, true, false); break;
    case 7: case 9: Load_Generation(pages, Records().V7, false, false); break;
    case 10: case 12: Load_Generation(pages, Records().V10, true, false); break;
    case 13: case 15: Load_Generation(pages, Records().V13, false, true); break;
    case 5: case 8: case 11: case 14:
        platform::Msg_Box(QString::fromLatin1(DEFAULT_VALUES_WARNING));
        break;
    default:
        platform::Msg_Box(QStringLiteral("Secure Update_GUI: Unsupported version: ") +
                          QString::number(type));
        break;
    }
}

} // namespace Secured_Mod
