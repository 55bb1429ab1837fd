#include "editor/main_window/config_ldr.h"

#include "editor/document/ort_loader_errors.h"
#include "platform/atomic_file.h"

#include <span>

namespace main_window {

namespace {

// "{L}" stands for the ARINC label, "{F}" for the ORT file name.
constexpr const char* DOWNLOAD_LINES[] = {
    "LBL=226",       "B1D=1H,1H,307", "B2D=0H,0H,000", "B1P=1", "B2P=0",
    "B3D=0H,0H,000", "B4D=0H,0H,000", "B3P=0",         "B4P=0",
};

constexpr const char* SFIM_LINES[] = {
    "LBL=226",       "B1D=0H,0H,000", "B2D=1H,1H,{L},2", "B1P=0", "B2P=1", "T2F={F}, F",
    "B3D=0H,0H,000", "B4D=0H,0H,000", "B3P=0",           "B4P=0", "TDO=2",
};

constexpr const char* OTHER_LOADER_LINES[] = {
    "LBL=226",       "B1D=0H,0H,000", "B2D=1H,1H,{L},2", "B1P=0", "B2P=1",
    "B2T={F}, F",    "B3D=0H,0H,000", "B4D=0H,0H,000",   "B3P=0", "B4P=0",
};

constexpr const char* ARINC_665_LINES[] = {
    "LBL=226",       "DFM=F",         "DSN=1", "DTN=1", "B1D=1H,1H,{L}", "B2D=0H,0H,000",
    "B3D=0H,0H,000", "B4D=0H,0H,000", "B1P=1", "B2P=0", "B3P=0",         "B4P=0",
    "B1T={F},F",
};

struct Variant_Row {
    Config_Ldr_Variant Variant;
    std::span<const char* const> Lines;
    bool EOF_Mark;
};

const Variant_Row VARIANTS[] = {
    {Config_Ldr_Variant::Download, DOWNLOAD_LINES, true},
    {Config_Ldr_Variant::SFIM, SFIM_LINES, true},
    {Config_Ldr_Variant::Other_Loaders, OTHER_LOADER_LINES, true},
    {Config_Ldr_Variant::ARINC_665, ARINC_665_LINES, false},
};

const Variant_Row& Row_Of(Config_Ldr_Variant variant)
{
    for (const Variant_Row& row : VARIANTS) {
        if (row.Variant == variant)
            return row;
    }
    return VARIANTS[0];
}

constexpr char EOF_MARK = 0x1A;

} // namespace

QString Config_Ldr_Name() { return QStringLiteral("config.ldr"); }

QStringList Config_Ldr_Lines(Config_Ldr_Variant variant, const QString& label,
                             const QString& file_name)
{
    QStringList lines;
    for (const char* line : Row_Of(variant).Lines) {
        QString text = QString::fromLatin1(line);
        text.replace(QLatin1String("{L}"), label);
        text.replace(QLatin1String("{F}"), file_name);
        lines << text;
    }
    return lines;
}

bool Config_Ldr_Has_EOF_Mark(Config_Ldr_Variant variant) { return Row_Of(variant).EOF_Mark; }

QByteArray Config_Ldr_Bytes(Config_Ldr_Variant variant, const QString& label,
                            const QString& file_name)
{
    QByteArray bytes;
    for (const QString& line : Config_Ldr_Lines(variant, label, file_name))
        bytes += line.toLatin1() + "\r\n";
    if (Config_Ldr_Has_EOF_Mark(variant))
        bytes += EOF_MARK;
    return bytes;
}

QString Disk_Write_Error(const QString& path, const QString& description)
{
    return QStringLiteral("Cannot write ") + path + QStringLiteral(": ") + description;
}

QString Disk_Write_Error(const QString& path, const platform::File_Write_Result& result)
{
    return Disk_Write_Error(path, Ort_Loader::Write_Error(result).Description());
}

bool Write_Disk_File(const QString& path, const QByteArray& bytes, QString& error)
{
    const platform::File_Write_Result result = platform::Write_Whole_File(path, bytes);
    if (!result.Ok()) {
        error = Disk_Write_Error(path, result);
        return false;
    }
    return true;
}

bool Write_Config_Ldr(const QString& folder, Config_Ldr_Variant variant, const QString& label,
                      const QString& file_name, QString& error)
{
    return Write_Disk_File(folder + Config_Ldr_Name(), Config_Ldr_Bytes(variant, label, file_name),
                           error);
}

} // namespace main_window
