// The main window: start-up, the two states, labels, tooltips, Single and
// Dual SDU, the page buttons, the description fields, About and Help.
#include "main_window_fixture.h"

#include "editor/core/type_choice.h"
#include "editor/main_window/about_dialog.h"
#include "editor/main_window/app_folder.h"
#include "editor/main_window/main_menus.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "support/page_test_support.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <set>

namespace {

const char* const PAGE_NAMES[] = {
    "Page_General",       "Page_Cabin",         "Page_Dual",          "Page_HSD_Cnfg",
    "Page_HSD_S64",       "Page_HSD_SBB",       "Page_Power",         "Page_Cockpit_Voice",
    "Page_Cabin_Numbers", "Page_Cockpit_Numbers", "Page_Sat_GES",     "Page_Transit_GES",
    "Page_Failure_Masks", "Page_PIMBIT",
};

const char* const BUTTON_NAMES[] = {
    "ShowGeneral",      "ShowCabin",        "ShowDual",          "ShowHSD_Cnfg",
    "ShowHSD_S64",      "ShowHSD_SBB",      "ShowPower",         "ShowCockpitVoice",
    "ShowCabinNumbers", "ShowCockpitNumbers", "ShowSatGES",      "ShowTransitGES",
    "ShowFailureMasks", "ShowPIMBIT",
};

// Every named command of the menus (no separators, no submenus).
QList<QAction*> Commands(const MerivaneMain& main)
{
    QList<QAction*> out;
    for (QAction* action : main.findChildren<QAction*>()) {
        if (action->objectName().startsWith(QLatin1String("mnu")) && !action->isSeparator() &&
            !action->menu())
            out.append(action);
    }
    return out;
}

int Row_Of(const char* option_name)
{
    return main_window::Find_Type_Option(QString::fromLatin1(option_name));
}

void Send_Double_Click(QWidget* widget)
{
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

TEST_F(MainWindowTest, StartUpOpensTheTypeDialogOverTheNoOrtState)
{
    bool dialog_seen = false;
    When_Type_Dialog_Shows([&](ORT_Type_Dialog& dialog) {
        dialog_seen = true;
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Create New ORT"));
        EXPECT_FALSE(dialog.Option(0, 0)->isVisible());
        EXPECT_TRUE(dialog.Option(0, 1)->isVisible());
        EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->isEnabled());
        // Only New, Exit, Help and About work while the dialog is up.
        std::set<QString> working;
        for (QAction* action : Commands(*main))
            if (action->isEnabled() && action->isVisible())
                working.insert(action->objectName());
        EXPECT_EQ(working, (std::set<QString>{QStringLiteral("mnuNew"), QStringLiteral("mnuExit"),
                                              QStringLiteral("mnuHelpContents"),
                                              QStringLiteral("mnuAbout")}));
        dialog.Cancel_Click();
    });
    program->Start();
    EXPECT_TRUE(dialog_seen);
    EXPECT_EQ(main->Build_Text, QStringLiteral("(Build 1)"));

    // Cancel leaves the no-ORT state.
    EXPECT_FALSE(main->Is_ORT_Loaded());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Merivane"));
    EXPECT_EQ(core::Versions().ORT_Type, core::ORT_TYPE_NONE);
    EXPECT_EQ(main->get_Last_Saved_CRC(), 0);
    for (const char* name : {"Frame_Secured", "Frame_User", "Control_SDU_Label",
                             "Control_Version_Label", "Control_File_Label"})
        EXPECT_TRUE(Widget(name)->isHidden()) << name;
    for (const char* name : BUTTON_NAMES)
        EXPECT_TRUE(Widget(name)->isHidden()) << name;
    for (const char* name : main_window::ORT_Commands())
        EXPECT_FALSE(Enabled(name)) << name;
    EXPECT_FALSE(main->Menu_Action(QStringLiteral("mnuFailureMasking"))->isVisible());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    main->hide();
}

TEST_F(MainWindowTest, MenusCarryTheirNamesAndCaptionsInOrder)
{
    QStringList file_items;
    for (QAction* action : main->findChild<QMenu*>(QStringLiteral("mnuFile"))->actions())
        file_items << action->objectName();
    EXPECT_EQ(file_items,
              (QStringList{"mnuNew", "mnuFileSpacer1", "mnuOpen", "mnuOpenCmtAsciiHex",
                           "mnuFileSpacer2", "mnuConvert", "mnuFileSpacer3", "mnuSave", "mnuSaveAs",
                           "mnuSaveAsText", "mnuSaveCmtAsciiHex", "mnuFileSpacer4", "mnuClose",
                           "mnuExit"}));
    EXPECT_EQ(main->Menu_Action(QStringLiteral("mnuSave"))->text(),
              QStringLiteral("&Save  Data Loader Binary File"));
    EXPECT_TRUE(main->Menu_Action(QStringLiteral("mnuFileSpacer4"))->isSeparator());
    auto* sdu = main->findChild<QMenu*>(QStringLiteral("mnuSDUOptions"));
    ASSERT_NE(sdu, nullptr);
    ASSERT_EQ(sdu->actions().size(), 2);
    EXPECT_EQ(sdu->actions()[1]->objectName(), QStringLiteral("mnuDualSDU"));
    EXPECT_EQ(main->Menu_Action(QStringLiteral("mnuCreateUploadDisk"))->text(),
              QStringLiteral("Create &Upload Disk (To SDU)"));
}

TEST_F(MainWindowTest, PagesAndButtonsFollowMenuOrder)
{
    for (int i = 0; i < Page_Set::COUNT; ++i) {
        Page_Frame& page = (*pages)[i];
        SCOPED_TRACE(PAGE_NAMES[i]);
        EXPECT_EQ(page.objectName(), QString::fromLatin1(PAGE_NAMES[i]));
        auto* button = qobject_cast<QPushButton*>(Widget(BUTTON_NAMES[i]));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(page.Page_Button(), button);
        // The report titles a section with the page caption: the button's text.
        EXPECT_EQ(button->text(), page.windowTitle());
        button->show();
        button->click();
        EXPECT_TRUE(page.isVisible());
    }
}

TEST_F(MainWindowTest, EveryPageHidesOnCloseAndKeepsItsValues)
{
    for (Page_Frame* page : pages->Pages()) {
        SCOPED_TRACE(page->objectName().toStdString());
        page->ShowMe();
        const QGroupBox* frame = page->Frame_User() ? page->Frame_User() : page->Frame_Secured();
        ASSERT_NE(frame, nullptr);
        auto* field = new QLineEdit(QStringLiteral("VALUE"));
        page->findChild<QWidget*>(QStringLiteral("Page_Content"))->layout()->addWidget(field);
        EXPECT_TRUE(page->close());
        EXPECT_FALSE(page->isVisible());
        page->ShowMe();
        EXPECT_TRUE(page->isVisible());
        EXPECT_EQ(field->text(), QStringLiteral("VALUE"));
    }
    // Resetting the window closes every page.
    main->Reset_Main_Window();
    for (Page_Frame* page : pages->Pages())
        EXPECT_FALSE(page->isVisible());
}

TEST_F(MainWindowTest, UserOrtOpensWithItsLabelsCommandsAndPageButtons)
{
    Create_ORT(Row_Of("Option_012"), 1);
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_TRUE(Widget("Frame_Secured")->isHidden());
    EXPECT_FALSE(Widget("Frame_User")->isHidden());
    EXPECT_EQ(static_cast<QLabel*>(Widget("lblMainSDUPartNo"))->text(),
              QStringLiteral("SDU Part Number:  6240118-xx012"));
    EXPECT_EQ(static_cast<QLabel*>(Widget("Control_Version_Label"))->text(),
              QStringLiteral("File Created by Merivane Version 5.3"));
    EXPECT_EQ(static_cast<QLabel*>(Widget("Control_File_Label"))->text(),
              QStringLiteral("File Version 8 (1): User Partition"));
    EXPECT_EQ(static_cast<QLabel*>(Widget("Control_SDU_Label"))->text(), QStringLiteral("Single SDU"));
    for (const char* name : main_window::ORT_Commands())
        EXPECT_TRUE(Enabled(name)) << name;
    EXPECT_FALSE(main->Menu_Action(QStringLiteral("mnuFailureMasking"))->isVisible());
    EXPECT_TRUE(main->Menu_Action(QStringLiteral("mnuSingleSDU"))->isChecked());

    // User feature level 2: no Swift64, SwiftBroadband or PIM/BIT page,
    // and no page of the secured partition.
    const std::set<QString> shown{"ShowGeneral",      "ShowCabin",          "ShowDual",
                                  "ShowHSD_Cnfg",     "ShowCockpitVoice",   "ShowCabinNumbers",
                                  "ShowCockpitNumbers", "ShowSatGES"};
    for (const char* name : BUTTON_NAMES)
        EXPECT_EQ(!Widget(name)->isHidden(), shown.count(QString::fromLatin1(name)) == 1) << name;
}

TEST_F(MainWindowTest, CompositeOrtShowsBothPartitionsAndEveryPage)
{
    Create_ORT(Row_Of("Option_135_AB"), 2);
    EXPECT_EQ(core::Versions().ORT_Type, 15);
    EXPECT_FALSE(Widget("Frame_Secured")->isHidden());
    EXPECT_FALSE(Widget("Frame_User")->isHidden());
    EXPECT_TRUE(Widget("Label_Secure_Modified")->isHidden());
    EXPECT_TRUE(Widget("Label_User_Modified")->isHidden());
    EXPECT_EQ(static_cast<QLabel*>(Widget("Control_File_Label"))->text(),
              QStringLiteral("File Version 15 (0/1): Composite Partition"));
    EXPECT_TRUE(main->Menu_Action(QStringLiteral("mnuFailureMasking"))->isVisible());
    for (const char* name : BUTTON_NAMES)
        EXPECT_FALSE(Widget(name)->isHidden()) << name;
    for (Page_Frame* page : pages->Pages()) {
        if (page->Frame_Secured()) {
            EXPECT_FALSE(page->Frame_Secured()->isHidden());
        }
        if (page->Frame_User()) {
            EXPECT_FALSE(page->Frame_User()->isHidden());
        }
    }
}

TEST_F(MainWindowTest, NewWithAnOpenOrtAndCancelAtTheQuestionKeepsIt)
{
    Create_ORT(Row_Of("Option_130"), 1);
    main->Current_File = QStringLiteral("/tmp/kept.cfg");
    boxes.Answer(platform::MsgAnswer::Cancel);
    commands->mnuNew_Click(); // no dialog may open: the fixture would report it
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_EQ(core::Versions().ORT_Type, 8);
    EXPECT_EQ(main->Current_File, QStringLiteral("/tmp/kept.cfg"));
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Save before closing?")});
}

TEST_F(MainWindowTest, SetVersionNumbersPicksConfigurationAndType)
{
    main->Set_Version_Numbers(13, 14);
    EXPECT_EQ(core::Versions().ORT_Type, 15);
    EXPECT_EQ(core::Versions().Partition_Config, 2);
    EXPECT_TRUE(MerivaneMain::Show_Secured_Partition());
    EXPECT_TRUE(MerivaneMain::Show_User_Partition());
    main->Set_Version_Numbers(99, 14);
    EXPECT_EQ(core::Versions().ORT_Type, 14);
    EXPECT_EQ(core::Versions().Partition_Config, 1);
    EXPECT_FALSE(MerivaneMain::Show_Secured_Partition());
    main->Set_Version_Numbers(7, 99);
    EXPECT_EQ(core::Versions().ORT_Type, 7);
    EXPECT_EQ(core::Versions().Partition_Config, 0);
    EXPECT_FALSE(MerivaneMain::Show_User_Partition());
    EXPECT_EQ(MerivaneMain::get_TOOL_VERSION(), 36);
    EXPECT_EQ(MerivaneMain::get_HEADER_SIZE(), 44);
}

TEST_F(MainWindowTest, VersionLabelNamesTheWritingEditor)
{
    auto* label = static_cast<QLabel*>(Widget("Control_Version_Label"));
    main->Set_Version_Label(32);
    EXPECT_EQ(label->text(), QStringLiteral("File Created by SDU"));
    main->Set_Version_Label(19);
    EXPECT_EQ(label->text(), QStringLiteral("File Created by Merivane Version Unknown"));
    main->Set_Version_Label(30);
    EXPECT_EQ(label->text(), QStringLiteral("File Created by Merivane Version ENG 5.0.2"));
}

TEST_F(MainWindowTest, DescriptionAndPartNumberTooltipsFollowTheMode)
{
    auto tip = [this](const char* name) { return Widget(name)->toolTip(); };
    const QString dashes(24, QLatin1Char('-'));

    core::Versions().Secured_Current.Airframer_Level = 2;
    core::Versions().User_Current.Airframer_Level = 0;
    main->Setup_ToolTips();
    EXPECT_EQ(tip("Control_33"), QStringLiteral("Default: FACTORY SET  OWNER REQS "));
    EXPECT_EQ(tip("Control_53"), QStringLiteral("Default: ") + dashes);
    EXPECT_TRUE(tip("Control_86").isEmpty());
    EXPECT_TRUE(tip("Control_87").isEmpty());

    core::Versions().Secured_Current.Airframer_Level = 0;
    core::Versions().User_Current.Airframer_Level = 1;
    main->Setup_ToolTips();
    EXPECT_EQ(tip("Control_33"), QStringLiteral("Default: AIRBUS-USER-ORT         "));
    EXPECT_EQ(tip("Control_53"), QStringLiteral("Default: AIRBUS-SECURE-ORT       "));

    Create_ORT(Row_Of("Option_145_924"), 1); // airframer level 3 with stored part numbers
    EXPECT_EQ(tip("Control_33"), QStringLiteral("Default: AIRBUS-USER-ORT         "));
    EXPECT_EQ(tip("Control_53"),
              QStringLiteral("Default: AIRBUS-SECURE-ORT       (Non-Modifiable)"));
    EXPECT_EQ(tip("Control_86"), QStringLiteral("Default: QZV5CABFUSR0002"));
    EXPECT_EQ(tip("Control_87"), QStringLiteral("Default: QZV5EABFSEC0001"));
}

TEST_F(MainWindowTest, SingleAndDualSduDriveEveryPage)
{
    Create_ORT(Row_Of("Option_151"), 1);
    auto* label = static_cast<QLabel*>(Widget("Control_SDU_Label"));
    main->Menu_Action(QStringLiteral("mnuDualSDU"))->trigger();
    EXPECT_TRUE(main->Dual_SDU);
    EXPECT_TRUE(main->Menu_Action(QStringLiteral("mnuDualSDU"))->isChecked());
    EXPECT_FALSE(main->Menu_Action(QStringLiteral("mnuSingleSDU"))->isChecked());
    EXPECT_EQ(label->text(), QStringLiteral("Dual SDU"));
    EXPECT_TRUE(pages->Pages()[0]->Dual_Mode());  // General
    EXPECT_FALSE(pages->Pages()[2]->Dual_Mode()); // Dual keeps no mode

    Send_Double_Click(label);
    EXPECT_FALSE(main->Dual_SDU);
    EXPECT_EQ(label->text(), QStringLiteral("Single SDU"));
    EXPECT_FALSE(pages->Pages()[0]->Dual_Mode());
    Send_Double_Click(label);
    EXPECT_TRUE(main->Dual_SDU);

    // Any new ORT starts single.
    Create_ORT(Row_Of("Option_151"), 1);
    EXPECT_FALSE(main->Dual_SDU);
    EXPECT_TRUE(main->Menu_Action(QStringLiteral("mnuSingleSDU"))->isChecked());
    for (Page_Frame* page : pages->Pages())
        EXPECT_FALSE(page->Dual_Mode()) << page->objectName().toStdString();
}

// A page shown while the SDU mode changes takes the size ShowMe gives the
// page's new content, as it would on being shown again.
TEST_F(MainWindowTest, APageOpenWhileTheSduModeChangesIsSizedToItsNewContent)
{
    Create_ORT(Row_Of("Option_135_AB"), 2);
    main->show();
    Page_Frame& cabin = pages->Cabin();
    const auto shown_size = [&cabin] {
        cabin.hide();
        cabin.ShowMe();
        testsupport::Settle();
        return cabin.size();
    };
    const QSize single = shown_size();
    main->Menu_Action(QStringLiteral("mnuDualSDU"))->trigger();
    testsupport::Settle();
    const QSize dual = cabin.size();
    EXPECT_GT(dual.width(), single.width());
    EXPECT_EQ(dual, shown_size());
    EXPECT_TRUE(cabin.screen()->availableGeometry().contains(cabin.frameGeometry()));

    main->Menu_Action(QStringLiteral("mnuSingleSDU"))->trigger();
    testsupport::Settle();
    EXPECT_EQ(cabin.size(), single);

    // A page the user has sized keeps that size where its content fits.
    cabin.resize(single + QSize(40, 40));
    testsupport::Settle();
    const QSize sized = cabin.size();
    main->Menu_Action(QStringLiteral("mnuDualSDU"))->trigger();
    testsupport::Settle();
    EXPECT_EQ(cabin.width(), std::max(sized.width(), dual.width()));
    EXPECT_EQ(cabin.height(), std::max(sized.height(), dual.height()));
    main->Menu_Action(QStringLiteral("mnuSingleSDU"))->trigger();
    testsupport::Settle();
    EXPECT_EQ(cabin.width(), std::max(sized.width(), dual.width()));
}

TEST_F(MainWindowTest, LoadPartNumberReachesTheDescriptionsOfThePartitionsPresent)
{
    auto* c33 = static_cast<QLineEdit*>(Widget("Control_33"));
    auto* c53 = static_cast<QLineEdit*>(Widget("Control_53"));
    main->Set_Version_Numbers(13, 14);
    main->Set_ORT_Description(QStringLiteral("SEC"), QStringLiteral("USR"));
    EXPECT_EQ(c53->text(), QStringLiteral("SEC"));
    EXPECT_EQ(c33->text(), QStringLiteral("USR"));
    main->Set_Version_Numbers(99, 14);
    main->Set_ORT_Description(QStringLiteral("S2"), QStringLiteral("U2"));
    EXPECT_EQ(c53->text(), QStringLiteral("SEC"));
    EXPECT_EQ(c33->text(), QStringLiteral("U2"));
}

TEST_F(MainWindowTest, DescriptionFieldsFilterAndCheckTheirText)
{
    auto* c33 = static_cast<QLineEdit*>(Widget("Control_33"));
    EXPECT_EQ(c33->maxLength(), 24);
    EXPECT_EQ(static_cast<QLineEdit*>(Widget("Control_86"))->maxLength(), 15);
    EXPECT_EQ(Tag(Widget("Label_33")), QStringLiteral("Item 33"));
    EXPECT_EQ(Tag(Widget("Label_87")), QStringLiteral("Item 87"));

    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(c33, &key);
    EXPECT_EQ(c33->text(), QStringLiteral("A"));

    // Checking trims, upper-cases and drops characters outside the printable range.
    c33->setText(QStringLiteral(" bad~te\txt "));
    EXPECT_FALSE(pages::Validate_Field(c33));
    EXPECT_EQ(c33->text(), QStringLiteral("BAD~TEXT"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(MainWindowTest, UserDescriptionHintDependsOnTheAirframerLevel)
{
    auto* c33 = Widget("Control_33");
    auto* hint = static_cast<QLabel*>(Widget("StatusBar_Description_U"));
    core::Versions().User_Current.Airframer_Level = 3;
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(c33, &in);
    EXPECT_EQ(hint->text(), QStringLiteral("Only first 15 characters are viewable in CMS"));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(c33, &out);
    EXPECT_TRUE(hint->text().isEmpty());

    core::Versions().User_Current.Airframer_Level = 0;
    QCoreApplication::sendEvent(c33, &in);
    EXPECT_TRUE(hint->text().isEmpty());
}

TEST_F(MainWindowTest, TypingIntoAPartNumberBoxOpensItsEditor)
{
    QStringList opened;
    main->Set_PN_Editor([&](QLineEdit* box) { opened << box->objectName(); });
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(Widget("Control_86"), &letter);
    QCoreApplication::sendEvent(Widget("Control_87"), &tab);
    Send_Double_Click(Widget("Control_87"));
    EXPECT_EQ(opened, (QStringList{"Control_86", "Control_87"}));
    EXPECT_TRUE(static_cast<QLineEdit*>(Widget("Control_86"))->text().isEmpty());
    EXPECT_EQ(static_cast<QLineEdit*>(Widget("Control_86"))->placeholderText(),
              QStringLiteral("Add part number here."));
}

TEST_F(MainWindowTest, HelpOpensItemsPdfInTheApplicationFolder)
{
    QStringList asked;
    main->Set_Document_Opener([&](const QString& path) {
        asked << path;
        return false;
    });
    main->mnuHelpContents_Click();
    ASSERT_EQ(asked.size(), 1);
    // The folder as the file system gives it, never upper-cased.
    EXPECT_EQ(asked[0], QCoreApplication::applicationDirPath() + QStringLiteral("/items.pdf"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text,
              QStringLiteral("Can not open help file. Acrobat Reader is required."));
    EXPECT_TRUE(boxes.Boxes()[0].title.isEmpty());
    EXPECT_EQ(boxes.Boxes()[0].buttons, platform::MsgButtons::Ok);

    boxes.Clear();
    main->Set_Document_Opener([](const QString&) { return true; });
    main->mnuHelpContents_Click();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_TRUE(main_window::app_path().endsWith(QLatin1Char('/')));
}

TEST_F(MainWindowTest, AboutShowsPartNumberVersionAndBuild)
{
    About about(QStringLiteral("(Build 23)"));
    auto text = [&](const char* name) {
        return about.findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Quendrall User Merivane"));
    EXPECT_EQ(text("lblTitle"), QStringLiteral("Quendrall User Merivane"));
    EXPECT_EQ(text("lblPartNumber"), QStringLiteral("P/N: KT6650382-107"));
    EXPECT_EQ(text("lblVersion"), QStringLiteral("Version 5.3 (Build 23)"));
    EXPECT_EQ(text("lblRevision"), QStringLiteral("Revision"));
    EXPECT_NE(about.findChild<QPushButton*>(QStringLiteral("cmdOK")), nullptr);
}

TEST_F(MainWindowTest, ClosingTheWindowClosesPagesAndTheTypeDialog)
{
    main->show();
    pages->General().ShowMe();
    pages->PIMBIT().ShowMe();
    EXPECT_TRUE(main->close());
    EXPECT_FALSE(pages->General().isVisible());
    EXPECT_FALSE(pages->PIMBIT().isVisible());
    EXPECT_FALSE(main->Type_Dialog().isVisible());
}

TEST_F(MainWindowTest, ChooseConfigurationNumberHidesPagesAndAsksForATarget)
{
    pages->Cabin().ShowMe();
    When_Type_Dialog_Shows([this](ORT_Type_Dialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Choose Configuration Number"));
        EXPECT_FALSE(pages->Cabin().isVisible());
        Create_ORT(Row_Of("Option_140"), 1);
    });
    main->ChooseSoftwareConfigNumber();
    EXPECT_TRUE(main->Type_Dialog().Configuration_Chosen());
    EXPECT_EQ(core::Chosen_Type().Software_Config_Text, QStringLiteral("6240118-xx140"));
}
