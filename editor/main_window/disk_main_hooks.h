#pragma once
// Connects the disk commands and the part-number dialogs to the main window:
// its writers, baseline, data-loader type and part-number step, its Disks
// menu items, its part-number boxes and the presets of its type dialog.

#include "editor/main_window/disk_hooks.h"

#include <QString>
#include <functional>

class Disk_Commands;
class MerivaneMain;

namespace main_window {

// The main window's procedures as disk hooks. File errors of its writers
// come back as descriptions naming the file.
Disk_Hooks Main_Disk_Hooks(MerivaneMain& main);

// Runs write, which makes a file for path (it answers false when it refused
// after a message of its own), and turns whatever it throws into error:
// "Cannot write " + path + ": " + the description. A refusal leaves error
// empty.
bool Guarded_Write(const QString& path, const std::function<bool()>& write, QString& error);

// Makes the main window's disk commands (its child) and wires them in.
Disk_Commands* Install_Disk_Commands(MerivaneMain& main);

} // namespace main_window
