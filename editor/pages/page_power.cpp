#include "editor/pages/page_power.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/core/value_helpers.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages/sdu_columns.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

using Edit_Member = QLineEdit* Page_Power::*;
using Spin_Member = pages::Up_Down* Page_Power::*;

constexpr int NONE = -1;

using core::Item_Fact_Id;

struct Label_Row {
    const char* caption;
    const char* tag; // nullptr: a unit label
};

// Label_Sec_L0 by index.
const Label_Row LABELS[27] = {
    {"Tx Gain Threshold", "Item 22"},
    {"HGA Only", "Item 22"},
    {"dBic", nullptr},
    {"IGA Only", "Item 22"},
    {"dBic", nullptr},
    {core::Fact(Item_Fact_Id::Item_39).Title, "Item 39"},
    {"Degrees", nullptr},
    {"EIRP Overdraft Checking Priority", "Item 44"},
    {"L-Band Reference Offset Calibration Thresholds", "Item 57"},
    {core::Fact(Item_Fact_Id::Item_57a).Title, "Item 57"},
    {"Hz", nullptr},
    {core::Fact(Item_Fact_Id::Item_57b).Title, "Item 57"},
    {"Hz", nullptr},
    {"Default HPA Backoff Limits", "Item 28"},
    {"Class C", "Item 28"},
    {"dB", nullptr},
    {"dB", nullptr},
    {"Linear", "Item 28"},
    {"dB", nullptr},
    {"dB", nullptr},
    {"HPA Minimum Reportable Actual Power Output", "Item 29"},
    {"Class C", "Item 29"},
    {"dBW", nullptr},
    {"dBW", nullptr},
    {"Linear", "Item 29"},
    {"dBW", nullptr},
    {"dBW", nullptr},
};

// One text field with its spin button and the row of the item facts that
// gives its check, length, tooltip and default. Items 29 hold one decimal
// and their spin buttons count tenths.
struct Field_Row {
    Edit_Member edit;
    Spin_Member spin;
    const char* name;
    const char* spin_name;
    Item_Fact_Id fact;
    int title_first;   // label whose caption starts the box title
    int title_second;  // label appended after ": ", or NONE
    bool fixable;      // mode 2 marks it "(Non-Modifiable)"
};

const Field_Row FIELDS[] = {
    {&Page_Power::Control_22a, &Page_Power::UpDown_22a, "Control_22a", "UpDown_22a", Item_Fact_Id::Item_22a, 0, 1,
     true},
    {&Page_Power::Control_22b, &Page_Power::UpDown_22b, "Control_22b", "UpDown_22b", Item_Fact_Id::Item_22b, 0, 3,
     true},
    {&Page_Power::Control_39, &Page_Power::UpDown_39, "Control_39", "UpDown_39", Item_Fact_Id::Item_39, 5, NONE,
     false},
    {&Page_Power::Control_57a, &Page_Power::UpDown_57a, "Control_57a", "UpDown_57a", Item_Fact_Id::Item_57a, 9, NONE,
     true},
    {&Page_Power::Control_57b, &Page_Power::UpDown_57b, "Control_57b", "UpDown_57b", Item_Fact_Id::Item_57b, 11,
     NONE, true},
    {&Page_Power::Control_28a1, &Page_Power::UpDown_28a1, "Control_28a1", "UpDown_28a1", Item_Fact_Id::Item_28a, 13,
     14, true},
    {&Page_Power::Control_28a2, &Page_Power::UpDown_28a2, "Control_28a2", "UpDown_28a2", Item_Fact_Id::Item_28a, 13,
     14, true},
    {&Page_Power::Control_28b1, &Page_Power::UpDown_28b1, "Control_28b1", "UpDown_28b1", Item_Fact_Id::Item_28b, 13,
     17, true},
    {&Page_Power::Control_28b2, &Page_Power::UpDown_28b2, "Control_28b2", "UpDown_28b2", Item_Fact_Id::Item_28b, 13,
     17, true},
    {&Page_Power::Control_29a1, &Page_Power::UpDown_29a1, "Control_29a1", "UpDown_29a1", Item_Fact_Id::Item_29a, 20,
     21, true},
    {&Page_Power::Control_29a2, &Page_Power::UpDown_29a2, "Control_29a2", "UpDown_29a2", Item_Fact_Id::Item_29a, 20,
     21, true},
    {&Page_Power::Control_29b1, &Page_Power::UpDown_29b1, "Control_29b1", "UpDown_29b1", Item_Fact_Id::Item_29b, 20,
     24, true},
    {&Page_Power::Control_29b2, &Page_Power::UpDown_29b2, "Control_29b2", "UpDown_29b2", Item_Fact_Id::Item_29b, 20,
     24, true},
};

