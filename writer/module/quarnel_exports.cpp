// The entry points of the Quarnel library: class factory, unload check,
// self-registration and the host's services. Everything else in the
// library stays hidden.

#include "platform/component_exports.h"
#include "platform/component_loader.h"
#include "writer/class_factory.h"
#include "writer/component_services.h"

#include <type_traits>

#define QUARNEL_EXPORT extern "C" __attribute__((visibility("default")))

namespace rc = platform::component;

namespace {

QString This_Library()
{
    static const int marker = 0;
    return rc::Module_Path_Of(&marker);
}

} // namespace

QUARNEL_EXPORT rc::Result Component_Get_Class_Object(const rc::Guid* clsid, const rc::Guid* iid,
                                                     void** out)
{
    if (!clsid || !iid || !out)
        return rc::RC_POINTER;
    return quarnel::Get_Class_Object(*clsid, *iid, out);
}

QUARNEL_EXPORT rc::Result Component_Can_Unload_Now()
{
    return quarnel::Can_Unload_Now();
}

QUARNEL_EXPORT rc::Result Component_Register_Server(const char16_t* storePath)
{
    return quarnel::Register_Component(rc::From_BStr(storePath), This_Library());
}

QUARNEL_EXPORT rc::Result Component_Unregister_Server(const char16_t* storePath)
{
    return quarnel::Unregister_Component(rc::From_BStr(storePath));
}

QUARNEL_EXPORT void Component_Attach_Host(const rc::Host_Services* host)
{
    quarnel::Attach_Host(host);
}

// Type checks: the exports match what the runtime expects.
static_assert(std::is_same_v<decltype(&Component_Get_Class_Object), rc::Get_Class_Object_Fn>);
static_assert(std::is_same_v<decltype(&Component_Can_Unload_Now), rc::Can_Unload_Now_Fn>);
static_assert(std::is_same_v<decltype(&Component_Register_Server), rc::Register_Server_Fn>);
static_assert(std::is_same_v<decltype(&Component_Unregister_Server), rc::Unregister_Server_Fn>);
static_assert(std::is_same_v<decltype(&Component_Attach_Host), rc::Attach_Host_Fn>);
