// The text report: header lines, CRC and revision texts, part-number lines
// by the secured feature level, the section order for user, secured and
// composite ORTs, and Save Text File As.
#include "file_commands_fixture.h"

#include "editor/core/text_helpers.h"
#include "editor/main_window/text_report.h"
#include "editor/pages/page_general.h"

#include <QGroupBox>

using platform::MsgAnswer;

namespace {

main_window::Report_Header Composite_Header()
{
    main_window::Report_Header h;
    h.Date = QStringLiteral("05-MAR-09");
    h.ORT_Path = QStringLiteral("/a/x.cfg");
    h.Show_Secured = true;
    h.Show_User = true;
    h.Secured_Feature_Level = 2;
    h.Secured_Frame = QStringLiteral("Secured ORT");
    h.Secured_PN_Label = QStringLiteral("Part Number");
    h.Secured_PN = QStringLiteral("QZV5EABFSEC0001");
    h.Secured_Desc_Label = QStringLiteral("Description");
    h.Secured_Desc = QStringLiteral("SEC");
    h.User_Frame = QStringLiteral("User ORT");
    h.User_PN_Label = QStringLiteral("Part Number");
    h.User_PN = QStringLiteral("QZV5CABFUSR0002");
    h.User_Desc_Label = QStringLiteral("Description");
    h.User_Desc = QStringLiteral("USR");
    h.ORT_Type = 15;
    h.Partition_Config = 2;
    h.Secured_Revision = 0;
    h.User_Revision = 10;
    h.Data_Loader_Type = QStringLiteral("Auto Mode - ARINC 665");
    h.Software_Config = QStringLiteral("6240118-xx145 (924 and later)");
    h.Last_Saved_CRC = 0xA5;
    return h;
}

// The titles of the sections after the header, in report order.
QStringList Section_Titles(const QStringList& lines)
{
    QStringList titles;
    for (const QString& line : lines)
        if (line.startsWith(QLatin1String("==== ")))
            titles << line.mid(5);
    titles.removeFirst(); // "ORT OPTIONS:"
    return titles;
}

} // namespace

TEST(Text_Report, HeaderLinesInOrder)
{
    const QString rule(40, QLatin1Char('='));
    const QStringList expected = {
        QStringLiteral("QUENDRALL/MORVIK ORT FILE PARAMETERS"),
        QStringLiteral("REPORT DATE: 05-MAR-09"),
        QString(),
        rule,
        QStringLiteral("ORT CREATED BY: Merivane 5.3, KT6650382-107"),
        QStringLiteral("ORT FILE NAME: /a/x.cfg"),
        QStringLiteral("Secured ORT Part Number: QZV5EABFSEC0001"),
        QStringLiteral("Secured ORT Description: SEC"),
        QStringLiteral("User ORT Part Number: QZV5CABFUSR0002"),
        QStringLiteral("User ORT Description: USR"),
        QStringLiteral("ORT FILE FORMAT VERSION: 15 (0/A)"),
        QString(),
        QStringLiteral("Data Loader Type: Auto Mode - ARINC 665"),
        QStringLiteral("SDU Part Number: 6240118-xx145 (924 and later)"),
        QStringLiteral("ORT CRC: 00A5"),
        rule,
        QString(),
        QString(),
        rule,
        QStringLiteral("==== ORT OPTIONS:"),
        rule,
    };
    EXPECT_EQ(main_window::Report_Header_Lines(Composite_Header()), expected);
}

TEST(Text_Report, PartNumberLinesNeedSecuredFeatureLevelTwo)
{
    main_window::Report_Header h = Composite_Header();
    h.Secured_Feature_Level = 1;
    const QStringList lines = main_window::Report_Header_Lines(h);
    EXPECT_FALSE(lines.join(u'\n').contains(QStringLiteral("ORT Part Number")));
    EXPECT_TRUE(lines.contains(QStringLiteral("User ORT Description: USR")));
}

