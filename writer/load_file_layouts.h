#pragma once
// Byte layouts of the Boeing 777 load files, one table row per field, and
// the CONFIG.LDR text of each file mode. Every number is big-endian; a text
// field is left-justified and filled with blanks to its width.

#include "writer/quarnel_interfaces.h"

#include <QByteArray>
#include <cstdint>
#include <span>

namespace quarnel {

enum class Field_Source {
    Number,           // the row's number
    Text,             // the row's text
    Base_Name,        // MMMSSSSS
    Diskette_PN,      // diskette part number
    Load_PN,          // load part number
    Data_File_PN,     // data file part number
    Text_Crc16,       // CRC-16 of the text report
    Image_Words,      // ORT image length in 16-bit words, rounded up
    Image_Crc16,      // CRC-16 of the ORT image
    Crc_Placeholder,  // zero until the file's own CRC is put in
};

struct Field_Row {
    int offset;
    int width;
    Field_Source source;
    std::uint32_t number = 0;
    const char* text = nullptr;
};

struct Byte_Range {
    int offset;
    int length;
};

// A CRC field of a file and the ranges of the same file it covers.
struct Crc_Field {
    int offset;
    std::span<const Byte_Range> ranges;
};

struct Load_File_Values {
    QByteArray base_name;
    QByteArray diskette_part_number;
    QByteArray load_part_number;
    QByteArray data_file_part_number;
    std::uint16_t text_crc16 = 0;
    std::uint32_t image_words = 0;
    std::uint16_t image_crc16 = 0;
};

inline constexpr int NON_LOAD_SIZE = 14;
inline constexpr int NON_LOAD_CRC_OFFSET = 12; // the text CRC is appended after these bytes
inline constexpr int DISK_DIR_SIZE = 40;
inline constexpr int HEADER_SIZE = 52;
inline constexpr int HEADER_CRC32_OFFSET = 20;
inline constexpr std::uint32_t MAX_IMAGE_WORDS = 0xFFFFFF; // 24-bit field

std::span<const Field_Row> Non_Load_Layout();
std::span<const Field_Row> Disk_Dir_Layout();
std::span<const Field_Row> Header_Layout();

// CRC-16 of DISK.DIR (bytes 0-19, 22-39) and of the header (0-19, 26-51);
// the header's CRC-32 covers bytes 0-19 and 24-51 and then the whole image.
Crc_Field Disk_Dir_Crc16();
Crc_Field Header_Crc16();
Crc_Field Header_Crc32();

// A file of the given size with every row of the layout in place.
QByteArray Build_Record(std::span<const Field_Row> layout, int size, const Load_File_Values& v);

// Writes value big-endian into width bytes at offset.
void Put_Number(QByteArray& buf, int offset, int width, std::uint32_t value);

// CONFIG.LDR: the lines of the mode's variant, each ended by CR LF, then 0x1A.
QByteArray Build_Config_Ldr(en_File_Mode mode, const QByteArray& base_name);

} // namespace quarnel
