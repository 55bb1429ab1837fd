#include "editor/pages/page_pimbit.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/core/value_helpers.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace {

using core::Item_Fact_Id;

// Elevations: stepped by half a degree, their spin buttons count tenths.
constexpr const core::Item_Fact& ELEVATION = core::Fact(Item_Fact_Id::Item_106_El_0);
constexpr int ELEVATION_STEP_TENTHS = static_cast<int>(ELEVATION.Step * 10 + 0.5);

// The page's own feature level: the items exist from level 5 on.
constexpr int PIMBIT_FEATURE_LEVEL = 5;

Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_PIMBIT");
    setup.Caption = QStringLiteral("PIMBIT Presets");
    setup.User_Caption = QStringLiteral("PIMBIT User Options");
    return setup;
}

// The title of an element's boxes: the frame's caption, a separator and the
// element's label caption, read when the check runs.
pages::Title_Source Element_Title(const QGroupBox* frame, const QString& separator,
                                  const QLabel* label)
{
    QPointer<const QGroupBox> guarded_frame(frame);
    QPointer<const QLabel> guarded_label(label);
    return [guarded_frame, guarded_label, separator] {
        if (!guarded_frame || !guarded_label)
            return QString();
        return guarded_frame->title() + separator + guarded_label->text();
    };
}

// A text field of a row: named by the row's label and as wide as the
// longest text it takes.
void Fit_Row(QLabel* label, QLineEdit* edit)
{
    pages::Label_Field(label, edit);
    pages::Fit_To_Length(edit, edit->maxLength());
}

// A field of a row of the item facts: its default as its text, its design
// tooltip, at most length characters.
QLineEdit* Make_Field(const QString& name, int length, const core::Item_Fact& fact)
{
    return pages::Make_Edit(name, length, core::Default_Text(fact), core::Tooltip_Text(fact));
}

// A whole-number field with its spin button: the check's result and each
// click also become the spin button's value.
void Bind_Whole(QLineEdit* edit, pages::Up_Down* spin, int char_set, const core::Item_Fact& fact,
                pages::Title_Source title)
{
    pages::Bind_Whole_Spin(edit, spin, char_set, fact, std::move(title), pages::Focus_Rule::Keep_Focus);
}

// An elevation field: one decimal, rounded to the half degree the record
// holds; its spin button counts in tenths and steps from what the field shows.
void Bind_Elevation(QLineEdit* edit, pages::Up_Down* spin, const core::Item_Fact& fact,
                    pages::Title_Source title)
{
    const pages::Field_Check check = pages::Fact_Check(fact, std::move(title));
    QPointer<pages::Up_Down> guarded_spin(spin);
    pages::Bind_Field(edit, core::Chars::Digits_Point,
                      [check, guarded_spin](const QString& text, bool& cancel) {
                          const QString checked = check(text, cancel);
                          const std::optional<double> value = core::Parse_Number(checked);
                          if (!value)
                              return checked;
                          const int tenths = Page_PIMBIT::Elevation_Tenths(*value);
                          if (guarded_spin)
                              Page_PIMBIT::Set_Spin_Value(guarded_spin, tenths);
                          return core::Format_Fixed(tenths / 10.0, 1);
                      });
    QPointer<QLineEdit> guarded_edit(edit);
    spin->Set_Step(edit, [guarded_edit, guarded_spin](bool up) {
        if (!guarded_edit || !guarded_spin)
            return;
        // Step from the value the field shows, which its check has passed
        // (so a loaded or typed value counts, rounded as the record holds it).
        const std::optional<double> value = core::Parse_Number(guarded_edit->text());
        const int from = value ? Page_PIMBIT::Elevation_Tenths(*value)
                               : Page_PIMBIT::Spin_Value(guarded_spin);
        const int to = std::clamp(from + (up ? ELEVATION_STEP_TENTHS : -ELEVATION_STEP_TENTHS),
                                  static_cast<int>(ELEVATION.Minimum * 10),
                                  static_cast<int>(ELEVATION.Maximum * 10));
        Page_PIMBIT::Set_Spin_Value(guarded_spin, to);
        guarded_edit->setText(core::Format_Fixed(to / 10.0, 1));
    });
    if (const std::optional<double> value = core::Parse_Number(edit->text()))
        Page_PIMBIT::Set_Spin_Value(spin, Page_PIMBIT::Elevation_Tenths(*value));
}

} // namespace

