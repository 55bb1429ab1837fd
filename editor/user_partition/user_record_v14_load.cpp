// Load direction of the generation-14 user record: record -> page controls,
// with conversion-report lines.

#include "editor/core/conversion_report.h"
#include "editor/core/ort_types.h"
#include "editor/core/text_helpers.h"
#include "editor/core/value_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/psid_row.h"
#include "editor/pages_tables/sat_row.h"
#include "editor/user_partition/user_item_rows.h"
#include "editor/user_partition/user_item_numbers.h"
#include "editor/user_partition/user_items.h"
#include "editor/user_partition/user_record_v14.h"
#include "editor/user_partition/user_record_v14_layout.h"
#include "editor/user_partition/user_tables.h"
#include "editor/user_partition/user_v14_controls.h"
#include "editor/user_partition/user_v14_convert.h"
#include "editor/user_partition/user_v8_lists.h"
#include "editor/user_partition/user_v8_load_steps.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <vector>

namespace User_Mod {

namespace {

using core::Record;

QString Name_Of(const Record& rec, int field)
{
    return QString::fromLatin1(rec.Field(field).name);
}

// Puts a stored list index into a combo box that must hold it (-1 clears the
// selection); any other value refuses the load.
void Set_List_Index(QComboBox* box, std::int64_t value, const QString& what)
{
    if (value < -1 || value >= box->count())
        throw Record_Value_Error(ERROR_INVALID_VALUE, what);
    box->setCurrentIndex(static_cast<int>(value));
}

constexpr int RADIX_DECIMAL = 0;
constexpr int RADIX_OCTAL = 1;
constexpr int RADIX_HEX = 2;

// A satellite name as its line keeps it and a save writes it: the line
// holds no blank (it is split at blanks) and five characters, and a save
// writes dashes for no name.
QString Kept_Sat_Name(const QString& name)
{
    modSat_Table_Dialog::Sat_Row probe;
    probe.Name = name;
    const QString kept =
        name.isEmpty() ? QString() : modSat_Table_Dialog::Parse_Sat_Line(modSat_Table_Dialog::Get_Sat_Row(probe)).Name;
    return core::Strip_At_Null(core::Make_Phone_Field(kept, 6));
}

// A table count that must lie in 0..capacity before the table is read.
int Checked_Count(const Record& rec, int field, int capacity)
{
    const std::int64_t count = rec.Get(field);
    if (count < 0 || count > capacity)
        throw Record_Value_Error(ERROR_SUBSCRIPT, Name_Of(rec, field));
    return static_cast<int>(count);
}

class V14_Loader {
public:
    V14_Loader(Page_Set& pages, Record& rec)
        : pages_(pages), rec_(rec),
          airframer_(core::Versions().User_Current.Airframer_Level),
          loaded_revision_(core::Versions().User_Loaded.Record_Revision)
    {
    }

    void Run();

private:
    void Rows(Item_Step step, int element = -1);
    void List(const User_Item_Row& row, const Item_Place& place);
    void Numbered_List(const User_Item_Row& row, const Item_Place& place);
    void Text(const User_Item_Row& row, const Item_Place& place);
    void PSID();
    void HSD_Values();
    void LES(QListWidget* list, const LES_Fields& fields);
    void Per_SDU();
    void GES();
    void Satellites();
    void Satellite_Details();
    void Cabin_Numbers();
    void Directory();

