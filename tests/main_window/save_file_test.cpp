// Save, Save As, Create a CMT Upload File, New, Close, the close box,
// Convert, Failure Masking and the part-number step: every question with
// Yes, No and Cancel, and failed saves that change nothing.
#include "file_commands_fixture.h"

#include "editor/core/ascii_hex.h"
#include "editor/core/ort_file_header.h"
#include "editor/pages/page_cabin.h"
#include "editor/pages/page_frame.h"

#include "support/file_size_limit.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::MsgAnswer;

namespace {

class SaveFileTest : public FileCommandsTest {};

using testsupport::File_Size_Limit;

} // namespace

TEST_F(SaveFileTest, SaveWithoutAFileRunsSaveAs)
{
    New_14();
    files.Answer(QString());
    EXPECT_FALSE(commands->mnuSave_Click());
    ASSERT_EQ(files.Requests().size(), 1);
    EXPECT_EQ(files.Requests()[0].kind, platform::FileDialogRequest::Kind::Save);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(SaveFileTest, SaveAsWritesTakesTheNameAndTheBaseline)
{
    New_14();
    Edit();
    ASSERT_TRUE(Save_As(QStringLiteral("s")));
    // A name without an extension keeps it without one when there is none to add.
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("s")));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Merivane - ") + Path(QStringLiteral("s")));
    const QByteArray file = Read_File(Path(QStringLiteral("s")));
    ASSERT_EQ(file.size(), 44 + 21366 + 2);
    EXPECT_EQ(main->get_Last_Saved_CRC(), core::Calc_CRC16(file.mid(44, 21366)));
    EXPECT_FALSE(Changed_Without_Moving());

    // Save As from a named file offers its name and adds its extension.
    ASSERT_TRUE(Save_As(QStringLiteral("t.cfg")));
    files.Answer(Path(QStringLiteral("u")));
    ASSERT_TRUE(commands->mnuSaveAs_Click());
    EXPECT_EQ(files.Requests().last().file_name, Path(QStringLiteral("t")));
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("u.cfg")));
}

// A save checks every field of every page, not only the one with the
// focus: a value that reached a field without its check (a screen reader's
// edit of a field never focused) stops the save at its box, and the page
// shows the corrected field.
TEST_F(SaveFileTest, SaveChecksEveryFieldOfEveryPageFirst)
{
    New_14();
    QLineEdit* code = main->Pages().Cabin().Control_25a;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(code);
    ASSERT_NE(face, nullptr);
    face->setText(QAccessible::Value, QStringLiteral("12ab"));
    EXPECT_EQ(code->text(), QStringLiteral("12"));
    EXPECT_FALSE(commands->mnuSaveAs_Click());
    EXPECT_TRUE(files.Requests().isEmpty());
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Must be exactly 4 digits")});
    EXPECT_NE(code->text(), QStringLiteral("12"));
    EXPECT_TRUE(main->Pages().Cabin().isVisible());

    // Corrected, the value saves.
    boxes.Clear();
    ASSERT_TRUE(Save_As(QStringLiteral("s.cfg")));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(SaveFileTest, SaveAsIntoAMissingFolderChangesNothing)
{
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("a.cfg")));
    Edit();
    const std::uint16_t crc = main->get_Last_Saved_CRC();
    const QString caption = main->windowTitle();
    EXPECT_FALSE(Save_As(QStringLiteral("missing/b.cfg")));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, Path(QStringLiteral("missing/b.cfg")));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Invalid File Name"));
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("a.cfg")));
    EXPECT_EQ(main->windowTitle(), caption);
    EXPECT_EQ(main->get_Last_Saved_CRC(), crc);
    EXPECT_TRUE(Changed_Without_Moving());
}

