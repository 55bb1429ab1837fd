#include "editor/core/file_errors.h"

#include "platform/atomic_file.h"

namespace core {

QString File_Error_Description(int number)
{
    switch (number) {
    case TYPE_MISMATCH: return QStringLiteral("Type mismatch");
    case FILE_NOT_FOUND: return QStringLiteral("File not found");
    case DEVICE_IO_ERROR: return QStringLiteral("Device I/O error");
    case DISK_FULL: return QStringLiteral("Disk full");
    case INPUT_PAST_END: return QStringLiteral("Input past end of file");
    case PERMISSION_DENIED: return QStringLiteral("Permission denied");
    case PATH_FILE_ACCESS: return QStringLiteral("Path/File access error");
    case PATH_NOT_FOUND: return QStringLiteral("Path not found");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

File_Code Write_Failure_Number(const platform::File_Write_Result& result)
{
    using platform::File_Write_Step;
    if (result.Disk_Full())
        return DISK_FULL;
    // A read-only file, folder or disk: access denied, whichever step found it.
    if (result.Permission_Refused())
        return PERMISSION_DENIED;
    if (result.Step == File_Write_Step::Not_Writable)
        return PATH_FILE_ACCESS;
    if (result.Step == File_Write_Step::Open)
        return result.Folder_Missing() ? PATH_NOT_FOUND : PATH_FILE_ACCESS;
    return DEVICE_IO_ERROR;
}

} // namespace core
