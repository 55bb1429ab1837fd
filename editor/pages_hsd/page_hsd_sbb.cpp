#include "editor/pages_hsd/page_hsd_sbb.h"

#include "editor/core/ort_types.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_HSD_SBB");
    setup.Caption = QStringLiteral("HSD SwiftBroadband Service Presets");
    setup.User_Caption = QStringLiteral("HSD SwiftBroadband User Options");
    return setup;
}
} // namespace

Page_HSD_SBB::Page_HSD_SBB() : Page_Frame(Setup()) {}

void Page_HSD_SBB::SetVisiblity(bool /*bSecured*/, bool bUser)
{
    Set_Frame_Visible(Frame_User(), true);
    Set_Button_Visible(bUser && core::Versions().User_Current.Feature_Level > 2);
}

void Page_HSD_SBB::Dual(bool bDual)
{
    // The SDU 2 column exists only from user feature level 4 on.
    if (core::Versions().User_Current.Feature_Level > 3)
        Page_Frame::Dual(bDual);
}
