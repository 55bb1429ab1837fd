#include "editor/main_window/download_disk_dialog.h"

#include "editor/main_window/config_ldr.h"
#include "editor/main_window/dialog_buttons.h"
#include "editor/main_window/disk_folder_chooser.h"
#include "editor/main_window/disk_writers.h"
#include "editor/main_window/wait_cursor.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

Create_Download_Disk_Dialog::Create_Download_Disk_Dialog(main_window::Disk_Hooks hooks,
                                                         QWidget* owner)
    : QDialog(owner), hooks_(std::move(hooks))
{
    setObjectName(QStringLiteral("Create_Download_Disk_Dialog"));
    setWindowTitle(QStringLiteral("Create Download Disk"));
    setModal(true);
    folder_ = new Disk_Folder_Chooser(QStringLiteral("Select Directory to Create Download Disk"), this);
    const main_window::Dialog_Buttons buttons = main_window::Make_Dialog_Buttons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folder_);
    layout->addLayout(buttons.Row);
    connect(buttons.OK, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(buttons.Cancel, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void Create_Download_Disk_Dialog::OKButton_Click()
{
    const std::optional<QString> folder = folder_->Shown_Target();
    if (!folder)
        return; // its box has been shown; the dialog stays open
    QString error;
    bool written = false;
    {
        const main_window::Wait_Cursor wait;
        written = main_window::Write_Config_Ldr(*folder,
                                                main_window::Config_Ldr_Variant::Download,
                                                QString(), QString(), error);
        if (hooks_.Restore_App_Folder)
            hooks_.Restore_App_Folder();
    }
    if (!written) {
        main_window::Report_Disk_Error(error, windowTitle());
        return;
    }
    accept();
}

void Create_Download_Disk_Dialog::CancelButton_Click()
{
    if (hooks_.Restore_App_Folder)
        hooks_.Restore_App_Folder();
    reject();
}
