#include "editor/core/failure_mask.h"

#include "platform/big_endian.h"

#include <gtest/gtest.h>

using namespace core;

namespace {
QString line_of(const char* level1, const char* sru, const char* fail, const char* type)
{
    return QStringLiteral(" %1       %2     %3        %4").arg(level1, sru, fail, type);
}

std::uint32_t word_from_file_bytes(const char (&bytes)[5])
{
    return platform::Get_U32(QByteArray(bytes, 4), 0);
}
} // namespace

TEST(FailureMask, LineColumns)
{
    const QString line = Format_Failure_Entry("B", "z", "F", "Failure");
    EXPECT_EQ(line, " 0B       Z     0F        Failure");
    EXPECT_EQ(line.mid(1, 2), "0B");  // columns 2-3
    EXPECT_EQ(line.mid(10, 1), "Z");  // column 11
    EXPECT_EQ(line.mid(16, 2), "0F"); // columns 17-18
    EXPECT_EQ(line.mid(26), "Failure");
    EXPECT_EQ(Get_Level1_Code(line), "0B");
    EXPECT_EQ(Get_SRU_Code(line), "Z");
    EXPECT_EQ(Get_Fail_Code(line), "0F");
    EXPECT_EQ(Get_Mask_Type(line), "Failure");
    // Short lines give what there is.
    EXPECT_EQ(Get_Fail_Code(" 01"), "");
    EXPECT_EQ(Get_Mask_Type(" 01       2"), "");
    EXPECT_EQ(Get_SRU_Code(""), "");
}

TEST(FailureMask, WordToLine)
{
    // Bytes in the file 0x01 0x00 0x00 0x00: an indictment with all codes 0.
    EXPECT_EQ(Failure_Entry_To_Text(word_from_file_bytes("\x01\x00\x00\x00")),
              " 00       0     00        Indictment");
    // Level 1 0xAB, SRU 0x2C (44 -> no character), Fail 0x5E, failure.
    EXPECT_EQ(Failure_Entry_To_Text(0x022ABC5Eu), line_of("AB", "?", "5E", "Failure"));
    // SRU 0x1F = 31 -> "V"; byte 1 carries its high half, byte 2 its low half.
    EXPECT_EQ(Failure_Entry_To_Text(word_from_file_bytes("\x05\x13\x4F\x99")),
              line_of("34", "V", "99", "Indictment"));
    EXPECT_EQ(Failure_Entry_To_Text(0x03000000u), line_of("00", "0", "00", "Unknown"));
    EXPECT_EQ(Failure_Entry_To_Text(0x00000000u), line_of("00", "0", "00", "Unknown"));
    // Bits 26 to 31 are never read.
    EXPECT_EQ(Failure_Entry_To_Text(0xFE0B0F0Fu | 0x00000000u), Failure_Entry_To_Text(0x020B0F0Fu));
    EXPECT_EQ(Failure_Mask_Type(0xFD000000u), 1);
    EXPECT_EQ(Failure_Mask_Type(0x00FFFFFFu), 0);
}

TEST(FailureMask, LineToWord)
{
    EXPECT_EQ(Text_To_Failure_Entry(" 00       0     00        Indictment"), 0x01000000u);
    EXPECT_EQ(Text_To_Failure_Entry(line_of("0B", "0", "0F", "Failure")), 0x0200B00Fu);
    // SRU 35 ("Z"): halves split, flag bit 26 set.
    EXPECT_EQ(Text_To_Failure_Entry(line_of("00", "Z", "00", "Indictment")), 0x05200300u);
    // SRU 15 ("F"): no flag.
    EXPECT_EQ(Text_To_Failure_Entry(line_of("00", "F", "00", "Indictment")), 0x01000F00u);
    // Anything but "Indictment" exactly is written as a failure.
    for (const char* type : {"Unknown", "Failure", "indictment", "Indictment ", ""})
        EXPECT_EQ(Text_To_Failure_Entry(line_of("12", "3", "45", type)), 0x02012345u) << type;
    // Lower-case hexadecimal codes read as well.
    EXPECT_EQ(Text_To_Failure_Entry(line_of("ab", "1", "cd", "Failure")), 0x020AB1CDu);
    // Word bytes in file order after storing.
    QByteArray record(4, '\0');
    platform::Put_U32(record, 0, Text_To_Failure_Entry(line_of("34", "V", "99", "Indictment")));
    EXPECT_EQ(record.toHex(), "05134f99");
}

