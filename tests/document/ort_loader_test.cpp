// Opening ORT files: every refusal with its box and in its order, the
// configuration question and its cancel, the partial-loading boxes, the
// records read, and the baseline a load leaves.
#include "tests/document/ort_loader_fixture.h"

#include "editor/document/change_check.h"
#include "editor/document/ort_loader_errors.h"
#include "editor/pages_tables/sat_row.h"
#include "editor/user_partition/user_record_v14.h"

#include <QListWidget>

using namespace loader_test;
using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

class Loader : public Loader_Fixture {
protected:
    // Loads a file that is refused before the configuration question.
    Ort_Loader::Load_Result Open_Refused(const QByteArray& bytes)
    {
        Write_All(Path(QStringLiteral("in.cfg")), bytes);
        return Ort_Loader::Load_File(Path(QStringLiteral("in.cfg")), *pages, window);
    }

    // The one box of a refused load.
    void Expect_Refusal(const QString& text, const QString& title, MsgIcon icon)
    {
        ASSERT_EQ(boxes.Boxes().size(), 1) << boxes.Texts().join(u'|').toStdString();
        const testsupport::Recorded_Box& box = boxes.Boxes().first();
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_EQ(window.resets, 1);
        EXPECT_EQ(window.shown, 0);
    }

    void Expect_Invalid_Header()
    {
        Expect_Refusal(QStringLiteral("Invalid file header"), QStringLiteral("Load error"),
                       MsgIcon::Critical);
    }

    QString Unknown(int number, const QString& description) const
    {
        return QStringLiteral("Unknown Error in MerivaneMain.Load_File: #") +
               QString::number(number) + QStringLiteral(", ") + description;
    }
};

QByteArray Zero_Data(std::int32_t type)
{
    return QByteArray(core::Get_Record_Length(type) + 1, '\0');
}

} // namespace

TEST_F(Loader, FileShorterThanItsHeaderIsAnInvalidHeader)
{
    EXPECT_EQ(Open_Refused(QByteArray("OHQUENDRALL")), Ort_Loader::Load_Result::Refused);
    Expect_Invalid_Header();
}

TEST_F(Loader, EmptyFileIsAnInvalidHeader)
{
    EXPECT_EQ(Open_Refused(QByteArray()), Ort_Loader::Load_Result::Refused);
    Expect_Invalid_Header();
}

TEST_F(Loader, ObsoleteToolVersionComesBeforeTheMakerText)
{
    QByteArray file = Make_File(QStringLiteral("08"), Zero_Data(8), std::nullopt, 21);
    file[2] = 'X'; // maker text
    Open_Refused(file);
    Expect_Refusal(QStringLiteral("ORT file created by invalid/obsolete version of Merivane"),
                   QStringLiteral("Load Error"), MsgIcon::Critical);
}

TEST_F(Loader, ToolVersionsAroundTheObsoleteRangePass)
{
    for (std::uint8_t tool : {18, 24}) {
        Set_Target(Target_Of(8));
        QByteArray file = Make_File(QStringLiteral("08"), Zero_Data(8), std::nullopt, tool);
        file[2] = 'X';
        boxes.Clear();
        window.resets = 0;
        Open_Refused(file);
        Expect_Invalid_Header(); // the maker text, not the tool version
    }
}

TEST_F(Loader, EachIdentityFieldIsChecked)
{
    const QByteArray good = Make_File(QStringLiteral("08"), Zero_Data(8));
    const std::pair<int, char> changes[] = {{0, 'o'}, {17, '_'}, {18, '7'}, {25, '_'}, {28, 1}};
    for (const auto& [at, value] : changes) {
        QByteArray file = good;
        file[at] = value;
        boxes.Clear();
        window.resets = 0;
        Open_Refused(file);
        Expect_Invalid_Header();
    }
}

TEST_F(Loader, HeaderSizeStoredLowByteFirstIsAnInvalidHeader)
{
    QByteArray file = Make_File(QStringLiteral("08"), Zero_Data(8));
    file[28] = 0x2C;
    file[29] = 0x00;
    Open_Refused(file);
    Expect_Invalid_Header();
}

