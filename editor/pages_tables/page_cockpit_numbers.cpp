#include "editor/pages_tables/page_cockpit_numbers.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Cockpit_Numbers");
    setup.Caption = QStringLiteral("Cockpit Phone Numbers");
    setup.User_Caption = QStringLiteral("Cockpit Telephone Numbers");
    setup.User_Tag = QStringLiteral("Item 5");
    return setup;
}
} // namespace

Page_Cockpit_Numbers::Page_Cockpit_Numbers() : Page_Frame(Setup()) {}

void Page_Cockpit_Numbers::SetVisiblity(bool /*bSecured*/, bool bUser)
{
    Set_Frame_Visible(Frame_User(), true);
    Set_Button_Visible(bUser);
}

void Page_Cockpit_Numbers::Dual(bool bDual)
{
    // No per-SDU items: only the mode is kept.
    Set_Dual_Mode(bDual);
}
