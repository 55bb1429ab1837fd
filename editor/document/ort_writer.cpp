#include "editor/document/ort_writer.h"

#include "editor/core/crc_utils.h"
#include "editor/core/ort_file_header.h"
#include "editor/core/ort_types.h"
#include "editor/core/secured_record.h"
#include "editor/core/text_helpers.h"
#include "editor/document/ort_loader_errors.h"
#include "editor/page_set/page_set.h"
#include "editor/secured_partition/secured_mod.h"
#include "editor/user_partition/user_mod.h"
#include "platform/atomic_file.h"
#include "platform/message_service.h"

#include <algorithm>
#include <array>

namespace Ort_Writer {

namespace {

// One writer: the values it accepts (each is also the file type it writes)
// and the message for any other.
struct Writer_Row {
    std::array<std::int32_t, 3> Values;
    const char* Name;
};

constexpr Writer_Row SECURED_WRITER{{7, 10, 13}, "Write_Version_Secured"};
constexpr Writer_Row USER_WRITER{{8, 11, 14}, "Write_Out"};
constexpr Writer_Row COMPOSITE_WRITER{{9, 12, 15}, "Write_ORT"};

bool Accepts(const Writer_Row& writer, std::int32_t value)
{
    return std::find(writer.Values.begin(), writer.Values.end(), value) != writer.Values.end();
}

std::optional<ORT_File_Image> Build(const Writer_Row& writer, std::int32_t value, Page_Set& pages)
{
    if (!Accepts(writer, value)) {
        platform::Msg_Box(QString::fromLatin1(writer.Name) +
                          QStringLiteral("(...) Invalid ORT Version: ") + QString::number(value));
        return std::nullopt;
    }
    Update_ORT_Data(pages, value);
    const QByteArray data = Records_Data(value);
    return ORT_File_Image{core::Build_ORT_File(value, data, core::Get_Date_Stamp()),
                          core::Calc_CRC16(data)};
}

// Writes the image built, if any, and answers its CRC.
std::optional<std::uint16_t> Write(const std::optional<ORT_File_Image>& image, const QString& path)
{
    if (!image)
        return std::nullopt;
    Replace_File(path, image->Bytes);
    return image->CRC;
}

} // namespace

void Update_ORT_Data(Page_Set& pages, std::int32_t type)
{
    if (Accepts(SECURED_WRITER, type)) {
        Secured_Mod::Update_Data(pages);
    } else if (Accepts(USER_WRITER, type)) {
        User_Mod::Update_Data(pages);
    } else if (Accepts(COMPOSITE_WRITER, type)) {
        Secured_Mod::Update_Data(pages);
        User_Mod::Update_Data(pages);
    }
}

QByteArray Records_Data(std::int32_t type)
{
    QByteArray data;
    if (const core::Record* secured = core::secured::Record_For_Type(type))
        data += secured->Bytes();
    if (const core::Record* user = User_Mod::User_Record_For_Type(type))
        data += user->Bytes();
    return data;
}

void Replace_File(const QString& path, const QByteArray& bytes)
{
    const platform::File_Write_Result result = platform::Write_Whole_File(path, bytes);
    if (!result.Ok())
        throw Ort_Loader::Write_Error(result);
}

std::optional<std::uint16_t> Write_Version_Secured(Page_Set& pages, const QString& path)
{
    return Write(Build(SECURED_WRITER, core::Versions().Secured_Current.Partition_Version, pages),
                 path);
}

std::optional<std::uint16_t> Write_Out(Page_Set& pages, const QString& path)
{
    return Write(Build(USER_WRITER, core::Versions().User_Current.Partition_Version, pages), path);
}

std::optional<std::uint16_t> Write_Composite(Page_Set& pages, const QString& path)
{
    return Write(Build(COMPOSITE_WRITER, core::Versions().ORT_Type, pages), path);
}

std::optional<ORT_File_Image> Build_ORT(Page_Set& pages)
{
    const core::Version_State& versions = core::Versions();
    const std::int32_t config = versions.Partition_Config;
    if (config == core::PARTITION_SECURED)
        return Build(SECURED_WRITER, versions.Secured_Current.Partition_Version, pages);
    if (config != core::PARTITION_USER && config != core::PARTITION_COMPOSITE)
        return std::nullopt;
    pages.Sat_GES().Control_02_Sort_Sat_Ascending();
    pages.HSD_S64().Control_66_Sort();
    pages.HSD_S64().Control_67_Sort();
    return config == core::PARTITION_USER
               ? Build(USER_WRITER, versions.User_Current.Partition_Version, pages)
               : Build(COMPOSITE_WRITER, versions.ORT_Type, pages);
}

std::optional<std::uint16_t> Write_ORT(Page_Set& pages, const QString& path)
{
    return Write(Build_ORT(pages), path);
}

} // namespace Ort_Writer
