#include "editor/pages/page_cabin.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/core/text_helpers.h"
#include "editor/core/validation.h"
#include "editor/core/value_helpers.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages/sdu_columns.h"
#include "platform/message_service.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>
#include <QVariant>

#include <utility>


namespace {

using Combo_Member = QComboBox* Page_Cabin::*;
using Edit_Member = QLineEdit* Page_Cabin::*;
using Spin_Member = pages::Up_Down* Page_Cabin::*;

constexpr int CODE_LENGTH = 4;

constexpr const core::Item_Fact& ITEM_59 = core::Fact(core::Item_Fact_Id::Item_59);
constexpr const core::Item_Fact& TERMINAL_ID = core::Fact(core::Item_Fact_Id::Item_45);

// The terminal-ID text that means no terminal: it fixes the assignment type.
const char* const NO_TERMINAL = "-1";

const char* const HINT_13 = "May have no effect, see Help";

const struct {
    const char* caption;
    const char* tag;
} USER_LABELS[11] = {
    {"Ground-to-Air Circuit-Mode Data", "Item 10"},
    {"Ground-to-Air Calls", "Item 13"},
    {"Preferred APHONE Call Routing", "Item 21"},
    {"APHONE Outgoing Call Barring Level", "Item 24"},
    {"Call Barring Security Code", "Item 25"},
    {"APHONE 1", "Item 45"},
    {"Called Terminal ID", "Item 45"},
    {"Assignment Type", "Item 45"},
    {"APHONE 2", "Item 45"},
    {"Called Terminal ID", "Item 45"},
    {"Assignment Type", "Item 45"},
};

// The combo boxes: entries separated by "|", in list-index order; a
// tooltip of nullptr names the default the item's row states.
const struct {
    Combo_Member combo;
    const char* name;
    const char* entries;
    const char* tooltip;
} COMBOS[] = {
    {&Page_Cabin::Control_23a, "Control_23a", "Not Allowed|Allowed", "Default: Allowed"},
    {&Page_Cabin::Control_23b, "Control_23b", "Not Allowed|Allowed", "Default: Allowed"},
    {&Page_Cabin::Control_10, "Control_10", "Not Allowed|Allowed", nullptr},
    {&Page_Cabin::Control_13, "Control_13", "Not Allowed|Analog Phone|Digital Phone|Headset", "Default: Headset"},
    {&Page_Cabin::Control_21a, "Control_21a", "None|Channel 1|Channel 2", nullptr},
    {&Page_Cabin::Control_21b, "Control_21b", "None|Channel 1|Channel 2", nullptr},
    {&Page_Cabin::Control_24a, "Control_24a", "0: None|1: Short/Stored|2: All", nullptr},
    {&Page_Cabin::Control_24b, "Control_24b", "0: None|1: Short/Stored|2: All", nullptr},
    {&Page_Cabin::Control_45_1b1, "Control_45_1b1", "Not Exclusive|Exclusive", nullptr},
    {&Page_Cabin::Control_45_1b2, "Control_45_1b2", "Not Exclusive|Exclusive", nullptr},
    {&Page_Cabin::Control_45_2b1, "Control_45_2b1", "Not Exclusive|Exclusive", nullptr},
    {&Page_Cabin::Control_45_2b2, "Control_45_2b2", "Not Exclusive|Exclusive", nullptr},
};

// The text fields: the numbers with their spin buttons, and the security
// codes (no item facts, no spin button).
const struct {
    Edit_Member edit;
    Spin_Member spin;
    const char* name;
    const char* spin_name;
    const core::Item_Fact* fact; // nullptr: a security code
} FIELDS[] = {
    {&Page_Cabin::Control_59, &Page_Cabin::UpDown_59, "Control_59", "UpDown_59", &ITEM_59},
    {&Page_Cabin::Control_25a, nullptr, "Control_25a", nullptr, nullptr},
    {&Page_Cabin::Control_25b, nullptr, "Control_25b", nullptr, nullptr},
    {&Page_Cabin::Control_45_1a1, &Page_Cabin::UpDown_45_1a1, "Control_45_1a1", "UpDown_45_1a1", &TERMINAL_ID},
    {&Page_Cabin::Control_45_1a2, &Page_Cabin::UpDown_45_1a2, "Control_45_1a2", "UpDown_45_1a2", &TERMINAL_ID},
    {&Page_Cabin::Control_45_2a1, &Page_Cabin::UpDown_45_2a1, "Control_45_2a1", "UpDown_45_2a1", &TERMINAL_ID},
    {&Page_Cabin::Control_45_2a2, &Page_Cabin::UpDown_45_2a2, "Control_45_2a2", "UpDown_45_2a2", &TERMINAL_ID},
};

int Field_Length(const core::Item_Fact* fact)
{
    return fact ? core::Text_Length(*fact) : CODE_LENGTH;
}

// Item 45 by SDU and APHONE: terminal ID, its assignment type, the label of its APHONE.
const struct {
    Edit_Member edit;
    Spin_Member spin;
    Combo_Member type;
    int aphone_label;
} TERMINALS[4] = {
    {&Page_Cabin::Control_45_1a1, &Page_Cabin::UpDown_45_1a1, &Page_Cabin::Control_45_1b1, 5},
    {&Page_Cabin::Control_45_1a2, &Page_Cabin::UpDown_45_1a2, &Page_Cabin::Control_45_1b2, 8},
    {&Page_Cabin::Control_45_2a1, &Page_Cabin::UpDown_45_2a1, &Page_Cabin::Control_45_2b1, 5},
    {&Page_Cabin::Control_45_2a2, &Page_Cabin::UpDown_45_2a2, &Page_Cabin::Control_45_2b2, 8},
};

// The assignment-type rule of one terminal: "-1" resets the type to
// "Not Exclusive" and disables it; any other ID enables it as it stands.
void Assignment_Rule(const QString& terminal_text, QComboBox* type)
{
    if (!type)
        return;
    if (terminal_text == QLatin1String(NO_TERMINAL)) {
        type->setCurrentIndex(0);
        type->setEnabled(false);
    } else {
        type->setEnabled(true);
    }
}

QLabel* Make_Label(const QString& name, int index, const char* caption, const char* tag)
{
    return pages::Make_Label(Array_Name(name, index), QString::fromLatin1(caption), QString::fromLatin1(tag));
}

QGroupBox* Make_SDU_Frame(const char* name, int index, const char* caption)
{
    return pages::Make_Group(Array_Name(QString::fromLatin1(name), index), QString::fromLatin1(caption));
}

// A field and its spin button side by side, kept to the left.
QWidget* Spin_Pair(QLineEdit* edit, pages::Up_Down* spin)
{
    return pages::Field_With_Spin(edit, spin, true);
}

} // namespace

