// Generation-8 user record checked byte by byte from outside its layout
// table: values typed into the page controls land at their offsets through
// the real save, and bytes put into the record by hand come back in the
// controls through the real load.

#include "editor/pages/psid_row.h"
#include "editor/pages_hsd/hsd_defaults.h"
#include "editor/pages_tables/cockpit_number_line.h"
#include "editor/pages_tables/ges_line.h"
#include "editor/user_partition/user_mod.h"
#include "editor/user_partition/user_v8_io.h"
#include "record_bytes.h"
#include "user_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

using namespace User_Mod;
using usertest::Set_User_Current;
using usertest::Set_User_Loaded;
using usertest::Other;
using usertest::Pick;
using usertest::Text_Field;

namespace {

class V8OffsetsTest : public usertest::UserPagesTest {
protected:
    void New_Ort(int revision)
    {
        Set_User_Current(8, revision, 5, 0);
        Set_User_Defaults_New(*pages);
    }

    static void Put(int offset, int width, std::int64_t value)
    {
        usertest::Put_Number_Into(User_Record_V8(), offset, width, value);
    }
    static void Put_Bytes(int offset, const QByteArray& field)
    {
        usertest::Put_Field_Into(User_Record_V8(), offset, field);
    }

    // The record as a loaded type-8 file of revision 2 into defaulted pages.
    void Load()
    {
        Set_User_Loaded(8, 2);
        Set_User_Current(8, 2, 5, 0);
        // The defaults of a new ORT clear the record; the file's bytes stay.
        const QByteArray file = User_Record_V8().Bytes();
        Set_User_Defaults_New(*pages);
        User_Record_V8().Set_Bytes(file);
        Update_GUI_V8(*pages);
    }
};

} // namespace

TEST_F(V8OffsetsTest, ListIndexesLandAtTheirOffsetsWithTheirWidths)
{
    New_Ort(2);
    Page_General& general = pages->General();
    Page_Cockpit_Voice& voice = pages->Cockpit_Voice();
    Page_Cabin& cabin = pages->Cabin();
    struct Row {
        QComboBox* box;
        int wanted;
        int offset;
        int width;
    };
    const Row rows[] = {
        {general.Control_04, 1, 2454, 4},  {voice.Control_07, 2, 17702, 4}, {cabin.Control_10, 1, 17706, 2},
        {cabin.Control_13, 2, 17708, 4},   {voice.Control_15, 1, 17716, 4}, {voice.Control_19a, 1, 18482, 2},
        {voice.Control_19b, 2, 18484, 2},  {cabin.Control_21a, 1, 18492, 4}, {cabin.Control_21b, 0, 18496, 4},
        {cabin.Control_24a, 1, 18500, 4},  {cabin.Control_24b, 2, 18504, 4}, {voice.Control_35, 1, 18520, 4},
        {voice.Control_36, 2, 18524, 2},   {general.Control_40a, 1, 18528, 2}, {general.Control_40b, 0, 18530, 2},
        {cabin.Control_45_1b1, 1, 18534, 2}, {cabin.Control_45_1b2, 2, 18538, 2},
        {cabin.Control_45_2b1, 3, 18542, 2}, {cabin.Control_45_2b2, 4, 18546, 2},
        {general.Control_58, 1, 18554, 2}, {voice.Control_63, 2, 18570, 1},
        {pages->HSD_Cnfg().Control_65, 2, 18575, 1}, {pages->HSD_Cnfg().Control_70, 0, 18648, 2},
        {pages->HSD_Cnfg().Control_71, 1, 18650, 2}, {pages->HSD_SBB().Control_77a, 5, 18653, 1},
    };
    std::vector<int> chosen;
    for (const Row& row : rows)
        chosen.push_back(Pick(row.box, row.wanted));
    const int item_20 = Pick(voice.Control_20, 0);
    ASSERT_GT(voice.Control_14->count(), 16);
    voice.Control_14->setCurrentIndex(16);

    Update_Data_V8(*pages);
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(Number_At(rows[i].offset, rows[i].width), chosen[i]) << "offset " << rows[i].offset;
    EXPECT_EQ(Number_At(18488, 4), item_20 + 1);
    EXPECT_EQ(Number_At(17712, 4), 255);
    EXPECT_EQ(Number_At(18480, 2), 0);
    EXPECT_EQ(Number_At(18486, 2), 0);
    EXPECT_EQ(Number_At(18526, 2), 0);
    EXPECT_EQ(Number_At(18564, 4), 1);

    // No selection is all ones in a 16-bit and a 32-bit field.
    general.Control_58->setCurrentIndex(-1);
    cabin.Control_13->setCurrentIndex(-1);
    Update_Data_V8(*pages);
    EXPECT_EQ(Number_At(18554, 2), 0xFFFF);
    EXPECT_EQ(Number_At(17708, 4), 0xFFFFFFFF);
}

