#pragma once
// A list of fixed-pitch lines painted column by column: each column of the
// lines at a place of its own, so that it can stand under a heading wider
// than its characters, and nothing of the characters past the last column.

#include <vector>

class QListWidget;

namespace sat_ges {

// A column of the lines: its characters, and the pixels it takes from the
// left edge of the list's viewport.
struct Column_Place {
    int First = 0;
    int Length = 0;
    int Left = 0;
    int Width = 0;
};

// From now on the list paints the given columns of its lines at their
// places, in order, and no other characters; background, selection and
// focus stay as for any line.
void Paint_Columns(QListWidget* list, std::vector<Column_Place> places);

} // namespace sat_ges
