// The entry points of the user partition and the two dispatchers.

#include "editor/user_partition/user_mod.h"
#include "editor/user_partition/user_record_v8.h"
#include "user_fixture.h"

#include <QComboBox>
#include <QLineEdit>

using namespace User_Mod;
using usertest::Set_User_Current;
using usertest::Set_User_Loaded;

namespace {
using UserModTest = usertest::UserPagesTest;
}

TEST_F(UserModTest, GenerationRowsByVersionAndFileType)
{
    ASSERT_NE(Generation_Of_Version(8), nullptr);
    EXPECT_EQ(Generation_Of_Type(8), Generation_Of_Version(8));
    EXPECT_EQ(Generation_Of_Type(9), Generation_Of_Version(8));
    EXPECT_EQ(User_Record_For_Type(9), &User_Record_V8());
    EXPECT_EQ(Generation_Of_Version(99), nullptr);
    EXPECT_EQ(Generation_Of_Type(7), nullptr);
    EXPECT_EQ(User_Record_For_Type(4), nullptr);
    for (const Generation_Row& row : Generations()) {
        EXPECT_NE(row.Update_GUI, nullptr);
        EXPECT_NE(row.Record, nullptr);
        EXPECT_EQ(row.Record().Length(), core::User_Record_Size(row.Partition_Version) + 1);
    }
}

TEST_F(UserModTest, SecuredOnlyFilesLeaveTheDefaultsWithAWarning)
{
    for (int type : {4, 7, 10, 13}) {
        messages.Clear();
        Set_User_Loaded(type, 0);
        Set_User_Current(8, 2, 5, 0);
        Convert_User(*pages);
        ASSERT_EQ(messages.Boxes().size(), 1);
        EXPECT_EQ(messages.Boxes()[0].text,
                  QStringLiteral("Warning, Convertion uses some or all default values."));
        EXPECT_EQ(messages.Boxes()[0].icon, platform::MsgIcon::None);
        EXPECT_EQ(messages.Boxes()[0].buttons, platform::MsgButtons::Ok);
        EXPECT_TRUE(messages.Boxes()[0].title.isEmpty());
        EXPECT_EQ(pages->General().Control_04->currentIndex(), 2);
        // The defaults were saved into the current record.
        EXPECT_EQ(User_Record_V8().Get(V8_GES_Count), 12);
    }
}

TEST_F(UserModTest, UnknownLoadedTypeShowsItsNumber)
{
    Set_User_Loaded(3, 0);
    Update_GUI(*pages);
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("User Update_GUI: Unsupported version: 3"));
    EXPECT_EQ(messages.Boxes()[0].buttons, platform::MsgButtons::Ok);
}

TEST_F(UserModTest, UnsupportedSaveVersionStopsTheSave)
{
    Set_User_Current(99, 0, 0, 0);
    const QByteArray before = User_Record_V8().Bytes();
    try {
        Update_Data(*pages);
        ADD_FAILURE() << "no error";
    } catch (const Unsupported_Version_Error& error) {
        EXPECT_EQ(error.Version(), 99);
    }
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("User Update_Data: Unsupported version: 99"));
    EXPECT_EQ(User_Record_V8().Bytes(), before);

    messages.Clear();
    Set_User_Current(5, 0, 0, 0); // read only
    EXPECT_THROW(Update_Data(*pages), Unsupported_Version_Error);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("User Update_Data: Unsupported version: 5")});
}

TEST_F(UserModTest, NoUserPartitionRunsNoStep)
{
    Set_User_Current(99, 0, 5, 0);
    pages->General().Control_04->setCurrentIndex(1);
    pages->Main.Control_33->setText(QStringLiteral("KEEP"));
    User_Record_V8().Set(V8_Item_04, 1);
    Set_User_Defaults_New(*pages);
    Set_User_Loaded(8, 2);
    Convert_User(*pages);
    EXPECT_EQ(pages->General().Control_04->currentIndex(), 1);
    EXPECT_EQ(pages->Main.Control_33->text(), QStringLiteral("KEEP"));
    EXPECT_EQ(User_Record_V8().Get(V8_Item_04), 1);
    EXPECT_TRUE(messages.Boxes().isEmpty());
}

TEST_F(UserModTest, NewOrtStartsFromAClearedRecord)
{
    User_Record_V8().Set_Bytes(QByteArray(V8_LENGTH, '\x5A'));
    Set_User_Current(8, 0, 5, 0);
    Set_User_Defaults_New(*pages);
    Update_Data(*pages);
    const QByteArray block = User_Record_V8().Bytes().mid(V8_HSD_BEGIN, V8_HSD_END - V8_HSD_BEGIN);
    EXPECT_EQ(block, QByteArray(V8_HSD_END - V8_HSD_BEGIN, '\0'));
}

TEST_F(UserModTest, ConversionFromAnotherGenerationStartsFromAClearedRecord)
{
    User_Record_V8().Set_Bytes(QByteArray(V8_LENGTH, '\x5A'));
    Set_User_Loaded(7, 0); // a secured-only file: no user record was read
    Set_User_Current(8, 3, 5, 0);
    Convert_User(*pages);
    const QByteArray block = User_Record_V8().Bytes().mid(V8_HSD_BEGIN, V8_HSD_END - V8_HSD_BEGIN);
    EXPECT_EQ(block, QByteArray(V8_HSD_END - V8_HSD_BEGIN, '\0'));
}

TEST_F(UserModTest, LoadedTerminalIdEnablesItsAssignmentType)
{
    // SDU 1, APHONE 1: terminal 5, "Exclusive"; the other terminals none.
    for (int element = 0; element < 4; ++element)
        User_Record_V8().Set(V8_Item_45_Number, element == 0 ? 5 : -1, element);
    User_Record_V8().Set(V8_Item_45_Index, 1, 0);
    Set_User_Loaded(8, 2);
    Set_User_Current(8, 2, 5, 0);
    Convert_User(*pages);
    const Page_Cabin& cabin = pages->Cabin();
    EXPECT_EQ(cabin.Control_45_1a1->text(), QStringLiteral("5"));
    EXPECT_EQ(cabin.Control_45_1b1->currentText(), QStringLiteral("Exclusive"));
    EXPECT_TRUE(cabin.Control_45_1b1->isEnabled());
    for (const QComboBox* type : {cabin.Control_45_1b2, cabin.Control_45_2b1, cabin.Control_45_2b2})
        EXPECT_FALSE(type->isEnabled());
}