TEST(Text_Report, RevisionAndCRCTexts)
{
    main_window::Report_Header h = Composite_Header();
    h.Partition_Config = 1;
    h.Show_Secured = false;
    h.ORT_Type = 14;
    h.User_Revision = 1;
    h.Last_Saved_CRC = 0xFFFF;
    const QStringList lines = main_window::Report_Header_Lines(h);
    EXPECT_TRUE(lines.contains(QStringLiteral("ORT FILE FORMAT VERSION: 14 (1)")));
    EXPECT_TRUE(lines.contains(QStringLiteral("ORT CRC: FFFF")));
    EXPECT_FALSE(lines.join(u'\n').contains(QStringLiteral("Secured ORT")));
    h.Partition_Config = 0;
    h.Secured_Revision = 11;
    EXPECT_TRUE(main_window::Report_Header_Lines(h).contains(
        QStringLiteral("ORT FILE FORMAT VERSION: 14 (B)")));
}

TEST(Text_Report, LinesEndInCRLF)
{
    EXPECT_EQ(main_window::Report_Bytes({QStringLiteral("A"), QString(), QStringLiteral("B")}),
              QByteArray("A\r\n\r\nB\r\n"));
}

class TextReportTest : public FileCommandsTest {
protected:
    QStringList Report(const QString& ort_path = QString())
    {
        const QString path = Path(QStringLiteral("r.txt"));
        main->Write_Text_Output(path, ort_path);
        const QByteArray bytes = Read_File(path);
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
        lines.removeLast();
        return lines;
    }

    QStringList Titles(std::initializer_list<Page_Frame*> pages_in_order, bool with_psid_after = false,
                       int psid_at = -1)
    {
        QStringList titles;
        int index = 0;
        for (Page_Frame* page : pages_in_order) {
            if (with_psid_after && index == psid_at)
                titles << main->Pages().General().Frame_PsidSupFreq->title();
            titles << page->windowTitle();
            ++index;
        }
        return titles;
    }
};

TEST_F(TextReportTest, UserSectionsInOrder)
{
    New_14();
    const Page_Set& p = main->Pages();
    const QStringList lines = Report();
    EXPECT_TRUE(lines.contains(QStringLiteral("ORT FILE FORMAT VERSION: 14 (1)")));
    EXPECT_EQ(Section_Titles(lines),
              Titles({&p.General(), &p.HSD_Cnfg(), &p.HSD_S64(), &p.HSD_SBB(), &p.Dual(),
                      &p.Sat_GES(), &p.Cabin(), &p.Cabin_Numbers(), &p.Cockpit_Voice(),
                      &p.Cockpit_Numbers(), &p.Failure_Masks(), &p.PIMBIT()},
                     true, 10));
}

TEST_F(TextReportTest, SecuredSectionsInOrder)
{
    New_ORT("Option_135_AB", 0); // secured only, type 13
    const Page_Set& p = main->Pages();
    const QStringList lines = Report();
    EXPECT_TRUE(lines.contains(QStringLiteral("ORT FILE FORMAT VERSION: 13 (0)")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Secured ORT Description: ") +
                               main->Pages().Main.Control_53->text()));
    EXPECT_EQ(Section_Titles(lines),
              Titles({&p.General(), &p.Power(), &p.Dual(), &p.Transit_GES(), &p.Cabin(),
                      &p.Cockpit_Voice(), &p.Failure_Masks()}));
}

TEST_F(TextReportTest, CompositeSectionsInOrder)
{
    New_14(2);
    const Page_Set& p = main->Pages();
    const QStringList lines = Report();
    EXPECT_TRUE(lines.contains(QStringLiteral("ORT FILE FORMAT VERSION: 15 (0/1)")));
    EXPECT_EQ(Section_Titles(lines),
              Titles({&p.General(), &p.Power(), &p.HSD_Cnfg(), &p.HSD_S64(), &p.HSD_SBB(),
                      &p.Dual(), &p.Transit_GES(), &p.Sat_GES(), &p.Cabin(), &p.Cabin_Numbers(),
                      &p.Cockpit_Voice(), &p.Cockpit_Numbers(), &p.Failure_Masks(), &p.PIMBIT()},
                     true, 12));
}

