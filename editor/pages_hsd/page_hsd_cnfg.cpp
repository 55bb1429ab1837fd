#include "editor/pages_hsd/page_hsd_cnfg.h"

#include "editor/core/ort_types.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_HSD_Cnfg");
    setup.Caption = QStringLiteral("HSD Configuration Presets");
    setup.User_Caption = QStringLiteral("HSD Configuration User Options");
    return setup;
}
} // namespace

Page_HSD_Cnfg::Page_HSD_Cnfg() : Page_Frame(Setup()) {}

void Page_HSD_Cnfg::SetVisiblity(bool /*bSecured*/, bool bUser)
{
    Set_Frame_Visible(Frame_User(), true);
    Set_Button_Visible(bUser && core::Versions().User_Current.Feature_Level > 0);
}

void Page_HSD_Cnfg::Dual(bool bDual)
{
    // The SDU 2 column exists only from user feature level 3 on.
    if (core::Versions().User_Current.Feature_Level > 2)
        Page_Frame::Dual(bDual);
}
