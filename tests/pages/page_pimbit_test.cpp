// The PIM/BIT page: its controls, element defaults, field checks, the
// half-degree elevations with their spin buttons, visibility and report.
#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_pimbit.h"
#include "editor/pages/pimbit_defaults.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"
#include "support/versions_guard.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using testsupport::Entries;
using testsupport::Type;

using testsupport::ScriptedMessages;

const QString DEFAULT_BOX = QStringLiteral("Value Out of Range, Setting to Default");
const QString MINIMUM_BOX = QStringLiteral("Value Out of Range, Setting to Minimum");
const QString MAXIMUM_BOX = QStringLiteral("Value Out of Range, Setting to Maximum");

using testsupport::Versions_Guard;

void Click(pages::Up_Down* spin, bool up)
{
    (up ? spin->Up_Button() : spin->Down_Button())->click();
}

// Sets a field's text, runs its check and returns the box texts and titles.
struct Check_Result {
    QString text;
    bool keeps_focus;
    QStringList boxes;
};

Check_Result Check(QLineEdit* edit, const QString& typed)
{
    ScriptedMessages boxes;
    edit->setText(typed);
    Check_Result result;
    result.keeps_focus = pages::Validate_Field(edit);
    result.text = edit->text();
    for (const auto& box : boxes.Boxes())
        result.boxes << box.text + QStringLiteral(" | ") + box.title;
    return result;
}

} // namespace

TEST(PimbitDefaults, ElementDefaultsAndIndexesOutsideTheTables)
{
    using core::Fact;
    using core::Item_Fact_Id;
    const int d103[] = {208, 211, 213, 215, 217, 218, 219};
    for (int i = 0; i < User_Mod::COUNT_103; ++i)
        EXPECT_EQ(Fact(Item_Fact_Id::Item_103_0, i).Default, d103[i]);
    const int d104[] = {0, 0, 1};
    for (std::int16_t i = 0; i < 3; ++i)
        EXPECT_EQ(User_Mod::Default_104(i), d104[i]);
    const int d105[] = {100, 80, 10, 15};
    for (int i = 0; i < User_Mod::COUNT_105; ++i)
        EXPECT_EQ(Fact(Item_Fact_Id::Item_105_0, i).Default, d105[i]);
    EXPECT_DOUBLE_EQ(Fact(Item_Fact_Id::Item_106_Az_0).Default, -15.0);
    EXPECT_DOUBLE_EQ(Fact(Item_Fact_Id::Item_106_Az_1).Default, 0.0);
    EXPECT_DOUBLE_EQ(Fact(Item_Fact_Id::Item_106_Az_2).Default, 15.0);
    EXPECT_DOUBLE_EQ(Fact(Item_Fact_Id::Item_106_El_0).Default, 12.5);
    EXPECT_DOUBLE_EQ(Fact(Item_Fact_Id::Item_106_El_1).Default, 27.5);

    EXPECT_EQ(User_Mod::Default_104(3), 0);
}

