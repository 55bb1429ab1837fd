#include "platform/component_host.h"
#include "platform/component_loader.h"
#include "platform/message_service.h"
#include "support/scripted_messages.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform::component;

namespace {

class IThing : public IObject {
public:
    static constexpr Guid Iid{0x77, 0x1, 0x2, {1, 1, 1, 1, 1, 1, 1, 1}};

protected:
    ~IThing() = default;
};

constexpr Guid kClass{0x55, 0x1, 0x2, {1, 1, 1, 1, 1, 1, 1, 1}};

struct Loader : ::testing::Test {
    QTemporaryDir dir;
    Registration_Store store{dir.path() + "/components.json"};
};

} // namespace

TEST_F(Loader, UnknownProgIdIsAnInvalidClassString)
{
    Ref<IThing> thing;
    EXPECT_EQ(Create_Instance("Nobody.Thing.1", thing, store), RC_INVALID_PROGID);
    EXPECT_FALSE(thing);
}

TEST_F(Loader, ClassWithoutLibraryIsNotRegistered)
{
    ASSERT_TRUE(store.Register_Class({kClass, "Thing", "Acme.Thing.1", "Acme.Thing", "Apartment", "/x.so", {}}));
    ASSERT_TRUE(store.Unregister_Class(kClass));
    ASSERT_TRUE(store.Register_Class({kClass, "Thing", "Acme.Thing.1", "", "Apartment", "", {}}));
    Ref<IThing> thing;
    EXPECT_EQ(Create_Instance("acme.thing.1", thing, store), RC_CLASS_NOT_REGISTERED);
}

TEST_F(Loader, MissingLibraryIsModuleNotFound)
{
    ASSERT_TRUE(store.Register_Class(
        {kClass, "Thing", "Acme.Thing.1", "Acme.Thing", "Apartment", dir.path() + "/libnothing.so", {}}));
    Ref<IThing> thing;
    EXPECT_EQ(Create_Instance("ACME.THING.1", thing, store), RC_MODULE_NOT_FOUND);
    EXPECT_EQ(Register_Server(dir.path() + "/libnothing.so", store), RC_MODULE_NOT_FOUND);
    EXPECT_EQ(Create_Instance(kClass, IThing::Iid, nullptr, store), RC_POINTER);
}

TEST(ComponentHost, BoxesAndPausesGoThroughTheHostsServices)
{
    testsupport::ScriptedMessages msgs;
    const Host_Services* host = This_Host();
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->size, sizeof(Host_Services));
    msgs.Answer(platform::MsgAnswer::No);
    const int answer = host->show_box(u"Really?", u"Title", static_cast<int>(platform::MsgButtons::YesNo),
                                      static_cast<int>(platform::MsgIcon::Question));
    EXPECT_EQ(answer, static_cast<int>(platform::MsgAnswer::No));
    ASSERT_EQ(msgs.Boxes().size(), 1);
    EXPECT_EQ(msgs.Boxes()[0].text, "Really?");
    EXPECT_EQ(msgs.Boxes()[0].title, "Title");

    std::vector<int> pauses;
    Set_Pause_Service([&](int ms) { pauses.push_back(ms); });
    host->pause(500);
    Pause(1000);
    Set_Pause_Service({});
    EXPECT_EQ(pauses, (std::vector<int>{500, 1000}));
}

TEST(ComponentModule, PathOfCodeInThisProgram)
{
    static const int marker = 0;
    const QString path = Module_Path_Of(&marker);
    EXPECT_TRUE(path.endsWith("test_platform")) << path.toStdString();
    EXPECT_TRUE(Module_Path_Of(nullptr).isEmpty());
}
