#include "editor/pages_hsd/les_table_dialog.h"

#include "editor/pages/field_edit.h"
#include "hsd_test_support.h"
#include "support/scripted_messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using testsupport::ScriptedMessages;

namespace {

LES_Table_Dialog* As_Dialog(QWidget* widget)
{
    auto* dialog = qobject_cast<LES_Table_Dialog*>(widget);
    EXPECT_NE(dialog, nullptr);
    return dialog;
}

} // namespace

TEST(LesTableDialog, ControlsAndAddState)
{
    LES_Table_Dialog dialog;
    dialog.Prepare_Add();
    for (const char* name : {"Control_Sat_ID", "Control_LES_ID", "Control_Preference", "OKButton",
                             "CancelButton", "Label_Sat_ID", "Label_LES_ID", "Label_Preference"})
        EXPECT_NE(dialog.findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(dialog.Label_Sat_ID->text(), QStringLiteral("SAT ID"));
    EXPECT_EQ(dialog.Label_LES_ID->text(), QStringLiteral("LES ID"));
    EXPECT_EQ(dialog.Label_Preference->text(), QStringLiteral("Preference"));
    EXPECT_EQ(dialog.Control_Sat_ID->toolTip(), QStringLiteral("Range: 0 - 76 (octal)"));
    EXPECT_EQ(dialog.Control_LES_ID->toolTip(), QStringLiteral("Range: 0 - 999"));
    EXPECT_EQ(dialog.Control_Sat_ID->maxLength(), 2);
    EXPECT_EQ(dialog.Control_LES_ID->maxLength(), 3);
    ASSERT_EQ(dialog.Control_Preference->count(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(dialog.Control_Preference->itemText(i), QString::number(i));
    EXPECT_EQ(dialog.Control_Preference->currentIndex(), 1);
    EXPECT_TRUE(dialog.Control_Sat_ID->text().isEmpty());
    EXPECT_TRUE(dialog.OKButton->isDefault());
}

TEST(LesTableDialog, FieldChecks)
{
    ScriptedMessages messages;
    LES_Table_Dialog dialog;
    hsdtest::Type(dialog.Control_Sat_ID, "8971");
    EXPECT_EQ(dialog.Control_Sat_ID->text(), QStringLiteral("71")); // 8 and 9 swallowed
    dialog.Control_Sat_ID->setText("7");
    EXPECT_FALSE(pages::Validate_Field(dialog.Control_Sat_ID));
    EXPECT_EQ(dialog.Control_Sat_ID->text(), QStringLiteral("07"));
    dialog.Control_Sat_ID->setText("77");
    EXPECT_TRUE(pages::Validate_Field(dialog.Control_Sat_ID)); // the focus stays
    EXPECT_EQ(dialog.Control_Sat_ID->text(), QStringLiteral("76"));
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Maximum"));
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("SAT ID"));

    messages.Clear();
    dialog.Control_LES_ID->setText("");
    EXPECT_TRUE(pages::Validate_Field(dialog.Control_LES_ID));
    EXPECT_EQ(dialog.Control_LES_ID->text(), QStringLiteral("0"));
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("LES ID"));
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Default"));
}

TEST(LesTableDialog, OkBuildsTheCompactEntry)
{
    ScriptedMessages messages;
    LES_Table_Dialog dialog;
    dialog.Prepare_Add();
    dialog.Control_Sat_ID->setText("7");
    dialog.Control_LES_ID->setText("12");
    dialog.Control_LES_ID->setFocus(); // the focused field is checked by OK
    dialog.OK_Click();
    EXPECT_EQ(dialog.Result(), QStringLiteral("07 121"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.Boxes().isEmpty());
}

TEST(LesTableDialog, OkAtOnceChecksTheSatFieldFirst)
{
    ScriptedMessages messages;
    LES_Table_Dialog dialog;
    dialog.Prepare_Add();
    dialog.OK_Click();
    EXPECT_EQ(dialog.Control_Sat_ID->text(), QStringLiteral("00"));
    EXPECT_EQ(messages.Texts(), QStringList{"Value Out of Range, Setting to Default"});
    EXPECT_TRUE(dialog.Result().isEmpty());
    dialog.OK_Click();
    ASSERT_EQ(messages.Boxes().size(), 2);
    EXPECT_EQ(messages.Boxes()[1].text, QStringLiteral("Enter LES ID in range of 0-999"));
    EXPECT_EQ(messages.Boxes()[1].title, QStringLiteral("LES ID out of range"));
    EXPECT_EQ(messages.Boxes()[1].icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(dialog.Result().isEmpty());

    // An empty SAT ID with the focus elsewhere.
    messages.Clear();
    dialog.Control_Sat_ID->clear();
    dialog.Control_LES_ID->setText("5");
    dialog.Control_LES_ID->setFocus();
    dialog.OK_Click();
    EXPECT_EQ(messages.Texts(), QStringList{"Enter SAT ID in range of 0-76 octal"});
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("SAT ID out of range"));
    EXPECT_TRUE(dialog.Result().isEmpty());
}

TEST(LesTableDialog, EditOpensWithTheLineAndReturnsIt)
{
    ScriptedMessages messages;
    QString opened_sat, opened_les;
    int opened_pref = -1;
    QString caption;
    hsdtest::When_Modal([&](QWidget* widget) {
        LES_Table_Dialog* dialog = As_Dialog(widget);
        caption = dialog->windowTitle();
        opened_sat = dialog->Control_Sat_ID->text();
        opened_les = dialog->Control_LES_ID->text();
        opened_pref = dialog->Control_Preference->currentIndex();
        dialog->OKButton->click();
    });
    const QString entry = Edit_LES(nullptr, QStringLiteral("Swift64 MPDS LES Information"),
                                   QStringLiteral("03  555  1"));
    EXPECT_EQ(caption, QStringLiteral("Swift64 MPDS LES Information"));
    EXPECT_EQ(opened_sat, QStringLiteral("03"));
    EXPECT_EQ(opened_les, QStringLiteral("555"));
    EXPECT_EQ(opened_pref, 1);
    EXPECT_EQ(entry, QStringLiteral("035551"));
    EXPECT_TRUE(messages.Boxes().isEmpty());
}

TEST(LesTableDialog, CancelAndCloseReturnNothing)
{
    ScriptedMessages messages;
    hsdtest::When_Modal([](QWidget* widget) {
        LES_Table_Dialog* dialog = As_Dialog(widget);
        dialog->Control_Sat_ID->setText("5");
        dialog->Control_LES_ID->setText("9");
        dialog->CancelButton->click();
    });
    EXPECT_TRUE(Add_LES(nullptr, QStringLiteral("x")).isEmpty());

    hsdtest::When_Modal([](QWidget* widget) { widget->close(); });
    EXPECT_TRUE(Edit_LES(nullptr, QStringLiteral("x"), QStringLiteral("01   12  1")).isEmpty());

    // A dialog whose OK succeeded and that is then cancelled gives nothing.
    LES_Table_Dialog dialog;
    dialog.Prepare_Add();
    dialog.Control_Sat_ID->setText("01");
    dialog.Control_LES_ID->setText("1");
    dialog.OK_Click();
    EXPECT_EQ(dialog.Result(), QStringLiteral("01  11"));
    dialog.Cancel_Click();
    EXPECT_TRUE(dialog.Result().isEmpty());
    EXPECT_TRUE(messages.Boxes().isEmpty());
}
