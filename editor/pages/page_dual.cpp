#include "editor/pages/page_dual.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/core/value_helpers.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QVariant>


namespace {

const char* const HINT_WSC = "No SATCOM effect with WSC";
const char* const TOOLTIP_50 = "Default: Presented";
const char* const NON_MODIFIABLE = " (Non-Modifiable)";

const struct {
    const char* caption;
    const char* tag;
} SECURED_LABELS[3] = {
    {"Cockpit Channel Interface Type", "Item 48"},
    {"\"Disable/Re-enable Other SATCOM\" SCDU Prompts", "Item 50"},
    {"Access to Zero Preference GESs", "Item 56"},
};

// The caption of the group; each weighting's label carries its title.
const char* const WEIGHTING_GROUP = "Mastery Handover Algorithm Weighting";

// The row of the item facts of weighting i.
const core::Item_Fact& Weighting(std::size_t i)
{
    return core::Fact(core::Item_Fact_Id::Item_49_0, static_cast<int>(i));
}

const struct {
    QComboBox* Page_Dual::*combo;
    const char* name;
    const char* entries[2];
    const char* tooltip; // nullptr: the default the item's row states
} COMBOS[3] = {
    {&Page_Dual::Control_48, "Control_48", {"Fixed", "Shared"}, nullptr},
    {&Page_Dual::Control_50, "Control_50", {"Presented", "Suppressed"}, TOOLTIP_50},
    {&Page_Dual::Control_56, "Control_56", {"Disallowed", "Allowed"}, nullptr},
};

} // namespace

Page_Dual::Page_Dual() : Page_Frame([] {
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Dual");
    setup.Caption = QStringLiteral("Dual Presets");
    setup.Secured_Caption = QStringLiteral("Dual SATCOM Secured Options");
    setup.User_Caption = QStringLiteral("Dual SATCOM User Options");
    setup.Secured_Status = QStringLiteral("StatusBar_Dual_S");
    return setup;
}())
{
    Build_Secured();
    Build_User();
}

void Page_Dual::Build_Secured()
{
    auto* grid = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        QLabel* label = pages::Make_Label(Array_Name(QStringLiteral("Label_Sec_L0"), i),
                                          QString::fromLatin1(SECURED_LABELS[i].caption),
                                          QString::fromLatin1(SECURED_LABELS[i].tag));
        Label_Sec_L0[static_cast<std::size_t>(i)] = label;

        QComboBox* combo = pages::Make_Combo(
            QString::fromLatin1(COMBOS[i].name),
            {QString::fromLatin1(COMBOS[i].entries[0]), QString::fromLatin1(COMBOS[i].entries[1])},
            QString(), pages::Combo_Start::No_Entry);
        pages::Tip_Or_Default(combo, COMBOS[i].tooltip);
        this->*COMBOS[i].combo = combo;

        pages::Label_Field(label, combo);
        grid->addWidget(label, i, 0);
        grid->addWidget(combo, i, 1);
    }
    grid->setColumnStretch(2, 1);
    Secured_Items()->addLayout(grid);

    // The prompt setting has no effect with a WSC (standard airframer level).
    pages::Bind_Status_Hint(Control_50, Status_Secured(),
                            pages::Airframer_Level_0_Hint(true, QString::fromLatin1(HINT_WSC)));
}

void Page_Dual::Build_User()
{
    for (int i = 0; i < 7; ++i) {
        const char* caption = i == 0 ? WEIGHTING_GROUP : Weighting(static_cast<std::size_t>(i - 1)).Title;
        Label_User_L0[static_cast<std::size_t>(i)] = pages::Make_Label(
            Array_Name(QStringLiteral("Label_User_L0"), i), QString::fromLatin1(caption), QStringLiteral("Item 49"));
    }
    auto* grid = new QGridLayout;
    grid->addWidget(Label_User_L0[0], 0, 0, 1, 3);
    for (std::size_t i = 0; i < Control_49.size(); ++i) {
        const int index = static_cast<int>(i);
        const core::Item_Fact& fact = Weighting(i);

        QLineEdit* edit = pages::Make_Edit(Array_Name(QStringLiteral("Control_49"), index), core::Text_Length(fact),
                                           core::Default_Text(fact), core::Tooltip_Text(fact));
        pages::Fit_To_Length(edit, edit->maxLength());
        pages::Up_Down* spin = pages::Make_Spin(Array_Name(QStringLiteral("UpDown_49"), index));
        pages::Set_Spin_Value(spin, static_cast<int>(fact.Default));
        Control_49[i] = edit;
        UpDown_49[i] = spin;

        // Titled with the traffic name alone; the corrected value stands and
        // the focus moves on. The spin button follows the result.
        pages::Bind_Whole_Spin(edit, spin, core::Chars::Digits, fact, pages::Caption_Of(Label_User_L0[i + 1]),
                               pages::Focus_Rule::Move_On);

        pages::Label_Field(Label_User_L0[i + 1], edit);
        grid->addWidget(Label_User_L0[i + 1], index + 1, 0);
        grid->addWidget(edit, index + 1, 1);
        grid->addWidget(spin, index + 1, 2);
    }
    grid->setColumnStretch(3, 1);
    User_Items()->addLayout(grid);
}

void Page_Dual::Setup_ToolTips(int mode)
{
    Control_50->setToolTip(QString::fromLatin1(TOOLTIP_50) +
                           (mode == 2 ? QString::fromLatin1(NON_MODIFIABLE) : QString()));
}

void Page_Dual::Write_Text_Output(QStringList& lines)
{
    const QString separator = QStringLiteral(": ");
    if (Show_Secured()) {
        for (std::size_t i = 0; i < Label_Sec_L0.size(); ++i)
            lines << Label_Sec_L0[i]->text() + separator + (this->*COMBOS[i].combo)->currentText();
    }
    if (Show_User()) {
        for (std::size_t i = 0; i < Control_49.size(); ++i)
            lines << Label_User_L0[0]->text() + QStringLiteral(", ") + Label_User_L0[i + 1]->text() +
                         separator + Control_49[i]->text();
    }
}

void Page_Dual::Dual(bool /*bDual*/)
{
    // The page has no SDU column and keeps no Dual_Mode.
}