    Page_Set& pages_;
    Record& rec_;
    int airframer_;
    int loaded_revision_;
    // The satellite IDs as stored, one for each line of the satellite list:
    // a service entry names its satellite by the stored ID.
    QList<std::int64_t> stored_sat_ids_;
};

// The rows of the item table that this generation sets at the step (of
// one SDU when element is 0 or 1), in table order.
void V14_Loader::Rows(Item_Step step, int element)
{
    Walk_Step_Rows(Generation::V14, step, element, [&](const User_Item_Row& row, const Item_Place& place) {
        if (!Item_Read_At(place.When, airframer_))
            return;
        if (Load_Common_Row(pages_, rec_, row, place))
            return;
        if (row.List)
            List(row, place);
        else
            Text(row, place);
    });
}

void V14_Loader::List(const User_Item_Row& row, const Item_Place& place)
{
    if (place.Coding == Item_Coding::Numbered_Index) {
        Numbered_List(row, place);
        return;
    }
    QComboBox* box = row.List(pages_);
    const std::int64_t stored =
        Decode_Item_Index(place.Coding, static_cast<int>(rec_.Get(place.Field, place.Element)));
    if (place.Coding == Item_Coding::Checked_Index) {
        Load_Checked_Index(box, stored, QString::fromLatin1(row.Report_Label));
        return;
    }
    if (row.Report_Label) {
        int value = static_cast<int>(stored);
        core::Report_List_Change(box, value, QString::fromLatin1(row.Report_Label));
    } else {
        Set_List_Index(box, stored, Name_Of(rec_, place.Field));
    }
}

// The element number stored beside the index names the row that takes it:
// one of the rows of the same field, the last of them for a number outside.
void V14_Loader::Numbered_List(const User_Item_Row& row, const Item_Place& place)
{
    // The rows of the field by element number.
    std::vector<QComboBox*> boxes;
    for (const User_Item_Row& other : User_Items()) {
        const Item_Place& at = other.At(Generation::V14);
        if (at.Field != place.Field)
            continue;
        boxes.resize(std::max(boxes.size(), static_cast<std::size_t>(at.Element) + 1));
        At(boxes, at.Element) = other.List(pages_);
    }
    const int highest = static_cast<int>(boxes.size()) - 1;
    std::int32_t j = static_cast<std::int32_t>(rec_.Get(place.Field - 1, place.Element));
    core::Report_Number_Change(j, QString::fromLatin1(row.Report_Label), 0, highest, highest, RADIX_DECIMAL);
    Set_List_Index(At(boxes, j), rec_.Get(place.Field, place.Element), Name_Of(rec_, place.Field));
}

void V14_Loader::Text(const User_Item_Row& row, const Item_Place& place)
{
    QString text = rec_.Get_Text(place.Field, place.Element);
    core::Char_Set char_set = core::Char_Sets(row.Char_Set);
    if (row.Extra_Allowed)
        char_set.Allowed += QString::fromLatin1(row.Extra_Allowed);
    QLineEdit* box = row.Text(pages_);
    const QString label = QString::fromLatin1(row.Report_Label);
    // A field shorter than the stored text keeps its first characters.
    const QString kept = core::Report_Text_Change(box, text, label, char_set);
    rec_.Set_Text(place.Field, Blank_Padded(kept, rec_.Field(place.Field).width), place.Element);
}

void V14_Loader::PSID()
{
    QListWidget* list = pages_.General().Control_78;
    for (const pages::PSID_Values& values : Read_PSID_Entries(rec_, PSID_V14()))
        list->addItem(pages::Format_PSID_Row(values));
}

void V14_Loader::HSD_Values()
{
    Rows(Item_Step::Item_62);
    Rows(Item_Step::Item_64);
    Rows(Item_Step::Item_65);
}

// The checked count goes back into the record.
void V14_Loader::LES(QListWidget* list, const LES_Fields& fields)
{
    const QStringList lines = Read_LES_Lines(rec_, fields);
    rec_.Set(fields.Count, lines.size());
    Replace_Lines(list, lines);
}

void V14_Loader::Per_SDU()
{
    for (int s = 0; s < 2; ++s) {
        Rows(Item_Step::SDU_First, s);
        Rows(Item_Step::SDU_Text, s);
        Rows(Item_Step::SDU_Last, s);
    }
}

void V14_Loader::GES()
{
    QListWidget* list = pages_.Sat_GES().Control_02;
    list->clear();
    const int count = Checked_Count(rec_, V14_GES_COUNT, V14_GES_ENTRIES);
    const GES_Fields fields = GES_Fields_V14();
    for (int i = 0; i < count; ++i)
        list->addItem(Read_GES_Line(rec_, fields, i));
}

void V14_Loader::Satellites()
{
    QListWidget* list = pages_.Sat_GES().Control_03;
    list->clear();
    stored_sat_ids_.clear();
    const int count = Checked_Count(rec_, V14_SAT_COUNT, V14_SAT_ENTRIES);
    modSat_Table_Dialog::Sat_Row& row = modSat_Table_Dialog::Edit_Sat_Row();
    for (int i = 0; i < count; ++i) {
        const std::int64_t stored_id = rec_.Get(V14_SAT_ID, i);
        row.Sat_ID = static_cast<std::int16_t>(Checked_Sat_ID(stored_id, "iii"));
        row.Name = Read_Sat_Name(rec_, V14_SAT_NAME, i, Kept_Sat_Name);
        const std::int64_t stored_pref = rec_.Get(V14_SAT_PREF_VALUE, i);
        row.Pref = static_cast<std::int16_t>(stored_pref);
        row.Services = 0;
        row.Longitude = 0.0F;
        const QString line = modSat_Table_Dialog::Get_Sat_Row();
        // The preference entry is saved from the line: its Sat ID copies the
        // line's, and the line's column holds 0 or 1. A copy that agrees with
        // the stored ID follows that ID's own report line.
        const modSat_Table_Dialog::Sat_Row kept = modSat_Table_Dialog::Parse_Sat_Line(line);
        Report_Kept(stored_pref, kept.Pref, QStringLiteral("xci"), RADIX_DECIMAL);
        const std::int64_t stored_copy = rec_.Get(V14_SAT_PREF_ID, i);
        if (stored_copy != stored_id)
            Report_Kept(stored_copy, kept.Sat_ID, QStringLiteral("xci-SAT ID"), RADIX_OCTAL);
        list->addItem(line);
        stored_sat_ids_.append(stored_id);
    }
    // The second copy of the count is saved as the first.
    Report_Kept(rec_.Get(V14_SAT_COUNT_2), count, QStringLiteral("iii-Size"), RADIX_DECIMAL);
}

// Each service entry completes the line of its satellite, the first whose
// stored ID it names (so a satellite whose ID loaded as 0 keeps its
// services). A save writes each entry back from its line: the services the
// line knows, the longitude as its code of -180 to 180 degrees, and no
// entry at all for a line without services. What the line does not keep of
// an entry is reported: bits of no service, a longitude code outside the
// range, the longitude of an entry without services, and a whole entry when
// its satellite has no line or a later entry replaces it.
void V14_Loader::Satellite_Details()
{
    QListWidget* list = pages_.Sat_GES().Control_03;
    const int count = Checked_Count(rec_, V14_SERVICE_COUNT, V14_SAT_ENTRIES);
    modSat_Table_Dialog::Sat_Row& row = modSat_Table_Dialog::Edit_Sat_Row();
    QList<bool> completed(list->count(), false);
    const QString dropped = QStringLiteral("xcv-SAT ID");
    for (int k = 0; k < count; ++k) {
        const std::int64_t sat = rec_.Get(V14_SERVICE_SAT_ID, k);
        const std::int64_t mask = rec_.Get(V14_SERVICE_MASK, k);
        const std::int64_t code = rec_.Get(V14_SERVICE_LONGITUDE, k);
        bool placed = false;
        for (int i = 0; i < list->count() && i < stored_sat_ids_.size(); ++i) {
            modSat_Table_Dialog::Set_Sat_Row(list->item(i)->text());
            if (stored_sat_ids_[i] != sat)
                continue;
            if (completed[i])
                Report_Kept(sat, FILL_SAT_ID, dropped, RADIX_OCTAL);
            completed[i] = true;
            row.Services = static_cast<std::int16_t>(mask);
            row.Longitude = static_cast<float>(Longitude_From_Code(static_cast<std::uint16_t>(code)));
            const modSat_Table_Dialog::Sat_Row kept =
                modSat_Table_Dialog::Parse_Sat_Line(modSat_Table_Dialog::Get_Sat_Row());
            Report_Kept(mask, kept.Services, QStringLiteral("xcv-Services Offered"), RADIX_HEX);
            const std::int32_t kept_code = kept.Services == 0 ? 0 : Longitude_Code(kept.Longitude);
            Report_Kept(code, kept_code, QStringLiteral("xcv-Sat Longitude"), RADIX_HEX);
            if (kept.Services == 0)
                row.Longitude = 0.0F;
            list->item(i)->setText(modSat_Table_Dialog::Get_Sat_Row());
            placed = true;
            break;
        }
        if (!placed)
            Report_Kept(sat, FILL_SAT_ID, dropped, RADIX_OCTAL);
    }
}

void V14_Loader::Cabin_Numbers()
{
    Rows(Item_Step::Item_26);
    Load_Cabin_Slots(pages_, rec_, V14_CABIN_NUMBER);
    Enable_Channels_B(pages_, rec_, V14_ITEM_26);
}

void V14_Loader::Directory()
{
    Load_Directory(pages_.Cockpit_Numbers(), rec_, airframer_, Directory_V14());
}

void V14_Loader::Run()
{
    Rows(Item_Step::Item_4);
    Rows(Item_Step::Item_34);
    Rows(Item_Step::Items_40_58);
    PSID();
    Rows(Item_Step::Item_61);
    Rows(Item_Step::Voice);
    Rows(Item_Step::Item_63);
    Rows(Item_Step::Item_49);
    Rows(Item_Step::Cabin);
    Rows(Item_Step::Item_25);
    Rows(Item_Step::Item_45);
    HSD_Values();
    Rows(Item_Step::Addresses);
    Rows(Item_Step::Item_68);
    Rows(Item_Step::Item_69);
    Rows(Item_Step::Items_70_71);
    Rows(Item_Step::Item_77a);

    LES(pages_.HSD_S64().Control_67, MPDS_Fields_V14());
    LES(pages_.HSD_S64().Control_66, MISDN_Fields_V14());
    Rows(Item_Step::Item_80);
    Per_SDU();
    Rows(Item_Step::Items_84_88);
    Rows(Item_Step::Item_92);
    Rows(Item_Step::Items_93_97);
    Rows(Item_Step::Items_99_101);
    Rows(Item_Step::Item_108);

    GES();
    Satellites();
    Satellite_Details();
    Cabin_Numbers();
    Directory();
    Rows(Item_Step::Items_33_86);
    pages_.Main.Label_User_Modified->setVisible(rec_.Get(V14_MODIFIED_FLAG) != 0);
    // Only a record of revision 1 carries the PIM/BIT items.
    if (loaded_revision_ == 1)
        Rows(Item_Step::PIMBIT);
}

} // namespace

void Update_GUI_V14(Page_Set& pages)
{
    Record rec = User_Record_V14();
    V14_Loader loader(pages, rec);
    // Cleaned texts and checked counts go back into the record even when a
    // later field refuses the load.
    struct Write_Back {
        Record& rec;
        ~Write_Back() { User_Record_V14() = rec; }
    } write_back{rec};
    loader.Run();
}

} // namespace User_Mod
