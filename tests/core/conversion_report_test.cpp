#include "editor/core/conversion_report.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace core;

namespace {

const QDate REPORT_DAY(2009, 3, 5);

QByteArray Read_All(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

QByteArray Header_Bytes()
{
    return QByteArrayLiteral("QUENDRALL/MORVIK ORT FILE OPEN/READ/CONVERT REPORT\r\n"
                             "REPORT DATE: 05-MAR-09\r\n"
                             "\r\n"
                             "Report shows the following:\r\n"
                             "      Differeces from default values,\r\n"
                             "  *** Values changed due to out of range,\r\n"
                             "  ### Values forced to default value.\r\n"
                             "\r\n"
                             "========================================\r\n");
}

QString Blanks(int n)
{
    return QString(n, u' ');
}

QStringList Combo_Items()
{
    return {QStringLiteral("Disabled"), QStringLiteral("Enabled"), QStringLiteral("Automatic")};
}

class ConversionReport : public ::testing::Test {
protected:
    QString Path() const { return dir_.filePath(QStringLiteral("TempConvertReport.txt")); }

    // Runs the writers inside an open report and gives the entry lines that
    // follow the header.
    QString Entries(const std::function<void()>& writers)
    {
        {
            Conversion_Report report(Path(), REPORT_DAY);
            writers();
        }
        const QByteArray bytes = Read_All(Path());
        EXPECT_TRUE(bytes.startsWith(Header_Bytes())) << bytes.constData();
        return QString::fromLatin1(bytes.mid(Header_Bytes().size()));
    }

    QTemporaryDir dir_;
};

// --- the file ----------------------------------------------------------------

TEST_F(ConversionReport, HeaderIsNineCrLfLinesWithTheDate)
{
    {
        Conversion_Report report(Path(), REPORT_DAY);
        EXPECT_EQ(Conversion_Report::Current(), &report);
    }
    EXPECT_EQ(Conversion_Report::Current(), nullptr);
    EXPECT_EQ(Read_All(Path()), Header_Bytes());
    EXPECT_EQ(Report_Header_Lines(QStringLiteral("05-MAR-09")).size(), 9);
    EXPECT_EQ(Report_Header_Lines(QStringLiteral("05-MAR-09")).at(8), QString(40, u'='));
}

TEST_F(ConversionReport, EachRunRecreatesTheFile)
{
    {
        QFile old(Path());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
    }
    std::int32_t first = 300;
    EXPECT_EQ(Entries([&] { Report_Number_Change(first, "i", 0, 255, 1, 0); }),
              "*** Item i - Value out of range, was: 300\r\n"
                  + Blanks(4 + 9 + 13) + "Changed to: 1\r\n");
    // The second run leaves only its own header and lines.
    std::int32_t second = 5;
    EXPECT_EQ(Entries([&] { Report_Number_Change(second, "i", 0, 255, 1, 0); }), QString());
    EXPECT_EQ(Read_All(Path()), Header_Bytes());
}

TEST_F(ConversionReport, ClosedWhenAnExceptionLeavesTheConversion)
{
    QComboBox combo;
    combo.addItems(Combo_Items());
    combo.setCurrentIndex(0);
    try {
        Conversion_Report report(Path(), REPORT_DAY);
        int value = 7;
        Report_List_Change(&combo, value, "lviii");
        int bad_forced = 1;
        Report_List_Change(&combo, bad_forced, "lviii", 9); // the control refuses index 9
        FAIL() << "no exception";
    } catch (const std::out_of_range&) {
    }
    EXPECT_EQ(Conversion_Report::Current(), nullptr);
    // Everything printed before the failure is on disk.
    EXPECT_EQ(Read_All(Path()),
              Header_Bytes() + "*** Item lviii - Value out of range, changed to: Disabled\r\n"
                               "### Item lviii - Value was:  Enabled\r\n"
                               "                 Changed to: \r\n");
    // The next conversion creates the report again.
    EXPECT_EQ(Entries([] {}), QString());
}

TEST_F(ConversionReport, OneReportAtATimeAndOpenFailures)
{
    {
        Conversion_Report report(Path(), REPORT_DAY);
        EXPECT_THROW(Conversion_Report(dir_.filePath("other.txt"), REPORT_DAY), std::logic_error);
        EXPECT_EQ(Conversion_Report::Current(), &report);
        EXPECT_FALSE(QFile::exists(dir_.filePath("other.txt")));
    }
    EXPECT_THROW(Conversion_Report(dir_.filePath("no/such/folder/r.txt"), REPORT_DAY),
                 Conversion_Report_Error);
    EXPECT_EQ(Conversion_Report::Current(), nullptr);
    EXPECT_EQ(Entries([] {}), QString());
}

TEST_F(ConversionReport, CloseReportsAndEndsTheReport)
{
    Conversion_Report report(Path(), REPORT_DAY);
    report.Print(QStringLiteral("a\u00e9\u4e00"));
    report.Close();
    EXPECT_EQ(Conversion_Report::Current(), nullptr);
    EXPECT_THROW(report.Print("late"), std::logic_error);
    report.Close(); // twice is harmless
    // One byte per character: Latin-1 as it is, anything else as "?".
    EXPECT_EQ(Read_All(Path()), Header_Bytes() + "a\xe9?\r\n");
}

TEST_F(ConversionReport, PathIsTheStartUpFolder)
{
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    Init_Report_Path();
    ASSERT_TRUE(QDir::setCurrent(before));

    EXPECT_EQ(Working_Folder(), QDir(dir_.path()).canonicalPath() + "/");
    EXPECT_EQ(Convert_Report_Path(), Working_Folder() + "TempConvertReport.txt");
    // The report goes there even after the current folder changed.
    { Conversion_Report report; }
    EXPECT_TRUE(QFile::exists(dir_.filePath("TempConvertReport.txt")));
    EXPECT_FALSE(QFile::exists(QDir(before).filePath("TempConvertReport.txt")));

    // The root folder already ends in its separator.
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("/")));
    Init_Report_Path();
    ASSERT_TRUE(QDir::setCurrent(before));
    EXPECT_EQ(Convert_Report_Path(), "/TempConvertReport.txt");
}

