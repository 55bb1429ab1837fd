#include "editor/pages/page_general.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages/psid_row.h"
#include "editor/pages/psid_table_dialog.h"
#include "editor/pages/sdu_columns.h"
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

namespace {

constexpr int ADD = 1;
constexpr int REPLACE = 2;

using core::Item_Fact_Id;

constexpr const core::Item_Fact& ITEM_30 = core::Fact(Item_Fact_Id::Item_30);
constexpr const core::Item_Fact& ITEM_47A = core::Fact(Item_Fact_Id::Item_47a);
constexpr const core::Item_Fact& ITEM_47B = core::Fact(Item_Fact_Id::Item_47b);

Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_General");
    setup.Caption = QStringLiteral("General Presets");
    setup.Secured_Caption = QStringLiteral("General Secured Options");
    setup.User_Caption = QStringLiteral("General User Options");
    setup.Secured_Status = QStringLiteral("StatusBar_General_S");
    setup.User_Status = QStringLiteral("StatusBar_General_U");
    return setup;
}

QString Entry(const QComboBox* combo)
{
    return combo->currentText(); // "" when no entry is selected
}

} // namespace

Page_General::Page_General() : Page_Frame(Setup())
{
    Build_Secured();
    Build_User();
    Setup_ToolTips(0);
}

