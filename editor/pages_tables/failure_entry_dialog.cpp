#include "editor/pages_tables/failure_entry_dialog.h"

#include "editor/core/char_sets.h"
#include "editor/core/failure_mask.h"
#include "editor/core/item_facts.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "editor/pages/page_widgets.h"
#include "platform/message_service.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Make_Label(QWidget* parent, const char* name, const char* caption)
{
    return pages::Make_Label(QString::fromLatin1(name), QString::fromLatin1(caption), QStringLiteral("Item 38"),
                             parent);
}

constexpr const core::Item_Fact& CODE = core::Fact(core::Item_Fact_Id::Mask_Code);

QLineEdit* Make_Code_Field(const char* name)
{
    return pages::Make_Fixed_Pitch_Edit(QString::fromLatin1(name), core::Text_Length(CODE), core::Tooltip_Text(CODE));
}

} // namespace

Failure_Entry_Dialog::Failure_Entry_Dialog(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("Failure_Entry_Dialog"));
    setWindowTitle(QStringLiteral("Add a Failure Mask"));
    setModal(true);

    Level1_Label = Make_Label(this, "Level1_Label", "Level 1 Code");
    SRU_Label = Make_Label(this, "SRU_Label", "SRU Code");
    Failure_Label = Make_Label(this, "Failure_Label", "Failure Code");
    Mask_Label = Make_Label(this, "Mask_Label", "Mask Type");

    Control_Level1 = Make_Code_Field("Control_Level1");
    pages::Bind_Field(Control_Level1, core::Chars::Hex, pages::Fact_Check(CODE, pages::Caption_Of(Level1_Label)));
    Control_SRUCode =
        pages::Make_Fixed_Pitch_Edit(QStringLiteral("Control_SRUCode"), 1, QStringLiteral("Range: 0-9, A-Z"));
    pages::Bind_Field(Control_SRUCode, core::Chars::Alphanumeric,
                      pages::String_Check(core::Chars::Alphanumeric, pages::Caption_Of(SRU_Label)));
    Control_FailCode = Make_Code_Field("Control_FailCode");
    pages::Bind_Field(Control_FailCode, core::Chars::Hex, pages::Fact_Check(CODE, pages::Caption_Of(Failure_Label)));

    Control_Mask = pages::Make_Combo(QStringLiteral("Control_Mask"),
                                     {core::MASK_TYPE_INDICTMENT, core::MASK_TYPE_FAILURE});

    pages::Label_Field(Level1_Label, Control_Level1);
    pages::Label_Field(SRU_Label, Control_SRUCode);
    pages::Label_Field(Failure_Label, Control_FailCode);
    pages::Label_Field(Mask_Label, Control_Mask);

    // Every control is made without a parent and adopted by the layout below,
    // so none of them takes its place in the focus chain before the rows.
    const pages::OK_Cancel ok_cancel = pages::Make_OK_Cancel(nullptr);
    OKButton = ok_cancel.OK;
    CancelButton = ok_cancel.Cancel;

    auto* grid = new QGridLayout;
    grid->addWidget(Level1_Label, 0, 0);
    grid->addWidget(Control_Level1, 0, 1);
    grid->addWidget(SRU_Label, 1, 0);
    grid->addWidget(Control_SRUCode, 1, 1);
    grid->addWidget(Failure_Label, 2, 0);
    grid->addWidget(Control_FailCode, 2, 1);
    grid->addWidget(Mask_Label, 3, 0);
    grid->addWidget(Control_Mask, 3, 1);
    QHBoxLayout* buttons = ok_cancel.Row;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // The dialog opens in Level 1; Tab goes down the rows, then to OK and Cancel.
    setTabOrder(Control_Level1, Control_SRUCode);
    setTabOrder(Control_SRUCode, Control_FailCode);
    setTabOrder(Control_FailCode, Control_Mask);
    setTabOrder(Control_Mask, OKButton);
    setTabOrder(OKButton, CancelButton);

    connect(OKButton, &QPushButton::clicked, this, &Failure_Entry_Dialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &Failure_Entry_Dialog::CancelButton_Click);
}

void Failure_Entry_Dialog::Prepare_Add()
{
    result_.clear();
    Control_Level1->setText(core::Default_Text(CODE));
    Control_SRUCode->setText(QStringLiteral("0"));
    Control_FailCode->setText(core::Default_Text(CODE));
    Control_Mask->setCurrentIndex(0);
}

void Failure_Entry_Dialog::Prepare_Modify(const QString& entry)
{
    result_.clear();
    Control_Level1->setText(core::Get_Level1_Code(entry));
    // A mask kept with an SRU code that has no character shows "?" there: the
    // field starts empty, so OK asks for a code.
    const QString sru = core::Get_SRU_Code(entry);
    const bool has_code = sru.size() == 1 && core::SRU_Has_Char(core::SRU_Value(sru[0]))
                          && core::SRU_Char(core::SRU_Value(sru[0])) == sru[0];
    Control_SRUCode->setText(has_code ? sru : QString());
    Control_FailCode->setText(core::Get_Fail_Code(entry));
    Control_Mask->setCurrentIndex(core::Get_Mask_Type(entry) == core::MASK_TYPE_INDICTMENT ? 0 : 1);
}

void Failure_Entry_Dialog::OKButton_Click()
{
    // The field with the focus first, then a missing code, then every field.
    if (pages::Validate_Controls(this))
        return;
    const struct {
        const QLineEdit* field;
        const char* message;
    } required[] = {
        {Control_Level1, "Enter a valid Level 1 Code."},
        {Control_FailCode, "Enter a valid Fail Code."},
        {Control_SRUCode, "Enter a valid SRU Code."},
    };
    for (const auto& r : required) {
        if (r.field->text().isEmpty()) {
            platform::Msg_Box(QString::fromLatin1(r.message), platform::MsgButtons::Ok, platform::MsgIcon::None,
                              QString());
            return;
        }
    }
    if (pages::Validate_Edited_Fields(this))
        return;
    const QString mask = Control_Mask->currentIndex() == 0 ? core::MASK_TYPE_INDICTMENT : core::MASK_TYPE_FAILURE;
    result_ = core::Format_Failure_Entry(Control_Level1->text(), Control_SRUCode->text(),
                                         Control_FailCode->text(), mask);
    accept();
}

void Failure_Entry_Dialog::CancelButton_Click()
{
    reject();
}

void Failure_Entry_Dialog::reject()
{
    result_.clear();
    QDialog::reject();
}

QString Failure_Entry_Dialog::Run()
{
    exec();
    return result() == QDialog::Accepted ? result_ : QString();
}

QString Failure_Entry_Dialog::Add_Entry(QWidget* owner)
{
    Failure_Entry_Dialog dialog(owner);
    dialog.Prepare_Add();
    return dialog.Run();
}

QString Failure_Entry_Dialog::Modify_Entry(const QString& entry, QWidget* owner)
{
    Failure_Entry_Dialog dialog(owner);
    dialog.Prepare_Modify(entry);
    return dialog.Run();
}
