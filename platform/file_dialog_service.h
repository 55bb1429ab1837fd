#pragma once
// Every file and folder dialog of the program goes through this service, so
// that tests can answer them. An empty result means the user cancelled.

#include <QString>
#include <functional>

namespace platform {

struct FileDialogRequest {
    enum class Kind { Open, Save, Folder };
    Kind kind = Kind::Open;
    QString title;
    QString directory; // starting folder, may be empty
    QString filter;    // Qt filter text, e.g. "ORT Files (*.cfg *.tab *.001);;All Files (*)"
    QString file_name; // suggested name (in `directory`, or a whole path), may be empty
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // A Save dialog answers the name as chosen and asks nothing about an
    // existing file: Get_Save_File_Name asks that on the name written.
    virtual QString Ask(const FileDialogRequest& request) = 0;
};

FileDialogService& File_Dialogs();
void Set_File_Dialog_Service(FileDialogService* service); // not owned; nullptr = real dialogs

QString Get_Open_File_Name(const QString& title, const QString& filter,
                           const QString& directory = QString(),
                           const QString& file_name = QString());

// "<name> already exists.\nDo you want to replace it?" (titled title; Enter
// answers No); true for Yes.
bool May_Replace(const QString& path, const QString& title);

// Turns the name chosen in a Save dialog into the name that is written (for
// example adds a default extension).
using Save_Name_Completion = std::function<QString(const QString& chosen)>;

// A Save dialog. The answer is the name that will be written: the chosen one
// after `complete`. When a file of that name exists the user is asked
// "<name> already exists.\nDo you want to replace it?" (titled as the dialog;
// Enter answers No); No shows the dialog again with that name. Empty when the user cancelled.
QString Get_Save_File_Name(const QString& title, const QString& filter,
                           const QString& file_name = QString(),
                           const Save_Name_Completion& complete = {},
                           const QString& directory = QString());
QString Get_Existing_Directory(const QString& title, const QString& directory = QString());

} // namespace platform
