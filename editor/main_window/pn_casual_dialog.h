#pragma once
// The part-number dialog of the two part-number boxes of the main window:
// ModifyPN lets the user edit the box's part number or clear it (15 dashes).
// Close writes the composed number back into that box.

#include "editor/main_window/pn_check_form.h"

#include <QPointer>

#include <QLineEdit>
class QPushButton;

class PN_Casual_Dialog final : public PN_Dialog_Form {
    Q_OBJECT
public:
    explicit PN_Casual_Dialog(QWidget* owner);

    QPushButton* cmdClear() const { return clear_button_; }

    // Edits the text of box modally.
    void ModifyPN(QLineEdit* box);
    // Fills the form for box without showing it.
    void Prepare(QLineEdit* box);
    QLineEdit* Box() const { return box_; }

    void cmdClear_Click();
    void CloseButton_Click() override;

private:
    QPushButton* clear_button_ = nullptr;
    QPointer<QLineEdit> box_;
};
