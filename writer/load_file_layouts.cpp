#include "writer/load_file_layouts.h"

#include "platform/big_endian.h"

#include <array>
#include <stdexcept>

namespace quarnel {

namespace {

using S = Field_Source;

constexpr std::array<Field_Row, 4> kNonLoad{{
    {0, 8, S::Base_Name},
    {8, 3, S::Text, 0, "TXT"},
    {11, 1, S::Number, 0x01},
    {12, 2, S::Text_Crc16},
}};

constexpr std::array<Field_Row, 8> kDiskDir{{
    {0, 2, S::Number, 0x0014},
    {2, 15, S::Diskette_PN},
    {17, 2, S::Number, 0x0001},
    {19, 1, S::Number, 0x01},
    {20, 2, S::Crc_Placeholder},
    {22, 15, S::Load_PN},
    {37, 2, S::Number, 0x0103},
    {39, 1, S::Number, 0x07},
}};

constexpr std::array<Field_Row, 13> kHeader{{
    {0, 2, S::Number, 0x001A},
    {2, 15, S::Load_PN},
    {17, 1, S::Number, 0x0F},
    {18, 1, S::Number, 0x03},
    {19, 1, S::Number, 0x07},
    {20, 4, S::Crc_Placeholder},
    {24, 2, S::Crc_Placeholder},
    {26, 2, S::Number, 0x0001},
    {28, 3, S::Image_Words},
    {31, 3, S::Text, 0, "001"},
    {34, 15, S::Data_File_PN},
    {49, 1, S::Number, 0x08},
    {50, 2, S::Image_Crc16},
}};

constexpr std::array<Byte_Range, 2> kDiskDirCrc16{{{0, 20}, {22, 18}}};
constexpr std::array<Byte_Range, 2> kHeaderCrc16{{{0, 20}, {26, 26}}};
constexpr std::array<Byte_Range, 2> kHeaderCrc32{{{0, 20}, {24, 28}}};

void Put_Text_Field(QByteArray& buf, int offset, int width, const QByteArray& text)
{
    platform::Put_Bytes(buf, offset, text.leftJustified(width, ' ', true));
}

std::uint32_t Number_Of(const Field_Row& row, const Load_File_Values& v)
{
    switch (row.source) {
    case S::Number: return row.number;
    case S::Text_Crc16: return v.text_crc16;
    case S::Image_Words: return v.image_words;
    case S::Image_Crc16: return v.image_crc16;
    default: return 0;
    }
}

QByteArray Text_Of(const Field_Row& row, const Load_File_Values& v)
{
    switch (row.source) {
    case S::Text: return QByteArray(row.text);
    case S::Base_Name: return v.base_name;
    case S::Diskette_PN: return v.diskette_part_number;
    case S::Load_PN: return v.load_part_number;
    case S::Data_File_PN: return v.data_file_part_number;
    default: return QByteArray();
    }
}

bool Is_Text(Field_Source s)
{
    return s == S::Text || s == S::Base_Name || s == S::Diskette_PN || s == S::Load_PN
        || s == S::Data_File_PN;
}

} // namespace

std::span<const Field_Row> Non_Load_Layout() { return kNonLoad; }
std::span<const Field_Row> Disk_Dir_Layout() { return kDiskDir; }
std::span<const Field_Row> Header_Layout() { return kHeader; }

Crc_Field Disk_Dir_Crc16() { return {20, kDiskDirCrc16}; }
Crc_Field Header_Crc16() { return {24, kHeaderCrc16}; }
Crc_Field Header_Crc32() { return {HEADER_CRC32_OFFSET, kHeaderCrc32}; }

void Put_Number(QByteArray& buf, int offset, int width, std::uint32_t value)
{
    platform::Check_Range(buf.size(), offset, width);
    for (int i = width - 1; i >= 0; --i) {
        buf[offset + i] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}

QByteArray Build_Record(std::span<const Field_Row> layout, int size, const Load_File_Values& v)
{
    QByteArray buf(size, '\0');
    for (const Field_Row& row : layout) {
        if (Is_Text(row.source))
            Put_Text_Field(buf, row.offset, row.width, Text_Of(row, v));
        else
            Put_Number(buf, row.offset, row.width, Number_Of(row, v));
    }
    return buf;
}

QByteArray Build_Config_Ldr(en_File_Mode mode, const QByteArray& base_name)
{
    static constexpr std::array<const char*, 10> kB777{
        "LBL=226", "B1D=1H,1H,307", "B2D=0H,0H,000", "B3D=0H,0H,000", "B4D=0H,0H,000",
        "B1P=1",   "B2P=0",         "B3P=0",         "B4P=0",         "TDO=2",
    };
    static constexpr std::array<const char*, 9> kOther{
        "LBL=226", "B1D=0H,0H,000", "B2D=1H,1H,307,2", "B3D=0H,0H,000", "B4D=0H,0H,000",
        "B1P=0",   "B2P=1",         "B3P=0",           "B4P=0",
    };
    const bool b777 = mode == B777;
    QByteArray out;
    for (const char* line : b777 ? std::span<const char* const>(kB777) : std::span<const char* const>(kOther))
        out += QByteArray(line) + "\r\n";
    out += QByteArray(b777 ? "B1T=" : "B2T=") + base_name + ".001, F\r\n";
    out += '\x1A';
    return out;
}

} // namespace quarnel
