#include "editor/pages_tables/page_sat_ges.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages_tables/ges_table_dialog.h"
#include "editor/pages_tables/sat_ges_lists.h"
#include "editor/pages_tables/sat_table_dialog.h"
#include "platform/message_service.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

using namespace modSat_Table_Dialog;

namespace {

const QString NO_MORE_ENTRIES = QStringLiteral("No more entries available");

Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Sat_GES");
    setup.Caption = QStringLiteral("GES and Satellite Data");
    setup.User_Caption = QStringLiteral("Sat and GES Tables");
    return setup;
}

QPushButton* Make_Button(const QString& name, const char* caption, const char* tooltip)
{
    return pages::Make_Button(name, QString::fromLatin1(caption), QString::fromLatin1(tooltip));
}

QPushButton* Make_Sort_Button(const QString& name, const char* caption, const char* tooltip)
{
    QPushButton* button = Make_Button(name, caption, tooltip);
    Set_Tag(button, QStringLiteral("1"));
    return button;
}

QListWidget* Make_Table(const char* name, const char* tooltip)
{
    auto* list = new QListWidget;
    list->setObjectName(QString::fromLatin1(name));
    list->setToolTip(QString::fromLatin1(tooltip));
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The list is as wide as the columns it shows (Fit_Columns); the columns
    // it leaves out are cut off, not scrolled to.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    sat_ges::Keep_Text_Before_Nul(list);
    return list;
}

QString Selected_Line(const QListWidget* list)
{
    const int row = list->currentRow();
    return row >= 0 && row < list->count() ? list->item(row)->text() : QString();
}

bool Has_Selection(const QListWidget* list)
{
    return list->currentRow() >= 0 && list->currentRow() < list->count();
}

} // namespace

Page_Sat_GES::Page_Sat_GES() : Page_Frame(Setup())
{
    Build_GES_Frame();
    Build_Sat_Frame();
    Control_2_3_Reset = Make_Button(QStringLiteral("Control_2_3_Reset"), "Update Tables",
                                    "Reset Sat and GES tables to default SITA");
    auto* reset_row = new QHBoxLayout;
    reset_row->addWidget(Control_2_3_Reset);
    reset_row->addStretch(1);
    User_Items()->addLayout(reset_row);
    Build_Items();
    Fit_Tables(SAT_COLUMN_COUNT);

    connect(Control_02_Add, &QPushButton::clicked, this, &Page_Sat_GES::Control_02_Add_Click);
    connect(Control_02_Edit, &QPushButton::clicked, this, &Page_Sat_GES::Control_02_Edit_Click);
    connect(Control_02_Delete, &QPushButton::clicked, this, &Page_Sat_GES::Control_02_Delete_Click);
    connect(Control_02_Sort_Sat, &QPushButton::clicked, this, &Page_Sat_GES::Control_02_Sort_Sat_Click);
    connect(Control_02_Sort_GES, &QPushButton::clicked, this, &Page_Sat_GES::Control_02_Sort_GES_Click);
    connect(Control_02_Sort_Pref, &QPushButton::clicked, this, &Page_Sat_GES::Control_02_Sort_Pref_Click);
    connect(Control_02_Sort_GES_Name, &QPushButton::clicked, this,
            &Page_Sat_GES::Control_02_Sort_GES_Name_Click);
    connect(Control_03_Add, &QPushButton::clicked, this, &Page_Sat_GES::Control_03_Add_Click);
    connect(Control_03_Edit, &QPushButton::clicked, this, &Page_Sat_GES::Control_03_Edit_Click);
    connect(Control_03_Delete, &QPushButton::clicked, this, &Page_Sat_GES::Control_03_Delete_Click);
    connect(Control_2_3_Reset, &QPushButton::clicked, this, &Page_Sat_GES::Control_2_3_Reset_Click);
    for (int i = 0; i < SAT_COLUMN_COUNT; ++i)
        connect(cmdSatTableSort[i], &QPushButton::clicked, this, [this, i] { cmdSatTableSort_Click(i); });
}

Page_Sat_GES::~Page_Sat_GES() = default;

