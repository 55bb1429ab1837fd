// The generation-5 user record: its layout, the item-61 flag code, and
// generation-5 files built here converted into generations 8, 11 and 14
// with their conversion-report lines.

#include "editor/user_partition/user_record_v14.h"
#include "editor/user_partition/user_v11_items.h"
#include "platform/big_endian.h"
#include "user_v11_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

using namespace User_Mod;
using usertest::Set_User_Current;
using usertest::Set_User_Loaded;
using usertest::Cabin_Offset;
using usertest::Directory_Offset;

namespace {

void Put_Text(QByteArray& buf, int offset, int width, const char* text)
{
    QByteArray bytes(width, '\0');
    const QByteArray src(text);
    bytes.replace(0, src.size(), src);
    platform::Put_Bytes(buf, offset, bytes.left(width));
}

void Put_16(QByteArray& buf, int offset, int value)
{
    platform::Put_U16(buf, offset, static_cast<std::uint16_t>(value));
}

void Put_32(QByteArray& buf, int offset, int value)
{
    platform::Put_U32(buf, offset, static_cast<std::uint32_t>(value));
}

// A generation-5 user record as the oldest units wrote it, byte by byte.
QByteArray Old_Record()
{
    QByteArray buf(V5_LENGTH, '\0');
    Put_Text(buf, 0, 25, "old ort");
    Put_Text(buf, 25, 5, "ab");
    // Two GES entries, the second with a character outside its set.
    const char* ges_names[] = {"GES ONE", "GES~TWO"};
    for (int i = 0; i < 2; ++i) {
        const int at = 30 + 18 * i;
        platform::Put_U8(buf, at, static_cast<std::uint8_t>(i + 1));
        platform::Put_U8(buf, at + 1, static_cast<std::uint8_t>(065 + i));
        platform::Put_U8(buf, at + 2, static_cast<std::uint8_t>(2 - i));
        Put_Text(buf, at + 3, 15, ges_names[i]);
    }
    Put_32(buf, 2334, 2);
    platform::Put_U8(buf, 2338, 1);
    Put_Text(buf, 2339, 6, "AOR-E");
    platform::Put_U8(buf, 2345, 2);
    Put_Text(buf, 2346, 6, "po#r");
    Put_32(buf, 2450, 2);
    Put_32(buf, 2454, 1); // item 4
    for (int element = 0; element < 100; ++element) {
        Put_Text(buf, 2458 + 38 * element, 15, "--------------");
        Put_Text(buf, 2473 + 38 * element, 19, "------------------");
        Put_16(buf, 2492 + 38 * element, 3);
    }
    Put_Text(buf, Directory_Offset(0, 0), 15, "Captain");
    Put_Text(buf, Directory_Offset(0, 0) + 15, 19, "123456");
    Put_16(buf, Directory_Offset(0, 0) + 34, 2);
    Put_16(buf, Directory_Offset(0, 0) + 36, 1);
    Put_Text(buf, Directory_Offset(0, 1), 15, "SKIP");
    Put_Text(buf, Directory_Offset(0, 1) + 15, 19, "-123");
    Put_Text(buf, Directory_Offset(2, 24), 15, "LAST");
    Put_Text(buf, Directory_Offset(2, 24) + 15, 19, "99");
    Put_16(buf, Directory_Offset(2, 24) + 34, 9);
    const char* categories[] = {"CREW", "CABIN", "OPS", "MISC"};
    for (int k = 0; k < 4; ++k)
        Put_Text(buf, 6258 + 11 * k, 11, categories[k]);
    Put_32(buf, 6302, 1);   // item 7
    Put_16(buf, 6306, 1);   // item 10
    Put_32(buf, 6308, 2);   // item 13
    Put_32(buf, 6312, 255); // item 14 "Immediate"
    Put_32(buf, 6316, 1);   // item 15
    for (int sdu = 0; sdu < 2; ++sdu)
        for (int position = 0; position < 10; ++position)
            for (int channel = 0; channel < 2; ++channel)
                Put_Text(buf, Cabin_Offset(sdu, position, channel), 19, "------------------");
    Put_Text(buf, Cabin_Offset(0, 0, 0), 19, "ABC"); // position 0 has no field
    Put_Text(buf, Cabin_Offset(0, 3, 0), 19, "12AB");
    Put_Text(buf, Cabin_Offset(1, 9, 1), 19, "0044-5555");
    Put_16(buf, 7082, 0);
    Put_16(buf, 7084, 1);
    Put_32(buf, 7088, 1); // item 20: index 1, stored as the index itself
    Put_32(buf, 7092, 1);
    Put_32(buf, 7096, 0);
    Put_32(buf, 7100, 2);
    Put_32(buf, 7104, 1);
    Put_Text(buf, 7108, 4, "1234");
    Put_Text(buf, 7112, 4, "12x4");
    Put_16(buf, 7116, 1); // SDU 1 shared
    Put_16(buf, 7118, 0);
    Put_32(buf, 7120, 1);
    Put_16(buf, 7124, 1);
    Put_16(buf, 7126, 1); // modified
    Put_16(buf, 7128, 0);
    Put_16(buf, 7130, 5); // item 40b outside its list
    const int item_45[4][2] = {{-1, 0}, {12, 1}, {999, 0}, {7, 1}};
    for (int i = 0; i < 4; ++i) {
        Put_16(buf, 7132 + 4 * i, item_45[i][0]);
        Put_16(buf, 7134 + 4 * i, item_45[i][1]);
    }
    platform::Put_Bytes(buf, 7148, QByteArray("\x09\x08\x07\x06\x05\x04", 6));
    Put_16(buf, 7154, 1);
    platform::Put_Bytes(buf, 7156, QByteArray("\x01\x01\x01\x01", 4)); // b0 to b3
    Put_32(buf, 7160, 125);
    Put_32(buf, 7164, 1);
    platform::Put_Bytes(buf, 7168, QByteArray("\x01\x01", 2)); // b4, b5: code 7
    return buf;
}

struct Flags {
    const char* bytes; // b0 to b5
    int code;
    int index;
};

class UserV5Test : public usertest::ShortRecordTest {
protected:
    // Loads the old record into a target generation, with the report open.
    QString Convert_Into(int version, int feature = 5, int airframer = 0, int revision = 2)
    {
        User_Record_V5().Set_Bytes(Old_Record());
        Set_User_Loaded(5, 0);
        Set_User_Current(version, revision, feature, airframer);
        Open_Report();
        Convert_User(*pages);
        return Report_Text();
    }

