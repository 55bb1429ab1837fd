#pragma once
// The push buttons of the main window's dialogs. None is a default button,
// so Enter in a field of a dialog presses none of them.

#include <QString>

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace main_window {

// A push button named name with its caption, created as a child of parent.
QPushButton* Make_Dialog_Button(QWidget* parent, const char* name, const QString& caption);

// The OK/Cancel row of the disk and identifier dialogs.
struct Dialog_Buttons {
    QPushButton* OK;     // "OK", named OKButton
    QPushButton* Cancel; // "Cancel", named CancelButton
    QHBoxLayout* Row;    // both at the right end of the row
};

// The buttons are created as children of dialog.
Dialog_Buttons Make_Dialog_Buttons(QWidget* dialog);

} // namespace main_window
