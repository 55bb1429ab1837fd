#include "editor/core/ort_file_header.h"

#include "editor/core/crc_utils.h"
#include "editor/core/ort_types.h"

#include <gtest/gtest.h>

using namespace core;

namespace {
QByteArray raw(const char* text, int length) { return QByteArray(text, length); }

// The header exactly as a writer must lay it out, spelled byte by byte.
QByteArray expected_header(const char* type_text, std::uint32_t length)
{
    QByteArray out;
    out += "OH";
    out += "QUENDRALL/ZELKO ";
    out += "6240100-";
    out += type_text;
    out += raw("\x00\x2C", 2);
    out += "08-DEC-26";
    out += raw("\x24", 1);
    out += static_cast<char>((length >> 24) & 0xFF);
    out += static_cast<char>((length >> 16) & 0xFF);
    out += static_cast<char>((length >> 8) & 0xFF);
    out += static_cast<char>(length & 0xFF);
    return out;
}
} // namespace

TEST(OrtFileHeader, LayoutCoversFortyFourBytesInOrder)
{
    qsizetype next = 0;
    for (const Header_Field& row : Header_Layout()) {
        EXPECT_EQ(row.Offset, next) << row.Name;
        next = row.Offset + row.Width;
        if (row.Encoding == Header_Encoding::Ascii)
            EXPECT_NE(row.Text, nullptr) << row.Name;
        else
            EXPECT_TRUE(row.Get_Number && row.Set_Number) << row.Name;
    }
    EXPECT_EQ(next, ORT_HEADER_LENGTH);
}

TEST(OrtFileHeader, WritableTypesByteForByte)
{
    const std::pair<int, const char*> types[] = {{7, "07"},  {8, "08"},  {9, "09"},
                                                 {10, "10"}, {11, "11"}, {12, "12"},
                                                 {13, "13"}, {14, "14"}, {15, "15"}};
    for (auto [type, text] : types) {
        const auto length = static_cast<std::uint32_t>(Get_Record_Length(type) + 1);
        const QByteArray header = Build_Header(type, length, QStringLiteral("08-DEC-26"));
        ASSERT_EQ(header.size(), 44) << type;
        EXPECT_EQ(header.toHex(' '), expected_header(text, length).toHex(' ')) << type;
    }
    // Spot checks of the data length field for two of them.
    EXPECT_EQ(Build_Header(15, 22536, "08-DEC-26").mid(40).toHex(), "00005808");
    EXPECT_EQ(Build_Header(8, 19320, "08-DEC-26").mid(40).toHex(), "00004b78");
}

TEST(OrtFileHeader, ParseRoundTrip)
{
    const QByteArray bytes = Build_Header(14, 21366, "31-JAN-07");
    const Header_Parse_Result parsed = Parse_Header(bytes);
    ASSERT_TRUE(parsed.Valid);
    const ORT_File_Header& h = parsed.Header;
    EXPECT_EQ(h.Magic, "OH");
    EXPECT_EQ(h.Maker_Text, "QUENDRALL/ZELKO ");
    EXPECT_EQ(h.PN_Prefix, "6240100-");
    EXPECT_EQ(h.ORT_Type_Text, "14");
    EXPECT_EQ(h.Header_Size, 44);
    EXPECT_EQ(h.Save_Date, "31-JAN-07");
    EXPECT_EQ(h.Tool_Version, 36);
    EXPECT_EQ(h.Data_Length, 21366u);
    EXPECT_EQ(h, Make_Header(14, 21366, "31-JAN-07"));
    EXPECT_EQ(Header_Type_Number(h), 14);
    EXPECT_TRUE(Header_Identity_Ok(h));
    EXPECT_EQ(Serialize_Header(h), bytes);

    // Bytes after the header do not matter.
    EXPECT_EQ(Parse_Header(bytes + QByteArray(100, 'x')).Header, h);
}

