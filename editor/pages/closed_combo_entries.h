#pragma once
// The entries of a closed drop-down list as screen readers see them: read
// from the list's own entries, the entry it shows selected, none focused and
// none showing. Qt builds the list the entries drop down in (a view in a
// popup of its own) only when it first opens; these entries let a screen
// reader read every list without building one. While a list is open, its
// view answers for its entries.

class QAccessibleInterface;
class QComboBox;

namespace pages {

// A new interface for the entries of combo, a child of combo's interface.
// The caller registers it with QAccessible and deletes it through
// QAccessible::deleteAccessibleInterface; it deletes the entries it made.
QAccessibleInterface* Make_Closed_Combo_Entries(QComboBox* combo);

} // namespace pages
