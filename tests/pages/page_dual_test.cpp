// The dual page: controls and entries, the weighting checks with their
// defaults, the item 50 hint, tooltips per mode and the report.
#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_dual.h"
#include "support/modal_boxes.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using testsupport::Activate;
using testsupport::Entries;
using testsupport::Focus;

const char* const TRAFFIC[6] = {
    "Cockpit Voice",
    "Cabin Circuit-Mode Voice/Fax/Data",
    "Cockpit Packet- Mode Data (Low)",
    "Cockpit Packet- Mode Data (High)",
    "Cabin Packet- Mode Data (Low)",
    "Cabin Packet- Mode Data (High)",
};

class PageDualTest : public ::testing::Test {
protected:
    PageDualTest()
    {
        core::Reset_Versions();
        // The secured partition fills in the defaults of items 48 and 56.
        pages::Fill_Default_Tip(page.Control_48, QStringLiteral("Fixed"), 0);
        pages::Fill_Default_Tip(page.Control_56, QStringLiteral("Disallowed"), 0);
    }
    ~PageDualTest() override { core::Reset_Versions(); }

    testsupport::ScriptedMessages boxes;
    Page_Dual page;
};

} // namespace

TEST_F(PageDualTest, ControlsLabelsAndDefaultsExistByName)
{
    const struct {
        const char* name;
        QStringList entries;
        const char* tooltip;
    } combos[] = {
        {"Control_48", {QStringLiteral("Fixed"), QStringLiteral("Shared")}, "Default: Fixed"},
        {"Control_50", {QStringLiteral("Presented"), QStringLiteral("Suppressed")}, "Default: Presented"},
        {"Control_56", {QStringLiteral("Disallowed"), QStringLiteral("Allowed")}, "Default: Disallowed"},
    };
    for (const auto& row : combos) {
        auto* combo = page.findChild<QComboBox*>(QString::fromLatin1(row.name));
        ASSERT_NE(combo, nullptr) << row.name;
        EXPECT_EQ(Entries(combo), row.entries);
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_EQ(combo->toolTip(), QString::fromLatin1(row.tooltip));
        EXPECT_TRUE(page.Frame_Secured()->isAncestorOf(combo));
    }

    const int defaults[6] = {6, 2, 5, 6, 1, 2};
    const char* const tooltips[6] = {
        "Default: 6 / Range: 0 to 99", "Default: 2 / Range 0 to 99",  "Default: 5 / Range: 0 to 99",
        "Default: 6 / Range 0 to 99",  "Default: 1 / Range 0 to 99", "Default: 2 / Range: 0 to 99",
    };
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        auto* edit = page.findChild<QLineEdit*>(Array_Name(QStringLiteral("Control_49"), i));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(core::Fact(core::Item_Fact_Id::Item_49_0, i).Default, defaults[i]);
        EXPECT_EQ(edit->text(), QString::number(defaults[i]));
        EXPECT_EQ(edit->maxLength(), 2);
        EXPECT_EQ(edit->toolTip(), QString::fromLatin1(tooltips[i]));
        EXPECT_TRUE(page.Frame_User()->isAncestorOf(edit));
        auto* spin = page.findChild<pages::Up_Down*>(Array_Name(QStringLiteral("UpDown_49"), i));
        ASSERT_NE(spin, nullptr);
        EXPECT_EQ(spin->property("Value").toInt(), defaults[i]);
        auto* label = page.findChild<QLabel*>(Array_Name(QStringLiteral("Label_User_L0"), i + 1));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromLatin1(TRAFFIC[i]));
        EXPECT_EQ(Tag(label), QStringLiteral("Item 49"));
    }
    EXPECT_EQ(page.Label_User_L0[0]->text(), QStringLiteral("Mastery Handover Algorithm Weighting"));
    EXPECT_EQ(page.Label_Sec_L0[1]->text(), QStringLiteral("\"Disable/Re-enable Other SATCOM\" SCDU Prompts"));
    EXPECT_EQ(Tag(page.Label_Sec_L0[1]), QStringLiteral("Item 50"));
    EXPECT_EQ(Tag(page.Label_Sec_L0[2]), QStringLiteral("Item 56"));
    EXPECT_EQ(page.Label_Sec_L0[0]->objectName(), QStringLiteral("Label_Sec_L0(0)"));
    EXPECT_EQ(page.Status_Secured()->objectName(), QStringLiteral("StatusBar_Dual_S"));
}

TEST_F(PageDualTest, OnlyItem50TooltipFollowsTheMode)
{
    for (int mode : {0, 1, 2, 3, 4}) {
        page.Setup_ToolTips(mode);
        EXPECT_EQ(page.Control_50->toolTip(), mode == 2 ? QStringLiteral("Default: Presented (Non-Modifiable)")
                                                        : QStringLiteral("Default: Presented"))
            << mode;
        EXPECT_EQ(page.Control_48->toolTip(), QStringLiteral("Default: Fixed"));
        EXPECT_EQ(page.Control_49[1]->toolTip(), QStringLiteral("Default: 2 / Range 0 to 99"));
    }
}

