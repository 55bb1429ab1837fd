#include "editor/main_window/new_ort_steps.h"

#include "editor/main_window/merivane_main.h"

namespace main_window {

// The partition defaults and the conversion report are not part of the
// editor yet: a new ORT and a conversion only bring the window into the
// ORT-open state with its labels and tooltips.
void Run_New_ORT(MerivaneMain& main)
{
    main.Show_ORT_Open_State();
}

void Run_Convert_ORT(MerivaneMain& main)
{
    main.Show_ORT_Open_State();
}

} // namespace main_window
