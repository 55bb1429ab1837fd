// The File commands checked from the outside: the exact questions and boxes
// (text, title, icon, buttons), what a save writes and the baseline it
// leaves, the CMT upload file's baseline, Save Text File As naming, and the
// text report's header block through the window.
#include "file_commands_fixture.h"

#include "editor/core/ascii_hex.h"
#include "editor/core/ort_file_header.h"
#include "editor/core/text_helpers.h"
#include "editor/pages/page_frame.h"
#include "editor/pages/page_general.h"

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

class FileCommandBoxes : public FileCommandsTest {
protected:
    void Expect_Box(int index, const QString& text, const QString& title, MsgIcon icon,
                    MsgButtons buttons)
    {
        ASSERT_GT(boxes.Boxes().size(), index) << boxes.Texts().join(u'|').toStdString();
        const testsupport::Recorded_Box& box = boxes.Boxes()[index];
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.buttons, buttons);
    }

    QLineEdit* Field(const char* name) const
    {
        return main->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
};

std::uint16_t Stored_CRC(const QByteArray& file)
{
    return static_cast<std::uint16_t>((std::uint8_t(file[file.size() - 2]) << 8) |
                                      std::uint8_t(file[file.size() - 1]));
}

} // namespace

TEST_F(FileCommandBoxes, SaveBeforeClosingQuestionIsExact)
{
    New_14();
    boxes.Answer(MsgAnswer::Cancel);
    commands->mnuClose_Click();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    Expect_Box(0, QStringLiteral("Save before closing?"), QStringLiteral("File closing"),
               MsgIcon::None, MsgButtons::YesNoCancel);
    EXPECT_TRUE(main->Is_ORT_Loaded());
}

TEST_F(FileCommandBoxes, CloseIsAskedEvenRightAfterASave)
{
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("a.cfg")));
    boxes.Answer(MsgAnswer::No);
    commands->mnuClose_Click();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Save before closing?"));
    EXPECT_FALSE(main->Is_ORT_Loaded());
}

TEST_F(FileCommandBoxes, SaveBeforeExitingQuestionIsExact)
{
    New_14();
    Edit();
    boxes.Answer(MsgAnswer::Cancel);
    main->mnuExit_Click();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    Expect_Box(0, QStringLiteral("Save before exiting?"), QStringLiteral("Program closing"),
               MsgIcon::None, MsgButtons::YesNoCancel);
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_TRUE(Changed_Without_Moving());
}

TEST_F(FileCommandBoxes, FailureMaskingNeedsASecuredPartition)
{
    New_14(); // user only
    commands->mnuFailureMasking_Click();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    Expect_Box(0, QStringLiteral("Failure Masking... is applicable to a secured partition only"),
               QString(), MsgIcon::None, MsgButtons::Ok);
    boxes.Clear();
    New_14(2); // composite, type 15
    ASSERT_EQ(core::Versions().ORT_Type, 15);
    commands->mnuFailureMasking_Click();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(FileCommandBoxes, SaveWritesHeaderDataCRCAndTakesTheBaseline)
{
    New_14(2);
    ASSERT_TRUE(Save_As(QStringLiteral("c.cfg")));
    Edit();
    ASSERT_TRUE(commands->mnuSave_Click());
    const QByteArray file = Read_File(Path(QStringLiteral("c.cfg")));
    ASSERT_EQ(file.size(), 22582);
    EXPECT_EQ(file.left(28), QByteArray("OHQUENDRALL/ZELKO 6240100-15"));
    EXPECT_EQ(file.mid(28, 2), QByteArray("\x00\x2C", 2));
    EXPECT_EQ(file.mid(30, 9), core::Get_Date_Stamp().toLatin1());
    EXPECT_EQ(std::uint8_t(file[39]), 36);
    EXPECT_EQ(file.mid(40, 4), QByteArray("\x00\x00\x58\x08", 4)); // 22536
    EXPECT_EQ(Stored_CRC(file), core::Calc_CRC16(file.mid(44, 22536)));
    EXPECT_EQ(main->get_Last_Saved_CRC(), Stored_CRC(file));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Merivane - ") + Path(QStringLiteral("c.cfg")));
    EXPECT_TRUE(file.contains("EDITED"));
    EXPECT_FALSE(Changed_Without_Moving());
}

TEST_F(FileCommandBoxes, SaveOntoAFolderReportsTheCommandErrorAndChangesNothing)
{
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("a.cfg")));
    const std::uint16_t crc = main->get_Last_Saved_CRC();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.cfg")));
    main->Current_File = Path(QStringLiteral("folder.cfg"));
    main->setWindowTitle(QStringLiteral("before"));
    Edit();
    EXPECT_FALSE(commands->mnuSave_Click());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    Expect_Box(0, QStringLiteral("mnuSave Error type: 75, Path/File access error"), QString(),
               MsgIcon::None, MsgButtons::Ok);
    EXPECT_EQ(main->get_Last_Saved_CRC(), crc);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("before"));
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("folder.cfg")));
}

