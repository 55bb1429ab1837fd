// The ORT type dialog: what every option sets, the pending choice, Cancel,
// the visible columns and its Open... button.
#include "main_window_fixture.h"

#include "editor/core/type_choice.h"
#include "editor/main_window/ort_type_options.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct Values {
    int version, revision, feature, airframer;
};

struct Expected_Option {
    const char* name;
    const char* config_text;
    Values secured, user;
    const char* secured_pn;
    const char* user_pn;
    int model_index;
    int loader_option, label_option;
};

const char* const D15 = "---------------";

// The option table as users know it.
const Expected_Option EXPECTED[] = {
    {"Option_VRN1100", "VRN-1100", {10, 0, 0, 0}, {11, 0, 0, 0}, "", "", 0, 4, 0},
    {"Option_VRN2200", "VRN-2200", {10, 0, 0, 0}, {11, 0, 0, 0}, "", "", 1, 4, 0},
    {"Option_010", "6240118-xx010", {10, 0, 1, 0}, {11, 0, 0, 0}, "", "", 0, 4, 0},
    {"Option_011", "6240118-xx011", {10, 0, 1, 0}, {11, 0, 1, 0}, "", "", 0, 4, 0},
    {"Option_012", "6240118-xx012", {7, 0, 1, 0}, {8, 1, 2, 0}, "", "", 0, 4, 0},
    {"Option_020", "6240118-xx020", {7, 0, 1, 1}, {8, 1, 2, 1}, "", "", 0, 4, 0},
    {"Option_130", "6240118-xx130", {7, 0, 1, 0}, {8, 2, 3, 0}, "", "", 0, 4, 0},
    {"Option_135_Y", "6240118-xx135, S/W Mod: Y", {13, 0, 2, 0}, {14, 0, 4, 0}, D15, D15, 0, 4, 0},
    {"Option_135_AB", "6240118-xx135, S/W Mod: AB", {13, 0, 2, 0}, {14, 1, 5, 0}, D15, D15, 0, 4, 0},
    {"Option_140", "6240118-xx140", {7, 0, 1, 2}, {8, 2, 3, 2}, "", "", 0, 4, 0},
    {"Option_145_917", "6240118-xx145 (917)", {13, 0, 2, 3}, {14, 0, 4, 3}, "QZV5EABFSEC0001", "QZV5FABFUSR0001", 0, 3, 1},
    {"Option_145_924", "6240118-xx145 (924 and later)", {13, 0, 2, 3}, {14, 1, 5, 3}, "QZV5EABFSEC0001", "QZV5CABFUSR0002", 0, 3, 1},
    {"Option_150", "6240118-xx150", {13, 0, 2, 4}, {14, 0, 4, 4}, "QZV5EABFSEC0001", "QZV5FABFUSR0001", 0, 2, 0},
    {"Option_151", "6240118-xx151", {13, 0, 2, 4}, {14, 1, 5, 4}, "QZV5EABFSEC0001", "QZV5CABFUSR0002", 0, 2, 0},
};

void Expect_Info(const core::ORT_Version_Info& info, const Values& values, int version,
                 int type, const char* what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(info.Partition_Version, version);
    EXPECT_EQ(info.Record_Revision, values.revision);
    EXPECT_EQ(info.Feature_Level, values.feature);
    EXPECT_EQ(info.Airframer_Level, values.airframer);
    EXPECT_EQ(info.ORT_Type, type);
}

int Composite_Type(int secured_version)
{
    return secured_version + 2; // 7 -> 9, 10 -> 12, 13 -> 15
}

} // namespace

