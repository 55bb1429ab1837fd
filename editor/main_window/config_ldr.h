#pragma once
// The data-loader configuration file config.ldr: KEY=value lines, each ended
// by CR LF, in one of four variants, followed in all but the ARINC 665 one by
// a single end-of-file byte 0x1A. Pure bytes plus one writer.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {
struct File_Write_Result;
}

namespace main_window {

enum class Config_Ldr_Variant {
    Download,      // download disk, and the control-mode upload disk
    SFIM,          // upload for SFIM data loaders
    Other_Loaders, // upload for all other automatic loaders
    ARINC_665,     // upload for ARINC 665 loaders
};

// The file's name on the disk.
QString Config_Ldr_Name(); // "config.ldr"

// The lines of a variant; label is the ARINC label text ("307" or "231"),
// file_name the ORT file name on the disk ("ABC.cfg"). The download variant
// uses neither.
QStringList Config_Ldr_Lines(Config_Ldr_Variant variant, const QString& label = QString(),
                             const QString& file_name = QString());

// True for the variants that end with the byte 0x1A.
bool Config_Ldr_Has_EOF_Mark(Config_Ldr_Variant variant);

// The whole file, byte for byte.
QByteArray Config_Ldr_Bytes(Config_Ldr_Variant variant, const QString& label = QString(),
                            const QString& file_name = QString());

// Writes folder + "config.ldr" afresh. On failure returns false and sets
// error to a description naming the file.
bool Write_Config_Ldr(const QString& folder, Config_Ldr_Variant variant, const QString& label,
                      const QString& file_name, QString& error);

// Writes bytes to path, replacing the file whole; a failure leaves the old
// file as it was. On failure returns false and sets error to a description
// naming the file and the file error ("Cannot write /disk/config.ldr: Disk full").
bool Write_Disk_File(const QString& path, const QByteArray& bytes, QString& error);

// That description of a failed write of path: "Cannot write " + path + ": "
// + the description of the failure.
QString Disk_Write_Error(const QString& path, const QString& description);
QString Disk_Write_Error(const QString& path, const platform::File_Write_Result& result);

} // namespace main_window
