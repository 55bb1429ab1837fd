// The cabin page: controls and entries, the security-code check, the
// terminal-ID check with its assignment-type rule, tooltips and the report.
#include "editor/core/ort_types.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_cabin.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using testsupport::Activate;
using testsupport::Entries;
using testsupport::Focus;
using testsupport::Type;

class PageCabinTest : public ::testing::Test {
protected:
    PageCabinTest()
    {
        core::Reset_Versions();
        page.Set_Page_Button(&button);
    }
    ~PageCabinTest() override { core::Reset_Versions(); }

    // Enters text into a field and moves the focus on to Control_10.
    void Enter(QLineEdit* edit, const QString& text)
    {
        Focus(edit);
        edit->setText(text);
        Focus(page.Control_10);
    }

    testsupport::ScriptedMessages boxes;
    QPushButton button;
    Page_Cabin page;
};

} // namespace

TEST_F(PageCabinTest, EveryComboExistsWithItsEntriesInOrderAndNoSelection)
{
    const QStringList allowed = {QStringLiteral("Not Allowed"), QStringLiteral("Allowed")};
    const QStringList routing = {QStringLiteral("None"), QStringLiteral("Channel 1"), QStringLiteral("Channel 2")};
    const QStringList barring = {QStringLiteral("0: None"), QStringLiteral("1: Short/Stored"),
                                 QStringLiteral("2: All")};
    const QStringList assignment = {QStringLiteral("Not Exclusive"), QStringLiteral("Exclusive")};
    const struct {
        const char* name;
        QStringList entries;
    } combos[] = {
        {"Control_10", allowed},
        {"Control_13",
         {QStringLiteral("Not Allowed"), QStringLiteral("Analog Phone"), QStringLiteral("Digital Phone"),
          QStringLiteral("Headset")}},
        {"Control_21a", routing},        {"Control_21b", routing},        {"Control_23a", allowed},
        {"Control_23b", allowed},        {"Control_24a", barring},        {"Control_24b", barring},
        {"Control_45_1b1", assignment}, {"Control_45_1b2", assignment}, {"Control_45_2b1", assignment},
        {"Control_45_2b2", assignment},
    };
    for (const auto& row : combos) {
        SCOPED_TRACE(row.name);
        auto* combo = page.findChild<QComboBox*>(QString::fromLatin1(row.name));
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(Entries(combo), row.entries);
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_FALSE(combo->isEditable());
    }
}

TEST_F(PageCabinTest, FieldsSpinButtonsLabelsAndFramesExistByName)
{
    for (const char* name : {"Control_59", "Control_25a", "Control_25b", "Control_45_1a1", "Control_45_1a2",
                             "Control_45_2a1", "Control_45_2a2"})
        EXPECT_NE(page.findChild<QLineEdit*>(QString::fromLatin1(name)), nullptr) << name;
    for (const char* name : {"UpDown_59", "UpDown_45_1a1", "UpDown_45_1a2", "UpDown_45_2a1", "UpDown_45_2a2"})
        EXPECT_NE(page.findChild<pages::Up_Down*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(page.Control_59->text(), QStringLiteral("56"));
    EXPECT_EQ(Tag(page.Control_59), QStringLiteral("128"));
    EXPECT_EQ(page.Control_25a->text(), QStringLiteral("6839"));
    EXPECT_EQ(page.Control_25a->maxLength(), 4);
    EXPECT_EQ(page.Control_59->maxLength(), 3);
    EXPECT_EQ(page.Control_45_2a2->text(), QStringLiteral("-1"));
    EXPECT_EQ(page.UpDown_45_2a2->property("Value").toInt(), -1);
    EXPECT_EQ(page.UpDown_59->property("Value").toInt(), 56);
    // Every character takes the same width (some monospaced fonts do not
    // declare themselves fixed pitch to the font database).
    const QFontMetrics metrics(page.Control_25b->font());
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")),
              metrics.horizontalAdvance(QStringLiteral("MMMM")));

    const struct {
        const char* name;
        const char* caption;
        const char* tag;
    } labels[] = {
        {"Label_Sec_L0(0)", "APHONE System Management Commands", "Item 23"},
        {"Label_Sec_L1(0)", "APHONE Audio Level Setting", "Item 59"},
        {"Label_User_L0(0)", "Ground-to-Air Circuit-Mode Data", "Item 10"},
        {"Label_User_L0(1)", "Ground-to-Air Calls", "Item 13"},
        {"Label_User_L0(2)", "Preferred APHONE Call Routing", "Item 21"},
        {"Label_User_L0(3)", "APHONE Outgoing Call Barring Level", "Item 24"},
        {"Label_User_L0(4)", "Call Barring Security Code", "Item 25"},
        {"Label_User_L0(5)", "APHONE 1", "Item 45"},
        {"Label_User_L0(6)", "Called Terminal ID", "Item 45"},
        {"Label_User_L0(7)", "Assignment Type", "Item 45"},
        {"Label_User_L0(8)", "APHONE 2", "Item 45"},
        {"Label_User_L0(9)", "Called Terminal ID", "Item 45"},
        {"Label_User_L0(10)", "Assignment Type", "Item 45"},
    };
    for (const auto& row : labels) {
        auto* label = page.findChild<QLabel*>(QString::fromLatin1(row.name));
        ASSERT_NE(label, nullptr) << row.name;
        EXPECT_EQ(label->text(), QString::fromLatin1(row.caption));
        EXPECT_EQ(Tag(label), QString::fromLatin1(row.tag));
    }

    // One SDU column pair in each partition frame.
    auto* sdu1_secured = page.findChild<QGroupBox*>(QStringLiteral("Frame_SDU1(0)"));
    auto* sdu2_user = page.findChild<QGroupBox*>(QStringLiteral("Frame_SDU2(1)"));
    ASSERT_NE(sdu1_secured, nullptr);
    ASSERT_NE(sdu2_user, nullptr);
    EXPECT_TRUE(page.Frame_Secured()->isAncestorOf(sdu1_secured));
    EXPECT_TRUE(sdu1_secured->isAncestorOf(page.Control_23a));
    EXPECT_TRUE(page.Frame_User()->isAncestorOf(sdu2_user));
    EXPECT_TRUE(sdu2_user->isAncestorOf(page.Control_45_2b2));
    EXPECT_TRUE(page.Frame_SDU1[1]->isAncestorOf(page.Control_25a));
    EXPECT_EQ(page.Status_User()->objectName(), QStringLiteral("StatusBar_Cabin_U"));
    EXPECT_EQ(page.Status_Secured(), nullptr);
}

