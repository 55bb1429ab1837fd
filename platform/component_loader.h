#pragma once
// Creating component objects: look a ProgID up in the registration store,
// load the serving library, ask its class factory for an object. Loaded
// libraries stay loaded until Free_Unused_Libraries finds them idle.

#include "platform/component_ref.h"
#include "platform/component_registry.h"

namespace platform::component {

// The class factory of a registered class; loads its library on first use
// and lends it this process's Host_Services.
Result Get_Class_Object(const Guid& clsid, const Guid& iid, void** out,
                        const Registration_Store& store = Registration_Store());

// A new object of a registered class, asked for interface iid.
Result Create_Instance(const Guid& clsid, const Guid& iid, void** out,
                       const Registration_Store& store = Registration_Store());

// A new object of the class that prog_id names (either case). Results:
// RC_INVALID_PROGID when the ProgID is unknown, RC_CLASS_NOT_REGISTERED when
// its class has no entry, RC_MODULE_NOT_FOUND when the library does not
// load, RC_PROC_NOT_FOUND when it lacks the factory entry point, or
// whatever the factory answers.
Result Create_Instance(const QString& prog_id, const Guid& iid, void** out,
                       const Registration_Store& store = Registration_Store());

template <class T>
Result Create_Instance(const QString& prog_id, Ref<T>& out,
                       const Registration_Store& store = Registration_Store())
{
    return Create_Instance(prog_id, T::Iid, out.put(), store);
}

// Loads library_path and runs its self-registration (or unregistration)
// entry point against the store.
Result Register_Server(const QString& library_path,
                       const Registration_Store& store = Registration_Store());
Result Unregister_Server(const QString& library_path,
                         const Registration_Store& store = Registration_Store());

// Unloads every loaded library whose Can_Unload_Now answers RC_OK; returns
// how many were unloaded.
int Free_Unused_Libraries();

// Absolute path of the library (or program) whose code holds address.
QString Module_Path_Of(const void* address);

} // namespace platform::component
