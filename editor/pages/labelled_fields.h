#pragma once
// How screen readers see the text fields and the grid cells that a row label
// names (Label_Field): each is related to its row label wherever that label
// stands (Qt relates a field only to a label beside it in the same parent
// that has it as its buddy, and a label is the buddy of one field only). A
// text field keeps its text, its cursor and its selection as Qt shows them;
// a grid cell, a push button, is named by its row and column and shows its
// caption after the name.

#include <QAccessible>
#include <QList>
#include <QPair>

class QWidget;

namespace pages {

using Accessible_Relations = QList<QPair<QAccessibleInterface*, QAccessible::Relation>>;

// found, with field's row label (Row_Label) first among its labels when
// match asks for labels.
Accessible_Relations With_Row_Label(const QWidget* field, QAccessible::Relation match,
                                    Accessible_Relations found);

// Makes the text fields bound to a character set (Bind_Field) and those
// that Answer_As_Labelled_Field names answer screen readers this way; a
// screen reader's edit of a bound field passes its character filter.
void Install_Field_Answers();

// Makes field (a text field or a push button) answer screen readers this
// way once it has its row (Has_Row: named by its row label, or a text field
// Make_Edit made to be named, which answers so from the start); other
// widgets keep Qt's own answers. Label_Field does it for every field it
// names.
void Answer_As_Labelled_Field(QWidget* field);

} // namespace pages
