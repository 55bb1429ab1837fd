#include "editor/pages_tables/page_failure_masks.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Failure_Masks");
    setup.Caption = QStringLiteral("Failure Masking Data");
    setup.Secured_Caption = QStringLiteral("Failure Masks");
    setup.Secured_Tag = QStringLiteral("Item 38");
    return setup;
}
} // namespace

Page_Failure_Masks::Page_Failure_Masks() : Page_Frame(Setup()) {}

void Page_Failure_Masks::SetVisiblity(bool bSecured, bool /*bUser*/)
{
    Set_Frame_Visible(Frame_Secured(), true);
    Set_Button_Visible(bSecured);
}

void Page_Failure_Masks::Dual(bool /*bDual*/)
{
    // The masks have no SDU 2 part.
}
