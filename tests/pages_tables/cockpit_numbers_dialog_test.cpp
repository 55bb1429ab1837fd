// The cockpit number entry dialog: its controls, filling for Add and Edit,
// fixed priorities of Airbus ORTs, OK and its refusal, Cancel and the close
// box, and the modal functions.
#include "editor/core/ort_types.h"
#include "editor/pages/field_edit.h"
#include "editor/pages_tables/cockpit_numbers_dialog.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

using testsupport::On_Modal;

using platform::MsgButtons;
using platform::MsgIcon;

class CockpitDialog : public ::testing::Test {
protected:
    void SetUp() override { core::Reset_Versions(); }
    void TearDown() override { core::Reset_Versions(); }

    testsupport::ScriptedMessages messages;
    Cockpit_Numbers_Dialog dialog;
};

TEST_F(CockpitDialog, ControlsAndEntries)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Cockpit Phone Number Entry"));
    for (const char* name : {"Control_Name", "Control_Number", "Control_Priority", "Control_Protected",
                             "OKButton", "CancelButton"})
        EXPECT_NE(dialog.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    const char* const captions[] = {"Name", "Number", "Priority", "Protected", ""};
    for (int k = 0; k < 5; ++k) {
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("Cockpit_Label(%1)").arg(k));
        ASSERT_NE(label, nullptr) << k;
        EXPECT_EQ(label->text(), QString::fromLatin1(captions[k]));
        EXPECT_EQ(label->property("Tag").toString(), k < 4 ? QStringLiteral("Item 5") : QString());
    }
    ASSERT_EQ(dialog.Control_Priority->count(), 4);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(dialog.Control_Priority->itemText(k), QString::number(k + 1));
    ASSERT_EQ(dialog.Control_Protected->count(), 2);
    EXPECT_EQ(dialog.Control_Protected->itemText(0), QStringLiteral("No"));
    EXPECT_EQ(dialog.Control_Protected->itemText(1), QStringLiteral("Yes"));
    EXPECT_EQ(dialog.Control_Name->maxLength(), 14);
    EXPECT_EQ(dialog.Control_Number->maxLength(), 18);
}

TEST_F(CockpitDialog, AddDefaultsToPriorityThreeWhateverTheCategory)
{
    dialog.Control_Name->setText(QStringLiteral("OLD"));
    dialog.Control_Protected->setCurrentIndex(1);
    dialog.Prepare_Add(0);
    EXPECT_TRUE(dialog.Control_Name->text().isEmpty());
    EXPECT_TRUE(dialog.Control_Number->text().isEmpty());
    EXPECT_EQ(dialog.Control_Priority->currentText(), QStringLiteral("3"));
    EXPECT_TRUE(dialog.Control_Priority->isEnabled());
    EXPECT_EQ(dialog.Control_Protected->currentText(), QStringLiteral("No"));
    EXPECT_TRUE(dialog.Cockpit_Label[4]->text().isEmpty());
    EXPECT_TRUE(dialog.Result().isEmpty());
}

TEST_F(CockpitDialog, AirbusCategoriesFixThePriority)
{
    core::Versions().User_Current.Airframer_Level = 1;
    dialog.Prepare_Add(0);
    EXPECT_EQ(dialog.Control_Priority->currentText(), QStringLiteral("1"));
    EXPECT_FALSE(dialog.Control_Priority->isEnabled());
    EXPECT_EQ(dialog.Cockpit_Label[4]->text(), QStringLiteral("(Non-Modifiable)"));
    dialog.Prepare_Add(3);
    EXPECT_EQ(dialog.Control_Priority->currentText(), QStringLiteral("4"));

    // Editing keeps the priority the line holds.
    dialog.Prepare_Edit(QStringLiteral("A                 1                     2    No "), 0);
    EXPECT_EQ(dialog.Control_Priority->currentText(), QStringLiteral("2"));
    EXPECT_FALSE(dialog.Control_Priority->isEnabled());
    EXPECT_EQ(dialog.Cockpit_Label[4]->text(), QStringLiteral("(Non-Modifiable)"));

    core::Versions().User_Current.Airframer_Level = 0;
    dialog.Prepare_Edit(QStringLiteral("A                 1                     2    No "), 0);
    EXPECT_TRUE(dialog.Control_Priority->isEnabled());
    EXPECT_TRUE(dialog.Cockpit_Label[4]->text().isEmpty());
}

