#pragma once
// The application folder: where the editor's executable lies, and the
// current folder the commands return to after a file dialog.

#include <QString>

namespace main_window {

// The application folder with a trailing "/", as the file system gives it.
QString app_path();
// Changes to the application folder; failures are ignored.
void set_Working_Directory_AppPath();

} // namespace main_window
