// The power page: controls and labels, field checks and their titles, the
// spin buttons (tenths for item 29), tooltips per mode and the report.
#include "editor/pages/field_edit.h"
#include "editor/pages/page_power.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using testsupport::Activate;
using testsupport::Focus;
using testsupport::Type;

int Value(const pages::Up_Down* spin)
{
    return spin->property("Value").toInt();
}

const char* const FIELD_NAMES[] = {
    "Control_22a",  "Control_22b",  "Control_39",   "Control_57a",  "Control_57b",
    "Control_28a1", "Control_28a2", "Control_28b1", "Control_28b2", "Control_29a1",
    "Control_29a2", "Control_29b1", "Control_29b2",
};

class PagePowerTest : public ::testing::Test {
protected:
    PagePowerTest() { page.Set_Page_Button(&button); }

    // Enters text into a field and moves the focus to another field.
    void Enter(QLineEdit* edit, const QString& text)
    {
        Focus(edit);
        edit->setText(text);
        Focus(edit == page.Control_39 ? page.Control_22a : page.Control_39);
    }

    testsupport::ScriptedMessages boxes;
    QPushButton button;
    Page_Power page;
};

} // namespace

TEST_F(PagePowerTest, EveryControlExistsByNameWithItsLabelsAndEntries)
{
    for (const char* name : FIELD_NAMES) {
        SCOPED_TRACE(name);
        auto* edit = page.findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(edit, nullptr);
        QString spin_name = QString::fromLatin1(name);
        spin_name.replace(QStringLiteral("Control_"), QStringLiteral("UpDown_"));
        EXPECT_NE(page.findChild<pages::Up_Down*>(spin_name), nullptr);
        EXPECT_TRUE(page.Frame_Secured()->isAncestorOf(edit));
    }
    EXPECT_EQ(page.Control_22a->maxLength(), 2);
    EXPECT_EQ(page.Control_57a->maxLength(), 5);
    EXPECT_EQ(page.Control_29b2->maxLength(), 5);

    auto* combo = page.findChild<QComboBox*>(QStringLiteral("Control_44"));
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 4);
    const int values[] = {15, 12, 10, 9};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(combo->itemText(i), QStringLiteral("Priority %1").arg(i + 1));
        EXPECT_EQ(combo->itemData(i).toInt(), values[i]);
    }
    EXPECT_EQ(combo->currentIndex(), -1);

    const struct {
        int index;
        const char* caption;
        const char* tag;
    } labels[] = {{0, "Tx Gain Threshold", "Item 22"},
                  {2, "dBic", ""},
                  {5, "Elevation Handover Threshold", "Item 39"},
                  {7, "EIRP Overdraft Checking Priority", "Item 44"},
                  {8, "L-Band Reference Offset Calibration Thresholds", "Item 57"},
                  {12, "Hz", ""},
                  {13, "Default HPA Backoff Limits", "Item 28"},
                  {17, "Linear", "Item 28"},
                  {20, "HPA Minimum Reportable Actual Power Output", "Item 29"},
                  {24, "Linear", "Item 29"},
                  {26, "dBW", ""}};
    for (const auto& row : labels) {
        auto* label = page.findChild<QLabel*>(Array_Name(QStringLiteral("Label_Sec_L0"), row.index));
        ASSERT_NE(label, nullptr) << row.index;
        EXPECT_EQ(label->text(), QString::fromLatin1(row.caption));
        EXPECT_EQ(Tag(label), QString::fromLatin1(row.tag));
    }
    EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("Label_Sec_L0(27)")), nullptr);
    // The unit labels of the SDU columns sit in their columns.
    for (int index : {15, 18, 22, 25})
        EXPECT_EQ(page.Label_Sec_L0[index]->parentWidget(), page.Frame_SDU1) << index;
    for (int index : {16, 19, 23, 26})
        EXPECT_EQ(page.Label_Sec_L0[index]->parentWidget(), page.Frame_SDU2) << index;
    EXPECT_TRUE(page.Frame_SDU1->isAncestorOf(page.Control_29b1));
    EXPECT_TRUE(page.Frame_SDU2->isAncestorOf(page.Control_28a2));
    EXPECT_EQ(page.Frame_User(), nullptr);
}

