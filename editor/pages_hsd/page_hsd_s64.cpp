#include "editor/pages_hsd/page_hsd_s64.h"

#include "editor/core/ort_types.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_HSD_S64");
    setup.Caption = QStringLiteral("HSD Swift64 Service Presets");
    setup.User_Caption = QStringLiteral("HSD Swift64 User Options");
    return setup;
}
} // namespace

Page_HSD_S64::Page_HSD_S64() : Page_Frame(Setup()) {}

void Page_HSD_S64::SetVisiblity(bool /*bSecured*/, bool bUser)
{
    Set_Frame_Visible(Frame_User(), true);
    Set_Button_Visible(bUser && core::Versions().User_Current.Feature_Level > 2);
}

void Page_HSD_S64::Dual(bool /*bDual*/)
{
    // The page has no SDU columns and keeps no Dual_Mode.
}
