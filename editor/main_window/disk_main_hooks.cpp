#include "editor/main_window/disk_main_hooks.h"

#include "editor/document/ort_loader_errors.h"
#include "editor/document/ver_conv.h"
#include "editor/main_window/app_folder.h"
#include "editor/main_window/config_ldr.h"
#include "editor/main_window/disk_commands.h"
#include "editor/main_window/merivane_main.h"
#include "editor/main_window/ort_type_dialog.h"
#include "editor/main_window/pn_casual_dialog.h"
#include "editor/main_window/upload_disk_dialog.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_mod.h"

#include <QAction>
#include <QLineEdit>

namespace main_window {

bool Guarded_Write(const QString& path, const std::function<bool()>& write, QString& error)
{
    error.clear();
    QString description;
    try {
        return write();
    } catch (const User_Mod::Unsupported_Version_Error&) {
        return false; // its box has been shown
    } catch (const Ort_Loader::Numbered_Error& failure) {
        description = failure.Description();
    } catch (const std::exception& failure) {
        description = modVerConv::Error_Description(failure);
    } catch (...) {
        description = QStringLiteral("unknown error");
    }
    error = Disk_Write_Error(path, description);
    return false;
}

Disk_Hooks Main_Disk_Hooks(MerivaneMain& main)
{
    Disk_Hooks hooks;
    hooks.ORT_File = [&main](const QString& path, QByteArray& bytes, QString& error) {
        return Guarded_Write(
            path,
            [&] {
                std::optional<QByteArray> file = main.ORT_File_Bytes();
                if (file)
                    bytes = std::move(*file);
                return file.has_value();
            },
            error);
    };
    hooks.Text_Report = [&main](const QString& text_path, const QString& ort_path,
                                QByteArray& bytes, QString& error) {
        return Guarded_Write(
            text_path,
            [&] {
                bytes = main.Text_Output_Bytes(ort_path);
                return true;
            },
            error);
    };
    hooks.Get_Last_Saved_CRC = [&main] { return main.get_Last_Saved_CRC(); };
    hooks.Set_Last_Saved_CRC = [&main](std::uint16_t crc) { main.set_Last_Saved_CRC(crc); };
    hooks.Part_Number_Step = [&main] { main.Part_Number_Step(); };
    hooks.Set_Data_Loader_Type = [&main](const QString& text) { main.Data_Loader_Type_Text = text; };
    hooks.Validate_Pages = [&main] { return main.Validate_Before_Writing(); };
    hooks.Restore_App_Folder = [] { set_Working_Directory_AppPath(); };
    return hooks;
}

Disk_Commands* Install_Disk_Commands(MerivaneMain& main)
{
    const Main_Controls& shared = main.Pages().Main;
    PN_Formal_Dialog::Context context;
    context.Control_86 = shared.Control_86;
    context.Control_87 = shared.Control_87;
    context.Stored_Secured_PN = [&main] { return main.Type_Dialog().Stored_Secured_PN(); };
    context.Stored_User_PN = [&main] { return main.Type_Dialog().Stored_User_PN(); };
    auto* commands = new Disk_Commands(&main, std::move(context), Main_Disk_Hooks(main));

    if (QAction* upload = main.Menu_Action(QStringLiteral("mnuCreateUploadDisk")))
        QObject::connect(upload, &QAction::triggered, commands,
                         [commands] { commands->mnuCreateUploadDisk_Click(); });
    if (QAction* download = main.Menu_Action(QStringLiteral("mnuCreateDownloadDisk")))
        QObject::connect(download, &QAction::triggered, commands,
                         [commands] { commands->mnuCreateDownloadDisk_Click(); });
    main.Set_PN_Step([commands](bool changed) { commands->Show_PN_Dialog(changed); });
    main.Set_PN_Editor([commands](QLineEdit* box) { commands->Casual_Dialog().ModifyPN(box); });
    // A chosen software configuration presets the upload disk's options.
    ORT_Type_Dialog* type_dialog = &main.Type_Dialog();
    QObject::connect(type_dialog, &QDialog::accepted, commands, [commands, type_dialog] {
        commands->Upload_Dialog().Apply_Preset(type_dialog->Upload_Preset());
    });
    return commands;
}

} // namespace main_window