TEST_F(MainWindowTest, EveryOptionSetsTheVersionInfoOfItsColumnOnOk)
{
    ASSERT_EQ(main_window::Type_Options().size(), std::size(EXPECTED));
    const core::ORT_Version_Info loaded{3, 4, 5, 6, 7};
    for (std::size_t row = 0; row < std::size(EXPECTED); ++row) {
        const Expected_Option& want = EXPECTED[row];
        for (int column = 0; column < 3; ++column) {
            SCOPED_TRACE(std::string(want.name) + " column " + std::to_string(column));
            core::Reset_Versions();
            core::Versions().Secured_Loaded = loaded;
            core::Versions().User_Loaded = loaded;
            Create_ORT(static_cast<int>(row), column);

            const int secured_version = column == 1 ? 99 : want.secured.version;
            const int user_version = column == 0 ? 99 : want.user.version;
            const int type = column == 0   ? want.secured.version
                             : column == 1 ? want.user.version
                                           : Composite_Type(want.secured.version);
            const core::Version_State& v = core::Versions();
            EXPECT_EQ(v.ORT_Type, type);
            EXPECT_EQ(v.Partition_Config, column == 0 ? 0 : column == 1 ? 1 : 2);
            Expect_Info(v.Secured_Current, want.secured, secured_version, type, "secured");
            Expect_Info(v.User_Current, want.user, user_version, type, "user");
            EXPECT_EQ(v.Secured_Loaded, loaded);
            EXPECT_EQ(v.User_Loaded, loaded);

            const ORT_Type_Dialog& dialog = main->Type_Dialog();
            EXPECT_EQ(core::Chosen_Type().Software_Config_Text, QString::fromLatin1(want.config_text));
            EXPECT_EQ(dialog.Stored_Secured_PN(), QString::fromLatin1(want.secured_pn));
            EXPECT_EQ(dialog.Stored_User_PN(), QString::fromLatin1(want.user_pn));
            EXPECT_EQ(dialog.Model_Index(), want.model_index);
            EXPECT_EQ(dialog.RFU_Default_Index(), want.model_index);
            EXPECT_EQ(dialog.Upload_Preset().Loader_Option, want.loader_option);
            EXPECT_EQ(dialog.Upload_Preset().Label_Option, want.label_option);
            EXPECT_EQ(dialog.Remembered_Option(), dialog.Option(static_cast<int>(row), column));
            EXPECT_EQ(dialog.Option(static_cast<int>(row), column)->objectName(),
                      QString::fromLatin1(want.name) + QLatin1Char('(') +
                          QString::number(column) + QLatin1Char(')'));
        }
    }
}

TEST_F(MainWindowTest, TypeDialogStartsWithNothingChosen)
{
    ORT_Type_Dialog& dialog = main->Type_Dialog();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Create New ORT"));
    EXPECT_TRUE(dialog.Option_Startup_Hidden()->isChecked());
    EXPECT_TRUE(dialog.Option_Startup_Hidden()->isHidden());
    EXPECT_FALSE(dialog.Configuration_Chosen());
    EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->isEnabled());
    EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("OpenButton"))->isEnabled());
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("CancelButton"))->isEnabled());
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblOption_VRN2200"))->text(),
              QStringLiteral("VRN-2200 All"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblPrompt"))->text(),
              QStringLiteral("Select by SDU Software Configuration Number"));
}

TEST_F(MainWindowTest, AChoiceStaysPendingUntilOk)
{
    ORT_Type_Dialog& dialog = main->Type_Dialog();
    const core::Version_State before = core::Versions();
    dialog.Select_Option(dialog.Option(4, 1));
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->isEnabled());
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("OpenButton"))->isEnabled());
    ASSERT_TRUE(dialog.Pending().has_value());
    EXPECT_EQ(dialog.Pending()->User.Partition_Version, 8);
    // Nothing has reached the program-wide state yet.
    EXPECT_EQ(core::Versions().ORT_Type, before.ORT_Type);
    EXPECT_EQ(core::Versions().User_Current, before.User_Current);
    EXPECT_TRUE(core::Chosen_Type().Software_Config_Text.isEmpty());
    EXPECT_FALSE(dialog.Configuration_Chosen());

    // Cancel brings the radio buttons back to the state before.
    dialog.Cancel_Click();
    EXPECT_TRUE(dialog.Option_Startup_Hidden()->isChecked());
    EXPECT_FALSE(dialog.Pending().has_value());
}

TEST_F(MainWindowTest, CancelAndCloseBoxRestoreTheChoiceFromBeforeTheDialogOpened)
{
    // A first ORT of type 8.
    When_Type_Dialog_Shows([this](ORT_Type_Dialog&) { Create_ORT(4, 1); });
    commands->mnuNew_Click();
    ASSERT_EQ(core::Versions().ORT_Type, 8);
    const core::Version_State after_first = core::Versions();

    // New again: "No" at the save question, then another choice and Cancel.
    boxes.Answer(platform::MsgAnswer::No);
    When_Type_Dialog_Shows([](ORT_Type_Dialog& dialog) {
        // The last choice is offered again.
        EXPECT_TRUE(dialog.Option(4, 1)->isChecked());
        EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->isEnabled());
        dialog.Select_Option(dialog.Option(12, 1));
        dialog.Cancel_Click();
    });
    commands->mnuNew_Click();
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Save before closing?")});
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("File closing"));
    EXPECT_EQ(boxes.Boxes()[0].buttons, platform::MsgButtons::YesNoCancel);
    EXPECT_EQ(core::Versions().User_Current, after_first.User_Current);
    EXPECT_EQ(core::Versions().ORT_Type, core::ORT_TYPE_NONE);
    EXPECT_EQ(core::Chosen_Type().Software_Config_Text, QStringLiteral("6240118-xx012"));
    EXPECT_EQ(main->Type_Dialog().Remembered_Option(), main->Type_Dialog().Option(4, 1));
    EXPECT_FALSE(main->Is_ORT_Loaded());

    // The close box does the same.
    When_Type_Dialog_Shows([](ORT_Type_Dialog& dialog) {
        dialog.Select_Option(dialog.Option(13, 1));
        dialog.close();
    });
    commands->mnuNew_Click();
    EXPECT_EQ(core::Versions().User_Current, after_first.User_Current);
    EXPECT_EQ(main->Type_Dialog().Upload_Preset(), (main_window::Upload_Preset{4, 0}));
    EXPECT_TRUE(main->Type_Dialog().Option(4, 1)->isChecked());
}

