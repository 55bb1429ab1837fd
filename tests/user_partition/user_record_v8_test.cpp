// The generation-8 user record layout and its list tables and coded items,
// without pages.

#include "editor/core/conversion_report.h"
#include "editor/user_partition/user_items.h"
#include "editor/user_partition/user_record_v8.h"
#include "editor/user_partition/user_v8_fields.h"
#include "editor/user_partition/user_v8_lists.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace User_Mod;

namespace {

core::Record Fresh()
{
    return core::Record(User_Record_V8_Layout(), V8_LENGTH);
}

QString Dir_Line(const QString& name, const QString& number, int priority, bool is_protected)
{
    return name.leftJustified(18) + number.leftJustified(22) + QString::number(priority)
           + QStringLiteral("    ") + (is_protected ? QStringLiteral("Yes") : QStringLiteral("No "));
}

int Byte(const core::Record& record, int offset)
{
    return static_cast<std::uint8_t>(record.Bytes().at(offset));
}

// Runs `step` with a report open and returns the report's entries.
template <typename Step>
QStringList Reported(Step step)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.txt"));
    {
        core::Conversion_Report report(path, QDate(2026, 1, 2));
        step();
    }
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines.mid(9);
}

} // namespace

TEST(UserRecordV8Layout, CoversTheRecordWithoutOverlap)
{
    EXPECT_EQ(V8_LENGTH, 19320);
    EXPECT_EQ(core::Check_Layout(User_Record_V8_Layout(), V8_LENGTH), QString());
    int covered = 0;
    for (const core::Field_Def& field : User_Record_V8_Layout())
        covered += field.width * field.count;
    EXPECT_EQ(covered, V8_LENGTH); // every byte belongs to a field
}

TEST(UserRecordV8Layout, SpotOffsets)
{
    const core::Record record = Fresh();
    EXPECT_EQ(record.Offset_Of(V8_GES_Name, 127), 30 + 127 * 18 + 3);
    EXPECT_EQ(record.Offset_Of(V8_Sat_Name, 15), 2338 + 15 * 7 + 1);
    EXPECT_EQ(record.Offset_Of(V8_Dir_Protected, 399), 2458 + 399 * 38 + 36);
    EXPECT_EQ(record.Offset_Of(V8_Category_Name, 3), 17658 + 33);
    EXPECT_EQ(record.Offset_Of(V8_Cabin_Number, 39), 17720 + 39 * 19);
    EXPECT_EQ(record.Offset_Of(V8_Item_45_Index, 3), 18546);
    EXPECT_EQ(record.Offset_Of(V8_Item_61_B, 1), 18569);
    EXPECT_EQ(record.Offset_Of(V8_Item_77b, 3), 18660);
    EXPECT_EQ(record.Offset_Of(V8_MPDS_Pref, 83), 18662 + 83 * 4 + 3);
    EXPECT_EQ(record.Offset_Of(V8_MISDN_Count), 19098);
    EXPECT_EQ(record.Offset_Of(V8_PSID_2, 9), 19102 + 63 + 5);
    EXPECT_EQ(record.Offset_Of(V8_Revision), 19319);
}

