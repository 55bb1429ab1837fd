#include "editor/pages_hsd/page_hsd_cnfg.h"

#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages_hsd/hsd_defaults.h"
#include "editor/pages_hsd/hsd_field_helpers.h"
#include "hsd_test_support.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using hsdtest::User_Levels;
using hsdtest::Report;
using testsupport::ScriptedMessages;

namespace {

using testsupport::Entries;

const QString MSG_DEFAULT = QStringLiteral("Value Out of Range, Setting to Default");
const QString MSG_MAXIMUM = QStringLiteral("Value Out of Range, Setting to Maximum");
const QString MSG_UNIQUE =
    QStringLiteral("IP Addresses must be unique, Setting to next available address");
const QString MSG_PPPOE = QStringLiteral(
    "PPPoE AC Name for SDU1 must not be the same as PPPoE AC Name for SDU2, Setting to Defaults");

template <std::size_t N>
void Set_Address(const std::array<QLineEdit*, N>& boxes, std::array<int, N> octets)
{
    for (std::size_t i = 0; i < N; ++i)
        boxes[i]->setText(QString::number(octets[i]));
}

template <std::size_t N>
void Set_Default_Address(const std::array<QLineEdit*, N>& boxes, std::uint8_t (*octet)(std::int16_t))
{
    for (std::size_t i = 0; i < N; ++i)
        boxes[i]->setText(QString::number(octet(static_cast<std::int16_t>(i))));
}

// The factory defaults as the user partition puts them in.
void Fill_Factory(Page_HSD_Cnfg& page)
{
    page.Control_62->setText("18.0");
    page.Control_64->setText("16.0");
    page.Control_65->setCurrentIndex(0);
    Set_Default_Address(page.Control_72a1, &User_Mod::Default_72a1);
    Set_Default_Address(page.Control_72a2, &User_Mod::Default_72a2);
    Set_Default_Address(page.Control_72b1, &User_Mod::Default_72b1);
    Set_Default_Address(page.Control_72b2, &User_Mod::Default_72b2);
    for (auto* boxes : {&page.Control_73a1, &page.Control_73a2, &page.Control_73b1, &page.Control_73b2})
        Set_Default_Address(*boxes, &User_Mod::Default_73);
    for (auto* boxes : {&page.Control_74a1, &page.Control_74a2, &page.Control_74b1, &page.Control_74b2})
        Set_Address(*boxes, {0, 0, 0, 0});
    Set_Default_Address(page.Control_75, &User_Mod::Default_75);
    for (int i = 0; i < 6; ++i) {
        page.Control_68a[i]->setText("0");
        page.Control_68b[i]->setText("0");
    }
    page.Control_69[0]->setText("DataIO");
    page.Control_69[1]->setText("DataIO-2");
    page.Control_70->setCurrentIndex(1);
    page.Control_71->setCurrentIndex(0);
    page.Control_76->setText("50");
    for (int i = 0; i < 2; ++i) {
        page.Control_79_1[i]->setCurrentIndex(0);
        page.Control_79_2[i]->setCurrentIndex(0);
        page.Control_98[i]->setCurrentIndex(0);
    }
    page.Control_82a[0]->setText("HSDU1_P1");
    page.Control_82a[1]->setText("HSDU1_P2");
    page.Control_82b[0]->setText("HSDU2_P1");
    page.Control_82b[1]->setText("HSDU2_P2");
    page.Control_84->setCurrentIndex(1);
    page.Control_88->setCurrentIndex(0);
    page.Control_100->setCurrentIndex(2);
}

bool Shown(const Page_HSD_Cnfg& page, const QWidget* widget)
{
    return widget->isVisibleTo(&page);
}

} // namespace

