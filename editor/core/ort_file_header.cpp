#include "editor/core/ort_file_header.h"

#include "editor/core/crc_utils.h"
#include "editor/core/ort_types.h"
#include "platform/big_endian.h"

#include <array>
#include <type_traits>

namespace core {

namespace {

template <auto Member>
std::uint32_t get_number(const ORT_File_Header& h)
{
    return static_cast<std::uint32_t>(h.*Member);
}

template <auto Member>
void set_number(ORT_File_Header& h, std::uint32_t value)
{
    using Field = std::remove_reference_t<decltype(h.*Member)>;
    h.*Member = static_cast<Field>(value);
}

const std::array<Header_Field, 8> LAYOUT = {{
    {"Magic", 0, 2, Header_Encoding::Ascii, &ORT_File_Header::Magic, nullptr, nullptr},
    {"Maker_Text", 2, 16, Header_Encoding::Ascii, &ORT_File_Header::Maker_Text, nullptr, nullptr},
    {"PN_Prefix", 18, 8, Header_Encoding::Ascii, &ORT_File_Header::PN_Prefix, nullptr, nullptr},
    {"ORT_Type_Text", 26, 2, Header_Encoding::Ascii, &ORT_File_Header::ORT_Type_Text, nullptr, nullptr},
    {"Header_Size", 28, 2, Header_Encoding::Unsigned_BE, nullptr,
     &get_number<&ORT_File_Header::Header_Size>, &set_number<&ORT_File_Header::Header_Size>},
    {"Save_Date", 30, 9, Header_Encoding::Ascii, &ORT_File_Header::Save_Date, nullptr, nullptr},
    {"Tool_Version", 39, 1, Header_Encoding::Unsigned_BE, nullptr,
     &get_number<&ORT_File_Header::Tool_Version>, &set_number<&ORT_File_Header::Tool_Version>},
    {"Data_Length", 40, 4, Header_Encoding::Unsigned_BE, nullptr,
     &get_number<&ORT_File_Header::Data_Length>, &set_number<&ORT_File_Header::Data_Length>},
}};

void put_number(QByteArray& buf, const Header_Field& row, std::uint32_t value)
{
    for (qsizetype i = row.Width - 1; i >= 0; --i) {
        platform::Put_U8(buf, row.Offset + i, static_cast<std::uint8_t>(value & 0xFF));
        value >>= 8;
    }
}

std::uint32_t get_number_bytes(const QByteArray& buf, const Header_Field& row)
{
    std::uint32_t value = 0;
    for (qsizetype i = 0; i < row.Width; ++i)
        value = (value << 8) | platform::Get_U8(buf, row.Offset + i);
    return value;
}

} // namespace

std::span<const Header_Field> Header_Layout() { return LAYOUT; }

ORT_File_Header Make_Header(std::int32_t type, std::uint32_t data_length, const QString& save_date)
{
    ORT_File_Header h;
    h.Magic = ORT_MAGIC;
    h.Maker_Text = ORT_MAKER_TEXT;
    h.PN_Prefix = ORT_PN_PREFIX;
    h.ORT_Type_Text = QStringLiteral("%1").arg(type, 2, 10, QLatin1Char('0'));
    h.Header_Size = static_cast<std::uint16_t>(HEADER_SIZE);
    h.Save_Date = save_date;
    h.Tool_Version = static_cast<std::uint8_t>(TOOL_VERSION);
    h.Data_Length = data_length;
    return h;
}

QByteArray Serialize_Header(const ORT_File_Header& header)
{
    QByteArray out(ORT_HEADER_LENGTH, '\0');
    for (const Header_Field& row : LAYOUT) {
        if (row.Encoding == Header_Encoding::Ascii)
            platform::Put_Text(out, row.Offset, row.Width, header.*row.Text);
        else
            put_number(out, row, row.Get_Number(header));
    }
    return out;
}

QByteArray Build_Header(std::int32_t type, std::uint32_t data_length, const QString& save_date)
{
    return Serialize_Header(Make_Header(type, data_length, save_date));
}

Header_Parse_Result Parse_Header(const QByteArray& bytes)
{
    Header_Parse_Result result;
    if (bytes.size() < ORT_HEADER_LENGTH)
        return result;
    for (const Header_Field& row : LAYOUT) {
        if (row.Encoding == Header_Encoding::Ascii)
            result.Header.*row.Text = platform::Get_Text(bytes, row.Offset, row.Width);
        else
            row.Set_Number(result.Header, get_number_bytes(bytes, row));
    }
    result.Valid = true;
    return result;
}

std::optional<std::int32_t> Header_Type_Number(const ORT_File_Header& header)
{
    // Only ordinary blanks around the digits are ignored; a tab, a line
    // break or a no-break space makes the text no number.
    QStringView text(header.ORT_Type_Text);
    while (text.startsWith(QLatin1Char(' ')))
        text = text.mid(1);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    if (text.isEmpty())
        return std::nullopt;
    std::int32_t value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

bool Header_Identity_Ok(const ORT_File_Header& header)
{
    return header.Magic == ORT_MAGIC && header.Maker_Text == ORT_MAKER_TEXT
           && header.PN_Prefix == ORT_PN_PREFIX && header.Header_Size == HEADER_SIZE;
}

QByteArray Build_ORT_File(std::int32_t type, const QByteArray& data, const QString& save_date)
{
    QByteArray file = Build_Header(type, static_cast<std::uint32_t>(data.size()), save_date);
    file.append(data);
    file.append(platform::U16_Bytes(Calc_CRC16(data)));
    return file;
}

} // namespace core