TEST_F(PageCabinTest, TooltipsPerMode)
{
    // The user partition fills in the defaults of items 10 and 21.
    pages::Fill_Default_Tip(page.Control_10, QStringLiteral("Not Allowed"), 0);
    pages::Fill_Default_Tip(page.Control_21a, QStringLiteral("Channel 2"), 2);
    EXPECT_EQ(page.Control_59->toolTip(), QStringLiteral("Default: 56 / Range 0 to 255"));
    EXPECT_EQ(page.Control_45_1a2->toolTip(), QStringLiteral("Default: -1 / Range: -1 to 999"));
    EXPECT_EQ(page.Control_25b->toolTip(), QStringLiteral("Default: 6839"));
    EXPECT_EQ(page.Control_21a->toolTip(), QStringLiteral("Default: Channel 2"));
    const struct {
        int mode;
        const char* item13;
        const char* item23;
    } modes[] = {
        {0, "Default: Headset", "Default: Allowed"},
        {1, "Default: Not Allowed", "Default: Not Allowed"},
        {2, "Default: Not Allowed", "Default: Not Allowed (Non-Modifiable)"},
        {3, "Default: Not Allowed", "Default: Allowed"},
        {4, "Default: Not Allowed", "Default: Allowed"},
    };
    for (const auto& row : modes) {
        SCOPED_TRACE(row.mode);
        page.Setup_ToolTips(row.mode);
        EXPECT_EQ(page.Control_13->toolTip(), QString::fromLatin1(row.item13));
        EXPECT_EQ(page.Control_23a->toolTip(), QString::fromLatin1(row.item23));
        EXPECT_EQ(page.Control_23b->toolTip(), QString::fromLatin1(row.item23));
        EXPECT_EQ(page.Control_10->toolTip(), QStringLiteral("Default: Not Allowed"));
    }
}