// --- list entries --------------------------------------------------------------

TEST_F(ConversionReport, ListEntriesOfEachKind)
{
    QComboBox combo;
    combo.addItems(Combo_Items());
    int count_value = 3, negative = -1, same = 1, other = 2, forced_same = 0, forced_other = 2;
    const QString text = Entries([&] {
        combo.setCurrentIndex(1);
        Report_List_Change(&combo, count_value, "lviii");   // equal to the item count
        combo.setCurrentIndex(0);
        Report_List_Change(&combo, negative, "xl-a");
        combo.setCurrentIndex(1);
        Report_List_Change(&combo, same, "xl-b");           // prints nothing
        combo.setCurrentIndex(0);
        Report_List_Change(&combo, other, "iv");
        Report_List_Change(&combo, forced_same, "xiii", 0); // prints nothing
        Report_List_Change(&combo, forced_other, "xiii", 0);
    });
    EXPECT_EQ(text, "*** Item lviii - Value out of range, changed to: Enabled\r\n"
                    "*** Item xl-a - Value out of range, changed to: Disabled\r\n"
                    "    Item iv - Default:    Disabled\r\n"
                    "    " + Blanks(10) + "Changed to: Automatic\r\n"
                    "### Item xiii - Value was:  Automatic\r\n"
                    "    " + Blanks(12) + "Changed to: Disabled\r\n");
    EXPECT_EQ(count_value, 1);
    EXPECT_EQ(negative, 0);
    EXPECT_EQ(same, 1);
    EXPECT_EQ(other, 2);
    EXPECT_EQ(forced_other, 0);
    EXPECT_EQ(combo.currentIndex(), 0);
}

TEST_F(ConversionReport, ListForcedValueHoldsEvenWhenStoredIsOutOfRange)
{
    QComboBox combo;
    combo.addItems(Combo_Items());
    combo.setCurrentIndex(2);
    int value = 40;
    EXPECT_EQ(Entries([&] { Report_List_Change(&combo, value, "xiii", 0); }),
              "*** Item xiii - Value out of range, changed to: Disabled\r\n");
    EXPECT_EQ(value, 0);
    EXPECT_EQ(combo.currentIndex(), 0);
}

