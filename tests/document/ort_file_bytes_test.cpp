// Opening and saving ORT files checked from the outside: the bytes a save
// writes (header, length, CRC computed here bit by bit), the refusals in
// their order with their boxes, the partial-loading boxes, trailing bytes,
// and the baseline a load and a save leave.
#include "tests/document/ort_loader_fixture.h"

#include "editor/document/change_check.h"
#include "editor/document/ort_loader_errors.h"

using namespace loader_test;
using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

// CRC-16/X-25, bit by bit: reflected 0x1021, start 0xFFFF, final XOR 0xFFFF.
std::uint16_t Bitwise_X25(const QByteArray& data)
{
    std::uint16_t crc = 0xFFFF;
    for (const char c : data) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0x8408)
                            : static_cast<std::uint16_t>(crc >> 1);
    }
    return static_cast<std::uint16_t>(crc ^ 0xFFFF);
}

std::uint32_t Be32(const QByteArray& b, int at)
{
    return (std::uint32_t(std::uint8_t(b[at])) << 24) | (std::uint32_t(std::uint8_t(b[at + 1])) << 16) |
           (std::uint32_t(std::uint8_t(b[at + 2])) << 8) | std::uint32_t(std::uint8_t(b[at + 3]));
}

std::uint16_t Be16(const QByteArray& b, qsizetype at)
{
    return static_cast<std::uint16_t>((std::uint8_t(b[at]) << 8) | std::uint8_t(b[at + 1]));
}

const QString CONFIG_QUESTION_TAIL =
    QStringLiteral("\r\n\r\nIs this the correct target SDU Software Configuration Number?");

class OrtFileBytes : public Loader_Fixture {
protected:
    // A file refused before the configuration question.
    void Open_Refused(const QByteArray& bytes)
    {
        Write_All(Path(QStringLiteral("bad.cfg")), bytes);
        EXPECT_EQ(Ort_Loader::Load_File(Path(QStringLiteral("bad.cfg")), *pages, window),
                  Ort_Loader::Load_Result::Refused);
    }

