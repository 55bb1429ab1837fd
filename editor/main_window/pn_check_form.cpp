#include "editor/main_window/pn_check_form.h"

#include "editor/core/char_sets.h"
#include "editor/core/validation.h"
#include "editor/main_window/dialog_buttons.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString MAN_CODE_CAPTION = QStringLiteral("Manufacturer's Code");
const QString PRODUCT_ID_CAPTION = QStringLiteral("Product Identifier");

QLineEdit* Named_Field(QWidget* parent, const char* name, int max_length)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(max_length);
    return field;
}

} // namespace

PN_Dialog_Form::PN_Dialog_Form(bool cleared_form_allowed, QWidget* owner)
    : QDialog(owner), cleared_form_allowed_(cleared_form_allowed)
{
    using main_window::PN_MAN_CODE_LENGTH;
    using main_window::PN_PRODUCT_ID_LENGTH;
    setWindowTitle(main_window::PN_Dialog_Caption());
    setModal(true);

    label_info_ = pages::Make_Label(QStringLiteral("Label_Info"), QString(), QString(), this);
    label_info_->setWordWrap(true);
    auto* label_pn = pages::Make_Label(QStringLiteral("Label_PartNum"),
                                       QStringLiteral("ARINC 665 Part Number"), QString(), this);
    arinc665_pn_ = Named_Field(this, "Arinc665_PN", main_window::PN_LENGTH);
    arinc665_pn_->setReadOnly(true);
    arinc665_pn_->setFocusPolicy(Qt::NoFocus);
    auto* label_man = pages::Make_Label(QStringLiteral("Label_ManCode"), MAN_CODE_CAPTION, QString(), this);
    man_code_ = Named_Field(this, "ManufacturersCode", PN_MAN_CODE_LENGTH);
    man_code_->setToolTip(QStringLiteral("Must be 3 characters"));
    auto* label_prod = pages::Make_Label(QStringLiteral("Label_ProdId"), PRODUCT_ID_CAPTION, QString(), this);
    product_id_ = Named_Field(this, "ProductId", PN_PRODUCT_ID_LENGTH);
    product_id_->setToolTip(QStringLiteral("Must be 10 characters"));
    label_warning_ = pages::Make_Label(QStringLiteral("Label_Warning"), QString(), QString(), this);
    pages::Label_Field(label_pn, arinc665_pn_);
    pages::Label_Field(label_man, man_code_);
    pages::Label_Field(label_prod, product_id_);
    make_button_ =
        main_window::Make_Dialog_Button(this, "MakeArinc665_PN", QStringLiteral("Make ARINC 665 PN"));
    close_button_ = main_window::Make_Dialog_Button(this, "CloseButton", QStringLiteral("Close"));

    pages::Bind_Field(man_code_, core::Chars::Alphanumeric,
                      [this](const QString& text, bool& cancel) { return Check_Man_Code(text, cancel); });
    pages::Bind_Field(product_id_, core::Chars::Dashed_Product_Id,
                      [this](const QString& text, bool& cancel) {
                          return Check_Product_Id(text, cancel);
                      });

    auto* grid = new QGridLayout;
    grid->addWidget(label_pn, 0, 0);
    grid->addWidget(arinc665_pn_, 0, 1);
    grid->addWidget(label_man, 1, 0);
    grid->addWidget(man_code_, 1, 1);
    grid->addWidget(label_prod, 2, 0);
    grid->addWidget(product_id_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(make_button_);
    buttons->addStretch(1);
    buttons->addWidget(close_button_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_info_);
    layout->addLayout(grid);
    layout->addWidget(label_warning_);
    layout->addLayout(buttons);

    connect(make_button_, &QPushButton::clicked, this, [this] { MakeArinc665_PN_Click(); });
    connect(close_button_, &QPushButton::clicked, this, [this] { CloseButton_Click(); });
}

void PN_Dialog_Form::Load(main_window::PN_Use use, const QString& part_number)
{
    label_info_->setText(main_window::PN_Instruction_Text(use));
    arinc665_pn_->setText(part_number);
    man_code_->setText(main_window::PN_Man_Code(part_number));
    product_id_->setText(main_window::PN_Product_Id(part_number));
    label_warning_->clear();
    composed_ = false;
}

void PN_Dialog_Form::Show_Modal()
{
    man_code_->setFocus(Qt::OtherFocusReason);
    exec();
}

bool PN_Dialog_Form::Cleared_Form_Shown() const
{
    return cleared_form_allowed_ &&
           main_window::Is_Cleared_Form(man_code_->text(), product_id_->text());
}

QString PN_Dialog_Form::Clean_Field(QLineEdit* field, int char_set, const QString& caption,
                                    bool& cancel)
{
    const QString clean = core::Validate_String(field->text(), char_set, caption, cancel);
    if (clean != field->text())
        field->setText(clean);
    return clean;
}

QString PN_Dialog_Form::Check_Man_Code(const QString& text, bool& cancel)
{
    if (Cleared_Form_Shown())
        return text;
    const QString clean =
        core::Validate_String(text, core::Chars::Alphanumeric, MAN_CODE_CAPTION, cancel);
    label_warning_->setText(main_window::Man_Code_Warning(clean));
    if (clean.size() < main_window::PN_MAN_CODE_LENGTH)
        cancel = true;
    return clean;
}

QString PN_Dialog_Form::Check_Product_Id(const QString& text, bool& cancel)
{
    if (Cleared_Form_Shown())
        return text;
    const QString clean =
        core::Validate_String(text, core::Chars::Dashed_Product_Id, PRODUCT_ID_CAPTION, cancel);
    label_warning_->setText(main_window::Product_Id_Warning(clean));
    if (clean.size() < main_window::PN_PRODUCT_ID_LENGTH)
        cancel = true;
    return clean;
}

void PN_Dialog_Form::MakeArinc665_PN_Click()
{
    composed_ = false;
    if (!Cleared_Form_Shown()) {
        bool cancel = false;
        const QString man_warning = main_window::Man_Code_Warning(
            Clean_Field(man_code_, core::Chars::Alphanumeric, MAN_CODE_CAPTION, cancel));
        const QString product_warning = main_window::Product_Id_Warning(
            Clean_Field(product_id_, core::Chars::Dashed_Product_Id, PRODUCT_ID_CAPTION, cancel));
        // A short field outweighs the reserved-code note.
        const bool man_short = man_code_->text().size() < main_window::PN_MAN_CODE_LENGTH;
        label_warning_->setText(man_short || product_warning.isEmpty() ? man_warning : product_warning);
    } else {
        label_warning_->clear();
    }
    arinc665_pn_->setText(
        main_window::Compose_PN(man_code_->text(), product_id_->text(), cleared_form_allowed_));
    composed_ = true;
}

bool PN_Dialog_Form::Compose_For_Close()
{
    if (!Cleared_Form_Shown()) {
        bool man_bad = false;
        bool product_bad = false;
        const QString man =
            Clean_Field(man_code_, core::Chars::Alphanumeric, MAN_CODE_CAPTION, man_bad);
        const QString product =
            Clean_Field(product_id_, core::Chars::Dashed_Product_Id, PRODUCT_ID_CAPTION, product_bad);
        // Nothing is composed from a field that is not full or holds a
        // character outside its set (its box has been shown).
        if (man_bad) {
            man_code_->setFocus(Qt::OtherFocusReason);
            return false;
        }
        if (product_bad) {
            product_id_->setFocus(Qt::OtherFocusReason);
            return false;
        }
        if (man.size() < main_window::PN_MAN_CODE_LENGTH) {
            label_warning_->setText(main_window::Man_Code_Warning(man));
            man_code_->setFocus(Qt::OtherFocusReason);
            return false;
        }
        if (product.size() < main_window::PN_PRODUCT_ID_LENGTH) {
            label_warning_->setText(main_window::Product_Id_Warning(product));
            product_id_->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    MakeArinc665_PN_Click();
    return true;
}
