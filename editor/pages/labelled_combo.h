#pragma once
// How screen readers see a drop-down list: its name is the name its row
// gives it (its entry while it has none), its value and its text are the
// entry it shows, which is also the selected entry of the list it drops
// down in from the start, and its row label is the first label it is
// related to, wherever that label stands. Qt's own answer on this desktop names a list by its entry and
// relates it only to labels that share its parent, and the row labels of
// the SDU columns stand in a column of their own.

class QComboBox;

namespace pages {

// Makes combo, and every drop-down list made after it, answer screen
// readers this way (lists that can be typed into keep Qt's own answers).
// Label_Field does it for every list it names.
void Answer_As_Labelled(QComboBox* combo);

} // namespace pages
