#include "editor/main_window/main_menus.h"

namespace main_window {

namespace {

constexpr Menu_Item FILE_ITEMS[] = {
    {"mnuNew", "&New ORT..."},
    {"mnuFileSpacer1", nullptr},
    {"mnuOpen", "&Open Data Loader Binary File..."},
    {"mnuOpenCmtAsciiHex", "Read data in from a CMT &Download File..."},
    {"mnuFileSpacer2", nullptr},
    {"mnuConvert", "Con&vert to Different S/W Config Num..."},
    {"mnuFileSpacer3", nullptr},
    {"mnuSave", "&Save  Data Loader Binary File"},
    {"mnuSaveAs", "Save  Data Loader Binary File  &As..."},
    {"mnuSaveAsText", "Save  &Text File  As..."},
    {"mnuSaveCmtAsciiHex", "Create a CMT &Upload File..."},
    {"mnuFileSpacer4", nullptr},
    {"mnuClose", "&Close"},
    {"mnuExit", "E&xit"},
};

constexpr Menu_Item SDU_ITEMS[] = {
    {"mnuSingleSDU", "Single SDU"},
    {"mnuDualSDU", "Dual SDU"},
};

constexpr Menu_Item VIEW_ITEMS[] = {
    {"mnuSDUOptions", "&SDU Options", SDU_ITEMS},
    {"mnuFailureMasking", "&Failure Masking..."},
};

constexpr Menu_Item DISK_ITEMS[] = {
    {"mnuCreateUploadDisk", "Create &Upload Disk (To SDU)"},
    {"mnuCreateDownloadDisk", "Create &Download Disk (From SDU)"},
};

constexpr Menu_Item HELP_ITEMS[] = {
    {"mnuHelpContents", "&Item Detailed Descriptions"},
    {"mnuHelpSpacer1", nullptr},
    {"mnuAbout", "&About"},
};

constexpr Menu_Row MENUS[] = {
    {"mnuFile", "&File", FILE_ITEMS},
    {"mnuView", "&View", VIEW_ITEMS},
    {"mnuDisks", "&Disks", DISK_ITEMS},
    {"mnuHelp", "&Help", HELP_ITEMS},
};

constexpr const char* ORT_COMMANDS[] = {
    "mnuOpen",       "mnuOpenCmtAsciiHex", "mnuConvert",          "mnuSave",
    "mnuSaveAs",     "mnuClose",           "mnuSaveAsText",       "mnuSaveCmtAsciiHex",
    "mnuCreateUploadDisk", "mnuCreateDownloadDisk", "mnuSingleSDU", "mnuDualSDU",
};

} // namespace

std::span<const Menu_Row> Main_Menus() { return MENUS; }

std::span<const char* const> ORT_Commands() { return ORT_COMMANDS; }

} // namespace main_window
