#include "editor/pages_tables/ges_table_dialog.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/core/text_helpers.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages_tables/ges_line.h"
#include "platform/message_service.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Make_Label(QWidget* parent, const char* name, const char* caption)
{
    return pages::Make_Label(QString::fromLatin1(name), QString::fromLatin1(caption), QString(), parent);
}

} // namespace

GES_Table_Dialog::GES_Table_Dialog(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("GES_Table_Dialog"));
    setWindowTitle(QStringLiteral("GES Information"));
    setModal(true);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    Label_SAT_ID = Make_Label(this, "Label_SAT_ID", "SAT ID");
    const core::Item_Fact& ges_id = core::Fact(core::Item_Fact_Id::GES_ID);
    Label_GES_ID = Make_Label(this, "Label_GES_ID", ges_id.Title);
    Label_Preference = Make_Label(this, "Label_Preference", "Preference");
    Label_GES_Name = Make_Label(this, "Label_GES_Name", "GES Name");

    Control_Sat_ID = new QComboBox(this);
    Control_Sat_ID->setObjectName(QStringLiteral("Control_Sat_ID"));
    Control_Sat_ID->setFont(fixed);

    Control_GES_Id = new QLineEdit(this);
    Control_GES_Id->setObjectName(QStringLiteral("Control_GES_Id"));
    Control_GES_Id->setMaxLength(core::Text_Length(ges_id));
    Control_GES_Id->setFont(fixed);
    Control_GES_Id->setToolTip(core::Tooltip_Text(ges_id));
    pages::Bind_Field(Control_GES_Id, core::Chars::Octal,
                      pages::Fact_Check(ges_id, pages::Caption_Of(Label_GES_ID)));

    Control_Preference = new QComboBox(this);
    Control_Preference->setObjectName(QStringLiteral("Control_Preference"));
    for (int i = 0; i <= 9; ++i)
        Control_Preference->addItem(QString::number(i));

    Control_GES_Name = new QLineEdit(this);
    Control_GES_Name->setObjectName(QStringLiteral("Control_GES_Name"));
    Control_GES_Name->setMaxLength(ges::GES_NAME_MAX);
    Control_GES_Name->setFont(fixed);
    pages::Bind_Field(Control_GES_Name, core::Chars::Directory_Name,
                      pages::String_Check(core::Chars::Directory_Name, pages::Caption_Of(Label_GES_Name)));

    pages::Label_Field(Label_SAT_ID, Control_Sat_ID);
    pages::Label_Field(Label_GES_ID, Control_GES_Id);
    pages::Label_Field(Label_Preference, Control_Preference);
    pages::Label_Field(Label_GES_Name, Control_GES_Name);

    const pages::OK_Cancel ok_cancel = pages::Make_OK_Cancel(this);
    OKButton = ok_cancel.OK;
    CancelButton = ok_cancel.Cancel;

    auto* grid = new QGridLayout;
    grid->addWidget(Label_SAT_ID, 0, 0);
    grid->addWidget(Control_Sat_ID, 0, 1);
    grid->addWidget(Label_GES_ID, 1, 0);
    grid->addWidget(Control_GES_Id, 1, 1);
    grid->addWidget(Label_Preference, 2, 0);
    grid->addWidget(Control_Preference, 2, 1);
    grid->addWidget(Label_GES_Name, 3, 0);
    grid->addWidget(Control_GES_Name, 3, 1);
    QHBoxLayout* buttons = ok_cancel.Row;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, &GES_Table_Dialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &GES_Table_Dialog::CancelButton_Click);
}

void GES_Table_Dialog::Set_Sat_Choices(const QString& sat_choices)
{
    Control_Sat_ID->clear();
    Control_Sat_ID->addItems(ges::Split_Sat_Choices(sat_choices));
    Control_Sat_ID->setCurrentIndex(Control_Sat_ID->count() > 0 ? 0 : -1);
}

void GES_Table_Dialog::Prepare_Add(const QString& sat_choices)
{
    result_.clear();
    Set_Sat_Choices(sat_choices);
    Control_GES_Id->clear();
    Control_Preference->setCurrentIndex(1);
    Control_GES_Name->clear();
}

void GES_Table_Dialog::Prepare_Edit(const QString& entry, const QString& sat_choices)
{
    result_.clear();
    Set_Sat_Choices(sat_choices);
    const ges::GES_Fields fields = ges::Read_GES_Line(entry);
    for (int i = 0; i < Control_Sat_ID->count(); ++i) {
        if (Control_Sat_ID->itemText(i).left(2) == fields.Sat_ID) {
            Control_Sat_ID->setCurrentIndex(i);
            break;
        }
    }
    Control_GES_Id->setText(fields.GES_ID);
    const int pref = fields.Pref.size() == 1 && fields.Pref[0].isDigit() ? fields.Pref.toInt() : 1;
    Control_Preference->setCurrentIndex(pref);
    // A name sort pads the name with blanks; the field shows the name alone.
    Control_GES_Name->setText(core::Trim_Trailing_Blanks(fields.Name));
}

void GES_Table_Dialog::OKButton_Click()
{
    // Every field is checked, the one with the focus first (Enter does not
    // leave it), then the others in their order; the first that corrects
    // its value keeps the dialog open with the focus in it.
    if (pages::Validate_Controls(this) || pages::Validate_All_Fields(this))
        return;
    // A GES has a name of 1 to 14 characters.
    if (Control_GES_Name->text().isEmpty()) {
        platform::Warn(QStringLiteral("Enter GES Name of 1-") + QString::number(ges::GES_NAME_MAX) +
                           QStringLiteral(" characters"),
                       Label_GES_Name->text());
        Control_GES_Name->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString sat = Control_Sat_ID->currentText().left(2);
    result_ = ges::Compact_GES_Entry(sat, Control_GES_Id->text(), Control_Preference->currentIndex(),
                                     Control_GES_Name->text());
    accept();
}

void GES_Table_Dialog::CancelButton_Click()
{
    reject();
}

void GES_Table_Dialog::reject()
{
    result_.clear();
    QDialog::reject();
}

QString GES_Table_Dialog::Run()
{
    exec();
    return result() == QDialog::Accepted ? result_ : QString();
}

QString GES_Table_Dialog::Add_GES(const QString& sat_choices, QWidget* owner)
{
    if (sat_choices.isEmpty()) {
        platform::Msg_Box(QStringLiteral("Please add a SAT before adding a GES"),
                          platform::MsgButtons::Ok, platform::MsgIcon::None,
                          QStringLiteral("No SAT Defined"));
        return QString();
    }
    GES_Table_Dialog dialog(owner);
    dialog.Prepare_Add(sat_choices);
    return dialog.Run();
}

QString GES_Table_Dialog::Edit_GES(const QString& entry, const QString& sat_choices, QWidget* owner)
{
    GES_Table_Dialog dialog(owner);
    dialog.Prepare_Edit(entry, sat_choices);
    return dialog.Run();
}
