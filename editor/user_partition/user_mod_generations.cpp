// The user record generations the program knows. A new generation is one
// more row here.

#include "editor/user_partition/user_mod.h"
#include "editor/user_partition/user_record_v11.h"
#include "editor/user_partition/user_record_v14.h"
#include "editor/user_partition/user_record_v5.h"
#include "editor/user_partition/user_record_v8.h"
#include "editor/user_partition/user_v8_io.h"

#include <vector>

namespace User_Mod {

std::span<const Generation_Row> Generations()
{
    static const std::vector<Generation_Row> rows = {
        {5, Update_GUI_V5, nullptr, User_Record_V5},
        {8, Update_GUI_V8, Update_Data_V8, User_Record_V8},
        {11, Update_GUI_V11, Update_Data_V11, User_Record_V11},
        {14, Update_GUI_V14, Update_Data_V14, User_Record_V14},
    };
    return rows;
}

} // namespace User_Mod
