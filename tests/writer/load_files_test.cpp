#include "support/file_size_limit.h"
#include "support/scripted_messages.h"
#include "writer/boeing_file_data.h"
#include "writer/crc.h"
#include "writer/load_file_layouts.h"
#include "writer_fixtures.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace quarnel;
using namespace writer_test;

namespace {

QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// Expected files for kReport, kImage, diskette "DISK-PN-0001", data file
// "DATA-PN-0002", ABC / 58A6C, worked out apart from this code.
const QByteArray kNonLoad = Hex("41 42 43 35 38 41 36 43 54 58 54 01 61 c2");
const QByteArray kDiskDir = Hex("00 14 44 49 53 4b 2d 50 4e 2d 30 30 30 31 20 20 20 00 01 01 28 c2 32 33"
                                "37 38 2d 41 42 43 2d 35 38 41 2d 36 43 01 03 07");
const QByteArray kHeader = Hex("00 1a 32 33 37 38 2d 41 42 43 2d 35 38 41 2d 36 43 0f 03 07 df 27 bb a7"
                               "4f ab 00 01 00 00 04 30 30 31 44 41 54 41 2d 50 4e 2d 30 30 30 32 20 20"
                               "20 08 db 9e");

struct LoadFiles : ::testing::Test {
    testsupport::ScriptedMessages msgs;
    Upload_Folder folder;
    rc::Ref<BoeingFileData> obj = rc::Ref<BoeingFileData>::Adopt(BoeingFileData::Create());
    rc::Ref<Recording_Callback> cb = Recording_Callback::Make();
    Bool16 vb = 0;

    void SetUp() override { obj->setCallbackAdvise(cb.get()); }

    void Prepare(en_File_Mode mode = B777)
    {
        ASSERT_EQ(obj->setUploadParameters(u"DISK-PN-0001", u"DATA-PN-0002", u"abc", u"58a6c",
                                           rc::To_BStr(folder.Prefix()), mode, &vb),
                  rc::RC_OK);
        ASSERT_EQ(obj->validateFileData(&vb), rc::RC_OK);
    }
    QByteArray File(const QString& name) const { return Read(folder.Prefix() + name); }
};

QByteArray Ranges(const QByteArray& file, std::initializer_list<std::pair<int, int>> ranges)
{
    QByteArray out;
    for (auto [offset, length] : ranges)
        out += file.mid(offset, length);
    return out;
}

} // namespace

TEST_F(LoadFiles, WritesTheFourFilesByteForByte)
{
    Prepare();
    EXPECT_EQ(obj->write777Files(&vb), rc::RC_OK);
    EXPECT_EQ(vb, rc::BOOL16_TRUE);
    EXPECT_TRUE(msgs.Boxes().isEmpty()) << msgs.Texts().join('|').toStdString();
    EXPECT_EQ(folder.Files(), (QStringList{"ABC58A6C.001", "ABC58A6C.HDR", "ABC58A6C.TXT", "CONFIG.LDR",
                                           "DISK.DIR", "NON_LOAD.CRC"}));
    EXPECT_EQ(File("NON_LOAD.CRC").toHex(' '), kNonLoad.toHex(' '));
    EXPECT_EQ(File("DISK.DIR").toHex(' '), kDiskDir.toHex(' '));
    EXPECT_EQ(File("ABC58A6C.HDR").toHex(' '), kHeader.toHex(' '));
    // The inputs are left as they were.
    EXPECT_EQ(File("ABC58A6C.TXT"), kReport);
    EXPECT_EQ(File("ABC58A6C.001"), kImage);
}

// A load file that cannot be written whole (here the file-size limit stops
// CONFIG.LDR) fails the write with its step's message and leaves no load file.
TEST_F(LoadFiles, AFileThatCannotBeWrittenWholeFailsTheWrite)
{
    Prepare();
    {
        const testsupport::File_Size_Limit limit(100);
        ASSERT_TRUE(limit.Set());
        EXPECT_EQ(obj->write777Files(&vb), rc::RC_FALSE);
    }
    EXPECT_EQ(vb, rc::BOOL16_FALSE);
    EXPECT_EQ(msgs.Texts(), QStringList{"Error appending codes to CONFIG.LDR file!"});
    EXPECT_EQ(folder.Files(), (QStringList{"ABC58A6C.001", "ABC58A6C.TXT"}));
}

