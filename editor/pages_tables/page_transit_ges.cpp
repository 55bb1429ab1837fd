#include "editor/pages_tables/page_transit_ges.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Transit_GES");
    setup.Caption = QStringLiteral("Auto Transit Call GES Table");
    setup.Secured_Caption = QStringLiteral("Automatic Transit Call GES Table");
    setup.Secured_Tag = QStringLiteral("Item 41");
    return setup;
}
} // namespace

Page_Transit_GES::Page_Transit_GES() : Page_Frame(Setup()) {}

void Page_Transit_GES::SetVisiblity(bool bSecured, bool /*bUser*/)
{
    Set_Frame_Visible(Frame_Secured(), true);
    Set_Button_Visible(bSecured);
}

void Page_Transit_GES::Dual(bool /*bDual*/)
{
    // The table has no SDU 2 part.
}