TEST_F(TextReportTest, WithoutAnORTPathTheReportNamesTheCurrentFile)
{
    New_14();
    main->Current_File = QStringLiteral("/x/current.cfg");
    EXPECT_TRUE(Report().contains(QStringLiteral("ORT FILE NAME: /x/current.cfg")));
    EXPECT_TRUE(Report(QStringLiteral("/y/other.cfg"))
                    .contains(QStringLiteral("ORT FILE NAME: /y/other.cfg")));
}

TEST_F(TextReportTest, ReportPrintsTheSavedCRC)
{
    New_14();
    main->set_Last_Saved_CRC(0xA5);
    EXPECT_TRUE(Report().contains(QStringLiteral("ORT CRC: 00A5")));
}

TEST_F(TextReportTest, SaveTextFileAsNamesTheORTAfterTheReport)
{
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("x.cfg")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("r")));
    files.Answer(Path(QStringLiteral("r/report")));
    commands->mnuSaveAsText_Click();
    EXPECT_EQ(files.Requests().last().file_name, Path(QStringLiteral("x")));
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("r/report.cfg")));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Merivane - ") + Path(QStringLiteral("r/report.cfg")));
    EXPECT_TRUE(main->Name_Not_Saved); // the ORT under its new name counts as changed
    const QByteArray report = Read_File(Path(QStringLiteral("r/report.txt")));
    EXPECT_TRUE(report.contains(("ORT FILE NAME: " + Path(QStringLiteral("r/report.cfg"))).toLatin1()));
    EXPECT_TRUE(report.startsWith("QUENDRALL/MORVIK ORT FILE PARAMETERS\r\n"));
}

TEST_F(TextReportTest, SaveTextFileAsUnderTheSameNameKeepsTheBaseline)
{
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("x.cfg")));
    const std::uint16_t crc = main->get_Last_Saved_CRC();
    files.Answer(Path(QStringLiteral("x.txt")));
    commands->mnuSaveAsText_Click();
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("x.cfg")));
    EXPECT_EQ(main->get_Last_Saved_CRC(), crc);
}

TEST_F(TextReportTest, SaveTextFileAsIntoAMissingFolderReportsTheError)
{
    New_14();
    ASSERT_TRUE(Save_As(QStringLiteral("x.cfg")));
    files.Answer(Path(QStringLiteral("missing/r.txt")));
    commands->mnuSaveAsText_Click();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text,
              QStringLiteral("mnuSaveAsText Error type: 76, Path not found"));
    EXPECT_EQ(main->Current_File, Path(QStringLiteral("x.cfg")));
}

TEST_F(TextReportTest, SaveTextFileAsOnANewORTReportsTheSameCRCEachTime)
{
    New_14();
    ASSERT_TRUE(main->Current_File.isEmpty());
    const auto crc_line = [this](const char* name) {
        files.Answer(Path(QString::fromLatin1(name)));
        commands->mnuSaveAsText_Click();
        const QList<QByteArray> lines = Read_File(Path(QString::fromLatin1(name))).split('\n');
        for (const QByteArray& line : lines)
            if (line.startsWith("ORT CRC: "))
                return line;
        return QByteArray();
    };
    const QByteArray first = crc_line("r.txt");
    ASSERT_FALSE(first.isEmpty());
    EXPECT_NE(first, QByteArray("ORT CRC: 0000\r"));
    EXPECT_EQ(crc_line("s.txt"), first);

    // The ORT under the report's name still counts as unsaved.
    boxes.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(main->close());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Save before exiting?"));
}