TEST_F(LoadFiles, CrcFieldsCoverTheirRanges)
{
    Prepare();
    ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK);
    const QByteArray dir = File("DISK.DIR");
    const QByteArray hdr = File("ABC58A6C.HDR");
    ASSERT_EQ(dir.size(), 40);
    ASSERT_EQ(hdr.size(), 52);
    const auto u16 = [](const QByteArray& b, int at) {
        return static_cast<std::uint16_t>((std::uint8_t(b[at]) << 8) | std::uint8_t(b[at + 1]));
    };
    EXPECT_EQ(u16(dir, 20), Crc16_Of(Ranges(dir, {{0, 20}, {22, 18}})));
    EXPECT_EQ(u16(hdr, 24), Crc16_Of(Ranges(hdr, {{0, 20}, {26, 26}})));
    EXPECT_EQ(u16(hdr, 50), Crc16_Of(kImage));
    const std::uint32_t crc32 = (std::uint32_t(u16(hdr, 20)) << 16) | u16(hdr, 22);
    EXPECT_EQ(crc32, Crc32_Of(Ranges(hdr, {{0, 20}, {24, 28}}) + kImage));
    EXPECT_EQ(u16(File("NON_LOAD.CRC"), 12), Crc16_Of(kReport));
}

TEST_F(LoadFiles, ConfigLdrOfTheB777Mode)
{
    Prepare(B777);
    ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK);
    const QByteArray cfg = File("CONFIG.LDR");
    EXPECT_EQ(cfg,
              QByteArray("LBL=226\r\nB1D=1H,1H,307\r\nB2D=0H,0H,000\r\nB3D=0H,0H,000\r\nB4D=0H,0H,000\r\n"
                         "B1P=1\r\nB2P=0\r\nB3P=0\r\nB4P=0\r\nTDO=2\r\nB1T=ABC58A6C.001, F\r\n\x1A"));
    EXPECT_EQ(cfg.count("\r\n"), 11);
    EXPECT_EQ(cfg.size(), 126);
}

TEST_F(LoadFiles, ConfigLdrOfEveryOtherMode)
{
    const QByteArray expected("LBL=226\r\nB1D=0H,0H,000\r\nB2D=1H,1H,307,2\r\nB3D=0H,0H,000\r\nB4D=0H,0H,000\r\n"
                              "B1P=0\r\nB2P=1\r\nB3P=0\r\nB4P=0\r\nB2T=ABC58A6C.001, F\r\n\x1A");
    for (en_File_Mode mode : {Boeing, AUTO, CNTRL}) {
        Prepare(mode);
        ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK) << mode;
        const QByteArray cfg = File("CONFIG.LDR");
        EXPECT_EQ(cfg, expected) << mode;
        EXPECT_EQ(cfg.count("\r\n"), 10);
        EXPECT_EQ(cfg.size(), 121);
    }
}

TEST_F(LoadFiles, ImageWordCountRoundsUp)
{
    Write(folder.Prefix() + "ABC58A6C.001", QByteArray(20001, 'x'));
    Prepare();
    ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK);
    EXPECT_EQ(File("ABC58A6C.HDR").mid(28, 3), Hex("00 27 11")); // 10001 words
    Write(folder.Prefix() + "ABC58A6C.001", QByteArray(20000, 'x'));
    Prepare();
    ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK);
    EXPECT_EQ(File("ABC58A6C.HDR").mid(28, 3), Hex("00 27 10"));
}

TEST_F(LoadFiles, SuccessEmptiesTheParametersButKeepsCallbackAndProgress)
{
    Prepare();
    ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK);
    EXPECT_TRUE(obj->Parameters().diskette_part_number.isEmpty());
    EXPECT_TRUE(obj->Parameters().load_part_number.isEmpty());
    EXPECT_EQ(obj->Parameters().file_mode, Boeing);
    EXPECT_EQ(cb->Count(), 2u);
    // A second write needs new parameters and a new validation.
    EXPECT_EQ(obj->write777Files(&vb), rc::RC_FALSE);
    EXPECT_EQ(msgs.Texts(), QStringList{"Call setUploadParameters and validateFileData methods first!"});
}

