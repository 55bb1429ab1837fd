#include "platform/file_dialog_service.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace platform {

namespace {

class RealFileDialogService final : public FileDialogService {
public:
    QString Ask(const FileDialogRequest& r) override
    {
        QWidget* owner = QApplication::activeWindow();
        switch (r.kind) {
        case FileDialogRequest::Kind::Open:
            return QFileDialog::getOpenFileName(owner, r.title, r.directory, r.filter);
        case FileDialogRequest::Kind::Save: {
            QString start = r.directory;
            if (!r.file_name.isEmpty())
                start = r.directory.isEmpty() ? r.file_name : QDir(r.directory).filePath(r.file_name);
            return QFileDialog::getSaveFileName(owner, r.title, start, r.filter);
        }
        case FileDialogRequest::Kind::Folder:
            return QFileDialog::getExistingDirectory(owner, r.title, r.directory);
        }
        return QString();
    }
};

RealFileDialogService g_real;
FileDialogService* g_service = nullptr;

} // namespace

FileDialogService& File_Dialogs() { return g_service ? *g_service : g_real; }

void Set_File_Dialog_Service(FileDialogService* service) { g_service = service; }

QString Get_Open_File_Name(const QString& title, const QString& filter, const QString& directory)
{
    return File_Dialogs().Ask({FileDialogRequest::Kind::Open, title, directory, filter, QString()});
}

QString Get_Save_File_Name(const QString& title, const QString& filter, const QString& file_name,
                           const QString& directory)
{
    return File_Dialogs().Ask({FileDialogRequest::Kind::Save, title, directory, filter, file_name});
}

QString Get_Existing_Directory(const QString& title, const QString& directory)
{
    return File_Dialogs().Ask({FileDialogRequest::Kind::Folder, title, directory, QString(), QString()});
}

} // namespace platform
