#include "editor/pages/page_dual.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Dual");
    setup.Caption = QStringLiteral("Dual Presets");
    setup.Secured_Caption = QStringLiteral("Dual SATCOM Secured Options");
    setup.User_Caption = QStringLiteral("Dual SATCOM User Options");
    setup.Secured_Status = QStringLiteral("StatusBar_Dual_S");
    return setup;
}
} // namespace

Page_Dual::Page_Dual() : Page_Frame(Setup()) {}

void Page_Dual::Dual(bool /*bDual*/)
{
    // The page has no SDU column and keeps no Dual_Mode.
}