    void Expect_Controls_Of_The_Old_Record()
    {
        EXPECT_EQ(pages->Main.Control_33->text(), QStringLiteral("OLD ORT"));
        EXPECT_EQ(pages->General().Control_34->text(), QStringLiteral("ab"));
        EXPECT_EQ(pages->General().Control_04->currentIndex(), 1);
        EXPECT_EQ(pages->General().Control_40b->currentIndex(), 1); // default kept
        EXPECT_EQ(pages->General().Control_61->currentIndex(), 1);
        EXPECT_EQ(pages->Cockpit_Voice().Control_14->currentIndex(), 16);
        EXPECT_EQ(pages->Cockpit_Voice().Control_20->currentIndex(), 1);
        EXPECT_EQ(pages->Cabin().Control_13->currentIndex(), 2);
        EXPECT_EQ(pages->Cabin().Control_25b->text(), QStringLiteral("124"));
        EXPECT_EQ(pages->Cabin().Control_45_1a1->text(), QStringLiteral("-1"));
        EXPECT_EQ(pages->Cabin().Control_45_2a1->text(), QStringLiteral("999"));
        EXPECT_EQ(pages->Dual().Control_49[0]->text(), QStringLiteral("9"));
        EXPECT_EQ(pages->HSD_Cnfg().Control_62->text(), QStringLiteral("12.5"));
        EXPECT_EQ(pages->Sat_GES().Control_02->count(), 2);
        EXPECT_EQ(pages->Sat_GES().Control_02->item(0)->text().left(12), QStringLiteral("01   065   2"));
        // A character outside the name's set is replaced in the line as in the report.
        EXPECT_EQ(pages->Sat_GES().Control_02->item(1)->text().mid(15).trimmed(),
                  QStringLiteral("GES TWO"));
        ASSERT_EQ(pages->Sat_GES().Control_03->count(), 2);
        EXPECT_EQ(pages->Sat_GES().Control_03->item(1)->text(), QStringLiteral("02   PO R  "));
        EXPECT_EQ(pages->Cabin_Numbers().Control_16_Sat1_ChA[3]->text(), QStringLiteral("12"));
        EXPECT_EQ(pages->Cabin_Numbers().Control_16_Sat2_ChB[9]->text(), QStringLiteral("0044-5555"));
        EXPECT_FALSE(pages->Cabin_Numbers().Control_16_Sat1_ChB[4]->isEnabled());
        EXPECT_TRUE(pages->Cabin_Numbers().Control_16_Sat2_ChB[4]->isEnabled());
        Page_Cockpit_Numbers& cockpit = pages->Cockpit_Numbers();
        EXPECT_EQ(cockpit.Control_05_Tab->tabText(1), QStringLiteral("CABIN"));
        EXPECT_EQ(cockpit.Control_05_Tab->currentIndex(), 0);
        ASSERT_EQ(cockpit.Control_05[0]->count(), 1);
        EXPECT_EQ(cockpit.Control_05[0]->item(0)->text(),
                  QStringLiteral("CAPTAIN").leftJustified(18) + QStringLiteral("123456").leftJustified(22)
                      + QStringLiteral("2    Yes"));
        ASSERT_EQ(cockpit.Control_05[2]->count(), 1);
        EXPECT_EQ(cockpit.Control_05[1]->count(), 0);
        EXPECT_FALSE(pages->Main.Label_User_Modified->isHidden());
    }

