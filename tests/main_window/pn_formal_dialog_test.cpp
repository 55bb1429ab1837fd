// The formal part-number dialog: which box it reads and writes, the change
// rule, short fields, reserved codes and its modal use.
#include "editor/core/ort_types.h"
#include "editor/main_window/pn_check.h"
#include "editor/main_window/pn_formal_dialog.h"
#include "editor/pages/field_edit.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString LOADED = QStringLiteral("ABC34A5B6C7D8E9");

class PN_Formal_Test : public ::testing::Test {
protected:
    PN_Formal_Test()
    {
        core::Reset_Versions();
        Set_Partitions(13, 14);
        control_86.setText(LOADED);
        control_87.setText(main_window::Compose_PN(QStringLiteral("SEC"), QStringLiteral("SECURED001")));
        QObject::connect(&dialog, &QDialog::finished, [this](int) { ++finished; });
    }
    ~PN_Formal_Test() override { core::Reset_Versions(); }

    static void Set_Partitions(std::int32_t secured, std::int32_t user)
    {
        core::Versions().Secured_Current.Partition_Version = secured;
        core::Versions().User_Current.Partition_Version = user;
    }

    void Type(const QString& man, const QString& product)
    {
        dialog.ManufacturersCode()->setText(man);
        dialog.ProductId()->setText(product);
    }

    testsupport::ScriptedMessages boxes;
    QLineEdit control_86;
    QLineEdit control_87;
    QString stored_secured = main_window::Compose_PN(QStringLiteral("QZV"), QStringLiteral("STRD000001"));
    QString stored_user = main_window::Compose_PN(QStringLiteral("QZV"), QStringLiteral("STRD000002"));
    PN_Formal_Dialog dialog{{&control_86, &control_87, [this] { return stored_secured; },
                             [this] { return stored_user; }},
                            nullptr};
    int finished = 0;
};

TEST_F(PN_Formal_Test, Form_And_Fields)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ARINC 665 Part Number"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label_PartNum"))->text(),
              QStringLiteral("ARINC 665 Part Number"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label_ManCode"))->text(),
              QStringLiteral("Manufacturer's Code"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label_ProdId"))->text(),
              QStringLiteral("Product Identifier"));
    EXPECT_EQ(dialog.MakeArinc665_PN()->text(), QStringLiteral("Make ARINC 665 PN"));
    EXPECT_EQ(dialog.CloseButton()->text(), QStringLiteral("Close"));
    EXPECT_EQ(dialog.ManufacturersCode()->toolTip(), QStringLiteral("Must be 3 characters"));
    EXPECT_EQ(dialog.ProductId()->toolTip(), QStringLiteral("Must be 10 characters"));
    EXPECT_EQ(dialog.ManufacturersCode()->maxLength(), 3);
    EXPECT_EQ(dialog.ProductId()->maxLength(), 10);
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("cmdClear")), nullptr);
}

TEST_F(PN_Formal_Test, Confirm_Loads_The_User_Box_And_Writes_It_Back)
{
    dialog.Prepare(false);
    EXPECT_FALSE(dialog.Change_Mode());
    EXPECT_TRUE(dialog.Label_Info()->text().startsWith(QStringLiteral("Confirm the Part Number")));
    EXPECT_EQ(dialog.Arinc665_PN()->text(), LOADED);
    EXPECT_EQ(dialog.ManufacturersCode()->text(), QStringLiteral("ABC"));
    EXPECT_EQ(dialog.ProductId()->text(), QStringLiteral("A5B6C7D8E9"));
    EXPECT_TRUE(dialog.Label_Warning()->text().isEmpty());

    // An unchanged number is fine when only confirming.
    dialog.CloseButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(control_86.text(), LOADED);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(PN_Formal_Test, Secured_Only_ORT_Uses_The_Secured_Box)
{
    Set_Partitions(13, core::PARTITION_ABSENT);
    dialog.Prepare(true);
    EXPECT_EQ(dialog.Target_Box(), &control_87);
    EXPECT_EQ(dialog.ManufacturersCode()->text(), QStringLiteral("SEC"));
    Type(QStringLiteral("SEC"), QStringLiteral("SECURED002"));
    dialog.CloseButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(control_87.text(), main_window::Compose_PN(QStringLiteral("SEC"),
                                                         QStringLiteral("SECURED002")));
    EXPECT_EQ(control_86.text(), LOADED);
}

TEST_F(PN_Formal_Test, Change_Refuses_Every_Earlier_Number)
{
    dialog.Prepare(true);
    EXPECT_TRUE(dialog.Change_Mode());
    EXPECT_TRUE(dialog.Label_Info()->text().startsWith(QStringLiteral("Change part number because")));

    // As loaded, then each of the stored numbers and the secured box.
    const QString earlier[] = {LOADED, stored_secured, stored_user, control_87.text()};
    for (const QString& number : earlier) {
        boxes.Clear();
        Type(main_window::PN_Man_Code(number), main_window::PN_Product_Id(number));
        dialog.CloseButton_Click();
        ASSERT_EQ(boxes.Boxes().size(), 1) << number.toStdString();
        EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Exclamation);
        EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("ARINC 665 Part Number"));
        EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("A new part number is needed because\r\n"
                                                        "one or more ORT data item's value has changed."));
        EXPECT_EQ(finished, 0);
        EXPECT_EQ(control_86.text(), LOADED);
    }

    boxes.Clear();
    Type(QStringLiteral("ABC"), QStringLiteral("A5B6C7D8E8"));
    dialog.CloseButton_Click();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(control_86.text(), QStringLiteral("ABC35A5B6C7D8E8"));
}

