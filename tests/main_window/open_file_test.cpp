// Open, Read data in from a CMT Download File and the load through the
// main window: questions, boxes, labels, caption, the current file and the
// no-ORT state after a refusal.
#include "file_commands_fixture.h"

#include "editor/core/ascii_hex.h"
#include "editor/core/ort_file_header.h"
#include "editor/pages/page_frame.h"
#include "editor/user_partition/user_record_v5.h"

#include <QListWidget>

using platform::MsgAnswer;

namespace {

// A user-only file of the oldest generation: every number 1, every text "A".
QByteArray First_Generation_User_File()
{
    core::Record record(User_Mod::User_Record_V5_Layout(), User_Mod::V5_LENGTH);
    for (const core::Field_Def& field : User_Mod::User_Record_V5_Layout())
        for (int i = 0; i < field.count; ++i) {
            if (field.enc == core::Enc::Text)
                record.Set_Text(field.id, QStringLiteral("A"), i);
            else if (field.enc != core::Enc::Bytes)
                record.Set(field.id, 1, i);
        }
    return core::Build_ORT_File(5, record.Bytes(), QStringLiteral("01-JAN-24"));
}

class OpenFileTest : public FileCommandsTest {
protected:
    // A saved user ORT of type 14 and the window back in the no-ORT state.
    void Saved_ORT(const QString& name)
    {
        New_14();
        ASSERT_TRUE(Save_As(name));
        boxes.Answer(MsgAnswer::No);
        commands->mnuClose_Click();
        boxes.Clear();
        ASSERT_FALSE(main->Is_ORT_Loaded());
    }
};

} // namespace

TEST_F(OpenFileTest, OpenAsksToSaveThenLoadsWithLabelsAndBaseline)
{
    Saved_ORT(QStringLiteral("a.cfg"));
    New_14();
    boxes.Answer(MsgAnswer::No);  // Save before closing?
    files.Answer(Path(QStringLiteral("a.cfg")));
    boxes.Answer(MsgAnswer::Yes); // the configuration question
    commands->mnuOpen_Click();

    ASSERT_EQ(boxes.Boxes().size(), 2) << boxes.Texts().join(u'|').toStdString();
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Save before closing?"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("File closing"));
    EXPECT_EQ(boxes.Boxes()[1].title, QStringLiteral("Correct SW Config Number?"));
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("a.cfg")));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Merivane - ") + Path(QStringLiteral("a.cfg")));
    EXPECT_EQ(Label("Control_Version_Label"), QStringLiteral("File Created by Merivane Version 5.3"));
    EXPECT_EQ(Label("Control_File_Label"), QStringLiteral("File Version 14 (1): User Partition"));
    EXPECT_FALSE(Changed_Without_Moving());
    EXPECT_TRUE(Enabled("mnuSave"));
}

TEST_F(OpenFileTest, OpenOffersTheCurrentFilesName)
{
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("current.cfg")));
    boxes.Answer(MsgAnswer::No); // Save before closing?
    files.Answer(QString());
    commands->mnuOpen_Click();
    ASSERT_EQ(files.Requests().size(), 2);
    const platform::FileDialogRequest& request = files.Requests().last();
    EXPECT_EQ(request.kind, platform::FileDialogRequest::Kind::Open);
    EXPECT_EQ(QDir(request.directory).filePath(request.file_name),
              Path(QStringLiteral("current.cfg")));
}

TEST_F(OpenFileTest, CancelAtTheSaveQuestionKeepsTheOpenORT)
{
    New_14();
    Edit();
    main->Current_File = Path(QStringLiteral("kept.cfg"));
    boxes.Answer(MsgAnswer::Cancel);
    commands->mnuOpen_Click();
    EXPECT_TRUE(files.Requests().isEmpty());
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("kept.cfg")));
    EXPECT_EQ(main->Pages().Main.Control_33->text(), QStringLiteral("EDITED"));
}

TEST_F(OpenFileTest, RefusedFileEndsInTheNoORTStateWithOneBox)
{
    Write_All(Path(QStringLiteral("bad.cfg")), QByteArray(100, 'x'));
    New_14();
    boxes.Answer(MsgAnswer::No);
    files.Answer(Path(QStringLiteral("bad.cfg")));
    commands->mnuOpen_Click();
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[1].text, QStringLiteral("Invalid file header"));
    EXPECT_EQ(boxes.Boxes()[1].title, QStringLiteral("Load error"));
    EXPECT_FALSE(main->Is_ORT_Loaded());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Merivane"));
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("bad.cfg")));
    EXPECT_FALSE(Enabled("mnuSave"));
}