    static void Expect_Report_Lines(const QString& report)
    {
        const char* expected[] = {
            "    Item iv - Default:    On Ground Only",
            "*** Item xl-b - Value out of range, changed to: Enabled",
            "    Item xiii - Default:    ",
            "*** Item xxv-SDU 2 - Value out of range, was: 12x4",
            "*** Item ii - GES Name - Value out of range, was: GES~TWO",
            "*** Item iii - Sat Name - Value out of range, was: PO#R",
            "*** Item xvi - APHONE A, 3, SDU 1 - Value out of range, was: 12AB",
            "    Item xxxiii - Default:    ",
        };
        for (const char* line : expected)
            EXPECT_TRUE(report.contains(QLatin1String(line))) << line << "\n" << report.toStdString();
        // Position 0 has no field and is not read; unassigned entries give
        // no line.
        EXPECT_FALSE(report.contains(QStringLiteral("APHONE A, 0"))) << report.toStdString();
        EXPECT_FALSE(report.contains(QStringLiteral("SKIP")));
        EXPECT_FALSE(report.contains(QStringLiteral("lxxviii")));
    }
};

} // namespace

TEST(UserV5Layout, FieldsLieInsideTheRecordWithoutOverlap)
{
    EXPECT_EQ(core::Check_Layout(User_Record_V5_Layout(), V5_LENGTH), QString());
    // Without overlap, fields whose widths add up to the length cover every byte.
    int covered = 0;
    for (const core::Field_Def& field : User_Record_V5_Layout())
        covered += field.width * field.count;
    EXPECT_EQ(covered, 7170);
    EXPECT_EQ(V5_LENGTH, 7170);
    const core::Record& record = User_Record_V5();
    EXPECT_EQ(record.Length(), 7170);
    EXPECT_EQ(record.Offset_Of(V8_Dir_Number, 99), 2473 + 99 * 38);
    EXPECT_EQ(record.Offset_Of(V8_Cabin_Number, 39), 7061);
    EXPECT_EQ(record.Offset_Of(V8_Item_45_Number, 2), 7140);
    EXPECT_EQ(record.Offset_Of(V8_Constant_1), 7164);
    EXPECT_EQ(record.Offset_Of(V8_Item_61_B, 1), 7169);
    EXPECT_THROW(record.Field(V8_PSID_Count), core::Record_Error); // not in this generation
}

