// The cockpit voice page: controls and entries, the pairing rule of items 31
// and 32 (on leaving either combo and in ValidateControls), the audio level
// checks, the level-dependent hints, tooltips per mode and the report.
#include "editor/core/ort_types.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_cockpit_voice.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using testsupport::Activate;
using testsupport::Entries;
using testsupport::Focus;

QStringList Split(const char* entries)
{
    return QString::fromLatin1(entries).split(QLatin1Char('|'));
}

const QString PAIRING_TITLE = QStringLiteral("Invalid pairing of ORT settings");
const QString TO_DISABLED = QStringLiteral("ACP Call Initiation changing to 'Disabled'");
const QString TO_ENABLED = QStringLiteral("SCDU Telephone Number Preselect changing to 'Enabled'");

class PageCockpitVoiceTest : public ::testing::Test {
protected:
    PageCockpitVoiceTest() { core::Reset_Versions(); }
    ~PageCockpitVoiceTest() override { core::Reset_Versions(); }

    void Set_Pair(int item31, int item32)
    {
        page.Control_31->setCurrentIndex(item31);
        page.Control_32->setCurrentIndex(item32);
    }

    testsupport::ScriptedMessages boxes;
    Page_Cockpit_Voice page;
};

} // namespace

TEST_F(PageCockpitVoiceTest, EveryComboExistsWithItsEntriesInOrderAndNoSelection)
{
    const struct {
        const char* name;
        const char* entries;
    } combos[] = {
        {"Control_31", "Disabled|Enabled"},
        {"Control_32", "Disabled|Main Menu"},
        {"Control_42", "Always Chime|Camped-On Only|Never Chime"},
        {"Control_43", "0: All Prompts Enabled|1: Answer / End Disabled|2: All Disabled|3: Alt Interface"},
        {"Control_06a1", "Automatic|Cockpit|Cabin"},
        {"Control_06b1", "Automatic|Cockpit|Cabin"},
        {"Control_06a2", "Automatic|Cockpit|Cabin"},
        {"Control_06b2", "Automatic|Cockpit|Cabin"},
        {"Control_07", "Disabled|Channel 1|Channel 2"},
        {"Control_14", "Indefinite|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|Immediate"},
        {"Control_15", "Cancel|Preempt"},
        {"Control_19a", "Do Not Preempt|Preempt"},
        {"Control_19b", "Do Not Preempt|Preempt"},
        {"Control_20", "Channel 1|Channel 2"},
        {"Control_35", "0: No Calls Barred|1: All Barred Except Short/Stored"},
        {"Control_36", "Disable|Enable"},
        {"Control_63", "Disabled|Priority 1|Priority 2|Priority 3|Priority 4"},
    };
    for (const auto& row : combos) {
        SCOPED_TRACE(row.name);
        auto* combo = page.findChild<QComboBox*>(QString::fromLatin1(row.name));
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(Entries(combo), Split(row.entries));
        EXPECT_EQ(combo->currentIndex(), -1);
    }
    EXPECT_EQ(page.Control_14->count(), 17);
    EXPECT_TRUE(page.Frame_SDU1->isAncestorOf(page.Control_06b1));
    EXPECT_TRUE(page.Frame_SDU2->isAncestorOf(page.Control_06a2));
    EXPECT_TRUE(page.Frame_Secured()->isAncestorOf(page.Frame_SDU2));
    EXPECT_EQ(page.findChild<QGroupBox*>(QStringLiteral("Frame_SDU1")), page.Frame_SDU1);
}