TEST(PageHsdCnfg, ControlsExistWithTheirEntries)
{
    Page_HSD_Cnfg page;
    EXPECT_EQ(page.windowTitle(), QStringLiteral("HSD Configuration Presets"));
    QStringList names = {"Frame_SDU1", "Frame_SDU2", "FrameIP1(0)", "FrameIP1(1)", "FrameIP2(0)",
                         "FrameIP2(1)", "Control_62", "UpDown_62", "Control_64", "UpDown_64",
                         "Control_65", "Control_70", "Control_71", "Control_76", "UpDown_76",
                         "Control_84", "Control_88", "Control_100"};
    for (int i = 0; i < 6; ++i)
        names << QString("Control_68a(%1)").arg(i) << QString("Control_68b(%1)").arg(i);
    for (const char* array : {"Control_72a1", "Control_72a2", "Control_72b1", "Control_72b2",
                              "Control_73a1", "Control_73a2", "Control_73b1", "Control_73b2",
                              "Control_74a1", "Control_74a2", "Control_74b1", "Control_74b2",
                              "Control_75"})
        for (int i = 0; i < 4; ++i)
            names << QString("%1(%2)").arg(array).arg(i);
    for (const char* array : {"Control_69", "Control_79_1", "Control_79_2", "Control_81user",
                              "Control_81pass", "Control_82a", "Control_82b", "Control_85user",
                              "Control_85pass", "Control_98"})
        for (int i = 0; i < 2; ++i)
            names << QString("%1(%2)").arg(array).arg(i);
    for (const QString& name : names)
        EXPECT_NE(page.findChild<QWidget*>(name), nullptr) << name.toStdString();

    EXPECT_EQ(page.findChild<QGroupBox*>("FrameIP2(1)")->title(), QStringLiteral("Port 2"));
    EXPECT_EQ(page.Frame_SDU2->title(), QStringLiteral("SDU 2"));
    EXPECT_EQ(Entries(page.Control_65), (QStringList{"Automatic", "Swift64 Only", "BGAN Only"}));
    EXPECT_EQ(Entries(page.Control_70), (QStringList{"Disallowed", "Allowed"}));
    EXPECT_EQ(Entries(page.Control_88), (QStringList{"Disallowed", "Allowed"}));
    EXPECT_EQ(Entries(page.Control_84), (QStringList{"Disabled", "Enabled"}));
    EXPECT_EQ(Entries(page.Control_79_2[1]), (QStringList{"Disabled", "Enabled"}));
    EXPECT_EQ(Entries(page.Control_100),
              (QStringList{"Any Channel", "HSD Channel Card 1", "HSD Channel Card 2"}));
    EXPECT_EQ(Entries(page.Control_98[1]),
              (QStringList{"Port 1: Half Duplex, Port 2: Half Duplex",
                           "Port 1: Full Duplex,  Port 2: Half Duplex",
                           "Port 1: Half Duplex, Port 2: Full Duplex",
                           "Port 1: Full Duplex,  Port 2: Full Duplex"}));
    EXPECT_EQ(page.Control_98[0]->itemData(3).toInt(), 0);
    EXPECT_FALSE(page.Control_65->isEditable());

    // Labels with captions and tags.
    auto* label = page.findChild<QLabel*>("Label_User_L3(22)");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("PPPoE AC Name"));
    EXPECT_EQ(Tag(label), QStringLiteral("Item 69"));
    EXPECT_EQ(page.findChild<QLabel*>("Label_User_L4(16)")->text(), QStringLiteral("CHAP/ PAP"));
    EXPECT_EQ(Tag(page.findChild<QLabel*>("Label_User_L4(27)")), QStringLiteral("Item 100"));
    EXPECT_EQ(Tag(page.Label_User_L1[1]), QString());
    EXPECT_EQ(page.Label_User_L3[3], nullptr);

    // Lengths.
    EXPECT_EQ(page.Control_69[1]->maxLength(), 15);
    EXPECT_EQ(page.Control_85pass[0]->maxLength(), 15);
    EXPECT_EQ(page.Control_72b2[3]->maxLength(), 3);
    EXPECT_EQ(page.Control_68a[5]->maxLength(), 2);
}

TEST(PageHsdCnfg, DesignTooltipsStayForEveryMode)
{
    Page_HSD_Cnfg page;
    // The user partition fills in the defaults of the lists and names.
    pages::Fill_Default_Tip(page.Control_69[1], QStringLiteral("DataIO-2"));
    pages::Fill_Default_Tip(page.Control_82b[1], QStringLiteral("HSDU2_P2"));
    pages::Fill_Default_Tip(page.Control_100, QStringLiteral("HSD Channel Card 2"), 2);
    for (int mode : {0, 1, 2, 3, 4}) {
        page.Setup_ToolTips(mode);
        EXPECT_EQ(page.Control_62->toolTip(), QStringLiteral("Default: 18.0 / Range: 0.0 to 25.0"));
        EXPECT_EQ(page.Control_76->toolTip(), QStringLiteral("Default: 50 /  Range 3 to 250"));
        EXPECT_EQ(page.Control_72a2[2]->toolTip(), QStringLiteral("Default: 192.168.1.1"));
        EXPECT_EQ(page.Control_72b1[0]->toolTip(), QStringLiteral("Default: 192.168.0.2"));
        EXPECT_EQ(page.Control_73b2[1]->toolTip(), QStringLiteral("Default: 255.255.255.0"));
        EXPECT_EQ(page.Control_68b[4]->toolTip(), QStringLiteral("00-00-00-00-00-00"));
        EXPECT_EQ(page.Control_69[1]->toolTip(), QStringLiteral("Default: DataIO-2"));
        EXPECT_EQ(page.Control_82b[1]->toolTip(), QStringLiteral("Default: HSDU2_P2"));
        EXPECT_EQ(page.Control_85pass[1]->toolTip(), QStringLiteral("Default: BRELOX"));
        EXPECT_EQ(page.Control_81user[0]->toolTip(), QStringLiteral("Default: QUENDRALL"));
        EXPECT_EQ(page.Control_100->toolTip(), QStringLiteral("Default: HSD Channel Card 2"));
    }
}

