// The File commands of the main window: New, Open, Read data in from a CMT
// Download File, Convert, Save, Save As, Create a CMT Upload File, Save Text
// File As, Close, Exit with the close box, and Failure Masking; with the
// loader, writer and change-check procedures of the window.
#include "editor/main_window/merivane_main.h"

#include "editor/core/ascii_hex.h"
#include "editor/document/change_check.h"
#include "editor/document/ort_loader_errors.h"
#include "editor/document/ort_writer.h"
#include "editor/secured_partition/secured_mod.h"
#include "editor/document/ver_conv.h"
#include "editor/core/ort_types.h"
#include "editor/core/text_helpers.h"
#include "editor/main_window/ort_type_dialog.h"
#include "editor/main_window/text_report.h"
#include "editor/main_window/wait_cursor.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/page_frame.h"
#include "platform/file_dialog_service.h"
#include "platform/message_service.h"
#include "editor/user_partition/user_mod.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

using main_window::Wait_Cursor;

// The filters of the file dialogs; the first entry is the one selected.
const QString ORT_FILTER = QStringLiteral(
    "ORT Files (*.cfg);;All Files (*);;ORT Files (*.tab);;ORT Files B777 (*.001)");
const QString HEX_FILTER = QStringLiteral("CMT ASCII Hex Files (*.Hex);;All Files (*)");
const QString TEXT_FILTER = QStringLiteral("Text Files (*.txt);;All Files (*)");

constexpr int PN_AIRFRAMER_LEVEL = 3;

QString Caption_For(const QString& file)
{
    return QStringLiteral("Merivane - ") + file;
}

// A chosen name without an extension gets the default one.
QString With_Default_Extension(const QString& name, const QString& extension)
{
    if (name.isEmpty() || extension.isEmpty() || !core::Get_Extension(name).isEmpty())
        return name;
    return name + QLatin1Char('.') + extension;
}

QString Ask_Save(const QString& title, const QString& filter, const QString& current,
                 const QString& extension)
{
    return With_Default_Extension(
        platform::Get_Save_File_Name(title, filter, core::Strip_Extension(current)), extension);
}

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
    QString Software_Config_Text() const override { return main_.Software_Config_Text; }
    void Show_Loaded(int tool_version, bool limited) override
    {
        // A file used only in part must not be overwritten by a plain Save.
        main_.save_needs_name_ = limited;
        main_.Show_ORT_Open_State();
        main_.Set_Version_Label(tool_version);
        main_.Set_File_Label();
    }
    void Reset() override { main_.Reset_Main_Window(); }
    std::uint16_t& Last_Saved_CRC() override { return main_.last_saved_crc_; }

private:
    MerivaneMain& main_;
};

// --- document procedures -------------------------------------------------------

bool MerivaneMain::Close_Before_Opening()
{
    return !Is_ORT_Loaded() || !Close_ORT();
}

void MerivaneMain::Open_File(const QString& fileName)
{
    if (loading_)
        return; // the type dialog's Open... while a load asks for the target
    const QString before = Current_File;
    Current_File = fileName;
    const Wait_Cursor wait;
    if (Load_File() == Ort_Loader::Load_Result::Cancelled)
        Current_File = before;
}

Ort_Loader::Load_Result MerivaneMain::Load_File()
{
    if (loading_)
        return Ort_Loader::Load_Result::Cancelled;
    loading_ = true;
    ++loads_started_;
    current_is_ascii_hex_ = false;
    Main_Load_Window window(*this);
    const Ort_Loader::Load_Result result = Ort_Loader::Load_File(Current_File, pages_, window);
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

void MerivaneMain::Update_ORT_Data(std::int32_t type)
{
    Ort_Writer::Update_ORT_Data(pages_, type);
}

bool MerivaneMain::Check_ORT_Changed()
{
    const Wait_Cursor wait;
    return Change_Check::Check_ORT_Changed(pages_, last_saved_crc_);
}

void MerivaneMain::Write_Text_Output(const QString& textPath, const QString& ortPath)
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
    header.Software_Config = Software_Config_Text;
    header.Last_Saved_CRC = last_saved_crc_;

    QStringList lines = main_window::Report_Header_Lines(header);
    // The records follow the fields before the pages print them.
    if (header.Show_Secured)
        Secured_Mod::Update_Data(pages_);
    if (header.Show_User)
        User_Mod::Update_Data(pages_);
    lines += main_window::Report_Section_Lines(pages_, header.Show_Secured, header.Show_User);
    Ort_Writer::Replace_File(textPath, main_window::Report_Bytes(lines));
}

