#pragma once
// The C entry points that every component library exports, by name and
// signature, and the services a host lends a library it loads. Both sides
// include this file, so the names cannot drift apart.

#include "platform/component_types.h"

#include <cstdint>

namespace platform::component {

// What the host offers a loaded library: its message boxes and its pause,
// so that boxes and waits of the component go through the host's services
// (and tests of the host can script them). Texts are zero-terminated UTF-16.
struct Host_Services {
    std::uint32_t size; // sizeof(Host_Services) of the host
    // buttons and icon are platform::MsgButtons and platform::MsgIcon values;
    // the answer is a platform::MsgAnswer value.
    int (*show_box)(const char16_t* text, const char16_t* title, int buttons, int icon);
    void (*pause)(std::uint32_t milliseconds);
};

extern "C" {
// Hands out the class factory (or another interface of it) for a class id.
using Get_Class_Object_Fn = Result (*)(const Guid* clsid, const Guid* iid, void** out);
// RC_OK when no object and no lock of the library is outstanding, else RC_FALSE.
using Can_Unload_Now_Fn = Result (*)();
// Writes or removes the library's entries in the registration store at
// storePath (null or empty: the default store).
using Register_Server_Fn = Result (*)(const char16_t* storePath);
using Unregister_Server_Fn = Result (*)(const char16_t* storePath);
// Optional: called once after loading with the host's services (which stay
// valid while the process runs).
using Attach_Host_Fn = void (*)(const Host_Services* host);
}

inline constexpr const char* ENTRY_GET_CLASS_OBJECT = "Component_Get_Class_Object";
inline constexpr const char* ENTRY_CAN_UNLOAD_NOW = "Component_Can_Unload_Now";
inline constexpr const char* ENTRY_REGISTER_SERVER = "Component_Register_Server";
inline constexpr const char* ENTRY_UNREGISTER_SERVER = "Component_Unregister_Server";
inline constexpr const char* ENTRY_ATTACH_HOST = "Component_Attach_Host";

} // namespace platform::component
