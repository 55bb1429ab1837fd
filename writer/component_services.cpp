#include "writer/component_services.h"

#include "platform/message_service.h"
#include "writer/quarnel_interfaces.h"

#include <QThread>

namespace quarnel {

namespace {

const platform::component::Host_Services* g_host = nullptr;

void Show(const QString& text, platform::MsgIcon icon, const QString& title)
{
    if (g_host && g_host->show_box) {
        g_host->show_box(platform::component::To_BStr(text), platform::component::To_BStr(title),
                         static_cast<int>(platform::MsgButtons::Ok), static_cast<int>(icon));
        return;
    }
    platform::Msg_Box_Unowned(text, platform::MsgButtons::Ok, icon, title);
}

} // namespace

void Attach_Host(const platform::component::Host_Services* host)
{
    if (host && host->size < sizeof(platform::component::Host_Services))
        host = nullptr; // an older host without every service: keep our own
    g_host = host;
}

void Show_Error_Box(const QString& text)
{
    Show(text, platform::MsgIcon::Exclamation, QStringLiteral("ERROR"));
}

void Show_Plain_Box(const QString& text)
{
    Show(text, platform::MsgIcon::None, QString::fromLatin1(PROJECT_NAME));
}

void Host_Pause(int milliseconds)
{
    if (g_host && g_host->pause)
        g_host->pause(static_cast<std::uint32_t>(milliseconds > 0 ? milliseconds : 0));
    else if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace quarnel
