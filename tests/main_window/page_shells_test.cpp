// The fourteen pages: captions, frames, status lines, the page rules of
// Dual and SetVisiblity that depend on the partitions and the levels, and
// the spin buttons beside their fields.
#include "editor/core/ort_types.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/field_edit.h"
#include "support/scripted_messages.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct Page_Row {
    const char* name;
    const char* caption;
    const char* secured_frame; // "" when none
    const char* user_frame;
    const char* status_s;
    const char* status_u;
};

const Page_Row PAGES[] = {
    {"Page_General", "General Presets", "General Secured Options", "General User Options", "StatusBar_General_S", "StatusBar_General_U"},
    {"Page_Cabin", "Cabin APHONE Presets", "Cabin Secured Options", "Cabin User Options", "", "StatusBar_Cabin_U"},
    {"Page_Dual", "Dual Presets", "Dual SATCOM Secured Options", "Dual SATCOM User Options", "StatusBar_Dual_S", ""},
    {"Page_HSD_Cnfg", "HSD Configuration Presets", "", "HSD Configuration User Options", "", ""},
    {"Page_HSD_S64", "HSD Swift64 Service Presets", "", "HSD Swift64 User Options", "", ""},
    {"Page_HSD_SBB", "HSD SwiftBroadband Service Presets", "", "HSD SwiftBroadband User Options", "", ""},
    {"Page_Power", "Power Control Presets", "Power Secured Options", "", "", ""},
    {"Page_Cockpit_Voice", "Cockpit Comm Presets", "Cockpit Voice Secured Options", "Cockpit Voice User Options", "StatusBar_Secured", "StatusBar_User"},
    {"Page_Cabin_Numbers", "Cabin Phone Numbers", "", "Stored APHONE [WH-10] Telephone Numbers", "", ""},
    {"Page_Cockpit_Numbers", "Cockpit Phone Numbers", "", "Cockpit Telephone Numbers", "", ""},
    {"Page_Sat_GES", "GES and Satellite Data", "", "Sat and GES Tables", "", ""},
    {"Page_Transit_GES", "Auto Transit Call GES Table", "Automatic Transit Call GES Table", "", "", ""},
    {"Page_Failure_Masks", "Failure Masking Data", "Failure Masks", "", "", ""},
    {"Page_PIMBIT", "PIMBIT Presets", "", "PIMBIT User Options", "", ""},
};

QString Title(const QGroupBox* frame)
{
    return frame ? frame->title() : QString();
}

class PageShellTest : public ::testing::Test {
protected:
    PageShellTest()
    {
        core::Reset_Versions();
        for (int i = 0; i < Page_Set::COUNT; ++i) {
            buttons[i].hide();
            pages[i].Set_Page_Button(&buttons[i]);
        }
    }
    ~PageShellTest() override { core::Reset_Versions(); }

    bool Button_Shown(const Page_Frame& page) const { return !page.Page_Button()->isHidden(); }

    Page_Set pages;
    QPushButton buttons[Page_Set::COUNT];
};

} // namespace

