// The transit GES page: the 44-cell grid, editing a cell in its dialog,
// Reset All, tooltips per mode and the report section.
#include "editor/pages_tables/page_transit_ges.h"

#include "editor/pages/field_edit.h"
#include "editor/pages_tables/transit_ges_dialog.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using platform::MsgAnswer;
using testsupport::ScriptedMessages;

namespace {

void On_Transit_Dialog(std::function<void(Transit_GES_Dialog&)> step)
{
    testsupport::On_Dialog(std::move(step), "the transit GES dialog");
}

class PageTransitGESTest : public ::testing::Test {
protected:
    Page_Transit_GES page;
    ScriptedMessages boxes;
};

} // namespace

TEST_F(PageTransitGESTest, GridControls)
{
    for (int i = 0; i < 44; ++i) {
        auto* cell = page.findChild<QPushButton*>(Array_Name(QStringLiteral("Control_41"), i));
        ASSERT_NE(cell, nullptr) << i;
        EXPECT_EQ(cell, page.Control_41[static_cast<std::size_t>(i)]);
        EXPECT_TRUE(page.Frame_Secured()->isAncestorOf(cell));
    }
    const char* const zones[11] = {"Zone 1", "Zone 2", "Zone 3", "Zone 4",     "Zone 5",  "Zone 6",
                                   "Zone 7", "Zone 8", "Zone 9", "Short PSTN", "Non-PSTN"};
    for (int r = 0; r < 11; ++r) {
        auto* label = page.findChild<QLabel*>(Array_Name(QStringLiteral("Static_Label_Zone"), r));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromLatin1(zones[r]));
    }
    for (int c = 0; c < 4; ++c) {
        auto* label = page.findChild<QLabel*>(Array_Name(QStringLiteral("Label_Static"), c));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QStringLiteral("SAT 0") + QString::number(c));
    }
    auto* reset = page.findChild<QPushButton*>(QStringLiteral("Control_41_Reset"));
    ASSERT_NE(reset, nullptr);
    EXPECT_EQ(reset->text(), QStringLiteral("Reset All"));
    EXPECT_EQ(reset->toolTip(), QStringLiteral("Reset all GES to default values"));
    EXPECT_EQ(Tag(page.Frame_Secured()), QStringLiteral("Item 41"));
}

TEST_F(PageTransitGESTest, ClickingACellEditsIt)
{
    page.Control_41[38]->setText(QStringLiteral("123"));
    On_Transit_Dialog([](Transit_GES_Dialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Short PSTN - SAT 02"));
        EXPECT_EQ(d.Transit_GES_Text->text(), QStringLiteral("123"));
        EXPECT_EQ(d.Transit_GES_Text->selectedText(), QStringLiteral("123"));
        EXPECT_EQ(d.Transit_Label->text(), QStringLiteral("Enter Octal GES Value"));
        EXPECT_EQ(d.Transit_GES_Text->toolTip(), QStringLiteral("Range: 0 - 377 (octal)"));
        d.Transit_GES_Text->setText(QStringLiteral("7"));
        d.OKButton->click();
    });
    page.Control_41[38]->click();
    EXPECT_EQ(page.Control_41[38]->text(), QStringLiteral("007"));
    EXPECT_EQ(page.Get_Sel_GES(), 7);
    EXPECT_EQ(page.Get_41_Title(), QStringLiteral("Short PSTN - SAT 02"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(PageTransitGESTest, OutOfRangeValueIsCorrectedFirst)
{
    On_Transit_Dialog([this](Transit_GES_Dialog& d) {
        d.Transit_GES_Text->setText(QStringLiteral("400"));
        d.OKButton->click();
        EXPECT_TRUE(d.isVisible()); // the corrected value is shown first
        EXPECT_EQ(d.Transit_GES_Text->text(), QStringLiteral("377"));
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Maximum"));
        EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Octal GES"));
        d.Transit_GES_Text->setText(QStringLiteral("376"));
        d.OKButton->click();
    });
    page.Control_41[0]->click();
    EXPECT_EQ(page.Control_41[0]->text(), QStringLiteral("376"));
}

TEST_F(PageTransitGESTest, CancelAndTheCloseBoxKeepTheCell)
{
    page.Control_41[5]->setText(QStringLiteral("042"));
    On_Transit_Dialog([](Transit_GES_Dialog& d) {
        d.Transit_GES_Text->setText(QStringLiteral("1"));
        d.CancelButton->click();
    });
    page.Control_41[5]->click();
    EXPECT_EQ(page.Control_41[5]->text(), QStringLiteral("042"));
    On_Transit_Dialog([](Transit_GES_Dialog& d) {
        d.Transit_GES_Text->setText(QStringLiteral("1"));
        d.close();
    });
    page.Control_41[5]->click();
    EXPECT_EQ(page.Control_41[5]->text(), QStringLiteral("042"));
}

TEST_F(PageTransitGESTest, ResetAllAsksFirst)
{
    for (QPushButton* cell : page.Control_41)
        cell->setText(QStringLiteral("001"));
    boxes.Answer(MsgAnswer::No);
    page.Control_41_Reset->click();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("This will reset all GES values to 377.  Continue?"));
    EXPECT_EQ(boxes.Boxes()[0].buttons, platform::MsgButtons::YesNo);
    for (QPushButton* cell : page.Control_41)
        EXPECT_EQ(cell->text(), QStringLiteral("001"));
    boxes.Answer(MsgAnswer::Yes);
    page.Control_41_Reset->click();
    for (QPushButton* cell : page.Control_41)
        EXPECT_EQ(cell->text(), QStringLiteral("377"));
}

TEST_F(PageTransitGESTest, TooltipsPerMode)
{
    page.Setup_ToolTips(2);
    EXPECT_EQ(page.Frame_Secured()->toolTip(), QStringLiteral("Non-Modifiable"));
    for (QPushButton* cell : page.Control_41)
        EXPECT_EQ(cell->toolTip(), QStringLiteral("Non-Modifiable"));
    for (int mode : {0, 1, 3, 4}) {
        page.Setup_ToolTips(mode);
        EXPECT_EQ(page.Frame_Secured()->toolTip(), QStringLiteral("Item 41"));
        EXPECT_TRUE(page.Control_41[17]->toolTip().isEmpty());
    }
}

TEST_F(PageTransitGESTest, VisibilityDualAndReport)
{
    QPushButton button;
    page.Set_Page_Button(&button);
    page.SetVisiblity(false, true);
    EXPECT_TRUE(button.isHidden());
    EXPECT_FALSE(page.Frame_Secured()->isHidden());
    page.SetVisiblity(true, true);
    EXPECT_FALSE(button.isHidden());
    page.Dual(true);
    EXPECT_FALSE(page.Dual_Mode());

    page.Control_41[1]->setText(QStringLiteral("002"));
    QStringList lines;
    page.Write_Text_Output(lines);
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines[0], QStringLiteral("AUTOMATIC TRANSIT CALL GES TABLE:"));
    EXPECT_EQ(lines[2], QStringLiteral("CALL TYPE    SAT 00   SAT 01   SAT 02   SAT 03"));
    EXPECT_EQ(lines[3], QStringLiteral("Zone 1         377      002      377      377"));
    EXPECT_EQ(lines[4], QStringLiteral("Zone 2") + QString(9, QLatin1Char(' ')) + QStringLiteral("377      377      377      377"));
}