TEST(PagePimbit, FramesLabelsAndFieldsWithTheirDefaults)
{
    Page_PIMBIT page;
    EXPECT_EQ(page.windowTitle(), QStringLiteral("PIMBIT Presets"));
    EXPECT_EQ(page.Frame_User()->title(), QStringLiteral("PIMBIT User Options"));
    EXPECT_EQ(page.Frame_Secured(), nullptr);

    const struct {
        const char* name;
        const char* caption;
        const char* tag;
    } frames[] = {{"Frame_103", "SQI Fault Thresholds", "Item 103"},
                  {"Frame_104", "Antenna Beam Faults Required", "Item 104"},
                  {"Frame_105", "Data Invalid Thresholds", "Item 105"},
                  {"Frame_106", "Antenna Beam Angles", "Item 106"}};
    for (const auto& f : frames) {
        auto* frame = page.findChild<QGroupBox*>(QString::fromLatin1(f.name));
        ASSERT_NE(frame, nullptr) << f.name;
        EXPECT_EQ(frame->title(), QString::fromLatin1(f.caption));
        EXPECT_EQ(Tag(frame), QString::fromLatin1(f.tag));
        EXPECT_TRUE(page.Frame_User()->isAncestorOf(frame));
    }

    const struct {
        const char* name;
        const char* caption;
    } labels[] = {
        {"Label_User_L5_103(0)", "7th IM"},
        {"Label_User_L5_103(6)", "19th IM"},
        {"Label_User_L5_103(7)", "Intermodulation Product Orders"},
        {"Label_User_L5_104(0)", "Low Angle"},
        {"Label_User_L5_104(1)", "High Angle"},
        {"Label_User_L5_104(2)", "Any Angle"},
        {"Label_User_L5_105(0)", "A"},
        {"Label_User_L5_105(3)", "D"},
        {"Label_User_L5_105(4)", "(Min SQI for each of a triplet sample to indicate external pollution)"},
        {"Label_User_L5_105(5)", "(Max SQI for each of a triplet sample to indicate excessive noise)"},
        {"Label_User_L5_105(6)",
         "(max SQI difference between individual samples within a triplet for A and B)"},
        {"Label_User_L5_105(7)", "(max SQI difference between 1st and 3rd samples in a triplet)"},
        {"Label_User_L5_105(8)", "SQI thresholds for determination of invalid data"},
        {"Label_User_L5_106_Az(0)", "Azimuth - 1"},
        {"Label_User_L5_106_Az(2)", "Azimuth - 3"},
        {"Label_User_L5_106_El(0)", "Elevation - 1"},
        {"Label_User_L5_106_El(1)", "Elevation - 2"},
        {"Label_User_L5_107", "Sample Discard Ratio"},
    };
    for (const auto& l : labels) {
        auto* label = page.findChild<QLabel*>(QString::fromLatin1(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), QString::fromLatin1(l.caption)) << l.name;
    }

    const struct {
        const char* field;
        const char* spin;
        const char* text;
        const char* tip;
    } fields[] = {
        {"Control_103(0)", "UpDown_103(0)", "208", "Default: 208 /  Range 70 to 255"},
        {"Control_103(1)", "UpDown_103(1)", "211", "Default: 211 /  Range 70 to 255"},
        {"Control_103(2)", "UpDown_103(2)", "213", "Default: 213 /  Range 70 to 255"},
        {"Control_103(3)", "UpDown_103(3)", "215", "Default: 215 /  Range 70 to 255"},
        {"Control_103(4)", "UpDown_103(4)", "217", "Default: 217 /  Range 70 to 255"},
        {"Control_103(5)", "UpDown_103(5)", "218", "Default: 218 /  Range 70 to 255"},
        {"Control_103(6)", "UpDown_103(6)", "219", "Default: 219 /  Range 70 to 255"},
        {"Control_105(0)", "UpDown_105(0)", "100", "Default: 100 /  Range 0 to 255"},
        {"Control_105(1)", "UpDown_105(1)", "80", "Default: 80 /  Range 0 to 255"},
        {"Control_105(2)", "UpDown_105(2)", "10", "Default: 10 /  Range 0 to 255"},
        {"Control_105(3)", "UpDown_105(3)", "15", "Default: 15 /  Range 0 to 255"},
        {"Control_106_Az(0)", "UpDown_106_Az(0)", "-15", "Default: -15 /  Range -99 to 99"},
        {"Control_106_Az(1)", "UpDown_106_Az(1)", "0", "Default: 0 /  Range -99 to 99"},
        {"Control_106_Az(2)", "UpDown_106_Az(2)", "15", "Default: 15 /  Range -99 to 99"},
        {"Control_106_El(0)", "UpDown_106_El(0)", "12.5", "Default: 12.5 /  Range 0 to 90"},
        {"Control_106_El(1)", "UpDown_106_El(1)", "27.5", "Default: 27.5 /  Range 0 to 90"},
        {"Control_107", "UpDown_107", "1", "Default: 1 /  Range 0 to 99"},
    };
    page.Setup_ToolTips(2); // the page keeps its design tooltips
    for (const auto& f : fields) {
        auto* edit = page.findChild<QLineEdit*>(QString::fromLatin1(f.field));
        ASSERT_NE(edit, nullptr) << f.field;
        EXPECT_NE(page.findChild<pages::Up_Down*>(QString::fromLatin1(f.spin)), nullptr) << f.spin;
        EXPECT_EQ(edit->text(), QString::fromLatin1(f.text)) << f.field;
        EXPECT_EQ(edit->toolTip(), QString::fromLatin1(f.tip)) << f.field;
    }
    EXPECT_EQ(Page_PIMBIT::Spin_Value(page.UpDown_106_El[0]), 125);
    EXPECT_EQ(Page_PIMBIT::Spin_Value(page.UpDown_106_El[1]), 275);
    EXPECT_EQ(Page_PIMBIT::Spin_Value(page.UpDown_106_Az[0]), -15);
    EXPECT_EQ(Page_PIMBIT::Spin_Value(page.UpDown_107), 1);
}

