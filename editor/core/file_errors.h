#pragma once
// The numbers and descriptions that file errors are shown with ("53, File
// not found", "61, Disk full"), for every reader and writer of files.

#include <QString>

namespace platform {
struct File_Write_Result;
}

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

// The number of a failed file replacement: 61 a full disk, quota or
// file-size limit; 70 refused permission (a read-only file, folder or disk);
// 75 a folder as the target; 76 a fresh file that cannot be created because
// its folder does not exist, 75 one that cannot be created otherwise; 57 any
// other failed write.
File_Code Write_Failure_Number(const platform::File_Write_Result& result);

} // namespace core