TEST_F(V8OffsetsTest, TextsAndNumbersLandAtTheirOffsets)
{
    New_Ort(2);
    pages->Main.Control_33->setText(QStringLiteral("my ort"));
    pages->General().Control_34->setText(QStringLiteral("ab"));
    pages->Cabin().Control_25a->setText(QStringLiteral("12"));
    pages->Cabin().Control_25b->setText(QStringLiteral("4321"));
    pages->Cabin().Control_45_1a1->setText(QStringLiteral("12"));
    pages->Cabin().Control_45_1a2->setText(QStringLiteral("-1"));
    pages->Cabin().Control_45_2a1->setText(QStringLiteral("999"));
    pages->Cabin().Control_45_2a2->setText(QStringLiteral("5"));
    for (int i = 0; i < 6; ++i)
        pages->Dual().Control_49[static_cast<std::size_t>(i)]->setText(QString::number(7 + i));
    ASSERT_GE(pages->General().Control_61->count(), 6);
    pages->General().Control_61->setCurrentIndex(5);
    pages->HSD_Cnfg().Control_62->setText(QStringLiteral("12.5"));
    pages->Cabin_Numbers().Control_26a[1]->setChecked(true);
    pages->Cabin_Numbers().Control_26b[0]->setChecked(true);
    pages->Cabin_Numbers().Control_16_Sat1_ChA[1]->setText(QStringLiteral("123"));
    pages->Cabin_Numbers().Control_16_Sat1_ChB[3]->setText(QStringLiteral("4567"));
    pages->Cabin_Numbers().Control_16_Sat2_ChA[9]->setText(QStringLiteral("89"));
    pages->Cabin_Numbers().Control_16_Sat2_ChB[1]->setText(QStringLiteral("0"));
    pages->Cockpit_Numbers().Control_05_Tab->setTabText(2, QStringLiteral("crew"));

    Update_Data_V8(*pages);
    EXPECT_EQ(Bytes().mid(0, 25), Text_Field("MY ORT", 25));
    EXPECT_EQ(Bytes().mid(25, 5), Text_Field("AB", 5));
    EXPECT_EQ(Bytes().mid(18508, 8), QByteArray("12  4321"));
    EXPECT_EQ(Number_At(18532, 2), 12);
    EXPECT_EQ(Number_At(18536, 2), 0xFFFF);
    EXPECT_EQ(Number_At(18540, 2), 999);
    EXPECT_EQ(Number_At(18544, 2), 5);
    EXPECT_EQ(Bytes().mid(18548, 6), QByteArray("\x07\x08\x09\x0A\x0B\x0C", 6));
    // Index 5: A0 0, A2 0, B0 1; A1, A3 and B1 are always 1.
    EXPECT_EQ(Bytes().mid(18556, 4), QByteArray("\x00\x01\x00\x01", 4));
    EXPECT_EQ(Bytes().mid(18568, 2), QByteArray("\x01\x01", 2));
    EXPECT_EQ(Number_At(18560, 4), 125);
    EXPECT_EQ(Number_At(18516, 2), 1);
    EXPECT_EQ(Number_At(18518, 2), 0);
    const QByteArray none = Text_Field("------------------", 19);
    for (int element : {0, 1, 20, 21})
        EXPECT_EQ(Bytes().mid(17720 + 19 * element, 19), none) << element;
    EXPECT_EQ(Bytes().mid(17720 + 19 * 2, 19), Text_Field("123", 19));
    EXPECT_EQ(Bytes().mid(17720 + 19 * 7, 19), Text_Field("4567", 19));
    EXPECT_EQ(Bytes().mid(17720 + 19 * 38, 19), Text_Field("89", 19));
    EXPECT_EQ(Bytes().mid(17720 + 19 * 23, 19), Text_Field("0", 19));
    EXPECT_EQ(Bytes().mid(17658 + 22, 11), Text_Field("CREW", 11));
    EXPECT_EQ(Bytes().mid(19173, 146), QByteArray(146, '\0'));
    EXPECT_EQ(Byte_At(19319), 2);
}