TEST_F(PagePowerTest, TooltipsMarkEveryFixableItemInMode2Only)
{
    page.Setup_ToolTips(2);
    EXPECT_EQ(page.Control_22a->toolTip(), QStringLiteral("Default: 7 / Range: 0 to 31 (Non-Modifiable)"));
    EXPECT_EQ(page.Control_29b2->toolTip(), QStringLiteral("Default: -5.0 / Range: -12.0 to 19.0 (Non-Modifiable)"));
    EXPECT_EQ(page.Control_57b->toolTip(), QStringLiteral("Default: 2000 / Range: 0 to 65535 (Non-Modifiable)"));
    EXPECT_EQ(page.Control_44->toolTip(), QStringLiteral("Default: Priority 2 (Non-Modifiable)"));
    EXPECT_EQ(page.Control_39->toolTip(), QStringLiteral("Default: 5 / Range: 0 to 90"));

    for (int mode : {0, 1, 3, 4}) {
        SCOPED_TRACE(mode);
        page.Setup_ToolTips(mode);
        EXPECT_EQ(page.Control_22b->toolTip(), QStringLiteral("Default: 0 / Range: 0 to 31"));
        EXPECT_EQ(page.Control_28a1->toolTip(), QStringLiteral("Default: 16 / Range: 0 to 31"));
        EXPECT_EQ(page.Control_28b2->toolTip(), QStringLiteral("Default: 25 / Range: 0 to 31"));
        EXPECT_EQ(page.Control_29a1->toolTip(), QStringLiteral("Default: 8.0 / Range: -12.0 to 19.0"));
        EXPECT_EQ(page.Control_57a->toolTip(), QStringLiteral("Default: 250 / Range: 0 to 65535"));
        EXPECT_EQ(page.Control_44->toolTip(), QStringLiteral("Default: Priority 2"));
        EXPECT_EQ(page.Control_39->toolTip(), QStringLiteral("Default: 5 / Range: 0 to 90"));
    }
}

TEST_F(PagePowerTest, KeyFiltersAdmitDigitsAndForItem29SignAndPoint)
{
    Activate(&page);
    Focus(page.Control_22a);
    page.Control_22a->clear();
    Type(page.Control_22a, QStringLiteral("1a-.2"));
    EXPECT_EQ(page.Control_22a->text(), QStringLiteral("12"));

    Focus(page.Control_29a1);
    page.Control_29a1->clear();
    Type(page.Control_29a1, QStringLiteral("-x4.5"));
    EXPECT_EQ(page.Control_29a1->text(), QStringLiteral("-4.5"));
}