const char* const TOOLTIP_44 = "Default: Priority 2";
const char* const NON_MODIFIABLE = " (Non-Modifiable)";

// Item 44: entry texts and the record values attached to them.
const struct {
    const char* text;
    int value;
} PRIORITIES[] = {{"Priority 1", 15}, {"Priority 2", 12}, {"Priority 3", 10}, {"Priority 4", 9}};

// One report line: caption [", " sub | ": SDU n, " sub] ": " value [" " unit].
struct Report_Row {
    int item_label;
    int value_label; // NONE: no sub-label
    int sdu;         // 0: not per SDU; 2: only in dual-SDU mode
    Edit_Member edit; // nullptr: the selected entry of Control_44
    int unit;         // NONE: no unit
};

const Report_Row REPORT[] = {
    {0, 1, 0, &Page_Power::Control_22a, 2},
    {0, 3, 0, &Page_Power::Control_22b, 4},
    {5, NONE, 0, &Page_Power::Control_39, 6},
    {7, NONE, 0, nullptr, NONE},
    {8, 9, 0, &Page_Power::Control_57a, 10},
    {8, 11, 0, &Page_Power::Control_57b, 12},
    {13, 14, 1, &Page_Power::Control_28a1, 15},
    {13, 17, 1, &Page_Power::Control_28b1, 18},
    {13, 14, 2, &Page_Power::Control_28a2, 16},
    {13, 17, 2, &Page_Power::Control_28b2, 19},
    {20, 21, 1, &Page_Power::Control_29a1, 22},
    {20, 24, 1, &Page_Power::Control_29b1, 25},
    {20, 21, 2, &Page_Power::Control_29a2, 23},
    {20, 24, 2, &Page_Power::Control_29b2, 26},
};

// The whole number (or the tenths) of a field's text, clamped to the range;
// nothing when the text is not a number.
std::optional<int> Field_Number(const QString& text, bool tenths, double minimum, double maximum)
{
    const std::optional<double> number = core::Parse_Number(text);
    if (!number)
        return std::nullopt;
    const double scale = tenths ? 10.0 : 1.0;
    const double value = std::clamp(*number * scale, minimum * scale, maximum * scale);
    return static_cast<int>(std::lround(value));
}

} // namespace

Page_Power::Page_Power() : Page_Frame([] {
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Power");
    setup.Caption = QStringLiteral("Power Control Presets");
    setup.Secured_Caption = QStringLiteral("Power Secured Options");
    return setup;
}())
{
    for (std::size_t i = 0; i < Label_Sec_L0.size(); ++i) {
        Label_Sec_L0[i] = pages::Make_Label(Array_Name(QStringLiteral("Label_Sec_L0"), static_cast<int>(i)),
                                            QString::fromLatin1(LABELS[i].caption),
                                            LABELS[i].tag ? QString::fromLatin1(LABELS[i].tag) : QString());
    }
    for (const Field_Row& row : FIELDS) {
        const core::Item_Fact& fact = core::Fact(row.fact);
        QLineEdit* edit = pages::Make_Edit(QString::fromLatin1(row.name), core::Text_Length(fact), QString(),
                                           core::Tooltip_Text(fact));
        pages::Fit_To_Length(edit, edit->maxLength());
        this->*row.edit = edit;
        this->*row.spin = pages::Make_Spin(QString::fromLatin1(row.spin_name));
    }
    Control_44 = new QComboBox;
    Control_44->setObjectName(QStringLiteral("Control_44"));
    for (const auto& entry : PRIORITIES)
        Control_44->addItem(QString::fromLatin1(entry.text), entry.value);
    Control_44->setCurrentIndex(-1);
    Control_44->setToolTip(QString::fromLatin1(TOOLTIP_44));

    Build_Upper_Items();
    Build_SDU_Items();
    Bind_Fields();
}

