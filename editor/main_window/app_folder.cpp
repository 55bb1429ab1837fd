#include "editor/main_window/app_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace main_window {

QString app_path()
{
    QString path = QCoreApplication::applicationDirPath();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

void set_Working_Directory_AppPath()
{
    // A folder that cannot be entered leaves the current one.
    QDir::setCurrent(app_path());
}

} // namespace main_window