TEST(PagePimbit, BeamFaultListsWithTheirEntriesAndDefaults)
{
    Page_PIMBIT page;
    const QStringList four{"Not Applicable", "Minimum of 1", "Minimum of 2", "Minimum of 3"};
    const QStringList seven = four + QStringList{"Minimum of 4", "Minimum of 5", "Minimum of 6"};
    const QStringList expected[] = {four, four, seven};
    const char* tips[] = {"Default: Not Applicable", "Default: Not Applicable",
                          "Default: Minimum of 1"};
    for (int i = 0; i < 3; ++i) {
        auto* combo = page.findChild<QComboBox*>(QStringLiteral("Control_104(%1)").arg(i));
        ASSERT_NE(combo, nullptr) << i;
        EXPECT_EQ(Entries(combo), expected[i]) << i;
        EXPECT_EQ(combo->currentIndex(), User_Mod::Default_104(static_cast<std::int16_t>(i)));
        EXPECT_EQ(combo->toolTip(), QString::fromLatin1(tips[i]));
    }
}

TEST(PagePimbit, WholeNumberChecksWithTheirTitles)
{
    Page_PIMBIT page;
    struct Case {
        QLineEdit* edit;
        const char* typed;
        const char* result;
        QStringList boxes;
    };
    const Case cases[] = {
        {page.Control_103[0], "69", "70", {MINIMUM_BOX + " | SQI Fault Thresholds, 7th IM"}},
        {page.Control_103[0], "256", "255", {MAXIMUM_BOX + " | SQI Fault Thresholds, 7th IM"}},
        {page.Control_103[3], "", "215", {DEFAULT_BOX + " | SQI Fault Thresholds, 13th IM"}},
        {page.Control_103[6], "70", "70", {}},
        {page.Control_105[0], "300", "255", {MAXIMUM_BOX + " | Data Invalid Thresholds - A"}},
        {page.Control_105[2], "", "10", {DEFAULT_BOX + " | Data Invalid Thresholds - C"}},
        {page.Control_106_Az[0], "-100", "-99", {MINIMUM_BOX + " | Antenna Beam Angles, Azimuth - 1"}},
        {page.Control_106_Az[2], "-", "15", {DEFAULT_BOX + " | Antenna Beam Angles, Azimuth - 3"}},
        {page.Control_106_Az[1], "-7", "-7", {}},
        {page.Control_107, "100", "99", {MAXIMUM_BOX + " | Sample Discard Ratio"}},
        {page.Control_107, "", "1", {DEFAULT_BOX + " | Sample Discard Ratio"}},
    };
    for (const Case& c : cases) {
        const Check_Result result = Check(c.edit, QString::fromLatin1(c.typed));
        const std::string what = c.edit->objectName().toStdString() + " <- " + c.typed;
        EXPECT_EQ(result.text, QString::fromLatin1(c.result)) << what;
        EXPECT_EQ(result.boxes, c.boxes) << what;
        EXPECT_EQ(result.keeps_focus, !c.boxes.isEmpty()) << what;
    }
    // The spin buttons follow their checked fields.
    EXPECT_EQ(Page_PIMBIT::Spin_Value(page.UpDown_103[0]), 255);
    EXPECT_EQ(Page_PIMBIT::Spin_Value(page.UpDown_106_Az[0]), -99);
    EXPECT_EQ(Page_PIMBIT::Spin_Value(page.UpDown_107), 1);
}