int Page_PIMBIT::Spin_Value(const pages::Up_Down* spin)
{
    return pages::Spin_Value(spin);
}

void Page_PIMBIT::Set_Spin_Value(pages::Up_Down* spin, int value)
{
    pages::Set_Spin_Value(spin, value);
}

int Page_PIMBIT::Elevation_Tenths(double degrees)
{
    // First to the one decimal the field shows, then to the nearest half
    // degree (a whole number of tenths is never half-way between two
    // multiples of 5).
    const double tenths = std::round(degrees * 10.0);
    return static_cast<int>(std::lround(tenths / ELEVATION_STEP_TENTHS)) * ELEVATION_STEP_TENTHS;
}

Page_PIMBIT::Page_PIMBIT() : Page_Frame(Setup())
{
    Build_103();
    Build_104();
    Build_105();
    Build_106();
    Build_107();
}

void Page_PIMBIT::Build_103()
{
    Frame_103 = pages::Make_Group(QStringLiteral("Frame_103"), QStringLiteral("SQI Fault Thresholds"),
                                  QStringLiteral("Item 103"));
    const char* const orders[] = {"7th IM", "9th IM", "11th IM", "13th IM",
                                  "15th IM", "17th IM", "19th IM"};
    const QString label_name = QStringLiteral("Label_User_L5_103");
    auto* grid = new QGridLayout(Frame_103);
    Label_User_L5_103[7] =
        pages::Make_Label(Array_Name(label_name, 7), QStringLiteral("Intermodulation Product Orders"));
    grid->addWidget(Label_User_L5_103[7], 0, 0, 1, 2);
    for (int i = 0; i < User_Mod::COUNT_103; ++i) {
        const core::Item_Fact& fact = core::Fact(Item_Fact_Id::Item_103_0, i);
        Label_User_L5_103[i] = pages::Make_Label(Array_Name(label_name, i), QString::fromLatin1(orders[i]));
        Control_103[i] = Make_Field(Array_Name(QStringLiteral("Control_103"), i), 3, fact);
        UpDown_103[i] = pages::Make_Spin(Array_Name(QStringLiteral("UpDown_103"), i));
        Bind_Whole(Control_103[i], UpDown_103[i], core::Chars::Digits, fact,
                   Element_Title(Frame_103, QStringLiteral(", "), Label_User_L5_103[i]));
        Fit_Row(Label_User_L5_103[i], Control_103[i]);
        grid->addWidget(Label_User_L5_103[i], i + 1, 0);
        grid->addWidget(pages::Field_With_Spin(Control_103[i], UpDown_103[i]), i + 1, 1);
    }
    grid->setColumnStretch(2, 1);
    User_Items()->addWidget(Frame_103);
}

void Page_PIMBIT::Build_104()
{
    Frame_104 = pages::Make_Group(QStringLiteral("Frame_104"), QStringLiteral("Antenna Beam Faults Required"),
                                  QStringLiteral("Item 104"));
    const char* const angles[] = {"Low Angle", "High Angle", "Any Angle"};
    const int most[] = {3, 3, 6};
    auto* grid = new QGridLayout(Frame_104);
    for (int i = 0; i < User_Mod::COUNT_104; ++i) {
        Label_User_L5_104[i] = pages::Make_Label(Array_Name(QStringLiteral("Label_User_L5_104"), i),
                                          QString::fromLatin1(angles[i]));
        auto* combo = new QComboBox;
        combo->setObjectName(Array_Name(QStringLiteral("Control_104"), i));
        combo->addItem(QStringLiteral("Not Applicable"));
        for (int n = 1; n <= most[i]; ++n)
            combo->addItem(QStringLiteral("Minimum of ") + QString::number(n));
        combo->setCurrentIndex(User_Mod::Default_104(static_cast<std::int16_t>(i)));
        combo->setToolTip(QStringLiteral("Default: ") + combo->currentText());
        Control_104[i] = combo;
        pages::Label_Field(Label_User_L5_104[i], combo);
        grid->addWidget(Label_User_L5_104[i], i, 0);
        grid->addWidget(combo, i, 1);
    }
    grid->setColumnStretch(2, 1);
    User_Items()->addWidget(Frame_104);
}