TEST(CabinSecurityCode, DigitsOnlyExactlyFourPaddedWithZeros)
{
    testsupport::ScriptedMessages boxes;
    const QString caption = QStringLiteral("Call Barring Security Code");
    const struct {
        const char* text;
        const char* result;
        QStringList boxes;
    } cases[] = {
        {"1234", "1234", {}},
        {" 0042", "0042", {}},
        {"12", "0012", {QStringLiteral("Must be exactly 4 digits")}},
        {"", "0000", {QStringLiteral("Must be exactly 4 digits")}},
        {"12a4", "0124",
         {QStringLiteral("Call Barring Security Code contains invalid character"),
          QStringLiteral("Must be exactly 4 digits")}},
        {"-9.1", "0091",
         {QStringLiteral("Call Barring Security Code contains invalid character"),
          QStringLiteral("Must be exactly 4 digits")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        boxes.Clear();
        bool cancel = false;
        EXPECT_EQ(Validate_Security_Code(QString::fromLatin1(c.text), caption, cancel), QString::fromLatin1(c.result));
        EXPECT_EQ(boxes.Texts(), c.boxes);
        EXPECT_EQ(cancel, !c.boxes.isEmpty());
    }
    // The length box carries the caption, the character box the program's title.
    boxes.Clear();
    bool cancel = false;
    Validate_Security_Code(QStringLiteral("x"), caption, cancel);
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_TRUE(boxes.Boxes()[0].title.isEmpty());
    EXPECT_EQ(boxes.Boxes()[1].title, caption);
    EXPECT_EQ(boxes.Boxes()[1].icon, platform::MsgIcon::Exclamation);
}

TEST_F(PageCabinTest, SecurityCodeFieldTakesDigitsAndIsPaddedOnLeaving)
{
    Activate(&page);
    Focus(page.Control_25a);
    page.Control_25a->clear();
    Type(page.Control_25a, QStringLiteral("1x2"));
    EXPECT_EQ(page.Control_25a->text(), QStringLiteral("12"));
    Focus(page.Control_10);
    EXPECT_EQ(page.Control_25a->text(), QStringLiteral("0012"));
    EXPECT_EQ(QApplication::focusWidget(), page.Control_10);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Must be exactly 4 digits"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Call Barring Security Code"));

    // A loaded code with a letter loses it when the field is left.
    boxes.Clear();
    Enter(page.Control_25b, QStringLiteral("9A87"));
    EXPECT_EQ(page.Control_25b->text(), QStringLiteral("0987"));
    EXPECT_EQ(boxes.Boxes().size(), 2);
}

TEST_F(PageCabinTest, AudioLevelIsCheckedWithoutHoldingTheFocus)
{
    Activate(&page);
    Enter(page.Control_59, QStringLiteral("300"));
    EXPECT_EQ(page.Control_59->text(), QStringLiteral("255"));
    EXPECT_EQ(page.UpDown_59->property("Value").toInt(), 255);
    EXPECT_EQ(QApplication::focusWidget(), page.Control_10);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Maximum"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("APHONE Audio Level Setting"));

    boxes.Clear();
    Enter(page.Control_59, QString());
    EXPECT_EQ(page.Control_59->text(), QStringLiteral("56"));
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Value Out of Range, Setting to Default")});

    page.UpDown_59->Up_Button()->click();
    EXPECT_EQ(page.Control_59->text(), QStringLiteral("57"));
    EXPECT_EQ(page.UpDown_59->property("Value").toInt(), 57);
}

