#pragma once
// Texts of the main window's version label (which editor wrote the file) and
// file label (type, record revisions and partitions of the current ORT).

#include <QString>

namespace core {

// The version text of a tool-version code ("5.3" for 36), "Unknown" for a
// code that names no editor version.
QString Version_Text(int tool_version);

// "File Created by SDU" for code 32, otherwise "File Created by Merivane
// Version " followed by the code's version text.
QString Version_Label_Text(int tool_version);

// "File Version " with the current type, its record revision(s) in
// hexadecimal and the partition, from the program-wide version state, e.g.
// "File Version 14 (1): User Partition". Just "File Version " for a type
// outside 7 to 15.
QString File_Label_Text();

} // namespace core
