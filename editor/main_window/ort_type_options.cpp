#include "editor/main_window/ort_type_options.h"

#include "editor/core/type_choice.h"

namespace main_window {

namespace {

constexpr const char* DASHES_15 = "---------------";
constexpr const char* SEC_PN = "QZV5EABFSEC0001";
constexpr const char* USR_PN_1 = "QZV5FABFUSR0001";
constexpr const char* USR_PN_2 = "QZV5CABFUSR0002";

constexpr Type_Option OPTIONS[] = {
    {"Option_VRN1100", "VRN-1100", "VRN-1100", {10, 0, 0, 0}, {11, 0, 0, 0}, "", "", 0, Upload_Code::Other},
    {"Option_VRN2200", "VRN-2200", "VRN-2200 All", {10, 0, 0, 0}, {11, 0, 0, 0}, "", "", 1, Upload_Code::Other},
    {"Option_010", "6240118-xx010", "6240118-xx010", {10, 0, 1, 0}, {11, 0, 0, 0}, "", "", 0, Upload_Code::Other},
    {"Option_011", "6240118-xx011", "6240118-xx011", {10, 0, 1, 0}, {11, 0, 1, 0}, "", "", 0, Upload_Code::Other},
    {"Option_012", "6240118-xx012", "6240118-xx012", {7, 0, 1, 0}, {8, 1, 2, 0}, "", "", 0, Upload_Code::Other},
    {"Option_020", "6240118-xx020", "6240118-xx020", {7, 0, 1, 1}, {8, 1, 2, 1}, "", "", 0, Upload_Code::Other},
    {"Option_130", "6240118-xx130", "6240118-xx130", {7, 0, 1, 0}, {8, 2, 3, 0}, "", "", 0, Upload_Code::Other},
    {"Option_135_Y", "6240118-xx135, S/W Mod: Y", "6240118-xx135, S/W Mod: Y", {13, 0, 2, 0}, {14, 0, 4, 0}, DASHES_15, DASHES_15, 0, Upload_Code::Other},
    {"Option_135_AB", "6240118-xx135, S/W Mod: AB", "6240118-xx135, S/W Mod: AB", {13, 0, 2, 0}, {14, 1, 5, 0}, DASHES_15, DASHES_15, 0, Upload_Code::Other},
    {"Option_140", "6240118-xx140", "6240118-xx140", {7, 0, 1, 2}, {8, 2, 3, 2}, "", "", 0, Upload_Code::Other},
    {"Option_145_917", "6240118-xx145 (917)", "6240118-xx145 (917)", {13, 0, 2, 3}, {14, 0, 4, 3}, SEC_PN, USR_PN_1, 0, Upload_Code::Code_145},
    {"Option_145_924", "6240118-xx145 (924 and later)", "6240118-xx145 (924 and later)", {13, 0, 2, 3}, {14, 1, 5, 3}, SEC_PN, USR_PN_2, 0, Upload_Code::Code_145},
    {"Option_150", "6240118-xx150", "6240118-xx150", {13, 0, 2, 4}, {14, 0, 4, 4}, SEC_PN, USR_PN_1, 0, Upload_Code::Code_150},
    {"Option_151", "6240118-xx151", "6240118-xx151", {13, 0, 2, 4}, {14, 1, 5, 4}, SEC_PN, USR_PN_2, 0, Upload_Code::Code_150},
};

core::ORT_Version_Info To_Info(const Partition_Values& values)
{
    core::ORT_Version_Info info;
    info.Partition_Version = values.Partition_Version;
    info.Record_Revision = values.Record_Revision;
    info.Feature_Level = values.Feature_Level;
    info.Airframer_Level = values.Airframer_Level;
    return info;
}

void Copy_Choice_Fields(const core::ORT_Version_Info& from, core::ORT_Version_Info& to)
{
    to.Partition_Version = from.Partition_Version;
    to.Record_Revision = from.Record_Revision;
    to.Feature_Level = from.Feature_Level;
    to.Airframer_Level = from.Airframer_Level;
}

} // namespace

std::span<const Type_Option> Type_Options() { return OPTIONS; }

int Find_Type_Option(const QString& name)
{
    for (std::size_t i = 0; i < std::size(OPTIONS); ++i)
        if (name == QLatin1String(OPTIONS[i].Name))
            return static_cast<int>(i);
    return -1;
}

bool Composite_Never_Shown(const Type_Option& option)
{
    return option.Upload != Upload_Code::Other;
}

Upload_Preset Preset_Upload_Options(Upload_Code code)
{
    switch (code) {
    case Upload_Code::Code_150: return {2, 0};
    case Upload_Code::Code_145: return {3, 1};
    case Upload_Code::Other: break;
    }
    return {4, 0};
}

Type_Choice Make_Type_Choice(const Type_Option& option, int column)
{
    Type_Choice choice;
    choice.Software_Config_Text = QString::fromLatin1(option.Config_Text);
    choice.Secured = To_Info(option.Secured);
    choice.User = To_Info(option.User);
    choice.Stored_Secured_PN = QString::fromLatin1(option.Secured_PN);
    choice.Stored_User_PN = QString::fromLatin1(option.User_PN);
    choice.Model_Index = option.Model_Index;
    choice.Upload = Preset_Upload_Options(option.Upload);
    if (column == COLUMN_SECURED)
        choice.User.Partition_Version = core::PARTITION_ABSENT;
    else if (column == COLUMN_USER)
        choice.Secured.Partition_Version = core::PARTITION_ABSENT;
    return choice;
}

void Apply_Version_Info(const Type_Choice& choice)
{
    core::Version_State& versions = core::Versions();
    Copy_Choice_Fields(choice.Secured, versions.Secured_Current);
    Copy_Choice_Fields(choice.User, versions.User_Current);
    core::Set_Version_Numbers(choice.Secured.Partition_Version, choice.User.Partition_Version);
    versions.Secured_Current.ORT_Type = versions.ORT_Type;
    versions.User_Current.ORT_Type = versions.ORT_Type;
}

void Apply_Chosen_Type(const Type_Choice& choice)
{
    core::Type_Choice& chosen = core::Chosen_Type();
    chosen.Software_Config_Text = choice.Software_Config_Text;
    chosen.RFU_Default_Index = choice.Model_Index;
    chosen.Secured_Part_Number_Text = choice.Stored_Secured_PN;
    chosen.User_Part_Number_Text.clear();
}

} // namespace main_window
