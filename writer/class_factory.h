#pragma once
// The class factory of BoeingFileData, the library's "may I be unloaded"
// answer, and the self-registration of the component in a store.

#include "platform/component_types.h"

#include <QString>

namespace quarnel {

// The factory (or another of its interfaces) for CLSID_BoeingFileData;
// RC_CLASS_NOT_AVAILABLE for any other class id.
platform::component::Result Get_Class_Object(const platform::component::Guid& clsid,
                                             const platform::component::Guid& iid, void** out);

// RC_OK when no object and no server lock is outstanding, else RC_FALSE.
platform::component::Result Can_Unload_Now();

// Writes the class, its two ProgIDs (with "CurVer") and the type library
// into the store at store_path (empty: the default store), with
// library_path as the serving library.
platform::component::Result Register_Component(const QString& store_path, const QString& library_path);
// Removes the two ProgIDs, the class entry and the type library.
platform::component::Result Unregister_Component(const QString& store_path);

} // namespace quarnel
