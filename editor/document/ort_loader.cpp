#include "editor/document/ort_loader.h"

#include "editor/core/crc_utils.h"
#include "editor/core/ort_types.h"
#include "editor/core/secured_record.h"
#include "editor/document/change_check.h"
#include "editor/document/ort_loader_errors.h"
#include "editor/document/ver_conv.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_mod.h"
#include "platform/big_endian.h"
#include "platform/message_service.h"

#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <algorithm>

namespace Ort_Loader {

namespace {

constexpr int OBSOLETE_FIRST = 19;
constexpr int OBSOLETE_LAST = 23;
const QString CRLF2 = QStringLiteral("\r\n\r\n");

bool Is_One_Of(std::int32_t value, std::initializer_list<std::int32_t> set)
{
    return std::find(set.begin(), set.end(), value) != set.end();
}

} // namespace

qsizetype Max_File_Length()
{
    return core::ORT_HEADER_LENGTH + core::Composite_Mod::Record_Size_V15 + 1 +
           core::ORT_CRC_LENGTH;
}

QByteArray Read_ORT_Bytes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw File_Error(FILE_NOT_FOUND);
    if (info.isDir())
        throw File_Error(PATH_FILE_ACCESS);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Device_Error(file, PATH_FILE_ACCESS);
    const QByteArray bytes = file.read(Max_File_Length());
    if (file.error() != QFileDevice::NoError)
        throw File_Error(DEVICE_IO_ERROR);
    return bytes;
}

void Check_ORT_Length(const QString& type_text, std::int64_t data_length)
{
    core::ORT_File_Header header;
    header.ORT_Type_Text = type_text;
    const std::optional<std::int32_t> type = core::Header_Type_Number(header);
    if (!type)
        throw File_Error(TYPE_MISMATCH);
    if (data_length != static_cast<std::int64_t>(core::Get_Record_Length(*type)) + 1)
        throw Load_Error(INVALID_HEADER);
}

Checked_File Check_ORT_File(const QByteArray& file)
{
    const core::Header_Parse_Result parsed = core::Parse_Header(file);
    if (!parsed.Valid)
        throw Load_Error(INVALID_HEADER);
    Checked_File out;
    out.Header = parsed.Header;
    if (out.Header.Tool_Version >= OBSOLETE_FIRST && out.Header.Tool_Version <= OBSOLETE_LAST)
        throw Load_Error(OBSOLETE_TOOL);
    if (!core::Header_Identity_Ok(out.Header))
        throw Load_Error(INVALID_HEADER);
    // Data_Length is a signed 32-bit number on file.
    const auto length = static_cast<std::int32_t>(out.Header.Data_Length);
    Check_ORT_Length(out.Header.ORT_Type_Text, length);
    out.Type = *core::Header_Type_Number(out.Header);
    if (file.size() < core::ORT_HEADER_LENGTH + length + core::ORT_CRC_LENGTH)
        throw File_Error(INPUT_PAST_END);
    out.Data = file.mid(core::ORT_HEADER_LENGTH, length);
    out.Stored_CRC = platform::Get_U16(file, core::ORT_HEADER_LENGTH + length);
    if (core::Calc_CRC16(out.Data) != out.Stored_CRC)
        throw Load_Error(CRC_FAILED);
    return out;
}

Limited_Box Route_Type(std::int32_t type, std::int32_t partition_config)
{
    if (Is_One_Of(type, {4, 7, 10, 13}))
        throw Load_Error(SECURED_ONLY);
    if (Is_One_Of(type, {5, 8, 11, 14})) {
        if (partition_config == core::PARTITION_SECURED)
            return Limited_Box::A;
        if (partition_config == core::PARTITION_COMPOSITE)
            return Limited_Box::B;
        return Limited_Box::None;
    }
    if (Is_One_Of(type, {6, 9, 12, 15})) {
        if (partition_config == core::PARTITION_SECURED)
            return Limited_Box::C;
        if (partition_config == core::PARTITION_USER)
            return Limited_Box::D;
        return Limited_Box::None;
    }
    if (type >= 0 && type <= 3)
        throw Load_Error(CONVERT_FIRST);
    throw Load_Error(INVALID_HEADER);
}