TEST_F(LoadFiles, WriteWithoutValidationIsRefused)
{
    ASSERT_EQ(obj->setUploadParameters(u"DISK-PN-0001", u"DATA-PN-0002", u"ABC", u"58A6C",
                                       rc::To_BStr(folder.Prefix()), B777, &vb),
              rc::RC_OK);
    EXPECT_EQ(obj->write777Files(&vb), rc::RC_FALSE);
    EXPECT_EQ(vb, rc::BOOL16_FALSE);
    ASSERT_EQ(msgs.Boxes().size(), 1);
    EXPECT_EQ(msgs.Boxes()[0].title, "ERROR");
    EXPECT_EQ(folder.Files(), (QStringList{"ABC58A6C.001", "ABC58A6C.TXT"}));

    // A parameter set after a validation needs a new validation too.
    Prepare();
    obj->setProductIdentifier(u"12345", &vb);
    msgs.Clear();
    EXPECT_EQ(obj->write777Files(&vb), rc::RC_FALSE);
    EXPECT_EQ(msgs.Boxes().size(), 1);

    // So does a failed validation.
    obj->setDiskPartNumber(u"D", &vb);
    ASSERT_EQ(obj->validateFileData(&vb), rc::RC_OK);
    auto fresh = rc::Ref<BoeingFileData>::Adopt(BoeingFileData::Create());
    fresh->setCallbackAdvise(cb.get());
    EXPECT_EQ(fresh->validateFileData(&vb), rc::RC_FALSE);
    msgs.Clear();
    EXPECT_EQ(fresh->write777Files(&vb), rc::RC_FALSE);
    EXPECT_EQ(msgs.Texts(), QStringList{"Call setUploadParameters and validateFileData methods first!"});
}

TEST_F(LoadFiles, MissingReportLeavesNoLoadFiles)
{
    QFile::remove(folder.Prefix() + "ABC58A6C.TXT");
    Prepare();
    EXPECT_EQ(obj->write777Files(&vb), rc::RC_FALSE);
    EXPECT_EQ(vb, rc::BOOL16_FALSE);
    EXPECT_EQ(msgs.Texts(), QStringList{"Error reading ABC58A6C.TXT file!"});
    EXPECT_EQ(msgs.Boxes()[0].title, "ERROR");
    EXPECT_EQ(folder.Files(), QStringList{"ABC58A6C.001"});
    // The parameters stay, so the client can try again once the report is there.
    Write(folder.Prefix() + "ABC58A6C.TXT", kReport);
    msgs.Clear();
    EXPECT_EQ(obj->write777Files(&vb), rc::RC_OK);
    EXPECT_EQ(File("NON_LOAD.CRC"), kNonLoad);
}

TEST_F(LoadFiles, MissingImageLeavesNoLoadFilesAndOldOnesUntouched)
{
    Write(folder.Prefix() + "DISK.DIR", "old");
    QFile::remove(folder.Prefix() + "ABC58A6C.001");
    Prepare();
    EXPECT_EQ(obj->write777Files(&vb), rc::RC_FALSE);
    EXPECT_EQ(msgs.Texts(), QStringList{"Error calculating length of ORT file!"});
    EXPECT_EQ(folder.Files(), (QStringList{"ABC58A6C.TXT", "DISK.DIR"}));
    EXPECT_EQ(File("DISK.DIR"), QByteArray("old"));
}

TEST_F(LoadFiles, InputNamesMatchExactly)
{
    QDir dir(folder.Prefix());
    ASSERT_TRUE(dir.rename("ABC58A6C.TXT", "abc58a6c.txt"));
    Prepare();
    EXPECT_EQ(obj->write777Files(&vb), rc::RC_FALSE);
    EXPECT_EQ(msgs.Texts(), QStringList{"Error reading ABC58A6C.TXT file!"});
}

TEST_F(LoadFiles, UnwritableFolderIsReportedAndNothingIsLeft)
{
    const QString missing = folder.Prefix() + "no-such-folder/";
    ASSERT_EQ(obj->setUploadParameters(u"D", u"F", u"ABC", u"58A6C", rc::To_BStr(missing), B777, &vb),
              rc::RC_OK);
    ASSERT_EQ(obj->validateFileData(&vb), rc::RC_OK);
    EXPECT_EQ(obj->write777Files(&vb), rc::RC_FALSE);
    EXPECT_EQ(msgs.Texts(), QStringList{"Error writing NON_LOAD.CRC!"});
}

TEST_F(LoadFiles, OldLoadFilesAreReplacedWhole)
{
    Write(folder.Prefix() + "DISK.DIR", QByteArray(100, 'z'));
    Write(folder.Prefix() + "CONFIG.LDR", QByteArray(500, 'z'));
    Prepare();
    ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK);
    EXPECT_EQ(File("DISK.DIR"), kDiskDir);
    EXPECT_EQ(File("CONFIG.LDR").size(), 126);
}

