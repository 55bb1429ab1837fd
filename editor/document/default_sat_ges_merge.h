#pragma once
// The factory satellite and GES lines merged into the Sat/GES page's tables
// without touching existing lines, and the size limit of a cockpit
// directory category.

class Page_Sat_GES;
class Page_Set;

namespace Composite_Mod {

// Adds every default satellite line whose satellite is missing (its first
// 10 characters below user Feature_Level 4) and every default GES line whose
// satellite and GES are missing, in default order, until a table holds its
// maximum number of lines (16 satellites, 128 GESs); then sorts both tables
// by satellite.
void Merge_Default_Sat_GES(Page_Sat_GES& page);
void Merge_Default_Sat_GES(Page_Set& pages);

// 25 entries per cockpit category for a current user Partition_Version of
// 11, 100 otherwise.
int Max_Cockpit_Numbers();

} // namespace Composite_Mod