void Page_General::Build_Secured()
{
    const QString l0 = QStringLiteral("Label_Sec_L0");
    const pages::Label_Row rows[] = {
        {0, "Startup Log-On Policy", "Item 1"},
        {1, "Noise Insertion Level", "Item 18"},
        {2, ITEM_30.Title, "Item 30"},
        {3, ITEM_47A.Title, "Item 47"},
        {4, ITEM_47B.Title, "Item 47"},
        {5, "SCDU Channel Label Suffixes", "Item 52"},
        {6, "ORT File Loading Restrictions", "Item 54"},
        {8, "SCDU SATCOM Subsystem Prompts", "Item 51"},
        {9, "dBW", ""},
        {10, "Minutes", ""},
        {11, "Minutes", ""},
        {12, "RFU Installed", "Item 27"},
    };
    pages::Make_Labels(Label_Sec_L0, l0, rows);
    Label_Sec_L1[0] = pages::Make_Label(Array_Name(QStringLiteral("Label_Sec_L1"), 0),
                                        QStringLiteral("Aero-H Only Operation"), QStringLiteral("Item 60"));

    const QStringList disabled_enabled{QStringLiteral("Disabled"), QStringLiteral("Enabled")};
    Control_01 = pages::Make_Combo(QStringLiteral("Control_01"),
                            {QStringLiteral("Automatic"), QStringLiteral("Commanded")});
    Control_18 = pages::Make_Combo(QStringLiteral("Control_18"),
                            {QStringLiteral("Off"), QStringLiteral("-60 dBm0"),
                             QStringLiteral("-50 dBm0"), QStringLiteral("-40 dBm0")});
    Control_30 = pages::Make_Edit(QStringLiteral("Control_30"), core::Text_Length(ITEM_30));
    UpDown_30 = pages::Make_Spin(QStringLiteral("UpDown_30"));
    Control_47a = pages::Make_Edit(QStringLiteral("Control_47a"), core::Text_Length(ITEM_47A));
    UpDown_47a = pages::Make_Spin(QStringLiteral("UpDown_47a"));
    Control_47b = pages::Make_Edit(QStringLiteral("Control_47b"), core::Text_Length(ITEM_47B));
    UpDown_47b = pages::Make_Spin(QStringLiteral("UpDown_47b"));
    Control_52 = pages::Make_Combo(QStringLiteral("Control_52"),
                            {QStringLiteral("'1' and '2'"), QStringLiteral("'L' and 'R'")});
    Control_54 = pages::Make_Combo(QStringLiteral("Control_54"),
                            {QStringLiteral("None"), QStringLiteral("Composite Disallowed"),
                             QStringLiteral("Uplink Disallowed"),
                             QStringLiteral("Composite and Uplink Disallowed")});
    Control_60 = pages::Make_Combo(QStringLiteral("Control_60"), disabled_enabled);
    // The secured partition names the defaults of 18 and 60; item 27 takes its
    // default from the chosen SDU model, and its tooltip names the first one's.
    pages::Tip_Default(Control_18);
    pages::Tip_Default(Control_60);

    const QStringList no_yes{QStringLiteral("No"), QStringLiteral("Yes")};
    Control_27a = pages::Make_Combo(QStringLiteral("Control_27a"), no_yes, QStringLiteral("Default: No"));
    Control_27b = pages::Make_Combo(QStringLiteral("Control_27b"), no_yes, QStringLiteral("Default: No"));
    Control_51a = pages::Make_Fixed_Pitch_Edit(QStringLiteral("Control_51a"), 6);
    Control_51b = pages::Make_Fixed_Pitch_Edit(QStringLiteral("Control_51b"), 6);

    // Field checks.
    const pages::Title_Source title_30 = pages::Caption_Of(Label_Sec_L0[2]);
    pages::Bind_Field(Control_30, core::Chars::Digits_Point, pages::Fact_Check(ITEM_30, title_30));
    pages::Bind_Fact_Step(UpDown_30, Control_30, ITEM_30, title_30);
    pages::Bind_Field(Control_47a, core::Chars::Digits,
                      pages::Fact_Check(ITEM_47A, pages::Caption_Of(Label_Sec_L0[3])));
    pages::Bind_Fact_Step(UpDown_47a, Control_47a, ITEM_47A);
    pages::Bind_Field(Control_47b, core::Chars::Digits,
                      pages::Fact_Check(ITEM_47B, pages::Caption_Of(Label_Sec_L0[4])));
    pages::Bind_Fact_Step(UpDown_47b, Control_47b, ITEM_47B);
    for (QLineEdit* prompt : {Control_51a, Control_51b})
        pages::Bind_Field(prompt, core::Chars::Upper_Printable,
                          pages::String_Check(core::Chars::Upper_Printable,
                                              pages::Caption_Of(Label_Sec_L0[8])));
    for (QWidget* control : {static_cast<QWidget*>(Control_51a),
                             static_cast<QWidget*>(Control_51b),
                             static_cast<QWidget*>(Control_52)})
        // Only a standard ORT (secured airframer level 0) has the hint.
        pages::Bind_Status_Hint(control, Status_Secured(),
                                pages::Airframer_Level_0_Hint(true, QStringLiteral("No SATCOM effect with WSC")));

    for (QLineEdit* edit : {Control_30, Control_47a, Control_47b, Control_51a, Control_51b})
        pages::Fit_To_Length(edit, edit->maxLength());

    // Layout: label, then the value with its spin button and unit.
    auto* grid = new QGridLayout;
    int line = 0;
    const auto add = [&](QLabel* label, QWidget* field, QWidget* value = nullptr) {
        pages::Label_Field(label, field);
        grid->addWidget(label, line, 0);
        grid->addWidget(value ? value : field, line, 1);
        ++line;
    };
    const auto with_unit = [](QLineEdit* edit, pages::Up_Down* spin, QLabel* unit) {
        auto* value = new QWidget;
        auto* row = new QHBoxLayout(value);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(pages::Field_With_Spin(edit, spin));
        row->addWidget(unit);
        row->addStretch(1);
        return value;
    };
    add(Label_Sec_L0[0], Control_01);
    add(Label_Sec_L0[1], Control_18);
    add(Label_Sec_L0[2], Control_30, with_unit(Control_30, UpDown_30, Label_Sec_L0[9]));
    add(Label_Sec_L0[3], Control_47a, with_unit(Control_47a, UpDown_47a, Label_Sec_L0[10]));
    add(Label_Sec_L0[4], Control_47b, with_unit(Control_47b, UpDown_47b, Label_Sec_L0[11]));
    add(Label_Sec_L0[5], Control_52);
    add(Label_Sec_L0[6], Control_54);
    add(Label_Sec_L1[0], Control_60);
    grid->setColumnStretch(2, 1);
    Secured_Items()->addLayout(grid);

    // The per-SDU items: their labels, then one column per SDU.
    Frame_SDU1[0] = pages::Make_Group(Array_Name(QStringLiteral("Frame_SDU1"), 0), QStringLiteral("SDU 1"));
    Frame_SDU2 = pages::Make_Group(QStringLiteral("Frame_SDU2"), QStringLiteral("SDU 2"));
    Secured_Items()->addLayout(pages::SDU_Columns({{Label_Sec_L0[8], {{Control_51a}, {Control_51b}}},
                                                   {Label_Sec_L0[12], {{Control_27a}, {Control_27b}}}},
                                                  {Frame_SDU1[0], Frame_SDU2}));
}

