#include "editor/pages/page_pimbit.h"

#include "editor/core/ort_types.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_PIMBIT");
    setup.Caption = QStringLiteral("PIMBIT Presets");
    setup.User_Caption = QStringLiteral("PIMBIT User Options");
    return setup;
}
} // namespace

Page_PIMBIT::Page_PIMBIT() : Page_Frame(Setup()) {}

void Page_PIMBIT::SetVisiblity(bool /*bSecured*/, bool bUser)
{
    Set_Frame_Visible(Frame_User(), true);
    Set_Button_Visible(bUser && core::Versions().User_Current.Feature_Level > 4);
}

void Page_PIMBIT::Dual(bool /*bDual*/)
{
    // The page has no SDU columns.
}
