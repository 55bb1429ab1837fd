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

bool Write_Disk_Set(const Disk_Hooks& hooks, const QString& folder, Config_Ldr_Variant variant,
                    const QString& label, const QString& ort_name, const QString& report_name,
                    QString& error)
{
    if (!Write_Config_Ldr(folder, variant, label, ort_name, error))
        return false;
    const Baseline_Keeper keeper(hooks);
    const QString ort_path = folder + ort_name;
    if (!hooks.Write_ORT || !hooks.Write_ORT(ort_path, error))
        return false;
    return hooks.Write_Text_Output && hooks.Write_Text_Output(folder + report_name, ort_path, error);
}

void Report_Disk_Error(const QString& error, const QString& title)
{
    platform::Critical(QStringLiteral("Error: ") + error, title);
}

} // namespace main_window
