#include "editor/pages/page_cockpit_voice.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/core/value_helpers.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages/sdu_columns.h"
#include "platform/message_service.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QVariant>

#include <functional>

namespace {

using Combo_Member = QComboBox* Page_Cockpit_Voice::*;

const char* const PAIRING_TITLE = "Invalid pairing of ORT settings";
const char* const HINT_HELP = "May have no effect, see Help";
const char* const HINT_WSC = "No SATCOM effect with WSC";
const char* const HINT_CHIME = "May not have an effect dependent on customer configuration";
const char* const HINT_WSC_USER = "No direct SATCOM effect with WSC, but possible effect via the WSC itself";

const struct {
    const char* caption;
    const char* tag;
} SECURED_LABELS[10] = {
    {"SCDU Telephone Number Preselect", "Item 31"},
    {"ACP Call Initiation", "Item 32"},
    {"Air-to-Ground Chime", "Item 42"},
    {"SCDU Call Prompts", "Item 43"},
    {"Cockpit Audio Level Settings", "Item 46"},
    {"Microphone", "Item 46"},
    {"Sidetone", "Item 46"},
    {"Receive Audio", "Item 46"},
    {"Codec 1 Dedication", "Item 6"},
    {"Codec 2 Dedication", "Item 6"},
};

const struct {
    const char* caption;
    const char* tag;
} USER_LABELS[9] = {
    {"Resources Reserved for Headset", "Item 7"},
    {"Call Camp-On Duration", "Item 14"},
    {"Camp-On Timeout Action", "Item 15"},
    {"Ground-to-Air Call Preemption", "Item 19"},
    {"Priority 2", "Item 19"},
    {"Priority 3", "Item 19"},
    {"Preferred Cockpit Call Routing", "Item 20"},
    {"Headset Outgoing Call Barring Level", "Item 35"},
    {"Headset Transit Call", "Item 36"},
};

// The combo boxes: entries separated by "|", in list-index order; a
// tooltip of nullptr names the default the item's row states.
const struct {
    Combo_Member combo;
    const char* name;
    const char* entries;
    const char* tooltip;
} COMBOS[] = {
    {&Page_Cockpit_Voice::Control_31, "Control_31", "Disabled|Enabled", "Default: Disabled"},
    {&Page_Cockpit_Voice::Control_32, "Control_32", "Disabled|Main Menu", "Default: Disabled"},
    {&Page_Cockpit_Voice::Control_42, "Control_42", "Always Chime|Camped-On Only|Never Chime",
     "Default: Always Chime"},
    {&Page_Cockpit_Voice::Control_43, "Control_43",
     "0: All Prompts Enabled|1: Answer / End Disabled|2: All Disabled|3: Alt Interface",
     "Default: 0: All Prompts Enabled"},
    {&Page_Cockpit_Voice::Control_06a1, "Control_06a1", "Automatic|Cockpit|Cabin", nullptr},
    {&Page_Cockpit_Voice::Control_06b1, "Control_06b1", "Automatic|Cockpit|Cabin", nullptr},
    {&Page_Cockpit_Voice::Control_06a2, "Control_06a2", "Automatic|Cockpit|Cabin", nullptr},
    {&Page_Cockpit_Voice::Control_06b2, "Control_06b2", "Automatic|Cockpit|Cabin", nullptr},
    {&Page_Cockpit_Voice::Control_07, "Control_07", "Disabled|Channel 1|Channel 2", nullptr},
    {&Page_Cockpit_Voice::Control_14, "Control_14", "Indefinite|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|Immediate",
     "Default: Indefinite"},
    {&Page_Cockpit_Voice::Control_15, "Control_15", "Cancel|Preempt", "Default: Cancel"},
    {&Page_Cockpit_Voice::Control_19a, "Control_19a", "Do Not Preempt|Preempt", "Default: Preempt"},
    {&Page_Cockpit_Voice::Control_19b, "Control_19b", "Do Not Preempt|Preempt", "Default: Preempt"},
    {&Page_Cockpit_Voice::Control_20, "Control_20", "Channel 1|Channel 2", nullptr},
    {&Page_Cockpit_Voice::Control_35, "Control_35", "0: No Calls Barred|1: All Barred Except Short/Stored",
     nullptr},
    {&Page_Cockpit_Voice::Control_36, "Control_36", "Disable|Enable", "Default: Disable"},
    {&Page_Cockpit_Voice::Control_63, "Control_63", "Disabled|Priority 1|Priority 2|Priority 3|Priority 4",
     nullptr},
};

// The audio levels of item 46.
const struct {
    QLineEdit* Page_Cockpit_Voice::*edit;
    pages::Up_Down* Page_Cockpit_Voice::*spin;
    const char* name;
    const char* spin_name;
    int label;
    core::Item_Fact_Id fact;
} LEVELS[3] = {
    {&Page_Cockpit_Voice::Control_46a, &Page_Cockpit_Voice::UpDown_46a, "Control_46a", "UpDown_46a", 5,
     core::Item_Fact_Id::Item_46a},
    {&Page_Cockpit_Voice::Control_46b, &Page_Cockpit_Voice::UpDown_46b, "Control_46b", "UpDown_46b", 6,
     core::Item_Fact_Id::Item_46b},
    {&Page_Cockpit_Voice::Control_46c, &Page_Cockpit_Voice::UpDown_46c, "Control_46c", "UpDown_46c", 7,
     core::Item_Fact_Id::Item_46c},
};

constexpr const core::Item_Fact& SIDETONE = core::Fact(core::Item_Fact_Id::Item_46b);

// Tooltips that follow the tooltip mode; every other control keeps its own.
const struct {
    const char* name;
    const char* mode2;
    const char* mode1;
    const char* other;
} MODE_TOOLTIPS[] = {
    {"Control_31", "Default: Enabled (Non-Modifiable)", "Default: Enabled", "Default: Disabled"},
    {"Control_32", "Default: Main Menu (Non-Modifiable)", "Default: Main Menu", "Default: Disabled"},
    {"Control_42", "Default: Always Chime (Non-Modifiable)", "Default: Always Chime", "Default: Always Chime"},
    {"Control_43", "Default: 3: Alt Interface (Non-Modifiable)", "Default: 3: Alt Interface",
     "Default: 0: All Prompts Enabled"},
    {"Control_14", "Default: Immediate (Non-Modifiable)", "Non-Modifiable", "Default: Indefinite"},
    {"Control_15", "Default: Preempt (Non-Modifiable)", "Non-Modifiable", "Default: Cancel"},
    {"Control_19a", "Default: Preempt (Non-Modifiable)", "Default: Preempt", "Default: Preempt"},
    {"Control_19b", "Default: Preempt (Non-Modifiable)", "Default: Preempt", "Default: Preempt"},
    {"Control_36", "Default: Disable (Non-Modifiable)", "Default: Disable", "Default: Disable"},
};

// The hint shown only while the partition's airframer level is 0.
std::function<QString()> Hint_At_Level_0(bool secured, const char* hint)
{
    return pages::Airframer_Level_0_Hint(secured, QString::fromLatin1(hint));
}

QLabel* Make_Label(const QString& name, int index, const char* caption, const char* tag)
{
    return pages::Make_Label(Array_Name(name, index), QString::fromLatin1(caption), QString::fromLatin1(tag));
}

} // namespace

