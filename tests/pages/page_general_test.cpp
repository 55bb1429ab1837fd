// The General page: its controls, tooltips, field checks, status hints,
// report section and the PSID table commands.
#include "editor/core/ort_types.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_general.h"
#include "editor/pages/psid_table_dialog.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"
#include "support/versions_guard.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace {

using testsupport::Entries;
using testsupport::Lines;
using testsupport::Settle;
using testsupport::Type;

using platform::MsgAnswer;
using platform::MsgIcon;
using testsupport::ScriptedMessages;

const QString DEFAULT_BOX = QStringLiteral("Value Out of Range, Setting to Default");
const QString MAXIMUM_BOX = QStringLiteral("Value Out of Range, Setting to Maximum");
const QString ITEM_30 = QStringLiteral("Default Assumed Global Beam Initial C-Channel EIRP");

void Activate(QWidget* window)
{
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    Settle();
}

void Focus(QWidget* widget)
{
    widget->setFocus(Qt::TabFocusReason);
    Settle();
}

using testsupport::Versions_Guard;

// Answers the modal PSID dialogs that open while it lives, one step each.
struct Modal_Script : testsupport::Modal_Script<PSID_Table_Dialog> {
    explicit Modal_Script(std::deque<Step> steps)
        : testsupport::Modal_Script<PSID_Table_Dialog>(std::move(steps), "PSID")
    {
    }
};

QString Fields_Of(const PSID_Table_Dialog& d)
{
    return d.Control_Sat_ID->text() + "|" + d.Control_Table_Revision->text() + "|" +
           d.Control_PSID_1->text() + "|" + d.Control_PSID_2->text();
}

// A step that records the presets, enters a row and presses OK.
Modal_Script::Step Enter(QStringList& seen, const QString& sat, const QString& revision,
                         const QString& psid_1, const QString& psid_2)
{
    return [&seen, sat, revision, psid_1, psid_2](PSID_Table_Dialog& d) {
        seen << Fields_Of(d);
        d.Control_Sat_ID->setText(sat);
        d.Control_Table_Revision->setText(revision);
        d.Control_PSID_1->setText(psid_1);
        d.Control_PSID_2->setText(psid_2);
        d.OKButton->click();
    };
}

Modal_Script::Step Cancel(QStringList& seen)
{
    return [&seen](PSID_Table_Dialog& d) {
        seen << Fields_Of(d);
        d.CancelButton->click();
    };
}

} // namespace

TEST(PageGeneral, CombosWithTheirEntriesInOrder)
{
    Page_General page;
    EXPECT_EQ(page.windowTitle(), QStringLiteral("General Presets"));
    const struct {
        const char* name;
        QStringList entries;
    } combos[] = {
        {"Control_01", {"Automatic", "Commanded"}},
        {"Control_04", {"Never", "Always", "On Ground Only"}},
        {"Control_18", {"Off", "-60 dBm0", "-50 dBm0", "-40 dBm0"}},
        {"Control_27a", {"No", "Yes"}},
        {"Control_27b", {"No", "Yes"}},
        {"Control_40a", {"Disabled", "Enabled"}},
        {"Control_40b", {"Disable", "Enabled"}},
        {"Control_52", {"'1' and '2'", "'L' and 'R'"}},
        {"Control_54",
         {"None", "Composite Disallowed", "Uplink Disallowed", "Composite and Uplink Disallowed"}},
        {"Control_58", {"Disabled", "Enabled"}},
        {"Control_60", {"Disabled", "Enabled"}},
        {"Control_61",
         {"0: C-P4 > MPDS > ISDN", "1: C-P4 > ISDN > MPDS", "2: MPDS > C-P4 > ISDN",
          "3: MPDS > ISDN > C-P4", "4: ISDN > C-P4 > MPDS", "5: ISDN > MPDS > C-P4"}},
    };
    for (const auto& c : combos) {
        auto* combo = page.findChild<QComboBox*>(QString::fromLatin1(c.name));
        ASSERT_NE(combo, nullptr) << c.name;
        EXPECT_EQ(Entries(combo), c.entries) << c.name;
    }
    EXPECT_EQ(page.Control_40b, page.findChild<QComboBox*>(QStringLiteral("Control_40b")));
}