    void Expect_One_Box(const QString& text, const QString& title, MsgIcon icon)
    {
        ASSERT_EQ(boxes.Boxes().size(), 1) << boxes.Texts().join(u'|').toStdString();
        EXPECT_EQ(boxes.Boxes()[0].text, text);
        EXPECT_EQ(boxes.Boxes()[0].title, title);
        EXPECT_EQ(boxes.Boxes()[0].icon, icon);
        EXPECT_EQ(boxes.Boxes()[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(window.shown, 0);
        EXPECT_EQ(window.resets, 1);
    }

    void Expect_Invalid_Header()
    {
        Expect_One_Box(QStringLiteral("Invalid file header"), QStringLiteral("Load error"),
                       MsgIcon::Critical);
    }

    // A valid written file of type 15 (largest data).
    QByteArray Composite_15() { return Make_Written_File(Target_Of(15), QStringLiteral("c15.cfg")); }
};

struct Written_Length {
    std::int32_t Type;
    std::uint32_t Data_Length;
};

const Written_Length WRITTEN_LENGTHS[] = {
    {7, 658}, {10, 426}, {13, 1170}, {8, 19320}, {11, 7272},
    {14, 21366}, {9, 19978}, {12, 7698}, {15, 22536},
};

} // namespace

TEST_F(OrtFileBytes, EveryWriterLaysOutHeaderDataAndCRCByteForByte)
{
    for (const Written_Length& row : WRITTEN_LENGTHS) {
        SCOPED_TRACE(row.Type);
        Reset_Program_State();
        const QByteArray file = Make_Written_File(Target_Of(row.Type), QStringLiteral("w.cfg"));
        ASSERT_EQ(file.size(), 44 + qsizetype(row.Data_Length) + 2);
        EXPECT_EQ(file.left(2), QByteArray("OH"));
        EXPECT_EQ(file.mid(2, 16), QByteArray("QUENDRALL/ZELKO "));
        EXPECT_EQ(file.mid(18, 8), QByteArray("6240100-"));
        EXPECT_EQ(file.mid(26, 2), QString::asprintf("%02d", row.Type).toLatin1());
        EXPECT_EQ(std::uint8_t(file[28]), 0x00);
        EXPECT_EQ(std::uint8_t(file[29]), 0x2C);
        EXPECT_EQ(file.mid(30, 9), core::Get_Date_Stamp().toLatin1());
        EXPECT_EQ(std::uint8_t(file[39]), 36);
        EXPECT_EQ(Be32(file, 40), row.Data_Length);
        const QByteArray data = file.mid(44, row.Data_Length);
        EXPECT_EQ(Be16(file, 44 + row.Data_Length), Bitwise_X25(data));
    }
}

TEST_F(OrtFileBytes, LoadTakesTheConvertedDataAsTheBaseline)
{
    Make_Written_File(Target_Of(11), QStringLiteral("u11.cfg"));
    Reset_Program_State();
    Set_Target(Target_Of(11));
    ASSERT_EQ(Open(Path(QStringLiteral("u11.cfg"))), Ort_Loader::Load_Result::Loaded);
    Ort_Writer::Update_ORT_Data(*pages, 11);
    EXPECT_EQ(window.crc, Bitwise_X25(Ort_Writer::Records_Data(11)));
    // Nothing edited: the check finds no change, twice.
    EXPECT_FALSE(Change_Check::Check_ORT_Changed(*pages, window.crc));
    EXPECT_FALSE(Change_Check::Check_ORT_Changed(*pages, window.crc));
    // A save writes that data, and its CRC is the baseline.
    const std::optional<std::uint16_t> crc =
        Ort_Writer::Write_ORT(*pages, Path(QStringLiteral("again.cfg")));
    ASSERT_TRUE(crc.has_value());
    EXPECT_EQ(*crc, window.crc);
    const QByteArray again = Read_All(Path(QStringLiteral("again.cfg")));
    EXPECT_EQ(Be16(again, again.size() - 2), window.crc);
}

TEST_F(OrtFileBytes, SecuredSaveOverACompositeFileLeavesOnlyItsOwnBytes)
{
    const QByteArray big = Composite_15();
    ASSERT_EQ(big.size(), 22582);
    Reset_Program_State();
    Set_Target(Target_Of(7));
    modVerConv::New_ORT(*pages);
    ASSERT_TRUE(Ort_Writer::Write_ORT(*pages, Path(QStringLiteral("c15.cfg"))).has_value());
    EXPECT_EQ(Read_All(Path(QStringLiteral("c15.cfg"))).size(), 704);
}

TEST_F(OrtFileBytes, TrailingBytesAfterTheCRCChangeNothing)
{
    const QByteArray file = Composite_15();
    Reset_Program_State();
    Set_Target(Target_Of(15));
    ASSERT_EQ(Open(Path(QStringLiteral("c15.cfg"))), Ort_Loader::Load_Result::Loaded);
    const std::uint16_t plain_crc = window.crc;
    const QByteArray plain_data = Ort_Writer::Records_Data(15);

    Reset_Program_State();
    Write_All(Path(QStringLiteral("tail.cfg")), file + QByteArray(300, '\xA5'));
    Set_Target(Target_Of(15));
    ASSERT_EQ(Open(Path(QStringLiteral("tail.cfg"))), Ort_Loader::Load_Result::Loaded);
    EXPECT_EQ(window.crc, plain_crc);
    EXPECT_EQ(Ort_Writer::Records_Data(15), plain_data);
    EXPECT_EQ(boxes.Boxes().size(), 2); // the two configuration questions only
}

TEST_F(OrtFileBytes, ObsoleteToolVersionsOutrankEveryHeaderFault)
{
    for (const int version : {19, 23}) {
        SCOPED_TRACE(version);
        boxes.Clear();
        window.resets = 0;
        QByteArray bad = Make_File(QStringLiteral("AB"), QByteArray(3, '\0'), 0x1234,
                                   static_cast<std::uint8_t>(version));
        bad[0] = 'X';   // magic
        bad[29] = 0x2D; // header size
        Open_Refused(bad);
        Expect_One_Box(QStringLiteral("ORT file created by invalid/obsolete version of Merivane"),
                       QStringLiteral("Load Error"), MsgIcon::Critical);
    }
}

TEST_F(OrtFileBytes, HeaderFaultsAreInvalidHeaders)
{
    const QByteArray good = Make_File(QStringLiteral("08"), QByteArray(19320, '\0'));
    const auto refuse = [&](int at, char value) {
        SCOPED_TRACE(at);
        boxes.Clear();
        window.resets = 0;
        QByteArray bad = good;
        bad[at] = value;
        Open_Refused(bad);
        Expect_Invalid_Header();
    };
    refuse(1, 'h');   // magic is case-sensitive
    refuse(17, '_');  // the maker text's closing blank
    refuse(25, ' ');  // prefix
    // 44 stored low byte first.
    QByteArray swapped = good;
    swapped[28] = 0x2C;
    swapped[29] = 0x00;
    boxes.Clear();
    window.resets = 0;
    Open_Refused(swapped);
    Expect_Invalid_Header();
}

TEST_F(OrtFileBytes, LengthOneShortIsAnInvalidHeaderEvenWithABadCRC)
{
    Open_Refused(Make_File(QStringLiteral("06"), QByteArray(22535, '\0'), 0x0000));
    Expect_Invalid_Header();
}

TEST_F(OrtFileBytes, OneChangedDataByteFailsTheCRC)
{
    QByteArray file = Composite_15();
    Reset_Program_State();
    file[44 + 100] = static_cast<char>(file[44 + 100] ^ 0x01);
    Open_Refused(file);
    Expect_One_Box(QStringLiteral("CRC Comparison Failed"), QStringLiteral("CRC Error"),
                   MsgIcon::Critical);
}

TEST_F(OrtFileBytes, CRCBytesAreReadHighByteFirst)
{
    // A stored CRC read low byte first would not match.
    const QByteArray data(658, '\x11');
    const std::uint16_t crc = Bitwise_X25(data);
    ASSERT_NE(crc >> 8, crc & 0xFF);
    const std::uint16_t swapped = static_cast<std::uint16_t>((crc << 8) | (crc >> 8));
    Open_Refused(Make_File(QStringLiteral("07"), data, swapped));
    Expect_One_Box(QStringLiteral("CRC Comparison Failed"), QStringLiteral("CRC Error"),
                   MsgIcon::Critical);
}

TEST_F(OrtFileBytes, OldFormatsAndUnknownCodes)
{
    // "00" to "03" with length 1 and a fitting CRC must be converted first.
    for (const char* code : {"00", "03"}) {
        SCOPED_TRACE(code);
        boxes.Clear();
        window.resets = 0;
        boxes.Answer(MsgAnswer::Yes);
        Write_All(Path(QStringLiteral("old.cfg")), Make_File(QString::fromLatin1(code), QByteArray(1, '\x07')));
        EXPECT_EQ(Ort_Loader::Load_File(Path(QStringLiteral("old.cfg")), *pages, window),
                  Ort_Loader::Load_Result::Refused);
        ASSERT_EQ(boxes.Boxes().size(), 2);
        EXPECT_EQ(boxes.Boxes()[1].text, QStringLiteral("Must convert older ORT before opening..."));
        EXPECT_EQ(boxes.Boxes()[1].title, QString());
        EXPECT_EQ(boxes.Boxes()[1].icon, MsgIcon::None);
    }
    // Any other length: the length test comes first.
    boxes.Clear();
    window.resets = 0;
    Open_Refused(Make_File(QStringLiteral("02"), QByteArray(2, '\0')));
    Expect_Invalid_Header();
    // "16" with length 1 is no known type.
    boxes.Clear();
    window.resets = 0;
    boxes.Answer(MsgAnswer::Yes);
    Write_All(Path(QStringLiteral("16.cfg")), Make_File(QStringLiteral("16"), QByteArray(1, '\0')));
    Ort_Loader::Load_File(Path(QStringLiteral("16.cfg")), *pages, window);
    ASSERT_FALSE(boxes.Boxes().isEmpty());
    EXPECT_EQ(boxes.Boxes().last().text, QStringLiteral("Invalid file header"));
    EXPECT_EQ(boxes.Boxes().last().title, QStringLiteral("Load error"));
    EXPECT_EQ(window.shown, 0);
}

TEST_F(OrtFileBytes, TypeTextThatIsNoNumberEndsInTheGenericBox)
{
    Open_Refused(Make_File(QStringLiteral("AB"), QByteArray(1, '\0')));
    Expect_One_Box(QStringLiteral("Unknown Error in MerivaneMain.Load_File: #13, Type mismatch"),
                   QString(), MsgIcon::None);
}

TEST_F(OrtFileBytes, TruncatedFilesAreRefusedWithOneBox)
{
    const QByteArray file = Composite_15();
    Reset_Program_State();
    for (const qsizetype keep : {qsizetype(0), qsizetype(43), qsizetype(44), qsizetype(1000),
                                 file.size() - 2, file.size() - 1}) {
        SCOPED_TRACE(keep);
        boxes.Clear();
        window.resets = 0;
        Open_Refused(file.left(keep));
        ASSERT_EQ(boxes.Boxes().size(), 1);
        if (keep < 44)
            EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Invalid file header"));
        else
            EXPECT_EQ(boxes.Boxes()[0].text,
                      QStringLiteral("Unknown Error in MerivaneMain.Load_File: #62, Input past end of file"));
    }
}

TEST_F(OrtFileBytes, ConfigurationQuestionTextTitleAndButtons)
{
    Make_Written_File(Target_Of(14), QStringLiteral("u14.cfg"));
    Reset_Program_State();
    Set_Target(Target_Of(14));
    window.config_text = QStringLiteral("6240118-AB123");
    ASSERT_EQ(Open(Path(QStringLiteral("u14.cfg"))), Ort_Loader::Load_Result::Loaded);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("6240118-AB123") + CONFIG_QUESTION_TAIL);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Correct SW Config Number?"));
    EXPECT_EQ(boxes.Boxes()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(window.caption, QStringLiteral("Merivane - ") + Path(QStringLiteral("u14.cfg")));
    EXPECT_EQ(window.shown_tool_version, 36);
    EXPECT_EQ(window.choose_calls, 0);
}

TEST_F(OrtFileBytes, SecuredOnlyFileIsRefusedAfterTheQuestion)
{
    Make_Written_File(Target_Of(13), QStringLiteral("s13.cfg"));
    Reset_Program_State();
    Set_Target(Target_Of(15));
    EXPECT_EQ(Open(Path(QStringLiteral("s13.cfg"))), Ort_Loader::Load_Result::Refused);
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Correct SW Config Number?"));
    EXPECT_EQ(boxes.Boxes()[1].text,
              QStringLiteral("Cannot edit this ORT with USER version of Merivane"));
    EXPECT_EQ(boxes.Boxes()[1].title, QStringLiteral("Load Error"));
    EXPECT_EQ(boxes.Boxes()[1].icon, MsgIcon::Critical);
    EXPECT_EQ(window.resets, 1);
}

TEST_F(OrtFileBytes, PartialLoadingBoxTexts)
{
    const QString crlf2 = QStringLiteral("\r\n\r\n");
    struct Row {
        Ort_Loader::Limited_Box Box;
        QString Text;
    };
    const Row rows[] = {
        {Ort_Loader::Limited_Box::A,
         QStringLiteral("ORT configuration data being loaded is \"User\" only.") + crlf2 +
             QStringLiteral("Data not used, target configuration is \"Secured.\"")},
        {Ort_Loader::Limited_Box::B,
         QStringLiteral("ORT configuration data being loaded is \"User.\"") + crlf2 +
             QStringLiteral("Only the \"User\" portion of the \"Composite\" data will be loaded.")},
        {Ort_Loader::Limited_Box::C,
         QStringLiteral("ORT configuration data being loaded is \"Composite.\"") + crlf2 +
             QStringLiteral("Only the \"Secured\" portion of the \"Composite\" data will be loaded.")},
        {Ort_Loader::Limited_Box::D,
         QStringLiteral("ORT configuration data being loaded is \"Composite.\"") + crlf2 +
             QStringLiteral("Only the \"User\" portion of the \"Composite\" data will be loaded.")},
    };
    for (const Row& row : rows) {
        boxes.Clear();
        Ort_Loader::Show_Limited_Box(row.Box);
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_EQ(boxes.Boxes()[0].text, row.Text);
        EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Limited Data Loading"));
        EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::None);
        EXPECT_EQ(boxes.Boxes()[0].buttons, MsgButtons::Ok);
    }
}

