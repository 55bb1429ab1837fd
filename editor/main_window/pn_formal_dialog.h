#pragma once
// The part-number dialog that the Save, Save As, CMT upload-file and upload
// disk commands show for airframer ORTs: ConfirmPN asks the user to confirm
// the ORT's part number, ChangePN asks for a new one because the data have
// changed. Close writes the composed number into the part-number box of the
// ORT's user partition, or of its secured partition when it has no user one.

#include "editor/main_window/pn_check_form.h"

#include <functional>

class QLineEdit;

class PN_Formal_Dialog final : public PN_Dialog_Form {
    Q_OBJECT
public:
    struct Context {
        QLineEdit* Control_86 = nullptr; // user part number
        QLineEdit* Control_87 = nullptr; // secured part number
        // The stored part numbers of the chosen software configuration.
        std::function<QString()> Stored_Secured_PN;
        std::function<QString()> Stored_User_PN;
    };

    PN_Formal_Dialog(Context context, QWidget* owner);

    void ConfirmPN();
    void ChangePN();

    // Fills the form as ConfirmPN (change false) or ChangePN (true) do,
    // without showing it.
    void Prepare(bool change);
    bool Change_Mode() const { return change_; }

    // The box the part number is read from and written to: Control_86 when
    // the ORT has a user partition, else Control_87 when it has a secured
    // one, else none.
    QLineEdit* Target_Box() const;

    void CloseButton_Click() override;

private:
    Context context_;
    bool change_ = false;
};
