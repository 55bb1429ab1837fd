#include "editor/pages/page_cabin.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Cabin");
    setup.Caption = QStringLiteral("Cabin APHONE Presets");
    setup.Secured_Caption = QStringLiteral("Cabin Secured Options");
    setup.User_Caption = QStringLiteral("Cabin User Options");
    setup.User_Status = QStringLiteral("StatusBar_Cabin_U");
    return setup;
}
} // namespace

Page_Cabin::Page_Cabin() : Page_Frame(Setup()) {}
