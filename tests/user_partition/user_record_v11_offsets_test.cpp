// Generation-11 user record checked byte by byte from outside its layout
// table: the shifted offsets behind the 25-entry directory, the two-byte
// item-61 coding and the tail, through the real save and the real load.

#include "editor/pages/psid_row.h"
#include "editor/pages_tables/cockpit_number_line.h"
#include "editor/user_partition/user_mod.h"
#include "editor/user_partition/user_record_v11.h"
#include "record_bytes.h"
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
using usertest::Other;
using usertest::Pick;
using usertest::Text_Field;

namespace {

class V11OffsetsTest : public usertest::ShortRecordTest {
protected:
    static void Put(int offset, int width, std::int64_t value)
    {
        usertest::Put_Number_Into(User_Record_V11(), offset, width, value);
    }
    static void Put_Bytes(int offset, const QByteArray& field)
    {
        usertest::Put_Field_Into(User_Record_V11(), offset, field);
    }

    // The record as a loaded type-11 file into defaulted pages.
    void Load(int feature = 5, int airframer = 0)
    {
        Set_User_Loaded(11, 1);
        Set_User_Current(11, 1, feature, airframer);
        const QByteArray file = V11(); // the defaults of a new ORT clear the record
        Set_User_Defaults_New(*pages);
        User_Record_V11().Set_Bytes(file);
        Update_GUI_V11(*pages);
    }
};

} // namespace

TEST_F(V11OffsetsTest, FieldsBehindTheShortDirectoryLandAtTheirOffsets)
{
    New_V11(1, 5, 0);
    Page_General& general = pages->General();
    Page_Cockpit_Voice& voice = pages->Cockpit_Voice();
    Page_Cabin& cabin = pages->Cabin();
    struct Row {
        QComboBox* box;
        int offset;
        int width;
    };
    const Row rows[] = {
        {general.Control_04, 2454, 4},   {voice.Control_07, 6302, 4},     {cabin.Control_10, 6306, 2},
        {cabin.Control_13, 6308, 4},     {voice.Control_15, 6316, 4},     {voice.Control_19a, 7082, 2},
        {voice.Control_19b, 7084, 2},    {cabin.Control_21a, 7092, 4},    {cabin.Control_21b, 7096, 4},
        {cabin.Control_24a, 7100, 4},    {cabin.Control_24b, 7104, 4},    {voice.Control_35, 7120, 4},
        {voice.Control_36, 7124, 2},     {general.Control_40a, 7128, 2},  {general.Control_40b, 7130, 2},
        {cabin.Control_45_1b2, 7138, 2}, {cabin.Control_45_2b1, 7142, 2}, {general.Control_58, 7154, 2},
    };
    std::vector<int> chosen;
    for (const Row& row : rows)
        chosen.push_back(Pick(row.box, Other(row.box)));
    const int item_20 = Pick(voice.Control_20, 0);
    voice.Control_14->setCurrentIndex(16);
    pages->Cabin().Control_25b->setText(QStringLiteral("12"));
    pages->Cabin().Control_45_2a2->setText(QStringLiteral("77"));
    pages->Dual().Control_49[5]->setText(QStringLiteral("42"));
    pages->HSD_Cnfg().Control_62->setText(QStringLiteral("0.5"));
    pages->Cabin_Numbers().Control_26b[1]->setChecked(true);
    pages->Cabin_Numbers().Control_16_Sat2_ChB[9]->setText(QStringLiteral("999"));
    pages->Cockpit_Numbers().Control_05_Tab->setTabText(3, QStringLiteral("misc"));
    QListWidget* category_3 = pages->Cockpit_Numbers().Control_05[3];
    category_3->clear();
    category_3->addItem(tables::Cockpit_Number_Line(QStringLiteral("OPS"), QStringLiteral("12"), 5, false));
    pages->General().Control_78->clear();
    pages->General().Control_78->addItem(pages::Format_PSID_Row({062, 255, 0x4C90, 0x1770}));

    Update_Data_V11(*pages);
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(V11_Number(rows[i].offset, rows[i].width), chosen[i]) << "offset " << rows[i].offset;
    EXPECT_EQ(V11_Number(6312, 4), 255);
    EXPECT_EQ(V11_Number(7088, 4), item_20 + 1);
    EXPECT_EQ(V11_Number(7080, 2), 0);
    EXPECT_EQ(V11_Number(7086, 2), 0);
    EXPECT_EQ(V11().mid(7112, 4), QByteArray("12  "));
    EXPECT_EQ(V11_Number(7118, 2), 1);
    EXPECT_EQ(V11_Number(7126, 2), 0);
    EXPECT_EQ(V11_Number(7144, 2), 77);
    EXPECT_EQ(V11_Byte(7153), 42);
    EXPECT_EQ(V11_Number(7160, 4), 5);
    EXPECT_EQ(V11_Number(7164, 4), 1);
    // Cabin numbers: SDU 2 pairs from 6700, element 21 + 2 * 9 = 39 the last.
    EXPECT_EQ(V11().mid(6320 + 19 * 39, 19), Text_Field("999", 19));
    EXPECT_EQ(V11().mid(6320 + 19 * 20, 19), Text_Field("------------------", 19));
    // The directory holds 25 entries a category: category 3 starts at 75.
    const int entry = 2458 + 38 * 75;
    EXPECT_EQ(V11().mid(entry, 3), QByteArray("OPS"));
    EXPECT_EQ(V11_Number(entry + 34, 2), 5);
    EXPECT_EQ(V11_Number(entry + 36, 2), 0);
    EXPECT_EQ(V11().mid(entry + 38 + 15, 19), Text_Field("------------------", 19));
    EXPECT_EQ(V11_Number(2458 + 38 * 99 + 34, 2), 3); // last entry, priority fill
    EXPECT_EQ(V11().mid(6258 + 33, 11), Text_Field("MISC", 11));
    EXPECT_EQ(V11().mid(7168, 2), QByteArray(2, '\0'));
    EXPECT_EQ(V11().mid(7170, 7), QByteArray("\x32\x00\xFF\x4C\x90\x17\x70", 7));
    EXPECT_EQ(V11().mid(7177, 7), QByteArray("\x3F\x00\x00\x00\x00\x00\x00", 7));
    EXPECT_EQ(V11_Byte(7240), 1);
    EXPECT_TRUE(V11_Zero(7241, 7271));
    EXPECT_EQ(V11_Byte(7271), 1);
}

