#include "editor/main_window/disk_folder_chooser.h"

#include "editor/main_window/dialog_buttons.h"
#include "editor/pages/page_widgets.h"
#include "platform/file_dialog_service.h"
#include "platform/message_service.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace main_window {

QString Target_Folder(const QString& path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

} // namespace main_window

Disk_Folder_Chooser::Disk_Folder_Chooser(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption), path_(QDir::currentPath())
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("Label_Directory"));
    directory_ = new QLineEdit(path_, this);
    directory_->setObjectName(QStringLiteral("Directory_Selector"));
    // The folder is checked when the user leaves the field; a dropped text
    // would skip that check.
    directory_->setAcceptDrops(false);
    pages::Label_Field(label, directory_);
    browse_ = main_window::Make_Dialog_Button(this, "Browse_Button", QStringLiteral("Browse..."));
    // Enter presses the button that has the focus, as it does OK and Cancel.
    browse_->setAutoDefault(true);
    auto* row = new QHBoxLayout;
    row->addWidget(directory_, 1);
    row->addWidget(browse_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addLayout(row);
    connect(browse_, &QPushButton::clicked, this, [this] { Browse_Click(); });
    connect(directory_, &QLineEdit::editingFinished, this, [this] {
        // Enter in the field presses OK, the dialog's default button, which
        // takes the typed path itself: it is checked once, by OK.
        if (!directory_->hasFocus())
            Directory_Edited();
    });
}

QString Disk_Folder_Chooser::Path() const { return path_; }

bool Disk_Folder_Chooser::Set_Path(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isDir()) {
        platform::Msg_Box(QStringLiteral("Error: ") + QStringLiteral("Path not found: ") + path,
                          platform::MsgButtons::Ok, platform::MsgIcon::Information);
        directory_->setText(path_);
        return false;
    }
    path_ = QDir::cleanPath(info.absoluteFilePath());
    directory_->setText(path_);
    return true;
}

void Disk_Folder_Chooser::Browse_Click()
{
    const QString chosen = platform::Get_Existing_Directory(caption_, path_);
    if (!chosen.isEmpty())
        Set_Path(chosen);
}

std::optional<QString> Disk_Folder_Chooser::Shown_Target()
{
    if (!Directory_Edited())
        return std::nullopt;
    return Target();
}

bool Disk_Folder_Chooser::Directory_Edited()
{
    if (directory_->text() == path_)
        return true;
    // The box of a refused path takes the focus from the field, which ends
    // its editing again: the path being checked is not checked twice.
    if (checking_)
        return false;
    const QScopedValueRollback<bool> checking(checking_, true);
    return Set_Path(directory_->text());
}