TEST(PagePimbit, KeyFilters)
{
    Page_PIMBIT page;
    page.Control_106_Az[0]->clear();
    Type(page.Control_106_Az[0], QStringLiteral("+-1.2"));
    EXPECT_EQ(page.Control_106_Az[0]->text(), QStringLiteral("-12"));
    page.Control_103[0]->clear();
    Type(page.Control_103[0], QStringLiteral("-2a0.8"));
    EXPECT_EQ(page.Control_103[0]->text(), QStringLiteral("208"));
    page.Control_106_El[0]->clear();
    Type(page.Control_106_El[0], QStringLiteral("-12.5e"));
    EXPECT_EQ(page.Control_106_El[0]->text(), QStringLiteral("12.5"));
}

TEST(PagePimbit, ElevationsRoundToTheHalfDegreeTheRecordHolds)
{
    EXPECT_EQ(Page_PIMBIT::Elevation_Tenths(12.5), 125);
    EXPECT_EQ(Page_PIMBIT::Elevation_Tenths(12.3), 125);
    EXPECT_EQ(Page_PIMBIT::Elevation_Tenths(12.2), 120);
    EXPECT_EQ(Page_PIMBIT::Elevation_Tenths(12.75), 130);
    EXPECT_EQ(Page_PIMBIT::Elevation_Tenths(0.0), 0);
    EXPECT_EQ(Page_PIMBIT::Elevation_Tenths(90.0), 900);

    Page_PIMBIT page;
    const struct {
        int index;
        const char* typed;
        const char* result;
        int tenths;
        const char* box;
    } cases[] = {
        {0, "12.3", "12.5", 125, nullptr},
        {0, "12.2", "12.0", 120, nullptr},
        {0, "13", "13.0", 130, nullptr},
        {0, "0", "0.0", 0, nullptr},
        {0, "91", "90.0", 900, "Value Out of Range, Setting to Maximum | Antenna Beam Angles, Elevation - 1"},
        {0, "", "12.5", 125, "Value Out of Range, Setting to Default | Antenna Beam Angles, Elevation - 1"},
        {1, ".", "27.5", 275, "Value Out of Range, Setting to Default | Antenna Beam Angles, Elevation - 2"},
        {1, "27.7", "27.5", 275, nullptr},
        {1, "27.8", "28.0", 280, nullptr},
    };
    for (const auto& c : cases) {
        const Check_Result result = Check(page.Control_106_El[c.index], QString::fromLatin1(c.typed));
        EXPECT_EQ(result.text, QString::fromLatin1(c.result)) << c.typed;
        EXPECT_EQ(Page_PIMBIT::Spin_Value(page.UpDown_106_El[c.index]), c.tenths) << c.typed;
        EXPECT_EQ(result.boxes, c.box ? QStringList{QString::fromLatin1(c.box)} : QStringList())
            << c.typed;
        EXPECT_EQ(result.keeps_focus, c.box != nullptr) << c.typed;
    }
}

