#include "editor/pages/page_power.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Power");
    setup.Caption = QStringLiteral("Power Control Presets");
    setup.Secured_Caption = QStringLiteral("Power Secured Options");
    return setup;
}
} // namespace

Page_Power::Page_Power() : Page_Frame(Setup()) {}

void Page_Power::SetVisiblity(bool bSecured, bool /*bUser*/)
{
    // The page can be opened only while the secured partition is shown.
    Set_Frame_Visible(Frame_Secured(), true);
    Set_Button_Visible(bSecured);
}