TEST_F(PageCockpitVoiceTest, FieldsLabelsAndStatusLinesExistByName)
{
    const struct {
        const char* name;
        const char* spin;
        const char* text;
    } levels[] = {{"Control_46a", "UpDown_46a", "125"}, {"Control_46b", "UpDown_46b", "50"},
                  {"Control_46c", "UpDown_46c", "30"}};
    for (const auto& row : levels) {
        auto* edit = page.findChild<QLineEdit*>(QString::fromLatin1(row.name));
        ASSERT_NE(edit, nullptr) << row.name;
        EXPECT_EQ(edit->text(), QString::fromLatin1(row.text));
        EXPECT_EQ(edit->maxLength(), 3);
        auto* spin = page.findChild<pages::Up_Down*>(QString::fromLatin1(row.spin));
        ASSERT_NE(spin, nullptr) << row.spin;
        EXPECT_EQ(spin->property("Value").toString(), QString::fromLatin1(row.text));
    }
    const struct {
        const char* name;
        const char* caption;
        const char* tag;
    } labels[] = {
        {"Label_Sec_L0(0)", "SCDU Telephone Number Preselect", "Item 31"},
        {"Label_Sec_L0(1)", "ACP Call Initiation", "Item 32"},
        {"Label_Sec_L0(3)", "SCDU Call Prompts", "Item 43"},
        {"Label_Sec_L0(4)", "Cockpit Audio Level Settings", "Item 46"},
        {"Label_Sec_L0(7)", "Receive Audio", "Item 46"},
        {"Label_Sec_L0(8)", "Codec 1 Dedication", "Item 6"},
        {"Label_Sec_L0(9)", "Codec 2 Dedication", "Item 6"},
        {"Label_User_L0(0)", "Resources Reserved for Headset", "Item 7"},
        {"Label_User_L0(3)", "Ground-to-Air Call Preemption", "Item 19"},
        {"Label_User_L0(5)", "Priority 3", "Item 19"},
        {"Label_User_L0(8)", "Headset Transit Call", "Item 36"},
        {"Label_User_L2(0)", "WSC Manual Dialing", "Item 63"},
    };
    for (const auto& row : labels) {
        auto* label = page.findChild<QLabel*>(QString::fromLatin1(row.name));
        ASSERT_NE(label, nullptr) << row.name;
        EXPECT_EQ(label->text(), QString::fromLatin1(row.caption));
        EXPECT_EQ(Tag(label), QString::fromLatin1(row.tag));
    }
    EXPECT_EQ(page.Status_Secured()->objectName(), QStringLiteral("StatusBar_Secured"));
    EXPECT_EQ(page.Status_User()->objectName(), QStringLiteral("StatusBar_User"));
    EXPECT_TRUE(page.Status_Secured()->text().isEmpty());
}

TEST_F(PageCockpitVoiceTest, TooltipsPerMode)
{
    // The user partition fills in the defaults of items 7 and 63.
    pages::Fill_Default_Tip(page.Control_07, QStringLiteral("Disabled"), 0);
    pages::Fill_Default_Tip(page.Control_63, QStringLiteral("Priority 3"), 3);
    const struct {
        QWidget* control;
        const char* mode2;
        const char* mode1;
        const char* other;
    } rows[] = {
        {page.Control_31, "Default: Enabled (Non-Modifiable)", "Default: Enabled", "Default: Disabled"},
        {page.Control_32, "Default: Main Menu (Non-Modifiable)", "Default: Main Menu", "Default: Disabled"},
        {page.Control_42, "Default: Always Chime (Non-Modifiable)", "Default: Always Chime", "Default: Always Chime"},
        {page.Control_43, "Default: 3: Alt Interface (Non-Modifiable)", "Default: 3: Alt Interface",
         "Default: 0: All Prompts Enabled"},
        {page.Control_46b, "Default: 77 / Range: 0 to 255", "Default: 77 / Range: 0 to 255",
         "Default: 50 / Range: 0 to 255"},
        {page.Control_14, "Default: Immediate (Non-Modifiable)", "Non-Modifiable", "Default: Indefinite"},
        {page.Control_15, "Default: Preempt (Non-Modifiable)", "Non-Modifiable", "Default: Cancel"},
        {page.Control_19a, "Default: Preempt (Non-Modifiable)", "Default: Preempt", "Default: Preempt"},
        {page.Control_19b, "Default: Preempt (Non-Modifiable)", "Default: Preempt", "Default: Preempt"},
        {page.Control_36, "Default: Disable (Non-Modifiable)", "Default: Disable", "Default: Disable"},
        {page.Control_07, "Default: Disabled", "Default: Disabled", "Default: Disabled"},
        {page.Control_46a, "Default: 125 / Range: 0 to 255", "Default: 125 / Range: 0 to 255",
         "Default: 125 / Range: 0 to 255"},
        {page.Control_63, "Default: Priority 3", "Default: Priority 3", "Default: Priority 3"},
    };
    // The design texts are the standard ones.
    for (const auto& row : rows)
        EXPECT_EQ(row.control->toolTip(), QString::fromLatin1(row.other)) << row.other;
    for (int mode : {2, 1, 0, 3, 4}) {
        SCOPED_TRACE(mode);
        page.Setup_ToolTips(mode);
        for (const auto& row : rows) {
            const char* expected = mode == 2 ? row.mode2 : mode == 1 ? row.mode1 : row.other;
            EXPECT_EQ(row.control->toolTip(), QString::fromLatin1(expected)) << row.control->objectName().toStdString();
        }
    }
}