TEST(PageGeneral, FieldsLabelsFramesAndPsidControls)
{
    Page_General page;
    const struct {
        const char* name;
        int max_length;
    } edits[] = {{"Control_30", 4}, {"Control_34", 4}, {"Control_47a", 3},
                 {"Control_47b", 3}, {"Control_51a", 6}, {"Control_51b", 6}};
    for (const auto& e : edits) {
        auto* edit = page.findChild<QLineEdit*>(QString::fromLatin1(e.name));
        ASSERT_NE(edit, nullptr) << e.name;
        EXPECT_EQ(edit->maxLength(), e.max_length) << e.name;
    }
    for (const char* spin : {"UpDown_30", "UpDown_47a", "UpDown_47b"})
        EXPECT_NE(page.findChild<pages::Up_Down*>(QString::fromLatin1(spin)), nullptr) << spin;

    const struct {
        const char* name;
        const char* caption;
        const char* tag;
    } labels[] = {
        {"Label_Sec_L0(0)", "Startup Log-On Policy", "Item 1"},
        {"Label_Sec_L0(1)", "Noise Insertion Level", "Item 18"},
        {"Label_Sec_L0(2)", "Default Assumed Global Beam Initial C-Channel EIRP", "Item 30"},
        {"Label_Sec_L0(3)", "HGA Retry Period: Ground", "Item 47"},
        {"Label_Sec_L0(4)", "HGA Retry Period: Air", "Item 47"},
        {"Label_Sec_L0(5)", "SCDU Channel Label Suffixes", "Item 52"},
        {"Label_Sec_L0(6)", "ORT File Loading Restrictions", "Item 54"},
        {"Label_Sec_L0(8)", "SCDU SATCOM Subsystem Prompts", "Item 51"},
        {"Label_Sec_L0(9)", "dBW", ""},
        {"Label_Sec_L0(10)", "Minutes", ""},
        {"Label_Sec_L0(11)", "Minutes", ""},
        {"Label_Sec_L0(12)", "RFU Installed", "Item 27"},
        {"Label_Sec_L1(0)", "Aero-H Only Operation", "Item 60"},
        {"Label_General_U(0)", "Maintenance Page Access", "Item 4"},
        {"Label_General_U(1)", "Airline Code", "Item 34"},
        {"Label_General_U(2)", "High Rate Data Transmit Support", "Item 40"},
        {"Label_General_U(3)", "Global", ""},
        {"Label_General_U(4)", "Spot", ""},
        {"Label_General_U(5)", "Suppress AES Position Reporting", "Item 58"},
        {"Label_General_U(6)", "HSD Preemption Preferences", "Item 61"},
    };
    for (const auto& l : labels) {
        auto* label = page.findChild<QLabel*>(QString::fromLatin1(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), QString::fromLatin1(l.caption)) << l.name;
        EXPECT_EQ(Tag(label), QString::fromLatin1(l.tag)) << l.name;
    }
    EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("Label_Sec_L0(7)")), nullptr);
    EXPECT_EQ(page.Label_Sec_L0[7], nullptr);

    auto* sdu1 = page.findChild<QGroupBox*>(QStringLiteral("Frame_SDU1(0)"));
    auto* sdu2 = page.findChild<QGroupBox*>(QStringLiteral("Frame_SDU2"));
    ASSERT_NE(sdu1, nullptr);
    ASSERT_NE(sdu2, nullptr);
    EXPECT_TRUE(sdu1->isAncestorOf(page.Control_51a) && sdu1->isAncestorOf(page.Control_27a));
    EXPECT_TRUE(sdu2->isAncestorOf(page.Control_51b) && sdu2->isAncestorOf(page.Control_27b));
    EXPECT_TRUE(page.Frame_Secured()->isAncestorOf(sdu2));
    EXPECT_TRUE(page.Frame_User()->isAncestorOf(page.Control_61));

    auto* psid = page.findChild<QGroupBox*>(QStringLiteral("Frame_PsidSupFreq"));
    ASSERT_NE(psid, nullptr);
    EXPECT_EQ(psid->title(), QStringLiteral("PSID Supplementary Frequencies"));
    EXPECT_EQ(Tag(psid), QStringLiteral("Item 78"));
    auto* list = page.findChild<QListWidget*>(QStringLiteral("Control_78"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->toolTip(), QStringLiteral("PSID Table"));
    const struct {
        const char* name;
        const char* caption;
        const char* tip;
    } buttons[] = {
        {"Control_78_Add", "Add", "Add a new Sat entry"},
        {"Control_78_Edit", "Edit", "Edit currently selected Sat entry"},
        {"Control_78_Delete", "Delete", "Delete currently selected Sat entry"},
        {"Control_78_Sort_Sat", "Sat", "Sort by Sat ID"},
        {"Control_78_Sort_Table_Revision", "Table Rev", "Sort by Sat Name"},
        {"Control_78_Sort_PSID1", "PSID-1", "Sort by Sat Name"},
        {"Control_78_Sort_PSID2", "PSID-2", "Sort by Sat Name"},
    };
    for (const auto& b : buttons) {
        auto* button = page.findChild<QPushButton*>(QString::fromLatin1(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), QString::fromLatin1(b.caption));
        EXPECT_EQ(button->toolTip(), QString::fromLatin1(b.tip));
        EXPECT_TRUE(psid->isAncestorOf(button));
    }
}