void Page_Sat_GES::Build_GES_Frame()
{
    Frame_GES =
        pages::Make_Group(QStringLiteral("Frame_GES"), QStringLiteral("GES Table"), QStringLiteral("Item 2"));
    Control_02 = Make_Table("Control_02", "GES Name Table");
    Control_02->setAccessibleName(Frame_GES->title());

    Control_02_Add = Make_Button(QStringLiteral("Control_02_Add"), "Add", "Add a new GES entry");
    Control_02_Edit = Make_Button(QStringLiteral("Control_02_Edit"), "Edit", "Edit currently selected GES entry");
    Control_02_Delete =
        Make_Button(QStringLiteral("Control_02_Delete"), "Delete", "Delete currently selected GES entry");
    Control_02_Sort_Sat = Make_Sort_Button(QStringLiteral("Control_02_Sort_Sat"), "Sat", "Sort by Sat ID");
    Control_02_Sort_GES = Make_Sort_Button(QStringLiteral("Control_02_Sort_GES"), "GES", "Sort by GES ID");
    Control_02_Sort_Pref =
        Make_Sort_Button(QStringLiteral("Control_02_Sort_Pref"), "Pref", "Sort by GES Preference");
    Control_02_Sort_GES_Name =
        Make_Sort_Button(QStringLiteral("Control_02_Sort_GES_Name"), "GES Name", "Sort by GES Name");

    // The sort buttons head the columns of the list.
    auto* sorts = new QHBoxLayout;
    sorts->setSpacing(0);
    for (QPushButton* b : {Control_02_Sort_Sat, Control_02_Sort_GES, Control_02_Sort_Pref, Control_02_Sort_GES_Name})
        sorts->addWidget(b);
    sorts->addStretch(1);
    auto* edits = new QHBoxLayout;
    for (QPushButton* b : {Control_02_Add, Control_02_Edit, Control_02_Delete})
        edits->addWidget(b);
    edits->addStretch(1);
    auto* layout = new QVBoxLayout(Frame_GES);
    layout->addLayout(sorts);
    layout->addWidget(Control_02, 1);
    layout->addLayout(edits);
    User_Items()->addWidget(Frame_GES);
}

void Page_Sat_GES::Build_Sat_Frame()
{
    Frame_Sat =
        pages::Make_Group(QStringLiteral("Frame_Sat"), QStringLiteral("Satellite Table"), QStringLiteral("Item 2"));
    Control_03 = Make_Table("Control_03", "Satellite Name Table");
    Control_03->setAccessibleName(Frame_Sat->title());

    Control_03_Add = Make_Button(QStringLiteral("Control_03_Add"), "Add", "Add a new Sat entry");
    Control_03_Edit = Make_Button(QStringLiteral("Control_03_Edit"), "Edit", "Edit currently selected Sat entry");
    Control_03_Delete =
        Make_Button(QStringLiteral("Control_03_Delete"), "Delete", "Delete currently selected Sat entry");

    static const char* const captions[SAT_COLUMN_COUNT] = {"Sat", "Sat Name", "Pref", "Services Offered",
                                                           "Longitude"};
    static const char* const tooltips[SAT_COLUMN_COUNT] = {"Sort by Sat ID", "Sort by Sat Name",
                                                           "Sort by Sat Preference", "Sort by Sat Services",
                                                           "Sort by Sat Longitude"};
    // The sort buttons head the columns of the list.
    auto* sorts = new QHBoxLayout;
    sorts->setSpacing(0);
    for (int i = 0; i < SAT_COLUMN_COUNT; ++i) {
        cmdSatTableSort[i] =
            Make_Sort_Button(Array_Name(QStringLiteral("cmdSatTableSort"), i), captions[i], tooltips[i]);
        sorts->addWidget(cmdSatTableSort[i]);
    }
    sorts->addStretch(1);
    auto* edits = new QHBoxLayout;
    for (QPushButton* b : {Control_03_Add, Control_03_Edit, Control_03_Delete})
        edits->addWidget(b);
    edits->addStretch(1);
    auto* layout = new QVBoxLayout(Frame_Sat);
    layout->addLayout(sorts);
    layout->addWidget(Control_03, 1);
    layout->addLayout(edits);
    User_Items()->addWidget(Frame_Sat);
}

