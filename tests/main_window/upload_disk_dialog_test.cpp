// The upload-disk dialog: loader and label options, every writer's files in a
// temporary folder, cancelled identifiers, file errors and the baseline.
#include "disk_test_support.h"
#include "editor/main_window/config_ldr.h"
#include "editor/main_window/disk_b777.h"
#include "editor/main_window/disk_folder_chooser.h"
#include "editor/main_window/upload_disk_dialog.h"
#include "support/scripted_messages.h"

#include <QDir>
#include <QGroupBox>
#include <QRadioButton>
#include <gtest/gtest.h>

using main_window::Config_Ldr_Variant;
using main_window::Identifier_Kind;

namespace {

class Upload_Disk_Test : public ::testing::Test {
protected:
    Upload_Disk_Test()
    {
        QObject::connect(&dialog, &QDialog::finished, [this](int) { ++finished; });
        dialog.Set_Identifier_Asker([this](Identifier_Kind kind) {
            asked << kind;
            return identifier;
        });
        EXPECT_TRUE(dir.isValid());
        dialog.Folder()->Set_Path(dir.path());
    }

    QString File(const char* name) const { return folder() + QString::fromLatin1(name); }
    QString folder() const { return QDir::cleanPath(dir.path()) + QLatin1Char('/'); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    testsupport::ScriptedMessages boxes;
    QTemporaryDir dir;
    Disk_Test_Host host;
    Create_Upload_Disk_Dialog dialog{host.Hooks(), nullptr};
    QList<Identifier_Kind> asked;
    QString identifier = QStringLiteral("ABC.cfg");
    int finished = 0;
};

TEST_F(Upload_Disk_Test, Options)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Create Upload Disk"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>(QStringLiteral("fraLoaderFile"))->title(),
              QStringLiteral("Loader File Type"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>(QStringLiteral("fraArincLabel"))->title(),
              QStringLiteral("ARINC Label Used in Config File"));
    const char* const captions[] = {"Control Mode", "Auto Mode - B777 AIMS",
                                    "Auto Mode - SFIM Data Loaders", "Auto Mode - ARINC 665",
                                    "Auto Mode - All others"};
    for (int i = 0; i < 5; ++i) {
        QRadioButton* option = dialog.Loader_File_Option(i);
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->objectName(), QStringLiteral("Loader_File_Option(%1)").arg(i));
        EXPECT_EQ(option->text(), QString::fromLatin1(captions[i]));
        EXPECT_FALSE(option->isChecked());
    }
    EXPECT_EQ(dialog.optArincLabel(0)->text(), QStringLiteral("ARINC Label 307"));
    EXPECT_EQ(dialog.optArincLabel(1)->text(), QStringLiteral("ARINC Label 231"));
    EXPECT_EQ(dialog.optArincLabel(1)->objectName(), QStringLiteral("optArincLabel(1)"));
    // Nothing chosen yet: control mode.
    EXPECT_EQ(dialog.Loader_Index(), 0);
}

TEST_F(Upload_Disk_Test, Loader_Choice_Selects_Its_Label)
{
    dialog.Loader_File_Option(3)->click();
    EXPECT_EQ(dialog.Loader_Index(), 3);
    EXPECT_EQ(host.data_loader_type, QStringLiteral("Auto Mode - ARINC 665"));
    EXPECT_TRUE(dialog.optArincLabel(1)->isChecked());
    EXPECT_EQ(dialog.Arinc_Label(), QStringLiteral("231"));

    // The user may change the label afterwards.
    dialog.optArincLabel(0)->click();
    EXPECT_EQ(dialog.Arinc_Label(), QStringLiteral("307"));
    EXPECT_EQ(dialog.Loader_Index(), 3);

    for (int index : {0, 1, 2, 4}) {
        dialog.optArincLabel_Click(1);
        dialog.Loader_File_Option_Click(index);
        EXPECT_TRUE(dialog.Loader_File_Option(index)->isChecked());
        EXPECT_EQ(dialog.Arinc_Label(), QStringLiteral("307")) << index;
        EXPECT_TRUE(dialog.optArincLabel(0)->isChecked());
        EXPECT_EQ(host.data_loader_type, dialog.Loader_File_Option(index)->text());
    }
}

TEST_F(Upload_Disk_Test, Presets_Of_A_Configuration)
{
    dialog.Apply_Preset({3, 1});
    EXPECT_EQ(dialog.Loader_Index(), 3);
    EXPECT_EQ(dialog.Arinc_Label(), QStringLiteral("231"));
    dialog.Apply_Preset({2, 0});
    EXPECT_TRUE(dialog.Loader_File_Option(2)->isChecked());
    EXPECT_EQ(dialog.Arinc_Label(), QStringLiteral("307"));
    EXPECT_EQ(host.data_loader_type, QStringLiteral("Auto Mode - SFIM Data Loaders"));
}

