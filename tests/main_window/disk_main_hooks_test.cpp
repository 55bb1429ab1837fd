// The disk commands inside the real main window: the writers' errors, the
// upload disk written by the window's own writers without moving its saved
// baseline, the presets of the type dialog and the part-number dialogs.
#include "main_window_fixture.h"
#include "test_files.h"

#include "editor/main_window/config_ldr.h"
#include "editor/main_window/disk_commands.h"
#include "editor/main_window/disk_folder_chooser.h"
#include "editor/main_window/disk_main_hooks.h"
#include "editor/main_window/ort_type_options.h"
#include "editor/main_window/pn_casual_dialog.h"
#include "editor/main_window/upload_disk_dialog.h"
#include "editor/user_partition/user_mod.h"
#include "support/file_size_limit.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

int Row_Of(const char* option_name)
{
    return main_window::Find_Type_Option(QString::fromLatin1(option_name));
}

TEST(Disk_Guarded_Write, Errors_Become_Descriptions)
{
    QString error = QStringLiteral("old");
    EXPECT_TRUE(main_window::Guarded_Write(QStringLiteral("/d/a"), [] { return true; }, error));
    EXPECT_TRUE(error.isEmpty());

    // A refusal has shown its own message.
    EXPECT_FALSE(main_window::Guarded_Write(QStringLiteral("/d/a"), [] { return false; }, error));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_FALSE(main_window::Guarded_Write(
        QStringLiteral("/d/a"), []() -> bool { throw User_Mod::Unsupported_Version_Error(99); },
        error));
    EXPECT_TRUE(error.isEmpty());

    EXPECT_FALSE(main_window::Guarded_Write(
        QStringLiteral("/d/a.tab"), []() -> bool { throw std::runtime_error("disk full"); }, error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot write /d/a.tab: "))) << error.toStdString();
}

class Disk_Main_Test : public MainWindowTest {
protected:
    Disk_Commands& Commands() const { return program->Disks(); }
    QLineEdit* Box(const char* name) const { return static_cast<QLineEdit*>(Widget(name)); }

    // Records the dialog shown modally next and closes it.
    void Record_Next_Modal()
    {
        QTimer::singleShot(0, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            shown << (modal ? modal->objectName() : QStringLiteral("<none>"));
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        });
    }

    QStringList shown;
};

TEST_F(Disk_Main_Test, Installed_With_The_Window)
{
    ASSERT_EQ(program->Disks().parent(), main);
    Create_ORT(Row_Of("Option_012"), 1);
    Record_Next_Modal();
    main->Menu_Action(QStringLiteral("mnuCreateDownloadDisk"))->trigger();
    EXPECT_EQ(shown, QStringList{QStringLiteral("Create_Download_Disk_Dialog")});
}

TEST_F(Disk_Main_Test, Configuration_Presets_The_Upload_Options)
{
    Create_ORT(Row_Of("Option_145_924"), 1);
    EXPECT_EQ(Commands().Upload_Dialog().Loader_Index(), 3);
    EXPECT_EQ(Commands().Upload_Dialog().Arinc_Label(), QStringLiteral("231"));
    EXPECT_EQ(main->Data_Loader_Type_Text, QStringLiteral("Auto Mode - ARINC 665"));

    Create_ORT(Row_Of("Option_012"), 1);
    EXPECT_EQ(Commands().Upload_Dialog().Loader_Index(), 4);
    EXPECT_EQ(Commands().Upload_Dialog().Arinc_Label(), QStringLiteral("307"));
    EXPECT_EQ(main->Data_Loader_Type_Text, QStringLiteral("Auto Mode - All others"));
}

TEST_F(Disk_Main_Test, Upload_Disk_Does_Not_Move_The_Saved_Baseline)
{
    Create_ORT(Row_Of("Option_012"), 1);
    main->set_Last_Saved_CRC(0x1234);
    QTemporaryDir dir;
    Create_Upload_Disk_Dialog& upload = Commands().Upload_Dialog();
    ASSERT_TRUE(upload.Folder()->Set_Path(dir.path()));
    upload.Loader_File_Option_Click(0);
    upload.OKButton_Click();
    EXPECT_TRUE(boxes.Boxes().isEmpty()) << boxes.Texts().join(QLatin1Char('|')).toStdString();

    const QString folder = QDir::cleanPath(dir.path()) + QLatin1Char('/');
    EXPECT_EQ(Read_File(folder + QStringLiteral("config.ldr")),
              main_window::Config_Ldr_Bytes(main_window::Config_Ldr_Variant::Download));
    EXPECT_GT(Read_File(folder + QStringLiteral("sdu_ort.tab")).size(), 0);
    const QByteArray report = Read_File(folder + QStringLiteral("sdu_ort.txt"));
    EXPECT_TRUE(report.contains((folder + QStringLiteral("sdu_ort.tab")).toLatin1()));
    EXPECT_TRUE(report.contains("Control Mode"));
    EXPECT_EQ(main->get_Last_Saved_CRC(), 0x1234);
    EXPECT_EQ(main->Current_File, QString());
}

// A disk is written whole or not at all: when its ORT file does not fit
// (the file-size limit stands in for a full disk), the folder keeps the
// older disk byte for byte and holds nothing new.
TEST_F(Disk_Main_Test, A_Disk_That_Cannot_Be_Written_Whole_Leaves_The_Older_Disk)
{
    Create_ORT(Row_Of("Option_012"), 1);
    QTemporaryDir dir;
    const QString folder = QDir::cleanPath(dir.path()) + QLatin1Char('/');
    Create_Upload_Disk_Dialog& upload = Commands().Upload_Dialog();
    upload.Set_Identifier_Asker([](main_window::Identifier_Kind) { return QStringLiteral("NEW.cfg"); });
    ASSERT_TRUE(upload.Folder()->Set_Path(dir.path()));
    upload.Loader_File_Option_Click(0);
    upload.OKButton_Click();
    ASSERT_TRUE(boxes.Boxes().isEmpty()) << boxes.Texts().join(QLatin1Char('|')).toStdString();

    const auto contents = [&dir] { return Folder_Contents(dir.path()); };
    const QMap<QString, QByteArray> older = contents();
    ASSERT_EQ(older.keys(), (QStringList{"config.ldr", "sdu_ort.tab", "sdu_ort.txt"}));

    upload.Loader_File_Option_Click(4);
    {
        const testsupport::File_Size_Limit limit(4096);
        ASSERT_TRUE(limit.Set());
        upload.OKButton_Click();
    }
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text,
              QStringLiteral("Error: Cannot write ") + folder + QStringLiteral("NEW.cfg: Disk full"));
    EXPECT_EQ(contents(), older);
}