TEST_F(OrtFileBytes, CompositeFileIntoAUserTargetShowsBoxDAfterTheQuestion)
{
    Composite_15();
    Reset_Program_State();
    Set_Target(Target_Of(14));
    ASSERT_EQ(Open(Path(QStringLiteral("c15.cfg"))), Ort_Loader::Load_Result::Loaded);
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Correct SW Config Number?"));
    EXPECT_EQ(boxes.Boxes()[1].title, QStringLiteral("Limited Data Loading"));
    EXPECT_TRUE(boxes.Boxes()[1].text.endsWith(
        QStringLiteral("Only the \"User\" portion of the \"Composite\" data will be loaded.")));
    EXPECT_EQ(core::Versions().ORT_Type, 14);
}

TEST_F(OrtFileBytes, ChangeCheckBaselineIsTheCRCOfTheFileData)
{
    Set_Target(Target_Of(12));
    modVerConv::New_ORT(*pages);
    std::uint16_t baseline = 0;
    EXPECT_TRUE(Change_Check::Check_ORT_Changed(*pages, baseline));
    const std::uint16_t first = baseline;
    EXPECT_EQ(first, Bitwise_X25(Ort_Writer::Records_Data(12)));
    EXPECT_EQ(Ort_Writer::Records_Data(12).size(), 7698);
    EXPECT_FALSE(Change_Check::Check_ORT_Changed(*pages, baseline));
    // A comparison alone never moves the baseline.
    const std::uint16_t kept = 0x1234;
    EXPECT_TRUE(Change_Check::Compare_With_Baseline(*pages, kept).Changed);
    EXPECT_EQ(Change_Check::Compare_With_Baseline(*pages, first).CRC, first);
}