QString Limited_Text(Limited_Box box)
{
    const QString user_first = QStringLiteral("ORT configuration data being loaded is \"User.\"");
    const QString composite_first =
        QStringLiteral("ORT configuration data being loaded is \"Composite.\"");
    const QString user_portion =
        QStringLiteral("Only the \"User\" portion of the \"Composite\" data will be loaded.");
    switch (box) {
    case Limited_Box::A:
        return QStringLiteral("ORT configuration data being loaded is \"User\" only.") + CRLF2 +
               QStringLiteral("Data not used, target configuration is \"Secured.\"");
    case Limited_Box::B: return user_first + CRLF2 + user_portion;
    case Limited_Box::C:
        return composite_first + CRLF2 +
               QStringLiteral("Only the \"Secured\" portion of the \"Composite\" data will be loaded.");
    case Limited_Box::D: return composite_first + CRLF2 + user_portion;
    case Limited_Box::None: break;
    }
    return QString();
}

void Show_Limited_Box(Limited_Box box)
{
    if (box == Limited_Box::None)
        return;
    platform::Msg_Box(Limited_Text(box), platform::MsgButtons::Ok, platform::MsgIcon::None,
                      QStringLiteral("Limited Data Loading"));
}

void Read_Records(std::int32_t type, const QByteArray& data)
{
    core::Record* secured = core::secured::Record_For_Type(type);
    core::Record* user = User_Mod::User_Record_For_Type(type);
    const qsizetype needed = (secured ? secured->Length() : 0) + (user ? user->Length() : 0);
    if (needed == 0 || needed != data.size())
        throw Load_Error(INVALID_HEADER);
    qsizetype at = 0;
    for (core::Record* record : {secured, user}) {
        if (!record)
            continue;
        record->Clear();
        record->Set_Bytes(data.mid(at, record->Length()));
        at += record->Length();
    }
}

void Clear_Page_Lists(Page_Set& pages)
{
    pages.Sat_GES().Clear_Lists();
    pages.Failure_Masks().Clear_Lists();
    for (QListWidget* list : pages.Cockpit_Numbers().Control_05)
        list->clear();
    pages.General().Control_78->clear();
    pages.HSD_S64().Control_66->clear();
    pages.HSD_S64().Control_67->clear();
}

Load_Result Load_File(const QString& path, Page_Set& pages, Load_Window& window)
{
    const QString caption_before = window.Caption();
    const std::uint16_t crc_before = window.Last_Saved_CRC();
    const auto cancel = [&] {
        window.Set_Caption(caption_before);
        window.Last_Saved_CRC() = crc_before;
        return Load_Result::Cancelled;
    };

    window.Set_Caption(QStringLiteral("Merivane - ") + path);
    try {
        const Checked_File file = Check_ORT_File(Read_ORT_Bytes(path));
        window.Last_Saved_CRC() = file.Stored_CRC;

        if (!window.Configuration_Chosen() && !window.Choose_Configuration())
            return cancel();
        const platform::MsgAnswer answer = platform::Msg_Box(
            window.Software_Config_Text() + CRLF2 +
                QStringLiteral("Is this the correct target SDU Software Configuration Number?"),
            platform::MsgButtons::YesNo, platform::MsgIcon::None,
            QStringLiteral("Correct SW Config Number?"));
        if (answer == platform::MsgAnswer::No && !window.Choose_Configuration())
            return cancel();
        window.Close_Open_ORT();

        const Limited_Box limited = Route_Type(file.Type, core::Versions().Partition_Config);
        Show_Limited_Box(limited);
        Read_Records(file.Type, file.Data);
        core::Set_Loaded_Versions(file.Type, file.Data);
        Clear_Page_Lists(pages);
        modVerConv::Convert_ORT(pages);
        window.Show_Loaded(file.Header.Tool_Version, limited != Limited_Box::None);

        if (file.Type >= 4 && file.Type <= 6)
            window.Last_Saved_CRC() = 0; // a first-generation file counts as changed
        else
            Change_Check::Check_ORT_Changed(pages, window.Last_Saved_CRC());
        return Load_Result::Loaded;
    } catch (const User_Mod::Unsupported_Version_Error&) {
        window.Reset(); // its box has been shown
    } catch (const Numbered_Error& error) {
        window.Reset();
        Error_Handler(error.Number(), error.Description(), LOAD_PROCEDURE, path);
    } catch (const std::exception& error) {
        window.Reset();
        Error_Handler(modVerConv::Error_Number(error), modVerConv::Error_Description(error),
                      LOAD_PROCEDURE, path);
    }
    return Load_Result::Refused;
}

} // namespace Ort_Loader
