// The component as the editor reaches it: registered in a store of the
// test's own, created by ProgID, driven through its interface only, with
// the component's boxes and pauses coming back through the host's services.

#include "platform/component_host.h"
#include "platform/component_loader.h"
#include "support/scripted_messages.h"
#include "writer/quarnel_interfaces.h"
#include "writer_fixtures.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>
#include <gtest/gtest.h>

using namespace quarnel;
using namespace writer_test;

namespace {

const QString kLibrary = QStringLiteral(QUARNEL_LIBRARY_FILE);

struct ByProgId : ::testing::Test {
    QTemporaryDir dir;
    rc::Registration_Store store{dir.path() + "/store/components.json"};
    testsupport::ScriptedMessages msgs;
    std::vector<int> pauses;

    void SetUp() override
    {
        ASSERT_EQ(rc::Register_Server(kLibrary, store), rc::RC_OK);
        rc::Set_Pause_Service([this](int ms) { pauses.push_back(ms); });
    }
    void TearDown() override { rc::Set_Pause_Service({}); }

    rc::Result Library_Can_Unload()
    {
        QLibrary lib(kLibrary);
        auto fn = reinterpret_cast<rc::Can_Unload_Now_Fn>(lib.resolve(rc::ENTRY_CAN_UNLOAD_NOW));
        return fn ? fn() : rc::RC_FAIL;
    }
};

} // namespace

