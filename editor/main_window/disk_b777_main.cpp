#include "editor/main_window/disk_b777_main.h"

#include "editor/main_window/disk_commands.h"
#include "editor/main_window/merivane_main.h"
#include "editor/main_window/upload_disk_dialog.h"
#include "editor/page_set/page_set.h"

#include <QLineEdit>

namespace main_window {

B777_Services Main_B777_Services(MerivaneMain& main)
{
    B777_Services services;
    services.Set_ORT_Description = [&main](const QString& securedText, const QString& userText) {
        main.Set_ORT_Description(securedText, userText);
    };
    services.Get_ORT_Description = [&main] {
        const Main_Controls& shared = main.Pages().Main;
        ORT_Descriptions texts;
        if (shared.Control_53)
            texts.Secured = shared.Control_53->text();
        if (shared.Control_33)
            texts.User = shared.Control_33->text();
        return texts;
    };
    return services;
}

void Install_B777_Upload(MerivaneMain& main, Disk_Commands& disks)
{
    disks.Upload_Dialog().Set_B777_Services(Main_B777_Services(main));
}

} // namespace main_window