TEST_F(PN_Formal_Test, Short_Fields_Are_Not_Composed_On_Close)
{
    dialog.Prepare(false);
    Type(QStringLiteral("ABC"), QStringLiteral("A5B6C7"));
    dialog.CloseButton_Click();
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(control_86.text(), LOADED);
    EXPECT_EQ(dialog.Label_Warning()->text(),
              QStringLiteral("Product Identifier must be 10 characters."));

    Type(QStringLiteral("AB"), QStringLiteral("A5B6C7D8E9"));
    dialog.CloseButton_Click();
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(dialog.Label_Warning()->text(),
              QStringLiteral("Manufacturer's Code must be 3 characters."));
    EXPECT_EQ(control_86.text(), LOADED);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(PN_Formal_Test, Make_Composes_And_Shows_The_Warnings)
{
    dialog.Prepare(false);
    Type(QStringLiteral("qzv"), QStringLiteral("1234567890"));
    dialog.MakeArinc665_PN_Click();
    EXPECT_TRUE(dialog.Composed());
    EXPECT_EQ(dialog.ManufacturersCode()->text(), QStringLiteral("QZV"));
    EXPECT_EQ(dialog.Arinc665_PN()->text(),
              main_window::Compose_PN(QStringLiteral("QZV"), QStringLiteral("1234567890")));
    EXPECT_EQ(dialog.Label_Warning()->text(), main_window::Man_Code_Warning(QStringLiteral("QZV")));

    // A short field is named before the reserved-code note; Make still composes.
    Type(QStringLiteral("QZV"), QStringLiteral("12345"));
    dialog.MakeArinc665_PN_Click();
    EXPECT_EQ(dialog.Label_Warning()->text(),
              QStringLiteral("Product Identifier must be 10 characters."));
    EXPECT_EQ(dialog.Arinc665_PN()->text(), QStringLiteral("QZV") +
                                                main_window::PN_Check_Text(main_window::Calc_PN_Check(
                                                    QStringLiteral("QZV12345"))) +
                                                QStringLiteral("12345"));

    // A reserved code is accepted.
    Type(QStringLiteral("QZV"), QStringLiteral("1234567890"));
    dialog.CloseButton_Click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(control_86.text(), dialog.Arinc665_PN()->text());
}

TEST_F(PN_Formal_Test, Leaving_A_Short_Field_Keeps_The_Focus)
{
    dialog.Prepare(false);
    dialog.ManufacturersCode()->setText(QStringLiteral("AB"));
    EXPECT_TRUE(pages::Validate_Field(dialog.ManufacturersCode()));
    EXPECT_EQ(dialog.Label_Warning()->text(),
              QStringLiteral("Manufacturer's Code must be 3 characters."));
    dialog.ManufacturersCode()->setText(QStringLiteral("ABD"));
    EXPECT_FALSE(pages::Validate_Field(dialog.ManufacturersCode()));
    EXPECT_TRUE(dialog.Label_Warning()->text().isEmpty());
    dialog.ManufacturersCode()->setText(QStringLiteral("QZA"));
    EXPECT_FALSE(pages::Validate_Field(dialog.ManufacturersCode()));
    EXPECT_EQ(dialog.Label_Warning()->text(), main_window::Man_Code_Warning(QStringLiteral("QZA")));

    dialog.ProductId()->setText(QStringLiteral("ABC"));
    EXPECT_TRUE(pages::Validate_Field(dialog.ProductId()));
    EXPECT_EQ(dialog.Label_Warning()->text(),
              QStringLiteral("Product Identifier must be 10 characters."));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(PN_Formal_Test, A_Foreign_Character_Is_Refused_On_Close)
{
    // A cleared number loaded into the formal dialog carries dashes in the
    // manufacturer's code, which that field does not take.
    control_86.setText(main_window::Cleared_PN());
    dialog.Prepare(false);
    dialog.CloseButton_Click();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Manufacturer's Code contains invalid character"));
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(control_86.text(), main_window::Cleared_PN());
}

TEST_F(PN_Formal_Test, Shown_Modally_And_Closing_The_Window_Writes_Nothing)
{
    QTimer::singleShot(0, &dialog, [this] {
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        Type(QStringLiteral("XYZ"), QStringLiteral("0000000001"));
        dialog.reject();
    });
    dialog.ChangePN();
    EXPECT_EQ(control_86.text(), LOADED);

    QTimer::singleShot(0, &dialog, [this] {
        Type(QStringLiteral("XYZ"), QStringLiteral("0000000001"));
        dialog.CloseButton()->click();
        if (dialog.isVisible())
            dialog.reject();
    });
    dialog.ChangePN();
    EXPECT_EQ(control_86.text(),
              main_window::Compose_PN(QStringLiteral("XYZ"), QStringLiteral("0000000001")));
}

} // namespace