TEST(UserV5Item61, FlagBytesGiveTheCodeAndTheListIndex)
{
    const Flags cases[] = {
        {"\x00\x00\x00\x00\x00\x00", 3, 4}, {"\x01\x01\x01\x01\x01\x01", 7, 1},
        {"\x01\x01\x00\x01\x00\x00", 4, 2}, {"\x01\x01\x01\x01\x00\x00", 6, 0},
        {"\x00\x01\x00\x01\x00\x00", 0, 3}, {"\x00\x01\x00\x01\x01\x01", 1, 5},
        {"\x01\x00\x01\x01\x01\x01", 4, 2}, // b1 not 1: 3 + b4
        {"\x01\x01\x01\x01\x01\x00", 6, 0}, // b5 not 1: b4 not added
        {"\x00\x01\x01\x01\x00\x00", 2, 4},
    };
    core::Record& record = User_Record_V5();
    for (const Flags& flags : cases) {
        QByteArray bytes(V5_LENGTH, '\0');
        bytes.replace(7156, 4, QByteArray(flags.bytes, 4));
        bytes.replace(7168, 2, QByteArray(flags.bytes + 4, 2));
        record.Set_Bytes(bytes);
        EXPECT_EQ(Item_61_Code_V5(record), flags.code) << QByteArray(flags.bytes, 6).toHex().constData();
        EXPECT_EQ(Item_61_Index_Of_Code_V5(flags.code), flags.index) << flags.code;
    }
    record.Clear();
}

TEST_F(UserV5Test, ConvertsIntoGeneration11)
{
    const QString report = Convert_Into(11, 5, 0, 1);
    Expect_Controls_Of_The_Old_Record();
    Expect_Report_Lines(report);

    EXPECT_EQ(V11().mid(0, 8), QByteArray("OLD ORT") + QByteArray(1, '\0'));
    EXPECT_EQ(V11().mid(25, 3), QByteArray("AB") + QByteArray(1, '\0'));
    EXPECT_EQ(V11_Number(2334, 4), 2);
    EXPECT_EQ(V11().mid(2338, 7), QByteArray("\x01" "AOR-E\0", 7));
    EXPECT_EQ(V11().mid(2345, 7), QByteArray("\x02" "PO R\0\0", 7));
    EXPECT_EQ(V11_Number(2450, 4), 2);
    EXPECT_EQ(V11_Number(2454, 4), 1);
    EXPECT_EQ(V11().mid(Directory_Offset(0, 0), 15), QByteArray("CAPTAIN       ") + QByteArray(1, '\0'));
    EXPECT_EQ(V11().mid(Directory_Offset(0, 1), 15), QByteArray(14, '-') + QByteArray(1, '\0'));
    // Used entries come first in their category.
    EXPECT_EQ(V11().mid(Directory_Offset(2, 0), 4), QByteArray("LAST"));
    EXPECT_EQ(V11_Number(Directory_Offset(2, 0) + 34, 2), 9);
    EXPECT_EQ(V11().mid(Directory_Offset(2, 24), 15), QByteArray(14, '-') + QByteArray(1, '\0'));
    EXPECT_EQ(V11().mid(6258 + 22, 4), QByteArray("OPS") + QByteArray(1, '\0'));
    EXPECT_EQ(V11_Number(6302, 4), 1);
    EXPECT_EQ(V11_Number(6308, 4), 2);
    EXPECT_EQ(V11_Number(6312, 4), 255);
    EXPECT_EQ(V11().mid(Cabin_Offset(0, 0, 0), 19), QByteArray(18, '-') + QByteArray(1, '\0'));
    EXPECT_EQ(V11().mid(Cabin_Offset(0, 3, 0), 3), QByteArray("12") + QByteArray(1, '\0'));
    EXPECT_EQ(V11().mid(Cabin_Offset(1, 9, 1), 10), QByteArray("0044-5555") + QByteArray(1, '\0'));
    EXPECT_EQ(V11_Number(7088, 4), 2);
    EXPECT_EQ(V11().mid(7108, 8), QByteArray("1234124 "));
    EXPECT_EQ(V11_Number(7116, 2), 1);
    EXPECT_EQ(V11_Number(7126, 2), 0);
    EXPECT_EQ(V11_Number(7130, 2), 1);
    EXPECT_EQ(V11().mid(7132, 16), QByteArray("\xFF\xFF\x00\x00\x00\x0C\x00\x01\x03\xE7\x00\x00\x00\x07\x00\x01", 16));
    EXPECT_EQ(V11().mid(7148, 6), QByteArray("\x09\x08\x07\x06\x05\x04", 6));
    EXPECT_EQ(V11().mid(7156, 4), QByteArray("\x01\x01\x01\x01", 4)); // index 1
    EXPECT_EQ(V11_Number(7160, 4), 125);
    EXPECT_EQ(V11_Number(7164, 4), 1);
    EXPECT_EQ(V11_Byte(7240), 0);
    EXPECT_EQ(V11_Byte(7271), 1);
}

