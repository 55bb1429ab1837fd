// The GES dialog: its controls, the refusal without satellites, the compact
// entry built by OK, field checks, and every way out that is not OK.
#include "editor/pages_tables/ges_table_dialog.h"

#include "editor/pages/field_edit.h"
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

using testsupport::ScriptedMessages;

namespace {

const QString CHOICES = QStringLiteral("00   AOR-W01   AOR-E03   POR  ");

// Runs step on the GES dialog once it is shown modally.
void On_GES_Dialog(std::function<void(GES_Table_Dialog&)> step)
{
    testsupport::On_Dialog(std::move(step), "the GES dialog");
}

} // namespace

TEST(GESDialogTest, ControlsCaptionsAndLists)
{
    GES_Table_Dialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("GES Information"));
    const struct {
        const char* name;
        const char* caption;
    } labels[] = {{"Label_SAT_ID", "SAT ID"}, {"Label_GES_ID", "GES ID"}, {"Label_Preference", "Preference"},
                  {"Label_GES_Name", "GES Name"}};
    for (const auto& l : labels) {
        auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), QString::fromLatin1(l.caption));
    }
    for (const char* name : {"Control_Sat_ID", "Control_Preference"})
        EXPECT_NE(dialog.findChild<QComboBox*>(QString::fromLatin1(name)), nullptr) << name;
    for (const char* name : {"Control_GES_Id", "Control_GES_Name"})
        EXPECT_NE(dialog.findChild<QLineEdit*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("CancelButton"))->text(), QStringLiteral("Cancel"));
    ASSERT_EQ(dialog.Control_Preference->count(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(dialog.Control_Preference->itemText(i), QString::number(i));
    EXPECT_EQ(dialog.Control_GES_Id->toolTip(), QStringLiteral("Range: 0 - 377 (octal)"));
    EXPECT_EQ(dialog.Control_GES_Id->maxLength(), 3);
    EXPECT_EQ(dialog.Control_GES_Name->maxLength(), 14);
}

TEST(GESDialogTest, AddWithoutSatellitesIsRefused)
{
    ScriptedMessages boxes;
    EXPECT_TRUE(GES_Table_Dialog::Add_GES(QString(), nullptr).isEmpty());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Please add a SAT before adding a GES"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("No SAT Defined"));
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::None);
    EXPECT_EQ(boxes.Boxes()[0].buttons, platform::MsgButtons::Ok);
}