TEST_F(ConversionReport, ListBoxesWorkAsCombos)
{
    QListWidget list;
    list.addItems({QStringLiteral("A"), QStringLiteral("B")});
    int value = 1, out = 5;
    const QString text = Entries([&] {
        Report_List_Change(&list, out, "ic"); // no selection: stays without one
        EXPECT_EQ(list.currentRow(), -1);
        list.setCurrentRow(0);
        Report_List_Change(&list, value, "ic");
    });
    EXPECT_EQ(text, "*** Item ic - Value out of range, changed to: \r\n"
                    "    Item ic - Default:    A\r\n"
                    "    " + Blanks(10) + "Changed to: B\r\n");
    EXPECT_EQ(out, -1);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_TRUE(list.item(1)->isSelected());
}

TEST(ListControl, AdapterReadsAndRefusesIndexes)
{
    QListWidget list;
    list.addItems({QStringLiteral("A"), QStringLiteral("B")});
    const List_Control control(&list);
    control.Set_Index(1);
    EXPECT_EQ(control.Index(), 1);
    EXPECT_THROW(control.Set_Index(2), std::out_of_range);
    EXPECT_THROW(control.Set_Index(-2), std::out_of_range);
    EXPECT_EQ(control.Index(), 1);
    control.Set_Index(-1);
    EXPECT_EQ(control.Index(), -1);
    EXPECT_TRUE(list.selectedItems().isEmpty());
    EXPECT_EQ(control.Item_Text(0), "A");
    EXPECT_EQ(control.Item_Text(2), QString());

    QComboBox combo;
    combo.addItems(Combo_Items());
    const List_Control box(&combo);
    EXPECT_EQ(box.Count(), 3);
    box.Set_Index(2);
    EXPECT_EQ(combo.currentIndex(), 2);
    EXPECT_THROW(box.Set_Index(3), std::out_of_range);
    EXPECT_EQ(box.Item_Text(-1), QString());
    EXPECT_THROW(List_Control(static_cast<QComboBox*>(nullptr)), std::invalid_argument);
}

// --- number entries ------------------------------------------------------------

TEST_F(ConversionReport, NumberOutOfRangeBecomesDefaultUnderTheOldValue)
{
    std::int32_t low = -1, high = 11, inside = 7;
    std::int32_t result_low = 0, result_inside = 0;
    const QString text = Entries([&] {
        result_low = Report_Number_Change(low, "lxxviii-Size", 0, 10, 0, 0);
        Report_Number_Change(high, "lxxviii-Size", 0, 10, 0, 0);
        result_inside = Report_Number_Change(inside, "lxxviii-Size", 0, 10, 0, 0); // nothing
    });
    const QString pad = Blanks(4 + 20 + 13);
    EXPECT_EQ(text, "*** Item lxxviii-Size - Value out of range, was: -1\r\n" + pad +
                        "Changed to: 0\r\n"
                        "*** Item lxxviii-Size - Value out of range, was: 11\r\n" + pad +
                        "Changed to: 0\r\n");
    EXPECT_EQ(result_low, 0);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 0);
    EXPECT_EQ(inside, 7);
    EXPECT_EQ(result_inside, 7);

    // The new value stands in the column of the old one.
    const QStringList lines = text.split("\r\n");
    EXPECT_EQ(lines[0].indexOf("-1"), lines[1].indexOf("Changed to: ") + 12);
}

TEST_F(ConversionReport, NumberRadixes)
{
    std::int32_t sat = 077 + 1, psid = 0x5000, negative = -1;
    const QString text = Entries([&] {
        Report_Number_Change(sat, "lxxviii-SAT ID", 0, 062, 0, 1);
        Report_Number_Change(psid, "lxxviii-PSID 1", 6000, 19600, 6000, 2);
        Report_Number_Change(negative, "x", 0, 255, 0xAB, 2);
    });
    EXPECT_EQ(text, "*** Item lxxviii-SAT ID - Value out of range, was: 100(Octal)\r\n" +
                        Blanks(4 + 22 + 13) + "Changed to: 0(Octal)\r\n"
                        "*** Item lxxviii-PSID 1 - Value out of range, was: 5000(Hex)\r\n" +
                        Blanks(4 + 22 + 13) + "Changed to: 1770(Hex)\r\n"
                        "*** Item x - Value out of range, was: FFFFFFFF(Hex)\r\n" +
                        Blanks(4 + 9 + 13) + "Changed to: AB(Hex)\r\n");
    EXPECT_EQ(psid, 6000);
}

