#pragma once
// The numbers and descriptions that file errors are shown with ("53, File
// not found", "61, Disk full"), for every reader and writer of files.

#include <QString>

namespace core {

enum File_Code : int {
    TYPE_MISMATCH = 13,
    FILE_NOT_FOUND = 53,
    DEVICE_IO_ERROR = 57,
    DISK_FULL = 61,
    INPUT_PAST_END = 62,
    PERMISSION_DENIED = 70,
    PATH_FILE_ACCESS = 75,
    PATH_NOT_FOUND = 76,
};

// The description of a file error number ("File not found").
QString File_Error_Description(int number);

} // namespace core