TEST_F(SaveFileTest, FailedSaveLeavesTheOldFileCaptionAndBaseline)
{
    New_14();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(Save_As(QStringLiteral("sub/a.cfg")));
    const std::uint16_t crc = main->get_Last_Saved_CRC();
    Edit();
    // The current file has become a folder: the write fails.
    ASSERT_TRUE(QFile::remove(Path(QStringLiteral("sub/a.cfg"))));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("sub/a.cfg")));
    EXPECT_FALSE(commands->mnuSave_Click());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("mnuSave Error type: 75, Path/File access error"));
    EXPECT_EQ(main->get_Last_Saved_CRC(), crc);
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("sub/a.cfg")));
    EXPECT_TRUE(QFileInfo(Path(QStringLiteral("sub/a.cfg"))).isDir());
}

TEST_F(SaveFileTest, FullDiskIsReportedAsDiskFullAndKeepsTheOldFile)
{
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("a.cfg")));
    const QByteArray old = Read_File(Path(QStringLiteral("a.cfg")));
    const std::uint16_t crc = main->get_Last_Saved_CRC();
    Edit();
    {
        // The file-size limit stands in for a full disk: same error, same outcome.
        const File_Size_Limit limit(4096);
        ASSERT_TRUE(limit.Set());
        EXPECT_FALSE(commands->mnuSave_Click());
    }
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("mnuSave Error type: 61, Disk full"));
    EXPECT_EQ(Read_File(Path(QStringLiteral("a.cfg"))), old);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("a.cfg?*")}, QDir::AllEntries | QDir::Hidden),
              QStringList());
    EXPECT_EQ(main->get_Last_Saved_CRC(), crc);
}

TEST_F(SaveFileTest, CmtUploadFileIsHexAndAPlainSaveKeepsItHex)
{
    New_14();
    // The longest name the file system takes, with nothing left beside it.
    const QString up = Path(QString(251, QLatin1Char('U')) + QStringLiteral(".Hex"));
    files.Answer(up);
    ASSERT_TRUE(commands->mnuSaveCmtAsciiHex_Click());
    EXPECT_EQ(main->Current_File, up);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QFileInfo(up).fileName()});
    const QByteArray hex = Read_File(up);
    EXPECT_TRUE(hex.startsWith("4F48")); // "OH"
    const core::Ascii_Hex_Decode_Result decoded = core::Decode_Ascii_Hex(hex);
    ASSERT_TRUE(decoded.Ok);
    EXPECT_EQ(main->get_Last_Saved_CRC(),
              core::Calc_CRC16(decoded.Bytes.mid(44, decoded.Bytes.size() - 46)));

    Edit();
    ASSERT_TRUE(commands->mnuSave_Click());
    const QByteArray again = Read_File(up);
    EXPECT_TRUE(again.startsWith("4F48"));
    EXPECT_NE(again, hex);
    EXPECT_TRUE(core::Decode_Ascii_Hex(again).Bytes.contains("EDITED"));
}

