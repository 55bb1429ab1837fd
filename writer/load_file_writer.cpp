#include "writer/load_file_writer.h"

#include "writer/code_page.h"
#include "writer/crc.h"
#include "writer/load_file_layouts.h"
#include "writer/load_part_number.h"

#include "platform/atomic_file_set.h"

#include <QFile>
#include <new>
#include <optional>
#include <span>

namespace quarnel {

namespace {

// The given ranges of a load file being written, concatenated; nothing when
// it cannot be read back.
std::optional<QByteArray> Read_Ranges(const platform::Atomic_File& file,
                                      std::span<const Byte_Range> ranges)
{
    QByteArray out;
    for (const Byte_Range& r : ranges) {
        const std::optional<QByteArray> piece = file.Read_At(r.offset, r.length);
        if (!piece)
            return std::nullopt;
        out += *piece;
    }
    return out;
}

enum class Read_Failure { None, Open, Memory };

// A whole file; the failure says why there is none.
std::optional<QByteArray> Read_Whole(const QString& path, Read_Failure* failure)
{
    *failure = Read_Failure::None;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *failure = Read_Failure::Open;
        return std::nullopt;
    }
    try {
        QByteArray bytes = f.readAll();
        if (bytes.size() != f.size()) {
            *failure = Read_Failure::Open;
            return std::nullopt;
        }
        return bytes;
    } catch (const std::bad_alloc&) {
        *failure = Read_Failure::Memory;
        return std::nullopt;
    }
}

QByteArray U16(std::uint16_t v)
{
    QByteArray b(2, '\0');
    Put_Number(b, 0, 2, v);
    return b;
}

QByteArray U32(std::uint32_t v)
{
    QByteArray b(4, '\0');
    Put_Number(b, 0, 4, v);
    return b;
}

} // namespace

