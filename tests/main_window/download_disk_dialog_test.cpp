// The download-disk dialog: its file, Cancel and a folder that cannot be written.
#include "disk_test_support.h"
#include "editor/main_window/config_ldr.h"
#include "editor/main_window/disk_folder_chooser.h"
#include "editor/main_window/download_disk_dialog.h"
#include "editor/main_window/upload_disk_dialog.h"
#include "support/scripted_messages.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
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

TEST_F(Download_Disk_Test, OK_Takes_The_Folder_The_Field_Shows_Without_A_Focus_Change)
{
    // Typed, then OK activated while the field keeps the focus (Enter, a
    // screen reader): no editingFinished has reached the dialog.
    QTemporaryDir typed;
    dialog.Folder()->Directory_Selector()->setText(typed.path());
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(QDir(typed.path()).entryList(QDir::Files), QStringList{QStringLiteral("config.ldr")});

    // The upload disk does the same.
    QTemporaryDir upload_typed;
    Create_Upload_Disk_Dialog upload(host.Hooks(), nullptr);
    upload.Folder()->Set_Path(dir.path());
    upload.Folder()->Directory_Selector()->setText(upload_typed.path());
    upload.OKButton_Click();
    EXPECT_EQ(upload.result(), QDialog::Accepted);
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(QDir(upload_typed.path()).entryList(QDir::Files).size(), 3);

    // A typed path that is no folder: its box, and the dialog stays open.
    Create_Download_Disk_Dialog again(host.Hooks(), nullptr);
    again.Folder()->Set_Path(dir.path());
    again.Folder()->Directory_Selector()->setText(dir.filePath(QStringLiteral("missing")));
    again.OKButton_Click();
    EXPECT_EQ(again.result(), QDialog::Rejected);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text,
              QStringLiteral("Error: Path not found: ") + dir.filePath(QStringLiteral("missing")));
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(again.Folder()->Directory_Selector()->text(), QDir::cleanPath(dir.path()));
}

} // namespace
