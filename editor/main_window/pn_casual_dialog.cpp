#include "editor/main_window/pn_casual_dialog.h"

#include "editor/main_window/dialog_buttons.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PN_Casual_Dialog::PN_Casual_Dialog(QWidget* owner) : PN_Dialog_Form(true, owner)
{
    setObjectName(QStringLiteral("PN_Casual_Dialog"));
    clear_button_ = main_window::Make_Dialog_Button(this, "cmdClear", QStringLiteral("Clear"));
    // Beside Make ARINC 665 PN, in the button row at the foot of the form.
    if (auto* rows = qobject_cast<QBoxLayout*>(layout())) {
        if (auto* buttons = qobject_cast<QBoxLayout*>(rows->itemAt(rows->count() - 1)->layout()))
            buttons->insertWidget(1, clear_button_);
    }
    connect(clear_button_, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
}

void PN_Casual_Dialog::Prepare(QLineEdit* box)
{
    box_ = box;
    Load(main_window::PN_Use::Modify, box ? box->text() : QString());
}

void PN_Casual_Dialog::ModifyPN(QLineEdit* box)
{
    Prepare(box);
    Show_Modal();
}

void PN_Casual_Dialog::cmdClear_Click()
{
    Arinc665_PN()->setText(main_window::Cleared_PN());
    ManufacturersCode()->setText(main_window::Cleared_Man_Code());
    ProductId()->setText(main_window::Cleared_Product_Id());
    Label_Warning()->clear();
}

void PN_Casual_Dialog::CloseButton_Click()
{
    if (!Compose_For_Close())
        return;
    if (box_)
        box_->setText(Arinc665_PN()->text());
    accept();
}