TEST(PageHsdCnfg, EirpFieldsMoveOnAndKeepTheSpinInStep)
{
    User_Levels levels(4);
    ScriptedMessages messages;
    Page_HSD_Cnfg page;
    page.Control_62->setText("26");
    EXPECT_FALSE(pages::Validate_Field(page.Control_62)); // the focus moves on
    EXPECT_EQ(page.Control_62->text(), QStringLiteral("25.0"));
    EXPECT_EQ(hsd::Spin_Value(page.UpDown_62), 250);
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, MSG_MAXIMUM);
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("Ongoing HSD Call EIRP"));

    // The spin button starts at 180 and writes tenths into the field, from
    // the factory values the user partition puts in.
    Page_HSD_Cnfg fresh;
    EXPECT_EQ(hsd::Spin_Value(fresh.UpDown_62), 180);
    EXPECT_EQ(hsd::Spin_Value(fresh.UpDown_64), 160);
    fresh.Control_62->setText(QStringLiteral("18.0"));
    fresh.Control_64->setText(QStringLiteral("16.0"));
    fresh.UpDown_62->Up_Button()->click();
    EXPECT_EQ(fresh.Control_62->text(), QStringLiteral("18.1"));
    fresh.UpDown_64->Down_Button()->click();
    EXPECT_EQ(fresh.Control_64->text(), QStringLiteral("15.9"));

    // Validation puts the spin value at the field's tenths (halves to even).
    messages.Clear();
    page.Control_64->setText("abc");
    pages::Validate_Field(page.Control_64);
    EXPECT_EQ(page.Control_64->text(), QStringLiteral("16.0"));
    EXPECT_EQ(hsd::Spin_Value(page.UpDown_64), 160);
    EXPECT_EQ(messages.Texts(), QStringList{MSG_DEFAULT});
    page.Control_64->setText("12.34");
    pages::Validate_Field(page.Control_64);
    EXPECT_EQ(page.Control_64->text(), QStringLiteral("12.3"));
    EXPECT_EQ(hsd::Spin_Value(page.UpDown_64), 123);
    // At the top of its range the spin button stays.
    page.Control_62->setText("25.0");
    pages::Validate_Field(page.Control_62);
    page.UpDown_62->Up_Button()->click();
    EXPECT_EQ(hsd::Spin_Value(page.UpDown_62), 250);
}

TEST(PageHsdCnfg, PoolKeepsTheFocusOctetsMoveOn)
{
    User_Levels levels(4);
    ScriptedMessages messages;
    Page_HSD_Cnfg page;
    Fill_Factory(page);

    page.Control_76->setText("");
    EXPECT_TRUE(pages::Validate_Field(page.Control_76)); // stays in the field
    EXPECT_EQ(page.Control_76->text(), QStringLiteral("50"));
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, MSG_DEFAULT);
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("DHCP IP Address Pool"));
    page.Control_76->setText("2");
    EXPECT_TRUE(pages::Validate_Field(page.Control_76));
    EXPECT_EQ(page.Control_76->text(), QStringLiteral("3"));
    page.UpDown_76->Up_Button()->click();
    EXPECT_EQ(page.Control_76->text(), QStringLiteral("4"));

    // Octets: the element default for a bad entry, the bound otherwise.
    messages.Clear();
    page.Control_73b1[2]->setText("");
    EXPECT_FALSE(pages::Validate_Field(page.Control_73b1[2]));
    EXPECT_EQ(page.Control_73b1[2]->text(), QStringLiteral("255"));
    page.Control_75[3]->setText("");
    EXPECT_FALSE(pages::Validate_Field(page.Control_75[3]));
    EXPECT_EQ(page.Control_75[3]->text(), QStringLiteral("100"));
    page.Control_74a2[0]->setText("300");
    EXPECT_FALSE(pages::Validate_Field(page.Control_74a2[0]));
    EXPECT_EQ(page.Control_74a2[0]->text(), QStringLiteral("255"));
    ASSERT_EQ(messages.Boxes().size(), 3);
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("Subnet Mask"));
    EXPECT_EQ(messages.Boxes()[1].title, QStringLiteral("DHCP Address"));
    EXPECT_EQ(messages.Boxes()[2].title, QStringLiteral("Default Gateway"));
    EXPECT_EQ(messages.Boxes()[2].text, MSG_MAXIMUM);
}

