#include "editor/pages_hsd/page_hsd_sbb.h"

#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "hsd_test_support.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>

using hsdtest::User_Levels;
using hsdtest::Report;
using testsupport::ScriptedMessages;

namespace {

using testsupport::Entries;

void Fill_Factory(Page_HSD_SBB& page)
{
    page.Control_77a->setCurrentIndex(3);
    for (QLineEdit* box : page.Control_77b)
        box->setText("0");
    page.Control_80->setText("");
    page.Control_89[0]->setCurrentIndex(1);
    page.Control_89[1]->setCurrentIndex(1);
    page.Control_90pac->setText("0");
    page.Control_90per->setText("0");
    page.Control_96->setCurrentIndex(9);
    page.Control_97->setCurrentIndex(0);
    page.Control_99->setCurrentIndex(3);
    page.Control_101->setCurrentIndex(0);
    page.Control_102->setText("256");
}

const QStringList BIT_RATE_LINES = {
    "Traffic Class: Background",
    "Bit Rates (kb/s) Max Down: 1 kb/s",
    "Bit Rates (kb/s) Max Up: 2 kb/s",
    "Bit Rates (kb/s) Guaranteed Down: 3 kb/s",
    "Bit Rates (kb/s) Guaranteed Up: 4 kb/s",
};

} // namespace

TEST(PageHsdSbb, ControlsExistWithTheirEntries)
{
    Page_HSD_SBB page;
    EXPECT_EQ(page.windowTitle(), QStringLiteral("HSD SwiftBroadband Service Presets"));
    for (const char* name :
         {"Frame_BGAN", "Frame_SDU1", "Frame_SDU2", "Control_77a", "Control_77b(0)", "Control_77b(3)",
          "Control_80", "Control_89(0)", "Control_89(1)", "Control_90pac", "UpDown_90pac",
          "Control_90per", "UpDown_90per", "Control_96", "Control_97", "Control_99", "Control_101",
          "Control_102", "UpDown_102", "Label_User_L3(13)", "Label_User_L3(18)", "Label_User_L4(3)",
          "Label_User_L4(15)", "Label_User_L4(30)"})
        EXPECT_NE(page.findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(page.Frame_BGAN->title(), QStringLiteral("BGAN PDP Session Parameters"));
    EXPECT_EQ(Tag(page.Frame_BGAN), QStringLiteral("Item 77"));
    EXPECT_EQ(Entries(page.Control_77a),
              (QStringList{"Conversational", "Streaming", "Interactive", "Background"}));
    EXPECT_EQ(Entries(page.Control_96),
              (QStringList{"0: Disabled", "1: Enabled, 512 bytes", "2: Enabled, 1024 bytes",
                           "3: Enabled, 2048 bytes", "4: Enabled, 4096 bytes", "5: Enabled, 8192 bytes",
                           "6: Enabled, 16384 bytes", "7: Enabled, 32768 bytes",
                           "8: Enabled, 65536 bytes", "9: Enabled, 131072 bytes"}));
    EXPECT_EQ(Entries(page.Control_99), (QStringList{"No Automatic Attachment ", "Circuit Switched",
                                                     "Packet Switched", "Circuit & Packet Switched"}));
    EXPECT_EQ(Entries(page.Control_89[1]), (QStringList{"Share between channel cards",
                                                        "Fill channel card 1 first",
                                                        "Fill channel card 2 first"}));
    EXPECT_EQ(Entries(page.Control_101), (QStringList{"Disabled", "Enabled"}));
    EXPECT_EQ(page.Label_User_L4[29]->text(), QStringLiteral("Maximum SBB Streaming Bandwidth"));
    EXPECT_EQ(Tag(page.Label_User_L4[29]), QStringLiteral("Item 102"));
    EXPECT_EQ(Tag(page.Label_User_L4[30]), QString());
    EXPECT_EQ(page.Control_80->maxLength(), 40);
    EXPECT_EQ(page.Control_77b[2]->maxLength(), 5);
}

TEST(PageHsdSbb, DesignTooltipsStayForEveryMode)
{
    Page_HSD_SBB page;
    // The user partition fills in the defaults of the lists and the text.
    pages::Fill_Default_Tip(page.Control_80, QString());
    pages::Fill_Default_Tip(page.Control_96, page.Control_96->itemText(9), 9);
    pages::Fill_Default_Tip(page.Control_99, QStringLiteral("Circuit & Packet Switched"), 3);
    pages::Fill_Default_Tip(page.Control_89[0], QStringLiteral("Fill channel card 1 first"), 1);
    for (int mode : {0, 1, 2}) {
        page.Setup_ToolTips(mode);
        EXPECT_EQ(page.Control_77b[3]->toolTip(), QStringLiteral("Default: 0 / Range 0 to 65535"));
        EXPECT_EQ(page.Control_80->toolTip(), QStringLiteral("Default: \"\""));
        EXPECT_EQ(page.Control_90per->toolTip(), QStringLiteral("Default: 0 /  Range 0 to 65535"));
        EXPECT_EQ(page.Control_96->toolTip(), QStringLiteral("Default: 9 /  Range 0 to 9"));
        EXPECT_EQ(page.Control_99->toolTip(), QStringLiteral("Default: Circuit & Packet Switched"));
        EXPECT_EQ(page.Control_102->toolTip(), QStringLiteral("Default: 256 /  Range 0 to 65535"));
        EXPECT_EQ(page.Control_89[0]->toolTip(), QStringLiteral("Default: Fill channel card 1 first"));
    }
}

TEST(PageHsdSbb, FieldChecksAndFocus)
{
    User_Levels levels(4);
    ScriptedMessages messages;
    Page_HSD_SBB page;
    page.Control_77b[1]->setText("70000");
    EXPECT_TRUE(pages::Validate_Field(page.Control_77b[1])); // keeps the focus
    EXPECT_EQ(page.Control_77b[1]->text(), QStringLiteral("65535"));
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Maximum"));
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("Bit Rates (kb/s)"));

    messages.Clear();
    page.Control_102->setText("");
    EXPECT_FALSE(pages::Validate_Field(page.Control_102)); // moves on
    EXPECT_EQ(page.Control_102->text(), QStringLiteral("256"));
    page.UpDown_102->Up_Button()->click();
    EXPECT_EQ(page.Control_102->text(), QStringLiteral("257"));
    page.Control_90pac->setText("x");
    EXPECT_FALSE(pages::Validate_Field(page.Control_90pac));
    EXPECT_EQ(page.Control_90pac->text(), QStringLiteral("0"));
    page.UpDown_90pac->Down_Button()->click();
    EXPECT_EQ(page.Control_90pac->text(), QStringLiteral("0"));
    page.Control_90per->setText("65536");
    pages::Validate_Field(page.Control_90per);
    EXPECT_EQ(page.Control_90per->text(), QStringLiteral("65535"));
    ASSERT_EQ(messages.Boxes().size(), 3);
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("Maximum SBB Streaming Bandwidth"));
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Default"));
    EXPECT_EQ(messages.Boxes()[1].title, QStringLiteral("BGAN Packet Data Packets"));
    EXPECT_EQ(messages.Boxes()[2].title, QStringLiteral("BGAN Packet Data Period"));

    // Digits only in the numeric fields; any printable character in the APN.
    hsdtest::Type(page.Control_77b[0], "1a2");
    EXPECT_EQ(page.Control_77b[0]->text(), QStringLiteral("12"));
    hsdtest::Type(page.Control_80, "apn.x_Y@1 ~");
    EXPECT_EQ(page.Control_80->text(), QStringLiteral("apn.x_Y@1 ~"));
    EXPECT_FALSE(pages::Validate_Field(page.Control_80));
    EXPECT_EQ(page.Control_80->text(), QStringLiteral("apn.x_Y@1 ~"));
}

