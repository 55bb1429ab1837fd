#include "editor/main_window/disk_writers.h"

#include "platform/message_service.h"

namespace main_window {

namespace {

const Loader_Option_Row LOADER_OPTIONS[] = {
    {Loader_Kind::Control_Mode, "Control Mode", std::nullopt, Config_Ldr_Variant::Download, 0},
    {Loader_Kind::B777, "Auto Mode - B777 AIMS", Identifier_Kind::B777, Config_Ldr_Variant::Download,
     0},
    {Loader_Kind::SFIM, "Auto Mode - SFIM Data Loaders", Identifier_Kind::SFIM,
     Config_Ldr_Variant::SFIM, 0},
    {Loader_Kind::ARINC_665, "Auto Mode - ARINC 665", Identifier_Kind::Auto,
     Config_Ldr_Variant::ARINC_665, 1},
    {Loader_Kind::Other_Loaders, "Auto Mode - All others", Identifier_Kind::Auto,
     Config_Ldr_Variant::Other_Loaders, 0},
};

constexpr Arinc_Label_Row LABEL_OPTIONS[] = {
    {"ARINC Label 307", "307"},
    {"ARINC Label 231", "231"},
};

} // namespace

std::span<const Loader_Option_Row> Loader_Options() { return LOADER_OPTIONS; }

const Loader_Option_Row& Loader_Option(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(LOADER_OPTIONS)))
        return LOADER_OPTIONS[0];
    return LOADER_OPTIONS[index];
}

std::span<const Arinc_Label_Row> Arinc_Label_Options() { return LABEL_OPTIONS; }

QString Control_Mode_ORT_Name() { return QStringLiteral("sdu_ort.tab"); }
QString Control_Mode_Report_Name() { return QStringLiteral("sdu_ort.txt"); }

namespace {

// Puts bytes into a member of a disk; false with a description on a failure.
bool Prepare(platform::Atomic_File& file, const QByteArray& bytes, QString& error)
{
    platform::File_Write_Result result = file.Open();
    if (result.Ok())
        result = file.Write(bytes);
    if (!result.Ok())
        error = Disk_Write_Error(file.Path(), result);
    return result.Ok();
}

bool Commit(platform::Atomic_File_Set& disk, QString& error)
{
    const platform::File_Write_Result result = disk.Commit();
    if (!result.Ok())
        error = Disk_Write_Error(disk.Failed_Path(), result);
    return result.Ok();
}

} // namespace

bool Write_Disk_Set(const Disk_Hooks& hooks, const QString& folder, Config_Ldr_Variant variant,
                    const QString& label, const QString& ort_name, const QString& report_name,
                    QString& error)
{
    const QString ort_path = folder + ort_name;
    const QString report_path = folder + report_name;
    // config.ldr names the other two: it takes its name after them.
    platform::Atomic_File_Set disk;
    platform::Atomic_File& ort = disk.Add(ort_path);
    platform::Atomic_File& report = disk.Add(report_path);
    platform::Atomic_File& config = disk.Add(folder + Config_Ldr_Name());
    if (!Prepare(config, Config_Ldr_Bytes(variant, label, ort_name), error))
        return false;
    const Baseline_Keeper keeper(hooks);
    QByteArray bytes;
    if (!hooks.ORT_File || !hooks.ORT_File(ort_path, bytes, error) || !Prepare(ort, bytes, error))
        return false;
    if (!hooks.Text_Report || !hooks.Text_Report(report_path, ort_path, bytes, error) ||
        !Prepare(report, bytes, error))
        return false;
    return Commit(disk, error);
}

bool Write_Disk_Files(std::span<const platform::File_Bytes> files, QString& error)
{
    QString failed;
    const platform::File_Write_Result result = platform::Write_Whole_Files(files, &failed);
    if (!result.Ok())
        error = Disk_Write_Error(failed, result);
    return result.Ok();
}

void Report_Disk_Error(const QString& error, const QString& title)
{
    platform::Critical(QStringLiteral("Error: ") + error, title);
}

} // namespace main_window
