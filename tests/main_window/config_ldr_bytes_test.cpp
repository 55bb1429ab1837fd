// Independent check of config.ldr on the download disk and on every upload
// disk that the editor writes itself: the whole file byte for byte, spelled
// out here line by line, never taken from the code's own line tables.
#include "disk_test_support.h"
#include "editor/main_window/disk_folder_chooser.h"
#include "editor/main_window/download_disk_dialog.h"
#include "editor/main_window/upload_disk_dialog.h"
#include "support/scripted_messages.h"

#include <QDir>
#include <gtest/gtest.h>

using main_window::Identifier_Kind;

namespace {

const QByteArray kDownload = "LBL=226\r\n"
                             "B1D=1H,1H,307\r\n"
                             "B2D=0H,0H,000\r\n"
                             "B1P=1\r\n"
                             "B2P=0\r\n"
                             "B3D=0H,0H,000\r\n"
                             "B4D=0H,0H,000\r\n"
                             "B3P=0\r\n"
                             "B4P=0\r\n"
                             "\x1A";

QByteArray Sfim(const QByteArray& label, const QByteArray& file)
{
    return "LBL=226\r\n"
           "B1D=0H,0H,000\r\n"
           "B2D=1H,1H," + label + ",2\r\n"
           "B1P=0\r\n"
           "B2P=1\r\n"
           "T2F=" + file + ", F\r\n"
           "B3D=0H,0H,000\r\n"
           "B4D=0H,0H,000\r\n"
           "B3P=0\r\n"
           "B4P=0\r\n"
           "TDO=2\r\n"
           "\x1A";
}

QByteArray Others(const QByteArray& label, const QByteArray& file)
{
    return "LBL=226\r\n"
           "B1D=0H,0H,000\r\n"
           "B2D=1H,1H," + label + ",2\r\n"
           "B1P=0\r\n"
           "B2P=1\r\n"
           "B2T=" + file + ", F\r\n"
           "B3D=0H,0H,000\r\n"
           "B4D=0H,0H,000\r\n"
           "B3P=0\r\n"
           "B4P=0\r\n"
           "\x1A";
}

QByteArray Arinc665(const QByteArray& label, const QByteArray& file)
{
    return "LBL=226\r\n"
           "DFM=F\r\n"
           "DSN=1\r\n"
           "DTN=1\r\n"
           "B1D=1H,1H," + label + "\r\n"
           "B2D=0H,0H,000\r\n"
           "B3D=0H,0H,000\r\n"
           "B4D=0H,0H,000\r\n"
           "B1P=1\r\n"
           "B2P=0\r\n"
           "B3P=0\r\n"
           "B4P=0\r\n"
           "B1T=" + file + ",F\r\n";
}

class UploadConfigLdrBytes : public ::testing::Test {
protected:
    UploadConfigLdrBytes()
    {
        dialog.Set_Identifier_Asker([this](Identifier_Kind) { return identifier; });
        dialog.Folder()->Set_Path(dir.path());
    }

    QByteArray Config() const { return Read_File(dir.filePath(QStringLiteral("config.ldr"))); }
    QStringList Files() const
    {
        QStringList names = QDir(dir.path()).entryList(QDir::Files);
        names.sort();
        return names;
    }

    // Chooses the loader (which picks its label), optionally overrides the
    // label, and presses OK.
    void Write(int loader, int label_option = -1)
    {
        dialog.Loader_File_Option_Click(loader);
        if (label_option >= 0)
            dialog.optArincLabel_Click(label_option);
        dialog.OKButton_Click();
        ASSERT_TRUE(boxes.Boxes().isEmpty());
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
    }

    testsupport::ScriptedMessages boxes;
    QTemporaryDir dir;
    Disk_Test_Host host;
    Create_Upload_Disk_Dialog dialog{host.Hooks(), nullptr};
    QString identifier = QStringLiteral("ORT01.cfg");
};

} // namespace

TEST(DownloadConfigLdrBytes, Nine_Lines_Then_The_End_Mark)
{
    testsupport::ScriptedMessages boxes;
    QTemporaryDir dir;
    Disk_Test_Host host;
    Create_Download_Disk_Dialog dialog{host.Hooks(), nullptr};
    dialog.Folder()->Set_Path(dir.path());
    dialog.OKButton_Click();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("config.ldr")});
    EXPECT_EQ(Read_File(dir.filePath(QStringLiteral("config.ldr"))), kDownload);
}

TEST_F(UploadConfigLdrBytes, Control_Mode_Is_The_Download_File)
{
    Write(0, 1); // the label has no effect on this variant
    EXPECT_EQ(Config(), kDownload);
    EXPECT_EQ(Files(), (QStringList{"config.ldr", "sdu_ort.tab", "sdu_ort.txt"}));
}

TEST_F(UploadConfigLdrBytes, SFIM_With_Either_Label)
{
    Write(2);
    EXPECT_EQ(Config(), Sfim("307", "ORT01.cfg"));
    EXPECT_EQ(Files(), (QStringList{"ORT01.cfg", "ORT01.txt", "config.ldr"}));
    Write(2, 1);
    EXPECT_EQ(Config(), Sfim("231", "ORT01.cfg"));
}

TEST_F(UploadConfigLdrBytes, Other_Loaders_With_Either_Label)
{
    Write(4);
    EXPECT_EQ(Config(), Others("307", "ORT01.cfg"));
    Write(4, 1);
    EXPECT_EQ(Config(), Others("231", "ORT01.cfg"));
}

TEST_F(UploadConfigLdrBytes, ARINC_665_Has_No_End_Mark)
{
    Write(3);
    EXPECT_EQ(Config(), Arinc665("231", "ORT01.cfg"));
    Write(3, 0);
    EXPECT_EQ(Config(), Arinc665("307", "ORT01.cfg"));
    EXPECT_FALSE(Config().endsWith('\x1A'));
}

TEST_F(UploadConfigLdrBytes, Report_Name_Stops_At_The_First_Dot)
{
    identifier = QStringLiteral("A.B.cfg");
    Write(4);
    EXPECT_EQ(Config(), Others("307", "A.B.cfg"));
    EXPECT_EQ(Files(), (QStringList{"A.B.cfg", "A.txt", "config.ldr"}));
}

TEST_F(UploadConfigLdrBytes, A_Longer_File_Replaced_By_A_Shorter_One_Leaves_No_Tail)
{
    Write(3); // 13 lines, the longest variant
    Write(0); // 9 lines
    EXPECT_EQ(Config(), kDownload);
}
