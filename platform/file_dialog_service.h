#pragma once
// Every file and folder dialog of the program goes through this service, so
// that tests can answer them. An empty result means the user cancelled.

#include <QString>

namespace platform {

struct FileDialogRequest {
    enum class Kind { Open, Save, Folder };
    Kind kind = Kind::Open;
    QString title;
    QString directory; // starting folder, may be empty
    QString filter;    // Qt filter text, e.g. "ORT Files (*.cfg *.tab *.001);;All Files (*)"
    QString file_name; // suggested name for Save
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual QString Ask(const FileDialogRequest& request) = 0;
};

FileDialogService& File_Dialogs();
void Set_File_Dialog_Service(FileDialogService* service); // not owned; nullptr = real dialogs

QString Get_Open_File_Name(const QString& title, const QString& filter,
                           const QString& directory = QString());
QString Get_Save_File_Name(const QString& title, const QString& filter,
                           const QString& file_name = QString(),
                           const QString& directory = QString());
QString Get_Existing_Directory(const QString& title, const QString& directory = QString());

} // namespace platform