void Page_Sat_GES::Build_Items()
{
    auto label = [this](int index, const char* caption) {
        QLabel* l =
            pages::Make_Label(Array_Name(QStringLiteral("Label_User_L4"), index), QString::fromLatin1(caption));
        Label_User_L4[static_cast<std::size_t>(index)] = l;
        return l;
    };
    const QStringList preferences = {QStringLiteral("0 - Least Preferred"), QStringLiteral("1"),
                                     QStringLiteral("2"), QStringLiteral("3 - Most Preferred")};

    Frame_92 = pages::Make_Group(QStringLiteral("Frame_92"), QStringLiteral("Service Preferences"),
                                 QStringLiteral("Item 92"));
    auto* grid_92 = new QGridLayout(Frame_92);
    const int label_92[3] = {20, 21, 22};
    const char* const captions_92[3] = {"Classic Aero", "Aero + Swift64", "Aero + SwiftBroadband"};
    for (int i = 0; i < 3; ++i) {
        QComboBox* combo = pages::Make_Combo(Array_Name(QStringLiteral("Control_92"), i), preferences);
        // Named by its number, as the entries "0 - Least Preferred" to "3 - Most Preferred".
        pages::Tip_Default(combo, QStringLiteral("Default: %2"));
        Control_92[static_cast<std::size_t>(i)] = combo;
        QLabel* caption = label(label_92[i], captions_92[i]);
        pages::Label_Field(caption, combo);
        grid_92->addWidget(caption, i, 0);
        grid_92->addWidget(combo, i, 1);
    }
    grid_92->setColumnStretch(2, 1);
    User_Items()->addWidget(Frame_92);

    auto* grid = new QGridLayout;
    Control_93 = pages::Make_Combo(QStringLiteral("Control_93"),
                                   {QStringLiteral("Disallowed"), QStringLiteral("Allowed")});
    pages::Tip_Default(Control_93);
    QLabel* handover = label(11, "Handover Based on Service Preferences");
    pages::Label_Field(handover, Control_93);
    grid->addWidget(handover, 0, 0);
    grid->addWidget(Control_93, 0, 1);

    struct Minutes_Item {
        QLineEdit*& edit;
        pages::Up_Down*& spin;
        const char* name;
        const char* spin_name;
        int label_index;
        core::Item_Fact_Id fact;
        int unit_index;
    };
    const Minutes_Item items[] = {
        {Control_94, UpDown_94, "Control_94", "UpDown_94", 9, core::Item_Fact_Id::Item_94, 10},
        {Control_108, UpDown_108, "Control_108", "UpDown_108", 31, core::Item_Fact_Id::Item_108, 32},
    };
    int row = 1;
    for (const Minutes_Item& item : items) {
        const core::Item_Fact& fact = core::Fact(item.fact);
        QLabel* caption = label(item.label_index, fact.Title);
        item.edit = pages::Make_Edit(QString::fromLatin1(item.name), core::Text_Length(fact), QString(),
                                     core::Tooltip_Text(fact));
        pages::Fit_To_Length(item.edit, item.edit->maxLength());
        pages::Label_Field(caption, item.edit);
        pages::Bind_Field(item.edit, core::Chars::Digits, pages::Fact_Check(fact, pages::Caption_Of(caption)));
        item.spin = pages::Make_Spin(QString::fromLatin1(item.spin_name));
        pages::Bind_Fact_Step(item.spin, item.edit, fact);
        auto* value = new QHBoxLayout;
        value->addWidget(item.edit);
        value->addWidget(item.spin);
        value->addWidget(label(item.unit_index, "Minutes"));
        value->addStretch(1);
        grid->addWidget(caption, row, 0);
        grid->addLayout(value, row, 1);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    User_Items()->addLayout(grid);
}

void Page_Sat_GES::Fit_Tables(int sat_columns)
{
    QPushButton* const ges_buttons[] = {Control_02_Sort_Sat, Control_02_Sort_GES, Control_02_Sort_Pref,
                                        Control_02_Sort_GES_Name};
    sat_ges::Fit_Columns(Control_02, ges_buttons, ges::GES_COLUMN_WIDTHS);
    const std::size_t columns = static_cast<std::size_t>(std::clamp(sat_columns, 1, SAT_COLUMN_COUNT));
    sat_ges::Fit_Columns(Control_03, std::span(cmdSatTableSort).first(columns),
                         std::span(SAT_COLUMN_WIDTHS).first(columns));
}

Sat_Table_Dialog* Page_Sat_GES::Sat_Dialog()
{
    if (!sat_dialog_)
        sat_dialog_ = new Sat_Table_Dialog(this); // owned by the page
    return sat_dialog_;
}

void Page_Sat_GES::Setup_ToolTips(int /*mode*/)
{
    // The tooltips of this page are the same for every mode.
}

void Page_Sat_GES::SetVisiblity(bool bSecured, bool bUser)
{
    Set_Shown(bSecured, bUser);
    Show_Own_Frame(Frame_User(), bUser);
}

void Page_Sat_GES::Dual(bool /*bDual*/)
{
    // The page has no SDU 2 part.
}

void Page_Sat_GES::Clear_Lists()
{
    Control_02->clear();
    Control_03->clear();
}

// --- GES table -------------------------------------------------------------------

QString Page_Sat_GES::Sat_Choices() const
{
    return ges::Sat_Choices(sat_ges::List_Lines(Control_03));
}

void Page_Sat_GES::Control_02_Add_Click()
{
    const QString choices = Sat_Choices();
    if (Control_02->count() >= GES_TABLE_MAX) {
        platform::Warn(NO_MORE_ENTRIES);
        return;
    }
    Store_GES_Entry(GES_Table_Dialog::Add_GES(choices, this), 1);
}

void Page_Sat_GES::Control_02_Edit_Click()
{
    const QString choices = Sat_Choices();
    if (!Has_Selection(Control_02))
        return;
    Store_GES_Entry(GES_Table_Dialog::Edit_GES(Selected_Line(Control_02), choices, this), 2);
}

void Page_Sat_GES::Control_02_Delete_Click()
{
    if (!Has_Selection(Control_02))
        return;
    if (platform::Msg_Box(QStringLiteral("Continue?"), platform::MsgButtons::YesNo, platform::MsgIcon::None,
                          QStringLiteral("Delete GES Entry"))
        != platform::MsgAnswer::Yes)
        return;
    delete Control_02->takeItem(Control_02->currentRow());
}

void Page_Sat_GES::Store_GES_Entry(const QString& entry, int mode)
{
    const QString line = ges::GES_Line_From_Compact(entry);
    if (line.isEmpty())
        return;
    if (mode == 2 && Has_Selection(Control_02))
        Control_02->item(Control_02->currentRow())->setText(line);
    else if (mode == 1)
        Control_02->addItem(line);
}

void Page_Sat_GES::Sort_GES(QPushButton* button, ges::GES_Sort column)
{
    if (Control_02->count() == 0)
        return;
    const bool ascending = sat_ges::Take_Sort_Direction(button);
    sat_ges::Set_List_Lines(Control_02, ges::Sort_GES_Lines(sat_ges::List_Lines(Control_02), column, ascending));
}

void Page_Sat_GES::Control_02_Sort_Sat_Click()
{
    Sort_GES(Control_02_Sort_Sat, ges::GES_Sort::Sat);
}

void Page_Sat_GES::Control_02_Sort_GES_Click()
{
    Sort_GES(Control_02_Sort_GES, ges::GES_Sort::GES);
}

void Page_Sat_GES::Control_02_Sort_Pref_Click()
{
    Sort_GES(Control_02_Sort_Pref, ges::GES_Sort::Pref);
}

void Page_Sat_GES::Control_02_Sort_GES_Name_Click()
{
    Sort_GES(Control_02_Sort_GES_Name, ges::GES_Sort::Name);
}

void Page_Sat_GES::Control_02_Sort_Sat_Ascending()
{
    if (Control_02->count() == 0)
        return;
    sat_ges::Set_List_Lines(Control_02,
                            ges::Sort_GES_Lines(sat_ges::List_Lines(Control_02), ges::GES_Sort::Sat, true));
}

// --- satellite table ---------------------------------------------------------------

void Page_Sat_GES::Control_03_Add_Click()
{
    if (Control_03->count() >= SAT_TABLE_MAX) {
        platform::Warn(NO_MORE_ENTRIES);
        return;
    }
    Sat_Dialog_To_Row(*Sat_Dialog(), Edit_Sat_Row());
    Store_Sat_Entry(Edit_Sat_Row(), 1);
}

void Page_Sat_GES::Control_03_Edit_Click()
{
    if (!Has_Selection(Control_03))
        return;
    Sat_Row row;
    Set_Sat_Row(row, Selected_Line(Control_03), 0);
    Edit_Sat_Row() = row;
    Sat_Row_To_Dialog(*Sat_Dialog(), Edit_Sat_Row());
    Store_Sat_Entry(Edit_Sat_Row(), 2);
}

void Page_Sat_GES::Store_Sat_Entry(const Sat_Row& row, int mode)
{
    if (row.Name.isEmpty())
        return;
    if (mode == 2 && !Has_Selection(Control_03))
        return;
    const QString selected = mode == 2 ? Selected_Line(Control_03) : QString();
    const std::int16_t selected_id = Parse_Sat_Line(selected, 0).Sat_ID;

    bool taken = false;
    for (int i = 0; i < Control_03->count() && !taken; ++i)
        taken = Parse_Sat_Line(Control_03->item(i)->text(), 0).Sat_ID == row.Sat_ID;
    if (taken && !(mode == 2 && selected_id == row.Sat_ID)) {
        platform::Critical(QStringLiteral("This Sat is already defined. Please choose another."));
        return;
    }

    const QString line = Get_Sat_Row(row, 0);
    if (mode == 1) {
        Control_03->addItem(line);
        return;
    }
    Control_03->item(Control_03->currentRow())->setText(line);
    // A satellite that changes its ID takes its GES lines with it.
    const QString old_id = selected.left(2);
    const QString new_id = line.left(2);
    if (old_id == new_id)
        return;
    for (int i = 0; i < Control_02->count(); ++i) {
        QListWidgetItem* item = Control_02->item(i);
        if (item->text().left(2) == old_id)
            item->setText(new_id + item->text().mid(2));
    }
}

void Page_Sat_GES::Control_03_Delete_Click()
{
    if (!Has_Selection(Control_03))
        return;
    if (platform::Msg_Box(QStringLiteral("This will also delete all GES entries for this SAT Continue?"),
                          platform::MsgButtons::YesNo, platform::MsgIcon::None,
                          QStringLiteral("Delete SAT Entry"))
        != platform::MsgAnswer::Yes)
        return;
    const int row = Control_03->currentRow();
    const QString sat_id = Control_03->item(row)->text().left(2);
    for (int i = 0; i < Control_02->count();) {
        if (Control_02->item(i)->text().left(2) == sat_id)
            delete Control_02->takeItem(i);
        else
            ++i;
    }
    delete Control_03->takeItem(row);
}

void Page_Sat_GES::cmdSatTableSort_Click(int index)
{
    if (index < 0 || index >= SAT_COLUMN_COUNT || Control_03->count() == 0)
        return;
    QStringList sorted;
    const bool ascending = Tag(cmdSatTableSort[static_cast<std::size_t>(index)]).toDouble() == 1.0;
    if (!sat_ges::Sort_Sat_Lines(sat_ges::List_Lines(Control_03), index, ascending, sorted))
        return; // a line that cannot be read back: the table stays as it is
    sat_ges::Take_Sort_Direction(cmdSatTableSort[static_cast<std::size_t>(index)]);
    sat_ges::Set_List_Lines(Control_03, sorted);
}

void Page_Sat_GES::Control_2_3_Reset_Click()
{
    if (platform::Msg_Box(QStringLiteral("This will add any missing Sat and GES entries. No existing entries "
                                         "will be affected. Continue?"),
                          platform::MsgButtons::YesNo, platform::MsgIcon::None,
                          QStringLiteral("Update Sat and GES tables"))
        != platform::MsgAnswer::Yes)
        return;
    if (update_tables_)
        update_tables_();
}

// --- report ----------------------------------------------------------------------------

void Page_Sat_GES::Write_Text_Output(QStringList& lines)
{
    const bool full = core::Versions().User_Current.Feature_Level >= 4;
    const QStringList sats = sat_ges::List_Lines(Control_03);
    const QStringList gess = sat_ges::List_Lines(Control_02);
    auto caption = [this](int index) { return Label_User_L4[static_cast<std::size_t>(index)]->text(); };

    lines << QStringLiteral("SATELLITE INFORMATION:") << QString();
    if (sats.isEmpty()) {
        lines << QStringLiteral("SAT TABLE IS EMPTY");
    } else if (!full) {
        lines << QStringLiteral("SAT  SAT NAME") << QString(13, QLatin1Char('-'));
        for (const QString& sat : sats)
            lines << sat.left(13);
    } else {
        lines << QStringLiteral("SAT  SAT NAME  PREF") << QString(19, QLatin1Char('-'));
        lines << sats;
    }
    lines << QString() << QString() << QStringLiteral("GES INFORMATION:") << QString();
    if (gess.isEmpty()) {
        lines << QStringLiteral("GES TABLE IS EMPTY");
    } else {
        lines << QStringLiteral("SAT  GES  PREF GES NAME") << QString(29, QLatin1Char('-'));
        lines << gess;
    }
    lines << QString() << QString();
    if (!full)
        return;
    lines << caption(31) + QStringLiteral(": ") + Control_108->text() + QLatin1Char(' ') + caption(32);
    for (int i = 0; i < 3; ++i)
        lines << caption(20 + i) + QStringLiteral(": ") + Control_92[static_cast<std::size_t>(i)]->currentText();
    lines << caption(11) + QStringLiteral(": ") + Control_93->currentText();
    lines << caption(9) + QStringLiteral(": ") + Control_94->text() + QLatin1Char(' ') + caption(10);
}
