// The folder a disk goes to: the trailing separator, typed and browsed paths.
#include "editor/main_window/disk_folder_chooser.h"
#include "support/scripted_messages.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Disk_Folder, Target_Ends_In_A_Separator)
{
    EXPECT_EQ(main_window::Target_Folder(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(main_window::Target_Folder(QStringLiteral("/media/DISK")),
              QStringLiteral("/media/DISK/"));
    EXPECT_EQ(main_window::Target_Folder(QStringLiteral("/media/DISK/")),
              QStringLiteral("/media/DISK/"));
}

TEST(Disk_Folder, Starts_In_The_Current_Folder)
{
    Disk_Folder_Chooser chooser(QStringLiteral("Select"));
    EXPECT_EQ(chooser.Path(), QDir::currentPath());
    EXPECT_EQ(chooser.Directory_Selector()->objectName(), QStringLiteral("Directory_Selector"));
    EXPECT_EQ(chooser.Directory_Selector()->text(), QDir::currentPath());
}

TEST(Disk_Folder, Typed_Paths)
{
    testsupport::ScriptedMessages boxes;
    QTemporaryDir dir;
    Disk_Folder_Chooser chooser(QStringLiteral("Select"));
    ASSERT_TRUE(chooser.Set_Path(dir.path() + QStringLiteral("/")));
    EXPECT_EQ(chooser.Path(), QDir::cleanPath(dir.path()));
    EXPECT_EQ(chooser.Target(), QDir::cleanPath(dir.path()) + QStringLiteral("/"));
    EXPECT_TRUE(chooser.Set_Path(QStringLiteral("/")));
    EXPECT_EQ(chooser.Target(), QStringLiteral("/"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    const QString missing = dir.path() + QStringLiteral("/missing");
    EXPECT_FALSE(chooser.Set_Path(missing));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Information);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Error: Path not found: ") + missing);
    EXPECT_EQ(chooser.Path(), QStringLiteral("/"));
    EXPECT_EQ(chooser.Directory_Selector()->text(), QStringLiteral("/"));

    // Typing and leaving the box does the same.
    boxes.Clear();
    chooser.Directory_Selector()->setText(dir.path());
    emit chooser.Directory_Selector()->editingFinished();
    EXPECT_EQ(chooser.Path(), QDir::cleanPath(dir.path()));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST(Disk_Folder, Browsing)
{
    testsupport::ScriptedMessages boxes;
    testsupport::ScriptedFileDialogs dialogs;
    QTemporaryDir dir;
    Disk_Folder_Chooser chooser(QStringLiteral("Select Directory to Create Upload Disk"));
    const QString start = chooser.Path();
    dialogs.Answer(QString()); // cancelled
    chooser.Browse_Click();
    EXPECT_EQ(chooser.Path(), start);
    dialogs.Answer(dir.path());
    chooser.Browse_Click();
    EXPECT_EQ(chooser.Path(), QDir::cleanPath(dir.path()));
    ASSERT_EQ(dialogs.Requests().size(), 2);
    EXPECT_EQ(dialogs.Requests()[0].kind, platform::FileDialogRequest::Kind::Folder);
    EXPECT_EQ(dialogs.Requests()[1].directory, start);
}

} // namespace