TEST(OrtFileHeader, ShortBufferIsNoHeader)
{
    const QByteArray good = Build_Header(9, 19978, "01-MAR-20");
    for (qsizetype n : {0, 1, 2, 40, 43}) {
        const Header_Parse_Result parsed = Parse_Header(good.left(n));
        EXPECT_FALSE(parsed.Valid) << n;
        EXPECT_EQ(parsed.Header, ORT_File_Header{}) << n;
    }
    EXPECT_TRUE(Parse_Header(good.left(44)).Valid);
}

TEST(OrtFileHeader, BadFieldsAreReportedAsRead)
{
    QByteArray bytes = Build_Header(15, 22536, "01-MAR-20");

    QByteArray low_first = bytes;
    low_first[28] = '\x2C'; // 44 stored low byte first
    low_first[29] = '\x00';
    const ORT_File_Header swapped = Parse_Header(low_first).Header;
    EXPECT_EQ(swapped.Header_Size, 0x2C00);
    EXPECT_FALSE(Header_Identity_Ok(swapped));

    QByteArray lower_maker = bytes;
    lower_maker[2] = 'q';
    EXPECT_FALSE(Header_Identity_Ok(Parse_Header(lower_maker).Header));

    QByteArray magic = bytes;
    magic[1] = 'X';
    EXPECT_FALSE(Header_Identity_Ok(Parse_Header(magic).Header));

    QByteArray prefix = bytes;
    prefix[25] = '_';
    EXPECT_FALSE(Header_Identity_Ok(Parse_Header(prefix).Header));

    QByteArray tool = bytes;
    tool[39] = static_cast<char>(0xFF);
    EXPECT_EQ(Parse_Header(tool).Header.Tool_Version, 255);

    QByteArray length = bytes;
    length[40] = static_cast<char>(0x80);
    EXPECT_EQ(Parse_Header(length).Header.Data_Length, 0x80005808u);
}

TEST(OrtFileHeader, TypeTextAsNumber)
{
    ORT_File_Header h;
    const std::pair<const char*, int> good[] = {{"02", 2}, {"16", 16}, {"99", 99}, {" 7", 7}, {"7 ", 7}};
    for (auto [text, value] : good) {
        h.ORT_Type_Text = text;
        EXPECT_EQ(Header_Type_Number(h), value) << text;
    }
    for (const char* text : {"AB", "", "  ", "1A", "-1", "+7", "0x", "\t7", "7\r", "\n7", "\xA0" "7"}) {
        h.ORT_Type_Text = QString::fromLatin1(text);
        EXPECT_FALSE(Header_Type_Number(h).has_value()) << text;
    }
}

TEST(OrtFileHeader, WholeFileImage)
{
    const QByteArray data = QByteArray("123456789");
    const QByteArray file = Build_ORT_File(7, data, "08-DEC-26");
    ASSERT_EQ(file.size(), 44 + 9 + 2);
    EXPECT_EQ(file.left(44), Build_Header(7, 9, "08-DEC-26"));
    EXPECT_EQ(file.mid(44, 9), data);
    EXPECT_EQ(file.mid(53).toHex(), "906e"); // CRC high byte first

    QByteArray record(Get_Record_Length(13) + 1, '\0');
    for (qsizetype i = 0; i < record.size(); ++i)
        record[i] = static_cast<char>(i * 7);
    const QByteArray big = Build_ORT_File(13, record, "08-DEC-26");
    ASSERT_EQ(big.size(), 44 + 1170 + 2);
    const Header_Parse_Result parsed = Parse_Header(big);
    ASSERT_TRUE(parsed.Valid);
    EXPECT_EQ(parsed.Header.Data_Length, 1170u);
    const std::uint16_t crc = Calc_CRC16(record);
    EXPECT_EQ(static_cast<std::uint8_t>(big[44 + 1170]), crc >> 8);
    EXPECT_EQ(static_cast<std::uint8_t>(big[44 + 1171]), crc & 0xFF);
}