TEST_F(FileCommandBoxes, CmtUploadFileTakesTheWritersCRCAsTheBaseline)
{
    New_14();
    Edit();
    files.Answer(Path(QStringLiteral("up.Hex")));
    ASSERT_TRUE(commands->mnuSaveCmtAsciiHex_Click());
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("up.Hex")));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Merivane - ") + Path(QStringLiteral("up.Hex")));
    const core::Ascii_Hex_Decode_Result decoded =
        core::Decode_Ascii_Hex(Read_File(Path(QStringLiteral("up.Hex"))));
    ASSERT_EQ(decoded.Bytes.size(), 44 + 21366 + 2);
    EXPECT_EQ(main->get_Last_Saved_CRC(), Stored_CRC(decoded.Bytes));
    EXPECT_FALSE(Changed_Without_Moving());
}

TEST_F(FileCommandBoxes, SaveTextFileAsWithoutAnOldExtensionNamesTheORTCfg)
{
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("plain")));
    ASSERT_EQ(core::Get_Extension(main->Current_File), QString());
    files.Answer(Path(QStringLiteral("rep.txt")));
    commands->mnuSaveAsText_Click();
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("rep.cfg")));
    EXPECT_TRUE(main->Name_Not_Saved);
    EXPECT_TRUE(Read_File(Path(QStringLiteral("rep.txt")))
                    .contains(("ORT FILE NAME: " + Path(QStringLiteral("rep.cfg")) + "\r\n").toLatin1()));
    // A cancelled dialog changes nothing.
    files.Answer(QString());
    commands->mnuSaveAsText_Click();
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("rep.cfg")));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(FileCommandBoxes, SaveAfterSaveTextFileAsAsksForANameInsteadOfReplacingAnotherORT)
{
    // Another ORT already lives under the name the report will give.
    New_14(2);
    ASSERT_TRUE(Save_As(QStringLiteral("victim.cfg")));
    const QByteArray victim = Read_File(Path(QStringLiteral("victim.cfg")));
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("mine.cfg")));
    Edit();
    files.Answer(Path(QStringLiteral("victim.txt")));
    commands->mnuSaveAsText_Click();
    ASSERT_EQ(main->Current_File, Path(QStringLiteral("victim.cfg")));
    const qsizetype requests = files.Requests().size();

    // Save, and Yes at either closing question, go through Save As.
    files.Answer(QString());
    EXPECT_FALSE(commands->mnuSave_Click());
    boxes.Answer(MsgAnswer::Yes);
    files.Answer(QString());
    commands->mnuClose_Click();
    boxes.Answer(MsgAnswer::Yes);
    files.Answer(QString());
    EXPECT_FALSE(main->close());
    ASSERT_EQ(files.Requests().size(), requests + 3);
    EXPECT_EQ(files.Requests().last().title, QStringLiteral("Save As"));
    EXPECT_EQ(files.Requests().last().file_name, Path(QStringLiteral("victim")));
    EXPECT_TRUE(main->Is_ORT_Loaded());
    EXPECT_EQ(Read_File(Path(QStringLiteral("victim.cfg"))), victim);

    // The same name chosen in Save As, and Yes to replacing it, is the
    // user's own choice.
    boxes.Answer(MsgAnswer::Yes);
    ASSERT_TRUE(Save_As(QStringLiteral("victim.cfg")));
    EXPECT_TRUE(Read_File(Path(QStringLiteral("victim.cfg"))).contains("EDITED"));
    EXPECT_TRUE(commands->mnuSave_Click());
    EXPECT_EQ(files.Requests().size(), requests + 4);
}

