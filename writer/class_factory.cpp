#include "writer/class_factory.h"

#include "platform/component_object.h"
#include "platform/component_registry.h"
#include "writer/boeing_file_data.h"
#include "writer/quarnel_interfaces.h"

#include <new>

namespace quarnel {

namespace rc = platform::component;

namespace {

class BoeingFileData_Factory final : public rc::Object<rc::IClass_Factory> {
public:
    static BoeingFileData_Factory* Create() { return new BoeingFileData_Factory(); }

    Result CreateInstance(rc::IObject* outer, const Guid& iid, void** out) override
    {
        if (!out)
            return rc::RC_POINTER;
        *out = nullptr;
        if (outer)
            return rc::RC_NO_AGGREGATION;
        BoeingFileData* object = nullptr;
        try {
            object = BoeingFileData::Create();
        } catch (const std::bad_alloc&) {
            return rc::RC_OUT_OF_MEMORY;
        }
        const Result r = object->QueryInterface(iid, out);
        object->Release();
        return r;
    }

    Result LockServer(bool lock) override
    {
        Lock_Server(lock);
        return rc::RC_OK;
    }

private:
    BoeingFileData_Factory() { Lock_Server(true); }
    ~BoeingFileData_Factory() override { Lock_Server(false); }
};

} // namespace

Result Get_Class_Object(const Guid& clsid, const Guid& iid, void** out)
{
    if (!out)
        return rc::RC_POINTER;
    *out = nullptr;
    if (clsid != CLSID_BoeingFileData)
        return rc::RC_CLASS_NOT_AVAILABLE;
    BoeingFileData_Factory* factory = BoeingFileData_Factory::Create();
    const Result r = factory->QueryInterface(iid, out);
    factory->Release();
    return r;
}

Result Can_Unload_Now()
{
    return Live_Objects() == 0 && Server_Locks() == 0 ? rc::RC_OK : rc::RC_FALSE;
}

Result Register_Component(const QString& store_path, const QString& library_path)
{
    const rc::Registration_Store store(store_path);
    rc::Class_Registration reg;
    reg.clsid = CLSID_BoeingFileData;
    reg.description = QString::fromLatin1(CLASS_DESCRIPTION_BoeingFileData);
    reg.prog_id = QString::fromLatin1(PROGID_BoeingFileData);
    reg.version_independent_prog_id = QString::fromLatin1(VERSION_INDEPENDENT_PROGID_BoeingFileData);
    reg.threading_model = QString::fromLatin1(THREADING_MODEL_BoeingFileData);
    reg.library_path = library_path;
    reg.type_library = LIBID_QUARNELLib;
    const rc::Type_Library_Registration lib{LIBID_QUARNELLib, 1, 0,
                                            QString::fromLatin1(TYPE_LIBRARY_NAME),
                                            QString::fromLatin1(TYPE_LIBRARY_HELP), library_path};
    if (library_path.isEmpty() || !store.Register_Class(reg) || !store.Register_Type_Library(lib))
        return rc::RC_REGISTRATION_FAILED;
    return rc::RC_OK;
}

Result Unregister_Component(const QString& store_path)
{
    const rc::Registration_Store store(store_path);
    if (!store.Unregister_Class(CLSID_BoeingFileData)
        || !store.Unregister_Type_Library(LIBID_QUARNELLib, 1, 0))
        return rc::RC_REGISTRATION_FAILED;
    return rc::RC_OK;
}

} // namespace quarnel