TEST_F(SaveFileTest, AKillDuringACmtUploadFileLeavesNothingBehind)
{
    New_14();
    const QTemporaryDir system_temp; // the child's temporary folder
    ASSERT_TRUE(system_temp.isValid());
    const QString up = Path(QStringLiteral("up.Hex"));
    const pid_t child = ::fork();
    if (child == 0) {
        // The file-size limit kills the child in the middle of the hex file.
        qputenv("TMPDIR", system_temp.path().toLocal8Bit());
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{30000, 30000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        files.Answer(up);
        commands->mnuSaveCmtAsciiHex_Click();
        ::_exit(0);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(QDir(system_temp.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
    EXPECT_FALSE(QFileInfo::exists(up));
}

TEST_F(SaveFileTest, CloseAlwaysAsksAndFollowsTheAnswer)
{
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("a.cfg")));
    // Cancel keeps the ORT.
    boxes.Answer(MsgAnswer::Cancel);
    commands->mnuClose_Click();
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_EQ(boxes.Boxes().last().text, QStringLiteral("Save before closing?"));
    EXPECT_EQ(boxes.Boxes().last().buttons, platform::MsgButtons::YesNoCancel);
    // Yes saves, then closes.
    Edit();
    boxes.Answer(MsgAnswer::Yes);
    commands->mnuClose_Click();
    EXPECT_FALSE(main->Is_ORT_Loaded());
    EXPECT_TRUE(Read_File(Path(QStringLiteral("a.cfg"))).contains("EDITED"));
    // No closes without saving.
    New_14();
    boxes.Answer(MsgAnswer::No);
    commands->mnuClose_Click();
    EXPECT_FALSE(main->Is_ORT_Loaded());
}

TEST_F(SaveFileTest, YesAtCloseWithoutAFileAndACancelledSaveAsKeepsTheORT)
{
    New_14();
    boxes.Answer(MsgAnswer::Yes);
    files.Answer(QString());
    commands->mnuClose_Click();
    EXPECT_TRUE(main->Is_ORT_Loaded());
    // Open stops before its file dialog in the same situation.
    boxes.Answer(MsgAnswer::Yes);
    files.Answer(QString());
    commands->mnuOpen_Click();
    EXPECT_EQ(files.Requests().size(), 2); // both Save As dialogs, no Open dialog
    EXPECT_TRUE(main->Is_ORT_Loaded());
}

TEST_F(SaveFileTest, YesAtCloseWithAFailingSaveKeepsTheORT)
{
    New_14();
    main->Current_File = Path(QStringLiteral("missing/a.cfg"));
    boxes.Answer(MsgAnswer::Yes);
    commands->mnuClose_Click();
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_EQ(boxes.Boxes().last().text, QStringLiteral("mnuSave Error type: 76, Path not found"));
}

TEST_F(SaveFileTest, NewWithAnOpenORT)
{
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("a.cfg")));
    Edit();
    // Cancel keeps the ORT, its file and its edit.
    boxes.Answer(MsgAnswer::Cancel);
    commands->mnuNew_Click();
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("a.cfg")));
    EXPECT_EQ(core::Versions().ORT_Type, 14);
    EXPECT_EQ(main->Pages().Main.Control_33->text(), QStringLiteral("EDITED"));
    // Yes saves through Save As, since New forgets the file name first.
    boxes.Answer(MsgAnswer::Yes);
    files.Answer(Path(QStringLiteral("b.cfg")));
    When_Type_Dialog_Shows([](ORT_Type_Dialog& dialog) { dialog.reject(); });
    commands->mnuNew_Click();
    EXPECT_TRUE(Read_File(Path(QStringLiteral("b.cfg"))).contains("EDITED"));
    EXPECT_FALSE(main->Is_ORT_Loaded()); // the dialog was cancelled
    // No and a choice in the dialog: a new ORT with its baseline.
    New_14();
    boxes.Answer(MsgAnswer::No);
    When_Type_Dialog_Shows([this](ORT_Type_Dialog&) { Create_ORT(Row_Of("Option_012"), 1); });
    commands->mnuNew_Click();
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_EQ(core::Versions().ORT_Type, 8);
    EXPECT_EQ(main->Current_File, QString());
    EXPECT_FALSE(Changed_Without_Moving());
    EXPECT_NE(main->get_Last_Saved_CRC(), 0);
}

TEST_F(SaveFileTest, CloseBoxAsksOnlyForAChangedORT)
{
    New_14();
    EXPECT_TRUE(main->close()); // unchanged: no question
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    New_14();
    Edit();
    boxes.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(main->close());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Save before exiting?"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Program closing"));
    // Still counts as changed: Exit asks again.
    boxes.Answer(MsgAnswer::Cancel);
    main->mnuExit_Click();
    EXPECT_EQ(boxes.Boxes().size(), 2);
    // An undo of the edit leaves nothing to save.
    main->Pages().Main.Control_33->setText(QStringLiteral("FACTORY SET  OWNER REQS "));
    EXPECT_FALSE(Changed_Without_Moving());

    Edit();
    boxes.Answer(MsgAnswer::Yes);
    files.Answer(Path(QStringLiteral("exit.cfg")));
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(Read_File(Path(QStringLiteral("exit.cfg"))).contains("EDITED"));
}

TEST_F(SaveFileTest, CloseBoxNoClosesWithoutSaving)
{
    New_14();
    Edit();
    boxes.Answer(MsgAnswer::No);
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(files.Requests().isEmpty());
}