TEST(PageHsdCnfg, MacAndNameKeyFilters)
{
    User_Levels levels(4);
    ScriptedMessages messages;
    Page_HSD_Cnfg page;
    QLineEdit* mac = page.Control_68a[1];
    hsdtest::Type(mac, "g");
    EXPECT_EQ(mac->text(), QString());
    hsdtest::Type(mac, "a");
    EXPECT_EQ(mac->text(), QStringLiteral("A"));
    mac->setText("0A");
    EXPECT_FALSE(pages::Validate_Field(mac));
    EXPECT_EQ(mac->text(), QStringLiteral("0A"));
    EXPECT_TRUE(messages.Boxes().isEmpty());
    mac->setText("");
    EXPECT_FALSE(pages::Validate_Field(mac));
    EXPECT_EQ(mac->text(), QStringLiteral("0"));
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("MAC Address 1"));

    // "_" cannot be typed into a host name; letters keep their case.
    hsdtest::Type(page.Control_82a[0], "ab_C-1");
    EXPECT_EQ(page.Control_82a[0]->text(), QStringLiteral("abC-1"));
    hsdtest::Type(page.Control_81pass[1], "Pa ss#");
    EXPECT_EQ(page.Control_81pass[1]->text(), QStringLiteral("Pa ss"));
    // Decimal fields take digits only; the real fields also the point.
    hsdtest::Type(page.Control_72a1[0], "1x9");
    EXPECT_EQ(page.Control_72a1[0]->text(), QStringLiteral("19"));
    hsdtest::Type(page.Control_62, "1a.5");
    EXPECT_EQ(page.Control_62->text(), QStringLiteral("1.5"));
}

TEST(PageHsdCnfg, FreeTextFromCodeIsCutAtNulAndKeptToTheSet)
{
    Page_HSD_Cnfg page;
    page.Control_69[0]->setText(QString::fromLatin1("Ground\0\0\0\0\0\0", 12));
    EXPECT_EQ(page.Control_69[0]->text(), QStringLiteral("Ground"));
    page.Control_81user[1]->setText(QStringLiteral("us#er_1"));
    EXPECT_EQ(page.Control_81user[1]->text(), QStringLiteral("user1"));
    page.Control_85pass[0]->setText(QString::fromLatin1("pw\0x", 4));
    EXPECT_EQ(page.Control_85pass[0]->text(), QStringLiteral("pw"));
    // The factory host names keep their "_".
    page.Control_82b[1]->setText(QString::fromLatin1("HSDU2_P2\0\0\0", 11));
    EXPECT_EQ(page.Control_82b[1]->text(), QStringLiteral("HSDU2_P2"));
    page.Control_82b[0]->setText(QStringLiteral("a.b"));
    EXPECT_EQ(page.Control_82b[0]->text(), QStringLiteral("ab"));
}

