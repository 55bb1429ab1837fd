#pragma once
// Connects the Boeing 777 upload to the main window: its description fields
// receive the load part number, and its upload dialog finds the writer
// component in the default registration store.

#include "editor/main_window/disk_b777.h"

class MerivaneMain;

namespace main_window {

// The main window's description fields as Boeing 777 services (default store).
B777_Services Main_B777_Services(MerivaneMain& main);

// Hands those services to the main window's upload dialog; the disk commands
// must be installed first.
void Install_B777_Upload(MerivaneMain& main);

} // namespace main_window