TEST_F(Disk_Main_Test, Part_Number_Step_Shows_The_Formal_Dialog)
{
    Create_ORT(Row_Of("Option_145_924"), 1); // user airframer level 3
    main->set_Last_Saved_CRC(0x1234);
    const QString loaded = main_window::Compose_PN(QStringLiteral("QZV"), QStringLiteral("ABFUSR0005"));
    Box("Control_86")->setText(loaded);
    QTimer::singleShot(0, [this, loaded] {
        auto* dialog = qobject_cast<PN_Formal_Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->Change_Mode());
        EXPECT_EQ(dialog->Arinc665_PN()->text(), loaded);
        // The number as loaded is refused.
        dialog->CloseButton_Click();
        EXPECT_TRUE(dialog->isVisible());
        dialog->ProductId()->setText(QStringLiteral("ABFUSR0003"));
        dialog->CloseButton_Click();
        if (dialog->isVisible())
            dialog->reject();
    });
    main->Part_Number_Step();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("ARINC 665 Part Number"));
    EXPECT_EQ(Box("Control_86")->text(),
              main_window::Compose_PN(QStringLiteral("QZV"), QStringLiteral("ABFUSR0003")));
    EXPECT_EQ(main->get_Last_Saved_CRC(), 0x1234);
}

TEST_F(Disk_Main_Test, Double_Click_On_A_Part_Number_Box_Opens_The_Casual_Dialog)
{
    Create_ORT(Row_Of("Option_135_AB"), 2);
    QTimer::singleShot(0, [this] {
        auto* dialog = qobject_cast<PN_Casual_Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Box(), Box("Control_87"));
        dialog->ManufacturersCode()->setText(QStringLiteral("ABC"));
        dialog->ProductId()->setText(QStringLiteral("A5B6C7D8E9"));
        dialog->CloseButton_Click();
        if (dialog->isVisible())
            dialog->reject();
    });
    QWidget* box = Box("Control_87");
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(1, 1), box->mapToGlobal(QPointF(1, 1)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &event);
    EXPECT_EQ(Box("Control_87")->text(), QStringLiteral("ABC34A5B6C7D8E9"));
}

} // namespace