TEST_F(MainWindowTest, DisplayAllShowsOnlyTheUserColumn)
{
    ORT_Type_Dialog& dialog = main->Type_Dialog();
    dialog.DisplayAll(false);
    for (int row = 0; row < 14; ++row) {
        EXPECT_TRUE(dialog.Option(row, 0)->isHidden());
        EXPECT_FALSE(dialog.Option(row, 1)->isHidden());
        EXPECT_TRUE(dialog.Option(row, 2)->isHidden());
    }
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("lblSecured"))->isHidden());
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("lblComposite"))->isHidden());
    EXPECT_FALSE(dialog.findChild<QLabel*>(QStringLiteral("lblUser"))->isHidden());
    EXPECT_FALSE(dialog.findChild<QLabel*>(QStringLiteral("lblSDUPartNo"))->isHidden());

    dialog.DisplayAll(true);
    for (int row = 0; row < 14; ++row) {
        SCOPED_TRACE(row);
        EXPECT_FALSE(dialog.Option(row, 0)->isHidden());
        // The composite option of the xx145, xx150 and xx151 rows never shows.
        EXPECT_EQ(dialog.Option(row, 2)->isHidden(), row >= 10);
    }
    EXPECT_FALSE(dialog.findChild<QLabel*>(QStringLiteral("lblComposite"))->isHidden());
}

TEST_F(MainWindowTest, ConvertFromVersionCopiesTheCurrentRecords)
{
    Create_ORT(11, 2);
    main->Type_Dialog().Set_ConvertFromVersion();
    EXPECT_EQ(core::Versions().Secured_Loaded, core::Versions().Secured_Current);
    EXPECT_EQ(core::Versions().User_Loaded, core::Versions().User_Current);
    EXPECT_EQ(core::Versions().User_Loaded.ORT_Type, 15);
}

TEST_F(MainWindowTest, OpenButtonRefusesAMissingFileAndIgnoresACancelledDialog)
{
    testsupport::ScriptedFileDialogs files;
    ORT_Type_Dialog& dialog = main->Type_Dialog();
    dialog.Select_Option(dialog.Option(7, 1));

    files.Answer(QString());
    dialog.Open_Click();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_FALSE(dialog.Configuration_Chosen());

    const QString missing = QStringLiteral("/nonexistent-folder/none.cfg");
    files.Answer(missing);
    dialog.Open_Click();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, missing);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("File Does Not Exist"));
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Critical);
    EXPECT_FALSE(dialog.Configuration_Chosen());
    EXPECT_TRUE(files.Requests()[0].filter.contains(QStringLiteral("*.cfg")));
    EXPECT_TRUE(files.Requests()[0].filter.contains(QStringLiteral("*.001")));
}

TEST_F(MainWindowTest, OpenButtonIsOfferedOnlyWhereItOpensAFile)
{
    testsupport::ScriptedFileDialogs files;
    const auto open_button = [this] {
        return main->Type_Dialog().findChild<QPushButton*>(QStringLiteral("OpenButton"));
    };
    // Choosing the target of a load: no Open..., and its click does nothing.
    When_Type_Dialog_Shows([&](ORT_Type_Dialog& dialog) {
        dialog.Select_Option(dialog.Option(main_window::Find_Type_Option(QStringLiteral("Option_140")), 1));
        EXPECT_FALSE(open_button()->isVisible());
        files.Answer(QString());
        dialog.Open_Click();
        EXPECT_TRUE(files.Requests().isEmpty());
        EXPECT_FALSE(dialog.Configuration_Chosen());
    });
    main->ChooseSoftwareConfigNumber();

    // Create New ORT keeps it.
    When_Type_Dialog_Shows([&](ORT_Type_Dialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Create New ORT"));
        dialog.Select_Option(dialog.Option(main_window::Find_Type_Option(QStringLiteral("Option_140")), 1));
        EXPECT_TRUE(open_button()->isVisible());
        EXPECT_TRUE(open_button()->isEnabled());
    });
    commands->mnuNew_Click();
}
