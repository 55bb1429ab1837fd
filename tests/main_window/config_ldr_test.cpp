// The four config.ldr variants byte for byte, and writing the file.
#include "editor/main_window/config_ldr.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using main_window::Config_Ldr_Variant;

namespace {

TEST(Config_Ldr, Download_Variant)
{
    const QByteArray expected("LBL=226\r\n"
                              "B1D=1H,1H,307\r\n"
                              "B2D=0H,0H,000\r\n"
                              "B1P=1\r\n"
                              "B2P=0\r\n"
                              "B3D=0H,0H,000\r\n"
                              "B4D=0H,0H,000\r\n"
                              "B3P=0\r\n"
                              "B4P=0\r\n"
                              "\x1A");
    EXPECT_EQ(main_window::Config_Ldr_Bytes(Config_Ldr_Variant::Download), expected);
    // The label and file name do not enter the download file.
    EXPECT_EQ(main_window::Config_Ldr_Bytes(Config_Ldr_Variant::Download, QStringLiteral("231"),
                                            QStringLiteral("X.cfg")),
              expected);
}

TEST(Config_Ldr, SFIM_Variant)
{
    const QByteArray expected("LBL=226\r\n"
                              "B1D=0H,0H,000\r\n"
                              "B2D=1H,1H,307,2\r\n"
                              "B1P=0\r\n"
                              "B2P=1\r\n"
                              "T2F=ABC.cfg, F\r\n"
                              "B3D=0H,0H,000\r\n"
                              "B4D=0H,0H,000\r\n"
                              "B3P=0\r\n"
                              "B4P=0\r\n"
                              "TDO=2\r\n"
                              "\x1A");
    EXPECT_EQ(main_window::Config_Ldr_Bytes(Config_Ldr_Variant::SFIM, QStringLiteral("307"),
                                            QStringLiteral("ABC.cfg")),
              expected);
    EXPECT_EQ(main_window::Config_Ldr_Lines(Config_Ldr_Variant::SFIM, QStringLiteral("307"),
                                            QStringLiteral("ABC.cfg"))
                  .size(),
              11);
}

TEST(Config_Ldr, Other_Loaders_Variant)
{
    const QByteArray expected("LBL=226\r\n"
                              "B1D=0H,0H,000\r\n"
                              "B2D=1H,1H,231,2\r\n"
                              "B1P=0\r\n"
                              "B2P=1\r\n"
                              "B2T=LOAD1.cfg, F\r\n"
                              "B3D=0H,0H,000\r\n"
                              "B4D=0H,0H,000\r\n"
                              "B3P=0\r\n"
                              "B4P=0\r\n"
                              "\x1A");
    EXPECT_EQ(main_window::Config_Ldr_Bytes(Config_Ldr_Variant::Other_Loaders,
                                            QStringLiteral("231"), QStringLiteral("LOAD1.cfg")),
              expected);
}

TEST(Config_Ldr, ARINC_665_Variant_Has_No_End_Mark)
{
    const QByteArray expected("LBL=226\r\n"
                              "DFM=F\r\n"
                              "DSN=1\r\n"
                              "DTN=1\r\n"
                              "B1D=1H,1H,231\r\n"
                              "B2D=0H,0H,000\r\n"
                              "B3D=0H,0H,000\r\n"
                              "B4D=0H,0H,000\r\n"
                              "B1P=1\r\n"
                              "B2P=0\r\n"
                              "B3P=0\r\n"
                              "B4P=0\r\n"
                              "B1T=ABC.cfg,F\r\n");
    EXPECT_EQ(main_window::Config_Ldr_Bytes(Config_Ldr_Variant::ARINC_665, QStringLiteral("231"),
                                            QStringLiteral("ABC.cfg")),
              expected);
    EXPECT_FALSE(main_window::Config_Ldr_Has_EOF_Mark(Config_Ldr_Variant::ARINC_665));
    EXPECT_TRUE(main_window::Config_Ldr_Has_EOF_Mark(Config_Ldr_Variant::SFIM));
}

TEST(Config_Ldr, Written_Afresh_Into_The_Folder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + QLatin1Char('/');
    {
        QFile old(folder + QStringLiteral("config.ldr"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(500, 'x'));
    }
    QString error;
    ASSERT_TRUE(main_window::Write_Config_Ldr(folder, Config_Ldr_Variant::Download, QString(),
                                              QString(), error));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(Read_File(folder + QStringLiteral("config.ldr")),
              main_window::Config_Ldr_Bytes(Config_Ldr_Variant::Download));
}

TEST(Config_Ldr, A_Folder_That_Is_Gone_Is_Reported)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/gone/");
    QString error;
    EXPECT_FALSE(main_window::Write_Config_Ldr(folder, Config_Ldr_Variant::SFIM,
                                               QStringLiteral("307"), QStringLiteral("A.cfg"),
                                               error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot write ") + folder +
                                 QStringLiteral("config.ldr: ")))
        << error.toStdString();
    EXPECT_FALSE(QDir(folder).exists());
}

} // namespace