TEST_F(PageDualTest, WeightingChecksUseTheElementDefaultAndLetTheFocusMoveOn)
{
    Activate(&page);
    Focus(page.Control_49[4]);
    page.Control_49[4]->clear();
    Focus(page.Control_49[5]);
    EXPECT_EQ(page.Control_49[4]->text(), QStringLiteral("1"));
    EXPECT_EQ(QApplication::focusWidget(), page.Control_49[5]);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Default"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Cabin Packet- Mode Data (Low)"));

    // Typed letters never arrive; a good value passes silently.
    boxes.Clear();
    Focus(page.Control_49[0]);
    page.Control_49[0]->clear();
    for (QChar c : QStringLiteral("4x2")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(page.Control_49[0], &press);
    }
    EXPECT_EQ(page.Control_49[0]->text(), QStringLiteral("42"));
    EXPECT_TRUE(page.ValidateControls());
    EXPECT_EQ(page.UpDown_49[0]->property("Value").toInt(), 42);
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    // Each element falls back to its own default.
    for (std::size_t i = 0; i < 6; ++i) {
        Focus(page.Control_49[i]);
        page.Control_49[i]->clear();
        EXPECT_TRUE(page.ValidateControls());
        const core::Item_Fact& fact = core::Fact(core::Item_Fact_Id::Item_49_0, static_cast<int>(i));
        EXPECT_EQ(page.Control_49[i]->text(), core::Default_Text(fact)) << i;
    }
    EXPECT_EQ(boxes.Boxes().size(), 6);
}

TEST_F(PageDualTest, WeightingSpinsStayWithin0To99)
{
    page.Control_49[2]->setText(QStringLiteral("98"));
    page.UpDown_49[2]->Up_Button()->click();
    page.UpDown_49[2]->Up_Button()->click();
    EXPECT_EQ(page.Control_49[2]->text(), QStringLiteral("99"));
    EXPECT_EQ(page.UpDown_49[2]->property("Value").toInt(), 99);
    page.Control_49[3]->setText(QStringLiteral("0"));
    page.UpDown_49[3]->Down_Button()->click();
    EXPECT_EQ(page.Control_49[3]->text(), QStringLiteral("0"));
    EXPECT_EQ(page.Control_49[2]->text(), QStringLiteral("99"));
}

TEST_F(PageDualTest, SpinPressOnAnEmptyFieldGivesTheDefaultOnceAndNothingMovesAfterTheBox)
{
    // Real boxes: the release of the press goes to the box, as with the mouse.
    testsupport::Modal_Boxes real_boxes;
    QToolButton* down = page.UpDown_49[0]->Down_Button();
    real_boxes.While_Shown([down] { testsupport::Release_Through_Window(down); });
    Activate(&page);
    Focus(page.Control_49[0]);
    page.Control_49[0]->clear();

    QTest::mousePress(down, Qt::LeftButton);
    QTest::qWait(1500);

    EXPECT_EQ(real_boxes.Texts(), QStringList{QStringLiteral("Value Out of Range, Setting to Default")});
    EXPECT_EQ(page.Control_49[0]->text(), QStringLiteral("6"));
    EXPECT_EQ(page.UpDown_49[0]->property("Value").toInt(), 6);
    EXPECT_FALSE(down->isDown());
}

TEST_F(PageDualTest, Item50HintOnlyAtSecuredLevel0)
{
    Activate(&page);
    Focus(page.Control_50);
    EXPECT_EQ(page.Status_Secured()->text(), QStringLiteral("No SATCOM effect with WSC"));
    Focus(page.Control_48);
    EXPECT_TRUE(page.Status_Secured()->text().isEmpty());

    core::Versions().Secured_Current.Airframer_Level = 1;
    Focus(page.Control_50);
    EXPECT_TRUE(page.Status_Secured()->text().isEmpty());

    page.Status_Secured()->setText(QStringLiteral("x"));
    page.Close_Action();
    EXPECT_TRUE(page.Status_Secured()->text().isEmpty());
}

TEST_F(PageDualTest, ReportIsTheSameSingleAndDualAndFollowsThePartitions)
{
    page.Control_48->setCurrentIndex(1);
    page.Control_50->setCurrentIndex(0);
    page.Control_56->setCurrentIndex(1);
    page.SetVisiblity(true, true);
    const QStringList expected = {
        QStringLiteral("Cockpit Channel Interface Type: Shared"),
        QStringLiteral("\"Disable/Re-enable Other SATCOM\" SCDU Prompts: Presented"),
        QStringLiteral("Access to Zero Preference GESs: Allowed"),
        QStringLiteral("Mastery Handover Algorithm Weighting, Cockpit Voice: 6"),
        QStringLiteral("Mastery Handover Algorithm Weighting, Cabin Circuit-Mode Voice/Fax/Data: 2"),
        QStringLiteral("Mastery Handover Algorithm Weighting, Cockpit Packet- Mode Data (Low): 5"),
        QStringLiteral("Mastery Handover Algorithm Weighting, Cockpit Packet- Mode Data (High): 6"),
        QStringLiteral("Mastery Handover Algorithm Weighting, Cabin Packet- Mode Data (Low): 1"),
        QStringLiteral("Mastery Handover Algorithm Weighting, Cabin Packet- Mode Data (High): 2"),
    };
    for (bool dual : {false, true}) {
        page.Dual(dual);
        EXPECT_FALSE(page.Dual_Mode());
        QStringList lines;
        page.Write_Text_Output(lines);
        EXPECT_EQ(lines, expected) << dual;
    }

    page.SetVisiblity(false, true);
    EXPECT_TRUE(page.Frame_Secured()->isHidden());
    QStringList lines;
    page.Write_Text_Output(lines);
    EXPECT_EQ(lines, expected.mid(3));

    page.SetVisiblity(true, false);
    lines.clear();
    page.Write_Text_Output(lines);
    EXPECT_EQ(lines, expected.mid(0, 3));
}
