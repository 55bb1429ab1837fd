#pragma once
// Saving an ORT: the page controls are copied into the records of the
// current type, the records are laid out as the file holds them, and the
// file is replaced whole by header, data and CRC. A file is replaced
// atomically (written beside the target, then renamed over it), so a failed
// save leaves the old file as it was.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

class Page_Set;

namespace Ort_Writer {

// Copies the page controls into the current records: 7, 10, 13 the secured
// partition; 8, 11, 14 the user partition; 9, 12, 15 both, secured first;
// any other value nothing.
void Update_ORT_Data(Page_Set& pages, std::int32_t type);

// The data of the current records of `type` exactly as a file of that type
// holds them (secured record, then user record); empty for a type without
// records.
QByteArray Records_Data(std::int32_t type);

// Replaces `path` whole with `bytes`. Throws Ort_Loader::File_Error (76 a
// folder that does not exist, 70 a read-only file, folder or disk, 75 not a
// file, 61 a full disk, 57 any other failed write); the old file is then
// unchanged.
void Replace_File(const QString& path, const QByteArray& bytes);

// An ORT file as a writer lays it out, and the CRC of its data.
struct ORT_File_Image {
    QByteArray Bytes;
    std::uint16_t CRC = 0;
};

// The three writers. Each returns the CRC it wrote, or nothing when its
// selecting value is outside its table: then it has shown its message
// ("Write_Version_Secured(...) Invalid ORT Version: 99") and written nothing.
// Errors of the partition code and of the file pass to the caller.
std::optional<std::uint16_t> Write_Version_Secured(Page_Set& pages, const QString& path);
std::optional<std::uint16_t> Write_Out(Page_Set& pages, const QString& path);
std::optional<std::uint16_t> Write_Composite(Page_Set& pages, const QString& path);

// The file Write_ORT would write, built the same way (lists sorted, records
// filled from the controls) but not written; nothing where Write_ORT writes
// nothing, after the same message.
std::optional<ORT_File_Image> Build_ORT(Page_Set& pages);

// By Partition_Config: secured, user or composite writer. User and
// composite ORTs have their GES list and both LES lists put into canonical
// order first. Nothing is written for any other configuration.
std::optional<std::uint16_t> Write_ORT(Page_Set& pages, const QString& path);

} // namespace Ort_Writer