void MerivaneMain::Part_Number_Step()
{
    if (core::Versions().User_Current.Airframer_Level < PN_AIRFRAMER_LEVEL || !pn_step_)
        return;
    // Only decides which dialog to show: the saved baseline stays.
    bool changed = true;
    try {
        changed = Change_Check::Compare_With_Baseline(pages_, last_saved_crc_).Changed;
    } catch (const std::exception&) {
        // The save that follows reports what the data cannot hold.
    }
    pn_step_(changed);
}

void MerivaneMain::Report_Command_Error(const QString& command, const QString& name,
                                        const std::exception_ptr& error)
{
    const bool asks_name = command == QLatin1String("mnuSaveAs") ||
                           command == QLatin1String("mnuSaveCmtAsciiHex") ||
                           command == QLatin1String("mnuOpenCmtAsciiHex");
    int number = 0;
    QString description;
    try {
        std::rethrow_exception(error);
    } catch (const User_Mod::Unsupported_Version_Error&) {
        return; // its box has been shown
    } catch (const Ort_Loader::Numbered_Error& failure) {
        number = failure.Number();
        description = failure.Description();
    } catch (const std::exception& failure) {
        number = modVerConv::Error_Number(failure);
        description = modVerConv::Error_Description(failure);
    }
    if (number == Ort_Loader::PERMISSION_DENIED) {
        platform::Critical(name, QStringLiteral("File Already Open or In Use"));
        return;
    }
    if (number == Ort_Loader::FILE_NOT_FOUND && command == QLatin1String("mnuOpen")) {
        platform::Critical(name, QStringLiteral("File Does Not Exist"));
        return;
    }
    if (number == Ort_Loader::PATH_NOT_FOUND && asks_name) {
        platform::Critical(name, QStringLiteral("Invalid File Name"));
        return;
    }
    platform::Msg_Box(command + QStringLiteral(" Error type: ") + QString::number(number) +
                      QStringLiteral(", ") + description);
}

// --- File menu -----------------------------------------------------------------

void MerivaneMain::mnuNew_Click()
{
    ValidatePageControls();
    // A Yes at the save question saves through Save As; a Cancel keeps the
    // open ORT as it is.
    const QString file_before = Current_File;
    Current_File.clear();
    if (!Close_Before_Opening()) {
        Current_File = file_before;
        return;
    }
    core::Versions().ORT_Type = core::ORT_TYPE_NONE;
    current_is_ascii_hex_ = false;

    type_dialog_->DisplayAll(false);
    type_dialog_->Set_boolConvert(false);
    type_dialog_->setWindowTitle(QStringLiteral("Create New ORT"));
    type_dialog_->Reselect_Remembered();
    const int loads_before = loads_started_;
    type_dialog_->exec();

    const std::int32_t type = core::Versions().ORT_Type;
    if (type == 0 || type == core::ORT_TYPE_NONE) {
        Reset_Main_Window();
        return;
    }
    // A file opened from the dialog has taken its own baseline (0 for the
    // first generation, which must keep counting as changed).
    if (loads_started_ != loads_before || !Is_ORT_Loaded())
        return;
    try {
        Check_ORT_Changed(); // the new data become the baseline
    } catch (const std::exception&) {
        last_saved_crc_ = 0; // the data count as changed; Save reports the fault
    }
}

