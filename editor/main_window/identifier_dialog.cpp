#include "editor/main_window/identifier_dialog.h"

#include "editor/core/char_sets.h"
#include "editor/main_window/dialog_buttons.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"
#include "platform/message_service.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using main_window::Identifier_Kind;

Identifier_Dialog::Identifier_Dialog(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("Identifier_Dialog"));
    setWindowTitle(QStringLiteral("ORT Identifier"));
    setModal(true);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* grid = new QGridLayout;
    const auto add = [&](const char* field, const char* label, const char* caption, int set,
                         int max_length, QLabel** label_out = nullptr) {
        QLineEdit* edit = Add_Field(field, label, QString::fromLatin1(caption), set, max_length,
                                    label_out);
        const int row = grid->rowCount();
        grid->addWidget(findChild<QLabel*>(QString::fromLatin1(label)), row, 0);
        grid->addWidget(edit, row, 1);
        return edit;
    };
    file_id_ = add("File_ID_Text", "File_ID_Label", "File Identifier", core::Chars::Alphanumeric,
                   main_window::FILE_ID_MAX, &file_id_label_);
    data_pn_ = add("Data_PN_Text", "Data_PN_Label", "Data File Part Number",
                   core::Chars::Printable, main_window::B777_PART_NUMBER_MAX);
    disk_pn_ = add("Disk_PN_Text", "Disk_PN_Label", "Diskette Part Number",
                   core::Chars::Printable, main_window::B777_PART_NUMBER_MAX);
    manuf_id_ = add("Manuf_ID_Text", "Manuf_ID_Label", "Manufacturer Identifier",
                    core::Chars::Alphanumeric, main_window::B777_MANUF_ID_LENGTH);
    product_id_ = add("Product_ID_Text", "Product_ID_Label", "Product Identifier",
                      core::Chars::Product_Id, main_window::B777_PRODUCT_ID_LENGTH);
    file_row_ = {file_id_label_, file_id_};
    for (const char* label : {"Data_PN_Label", "Disk_PN_Label", "Manuf_ID_Label", "Product_ID_Label"})
        b777_rows_ << findChild<QLabel*>(QString::fromLatin1(label));
    b777_rows_ << data_pn_ << disk_pn_ << manuf_id_ << product_id_;

    const main_window::Dialog_Buttons buttons = main_window::Make_Dialog_Buttons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons.Row);
    connect(buttons.OK, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(buttons.Cancel, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

QLineEdit* Identifier_Dialog::Add_Field(const char* field_name, const char* label_name,
                                        const QString& caption, int char_set, int max_length,
                                        QLabel** label_out)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(label_name));
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(field_name));
    edit->setMaxLength(max_length);
    pages::Bind_Field(edit, char_set, pages::String_Check(char_set, pages::Caption_Of(label)));
    pages::Label_Field(label, edit);
    if (label_out)
        *label_out = label;
    return edit;
}

void Identifier_Dialog::Setup(Identifier_Kind kind)
{
    b777_ = kind == Identifier_Kind::B777;
    result_.clear();
    for (QWidget* widget : file_row_)
        widget->setVisible(!b777_);
    for (QWidget* widget : b777_rows_)
        widget->setVisible(b777_);
    file_id_label_->setText(kind == Identifier_Kind::Auto ? QStringLiteral("File Name")
                                                          : QStringLiteral("File Identifier"));
    pages::Label_Field(file_id_label_, file_id_);
    (b777_ ? disk_pn_ : file_id_)->setFocus(Qt::OtherFocusReason);
}

void Identifier_Dialog::OKButton_Click()
{
    // Every shown field is cleaned first; a bad character keeps the dialog.
    const QList<QLineEdit*> shown =
        b777_ ? QList<QLineEdit*>{data_pn_, disk_pn_, manuf_id_, product_id_}
              : QList<QLineEdit*>{file_id_};
    for (QLineEdit* edit : shown) {
        if (pages::Validate_Field(edit)) {
            edit->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    const main_window::Identifier_Outcome outcome =
        b777_ ? main_window::Check_B777_Identifier(disk_pn_->text(), data_pn_->text(),
                                                   manuf_id_->text(), product_id_->text())
              : main_window::Check_File_Identifier(file_id_->text());
    if (!outcome.Accepted) {
        platform::Warn(outcome.Refusal_Text, outcome.Refusal_Title);
        return;
    }
    result_ = outcome.Result;
    accept();
}

void Identifier_Dialog::CancelButton_Click()
{
    result_.clear();
    reject();
}

QString Identifier_Dialog::Ask(Identifier_Kind kind, QWidget* owner)
{
    Identifier_Dialog dialog(owner);
    dialog.Setup(kind);
    // The close box is a Cancel.
    return dialog.exec() == QDialog::Accepted ? dialog.Result() : QString();
}

QString Identifier_Dialog::SetB777_Identifier(QWidget* owner)
{
    return Ask(Identifier_Kind::B777, owner);
}

QString Identifier_Dialog::SetSFIM_Identifier(QWidget* owner)
{
    return Ask(Identifier_Kind::SFIM, owner);
}

QString Identifier_Dialog::SetAuto_Identifier(QWidget* owner)
{
    return Ask(Identifier_Kind::Auto, owner);
}
