#pragma once
// What a new or converted ORT shows in the user items before any record is
// loaded: the factory defaults, the items shown by the user Feature_Level,
// the captions and selections fixed by the user Airframer_Level, and the
// items an airframer ORT locks. All four read the current user version info
// and set every control in both directions, so nothing of an earlier ORT
// remains.

class Page_Set;

namespace User_Mod {

void Set_Factory_Defaults(Page_Set& pages);
void Set_User_Visibility(Page_Set& pages);
void Set_User_Captions(Page_Set& pages);
void Set_User_Enables(Page_Set& pages);

// Fills in the tooltip of every control whose page lets it name its
// default (pages/default_tips.h): the list's entry at the row's default
// index, or the row's default text. Once, when the pages are built.
void Set_Default_Tips(Page_Set& pages);

// Empties the GES and satellite tables of the Sat/GES page and merges the
// default lines into them.
void Reset_Sat_GES_Lists(Page_Set& pages);

// The factory description of the user partition (24 characters).
inline constexpr const char* FACTORY_DESCRIPTION = "FACTORY SET  OWNER REQS ";
// The description an airframer ORT fixes (24 characters).
inline constexpr const char* AIRFRAMER_DESCRIPTION = "AIRBUS-USER-ORT         ";

} // namespace User_Mod