TEST(PageHsdSbb, AccessPointNameFromCodeIsCutAtNul)
{
    Page_HSD_SBB page;
    page.Control_80->setText(QString::fromLatin1("internet.example\0\0\0\0", 20));
    EXPECT_EQ(page.Control_80->text(), QStringLiteral("internet.example"));
    page.Control_80->setText(QString::fromUtf8("caf\u00e9\tnet"));
    EXPECT_EQ(page.Control_80->text(), QStringLiteral("cafnet"));
}

TEST(PageHsdSbb, DualActsFromLevelFour)
{
    Page_HSD_SBB page;
    {
        User_Levels levels(3);
        page.Frame_SDU2->hide(); // as the user items below level 4 leave it
        page.Dual(true);
        EXPECT_FALSE(page.Dual_Mode());
        EXPECT_FALSE(page.Frame_SDU2->isVisibleTo(&page));
    }
    {
        User_Levels levels(4);
        page.Dual(true);
        EXPECT_TRUE(page.Dual_Mode());
        EXPECT_TRUE(page.Frame_SDU2->isVisibleTo(&page));
        page.Dual(false);
        EXPECT_FALSE(page.Frame_SDU2->isVisibleTo(&page));
    }
}

TEST(PageHsdSbb, Report)
{
    Page_HSD_SBB page;
    Fill_Factory(page);
    for (int i = 0; i < 4; ++i)
        page.Control_77b[i]->setText(QString::number(i + 1));
    for (int level : {0, 2}) {
        User_Levels levels(level);
        EXPECT_TRUE(Report(page).isEmpty());
    }
    {
        User_Levels levels(3);
        EXPECT_EQ(Report(page), BIT_RATE_LINES);
    }
    User_Levels levels(4);
    page.Control_80->setText("apn");
    page.Control_89[1]->setCurrentIndex(2);
    page.Dual(false);
    QStringList expected = {
        "BGAN Packet Data Packets: 0",
        "BGAN Packet Data Period: 0 msec",
        "IP Header Compression: 9: Enabled, 131072 bytes",
        "Ciphering Enabled: Disabled",
        "SBB Attachment Mode: Circuit & Packet Switched",
        "LCP Authentication: Disabled",
        "Maximum SBB Streaming Bandwidth: 256 kbps",
    };
    expected << BIT_RATE_LINES;
    expected << "Access Point Name: apn" << "Primary Context Loading, SDU 1: Fill channel card 1 first";
    EXPECT_EQ(Report(page), expected);
    page.Dual(true);
    expected << "Primary Context Loading, SDU 2: Fill channel card 2 first";
    EXPECT_EQ(Report(page), expected);
}