TEST_F(V8OffsetsTest, ListTablesAndFillElements)
{
    New_Ort(2);
    QListWidget* ges = pages->Sat_GES().Control_02;
    ges->clear();
    ges->addItem(ges::GES_Line(QStringLiteral("05"), QStringLiteral("123"), QStringLiteral("4"),
                               QStringLiteral("GES X")));
    QListWidget* sats = pages->Sat_GES().Control_03;
    sats->clear();
    sats->addItem(QStringLiteral("12   AOR-E"));
    QListWidget* category_1 = pages->Cockpit_Numbers().Control_05[1];
    category_1->clear();
    category_1->addItem(tables::Cockpit_Number_Line(QStringLiteral("pilot"), QStringLiteral("0044123"), 2, true));
    QListWidget* mpds = pages->HSD_S64().Control_67;
    mpds->clear();
    mpds->addItem(Format_LES_Entry(Make_LES_Element(012, 305, 2)));
    QListWidget* misdn = pages->HSD_S64().Control_66;
    misdn->clear();
    misdn->addItem(Format_LES_Entry(Make_LES_Element(03, 7, 9)));
    misdn->addItem(Format_LES_Entry(Make_LES_Element(077, 999, 1)));
    QListWidget* psid = pages->General().Control_78;
    psid->clear();
    psid->addItem(pages::Format_PSID_Row({3, 7, 0x1770, 0x4C90}));

    Update_Data_V8(*pages);
    // GES: element 0 from the line, element 1 filled.
    EXPECT_EQ(Bytes().mid(30, 18), QByteArray("\x05\x53\x04", 3) + Text_Field("GES X", 15));
    EXPECT_EQ(Bytes().mid(48, 18), QByteArray("\x3F\xFF\x01", 3) + Text_Field("--------------", 15));
    EXPECT_EQ(Bytes().mid(30 + 127 * 18, 3), QByteArray("\x3F\xFF\x01", 3));
    EXPECT_EQ(Number_At(2334, 4), 1);
    EXPECT_EQ(Bytes().mid(2338, 7), QByteArray("\x0A", 1) + Text_Field("AOR-E", 6));
    EXPECT_EQ(Bytes().mid(2345, 7), QByteArray("\x3F", 1) + Text_Field("-----", 6));
    EXPECT_EQ(Number_At(2450, 4), 1);
    // Directory: category 1 starts at element 100.
    const int entry = 2458 + 38 * 100;
    // Columns 1-14 and 19-36 are taken whole, blanks included.
    EXPECT_EQ(Bytes().mid(entry, 15), QByteArray("PILOT         ") + '\0');
    EXPECT_EQ(Bytes().mid(entry + 15, 19), QByteArray("0044123           ") + '\0');
    EXPECT_EQ(Number_At(entry + 34, 2), 2);
    EXPECT_EQ(Number_At(entry + 36, 2), 1);
    EXPECT_EQ(Bytes().mid(entry + 38, 38), Text_Field("--------------", 15)
                                               + Text_Field("------------------", 19)
                                               + QByteArray("\x00\x03\x00\x00", 4));
    // LES tables.
    EXPECT_EQ(Bytes().mid(18662, 8), QByteArray("\x0A\x01\x31\x02\x3F\x03\xE7\x00", 8));
    EXPECT_EQ(Bytes().mid(18662 + 83 * 4, 4), QByteArray("\x3F\x03\xE7\x00", 4));
    EXPECT_EQ(Number_At(18998, 4), 1);
    EXPECT_EQ(Bytes().mid(19002, 12), QByteArray("\x03\x00\x07\x09\x3F\x03\xE7\x01\x3F\x03\xE7\x00", 12));
    EXPECT_EQ(Number_At(19098, 4), 2);
    // PSID table.
    EXPECT_EQ(Bytes().mid(19102, 14), QByteArray("\x03\x00\x07\x17\x70\x4C\x90\x3F\x00\x00\x00\x00\x00\x00", 14));
    EXPECT_EQ(Byte_At(19172), 1);
}