TEST(GESDialogTest, AddStartsEmptyAndOKBuildsTheCompactEntry)
{
    ScriptedMessages boxes;
    On_GES_Dialog([](GES_Table_Dialog& d) {
        EXPECT_EQ(d.Control_Sat_ID->count(), 3);
        EXPECT_EQ(d.Control_Sat_ID->currentText(), QStringLiteral("00   AOR-W"));
        EXPECT_TRUE(d.Control_GES_Id->text().isEmpty());
        EXPECT_EQ(d.Control_Preference->currentText(), QStringLiteral("1"));
        EXPECT_TRUE(d.Control_GES_Name->text().isEmpty());
        d.Control_GES_Id->setText(QStringLiteral("2"));
        d.Control_GES_Name->setText(QStringLiteral("EIK-AW"));
        d.OKButton->click();
    });
    EXPECT_EQ(GES_Table_Dialog::Add_GES(CHOICES, nullptr), QStringLiteral("000021EIK-AW"));

    On_GES_Dialog([](GES_Table_Dialog& d) {
        d.Control_Sat_ID->setCurrentIndex(2);
        d.Control_GES_Id->setText(QStringLiteral("377"));
        d.Control_Preference->setCurrentIndex(9);
        d.Control_GES_Name->setText(QStringLiteral("X"));
        d.OKButton->click();
    });
    EXPECT_EQ(GES_Table_Dialog::Add_GES(CHOICES, nullptr), QStringLiteral("033779X"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST(GESDialogTest, EditFillsFromTheLine)
{
    GES_Table_Dialog dialog;
    dialog.Prepare_Edit(QStringLiteral("03   120   7   SOMEWHERE     "), CHOICES);
    EXPECT_EQ(dialog.Control_Sat_ID->currentIndex(), 2);
    EXPECT_EQ(dialog.Control_GES_Id->text(), QStringLiteral("120"));
    EXPECT_EQ(dialog.Control_Preference->currentIndex(), 7);
    EXPECT_EQ(dialog.Control_GES_Name->text(), QStringLiteral("SOMEWHERE"));
    // a satellite that is gone leaves the first one selected
    dialog.Prepare_Edit(QStringLiteral("06   120   7   X"), CHOICES);
    EXPECT_EQ(dialog.Control_Sat_ID->currentIndex(), 0);
}

TEST(GESDialogTest, GESIdIsCheckedAsOctal)
{
    ScriptedMessages boxes;
    GES_Table_Dialog dialog;
    dialog.Control_GES_Id->setText(QStringLiteral("400"));
    EXPECT_TRUE(pages::Validate_Field(dialog.Control_GES_Id));
    EXPECT_EQ(dialog.Control_GES_Id->text(), QStringLiteral("377"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Maximum"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("GES ID"));
    dialog.Control_GES_Id->setText(QStringLiteral("2"));
    EXPECT_FALSE(pages::Validate_Field(dialog.Control_GES_Id));
    EXPECT_EQ(dialog.Control_GES_Id->text(), QStringLiteral("002"));
}

TEST(GESDialogTest, NameRefusesCharactersOutsideItsSet)
{
    ScriptedMessages boxes;
    GES_Table_Dialog dialog;
    dialog.Control_GES_Name->setText(QStringLiteral("AB$C"));
    EXPECT_TRUE(pages::Validate_Field(dialog.Control_GES_Name));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("GES Name contains invalid character"));
}

TEST(GESDialogTest, CancelAndTheCloseBoxReturnNothing)
{
    ScriptedMessages boxes;
    On_GES_Dialog([](GES_Table_Dialog& d) {
        d.Control_GES_Id->setText(QStringLiteral("5"));
        d.CancelButton->click();
    });
    EXPECT_TRUE(GES_Table_Dialog::Add_GES(CHOICES, nullptr).isEmpty());

    On_GES_Dialog([](GES_Table_Dialog& d) {
        d.Control_GES_Name->setText(QStringLiteral("X"));
        d.close();
    });
    EXPECT_TRUE(GES_Table_Dialog::Edit_GES(QStringLiteral("00   002   1   EIK-AW"), CHOICES, nullptr).isEmpty());
}

// OK checks every field in its order and stops at the first that fails: an
// untouched GES ID takes its default with its box, an empty name is refused,
// and only a named GES is returned.
TEST(GESDialogTest, OKOnUntouchedFieldsChecksEachFieldInTurn)
{
    ScriptedMessages boxes;
    On_GES_Dialog([&boxes](GES_Table_Dialog& d) {
        d.OKButton->click();
        ASSERT_TRUE(d.isVisible()) << "OK on untouched fields closed the dialog";
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Default"));
        EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("GES ID"));
        EXPECT_EQ(d.Control_GES_Id->text(), QStringLiteral("000"));

        d.OKButton->click();
        ASSERT_TRUE(d.isVisible()) << "OK without a name closed the dialog";
        ASSERT_EQ(boxes.Boxes().size(), 2);
        EXPECT_EQ(boxes.Boxes()[1].text, QStringLiteral("Enter GES Name of 1-14 characters"));
        EXPECT_EQ(boxes.Boxes()[1].title, QStringLiteral("GES Name"));
        EXPECT_EQ(boxes.Boxes()[1].icon, platform::MsgIcon::Exclamation);

        d.Control_GES_Name->setText(QStringLiteral("X"));
        d.OKButton->click();
    });
    EXPECT_EQ(GES_Table_Dialog::Add_GES(CHOICES, nullptr), QStringLiteral("000001X"));
    EXPECT_EQ(boxes.Boxes().size(), 2);
}