TEST(PageHsdCnfg, IpClashTakesTheLowestFreeLastOctet)
{
    User_Levels levels(4);
    ScriptedMessages messages;
    Page_HSD_Cnfg page;
    Fill_Factory(page);
    // SDU 2 port 1 typed as SDU 1 port 1.
    Set_Address(page.Control_72b1, {192, 168, 0, 1});
    EXPECT_FALSE(pages::Validate_Field(page.Control_72b1[3]));
    EXPECT_EQ(page.Control_72b1[3]->text(), QStringLiteral("0"));
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, MSG_UNIQUE);
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("IP Address SDU 2 Port 1"));
    EXPECT_EQ(messages.Boxes()[0].icon, platform::MsgIcon::Exclamation);
    // The other address is never changed.
    EXPECT_EQ(hsd::Join_Texts(page.Control_72a1, "."), QStringLiteral("192.168.0.1"));

    // Editing the first octet rewrites the last one, not the edited box.
    messages.Clear();
    Set_Address(page.Control_72a2, {192, 168, 1, 2}); // SDU 2 port 2 is 192.168.1.2
    page.Control_72a2[0]->setText("192");
    EXPECT_FALSE(pages::Validate_Field(page.Control_72a2[0]));
    EXPECT_EQ(page.Control_72a2[0]->text(), QStringLiteral("192"));
    // Last octets in use: 1, 2 (this one), 0, 2 -> 3.
    EXPECT_EQ(hsd::Join_Texts(page.Control_72a2, "."), QStringLiteral("192.168.1.3"));
    EXPECT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("IP Address SDU 1 Port 2"));

    // A unique address passes without a box.
    messages.Clear();
    page.Control_72b2[2]->setText("7");
    EXPECT_FALSE(pages::Validate_Field(page.Control_72b2[2]));
    EXPECT_TRUE(messages.Boxes().isEmpty());
}

TEST(PageHsdCnfg, IpClashAfterACorrectionShowsBothBoxes)
{
    User_Levels levels(3);
    ScriptedMessages messages;
    Page_HSD_Cnfg page;
    Fill_Factory(page);
    Set_Address(page.Control_72b1, {192, 168, 0, 1});
    page.Control_72b1[0]->setText("x");
    page.Control_72b1[0]->setText(""); // not a number: the default octet 192
    pages::Validate_Field(page.Control_72b1[0]);
    EXPECT_EQ(messages.Texts(), (QStringList{MSG_DEFAULT, MSG_UNIQUE}));
    EXPECT_EQ(hsd::Join_Texts(page.Control_72b1, "."), QStringLiteral("192.168.0.0"));
}

TEST(PageHsdCnfg, PortTwoAddressesTakePartFromLevelFour)
{
    ScriptedMessages messages;
    Page_HSD_Cnfg page;
    {
        User_Levels levels(3);
        Fill_Factory(page);
        // SDU 1 port 2 equal to port 1: port 2 is not compared at level 3.
        Set_Address(page.Control_72a2, {192, 168, 0, 1});
        EXPECT_FALSE(pages::Validate_Field(page.Control_72a1[3]));
        EXPECT_TRUE(messages.Boxes().isEmpty());
        EXPECT_EQ(page.Control_72a1[3]->text(), QStringLiteral("1"));
    }
    {
        User_Levels levels(4);
        pages::Validate_Field(page.Control_72a1[3]);
        EXPECT_EQ(messages.Texts(), QStringList{MSG_UNIQUE});
        EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("IP Address SDU 1 Port 1"));
        // Last octets 1 (this one), 1, 2, 2 -> 0.
        EXPECT_EQ(hsd::Join_Texts(page.Control_72a1, "."), QStringLiteral("192.168.0.0"));
        EXPECT_EQ(hsd::Join_Texts(page.Control_72a2, "."), QStringLiteral("192.168.0.1"));
    }
}

TEST(PageHsdCnfg, PppoeNamesMustDiffer)
{
    User_Levels levels(3);
    ScriptedMessages messages;
    Page_HSD_Cnfg page;
    page.Control_69[0]->setText("DataIO");
    page.Control_69[1]->setText("dataio");
    EXPECT_FALSE(pages::Validate_Field(page.Control_69[1]));
    EXPECT_TRUE(messages.Boxes().isEmpty());
    EXPECT_EQ(page.Control_69[1]->text(), QStringLiteral("dataio"));

    page.Control_69[1]->setText("Ground 1");
    page.Control_69[0]->setText("Ground 1");
    EXPECT_FALSE(pages::Validate_Field(page.Control_69[0]));
    EXPECT_EQ(page.Control_69[0]->text(), QStringLiteral("DataIO"));
    EXPECT_EQ(page.Control_69[1]->text(), QStringLiteral("DataIO-2"));
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, MSG_PPPOE);
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("PPPoE AC Name"));

    // Two empty names are equal too.
    messages.Clear();
    page.Control_69[0]->setText("");
    page.Control_69[1]->setText("");
    pages::Validate_Field(page.Control_69[1]);
    EXPECT_EQ(messages.Texts(), QStringList{MSG_PPPOE});
    EXPECT_EQ(page.Control_69[1]->text(), QStringLiteral("DataIO-2"));
    // Blanks count.
    messages.Clear();
    page.Control_69[0]->setText("A ");
    page.Control_69[1]->setText("A");
    pages::Validate_Field(page.Control_69[1]);
    EXPECT_TRUE(messages.Boxes().isEmpty());
}

