// The main window's document procedures: loading the current file, writing
// the ORT, copying the controls into the records, the change check, the text
// report and the part-number step.
#include "editor/main_window/merivane_main.h"

#include "editor/core/ort_types.h"
#include "editor/core/text_helpers.h"
#include "editor/core/type_choice.h"
#include "editor/document/change_check.h"
#include "editor/document/ort_writer.h"
#include "editor/main_window/ort_type_dialog.h"
#include "editor/main_window/text_report.h"
#include "editor/main_window/wait_cursor.h"
#include "editor/page_set/page_set.h"
#include "editor/secured_partition/secured_mod.h"
#include "editor/user_partition/user_mod.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int PN_AIRFRAMER_LEVEL = 3;

} // namespace

// The window as the loader sees it.
class Main_Load_Window final : public Ort_Loader::Load_Window {
public:
    explicit Main_Load_Window(MerivaneMain& main) : main_(main) {}
    QString Caption() const override { return main_.windowTitle(); }
    void Set_Caption(const QString& caption) override { main_.setWindowTitle(caption); }
    bool Configuration_Chosen() const override
    {
        return main_.Type_Dialog().Configuration_Chosen();
    }
    bool Choose_Configuration() override { return main_.ChooseSoftwareConfigNumber(); }
    QString Software_Config_Text() const override
    {
        return core::Chosen_Type().Software_Config_Text;
    }
    void Close_Open_ORT() override
    {
        if (!main_.Is_ORT_Loaded())
            return;
        const QString caption = main_.windowTitle(); // names the file being loaded
        main_.Reset_Main_Window();
        main_.setWindowTitle(caption);
    }
    void Show_Loaded(int tool_version, bool limited) override
    {
        // A file used only in part must not be overwritten by a plain Save.
        main_.Save_Needs_Name = limited;
        main_.Show_ORT_Open_State();
        main_.Set_Version_Label(tool_version);
        main_.Set_File_Label();
    }
    void Reset() override { main_.Reset_Main_Window(); }
    std::uint16_t& Last_Saved_CRC() override { return main_.last_saved_crc_; }

private:
    MerivaneMain& main_;
};

void MerivaneMain::Open_File(const QString& fileName)
{
    if (loading_)
        return; // the type dialog's Open... while a load asks for the target
    const QString before = Current_File;
    Current_File = fileName;
    const main_window::Wait_Cursor wait;
    if (Load_File() == Ort_Loader::Load_Result::Cancelled)
        Current_File = before;
}

Ort_Loader::Load_Result MerivaneMain::Load_File()
{
    if (loading_)
        return Ort_Loader::Load_Result::Cancelled;
    loading_ = true;
    ++loads_started_;
    const bool hex_before = Current_Is_Ascii_Hex;
    Current_Is_Ascii_Hex = false;
    Main_Load_Window window(*this);
    const Ort_Loader::Load_Result result = Ort_Loader::Load_File(Current_File, pages_, window);
    if (result == Ort_Loader::Load_Result::Cancelled)
        Current_Is_Ascii_Hex = hex_before; // the ORT that was open is still open
    loading_ = false;
    return result;
}

bool MerivaneMain::Write_ORT(const QString& fileName)
{
    const std::optional<std::uint16_t> crc = Ort_Writer::Write_ORT(pages_, fileName);
    if (!crc)
        return false;
    last_saved_crc_ = *crc;
    return true;
}

std::optional<QByteArray> MerivaneMain::ORT_File_Bytes()
{
    std::optional<Ort_Writer::ORT_File_Image> image = Ort_Writer::Build_ORT(pages_);
    if (!image)
        return std::nullopt;
    last_saved_crc_ = image->CRC;
    return std::move(image->Bytes);
}

void MerivaneMain::Update_ORT_Data(std::int32_t type)
{
    Ort_Writer::Update_ORT_Data(pages_, type);
}

bool MerivaneMain::Check_ORT_Changed()
{
    const main_window::Wait_Cursor wait;
    return Change_Check::Check_ORT_Changed(pages_, last_saved_crc_);
}

void MerivaneMain::Write_Text_Output(const QString& textPath, const QString& ortPath)
{
    Ort_Writer::Replace_File(textPath, Text_Output_Bytes(ortPath));
}

QByteArray MerivaneMain::Text_Output_Bytes(const QString& ortPath)
{
    const core::Version_State& versions = core::Versions();
    main_window::Report_Header header;
    header.Date = core::Get_Date_Stamp();
    header.ORT_Path = ortPath.isEmpty() ? Current_File : ortPath;
    header.Show_Secured = Show_Secured_Partition();
    header.Show_User = Show_User_Partition();
    header.Secured_Feature_Level = versions.Secured_Current.Feature_Level;
    header.Secured_Frame = frame_secured_->title();
    header.Secured_PN_Label = label_87_->text();
    header.Secured_PN = control_87_->text();
    header.Secured_Desc_Label = label_53_->text();
    header.Secured_Desc = control_53_->text();
    header.User_Frame = frame_user_->title();
    header.User_PN_Label = label_86_->text();
    header.User_PN = control_86_->text();
    header.User_Desc_Label = label_33_->text();
    header.User_Desc = control_33_->text();
    header.ORT_Type = versions.ORT_Type;
    header.Partition_Config = versions.Partition_Config;
    header.Secured_Revision = versions.Secured_Current.Record_Revision;
    header.User_Revision = versions.User_Current.Record_Revision;
    header.Data_Loader_Type = Data_Loader_Type_Text;
    header.Software_Config = core::Chosen_Type().Software_Config_Text;
    header.Last_Saved_CRC = last_saved_crc_;

    QStringList lines = main_window::Report_Header_Lines(header);
    // The records follow the fields before the pages print them.
    if (header.Show_Secured)
        Secured_Mod::Update_Data(pages_);
    if (header.Show_User)
        User_Mod::Update_Data(pages_);
    lines += main_window::Report_Section_Lines(pages_, header.Show_Secured, header.Show_User);
    return main_window::Report_Bytes(lines);
}

void MerivaneMain::Part_Number_Step()
{
    if (core::Versions().User_Current.Airframer_Level < PN_AIRFRAMER_LEVEL || !pn_step_)
        return;
    // Only decides which dialog to show: the saved baseline stays.
    bool changed = true;
    try {
        changed = Name_Not_Saved ||
                  Change_Check::Compare_With_Baseline(pages_, last_saved_crc_).Changed;
    } catch (const std::exception&) {
        // The save that follows reports what the data cannot hold.
    }
    pn_step_(changed);
}