TEST(UserRecordV8Lists, EmptyTablesGetTheirFillValues)
{
    core::Record record = Fresh();
    Write_GES_Table(record, {});
    Write_Sat_Table(record, {});
    for (int k = 0; k < 4; ++k)
        Write_Directory(record, k, {});
    Write_LES_Table(record, MPDS_Fields_V8(), {});
    Write_PSID_Table(record, {});

    EXPECT_EQ(record.Get(V8_GES_Count), 0);
    EXPECT_EQ(record.Get(V8_GES_Sat, 127), 63);
    EXPECT_EQ(record.Get(V8_GES_Id, 0), 255);
    EXPECT_EQ(record.Get(V8_GES_Pref, 5), 1);
    EXPECT_EQ(record.Get_Text(V8_GES_Name, 0), QString(14, QLatin1Char('-')) + QChar(0));
    EXPECT_EQ(record.Get(V8_Sat_Id, 15), 63);
    EXPECT_EQ(record.Get_Text(V8_Sat_Name, 3), QStringLiteral("-----") + QChar(0));
    EXPECT_EQ(record.Get_Text(V8_Dir_Name, 399), QString(14, QLatin1Char('-')) + QChar(0));
    EXPECT_EQ(record.Get_Text(V8_Dir_Number, 0), QString(18, QLatin1Char('-')) + QChar(0));
    EXPECT_EQ(record.Get(V8_Dir_Priority, 250), 3);
    EXPECT_EQ(record.Get(V8_Dir_Protected, 250), 0);
    EXPECT_EQ(record.Get(V8_MPDS_Sat, 83), 63);
    EXPECT_EQ(record.Get(V8_MPDS_LES, 0), 999);
    EXPECT_EQ(record.Get(V8_MPDS_Pref, 0), 0);
    EXPECT_EQ(record.Get(V8_PSID_Sat, 9), 63);
    EXPECT_EQ(record.Get(V8_PSID_1, 9), 0);
    EXPECT_EQ(record.Get(V8_PSID_Count), 0);
}

TEST(UserRecordV8Lists, UsedElementsFromListColumns)
{
    core::Record record = Fresh();
    Write_GES_Table(record, {QStringLiteral("07   320   1   PAUMALU-AM")});
    EXPECT_EQ(record.Get(V8_GES_Count), 1);
    EXPECT_EQ(Byte(record, 30), 7);
    EXPECT_EQ(Byte(record, 31), 0320);
    EXPECT_EQ(Byte(record, 32), 1);
    EXPECT_EQ(record.Get_Text(V8_GES_Name, 0), QStringLiteral("PAUMALU-AM") + QString(5, QChar(0)));
    EXPECT_EQ(Byte(record, 30 + 18), 63); // the next element is fill

    Write_Sat_Table(record, {QStringLiteral("13   AOR-W      1")});
    EXPECT_EQ(Byte(record, 2338), 013);
    EXPECT_EQ(record.Get_Text(V8_Sat_Name, 0), QStringLiteral("AOR-W") + QChar(0));

    Write_Directory(record, 2,
                    {Dir_Line(QStringLiteral("pilot"), QStringLiteral("+44 1234"), 1, true),
                     Dir_Line(QStringLiteral("OPS"), QStringLiteral("777"), 9, false)});
    EXPECT_EQ(record.Get_Text(V8_Dir_Name, 200), QStringLiteral("PILOT         ") + QChar(0));
    EXPECT_EQ(record.Get_Text(V8_Dir_Number, 200).left(8), QStringLiteral("+44 1234"));
    EXPECT_EQ(record.Get(V8_Dir_Priority, 200), 1);
    EXPECT_EQ(record.Get(V8_Dir_Protected, 200), 1);
    EXPECT_EQ(record.Get(V8_Dir_Priority, 201), 9);
    EXPECT_EQ(record.Get(V8_Dir_Protected, 201), 0);
    EXPECT_EQ(record.Get(V8_Dir_Priority, 202), 3);

    Write_LES_Table(record, MISDN_Fields_V8(), {QStringLiteral("77  999  9"), QStringLiteral("02   22  1")});
    EXPECT_EQ(record.Get(V8_MISDN_Count), 2);
    EXPECT_EQ(record.Get(V8_MISDN_Sat, 0), 63);
    EXPECT_EQ(record.Get(V8_MISDN_LES, 0), 999);
    EXPECT_EQ(record.Get(V8_MISDN_Pref, 0), 9);
    EXPECT_EQ(record.Get(V8_MISDN_LES, 1), 22);

    Write_PSID_Table(record, {QStringLiteral("12      42   0x1770 0x4C90")});
    EXPECT_EQ(record.Get(V8_PSID_Sat, 0), 012);
    EXPECT_EQ(record.Get(V8_PSID_Revision, 0), 42);
    EXPECT_EQ(record.Get(V8_PSID_1, 0), 0x1770);
    EXPECT_EQ(record.Get(V8_PSID_2, 0), 0x4C90);
}