QString Validate_Security_Code(const QString& text, const QString& caption, bool& cancel)
{
    bool bad_character = false;
    QString code = core::Validate_String(text, core::Chars::Digits, caption, bad_character);
    if (bad_character) {
        // A code is digits only: what the box named is not kept.
        code = pages::Filter_Text(code, core::Chars::Digits);
        cancel = true;
    }
    if (code.size() < CODE_LENGTH) {
        platform::Warn(QStringLiteral("Must be exactly 4 digits"), caption);
        cancel = true;
        code = core::Pad_Zeros(code, CODE_LENGTH);
    }
    return code;
}

Page_Cabin::Page_Cabin() : Page_Frame([] {
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Cabin");
    setup.Caption = QStringLiteral("Cabin APHONE Presets");
    setup.Secured_Caption = QStringLiteral("Cabin Secured Options");
    setup.User_Caption = QStringLiteral("Cabin User Options");
    setup.User_Status = QStringLiteral("StatusBar_Cabin_U");
    return setup;
}())
{
    Build_Controls();
    Build_Secured();
    Build_User();
    Bind_Fields();
    Apply_Assignment_Type_Rule();
}

void Page_Cabin::Build_Controls()
{
    Label_Sec_L0[0] = Make_Label(QStringLiteral("Label_Sec_L0"), 0, "APHONE System Management Commands", "Item 23");
    Label_Sec_L1[0] = Make_Label(QStringLiteral("Label_Sec_L1"), 0, ITEM_59.Title, "Item 59");
    for (std::size_t i = 0; i < Label_User_L0.size(); ++i)
        Label_User_L0[i] = Make_Label(QStringLiteral("Label_User_L0"), static_cast<int>(i), USER_LABELS[i].caption,
                                      USER_LABELS[i].tag);

    for (const auto& row : COMBOS) {
        this->*row.combo = pages::Make_Combo(QString::fromLatin1(row.name),
                                             QString::fromLatin1(row.entries).split(QLatin1Char('|')), QString(),
                                             pages::Combo_Start::No_Entry);
        pages::Tip_Or_Default(this->*row.combo, row.tooltip);
    }
    for (const auto& row : FIELDS) {
        QLineEdit* edit = pages::Make_Edit(
            QString::fromLatin1(row.name), Field_Length(row.fact),
            row.fact ? core::Default_Text(*row.fact) : QString::fromLatin1(SECURITY_CODE_DEFAULT),
            row.fact ? core::Tooltip_Text(*row.fact)
                     : QStringLiteral("Default: ") + QString::fromLatin1(SECURITY_CODE_DEFAULT));
        this->*row.edit = edit;
        if (row.spin) {
            pages::Up_Down* spin = pages::Make_Spin(QString::fromLatin1(row.spin_name));
            pages::Follow_Number(spin, edit->text());
            this->*row.spin = spin;
        }
    }
    // The security codes are shown in a fixed-pitch font.
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    for (QLineEdit* code : {Control_25a, Control_25b})
        code->setFont(fixed);
    for (const auto& row : FIELDS)
        pages::Fit_To_Length(this->*row.edit, Field_Length(row.fact));
    // The hidden second value of item 59.
    Set_Tag(Control_59, core::Default_Text(core::Fact(core::Item_Fact_Id::Item_59_Companion)));
}