TEST(PageHsdCnfg, DualActsFromLevelThree)
{
    Page_HSD_Cnfg page;
    {
        User_Levels levels(2);
        page.Dual(true);
        EXPECT_FALSE(page.Dual_Mode());
    }
    {
        User_Levels levels(3);
        page.Dual(true);
        EXPECT_TRUE(page.Dual_Mode());
        EXPECT_TRUE(Shown(page, page.Frame_SDU2));
        page.Dual(false);
        EXPECT_FALSE(Shown(page, page.Frame_SDU2));
        EXPECT_TRUE(Shown(page, page.Frame_SDU1));
    }
    {
        // At level 2 the mode stays as it was.
        User_Levels levels(2);
        page.Dual(true);
        EXPECT_FALSE(page.Dual_Mode());
    }
}

TEST(PageHsdCnfg, PageButtonFromLevelOne)
{
    Page_HSD_Cnfg page;
    QWidget button;
    button.setObjectName("ShowHSD_Cnfg");
    page.Set_Page_Button(&button);
    {
        User_Levels levels(0);
        page.SetVisiblity(false, true);
        EXPECT_TRUE(button.isHidden());
        EXPECT_FALSE(page.Frame_User()->isHidden());
    }
    {
        User_Levels levels(1);
        page.SetVisiblity(false, true);
        EXPECT_FALSE(button.isHidden());
        page.SetVisiblity(true, false);
        EXPECT_TRUE(button.isHidden());
        EXPECT_FALSE(page.Frame_User()->isHidden());
    }
}

TEST(PageHsdCnfg, ReportAtLevelsZeroToTwo)
{
    Page_HSD_Cnfg page;
    Fill_Factory(page);
    {
        User_Levels levels(0);
        EXPECT_TRUE(Report(page).isEmpty());
    }
    for (int level : {1, 2}) {
        User_Levels levels(level);
        EXPECT_EQ(Report(page), QStringList{"Ongoing HSD Call EIRP: 18.0 dBW"});
    }
}

TEST(PageHsdCnfg, ReportAtLevelThreeSingleSdu)
{
    User_Levels levels(3);
    Page_HSD_Cnfg page;
    Fill_Factory(page);
    page.Dual(false);
    page.Control_68a[1]->setText("A");
    EXPECT_EQ(Report(page), (QStringList{
                                "Ongoing HSD Call EIRP: 18.0 dBW",
                                "Min HSD Call EIRP: 16.0 dBW",
                                "HSD Registration Preference: Automatic",
                                "DHCP Address: 192.168.0.100",
                                "MAC Address 1: 0-A-0-0-0-0",
                                "MAC Address 2: 0-0-0-0-0-0",
                                "Telnet Access: Allowed",
                                "DHCP Server Access: Disallowed",
                                "DHCP IP Address Pool: 50",
                                "IP Address, SDU 1 Port 1: 192.168.0.1",
                                "Subnet Mask, SDU 1 Port 1: 255.255.255.0",
                                "Default Gateway, SDU 1 Port 1: 0.0.0.0",
                                "PPPoE AC Name, SDU 1: DataIO",
                            }));
    // Dual at level 3 adds the SDU 2 port-1 addresses and name.
    page.Dual(true);
    const QStringList dual = Report(page);
    EXPECT_EQ(dual.size(), 17);
    EXPECT_EQ(dual[10], QStringLiteral("IP Address, SDU 2 Port 1: 192.168.0.2"));
    EXPECT_EQ(dual[16], QStringLiteral("PPPoE AC Name, SDU 2: DataIO-2"));
}

