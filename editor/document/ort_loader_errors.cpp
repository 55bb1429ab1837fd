#include "editor/document/ort_loader_errors.h"

#include "platform/message_service.h"

#include <QFileDevice>

namespace Ort_Loader {

namespace {

QString Load_Description(int code)
{
    switch (code) {
    case INVALID_HEADER: return QStringLiteral("Invalid file header");
    case CRC_FAILED: return QStringLiteral("CRC Comparison Failed");
    case SECURED_ONLY: return QStringLiteral("Cannot edit this ORT with USER version of Merivane");
    case OBSOLETE_TOOL:
        return QStringLiteral("ORT file created by invalid/obsolete version of Merivane");
    case CONVERT_FIRST: return QStringLiteral("Must convert older ORT before opening...");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

} // namespace

Load_Error::Load_Error(int code) : Numbered_Error(code, Load_Description(code)) {}

File_Error::File_Error(int number) : Numbered_Error(number, File_Error_Description(number)) {}

File_Error Device_Error(const QFileDevice& file, int otherwise)
{
    return File_Error(file.error() == QFileDevice::PermissionsError ? PERMISSION_DENIED
                                                                     : otherwise);
}

File_Error Write_Error(const platform::File_Write_Result& result)
{
    return File_Error(core::Write_Failure_Number(result));
}

QString Unknown_Error_Text(int number, const QString& description, const QString& procedure)
{
    return QStringLiteral("Unknown Error in ") + procedure + QStringLiteral(": #") +
           QString::number(number) + QStringLiteral(", ") + description;
}

Load_Error_Box Error_Box(int number, const QString& description, const QString& procedure,
                         const QString& current_file)
{
    switch (number) {
    case OBSOLETE_TOOL:
        return {Load_Description(OBSOLETE_TOOL), QStringLiteral("Load Error"), true};
    case INVALID_HEADER:
        return {Load_Description(INVALID_HEADER), QStringLiteral("Load error"), true};
    case CRC_FAILED: return {Load_Description(CRC_FAILED), QStringLiteral("CRC Error"), true};
    case SECURED_ONLY:
        return {Load_Description(SECURED_ONLY), QStringLiteral("Load Error"), true};
    case CONVERT_FIRST: return {Load_Description(CONVERT_FIRST), QString(), false};
    case PERMISSION_DENIED:
        return {current_file, QStringLiteral("File Already Open or In Use"), true};
    default:
        return {Unknown_Error_Text(number, description, procedure), QString(), false};
    }
}

void Error_Handler(int number, const QString& description, const QString& procedure,
                   const QString& current_file)
{
    const Load_Error_Box box = Error_Box(number, description, procedure, current_file);
    platform::Msg_Box(box.Text, platform::MsgButtons::Ok,
                      box.Critical ? platform::MsgIcon::Critical : platform::MsgIcon::None,
                      box.Title);
}

} // namespace Ort_Loader