TEST_F(FileCommandBoxes, ReportHeaderBlockThroughTheWindow)
{
    New_14(2); // composite, type 15
    core::Versions().Secured_Current.Feature_Level = 2;
    Field("Control_87")->setText(QStringLiteral("SPN"));
    Field("Control_53")->setText(QStringLiteral("SDESC"));
    Field("Control_86")->setText(QStringLiteral("UPN"));
    Field("Control_33")->setText(QStringLiteral("UDESC"));
    main->set_Last_Saved_CRC(0xFFFF);
    main->Data_Loader_Type_Text = QStringLiteral("DLT");
    core::Chosen_Type().Software_Config_Text = QStringLiteral("SCT");
    const QString path = Path(QStringLiteral("h.txt"));
    main->Write_Text_Output(path, QStringLiteral("/o/x.cfg"));
    const QStringList lines = QString::fromLatin1(Read_File(path)).split(QStringLiteral("\r\n"));
    const QString rule(40, QLatin1Char('='));
    const QString revision =
        QString::number(core::Versions().Secured_Current.Record_Revision, 16).toUpper() +
        QLatin1Char('/') + QString::number(core::Versions().User_Current.Record_Revision, 16).toUpper();
    const QStringList expected = {
        QStringLiteral("QUENDRALL/MORVIK ORT FILE PARAMETERS"),
        QStringLiteral("REPORT DATE: ") + core::Get_Date_Stamp(),
        QString(),
        rule,
        QStringLiteral("ORT CREATED BY: Merivane 5.3, KT6650382-107"),
        QStringLiteral("ORT FILE NAME: /o/x.cfg"),
        QStringLiteral("Secured ORT Part Number: SPN"),
        QStringLiteral("Secured ORT Description: SDESC"),
        QStringLiteral("User ORT Part Number: UPN"),
        QStringLiteral("User ORT Description: UDESC"),
        QStringLiteral("ORT FILE FORMAT VERSION: 15 (") + revision + QLatin1Char(')'),
        QString(),
        QStringLiteral("Data Loader Type: DLT"),
        QStringLiteral("SDU Part Number: SCT"),
        QStringLiteral("ORT CRC: FFFF"),
        rule,
        QString(),
        QString(),
        rule,
        QStringLiteral("==== ORT OPTIONS:"),
        rule,
        QString(),
        rule,
        QStringLiteral("==== ") + main->Pages().General().windowTitle(),
        rule,
    };
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(lines.mid(0, expected.size()), expected);
}

TEST_F(FileCommandBoxes, CancelledConfigurationChoiceAfterACmtDownloadFileLeavesNoHexCaption)
{
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("a.cfg")));
    const QString hex = Path(QStringLiteral("y.Hex"));
    ASSERT_TRUE(core::Binary_To_Ascii(Path(QStringLiteral("a.cfg")), hex));
    boxes.Answer(MsgAnswer::No); // Save before closing?
    commands->mnuClose_Click();
    ASSERT_FALSE(main->Is_ORT_Loaded());
    const QString caption = main->windowTitle();
    main->Current_File = Path(QStringLiteral("before.cfg"));

    files.Answer(hex);
    boxes.Answer(MsgAnswer::No); // not the correct configuration
    When_Type_Dialog_Shows([](ORT_Type_Dialog& dialog) { dialog.reject(); });
    commands->mnuOpenCmtAsciiHex_Click();
    EXPECT_FALSE(main->Is_ORT_Loaded());
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("before.cfg")));
    EXPECT_EQ(main->windowTitle(), caption);
}

TEST_F(FileCommandBoxes, NewAndConvertShowTheTypeDialogWithTheirCaptions)
{
    QString caption;
    When_Type_Dialog_Shows([&caption](ORT_Type_Dialog& dialog) {
        caption = dialog.windowTitle();
        dialog.reject();
    });
    commands->mnuNew_Click(); // no ORT open: no question
    EXPECT_EQ(caption, QStringLiteral("Create New ORT"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_FALSE(main->Is_ORT_Loaded());
    EXPECT_EQ(main->Current_File, QString());

    New_14();
    caption.clear();
    When_Type_Dialog_Shows([&caption](ORT_Type_Dialog& dialog) {
        caption = dialog.windowTitle();
        dialog.reject();
    });
    commands->mnuConvert_Click();
    EXPECT_EQ(caption, QStringLiteral("Convert ORT"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(FileCommandBoxes, ExitWithoutAnORTAsksNothing)
{
    ASSERT_FALSE(main->Is_ORT_Loaded());
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(FileCommandBoxes, SaveAsOntoAFolderIsTheCommandsOwnErrorAndKeepsTheFile)
{
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("a.cfg")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("f.cfg")));
    EXPECT_FALSE(Save_As(QStringLiteral("f.cfg")));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    Expect_Box(0, QStringLiteral("mnuSaveAs Error type: 75, Path/File access error"), QString(),
               MsgIcon::None, MsgButtons::Ok);
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("a.cfg")));
    // Into a missing folder: "Invalid File Name" naming the chosen file.
    boxes.Clear();
    EXPECT_FALSE(Save_As(QStringLiteral("nowhere/b.cfg")));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    Expect_Box(0, Path(QStringLiteral("nowhere/b.cfg")), QStringLiteral("Invalid File Name"),
               MsgIcon::Critical, MsgButtons::Ok);
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("a.cfg")));
}