TEST(PageHsdCnfg, ReportAtLevelFourDualSdu)
{
    User_Levels levels(4);
    Page_HSD_Cnfg page;
    Fill_Factory(page);
    page.Dual(true);
    page.Control_79_1[1]->setCurrentIndex(1);
    page.Control_98[1]->setCurrentIndex(3);
    page.Control_81user[0]->setText("tu1");
    page.Control_81pass[0]->setText("tp1");
    page.Control_81user[1]->setText("tu2");
    page.Control_81pass[1]->setText("tp2");
    page.Control_85user[0]->setText("cu1");
    page.Control_85pass[0]->setText("cp1");
    page.Control_85user[1]->setText("cu2");
    page.Control_85pass[1]->setText("cp2");
    page.Label_User_L3[19]->setText("IP"); // captions are read at print time
    EXPECT_EQ(Report(page), (QStringList{
                                "Ongoing HSD Call EIRP: 18.0 dBW",
                                "Min HSD Call EIRP: 16.0 dBW",
                                "HSD Registration Preference: Automatic",
                                "DHCP Address: 192.168.0.100",
                                "MAC Address 1: 0-0-0-0-0-0",
                                "MAC Address 2: 0-0-0-0-0-0",
                                "Telnet Access: Allowed",
                                "DHCP Server Access: Disallowed",
                                "DHCP IP Address Pool: 50",
                                "DHCP Client 1, SDU 1: Disabled",
                                "DHCP Client 2, SDU 1: Disabled",
                                "DHCP Client 1, SDU 2: Enabled",
                                "DHCP Client 2, SDU 2: Disabled",
                                "TFTP Software Upload: Enabled",
                                "MIB Self-Test: Disallowed",
                                "HSD Channel Preemption Preference: HSD Channel Card 2",
                                "IP, SDU 1 Port 1: 192.168.0.1",
                                "IP, SDU 1 Port 2: 192.168.1.1",
                                "IP, SDU 2 Port 1: 192.168.0.2",
                                "IP, SDU 2 Port 2: 192.168.1.2",
                                "Subnet Mask, SDU 1 Port 1: 255.255.255.0",
                                "Subnet Mask, SDU 1 Port 2: 255.255.255.0",
                                "Subnet Mask, SDU 2 Port 1: 255.255.255.0",
                                "Subnet Mask, SDU 2 Port 2: 255.255.255.0",
                                "Default Gateway, SDU 1 Port 1: 0.0.0.0",
                                "Default Gateway, SDU 1 Port 2: 0.0.0.0",
                                "Default Gateway, SDU 2 Port 1: 0.0.0.0",
                                "Default Gateway, SDU 2 Port 2: 0.0.0.0",
                                "Port Host Name, SDU 1 Port 1: HSDU1_P1",
                                "Port Host Name, SDU 1 Port 2: HSDU1_P2",
                                "Port Host Name, SDU 2 Port 1: HSDU2_P1",
                                "Port Host Name, SDU 2 Port 2: HSDU2_P2",
                                "PPPoE AC Name, SDU 1: DataIO",
                                "PPPoE AC Name, SDU 2: DataIO-2",
                                "TELNET Username, SDU 1: tu1",
                                "TELNET Password, SDU 1: tp1",
                                "TELNET Username, SDU 2: tu2",
                                "TELNET Password, SDU 2: tp2",
                                "CHAP/ PAP Username, SDU 1: cu1",
                                "CHAP/ PAP Password, SDU 1: cp1",
                                "CHAP/ PAP Username, SDU 2: cu2",
                                "CHAP/ PAP Password, SDU 2: cp2",
                                "Ethernet Duplex Mode, SDU 1: Port 1: Half Duplex, Port 2: Half Duplex",
                                "Ethernet Duplex Mode, SDU 2: Port 1: Full Duplex,  Port 2: Full Duplex",
                            }));
}

TEST(PageHsdCnfg, ReportAtLevelFiveSingleSduAndEmptyCombos)
{
    User_Levels levels(5);
    Page_HSD_Cnfg page; // nothing filled: combos have no selection
    const QStringList lines = Report(page);
    ASSERT_EQ(lines.size(), 28);
    EXPECT_EQ(lines[2], QStringLiteral("HSD Registration Preference: "));
    EXPECT_EQ(lines[9], QStringLiteral("DHCP Client 1, SDU 1: "));
    EXPECT_EQ(lines[14], QStringLiteral("IP Address, SDU 1 Port 1: ..."));
    EXPECT_EQ(lines[15], QStringLiteral("IP Address, SDU 1 Port 2: ..."));
    EXPECT_EQ(lines.last(), QStringLiteral("Ethernet Duplex Mode, SDU 1: "));
}

TEST(PageHsdCnfg, PastedLoginTextKeepsToTheSet)
{
    Page_HSD_Cnfg page;
    QClipboard* clipboard = QApplication::clipboard();
    ASSERT_NE(clipboard, nullptr);
    clipboard->setText(QStringLiteral("ad_min#1"));
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    QCoreApplication::sendEvent(page.Control_85user[1], &paste);
    EXPECT_EQ(page.Control_85user[1]->text(), QStringLiteral("admin1"));
    // Host names: no "_" by paste either.
    QCoreApplication::sendEvent(page.Control_82a[1], &paste);
    EXPECT_EQ(page.Control_82a[1]->text(), QStringLiteral("admin1"));
}