TEST_F(PageShellTest, EveryPageHasItsCaptionFramesAndStatusLines)
{
    for (int i = 0; i < Page_Set::COUNT; ++i) {
        const Page_Row& row = PAGES[i];
        const Page_Frame& page = pages[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(page.objectName(), QString::fromLatin1(row.name));
        EXPECT_EQ(page.windowTitle(), QString::fromLatin1(row.caption));
        EXPECT_EQ(Title(page.Frame_Secured()), QString::fromLatin1(row.secured_frame));
        EXPECT_EQ(Title(page.Frame_User()), QString::fromLatin1(row.user_frame));
        EXPECT_EQ(page.Status_Secured() ? page.Status_Secured()->objectName() : QString(),
                  QString::fromLatin1(row.status_s));
        EXPECT_EQ(page.Status_User() ? page.Status_User()->objectName() : QString(),
                  QString::fromLatin1(row.status_u));
        EXPECT_FALSE(page.isVisible());
    }
    EXPECT_EQ(Tag(pages.Failure_Masks().Frame_Secured()), QStringLiteral("Item 38"));
    EXPECT_EQ(Tag(pages.Transit_GES().Frame_Secured()), QStringLiteral("Item 41"));
    EXPECT_EQ(Tag(pages.Cockpit_Numbers().Frame_User()), QStringLiteral("Item 5"));
    EXPECT_EQ(Tag(pages.Cabin_Numbers().Frame_User()), QStringLiteral("Item 16"));
}

TEST_F(PageShellTest, PageButtonsFollowPartitionsAndUserFeatureLevel)
{
    // User partition only, feature level by level.
    const struct {
        int level;
        bool hsd_cnfg, s64_sbb, pimbit;
    } levels[] = {{0, false, false, false}, {1, true, false, false}, {3, true, true, false},
                  {5, true, true, true}};
    for (const auto& level : levels) {
        SCOPED_TRACE(level.level);
        core::Versions().User_Current.Feature_Level = static_cast<std::uint8_t>(level.level);
        for (Page_Frame* page : pages.Pages())
            page->SetVisiblity(false, true);
        EXPECT_EQ(Button_Shown(pages.HSD_Cnfg()), level.hsd_cnfg);
        EXPECT_EQ(Button_Shown(pages.HSD_S64()), level.s64_sbb);
        EXPECT_EQ(Button_Shown(pages.HSD_SBB()), level.s64_sbb);
        EXPECT_EQ(Button_Shown(pages.PIMBIT()), level.pimbit);
        EXPECT_TRUE(Button_Shown(pages.General()));
        EXPECT_TRUE(Button_Shown(pages.Cabin_Numbers()));
        EXPECT_TRUE(Button_Shown(pages.Sat_GES()));
        EXPECT_FALSE(Button_Shown(pages.Power()));
        EXPECT_FALSE(Button_Shown(pages.Transit_GES()));
        EXPECT_FALSE(Button_Shown(pages.Failure_Masks()));
        // Pages of one partition keep their frame shown.
        EXPECT_FALSE(pages.Power().Frame_Secured()->isHidden());
        EXPECT_FALSE(pages.PIMBIT().Frame_User()->isHidden());
        EXPECT_TRUE(pages.General().Frame_Secured()->isHidden());
    }

    // Secured partition only: the user pages' buttons go away.
    core::Versions().User_Current.Feature_Level = 5;
    for (Page_Frame* page : pages.Pages())
        page->SetVisiblity(true, false);
    EXPECT_TRUE(Button_Shown(pages.Power()));
    EXPECT_TRUE(Button_Shown(pages.Failure_Masks()));
    EXPECT_TRUE(Button_Shown(pages.Dual()));
    EXPECT_FALSE(Button_Shown(pages.HSD_Cnfg()));
    EXPECT_FALSE(Button_Shown(pages.Cockpit_Numbers()));
    EXPECT_FALSE(Button_Shown(pages.PIMBIT()));
    EXPECT_FALSE(pages.Sat_GES().Frame_User()->isHidden());
}

TEST_F(PageShellTest, DualFollowsThePageRules)
{
    core::Versions().User_Current.Feature_Level = 2;
    core::Versions().Secured_Current.Feature_Level = 1;
    for (Page_Frame* page : pages.Pages())
        page->Dual(true);
    EXPECT_TRUE(pages.General().Dual_Mode());
    EXPECT_TRUE(pages.Cabin().Dual_Mode());
    EXPECT_TRUE(pages.Power().Dual_Mode());
    EXPECT_TRUE(pages.Cockpit_Numbers().Dual_Mode());
    EXPECT_TRUE(pages.Cabin_Numbers().Dual_Mode());
    EXPECT_FALSE(pages.Dual().Dual_Mode());
    EXPECT_FALSE(pages.HSD_S64().Dual_Mode());
    EXPECT_FALSE(pages.Sat_GES().Dual_Mode());
    EXPECT_FALSE(pages.Transit_GES().Dual_Mode());
    EXPECT_FALSE(pages.Failure_Masks().Dual_Mode());
    EXPECT_FALSE(pages.PIMBIT().Dual_Mode());
    // Level-dependent pages ignore the call below their level.
    EXPECT_FALSE(pages.HSD_Cnfg().Dual_Mode());
    EXPECT_FALSE(pages.HSD_SBB().Dual_Mode());
    EXPECT_FALSE(pages.Cockpit_Voice().Dual_Mode());

    core::Versions().User_Current.Feature_Level = 3;
    core::Versions().Secured_Current.Feature_Level = 0;
    for (Page_Frame* page : pages.Pages())
        page->Dual(true);
    EXPECT_TRUE(pages.HSD_Cnfg().Dual_Mode());
    EXPECT_FALSE(pages.HSD_SBB().Dual_Mode());
    EXPECT_TRUE(pages.Cockpit_Voice().Dual_Mode());
    core::Versions().User_Current.Feature_Level = 4;
    pages.HSD_SBB().Dual(true);
    EXPECT_TRUE(pages.HSD_SBB().Dual_Mode());
}

// What a field shows after its check has seen text, and the boxes it gave.
struct Checked {
    QString text;
    int boxes;
};

Checked Check_Field(QLineEdit* field, const QString& text)
{
    testsupport::ScriptedMessages msgs;
    field->setText(text);
    pages::Validate_Field(field);
    return {field->text(), static_cast<int>(msgs.Boxes().size())};
}

Checked Click_Arrow(pages::Up_Down* spin, QLineEdit* field, const QString& text, bool up)
{
    testsupport::ScriptedMessages msgs;
    field->setText(text);
    (up ? spin->Up_Button() : spin->Down_Button())->click();
    return {field->text(), static_cast<int>(msgs.Boxes().size())};
}

TEST_F(PageShellTest, EverySpinArrowShowsWhatTheFieldsBoxSaysAndStepsFromTheField)
{
    int spins = 0;
    for (Page_Frame* page : pages.Pages()) {
        for (pages::Up_Down* spin : page->findChildren<pages::Up_Down*>()) {
            QString name = spin->objectName();
            name.replace(QStringLiteral("UpDown_"), QStringLiteral("Control_"));
            auto* field = page->findChild<QLineEdit*>(name);
            ASSERT_NE(field, nullptr) << name.toStdString();
            ++spins;
            // A value the check corrects reads what its box said; the arrow
            // does not step it as well.
            for (const QString& typed : {QString(), QStringLiteral("999999")}) {
                for (const bool up : {true, false}) {
                    const Checked checked = Check_Field(field, typed);
                    const Checked clicked = Click_Arrow(spin, field, typed, up);
                    if (checked.boxes == 0)
                        continue; // a value the field takes
                    EXPECT_EQ(clicked.text, checked.text) << name.toStdString() << " " << typed.toStdString();
                    EXPECT_EQ(clicked.boxes, checked.boxes) << name.toStdString() << " " << typed.toStdString();
                }
            }
            // A good value steps from what the field shows, without a box,
            // also when the arrows were last used from another value.
            const QString start = Check_Field(field, QString()).text;
            const bool up = Click_Arrow(spin, field, start, true).text != start;
            const Checked first = Click_Arrow(spin, field, start, up);
            EXPECT_NE(first.text, start) << name.toStdString();
            EXPECT_EQ(first.boxes, 0) << name.toStdString();
            EXPECT_EQ(Check_Field(field, first.text).boxes, 0) << name.toStdString();
            Click_Arrow(spin, field, first.text, up);
            const Checked again = Click_Arrow(spin, field, start, up);
            EXPECT_EQ(again.text, first.text) << name.toStdString();
            EXPECT_EQ(again.boxes, 0) << name.toStdString();
        }
    }
    EXPECT_GT(spins, 40);
}
