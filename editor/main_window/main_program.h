#pragma once
// The editor as it runs: the main window over the pages, with the File
// commands, the disk commands and the Boeing 777 upload wired to it. The
// window knows none of them; they stand on it.

#include <memory>

class Disk_Commands;
class File_Commands;
class MerivaneMain;
class Page_Set;

namespace main_window {

class Main_Program {
public:
    // The pages are created beforehand and outlive the program's window.
    explicit Main_Program(Page_Set& pages);
    ~Main_Program();
    Main_Program(const Main_Program&) = delete;
    Main_Program& operator=(const Main_Program&) = delete;

    MerivaneMain& Window() const { return *window_; }
    File_Commands& Commands() const { return *commands_; }
    Disk_Commands& Disks() const { return *disks_; }

    // Start-up: the window's load handler, then New (the type dialog).
    void Start();

private:
    std::unique_ptr<MerivaneMain> window_;
    File_Commands* commands_ = nullptr; // children of the window
    Disk_Commands* disks_ = nullptr;
};

} // namespace main_window
