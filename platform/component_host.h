#pragma once
// The host side of Host_Services: what this process lends the component
// libraries it loads. Boxes go to platform::Msg_Box; pauses go to a
// replaceable pause service (tests install one that records instead of
// sleeping).

#include "platform/component_exports.h"

#include <functional>

namespace platform::component {

// The services of this process, filled once; valid for the whole run.
const Host_Services* This_Host();

using Pause_Service = std::function<void(int milliseconds)>;

// Blocks the calling thread for the given time through the pause service.
void Pause(int milliseconds);
// Installs a pause service; an empty function goes back to sleeping.
void Set_Pause_Service(Pause_Service service);

} // namespace platform::component
