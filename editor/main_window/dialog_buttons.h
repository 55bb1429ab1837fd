#pragma once
// The push buttons of the main window's dialogs.

#include <QString>

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace main_window {

// A push button named name with its caption, created as a child of parent.
// Having the focus does not make it the dialog's default button.
QPushButton* Make_Dialog_Button(QWidget* parent, const char* name, const QString& caption);

// The OK/Cancel row of the disk and identifier dialogs. OK is the dialog's
// default button: Enter presses it, unless another button of the dialog has
// the focus, which Enter then presses.
struct Dialog_Buttons {
    QPushButton* OK;     // "OK", named OKButton
    QPushButton* Cancel; // "Cancel", named CancelButton
    QHBoxLayout* Row;    // both at the right end of the row
};

// The buttons are created as children of dialog.
Dialog_Buttons Make_Dialog_Buttons(QWidget* dialog);

} // namespace main_window
