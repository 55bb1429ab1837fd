#pragma once
// Opening an ORT file: the file is read once into memory; header, creator
// version, data length and CRC are checked on those bytes; the user confirms
// (or chooses) the target configuration; the records of the file's type are
// read, recorded as loaded and converted into the target configuration with
// the conversion report. Every failure ends in one box and no ORT open.

#include "editor/core/ort_file_header.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class Page_Set;

namespace Ort_Loader {

// The procedure name failed loads are reported under.
inline const QString LOAD_PROCEDURE = QStringLiteral("MerivaneMain.Load_File");

// An ORT file that passed every file check.
struct Checked_File {
    core::ORT_File_Header Header;
    std::int32_t Type = 0;
    QByteArray Data; // exactly Data_Length bytes
    std::uint16_t Stored_CRC = 0;
};

// The most bytes a valid ORT file can use: header, the largest data, CRC.
// Anything after them is never part of an ORT.
qsizetype Max_File_Length();

// The first Max_File_Length bytes of a file (all of a shorter one). Throws
// File_Error: 53 missing, 70 not readable, 57 read failure.
QByteArray Read_ORT_Bytes(const QString& path);

// Throws File_Error 13 (type mismatch) when type_text is no number, and
// Load_Error 1 unless data_length is the type's record size constant + 1
// (for a code outside 4 to 15 only 1 passes).
void Check_ORT_Length(const QString& type_text, std::int64_t data_length);

// The file checks in their order: a file shorter than its header is an
// invalid header; tool version 19 to 23 (5); magic, maker text, prefix and
// header size (1); the data length (1, 13); a file too short for header,
// data and CRC (62); the CRC (2). Bytes after the CRC are ignored.
Checked_File Check_ORT_File(const QByteArray& file);

// Which "Limited Data Loading" box a file type shows for a target
// configuration, A to D, or none.
enum class Limited_Box { None, A, B, C, D };

// Routes a file type: secured-only types throw Load_Error 3, "00" to "03"
// Load_Error 99, any other unknown type Load_Error 1.
Limited_Box Route_Type(std::int32_t type, std::int32_t partition_config);
QString Limited_Text(Limited_Box box);
void Show_Limited_Box(Limited_Box box);

// The records of the file's type from its data, secured first, each cleared
// before it is filled. Throws Load_Error 1 when data does not hold them.
void Read_Records(std::int32_t type, const QByteArray& data);

// Empties every page list that loading, converting or a new ORT fills by
// appending (failure masks, satellite and GES tables, cockpit directories,
// PSID table, LES lists).
void Clear_Page_Lists(Page_Set& pages);

// What a load needs of the main window.
class Load_Window {
public:
    virtual ~Load_Window() = default;
    virtual QString Caption() const = 0;
    virtual void Set_Caption(const QString& caption) = 0;
    // False while no target configuration has been chosen.
    virtual bool Configuration_Chosen() const = 0;
    // Lets the user choose the target configuration; false when cancelled.
    virtual bool Choose_Configuration() = 0;
    virtual QString Software_Config_Text() const = 0;
    // The target is confirmed and the file is about to replace the ORT that
    // is open: the window closes it now. A load cancelled before this point
    // leaves that ORT open as it was.
    virtual void Close_Open_ORT() = 0;
    // After the conversion: the ORT-open state, then the version label with
    // the file's tool version and the file label. `limited` tells that only
    // part of the file was used (a "Limited Data Loading" box was shown).
    virtual void Show_Loaded(int tool_version, bool limited) = 0;
    // The no-ORT state.
    virtual void Reset() = 0;
    virtual std::uint16_t& Last_Saved_CRC() = 0;
};

enum class Load_Result {
    Loaded,    // the ORT is open
    Refused,   // one box shown, no ORT open
    Cancelled, // the configuration choice was cancelled: caption and
               // baseline are as before, nothing was read into the records
               // and the ORT that was open is still open
};

// Loads `path` as the current file. Catches every error itself.
Load_Result Load_File(const QString& path, Page_Set& pages, Load_Window& window);

} // namespace Ort_Loader