void MerivaneMain::mnuOpen_Click()
{
    ValidatePageControls();
    if (!Close_Before_Opening())
        return;
    const QString name = platform::Get_Open_File_Name(QStringLiteral("Open"), ORT_FILTER,
                                                      QFileInfo(Current_File).absolutePath());
    set_Working_Directory_AppPath();
    if (name.isEmpty())
        return;
    if (!QFileInfo(name).isFile()) {
        platform::Critical(name, QStringLiteral("File Does Not Exist"));
        return;
    }
    Open_File(name);
}

void MerivaneMain::mnuOpenCmtAsciiHex_Click()
{
    ValidatePageControls();
    if (!Close_Before_Opening())
        return;
    const QString name = platform::Get_Open_File_Name(QStringLiteral("Open"), HEX_FILTER,
                                                      QFileInfo(Current_File).absolutePath());
    set_Working_Directory_AppPath();
    if (name.isEmpty())
        return;
    std::optional<QString> binary;
    {
        const Wait_Cursor wait;
        // A failed conversion has shown its box; nothing is loaded.
        binary = core::Ascii_To_Binary(name, name + QStringLiteral(".tmp"));
    }
    if (!binary)
        return;
    const QString caption_before = windowTitle();
    setWindowTitle(Caption_For(name));
    // The binary file beside the hex file becomes the current file.
    Open_File(*binary);
    if (Current_File != *binary)
        setWindowTitle(caption_before); // the load was cancelled: nothing changed
}

void MerivaneMain::mnuConvert_Click()
{
    ValidatePageControls();
    HidePages();
    if (!Is_ORT_Loaded())
        return;
    try {
        // The conversion starts from the data as the pages hold them now.
        Update_ORT_Data(core::Versions().ORT_Type);
    } catch (...) {
        Report_Command_Error(QStringLiteral("mnuConvert"), Current_File, std::current_exception());
        return;
    }
    type_dialog_->DisplayAll(false);
    type_dialog_->Set_boolConvert(true);
    type_dialog_->Set_ConvertFromVersion();
    type_dialog_->setWindowTitle(QStringLiteral("Convert ORT"));
    type_dialog_->Reselect_Remembered();
    type_dialog_->exec();
}

bool MerivaneMain::mnuSave_Click()
{
    ValidatePageControls();
    if (Current_File.isEmpty() || save_needs_name_)
        return mnuSaveAs_Click();
    Part_Number_Step();
    if (current_is_ascii_hex_)
        return Save_Ascii_Hex(Current_File, QStringLiteral("mnuSave"));
    try {
        const Wait_Cursor wait;
        if (!Write_ORT(Current_File))
            return false;
        setWindowTitle(Caption_For(Current_File));
        Check_ORT_Changed();
    } catch (...) {
        Report_Command_Error(QStringLiteral("mnuSave"), Current_File, std::current_exception());
        return false;
    }
    return true;
}

bool MerivaneMain::mnuSaveAs_Click()
{
    ValidatePageControls();
    Part_Number_Step();
    const QString name = Ask_Save(QStringLiteral("Save As"), ORT_FILTER, Current_File,
                                  core::Get_Extension(Current_File));
    set_Working_Directory_AppPath();
    if (name.isEmpty())
        return false;
    try {
        const Wait_Cursor wait;
        if (!Write_ORT(name))
            return false;
        Current_File = name;
        current_is_ascii_hex_ = false;
        save_needs_name_ = false;
        setWindowTitle(Caption_For(Current_File));
        Check_ORT_Changed();
    } catch (...) {
        Report_Command_Error(QStringLiteral("mnuSaveAs"), name, std::current_exception());
        return false;
    }
    return true;
}

bool MerivaneMain::mnuSaveCmtAsciiHex_Click()
{
    ValidatePageControls();
    Part_Number_Step();
    const QString name = Ask_Save(QStringLiteral("Save As"), HEX_FILTER, Current_File,
                                  core::Get_Extension(Current_File));
    set_Working_Directory_AppPath();
    if (name.isEmpty())
        return false;
    return Save_Ascii_Hex(name, QStringLiteral("mnuSaveCmtAsciiHex"));
}