TEST_F(Upload_Disk_Test, Control_Mode_Disk)
{
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("config.ldr"), QStringLiteral("sdu_ort.tab"),
                                    QStringLiteral("sdu_ort.txt")}));
    EXPECT_EQ(Read_File(File("config.ldr")),
              main_window::Config_Ldr_Bytes(Config_Ldr_Variant::Download));
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("ORT ") + File("sdu_ort.tab"),
                                       QStringLiteral("TXT ") + File("sdu_ort.txt")}));
    // The report names the disk's ORT file and its CRC; the saved baseline
    // is the same as before.
    EXPECT_EQ(Read_File(File("sdu_ort.txt")),
              (QStringLiteral("ORT File: ") + File("sdu_ort.tab") + QStringLiteral("\r\nORT CRC: BEEF\r\n"))
                  .toLatin1());
    EXPECT_EQ(host.baseline, 0x1111);
    EXPECT_EQ(host.app_folder_restored, 1);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(Upload_Disk_Test, SFIM_Disk)
{
    dialog.Loader_File_Option_Click(2);
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(asked, (QList<Identifier_Kind>{Identifier_Kind::SFIM}));
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("ABC.cfg"), QStringLiteral("ABC.txt"),
                                    QStringLiteral("config.ldr")}));
    const QByteArray config = Read_File(File("config.ldr"));
    EXPECT_EQ(config, main_window::Config_Ldr_Bytes(Config_Ldr_Variant::SFIM, QStringLiteral("307"),
                                                    QStringLiteral("ABC.cfg")));
    EXPECT_EQ(config.split('\n').at(5), QByteArray("T2F=ABC.cfg, F\r"));
    EXPECT_TRUE(config.endsWith("TDO=2\r\n\x1A"));
    EXPECT_EQ(Read_File(File("ABC.cfg")), QByteArray("ORT-IMAGE"));
    EXPECT_EQ(host.baseline, 0x1111);
}

TEST_F(Upload_Disk_Test, ARINC_665_Disk)
{
    identifier = QStringLiteral("PN665.cfg");
    dialog.Loader_File_Option_Click(3);
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(asked, (QList<Identifier_Kind>{Identifier_Kind::Auto}));
    const QByteArray config = Read_File(File("config.ldr"));
    EXPECT_EQ(config.split('\n').at(4), QByteArray("B1D=1H,1H,231\r"));
    EXPECT_TRUE(config.endsWith("B1T=PN665.cfg,F\r\n"));
    EXPECT_TRUE(QFile::exists(File("PN665.cfg")));
    EXPECT_TRUE(QFile::exists(File("PN665.txt")));
}

TEST_F(Upload_Disk_Test, Other_Loaders_Disk)
{
    dialog.Loader_File_Option_Click(4);
    dialog.optArincLabel_Click(1);
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(asked, (QList<Identifier_Kind>{Identifier_Kind::Auto}));
    EXPECT_EQ(Read_File(File("config.ldr")),
              main_window::Config_Ldr_Bytes(Config_Ldr_Variant::Other_Loaders,
                                            QStringLiteral("231"), QStringLiteral("ABC.cfg")));
}

TEST_F(Upload_Disk_Test, Cancelled_Identifier_Writes_Nothing)
{
    identifier.clear();
    for (int index : {2, 3, 4}) {
        dialog.Loader_File_Option_Click(index);
        dialog.OKButton_Click();
    }
    EXPECT_EQ(asked.size(), 3);
    EXPECT_EQ(finished, 0);
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_TRUE(host.calls.isEmpty());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(dialog.Loader_Index(), 4);
}

TEST_F(Upload_Disk_Test, B777_Is_Handed_On)
{
    dialog.Loader_File_Option_Click(1);
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, main_window::B777_Unavailable_Text());
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(Upload_Disk_Test, A_Folder_That_Cannot_Be_Written)
{
    const QString target = folder();
    ASSERT_TRUE(dir.remove());
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Create Upload Disk"));
    EXPECT_TRUE(boxes.Boxes()[0].text.startsWith(QStringLiteral("Error: Cannot write ") + target +
                                                 QStringLiteral("config.ldr")));
    EXPECT_TRUE(host.calls.isEmpty());
    EXPECT_EQ(host.app_folder_restored, 0);
}

TEST_F(Upload_Disk_Test, ORT_And_Report_Errors_Keep_The_Dialog_And_The_Baseline)
{
    host.ort_error = QStringLiteral("No space left on device");
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Error: No space left on device"));
    EXPECT_EQ(host.calls.size(), 1);

    boxes.Clear();
    host.calls.clear();
    host.ort_error.clear();
    host.report_error = QStringLiteral("report failed");
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Error: report failed"));
    EXPECT_EQ(host.calls.size(), 2);
    EXPECT_EQ(host.baseline, 0x1111);
}

TEST_F(Upload_Disk_Test, Cancel)
{
    dialog.Loader_File_Option_Click(2);
    dialog.CancelButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(host.app_folder_restored, 1);
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_TRUE(Files().isEmpty());
    // The choices are kept for the next showing.
    EXPECT_EQ(dialog.Loader_Index(), 2);
}

} // namespace
