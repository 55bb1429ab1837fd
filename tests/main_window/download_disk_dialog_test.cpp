// The download-disk dialog: its file, Cancel and a folder that cannot be written.
#include "disk_test_support.h"
#include "editor/main_window/config_ldr.h"
#include "editor/main_window/disk_folder_chooser.h"
#include "editor/main_window/download_disk_dialog.h"
#include "support/scripted_messages.h"

#include <QDir>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

class Download_Disk_Test : public ::testing::Test {
protected:
    Download_Disk_Test()
    {
        QObject::connect(&dialog, &QDialog::finished, [this](int) { ++finished; });
        dialog.Folder()->Set_Path(dir.path());
    }

    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files); }

    testsupport::ScriptedMessages boxes;
    QTemporaryDir dir;
    Disk_Test_Host host;
    Create_Download_Disk_Dialog dialog{host.Hooks(), nullptr};
    int finished = 0;
};

TEST_F(Download_Disk_Test, OK_Writes_The_Download_File)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Create Download Disk"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label_Directory"))->text(),
              QStringLiteral("Select Directory to Create Download Disk"));
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Files(), QStringList{QStringLiteral("config.ldr")});
    // The same nine lines as the control-mode upload disk.
    EXPECT_EQ(Read_File(dir.filePath(QStringLiteral("config.ldr"))),
              main_window::Config_Ldr_Bytes(main_window::Config_Ldr_Variant::Download));
    EXPECT_EQ(host.app_folder_restored, 1);
    EXPECT_TRUE(host.calls.isEmpty());
    EXPECT_EQ(host.baseline, 0x1111);
}

TEST_F(Download_Disk_Test, Cancel_Writes_Nothing)
{
    dialog.CancelButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(host.app_folder_restored, 1);
}

TEST_F(Download_Disk_Test, A_Folder_That_Cannot_Be_Written_Keeps_The_Dialog)
{
    ASSERT_TRUE(dir.remove());
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Create Download Disk"));
    EXPECT_TRUE(boxes.Boxes()[0].text.startsWith(QStringLiteral("Error: Cannot write ")));
}

} // namespace
