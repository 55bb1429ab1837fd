#include "editor/main_window/main_program.h"

#include "editor/main_window/disk_b777_main.h"
#include "editor/main_window/disk_commands.h"
#include "editor/main_window/disk_main_hooks.h"
#include "editor/main_window/file_commands.h"
#include "editor/main_window/merivane_main.h"

namespace main_window {

Main_Program::Main_Program(Page_Set& pages)
    : window_(std::make_unique<MerivaneMain>(pages)),
      commands_(new File_Commands(*window_)),
      disks_(Install_Disk_Commands(*window_))
{
    Install_B777_Upload(*window_, *disks_);
}

Main_Program::~Main_Program() = default;

void Main_Program::Start()
{
    window_->Form_Load();
    commands_->mnuNew_Click();
}

} // namespace main_window