TEST_F(V8OffsetsTest, HighSpeedDataBlockAtRevisionTwo)
{
    New_Ort(2);
    Page_HSD_Cnfg& cnfg = pages->HSD_Cnfg();
    cnfg.Control_64->setText(QStringLiteral("29.9"));
    const std::array<std::array<QLineEdit*, 4>*, 7> addresses = {
        &cnfg.Control_72a1, &cnfg.Control_72b1, &cnfg.Control_73a1, &cnfg.Control_73b1,
        &cnfg.Control_74a1, &cnfg.Control_74b1, &cnfg.Control_75};
    QByteArray octets;
    for (int n = 0; n < 7; ++n) {
        for (int p = 0; p < 4; ++p) {
            const int value = 10 * n + p + 1;
            (*addresses[static_cast<std::size_t>(n)])[static_cast<std::size_t>(p)]->setText(QString::number(value));
            octets.append(static_cast<char>(value));
        }
    }
    const char* macs[] = {"0", "1B", "ff", "A", "7", "C0"};
    for (int i = 0; i < 6; ++i) {
        cnfg.Control_68a[static_cast<std::size_t>(i)]->setText(QLatin1String(macs[i]));
        cnfg.Control_68b[static_cast<std::size_t>(5 - i)]->setText(QLatin1String(macs[i]));
    }
    cnfg.Control_69[0]->setText(QStringLiteral("Data-x"));
    cnfg.Control_69[1]->setMaxLength(16); // the page stops at 15; the field holds 16
    cnfg.Control_69[1]->setText(QStringLiteral("ABCDEFGHIJKLMNOP"));
    cnfg.Control_76->setText(QStringLiteral("200"));
    const char* rates[] = {"65535", "0", "1", "300"};
    for (int i = 0; i < 4; ++i)
        pages->HSD_SBB().Control_77b[static_cast<std::size_t>(i)]->setText(QLatin1String(rates[i]));

    Update_Data_V8(*pages);
    EXPECT_EQ(Number_At(18571, 4), 299);
    EXPECT_EQ(Bytes().mid(18576, 28), octets);
    EXPECT_EQ(Bytes().mid(18604, 12), QByteArray("\x00\x1B\xFF\x0A\x07\xC0\xC0\x07\x0A\xFF\x1B\x00", 12));
    EXPECT_EQ(Bytes().mid(18616, 16), Text_Field("Data-x", 16)); // as typed, not upper-cased
    EXPECT_EQ(Bytes().mid(18632, 16), QByteArray("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(Byte_At(18652), 200);
    EXPECT_EQ(Bytes().mid(18654, 8), QByteArray("\xFF\xFF\x00\x00\x00\x01\x01\x2C", 8));
}

TEST_F(V8OffsetsTest, RevisionDecidesTheHighSpeedDataBlock)
{
    New_Ort(3);
    // What an earlier file left in the block stays under revision 3.
    QByteArray held = User_Record_V8().Bytes();
    for (int i = 18571; i < 19102; ++i)
        held[i] = static_cast<char>(0xA5);
    User_Record_V8().Set_Bytes(held);
    Update_Data_V8(*pages);
    EXPECT_EQ(Bytes().mid(18571, 19102 - 18571), QByteArray(19102 - 18571, '\xA5'));
    EXPECT_EQ(Byte_At(19319), 3);
    EXPECT_NE(Byte_At(18570), 0xA5); // item 63 lies before the block and is written

    Set_User_Current(8, 1, 5, 0);
    Update_Data_V8(*pages);
    EXPECT_EQ(Bytes().mid(18571, 19102 - 18571), QByteArray(19102 - 18571, '\0'));
    EXPECT_EQ(Byte_At(19102), 63); // the PSID table after the block is written as usual
    EXPECT_EQ(Byte_At(19319), 1);
}

TEST_F(V8OffsetsTest, HandWrittenBytesReachTheControls)
{
    New_Ort(2);
    Update_Data_V8(*pages);
    Page_General& general = pages->General();
    Page_Cockpit_Voice& voice = pages->Cockpit_Voice();
    Page_Cabin& cabin = pages->Cabin();
    struct Row {
        QComboBox* box;
        int offset;
        int width;
    };
    const Row rows[] = {
        {general.Control_04, 2454, 4}, {voice.Control_07, 17702, 4}, {cabin.Control_10, 17706, 2},
        {voice.Control_15, 17716, 4}, {voice.Control_19a, 18482, 2}, {voice.Control_19b, 18484, 2},
        {cabin.Control_21a, 18492, 4}, {cabin.Control_21b, 18496, 4}, {cabin.Control_24a, 18500, 4},
        {cabin.Control_24b, 18504, 4}, {voice.Control_35, 18520, 4}, {voice.Control_36, 18524, 2},
        {general.Control_40a, 18528, 2}, {general.Control_40b, 18530, 2}, {cabin.Control_45_2b2, 18546, 2},
        {general.Control_58, 18554, 2}, {voice.Control_63, 18570, 1},
        {pages->HSD_Cnfg().Control_65, 18575, 1}, {pages->HSD_Cnfg().Control_71, 18650, 2},
        {pages->HSD_SBB().Control_77a, 18653, 1},
    };
    std::vector<int> stored;
    for (const Row& row : rows) {
        stored.push_back(Other(row.box));
        Put(row.offset, row.width, stored.back());
    }
    Put(17712, 4, 255);  // item 14 "Immediate"
    const int item_20 = Other(voice.Control_20);
    Put(18488, 4, item_20 + 1); // stored as index + 1
    Put(18532, 2, 0xFFFF);
    Put(18540, 2, 300);
    Put_Bytes(18508, QByteArray("4321"));
    Put_Bytes(18548, QByteArray("\x01\x02\x03\x04\x05\x63", 6));
    Put_Bytes(18556, QByteArray("\x01\x01\x01\x01", 4)); // A0 1, A2 1
    Put_Bytes(18568, QByteArray("\x01\x01", 2));         // B0 1: key 7
    Put(18560, 4, 125);
    Put(18571, 4, 250);
    Put_Bytes(18580, QByteArray("\x0A\x00\x00\x02", 4)); // item 72, SDU 2
    Put_Bytes(18600, QByteArray("\xC0\xA8\x01\x64", 4)); // item 75
    Put_Bytes(18604, QByteArray("\x0A\x00\xFF\x10\x01\x02", 6));
    Put(18610, 1, 1); // item 68, SDU 2, first byte
    Put(18652, 1, 17);
    Put(18660, 2, 0xFFFF);
    Put_Bytes(18616, Text_Field("HELLO", 16));
    Put_Bytes(18662, QByteArray("\x08\x00\x7B\x05", 4));
    Put(18998, 4, 1);
    Put(19098, 4, 0);
    Put_Bytes(30, QByteArray("\x05\x53\x04", 3) + Text_Field("ABC", 15));
    Put(2334, 4, 1);
    Put_Bytes(2338, QByteArray("\x0A", 1) + Text_Field("AOR-E", 6));
    Put(2450, 4, 1);
    Put_Bytes(19102, QByteArray("\x03\x00\x07\x17\x70\x00\x00", 7));
    Put(19172, 1, 1);
    const int entry = 2458 + 38 * 205; // category 2, entry 5
    Put_Bytes(entry, Text_Field("NAV", 15) + Text_Field("12345", 19) + QByteArray("\x00\x04\x00\x02", 4));
    Put_Bytes(17658 + 33, Text_Field("XTRA", 11));
    Put_Bytes(17720 + 19 * 23, Text_Field("5551234", 19));
    Put(18516, 2, 1);
    Put(18518, 2, 2);
    Put(18526, 2, 1);
    Put_Bytes(0, Text_Field("HELLO WORLD", 25));
    Put_Bytes(25, Text_Field("AB", 5));

    Load();
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(rows[i].box->currentIndex(), stored[i]) << "offset " << rows[i].offset;
    EXPECT_EQ(voice.Control_14->currentIndex(), 16);
    EXPECT_EQ(voice.Control_20->currentIndex(), item_20);
    EXPECT_EQ(cabin.Control_45_1a1->text(), QStringLiteral("-1"));
    EXPECT_EQ(cabin.Control_45_2a1->text(), QStringLiteral("300"));
    EXPECT_EQ(cabin.Control_25a->text(), QStringLiteral("4321"));
    EXPECT_EQ(pages->Dual().Control_49[0]->text(), QStringLiteral("1"));
    EXPECT_EQ(pages->Dual().Control_49[5]->text(), QStringLiteral("99"));
    EXPECT_EQ(general.Control_61->currentIndex(), 1);
    EXPECT_EQ(pages->HSD_Cnfg().Control_62->text(), QStringLiteral("12.5"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_64->text(), QStringLiteral("25.0"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_72b1[0]->text(), QStringLiteral("10"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_72b1[3]->text(), QStringLiteral("2"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_75[0]->text(), QStringLiteral("192"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_75[3]->text(), QStringLiteral("100"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_68a[0]->text(), QStringLiteral("A"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_68a[1]->text(), QStringLiteral("0"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_68a[2]->text(), QStringLiteral("FF"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_68b[0]->text(), QStringLiteral("1"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_69[0]->text(), QStringLiteral("HELLO"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_76->text(), QStringLiteral("17"));
    EXPECT_EQ(pages->HSD_SBB().Control_77b[3]->text(), QStringLiteral("65535"));
    ASSERT_EQ(pages->HSD_S64().Control_67->count(), 1);
    EXPECT_EQ(pages->HSD_S64().Control_67->item(0)->text(),
              Format_LES_Entry(Make_LES_Element(8, 123, 5)));
    EXPECT_EQ(pages->HSD_S64().Control_66->count(), 0);
    ASSERT_EQ(pages->Sat_GES().Control_02->count(), 1);
    EXPECT_TRUE(pages->Sat_GES().Control_02->item(0)->text().startsWith(QStringLiteral("05   123   4   ABC")));
    ASSERT_EQ(pages->Sat_GES().Control_03->count(), 1);
    EXPECT_EQ(pages->Sat_GES().Control_03->item(0)->text(), QStringLiteral("12   AOR-E"));
    ASSERT_EQ(general.Control_78->count(), 1);
    EXPECT_EQ(general.Control_78->item(0)->text(), pages::Format_PSID_Row({3, 7, 0x1770, 0}));
    ASSERT_EQ(pages->Cockpit_Numbers().Control_05[2]->count(), 1);
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05[2]->item(0)->text(),
              QStringLiteral("NAV").leftJustified(18) + QStringLiteral("12345").leftJustified(22)
                  + QStringLiteral("4    Yes"));
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05_Tab->tabText(3), QStringLiteral("XTRA"));
    EXPECT_EQ(pages->Cabin_Numbers().Control_16_Sat2_ChB[1]->text(), QStringLiteral("5551234"));
    EXPECT_TRUE(pages->Cabin_Numbers().Control_26a[1]->isChecked());
    EXPECT_FALSE(pages->Cabin_Numbers().Control_16_Sat1_ChB[1]->isEnabled());
    EXPECT_TRUE(pages->Cabin_Numbers().Control_26b[0]->isChecked());
    EXPECT_TRUE(pages->Cabin_Numbers().Control_16_Sat2_ChB[1]->isEnabled());
    EXPECT_FALSE(pages->Main.Label_User_Modified->isHidden());
    EXPECT_EQ(pages->Main.Control_33->text(), QStringLiteral("HELLO WORLD"));
    EXPECT_EQ(general.Control_34->text(), QStringLiteral("AB"));
}

TEST_F(V8OffsetsTest, AddressesAreReportedPartByPart)
{
    New_Ort(2);
    Update_Data_V8(*pages);
    Put_Bytes(18576, QByteArray("\x01\x02\x00\x01", 4)); // item 72, SDU 1
    Put_Bytes(18600, QByteArray("\x03\x04\x00\x64", 4)); // item 75
    Open_Report();
    Load();
    const QStringList entries = Report_Entries();
    const auto line_of = [&entries](const QString& label) {
        for (int i = 0; i < entries.size(); ++i) {
            if (entries[i].contains(label))
                return i;
        }
        return -1;
    };
    const int item_72_part_0 = line_of(QStringLiteral("lxxii - SDU 1, Port 1, Part 0"));
    const int item_75_part_0 = line_of(QStringLiteral("lxxv - Part 0"));
    const int item_72_part_1 = line_of(QStringLiteral("lxxii - SDU 1, Port 1, Part 1"));
    const int item_75_part_1 = line_of(QStringLiteral("lxxv - Part 1"));
    ASSERT_GE(item_72_part_0, 0) << entries.join('\n').toStdString();
    ASSERT_GE(item_75_part_1, 0) << entries.join('\n').toStdString();
    EXPECT_LT(item_72_part_0, item_75_part_0);
    EXPECT_LT(item_75_part_0, item_72_part_1);
    EXPECT_LT(item_72_part_1, item_75_part_1);
    EXPECT_EQ(pages->HSD_Cnfg().Control_72a1[1]->text(), QStringLiteral("2"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_75[0]->text(), QStringLiteral("3"));
}

TEST_F(V8OffsetsTest, NoSelectionSurvivesTheRoundTrip)
{
    New_Ort(2);
    pages->Cockpit_Voice().Control_07->setCurrentIndex(-1);
    pages->Cockpit_Voice().Control_36->setCurrentIndex(-1);
    pages->Cockpit_Voice().Control_20->setCurrentIndex(-1);
    Update_Data_V8(*pages);
    EXPECT_EQ(Number_At(17702, 4), 0xFFFFFFFF);
    EXPECT_EQ(Number_At(18524, 2), 0xFFFF);
    EXPECT_EQ(Number_At(18488, 4), 0); // index + 1

    ASSERT_NO_THROW(Load());
    EXPECT_EQ(pages->Cockpit_Voice().Control_07->currentIndex(), -1);
    EXPECT_EQ(pages->Cockpit_Voice().Control_36->currentIndex(), -1);
    EXPECT_EQ(pages->Cockpit_Voice().Control_20->currentIndex(), -1);

    // Below -1 is no list index at all.
    Put(17702, 4, -2);
    EXPECT_THROW(Load(), core::Record_Error);
}
