#pragma once
// The form that both part-number dialogs share: the instruction line, the
// composed part number, the manufacturer's code and product identifier
// fields with their warning line, and the Make ARINC 665 PN step. The two
// dialogs add what their Close does.

#include "editor/main_window/pn_check.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

class PN_Dialog_Form : public QDialog {
    Q_OBJECT
public:
    // cleared_form_allowed: the casual dialog, whose cleared part number (15
    // dashes) is neither validated nor given check characters.
    PN_Dialog_Form(bool cleared_form_allowed, QWidget* owner);

    QLabel* Label_Info() const { return label_info_; }
    QLineEdit* Arinc665_PN() const { return arinc665_pn_; }
    QLineEdit* ManufacturersCode() const { return man_code_; }
    QLineEdit* ProductId() const { return product_id_; }
    QLabel* Label_Warning() const { return label_warning_; }
    QPushButton* MakeArinc665_PN() const { return make_button_; }
    QPushButton* CloseButton() const { return close_button_; }
    bool Composed() const { return composed_; }

    // Make ARINC 665 PN: cleans both fields, shows their warning, composes.
    void MakeArinc665_PN_Click();

    // Close as the user clicks it.
    virtual void CloseButton_Click() = 0;

protected:
    // Fills the form for one use: instruction text, part number, fields.
    void Load(main_window::PN_Use use, const QString& part_number);
    // Shows the form modally over its owner.
    void Show_Modal();
    // The first step of every Close: a part number is only composed from
    // full fields (or the cleared form where allowed). When a field is
    // short, its warning shows, it gets the focus, and false is returned.
    bool Compose_For_Close();

private:
    // Validates a field's text in place; cancel is set for a character
    // outside the set (after its box).
    QString Clean_Field(QLineEdit* field, int char_set, const QString& caption, bool& cancel);
    bool Cleared_Form_Shown() const;
    // The checks run when a field is left.
    QString Check_Man_Code(const QString& text, bool& cancel);
    QString Check_Product_Id(const QString& text, bool& cancel);

    bool cleared_form_allowed_;
    bool composed_ = false;
    QLabel* label_info_ = nullptr;
    QLineEdit* arinc665_pn_ = nullptr;
    QLineEdit* man_code_ = nullptr;
    QLineEdit* product_id_ = nullptr;
    QLabel* label_warning_ = nullptr;
    QPushButton* make_button_ = nullptr;
    QPushButton* close_button_ = nullptr;
};
