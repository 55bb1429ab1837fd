#pragma once
// How many entries one cockpit directory category may hold.

namespace tables {

// 25 for a user record of partition version 11, else 100.
int Max_Cockpit_Numbers(int user_partition_version);
// The same for the current user partition version.
int Max_Cockpit_Numbers();

// True when the current user partition is an Airbus ORT (Airframer_Level
// other than 0): fixed category names and priorities.
bool Fixed_Cockpit_Categories();

} // namespace tables
