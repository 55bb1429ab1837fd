// Independent check of the Boeing 777 load files. The expected bytes are put
// together field by field here, with bit-by-bit CRCs of this file's own, and
// never with the writer's layouts, tables or part-number helpers.

#include "support/scripted_messages.h"
#include "writer/boeing_file_data.h"
#include "writer/crc.h"
#include "writer_fixtures.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace quarnel;
using namespace writer_test;

namespace {

// CRC-16: polynomial 0x1021, start 0xFFFF, most significant bit first, no final XOR.
std::uint16_t Bitwise_Crc16(const QByteArray& bytes)
{
    std::uint16_t crc = 0xFFFF;
    for (const char c : bytes) {
        crc ^= static_cast<std::uint16_t>(static_cast<unsigned char>(c) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<std::uint16_t>((crc << 1) ^ 0x1021)
                                 : static_cast<std::uint16_t>(crc << 1);
    }
    return crc;
}

// CRC-32: polynomial 0x04C11DB7, start 0xFFFFFFFF, most significant bit first,
// complemented at the end.
std::uint32_t Bitwise_Crc32(const QByteArray& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return ~crc;
}

QByteArray Be(std::uint32_t value, int width)
{
    QByteArray out;
    for (int i = width - 1; i >= 0; --i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

QByteArray Blank15(const QByteArray& text)
{
    QByteArray out = text;
    while (out.size() < 15)
        out += ' ';
    return out;
}

struct Case {
    QByteArray diskette;
    QByteArray data_file;
    QByteArray manufacturer; // as typed
    QByteArray product;      // as typed
    QByteArray base;         // MMMSSSSS as expected on the disk
    QByteArray load_pn;      // as expected
    QByteArray report;
    QByteArray image;
};

struct Expected {
    QByteArray non_load, disk_dir, header;
};

Expected Expect(const Case& c)
{
    Expected e;
    // NON_LOAD.CRC: base, "TXT", 0x01, CRC-16 of the report.
    e.non_load = c.base + "TXT" + Be(0x01, 1) + Be(Bitwise_Crc16(c.report), 2);

    // DISK.DIR with its CRC over 0-19 and 22-39.
    QByteArray dir = Be(0x0014, 2) + Blank15(c.diskette) + Be(0x0001, 2) + Be(0x01, 1);
    const QByteArray dir_tail = Blank15(c.load_pn) + Be(0x0103, 2) + Be(0x07, 1);
    e.disk_dir = dir + Be(Bitwise_Crc16(dir + dir_tail), 2) + dir_tail;

    // Header: 0-19, CRC-32 (20-23), CRC-16 (24-25), 26-51.
    const QByteArray head = Be(0x001A, 2) + Blank15(c.load_pn) + Be(0x0F, 1) + Be(0x03, 1) + Be(0x07, 1);
    const auto words = static_cast<std::uint32_t>((c.image.size() + 1) / 2);
    const QByteArray tail = Be(0x0001, 2) + Be(words, 3) + "001" + Blank15(c.data_file) + Be(0x08, 1)
                          + Be(Bitwise_Crc16(c.image), 2);
    const QByteArray crc16 = Be(Bitwise_Crc16(head + tail), 2);
    const QByteArray crc32 = Be(Bitwise_Crc32(head + crc16 + tail + c.image), 4);
    e.header = head + crc32 + crc16 + tail;
    return e;
}

QByteArray Config_B777(const QByteArray& base)
{
    return "LBL=226\r\nB1D=1H,1H,307\r\nB2D=0H,0H,000\r\nB3D=0H,0H,000\r\nB4D=0H,0H,000\r\n"
           "B1P=1\r\nB2P=0\r\nB3P=0\r\nB4P=0\r\nTDO=2\r\nB1T="
         + base + ".001, F\r\n\x1A";
}

QByteArray Config_Other(const QByteArray& base)
{
    return "LBL=226\r\nB1D=0H,0H,000\r\nB2D=1H,1H,307,2\r\nB3D=0H,0H,000\r\nB4D=0H,0H,000\r\n"
           "B1P=0\r\nB2P=1\r\nB3P=0\r\nB4P=0\r\nB2T="
         + base + ".001, F\r\n\x1A";
}

class Scratch_Folder {
public:
    QString Prefix() const { return dir_.path() + "/"; }
    QStringList Files() const { return QDir(dir_.path()).entryList(QDir::Files, QDir::Name); }
    QByteArray File(const QString& name) const { return Read(Prefix() + name); }

private:
    QTemporaryDir dir_;
};

struct LoadFileBytes : ::testing::Test {
    testsupport::ScriptedMessages msgs;
    Scratch_Folder folder;
    rc::Ref<BoeingFileData> obj = rc::Ref<BoeingFileData>::Adopt(BoeingFileData::Create());
    rc::Ref<Recording_Callback> cb = Recording_Callback::Make();
    Bool16 vb = 0;

    void SetUp() override { obj->setCallbackAdvise(cb.get()); }

    // Puts the inputs in place and runs the component through a whole write.
    void Run(const Case& c, std::int32_t mode)
    {
        const QString base = QString::fromLatin1(c.base);
        Write(folder.Prefix() + base + ".TXT", c.report);
        Write(folder.Prefix() + base + ".001", c.image);
        ASSERT_EQ(obj->setUploadParameters(rc::To_BStr(QString::fromLatin1(c.diskette)),
                                           rc::To_BStr(QString::fromLatin1(c.data_file)),
                                           rc::To_BStr(QString::fromLatin1(c.manufacturer)),
                                           rc::To_BStr(QString::fromLatin1(c.product)),
                                           rc::To_BStr(folder.Prefix()), static_cast<en_File_Mode>(mode), &vb),
                  rc::RC_OK);
        ASSERT_EQ(obj->validateFileData(&vb), rc::RC_OK);
        ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK);
        ASSERT_EQ(vb, rc::BOOL16_TRUE);
        ASSERT_TRUE(msgs.Boxes().isEmpty()) << msgs.Texts().join('|').toStdString();
    }

    void Expect_Files(const Case& c)
    {
        const Expected e = Expect(c);
        const QString base = QString::fromLatin1(c.base);
        EXPECT_EQ(folder.File("NON_LOAD.CRC").toHex(' '), e.non_load.toHex(' '));
        EXPECT_EQ(folder.File("DISK.DIR").toHex(' '), e.disk_dir.toHex(' '));
        EXPECT_EQ(folder.File(base + ".HDR").toHex(' '), e.header.toHex(' '));
        QStringList names{base + ".001", base + ".HDR", base + ".TXT", "CONFIG.LDR", "DISK.DIR", "NON_LOAD.CRC"};
        QStringList found = folder.Files();
        names.sort();
        found.sort();
        EXPECT_EQ(found.join(' ').toStdString(), names.join(' ').toStdString());
    }
};

const Case kWorked{"D1", "P-2", "abc", "58a6c", "ABC58A6C", "2378-ABC-58A-6C",
                   QByteArray("Report line\r\n\r\nEnd\r\n"), QByteArray("\x00\xFF\x12\x34\x80\x7F", 6)};

} // namespace

TEST(LoadFileCrc, BitwiseReferenceMatchesTheCheckValues)
{
    // The standard check values of the two algorithms over "123456789".
    EXPECT_EQ(Bitwise_Crc16("123456789"), 0x29B1);
    EXPECT_EQ(Bitwise_Crc32("123456789"), 0xFC891918u);
    EXPECT_EQ(Crc16_Of("123456789"), 0x29B1);
    EXPECT_EQ(Crc32_Of("123456789"), 0xFC891918u);
    // Carried across pieces, the running value equals one piece.
    const QByteArray all("\x01\x02\xFE\xFF\x80\x00hello", 11);
    EXPECT_EQ(crc16Update(all.mid(5), crc16Update(all.left(5), CRC16_START)), Bitwise_Crc16(all));
    EXPECT_EQ(~crc32Update(all.mid(3), crc32Update(all.left(3), CRC32_START)), Bitwise_Crc32(all));
}

TEST_F(LoadFileBytes, WorkedExampleB777IsByteExact)
{
    Run(kWorked, B777);
    ASSERT_EQ(cb->numbers, QStringList{"2378-ABC-58A-6C"});
    Expect_Files(kWorked);
    EXPECT_EQ(folder.File("CONFIG.LDR"), Config_B777("ABC58A6C"));
    // The inputs stay untouched.
    EXPECT_EQ(folder.File("ABC58A6C.TXT"), kWorked.report);
    EXPECT_EQ(folder.File("ABC58A6C.001"), kWorked.image);
}

TEST_F(LoadFileBytes, OtherModesWriteTheSecondConfigVariant)
{
    // One folder: every write replaces the files of the one before.
    for (const std::int32_t mode : {0, 2, 3}) {
        Run(kWorked, mode);
        Expect_Files(kWorked);
        EXPECT_EQ(folder.File("CONFIG.LDR"), Config_Other("ABC58A6C")) << "mode " << mode;
    }
}

TEST_F(LoadFileBytes, CheckCharactersKeepTheirLeadingZero)
{
    // "23" gives 0x01 and eight equal letters cancel out: check value 0x01.
    const Case c{"DISKETTE-PN-015", "DATAFILE-PN-015", "AAA", "AAAAA", "AAAAAAAA", "2301-AAA-AAA-AA",
                 QByteArray("x"), QByteArray("\x01\x02", 2)};
    Run(c, B777);
    EXPECT_EQ(cb->numbers, QStringList{"2301-AAA-AAA-AA"});
    Expect_Files(c);
}

TEST_F(LoadFileBytes, HexCheckLettersAreUpperCase)
{
    // '2' ^ '3' ^ 'X' ^ 'Y' ^ '9' ^ '1' ^ '2' ^ '3' ^ '4' ^ '6' = 0x0B.
    const Case c{"", "", "xy9", "12346", "XY912346", "230B-XY9-123-46", QByteArray(), QByteArray("A")};
    Run(c, B777);
    EXPECT_EQ(cb->numbers, QStringList{"230B-XY9-123-46"});
    Expect_Files(c);
}

TEST_F(LoadFileBytes, WordCountUsesAllThreeBytes)
{
    // 0x20001 bytes, odd: 0x10001 words, which needs the third byte.
    QByteArray image(0x20001, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 7 + 3);
    const Case c{"D", "F", "ABC", "58A6C", "ABC58A6C", "2378-ABC-58A-6C", QByteArray("r"), image};
    Run(c, B777);
    Expect_Files(c);
    EXPECT_EQ(folder.File("ABC58A6C.HDR").mid(28, 3).toHex(), QByteArray("010001"));
}

TEST_F(LoadFileBytes, EmptyImageHasNoWords)
{
    const Case c{"D", "F", "ABC", "58A6C", "ABC58A6C", "2378-ABC-58A-6C", QByteArray("r"), QByteArray()};
    Run(c, B777);
    Expect_Files(c);
    const QByteArray hdr = folder.File("ABC58A6C.HDR");
    EXPECT_EQ(hdr.mid(28, 3).toHex(), QByteArray("000000"));
    EXPECT_EQ(hdr.mid(50, 2).toHex(), QByteArray("ffff")); // CRC-16 of nothing is the start value
}

TEST_F(LoadFileBytes, PartNumbersGoInAsSingleBytesOfTheCodePage)
{
    // U+20AC is byte 0x80, U+00E9 byte 0xE9 in the single-byte code page.
    const Case c{"PN-\x80-1", "\xE9t\xE9", "ABC", "58A6C", "ABC58A6C", "2378-ABC-58A-6C", QByteArray("r"),
                 QByteArray("img")};
    const QString base = QStringLiteral("ABC58A6C");
    Write(folder.Prefix() + base + ".TXT", c.report);
    Write(folder.Prefix() + base + ".001", c.image);
    ASSERT_EQ(obj->setUploadParameters(u"PN-\u20AC-1", u"\u00E9t\u00E9", u"ABC", u"58A6C",
                                       rc::To_BStr(folder.Prefix()), B777, &vb),
              rc::RC_OK);
    ASSERT_EQ(obj->validateFileData(&vb), rc::RC_OK);
    ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK);
    Expect_Files(c);
}