TEST_F(OpenFileTest, MissingFileIsReportedByName)
{
    New_14();
    boxes.Answer(MsgAnswer::No);
    files.Answer(Path(QStringLiteral("none.cfg")));
    commands->mnuOpen_Click();
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[1].text, Path(QStringLiteral("none.cfg")));
    EXPECT_EQ(boxes.Boxes()[1].title, QStringLiteral("File Does Not Exist"));
    EXPECT_EQ(boxes.Boxes()[1].icon, platform::MsgIcon::Critical);
}

TEST_F(OpenFileTest, CancelledFileDialogIsSilent)
{
    New_14();
    boxes.Answer(MsgAnswer::No);
    files.Answer(QString());
    commands->mnuOpen_Click();
    EXPECT_EQ(boxes.Boxes().size(), 1);
}

TEST_F(OpenFileTest, CancelledConfigurationChoiceStopsTheLoad)
{
    Saved_ORT(QStringLiteral("a.cfg"));
    main->Current_File = Path(QStringLiteral("before.cfg"));
    When_Type_Dialog_Shows([](ORT_Type_Dialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Choose Configuration Number"));
        dialog.reject();
    });
    boxes.Answer(MsgAnswer::No); // not the correct configuration
    main->Open_File(Path(QStringLiteral("a.cfg")));
    EXPECT_EQ(boxes.Boxes().size(), 1); // the question only
    EXPECT_FALSE(main->Is_ORT_Loaded());
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("before.cfg")));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Merivane"));
}

TEST_F(OpenFileTest, CancelledConfigurationChoiceKeepsTheORTThatWasOpen)
{
    Saved_ORT(QStringLiteral("other.cfg"));
    New_14(2);
    ASSERT_TRUE(Save_As(QStringLiteral("mine.cfg")));
    Edit();
    QListWidget* ges = main->Pages().Sat_GES().Control_02;
    const int ges_lines = ges->count();
    ASSERT_GT(ges_lines, 0);
    const std::uint16_t crc = main->get_Last_Saved_CRC();
    const QString caption = main->windowTitle();

    boxes.Answer(MsgAnswer::No); // Save before closing?
    files.Answer(Path(QStringLiteral("other.cfg")));
    boxes.Answer(MsgAnswer::No); // not the correct configuration
    When_Type_Dialog_Shows([](ORT_Type_Dialog& dialog) { dialog.Cancel_Click(); });
    commands->mnuOpen_Click();

    ASSERT_EQ(boxes.Boxes().size(), 2) << boxes.Texts().join(u'|').toStdString();
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_TRUE(Enabled("mnuSave"));
    EXPECT_EQ(core::Versions().ORT_Type, 15);
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("mine.cfg")));
    EXPECT_EQ(main->windowTitle(), caption);
    EXPECT_EQ(main->Pages().Main.Control_33->text(), QStringLiteral("EDITED"));
    EXPECT_EQ(ges->count(), ges_lines);
    EXPECT_EQ(main->get_Last_Saved_CRC(), crc);
    EXPECT_TRUE(Changed_Without_Moving());
}

TEST_F(OpenFileTest, CmtDownloadFileAsksToSaveAndLoadsItsBinaryCopy)
{
    Saved_ORT(QStringLiteral("a.cfg"));
    const QString hex = Path(QStringLiteral("y.Hex"));
    ASSERT_TRUE(core::Binary_To_Ascii(Path(QStringLiteral("a.cfg")), hex));
    New_14();
    boxes.Answer(MsgAnswer::No);
    files.Answer(hex);
    boxes.Answer(MsgAnswer::Yes);
    commands->mnuOpenCmtAsciiHex_Click();
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Save before closing?"));
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_EQ(main->Current_File, hex + QStringLiteral(".tmp"));
    EXPECT_EQ(Read_File(hex + QStringLiteral(".tmp")), Read_File(Path(QStringLiteral("a.cfg"))));
}

// The dialog starts at the current file's name without its extension, a
// name without one gets the current file's, and a binary copy of that name
// already there is replaced only after a Yes.
TEST_F(OpenFileTest, CmtDownloadFileIsPresetAndAsksBeforeReplacingTheBinaryCopy)
{
    Saved_ORT(QStringLiteral("y.cfg"));
    const QString hex = Path(QStringLiteral("y.Hex"));
    ASSERT_TRUE(core::Binary_To_Ascii(Path(QStringLiteral("y.cfg")), hex));
    main->Current_File = Path(QStringLiteral("y.Hex"));
    Write_All(hex + QStringLiteral(".tmp"), QByteArray("mine"));
    boxes.Clear();

    // The ORT is saved: no save question comes first.
    files.Answer(Path(QStringLiteral("y"))); // the default extension follows
    boxes.Answer(MsgAnswer::No);             // replace y.Hex.tmp?
    commands->mnuOpenCmtAsciiHex_Click();
    EXPECT_EQ(files.Requests().back().file_name, QStringLiteral("y"));
    EXPECT_EQ(files.Requests().back().directory, QFileInfo(dir.path()).absoluteFilePath());
    ASSERT_EQ(boxes.Boxes().size(), 1) << boxes.Texts().join(u'|').toStdString();
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("y.Hex.tmp already exists.\nDo you want to replace it?"));
    EXPECT_EQ(Read_File(hex + QStringLiteral(".tmp")), QByteArray("mine"));
    EXPECT_EQ(main->Current_File, hex);

    files.Answer(hex);
    boxes.Answer(MsgAnswer::Yes); // replace y.Hex.tmp?
    boxes.Answer(MsgAnswer::Yes); // the target configuration
    commands->mnuOpenCmtAsciiHex_Click();
    EXPECT_EQ(main->Current_File, hex + QStringLiteral(".tmp"));
    EXPECT_EQ(Read_File(hex + QStringLiteral(".tmp")), Read_File(Path(QStringLiteral("y.cfg"))));
}

