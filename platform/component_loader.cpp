#include "platform/component_loader.h"

#include "platform/component_host.h"

#include <QFileInfo>
#include <QLibrary>
#include <dlfcn.h>
#include <map>
#include <memory>

namespace platform::component {

namespace {

struct Loaded_Library {
    std::unique_ptr<QLibrary> library;
    Get_Class_Object_Fn get_class_object = nullptr;
    Can_Unload_Now_Fn can_unload_now = nullptr;
};

// Keyed by canonical path, so two spellings of one file load it once.
std::map<QString, Loaded_Library>& Loaded()
{
    static std::map<QString, Loaded_Library> libraries;
    return libraries;
}

QString Canonical(const QString& path)
{
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? path : c;
}

// Loads (or finds) a library; null when it does not load.
QLibrary* Open_Library(const QString& path, std::unique_ptr<QLibrary>& holder)
{
    holder = std::make_unique<QLibrary>(path);
    if (!holder->load()) {
        holder.reset();
        return nullptr;
    }
    if (auto attach = reinterpret_cast<Attach_Host_Fn>(holder->resolve(ENTRY_ATTACH_HOST)))
        attach(This_Host());
    return holder.get();
}

Result Load_Server(const QString& path, Loaded_Library** out)
{
    const QString key = Canonical(path);
    auto& loaded = Loaded();
    if (auto it = loaded.find(key); it != loaded.end()) {
        *out = &it->second;
        return RC_OK;
    }
    Loaded_Library lib;
    if (!Open_Library(key, lib.library))
        return RC_MODULE_NOT_FOUND;
    lib.get_class_object =
        reinterpret_cast<Get_Class_Object_Fn>(lib.library->resolve(ENTRY_GET_CLASS_OBJECT));
    lib.can_unload_now =
        reinterpret_cast<Can_Unload_Now_Fn>(lib.library->resolve(ENTRY_CAN_UNLOAD_NOW));
    if (!lib.get_class_object)
        return RC_PROC_NOT_FOUND; // the library stays mapped by Qt until process end; harmless
    *out = &loaded.emplace(key, std::move(lib)).first->second;
    return RC_OK;
}

template <class Fn>
Result Run_Registration_Entry(const QString& library_path, const char* entry,
                              const Registration_Store& store)
{
    std::unique_ptr<QLibrary> holder;
    if (!Open_Library(Canonical(library_path), holder))
        return RC_MODULE_NOT_FOUND;
    auto fn = reinterpret_cast<Fn>(holder->resolve(entry));
    if (!fn)
        return RC_PROC_NOT_FOUND;
    return fn(To_BStr(store.Path()));
}

} // namespace

Result Get_Class_Object(const Guid& clsid, const Guid& iid, void** out,
                        const Registration_Store& store)
{
    if (!out)
        return RC_POINTER;
    *out = nullptr;
    const auto reg = store.Find_Class(clsid);
    if (!reg || reg->library_path.isEmpty())
        return RC_CLASS_NOT_REGISTERED;
    Loaded_Library* lib = nullptr;
    if (const Result r = Load_Server(reg->library_path, &lib); Failed(r))
        return r;
    return lib->get_class_object(&clsid, &iid, out);
}

Result Create_Instance(const Guid& clsid, const Guid& iid, void** out,
                       const Registration_Store& store)
{
    if (!out)
        return RC_POINTER;
    *out = nullptr;
    Ref<IClass_Factory> factory;
    if (const Result r = Get_Class_Object(clsid, IClass_Factory::Iid, factory.put(), store); Failed(r))
        return r;
    if (!factory)
        return RC_CLASS_NOT_AVAILABLE;
    return factory->CreateInstance(nullptr, iid, out);
}

Result Create_Instance(const QString& prog_id, const Guid& iid, void** out,
                       const Registration_Store& store)
{
    if (!out)
        return RC_POINTER;
    *out = nullptr;
    const auto clsid = store.Find_Clsid(prog_id);
    if (!clsid)
        return RC_INVALID_PROGID;
    return Create_Instance(*clsid, iid, out, store);
}

Result Register_Server(const QString& library_path, const Registration_Store& store)
{
    return Run_Registration_Entry<Register_Server_Fn>(library_path, ENTRY_REGISTER_SERVER, store);
}

Result Unregister_Server(const QString& library_path, const Registration_Store& store)
{
    return Run_Registration_Entry<Unregister_Server_Fn>(library_path, ENTRY_UNREGISTER_SERVER,
                                                        store);
}

int Free_Unused_Libraries()
{
    int freed = 0;
    auto& loaded = Loaded();
    for (auto it = loaded.begin(); it != loaded.end();) {
        if (it->second.can_unload_now && it->second.can_unload_now() == RC_OK) {
            it->second.library->unload();
            it = loaded.erase(it);
            ++freed;
        } else {
            ++it;
        }
    }
    return freed;
}

QString Module_Path_Of(const void* address)
{
    Dl_info info{};
    if (!address || dladdr(address, &info) == 0 || !info.dli_fname)
        return QString();
    return QFileInfo(QFile::decodeName(info.dli_fname)).absoluteFilePath();
}

} // namespace platform::component