TEST_F(Loader, LengthIsCheckedBeforeTheCRC)
{
    // Composite of the first generation one byte short, with a wrong CRC too.
    const QByteArray data(22535, '\0');
    Open_Refused(Make_File(QStringLiteral("15"), data, 0x1234));
    Expect_Invalid_Header();
}

TEST_F(Loader, ChangedDataByteFailsTheCRC)
{
    QByteArray data(22536, '\0');
    QByteArray file = Make_File(QStringLiteral("15"), data);
    file[44 + 100] = 1;
    Open_Refused(file);
    Expect_Refusal(QStringLiteral("CRC Comparison Failed"), QStringLiteral("CRC Error"),
                   MsgIcon::Critical);
    EXPECT_EQ(window.crc, 0); // the stored CRC only becomes the baseline after the check
}

TEST_F(Loader, OldFormatWithLengthOneMustBeConvertedFirst)
{
    Set_Target(Target_Of(8));
    boxes.Answer(MsgAnswer::Yes);
    Open_Refused(Make_File(QStringLiteral("02"), QByteArray(1, '\x5A')));
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Correct SW Config Number?"));
    const testsupport::Recorded_Box& box = boxes.Boxes()[1];
    EXPECT_EQ(box.text, QStringLiteral("Must convert older ORT before opening..."));
    EXPECT_EQ(box.title, QString());
    EXPECT_EQ(box.icon, MsgIcon::None);
}

TEST_F(Loader, OldFormatWithAnyOtherLengthIsAnInvalidHeader)
{
    Open_Refused(Make_File(QStringLiteral("02"), QByteArray(2, '\0')));
    Expect_Invalid_Header();
}

TEST_F(Loader, UnknownTypeWithLengthOneIsAnInvalidHeader)
{
    Set_Target(Target_Of(8));
    boxes.Answer(MsgAnswer::Yes);
    Open_Refused(Make_File(QStringLiteral("16"), QByteArray(1, '\0')));
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[1].text, QStringLiteral("Invalid file header"));
}

TEST_F(Loader, TypeTextThatIsNoNumberIsATypeMismatch)
{
    Open_Refused(Make_File(QStringLiteral("AB"), QByteArray(1, '\0')));
    Expect_Refusal(Unknown(13, QStringLiteral("Type mismatch")), QString(), MsgIcon::None);
}

TEST_F(Loader, TruncatedDataIsRefusedWithoutReadingPastTheEnd)
{
    QByteArray file = Make_File(QStringLiteral("14"), Zero_Data(14));
    for (const qsizetype cut : {qsizetype(44), qsizetype(1000), file.size() - 1}) {
        boxes.Clear();
        window.resets = 0;
        Open_Refused(file.left(cut));
        Expect_Refusal(Unknown(62, QStringLiteral("Input past end of file")), QString(),
                       MsgIcon::None);
    }
}

TEST_F(Loader, MissingFileIsAFileNotFound)
{
    Ort_Loader::Load_File(Path(QStringLiteral("none.cfg")), *pages, window);
    Expect_Refusal(Unknown(53, QStringLiteral("File not found")), QString(), MsgIcon::None);
}

TEST_F(Loader, SecuredOnlyFileIsRefusedAfterTheQuestion)
{
    const QByteArray file = Make_Written_File(Target_Of(13), QStringLiteral("s.cfg"));
    Set_Target(Target_Of(14));
    boxes.Clear();
    boxes.Answer(MsgAnswer::Yes);
    Ort_Loader::Load_File(Path(QStringLiteral("s.cfg")), *pages, window);
    ASSERT_EQ(boxes.Boxes().size(), 2);
    const testsupport::Recorded_Box& question = boxes.Boxes()[0];
    EXPECT_EQ(question.text, QStringLiteral("6240118-xx012\r\n\r\nIs this the correct target SDU "
                                            "Software Configuration Number?"));
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    const testsupport::Recorded_Box& box = boxes.Boxes()[1];
    EXPECT_EQ(box.text, QStringLiteral("Cannot edit this ORT with USER version of Merivane"));
    EXPECT_EQ(box.title, QStringLiteral("Load Error"));
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(window.resets, 1);
}