TEST_F(CockpitDialog, EditFillsFromTheLine)
{
    // Only columns 1-14 and 19-36 are read as name and number.
    const QString line = QStringLiteral(" CREW REST").leftJustified(14, QLatin1Char(' ')) +
                         QStringLiteral("XXXX") +
                         QStringLiteral("1 555 0100").leftJustified(18, QLatin1Char(' ')) +
                         QStringLiteral("XXXX3    Yes");
    dialog.Prepare_Edit(line, 1);
    EXPECT_EQ(dialog.Control_Name->text(), QStringLiteral("CREW REST"));
    EXPECT_EQ(dialog.Control_Number->text(), QStringLiteral("1 555 0100"));
    EXPECT_EQ(dialog.Control_Priority->currentText(), QStringLiteral("3"));
    EXPECT_EQ(dialog.Control_Protected->currentText(), QStringLiteral("Yes"));

    // A priority outside 1 to 4 shows category + 1.
    dialog.Prepare_Edit(QStringLiteral("A                 1                     7    No "), 1);
    EXPECT_EQ(dialog.Control_Priority->currentText(), QStringLiteral("2"));
    EXPECT_EQ(dialog.Control_Protected->currentText(), QStringLiteral("No"));
    dialog.Prepare_Edit(QStringLiteral("SHORT"), 2);
    EXPECT_EQ(dialog.Control_Priority->currentText(), QStringLiteral("3"));
}

TEST_F(CockpitDialog, OkRefusesAnEmptyNumberAndKeepsTheDialog)
{
    dialog.Prepare_Add(1);
    dialog.Control_Name->setText(QStringLiteral("OPS"));
    dialog.OK_Click();
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("Must specify phone number!"));
    EXPECT_EQ(messages.Boxes()[0].icon, MsgIcon::None);
    EXPECT_EQ(messages.Boxes()[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(messages.Boxes()[0].title.isEmpty());
    EXPECT_TRUE(dialog.Result().isEmpty());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Control_Name->text(), QStringLiteral("OPS"));
}

TEST_F(CockpitDialog, OkBuildsTheLine)
{
    dialog.Prepare_Add(1);
    dialog.Control_Name->setText(QStringLiteral("OPS"));
    dialog.Control_Number->setText(QStringLiteral("1 555 0100"));
    dialog.Control_Priority->setCurrentIndex(1);
    dialog.OK_Click();
    EXPECT_EQ(dialog.Result(), QStringLiteral("OPS               1 555 0100            2    No"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.Prepare_Add(1);
    dialog.Control_Number->setText(QStringLiteral("2"));
    dialog.Control_Protected->setCurrentIndex(1);
    dialog.OK_Click();
    EXPECT_EQ(dialog.Result().size(), 48);
    EXPECT_TRUE(dialog.Result().endsWith(QStringLiteral("3    Yes")));
    EXPECT_TRUE(messages.Boxes().isEmpty());
}

TEST_F(CockpitDialog, CancelAndCloseBoxGiveNothing)
{
    dialog.Prepare_Add(0);
    dialog.Control_Number->setText(QStringLiteral("2"));
    dialog.Cancel_Click();
    EXPECT_TRUE(dialog.Result().isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(CockpitDialog, NameRefusesCharactersOutsideItsSet)
{
    dialog.Control_Name->setText(QStringLiteral("A$B"));
    pages::Validate_Field(dialog.Control_Name);
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("Name contains invalid character"));
    messages.Clear();
    dialog.Control_Number->setText(QStringLiteral("12#"));
    pages::Validate_Field(dialog.Control_Number);
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("Number contains invalid character"));
}

TEST_F(CockpitDialog, ModalAddReturnsTheLineOkBuilt)
{
    On_Modal([](QWidget* modal) {
        auto* dialog = qobject_cast<Cockpit_Numbers_Dialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->Control_Name->setText(QStringLiteral("DISPATCH"));
        dialog->Control_Number->setText(QStringLiteral("44 20"));
        dialog->OKButton->click();
    });
    EXPECT_EQ(Add_Cockpit_Number(2, nullptr), QStringLiteral("DISPATCH          44 20                 3    No"));
}

TEST_F(CockpitDialog, ModalEditClosedByTheCloseBoxIsCancel)
{
    On_Modal([](QWidget* modal) {
        auto* dialog = qobject_cast<Cockpit_Numbers_Dialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Control_Name->text(), QStringLiteral("A"));
        dialog->Control_Number->setText(QStringLiteral("999"));
        dialog->close();
    });
    EXPECT_TRUE(Edit_Cockpit_Number(QStringLiteral("A                 1                     2    No "), 0, nullptr)
                    .isEmpty());
}

} // namespace