TEST(PageGeneral, TooltipsPerMode)
{
    Page_General page;
    // The partitions fill in the defaults of the lists their rows state.
    pages::Fill_Default_Tip(page.Control_18, QStringLiteral("-50 dBm0"), 2);
    pages::Fill_Default_Tip(page.Control_60, QStringLiteral("Disabled"), 0);
    pages::Fill_Default_Tip(page.Control_58, QStringLiteral("Disabled"), 0);
    pages::Fill_Default_Tip(page.Control_40a, QStringLiteral("Disabled"), 0);
    pages::Fill_Default_Tip(page.Control_40b, QStringLiteral("Enabled"), 1);
    pages::Fill_Default_Tip(page.Control_61, QStringLiteral("4: ISDN > C-P4 > MPDS"), 4);
    const struct {
        QWidget* control;
        const char* fixed;
        const char* mixed;
        const char* standard;
    } rows[] = {
        {page.Control_01, "Default: Automatic (Non-Modifiable)", "Default: Automatic",
         "Default: Automatic"},
        {page.Control_04, "Default: Never (Non-Modifiable)", "Non-Modifiable",
         "Default: On Ground Only"},
        {page.Control_30, "Default: 4.0 / Range: 0.0 to 25.5 (Non-Modifiable)",
         "Default: 4.0 / Range: 0.0 to 25.5", "Default: 4.0 / Range: 0.0 to 25.5"},
        {page.Control_47a, "Default: 5 / Range: 0 to 255 (Non-Modifiable)",
         "Default: 5 / Range: 0 to 255", "Default: 5 / Range: 0 to 255"},
        {page.Control_47b, "Default: 30 / Range: 0 to 255 (Non-Modifiable)",
         "Default: 30 / Range: 0 to 255", "Default: 30 / Range: 0 to 255"},
        {page.Control_51a, "Default: \"<SAT\" (Non-Modifiable)", "Default: \"<SAT\"",
         "Default: \"<SAT\""},
        {page.Control_51b, "Default: \"<SAT-2\" (Non-Modifiable)", "Default: \"<SAT-2\"",
         "Default: \"<SAT-2\""},
        {page.Control_52, "Default: '1' and '2' (Non-Modifiable)", "Default: '1' and '2'",
         "Default: '1' and '2'"},
        {page.Control_54, "Default: Composite and Uplink Disallowed",
         "Default: Composite and Uplink Disallowed", "Default: None"},
    };
    for (int mode : {0, 1, 2, 3, 4}) {
        page.Setup_ToolTips(mode);
        for (const auto& r : rows) {
            const char* expected = mode == 2 ? r.fixed : mode == 1 ? r.mixed : r.standard;
            EXPECT_EQ(r.control->toolTip(), QString::fromUtf8(expected))
                << r.control->objectName().toStdString() << " mode " << mode;
        }
    }
    // Design tooltips stay whatever the mode.
    page.Setup_ToolTips(2);
    EXPECT_EQ(page.Control_18->toolTip(), QStringLiteral("Default: -50 dBm0"));
    EXPECT_EQ(page.Control_60->toolTip(), QStringLiteral("Default: Disabled"));
    EXPECT_EQ(page.Control_27a->toolTip(), QStringLiteral("Default: No"));
    EXPECT_EQ(page.Control_27b->toolTip(), QStringLiteral("Default: No"));
    EXPECT_EQ(page.Control_58->toolTip(), QStringLiteral("Default: Disabled"));
    EXPECT_EQ(page.Control_40a->toolTip(), QStringLiteral("Default: Disabled"));
    EXPECT_EQ(page.Control_40b->toolTip(), QStringLiteral("Default: Enabled"));
    EXPECT_EQ(page.Control_61->toolTip(), QStringLiteral("Default: 4: ISDN > C-P4 > MPDS"));
    EXPECT_TRUE(page.Control_34->toolTip().isEmpty());
}