TEST_F(Loader, RefusalKeepsTheFailedFileNameAndTheBaseline)
{
    window.crc = 0x1234;
    Open_Refused(QByteArray(10, 'x'));
    EXPECT_EQ(window.crc, 0x1234);
    EXPECT_EQ(window.caption, QStringLiteral("Merivane")); // the no-ORT state
}

TEST_F(Loader, ErrorBoxTable)
{
    const Ort_Loader::Load_Error_Box in_use = Ort_Loader::Error_Box(
        70, QStringLiteral("Permission denied"), Ort_Loader::LOAD_PROCEDURE, QStringLiteral("/a/b.cfg"));
    EXPECT_EQ(in_use.Text, QStringLiteral("/a/b.cfg"));
    EXPECT_EQ(in_use.Title, QStringLiteral("File Already Open or In Use"));
    EXPECT_TRUE(in_use.Critical);
    const Ort_Loader::Load_Error_Box other = Ort_Loader::Error_Box(
        57, QStringLiteral("Device I/O error"), QStringLiteral("X.Y"), QString());
    EXPECT_EQ(other.Text, QStringLiteral("Unknown Error in X.Y: #57, Device I/O error"));
    EXPECT_FALSE(other.Critical);
}

TEST_F(Loader, CheckLengthTakesTheRecordSizePlusOne)
{
    EXPECT_NO_THROW(Ort_Loader::Check_ORT_Length(QStringLiteral("08"), 19320));
    EXPECT_NO_THROW(Ort_Loader::Check_ORT_Length(QStringLiteral("15"), 22536));
    EXPECT_NO_THROW(Ort_Loader::Check_ORT_Length(QStringLiteral("16"), 1));
    EXPECT_THROW(Ort_Loader::Check_ORT_Length(QStringLiteral("08"), 19319), Ort_Loader::Load_Error);
    EXPECT_THROW(Ort_Loader::Check_ORT_Length(QStringLiteral("16"), 0), Ort_Loader::Load_Error);
    try {
        Ort_Loader::Check_ORT_Length(QStringLiteral("A1"), 1);
        ADD_FAILURE();
    } catch (const Ort_Loader::File_Error& error) {
        EXPECT_EQ(error.Number(), 13);
    }
}

// --- successful loads ---------------------------------------------------------------

TEST_F(Loader, UserFileIntoUserTargetShowsNoBoxAndTakesTheBaseline)
{
    const QByteArray file = Make_Written_File(Target_Of(8), QStringLiteral("u.cfg"));
    Reset_Program_State();
    Set_Target(Target_Of(8));
    boxes.Clear();
    EXPECT_EQ(Open(Path(QStringLiteral("u.cfg"))), Ort_Loader::Load_Result::Loaded);
    EXPECT_EQ(boxes.Boxes().size(), 1); // the question only
    EXPECT_EQ(window.shown, 1);
    EXPECT_EQ(window.shown_tool_version, 36);
    EXPECT_EQ(window.caption, QStringLiteral("Merivane - ") + Path(QStringLiteral("u.cfg")));
    // The baseline is the CRC of the records converted into the target.
    EXPECT_EQ(window.crc, core::Calc_CRC16(Ort_Writer::Records_Data(8)));
    EXPECT_NE(window.crc, 0);
    // Loaded and unchanged: nothing to save.
    EXPECT_FALSE(Change_Check::Check_ORT_Changed(*pages, window.crc));
    EXPECT_EQ(core::Versions().User_Loaded.ORT_Type, 8);
    EXPECT_EQ(core::Versions().User_Loaded.Record_Revision, 1);
}

TEST_F(Loader, TrailingBytesAreIgnored)
{
    const QByteArray file = Make_Written_File(Target_Of(14), QStringLiteral("t.cfg"));
    Write_All(Path(QStringLiteral("t.cfg")), file + QByteArray(5000, '\xEE'));
    Reset_Program_State();
    Set_Target(Target_Of(14));
    EXPECT_EQ(Open(Path(QStringLiteral("t.cfg"))), Ort_Loader::Load_Result::Loaded);
    EXPECT_EQ(window.crc, core::Calc_CRC16(Ort_Writer::Records_Data(14)));
    EXPECT_EQ(core::Versions().User_Loaded.Record_Revision,
              static_cast<std::uint8_t>(file[44 + 21365]));
}