TEST_F(OpenFileTest, CmtDownloadFileStopsWhenTheConversionFails)
{
    const QString hex = Path(QStringLiteral("bad.Hex"));
    Write_All(hex, QByteArray("4F48!!\r\n"));
    New_14();
    main->Current_File = Path(QStringLiteral("x.cfg"));
    boxes.Answer(MsgAnswer::No);
    files.Answer(hex);
    commands->mnuOpenCmtAsciiHex_Click();
    ASSERT_EQ(boxes.Boxes().size(), 2) << boxes.Texts().join(u'|').toStdString();
    EXPECT_EQ(boxes.Boxes()[1].text, QStringLiteral("Overflow"));
    EXPECT_FALSE(QFile::exists(hex + QStringLiteral(".tmp")));
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("x.cfg")));
}

TEST_F(OpenFileTest, CmtDownloadFileCancelAtTheSaveQuestionKeepsTheORT)
{
    New_14();
    boxes.Answer(MsgAnswer::Cancel);
    commands->mnuOpenCmtAsciiHex_Click();
    EXPECT_TRUE(files.Requests().isEmpty());
    EXPECT_TRUE(main->Is_ORT_Loaded());
}

TEST_F(OpenFileTest, UnchangedGenerationTwoFileClosesWithoutAQuestion)
{
    New_ORT("Option_012", 1); // type 8
    ASSERT_TRUE(Save_As(QStringLiteral("g8.cfg")));
    boxes.Answer(MsgAnswer::No);
    files.Answer(Path(QStringLiteral("g8.cfg")));
    boxes.Answer(MsgAnswer::Yes);
    commands->mnuOpen_Click();
    ASSERT_TRUE(main->Is_ORT_Loaded());
    boxes.Clear();
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(OpenFileTest, FirstGenerationFileAsksBeforeExitingEvenWithoutAnEdit)
{
    New_14();
    Write_All(Path(QStringLiteral("g1.cfg")), First_Generation_User_File());
    boxes.Answer(MsgAnswer::No);
    files.Answer(Path(QStringLiteral("g1.cfg")));
    boxes.Answer(MsgAnswer::Yes);
    commands->mnuOpen_Click();
    ASSERT_TRUE(main->Is_ORT_Loaded()) << boxes.Texts().join(u'|').toStdString();
    EXPECT_EQ(main->get_Last_Saved_CRC(), 0);
    boxes.Clear();
    boxes.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(main->close());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Save before exiting?"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Program closing"));
}


TEST_F(OpenFileTest, TypeDialogOpenKeepsAFirstGenerationFileChanged)
{
    Write_All(Path(QStringLiteral("g1.cfg")), First_Generation_User_File());
    files.Answer(Path(QStringLiteral("g1.cfg")));
    boxes.Answer(MsgAnswer::Yes);
    When_Type_Dialog_Shows([](ORT_Type_Dialog& dialog) {
        dialog.Select_Option(dialog.Option(Row_Of("Option_135_AB"), 1));
        dialog.Open_Click();
    });
    commands->mnuNew_Click();
    ASSERT_TRUE(main->Is_ORT_Loaded()) << boxes.Texts().join(u'|').toStdString();
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("g1.cfg")));
    // New does not take a baseline over the one the load left.
    EXPECT_EQ(main->get_Last_Saved_CRC(), 0);
}