TEST(FailureMask, SruCharacterRule)
{
    for (int v = 0; v <= 9; ++v)
        EXPECT_EQ(SRU_Char(v), QChar(u'0' + v));
    EXPECT_EQ(SRU_Char(10), QChar(u'A'));
    EXPECT_EQ(SRU_Char(35), QChar(u'Z'));
    EXPECT_EQ(SRU_Char(36), QChar(u'?'));
    EXPECT_EQ(SRU_Char(255), QChar(u'?'));
    for (int v = 0; v <= 35; ++v)
        EXPECT_EQ(SRU_Value(SRU_Char(v)), v) << v;
    EXPECT_EQ(SRU_Value(QChar(u':')), 10);
    EXPECT_EQ(SRU_Value(QChar(u'a')), 42);
    EXPECT_EQ(SRU_Value(QChar(u'-')), 45);
    EXPECT_EQ(SRU_Value(QChar(u'?')), 63);
}

TEST(FailureMask, RoundTripsEveryValidEntry)
{
    for (int type : {1, 2})
        for (std::uint32_t level1 : {0u, 0x0Bu, 0x7Fu, 0xFFu})
            for (int sru = 0; sru <= 35; ++sru)
                for (std::uint32_t fail : {0u, 0x0Fu, 0x80u, 0xFFu}) {
                    const std::uint32_t s = static_cast<std::uint32_t>(sru);
                    std::uint32_t word = (static_cast<std::uint32_t>(type) << 24) | ((s & 0xF0u) << 16)
                                         | (level1 << 12) | ((s & 0x0Fu) << 8) | fail;
                    if (sru > 15)
                        word |= 1u << 26;
                    const QString line = Failure_Entry_To_Text(word);
                    ASSERT_EQ(line.size(), 26 + (type == 1 ? 10 : 7));
                    EXPECT_EQ(Text_To_Failure_Entry(line), word) << line.toStdString();
                }
}

TEST(FailureMask, UnknownTypeIsWrittenBackAsFailure)
{
    const QString line = Failure_Entry_To_Text(0x030B1C0Fu);
    EXPECT_EQ(Get_Mask_Type(line), "Unknown");
    EXPECT_EQ(Text_To_Failure_Entry(line), 0x020B1C0Fu);
    // A word carrying stray high bits reads back clean.
    EXPECT_EQ(Text_To_Failure_Entry(Failure_Entry_To_Text(0xF90B1C0Fu)), 0x010B1C0Fu);
}

TEST(FailureMask, BadLinesAreTypeMismatch)
{
    const QString bad[] = {
        line_of("G0", "1", "00", "Failure"),  // not hexadecimal
        line_of("0 ", "1", "00", "Failure"),  // blank in a code
        line_of("00", "1", "0X", "Failure"),  // fail code
        QStringLiteral(" 00       "),          // no column 11
        QStringLiteral(" 00       1     0"),   // fail code cut short
        QStringLiteral(""),
        QStringLiteral(" 0"),
    };
    for (const QString& line : bad)
        EXPECT_THROW(Text_To_Failure_Entry(line), Failure_Entry_Error) << line.toStdString();
    try {
        Text_To_Failure_Entry("x");
        FAIL();
    } catch (const Failure_Entry_Error& e) {
        EXPECT_EQ(Failure_Entry_Error::Number, 13);
        EXPECT_EQ(e.Description(), "Type mismatch");
    }
    // A line of exactly 18 characters is enough: the type text is empty.
    EXPECT_EQ(Text_To_Failure_Entry(QStringLiteral(" 01       2     03")), 0x02001203u);
}

TEST(FailureMask, FormatKeepsLongerTextsWhole)
{
    EXPECT_EQ(Format_Failure_Entry("", "", "", ""), " 00            00        ");
    EXPECT_EQ(Format_Failure_Entry("123", "a", "7", "X"), " 123       A     07        X");
}
