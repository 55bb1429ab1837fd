#include "editor/main_window/new_ort_steps.h"

#include "editor/document/ver_conv.h"
#include "editor/main_window/merivane_main.h"
#include "editor/user_partition/user_mod.h"
#include "platform/message_service.h"

#include <exception>

namespace main_window {

namespace {

// A failure leaves no ORT open and shows one box, as a failed load does.
// An unsupported user version has shown its own box already.
template <class Step>
bool Run_Step(MerivaneMain& main, const QString& procedure, Step step)
{
    try {
        step();
        return true;
    } catch (const User_Mod::Unsupported_Version_Error&) {
        main.Reset_Main_Window();
    } catch (const std::exception& error) {
        main.Reset_Main_Window();
        platform::Msg_Box(modVerConv::Unknown_Error_Text(procedure, error));
    }
    return false;
}

} // namespace

void Run_New_ORT(MerivaneMain& main)
{
    if (Run_Step(main, QStringLiteral("modVerConv.New_ORT"),
                 [&main] { modVerConv::New_ORT(main.Pages()); }))
        main.Show_ORT_Open_State();
}

void Run_Convert_ORT(MerivaneMain& main)
{
    if (Run_Step(main, QStringLiteral("modVerConv.Convert_ORT"),
                 [&main] { modVerConv::Convert_ORT(main.Pages()); }))
        main.Show_ORT_Open_State();
}

} // namespace main_window