void Page_Cabin::Build_Secured()
{
    Frame_SDU1[0] = Make_SDU_Frame("Frame_SDU1", 0, "SDU 1");
    Frame_SDU2[0] = Make_SDU_Frame("Frame_SDU2", 0, "SDU 2");
    Secured_Items()->addLayout(
        pages::SDU_Columns({{Label_Sec_L0[0], {{Control_23a}, {Control_23b}}}}, {Frame_SDU1[0], Frame_SDU2[0]}));

    auto* grid = new QGridLayout;
    pages::Label_Field(Label_Sec_L1[0], Control_59);
    grid->addWidget(Label_Sec_L1[0], 0, 0);
    grid->addWidget(Spin_Pair(Control_59, UpDown_59), 0, 1);
    grid->setColumnStretch(2, 1);
    Secured_Items()->addLayout(grid);
}

void Page_Cabin::Build_User()
{
    auto* grid = new QGridLayout;
    const std::pair<QLabel*, QComboBox*> rows[] = {{Label_User_L0[0], Control_10}, {Label_User_L0[1], Control_13}};
    int line = 0;
    for (const auto& [row_label, combo] : rows) {
        pages::Label_Field(row_label, combo);
        grid->addWidget(row_label, line, 0);
        grid->addWidget(combo, line, 1);
        ++line;
    }
    grid->setColumnStretch(2, 1);
    User_Items()->addLayout(grid);

    // The per-SDU items: row labels on the left, one column per SDU.
    const auto label = [this](std::size_t index) { return Label_User_L0[index]; };
    Frame_SDU1[1] = Make_SDU_Frame("Frame_SDU1", 1, "SDU 1");
    Frame_SDU2[1] = Make_SDU_Frame("Frame_SDU2", 1, "SDU 2");
    User_Items()->addLayout(pages::SDU_Columns(
        {
            {label(2), {{Control_21a}, {Control_21b}}},
            {label(3), {{Control_24a}, {Control_24b}}},
            {label(4), {{Control_25a}, {Control_25b}}},
            {label(5), {}},
            {label(6), {{Spin_Pair(Control_45_1a1, UpDown_45_1a1)}, {Spin_Pair(Control_45_2a1, UpDown_45_2a1)}}},
            {label(7), {{Control_45_1b1}, {Control_45_2b1}}},
            {label(8), {}},
            {label(9), {{Spin_Pair(Control_45_1a2, UpDown_45_1a2)}, {Spin_Pair(Control_45_2a2, UpDown_45_2a2)}}},
            {label(10), {{Control_45_1b2}, {Control_45_2b2}}},
        },
        {Frame_SDU1[1], Frame_SDU2[1]}));
}

void Page_Cabin::Bind_Fields()
{
    pages::Bind_Status_Hint(Control_13, Status_User(), QString::fromLatin1(HINT_13));

    // Every check on this page lets the focus move on.
    const auto move_on = pages::Focus_Rule::Move_On;

    pages::Bind_Whole_Spin(Control_59, UpDown_59, core::Chars::Digits, ITEM_59, pages::Caption_Of(Label_Sec_L1[0]),
                           move_on);

    const pages::Title_Source code_title = pages::Caption_Of(Label_User_L0[4]);
    for (QLineEdit* code : {Control_25a, Control_25b}) {
        pages::Bind_Field(
            code, core::Chars::Digits,
            [code_title](const QString& text, bool& cancel) {
                return Validate_Security_Code(text, code_title(), cancel);
            },
            move_on);
    }

    for (const auto& terminal : TERMINALS)
        Bind_Terminal(this->*terminal.edit, this->*terminal.spin, this->*terminal.type, terminal.aphone_label);
}

