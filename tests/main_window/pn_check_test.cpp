// Composing ARINC 665 part numbers: check characters, cleared form, reserved
// manufacturer's codes, warning lines and instruction texts.
#include "editor/main_window/pn_check.h"

#include <gtest/gtest.h>

using namespace main_window;

TEST(PN_Check, Check_Characters)
{
    EXPECT_EQ(Calc_PN_Check(QStringLiteral("ABCA5B6C7D8E9")), 0x34);
    EXPECT_EQ(Compose_PN(QStringLiteral("ABC"), QStringLiteral("A5B6C7D8E9")),
              QStringLiteral("ABC34A5B6C7D8E9"));
    EXPECT_EQ(Compose_PN(QStringLiteral("XY7"), QStringLiteral("ABCDEFGH12")),
              QStringLiteral("XY73DABCDEFGH12"));
    // Dashes do not count.
    EXPECT_EQ(Calc_PN_Check(QStringLiteral("A-B--")), 'A' ^ 'B');
    EXPECT_EQ(Compose_PN(QStringLiteral("QZV"), Cleared_Product_Id()),
              QStringLiteral("QZV5D----------"));
    EXPECT_EQ(Calc_PN_Check(QString()), 0);
    EXPECT_EQ(Calc_PN_Check(QStringLiteral("AA")), 0);
}

TEST(PN_Check, Check_Text_Keeps_Leading_Zero)
{
    EXPECT_EQ(PN_Check_Text(0), QStringLiteral("00"));
    EXPECT_EQ(PN_Check_Text(0x03), QStringLiteral("03"));
    EXPECT_EQ(PN_Check_Text(0x0F), QStringLiteral("0F"));
    EXPECT_EQ(PN_Check_Text(0xAB), QStringLiteral("AB"));
    EXPECT_EQ(Compose_PN(QStringLiteral("AB1"), QStringLiteral("1---------")),
              QStringLiteral("AB1031---------"));
    EXPECT_EQ(Compose_PN(QStringLiteral("ABC"), QStringLiteral("ABC-------")),
              QStringLiteral("ABC00ABC-------"));
}

TEST(PN_Check, Cleared_Form)
{
    EXPECT_EQ(Cleared_PN(), QString(15, QLatin1Char('-')));
    EXPECT_TRUE(Is_Cleared_Form(QStringLiteral("---"), QStringLiteral("----------")));
    EXPECT_FALSE(Is_Cleared_Form(QStringLiteral("---"), QStringLiteral("---------A")));
    EXPECT_EQ(Compose_PN(Cleared_Man_Code(), Cleared_Product_Id(), true), Cleared_PN());
    // Where the cleared form is not allowed it gets check characters "00".
    EXPECT_EQ(Compose_PN(Cleared_Man_Code(), Cleared_Product_Id(), false),
              QStringLiteral("---00----------"));
}

TEST(PN_Check, Splits_A_Part_Number)
{
    const QString pn = QStringLiteral("ABC34A5B6C7D8E9");
    EXPECT_EQ(PN_Man_Code(pn), QStringLiteral("ABC"));
    EXPECT_EQ(PN_Product_Id(pn), QStringLiteral("A5B6C7D8E9"));
    EXPECT_EQ(PN_Man_Code(QString()), QString());
    EXPECT_EQ(PN_Product_Id(QStringLiteral("AB")), QString());
    EXPECT_EQ(PN_Product_Id(QStringLiteral("ABC12XY")), QStringLiteral("XY"));
}

TEST(PN_Check, Reserved_Codes_And_Warnings)
{
    const char* const expected[] = {"QZA", "QZB", "QZC", "QZD", "QZE",
                                    "QZF", "QZV", "QZJ", "QZK", "QZL"};
    ASSERT_EQ(Reserved_Man_Codes().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_STREQ(Reserved_Man_Codes()[i], expected[i]);
        EXPECT_TRUE(Is_Reserved_Man_Code(QString::fromLatin1(expected[i])));
    }
    EXPECT_FALSE(Is_Reserved_Man_Code(QStringLiteral("QZG")));
    EXPECT_FALSE(Is_Reserved_Man_Code(QStringLiteral("qzv")));

    EXPECT_EQ(Man_Code_Warning(QStringLiteral("QZV")),
              QStringLiteral("Warning, Only Quendrall created ORTs can use the\"QZV\" "
                             "Manufacturer's Code."));
    EXPECT_EQ(Man_Code_Warning(QStringLiteral("AB")),
              QStringLiteral("Manufacturer's Code must be 3 characters."));
    EXPECT_EQ(Man_Code_Warning(QStringLiteral("ABC")), QString());
    EXPECT_EQ(Product_Id_Warning(QStringLiteral("123456789")),
              QStringLiteral("Product Identifier must be 10 characters."));
    EXPECT_EQ(Product_Id_Warning(QStringLiteral("1234567890")), QString());
    EXPECT_TRUE(PN_Fields_Full(QStringLiteral("QZV"), QStringLiteral("1234567890")));
    EXPECT_FALSE(PN_Fields_Full(QStringLiteral("QZ"), QStringLiteral("1234567890")));
    EXPECT_FALSE(PN_Fields_Full(QStringLiteral("QZV"), QStringLiteral("123456789")));
}

TEST(PN_Check, Instruction_Texts)
{
    const QString last =
        QStringLiteral("* Press the \"Make ARINC 665 PN\" button to add the check characters.");
    EXPECT_EQ(PN_Instruction_Lines(PN_Use::Confirm),
              (QStringList{QStringLiteral("Confirm the Part Number listed is correct. If not correct it."),
                           QStringLiteral("* Enter a new Manufacturing Code."),
                           QStringLiteral("* Enter a new Product Identifier."), last}));
    EXPECT_EQ(PN_Instruction_Lines(PN_Use::Change),
              (QStringList{QStringLiteral("Change part number because one or more ORT data "
                                          "item's value has changed."),
                           QStringLiteral("* Change the Manufacturing Code."),
                           QStringLiteral("* Change the Product Identifier."), last}));
    EXPECT_EQ(PN_Instruction_Text(PN_Use::Modify),
              QStringLiteral("Modify or Clear part number.\r\n* Change the Manufacturing Code.\r\n"
                             "* Change the Product Identifier.\r\n") +
                  last);
    EXPECT_EQ(PN_New_Number_Needed_Text(),
              QStringLiteral("A new part number is needed because\r\none or more ORT data item's "
                             "value has changed."));
}

TEST(PN_Check, Unchanged_Rule)
{
    const QString earlier[] = {QStringLiteral("AAA00AAAAAAAAAA"), QString(),
                               QStringLiteral("ABC34A5B6C7D8E9")};
    EXPECT_TRUE(PN_Is_Unchanged(QStringLiteral("ABC34A5B6C7D8E9"), earlier));
    EXPECT_FALSE(PN_Is_Unchanged(QStringLiteral("ABC35A5B6C7D8E8"), earlier));
}
