// The identifier dialog: its three forms, the refusals with their titles,
// the upload identifier it returns and its modal use.
#include "editor/main_window/identifier_dialog.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using main_window::Identifier_Kind;

namespace {

TEST(Identifier_Rules, B777_Refusals_And_Result)
{
    auto outcome = main_window::Check_B777_Identifier(QStringLiteral("d"), QStringLiteral("p"),
                                                      QStringLiteral("AB"), QStringLiteral("58A6C"));
    EXPECT_FALSE(outcome.Accepted);
    EXPECT_EQ(outcome.Refusal_Text, QStringLiteral("Must be 3 alphanumeric characters"));
    EXPECT_EQ(outcome.Refusal_Title, QStringLiteral("Invalid Manufacturer Identifier"));

    outcome = main_window::Check_B777_Identifier(QStringLiteral("d"), QStringLiteral("p"),
                                                 QStringLiteral("ABC"), QStringLiteral("58A6"));
    EXPECT_FALSE(outcome.Accepted);
    EXPECT_EQ(outcome.Refusal_Text, QStringLiteral("Must be 5 alphanumeric characters"));
    EXPECT_EQ(outcome.Refusal_Title, QStringLiteral("Invalid Product Identifier"));

    outcome = main_window::Check_B777_Identifier(QStringLiteral("disk-pn 1"), QStringLiteral("data pn"),
                                                 QStringLiteral("ABC"), QStringLiteral("58A6C"));
    ASSERT_TRUE(outcome.Accepted);
    EXPECT_EQ(outcome.Result, QStringLiteral("DISK-PN 1\tDATA PN\tABC\t58A6C"));

    const auto parts = main_window::Split_B777_Identifier(outcome.Result);
    ASSERT_TRUE(parts.has_value());
    EXPECT_EQ(parts->Disk_PN, QStringLiteral("DISK-PN 1"));
    EXPECT_EQ(parts->Data_PN, QStringLiteral("DATA PN"));
    EXPECT_EQ(parts->Base_Name(), QStringLiteral("ABC58A6C"));
    EXPECT_FALSE(main_window::Split_B777_Identifier(QStringLiteral("A\tB\tC")).has_value());
}

TEST(Identifier_Rules, File_Identifier_And_Report_Name)
{
    auto outcome = main_window::Check_File_Identifier(QString());
    EXPECT_FALSE(outcome.Accepted);
    EXPECT_EQ(outcome.Refusal_Text, QStringLiteral("Must be a valid file name"));
    EXPECT_EQ(outcome.Refusal_Title, QStringLiteral("Invalid File Identifier"));
    outcome = main_window::Check_File_Identifier(QStringLiteral("ABC"));
    ASSERT_TRUE(outcome.Accepted);
    EXPECT_EQ(outcome.Result, QStringLiteral("ABC.cfg"));

    EXPECT_EQ(main_window::Report_Name_For(QStringLiteral("ABC.cfg")), QStringLiteral("ABC.txt"));
    EXPECT_EQ(main_window::Report_Name_For(QStringLiteral("A.B.cfg")), QStringLiteral("A.txt"));
    EXPECT_EQ(main_window::Report_Name_For(QStringLiteral("NODOT")), QStringLiteral("NODOT.txt"));
}

class Identifier_Dialog_Test : public ::testing::Test {
protected:
    Identifier_Dialog_Test()
    {
        QObject::connect(&dialog, &QDialog::finished, [this](int) { ++finished; });
    }

    testsupport::ScriptedMessages boxes;
    Identifier_Dialog dialog;
    int finished = 0;
};

TEST_F(Identifier_Dialog_Test, Forms_Show_Their_Fields)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ORT Identifier"));
    dialog.Setup(Identifier_Kind::B777);
    EXPECT_TRUE(dialog.B777());
    EXPECT_TRUE(dialog.File_ID_Text()->isHidden());
    EXPECT_TRUE(dialog.File_ID_Label()->isHidden());
    for (QLineEdit* edit : {dialog.Data_PN_Text(), dialog.Disk_PN_Text(), dialog.Manuf_ID_Text(),
                            dialog.Product_ID_Text()})
        EXPECT_FALSE(edit->isHidden()) << edit->objectName().toStdString();
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Disk_PN_Label"))->text(),
              QStringLiteral("Diskette Part Number"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Data_PN_Label"))->text(),
              QStringLiteral("Data File Part Number"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Manuf_ID_Label"))->text(),
              QStringLiteral("Manufacturer Identifier"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Product_ID_Label"))->text(),
              QStringLiteral("Product Identifier"));
    EXPECT_EQ(dialog.Manuf_ID_Text()->maxLength(), 3);
    EXPECT_EQ(dialog.Product_ID_Text()->maxLength(), 5);
    EXPECT_EQ(dialog.Disk_PN_Text()->maxLength(), 15);

    dialog.Setup(Identifier_Kind::SFIM);
    EXPECT_FALSE(dialog.B777());
    EXPECT_FALSE(dialog.File_ID_Text()->isHidden());
    EXPECT_TRUE(dialog.Manuf_ID_Text()->isHidden());
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("Manuf_ID_Label"))->isHidden());
    EXPECT_EQ(dialog.File_ID_Label()->text(), QStringLiteral("File Identifier"));

