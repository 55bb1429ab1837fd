#include "editor/pages_tables/page_cabin_numbers.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Cabin_Numbers");
    setup.Caption = QStringLiteral("Cabin Phone Numbers");
    setup.User_Caption = QStringLiteral("Stored APHONE [WH-10] Telephone Numbers");
    setup.User_Tag = QStringLiteral("Item 16");
    return setup;
}
} // namespace

Page_Cabin_Numbers::Page_Cabin_Numbers() : Page_Frame(Setup()) {}

void Page_Cabin_Numbers::SetVisiblity(bool /*bSecured*/, bool bUser)
{
    Set_Frame_Visible(Frame_User(), true);
    Set_Button_Visible(bUser);
}
