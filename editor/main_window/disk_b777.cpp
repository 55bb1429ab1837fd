#include "editor/main_window/disk_b777.h"

#include "editor/platform/message_service.h"

namespace main_window {

QString B777_Unavailable_Text()
{
    return QStringLiteral("Auto Mode - B777 AIMS upload disks are written by the upload-disk "
                          "writer component, which is not part of this version of the program.");
}

bool Write_B777_Upload(const B777_Upload_Job& job)
{
    (void)job;
    platform::Msg_Box(B777_Unavailable_Text(), platform::MsgButtons::Ok,
                      platform::MsgIcon::Information, QStringLiteral("Create Upload Disk"));
    return false;
}

} // namespace main_window
