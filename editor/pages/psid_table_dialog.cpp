#include "editor/pages/psid_table_dialog.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "editor/pages/page_widgets.h"
#include "platform/message_service.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The Sat ID stops at octal 76: 77 marks an empty slot in the record.
constexpr const core::Item_Fact& SAT_ID = core::Fact(core::Item_Fact_Id::Sat_ID);
constexpr const core::Item_Fact& REVISION = core::Fact(core::Item_Fact_Id::PSID_Revision);
constexpr const core::Item_Fact& PSID = core::Fact(core::Item_Fact_Id::PSID);

// The labels' captions; the PSID fields' boxes carry them as titles.
const char* const CAPTION_PSID_1 = "PSID-1";
const char* const CAPTION_PSID_2 = "PSID-2";

QLabel* Make_Label(const QString& name, const QString& caption)
{
    return pages::Make_Label(name, caption, QStringLiteral("Item 78"));
}

// Value of a hex field; a text that is no hex number counts as 0.
int Hex_Value(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 16);
    return ok ? value : 0;
}

} // namespace

PSID_Table_Dialog::PSID_Table_Dialog(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("PSID_Table_Dialog"));
    setWindowTitle(QStringLiteral("PSID Information"));
    setModal(true);

    const QString psid_tip = core::Tooltip_Text(PSID);
    const QString revision_title = QString::fromLatin1(REVISION.Title);
    Label_Sat_ID = Make_Label(QStringLiteral("Label_Sat_ID"), QStringLiteral("SAT ID"));
    Control_Sat_ID = pages::Make_Edit(QStringLiteral("Control_Sat_ID"), core::Text_Length(SAT_ID), QString(),
                                      core::Tooltip_Text(SAT_ID));
    Label_Table_Revision = Make_Label(QStringLiteral("Label_Table_Revision"), revision_title);
    Control_Table_Revision = pages::Make_Edit(QStringLiteral("Control_Table_Revision"),
                                              core::Text_Length(REVISION), QString(),
                                              core::Tooltip_Text(REVISION));
    Label_PSID_1 = Make_Label(QStringLiteral("Label_PSID_1"), QString::fromLatin1(CAPTION_PSID_1));
    Control_PSID_1 = pages::Make_Edit(QStringLiteral("Control_PSID_1"), core::Text_Length(PSID), QString(),
                                      psid_tip);
    Label_PSID_2 = Make_Label(QStringLiteral("Label_PSID_2"), QString::fromLatin1(CAPTION_PSID_2));
    Control_PSID_2 = pages::Make_Edit(QStringLiteral("Control_PSID_2"), core::Text_Length(PSID), QString(),
                                      psid_tip);
    for (int i = 0; i < 2; ++i) {
        Label_Hex[i] = new QLabel(QStringLiteral("0x"));
        Label_Hex[i]->setObjectName(Array_Name(QStringLiteral("Label_Hex"), i));
    }
    pages::Label_Field(Label_Sat_ID, Control_Sat_ID);
    pages::Label_Field(Label_Table_Revision, Control_Table_Revision);
    pages::Label_Field(Label_PSID_1, Control_PSID_1);
    pages::Label_Field(Label_PSID_2, Control_PSID_2);

    pages::Bind_Field(Control_Sat_ID, core::Chars::Octal,
                      pages::Fact_Check(SAT_ID, pages::Fixed_Title(QStringLiteral("Sat ID"))));
    pages::Bind_Field(Control_Table_Revision, core::Chars::Digits,
                      pages::Fact_Check(REVISION, pages::Fixed_Title(revision_title)));
    pages::Bind_Field(Control_PSID_1, core::Chars::Hex,
                      pages::Fact_Check(PSID, pages::Fixed_Title(QString::fromLatin1(CAPTION_PSID_1))),
                      pages::Focus_Rule::Move_On);
    pages::Bind_Field(Control_PSID_2, core::Chars::Hex,
                      pages::Fact_Check(PSID, pages::Fixed_Title(QString::fromLatin1(CAPTION_PSID_2))),
                      pages::Focus_Rule::Move_On);

    const pages::OK_Cancel ok_cancel = pages::Make_OK_Cancel(nullptr);
    OKButton = ok_cancel.OK;
    CancelButton = ok_cancel.Cancel;
    connect(OKButton, &QPushButton::clicked, this, &PSID_Table_Dialog::OK_Click);
    connect(CancelButton, &QPushButton::clicked, this, &PSID_Table_Dialog::Cancel_Click);

    auto* grid = new QGridLayout;
    grid->addWidget(Label_Sat_ID, 0, 0);
    grid->addWidget(Control_Sat_ID, 0, 2);
    grid->addWidget(Label_Table_Revision, 1, 0);
    grid->addWidget(Control_Table_Revision, 1, 2);
    grid->addWidget(Label_PSID_1, 2, 0);
    grid->addWidget(Label_Hex[0], 2, 1);
    grid->addWidget(Control_PSID_1, 2, 2);
    grid->addWidget(Label_PSID_2, 3, 0);
    grid->addWidget(Label_Hex[1], 3, 1);
    grid->addWidget(Control_PSID_2, 3, 2);

    QHBoxLayout* buttons = ok_cancel.Row;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PSID_Table_Dialog::Fill(const pages::PSID_Fields& fields)
{
    result_.clear();
    Control_Sat_ID->setText(fields.Sat_ID);
    Control_Table_Revision->setText(fields.Revision.trimmed());
    Control_PSID_1->setText(fields.PSID_1);
    Control_PSID_2->setText(fields.PSID_2);
}

void PSID_Table_Dialog::Fill_Presets()
{
    Fill({core::Default_Text(SAT_ID), core::Default_Text(REVISION), core::Default_Text(PSID),
          core::Default_Text(PSID)});
}

void PSID_Table_Dialog::OK_Click()
{
    // The field that has the focus is checked first; a correction that
    // keeps the focus keeps the dialog open. Then the PSIDs, then every field.
    if (pages::Validate_Controls(this))
        return;
    if (Hex_Value(Control_PSID_1->text()) == 0 && Hex_Value(Control_PSID_2->text()) == 0) {
        platform::Msg_Box(QStringLiteral("At least one PSID must be non-zero"));
        return;
    }
    if (pages::Validate_Edited_Fields(this))
        return;
    result_ = pages::Make_PSID_Compact({Control_Sat_ID->text(), Control_Table_Revision->text(),
                                        Control_PSID_1->text(), Control_PSID_2->text()});
    accept();
}

void PSID_Table_Dialog::Cancel_Click()
{
    result_.clear();
    reject();
}

QString PSID_Table_Dialog::Run()
{
    // Any way of closing but OK leaves the result empty.
    if (exec() != QDialog::Accepted)
        result_.clear();
    return result_;
}

QString PSID_Table_Dialog::Add_Sat(QWidget* owner)
{
    PSID_Table_Dialog dialog(owner);
    dialog.Fill_Presets();
    return dialog.Run();
}

QString PSID_Table_Dialog::Edit_Sat(const QString& row, QWidget* owner)
{
    PSID_Table_Dialog dialog(owner);
    dialog.Fill(pages::Split_PSID_Row(row));
    return dialog.Run();
}

QString PSID_Table_Dialog::Edit_Entered(const QString& compact, QWidget* owner)
{
    PSID_Table_Dialog dialog(owner);
    dialog.Fill(pages::Split_PSID_Compact(compact));
    return dialog.Run();
}