void Page_General::Build_User()
{
    const QString lu = QStringLiteral("Label_General_U");
    const pages::Label_Row rows[] = {
        {0, "Maintenance Page Access", "Item 4"},
        {1, "Airline Code", "Item 34"},
        {2, "High Rate Data Transmit Support", "Item 40"},
        {3, "Global", ""},
        {4, "Spot", ""},
        {5, "Suppress AES Position Reporting", "Item 58"},
        {6, "HSD Preemption Preferences", "Item 61"},
    };
    pages::Make_Labels(Label_General_U, lu, rows);

    Control_04 = pages::Make_Combo(QStringLiteral("Control_04"),
                            {QStringLiteral("Never"), QStringLiteral("Always"),
                             QStringLiteral("On Ground Only")});
    Control_34 = pages::Make_Fixed_Pitch_Edit(QStringLiteral("Control_34"), 4);
    Control_40a = pages::Make_Combo(QStringLiteral("Control_40a"),
                             {QStringLiteral("Disabled"), QStringLiteral("Enabled")});
    Control_40b = pages::Make_Combo(QStringLiteral("Control_40b"),
                             {QStringLiteral("Disable"), QStringLiteral("Enabled")});
    Control_58 = pages::Make_Combo(QStringLiteral("Control_58"),
                            {QStringLiteral("Disabled"), QStringLiteral("Enabled")});
    Control_61 = pages::Make_Combo(QStringLiteral("Control_61"),
                            {QStringLiteral("0: C-P4 > MPDS > ISDN"),
                             QStringLiteral("1: C-P4 > ISDN > MPDS"),
                             QStringLiteral("2: MPDS > C-P4 > ISDN"),
                             QStringLiteral("3: MPDS > ISDN > C-P4"),
                             QStringLiteral("4: ISDN > C-P4 > MPDS"),
                             QStringLiteral("5: ISDN > MPDS > C-P4")});
    // The user partition names their defaults.
    for (QWidget* list : {Control_40a, Control_40b, Control_58, Control_61})
        pages::Tip_Default(list);

    pages::Bind_Field(Control_34, core::Chars::Printable,
                      pages::String_Check(core::Chars::Printable, pages::Caption_Of(Label_General_U[1])));
    pages::Bind_Status_Hint(Control_34, Status_User(),
                            QStringLiteral("Superceded by Central Maintenance Data if present"));

    pages::Fit_To_Length(Control_34, Control_34->maxLength());

    // Item label, sub-label, field; items 40 are named by their sub-labels.
    auto* grid = new QGridLayout;
    const struct {
        QLabel* label;
        QLabel* sub_label;
        QWidget* field;
    } lines[] = {
        {Label_General_U[0], nullptr, Control_04},
        {Label_General_U[1], nullptr, Control_34},
        {Label_General_U[2], Label_General_U[3], Control_40a},
        {nullptr, Label_General_U[4], Control_40b},
        {Label_General_U[5], nullptr, Control_58},
        {Label_General_U[6], nullptr, Control_61},
    };
    int line = 0;
    for (const auto& row : lines) {
        if (row.label)
            grid->addWidget(row.label, line, 0);
        if (row.sub_label)
            grid->addWidget(row.sub_label, line, 1);
        grid->addWidget(row.field, line, 2);
        pages::Label_Field(row.sub_label ? row.sub_label : row.label, row.field);
        ++line;
    }
    grid->setColumnStretch(3, 1);
    User_Items()->addLayout(grid);

    Build_PSID_Table();
}

