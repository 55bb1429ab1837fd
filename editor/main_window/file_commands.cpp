#include "editor/main_window/file_commands.h"

#include "editor/core/ascii_hex.h"
#include "editor/core/ort_types.h"
#include "editor/core/text_helpers.h"
#include "editor/document/change_check.h"
#include "editor/document/ort_loader_errors.h"
#include "editor/document/ort_writer.h"
#include "editor/document/ver_conv.h"
#include "editor/main_window/app_folder.h"
#include "editor/main_window/file_filters.h"
#include "editor/main_window/merivane_main.h"
#include "editor/main_window/new_ort_steps.h"
#include "editor/main_window/ort_type_dialog.h"
#include "editor/main_window/wait_cursor.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/page_frame.h"
#include "editor/secured_partition/secured_mod.h"
#include "editor/user_partition/user_mod.h"
#include "platform/file_dialog_service.h"
#include "platform/message_service.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

using main_window::Wait_Cursor;

using main_window::HEX_FILTER;
using main_window::ORT_FILTER;
using main_window::TEXT_FILTER;

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

// The name a Save dialog's file is written under: asked about when it
// exists, after the default extension has been added.
QString Ask_Save(const QString& title, const QString& filter, const QString& current,
                 const QString& extension)
{
    return platform::Get_Save_File_Name(
        title, filter, core::Strip_Extension(current),
        [&extension](const QString& chosen) { return With_Default_Extension(chosen, extension); });
}

} // namespace

File_Commands::File_Commands(MerivaneMain& main)
    : QObject(&main), main_(main), type_dialog_(main.Type_Dialog())
{
    Wire_Menu();
    main_.Set_Close_Request([this] { return May_Close(); });
    Type_Dialog_Actions actions;
    actions.Create_ORT = [this](bool convert) {
        if (convert)
            main_window::Run_Convert_ORT(main_);
        else
            main_window::Run_New_ORT(main_);
    };
    actions.Close_Before_Opening = [this] { return Close_Before_Opening(); };
    actions.Open_File = [this](const QString& file) { main_.Open_File(file); };
    type_dialog_.Set_Actions(std::move(actions));
}

void File_Commands::Wire_Menu()
{
    const auto wire = [this](const char* name, auto handler) {
        connect(main_.Menu_Action(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, handler] { (this->*handler)(); });
    };
    wire("mnuNew", &File_Commands::mnuNew_Click);
    wire("mnuOpen", &File_Commands::mnuOpen_Click);
    wire("mnuOpenCmtAsciiHex", &File_Commands::mnuOpenCmtAsciiHex_Click);
    wire("mnuConvert", &File_Commands::mnuConvert_Click);
    wire("mnuSave", &File_Commands::mnuSave_Click);
    wire("mnuSaveAs", &File_Commands::mnuSaveAs_Click);
    wire("mnuSaveCmtAsciiHex", &File_Commands::mnuSaveCmtAsciiHex_Click);
    wire("mnuSaveAsText", &File_Commands::mnuSaveAsText_Click);
    wire("mnuClose", &File_Commands::mnuClose_Click);
    wire("mnuFailureMasking", &File_Commands::mnuFailureMasking_Click);
}

bool File_Commands::Close_Before_Opening()
{
    return !main_.Is_ORT_Loaded() || Close_ORT();
}

