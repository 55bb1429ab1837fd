#pragma once
// The choices of the ORT type dialog: one row per SDU model or software
// configuration, with the version values it gives each partition, its stored
// part numbers and the presets of the upload-disk dialog. Pure data and the
// step that turns a row and a column into the pending choice.

#include "editor/core/ort_types.h"

#include <QString>
#include <cstdint>
#include <span>

namespace main_window {

// Partition version, record revision, feature level, airframer level.
struct Partition_Values {
    std::int32_t Partition_Version;
    std::uint8_t Record_Revision;
    std::uint8_t Feature_Level;
    std::uint8_t Airframer_Level;
};

// Which configuration code picks the upload presets.
enum class Upload_Code { Other, Code_145, Code_150 };

struct Type_Option {
    const char* Name;         // option-button array, e.g. "Option_012"
    const char* Config_Text;  // e.g. "6240118-xx012"
    const char* Label_Text;   // the row's label caption
    Partition_Values Secured;
    Partition_Values User;
    const char* Secured_PN;   // stored secured part number (may be empty)
    const char* User_PN;      // stored user part number (may be empty)
    int Model_Index;          // 1 for the second SDU model, else 0
    Upload_Code Upload;
};

// The columns of the dialog (element index of each option array).
enum Type_Column : int { COLUMN_SECURED = 0, COLUMN_USER = 1, COLUMN_COMPOSITE = 2 };

// The fourteen rows in the dialog's order.
std::span<const Type_Option> Type_Options();

// Index of the row with that option-array name, or -1.
int Find_Type_Option(const QString& name);

// True for the rows whose composite option is never shown.
bool Composite_Never_Shown(const Type_Option& option);

// The presets of the upload-disk dialog: loader option and ARINC label option.
struct Upload_Preset {
    int Loader_Option = 4; // 4 "Auto Mode - All others", 2 SFIM, 3 ARINC 665
    int Label_Option = 0;  // 0 label 307, 1 label 231
    bool operator==(const Upload_Preset&) const = default;
};
Upload_Preset Preset_Upload_Options(Upload_Code code);

// Everything that choosing one option sets, kept pending until the dialog's
// OK (or Open...) takes it over.
struct Type_Choice {
    QString Software_Config_Text;
    core::ORT_Version_Info Secured; // partition version, revision, levels
    core::ORT_Version_Info User;
    QString Stored_Secured_PN;
    QString Stored_User_PN;
    int Model_Index = 0;
    Upload_Preset Upload;
};

// The choice of element `column` of the option row: the absent partition of
// the Secured and User columns gets partition version 99.
Type_Choice Make_Type_Choice(const Type_Option& option, int column);

// Writes a choice into the program-wide current version records and sets
// Partition_Config and ORT_Type from the two partition versions; both
// current records then carry the new ORT_Type. The loaded records are kept.
void Apply_Version_Info(const Type_Choice& choice);

// Writes what a choice gives the partition code into the program-wide
// chosen type: the configuration text, the RFU default (the model index),
// the configuration's secured part number and an empty user part number.
void Apply_Chosen_Type(const Type_Choice& choice);

} // namespace main_window
