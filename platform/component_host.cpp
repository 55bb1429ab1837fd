#include "platform/component_host.h"

#include "platform/message_service.h"

#include <QThread>

namespace platform::component {

namespace {

Pause_Service& Pause_Slot()
{
    static Pause_Service service;
    return service;
}

int Host_Show_Box(const char16_t* text, const char16_t* title, int buttons, int icon)
{
    // The component's boxes have no owner window.
    const MsgAnswer answer = Msg_Box_Unowned(From_BStr(text), static_cast<MsgButtons>(buttons),
                                     static_cast<MsgIcon>(icon), From_BStr(title));
    return static_cast<int>(answer);
}

void Host_Pause(std::uint32_t milliseconds)
{
    Pause(static_cast<int>(milliseconds));
}

} // namespace

const Host_Services* This_Host()
{
    static const Host_Services host{sizeof(Host_Services), &Host_Show_Box, &Host_Pause};
    return &host;
}

void Pause(int milliseconds)
{
    if (Pause_Slot())
        Pause_Slot()(milliseconds);
    else if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void Set_Pause_Service(Pause_Service service)
{
    Pause_Slot() = std::move(service);
}

} // namespace platform::component
