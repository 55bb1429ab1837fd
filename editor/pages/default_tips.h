#pragma once
// Tooltips that name the default a new ORT shows in a control. The page
// gives a tooltip its form; the partition whose item row states the
// default fills it in when the pages are prepared, so that a default is
// stated once, in its row, and a changed default changes its tooltip.

#include <QString>

class QComboBox;
class QWidget;

namespace pages {

// Marks the control's tooltip as naming its default; in the form "%1"
// stands for the default as the control shows it, "%2" for a list's
// default index (item 96 names its default by its number).
void Tip_Default(QWidget* control, const QString& form = QStringLiteral("Default: %1"));

// A tooltip as a page's table of controls gives it: the text as it stands,
// or, for nullptr, the default that the item's row states.
void Tip_Or_Default(QWidget* control, const char* tooltip);

// The tooltip of a marked control, for the default it shows; an unmarked
// control keeps its own.
void Fill_Default_Tip(QWidget* control, const QString& shown, int index = -1);
// The same for a list whose default is its entry at index.
void Fill_Default_Tip(QComboBox* list, int index);

} // namespace pages