TEST_F(OpenFileTest, StartUpOpenCancelledAtTheSecondChoiceLeavesNoORT)
{
    Write_All(Path(QStringLiteral("g1.cfg")), First_Generation_User_File());
    files.Answer(Path(QStringLiteral("g1.cfg")));
    boxes.Answer(MsgAnswer::No); // not the correct configuration
    bool second_shown = false;
    When_Type_Dialog_Shows([&](ORT_Type_Dialog& dialog) {
        dialog.Select_Option(dialog.Option(Row_Of("Option_012"), 1));
        When_Type_Dialog_Shows([&](ORT_Type_Dialog& second) {
            second_shown = true;
            EXPECT_EQ(second.windowTitle(), QStringLiteral("Choose Configuration Number"));
            second.Select_Option(second.Option(Row_Of("Option_135_AB"), 1));
            second.Cancel_Click();
        });
        dialog.Open_Click();
    });
    program->Start();

    EXPECT_TRUE(second_shown);
    EXPECT_FALSE(main->Is_ORT_Loaded()) << boxes.Texts().join(u'|').toStdString();
    EXPECT_TRUE(main->Current_File.isEmpty());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Merivane"));
    EXPECT_FALSE(Enabled("mnuSave"));
    EXPECT_EQ(boxes.Boxes().size(), 1); // the question only
}

TEST_F(OpenFileTest, TypeDialogOpenAsksToSaveAnOpenORTAndCancelKeepsEverything)
{
    New_ORT("Option_012", 1);
    Edit();
    main->Current_File = Path(QStringLiteral("kept.cfg"));
    const std::int32_t type_before = core::Versions().ORT_Type;
    boxes.Answer(MsgAnswer::Cancel); // Save before closing?
    When_Type_Dialog_Shows([this](ORT_Type_Dialog& dialog) {
        dialog.Select_Option(dialog.Option(Row_Of("Option_135_AB"), 1));
        dialog.Open_Click();
    });
    commands->mnuConvert_Click();

    ASSERT_EQ(boxes.Boxes().size(), 1) << boxes.Texts().join(u'|').toStdString();
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Save before closing?"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("File closing"));
    EXPECT_TRUE(files.Requests().isEmpty());
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("kept.cfg")));
    EXPECT_EQ(main->Pages().Main.Control_33->text(), QStringLiteral("EDITED"));
    EXPECT_EQ(core::Versions().ORT_Type, type_before);
    EXPECT_EQ(main->Type_Dialog().Remembered_Option(),
              main->Type_Dialog().Option(Row_Of("Option_012"), 1));
}

TEST_F(OpenFileTest, SaveAfterALimitedLoadAsksForANameInsteadOfReplacingTheFile)
{
    New_14(2); // composite
    ASSERT_TRUE(Save_As(QStringLiteral("c.cfg")));
    const QByteArray composite = Read_File(Path(QStringLiteral("c.cfg")));
    New_14(1); // the user target; the composite file goes away unsaved
    boxes.Answer(MsgAnswer::No);  // Save before closing?
    files.Answer(Path(QStringLiteral("c.cfg")));
    boxes.Answer(MsgAnswer::Yes); // the configuration question
    commands->mnuOpen_Click();
    ASSERT_TRUE(main->Is_ORT_Loaded());
    ASSERT_EQ(boxes.Boxes().last().title, QStringLiteral("Limited Data Loading"));
    const qsizetype requests = files.Requests().size();

    // Save, and the Yes of the closing question, go through Save As.
    files.Answer(QString()); // the Save As dialog is cancelled
    EXPECT_FALSE(commands->mnuSave_Click());
    files.Answer(QString());
    boxes.Answer(MsgAnswer::Yes);
    commands->mnuClose_Click();
    ASSERT_EQ(files.Requests().size(), requests + 2);
    EXPECT_EQ(files.Requests().last().title, QStringLiteral("Save As"));
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_EQ(Read_File(Path(QStringLiteral("c.cfg"))), composite);

    // The same name chosen in Save As, and Yes to replacing it, is the
    // user's own choice.
    boxes.Answer(MsgAnswer::Yes);
    ASSERT_TRUE(Save_As(QStringLiteral("c.cfg")));
    EXPECT_EQ(Read_File(Path(QStringLiteral("c.cfg"))).size(), 44 + 21366 + 2);
    EXPECT_TRUE(commands->mnuSave_Click());
    EXPECT_EQ(files.Requests().size(), requests + 3);
}

// A part number with dashes, as the part-number dialog writes it, reopens
// as it was saved, without a line.
TEST_F(OpenFileTest, APartNumberWithDashesReopensAsSaved)
{
    const QString part_number = QStringLiteral("AB1C2-D3456-789");
    New_14();
    main->Pages().Main.Control_86->setText(part_number);
    ASSERT_TRUE(Save_As(QStringLiteral("p.cfg")));
    boxes.Answer(MsgAnswer::No);  // Save before closing?
    files.Answer(Path(QStringLiteral("p.cfg")));
    boxes.Answer(MsgAnswer::Yes); // the configuration question
    commands->mnuOpen_Click();

    ASSERT_TRUE(main->Is_ORT_Loaded());
    EXPECT_EQ(main->Pages().Main.Control_86->text(), part_number);
    QFile report(core::Convert_Report_Path());
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_FALSE(report.readAll().contains("lxxxvi"));
}