TEST_F(V11OffsetsTest, ItemSixtyOneKeepsTwoFlagBytes)
{
    // index: A (7156), B (7158); 7157 and 7159 are always 1.
    const int expected[6][2] = {{1, 1}, {1, 1}, {1, 0}, {0, 0}, {0, 1}, {0, 0}};
    const int back[6] = {0, 0, 2, 3, 4, 3};
    for (int index = 0; index < 6; ++index) {
        New_V11(1, 5, 0);
        pages->General().Control_61->setCurrentIndex(index);
        Update_Data_V11(*pages);
        const char flags[] = {static_cast<char>(expected[index][0]), 1,
                              static_cast<char>(expected[index][1]), 1};
        EXPECT_EQ(V11().mid(7156, 4), QByteArray(flags, 4)) << index;
        Load();
        EXPECT_EQ(pages->General().Control_61->currentIndex(), back[index]) << index;
    }

    // Feature level 0: the flags, item 62 and its presence word are zero.
    New_V11(1, 0, 0);
    Update_Data_V11(*pages);
    EXPECT_TRUE(V11_Zero(7156, 7168));
}

TEST_F(V11OffsetsTest, HandWrittenBytesReachTheControls)
{
    New_V11(1, 5, 0);
    Update_Data_V11(*pages);
    Page_Cockpit_Voice& voice = pages->Cockpit_Voice();
    Page_Cabin& cabin = pages->Cabin();
    struct Row {
        QComboBox* box;
        int offset;
        int width;
    };
    const Row rows[] = {
        {voice.Control_07, 6302, 4},  {cabin.Control_10, 6306, 2},  {voice.Control_15, 6316, 4},
        {voice.Control_19b, 7084, 2}, {cabin.Control_21b, 7096, 4}, {cabin.Control_24a, 7100, 4},
        {voice.Control_35, 7120, 4},  {voice.Control_36, 7124, 2},  {pages->General().Control_40b, 7130, 2},
        {cabin.Control_45_1b1, 7134, 2}, {pages->General().Control_58, 7154, 2},
    };
    std::vector<int> stored;
    for (const Row& row : rows) {
        stored.push_back(Other(row.box));
        Put(row.offset, row.width, stored.back());
    }
    Put(6312, 4, 255);
    Put(7132, 2, 0xFFFF);
    Put(7160, 4, 234);
    Put_Bytes(7108, QByteArray("5678"));
    Put_Bytes(7148, QByteArray("\x09\x08\x07\x06\x05\x04", 6));
    Put(7116, 2, 1);
    Put_Bytes(6320 + 19 * 2, Text_Field("4455", 19)); // SDU 1 channel A, pair 1
    Put_Bytes(6700 + 19 * 3, Text_Field("6677", 19)); // SDU 2 channel B, pair 1
    Put_Bytes(6258 + 11, Text_Field("CABIN", 11));
    const int entry = 2458 + 38 * 26; // category 1, entry 1
    Put_Bytes(entry, Text_Field("GND", 15) + Text_Field("8", 19) + QByteArray("\x00\x01\x00\x01", 4));
    Put_Bytes(7170, QByteArray("\x05\x00\x02\x00\x00\x17\x70", 7));
    Put(7240, 1, 1);
    Put(7126, 2, 1);

    Load();
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(rows[i].box->currentIndex(), stored[i]) << "offset " << rows[i].offset;
    EXPECT_EQ(voice.Control_14->currentIndex(), 16);
    EXPECT_EQ(cabin.Control_45_1a1->text(), QStringLiteral("-1"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_62->text(), QStringLiteral("23.4"));
    EXPECT_EQ(cabin.Control_25a->text(), QStringLiteral("5678"));
    EXPECT_EQ(pages->Dual().Control_49[0]->text(), QStringLiteral("9"));
    EXPECT_EQ(pages->Dual().Control_49[5]->text(), QStringLiteral("4"));
    EXPECT_TRUE(pages->Cabin_Numbers().Control_26a[1]->isChecked());
    EXPECT_EQ(pages->Cabin_Numbers().Control_16_Sat1_ChA[1]->text(), QStringLiteral("4455"));
    EXPECT_EQ(pages->Cabin_Numbers().Control_16_Sat2_ChB[1]->text(), QStringLiteral("6677"));
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05_Tab->tabText(1), QStringLiteral("CABIN"));
    ASSERT_EQ(pages->Cockpit_Numbers().Control_05[1]->count(), 1);
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05[1]->item(0)->text(),
              QStringLiteral("GND").leftJustified(18) + QStringLiteral("8").leftJustified(22)
                  + QStringLiteral("1    Yes"));
    ASSERT_EQ(pages->General().Control_78->count(), 1);
    EXPECT_EQ(pages->General().Control_78->item(0)->text(), pages::Format_PSID_Row({5, 2, 0, 0x1770}));
    EXPECT_FALSE(pages->Main.Label_User_Modified->isHidden());
}