TEST_F(PageCockpitVoiceTest, LeavingItem32OfAForbiddenPairEnablesItem31)
{
    Activate(&page);
    Set_Pair(0, 0);
    Focus(page.Control_32);
    page.Control_32->setCurrentIndex(1);
    Focus(page.Control_07);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].title, PAIRING_TITLE);
    EXPECT_EQ(boxes.Boxes()[0].text, TO_ENABLED);
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(page.Control_31->currentText(), QStringLiteral("Enabled"));
    EXPECT_EQ(page.Control_32->currentText(), QStringLiteral("Main Menu"));
    EXPECT_EQ(QApplication::focusWidget(), page.Control_07);
}

TEST_F(PageCockpitVoiceTest, LeavingItem31OfAForbiddenPairDisablesItem32)
{
    Activate(&page);
    Set_Pair(1, 1);
    Focus(page.Control_31);
    page.Control_31->setCurrentIndex(0);
    Focus(page.Control_42);
    EXPECT_EQ(boxes.Texts(), QStringList{TO_DISABLED});
    EXPECT_EQ(page.Control_32->currentText(), QStringLiteral("Disabled"));
    EXPECT_EQ(page.Control_31->currentText(), QStringLiteral("Disabled"));
    EXPECT_EQ(QApplication::focusWidget(), page.Control_42);
}

