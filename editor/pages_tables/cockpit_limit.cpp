#include "editor/pages_tables/cockpit_limit.h"

#include "editor/core/ort_types.h"

namespace tables {

int Max_Cockpit_Numbers(int user_partition_version)
{
    return user_partition_version == 11 ? 25 : 100;
}

int Max_Cockpit_Numbers()
{
    return Max_Cockpit_Numbers(core::Versions().User_Current.Partition_Version);
}

bool Fixed_Cockpit_Categories()
{
    return core::Versions().User_Current.Airframer_Level != 0;
}

} // namespace tables
