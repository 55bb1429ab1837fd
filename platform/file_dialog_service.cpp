#include "platform/file_dialog_service.h"

#include "platform/message_service.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace platform {

namespace {

// Where a dialog starts: the suggested name in the starting folder.
QString Start_Path(const FileDialogRequest& r)
{
    if (r.file_name.isEmpty())
        return r.directory;
    return r.directory.isEmpty() ? r.file_name : QDir(r.directory).filePath(r.file_name);
}

class RealFileDialogService final : public FileDialogService {
public:
    QString Ask(const FileDialogRequest& r) override
    {
        QWidget* owner = QApplication::activeWindow();
        switch (r.kind) {
        case FileDialogRequest::Kind::Open:
            return QFileDialog::getOpenFileName(owner, r.title, Start_Path(r), r.filter);
        case FileDialogRequest::Kind::Save:
            // The question about an existing file is asked on the name
            // that is written, which may differ from the one chosen here.
            return QFileDialog::getSaveFileName(owner, r.title, Start_Path(r), r.filter, nullptr,
                                                QFileDialog::DontConfirmOverwrite);
        case FileDialogRequest::Kind::Folder:
            return QFileDialog::getExistingDirectory(owner, r.title, r.directory);
        }
        return QString();
    }
};

RealFileDialogService g_real;
FileDialogService* g_service = nullptr;

} // namespace

bool May_Replace(const QString& path, const QString& title)
{
    const QString text = QFileInfo(path).fileName() +
                         QStringLiteral(" already exists.\nDo you want to replace it?");
    return Msg_Box(text, MsgButtons::YesNo_Default_No, MsgIcon::Exclamation, title) == MsgAnswer::Yes;
}

FileDialogService& File_Dialogs() { return g_service ? *g_service : g_real; }

void Set_File_Dialog_Service(FileDialogService* service) { g_service = service; }

QString Get_Open_File_Name(const QString& title, const QString& filter, const QString& directory,
                           const QString& file_name)
{
    return File_Dialogs().Ask({FileDialogRequest::Kind::Open, title, directory, filter, file_name});
}

QString Get_Save_File_Name(const QString& title, const QString& filter, const QString& file_name,
                           const Save_Name_Completion& complete, const QString& directory)
{
    FileDialogRequest request{FileDialogRequest::Kind::Save, title, directory, filter, file_name};
    for (;;) {
        const QString chosen = File_Dialogs().Ask(request);
        if (chosen.isEmpty())
            return QString();
        const QString name = complete ? complete(chosen) : chosen;
        const QFileInfo info(name);
        if (!info.exists() || info.isDir() || May_Replace(name, title))
            return name;
        // No: the dialog again, at the name the user chose.
        request.directory = QFileInfo(chosen).absolutePath();
        request.file_name = QFileInfo(chosen).fileName();
    }
}

QString Get_Existing_Directory(const QString& title, const QString& directory)
{
    return File_Dialogs().Ask({FileDialogRequest::Kind::Folder, title, directory, QString(), QString()});
}

} // namespace platform
