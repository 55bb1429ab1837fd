#include "editor/pages_hsd/les_table_dialog.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages_hsd/hsd_field_helpers.h"
#include "editor/pages_hsd/les_line.h"
#include "platform/message_service.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr const core::Item_Fact& SAT_ID = core::Fact(core::Item_Fact_Id::Sat_ID);
constexpr const core::Item_Fact& LES_ID = core::Fact(core::Item_Fact_Id::LES_ID);

// The range of a row as the OK messages state it ("0-76").
QString Range_Text(const core::Item_Fact& fact)
{
    return core::Value_Text(fact, fact.Minimum) + QLatin1Char('-') + core::Value_Text(fact, fact.Maximum);
}

} // namespace

LES_Table_Dialog::LES_Table_Dialog(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("LES_Table_Dialog"));
    setWindowTitle(QStringLiteral("Dialog Caption"));
    setModal(true);

    Label_Sat_ID = pages::Make_Label(QStringLiteral("Label_Sat_ID"), QStringLiteral("SAT ID"));
    Label_LES_ID = pages::Make_Label(QStringLiteral("Label_LES_ID"), QString::fromLatin1(LES_ID.Title));
    Label_Preference = pages::Make_Label(QStringLiteral("Label_Preference"), QStringLiteral("Preference"));

    Control_Sat_ID = pages::Make_Fixed_Pitch_Edit(QStringLiteral("Control_Sat_ID"), core::Text_Length(SAT_ID));
    Control_Sat_ID->setToolTip(core::Tooltip_Text(SAT_ID));
    Control_LES_ID = pages::Make_Fixed_Pitch_Edit(QStringLiteral("Control_LES_ID"), core::Text_Length(LES_ID));
    Control_LES_ID->setToolTip(core::Tooltip_Text(LES_ID));

    QStringList digits;
    for (int i = 0; i <= 9; ++i)
        digits << QString::number(i);
    Control_Preference = hsd::Make_Combo(QStringLiteral("Control_Preference"), digits);
    pages::Label_Field(Label_Sat_ID, Control_Sat_ID);
    pages::Label_Field(Label_LES_ID, Control_LES_ID);
    pages::Label_Field(Label_Preference, Control_Preference);

    const pages::OK_Cancel ok_cancel = pages::Make_OK_Cancel(nullptr);
    OKButton = ok_cancel.OK;
    OKButton->setAutoDefault(true);
    CancelButton = ok_cancel.Cancel;
    CancelButton->setAutoDefault(false);
    // A click on Cancel leaves the focus where it is, so leaving never runs a
    // field check first (Tab still reaches the button).
    CancelButton->setFocusPolicy(Qt::TabFocus);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label_Sat_ID, 0, 0);
    grid->addWidget(Control_Sat_ID, 0, 1);
    grid->addWidget(Label_LES_ID, 1, 0);
    grid->addWidget(Control_LES_ID, 1, 1);
    grid->addWidget(Label_Preference, 2, 0);
    grid->addWidget(Control_Preference, 2, 1);
    QHBoxLayout* buttons = ok_cancel.Row;
    grid->addLayout(buttons, 3, 0, 1, 2);

    setTabOrder(Control_Sat_ID, Control_LES_ID);
    setTabOrder(Control_LES_ID, Control_Preference);
    setTabOrder(Control_Preference, OKButton);
    setTabOrder(OKButton, CancelButton);

    pages::Bind_Field(Control_Sat_ID, core::Chars::Octal, pages::Fact_Check(SAT_ID, pages::Caption_Of(Label_Sat_ID)));
    pages::Bind_Field(Control_LES_ID, core::Chars::Digits, pages::Fact_Check(LES_ID, pages::Caption_Of(Label_LES_ID)));

    connect(OKButton, &QPushButton::clicked, this, &LES_Table_Dialog::OK_Click);
    connect(CancelButton, &QPushButton::clicked, this, &LES_Table_Dialog::Cancel_Click);
}

void LES_Table_Dialog::Prepare_Add()
{
    Control_Sat_ID->clear();
    Control_LES_ID->clear();
    Control_Preference->setCurrentIndex(1);
    Control_Sat_ID->setFocus(Qt::OtherFocusReason);
}

void LES_Table_Dialog::Prepare_Edit(const QString& line)
{
    Control_Sat_ID->setText(hsd::LES_Sat(line));
    Control_LES_ID->setText(hsd::LES_Id(line).trimmed());
    const int preference = hsd::LES_Pref(line).toInt();
    Control_Preference->setCurrentIndex(preference >= 0 && preference <= 9 ? preference : 0);
    Control_Sat_ID->setFocus(Qt::OtherFocusReason);
}

void LES_Table_Dialog::OK_Click()
{
    // The field that has the focus is checked first (Enter does not leave
    // it), then an empty field is asked for, then every field is checked.
    if (pages::Validate_Controls(this))
        return;
    if (Control_Sat_ID->text().isEmpty()) {
        platform::Warn(QStringLiteral("Enter SAT ID in range of ") + Range_Text(SAT_ID) + QStringLiteral(" octal"),
                       QStringLiteral("SAT ID out of range"));
        return;
    }
    if (Control_LES_ID->text().isEmpty()) {
        platform::Warn(QStringLiteral("Enter LES ID in range of ") + Range_Text(LES_ID),
                       QStringLiteral("LES ID out of range"));
        return;
    }
    if (pages::Validate_Edited_Fields(this))
        return;
    result_ = hsd::Compact_LES_Entry(Control_Sat_ID->text(), Control_LES_ID->text(),
                                     Control_Preference->currentText());
    accept();
}

void LES_Table_Dialog::Cancel_Click()
{
    reject();
}

void LES_Table_Dialog::reject()
{
    // Cancel, Esc and the window's close box leave without a result.
    result_.clear();
    QDialog::reject();
}

namespace {

QString Run(LES_Table_Dialog& dialog, const QString& caption)
{
    dialog.setWindowTitle(caption);
    dialog.exec();
    return dialog.Result();
}

} // namespace

QString Add_LES(QWidget* owner, const QString& caption)
{
    LES_Table_Dialog dialog(owner);
    dialog.Prepare_Add();
    return Run(dialog, caption);
}

QString Edit_LES(QWidget* owner, const QString& caption, const QString& line)
{
    LES_Table_Dialog dialog(owner);
    dialog.Prepare_Edit(line);
    return Run(dialog, caption);
}