TEST(UserRecordV8Lists, RefusesLinesThatDoNotFit)
{
    core::Record record = Fresh();
    QStringList too_many;
    for (int i = 0; i < V8_SAT_ENTRIES + 1; ++i)
        too_many.append(QStringLiteral("01   X"));
    EXPECT_THROW(Write_Sat_Table(record, too_many), core::Record_Error);
    EXPECT_THROW(Write_GES_Table(record, {QStringLiteral("0x   002   1   BAD")}), core::Record_Error);
    // A GES id of 400 octal does not fit its byte.
    EXPECT_THROW(Write_GES_Table(record, {QStringLiteral("00   400   1   BIG")}), core::Record_Error);
    EXPECT_THROW(Put_Number(record, V8_Item_63, -1), core::Record_Error);
    EXPECT_THROW(Text_Number(QStringLiteral("12a"), 10, "Item_76"), core::Record_Error);
    EXPECT_EQ(Text_Number(QStringLiteral(" ff "), 16, "Item_68"), 255);
}

TEST(UserRecordV8Lists, Item61CodingBothWays)
{
    core::Record record = Fresh();
    const int expected[6][3] = {{1, 1, 0}, {1, 1, 1}, {1, 0, 0}, {0, 0, 0}, {0, 1, 1}, {0, 0, 1}};
    for (int index = 0; index < 6; ++index) {
        Write_Item_61(record, index);
        EXPECT_EQ(Byte(record, 18556), expected[index][0]);
        EXPECT_EQ(Byte(record, 18558), expected[index][1]);
        EXPECT_EQ(Byte(record, 18568), expected[index][2]);
        EXPECT_EQ(Byte(record, 18557), 1);
        EXPECT_EQ(Byte(record, 18559), 1);
        EXPECT_EQ(Byte(record, 18569), 1);
        EXPECT_EQ(Item_61_Index(record), index);
    }
    // Out of the list: the coded bytes stay.
    Write_Item_61(record, 2);
    Write_Item_61(record, -1);
    EXPECT_EQ(Item_61_Index(record), 2);
    // Key 5 (A0 1, A2 0, B0 1) loads as index 4.
    record.Set(V8_Item_61_A, 1, 0);
    record.Set(V8_Item_61_A, 0, 2);
    record.Set(V8_Item_61_B, 1, 0);
    EXPECT_EQ(Item_61_Index(record), 4);
}

// Item 14: "Immediate" (index 16) is stored as 255.
TEST(UserRecordV8Lists, Item14Immediate)
{
    constexpr Item_Coding coding = Item_Coding::Index_16_As_255;
    EXPECT_EQ(Encode_Item_Index(coding, 16), 255);
    EXPECT_EQ(Encode_Item_Index(coding, 5), 5);
    EXPECT_EQ(Decode_Item_Index(coding, 255), 16);
    EXPECT_EQ(Decode_Item_Index(coding, 0), 0);
}

TEST(UserRecordV8Lists, ReadBackWhatWasWritten)
{
    core::Record record = Fresh();
    const QStringList ges{QStringLiteral("00   002   1   EIK-AW")};
    const QStringList les{QStringLiteral("00    1  1"), QStringLiteral("03  555  1")};
    const QStringList psid{QStringLiteral("12      42   0x1770 0x0000")};
    Write_GES_Table(record, ges);
    Write_Sat_Table(record, {QStringLiteral("04   MTSAT")});
    Write_LES_Table(record, MPDS_Fields_V8(), les);
    Write_PSID_Table(record, psid);
    Write_Directory(record, 0, {Dir_Line(QStringLiteral("PILOT"), QStringLiteral("1234"), 2, false)});

    QStringList ges_back;
    QStringList les_back;
    QStringList psid_back;
    QStringList dir_back;
    const QStringList entries = Reported([&] {
        ges_back = Read_GES_Lines(record);
        les_back = Read_LES_Lines(record, MPDS_Fields_V8());
        psid_back = Read_PSID_Lines(record);
        dir_back = Read_Directory_Lines(record, 0, QStringLiteral("CATEGORY1"));
    });
    EXPECT_EQ(ges_back, QStringList{QStringLiteral("00   002   1   EIK-AW         ")});
    EXPECT_EQ(Read_Sat_Lines(record), QStringList{QStringLiteral("04   MTSAT")});
    EXPECT_EQ(les_back, les);
    EXPECT_EQ(psid_back, psid);
    EXPECT_EQ(dir_back, QStringList{Dir_Line(QStringLiteral("PILOT"), QStringLiteral("1234"), 2, false)});
    EXPECT_TRUE(entries.isEmpty()) << entries.join('\n').toStdString();
}