TEST_F(PageCockpitVoiceTest, AllowedPairsPassSilently)
{
    Activate(&page);
    page.SetVisiblity(true, true);
    for (const auto& [item31, item32] : {std::pair{1, 1}, std::pair{0, 0}, std::pair{1, 0}, std::pair{-1, 1}}) {
        Set_Pair(item31, item32);
        Focus(page.Control_31);
        Focus(page.Control_32);
        Focus(page.Control_07);
        EXPECT_TRUE(page.ValidateControls());
    }
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(PageCockpitVoiceTest, ValidateControlsCorrectsAForbiddenPairBeforeItIsSaved)
{
    Activate(&page);
    page.SetVisiblity(true, true);
    // A loaded pair while the focus is elsewhere: item 32 gives way.
    Focus(page.Control_07);
    Set_Pair(0, 1);
    EXPECT_TRUE(page.ValidateControls());
    EXPECT_EQ(boxes.Texts(), QStringList{TO_DISABLED});
    EXPECT_EQ(page.Control_32->currentIndex(), 0);
    EXPECT_EQ(page.Control_31->currentIndex(), 0);

    // With item 32 focused, item 31 gives way.
    boxes.Clear();
    Focus(page.Control_32);
    Set_Pair(0, 1);
    EXPECT_TRUE(page.ValidateControls());
    EXPECT_EQ(boxes.Texts(), QStringList{TO_ENABLED});
    EXPECT_EQ(page.Control_31->currentIndex(), 1);

    // A hidden page is checked too (the main window validates every page).
    boxes.Clear();
    page.hide();
    Set_Pair(0, 1);
    EXPECT_TRUE(page.ValidateControls());
    EXPECT_EQ(boxes.Boxes().size(), 1);

    // Without the secured partition the pair is not the user's business.
    boxes.Clear();
    page.SetVisiblity(false, true);
    Set_Pair(0, 1);
    EXPECT_TRUE(page.ValidateControls());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(PageCockpitVoiceTest, AudioLevelCorrectionsKeepTheFocus)
{
    Activate(&page);
    page.SetVisiblity(true, true);
    Focus(page.Control_46a);
    page.Control_46a->setText(QStringLiteral("300"));
    Focus(page.Control_46b);
    EXPECT_EQ(page.Control_46a->text(), QStringLiteral("255"));
    EXPECT_EQ(QApplication::focusWidget(), page.Control_46a);
    EXPECT_EQ(page.UpDown_46a->property("Value").toInt(), 255);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Maximum"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Cockpit Audio Level Settings: Microphone"));

    // The sidetone default stays 50 whatever the tooltip mode says.
    boxes.Clear();
    page.Setup_ToolTips(2);
    Focus(page.Control_46b);
    page.Control_46b->clear();
    EXPECT_FALSE(page.ValidateControls());
    EXPECT_EQ(page.Control_46b->text(), QStringLiteral("50"));
    EXPECT_EQ(QApplication::focusWidget(), page.Control_46b);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Cockpit Audio Level Settings: Sidetone"));

    boxes.Clear();
    page.Control_46c->setText(QStringLiteral("254"));
    page.UpDown_46c->Up_Button()->click();
    page.UpDown_46c->Up_Button()->click();
    EXPECT_EQ(page.Control_46c->text(), QStringLiteral("255"));
    EXPECT_EQ(page.UpDown_46c->property("Value").toInt(), 255);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(PageCockpitVoiceTest, HintsDependOnTheAirframerLevels)
{
    Activate(&page);
    const struct {
        QComboBox* control;
        QLabel* status;
        const char* hint;
    } rows[] = {
        {page.Control_31, page.Status_Secured(), "May have no effect, see Help"},
        {page.Control_32, page.Status_Secured(), "No SATCOM effect with WSC"},
        {page.Control_42, page.Status_Secured(), "May not have an effect dependent on customer configuration"},
        {page.Control_43, page.Status_Secured(), "No SATCOM effect with WSC"},
        {page.Control_36, page.Status_User(), "No direct SATCOM effect with WSC, but possible effect via the WSC itself"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.hint);
        Focus(row.control);
        EXPECT_EQ(row.status->text(), QString::fromLatin1(row.hint));
        Focus(page.Control_07);
        EXPECT_TRUE(row.status->text().isEmpty());
    }
    core::Versions().Secured_Current.Airframer_Level = 1;
    core::Versions().User_Current.Airframer_Level = 2;
    for (const auto& row : rows) {
        Focus(row.control);
        EXPECT_TRUE(row.status->text().isEmpty());
    }
    // Item 63 shows its hint at every level.
    Focus(page.Control_63);
    EXPECT_EQ(page.Status_User()->text(),
              QStringLiteral("No direct SATCOM effect with WSC, but possible effect via the WSC itself"));
    page.Close_Action();
    EXPECT_TRUE(page.Status_User()->text().isEmpty());
}

namespace {

void Select_Report_Values(Page_Cockpit_Voice& page)
{
    page.Control_31->setCurrentIndex(1);
    page.Control_32->setCurrentIndex(1);
    page.Control_42->setCurrentIndex(2);
    page.Control_43->setCurrentIndex(3);
    page.Control_06a1->setCurrentIndex(1);
    page.Control_06b1->setCurrentIndex(2);
    page.Control_06a2->setCurrentIndex(0);
    page.Control_06b2->setCurrentIndex(1);
    page.Control_07->setCurrentIndex(2);
    page.Control_14->setCurrentIndex(16);
    page.Control_15->setCurrentIndex(1);
    page.Control_19a->setCurrentIndex(0);
    page.Control_19b->setCurrentIndex(1);
    page.Control_20->setCurrentIndex(0);
    page.Control_35->setCurrentIndex(1);
    page.Control_36->setCurrentIndex(0);
    page.Control_63->setCurrentIndex(3);
}

const QStringList SECURED_LINES = {
    QStringLiteral("SCDU Telephone Number Preselect: Enabled"),
    QStringLiteral("ACP Call Initiation: Main Menu"),
    QStringLiteral("Air-to-Ground Chime: Never Chime"),
    QStringLiteral("SCDU Call Prompts: 3: Alt Interface"),
    QStringLiteral("Cockpit Audio Level Settings, Microphone: 125"),
    QStringLiteral("Cockpit Audio Level Settings, Sidetone: 50"),
    QStringLiteral("Cockpit Audio Level Settings, Receive Audio: 30"),
};

const QStringList USER_LINES = {
    QStringLiteral("Resources Reserved for Headset: Channel 2"),
    QStringLiteral("Call Camp-On Duration: Immediate"),
    QStringLiteral("Camp-On Timeout Action: Preempt"),
    QStringLiteral("Ground-to-Air Call Preemption, Priority 2: Do Not Preempt"),
    QStringLiteral("Ground-to-Air Call Preemption, Priority 3: Preempt"),
    QStringLiteral("Preferred Cockpit Call Routing: Channel 1"),
    QStringLiteral("Headset Outgoing Call Barring Level: 1: All Barred Except Short/Stored"),
    QStringLiteral("Headset Transit Call: Disable"),
};

} // namespace

TEST_F(PageCockpitVoiceTest, ReportAtSecuredLevel0HasTheCodecLinesPerSdu)
{
    Select_Report_Values(page);
    page.SetVisiblity(true, true);
    page.Dual(false);
    QStringList lines;
    page.Write_Text_Output(lines);
    QStringList expected = SECURED_LINES;
    expected << QStringLiteral("Codec 1 Dedication, SDU 1: Cockpit") << QStringLiteral("Codec 2 Dedication, SDU 1: Cabin");
    expected << USER_LINES;
    EXPECT_EQ(lines, expected);

    page.Dual(true);
    EXPECT_FALSE(page.Frame_SDU2->isHidden());
    lines.clear();
    page.Write_Text_Output(lines);
    expected = SECURED_LINES;
    expected << QStringLiteral("Codec 1 Dedication, SDU 1: Cockpit") << QStringLiteral("Codec 2 Dedication, SDU 1: Cabin")
             << QStringLiteral("Codec 1 Dedication, SDU 2: Automatic")
             << QStringLiteral("Codec 2 Dedication, SDU 2: Cockpit");
    expected << USER_LINES;
    EXPECT_EQ(lines, expected);
}

TEST_F(PageCockpitVoiceTest, ReportAboveSecuredLevel0HasNoCodecLinesAndWscFromUserLevel2)
{
    Select_Report_Values(page);
    core::Versions().Secured_Current.Feature_Level = 1;
    core::Versions().User_Current.Feature_Level = 2;
    page.SetVisiblity(true, true);
    page.Dual(true); // ignored above level 0
    EXPECT_FALSE(page.Dual_Mode());
    QStringList lines;
    page.Write_Text_Output(lines);
    QStringList expected = SECURED_LINES + USER_LINES;
    expected << QStringLiteral("WSC Manual Dialing: Priority 3");
    EXPECT_EQ(lines, expected);

    core::Versions().User_Current.Feature_Level = 1;
    page.SetVisiblity(false, true);
    lines.clear();
    page.Write_Text_Output(lines);
    EXPECT_EQ(lines, USER_LINES);

    page.SetVisiblity(true, false);
    lines.clear();
    page.Write_Text_Output(lines);
    EXPECT_EQ(lines, SECURED_LINES);
}
