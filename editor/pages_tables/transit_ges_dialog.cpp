#include "editor/pages_tables/transit_ges_dialog.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages_tables/page_transit_ges.h"
#include "editor/pages_tables/transit_ges_cell.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Transit_GES_Dialog::Transit_GES_Dialog(Page_Transit_GES& page) : QDialog(&page), page_(page)
{
    setObjectName(QStringLiteral("Transit_GES_Dialog"));
    setModal(true);

    Transit_Label = new QLabel(QStringLiteral("Enter Octal GES Value"), this);
    Transit_Label->setObjectName(QStringLiteral("Transit_Label"));
    Set_Tag(Transit_Label, QStringLiteral("Item 41"));

    Transit_GES_Text = new QLineEdit(this);
    Transit_GES_Text->setObjectName(QStringLiteral("Transit_GES_Text"));
    Transit_GES_Text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const core::Item_Fact& cell = core::Fact(core::Item_Fact_Id::Item_41);
    Transit_GES_Text->setMaxLength(core::Text_Length(cell));
    Transit_GES_Text->setToolTip(core::Tooltip_Text(cell));
    pages::Bind_Field(Transit_GES_Text, core::Chars::Octal,
                      pages::Fact_Check(cell, pages::Fixed_Title(QString::fromLatin1(cell.Title))));

    pages::Label_Field(Transit_Label, Transit_GES_Text);

    const pages::OK_Cancel ok_cancel = pages::Make_OK_Cancel(this);
    OKButton = ok_cancel.OK;
    CancelButton = ok_cancel.Cancel;

    QHBoxLayout* buttons = ok_cancel.Row;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Transit_Label);
    layout->addWidget(Transit_GES_Text);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, &Transit_GES_Dialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &Transit_GES_Dialog::CancelButton_Click);

    Transit_GES_Text->setText(transit::Transit_GES_Cell(page_.Get_Sel_GES()));
    setWindowTitle(page_.Get_41_Title());
    pages::Select_Text(Transit_GES_Text);
}

void Transit_GES_Dialog::OKButton_Click()
{
    // The one field is checked even when the focus is elsewhere.
    if (pages::Validate_Controls(this) || pages::Validate_Field(Transit_GES_Text))
        return;
    page_.Set_Sel_GES(transit::Transit_GES_Value(Transit_GES_Text->text()));
    accept();
}

void Transit_GES_Dialog::CancelButton_Click()
{
    reject();
}