void Page_General::Build_PSID_Table()
{
    Frame_PsidSupFreq = pages::Make_Group(QStringLiteral("Frame_PsidSupFreq"),
                                          QStringLiteral("PSID Supplementary Frequencies"),
                                          QStringLiteral("Item 78"));

    Control_78 = new QListWidget;
    Control_78->setObjectName(QStringLiteral("Control_78"));
    Control_78->setAccessibleName(Frame_PsidSupFreq->title());
    Control_78->setToolTip(QStringLiteral("PSID Table"));
    Control_78->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Control_78->setSelectionMode(QAbstractItemView::SingleSelection);

    Control_78_Add = pages::Make_Button(QStringLiteral("Control_78_Add"), QStringLiteral("Add"),
                                 QStringLiteral("Add a new Sat entry"));
    Control_78_Edit = pages::Make_Button(QStringLiteral("Control_78_Edit"), QStringLiteral("Edit"),
                                  QStringLiteral("Edit currently selected Sat entry"));
    Control_78_Delete = pages::Make_Button(QStringLiteral("Control_78_Delete"), QStringLiteral("Delete"),
                                    QStringLiteral("Delete currently selected Sat entry"));
    const QString by_name = QStringLiteral("Sort by Sat Name");
    Control_78_Sort_Sat = pages::Make_Button(QStringLiteral("Control_78_Sort_Sat"), QStringLiteral("Sat"),
                                      QStringLiteral("Sort by Sat ID"));
    Control_78_Sort_Table_Revision = pages::Make_Button(QStringLiteral("Control_78_Sort_Table_Revision"),
                                                 QStringLiteral("Table Rev"), by_name);
    Control_78_Sort_PSID1 =
        pages::Make_Button(QStringLiteral("Control_78_Sort_PSID1"), QStringLiteral("PSID-1"), by_name);
    Control_78_Sort_PSID2 =
        pages::Make_Button(QStringLiteral("Control_78_Sort_PSID2"), QStringLiteral("PSID-2"), by_name);

    connect(Control_78_Add, &QPushButton::clicked, this, &Page_General::Control_78_Add_Click);
    connect(Control_78_Edit, &QPushButton::clicked, this, &Page_General::Control_78_Edit_Click);
    connect(Control_78_Delete, &QPushButton::clicked, this,
            &Page_General::Control_78_Delete_Click);

    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    for (QPushButton* heading : {Control_78_Sort_Sat, Control_78_Sort_Table_Revision,
                                 Control_78_Sort_PSID1, Control_78_Sort_PSID2}) {
        heading->setFocusPolicy(Qt::NoFocus);
        headings->addWidget(heading);
    }
    auto* commands = new QVBoxLayout;
    commands->addWidget(Control_78_Add);
    commands->addWidget(Control_78_Edit);
    commands->addWidget(Control_78_Delete);
    commands->addStretch(1);

    auto* list_column = new QVBoxLayout;
    list_column->setSpacing(0);
    list_column->addLayout(headings);
    list_column->addWidget(Control_78);
    auto* layout = new QHBoxLayout(Frame_PsidSupFreq);
    layout->addLayout(list_column, 1);
    layout->addLayout(commands);
    User_Items()->addWidget(Frame_PsidSupFreq);
}

void Page_General::Setup_ToolTips(int mode)
{
    struct Tip_Row {
        QWidget* control;
        QString fixed; // mode 2
        QString mixed; // mode 1
        QString standard;
    };
    const QString nm = QStringLiteral(" (Non-Modifiable)");
    const QString t30 = core::Tooltip_Text(ITEM_30);
    const QString t47a = core::Tooltip_Text(ITEM_47A);
    const QString t47b = core::Tooltip_Text(ITEM_47B);
    const QString t51a = QStringLiteral("Default: \"<SAT\"");
    const QString t51b = QStringLiteral("Default: \"<SAT-2\"");
    const QString t52 = QStringLiteral("Default: '1' and '2'");
    const QString t54 = QStringLiteral("Default: Composite and Uplink Disallowed");
    const Tip_Row rows[] = {
        {Control_01, QStringLiteral("Default: Automatic") + nm, QStringLiteral("Default: Automatic"),
         QStringLiteral("Default: Automatic")},
        {Control_04, QStringLiteral("Default: Never") + nm, QStringLiteral("Non-Modifiable"),
         QStringLiteral("Default: On Ground Only")},
        {Control_30, t30 + nm, t30, t30},
        {Control_47a, t47a + nm, t47a, t47a},
        {Control_47b, t47b + nm, t47b, t47b},
        {Control_51a, t51a + nm, t51a, t51a},
        {Control_51b, t51b + nm, t51b, t51b},
        {Control_52, t52 + nm, t52, t52},
        {Control_54, t54, t54, QStringLiteral("Default: None")},
    };
    for (const Tip_Row& row : rows)
        row.control->setToolTip(mode == 2 ? row.fixed : mode == 1 ? row.mixed : row.standard);
}