TEST_F(ConversionReport, NumberForcedAfterOutOfRange)
{
    std::int32_t wild = 300, stored = 4, equal = 1;
    std::int32_t result = 0;
    const QString text = Entries([&] {
        result = Report_Number_Change(wild, "xlvii", 0, 255, 7, 0, 1);
        Report_Number_Change(stored, "xlvii", 0, 255, 7, 0, 1);
        Report_Number_Change(equal, "xlvii", 0, 255, 7, 0, 1); // nothing
    });
    EXPECT_EQ(text, "*** Item xlvii - Value out of range, was: 300\r\n" + Blanks(4 + 13 + 13) +
                        "Changed to: 7\r\n"
                        "### Item xlvii - Value was:   300\r\n" + Blanks(4 + 13) +
                        "Changed to: 1\r\n"
                        "### Item xlvii - Value was:   4\r\n" + Blanks(4 + 13) +
                        "Changed to: 1\r\n");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(wild, 1);
    EXPECT_EQ(stored, 1);
}

// --- text entries ---------------------------------------------------------------

TEST_F(ConversionReport, TextBoxEntriesOfEachKind)
{
    QLineEdit code, lower, nul_cut, empty_default;
    code.setText("0000");
    lower.setText("XYZ");
    nul_cut.setText("AB");
    QString bad = "12a4", valid = "1234", small = "abc", padded = QString::fromLatin1("AB\0\0\0", 5);
    QString fresh = "NEW";
    const QString text = Entries([&] {
        Report_Text_Change(&code, bad, "xxv-SDU 1", 4);
        code.setText("0000");
        Report_Text_Change(&code, valid, "xxv-SDU 1", 4);
        Report_Text_Change(&lower, small, "x", 2);            // change of case alone: no "***"
        Report_Text_Change(&nul_cut, padded, "liii", 1);      // same as the default: nothing
        Report_Text_Change(&empty_default, fresh, "li - SDU 1", 1); // empty default: nothing
    });
    EXPECT_EQ(text, "*** Item xxv-SDU 1 - Value out of range, was: 12a4\r\n" +
                        Blanks(4 + 17 + 13) + "Changed to: 124\r\n"
                        "    Item xxv-SDU 1 - Default:    0000\r\n" + Blanks(4 + 17) +
                        "Changed to: 1234\r\n"
                        "    Item x - Default:    XYZ\r\n" + Blanks(4 + 9) +
                        "Changed to: ABC\r\n");
    EXPECT_EQ(code.text(), "1234");
    EXPECT_EQ(bad, "12a4"); // the argument keeps what it held after cutting and trimming
    EXPECT_EQ(small, "ABC");
    EXPECT_EQ(lower.text(), "ABC");
    EXPECT_EQ(padded, "AB");
    EXPECT_EQ(nul_cut.text(), "AB");
    EXPECT_EQ(empty_default.text(), "NEW");
}

TEST_F(ConversionReport, TextCutAtFirstNonPrintableAndTrimmed)
{
    QLineEdit box;
    QString stored = QStringLiteral("  ab c \x01zz");
    QString result;
    EXPECT_EQ(Entries([&] { result = Report_Text_Change(&box, stored, "xxxiii", 1); }), QString());
    EXPECT_EQ(stored, "AB C");
    EXPECT_EQ(result, "AB C");
    EXPECT_EQ(box.text(), "AB C");
}

TEST_F(ConversionReport, TextForced)
{
    QLineEdit box;
    box.setText("FIXED");
    QString differs = "OTHER", equal = "FIXED", dirty = "1x";
    const QString text = Entries([&] {
        Report_Text_Change(&box, differs, "lxxx", 1, QStringLiteral("FIXED"));
        Report_Text_Change(&box, equal, "lxxx", 1, QStringLiteral("FIXED")); // nothing
        Report_Text_Change(&box, dirty, "xxv-SDU 2", 4, QStringLiteral("0000"));
    });
    EXPECT_EQ(text, "### Item lxxx - Value was:   OTHER\r\n" + Blanks(4 + 12) +
                        "Changed to: FIXED\r\n"
                        "*** Item xxv-SDU 2 - Value out of range, was: 1x\r\n" +
                        Blanks(4 + 17 + 13) + "Changed to: 1\r\n"
                        "### Item xxv-SDU 2 - Value was:   1x\r\n" + Blanks(4 + 17) +
                        "Changed to: 0000\r\n");
    EXPECT_EQ(box.text(), "0000");
}

