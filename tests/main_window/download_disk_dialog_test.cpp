// The download-disk dialog: its file, Cancel and a folder that cannot be written.
#include "disk_test_support.h"
#include "editor/main_window/config_ldr.h"
#include "editor/main_window/disk_folder_chooser.h"
#include "editor/main_window/download_disk_dialog.h"
#include "editor/main_window/upload_disk_dialog.h"
#include "editor/main_window/identifier_dialog.h"
#include "support/modal_boxes.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
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

// A plain file's path typed into the folder field, and OK activated while the
// field keeps the focus, as a screen reader does: the box that refuses it is
// a real window that takes the focus from the field, and still comes once.
TEST(Disk_Dialog_Folder, A_Path_That_Is_No_Folder_Gives_One_Box)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.txt"));
    {
        QFile file(plain);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    Disk_Test_Host host;
    Create_Download_Disk_Dialog download(host.Hooks(), nullptr);
    Create_Upload_Disk_Dialog upload(host.Hooks(), nullptr);
    for (QDialog* dialog : {static_cast<QDialog*>(&download), static_cast<QDialog*>(&upload)}) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        auto* chooser = dialog->findChild<Disk_Folder_Chooser*>();
        ASSERT_NE(chooser, nullptr);
        chooser->Set_Path(dir.path());
        testsupport::Modal_Boxes boxes;
        dialog->open();
        testsupport::Activate(dialog);
        testsupport::Focus(chooser->Directory_Selector());
        chooser->Directory_Selector()->selectAll();
        QTest::keyClicks(chooser->Directory_Selector(), plain);
        QAccessibleInterface* ok =
            QAccessible::queryAccessibleInterface(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")));
        ASSERT_NE(ok, nullptr);
        ASSERT_NE(ok->actionInterface(), nullptr);
        // The press shows the button down for a moment before it clicks.
        ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(400);
        testsupport::Settle();
        EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Error: Path not found: ") + plain});
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(chooser->Directory_Selector()->text(), QDir::cleanPath(dir.path()));
        dialog->hide();
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files) == QStringList{QStringLiteral("plain.txt")});
}

// Enter presses OK in the disk dialogs and in "ORT Identifier"; in a field
// whose value is refused it gives the refusal's box once and the dialog stays.
TEST(Disk_Dialog_Keys, Enter_Presses_OK)
{
    QTemporaryDir dir;
    Disk_Test_Host host;
    {
        Create_Download_Disk_Dialog download(host.Hooks(), nullptr);
        download.Folder()->Set_Path(dir.path());
        testsupport::Modal_Boxes boxes;
        download.open();
        testsupport::Activate(&download);
        QLineEdit* field = download.Folder()->Directory_Selector();
        testsupport::Focus(field);
        field->selectAll();
        QTest::keyClicks(field, dir.filePath(QStringLiteral("missing")));
        QTest::keyClick(field, Qt::Key_Return);
        testsupport::Settle();
        EXPECT_EQ(boxes.Texts(),
                  QStringList{QStringLiteral("Error: Path not found: ") + dir.filePath(QStringLiteral("missing"))});
        EXPECT_TRUE(download.isVisible());
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
        // The field shows a folder again: Enter writes the disk there.
        QTest::keyClick(field, Qt::Key_Return);
        testsupport::Settle();
        EXPECT_EQ(download.result(), QDialog::Accepted);
        EXPECT_FALSE(download.isVisible());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("config.ldr")});
    }
    {
        QTemporaryDir upload_dir;
        Create_Upload_Disk_Dialog upload(host.Hooks(), nullptr);
        upload.Folder()->Set_Path(upload_dir.path());
        testsupport::ScriptedMessages boxes;
        upload.open();
        testsupport::Activate(&upload);
        testsupport::Focus(upload.Loader_File_Option(0));
        QTest::keyClick(upload.Loader_File_Option(0), Qt::Key_Return);
        testsupport::Settle();
        EXPECT_EQ(upload.result(), QDialog::Accepted);
        EXPECT_TRUE(boxes.Boxes().isEmpty());
    }
    {
        Identifier_Dialog identifier;
        identifier.Setup(main_window::Identifier_Kind::SFIM);
        testsupport::Modal_Boxes boxes;
        identifier.open();
        testsupport::Activate(&identifier);
        testsupport::Focus(identifier.File_ID_Text());
        QTest::keyClick(identifier.File_ID_Text(), Qt::Key_Return);
        testsupport::Settle();
        EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Must be a valid file name")});
        EXPECT_TRUE(identifier.isVisible());
        EXPECT_EQ(identifier.focusWidget(), identifier.File_ID_Text());
        QTest::keyClicks(identifier.File_ID_Text(), QStringLiteral("ABC"));
        QTest::keyClick(identifier.File_ID_Text(), Qt::Key_Return);
        testsupport::Settle();
        EXPECT_EQ(identifier.result(), QDialog::Accepted);
        EXPECT_EQ(identifier.Result(), QStringLiteral("ABC.cfg"));
    }
}

} // namespace
