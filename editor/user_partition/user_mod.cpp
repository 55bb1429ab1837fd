#include "editor/user_partition/user_mod.h"

#include "editor/core/ort_types.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_defaults.h"
#include "editor/user_partition/user_presentation.h"
#include "platform/message_service.h"

namespace User_Mod {

const Generation_Row* Generation_Of_Version(std::int32_t partition_version)
{
    for (const Generation_Row& row : Generations()) {
        if (row.Partition_Version == partition_version)
            return &row;
    }
    return nullptr;
}

const Generation_Row* Generation_Of_Type(std::int32_t ort_type)
{
    for (const Generation_Row& row : Generations()) {
        if (row.Partition_Version == ort_type || row.Partition_Version + 1 == ort_type)
            return &row;
    }
    return nullptr;
}

core::Record* User_Record_For_Type(std::int32_t ort_type)
{
    const Generation_Row* row = Generation_Of_Type(ort_type);
    return row ? &row->Record() : nullptr;
}

QString Unsupported_GUI_Text(std::int32_t ort_type)
{
    return QStringLiteral("User Update_GUI: Unsupported version: ") + QString::number(ort_type);
}

QString Unsupported_Data_Text(std::int32_t partition_version)
{
    return QStringLiteral("User Update_Data: Unsupported version: ")
           + QString::number(partition_version);
}

namespace {

bool Is_Secured_Only_Type(std::int32_t ort_type)
{
    return ort_type == 4 || ort_type == 7 || ort_type == 10 || ort_type == 13;
}

} // namespace

void Update_GUI(Page_Set& pages)
{
    const std::int32_t loaded = core::Versions().User_Loaded.ORT_Type;
    if (Is_Secured_Only_Type(loaded)) {
        platform::Msg_Box(QString::fromLatin1(DEFAULT_VALUES_WARNING));
        return;
    }
    const Generation_Row* row = Generation_Of_Type(loaded);
    if (!row) {
        platform::Msg_Box(Unsupported_GUI_Text(loaded));
        return;
    }
    row->Update_GUI(pages);
}

void Update_Data(Page_Set& pages)
{
    const std::int32_t version = core::Versions().User_Current.Partition_Version;
    const Generation_Row* row = Generation_Of_Version(version);
    if (!row || !row->Update_Data) {
        platform::Msg_Box(Unsupported_Data_Text(version));
        throw Unsupported_Version_Error(version);
    }
    row->Update_Data(pages);
}

namespace {

// The steps that a new and an opened or converted ORT share: the controls
// start from the factory defaults, `load` (when given) puts the loaded
// record into them, and last the enables that follow from the values shown
// are settled.
void Show_User_Items(Page_Set& pages, Update_GUI_Proc load)
{
    Set_Default_Tables();
    Set_Factory_Defaults(pages);
    Set_User_Visibility(pages);
    Set_User_Captions(pages);
    Set_User_Enables(pages);
    if (load)
        load(pages);
    pages.Cabin().Apply_Assignment_Type_Rule();
}

bool Has_User_Partition()
{
    return core::Versions().User_Current.Partition_Version != core::PARTITION_ABSENT;
}

// The record of the current generation, or nullptr.
core::Record* Current_Record()
{
    const Generation_Row* row = Generation_Of_Version(core::Versions().User_Current.Partition_Version);
    return row ? &row->Record() : nullptr;
}

} // namespace

void Set_User_Defaults_New(Page_Set& pages)
{
    if (!Has_User_Partition())
        return;
    // A new ORT owes nothing to a file opened earlier: bytes that the save
    // leaves as the record held start as zeros.
    if (core::Record* record = Current_Record())
        record->Clear();
    Show_User_Items(pages, nullptr);
}

void Convert_User(Page_Set& pages)
{
    if (!Has_User_Partition())
        return;
    // Only a file of the current generation fills the record that the save
    // writes; converted from any other, it starts cleared like a new one.
    core::Record* record = Current_Record();
    if (record && User_Record_For_Type(core::Versions().User_Loaded.ORT_Type) != record)
        record->Clear();
    Show_User_Items(pages, Update_GUI);
    Update_Data(pages);
}

} // namespace User_Mod