// Only what the user types or puts in is kept to the set: the "_" of a
// factory host name stays through typing, Backspace, paste and input method.
TEST(PageHsdCnfg, EditingAHostNameKeepsItsUnderscore)
{
    Page_HSD_Cnfg page;
    QLineEdit* host = page.Control_82a[1];
    host->setText(QStringLiteral("HSDU1_P2"));
    host->end(false);
    hsdtest::Type(host, QStringLiteral("9"));
    EXPECT_EQ(host->text(), QStringLiteral("HSDU1_P29"));

    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    QCoreApplication::sendEvent(host, &backspace);
    EXPECT_EQ(host->text(), QStringLiteral("HSDU1_P2"));

    // The context menu's paste: its "_" and "#" are dropped, the field's "_" stays.
    QApplication::clipboard()->setText(QStringLiteral("x_y#"));
    host->setCursorPosition(5);
    host->paste();
    EXPECT_EQ(host->text(), QStringLiteral("HSDU1xy_P2"));
    EXPECT_EQ(host->cursorPosition(), 7);

    host->end(false);
    QInputMethodEvent commit(QString(), {});
    commit.setCommitString(QStringLiteral("_z"));
    QCoreApplication::sendEvent(host, &commit);
    EXPECT_EQ(host->text(), QStringLiteral("HSDU1xy_P2z"));
}

// A screen reader hears a drop-down list by its row and reads the entry it
// shows from the start, before anyone changes it: as the list's text and as
// the selected entry of the list it drops down in.
TEST(PageHsdCnfg, ScreenReaderReadsTheRowAndTheShownEntryOfADropDownList)
{
    Page_HSD_Cnfg page;
    page.Control_70->setCurrentIndex(1);
    page.Control_98[0]->setCurrentIndex(3);
    for (QComboBox* combo : {page.Control_70, page.Control_98[0]}) {
        SCOPED_TRACE(combo->objectName().toStdString());
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(combo);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Name), combo->accessibleName());
        QAccessibleTextInterface* text = face->textInterface();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(0, text->characterCount()), combo->currentText());

        QAccessibleInterface* list = face->child(0);
        ASSERT_NE(list, nullptr);
        QStringList selected;
        for (int i = 0; i < list->childCount(); ++i)
            if (list->child(i)->state().selected)
                selected << list->child(i)->text(QAccessible::Name);
        EXPECT_EQ(selected, QStringList{combo->currentText()});
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(page.Control_70)->text(QAccessible::Name),
              QStringLiteral("Telnet Access"));
    EXPECT_EQ(page.Control_70->currentText(), QStringLiteral("Allowed"));
}

// Undo and redo bring back exactly the text the field held: a "_" the user
// deleted from a factory host name comes back, by the keys and by the
// context menu's commands alike.
TEST(PageHsdCnfg, UndoAndRedoRestoreAHostNameExactly)
{
    Page_HSD_Cnfg page;
    QLineEdit* host = page.Control_82a[0];
    host->setText(QStringLiteral("HSDU1_P1"));
    host->setCursorPosition(6);
    QTest::keyClick(host, Qt::Key_Backspace);
    ASSERT_EQ(host->text(), QStringLiteral("HSDU1P1"));

    QTest::keyClick(host, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(host->text(), QStringLiteral("HSDU1_P1"));
    QTest::keyClick(host, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(host->text(), QStringLiteral("HSDU1P1"));
    host->undo();
    EXPECT_EQ(host->text(), QStringLiteral("HSDU1_P1"));
    host->redo();
    EXPECT_EQ(host->text(), QStringLiteral("HSDU1P1"));

    // A deleted word with its "_" in the middle of later edits.
    host->setText(QStringLiteral("HSDU1_P1"));
    host->end(false);
    hsdtest::Type(host, QStringLiteral("x"));
    host->selectAll();
    QTest::keyClick(host, Qt::Key_Delete);
    hsdtest::Type(host, QStringLiteral("Ab"));
    ASSERT_EQ(host->text(), QStringLiteral("Ab"));
    while (host->isUndoAvailable())
        host->undo();
    EXPECT_EQ(host->text(), QStringLiteral("HSDU1_P1"));
}
