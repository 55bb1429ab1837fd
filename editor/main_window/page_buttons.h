#pragma once
// The main window's page buttons, in menu order (parallel to Page_Set::Pages).

#include <array>

namespace main_window {

struct Page_Button_Row {
    const char* Name;
    const char* Caption;
};

inline constexpr std::array<Page_Button_Row, 14> PAGE_BUTTONS = {{
    {"ShowGeneral", "General Presets"},
    {"ShowCabin", "Cabin APHONE Presets"},
    {"ShowDual", "Dual Presets"},
    {"ShowHSD_Cnfg", "HSD Configuration Presets"},
    {"ShowHSD_S64", "HSD Swift64 Service Presets"},
    {"ShowHSD_SBB", "HSD SwiftBroadband Service Presets"},
    {"ShowPower", "Power Control Presets"},
    {"ShowCockpitVoice", "Cockpit Comm Presets"},
    {"ShowCabinNumbers", "Cabin Phone Numbers"},
    {"ShowCockpitNumbers", "Cockpit Phone Numbers"},
    {"ShowSatGES", "GES and Satellite Data"},
    {"ShowTransitGES", "Auto Transit Call GES Table"},
    {"ShowFailureMasks", "Failure Masking Data"},
    {"ShowPIMBIT", "PIMBIT Presets"},
}};

} // namespace main_window
