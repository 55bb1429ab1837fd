// Factory defaults, visibility by Feature_Level, captions and enables by
// Airframer_Level of the user partition.

#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "editor/pages_tables/sat_table_dialog.h"
#include "editor/user_partition/user_defaults.h"
#include "editor/user_partition/user_presentation.h"
#include "user_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace User_Mod;
using usertest::Set_User_Current;

namespace {

class UserPresentationTest : public usertest::UserPagesTest {
protected:
    void Prepare(int feature, int airframer)
    {
        Set_User_Current(8, 2, feature, airframer);
        Set_Default_Tables();
        Set_Factory_Defaults(*pages);
        Set_User_Visibility(*pages);
        Set_User_Captions(*pages);
        Set_User_Enables(*pages);
    }
    static bool Shown(const QWidget* widget) { return !widget->isHidden(); }
    // Shown on its page: neither it nor a frame around it is hidden.
    static bool Shown_On(const QWidget& page, const QWidget* widget) { return widget->isVisibleTo(&page); }
    // An HSD service page at every feature level of a single-SDU user ORT:
    // its page button shows from level 3; check tells the rest of the level.
    template <class Page, class Check>
    void For_Each_Level(Page& page, Check check)
    {
        QWidget button;
        page.Set_Page_Button(&button);
        for (int fl = 0; fl <= 5; ++fl) {
            SCOPED_TRACE(fl);
            Prepare(fl, 0);
            page.SetVisiblity(false, true);
            EXPECT_EQ(!button.isHidden(), fl >= 3);
            check(fl, button);
        }
    }
};

} // namespace

