#pragma once
// How the component reaches its host: message boxes and pauses. When the
// library was loaded through the component runtime, the host lent it its
// services and boxes and pauses go there; otherwise boxes go to this
// module's platform::Msg_Box and pauses sleep.

#include "platform/component_exports.h"

#include <QString>

namespace quarnel {

void Attach_Host(const platform::component::Host_Services* host);

// The component's failure box: title "ERROR", OK, exclamation icon.
void Show_Error_Box(const QString& text);
// A plain box (no icon, OK) titled with the project name.
void Show_Plain_Box(const QString& text);

// Blocks for the given time through the host's pause, or sleeps.
void Host_Pause(int milliseconds);

} // namespace quarnel