TEST_F(PagePowerTest, CorrectionsShowTheirBoxTitledFromTheLabelsAndLetTheFocusMoveOn)
{
    Activate(&page);
    Enter(page.Control_22a, QStringLiteral("40"));
    EXPECT_EQ(page.Control_22a->text(), QStringLiteral("31"));
    EXPECT_EQ(QApplication::focusWidget(), page.Control_39);
    EXPECT_EQ(Value(page.UpDown_22a), 31);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Maximum"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Tx Gain Threshold: HGA Only"));
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Exclamation);

    const struct {
        QLineEdit* edit;
        const char* typed;
        const char* result;
        const char* box; // "" when no box
        const char* title;
        int spin;
    } cases[] = {
        {page.Control_29b1, "", "-5.0", "Value Out of Range, Setting to Default",
         "HPA Minimum Reportable Actual Power Output: Linear", -50},
        {page.Control_29b1, "-13", "-12.0", "Value Out of Range, Setting to Minimum",
         "HPA Minimum Reportable Actual Power Output: Linear", -120},
        {page.Control_29a1, "8.04", "8.0", "", "", 80},
        {page.Control_29a2, "19.04", "19.0", "Value Out of Range, Setting to Maximum",
         "HPA Minimum Reportable Actual Power Output: Class C", 190},
        {page.Control_29a1, "-.", "8.0", "Value Out of Range, Setting to Default",
         "HPA Minimum Reportable Actual Power Output: Class C", 80},
        {page.Control_22b, "", "0", "Value Out of Range, Setting to Default", "Tx Gain Threshold: IGA Only", 0},
        {page.Control_39, "91", "90", "Value Out of Range, Setting to Maximum", "Elevation Handover Threshold", 90},
        {page.Control_57a, "", "250", "Value Out of Range, Setting to Default", "With IRS", 250},
        {page.Control_57b, "65536", "65535", "Value Out of Range, Setting to Maximum", "Without IRS", 65535},
        {page.Control_28a1, "32", "31", "Value Out of Range, Setting to Maximum",
         "Default HPA Backoff Limits: Class C", 31},
        {page.Control_28b2, "", "25", "Value Out of Range, Setting to Default", "Default HPA Backoff Limits: Linear",
         25},
        {page.Control_28b1, "07", "7", "", "", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        boxes.Clear();
        Enter(c.edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(c.edit->text(), QString::fromLatin1(c.result));
        EXPECT_NE(QApplication::focusWidget(), c.edit);
        if (*c.box) {
            ASSERT_EQ(boxes.Boxes().size(), 1);
            EXPECT_EQ(boxes.Boxes()[0].text, QString::fromLatin1(c.box));
            EXPECT_EQ(boxes.Boxes()[0].title, QString::fromLatin1(c.title));
        } else {
            EXPECT_TRUE(boxes.Boxes().isEmpty());
        }
    }
    EXPECT_EQ(Value(page.UpDown_29b1), -120);
    EXPECT_EQ(Value(page.UpDown_29a2), 190);
    EXPECT_EQ(Value(page.UpDown_57b), 65535);
}

TEST_F(PagePowerTest, TitlesFollowTheLabelCaptionsAtRunTime)
{
    Activate(&page);
    page.Label_Sec_L0[20]->setText(QStringLiteral("Renamed"));
    Enter(page.Control_29a1, QStringLiteral("99"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Renamed: Class C"));
}

TEST_F(PagePowerTest, ValidateControlsCorrectsTheFocusedFieldButNeverHoldsThePage)
{
    Activate(&page);
    Focus(page.Control_28a2);
    page.Control_28a2->setText(QStringLiteral("99"));
    EXPECT_TRUE(page.ValidateControls());
    EXPECT_EQ(page.Control_28a2->text(), QStringLiteral("31"));
    EXPECT_EQ(boxes.Boxes().size(), 1);
    // Closing with a bad value corrects it and still hides the page.
    page.Control_28a2->setText(QStringLiteral("77"));
    EXPECT_TRUE(page.close());
    EXPECT_FALSE(page.isVisible());
    EXPECT_EQ(page.Control_28a2->text(), QStringLiteral("31"));
}

TEST_F(PagePowerTest, Item29SpinStepsTenthsFromTheValueTheFieldShows)
{
    EXPECT_EQ(page.Control_29a1->text(), QStringLiteral("8.0"));
    EXPECT_EQ(Value(page.UpDown_29a1), 80);
    EXPECT_EQ(Value(page.UpDown_29b1), -50);

    page.UpDown_29a1->Up_Button()->click();
    EXPECT_EQ(page.Control_29a1->text(), QStringLiteral("8.1"));
    EXPECT_EQ(Value(page.UpDown_29a1), 81);

    // A value put in by code (a load) is where the next click starts from.
    page.Control_29a1->setText(QStringLiteral("12.3"));
    page.UpDown_29a1->Up_Button()->click();
    EXPECT_EQ(page.Control_29a1->text(), QStringLiteral("12.4"));
    page.Control_29b1->setText(QStringLiteral("-0.1"));
    page.UpDown_29b1->Up_Button()->click();
    EXPECT_EQ(page.Control_29b1->text(), QStringLiteral("0.0"));
    page.UpDown_29b1->Down_Button()->click();
    page.UpDown_29b1->Down_Button()->click();
    EXPECT_EQ(page.Control_29b1->text(), QStringLiteral("-0.2"));
    EXPECT_EQ(Value(page.UpDown_29b1), -2);

    // The range ends hold.
    page.Control_29a2->setText(QStringLiteral("19.0"));
    page.UpDown_29a2->Up_Button()->click();
    EXPECT_EQ(page.Control_29a2->text(), QStringLiteral("19.0"));
    page.Control_29b2->setText(QStringLiteral("-12.0"));
    page.UpDown_29b2->Down_Button()->click();
    EXPECT_EQ(page.Control_29b2->text(), QStringLiteral("-12.0"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    // A value the field's check corrects reads what the box says, unstepped.
    page.Control_29b2->setText(QStringLiteral("50"));
    page.UpDown_29b2->Down_Button()->click();
    EXPECT_EQ(page.Control_29b2->text(), QStringLiteral("19.0"));
    EXPECT_EQ(Value(page.UpDown_29b2), 190);
    page.Control_29a1->setText(QStringLiteral("-."));
    page.UpDown_29a1->Down_Button()->click();
    EXPECT_EQ(page.Control_29a1->text(), QStringLiteral("8.0"));
    EXPECT_EQ(boxes.Texts(), (QStringList{QStringLiteral("Value Out of Range, Setting to Maximum"),
                                          QStringLiteral("Value Out of Range, Setting to Default")}));
}

TEST_F(PagePowerTest, WholeNumberSpinsStepWithinTheItemRange)
{
    page.Control_22a->setText(QStringLiteral("30"));
    page.UpDown_22a->Up_Button()->click();
    page.UpDown_22a->Up_Button()->click();
    EXPECT_EQ(page.Control_22a->text(), QStringLiteral("31"));
    EXPECT_EQ(Value(page.UpDown_22a), 31);
    page.Control_39->setText(QStringLiteral("0"));
    page.UpDown_39->Down_Button()->click();
    EXPECT_EQ(page.Control_39->text(), QStringLiteral("0"));
    page.Control_57b->setText(QStringLiteral("65534"));
    page.UpDown_57b->Up_Button()->click();
    page.UpDown_57b->Up_Button()->click();
    EXPECT_EQ(page.Control_57b->text(), QStringLiteral("65535"));
    EXPECT_EQ(Value(page.UpDown_57b), 65535);
}

TEST_F(PagePowerTest, ReportHasTenLinesSingleAndFourteenDual)
{
    page.Control_44->setCurrentIndex(1);
    page.Control_28a1->setText(QStringLiteral("16"));
    page.Control_28a2->setText(QStringLiteral("17"));
    page.Control_28b2->setText(QStringLiteral("24"));
    page.Control_29a2->setText(QStringLiteral("7.5"));
    page.Control_29b2->setText(QStringLiteral("-4.0"));

    const QStringList single = {
        QStringLiteral("Tx Gain Threshold, HGA Only: 7 dBic"),
        QStringLiteral("Tx Gain Threshold, IGA Only: 0 dBic"),
        QStringLiteral("Elevation Handover Threshold: 5 Degrees"),
        QStringLiteral("EIRP Overdraft Checking Priority: Priority 2"),
        QStringLiteral("L-Band Reference Offset Calibration Thresholds, With IRS: 250 Hz"),
        QStringLiteral("L-Band Reference Offset Calibration Thresholds, Without IRS: 2000 Hz"),
        QStringLiteral("Default HPA Backoff Limits: SDU 1, Class C: 16 dB"),
        QStringLiteral("Default HPA Backoff Limits: SDU 1, Linear: 25 dB"),
        QStringLiteral("HPA Minimum Reportable Actual Power Output: SDU 1, Class C: 8.0 dBW"),
        QStringLiteral("HPA Minimum Reportable Actual Power Output: SDU 1, Linear: -5.0 dBW"),
    };
    page.Dual(false);
    QStringList lines;
    page.Write_Text_Output(lines);
    EXPECT_EQ(lines, single);

    page.Dual(true);
    lines.clear();
    page.Write_Text_Output(lines);
    QStringList dual = single;
    dual.insert(8, QStringLiteral("Default HPA Backoff Limits: SDU 2, Class C: 17 dB"));
    dual.insert(9, QStringLiteral("Default HPA Backoff Limits: SDU 2, Linear: 24 dB"));
    dual << QStringLiteral("HPA Minimum Reportable Actual Power Output: SDU 2, Class C: 7.5 dBW")
         << QStringLiteral("HPA Minimum Reportable Actual Power Output: SDU 2, Linear: -4.0 dBW");
    EXPECT_EQ(lines, dual);

    // No selection reports an empty value.
    page.Control_44->setCurrentIndex(-1);
    lines.clear();
    page.Write_Text_Output(lines);
    EXPECT_EQ(lines[3], QStringLiteral("EIRP Overdraft Checking Priority: "));
}

TEST_F(PagePowerTest, DualAndSetVisiblity)
{
    page.Dual(true);
    EXPECT_FALSE(page.Frame_SDU2->isHidden());
    page.Dual(false);
    EXPECT_TRUE(page.Frame_SDU2->isHidden());
    EXPECT_FALSE(page.Dual_Mode());

    page.SetVisiblity(false, true);
    EXPECT_TRUE(button.isHidden());
    EXPECT_FALSE(page.Frame_Secured()->isHidden());
    page.SetVisiblity(true, false);
    EXPECT_FALSE(button.isHidden());
}

namespace {

// The names of the accessible objects under face that report the focus.
void Collect_Focused(QAccessibleInterface* face, QStringList& names)
{
    for (int i = 0; i < face->childCount(); ++i) {
        QAccessibleInterface* child = face->child(i);
        if (!child)
            continue;
        if (child->state().focused)
            names << child->text(QAccessible::Name);
        Collect_Focused(child, names);
    }
}

} // namespace

// Only the field that has the focus reports it to screen readers: the entry
// a closed drop-down list shows is selected in its list but neither focused
// nor showing, and no drop-down list is built before it opens.
TEST_F(PagePowerTest, OnlyTheFocusedFieldReportsTheFocus)
{
    page.Control_44->setCurrentIndex(3);
    testsupport::Activate(&page);
    Focus(page.Control_22a);
    ASSERT_TRUE(page.Control_22a->hasFocus());

    QStringList focused;
    Collect_Focused(QAccessible::queryAccessibleInterface(&page), focused);
    EXPECT_EQ(focused.join(QStringLiteral(", ")).toStdString(), "HGA Only");

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(page.Control_44)->child(0);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->childCount(), 4);
    QAccessibleInterface* shown = list->child(3);
    EXPECT_EQ(shown->text(QAccessible::Name), QStringLiteral("Priority 4"));
    EXPECT_TRUE(shown->state().selected);
    EXPECT_FALSE(shown->state().focused);
    EXPECT_TRUE(shown->state().invisible);
    for (const QComboBox* combo : page.findChildren<QComboBox*>())
        EXPECT_EQ(combo->findChild<QAbstractItemView*>(), nullptr) << combo->objectName().toStdString();
}