    dialog.Setup(Identifier_Kind::Auto);
    EXPECT_EQ(dialog.File_ID_Label()->text(), QStringLiteral("File Name"));
}

TEST_F(Identifier_Dialog_Test, B777_Refusal_Keeps_The_Dialog)
{
    dialog.Setup(Identifier_Kind::B777);
    dialog.Disk_PN_Text()->setText(QStringLiteral("disk 1"));
    dialog.Data_PN_Text()->setText(QStringLiteral("data 1"));
    dialog.Manuf_ID_Text()->setText(QStringLiteral("AB"));
    dialog.Product_ID_Text()->setText(QStringLiteral("58A6C"));
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Invalid Manufacturer Identifier"));
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Must be 3 alphanumeric characters"));

    boxes.Clear();
    dialog.Manuf_ID_Text()->setText(QStringLiteral("ABC"));
    dialog.Product_ID_Text()->setText(QStringLiteral("58A6"));
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Invalid Product Identifier"));

    boxes.Clear();
    dialog.Product_ID_Text()->setText(QStringLiteral("58A6C"));
    dialog.OKButton_Click();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(dialog.Result(), QStringLiteral("DISK 1\tDATA 1\tABC\t58A6C"));
}

TEST_F(Identifier_Dialog_Test, Foreign_Character_Is_Refused_With_The_Label_Caption)
{
    dialog.Setup(Identifier_Kind::B777);
    dialog.Disk_PN_Text()->setText(QStringLiteral("D"));
    dialog.Data_PN_Text()->setText(QStringLiteral("P"));
    dialog.Manuf_ID_Text()->setText(QStringLiteral("A$C"));
    dialog.Product_ID_Text()->setText(QStringLiteral("58A6Q"));
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text,
              QStringLiteral("Manufacturer Identifier contains invalid character"));

    boxes.Clear();
    dialog.Manuf_ID_Text()->setText(QStringLiteral("ABC"));
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Product Identifier contains invalid character"));
}

TEST_F(Identifier_Dialog_Test, File_Identifier_Result)
{
    dialog.Setup(Identifier_Kind::SFIM);
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Invalid File Identifier"));
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Must be a valid file name"));

    dialog.File_ID_Text()->setText(QStringLiteral("abc"));
    dialog.OKButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(dialog.Result(), QStringLiteral("ABC.cfg"));
}

TEST_F(Identifier_Dialog_Test, Cancel_Returns_Nothing)
{
    dialog.Setup(Identifier_Kind::Auto);
    dialog.File_ID_Text()->setText(QStringLiteral("ABC"));
    dialog.CancelButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(dialog.Result().isEmpty());
}

// Runs step on the identifier dialog once it is up; one left open is cancelled.
void When_Identifier_Shows(std::function<void(Identifier_Dialog&)> step)
{
    QTimer::singleShot(0, [step = std::move(step)] {
        auto* dialog = qobject_cast<Identifier_Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        step(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

TEST(Identifier_Dialog_Modal, Each_Use_Starts_Afresh)
{
    testsupport::ScriptedMessages boxes;
    When_Identifier_Shows([](Identifier_Dialog& dialog) {
        EXPECT_EQ(dialog.File_ID_Label()->text(), QStringLiteral("File Name"));
        dialog.File_ID_Text()->setText(QStringLiteral("LOAD7"));
        dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    EXPECT_EQ(Identifier_Dialog::SetAuto_Identifier(nullptr), QStringLiteral("LOAD7.cfg"));

    When_Identifier_Shows([](Identifier_Dialog& dialog) {
        EXPECT_TRUE(dialog.File_ID_Text()->text().isEmpty());
        EXPECT_EQ(dialog.File_ID_Label()->text(), QStringLiteral("File Identifier"));
        dialog.File_ID_Text()->setText(QStringLiteral("LOAD8"));
        dialog.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    });
    EXPECT_EQ(Identifier_Dialog::SetSFIM_Identifier(nullptr), QString());

    When_Identifier_Shows([](Identifier_Dialog& dialog) {
        EXPECT_TRUE(dialog.B777());
        dialog.Disk_PN_Text()->setText(QStringLiteral("dsk"));
        dialog.Data_PN_Text()->setText(QStringLiteral("dat"));
        dialog.Manuf_ID_Text()->setText(QStringLiteral("ABC"));
        dialog.Product_ID_Text()->setText(QStringLiteral("58A6C"));
        dialog.OKButton_Click();
    });
    EXPECT_EQ(Identifier_Dialog::SetB777_Identifier(nullptr), QStringLiteral("DSK\tDAT\tABC\t58A6C"));

    // The close box is a Cancel.
    When_Identifier_Shows([](Identifier_Dialog& dialog) {
        dialog.File_ID_Text()->setText(QStringLiteral("X"));
        dialog.close();
    });
    EXPECT_EQ(Identifier_Dialog::SetSFIM_Identifier(nullptr), QString());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

} // namespace