// A generation-14 file whose GES, satellite and LES columns hold values their
// list lines cannot: each loads as its default with a "***" line, as in the
// older generations, and the converted record keeps what the lists show.
TEST_F(Loader, GenerationFourteenListColumnsOutOfRangeLoadAsTheirDefaults)
{
    const QByteArray written = Make_Written_File(Target_Of(14), QStringLiteral("u.cfg"));
    constexpr int HEADER = 44;
    QByteArray data = written.mid(HEADER, written.size() - HEADER - 2);
    const auto put = [&data](int offset, int width, std::int64_t value) {
        for (int i = width - 1; i >= 0; --i, value >>= 8)
            data[offset + i] = static_cast<char>(value & 0xFF);
    };
    put(30 + 2, 1, 10);      // GES entry 0: preference 10
    put(2338, 1, 64);        // satellite entry 0: ID 64 (octal 100)
    put(2338 + 7, 1, 200);   // satellite entry 1: ID 200 (octal 310) ...
    put(19470 + 2, 1, 200);
    put(19525, 1, 200);      // ... which offers SBB at 10 degrees
    put(19525 + 1, 1, 1);
    put(19525 + 2, 2, 20);
    put(19589, 4, 1);
    put(18686 + 1, 2, 1000); // MPDS entry 0: LES ID 1000
    Write_All(Path(QStringLiteral("bad.cfg")), Make_File(QStringLiteral("14"), data));
    Reset_Program_State();
    Set_Target(Target_Of(14));
    boxes.Clear();

    ASSERT_EQ(Open(Path(QStringLiteral("bad.cfg"))), Ort_Loader::Load_Result::Loaded);
    EXPECT_EQ(boxes.Boxes().size(), 1); // the question only

    QListWidget* ges = pages->Sat_GES().Control_02;
    ASSERT_GE(ges->count(), 1);
    EXPECT_EQ(ges->item(0)->text(), QStringLiteral("00   002   1   EIK-AW         "));
    QListWidget* sats = pages->Sat_GES().Control_03;
    ASSERT_GE(sats->count(), 2);
    const modSat_Table_Dialog::Sat_Row first = modSat_Table_Dialog::Parse_Sat_Line(sats->item(0)->text());
    const modSat_Table_Dialog::Sat_Row second = modSat_Table_Dialog::Parse_Sat_Line(sats->item(1)->text());
    EXPECT_EQ(first.Sat_ID, 0);
    EXPECT_EQ(first.Name, QStringLiteral("AOR-W"));
    EXPECT_EQ(first.Services, 0);
    EXPECT_EQ(second.Sat_ID, 0);
    EXPECT_EQ(second.Name, QStringLiteral("AOR-E"));
    EXPECT_EQ(second.Services, 1);
    EXPECT_EQ(second.Longitude, 10.0F);
    QListWidget* mpds = pages->HSD_S64().Control_67;
    ASSERT_GE(mpds->count(), 1);
    EXPECT_EQ(mpds->item(0)->text().mid(4, 3), QStringLiteral("  0"));
    EXPECT_EQ(mpds->item(0)->text().size(), 10);

    QString report = QString::fromLatin1(Read_All(core::Convert_Report_Path()));
    const auto range_lines = [](const char* label, const char* was, const char* now) {
        const QString prefix = QStringLiteral("Item ") + QLatin1String(label) + QStringLiteral(" - ");
        return QStringLiteral("*** ") + prefix + QStringLiteral("Value out of range, was: ") +
               QLatin1String(was) + QStringLiteral("\r\n") + QString(prefix.size() + 4, u' ') +
               QStringLiteral("             Changed to: ") + QLatin1String(now) + QStringLiteral("\r\n");
    };
    const QStringList expected = {
        range_lines("lxvii-LES ID", "1000", "0"),
        range_lines("ii-Preference", "10", "1"),
        range_lines("iii-SAT ID", "100(Octal)", "0(Octal)"),
        range_lines("iii-SAT ID", "310(Octal)", "0(Octal)"),
    };
    for (const QString& lines : expected) {
        EXPECT_TRUE(report.contains(lines)) << report.toStdString();
        report.remove(report.indexOf(lines), lines.size());
    }
    EXPECT_FALSE(report.contains(QStringLiteral("*** Item"))) << report.toStdString();

    // The converted record holds what the lists show.
    const QByteArray saved = User_Mod::User_Record_V14().Bytes();
    EXPECT_EQ(saved[30 + 2], 1);
    EXPECT_EQ(saved[2338], 0);
    EXPECT_EQ(saved[2338 + 7], 0);
    EXPECT_EQ(saved.mid(19525, 4), QByteArray::fromHex("00010014"));
    EXPECT_EQ(saved.mid(19589, 4), QByteArray::fromHex("00000001"));
    EXPECT_EQ(saved.mid(18686 + 1, 2), QByteArray::fromHex("0000"));
}