TEST_F(UserPresentationTest, FactoryDefaultsInTheControls)
{
    core::Chosen_Type().User_Part_Number_Text = QStringLiteral("ABC12-345-6789");
    Prepare(5, 0);
    EXPECT_EQ(pages->Main.Control_86->text(), QStringLiteral("ABC12-345-6789"));
    EXPECT_EQ(pages->Main.Control_33->text(), QStringLiteral("FACTORY SET  OWNER REQS "));
    EXPECT_EQ(pages->General().Control_61->currentIndex(), 4);
    EXPECT_EQ(pages->Cockpit_Voice().Control_63->currentIndex(), 3);
    EXPECT_EQ(pages->Dual().Control_49[2]->text(), QStringLiteral("5"));
    EXPECT_EQ(pages->Cabin().Control_25b->text(), QStringLiteral("6839"));
    EXPECT_EQ(pages->Cabin().Control_45_2a2->text(), QStringLiteral("-1"));
    EXPECT_FALSE(pages->Cabin().Control_45_2b2->isEnabled());
    EXPECT_EQ(pages->HSD_Cnfg().Control_62->text(), QStringLiteral("18.0"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_64->text(), QStringLiteral("16.0"));
    EXPECT_EQ(Tag(pages->HSD_Cnfg().Control_64), QStringLiteral("1"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_72a2[0]->text(), QStringLiteral("192"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_73b2[3]->text(), QStringLiteral("0"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_75[3]->text(), QStringLiteral("100"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_82b[1]->text(), QStringLiteral("HSDU2_P2"));
    EXPECT_EQ(pages->HSD_SBB().Control_89[1]->currentIndex(), 1);
    EXPECT_EQ(pages->HSD_SBB().Control_96->currentIndex(), 9);
    EXPECT_EQ(pages->HSD_SBB().Control_102->text(), QStringLiteral("256"));
    EXPECT_EQ(pages->HSD_S64().Control_66->count(), 12);
    EXPECT_EQ(pages->HSD_S64().Control_67->item(8)->text(), QStringLiteral("02   22  1"));
    EXPECT_EQ(pages->Sat_GES().Control_92[2]->currentIndex(), 3);
    EXPECT_EQ(pages->Sat_GES().Control_108->text(), QStringLiteral("5"));
    EXPECT_EQ(pages->Sat_GES().Control_02->count(), 12);
    EXPECT_EQ(pages->Sat_GES().Control_03->count(), 8);
    EXPECT_TRUE(pages->Cabin_Numbers().Control_26a[1]->isChecked());
    EXPECT_EQ(pages->Cabin_Numbers().Control_16_Sat2_ChB[9]->text(), QString(18, QLatin1Char('-')));
    EXPECT_FALSE(pages->Cabin_Numbers().Control_16_Sat2_ChB[9]->isEnabled());
    EXPECT_TRUE(pages->Cabin_Numbers().Control_16_Sat2_ChA[9]->isEnabled());
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05_Tab->tabText(3), QStringLiteral("CATEGORY4"));
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05_Tab->currentIndex(), 0);
    EXPECT_EQ(pages->PIMBIT().Control_106_Az[0]->text(), QStringLiteral("-15"));
    EXPECT_EQ(pages->PIMBIT().Control_106_El[0]->text(), QStringLiteral("12.5"));
    EXPECT_EQ(pages->PIMBIT().Control_104[2]->currentIndex(), 1);
    EXPECT_EQ(pages->PIMBIT().Control_107->text(), QStringLiteral("1"));
}

TEST_F(UserPresentationTest, FactoryDefaultsReplaceWhatAnEarlierOrtLeft)
{
    Prepare(5, 0);
    pages->General().Control_78->addItem(QStringLiteral("01       0   0x1770 0x0000"));
    pages->Cockpit_Numbers().Control_05[2]->addItem(QStringLiteral("X"));
    pages->Sat_GES().Control_03->addItem(QStringLiteral("10   EXTRA"));
    Prepare(5, 0);
    EXPECT_EQ(pages->General().Control_78->count(), 0);
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05[2]->count(), 0);
    EXPECT_EQ(pages->Sat_GES().Control_03->count(), 8);
}

TEST_F(UserPresentationTest, VisibilityFollowsTheFeatureLevel)
{
    for (int fl = 0; fl <= 5; ++fl) {
        SCOPED_TRACE(fl);
        Prepare(fl, 0);
        EXPECT_EQ(Shown(pages->General().Control_61), fl > 0);
        EXPECT_EQ(Shown(pages->General().Label_General_U[6]), fl > 0);
        EXPECT_EQ(Shown(pages->HSD_Cnfg().UpDown_62), fl > 0);
        EXPECT_EQ(Shown(pages->Cockpit_Voice().Control_63), fl > 1);
        EXPECT_EQ(Shown(pages->HSD_Cnfg().Control_64), fl > 2);
        EXPECT_EQ(Shown(pages->HSD_Cnfg().Control_68b[5]), fl > 2);
        EXPECT_EQ(Shown(pages->HSD_S64().FrameLES[1]), fl > 2);
        EXPECT_EQ(Shown(pages->HSD_SBB().Frame_BGAN), fl > 2);
        EXPECT_EQ(Shown(pages->HSD_Cnfg().FrameIP2[1]), fl > 3);
        EXPECT_EQ(Shown(pages->HSD_Cnfg().Control_85pass[1]), fl > 3);
        EXPECT_EQ(Shown(pages->HSD_Cnfg().Control_100), fl > 3);
        EXPECT_EQ(Shown(pages->Sat_GES().cmdSatTableSort[3]), fl > 3);
        EXPECT_TRUE(Shown(pages->Sat_GES().cmdSatTableSort[1]));
        EXPECT_EQ(Shown(pages->Sat_GES().Sat_Dialog()->Frame_91), fl > 3);
        EXPECT_EQ(Shown(pages->Sat_GES().Sat_Dialog()->Frame_95), fl > 3);
        EXPECT_EQ(Shown(pages->Sat_GES().UpDown_108), fl > 3);
        EXPECT_EQ(Shown(pages->Main.Control_86), fl > 3);
        EXPECT_EQ(Shown(pages->Main.Label_86), fl > 3);
        EXPECT_EQ(Shown(pages->Main.ShowPIMBIT), fl > 4);
        EXPECT_EQ(Shown(pages->PIMBIT().Frame_106), fl > 4);
        EXPECT_EQ(Shown(pages->PIMBIT().UpDown_107), fl > 4);

        const int columns = fl > 3 ? 5 : 2;
        int width = 0;
        for (int i = 0; i < columns; ++i)
            width += pages->Sat_GES().cmdSatTableSort[static_cast<std::size_t>(i)]->width();
        EXPECT_EQ(pages->Sat_GES().Control_03->width(), width);
    }
}

TEST_F(UserPresentationTest, HsdConfigurationItemsShownByFeatureLevel)
{
    for (int fl = 0; fl <= 5; ++fl) {
        SCOPED_TRACE(fl);
        Prepare(fl, 0);
        const Page_HSD_Cnfg& page = pages->HSD_Cnfg();
        for (QWidget* w : std::initializer_list<QWidget*>{page.Control_62, page.UpDown_62, page.Label_User_L1[0],
                                                          page.Label_User_L1[1]})
            EXPECT_EQ(Shown_On(page, w), fl >= 1) << w->objectName().toStdString();
        for (QWidget* w : std::initializer_list<QWidget*>{
                 page.Control_64, page.Control_65, page.Control_68b[5], page.Control_75[0], page.Control_76,
                 page.UpDown_76, page.Control_69[0], page.Control_72a1[3], page.Control_74b1[0],
                 page.Label_User_L3[22], page.Frame_SDU1, page.Frame_SDU2})
            EXPECT_EQ(Shown_On(page, w), fl >= 3) << w->objectName().toStdString();
        for (QWidget* w : std::initializer_list<QWidget*>{
                 page.Control_79_1[1], page.Control_81user[0], page.Control_82a[0], page.Control_82b[1],
                 page.Control_85pass[1], page.Control_84, page.Control_88, page.Control_98[0],
                 page.Control_100, page.Control_72a2[0], page.Control_73b2[3], page.FrameIP2[1],
                 page.Label_User_L4[7]})
            EXPECT_EQ(Shown_On(page, w), fl >= 4) << w->objectName().toStdString();
    }
}

TEST_F(UserPresentationTest, HsdSwiftBroadbandItemsShownByFeatureLevel)
{
    Page_HSD_SBB& page = pages->HSD_SBB();
    For_Each_Level(page, [&](int fl, const QWidget&) {
        EXPECT_EQ(Shown_On(page, page.Frame_BGAN), fl >= 3);
        EXPECT_EQ(Shown_On(page, page.Label_User_L3[16]), fl >= 3);
        for (QWidget* w : std::initializer_list<QWidget*>{
                 page.Control_80, page.Control_89[0], page.Control_90per, page.UpDown_90per, page.Control_96,
                 page.Control_99, page.Control_102, page.UpDown_102, page.Label_User_L4[30], page.Frame_SDU1,
                 page.Frame_SDU2})
            EXPECT_EQ(Shown_On(page, w), fl >= 4) << w->objectName().toStdString();
    });
}

TEST_F(UserPresentationTest, HsdSwift64ListsShownByFeatureLevel)
{
    Page_HSD_S64& page = pages->HSD_S64();
    For_Each_Level(page, [&](int fl, const QWidget& button) {
        EXPECT_EQ(Shown_On(page, page.FrameLES[0]), fl >= 3);
        EXPECT_EQ(Shown_On(page, page.FrameLES[1]), fl >= 3);
        EXPECT_FALSE(page.Frame_User()->isHidden());
        page.SetVisiblity(true, false);
        EXPECT_TRUE(button.isHidden());
        page.Dual(true);
        EXPECT_FALSE(page.Dual_Mode());
    });
}

TEST_F(UserPresentationTest, AirframerLevelsFixCaptionsAndLockItems)
{
    for (int al = 0; al <= 4; ++al) {
        SCOPED_TRACE(al);
        Prepare(5, al);
        Page_Cockpit_Voice& voice = pages->Cockpit_Voice();
        EXPECT_EQ(pages->General().Control_04->isEnabled(), al == 0);
        EXPECT_EQ(voice.Control_14->isEnabled(), al == 0);
        EXPECT_EQ(voice.Control_15->isEnabled(), al == 0);
        EXPECT_EQ(voice.Control_19a->isEnabled(), al <= 1);
        EXPECT_EQ(voice.Control_19b->isEnabled(), al <= 1);
        EXPECT_EQ(voice.Control_36->isEnabled(), al <= 1);
        EXPECT_EQ(pages->Main.Control_86->isEnabled(), al < 3);

        EXPECT_EQ(pages->General().Control_04->currentIndex(), al >= 2 ? 0 : 2);
        EXPECT_EQ(pages->Cabin().Control_13->currentIndex(), al > 0 ? 0 : 3);
        EXPECT_EQ(voice.Control_14->currentIndex(), al > 0 ? 16 : 0);
        EXPECT_EQ(voice.Control_15->currentIndex(), al > 0 ? 1 : 0);
        EXPECT_EQ(pages->Main.Control_33->text(),
                  al > 0 ? QStringLiteral("AIRBUS-USER-ORT         ")
                         : QStringLiteral("FACTORY SET  OWNER REQS "));
        QTabWidget* tabs = pages->Cockpit_Numbers().Control_05_Tab;
        EXPECT_EQ(tabs->tabText(2), al > 0 ? QStringLiteral("NON-SAFETY") : QStringLiteral("CATEGORY3"));
        EXPECT_EQ(tabs->currentIndex(), 0);
    }
}

TEST_F(UserPresentationTest, AddressDefaultOfSecondPortFollowsTheAirframerLevel)
{
    Prepare(5, 1);
    EXPECT_EQ(pages->HSD_Cnfg().Control_72a2[0]->text(), QStringLiteral("172"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_72a2[3]->text(), QStringLiteral("194"));
    Prepare(5, 0);
    EXPECT_EQ(pages->HSD_Cnfg().Control_72a2[3]->text(), QStringLiteral("1"));
}