// Links that someone placed beside the load files, under names a writer
// might build them under, lead nowhere: the files outside stay as they are
// and the load files are plain files of the folder.
TEST_F(LoadFiles, LinksPlacedBesideTheLoadFilesAreNotFollowed)
{
    QTemporaryDir outside;
    const QStringList names{"NON_LOAD.CRC", "DISK.DIR", "ABC58A6C.HDR", "CONFIG.LDR"};
    for (const QString& name : names) {
        const QString victim = outside.path() + "/" + name;
        Write(victim, "outside");
        for (const char* suffix : {".partial", ".tmp", "~"})
            ASSERT_TRUE(QFile::link(victim, folder.Prefix() + name + suffix));
    }
    Prepare();
    ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK);
    for (const QString& name : names) {
        EXPECT_EQ(Read(outside.path() + "/" + name), QByteArray("outside")) << name.toStdString();
        EXPECT_FALSE(QFileInfo(folder.Prefix() + name).isSymLink()) << name.toStdString();
    }
    EXPECT_EQ(File("NON_LOAD.CRC"), kNonLoad);
    EXPECT_EQ(File("DISK.DIR"), kDiskDir);
    EXPECT_EQ(File("ABC58A6C.HDR"), kHeader);
}

TEST_F(LoadFiles, FolderOutsideTheCodePageIsUsedAsGiven)
{
    QDir(folder.Prefix()).mkdir(QStringLiteral("\u0414\u0438\u0441\u043a"));
    const QString sub = folder.Prefix() + QStringLiteral("\u0414\u0438\u0441\u043a/");
    Write(sub + "ABC58A6C.TXT", kReport);
    Write(sub + "ABC58A6C.001", kImage);
    ASSERT_EQ(obj->setUploadParameters(u"DISK-PN-0001", u"DATA-PN-0002", u"ABC", u"58A6C",
                                       rc::To_BStr(sub), B777, &vb),
              rc::RC_OK);
    ASSERT_EQ(obj->validateFileData(&vb), rc::RC_OK);
    ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK);
    EXPECT_EQ(Read(sub + "ABC58A6C.HDR"), kHeader);
}

TEST(LoadFileLayouts, FixedSizesAndLeadingWordCounts)
{
    const Load_File_Values v;
    const QByteArray dir = Build_Record(Disk_Dir_Layout(), DISK_DIR_SIZE, v);
    const QByteArray hdr = Build_Record(Header_Layout(), HEADER_SIZE, v);
    EXPECT_EQ(dir.size(), 40);
    EXPECT_EQ(dir.left(2), Hex("00 14"));
    EXPECT_EQ(hdr.size(), 52);
    EXPECT_EQ(hdr.left(2), Hex("00 1a"));
    // Unset texts are blank fields, CRC places zero.
    EXPECT_EQ(dir.mid(2, 15), QByteArray(15, ' '));
    EXPECT_EQ(hdr.mid(20, 6), QByteArray(6, '\0'));
    // Rows tile each file without gaps or overlaps.
    for (auto [layout, size] : {std::pair{Non_Load_Layout(), NON_LOAD_SIZE},
                                std::pair{Disk_Dir_Layout(), DISK_DIR_SIZE},
                                std::pair{Header_Layout(), HEADER_SIZE}}) {
        int next = 0;
        for (const Field_Row& row : layout) {
            EXPECT_EQ(row.offset, next);
            next += row.width;
        }
        EXPECT_EQ(next, size);
    }
}

TEST_F(LoadFiles, AFailedFinalRenameTakesBackTheFilesAlreadyInPlace)
{
    // A folder where CONFIG.LDR should go: every file is complete, but the
    // last one cannot take its name.
    ASSERT_TRUE(QDir(folder.Prefix()).mkdir("CONFIG.LDR"));
    Prepare();
    EXPECT_EQ(obj->write777Files(&vb), rc::RC_FALSE);
    EXPECT_EQ(msgs.Texts(), QStringList{"Error appending codes to CONFIG.LDR file!"});
    EXPECT_EQ(folder.Files(), (QStringList{"ABC58A6C.001", "ABC58A6C.TXT"}));
}

TEST_F(LoadFiles, AnImageTooLongForTheWordCountFieldIsRefused)
{
    QFile image(folder.Prefix() + "ABC58A6C.001");
    ASSERT_TRUE(image.resize(2 * qint64(MAX_IMAGE_WORDS) + 1)); // one word too many
    Prepare();
    EXPECT_EQ(obj->write777Files(&vb), rc::RC_FALSE);
    EXPECT_EQ(msgs.Texts(), QStringList{"Error calculating length of ORT file!"});
    EXPECT_EQ(folder.Files(), (QStringList{"ABC58A6C.001", "ABC58A6C.TXT"}));
}
