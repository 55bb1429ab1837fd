#include "editor/pages/page_general.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_General");
    setup.Caption = QStringLiteral("General Presets");
    setup.Secured_Caption = QStringLiteral("General Secured Options");
    setup.User_Caption = QStringLiteral("General User Options");
    setup.Secured_Status = QStringLiteral("StatusBar_General_S");
    setup.User_Status = QStringLiteral("StatusBar_General_U");
    return setup;
}
} // namespace

Page_General::Page_General() : Page_Frame(Setup()) {}
