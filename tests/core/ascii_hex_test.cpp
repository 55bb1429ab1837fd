#include "editor/core/ascii_hex.h"

#include "editor/core/ort_file_header.h"
#include "support/scripted_messages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace core;

namespace {

QByteArray counting_bytes(int n, int start = 0)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out.append(static_cast<char>((start + i * 37) & 0xFF));
    return out;
}

QByteArray hex_line(const QByteArray& bytes) { return bytes.toHex().toUpper() + "\r\n"; }

struct AsciiHexFiles : ::testing::Test {
    QTemporaryDir dir;
    testsupport::ScriptedMessages boxes;

    QString path(const QString& name) const { return dir.filePath(name); }

    static void write(const QString& file_name, const QByteArray& bytes)
    {
        QFile f(file_name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    static QByteArray read(const QString& file_name)
    {
        QFile f(file_name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // The one box a failed conversion shows.
    void expect_one_box(const QString& text, const QString& title)
    {
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_EQ(boxes.Boxes().first().text, text);
        EXPECT_EQ(boxes.Boxes().first().title, title);
        EXPECT_EQ(boxes.Boxes().first().buttons, platform::MsgButtons::Ok);
        boxes.Clear();
    }
    // No leftovers of the temporary output files in the folder.
    QStringList folder_entries() const
    {
        QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        names.sort();
        return names;
    }
};

} // namespace

TEST(AsciiHex, LineLayout)
{
    EXPECT_EQ(Encode_Ascii_Hex(QByteArray()), "\r\n\r\n");
    EXPECT_EQ(Encode_Ascii_Hex(QByteArray("\x0a\xff", 2)), "0AFF\r\n\r\n");

    const QByteArray forty = counting_bytes(40);
    EXPECT_EQ(Encode_Ascii_Hex(forty), hex_line(forty) + "\r\n\r\n");
    EXPECT_EQ(hex_line(forty).size(), 82);

    const QByteArray forty_one = counting_bytes(41);
    EXPECT_EQ(Encode_Ascii_Hex(forty_one), hex_line(forty_one.left(40)) + hex_line(forty_one.mid(40)) + "\r\n");

    const QByteArray many = counting_bytes(22582); // a whole composite file of the newest generation
    const QByteArray text = Encode_Ascii_Hex(many);
    const QList<QByteArray> lines = text.split('\n');
    // 564 full lines, one of 2 * 22 digits, the empty line, and what follows the last LF.
    ASSERT_EQ(lines.size(), 564 + 1 + 1 + 1);
    for (int i = 0; i < 564; ++i)
        ASSERT_EQ(lines[i].size(), 81) << i;
    EXPECT_EQ(lines[564].size(), 45);
    EXPECT_EQ(lines[565], "\r");
    EXPECT_EQ(lines[566], "");
}

TEST(AsciiHex, DecoderRules)
{
    auto decode = [](const char* text) { return Decode_Ascii_Hex(QByteArrayView(text)); };

    EXPECT_EQ(decode("0AFF\r\n\r\n").Bytes, QByteArray("\x0a\xff", 2));
    // LF-only lines read the same as CR LF ones; a break may split a byte.
    EXPECT_EQ(decode("0A\nF\nF\n\n").Bytes, QByteArray("\x0a\xff", 2));
    // Three line ends in a row stop the reading even when digits follow.
    EXPECT_EQ(decode("01\r\n\r\n02").Bytes, QByteArray("\x01", 1));
    EXPECT_EQ(decode("01\n\n\n02").Bytes, QByteArray("\x01", 1));
    EXPECT_EQ(decode("01\r\n\n02").Bytes, QByteArray("\x01", 1));
    // Two in a row do not.
    EXPECT_EQ(decode("01\r\n02").Bytes, QByteArray("\x01\x02", 2));
    EXPECT_EQ(decode("01\n\n02").Bytes, QByteArray("\x01\x02", 2));
    // No closing line ends: the text's end stops; a lone last digit is dropped.
    EXPECT_EQ(decode("0102").Bytes, QByteArray("\x01\x02", 2));
    EXPECT_EQ(decode("01020").Bytes, QByteArray("\x01\x02", 2));
    EXPECT_TRUE(decode("").Ok);
    EXPECT_TRUE(decode("").Bytes.isEmpty());
    // Characters are taken at their computed value: "0a" is 42, "G" is 16, ":" is 3.
    EXPECT_EQ(decode("0a").Bytes, QByteArray("\x2a", 1));
    EXPECT_EQ(decode("0G").Bytes, QByteArray("\x10", 1));
    EXPECT_EQ(decode("0:").Bytes, QByteArray("\x03", 1));
    EXPECT_EQ(decode("F@").Bytes, QByteArray("\xf9", 1));
}

TEST(AsciiHex, DecoderOverflows)
{
    for (const char* text : {"a0", "0 1", " 0", "0\t", "G0", "FG", "01\x01"}) {
        const Ascii_Hex_Decode_Result r = Decode_Ascii_Hex(QByteArrayView(text));
        EXPECT_FALSE(r.Ok) << text;
    }
    // Bytes before the failing character were already decoded.
    EXPECT_EQ(Decode_Ascii_Hex(QByteArrayView("0102 0")).Bytes, QByteArray("\x01\x02", 2));
    // Overflow after the stop does not count.
    EXPECT_TRUE(Decode_Ascii_Hex(QByteArrayView("01\r\n\r\n a0")).Ok);
}

TEST(AsciiHex, DecoderAcrossChunks)
{
    Ascii_Hex_Decoder decoder;
    QByteArray out;
    EXPECT_EQ(decoder.Feed("0", out), Ascii_Hex_Decoder::State::Reading);
    EXPECT_EQ(decoder.Feed("A\r", out), Ascii_Hex_Decoder::State::Reading);
    EXPECT_EQ(decoder.Feed("\n", out), Ascii_Hex_Decoder::State::Reading);
    EXPECT_EQ(decoder.Feed("\r", out), Ascii_Hex_Decoder::State::Stopped);
    EXPECT_EQ(decoder.Feed("FF", out), Ascii_Hex_Decoder::State::Stopped);
    EXPECT_EQ(out, QByteArray("\x0a", 1));
}

TEST(AsciiHex, EncodeDecodeRoundTrip)
{
    for (int n : {0, 1, 39, 40, 41, 79, 80, 81, 1216, 22582}) {
        const QByteArray data = counting_bytes(n, n);
        const Ascii_Hex_Decode_Result r = Decode_Ascii_Hex(Encode_Ascii_Hex(data));
        EXPECT_TRUE(r.Ok) << n;
        EXPECT_EQ(r.Bytes, data) << n;
    }
}

TEST_F(AsciiHexFiles, OrtFileRoundTrip)
{
    const QByteArray ort = Build_ORT_File(13, counting_bytes(1170), "08-DEC-26");
    write(path("a.cfg"), ort);
    ASSERT_TRUE(Binary_To_Ascii(path("a.cfg"), path("a.Hex")));
    EXPECT_EQ(read(path("a.Hex")), Encode_Ascii_Hex(ort));

    const std::optional<QString> current = Ascii_To_Binary(path("a.Hex"), path("a.Hex.tmp"));
    ASSERT_TRUE(current.has_value());
    EXPECT_EQ(*current, path("a.Hex.tmp"));
    EXPECT_EQ(read(path("a.Hex.tmp")), ort);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(folder_entries(), QStringList({"a.Hex", "a.Hex.tmp", "a.cfg"}));
}

TEST_F(AsciiHexFiles, OutputReplacedWhole)
{
    // Older, longer outputs leave no tail behind.
    write(path("b.Hex"), QByteArray(5000, 'Z'));
    write(path("b.bin"), QByteArray(5000, 'Z'));
    write(path("small.bin"), QByteArray("\x12\x34", 2));
    ASSERT_TRUE(Binary_To_Ascii(path("small.bin"), path("b.Hex")));
    EXPECT_EQ(read(path("b.Hex")), "1234\r\n\r\n");
    ASSERT_TRUE(Ascii_To_Binary(path("b.Hex"), path("b.bin")).has_value());
    EXPECT_EQ(read(path("b.bin")), QByteArray("\x12\x34", 2));

    // Converting a file onto itself works too.
    write(path("self"), "0102\r\n\r\n");
    ASSERT_TRUE(Ascii_To_Binary(path("self"), path("self")).has_value());
    EXPECT_EQ(read(path("self")), QByteArray("\x01\x02", 2));
}

TEST_F(AsciiHexFiles, LfOnlyAndTrailingGarbage)
{
    write(path("lf.Hex"), "4F48\n00\n\n\nZZZZ not read");
    ASSERT_TRUE(Ascii_To_Binary(path("lf.Hex"), path("lf.bin")).has_value());
    EXPECT_EQ(read(path("lf.bin")), QByteArray("OH\0", 3));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(AsciiHexFiles, OverflowKeepsOldOutput)
{
    write(path("old.bin"), "previous contents");
    for (const char* text : {"a0\r\n\r\n", "01 02\r\n\r\n", "0102\t\r\n"}) {
        write(path("bad.Hex"), text);
        EXPECT_FALSE(Ascii_To_Binary(path("bad.Hex"), path("old.bin")).has_value()) << text;
        expect_one_box("Overflow", "6");
        EXPECT_EQ(read(path("old.bin")), "previous contents") << text;
    }
    // No output is created either when none existed.
    write(path("bad.Hex"), "a0");
    EXPECT_FALSE(Ascii_To_Binary(path("bad.Hex"), path("new.bin")).has_value());
    expect_one_box("Overflow", "6");
    EXPECT_FALSE(QFile::exists(path("new.bin")));
    EXPECT_EQ(folder_entries(), QStringList({"bad.Hex", "old.bin"}));
}

TEST_F(AsciiHexFiles, MissingOrUnreadableInput)
{
    write(path("keep.Hex"), "kept");
    EXPECT_FALSE(Binary_To_Ascii(path("nope.bin"), path("keep.Hex")));
    expect_one_box("File not found", "53");
    EXPECT_EQ(read(path("keep.Hex")), "kept");

    EXPECT_FALSE(Ascii_To_Binary(path("nope.Hex"), path("x.bin")).has_value());
    expect_one_box("File not found", "53");
    EXPECT_FALSE(QFile::exists(path("x.bin")));

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    EXPECT_FALSE(Binary_To_Ascii(path("folder"), path("keep.Hex")));
    expect_one_box("Path/File access error", "75");
    EXPECT_EQ(read(path("keep.Hex")), "kept");
}

TEST_F(AsciiHexFiles, UnwritableOutput)
{
    write(path("in.bin"), "\x01");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    EXPECT_FALSE(Binary_To_Ascii(path("in.bin"), path("folder")));
    expect_one_box("Path/File access error", "75");
}

TEST_F(AsciiHexFiles, OutputIntoAMissingFolderIsPathNotFound)
{
    write(path("in.bin"), "\x01");
    EXPECT_FALSE(Binary_To_Ascii(path("in.bin"), path("no/such/dir/out.Hex")));
    expect_one_box("Path not found", "76");

    write(path("in.Hex"), "01");
    EXPECT_FALSE(Ascii_To_Binary(path("in.Hex"), path("no/such/dir/out.bin")).has_value());
    expect_one_box("Path not found", "76");
    // A file where the folder should be is no folder either.
    EXPECT_FALSE(Ascii_To_Binary(path("in.Hex"), path("in.bin/out.bin")).has_value());
    expect_one_box("Path not found", "76");
    EXPECT_EQ(folder_entries(), QStringList({"in.Hex", "in.bin"}));
}