void Page_Cabin::Bind_Terminal(QLineEdit* edit, pages::Up_Down* spin, QComboBox* type, int aphone_label)
{
    const pages::Title_Source aphone = pages::Caption_Of(Label_User_L0[static_cast<std::size_t>(aphone_label)]);
    const pages::Title_Source terminal = pages::Caption_Of(Label_User_L0[static_cast<std::size_t>(aphone_label + 1)]);
    // A check and a click alike apply the assignment-type rule to the new text at once.
    const QPointer<QComboBox> guarded_type(type);
    pages::Bind_Whole_Spin(
        edit, spin, core::Chars::Signed_Digits, TERMINAL_ID,
        [aphone, terminal] { return aphone() + QStringLiteral(": ") + terminal(); }, pages::Focus_Rule::Move_On,
        [guarded_type](const QString& text) { Assignment_Rule(text, guarded_type); });
}

void Page_Cabin::Apply_Assignment_Type_Rule()
{
    for (const auto& terminal : TERMINALS)
        (this->*terminal.type)->setEnabled((this->*terminal.edit)->text() != QLatin1String(NO_TERMINAL));
}

void Page_Cabin::Setup_ToolTips(int mode)
{
    // Item 13 reads "Not Allowed" from mode 1 upwards; item 23 has its own
    // text in modes 1 and 2 only.
    Control_13->setToolTip(mode >= 1 ? QStringLiteral("Default: Not Allowed") : QStringLiteral("Default: Headset"));
    const QString item_23 = mode == 2   ? QStringLiteral("Default: Not Allowed (Non-Modifiable)")
                            : mode == 1 ? QStringLiteral("Default: Not Allowed")
                                        : QStringLiteral("Default: Allowed");
    Control_23a->setToolTip(item_23);
    Control_23b->setToolTip(item_23);
}

void Page_Cabin::Write_Text_Output(QStringList& lines)
{
    const auto user = [this](int index) { return Label_User_L0[static_cast<std::size_t>(index)]->text(); };
    const QString colon = QStringLiteral(": ");
    const QString sdu1 = QStringLiteral(", SDU 1: ");
    const QString sdu2 = QStringLiteral(", SDU 2: ");
    const bool dual = Dual_Mode();

    if (Show_Secured()) {
        if (core::Versions().Secured_Current.Feature_Level != 0)
            lines << Label_Sec_L1[0]->text() + colon + Control_59->text();
        lines << Label_Sec_L0[0]->text() + sdu1 + Control_23a->currentText();
        if (dual)
            lines << Label_Sec_L0[0]->text() + sdu2 + Control_23b->currentText();
    }
    if (!Show_User())
        return;

    lines << user(0) + colon + Control_10->currentText();
    lines << user(1) + colon + Control_13->currentText();
    const struct {
        int label;
        QString sdu1_value;
        QString sdu2_value;
    } per_sdu[] = {
        {2, Control_21a->currentText(), Control_21b->currentText()},
        {3, Control_24a->currentText(), Control_24b->currentText()},
        {4, Control_25a->text(), Control_25b->text()},
    };
    for (const auto& item : per_sdu) {
        lines << user(item.label) + sdu1 + item.sdu1_value;
        if (dual)
            lines << user(item.label) + sdu2 + item.sdu2_value;
    }

    // Item 45: APHONE label, ": SDU n, ", field label, ": ", value.
    const auto aphone_lines = [&](int aphone_label, int sdu, const QLineEdit* terminal, const QComboBox* type) {
        const QString head = user(aphone_label) + QStringLiteral(": SDU ") + QString::number(sdu) + QStringLiteral(", ");
        lines << head + user(aphone_label + 1) + colon + terminal->text();
        lines << head + user(aphone_label + 2) + colon + type->currentText();
    };
    aphone_lines(5, 1, Control_45_1a1, Control_45_1b1);
    if (dual)
        aphone_lines(5, 2, Control_45_2a1, Control_45_2b1);
    aphone_lines(8, 1, Control_45_1a2, Control_45_1b2);
    if (dual)
        aphone_lines(8, 2, Control_45_2a2, Control_45_2b2);
}
