#pragma once
// What OK of the type dialog runs after the choice has been taken over:
// a new ORT (New) or the conversion of the open one (Convert). Both end with
// the main window in the ORT-open state for the chosen configuration.

class MerivaneMain;

namespace main_window {

void Run_New_ORT(MerivaneMain& main);
void Run_Convert_ORT(MerivaneMain& main);

} // namespace main_window