void File_Commands::Report_Command_Error(const QString& command, const QString& name,
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

void File_Commands::mnuNew_Click()
{
    main_.ValidatePageControls();
    // A Yes at the save question saves through Save As; a Cancel keeps the
    // open ORT as it is.
    const QString file_before = main_.Current_File;
    main_.Current_File.clear();
    if (!Close_Before_Opening()) {
        main_.Current_File = file_before;
        return;
    }
    core::Versions().ORT_Type = core::ORT_TYPE_NONE;

    type_dialog_.DisplayAll(false);
    type_dialog_.Set_boolConvert(false);
    type_dialog_.setWindowTitle(QStringLiteral("Create New ORT"));
    type_dialog_.Reselect_Remembered();
    const int loads_before = main_.Loads_Started();
    type_dialog_.exec();

    const std::int32_t type = core::Versions().ORT_Type;
    if (type == 0 || type == core::ORT_TYPE_NONE) {
        main_.Reset_Main_Window();
        return;
    }
    // A file opened from the dialog has taken its own baseline (0 for the
    // first generation, which must keep counting as changed).
    if (main_.Loads_Started() != loads_before || !main_.Is_ORT_Loaded())
        return;
    try {
        main_.Check_ORT_Changed(); // the new data become the baseline
    } catch (const std::exception&) {
        main_.set_Last_Saved_CRC(0); // the data count as changed; Save reports the fault
    }
}

QString File_Commands::Ask_File_To_Open(const QString& filter, const QString& preset_name,
                                        const QString& default_extension)
{
    const bool was_open = main_.Is_ORT_Loaded();
    if (was_open && !Offer_To_Save())
        return QString();
    QString name = platform::Get_Open_File_Name(QStringLiteral("Open"), filter,
                                                QFileInfo(main_.Current_File).absolutePath(), preset_name);
    if (!QFileInfo(name).isFile())
        name = With_Default_Extension(name, default_extension);
    main_window::set_Working_Directory_AppPath();
    const bool exists = !name.isEmpty() && QFileInfo(name).isFile();
    if (!exists && was_open)
        main_.Reset_Main_Window();
    if (!name.isEmpty() && !exists)
        platform::Critical(name, QStringLiteral("File Does Not Exist"));
    return exists ? name : QString();
}

void File_Commands::mnuOpen_Click()
{
    main_.ValidatePageControls();
    const QString name = Ask_File_To_Open(ORT_FILTER, QFileInfo(main_.Current_File).fileName());
    if (!name.isEmpty())
        main_.Open_File(name);
}

void File_Commands::mnuOpenCmtAsciiHex_Click()
{
    main_.ValidatePageControls();
    const QString name =
        Ask_File_To_Open(HEX_FILTER, core::Strip_Extension(QFileInfo(main_.Current_File).fileName()),
                         core::Get_Extension(main_.Current_File));
    if (name.isEmpty())
        return;
    // The binary image is written beside the hex file; a file of its name
    // is replaced only when the user says so.
    const QString binary_path = name + QStringLiteral(".tmp");
    if (QFileInfo::exists(binary_path) && !platform::May_Replace(binary_path, QStringLiteral("Open")))
        return;
    std::optional<QString> binary;
    {
        const Wait_Cursor wait;
        // A failed conversion has shown its box; nothing is loaded.
        binary = core::Ascii_To_Binary(name, binary_path);
    }
    if (!binary) {
        if (main_.Is_ORT_Loaded())
            main_.Reset_Main_Window(); // no load follows
        return;
    }
    const QString caption_before = main_.windowTitle();
    main_.setWindowTitle(Caption_For(name));
    // The binary file beside the hex file becomes the current file.
    main_.Open_File(*binary);
    if (main_.Current_File != *binary)
        main_.setWindowTitle(caption_before); // the load was cancelled: nothing changed
}

void File_Commands::mnuConvert_Click()
{
    main_.ValidatePageControls();
    main_.HidePages();
    if (!main_.Is_ORT_Loaded())
        return;
    try {
        // The conversion starts from the data as the pages hold them now.
        main_.Update_ORT_Data(core::Versions().ORT_Type);
    } catch (...) {
        Report_Command_Error(QStringLiteral("mnuConvert"), main_.Current_File,
                             std::current_exception());
        return;
    }
    type_dialog_.DisplayAll(false);
    type_dialog_.Set_boolConvert(true);
    type_dialog_.Set_ConvertFromVersion();
    type_dialog_.setWindowTitle(QStringLiteral("Convert ORT"));
    type_dialog_.Reselect_Remembered();
    type_dialog_.exec();
}

bool File_Commands::mnuSave_Click()
{
    // Save As checks the fields itself.
    if (main_.Current_File.isEmpty() || main_.Save_Needs_Name)
        return mnuSaveAs_Click();
    if (!main_.Validate_Before_Writing())
        return false;
    main_.Part_Number_Step();
    if (main_.Current_Is_Ascii_Hex)
        return Save_Ascii_Hex(main_.Current_File, QStringLiteral("mnuSave"));
    try {
        const Wait_Cursor wait;
        if (!main_.Write_ORT(main_.Current_File))
            return false;
        main_.setWindowTitle(Caption_For(main_.Current_File));
        main_.Check_ORT_Changed();
    } catch (...) {
        Report_Command_Error(QStringLiteral("mnuSave"), main_.Current_File,
                             std::current_exception());
        return false;
    }
    return true;
}

bool File_Commands::mnuSaveAs_Click()
{
    if (!main_.Validate_Before_Writing())
        return false;
    main_.Part_Number_Step();
    const QString name = Ask_Save(QStringLiteral("Save As"), ORT_FILTER, main_.Current_File,
                                  core::Get_Extension(main_.Current_File));
    main_window::set_Working_Directory_AppPath();
    if (name.isEmpty())
        return false;
    try {
        const Wait_Cursor wait;
        if (!main_.Write_ORT(name))
            return false;
        main_.Current_File = name;
        main_.Current_Is_Ascii_Hex = false;
        main_.Save_Needs_Name = false;
        main_.Name_Not_Saved = false;
        main_.setWindowTitle(Caption_For(main_.Current_File));
        main_.Check_ORT_Changed();
    } catch (...) {
        Report_Command_Error(QStringLiteral("mnuSaveAs"), name, std::current_exception());
        return false;
    }
    return true;
}

bool File_Commands::mnuSaveCmtAsciiHex_Click()
{
    if (!main_.Validate_Before_Writing())
        return false;
    main_.Part_Number_Step();
    const QString name = Ask_Save(QStringLiteral("Save As"), HEX_FILTER, main_.Current_File,
                                  core::Get_Extension(main_.Current_File));
    main_window::set_Working_Directory_AppPath();
    if (name.isEmpty())
        return false;
    return Save_Ascii_Hex(name, QStringLiteral("mnuSaveCmtAsciiHex"));
}

bool File_Commands::Save_Ascii_Hex(const QString& hexPath, const QString& command)
{
    // The binary image is built in memory and only its hex form is written:
    // no scratch file is made, and the hex file meets the checks and boxes
    // of every other file the commands write.
    const std::uint16_t crc_before = main_.get_Last_Saved_CRC();
    try {
        const Wait_Cursor wait;
        const std::optional<QByteArray> image = main_.ORT_File_Bytes();
        if (!image)
            return false;
        Ort_Writer::Replace_File(hexPath, core::Encode_Ascii_Hex(*image));
    } catch (...) {
        main_.set_Last_Saved_CRC(crc_before); // nothing was saved
        Report_Command_Error(command, hexPath, std::current_exception());
        return false;
    }
    // The writer's CRC is the new baseline.
    main_.Current_File = hexPath;
    main_.Current_Is_Ascii_Hex = true;
    main_.Save_Needs_Name = false;
    main_.Name_Not_Saved = false;
    main_.setWindowTitle(Caption_For(main_.Current_File));
    return true;
}

void File_Commands::mnuSaveAsText_Click()
{
    if (!main_.Validate_Before_Writing())
        return;
    for (Page_Frame* page : main_.Pages().Pages())
        page->Close_Action();
    const QString old_file = main_.Current_File;
    const QString old_extension = core::Get_Extension(old_file);
    const QString text_path = Ask_Save(QStringLiteral("Save As"), TEXT_FILTER, old_file,
                                       QStringLiteral("txt"));
    main_window::set_Working_Directory_AppPath();
    if (text_path.isEmpty())
        return;
    // The ORT takes the report's name with its own extension.
    const QString ort_file =
        core::Strip_Extension(text_path) + QLatin1Char('.') +
        (old_extension.isEmpty() ? QStringLiteral("cfg") : old_extension);
    try {
        const Wait_Cursor wait;
        main_.Write_Text_Output(text_path, ort_file);
    } catch (...) {
        Report_Command_Error(QStringLiteral("mnuSaveAsText"), text_path,
                             std::current_exception());
        return;
    }
    main_.Current_File = ort_file;
    main_.setWindowTitle(Caption_For(main_.Current_File));
    if (main_.Current_File != old_file) {
        // The ORT under its new name is not saved yet; its saved CRC, which
        // the report prints, stays.
        main_.Name_Not_Saved = true;
        // A file of that name may hold another ORT: no save replaces it unasked.
        main_.Save_Needs_Name = true;
    }
}

bool File_Commands::Offer_To_Save()
{
    const platform::MsgAnswer answer =
        platform::Msg_Box(QStringLiteral("Save before closing?"), platform::MsgButtons::YesNoCancel,
                          platform::MsgIcon::None, QStringLiteral("File closing"));
    if (answer == platform::MsgAnswer::Cancel)
        return false;
    // Save As cancelled or the save failed: the ORT stays open.
    return answer != platform::MsgAnswer::Yes || mnuSave_Click();
}

bool File_Commands::Close_ORT()
{
    if (!Offer_To_Save())
        return false;
    main_.Reset_Main_Window();
    return true;
}

void File_Commands::mnuClose_Click()
{
    Close_ORT();
}

void File_Commands::mnuFailureMasking_Click()
{
    switch (core::Versions().ORT_Type) {
    case 7: case 9: case 10: case 12: case 13: case 15:
        main_.Pages().Failure_Masks().ShowMe();
        return;
    default:
        platform::Msg_Box(QStringLiteral("Failure Masking... is applicable to a secured partition only"));
    }
}

bool File_Commands::May_Close()
{
    if (!main_.Menu_Action(QStringLiteral("mnuClose"))->isEnabled())
        return true; // no ORT open
    // The question only; a cancelled close leaves the ORT counting as
    // changed because the baseline does not move.
    bool changed = true;
    try {
        changed = main_.Name_Not_Saved ||
                  Change_Check::Compare_With_Baseline(main_.Pages(), main_.get_Last_Saved_CRC())
                      .Changed;
    } catch (const std::exception&) {
    }
    if (!changed)
        return true;
    const platform::MsgAnswer answer = platform::Msg_Box(
        QStringLiteral("Save before exiting?"), platform::MsgButtons::YesNoCancel,
        platform::MsgIcon::None, QStringLiteral("Program closing"));
    return answer == platform::MsgAnswer::No ||
           (answer == platform::MsgAnswer::Yes && mnuSave_Click());
}
