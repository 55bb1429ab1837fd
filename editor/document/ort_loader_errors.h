#pragma once
// The errors of opening and saving ORT files and the one message box that
// reports a failed load.
//
// Load errors carry the loader's own codes; file-system failures carry the
// numbers and descriptions that file errors have always been shown with
// (53 "File not found", 70 "Permission denied", ...).

#include "editor/core/file_errors.h"

#include <QString>
#include <stdexcept>

class QFileDevice;

namespace platform {
struct File_Write_Result;
}

namespace Ort_Loader {

// The loader's own error codes.
enum Load_Code : int {
    INVALID_HEADER = 1,  // magic, maker text, prefix, header size, length or type
    CRC_FAILED = 2,      // the CRC over the data differs from the stored one
    SECURED_ONLY = 3,    // a secured-only file: this edition does not edit it
    OBSOLETE_TOOL = 5,   // written by an editor with tool version 19 to 23
    CONVERT_FIRST = 99,  // "00" to "03": an older format that must be converted
};

// File-system error numbers and their descriptions.
using core::File_Code;
using enum core::File_Code;
using core::File_Error_Description;

// Any numbered failure of a load or a save.
class Numbered_Error : public std::runtime_error {
public:
    Numbered_Error(int number, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number), description_(description)
    {
    }
    int Number() const { return number_; }
    const QString& Description() const { return description_; }

private:
    int number_;
    QString description_;
};

// A refusal of the loader (Load_Code).
class Load_Error : public Numbered_Error {
public:
    explicit Load_Error(int code);
};

// A failure of the file system (File_Code).
class File_Error : public Numbered_Error {
public:
    explicit File_Error(int number);
};

// The failure of an opened file: 70 when permission was refused, else
// `otherwise`.
File_Error Device_Error(const QFileDevice& file, int otherwise);

// The failure of a file replacement, numbered by core::Write_Failure_Number.
File_Error Write_Error(const platform::File_Write_Result& result);

// "Unknown Error in " + procedure + ": #" + number + ", " + description.
QString Unknown_Error_Text(int number, const QString& description, const QString& procedure);

// The box a failed load ends in. procedure names the failing procedure
// ("MerivaneMain.Load_File"); current_file is the file that failed.
struct Load_Error_Box {
    QString Text;
    QString Title;   // empty: the program's title
    bool Critical = false;
};
Load_Error_Box Error_Box(int number, const QString& description, const QString& procedure,
                         const QString& current_file);

// Shows that box.
void Error_Handler(int number, const QString& description, const QString& procedure,
                   const QString& current_file);

} // namespace Ort_Loader