TEST_F(Loader, UserFileIntoCompositeTargetShowsBoxB)
{
    Make_Written_File(Target_Of(14), QStringLiteral("u.cfg"));
    Set_Target(Target_Of(15));
    boxes.Clear();
    EXPECT_EQ(Open(Path(QStringLiteral("u.cfg"))), Ort_Loader::Load_Result::Loaded);
    ASSERT_GE(boxes.Boxes().size(), 2);
    const testsupport::Recorded_Box& box = boxes.Boxes()[1];
    EXPECT_EQ(box.text, QStringLiteral("ORT configuration data being loaded is \"User.\"\r\n\r\n"
                                       "Only the \"User\" portion of the \"Composite\" data will "
                                       "be loaded."));
    EXPECT_EQ(box.title, QStringLiteral("Limited Data Loading"));
    EXPECT_EQ(box.icon, MsgIcon::None);
}

TEST_F(Loader, RoutingTable)
{
    using Ort_Loader::Limited_Box;
    EXPECT_EQ(Ort_Loader::Route_Type(5, 0), Limited_Box::A);
    EXPECT_EQ(Ort_Loader::Route_Type(11, 1), Limited_Box::None);
    EXPECT_EQ(Ort_Loader::Route_Type(14, 2), Limited_Box::B);
    EXPECT_EQ(Ort_Loader::Route_Type(9, 0), Limited_Box::C);
    EXPECT_EQ(Ort_Loader::Route_Type(12, 1), Limited_Box::D);
    EXPECT_EQ(Ort_Loader::Route_Type(15, 2), Limited_Box::None);
    const auto code = [](std::int32_t type) {
        try {
            Ort_Loader::Route_Type(type, 1);
        } catch (const Ort_Loader::Load_Error& error) {
            return error.Number();
        }
        return 0;
    };
    EXPECT_EQ(code(4), 3);
    EXPECT_EQ(code(13), 3);
    EXPECT_EQ(code(0), 99);
    EXPECT_EQ(code(3), 99);
    EXPECT_EQ(code(16), 1);
    EXPECT_EQ(Ort_Loader::Limited_Text(Limited_Box::A),
              QStringLiteral("ORT configuration data being loaded is \"User\" only.\r\n\r\n"
                             "Data not used, target configuration is \"Secured.\""));
    EXPECT_EQ(Ort_Loader::Limited_Text(Limited_Box::C),
              QStringLiteral("ORT configuration data being loaded is \"Composite.\"\r\n\r\n"
                             "Only the \"Secured\" portion of the \"Composite\" data will be "
                             "loaded."));
}

TEST_F(Loader, FirstGenerationFileCountsAsChanged)
{
    for (const std::int32_t type : {5, 6}) {
        Write_All(Path(QStringLiteral("g1.cfg")),
                  Make_File(QStringLiteral("0") + QString::number(type), First_Generation_Data(type)));
        Set_Target(Target_Of(type == 5 ? 14 : 15));
        window.crc = 0x1111;
        boxes.Clear();
        EXPECT_EQ(Open(Path(QStringLiteral("g1.cfg"))), Ort_Loader::Load_Result::Loaded)
            << boxes.Texts().join(u'|').toStdString();
        EXPECT_EQ(window.crc, 0);
        EXPECT_TRUE(Change_Check::Check_ORT_Changed(*pages, window.crc));
    }
}