TEST_F(SaveFileTest, CloseBoxYesWithACancelledSaveAsKeepsTheProgramRunning)
{
    New_14();
    Edit();
    boxes.Answer(MsgAnswer::Yes);
    files.Answer(QString());
    EXPECT_FALSE(main->close());
}

TEST_F(SaveFileTest, ConvertStartsFromTheFieldsAsTheyAreNow)
{
    New_14(2); // composite, type 15
    main->Pages().Main.Control_53->setText(QStringLiteral("UNSAVED"));
    When_Type_Dialog_Shows([this](ORT_Type_Dialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Convert ORT"));
        Create_ORT(Row_Of("Option_012"), 2); // composite of generation 3 (type 9)
    });
    commands->mnuConvert_Click();
    EXPECT_EQ(core::Versions().ORT_Type, 9);
    EXPECT_EQ(core::Versions().Secured_Loaded.ORT_Type, 15);
    EXPECT_EQ(main->Pages().Main.Control_53->text(), QStringLiteral("UNSAVED"));
}

TEST_F(SaveFileTest, FailureMaskingNeedsASecuredPartition)
{
    New_14();
    commands->mnuFailureMasking_Click();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text,
              QStringLiteral("Failure Masking... is applicable to a secured partition only"));
    EXPECT_EQ(boxes.Boxes()[0].title, QString());

    New_14(2);
    boxes.Clear();
    commands->mnuFailureMasking_Click();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_TRUE(main->Pages().Failure_Masks().isVisible());
}

TEST_F(SaveFileTest, PartNumberStepAsksWithoutMovingTheBaseline)
{
    QList<bool> steps;
    main->Set_PN_Step([&steps](bool changed) { steps << changed; });
    New_ORT("Option_012", 1); // airframer level 0: no step
    ASSERT_TRUE(Save_As(QStringLiteral("a.cfg")));
    EXPECT_TRUE(steps.isEmpty());

    New_ORT("Option_145_924", 1); // airframer level 3
    const std::uint16_t baseline = main->get_Last_Saved_CRC();
    main->Part_Number_Step();
    Edit();
    main->Part_Number_Step();
    main->Part_Number_Step();
    EXPECT_EQ(steps, (QList<bool>{false, true, true}));
    EXPECT_EQ(main->get_Last_Saved_CRC(), baseline);
    // Save runs the step before writing.
    ASSERT_TRUE(Save_As(QStringLiteral("b.cfg")));
    EXPECT_EQ(steps.size(), 4);
    EXPECT_TRUE(steps.last());
}

TEST_F(SaveFileTest, SaveSortsTheGESList)
{
    New_14();
    QListWidget* ges = main->Pages().Sat_GES().Control_02;
    ges->insertItem(0, QStringLiteral("07   002   1   LAST"));
    ASSERT_TRUE(Save_As(QStringLiteral("a.cfg")));
    QStringList lines;
    for (int i = 0; i < ges->count(); ++i)
        lines << ges->item(i)->text();
    QStringList sorted = lines;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(lines, sorted);
    EXPECT_NE(lines.first(), QStringLiteral("07   002   1   LAST"));
}

TEST_F(SaveFileTest, NoListOfAClosedORTReachesTheNextOne)
{
    New_14(2);
    QListWidget* masks = main->Pages().Failure_Masks().Control_38;
    const int mask_lines = masks->count();
    masks->addItem(QStringLiteral(" 01       A     02        Failure"));
    main->Pages().Cockpit_Numbers().Control_05[1]->addItem(QStringLiteral("OLD"));
    main->Pages().General().Control_78->addItem(QStringLiteral("OLD"));
    boxes.Answer(MsgAnswer::No);
    commands->mnuClose_Click();
    EXPECT_EQ(masks->count(), 0);
    New_14(2);
    EXPECT_EQ(masks->count(), mask_lines);
    EXPECT_TRUE(main->Pages().Cockpit_Numbers().Control_05[1]->findItems(
        QStringLiteral("OLD"), Qt::MatchExactly).isEmpty());
    EXPECT_TRUE(main->Pages().General().Control_78->findItems(
        QStringLiteral("OLD"), Qt::MatchExactly).isEmpty());
}
