#include "platform/component_registry.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform::component;

namespace {

constexpr Guid kClass{0xA1, 0xB2, 0xC3, {1, 2, 3, 4, 5, 6, 7, 8}};
constexpr Guid kOther{0xA9, 0xB2, 0xC3, {1, 2, 3, 4, 5, 6, 7, 8}};
constexpr Guid kLib{0xF1, 0xB2, 0xC3, {1, 2, 3, 4, 5, 6, 7, 8}};

Class_Registration Sample(const Guid& id, const QString& prog)
{
    return Class_Registration{id, "Sample Class", prog + ".1", prog, "Apartment", "/opt/lib" + prog + ".so", kLib};
}

QJsonObject Whole(const Registration_Store& store)
{
    QFile f(store.Path());
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
}

struct Registry : ::testing::Test {
    QTemporaryDir dir;
    Registration_Store store{dir.path() + "/nested/folder/components.json"};
};

} // namespace

TEST_F(Registry, RegisterCreatesTheFileAndFindsByEitherProgIdInAnyCase)
{
    QString error;
    ASSERT_TRUE(store.Register_Class(Sample(kClass, "Acme.Widget"), &error)) << error.toStdString();
    EXPECT_EQ(store.Find_Clsid("Acme.Widget.1"), kClass);
    EXPECT_EQ(store.Find_Clsid("ACME.WIDGET.1"), kClass);
    EXPECT_EQ(store.Find_Clsid("acme.widget"), kClass);
    EXPECT_FALSE(store.Find_Clsid("Acme.Widget.2"));
    EXPECT_FALSE(store.Find_Clsid(""));
    const auto reg = store.Find_Class(kClass);
    ASSERT_TRUE(reg);
    EXPECT_EQ(reg->library_path, "/opt/libAcme.Widget.so");
    EXPECT_EQ(reg->threading_model, "Apartment");
    EXPECT_EQ(reg->prog_id, "Acme.Widget.1");
    EXPECT_EQ(reg->version_independent_prog_id, "Acme.Widget");
    EXPECT_EQ(reg->type_library, kLib);
    const QJsonObject cls = Whole(store).value("classes").toObject().value(Guid_Text(kClass)).toObject();
    EXPECT_TRUE(cls.value("programmable").toBool());
}

TEST_F(Registry, VersionIndependentProgIdFollowsCurVerWhenItHasNoClass)
{
    ASSERT_TRUE(store.Register_Class(Sample(kClass, "Acme.Widget")));
    QJsonObject whole = Whole(store);
    QJsonObject progIds = whole.value("progIds").toObject();
    progIds.insert("Acme.Widget", QJsonObject{{"curVer", "Acme.Widget.1"}});
    whole.insert("progIds", progIds);
    QFile f(store.Path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QJsonDocument(whole).toJson());
    f.close();
    EXPECT_EQ(store.Find_Clsid("ACME.widget"), kClass);
}

TEST_F(Registry, ReRegistrationReplacesTheClassWholeAndOtherSpellings)
{
    ASSERT_TRUE(store.Register_Class(Sample(kClass, "acme.widget")));
    Class_Registration again = Sample(kClass, "Acme.Widget");
    again.library_path = "/new/lib.so";
    again.type_library.reset();
    ASSERT_TRUE(store.Register_Class(again));
    const QJsonObject whole = Whole(store);
    EXPECT_EQ(whole.value("progIds").toObject().keys(), (QStringList{"Acme.Widget", "Acme.Widget.1"}));
    const auto reg = store.Find_Class(kClass);
    ASSERT_TRUE(reg);
    EXPECT_EQ(reg->library_path, "/new/lib.so");
    EXPECT_FALSE(reg->type_library);
}

TEST_F(Registry, UnregisterRemovesOnlyThatClassAndKeepsTheTables)
{
    ASSERT_TRUE(store.Register_Class(Sample(kClass, "Acme.Widget")));
    ASSERT_TRUE(store.Register_Class(Sample(kOther, "Acme.Gadget")));
    ASSERT_TRUE(store.Unregister_Class(kClass));
    EXPECT_FALSE(store.Find_Class(kClass));
    EXPECT_FALSE(store.Find_Clsid("Acme.Widget.1"));
    EXPECT_FALSE(store.Find_Clsid("Acme.Widget"));
    EXPECT_EQ(store.Find_Clsid("Acme.Gadget.1"), kOther);
    ASSERT_TRUE(store.Unregister_Class(kOther));
    const QJsonObject whole = Whole(store);
    EXPECT_TRUE(whole.contains("classes"));
    EXPECT_TRUE(whole.value("classes").toObject().isEmpty());
    EXPECT_TRUE(whole.value("progIds").toObject().isEmpty());
    // Removing what is not there is no failure.
    EXPECT_TRUE(store.Unregister_Class(kClass));
}

TEST_F(Registry, TypeLibrariesByVersion)
{
    ASSERT_TRUE(store.Register_Type_Library({kLib, 1, 0, "ACMELib", "Acme 1.0 Type Library", "/opt/a.so"}));
    ASSERT_TRUE(store.Register_Type_Library({kLib, 2, 1, "ACMELib", "Acme 2.1 Type Library", "/opt/b.so"}));
    const auto v1 = store.Find_Type_Library(kLib, 1, 0);
    ASSERT_TRUE(v1);
    EXPECT_EQ(v1->help_string, "Acme 1.0 Type Library");
    EXPECT_EQ(v1->library_path, "/opt/a.so");
    ASSERT_TRUE(store.Unregister_Type_Library(kLib, 1, 0));
    EXPECT_FALSE(store.Find_Type_Library(kLib, 1, 0));
    EXPECT_TRUE(store.Find_Type_Library(kLib, 2, 1));
}

TEST_F(Registry, AMissingStoreIsEmptyAndACorruptOneIsNotOverwritten)
{
    EXPECT_FALSE(store.Find_Clsid("Acme.Widget.1"));
    EXPECT_FALSE(store.Find_Class(kClass));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(store.Path()).absolutePath()));
    QFile f(store.Path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not json {");
    f.close();
    QString error;
    EXPECT_FALSE(store.Register_Class(Sample(kClass, "Acme.Widget"), &error));
    EXPECT_FALSE(error.isEmpty());
    QFile again(store.Path());
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), QByteArray("not json {"));
}

TEST(RegistryPath, DefaultStoreLivesInTheUsersConfigFolder)
{
    EXPECT_TRUE(Default_Store_Path().endsWith("/Quendrall/components.json"));
    EXPECT_EQ(Registration_Store().Path(), Default_Store_Path());
}