void Page_Power::Build_Upper_Items()
{
    auto* grid = new QGridLayout;
    int row = 0;
    const auto field_row = [&](int label, QLineEdit* edit, pages::Up_Down* spin, int unit) {
        pages::Label_Field(Label_Sec_L0[label], edit);
        grid->addWidget(Label_Sec_L0[label], row, 0);
        grid->addWidget(pages::Field_With_Spin(edit, spin, true), row, 1);
        grid->addWidget(Label_Sec_L0[unit], row, 2);
        ++row;
    };
    const auto heading = [&](int label) { grid->addWidget(Label_Sec_L0[label], row++, 0, 1, 3); };

    heading(0);
    field_row(1, Control_22a, UpDown_22a, 2);
    field_row(3, Control_22b, UpDown_22b, 4);
    field_row(5, Control_39, UpDown_39, 6);
    pages::Label_Field(Label_Sec_L0[7], Control_44);
    grid->addWidget(Label_Sec_L0[7], row, 0);
    grid->addWidget(Control_44, row++, 1, 1, 2);
    heading(8);
    field_row(9, Control_57a, UpDown_57a, 10);
    field_row(11, Control_57b, UpDown_57b, 12);
    grid->setColumnStretch(3, 1);
    Secured_Items()->addLayout(grid);
}

void Page_Power::Build_SDU_Items()
{
    // Row labels on the left (item headings and their value rows), one
    // column per SDU with each row's field and its spin button, then unit.
    const auto label = [this](int index) { return Label_Sec_L0[static_cast<std::size_t>(index)]; };
    const auto value = [&](QLineEdit* edit, pages::Up_Down* spin, int unit) {
        return std::vector<QWidget*>{pages::Field_With_Spin(edit, spin, true), label(unit)};
    };
    Frame_SDU1 = pages::Make_Group(QStringLiteral("Frame_SDU1"), QStringLiteral("SDU 1"));
    Frame_SDU2 = pages::Make_Group(QStringLiteral("Frame_SDU2"), QStringLiteral("SDU 2"));
    Secured_Items()->addLayout(pages::SDU_Columns(
        {
            {label(13), {}},
            {label(14), {value(Control_28a1, UpDown_28a1, 15), value(Control_28a2, UpDown_28a2, 16)}},
            {label(17), {value(Control_28b1, UpDown_28b1, 18), value(Control_28b2, UpDown_28b2, 19)}},
            {label(20), {}},
            {label(21), {value(Control_29a1, UpDown_29a1, 22), value(Control_29a2, UpDown_29a2, 23)}},
            {label(24), {value(Control_29b1, UpDown_29b1, 25), value(Control_29b2, UpDown_29b2, 26)}},
        },
        {Frame_SDU1, Frame_SDU2}));
}