TEST_F(FileCommandBoxes, EverySaveDialogAsksBeforeReplacingTheFileItWrites)
{
    // Another ORT lives in victim.cfg; this one takes that name from its report.
    New_14(2);
    ASSERT_TRUE(Save_As(QStringLiteral("victim.cfg")));
    const QByteArray victim = Read_File(Path(QStringLiteral("victim.cfg")));
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("mine.cfg")));
    files.Answer(Path(QStringLiteral("victim.txt")));
    commands->mnuSaveAsText_Click();
    ASSERT_EQ(main->Current_File, Path(QStringLiteral("victim.cfg")));
    const QByteArray report = Read_File(Path(QStringLiteral("victim.txt")));
    ASSERT_TRUE(boxes.Boxes().isEmpty()) << boxes.Texts().join(u'|').toStdString();

    // Save offers "victim"; Enter; No brings the dialog back at that name.
    files.Answer(Path(QStringLiteral("victim")));
    boxes.Answer(MsgAnswer::No);
    files.Answer(QString());
    EXPECT_FALSE(commands->mnuSave_Click());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    Expect_Box(0, QStringLiteral("victim.cfg already exists.\nDo you want to replace it?"),
               QStringLiteral("Save As"), MsgIcon::Exclamation, MsgButtons::YesNo_Default_No);
    EXPECT_EQ(QDir(files.Requests().last().directory).filePath(files.Requests().last().file_name),
              Path(QStringLiteral("victim")));
    EXPECT_EQ(Read_File(Path(QStringLiteral("victim.cfg"))), victim);

    // The report and the CMT upload file: the question on the name written.
    boxes.Clear();
    files.Answer(Path(QStringLiteral("victim")));
    boxes.Answer(MsgAnswer::No);
    files.Answer(QString());
    commands->mnuSaveAsText_Click();
    files.Answer(Path(QStringLiteral("victim")));
    boxes.Answer(MsgAnswer::No);
    files.Answer(QString());
    EXPECT_FALSE(commands->mnuSaveCmtAsciiHex_Click());
    EXPECT_EQ(boxes.Texts(),
              (QStringList{QStringLiteral("victim.txt already exists.\nDo you want to replace it?"),
                           QStringLiteral("victim.cfg already exists.\nDo you want to replace it?")}));
    EXPECT_EQ(Read_File(Path(QStringLiteral("victim.txt"))), report);
    EXPECT_EQ(Read_File(Path(QStringLiteral("victim.cfg"))), victim);

    // Yes replaces it.
    files.Answer(Path(QStringLiteral("victim")));
    boxes.Answer(MsgAnswer::Yes);
    ASSERT_TRUE(commands->mnuSaveAs_Click());
    EXPECT_NE(Read_File(Path(QStringLiteral("victim.cfg"))), victim);
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("victim.cfg")));
}

TEST_F(FileCommandBoxes, AFolderThatRefusesNewFilesGivesEveryFileCommandTheSameBox)
{
    // A folder without write permission; where the tests run with the
    // privileges to write there anyway, the system's own folder that takes
    // no new file from anyone.
    QString folder = Path(QStringLiteral("ro"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ro")));
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QFile probe(folder + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        folder = QStringLiteral("/sys");
        QFile sys_probe(folder + QStringLiteral("/probe"));
        if (sys_probe.open(QIODevice::WriteOnly)) {
            sys_probe.remove();
            GTEST_SKIP() << "no folder refuses new files here";
        }
    }
    New_14();
    const QString names[] = {folder + QStringLiteral("/a.cfg"), folder + QStringLiteral("/a.txt"),
                             folder + QStringLiteral("/a.Hex")};
    files.Answer(names[0]);
    EXPECT_FALSE(commands->mnuSaveAs_Click());
    files.Answer(names[1]);
    commands->mnuSaveAsText_Click();
    files.Answer(names[2]);
    EXPECT_FALSE(commands->mnuSaveCmtAsciiHex_Click());
    ASSERT_EQ(boxes.Boxes().size(), 3) << boxes.Texts().join(u'|').toStdString();
    for (int i = 0; i < 3; ++i)
        Expect_Box(i, names[i], QStringLiteral("File Already Open or In Use"), MsgIcon::Critical,
                   MsgButtons::Ok);
    EXPECT_TRUE(main->Current_File.isEmpty());
}
