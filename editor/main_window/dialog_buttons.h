#pragma once
// The OK/Cancel row of the disk and identifier dialogs. Neither button is a
// default button, so Enter in a field of the dialog presses neither.

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace main_window {

struct Dialog_Buttons {
    QPushButton* OK;     // "OK", named OKButton
    QPushButton* Cancel; // "Cancel", named CancelButton
    QHBoxLayout* Row;    // both at the right end of the row
};

// The buttons are created as children of dialog.
Dialog_Buttons Make_Dialog_Buttons(QWidget* dialog);

} // namespace main_window