Page_Cockpit_Voice::Page_Cockpit_Voice() : Page_Frame([] {
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Cockpit_Voice");
    setup.Caption = QStringLiteral("Cockpit Comm Presets");
    setup.Secured_Caption = QStringLiteral("Cockpit Voice Secured Options");
    setup.User_Caption = QStringLiteral("Cockpit Voice User Options");
    setup.Secured_Status = QStringLiteral("StatusBar_Secured");
    setup.User_Status = QStringLiteral("StatusBar_User");
    return setup;
}())
{
    Build_Labels_And_Combos();
    Build_Secured();
    Build_User();
    Bind_Levels();
    Bind_Hints();
    Control_31->installEventFilter(this);
    Control_32->installEventFilter(this);
}

void Page_Cockpit_Voice::Build_Labels_And_Combos()
{
    for (std::size_t i = 0; i < Label_Sec_L0.size(); ++i)
        Label_Sec_L0[i] = Make_Label(QStringLiteral("Label_Sec_L0"), static_cast<int>(i), SECURED_LABELS[i].caption,
                                     SECURED_LABELS[i].tag);
    for (std::size_t i = 0; i < Label_User_L0.size(); ++i)
        Label_User_L0[i] = Make_Label(QStringLiteral("Label_User_L0"), static_cast<int>(i), USER_LABELS[i].caption,
                                      USER_LABELS[i].tag);
    Label_User_L2[0] = Make_Label(QStringLiteral("Label_User_L2"), 0, "WSC Manual Dialing", "Item 63");

    for (const auto& row : COMBOS) {
        this->*row.combo = pages::Make_Combo(QString::fromLatin1(row.name),
                                             QString::fromLatin1(row.entries).split(QLatin1Char('|')), QString(),
                                             pages::Combo_Start::No_Entry);
        pages::Tip_Or_Default(this->*row.combo, row.tooltip);
    }
    for (const auto& row : LEVELS) {
        const core::Item_Fact& fact = core::Fact(row.fact);
        QLineEdit* edit = pages::Make_Edit(QString::fromLatin1(row.name), core::Text_Length(fact),
                                           core::Default_Text(fact), core::Tooltip_Text(fact));
        pages::Fit_To_Length(edit, edit->maxLength());
        this->*row.edit = edit;
        pages::Up_Down* spin = pages::Make_Spin(QString::fromLatin1(row.spin_name));
        pages::Set_Spin_Value(spin, static_cast<int>(fact.Default));
        this->*row.spin = spin;
    }
}