QString Write_777_Files(const Upload_Parameters& p, const Step_Reporter& step)
{
    const auto report = [&step](const char* text) {
        if (step)
            step(QString::fromLatin1(text));
    };

    report("Assembling the file names");
    const QByteArray base_ansi = File_Base_Name(p.part_number_base);
    const QString base = From_Ansi(base_ansi);
    const QString folder = p.ort_file_path_unicode;
    const QString text_path = folder + base + QStringLiteral(".TXT");
    const QString image_path = folder + base + QStringLiteral(".001");
    // The load files are built unnamed and take their names together at the
    // end, CONFIG.LDR last; until then the folder keeps what it held.
    platform::Atomic_File_Set outputs;
    platform::Atomic_File& non_load = outputs.Add(folder + QStringLiteral("NON_LOAD.CRC"));
    platform::Atomic_File& disk_dir = outputs.Add(folder + QStringLiteral("DISK.DIR"));
    platform::Atomic_File& header = outputs.Add(folder + base + QStringLiteral(".HDR"));
    platform::Atomic_File& config = outputs.Add(folder + QStringLiteral("CONFIG.LDR"));

    Load_File_Values v;
    v.base_name = base_ansi;
    v.diskette_part_number = p.diskette_part_number;
    v.load_part_number = p.load_part_number;
    v.data_file_part_number = p.data_file_part_number;

    report("Creating the NON_LOAD.CRC file");
    const QByteArray non_load_bytes = Build_Record(Non_Load_Layout(), NON_LOAD_SIZE, v);
    if (!non_load.Open().Ok() || !non_load.Write(non_load_bytes.left(NON_LOAD_CRC_OFFSET)).Ok())
        return QStringLiteral("Error writing NON_LOAD.CRC!");

    report("Calculating the text file 16-bit CRC");
    Read_Failure failure;
    const auto text = Read_Whole(text_path, &failure);
    if (!text)
        return failure == Read_Failure::Memory ? QStringLiteral("Error Allocating Text CRC Buffer!")
                                               : QStringLiteral("Error reading %1.TXT file!").arg(base);
    v.text_crc16 = Crc16_Of(*text);

    report("Placing the CRC into the NON_LOAD.CRC file");
    if (!non_load.Write(U16(v.text_crc16)).Ok())
        return QStringLiteral("Error writing NON_LOAD.CRC!");

    report("Calculating the ORT file 16-bit CRC");
    const auto image = Read_Whole(image_path, &failure);
    if (!image)
        return failure == Read_Failure::Memory ? QStringLiteral("Error Allocating CRC Buffer!")
                                               : QStringLiteral("Error calculating length of ORT file!");
    const auto words = (static_cast<std::uint64_t>(image->size()) + 1) / 2;
    if (words > MAX_IMAGE_WORDS)
        return QStringLiteral("Error calculating length of ORT file!");
    v.image_words = static_cast<std::uint32_t>(words);
    v.image_crc16 = Crc16_Of(*image);

    report("Writing the DISK.DIR file");
    if (!disk_dir.Open().Ok() ||
        !disk_dir.Write(Build_Record(Disk_Dir_Layout(), DISK_DIR_SIZE, v)).Ok())
        return QStringLiteral("Error writing DISK.DIR!");

    report("Performing 16-bit CRC on DISK.DIR file");
    const Crc_Field dir_crc = Disk_Dir_Crc16();
    const auto dir_ranges = Read_Ranges(disk_dir, dir_crc.ranges);
    if (!dir_ranges)
        return QStringLiteral("Error opening DISK.DIR file for read.!");

    report("Inserting CRC into DISK.DIR file");
    if (!disk_dir.Write_At(dir_crc.offset, U16(Crc16_Of(*dir_ranges))).Ok())
        return QStringLiteral("Error writing DISK.DIR!");

    report("Creating the header file");
    if (!header.Open().Ok() || !header.Write(Build_Record(Header_Layout(), HEADER_SIZE, v)).Ok())
        return QStringLiteral("Error writing %1.HDR file!").arg(base);

    report("Calculating the header file 16-bit CRC");
    const Crc_Field hdr_crc16 = Header_Crc16();
    const auto hdr_ranges = Read_Ranges(header, hdr_crc16.ranges);
    if (!hdr_ranges)
        return QStringLiteral("Error reading %1.HDR file for CRC computation!").arg(base);

    report("Inserting header file CRC into header file");
    if (!header.Write_At(hdr_crc16.offset, U16(Crc16_Of(*hdr_ranges))).Ok())
        return QStringLiteral("Error writing CRC to %1.HDR file!").arg(base);

    report("Writing CONFIG.LDR file");
    if (!config.Open().Ok() || !config.Write(Build_Config_Ldr(p.file_mode, base_ansi)).Ok())
        return QStringLiteral("Error appending codes to CONFIG.LDR file!");

    report("Calculating 32-bit CRC for all loadable files");
    const Crc_Field hdr_crc32 = Header_Crc32();
    const auto hdr32_ranges = Read_Ranges(header, hdr_crc32.ranges);
    if (!hdr32_ranges)
        return QStringLiteral("Error reading %1.HDR file!").arg(base);
    const auto image_again = Read_Whole(image_path, &failure);
    if (!image_again)
        return QStringLiteral("Error reading %1.001 file!").arg(base);
    const std::uint32_t crc32 = ~crc32Update(*image_again, crc32Update(*hdr32_ranges, CRC32_START));

    report("Inserting 32-bit CRC into header file");
    if (!header.Write_At(hdr_crc32.offset, U32(crc32)).Ok())
        return QStringLiteral("Error writing 32-Bit CRC to %1.HDR file!").arg(base);

    // A file that cannot take its name fails with the message of the step
    // that creates it.
    if (!outputs.Commit().Ok()) {
        const QString& failed = outputs.Failed_Path();
        if (failed == non_load.Path())
            return QStringLiteral("Error writing NON_LOAD.CRC!");
        if (failed == disk_dir.Path())
            return QStringLiteral("Error writing DISK.DIR!");
        if (failed == header.Path())
            return QStringLiteral("Error writing %1.HDR file!").arg(base);
        return QStringLiteral("Error appending codes to CONFIG.LDR file!");
    }
    return QString();
}

} // namespace quarnel