TEST(PageGeneral, Item30IsCheckedOnLeavingNotWhileTyping)
{
    ScriptedMessages boxes;
    Page_General page;
    page.Control_47a->setText(QStringLiteral("5"));
    Activate(&page);
    Focus(page.Control_30);
    page.Control_30->clear();
    Type(page.Control_30, QStringLiteral("12.5x"));
    EXPECT_EQ(page.Control_30->text(), QStringLiteral("12.5"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    // Leaving: good value, formatted with one decimal.
    page.Control_30->setText(QStringLiteral("3"));
    Focus(page.Control_47a);
    EXPECT_EQ(page.Control_30->text(), QStringLiteral("3.0"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    // Above the range: the maximum, the box titled with the caption, the focus kept.
    Focus(page.Control_30);
    page.Control_30->setText(QStringLiteral("30"));
    Focus(page.Control_47a);
    EXPECT_EQ(page.Control_30->text(), QStringLiteral("25.5"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, MAXIMUM_BOX);
    EXPECT_EQ(boxes.Boxes()[0].title, ITEM_30);
    EXPECT_TRUE(page.Control_30->hasFocus());

    // Not a number: the default.
    boxes.Clear();
    page.Control_30->setText(QStringLiteral("."));
    EXPECT_FALSE(page.ValidateControls());
    EXPECT_EQ(page.Control_30->text(), QStringLiteral("4.0"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, DEFAULT_BOX);
}

TEST(PageGeneral, Item30SpinSteps)
{
    ScriptedMessages boxes;
    Page_General page;
    const auto step = [&](const char* from, bool up) {
        page.Control_30->setText(QString::fromLatin1(from));
        (up ? page.UpDown_30->Up_Button() : page.UpDown_30->Down_Button())->click();
        return page.Control_30->text();
    };
    EXPECT_EQ(step("4.0", true), QStringLiteral("4.1"));
    EXPECT_EQ(step("4.0", false), QStringLiteral("3.9"));
    EXPECT_EQ(step("25.5", true), QStringLiteral("25.5"));
    EXPECT_EQ(step("0.0", false), QStringLiteral("0.0"));
    EXPECT_EQ(step("12.5", true), QStringLiteral("12.6"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    // Not a number: one Default box, the field reads 4.0.
    EXPECT_EQ(step("", true), QStringLiteral("4.0"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, DEFAULT_BOX);
    EXPECT_EQ(boxes.Boxes()[0].title, ITEM_30);

    // A value out of range is brought into it by the click's check.
    boxes.Clear();
    EXPECT_EQ(step("40", false), QStringLiteral("25.5"));
}

TEST(PageGeneral, HgaRetryFields)
{
    ScriptedMessages boxes;
    Page_General page;
    page.Control_47a->setText(QString());
    EXPECT_TRUE(pages::Validate_Field(page.Control_47a)); // keeps the focus
    EXPECT_EQ(page.Control_47a->text(), QStringLiteral("5"));
    page.Control_47b->setText(QString());
    EXPECT_TRUE(pages::Validate_Field(page.Control_47b));
    EXPECT_EQ(page.Control_47b->text(), QStringLiteral("30"));
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[0].text, DEFAULT_BOX);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("HGA Retry Period: Ground"));
    EXPECT_EQ(boxes.Boxes()[1].title, QStringLiteral("HGA Retry Period: Air"));

    boxes.Clear();
    page.Control_47a->setText(QStringLiteral("200"));
    EXPECT_FALSE(pages::Validate_Field(page.Control_47a));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    Type(page.Control_47a, QStringLiteral("-.a"));
    EXPECT_EQ(page.Control_47a->text(), QStringLiteral("200"));

    page.Control_47a->setText(QStringLiteral("255"));
    page.UpDown_47a->Up_Button()->click();
    EXPECT_EQ(page.Control_47a->text(), QStringLiteral("255"));
    page.UpDown_47a->Down_Button()->click();
    EXPECT_EQ(page.Control_47a->text(), QStringLiteral("254"));
}

TEST(PageGeneral, PromptsAreUpperCasePrintableOnly)
{
    ScriptedMessages boxes;
    Page_General page;
    page.Control_51a->clear();
    Type(page.Control_51a, QStringLiteral("<s\u00e4t"));
    EXPECT_EQ(page.Control_51a->text(), QStringLiteral("<ST"));

    // A loaded lower-case text reads upper-case after the check.
    page.Control_51b->setText(QStringLiteral("<sat-2"));
    EXPECT_FALSE(pages::Validate_Field(page.Control_51b));
    EXPECT_EQ(page.Control_51b->text(), QStringLiteral("<SAT-2"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    // Airline code: printable characters, kept as typed.
    page.Control_34->clear();
    Type(page.Control_34, QStringLiteral("ab\u00e91"));
    EXPECT_EQ(page.Control_34->text(), QStringLiteral("ab1"));
}

TEST(PageGeneral, StatusHints)
{
    Versions_Guard versions;
    Page_General page;
    Activate(&page);

    Focus(page.Control_34);
    EXPECT_EQ(page.Status_User()->text(),
              QStringLiteral("Superceded by Central Maintenance Data if present"));
    Focus(page.Control_52);
    EXPECT_TRUE(page.Status_User()->text().isEmpty());
    EXPECT_EQ(page.Status_Secured()->text(), QStringLiteral("No SATCOM effect with WSC"));
    Focus(page.Control_51a);
    EXPECT_EQ(page.Status_Secured()->text(), QStringLiteral("No SATCOM effect with WSC"));
    Focus(page.Control_01);
    EXPECT_TRUE(page.Status_Secured()->text().isEmpty());

    // An airframer ORT shows no hint.
    core::Versions().Secured_Current.Airframer_Level = 1;
    Focus(page.Control_52);
    EXPECT_TRUE(page.Status_Secured()->text().isEmpty());

    page.Status_Secured()->setText(QStringLiteral("x"));
    page.Close_Action();
    EXPECT_TRUE(page.Status_Secured()->text().isEmpty());
    EXPECT_FALSE(page.isVisible());
}

namespace {

void Fill_Report_Values(Page_General& page)
{
    page.Control_01->setCurrentIndex(1);
    page.Control_18->setCurrentIndex(2);
    page.Control_30->setText(QStringLiteral("4.0"));
    page.Control_47a->setText(QStringLiteral("5"));
    page.Control_47b->setText(QStringLiteral("30"));
    page.Control_52->setCurrentIndex(1);
    page.Control_54->setCurrentIndex(3);
    page.Control_60->setCurrentIndex(1);
    page.Control_51a->setText(QStringLiteral("<SAT"));
    page.Control_51b->setText(QStringLiteral("<SAT-2"));
    page.Control_27a->setCurrentIndex(1);
    page.Control_27b->setCurrentIndex(0);
    page.Control_04->setCurrentIndex(2);
    page.Control_34->setText(QStringLiteral("QX"));
    page.Control_40a->setCurrentIndex(0);
    page.Control_40b->setCurrentIndex(1);
    page.Control_58->setCurrentIndex(0);
    page.Control_61->setCurrentIndex(4);
}

const QStringList USER_LINES{
    "Maintenance Page Access: On Ground Only",
    "Airline Code: QX",
    "High Rate Data Transmit Support, Global: Disabled",
    "High Rate Data Transmit Support, Spot: Enabled",
    "Suppress AES Position Reporting: Disabled",
};

} // namespace

TEST(PageGeneral, ReportSingleSduStandardLevels)
{
    Versions_Guard versions;
    Page_General page;
    Fill_Report_Values(page);
    page.SetVisiblity(true, true);
    page.Dual(false);
    QStringList lines;
    page.Write_Text_Output(lines);
    const QStringList expected = QStringList{
        "Startup Log-On Policy: Commanded",
        "Noise Insertion Level: -50 dBm0",
        "Default Assumed Global Beam Initial C-Channel EIRP: 4.0 dBW",
        "HGA Retry Period: Ground: 5 Minutes",
        "HGA Retry Period: Air: 30 Minutes",
        "SCDU Channel Label Suffixes: 'L' and 'R'",
        "ORT File Loading Restrictions: Composite and Uplink Disallowed",
        "SCDU SATCOM Subsystem Prompts, SDU 1: <SAT",
        "RFU Installed, SDU 1: Yes",
    } + USER_LINES;
    EXPECT_EQ(lines, expected);
}

TEST(PageGeneral, ReportDualSduHigherLevels)
{
    Versions_Guard versions;
    core::Versions().Secured_Current.Feature_Level = 1;
    core::Versions().User_Current.Feature_Level = 2;
    Page_General page;
    Fill_Report_Values(page);
    page.SetVisiblity(true, true);
    page.Dual(false);
    EXPECT_FALSE(page.Frame_SDU2->isVisibleTo(&page));
    page.Dual(true);
    EXPECT_TRUE(page.Frame_SDU2->isVisibleTo(&page));
    EXPECT_TRUE(page.Frame_SDU1[0]->isVisibleTo(&page));
    QStringList lines;
    page.Write_Text_Output(lines);
    const QStringList expected = QStringList{
        "Startup Log-On Policy: Commanded",
        "Noise Insertion Level: -50 dBm0",
        "Default Assumed Global Beam Initial C-Channel EIRP: 4.0 dBW",
        "HGA Retry Period: Ground: 5 Minutes",
        "HGA Retry Period: Air: 30 Minutes",
        "SCDU Channel Label Suffixes: 'L' and 'R'",
        "ORT File Loading Restrictions: Composite and Uplink Disallowed",
        "Aero-H Only Operation: Enabled",
        "SCDU SATCOM Subsystem Prompts, SDU 1: <SAT",
        "SCDU SATCOM Subsystem Prompts, SDU 2: <SAT-2",
    } + USER_LINES + QStringList{"HSD Preemption Preferences: 4: ISDN > C-P4 > MPDS"};
    EXPECT_EQ(lines, expected);

    // Level 0 in dual mode: both RFU lines.
    core::Versions().Secured_Current.Feature_Level = 0;
    lines.clear();
    page.Write_Text_Output(lines);
    EXPECT_TRUE(lines.contains(QStringLiteral("RFU Installed, SDU 1: Yes")));
    EXPECT_TRUE(lines.contains(QStringLiteral("RFU Installed, SDU 2: No")));
}

TEST(PageGeneral, ReportFollowsTheShownPartitions)
{
    Versions_Guard versions;
    Page_General page;
    Fill_Report_Values(page);
    page.SetVisiblity(false, true); // a user-only ORT
    QStringList lines;
    page.Write_Text_Output(lines);
    EXPECT_EQ(lines, USER_LINES);
    EXPECT_FALSE(page.Frame_Secured()->isVisibleTo(&page));
    EXPECT_TRUE(page.Frame_User()->isVisibleTo(&page));

    page.SetVisiblity(true, false);
    lines.clear();
    page.Write_Text_Output(lines);
    EXPECT_EQ(lines.size(), 9);
    EXPECT_FALSE(lines.contains(USER_LINES[0]));

    // Captions are read at run time; no selection reports an empty entry.
    page.Label_Sec_L0[0]->setText(QStringLiteral("Policy"));
    page.Control_01->setCurrentIndex(-1);
    lines.clear();
    page.Write_Text_Output(lines);
    EXPECT_EQ(lines[0], QStringLiteral("Policy: "));
}

TEST(PageGeneral, SetVisiblityAlwaysShowsThePageButton)
{
    Page_General page;
    QWidget button;
    button.hide();
    page.Set_Page_Button(&button);
    page.SetVisiblity(false, false);
    EXPECT_FALSE(button.isHidden());
    EXPECT_FALSE(page.Show_Secured());
    EXPECT_FALSE(page.Show_User());
    page.SetVisiblity(true, false);
    EXPECT_TRUE(page.Show_Secured());
}

// --- PSID table ------------------------------------------------------------------

TEST(PageGeneral, PsidAddEditAndReport)
{
    ScriptedMessages boxes;
    Page_General page;
    QStringList lines;
    page.Write_Text_Output_PSID(lines);
    EXPECT_EQ(lines, QStringList{QStringLiteral("PSID TABLE IS EMPTY")});

    QStringList seen;
    {
        Modal_Script script({Enter(seen, "7", "12", "1770", "0"), Enter(seen, "1", "5", "1770", "4C90")});
        page.Control_78_Add->click();
        page.Control_78_Add->click();
    }
    EXPECT_EQ(seen, (QStringList{"0|0|1770|1770", "0|0|1770|1770"}));
    EXPECT_EQ(Lines(page.Control_78), (QStringList{"07      12   0x1770 0x0000",
                                                   "01       5   0x1770 0x4C90"}));

    // Edit keeping the Sat ID replaces the selected row.
    seen.clear();
    page.Control_78->setCurrentRow(0);
    {
        Modal_Script script({Enter(seen, "07", "13", "2000", "0000")});
        page.Control_78_Edit->click();
    }
    EXPECT_EQ(seen, QStringList{"07|12|1770|0000"});
    EXPECT_EQ(Lines(page.Control_78), (QStringList{"07      13   0x2000 0x0000",
                                                   "01       5   0x1770 0x4C90"}));

    lines.clear();
    page.Write_Text_Output_PSID(lines);
    EXPECT_EQ(lines, (QStringList{"      TABLE", "SAT    REV   PSID-1 PSID-2",
                                  "--------------------------", "07      13   0x2000 0x0000",
                                  "01       5   0x1770 0x4C90"}));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST(PageGeneral, PsidCancelledDialogsChangeNothing)
{
    ScriptedMessages boxes;
    Page_General page;
    page.Control_78->addItem(QStringLiteral("07      12   0x1770 0x0000"));
    QStringList seen;
    {
        Modal_Script script({Cancel(seen)});
        page.Control_78_Add->click();
    }
    page.Control_78->setCurrentRow(0);
    {
        Modal_Script script({Cancel(seen)});
        page.Control_78_Edit->click();
    }
    EXPECT_EQ(seen.size(), 2);
    EXPECT_EQ(Lines(page.Control_78), QStringList{"07      12   0x1770 0x0000"});

    // Edit and Delete without a selected row do nothing.
    page.Control_78->clearSelection();
    page.Control_78_Edit->click();
    page.Control_78_Delete->click();
    EXPECT_EQ(page.Control_78->count(), 1);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST(PageGeneral, PsidTenRowsThenNoMoreEntries)
{
    ScriptedMessages boxes;
    Page_General page;
    QStringList seen;
    std::deque<Modal_Script::Step> steps;
    for (int sat = 0; sat < 10; ++sat)
        steps.push_back(Enter(seen, QString::number(sat, 8), "1", "1770", "0"));
    {
        Modal_Script script(std::move(steps));
        for (int i = 0; i < 10; ++i)
            page.Control_78_Add_Click();
    }
    EXPECT_EQ(page.Control_78->count(), 10);
    EXPECT_EQ(page.Control_78->item(9)->text(), QStringLiteral("11       1   0x1770 0x0000"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    page.Control_78_Add_Click(); // no dialog opens
    EXPECT_EQ(page.Control_78->count(), 10);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("No more entries available"));
    EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(boxes.Boxes()[0].title.isEmpty());
}

TEST(PageGeneral, PsidAddingAnExistingSatIdReopensTheAddDialog)
{
    ScriptedMessages boxes;
    Page_General page;
    page.Control_78->addItem(QStringLiteral("07      12   0x1770 0x0000"));
    page.Control_78->addItem(QStringLiteral("01       5   0x1770 0x4C90"));
    page.Control_78->setCurrentRow(1); // even with that row selected
    QStringList seen;
    {
        Modal_Script script({Enter(seen, "1", "9", "2000", "0"), Enter(seen, "2", "9", "2000", "0")});
        page.Control_78_Add_Click();
    }
    // The second dialog starts again from the presets.
    EXPECT_EQ(seen, (QStringList{"0|0|1770|1770", "0|0|1770|1770"}));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("This Sat is already defined. Please choose another."));
    EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(Lines(page.Control_78), (QStringList{"07      12   0x1770 0x0000",
                                                   "01       5   0x1770 0x4C90",
                                                   "02       9   0x2000 0x0000"}));
}

TEST(PageGeneral, PsidEditToAnotherRowsSatIdReopensTheEditWithTheEntry)
{
    ScriptedMessages boxes;
    Page_General page;
    page.Control_78->addItem(QStringLiteral("07      12   0x1770 0x0000"));
    page.Control_78->addItem(QStringLiteral("01       5   0x1770 0x4C90"));
    page.Control_78->setCurrentRow(1);
    QStringList seen;
    {
        Modal_Script script({Enter(seen, "7", "6", "2000", "0"), Enter(seen, "3", "6", "2000", "0")});
        page.Control_78_Edit_Click();
    }
    // The second dialog shows what the user entered, not the presets.
    EXPECT_EQ(seen, (QStringList{"01|5|1770|4C90", "07|6|2000|0000"}));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("This Sat is already defined. Please choose another."));
    // The edited row is replaced, nothing is added.
    EXPECT_EQ(Lines(page.Control_78), (QStringList{"07      12   0x1770 0x0000",
                                                   "03       6   0x2000 0x0000"}));

    // Cancelling the reopened dialog leaves the row as it was.
    boxes.Clear();
    seen.clear();
    {
        Modal_Script script({Enter(seen, "7", "1", "1770", "0"), Cancel(seen)});
        page.Control_78_Edit_Click();
    }
    EXPECT_EQ(seen, (QStringList{"03|6|2000|0000", "07|1|1770|0000"}));
    EXPECT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(Lines(page.Control_78), (QStringList{"07      12   0x1770 0x0000",
                                                   "03       6   0x2000 0x0000"}));
}

TEST(PageGeneral, PsidDeleteAsksFirst)
{
    ScriptedMessages boxes;
    Page_General page;
    page.Control_78->addItem(QStringLiteral("07      12   0x1770 0x0000"));
    page.Control_78->addItem(QStringLiteral("01       5   0x1770 0x4C90"));
    page.Control_78->setCurrentRow(0);

    boxes.Answer(MsgAnswer::No);
    page.Control_78_Delete->click();
    EXPECT_EQ(page.Control_78->count(), 2);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Continue?"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Delete PSID Entry"));
    EXPECT_EQ(boxes.Boxes()[0].buttons, platform::MsgButtons::YesNo);

    boxes.Answer(MsgAnswer::Yes);
    page.Control_78_Delete->click();
    EXPECT_EQ(Lines(page.Control_78), QStringList{"01       5   0x1770 0x4C90"});
}
