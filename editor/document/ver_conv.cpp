#include "editor/document/ver_conv.h"

#include "editor/core/conversion_report.h"
#include "editor/core/failure_mask.h"
#include "editor/core/record_layout.h"
#include "editor/document/ort_loader_errors.h"
#include "editor/secured_partition/secured_mod.h"
#include "editor/user_partition/user_mod.h"

#include <stdexcept>

namespace modVerConv {

void New_ORT(Page_Set& pages)
{
    Secured_Mod::Set_Secured_Defaults_New(pages);
    User_Mod::Set_User_Defaults_New(pages);
}

void Convert_ORT(Page_Set& pages)
{
    core::Conversion_Report report; // created or emptied, with its header
    Secured_Mod::Convert_Secured(pages);
    User_Mod::Convert_User(pages);
    report.Close();
}

namespace {

// Numbers in the range the error box has always shown for these failures.
constexpr int INVALID_PROPERTY_VALUE = 380;
constexpr int INVALID_PROCEDURE_CALL = 5;

} // namespace

int Error_Number(const std::exception& error)
{
    if (dynamic_cast<const core::Failure_Entry_Error*>(&error))
        return core::Failure_Entry_Error::Number;
    if (dynamic_cast<const core::Conversion_Report_Error*>(&error))
        return Ort_Loader::PATH_FILE_ACCESS;
    if (dynamic_cast<const std::out_of_range*>(&error) ||
        dynamic_cast<const Secured_Mod::Secured_Data_Error*>(&error))
        return INVALID_PROPERTY_VALUE;
    if (dynamic_cast<const core::Record_Error*>(&error))
        return Ort_Loader::TYPE_MISMATCH;
    return INVALID_PROCEDURE_CALL;
}

QString Error_Description(const std::exception& error)
{
    if (const auto* report = dynamic_cast<const core::Conversion_Report_Error*>(&error))
        return report->Message();
    if (const auto* data = dynamic_cast<const Secured_Mod::Secured_Data_Error*>(&error))
        return data->Message();
    if (const auto* record = dynamic_cast<const core::Record_Error*>(&error))
        return record->Message();
    return QString::fromLocal8Bit(error.what());
}

QString Unknown_Error_Text(const QString& procedure, const std::exception& error)
{
    return Ort_Loader::Unknown_Error_Text(Error_Number(error), Error_Description(error), procedure);
}

} // namespace modVerConv
