#pragma once
// Connects the Boeing 777 upload to the main window: its description fields
// receive the load part number, and its upload dialog finds the writer
// component in the default registration store.

#include "editor/main_window/disk_b777.h"

class Disk_Commands;
class MerivaneMain;

namespace main_window {

// The main window's description fields as Boeing 777 services (default store).
B777_Services Main_B777_Services(MerivaneMain& main);

// Hands those services to the upload dialog of the main window's disk
// commands.
void Install_B777_Upload(MerivaneMain& main, Disk_Commands& disks);

} // namespace main_window