void Page_PIMBIT::Build_105()
{
    Frame_105 = pages::Make_Group(QStringLiteral("Frame_105"), QStringLiteral("Data Invalid Thresholds"),
                                  QStringLiteral("Item 105"));
    const char* const captions[] = {
        "A",
        "B",
        "C",
        "D",
        "(Min SQI for each of a triplet sample to indicate external pollution)",
        "(Max SQI for each of a triplet sample to indicate excessive noise)",
        "(max SQI difference between individual samples within a triplet for A and B)",
        "(max SQI difference between 1st and 3rd samples in a triplet)",
        "SQI thresholds for determination of invalid data",
    };
    const QString label_name = QStringLiteral("Label_User_L5_105");
    for (int i = 0; i < static_cast<int>(Label_User_L5_105.size()); ++i)
        Label_User_L5_105[i] = pages::Make_Label(Array_Name(label_name, i), QString::fromLatin1(captions[i]));

    auto* grid = new QGridLayout(Frame_105);
    grid->addWidget(Label_User_L5_105[8], 0, 0, 1, 3);
    for (int i = 0; i < User_Mod::COUNT_105; ++i) {
        const core::Item_Fact& fact = core::Fact(Item_Fact_Id::Item_105_0, i);
        Control_105[i] = Make_Field(Array_Name(QStringLiteral("Control_105"), i), 3, fact);
        UpDown_105[i] = pages::Make_Spin(Array_Name(QStringLiteral("UpDown_105"), i));
        Bind_Whole(Control_105[i], UpDown_105[i], core::Chars::Digits, fact,
                   Element_Title(Frame_105, QStringLiteral(" - "), Label_User_L5_105[i]));
        Fit_Row(Label_User_L5_105[i], Control_105[i]);
        grid->addWidget(Label_User_L5_105[i], i + 1, 0);
        grid->addWidget(pages::Field_With_Spin(Control_105[i], UpDown_105[i]), i + 1, 1);
        grid->addWidget(Label_User_L5_105[i + 4], i + 1, 2);
    }
    grid->setColumnStretch(3, 1);
    User_Items()->addWidget(Frame_105);
}

void Page_PIMBIT::Build_106()
{
    Frame_106 = pages::Make_Group(QStringLiteral("Frame_106"), QStringLiteral("Antenna Beam Angles"),
                                  QStringLiteral("Item 106"));
    auto* grid = new QGridLayout(Frame_106);
    int line = 0;
    for (int i = 0; i < User_Mod::COUNT_106_AZ; ++i) {
        const core::Item_Fact& fact = core::Fact(Item_Fact_Id::Item_106_Az_0, i);
        Label_User_L5_106_Az[i] = pages::Make_Label(Array_Name(QStringLiteral("Label_User_L5_106_Az"), i),
                                             QStringLiteral("Azimuth - ") + QString::number(i + 1));
        Control_106_Az[i] = Make_Field(Array_Name(QStringLiteral("Control_106_Az"), i), 4, fact);
        UpDown_106_Az[i] = pages::Make_Spin(Array_Name(QStringLiteral("UpDown_106_Az"), i));
        Bind_Whole(Control_106_Az[i], UpDown_106_Az[i], core::Chars::Signed_Digits, fact,
                   Element_Title(Frame_106, QStringLiteral(", "), Label_User_L5_106_Az[i]));
        Fit_Row(Label_User_L5_106_Az[i], Control_106_Az[i]);
        grid->addWidget(Label_User_L5_106_Az[i], line, 0);
        grid->addWidget(pages::Field_With_Spin(Control_106_Az[i], UpDown_106_Az[i]), line, 1);
        ++line;
    }
    for (int i = 0; i < User_Mod::COUNT_106_EL; ++i) {
        const core::Item_Fact& fact = core::Fact(Item_Fact_Id::Item_106_El_0, i);
        Label_User_L5_106_El[i] =
            pages::Make_Label(Array_Name(QStringLiteral("Label_User_L5_106_El"), i),
                       QStringLiteral("Elevation - ") + QString::number(i + 1));
        Control_106_El[i] = Make_Field(Array_Name(QStringLiteral("Control_106_El"), i), 4, fact);
        UpDown_106_El[i] = pages::Make_Spin(Array_Name(QStringLiteral("UpDown_106_El"), i));
        Bind_Elevation(Control_106_El[i], UpDown_106_El[i], fact,
                       Element_Title(Frame_106, QStringLiteral(", "), Label_User_L5_106_El[i]));
        Fit_Row(Label_User_L5_106_El[i], Control_106_El[i]);
        grid->addWidget(Label_User_L5_106_El[i], line, 0);
        grid->addWidget(pages::Field_With_Spin(Control_106_El[i], UpDown_106_El[i]), line, 1);
        ++line;
    }
    grid->setColumnStretch(2, 1);
    User_Items()->addWidget(Frame_106);
}

