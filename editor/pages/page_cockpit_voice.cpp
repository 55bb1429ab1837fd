#include "editor/pages/page_cockpit_voice.h"

#include "editor/core/ort_types.h"

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Cockpit_Voice");
    setup.Caption = QStringLiteral("Cockpit Comm Presets");
    setup.Secured_Caption = QStringLiteral("Cockpit Voice Secured Options");
    setup.User_Caption = QStringLiteral("Cockpit Voice User Options");
    setup.Secured_Status = QStringLiteral("StatusBar_Secured");
    setup.User_Status = QStringLiteral("StatusBar_User");
    return setup;
}
} // namespace

Page_Cockpit_Voice::Page_Cockpit_Voice() : Page_Frame(Setup()) {}

void Page_Cockpit_Voice::Dual(bool bDual)
{
    // The SDU 2 column follows the SDU mode only at secured feature level 0.
    if (core::Versions().Secured_Current.Feature_Level == 0)
        Page_Frame::Dual(bDual);
}