TEST(UserRecordV8Lists, OutOfRangeStoredValuesAreReportedAndReplaced)
{
    core::Record record = Fresh();
    record.Set(V8_PSID_Count, 11);
    record.Set(V8_MPDS_Count, 85);
    record.Set(V8_MISDN_Count, 1);
    record.Set(V8_MISDN_Sat, 64, 0);
    record.Set(V8_MISDN_LES, 1000, 0);
    record.Set(V8_MISDN_Pref, 10, 0);
    record.Set(V8_GES_Count, 129);
    record.Set(V8_Sat_Count, -1);

    QStringList psid;
    QStringList mpds;
    QStringList misdn;
    QStringList ges;
    QStringList sat;
    const QStringList entries = Reported([&] {
        psid = Read_PSID_Lines(record);
        mpds = Read_LES_Lines(record, MPDS_Fields_V8());
        misdn = Read_LES_Lines(record, MISDN_Fields_V8());
        ges = Read_GES_Lines(record);
        sat = Read_Sat_Lines(record);
    });
    EXPECT_TRUE(psid.isEmpty());
    EXPECT_EQ(record.Get(V8_PSID_Count), 0); // stored back
    EXPECT_TRUE(mpds.isEmpty());
    EXPECT_EQ(misdn, QStringList{QStringLiteral("00    0  0")});
    EXPECT_TRUE(ges.isEmpty());
    EXPECT_TRUE(sat.isEmpty());
    const QStringList marked = entries.filter(QRegularExpression(QStringLiteral("^\\*\\*\\* ")));
    EXPECT_EQ(marked.size(), 7) << entries.join('\n').toStdString();
    EXPECT_TRUE(entries.join('\n').contains(QStringLiteral("lxxviii-Size")));
    EXPECT_TRUE(entries.join('\n').contains(QStringLiteral("lxvi-SAT ID")));
    EXPECT_TRUE(entries.join('\n').contains(QStringLiteral("ii-Size")));
}

TEST(UserRecordV8Lists, PsidOfZeroNeedsNoCheck)
{
    core::Record record = Fresh();
    record.Set(V8_PSID_Count, 1);
    record.Set(V8_PSID_Sat, 1, 0);
    record.Set(V8_PSID_1, 0x9999, 0); // above 19600
    QStringList lines;
    const QStringList entries = Reported([&] { lines = Read_PSID_Lines(record); });
    EXPECT_EQ(lines, QStringList{QStringLiteral("01       0   0x1770 0x0000")});
    EXPECT_EQ(entries.size(), 2); // PSID 1 only
}

TEST(UserRecordV8Lists, DirectorySkipsUnusedAndShowsAnyProtectedFlag)
{
    core::Record record = Fresh();
    Write_Directory(record, 1, {Dir_Line(QStringLiteral("A"), QStringLiteral("1"), 1, false)});
    record.Set(V8_Dir_Protected, 2, 100);
    QStringList lines;
    Reported([&] { lines = Read_Directory_Lines(record, 1, QStringLiteral("SAFETY")); });
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("Yes")));
}

