#include "editor/document/default_sat_ges_merge.h"

#include "editor/page_set/page_set.h"
#include "editor/pages_tables/cockpit_limit.h"
#include "editor/user_partition/user_defaults.h"

namespace Composite_Mod {

// The user partition owns the default lines and their merge (a new ORT's
// tables are filled through it); the Sat/GES page's "Update Tables" and the
// composite module reach it here.
void Merge_Default_Sat_GES(Page_Sat_GES& page)
{
    User_Mod::Merge_Default_Sat_GES(page);
}

void Merge_Default_Sat_GES(Page_Set& pages)
{
    Merge_Default_Sat_GES(pages.Sat_GES());
}

int Max_Cockpit_Numbers()
{
    return tables::Max_Cockpit_Numbers();
}

} // namespace Composite_Mod