bool MerivaneMain::Save_Ascii_Hex(const QString& hexPath, const QString& command)
{
    const QString scratch = hexPath + QStringLiteral(".tmp");
    const std::uint16_t crc_before = last_saved_crc_;
    try {
        const Wait_Cursor wait;
        if (!Write_ORT(scratch))
            return false;
    } catch (...) {
        Report_Command_Error(command, hexPath, std::current_exception());
        return false;
    }
    bool written = false;
    {
        const Wait_Cursor wait;
        written = core::Binary_To_Ascii(scratch, hexPath);
    }
    QFile::remove(scratch);
    if (!written) {
        last_saved_crc_ = crc_before; // its box has been shown; nothing was saved
        return false;
    }
    // The writer's CRC is the new baseline.
    Current_File = hexPath;
    current_is_ascii_hex_ = true;
    save_needs_name_ = false;
    setWindowTitle(Caption_For(Current_File));
    return true;
}

void MerivaneMain::mnuSaveAsText_Click()
{
    for (Page_Frame* page : pages_.Pages())
        page->Close_Action();
    const QString old_file = Current_File;
    const QString old_extension = core::Get_Extension(old_file);
    const QString text_path = Ask_Save(QStringLiteral("Save As"), TEXT_FILTER, old_file,
                                       QStringLiteral("txt"));
    set_Working_Directory_AppPath();
    if (text_path.isEmpty())
        return;
    // The ORT takes the report's name with its own extension.
    const QString ort_file =
        core::Strip_Extension(text_path) + QLatin1Char('.') +
        (old_extension.isEmpty() ? QStringLiteral("cfg") : old_extension);
    try {
        const Wait_Cursor wait;
        Write_Text_Output(text_path, ort_file);
    } catch (...) {
        Report_Command_Error(QStringLiteral("mnuSaveAsText"), text_path,
                             std::current_exception());
        return;
    }
    Current_File = ort_file;
    setWindowTitle(Caption_For(Current_File));
    if (Current_File != old_file)
        last_saved_crc_ = 0; // the ORT under its new name is not saved yet
}

bool MerivaneMain::Close_ORT()
{
    const platform::MsgAnswer answer =
        platform::Msg_Box(QStringLiteral("Save before closing?"), platform::MsgButtons::YesNoCancel,
                          platform::MsgIcon::None, QStringLiteral("File closing"));
    if (answer == platform::MsgAnswer::Cancel)
        return true;
    if (answer == platform::MsgAnswer::Yes && !mnuSave_Click())
        return true; // Save As cancelled or the save failed: the ORT stays open
    current_is_ascii_hex_ = false;
    Reset_Main_Window();
    return false;
}

void MerivaneMain::mnuClose_Click()
{
    Close_ORT();
}

void MerivaneMain::mnuFailureMasking_Click()
{
    switch (core::Versions().ORT_Type) {
    case 7: case 9: case 10: case 12: case 13: case 15:
        pages_.Failure_Masks().ShowMe();
        return;
    default:
        platform::Msg_Box(QStringLiteral("Failure Masking... is applicable to a secured partition only"));
    }
}

void MerivaneMain::closeEvent(QCloseEvent* event)
{
    if (actions_.value(QStringLiteral("mnuClose"))->isEnabled()) {
        // The question only; a cancelled close leaves the ORT counting as
        // changed because the baseline does not move.
        bool changed = true;
        try {
            changed = Change_Check::Compare_With_Baseline(pages_, last_saved_crc_).Changed;
        } catch (const std::exception&) {
        }
        if (changed) {
            const platform::MsgAnswer answer = platform::Msg_Box(
                QStringLiteral("Save before exiting?"), platform::MsgButtons::YesNoCancel,
                platform::MsgIcon::None, QStringLiteral("Program closing"));
            if (answer == platform::MsgAnswer::Cancel ||
                (answer == platform::MsgAnswer::Yes && !mnuSave_Click())) {
                event->ignore();
                return;
            }
        }
    }
    for (Page_Frame* page : pages_.Pages())
        page->Close_Action();
    type_dialog_->Close_Action();
    event->accept();
}