TEST(PagePimbit, ElevationSpinStepsFromWhatTheFieldShows)
{
    ScriptedMessages boxes;
    Page_PIMBIT page;
    QLineEdit* field = page.Control_106_El[0];
    pages::Up_Down* spin = page.UpDown_106_El[0];

    // A loaded value that the spin button has not seen yet.
    field->setText(QStringLiteral("40.0"));
    Click(spin, true);
    EXPECT_EQ(field->text(), QStringLiteral("40.5"));
    EXPECT_EQ(Page_PIMBIT::Spin_Value(spin), 405);
    Click(spin, false);
    Click(spin, false);
    EXPECT_EQ(field->text(), QStringLiteral("39.5"));

    // A typed value between the halves steps from its rounded value.
    field->setText(QStringLiteral("12.3"));
    Click(spin, true);
    EXPECT_EQ(field->text(), QStringLiteral("13.0"));
    EXPECT_EQ(Page_PIMBIT::Spin_Value(spin), 130);

    field->setText(QStringLiteral("90"));
    Click(spin, true);
    EXPECT_EQ(field->text(), QStringLiteral("90.0"));
    field->setText(QStringLiteral("0.0"));
    Click(spin, false);
    EXPECT_EQ(field->text(), QStringLiteral("0.0"));
    EXPECT_EQ(Page_PIMBIT::Spin_Value(spin), 0);
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    // Not a number: the default box once, and the field reads the default
    // the box announced, not a step from it.
    field->setText(QString());
    Click(spin, true);
    EXPECT_EQ(field->text(), QStringLiteral("12.5"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, DEFAULT_BOX);
}

TEST(PagePimbit, WholeNumberSpinsStepFromTheFieldAndKeepTheirValue)
{
    Page_PIMBIT page;
    page.Control_103[1]->setText(QStringLiteral("100")); // loaded
    Click(page.UpDown_103[1], true);
    EXPECT_EQ(page.Control_103[1]->text(), QStringLiteral("101"));
    EXPECT_EQ(Page_PIMBIT::Spin_Value(page.UpDown_103[1]), 101);

    page.Control_106_Az[0]->setText(QStringLiteral("-99"));
    Click(page.UpDown_106_Az[0], false);
    EXPECT_EQ(page.Control_106_Az[0]->text(), QStringLiteral("-99"));
    Click(page.UpDown_106_Az[0], true);
    EXPECT_EQ(page.Control_106_Az[0]->text(), QStringLiteral("-98"));
    EXPECT_EQ(Page_PIMBIT::Spin_Value(page.UpDown_106_Az[0]), -98);

    page.Control_107->setText(QStringLiteral("99"));
    Click(page.UpDown_107, true);
    EXPECT_EQ(page.Control_107->text(), QStringLiteral("99"));
}

TEST(PagePimbit, ButtonVisibleFromFeatureLevelFiveWithTheUserPartition)
{
    Versions_Guard versions;
    Page_PIMBIT page;
    QWidget button;
    page.Set_Page_Button(&button);

    core::Versions().User_Current.Feature_Level = 4;
    page.SetVisiblity(true, true);
    EXPECT_TRUE(button.isHidden());
    EXPECT_TRUE(page.Frame_User()->isVisibleTo(&page));

    core::Versions().User_Current.Feature_Level = 5;
    page.SetVisiblity(false, true);
    EXPECT_FALSE(button.isHidden());
    page.SetVisiblity(true, false);
    EXPECT_TRUE(button.isHidden());
    EXPECT_TRUE(page.Frame_User()->isVisibleTo(&page));

    page.Dual(true); // the page has no SDU columns
    EXPECT_FALSE(page.Dual_Mode());
}

TEST(PagePimbit, ReportOnlyFromFeatureLevelFive)
{
    Versions_Guard versions;
    Page_PIMBIT page;
    QStringList lines;
    core::Versions().User_Current.Feature_Level = 4;
    page.Write_Text_Output(lines);
    EXPECT_TRUE(lines.isEmpty());

    core::Versions().User_Current.Feature_Level = 5;
    page.Control_104[1]->setCurrentIndex(3);
    page.Control_106_El[1]->setText(QStringLiteral("30.0"));
    page.Write_Text_Output(lines);
    const QStringList expected{
        "SQI Fault Thresholds 7th IM: 208",
        "SQI Fault Thresholds 9th IM: 211",
        "SQI Fault Thresholds 11th IM: 213",
        "SQI Fault Thresholds 13th IM: 215",
        "SQI Fault Thresholds 15th IM: 217",
        "SQI Fault Thresholds 17th IM: 218",
        "SQI Fault Thresholds 19th IM: 219",
        "Antenna Beam Faults Required Low Angle: Not Applicable",
        "Antenna Beam Faults Required High Angle: Minimum of 3",
        "Antenna Beam Faults Required Any Angle: Minimum of 1",
        "Data Invalid Thresholds A: 100",
        "Data Invalid Thresholds B: 80",
        "Data Invalid Thresholds C: 10",
        "Data Invalid Thresholds D: 15",
        "Antenna Beam Angles Azimuth - 1: -15",
        "Antenna Beam Angles Azimuth - 2: 0",
        "Antenna Beam Angles Azimuth - 3: 15",
        "Antenna Beam Angles Elevation - 1: 12.5",
        "Antenna Beam Angles Elevation - 2: 30.0",
        "Sample Discard Ratio: 1",
    };
    EXPECT_EQ(lines, expected);
}
