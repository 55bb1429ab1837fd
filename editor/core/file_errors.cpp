#include "editor/core/file_errors.h"

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

} // namespace core
