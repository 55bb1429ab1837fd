#include "editor/pages_tables/phone_category_dialog.h"

#include "editor/core/char_sets.h"
#include "editor/core/text_helpers.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"

#include <QEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int NAME_LENGTH = 10;

// Turns the field's text to upper case when the focus leaves it.
class Upper_On_Leave final : public QObject {
public:
    explicit Upper_On_Leave(QLineEdit* edit) : QObject(edit), edit_(edit)
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == edit_ && event->type() == QEvent::FocusOut) {
            const QString upper = core::Upper_Text(edit_->text());
            if (upper != edit_->text())
                edit_->setText(upper);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* edit_;
};

} // namespace

Phone_Category_Dialog::Phone_Category_Dialog(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("Phone_Category_Dialog"));
    setWindowTitle(QStringLiteral("Category Name"));

    Label_Cat_Name = new QLabel(QStringLiteral("Category Name"), this);
    Label_Cat_Name->setObjectName(QStringLiteral("Label_Cat_Name"));

    Control_Category_Name = new QLineEdit(this);
    Control_Category_Name->setObjectName(QStringLiteral("Control_Category_Name"));
    Control_Category_Name->setMaxLength(NAME_LENGTH);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    Control_Category_Name->setFont(font);
    pages::Bind_Field(Control_Category_Name, core::Chars::Upper_Printable);
    new Upper_On_Leave(Control_Category_Name);
    pages::Label_Field(Label_Cat_Name, Control_Category_Name);

    // Enter and Esc are handled by the dialog itself, whichever control has
    // the focus, so no button reacts to Enter on its own.
    const pages::OK_Cancel ok_cancel = pages::Make_OK_Cancel(this);
    OKButton = ok_cancel.OK;
    OKButton->setDefault(false);
    OKButton->setAutoDefault(false);
    CancelButton = ok_cancel.Cancel;
    CancelButton->setAutoDefault(false);
    connect(OKButton, &QPushButton::clicked, this, &Phone_Category_Dialog::OK_Click);
    connect(CancelButton, &QPushButton::clicked, this, &Phone_Category_Dialog::Cancel_Click);

    auto* row = new QHBoxLayout;
    row->addWidget(Label_Cat_Name);
    row->addWidget(Control_Category_Name);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(ok_cancel.Row);
}

void Phone_Category_Dialog::Prepare(const QString& name)
{
    result_ = name;
    Control_Category_Name->setText(core::Strip_At_Null(name));
    Control_Category_Name->setFocus();
    pages::Select_Text(Control_Category_Name);
}

void Phone_Category_Dialog::OK_Click()
{
    result_ = core::Make_Fixed_String(Control_Category_Name->text(), NAME_LENGTH);
    accept();
}

void Phone_Category_Dialog::Cancel_Click()
{
    QDialog::reject();
}

void Phone_Category_Dialog::reject()
{
    Cancel_Click();
}

void Phone_Category_Dialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OK_Click();
        return;
    case Qt::Key_Escape:
        Cancel_Click();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

QString Edit_Category_Name(const QString& name, QWidget* owner)
{
    Phone_Category_Dialog dialog(owner);
    dialog.Prepare(name);
    dialog.exec();
    return dialog.Result();
}