void Page_Power::Bind_Fields()
{
    for (const Field_Row& row : FIELDS) {
        QLineEdit* edit = this->*row.edit;
        pages::Up_Down* spin = this->*row.spin;
        const core::Item_Fact& fact = core::Fact(row.fact);
        const QString default_text = core::Default_Text(fact);

        // The title is read from the labels whenever a box is shown.
        const pages::Title_Source first = pages::Caption_Of(Label_Sec_L0[static_cast<std::size_t>(row.title_first)]);
        const pages::Title_Source second =
            row.title_second == NONE ? pages::Title_Source()
                                     : pages::Caption_Of(Label_Sec_L0[static_cast<std::size_t>(row.title_second)]);
        const pages::Title_Source title = [first, second] {
            return second ? first() + QStringLiteral(": ") + second() : first();
        };

        // After each check the spin button takes the field's value.
        const pages::Field_Check check = pages::Fact_Check(fact, title);
        const QPointer<pages::Up_Down> guarded(spin);
        const bool tenths = core::Decimals(fact) == 1;
        const double minimum = fact.Minimum;
        const double maximum = fact.Maximum;
        pages::Bind_Field(
            edit, tenths ? core::Chars::Signed_Real : core::Chars::Digits,
            [check, guarded, tenths, minimum, maximum](const QString& text, bool& cancel) {
                const QString result = check(text, cancel);
                if (const std::optional<int> value = Field_Number(result, tenths, minimum, maximum))
                    pages::Set_Spin_Value(guarded, *value);
                return result;
            },
            pages::Focus_Rule::Move_On);

        const std::optional<int> initial = Field_Number(default_text, tenths, minimum, maximum);
        edit->setText(core::Format_Fixed(*initial / (tenths ? 10.0 : 1.0), tenths ? 1 : 0));
        pages::Set_Spin_Value(spin, *initial);

        const QPointer<QLineEdit> field(edit);
        if (tenths) {
            // Steps a tenth from the value the field shows once its check
            // has passed (the spin's own value only when the field holds no
            // number) and writes the result with one decimal.
            const core::Stored_Range tenths_range = core::Stored(fact);
            spin->Set_Step(edit, [field, guarded, minimum, maximum, tenths_range](bool up) {
                if (!field || !guarded)
                    return;
                const int from =
                    Field_Number(field->text(), true, minimum, maximum).value_or(pages::Spin_Value(guarded));
                const int value = std::clamp(from + (up ? 1 : -1), tenths_range.Minimum, tenths_range.Maximum);
                pages::Set_Spin_Value(guarded, value);
                field->setText(core::Format_Fixed(value / 10.0, 1));
            });
        } else {
            pages::Bind_Whole_Step(spin, edit, static_cast<std::int32_t>(minimum),
                                   static_cast<std::int32_t>(maximum), *initial);
            connect(spin, &pages::Up_Down::Stepped, spin, [field, guarded, minimum, maximum] {
                if (!field)
                    return;
                if (const std::optional<int> value = Field_Number(field->text(), false, minimum, maximum))
                    pages::Set_Spin_Value(guarded, *value);
            });
        }
    }
}

void Page_Power::Setup_ToolTips(int mode)
{
    // Item 39 is not fixed by the ORT type and keeps its tooltip.
    const QString suffix = mode == 2 ? QString::fromLatin1(NON_MODIFIABLE) : QString();
    for (const Field_Row& row : FIELDS) {
        if (row.fixable)
            (this->*row.edit)->setToolTip(core::Tooltip_Text(core::Fact(row.fact)) + suffix);
    }
    Control_44->setToolTip(QString::fromLatin1(TOOLTIP_44) + suffix);
}

void Page_Power::Write_Text_Output(QStringList& lines)
{
    // The main window calls this page only while the secured partition is shown.
    const auto caption = [this](int index) { return Label_Sec_L0[static_cast<std::size_t>(index)]->text(); };
    for (const Report_Row& row : REPORT) {
        if (row.sdu == 2 && !Dual_Mode())
            continue;
        QString line = caption(row.item_label);
        if (row.sdu > 0)
            line += QStringLiteral(": SDU ") + QString::number(row.sdu) + QStringLiteral(", ") +
                    caption(row.value_label);
        else if (row.value_label != NONE)
            line += QStringLiteral(", ") + caption(row.value_label);
        line += QStringLiteral(": ");
        line += row.edit ? (this->*row.edit)->text() : Control_44->currentText();
        if (row.unit != NONE)
            line += QLatin1Char(' ') + caption(row.unit);
        lines << line;
    }
}

void Page_Power::SetVisiblity(bool bSecured, bool bUser)
{
    // The page can be opened only while the secured partition is shown.
    Set_Shown(bSecured, bUser);
    Show_Own_Frame(Frame_Secured(), bSecured);
}