TEST_F(UserV5Test, ConvertsIntoGeneration8)
{
    const QString report = Convert_Into(8);
    Expect_Controls_Of_The_Old_Record();
    Expect_Report_Lines(report);

    const QByteArray v8 = User_Record_V8().Bytes();
    EXPECT_EQ(v8.mid(0, 8), QByteArray("OLD ORT") + QByteArray(1, '\0'));
    EXPECT_EQ(platform::Get_U32(v8, 2334), 2u);
    // Category 2 starts at element 200 in this generation.
    EXPECT_EQ(v8.mid(2458 + 38 * 200, 4), QByteArray("LAST"));
    EXPECT_EQ(platform::Get_I32(v8, 17712), 255);
    EXPECT_EQ(v8.mid(17720 + 6 * 19, 3), QByteArray("12") + QByteArray(1, '\0'));
    EXPECT_EQ(platform::Get_I32(v8, 18488), 2);
    EXPECT_EQ(v8.mid(18556, 4), QByteArray("\x01\x01\x01\x01", 4)); // index 1
    EXPECT_EQ(v8.mid(18568, 2), QByteArray("\x01\x01", 2));
    EXPECT_EQ(platform::Get_I32(v8, 18560), 125);
    // What generation 5 lacks keeps its factory default.
    EXPECT_EQ(platform::Get_U8(v8, 18570), 3); // item 63
    EXPECT_EQ(platform::Get_I32(v8, 18998), 12); // MPDS list
}

TEST_F(UserV5Test, ConvertsIntoGeneration14)
{
    const QString report = Convert_Into(14, 5, 0, 1);
    Expect_Controls_Of_The_Old_Record();
    Expect_Report_Lines(report);

    const QByteArray v14 = User_Record_V14().Bytes();
    EXPECT_EQ(v14.mid(0, 8), QByteArray("OLD ORT") + QByteArray(1, '\0'));
    EXPECT_EQ(v14.mid(2458 + 38 * 200, 4), QByteArray("LAST"));
    EXPECT_EQ(platform::Get_I32(v14, 17712), 255);
    EXPECT_EQ(v14.mid(17720 + 6 * 19, 3), QByteArray("12") + QByteArray(1, '\0'));
    EXPECT_EQ(v14.mid(18556, 4), QByteArray("\x01\x01\x01\x01", 4));
    EXPECT_EQ(v14.mid(18568, 2), QByteArray("\x01\x01", 2));
    EXPECT_EQ(platform::Get_I32(v14, 18560), 125);
}

