#pragma once
// A list of fixed-pitch lines painted column by column: each column of the
// lines at a place of its own, so that it can stand under a heading wider
// than its characters, and nothing of the characters past the last column.
// The table pages head such lists with their sort buttons.

#include <span>
#include <vector>

class QListWidget;
class QPushButton;

namespace pages {

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

// Sizes a list of fixed-pitch lines and the sort buttons that head its
// columns, side by side above it without spacing: button k spans column k
// (widths[k] characters of the list's font), or its caption where that is
// wider; the first button also spans the list's left edge, the last one its
// right edge and scroll bar. The list is as wide as the buttons together and
// paints each column from the left edge of its button, so a wide caption
// moves the columns after it along with their headings; the characters past
// the last column given are not shown.
void Fit_Columns(QListWidget* list, std::span<QPushButton* const> buttons, std::span<const int> widths);

} // namespace pages
