#include "platform/file_dialog_service.h"
#include "platform/message_service.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(MessageService, BoxesAreRecordedAndQuestionsAnsweredFromTheQueue)
{
    testsupport::ScriptedMessages msgs;
    Warn("Value Out of Range, Setting to Default", "Item 30");
    msgs.Answer(MsgAnswer::No);
    EXPECT_EQ(Msg_Box("Save before closing?", MsgButtons::YesNoCancel, MsgIcon::Question, "File closing"),
              MsgAnswer::No);
    ASSERT_EQ(msgs.Boxes().size(), 2);
    EXPECT_EQ(msgs.Boxes()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(msgs.Boxes()[0].title, "Item 30");
    EXPECT_EQ(msgs.Boxes()[1].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(App_Title(), "Quendrall User Merivane");
}

TEST(FileDialogService, AnswersFromTheQueueAndRecordsTheRequest)
{
    testsupport::ScriptedFileDialogs dialogs;
    dialogs.Answer("/tmp/a.cfg");
    dialogs.Answer(QString());
    EXPECT_EQ(Get_Open_File_Name("Open", "ORT (*.cfg)"), "/tmp/a.cfg");
    EXPECT_TRUE(Get_Save_File_Name("Save As", "ORT (*.cfg)", "x.cfg").isEmpty());
    ASSERT_EQ(dialogs.Requests().size(), 2);
    EXPECT_EQ(dialogs.Requests()[1].kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(dialogs.Requests()[1].file_name, "x.cfg");
}