TEST_F(UserV5Test, Item62NeedsItsPresenceFlag)
{
    for (int flag : {0, -1}) {
        QByteArray bytes = Old_Record();
        Put_32(bytes, 7164, flag);
        User_Record_V5().Set_Bytes(bytes);
        Set_User_Loaded(5, 0);
        Set_User_Current(11, 1, 5, 0);
        Convert_User(*pages);
        EXPECT_EQ(pages->HSD_Cnfg().Control_62->text(), QStringLiteral("18.0")) << flag;
        EXPECT_EQ(V11_Number(7160, 4), 180) << flag;
    }
}

TEST_F(UserV5Test, AirframerKeepsItsOwnItems)
{
    QByteArray bytes = Old_Record();
    Put_32(bytes, 6312, 3); // item 14
    Put_32(bytes, 6316, 0); // item 15
    User_Record_V5().Set_Bytes(bytes);
    Set_User_Loaded(5, 0);
    Set_User_Current(11, 1, 5, 1);
    Open_Report();
    Convert_User(*pages);
    const QString report = Report_Text();
    EXPECT_NE(pages->General().Control_04->currentIndex(), 1);
    EXPECT_EQ(pages->Cockpit_Voice().Control_14->currentIndex(), 16);
    EXPECT_EQ(pages->Cockpit_Voice().Control_15->currentIndex(), 1);
    EXPECT_NE(pages->Cockpit_Numbers().Control_05_Tab->tabText(1), QStringLiteral("CABIN"));
    EXPECT_FALSE(report.contains(QStringLiteral("Item iv "))) << report.toStdString();
    // The directory is loaded all the same, its labels naming the fixed captions.
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05[2]->count(), 1);
}

TEST_F(UserV5Test, BadStoredValuesAreReportedOrRefused)
{
    QByteArray bytes = Old_Record();
    Put_32(bytes, 2334, 500);  // GES count
    Put_32(bytes, 2450, 17);   // satellite count
    platform::Put_U8(bytes, 2338, 64); // never read: the count is out of range
    Put_16(bytes, Directory_Offset(3, 0) + 34, 70);
    Put_Text(bytes, Directory_Offset(3, 0) + 15, 19, "555");
    User_Record_V5().Set_Bytes(bytes);
    Set_User_Loaded(5, 0);
    Set_User_Current(11, 1, 5, 0);
    Open_Report();
    Convert_User(*pages);
    const QString report = Report_Text();
    EXPECT_TRUE(report.contains(QStringLiteral("*** Item ii-Size - Value out of range, was: 500")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("*** Item iii-Size - Value out of range, was: 17")));
    EXPECT_TRUE(report.contains(QStringLiteral("*** Item v - Priority, MISC, 0 - Value out of range, was: 70")));
    EXPECT_EQ(pages->Sat_GES().Control_02->count(), 0);
    EXPECT_EQ(pages->Sat_GES().Control_03->count(), 0);

    // A list index that its control cannot take refuses the load.
    for (int offset : {6302, 7092, 7120}) {
        QByteArray bad = Old_Record();
        Put_32(bad, offset, 77);
        User_Record_V5().Set_Bytes(bad);
        EXPECT_THROW(Update_GUI(*pages), core::Record_Error) << offset;
    }
    // An item-45 assignment type outside its list loads the default (with a
    // "***" line).
    QByteArray bad = Old_Record();
    Put_16(bad, 7134, 9);
    User_Record_V5().Set_Bytes(bad);
    EXPECT_NO_THROW(Update_GUI(*pages));
    EXPECT_EQ(pages->Cabin().Control_45_1b1->currentIndex(), 0);
}

TEST_F(UserV5Test, GenerationFiveIsNeverWritten)
{
    Set_User_Current(5, 0, 5, 0);
    EXPECT_THROW(Update_Data(*pages), Unsupported_Version_Error);
    ASSERT_EQ(messages.Texts().size(), 1);
    EXPECT_EQ(messages.Texts().at(0), QStringLiteral("User Update_Data: Unsupported version: 5"));
    EXPECT_EQ(User_Record_For_Type(6), &User_Record_V5());
    EXPECT_EQ(User_Record_For_Type(12), &User_Record_V11());
}
