#include "editor/main_window/download_disk_dialog.h"

#include "editor/main_window/config_ldr.h"
#include "editor/main_window/disk_folder_chooser.h"
#include "editor/main_window/disk_writers.h"
#include "editor/main_window/wait_cursor.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* Make_Button(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

Create_Download_Disk_Dialog::Create_Download_Disk_Dialog(main_window::Disk_Hooks hooks,
                                                         QWidget* owner)
    : QDialog(owner), hooks_(std::move(hooks))
{
    setObjectName(QStringLiteral("Create_Download_Disk_Dialog"));
    setWindowTitle(QStringLiteral("Create Download Disk"));
    setModal(true);
    folder_ = new Disk_Folder_Chooser(QStringLiteral("Select Directory to Create Download Disk"), this);
    QPushButton* ok = Make_Button(this, "OKButton", "OK");
    QPushButton* cancel = Make_Button(this, "CancelButton", "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folder_);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void Create_Download_Disk_Dialog::OKButton_Click()
{
    QString error;
    bool written = false;
    {
        const main_window::Wait_Cursor wait;
        written = main_window::Write_Config_Ldr(folder_->Target(),
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
