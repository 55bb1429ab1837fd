// The Disks commands and the dialog of the part-number step.
#include "disk_test_support.h"
#include "editor/core/ort_types.h"
#include "editor/main_window/disk_commands.h"
#include "editor/main_window/download_disk_dialog.h"
#include "editor/main_window/pn_casual_dialog.h"
#include "editor/main_window/upload_disk_dialog.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class Disk_Commands_Test : public ::testing::Test {
protected:
    Disk_Commands_Test()
    {
        core::Reset_Versions();
        core::Versions().Secured_Current.Partition_Version = 13;
        core::Versions().User_Current.Partition_Version = 14;
        control_86->setText(QStringLiteral("ABC34A5B6C7D8E9"));
    }
    ~Disk_Commands_Test() override { core::Reset_Versions(); }

    // Records the dialog that is shown modally next and closes it.
    void Record_Next_Modal()
    {
        QTimer::singleShot(0, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            shown << (modal ? modal->objectName() : QStringLiteral("<none>"));
            if (auto* form = qobject_cast<PN_Dialog_Form*>(modal))
                shown << form->Label_Info()->text().section(QLatin1Char(' '), 0, 0);
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        });
    }

    testsupport::ScriptedMessages boxes;
    Disk_Test_Host host;
    QWidget window;
    QLineEdit* control_86 = new QLineEdit(&window);
    QLineEdit* control_87 = new QLineEdit(&window);
    Disk_Commands* commands =
        new Disk_Commands(&window, {control_86, control_87, {}, {}}, host.Hooks());
    QStringList shown;
};

TEST_F(Disk_Commands_Test, Its_Dialogs_Belong_To_Its_Window)
{
    EXPECT_EQ(commands->parent(), &window);
    EXPECT_EQ(commands->Formal_Dialog().parent(), &window);
    EXPECT_EQ(commands->Casual_Dialog().parent(), &window);
    EXPECT_EQ(commands->Upload_Dialog().parent(), &window);
}

TEST_F(Disk_Commands_Test, Confirm_Or_Change)
{
    Record_Next_Modal();
    commands->Show_PN_Dialog(false);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("PN_Formal_Dialog"), QStringLiteral("Confirm")}));

    shown.clear();
    Record_Next_Modal();
    commands->Show_PN_Dialog(true);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("PN_Formal_Dialog"), QStringLiteral("Change")}));
    EXPECT_EQ(control_86->text(), QStringLiteral("ABC34A5B6C7D8E9"));
}

TEST_F(Disk_Commands_Test, Upload_Command_Validates_Asks_And_Shows_The_Dialog)
{
    host.part_number_step = [this] {
        EXPECT_EQ(host.pages_validated, 1);
        Record_Next_Modal();
        commands->Show_PN_Dialog(true);
        Record_Next_Modal(); // then the upload dialog
    };
    commands->mnuCreateUploadDisk_Click();
    EXPECT_EQ(host.part_number_steps, 1);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("PN_Formal_Dialog"), QStringLiteral("Change"),
                                  QStringLiteral("Create_Upload_Disk_Dialog")}));
    EXPECT_EQ(host.baseline, 0x1111);
}

TEST_F(Disk_Commands_Test, Download_Command_Shows_Its_Dialog_Without_Checks)
{
    Record_Next_Modal();
    commands->mnuCreateDownloadDisk_Click();
    EXPECT_EQ(shown, QStringList{QStringLiteral("Create_Download_Disk_Dialog")});
    EXPECT_EQ(host.pages_validated, 0);
    EXPECT_EQ(host.part_number_steps, 0);
}

} // namespace