void Page_Cockpit_Voice::Build_Secured()
{
    auto* grid = new QGridLayout;
    int row = 0;
    for (QComboBox* combo : {Control_31, Control_32, Control_42, Control_43}) {
        pages::Label_Field(Label_Sec_L0[static_cast<std::size_t>(row)], combo);
        grid->addWidget(Label_Sec_L0[static_cast<std::size_t>(row)], row, 0);
        grid->addWidget(combo, row, 1, 1, 2);
        ++row;
    }
    grid->addWidget(Label_Sec_L0[4], row++, 0, 1, 3);
    for (const auto& level : LEVELS) {
        pages::Label_Field(Label_Sec_L0[static_cast<std::size_t>(level.label)], this->*level.edit);
        grid->addWidget(Label_Sec_L0[static_cast<std::size_t>(level.label)], row, 0);
        grid->addWidget(this->*level.edit, row, 1);
        grid->addWidget(this->*level.spin, row, 2);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    Secured_Items()->addLayout(grid);

    // Item 6: the codec labels on the left, one column per SDU.
    Frame_SDU1 = pages::Make_Group(QStringLiteral("Frame_SDU1"), QStringLiteral("SDU 1"));
    Frame_SDU2 = pages::Make_Group(QStringLiteral("Frame_SDU2"), QStringLiteral("SDU 2"));
    Secured_Items()->addLayout(pages::SDU_Columns({{Label_Sec_L0[8], {{Control_06a1}, {Control_06a2}}},
                                                   {Label_Sec_L0[9], {{Control_06b1}, {Control_06b2}}}},
                                                  {Frame_SDU1, Frame_SDU2}));
}

void Page_Cockpit_Voice::Build_User()
{
    auto* grid = new QGridLayout;
    int row = 0;
    const auto add = [&](QLabel* label, QComboBox* combo) {
        pages::Label_Field(label, combo);
        grid->addWidget(label, row, 0);
        grid->addWidget(combo, row, 1);
        ++row;
    };
    add(Label_User_L0[0], Control_07);
    add(Label_User_L0[1], Control_14);
    add(Label_User_L0[2], Control_15);
    grid->addWidget(Label_User_L0[3], row++, 0, 1, 2);
    add(Label_User_L0[4], Control_19a);
    add(Label_User_L0[5], Control_19b);
    add(Label_User_L0[6], Control_20);
    add(Label_User_L0[7], Control_35);
    add(Label_User_L0[8], Control_36);
    add(Label_User_L2[0], Control_63);
    grid->setColumnStretch(2, 1);
    User_Items()->addLayout(grid);
}

void Page_Cockpit_Voice::Bind_Levels()
{
    for (const auto& level : LEVELS) {
        QLineEdit* edit = this->*level.edit;
        pages::Up_Down* spin = this->*level.spin;
        const pages::Title_Source group = pages::Caption_Of(Label_Sec_L0[4]);
        const pages::Title_Source own = pages::Caption_Of(Label_Sec_L0[static_cast<std::size_t>(level.label)]);
        // A corrected level keeps the focus; the spin button follows the result.
        pages::Bind_Whole_Spin(edit, spin, core::Chars::Digits, core::Fact(level.fact),
                               [group, own] { return group() + QStringLiteral(": ") + own(); },
                               pages::Focus_Rule::Keep_Focus);
    }
}

void Page_Cockpit_Voice::Bind_Hints()
{
    pages::Bind_Status_Hint(Control_31, Status_Secured(), Hint_At_Level_0(true, HINT_HELP));
    pages::Bind_Status_Hint(Control_32, Status_Secured(), Hint_At_Level_0(true, HINT_WSC));
    pages::Bind_Status_Hint(Control_42, Status_Secured(), Hint_At_Level_0(true, HINT_CHIME));
    pages::Bind_Status_Hint(Control_43, Status_Secured(), Hint_At_Level_0(true, HINT_WSC));
    pages::Bind_Status_Hint(Control_36, Status_User(), Hint_At_Level_0(false, HINT_WSC_USER));
    pages::Bind_Status_Hint(Control_63, Status_User(), QString::fromLatin1(HINT_WSC_USER));
}

bool Page_Cockpit_Voice::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && (watched == Control_31 || watched == Control_32)) {
        // Only a focus move inside the program's windows validates; a box,
        // a popup list or another application taking the focus does not.
        // A combo box that is being hidden or disabled is not being left.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const auto* combo = static_cast<QWidget*>(watched);
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && combo->isVisible() &&
            combo->isEnabled())
            Check_Pairing(watched == Control_31 ? Leaving::Item_31 : Leaving::Item_32);
    }
    return Page_Frame::eventFilter(watched, event);
}