void Page_General::Write_Text_Output(QStringList& lines)
{
    const auto single = [&](const QLabel* label, const QString& value) {
        lines << label->text() + QStringLiteral(": ") + value;
    };
    const auto with_unit = [&](const QLabel* label, const QLineEdit* edit, const QLabel* unit) {
        lines << label->text() + QStringLiteral(": ") + edit->text() + QLatin1Char(' ') +
                     unit->text();
    };
    const auto per_sdu = [&](const QLabel* label, const QString& sdu1, const QString& sdu2) {
        lines << label->text() + QStringLiteral(", SDU 1: ") + sdu1;
        if (Dual_Mode())
            lines << label->text() + QStringLiteral(", SDU 2: ") + sdu2;
    };
    const auto sub = [&](const QLabel* label, const QLabel* sub_label, const QString& value) {
        lines << label->text() + QStringLiteral(", ") + sub_label->text() + QStringLiteral(": ") +
                     value;
    };

    if (Show_Secured()) {
        const bool level_0 = core::Versions().Secured_Current.Feature_Level == 0;
        single(Label_Sec_L0[0], Entry(Control_01));
        single(Label_Sec_L0[1], Entry(Control_18));
        with_unit(Label_Sec_L0[2], Control_30, Label_Sec_L0[9]);
        with_unit(Label_Sec_L0[3], Control_47a, Label_Sec_L0[10]);
        with_unit(Label_Sec_L0[4], Control_47b, Label_Sec_L0[11]);
        single(Label_Sec_L0[5], Entry(Control_52));
        single(Label_Sec_L0[6], Entry(Control_54));
        if (!level_0)
            single(Label_Sec_L1[0], Entry(Control_60));
        per_sdu(Label_Sec_L0[8], Control_51a->text(), Control_51b->text());
        if (level_0)
            per_sdu(Label_Sec_L0[12], Entry(Control_27a), Entry(Control_27b));
    }
    if (Show_User()) {
        single(Label_General_U[0], Entry(Control_04));
        single(Label_General_U[1], Control_34->text());
        sub(Label_General_U[2], Label_General_U[3], Entry(Control_40a));
        sub(Label_General_U[2], Label_General_U[4], Entry(Control_40b));
        single(Label_General_U[5], Entry(Control_58));
        if (core::Versions().User_Current.Feature_Level != 0)
            single(Label_General_U[6], Entry(Control_61));
    }
}

void Page_General::Write_Text_Output_PSID(QStringList& lines) const
{
    lines << pages::PSID_Report_Lines(pages::List_Lines(Control_78));
}

namespace {

// The selected row of a single-selection list, or -1.
int Selected_Row(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? list->currentRow() : -1;
}

} // namespace

void Page_General::Control_78_Add_Click()
{
    if (Control_78->count() >= pages::PSID_TABLE_ROWS) {
        platform::Warn(QStringLiteral("No more entries available"));
        return;
    }
    Add_Or_Replace_PSID_Row(PSID_Table_Dialog::Add_Sat(this), ADD);
}

void Page_General::Control_78_Edit_Click()
{
    const int row = Selected_Row(Control_78);
    if (row < 0)
        return;
    Add_Or_Replace_PSID_Row(PSID_Table_Dialog::Edit_Sat(Control_78->item(row)->text(), this),
                            REPLACE);
}

void Page_General::Control_78_Delete_Click()
{
    const int row = Selected_Row(Control_78);
    if (row < 0)
        return;
    const platform::MsgAnswer answer =
        platform::Msg_Box(QStringLiteral("Continue?"), platform::MsgButtons::YesNo,
                          platform::MsgIcon::None, QStringLiteral("Delete PSID Entry"));
    if (answer == platform::MsgAnswer::Yes)
        delete Control_78->takeItem(row);
}

void Page_General::Add_Or_Replace_PSID_Row(const QString& compact, int mode)
{
    if (compact.isEmpty())
        return;
    const pages::PSID_Fields fields = pages::Split_PSID_Compact(compact);
    const int selected = Selected_Row(Control_78);
    if (mode == REPLACE && selected < 0)
        return;

    int existing = -1;
    for (int i = 0; i < Control_78->count() && existing < 0; ++i)
        if (pages::PSID_Row_Sat_ID(Control_78->item(i)->text()) == fields.Sat_ID)
            existing = i;
    if (existing >= 0) {
        const bool same_row =
            mode == REPLACE &&
            pages::PSID_Row_Sat_ID(Control_78->item(selected)->text()) == fields.Sat_ID;
        if (!same_row) {
            platform::Critical(QStringLiteral("This Sat is already defined. Please choose another."));
            if (mode == ADD)
                Control_78_Add_Click();
            else // the user keeps what was entered and chooses another Sat ID
                Add_Or_Replace_PSID_Row(PSID_Table_Dialog::Edit_Entered(compact, this), REPLACE);
            return;
        }
    }

    const QString row = pages::Make_PSID_Row(fields);
    if (mode == ADD)
        Control_78->addItem(row);
    else
        Control_78->item(selected)->setText(row);
}
