#pragma once
// The user partition's default tables: the factory satellite and GES lines
// and their merge into the Sat/GES page. The defaults of the number items
// are their rows of the item facts (core/item_facts.h); the other default
// tables of the user partition are constants kept next to the pages that
// use them: the LES lists and the address octets (pages_hsd/hsd_defaults.h)
// and the item-104 list elements (pages/pimbit_defaults.h).

#include <QStringList>

class Page_Sat_GES;

namespace User_Mod {

// The factory satellite lines (Sat_Line columns) and GES lines (GES_Line
// columns), in their order. Empty until the first Load_Default_Sat_GES.
struct Default_Sat_GES_Lines {
    QStringList Sat_Lines;
    QStringList GES_Lines;
};
const Default_Sat_GES_Lines& Default_Sat_GES();

// Fills Default_Sat_GES with exactly its 8 satellite and 12 GES lines (a
// second fill adds no second copy).
void Load_Default_Sat_GES();

// Fills every default table before any page control is set. The LES,
// address and item-104 tables and the item facts are constants and need no
// fill.
void Set_Default_Tables();

// Adds to the two tables every default line whose satellite (satellite
// lines: the first 2 characters) or satellite and GES (GES lines: the first
// 8 characters) is not there yet, at the end, in default order. Below
// Feature_Level 4 a satellite line is added as its first 10 characters.
// Existing lines are never touched. Returns the number of lines added.
int Merge_Default_Lines(QStringList& sat_lines, QStringList& ges_lines, int feature_level);

// The merge on the Sat/GES page for the current user Feature_Level, after
// which the satellite table is sorted by satellite id (its first sort
// button's Tag set to "1" and the button's sort run) and the GES table by
// satellite (its sort button's Tag set to "1" and its sort run). Lines
// that would take a table beyond its record entries (16, 128) are left out.
void Merge_Default_Sat_GES(Page_Sat_GES& page);

} // namespace User_Mod
