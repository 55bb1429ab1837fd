// The failure masks page: controls, adding up to 50 masks, modifying in
// place, deleting, the selection refusals and the report section.
#include "editor/pages_tables/page_failure_masks.h"

#include "editor/pages_tables/failure_entry_dialog.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using testsupport::ScriptedMessages;

namespace {

void On_Mask_Dialog(std::function<void(Failure_Entry_Dialog&)> step)
{
    testsupport::On_Dialog(std::move(step), "the failure-mask dialog");
}

QString Mask(int n)
{
    return QStringLiteral(" %1       A     01        Indictment").arg(n, 2, 16, QLatin1Char('0')).toUpper();
}

class PageFailureMasksTest : public ::testing::Test {
protected:
    QStringList Lines() const
    {
        QStringList lines;
        for (int i = 0; i < page.Control_38->count(); ++i)
            lines << page.Control_38->item(i)->text();
        return lines;
    }

    Page_Failure_Masks page;
    ScriptedMessages boxes;
};

} // namespace

TEST_F(PageFailureMasksTest, Controls)
{
    auto* list = page.findChild<QListWidget*>(QStringLiteral("Control_38"));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(page.Frame_Secured()->isAncestorOf(list));
    EXPECT_EQ(page.Frame_Secured()->title(), QStringLiteral("Failure Masks"));
    EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("Failure_Label"))->text(),
              QStringLiteral("Level1   SRU   Failure   Type"));
    EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("UnderLine_Label"))->text(),
              QStringLiteral("______   ___   _______   ____________"));
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {{"Control_38_Add", "Add"}, {"Control_38_Delete", "Delete"}, {"Control_38_Modify", "Modify"}};
    for (const auto& b : buttons) {
        auto* button = page.findChild<QPushButton*>(QString::fromLatin1(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), QString::fromLatin1(b.caption));
    }
}

TEST_F(PageFailureMasksTest, AddAppendsUpToFiftyMasks)
{
    for (int i = 0; i < 49; ++i)
        page.Control_38->addItem(Mask(i));
    On_Mask_Dialog([](Failure_Entry_Dialog& d) {
        d.Control_Level1->setText(QStringLiteral("A"));
        d.OKButton->click();
    });
    page.Control_38_Add->click();
    ASSERT_EQ(page.Control_38->count(), 50);
    EXPECT_EQ(Lines().last(), QStringLiteral(" 0A       0     00        Indictment"));
    page.Control_38_Add->click(); // no dialog
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Limit of 50 Failure Masks"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("No Entries Available"));
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(page.Control_38->count(), 50);
}

TEST_F(PageFailureMasksTest, CancelAddsNothing)
{
    On_Mask_Dialog([](Failure_Entry_Dialog& d) { d.CancelButton->click(); });
    page.Control_38_Add->click();
    EXPECT_EQ(page.Control_38->count(), 0);
}

TEST_F(PageFailureMasksTest, ModifyKeepsThePosition)
{
    for (int i = 0; i < 5; ++i)
        page.Control_38->addItem(Mask(i));
    page.Control_38->setCurrentRow(2);
    On_Mask_Dialog([](Failure_Entry_Dialog& d) {
        EXPECT_EQ(d.Control_Level1->text(), QStringLiteral("02"));
        d.Control_SRUCode->setText(QStringLiteral("Q"));
        d.Control_Mask->setCurrentIndex(1);
        d.OKButton->click();
    });
    page.Control_38_Modify->click();
    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[2], QStringLiteral(" 02       Q     01        Failure"));
    EXPECT_EQ(lines[1], Mask(1));
    EXPECT_EQ(lines[3], Mask(3));
    // Cancel leaves the line as it was
    On_Mask_Dialog([](Failure_Entry_Dialog& d) { d.close(); });
    page.Control_38_Modify->click();
    EXPECT_EQ(Lines()[2], QStringLiteral(" 02       Q     01        Failure"));
}

TEST_F(PageFailureMasksTest, DeleteRemovesAtOnce)
{
    for (int i = 0; i < 3; ++i)
        page.Control_38->addItem(Mask(i));
    page.Control_38->setCurrentRow(1);
    page.Control_38_Delete->click();
    EXPECT_EQ(Lines(), (QStringList{Mask(0), Mask(2)}));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(PageFailureMasksTest, NoSelectionRefusals)
{
    page.Control_38_Delete->click();
    page.Control_38_Modify->click();
    EXPECT_TRUE(boxes.Boxes().isEmpty()); // empty list: nothing at all
    page.Control_38->addItem(Mask(1));
    page.Control_38->setCurrentRow(-1);
    page.Control_38_Delete->click();
    page.Control_38_Modify->click();
    ASSERT_EQ(boxes.Boxes().size(), 2);
    for (const auto& box : boxes.Boxes()) {
        EXPECT_EQ(box.text, QStringLiteral("Select entry first"));
        EXPECT_EQ(box.icon, platform::MsgIcon::Exclamation);
        EXPECT_TRUE(box.title.isEmpty());
    }
    EXPECT_EQ(page.Control_38->count(), 1);
}

TEST_F(PageFailureMasksTest, ClearListsEmptiesTheMasks)
{
    page.Control_38->addItem(Mask(1));
    page.Clear_Lists();
    EXPECT_EQ(page.Control_38->count(), 0);
}

TEST_F(PageFailureMasksTest, ReportWhenTheSecuredPartitionIsShown)
{
    QPushButton button;
    page.Set_Page_Button(&button);
    page.Control_38->addItem(Mask(1));
    page.Control_38->addItem(QString());
    page.Control_38->addItem(Mask(2));
    page.SetVisiblity(false, true);
    EXPECT_TRUE(button.isHidden());
    EXPECT_FALSE(page.Frame_Secured()->isHidden());
    QStringList lines;
    page.Write_Text_Output(lines);
    EXPECT_TRUE(lines.isEmpty());

    page.SetVisiblity(true, false);
    EXPECT_FALSE(button.isHidden());
    page.Write_Text_Output(lines);
    EXPECT_EQ(lines, (QStringList{QStringLiteral("FAILURE MASKS:"), QString(), QStringLiteral("Level1   SRU   Failure   Type"),
                                  QString(36, QLatin1Char('-')), Mask(1), Mask(2), QString(), QString()}));

    lines.clear();
    page.Clear_Lists();
    page.Write_Text_Output(lines);
    EXPECT_EQ(lines, (QStringList{QStringLiteral("No Failure Masks"), QString(), QString()}));
}
