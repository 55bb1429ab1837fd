#include "editor/main_window/disk_commands.h"

#include "editor/main_window/download_disk_dialog.h"
#include "editor/main_window/pn_casual_dialog.h"
#include "editor/main_window/upload_disk_dialog.h"

#include <QWidget>

namespace {
const QString COMMANDS_NAME = QStringLiteral("Disk_Commands");
}

Disk_Commands::Disk_Commands(QWidget* main_window, PN_Formal_Dialog::Context pn_context,
                             main_window::Disk_Hooks hooks)
    : QObject(main_window), hooks_(std::move(hooks))
{
    setObjectName(COMMANDS_NAME);
    formal_ = new PN_Formal_Dialog(std::move(pn_context), main_window);
    casual_ = new PN_Casual_Dialog(main_window);
    upload_ = new Create_Upload_Disk_Dialog(hooks_, main_window);
    download_ = new Create_Download_Disk_Dialog(hooks_, main_window);
}

void Disk_Commands::Show_PN_Dialog(bool changed)
{
    if (changed)
        formal_->ChangePN();
    else
        formal_->ConfirmPN();
}

void Disk_Commands::mnuCreateDownloadDisk_Click()
{
    download_->exec();
}

void Disk_Commands::mnuCreateUploadDisk_Click()
{
    if (hooks_.Validate_Pages && !hooks_.Validate_Pages())
        return;
    if (hooks_.Part_Number_Step)
        hooks_.Part_Number_Step();
    upload_->exec();
}