void Page_PIMBIT::Build_107()
{
    const core::Item_Fact& fact = core::Fact(Item_Fact_Id::Item_107);
    Label_User_L5_107 = pages::Make_Label(QStringLiteral("Label_User_L5_107"), QString::fromLatin1(fact.Title));
    Set_Tag(Label_User_L5_107, QStringLiteral("Item 107"));
    Control_107 = Make_Field(QStringLiteral("Control_107"), 3, fact);
    UpDown_107 = pages::Make_Spin(QStringLiteral("UpDown_107"));
    Bind_Whole(Control_107, UpDown_107, core::Chars::Digits, fact, pages::Caption_Of(Label_User_L5_107));
    Fit_Row(Label_User_L5_107, Control_107);
    auto* row = new QHBoxLayout;
    row->addWidget(Label_User_L5_107);
    row->addWidget(pages::Field_With_Spin(Control_107, UpDown_107));
    row->addStretch(1);
    User_Items()->addLayout(row);
}

void Page_PIMBIT::Write_Text_Output(QStringList& lines)
{
    if (core::Versions().User_Current.Feature_Level < PIMBIT_FEATURE_LEVEL)
        return;
    const auto line = [&](const QGroupBox* frame, const QLabel* label, const QString& value) {
        lines << frame->title() + QLatin1Char(' ') + label->text() + QStringLiteral(": ") + value;
    };
    for (int i = 0; i < User_Mod::COUNT_103; ++i)
        line(Frame_103, Label_User_L5_103[i], Control_103[i]->text());
    for (int i = 0; i < User_Mod::COUNT_104; ++i)
        line(Frame_104, Label_User_L5_104[i], Control_104[i]->currentText());
    for (int i = 0; i < User_Mod::COUNT_105; ++i)
        line(Frame_105, Label_User_L5_105[i], Control_105[i]->text());
    for (int i = 0; i < User_Mod::COUNT_106_AZ; ++i)
        line(Frame_106, Label_User_L5_106_Az[i], Control_106_Az[i]->text());
    for (int i = 0; i < User_Mod::COUNT_106_EL; ++i)
        line(Frame_106, Label_User_L5_106_El[i], Control_106_El[i]->text());
    lines << Label_User_L5_107->text() + QStringLiteral(": ") + Control_107->text();
}

void Page_PIMBIT::SetVisiblity(bool bSecured, bool bUser)
{
    Set_Shown(bSecured, bUser);
    Show_Own_Frame(Frame_User(), bUser && core::Versions().User_Current.Feature_Level >= PIMBIT_FEATURE_LEVEL);
}

void Page_PIMBIT::Dual(bool /*bDual*/)
{
    // The page has no SDU columns.
}