TEST_F(Loader, CompositeRecordsAreReadSecuredFirst)
{
    const QByteArray file = Make_Written_File(Target_Of(15), QStringLiteral("c.cfg"));
    Reset_Program_State();
    Set_Target(Target_Of(15));
    EXPECT_EQ(Open(Path(QStringLiteral("c.cfg"))), Ort_Loader::Load_Result::Loaded);
    EXPECT_EQ(core::secured::Record_For_Type(15)->Bytes(), file.mid(44, 1170));
    EXPECT_EQ(core::Versions().Secured_Loaded.ORT_Type, 15);
}

TEST_F(Loader, NoAtTheQuestionChoosesOnceWithoutAskingAgain)
{
    Make_Written_File(Target_Of(14), QStringLiteral("u.cfg"));
    boxes.Clear();
    boxes.Answer(MsgAnswer::No);
    EXPECT_EQ(Ort_Loader::Load_File(Path(QStringLiteral("u.cfg")), *pages, window),
              Ort_Loader::Load_Result::Loaded);
    EXPECT_EQ(window.choose_calls, 1);
    EXPECT_EQ(boxes.Boxes().size(), 1);
}

TEST_F(Loader, CancelledChoiceStopsTheLoadAndLeavesTheWindowAsItWas)
{
    Make_Written_File(Target_Of(14), QStringLiteral("u.cfg"));
    const QByteArray record_before = User_Mod::User_Record_For_Type(14)->Bytes();
    window.caption = QStringLiteral("Before");
    window.crc = 0x4321;
    window.choose = [] { return false; };
    boxes.Clear();
    boxes.Answer(MsgAnswer::No);
    EXPECT_EQ(Ort_Loader::Load_File(Path(QStringLiteral("u.cfg")), *pages, window),
              Ort_Loader::Load_Result::Cancelled);
    EXPECT_EQ(window.caption, QStringLiteral("Before"));
    EXPECT_EQ(window.crc, 0x4321);
    EXPECT_EQ(window.resets, 0);
    EXPECT_EQ(window.shown, 0);
    EXPECT_EQ(boxes.Boxes().size(), 1); // the question, no error box
    EXPECT_EQ(User_Mod::User_Record_For_Type(14)->Bytes(), record_before);
}

TEST_F(Loader, UnchosenConfigurationIsChosenBeforeTheQuestion)
{
    Make_Written_File(Target_Of(14), QStringLiteral("u.cfg"));
    window.chosen = false;
    boxes.Clear();
    EXPECT_EQ(Open(Path(QStringLiteral("u.cfg"))), Ort_Loader::Load_Result::Loaded);
    EXPECT_EQ(window.choose_calls, 1);

    window.choose = [] { return false; };
    EXPECT_EQ(Ort_Loader::Load_File(Path(QStringLiteral("u.cfg")), *pages, window),
              Ort_Loader::Load_Result::Cancelled);
}

TEST_F(Loader, LoadEmptiesTheListsItFillsByAppending)
{
    const QByteArray file = Make_Written_File(Target_Of(15), QStringLiteral("c.cfg"));
    const int masks = pages->Failure_Masks().Control_38->count();
    const int ges = pages->Sat_GES().Control_02->count();
    pages->Failure_Masks().Control_38->addItem(QStringLiteral(" 01       A     02        Failure"));
    pages->Sat_GES().Control_02->addItem(QStringLiteral("77   777   1   EXTRA"));
    pages->Cockpit_Numbers().Control_05[0]->addItem(QStringLiteral("EXTRA"));
    Set_Target(Target_Of(15));
    EXPECT_EQ(Open(Path(QStringLiteral("c.cfg"))), Ort_Loader::Load_Result::Loaded);
    EXPECT_EQ(pages->Failure_Masks().Control_38->count(), masks);
    EXPECT_EQ(pages->Sat_GES().Control_02->count(), ges);
    EXPECT_TRUE(pages->Cockpit_Numbers().Control_05[0]->findItems(QStringLiteral("EXTRA"),
                                                                  Qt::MatchExactly).isEmpty());
}