TEST_F(ByProgId, RegistrationWritesClassProgIdsAndTypeLibrary)
{
    const auto clsid = store.Find_Clsid("Quarnel.BoeingFileData.1");
    ASSERT_TRUE(clsid);
    EXPECT_EQ(rc::Guid_Text(*clsid), "{3B70B1DD-E909-47D1-99FE-D537938CC4D9}");
    EXPECT_EQ(store.Find_Clsid("Quarnel.BoeingFileData"), clsid);
    const auto reg = store.Find_Class(*clsid);
    ASSERT_TRUE(reg);
    EXPECT_EQ(reg->description, "BoeingFileData Class");
    EXPECT_EQ(reg->prog_id, "Quarnel.BoeingFileData.1");
    EXPECT_EQ(reg->version_independent_prog_id, "Quarnel.BoeingFileData");
    EXPECT_EQ(reg->threading_model, "Apartment");
    EXPECT_EQ(QFileInfo(reg->library_path).canonicalFilePath(), QFileInfo(kLibrary).canonicalFilePath());
    ASSERT_TRUE(reg->type_library);
    EXPECT_EQ(rc::Guid_Text(*reg->type_library), "{80392B82-87C3-4C5A-B4C6-FB8F610C6E61}");
    const auto lib = store.Find_Type_Library(*reg->type_library, 1, 0);
    ASSERT_TRUE(lib);
    EXPECT_EQ(lib->name, "QUARNELLib");
    EXPECT_EQ(lib->help_string, "Quarnel 1.0 Type Library");

    QFile f(store.Path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QJsonObject progIds = QJsonDocument::fromJson(f.readAll()).object().value("progIds").toObject();
    EXPECT_EQ(progIds.value("Quarnel.BoeingFileData").toObject().value("curVer").toString(),
              "Quarnel.BoeingFileData.1");
}

TEST_F(ByProgId, UnregistrationRemovesTheEntriesAndCreationThenFails)
{
    ASSERT_EQ(rc::Unregister_Server(kLibrary, store), rc::RC_OK);
    EXPECT_FALSE(store.Find_Clsid("Quarnel.BoeingFileData.1"));
    EXPECT_FALSE(store.Find_Class(CLSID_BoeingFileData));
    EXPECT_FALSE(store.Find_Type_Library(LIBID_QUARNELLib, 1, 0));
    rc::Ref<IBoeingFileData> obj;
    EXPECT_EQ(rc::Create_Instance("QUARNEL.BoeingFileData.1", obj, store), rc::RC_INVALID_PROGID);
    EXPECT_FALSE(obj);
    // Registering again brings it back.
    ASSERT_EQ(rc::Register_Server(kLibrary, store), rc::RC_OK);
    EXPECT_EQ(rc::Create_Instance("QUARNEL.BoeingFileData.1", obj, store), rc::RC_OK);
}

TEST_F(ByProgId, CreationIgnoresTheCaseOfTheProgId)
{
    for (const char* name : {"QUARNEL.BoeingFileData.1", "quarnel.boeingfiledata.1", "Quarnel.BoeingFileData"}) {
        rc::Ref<IBoeingFileData> obj;
        EXPECT_EQ(rc::Create_Instance(name, obj, store), rc::RC_OK) << name;
        EXPECT_TRUE(obj) << name;
    }
    rc::Ref<IBoeingFileData> none;
    EXPECT_EQ(rc::Create_Instance("Quarnel.BoeingFileData.2", none, store), rc::RC_INVALID_PROGID);
    // The object answers its own interface and the base, and nothing else.
    rc::Ref<IBoeingFileData> obj;
    ASSERT_EQ(rc::Create_Instance("QUARNEL.BoeingFileData.1", obj, store), rc::RC_OK);
    EXPECT_TRUE(obj.As<rc::IObject>());
    EXPECT_FALSE(obj.As<ICallbackEntry>());
}

TEST_F(ByProgId, LibraryMayUnloadOnlyWithoutLiveObjects)
{
    {
        rc::Ref<IBoeingFileData> obj;
        ASSERT_EQ(rc::Create_Instance("QUARNEL.BoeingFileData.1", obj, store), rc::RC_OK);
        EXPECT_EQ(Library_Can_Unload(), rc::RC_FALSE);
    }
    EXPECT_EQ(Library_Can_Unload(), rc::RC_OK);
    rc::Ref<rc::IClass_Factory> factory;
    ASSERT_EQ(rc::Get_Class_Object(CLSID_BoeingFileData, rc::IClass_Factory::Iid, factory.put(), store), rc::RC_OK);
    EXPECT_EQ(Library_Can_Unload(), rc::RC_FALSE);
    rc::Ref<IBoeingFileData> obj;
    EXPECT_EQ(factory->CreateInstance(factory.get(), IBoeingFileData::Iid, obj.put()), rc::RC_NO_AGGREGATION);
    factory.reset();
    EXPECT_EQ(Library_Can_Unload(), rc::RC_OK);
}

TEST_F(ByProgId, EditorWritesAB777UploadThroughTheInterface)
{
    Upload_Folder folder;
    rc::Ref<IBoeingFileData> writer;
    ASSERT_EQ(rc::Create_Instance("QUARNEL.BoeingFileData.1", writer, store), rc::RC_OK);
    auto callback = Recording_Callback::Make();
    ASSERT_EQ(writer->setCallbackAdvise(callback.get()), rc::RC_OK);
    Bool16 vb = 0;
    ASSERT_EQ(writer->setProgressDialogOnOff(rc::BOOL16_TRUE, &vb), rc::RC_OK);
    const QString folder_path = folder.Prefix();
    ASSERT_EQ(writer->setUploadParameters(u"DISK-PN-0001", u"DATA-PN-0002", u"ABC", u"58A6C",
                                          rc::To_BStr(folder_path), B777, &vb),
              rc::RC_OK);
    ASSERT_EQ(writer->validateFileData(&vb), rc::RC_OK);
    EXPECT_EQ(callback->numbers, QStringList{"2378-ABC-58A-6C"});
    ASSERT_EQ(writer->write777Files(&vb), rc::RC_OK);
    EXPECT_EQ(vb, rc::BOOL16_TRUE);
    EXPECT_EQ(folder.Files(), (QStringList{"ABC58A6C.001", "ABC58A6C.HDR", "ABC58A6C.TXT", "CONFIG.LDR",
                                           "DISK.DIR", "NON_LOAD.CRC"}));
    // The progress window's pauses came through the host's pause service.
    EXPECT_EQ(pauses.size(), 16u);
    writer.reset();
    EXPECT_EQ(callback->Count(), 1u); // the component let its reference go
}

TEST_F(ByProgId, ComponentBoxesReachTheHostsMessageService)
{
    rc::Ref<IBoeingFileData> writer;
    ASSERT_EQ(rc::Create_Instance("QUARNEL.BoeingFileData.1", writer, store), rc::RC_OK);
    Bool16 vb = 0;
    EXPECT_EQ(writer->setProductIdentifier(u"58Q6C", &vb), rc::RC_FALSE);
    EXPECT_EQ(vb, rc::BOOL16_FALSE);
    ASSERT_EQ(msgs.Boxes().size(), 1);
    EXPECT_EQ(msgs.Boxes()[0].text, "Invalid character 'I', 'O', 'Q', or 'Z'");
    EXPECT_EQ(msgs.Boxes()[0].title, "ERROR");
    EXPECT_TRUE(msgs.Boxes()[0].unowned); // through the host, still without an owner
    EXPECT_EQ(msgs.Boxes()[0].icon, platform::MsgIcon::Exclamation);
    // Failing results the editor turns into its "Error: " box.
    EXPECT_EQ(writer->validateFileData(&vb), rc::Code(0x800104B1u));
    auto a = Recording_Callback::Make();
    auto b = Recording_Callback::Make();
    EXPECT_EQ(writer->setCallbackAdvise(a.get()), rc::RC_OK);
    EXPECT_EQ(writer->setCallbackAdvise(b.get()), rc::Code(0x80010047u));
}

TEST_F(ByProgId, IdleLibrariesAreFreedAndLoadAgainOnDemand)
{
    rc::Ref<IBoeingFileData> writer;
    ASSERT_EQ(rc::Create_Instance("QUARNEL.BoeingFileData.1", writer, store), rc::RC_OK);
    EXPECT_EQ(rc::Free_Unused_Libraries(), 0); // an object is alive
    writer.reset();
    EXPECT_EQ(rc::Free_Unused_Libraries(), 1);
    EXPECT_EQ(rc::Free_Unused_Libraries(), 0);
    ASSERT_EQ(rc::Create_Instance("quarnel.boeingfiledata", writer, store), rc::RC_OK);
    Bool16 vb = 0;
    EXPECT_EQ(writer->setManufacturerIdentifier(u"AB", &vb), rc::RC_FALSE);
    EXPECT_EQ(msgs.Texts(), QStringList{"The Manuafcturer ID must contain 3 alphanumeric characters!"});
}