// A stored value that a list line or a save cannot keep as it stands loads
// with its "***" line, as in every generation: a protected flag other than
// 0 and 1, a name longer than its column.
TEST(UserRecordV8Lists, ValuesTheLinesCannotKeepAreReported)
{
    core::Record record = Fresh();
    Write_Directory(record, 1, {Dir_Line(QStringLiteral("A"), QStringLiteral("1"), 1, false)});
    record.Set(V8_Dir_Protected, 2, 100);
    record.Set_Text(V8_Dir_Name, QStringLiteral("ABCDEFGHIJKLMNO"), 100);
    Write_GES_Table(record, {QStringLiteral("00   002   1   EIK-AW")});
    record.Set_Text(V8_GES_Name, QStringLiteral("ABCDEFGHIJKLMNO"), 0);
    Write_Sat_Table(record, {QStringLiteral("04   MTSAT")});
    record.Set_Text(V8_Sat_Name, QStringLiteral("MTSAT2"), 0);
    QStringList dir;
    QStringList ges;
    QStringList sat;
    const QStringList entries = Reported([&] {
        dir = Read_Directory_Lines(record, 1, QStringLiteral("SAFETY"));
        ges = Read_GES_Lines(record);
        sat = Read_Sat_Lines(record);
    });
    const auto changed = [](const char* label, const char* was) {
        return QStringLiteral("*** Item ") + QLatin1String(label) + QStringLiteral(" - Value out of range, was: ")
               + QLatin1String(was);
    };
    EXPECT_EQ(entries.filter(QStringLiteral("***")),
              (QStringList{changed("v - Protected, SAFETY, 0", "2"),
                           changed("v - Phone Name, SAFETY, 0", "ABCDEFGHIJKLMNO"),
                           changed("ii - GES Name", "ABCDEFGHIJKLMNO"), changed("iii - Sat Name", "MTSAT2")}))
        << entries.join('\n').toStdString();
    EXPECT_EQ(dir, QStringList{Dir_Line(QStringLiteral("ABCDEFGHIJKLMN"), QStringLiteral("1"), 1, true)});
    EXPECT_EQ(ges, QStringList{QStringLiteral("00   002   1   ABCDEFGHIJKLMN ")});
    EXPECT_EQ(sat, QStringList{QStringLiteral("04   MTSAT")});
}

TEST(UserRecordV8Lists, FullTablesHaveNoFillAndLoadBackWhole)
{
    core::Record record = Fresh();
    QStringList ges;
    for (int i = 0; i < V8_GES_ENTRIES; ++i)
        ges.append(QStringLiteral("%1   %2   2   G%3")
                       .arg(i % 64, 2, 8, QLatin1Char('0'))
                       .arg(i, 3, 8, QLatin1Char('0'))
                       .arg(i));
    QStringList mpds;
    for (int i = 0; i < V8_MPDS_ENTRIES; ++i)
        mpds.append(QStringLiteral("%1  %2  %3").arg(i % 64, 2, 8, QLatin1Char('0')).arg(i * 11, 3).arg(i % 10));
    const QStringList misdn = mpds.mid(0, V8_MISDN_ENTRIES);
    Write_GES_Table(record, ges);
    Write_LES_Table(record, MPDS_Fields_V8(), mpds);
    Write_LES_Table(record, MISDN_Fields_V8(), misdn);
    EXPECT_EQ(record.Get(V8_GES_Count), 128);
    EXPECT_EQ(record.Get(V8_GES_Id, 127), 127);
    EXPECT_EQ(record.Get(V8_GES_Pref, 127), 2);
    EXPECT_EQ(record.Get(V8_MPDS_LES, 83), 83 * 11);

    QStringList mpds_back;
    QStringList misdn_back;
    QStringList ges_back;
    const QStringList entries = Reported([&] {
        mpds_back = Read_LES_Lines(record, MPDS_Fields_V8());
        misdn_back = Read_LES_Lines(record, MISDN_Fields_V8());
        ges_back = Read_GES_Lines(record);
    });
    EXPECT_EQ(mpds_back, mpds);
    EXPECT_EQ(misdn_back, misdn);
    EXPECT_EQ(ges_back.size(), 128);
    EXPECT_TRUE(entries.isEmpty()) << entries.join('\n').toStdString();
}
