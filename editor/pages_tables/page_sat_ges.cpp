#include "editor/pages_tables/page_sat_ges.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Sat_GES");
    setup.Caption = QStringLiteral("GES and Satellite Data");
    setup.User_Caption = QStringLiteral("Sat and GES Tables");
    return setup;
}
} // namespace

Page_Sat_GES::Page_Sat_GES() : Page_Frame(Setup()) {}

void Page_Sat_GES::SetVisiblity(bool /*bSecured*/, bool bUser)
{
    Set_Frame_Visible(Frame_User(), true);
    Set_Button_Visible(bUser);
}

void Page_Sat_GES::Dual(bool /*bDual*/)
{
    // The page has no SDU 2 part.
}