TEST_F(PageCabinTest, TerminalIdMinusOneFixesTheAssignmentType)
{
    Activate(&page);
    page.Control_45_1b1->setCurrentIndex(1);
    Enter(page.Control_45_1a1, QStringLiteral("-1"));
    EXPECT_EQ(page.Control_45_1b1->currentIndex(), 0);
    EXPECT_FALSE(page.Control_45_1b1->isEnabled());

    Enter(page.Control_45_1a1, QStringLiteral("5"));
    EXPECT_TRUE(page.Control_45_1b1->isEnabled());
    EXPECT_EQ(page.Control_45_1b1->currentText(), QStringLiteral("Not Exclusive"));
    EXPECT_EQ(page.UpDown_45_1a1->property("Value").toInt(), 5);

    page.Control_45_1b1->setCurrentIndex(1);
    Enter(page.Control_45_1a1, QStringLiteral("7"));
    EXPECT_EQ(page.Control_45_1b1->currentText(), QStringLiteral("Exclusive"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    // Out of range: the minimum with the box titled from the APHONE labels.
    Enter(page.Control_45_1a1, QStringLiteral("-7"));
    EXPECT_EQ(page.Control_45_1a1->text(), QStringLiteral("-1"));
    EXPECT_FALSE(page.Control_45_1b1->isEnabled());
    EXPECT_EQ(page.Control_45_1b1->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), page.Control_10);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Minimum"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("APHONE 1: Called Terminal ID"));

    boxes.Clear();
    Enter(page.Control_45_2a2, QStringLiteral("-"));
    EXPECT_EQ(page.Control_45_2a2->text(), QStringLiteral("-1"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Default"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("APHONE 2: Called Terminal ID"));
}

TEST_F(PageCabinTest, TerminalIdSpinAppliesTheRuleAtOnce)
{
    page.Control_45_2a1->setText(QStringLiteral("0"));
    page.Control_45_2b1->setCurrentIndex(1);
    page.Control_45_2b1->setEnabled(true);
    page.UpDown_45_2a1->Down_Button()->click();
    EXPECT_EQ(page.Control_45_2a1->text(), QStringLiteral("-1"));
    EXPECT_EQ(page.Control_45_2b1->currentIndex(), 0);
    EXPECT_FALSE(page.Control_45_2b1->isEnabled());
    page.UpDown_45_2a1->Down_Button()->click();
    EXPECT_EQ(page.Control_45_2a1->text(), QStringLiteral("-1"));

    page.UpDown_45_2a1->Up_Button()->click();
    EXPECT_EQ(page.Control_45_2a1->text(), QStringLiteral("0"));
    EXPECT_TRUE(page.Control_45_2b1->isEnabled());
    EXPECT_EQ(page.UpDown_45_2a1->property("Value").toInt(), 0);
    // The other terminals are not touched.
    EXPECT_FALSE(page.Control_45_1b2->isEnabled());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(PageCabinTest, AssignmentRuleAfterALoadTouchesOnlyTheEnabledState)
{
    // What a load leaves behind: texts and selections, enabled states stale.
    page.Control_45_1a1->setText(QStringLiteral("12"));
    page.Control_45_1b1->setCurrentIndex(1);
    page.Control_45_1a2->setText(QStringLiteral("-1"));
    page.Control_45_1b2->setCurrentIndex(1);
    page.Control_45_1b2->setEnabled(true);
    page.Control_45_2a1->setText(QStringLiteral("999"));
    page.Control_45_2b1->setCurrentIndex(0);
    page.Control_45_2a2->setText(QStringLiteral("-1"));
    page.Control_45_2b2->setCurrentIndex(0);
    ASSERT_FALSE(page.Control_45_1b1->isEnabled());

    page.Apply_Assignment_Type_Rule();
    EXPECT_TRUE(page.Control_45_1b1->isEnabled());
    EXPECT_FALSE(page.Control_45_1b2->isEnabled());
    EXPECT_TRUE(page.Control_45_2b1->isEnabled());
    EXPECT_FALSE(page.Control_45_2b2->isEnabled());
    EXPECT_EQ(page.Control_45_1b1->currentIndex(), 1);
    EXPECT_EQ(page.Control_45_1b2->currentIndex(), 1);
    EXPECT_EQ(page.Control_45_1a1->text(), QStringLiteral("12"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(PageCabinTest, Item13ShowsItsHintWhileFocused)
{
    Activate(&page);
    Focus(page.Control_13);
    EXPECT_EQ(page.Status_User()->text(), QStringLiteral("May have no effect, see Help"));
    Focus(page.Control_10);
    EXPECT_TRUE(page.Status_User()->text().isEmpty());
    page.Status_User()->setText(QStringLiteral("x"));
    page.Close_Action();
    EXPECT_TRUE(page.Status_User()->text().isEmpty());
    EXPECT_FALSE(page.isVisible());
}

namespace {

void Select_Report_Values(Page_Cabin& page)
{
    page.Control_23a->setCurrentIndex(1);
    page.Control_23b->setCurrentIndex(0);
    page.Control_10->setCurrentIndex(0);
    page.Control_13->setCurrentIndex(3);
    page.Control_21a->setCurrentIndex(2);
    page.Control_21b->setCurrentIndex(1);
    page.Control_24a->setCurrentIndex(0);
    page.Control_24b->setCurrentIndex(2);
    page.Control_25b->setText(QStringLiteral("1234"));
    page.Control_45_1a1->setText(QStringLiteral("5"));
    page.Control_45_1b1->setCurrentIndex(1);
    page.Control_45_1b2->setCurrentIndex(0);
    page.Control_45_2b1->setCurrentIndex(0);
    page.Control_45_2a2->setText(QStringLiteral("17"));
    page.Control_45_2b2->setCurrentIndex(1);
}

} // namespace

TEST_F(PageCabinTest, ReportSingleSduHasNoSdu2Lines)
{
    Select_Report_Values(page);
    core::Versions().Secured_Current.Feature_Level = 1;
    page.SetVisiblity(true, true);
    page.Dual(false);
    QStringList lines;
    page.Write_Text_Output(lines);
    const QStringList expected = {
        QStringLiteral("APHONE Audio Level Setting: 56"),
        QStringLiteral("APHONE System Management Commands, SDU 1: Allowed"),
        QStringLiteral("Ground-to-Air Circuit-Mode Data: Not Allowed"),
        QStringLiteral("Ground-to-Air Calls: Headset"),
        QStringLiteral("Preferred APHONE Call Routing, SDU 1: Channel 2"),
        QStringLiteral("APHONE Outgoing Call Barring Level, SDU 1: 0: None"),
        QStringLiteral("Call Barring Security Code, SDU 1: 6839"),
        QStringLiteral("APHONE 1: SDU 1, Called Terminal ID: 5"),
        QStringLiteral("APHONE 1: SDU 1, Assignment Type: Exclusive"),
        QStringLiteral("APHONE 2: SDU 1, Called Terminal ID: -1"),
        QStringLiteral("APHONE 2: SDU 1, Assignment Type: Not Exclusive"),
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(PageCabinTest, ReportDualSduInterleavesSdu2Lines)
{
    Select_Report_Values(page);
    page.SetVisiblity(true, true);
    page.Dual(true);
    QStringList lines;
    page.Write_Text_Output(lines);
    // Secured feature level 0: no audio level line.
    const QStringList expected = {
        QStringLiteral("APHONE System Management Commands, SDU 1: Allowed"),
        QStringLiteral("APHONE System Management Commands, SDU 2: Not Allowed"),
        QStringLiteral("Ground-to-Air Circuit-Mode Data: Not Allowed"),
        QStringLiteral("Ground-to-Air Calls: Headset"),
        QStringLiteral("Preferred APHONE Call Routing, SDU 1: Channel 2"),
        QStringLiteral("Preferred APHONE Call Routing, SDU 2: Channel 1"),
        QStringLiteral("APHONE Outgoing Call Barring Level, SDU 1: 0: None"),
        QStringLiteral("APHONE Outgoing Call Barring Level, SDU 2: 2: All"),
        QStringLiteral("Call Barring Security Code, SDU 1: 6839"),
        QStringLiteral("Call Barring Security Code, SDU 2: 1234"),
        QStringLiteral("APHONE 1: SDU 1, Called Terminal ID: 5"),
        QStringLiteral("APHONE 1: SDU 1, Assignment Type: Exclusive"),
        QStringLiteral("APHONE 1: SDU 2, Called Terminal ID: -1"),
        QStringLiteral("APHONE 1: SDU 2, Assignment Type: Not Exclusive"),
        QStringLiteral("APHONE 2: SDU 1, Called Terminal ID: -1"),
        QStringLiteral("APHONE 2: SDU 1, Assignment Type: Not Exclusive"),
        QStringLiteral("APHONE 2: SDU 2, Called Terminal ID: 17"),
        QStringLiteral("APHONE 2: SDU 2, Assignment Type: Exclusive"),
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(PageCabinTest, ReportPrintsOnlyThePartitionsShown)
{
    core::Versions().Secured_Current.Feature_Level = 2;
    page.SetVisiblity(true, false);
    QStringList lines;
    page.Write_Text_Output(lines);
    // Nothing selected yet: empty values.
    EXPECT_EQ(lines, (QStringList{QStringLiteral("APHONE Audio Level Setting: 56"),
                                  QStringLiteral("APHONE System Management Commands, SDU 1: ")}));

    page.SetVisiblity(false, true);
    lines.clear();
    page.Write_Text_Output(lines);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], QStringLiteral("Ground-to-Air Circuit-Mode Data: "));
    EXPECT_EQ(lines[8], QStringLiteral("APHONE 2: SDU 1, Assignment Type: "));
}

TEST_F(PageCabinTest, DualShowsBothSdu2ColumnsAndSetVisiblityTheFrames)
{
    page.Dual(true);
    EXPECT_FALSE(page.Frame_SDU2[0]->isHidden());
    EXPECT_FALSE(page.Frame_SDU2[1]->isHidden());
    page.Dual(false);
    EXPECT_TRUE(page.Frame_SDU2[0]->isHidden());
    EXPECT_TRUE(page.Frame_SDU2[1]->isHidden());
    EXPECT_FALSE(page.Frame_SDU1[1]->isHidden());

    page.SetVisiblity(false, true);
    EXPECT_TRUE(page.Frame_Secured()->isHidden());
    EXPECT_FALSE(page.Frame_User()->isHidden());
    EXPECT_FALSE(button.isHidden());
}
