#pragma once
// Entry points of the user partition: the steps that prepare the page
// controls of a new or converted ORT, and the two dispatchers that move the
// user record of a generation to the controls (load direction, chosen by the
// loaded user version info) and back (save direction, chosen by the current
// user Partition_Version).
//
// Generations are rows of one table (user_mod_generations.cpp): a row names
// the user Partition_Version, its record and its two directions. A
// generation without a row takes the "unsupported version" path of the
// dispatchers.

#include "editor/core/record_layout.h"

#include <QString>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

class Page_Set;

namespace User_Mod {

// The load direction of one generation: the loaded record into the page
// controls, with checks and conversion-report lines.
using Update_GUI_Proc = void (*)(Page_Set& pages);
// The save direction of one generation: the page controls into the record.
using Update_Data_Proc = void (*)(Page_Set& pages);
// The program-wide record of a generation (record-size constant plus one
// bytes long).
using Record_Proc = core::Record& (*)();

struct Generation_Row {
    // The user Partition_Version; the user-only file type equals it and the
    // composite file type is one more.
    std::int32_t Partition_Version;
    Update_GUI_Proc Update_GUI;   // never null
    Update_Data_Proc Update_Data; // null: read only (never written)
    Record_Proc Record;           // never null
};

// Every generation the program knows, one row each (user_mod_generations.cpp).
std::span<const Generation_Row> Generations();

// The row of a user Partition_Version, or nullptr.
const Generation_Row* Generation_Of_Version(std::int32_t partition_version);
// The row whose user-only or composite file type is `ort_type`, or nullptr.
const Generation_Row* Generation_Of_Type(std::int32_t ort_type);

// The program-wide user record that a file of `ort_type` carries, or nullptr
// when the type holds no user record of a known generation. The loader reads
// the file's user bytes into it; the writers take the current generation's
// record after Update_Data.
core::Record* User_Record_For_Type(std::int32_t ort_type);

// Raised by Update_Data when the current user Partition_Version has no save
// direction. The box naming the version has already been shown when this is
// thrown: the caller stops the save (nothing is written) and shows nothing
// more.
class Unsupported_Version_Error : public std::runtime_error {
public:
    explicit Unsupported_Version_Error(std::int32_t version)
        : std::runtime_error("User Update_Data: Unsupported version: " + std::to_string(version)),
          version_(version)
    {
    }
    std::int32_t Version() const { return version_; }

private:
    std::int32_t version_;
};

// User items of a new ORT: nothing when the current user Partition_Version
// is 99; otherwise the default tables, the factory defaults, visibility,
// captions and enables, and last each item-45 assignment type enabled
// exactly when its terminal ID is not -1. The record of the current
// generation starts from a cleared record.
void Set_User_Defaults_New(Page_Set& pages);

// User items of an opened or converted ORT: the steps of
// Set_User_Defaults_New with Update_GUI run before the item-45 enables are
// settled, then Update_Data. The record of the current generation is kept
// when the loaded file is of that generation (a re-save keeps the bytes the
// save does not write) and cleared otherwise.
// The conversion report, when one is open, gets the load direction's lines.
void Convert_User(Page_Set& pages);

// Load direction by the loaded user ORT_Type: 5/6, 8/9, 11/12, 14/15 their
// generation's Update_GUI; 4, 7, 10, 13 (secured-only files) the box
// "Warning, Convertion uses some or all default values." and the controls keep
// their defaults; any other value (or a generation without a row) the box
// "User Update_GUI: Unsupported version: " with the value, nothing else.
void Update_GUI(Page_Set& pages);

// Save direction by the current user Partition_Version: that generation's
// Update_Data. Any other value (99 included) shows the box
// "User Update_Data: Unsupported version: " with the value, changes no
// record and throws Unsupported_Version_Error.
void Update_Data(Page_Set& pages);

// The message texts of the dispatchers.
QString Unsupported_GUI_Text(std::int32_t ort_type);
QString Unsupported_Data_Text(std::int32_t partition_version);
inline constexpr const char* DEFAULT_VALUES_WARNING =
    "Warning, Convertion uses some or all default values.";

} // namespace User_Mod