void Page_Cockpit_Voice::Check_Pairing(Leaving leaving)
{
    if (checking_pair_ || Control_31->currentIndex() != 0 || Control_32->currentIndex() != 1)
        return;
    checking_pair_ = true;
    const QString title = QString::fromLatin1(PAIRING_TITLE);
    if (leaving == Leaving::Item_31) {
        platform::Warn(Label_Sec_L0[1]->text() + QStringLiteral(" changing to 'Disabled'"), title);
        Control_32->setCurrentIndex(0);
    } else {
        platform::Warn(Label_Sec_L0[0]->text() + QStringLiteral(" changing to 'Enabled'"), title);
        Control_31->setCurrentIndex(1);
    }
    checking_pair_ = false;
}

bool Page_Cockpit_Voice::ValidateControls()
{
    if (!Page_Frame::ValidateControls())
        return false;
    // A pair left behind by a load or by code is corrected as if item 31
    // were being left, unless item 32 holds the focus.
    if (Show_Secured())
        Check_Pairing(focusWidget() == Control_32 ? Leaving::Item_32 : Leaving::Item_31);
    return true;
}

void Page_Cockpit_Voice::Setup_ToolTips(int mode)
{
    for (const auto& row : MODE_TOOLTIPS) {
        const char* text = mode == 2 ? row.mode2 : mode == 1 ? row.mode1 : row.other;
        if (auto* control = findChild<QWidget*>(QString::fromLatin1(row.name)))
            control->setToolTip(QString::fromLatin1(text));
    }
    // An Airbus ORT fixes the sidetone level (modes 1 and 2 describe one).
    Control_46b->setToolTip(mode == 1 || mode == 2 ? core::Tooltip_Text(SIDETONE, *SIDETONE.Airframer_Value)
                                                   : core::Tooltip_Text(SIDETONE));
}

void Page_Cockpit_Voice::Write_Text_Output(QStringList& lines)
{
    const auto sec = [this](int index) { return Label_Sec_L0[static_cast<std::size_t>(index)]->text(); };
    const auto user = [this](int index) { return Label_User_L0[static_cast<std::size_t>(index)]->text(); };
    const QString colon = QStringLiteral(": ");
    const QString comma = QStringLiteral(", ");
    const core::Version_State& versions = core::Versions();

    if (Show_Secured()) {
        lines << sec(0) + colon + Control_31->currentText();
        lines << sec(1) + colon + Control_32->currentText();
        lines << sec(2) + colon + Control_42->currentText();
        lines << sec(3) + colon + Control_43->currentText();
        lines << sec(4) + comma + sec(5) + colon + Control_46a->text();
        lines << sec(4) + comma + sec(6) + colon + Control_46b->text();
        lines << sec(4) + comma + sec(7) + colon + Control_46c->text();
        if (versions.Secured_Current.Feature_Level == 0) {
            lines << sec(8) + QStringLiteral(", SDU 1: ") + Control_06a1->currentText();
            lines << sec(9) + QStringLiteral(", SDU 1: ") + Control_06b1->currentText();
            if (Dual_Mode()) {
                lines << sec(8) + QStringLiteral(", SDU 2: ") + Control_06a2->currentText();
                lines << sec(9) + QStringLiteral(", SDU 2: ") + Control_06b2->currentText();
            }
        }
    }
    if (Show_User()) {
        lines << user(0) + colon + Control_07->currentText();
        lines << user(1) + colon + Control_14->currentText();
        lines << user(2) + colon + Control_15->currentText();
        lines << user(3) + comma + user(4) + colon + Control_19a->currentText();
        lines << user(3) + comma + user(5) + colon + Control_19b->currentText();
        lines << user(6) + colon + Control_20->currentText();
        lines << user(7) + colon + Control_35->currentText();
        lines << user(8) + colon + Control_36->currentText();
        if (versions.User_Current.Feature_Level >= 2)
            lines << Label_User_L2[0]->text() + colon + Control_63->currentText();
    }
}

void Page_Cockpit_Voice::Dual(bool bDual)
{
    // The SDU 2 column follows the SDU mode only at secured feature level 0.
    if (core::Versions().Secured_Current.Feature_Level == 0)
        Page_Frame::Dual(bDual);
}
