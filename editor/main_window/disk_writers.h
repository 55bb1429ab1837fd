#pragma once
// The loader kinds of the upload disk and the writing of a disk's files:
// config.ldr, the ORT file and its text report, into one folder, all of them
// or none. Writing a disk is not a save: the main window's saved baseline is
// the same afterwards as before.

#include "editor/main_window/config_ldr.h"
#include "editor/main_window/disk_hooks.h"
#include "editor/main_window/identifier_dialog_rules.h"
#include "platform/atomic_file_set.h"

#include <QString>
#include <optional>
#include <span>

namespace main_window {

enum class Loader_Kind : int {
    Control_Mode = 0,
    B777 = 1,
    SFIM = 2,
    ARINC_665 = 3,
    Other_Loaders = 4,
};

struct Loader_Option_Row {
    Loader_Kind Kind;
    const char* Caption;
    std::optional<Identifier_Kind> Identifier; // none: fixed file names
    Config_Ldr_Variant Variant;
    int Label_Option; // the ARINC label option selected with it: 0 "307", 1 "231"
};

// The five options of Loader_File_Option, by index.
std::span<const Loader_Option_Row> Loader_Options();
const Loader_Option_Row& Loader_Option(int index); // index outside 0-4: control mode

// The ARINC label options of optArincLabel, by index: caption and label text.
struct Arinc_Label_Row {
    const char* Caption;
    const char* Label;
};
std::span<const Arinc_Label_Row> Arinc_Label_Options();

// The ORT file and report names of the control-mode disk.
QString Control_Mode_ORT_Name();    // "sdu_ort.tab"
QString Control_Mode_Report_Name(); // "sdu_ort.txt"

// Writes config.ldr, the ORT file and the report into folder (ending in
// "/") whole or not at all: the three are prepared in this order, and only
// when all are complete do they take their names, config.ldr last. At the
// first failure the folder keeps what it held: false with a description.
// The report is made while the main window's baseline holds the CRC of the
// ORT file beside it; afterwards the baseline goes back to what it was.
bool Write_Disk_Set(const Disk_Hooks& hooks, const QString& folder, Config_Ldr_Variant variant,
                    const QString& label, const QString& ort_name, const QString& report_name,
                    QString& error);

// Writes every file whole, or none: false with a description naming the
// file that failed.
bool Write_Disk_Files(std::span<const platform::File_Bytes> files, QString& error);

// The critical box of a failed disk write.
void Report_Disk_Error(const QString& error, const QString& title);

} // namespace main_window
