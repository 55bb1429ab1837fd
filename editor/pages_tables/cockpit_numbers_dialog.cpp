#include "editor/pages_tables/cockpit_numbers_dialog.h"

#include "editor/core/char_sets.h"
#include "editor/core/value_helpers.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages_tables/cockpit_limit.h"
#include "editor/pages_tables/cockpit_number_line.h"
#include "platform/message_service.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFont Fixed_Pitch_Font()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace

Cockpit_Numbers_Dialog::Cockpit_Numbers_Dialog(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("Cockpit_Numbers_Dialog"));
    setWindowTitle(QStringLiteral("Cockpit Phone Number Entry"));

    static const char* const captions[] = {"Name", "Number", "Priority", "Protected", ""};
    for (int k = 0; k < 5; ++k) {
        auto* label = new QLabel(QString::fromLatin1(captions[k]), this);
        label->setObjectName(Array_Name(QStringLiteral("Cockpit_Label"), k));
        if (k < 4)
            Set_Tag(label, QStringLiteral("Item 5"));
        Cockpit_Label[static_cast<std::size_t>(k)] = label;
    }

    Control_Name = new QLineEdit(this);
    Control_Name->setObjectName(QStringLiteral("Control_Name"));
    Control_Name->setMaxLength(tables::COCKPIT_NAME_LENGTH);
    Control_Name->setFont(Fixed_Pitch_Font());
    pages::Bind_Field(Control_Name, core::Chars::Directory_Name,
                      pages::String_Check(core::Chars::Directory_Name, pages::Fixed_Title(QStringLiteral("Name"))));

    Control_Number = new QLineEdit(this);
    Control_Number->setObjectName(QStringLiteral("Control_Number"));
    Control_Number->setMaxLength(tables::COCKPIT_NUMBER_LENGTH);
    Control_Number->setFont(Fixed_Pitch_Font());
    pages::Bind_Field(
        Control_Number, core::Chars::Directory_Number,
        pages::String_Check(core::Chars::Directory_Number, pages::Fixed_Title(QStringLiteral("Number"))));

    Control_Priority = new QComboBox(this);
    Control_Priority->setObjectName(QStringLiteral("Control_Priority"));
    Control_Priority->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                QStringLiteral("4")});

    Control_Protected = new QComboBox(this);
    Control_Protected->setObjectName(QStringLiteral("Control_Protected"));
    Control_Protected->addItems({QStringLiteral("No"), QStringLiteral("Yes")});

    pages::Label_Field(Cockpit_Label[0], Control_Name);
    pages::Label_Field(Cockpit_Label[1], Control_Number);
    pages::Label_Field(Cockpit_Label[2], Control_Priority);
    pages::Label_Field(Cockpit_Label[3], Control_Protected);

    const pages::OK_Cancel ok_cancel = pages::Make_OK_Cancel(this);
    OKButton = ok_cancel.OK;
    CancelButton = ok_cancel.Cancel;
    connect(OKButton, &QPushButton::clicked, this, &Cockpit_Numbers_Dialog::OK_Click);
    connect(CancelButton, &QPushButton::clicked, this, &Cockpit_Numbers_Dialog::Cancel_Click);

    auto* grid = new QGridLayout;
    grid->addWidget(Cockpit_Label[0], 0, 0);
    grid->addWidget(Control_Name, 0, 1, 1, 2);
    grid->addWidget(Cockpit_Label[1], 1, 0);
    grid->addWidget(Control_Number, 1, 1, 1, 2);
    grid->addWidget(Cockpit_Label[2], 2, 0);
    grid->addWidget(Control_Priority, 2, 1);
    grid->addWidget(Cockpit_Label[4], 2, 2);
    grid->addWidget(Cockpit_Label[3], 3, 0);
    grid->addWidget(Control_Protected, 3, 1);

    QHBoxLayout* buttons = ok_cancel.Row;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void Cockpit_Numbers_Dialog::Set_Priority_Fixed(bool fixed)
{
    Cockpit_Label[4]->setText(fixed ? QStringLiteral("(Non-Modifiable)") : QString());
    Control_Priority->setEnabled(!fixed);
}

void Cockpit_Numbers_Dialog::Prepare_Add(int category)
{
    result_.clear();
    Control_Name->clear();
    Control_Number->clear();
    Control_Protected->setCurrentIndex(0);
    const bool fixed = tables::Fixed_Cockpit_Categories();
    Control_Priority->setCurrentIndex(fixed ? qBound(0, category, Control_Priority->count() - 1) : 2);
    Set_Priority_Fixed(fixed);
}

void Cockpit_Numbers_Dialog::Prepare_Edit(const QString& line, int category)
{
    result_.clear();
    const tables::Cockpit_Entry entry = tables::Read_Cockpit_Line(line);
    Control_Name->setText(entry.Name);
    Control_Number->setText(entry.Number);
    const int count = Control_Priority->count();
    const int priority =
        core::Range_Default_Int(entry.Priority.isNull() ? QString() : QString(entry.Priority), 1,
                                static_cast<std::int16_t>(count),
                                static_cast<std::int16_t>(category + 1));
    Control_Priority->setCurrentIndex(priority - 1);
    Control_Protected->setCurrentIndex(entry.Protected ? 1 : 0);
    Set_Priority_Fixed(tables::Fixed_Cockpit_Categories());
}

void Cockpit_Numbers_Dialog::OK_Click()
{
    // The field with the focus first, then the number, then every field.
    if (pages::Validate_Controls(this))
        return;
    if (Control_Number->text().isEmpty()) {
        platform::Msg_Box(QStringLiteral("Must specify phone number!"));
        return;
    }
    if (tables::Is_Unused_Number(Control_Number->text())) {
        platform::Warn(tables::Unused_Number_Message());
        return;
    }
    if (pages::Validate_Edited_Fields(this))
        return;
    result_ = tables::Cockpit_Number_Line(Control_Name->text(), Control_Number->text(),
                                          Control_Priority->currentIndex() + 1,
                                          Control_Protected->currentIndex() != 0);
    accept();
}

void Cockpit_Numbers_Dialog::Cancel_Click()
{
    result_.clear();
    QDialog::reject();
}

void Cockpit_Numbers_Dialog::reject()
{
    Cancel_Click();
}

QString Add_Cockpit_Number(int category, QWidget* owner)
{
    Cockpit_Numbers_Dialog dialog(owner);
    dialog.Prepare_Add(category);
    dialog.exec();
    return dialog.Result();
}

QString Edit_Cockpit_Number(const QString& line, int category, QWidget* owner)
{
    Cockpit_Numbers_Dialog dialog(owner);
    dialog.Prepare_Edit(line, category);
    dialog.exec();
    return dialog.Result();
}
