#pragma once
// A block of per-SDU items: a column of row labels beside one frame per SDU
// ("SDU 1", "SDU 2"), each frame holding its SDU's controls of every row.
// The rows line up across the label column and the frames, whatever height
// the frames' captions take, so each label stands on its fields' row.

#include <vector>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QWidget;

namespace pages {

// One row of a block: its label and, per frame in order, the widgets that
// stand side by side on the row in that frame (a field, a field with its
// spin button, a unit label). A row without widgets is a heading row: it
// heads a group of the rows below it, up to the next heading row.
struct SDU_Row {
    QLabel* label;
    std::vector<std::vector<QWidget*>> cells;
};

// Lays the rows out in a label column and the frames (each frame gets its
// layout here) and names the fields: every text field and drop-down list
// among a row's widgets, or inside one of them, gets the row's label with
// its frame's caption as column heading ("RFU Installed SDU 2"), after the
// caption of its group's heading row where it has one ("Called Terminal ID
// APHONE 1 SDU 1"), so that rows repeated under two headings keep apart.
// The layout returned holds the label column and the frames, kept to the
// left. There is at least one frame; the first one is never hidden.
QHBoxLayout* SDU_Columns(const std::vector<SDU_Row>& rows, const std::vector<QGroupBox*>& frames);

} // namespace pages
