#pragma once
// What the table pages do with their list boxes: read and refill them, keep
// NUL padding out of their lines, size them to their columns, and the
// direction tags of the sort buttons.

#include "editor/pages/column_painter.h"
#include "editor/pages/page_widgets.h"

#include <QString>
#include <QStringList>
#include <span>

class QListWidget;
class QPushButton;
class QWidget;

namespace sat_ges {

// The texts of every line, in list order; replacing every line by the texts.
using pages::List_Lines;
using pages::Set_List_Lines;

// Every line put into the list from now on (added or replaced, by the page
// or by the code that loads an ORT) keeps only the part before its first NUL.
void Keep_Text_Before_Nul(QListWidget* list);

// Sizes a list and the sort buttons that head its columns (see
// column_painter.h).
using pages::Fit_Columns;

// A sort button's Tag holds the direction of its next sort: true (ascending)
// when it reads as the number 1. Negates the Tag ("1" <-> "-1").
bool Take_Sort_Direction(QWidget* button);

// The satellite lines sorted by a column (0 to 4), ascending or descending,
// each line rebuilt whole. Nothing when a line's Sat ID cannot be read (the
// table is then left as it is).
bool Sort_Sat_Lines(const QStringList& lines, int column, bool ascending, QStringList& sorted);

} // namespace sat_ges
