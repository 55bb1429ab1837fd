#pragma once
// How screen readers see a drop-down list: its name is the name its row
// gives it (its entry while it has none), its value and its text are the
// entry it shows, which is also the selected entry of its list of entries
// from the start, and its row label is the first label it is related to,
// wherever that label stands. While the list is closed its entries are read
// from it without building the view they drop down in (closed_combo_entries.h),
// so that no list is built before it opens and no hidden entry claims the
// focus. Qt's own answer on this desktop names a list by its entry and
// relates it only to labels that share its parent, and the row labels of
// the SDU columns stand in a column of their own.

class QComboBox;

namespace pages {

// Makes combo, and every drop-down list made after it, answer screen
// readers this way (lists that can be typed into keep Qt's own answers).
// Label_Field does it for every list it names.
void Answer_As_Labelled(QComboBox* combo);

} // namespace pages
