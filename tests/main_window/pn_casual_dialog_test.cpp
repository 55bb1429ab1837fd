// The casual part-number dialog: editing one box, Clear and the cleared form.
#include "editor/main_window/pn_casual_dialog.h"
#include "editor/pages/field_edit.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class PN_Casual_Test : public ::testing::Test {
protected:
    PN_Casual_Test()
    {
        box.setText(QStringLiteral("ABC34A5B6C7D8E9"));
        QObject::connect(&dialog, &QDialog::finished, [this](int) { ++finished; });
    }

    testsupport::ScriptedMessages boxes;
    QLineEdit box;
    PN_Casual_Dialog dialog{nullptr};
    int finished = 0;
};

TEST_F(PN_Casual_Test, Modify_Edits_The_Given_Box)
{
    dialog.Prepare(&box);
    EXPECT_TRUE(dialog.Label_Info()->text().startsWith(QStringLiteral("Modify or Clear part number.")));
    EXPECT_EQ(dialog.cmdClear()->text(), QStringLiteral("Clear"));
    EXPECT_EQ(dialog.cmdClear()->objectName(), QStringLiteral("cmdClear"));
    dialog.ProductId()->setText(QStringLiteral("A5B6C7D8E8"));
    dialog.CloseButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(box.text(), QStringLiteral("ABC35A5B6C7D8E8"));
}

TEST_F(PN_Casual_Test, Clear_Then_Close_Writes_Fifteen_Dashes)
{
    dialog.Prepare(&box);
    dialog.cmdClear_Click();
    EXPECT_EQ(dialog.Arinc665_PN()->text(), QString(15, QLatin1Char('-')));
    EXPECT_EQ(dialog.ManufacturersCode()->text(), QStringLiteral("---"));
    EXPECT_EQ(dialog.ProductId()->text(), QStringLiteral("----------"));

    // The cleared form is neither checked nor given check characters.
    EXPECT_FALSE(pages::Validate_Field(dialog.ManufacturersCode()));
    dialog.MakeArinc665_PN_Click();
    EXPECT_EQ(dialog.Arinc665_PN()->text(), QString(15, QLatin1Char('-')));
    EXPECT_TRUE(dialog.Label_Warning()->text().isEmpty());
    dialog.CloseButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(box.text(), QString(15, QLatin1Char('-')));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(PN_Casual_Test, A_Cleared_Number_Loads_As_The_Cleared_Form)
{
    box.setText(QString(15, QLatin1Char('-')));
    dialog.Prepare(&box);
    dialog.CloseButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(box.text(), QString(15, QLatin1Char('-')));
}

TEST_F(PN_Casual_Test, Half_Cleared_Form_Is_Refused)
{
    dialog.Prepare(&box);
    dialog.cmdClear_Click();
    dialog.ProductId()->setText(QStringLiteral("12345"));
    dialog.CloseButton_Click();
    EXPECT_EQ(finished, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Manufacturer's Code contains invalid character"));
    EXPECT_EQ(box.text(), QStringLiteral("ABC34A5B6C7D8E9"));

    boxes.Clear();
    dialog.ManufacturersCode()->setText(QStringLiteral("XYZ"));
    dialog.CloseButton_Click();
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(dialog.Label_Warning()->text(),
              QStringLiteral("Product Identifier must be 10 characters."));
    EXPECT_EQ(box.text(), QStringLiteral("ABC34A5B6C7D8E9"));
}

TEST_F(PN_Casual_Test, Closing_The_Window_Writes_Nothing)
{
    QTimer::singleShot(0, &dialog, [this] {
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        dialog.cmdClear()->click();
        dialog.reject();
    });
    dialog.ModifyPN(&box);
    EXPECT_EQ(box.text(), QStringLiteral("ABC34A5B6C7D8E9"));

    QTimer::singleShot(0, &dialog, [this] {
        dialog.cmdClear()->click();
        dialog.CloseButton()->click();
        if (dialog.isVisible())
            dialog.reject();
    });
    dialog.ModifyPN(&box);
    EXPECT_EQ(box.text(), QString(15, QLatin1Char('-')));
}

} // namespace