TEST_F(ConversionReport, ValueEntriesHaveNoDefaultLine)
{
    QString name = "ab{c", good = "SAT 1", forced = "OLD", nul = QString::fromLatin1("GES\0\0", 5);
    QString r1, r2, r3, r4;
    const QString text = Entries([&] {
        r1 = Report_Value_Change(name, "ii - GES Name", 17);
        r2 = Report_Value_Change(good, "iii - Sat Name", 15);
        r3 = Report_Value_Change(forced, "v - Phone Name, Crew, 3", 17, QStringLiteral("NEW"));
        r4 = Report_Value_Change(nul, "ii - GES Name", 17);
    });
    EXPECT_EQ(text, "*** Item ii - GES Name - Value out of range, was: AB{C\r\n" +
                        Blanks(4 + 21 + 13) + "Changed to: AB C\r\n"
                        "### Item v - Phone Name, Crew, 3 -   Value was: OLD\r\n" +
                        Blanks(4 + 31) + "Changed to: NEW\r\n");
    EXPECT_EQ(r1, "AB C");
    EXPECT_EQ(name, "AB{C");
    EXPECT_EQ(r2, "SAT 1");
    EXPECT_EQ(r3, "NEW");
    EXPECT_EQ(r4, "GES");
}

// --- without an open report -----------------------------------------------------

TEST(ConversionReportClosed, WritersStillSetTheControls)
{
    ASSERT_EQ(Conversion_Report::Current(), nullptr);
    QComboBox combo;
    combo.addItems(Combo_Items());
    combo.setCurrentIndex(1);
    int index = 9;
    Report_List_Change(&combo, index, "lviii");
    EXPECT_EQ(index, 1);
    int chosen = 2;
    Report_List_Change(&combo, chosen, "lviii");
    EXPECT_EQ(combo.currentIndex(), 2);

    std::int32_t number = 99;
    EXPECT_EQ(Report_Number_Change(number, "lxxviii-Size", 0, 10, 0, 0), 0);

    QLineEdit box;
    QString stored = "12a4";
    Report_Text_Change(&box, stored, "xxv-SDU 1", 4);
    EXPECT_EQ(box.text(), "124");
    QString name = "ab{c";
    EXPECT_EQ(Report_Value_Change(name, "ii - GES Name", 17), "AB C");
}

// --- Clean_Text -------------------------------------------------------------------

TEST(CleanText, TrimsUpperCasesAndFiltersBySet)
{
    QString text = "  abc  ";
    EXPECT_EQ(Clean_Text(text, Char_Sets(2)), "ABC");
    EXPECT_EQ(text, "ABC");

    // Adjacent refused characters: both removed, or both blanks when the
    // set's characters begin with a blank.
    QString digits = "1ab2";
    EXPECT_EQ(Clean_Text(digits, Char_Sets(4)), "12");
    EXPECT_EQ(digits, "1ab2"); // no upper-casing for this set
    QString path = "1ab2";
    EXPECT_EQ(Clean_Text(path, Char_Sets(10)), "1  2");

    // Characters outside printable ASCII are dropped before the set test;
    // the argument keeps them.
    QString control = QStringLiteral("A\tB\u00e9C");
    EXPECT_EQ(Clean_Text(control, Char_Sets(1)), "ABC");
    EXPECT_EQ(control.size(), 5);

    // Only blanks are trimmed; the set is compared case-sensitively.
    QString tabbed = QStringLiteral("\tx ");
    EXPECT_EQ(Clean_Text(tabbed, Char_Sets(0)), "x");
    EXPECT_EQ(tabbed, "\tx");
    QString lower = "aF";
    EXPECT_EQ(Clean_Text(lower, Char_Sets(4)), QString());

    QString empty;
    EXPECT_EQ(Clean_Text(empty, Char_Sets(1)), QString());
}

} // namespace
