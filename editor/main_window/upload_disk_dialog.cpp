#include "editor/main_window/upload_disk_dialog.h"

#include "editor/main_window/dialog_buttons.h"
#include "editor/main_window/disk_b777.h"
#include "editor/main_window/disk_folder_chooser.h"
#include "editor/main_window/disk_writers.h"
#include "editor/main_window/identifier_dialog.h"
#include "editor/main_window/wait_cursor.h"
#include "editor/pages/page_frame.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Create_Upload_Disk_Dialog::Create_Upload_Disk_Dialog(main_window::Disk_Hooks hooks, QWidget* owner)
    : QDialog(owner), hooks_(std::move(hooks))
{
    setObjectName(QStringLiteral("Create_Upload_Disk_Dialog"));
    setWindowTitle(QStringLiteral("Create Upload Disk"));
    setModal(true);
    ask_ = [this](main_window::Identifier_Kind kind) { return Identifier_Dialog::Ask(kind, this); };

    folder_ = new Disk_Folder_Chooser(QStringLiteral("Select Directory to Create Upload Disk"), this);

    auto* loader_frame = new QGroupBox(QStringLiteral("Loader File Type"), this);
    loader_frame->setObjectName(QStringLiteral("fraLoaderFile"));
    auto* loader_layout = new QVBoxLayout(loader_frame);
    loader_group_ = new QButtonGroup(this);
    int index = 0;
    for (const main_window::Loader_Option_Row& row : main_window::Loader_Options()) {
        auto* option = new QRadioButton(QString::fromLatin1(row.Caption), loader_frame);
        option->setObjectName(Array_Name(QStringLiteral("Loader_File_Option"), index));
        loader_group_->addButton(option, index);
        loader_layout->addWidget(option);
        loader_options_ << option;
        ++index;
    }

    auto* label_frame = new QGroupBox(QStringLiteral("ARINC Label Used in Config File"), this);
    label_frame->setObjectName(QStringLiteral("fraArincLabel"));
    auto* label_layout = new QVBoxLayout(label_frame);
    label_group_ = new QButtonGroup(this);
    index = 0;
    for (const main_window::Arinc_Label_Row& row : main_window::Arinc_Label_Options()) {
        auto* option = new QRadioButton(QString::fromLatin1(row.Caption), label_frame);
        option->setObjectName(Array_Name(QStringLiteral("optArincLabel"), index));
        label_group_->addButton(option, index);
        label_layout->addWidget(option);
        label_options_ << option;
        ++index;
    }

    const main_window::Dialog_Buttons buttons = main_window::Make_Dialog_Buttons(this);
    auto* frames = new QHBoxLayout;
    frames->addWidget(loader_frame);
    frames->addWidget(label_frame);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folder_);
    layout->addLayout(frames);
    layout->addLayout(buttons.Row);

    connect(loader_group_, &QButtonGroup::idClicked, this,
            [this](int id) { Loader_File_Option_Click(id); });
    connect(label_group_, &QButtonGroup::idClicked, this,
            [this](int id) { optArincLabel_Click(id); });
    connect(buttons.OK, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(buttons.Cancel, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void Create_Upload_Disk_Dialog::Loader_File_Option_Click(int index)
{
    if (index < 0 || index >= loader_options_.size())
        return;
    loader_index_ = index;
    loader_options_[index]->setChecked(true);
    const main_window::Loader_Option_Row& row = main_window::Loader_Option(index);
    if (hooks_.Set_Data_Loader_Type)
        hooks_.Set_Data_Loader_Type(QString::fromLatin1(row.Caption));
    optArincLabel_Click(row.Label_Option);
}

void Create_Upload_Disk_Dialog::optArincLabel_Click(int index)
{
    if (index < 0 || index >= label_options_.size())
        return;
    label_options_[index]->setChecked(true);
    arinc_label_ = QString::fromLatin1(main_window::Arinc_Label_Options()[index].Label);
}

void Create_Upload_Disk_Dialog::Apply_Preset(const main_window::Upload_Preset& preset)
{
    Loader_File_Option_Click(preset.Loader_Option);
    optArincLabel_Click(preset.Label_Option);
}

bool Create_Upload_Disk_Dialog::Write_Loader_Disk(const QString& folder, int index)
{
    const main_window::Loader_Option_Row& row = main_window::Loader_Option(index);
    QString ort_name = main_window::Control_Mode_ORT_Name();
    QString report_name = main_window::Control_Mode_Report_Name();
    if (row.Identifier) {
        ort_name = ask_ ? ask_(*row.Identifier) : QString();
        if (ort_name.isEmpty())
            return false; // cancelled: nothing is written
        report_name = main_window::Report_Name_For(ort_name);
    }
    QString error;
    bool written = false;
    {
        const main_window::Wait_Cursor wait;
        written = main_window::Write_Disk_Set(hooks_, folder, row.Variant, arinc_label_, ort_name,
                                              report_name, error);
    }
    if (!written && !error.isEmpty())
        main_window::Report_Disk_Error(error, windowTitle());
    return written;
}

bool Create_Upload_Disk_Dialog::Run_Writer(const QString& folder)
{
    if (main_window::Loader_Option(loader_index_).Kind == main_window::Loader_Kind::B777) {
        main_window::B777_Upload_Job job;
        job.Folder = folder;
        job.Hooks = &hooks_;
        job.Ask_Identifier = [this] {
            return ask_ ? ask_(main_window::Identifier_Kind::B777) : QString();
        };
        job.Upload_Dialog = this;
        job.Services = b777_; // Boeing 777 upload
        return main_window::Write_B777_Upload(job);
    }
    return Write_Loader_Disk(folder, loader_index_);
}

void Create_Upload_Disk_Dialog::OKButton_Click()
{
    const std::optional<QString> folder = folder_->Shown_Target();
    if (!folder || !Run_Writer(*folder))
        return; // the dialog stays open with its choices
    if (hooks_.Restore_App_Folder)
        hooks_.Restore_App_Folder();
    accept();
}

void Create_Upload_Disk_Dialog::CancelButton_Click()
{
    if (hooks_.Restore_App_Folder)
        hooks_.Restore_App_Folder();
    reject();
}
